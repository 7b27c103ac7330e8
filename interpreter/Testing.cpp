#include "Testing.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace xonQMInterpreter {

namespace {

constexpr const char* LINE_END = "\r\n";
constexpr int REPORT_VALUE_DIGITS = 6;
constexpr const char* BLOCK_RULE = "************************************";
constexpr size_t kReadChunkBytes = size_t(1) << 16U;

void add(std::ostream& report, std::string_view text)
{
    report.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void addLine(std::ostream& report, std::string_view text)
{
    add(report, text);
    add(report, LINE_END);
}

void addNumber(std::ostream& report, unsigned long long number)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits - 1, number).ptr;
    *end = 0;
    add(report, digits);
}

void addNumberLine(std::ostream& report, const char* lead, unsigned long long number)
{
    add(report, lead);
    addNumber(report, number);
    addLine(report, ".");
}

// The blocks from start to the end of the input: the one that starts there and one after
// each marker that follows.
unsigned long long countBlocksFrom(std::string_view input, size_t start)
{
    const std::string_view marker(CTesting::BLOCK_MARKER);
    unsigned long long count = 1;
    for (size_t at = input.find(marker, start); at != std::string_view::npos;
         at = input.find(marker, at + marker.size()))
        ++count;
    return count;
}

// General notation with 6 significant digits, as the report has always shown values;
// without the process locale.
void addValue(std::ostream& report, double value)
{
    if (std::isinf(value)) {
        add(report, value > 0 ? "+INF" : "-INF");
        return;
    }
    if (std::isnan(value)) {
        add(report, std::signbit(value) ? "-NAN" : "+NAN");
        return;
    }
    char digits[48];
    const auto end = std::to_chars(digits, digits + sizeof digits - 1, value,
                                   std::chars_format::general, REPORT_VALUE_DIGITS)
                         .ptr;
    *end = 0;
    add(report, digits);
}

// A stop request is taken by one test, as by one run of the interpreter: one that came too
// late for the test's last block must not stop the next test.
struct TStopTaken
{
    std::atomic<bool>& request;
    CQMInterpreter& interpreter;
    ~TStopTaken()
    {
        request.store(false, std::memory_order_relaxed);
        interpreter.clearStopRequest();
    }
};

} // namespace

struct CTesting::TTotals
{
    unsigned long long calculation = 0;
    unsigned long long output = 0;
};

CTesting::CTesting(const char* inputFileName, const char* reportFileName, TTickClock clock)
    : m_InputFileName(inputFileName != nullptr ? inputFileName : "")
    , m_ReportFileName(reportFileName != nullptr ? reportFileName : "")
    , m_Clock(clock ? std::move(clock) : TTickClock(steadyTickCount))
{
    m_Interpreter.setClock(m_Clock);
}

void CTesting::perform()
{
    const TStopTaken taken{m_StopRequested, m_Interpreter};
    if (!m_InputFileName.hasNonSpace() || !m_ReportFileName.hasNonSpace())
        return;
    // The full time covers opening and reading the files.
    const uint32_t testStart = m_Clock();
    // The report is not even created when there is no input to test.
    std::ifstream input(m_InputFileName.c_str(), std::ios::binary);
    if (!input)
        return;
    std::ofstream output(m_ReportFileName.c_str(), std::ios::binary | std::ios::app);
    if (!output)
        return;
    // What lies beyond the longest input the test takes is never read.
    std::string text;
    std::vector<char> chunk(kReadChunkBytes);
    while (text.size() <= static_cast<size_t>(kMaxTestInputLength)) {
        input.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        if (input.gcount() <= 0)
            break;
        text.append(chunk.data(), static_cast<size_t>(input.gcount()));
    }
    input.close();
    performText(text, true, output, testStart);
}

void CTesting::perform(std::string_view input, std::ostream& report, bool complete,
                       uint32_t testStart)
{
    const TStopTaken taken{m_StopRequested, m_Interpreter};
    performText(input, complete, report, testStart);
}

