#pragma once

#include "BuffString.h"
#include "QMInterpreter.h"

#include <atomic>
#include <iosfwd>
#include <string>

namespace xonQMInterpreter {

// The self-test: runs every block of an input file (blocks are separated by
// "***END_BLOCK***") through its own interpreter and appends a timed report of the messages
// and variables of each block to the report file.
class CTesting
{
public:
    // The marker between the blocks of the input.
    static constexpr const char* BLOCK_MARKER = "***END_BLOCK***";

    CTesting(const char* inputFileName, const char* reportFileName,
             TTickClock clock = steadyTickCount);
    virtual ~CTesting() = default;

    // Runs the whole test. Missing or unreadable files end it silently; faults while a block
    // runs are written into the report.
    void perform();
    // Runs the test on an input already read and writes the report to the stream, for a
    // caller that reads and writes the files itself; the file names are not used.
    void perform(const std::string& input, std::ostream& report);
    // Safe from any thread: the block in progress ends as a stopped run, the blocks after it
    // are not run, and the report ends with its totals as usual.
    void requestStop();

private:
    struct TTotals;
    void performText(const std::string& input, std::ostream& report, uint32_t testStart);
    void performBlock(const CBuffString& block, std::ostream& report, TTotals& totals);

    CBuffString m_InputFileName;
    CBuffString m_ReportFileName;
    TTickClock m_Clock;
    CQMInterpreter m_Interpreter;
    std::atomic<bool> m_StopRequested{false};
};

} // namespace xonQMInterpreter
