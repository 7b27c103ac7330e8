#include "app/Testingrun.h"

#include "app/Testingencoding.h"
#include "interpreter/Testing.h"
#include "platform/Appendfile.h"
#include "platform/Plainfile.h"

#include <cerrno>
#include <new>
#include <string_view>

TTestingOutcome runTestingIntoReport(xonQMInterpreter::CTesting& testing,
                                     const QString& inputFileName, const QString& reportFileName)
{
    TTestingOutcome outcome;
    // The full time covers the reading of the input.
    const uint32_t testStart = testing.ticks();
    QByteArray input;
    bool complete = true;
    if (readPlainFile(inputFileName, xonQMInterpreter::kMaxTestInputLength, input, complete,
                      outcome.reason)
        != TPlainOpen::Opened) {
        outcome.failure = TTestingFailure::Input;
        return outcome;
    }
    // A test that could never be written is not run.
    if (reportFileName.trimmed().isEmpty()) {
        outcome.failure = TTestingFailure::Report;
        outcome.reason = systemReason(ENOENT);
        return outcome;
    }
    outcome.inputCut = !complete;
    // Block by block into a file of its own: memory holds the input, not the report, which may
    // be many times as large.
    CStagedAppend report(reportFileName);
    if (!report.isOpen(outcome.reason)) {
        outcome.failure = TTestingFailure::Report;
        return outcome;
    }
    try {
        const TDocumentEncoding encoding = turnTestingInputToCp1251(input, complete);
        outcome.testedCharacters = input.size();
        CTestingReportStream encoded(report.stream(), encoding);
        testing.perform(std::string_view(input.constData(), static_cast<size_t>(input.size())),
                        encoded, complete, testStart);
        encoded.flush();
        // A write that failed has left the report's own stream bad, with its reason; only
        // memory fails the encoding alone.
        if (!encoded && report.stream())
            throw std::bad_alloc();
    } catch (const std::bad_alloc&) {
        outcome.failure = TTestingFailure::Report;
        outcome.reason = systemReason(ENOMEM);
        return outcome;
    }
    if (!report.append(outcome.reason))
        outcome.failure = TTestingFailure::Report;
    return outcome;
}