void CTesting::performText(std::string_view input, bool complete, std::ostream& output,
                           uint32_t testStart)
{
    if (input.size() > static_cast<size_t>(kMaxTestInputLength)) {
        input = input.substr(0, kMaxTestInputLength);
        complete = false;
    }
    const size_t taken = input.size();
    // A NUL character never reaches the interpreter. The input is copied only when it holds
    // one: a large input would otherwise take its memory twice.
    std::string withoutNul;
    if (input.find('\0') != std::string_view::npos) {
        withoutNul.reserve(input.size());
        std::copy_if(input.begin(), input.end(), std::back_inserter(withoutNul),
                     [](char c) { return c != 0; });
        input = withoutNul;
    }

    TTotals totals;
    const std::string_view marker(BLOCK_MARKER);
    size_t start = 0;
    bool markerFound = true;
    unsigned long long blocksRun = 0;
    while (markerFound && !m_StopRequested.load(std::memory_order_relaxed)) {
        const size_t at = input.find(marker, start);
        markerFound = at != std::string_view::npos;
        // An empty block (a marker at the start, two markers in a row) runs as an empty text.
        const std::string_view text = input.substr(start, markerFound ? at - start
                                                                      : std::string_view::npos);
        if (markerFound)
            start = at + marker.size();
        // Every block gets a blank, and the whole input one more: the last block ends with two.
        std::string block;
        block.reserve(text.size() + 2);
        block.append(text);
        block.append(markerFound ? 1 : 2, ' ');
        performBlock(block, output, totals);
        ++blocksRun;
    }

    if (m_StopRequested.load(std::memory_order_relaxed)) {
        const unsigned long long notRun = markerFound ? countBlocksFrom(input, start) : 0;
        add(output, "[STOPPED] The test was stopped here; blocks not run: ");
        addNumber(output, notRun);
        add(output, " of ");
        addNumber(output, blocksRun + notRun);
        addLine(output, ".");
    }
    if (!complete) {
        add(output, "[CUT] The input was cut after ");
        addNumber(output, taken);
        addLine(output, " characters; the rest of it was not tested.");
    }
    addLine(output, "");
    addNumberLine(output, "Full time of the test: ", static_cast<uint32_t>(m_Clock() - testStart));
    addNumberLine(output, "Full time of the calculation (mc): ", totals.calculation);
    addNumberLine(output, "Full time of the output into file: ", totals.output);
}

void CTesting::requestStop()
{
    m_StopRequested.store(true, std::memory_order_relaxed);
    m_Interpreter.requestStop();
}

void CTesting::performBlock(const std::string& block, std::ostream& report, TTotals& totals)
{
    try {
        const uint32_t blockStart = m_Clock();
        add(report, "[START] ");
        addLine(report, BLOCK_RULE);
        addLine(report, "[TEXT] ");
        addLine(report, block);
        m_Interpreter.perform(block.c_str());
        const uint32_t outputStart = m_Clock();

        if (m_Interpreter.hasErrors() || m_Interpreter.hasWarnings()
            || m_Interpreter.hasMessages()) {
            addLine(report, "[MESSAGES] ");
            for (int i = 0; i < m_Interpreter.getCountErrors(); ++i)
                addLine(report, m_Interpreter.getError(i).c_str());
            for (int i = 0; i < m_Interpreter.getCountWarnings(); ++i)
                addLine(report, m_Interpreter.getWarning(i).c_str());
            for (int i = 0; i < m_Interpreter.getCountMessages(); ++i)
                addLine(report, m_Interpreter.getMessage(i).c_str());
        }
        addLine(report, "[RESULTS] ");
        for (int i = 0; i < m_Interpreter.getCountVariables(); ++i) {
            CNameString name;
            double value = 0.0;
            m_Interpreter.getVariable(i, name, value);
            add(report, name.c_str());
            add(report, "=");
            addValue(report, value);
            add(report, LINE_END);
        }
        report.flush();
        const uint32_t blockTime = m_Clock() - blockStart;
        const uint32_t outputTime = m_Clock() - outputStart;

        addLine(report, "");
        addNumberLine(report, "Size of text: ",
                      static_cast<unsigned long long>(m_Interpreter.getTextSize()));
        addNumberLine(report, "Time of the calculation (mc): ", m_Interpreter.getCalcTime());
        addNumberLine(report, "Time of the output into file: ", outputTime);
        addNumberLine(report, "Time of the test of this block: ", blockTime);
        add(report, "[FINISH] ");
        addLine(report, BLOCK_RULE);
        addLine(report, "");
        totals.calculation += m_Interpreter.getCalcTime();
        totals.output += outputTime;
    } catch (...) {
        addLine(report, "error at 'interpreter.perform'");
    }
}

} // namespace xonQMInterpreter
