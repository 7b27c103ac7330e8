#include "app/Testingrun.h"

#include "interpreter/Testing.h"
#include "platform/Atomicfile.h"
#include "platform/Plainfile.h"

#include <cerrno>
#include <sstream>
#include <string_view>

TTestingOutcome runTestingIntoReport(xonQMInterpreter::CTesting& testing,
                                     const QString& inputFileName, const QString& reportFileName)
{
    TTestingOutcome outcome;
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

    std::ostringstream report;
    testing.perform(std::string_view(input.constData(), static_cast<size_t>(input.size())), report,
                    complete);
    // Written from where it stands: a large input is in it once more.
    const std::string_view written = report.view();
    if (!appendToFile(reportFileName,
                      QByteArray::fromRawData(written.data(),
                                              static_cast<qsizetype>(written.size())),
                      outcome.reason))
        outcome.failure = TTestingFailure::Report;
    return outcome;
}
