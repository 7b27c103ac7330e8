#pragma once

#include "BuffString.h"
#include "Limits.h"
#include "QMInterpreter.h"

#include <atomic>
#include <iosfwd>
#include <string>
#include <string_view>

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
    // The clock's tick count now: a caller that reads and writes the files itself takes it
    // before it opens them, as the start of the test's full time.
    uint32_t ticks() const { return m_Clock(); }
    // Runs the test on an input already read and writes the report to the stream, for a
    // caller that reads and writes the files itself; the file names are not used. complete
    // false: the input is only the start of a longer one, which the report tells, as it tells
    // of an input beyond kMaxTestInputLength. testStart: the tick the full time counts from.
    void perform(std::string_view input, std::ostream& report, bool complete, uint32_t testStart);
    // Safe from any thread: the block in progress ends as a stopped run, the blocks after it
    // are not run, and the report says so after that block, before its totals.
    void requestStop();

private:
    struct TTotals;
    void performText(std::string_view input, bool complete, std::ostream& report,
                     uint32_t testStart);
    void performBlock(const std::string& block, std::ostream& report, TTotals& totals);

    CBuffString m_InputFileName;
    CBuffString m_ReportFileName;
    TTickClock m_Clock;
    CQMInterpreter m_Interpreter;
    std::atomic<bool> m_StopRequested{false};
};

} // namespace xonQMInterpreter
