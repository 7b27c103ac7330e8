#include "Testing.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

namespace xonQMInterpreter {

namespace {

constexpr const char* LINE_END = "\r\n";
constexpr int REPORT_VALUE_DIGITS = 6;
constexpr const char* BLOCK_RULE = "************************************";

void add(std::ostream& report, const char* text)
{
    report.write(text, static_cast<std::streamsize>(std::strlen(text)));
}

void addLine(std::ostream& report, const char* text)
{
    add(report, text);
    add(report, LINE_END);
}

void addNumberLine(std::ostream& report, const char* lead, unsigned long long number)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits - 1, number).ptr;
    *end = 0;
    add(report, lead);
    add(report, digits);
    addLine(report, ".");
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
    const std::string text{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
    input.close();
    performText(text, output, testStart);
}

void CTesting::perform(const std::string& input, std::ostream& report)
{
    const TStopTaken taken{m_StopRequested, m_Interpreter};
    performText(input, report, m_Clock());
}

void CTesting::performText(const std::string& input, std::ostream& output, uint32_t testStart)
{
    CBuffString text;
    for (const char c : input)
        text.append(c);
    text.append(' ');

    TTotals totals;
    const int markerLength = static_cast<int>(std::strlen(BLOCK_MARKER));
    int start = 0;
    bool markerFound = true;
    while (markerFound && !m_StopRequested.load(std::memory_order_relaxed)) {
        const int marker = text.find(BLOCK_MARKER, start);
        markerFound = marker > -1;
        CBuffString block;
        const int end = markerFound ? marker : text.length();
        // An empty block (a marker at the start, two markers in a row) runs as an empty text.
        if (end > start)
            block = text.subString(start, end - start);
        if (markerFound)
            start = marker + markerLength;
        block.append(' ');
        performBlock(block, output, totals);
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

void CTesting::performBlock(const CBuffString& block, std::ostream& report, TTotals& totals)
{
    try {
        const uint32_t blockStart = m_Clock();
        add(report, "[START] ");
        addLine(report, BLOCK_RULE);
        addLine(report, "[TEXT] ");
        addLine(report, block.c_str());
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
