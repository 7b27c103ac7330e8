#pragma once

#include "BuffString.h"
#include "QMInterpreter.h"

#include <iosfwd>

namespace xonQMInterpreter {

// The self-test: runs every block of an input file (blocks are separated by
// "***END_BLOCK***") through its own interpreter and appends a timed report of the messages
// and variables of each block to the report file.
class CTesting
{
public:
    // The marker between the blocks of the input.
    static constexpr const char* BLOCK_MARKER = "***END_BLOCK***";

    CTesting(const char* inputFileName, const char* reportFileName, TTickClock clock = steadyTickCount);
    virtual ~CTesting() = default;

    // Runs the whole test. Missing or unreadable files end it silently; faults while a block
    // runs are written into the report.
    void perform();

private:
    struct TTotals;
    void performBlock(CQMInterpreter& interpreter, const CBuffString& block, std::ostream& report, TTotals& totals);

    CBuffString m_InputFileName;
    CBuffString m_ReportFileName;
    TTickClock m_Clock;
};

} // namespace xonQMInterpreter
