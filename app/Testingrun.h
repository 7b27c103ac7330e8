#pragma once

#include <QString>

namespace xonQMInterpreter {
class CTesting;
}

// What kept a self-test from its report, if anything.
enum class TTestingFailure { None, Input, Report };

struct TTestingOutcome
{
    TTestingFailure failure = TTestingFailure::None;
    // The system's reason for a failure.
    QString reason;
    // Only the start of the input was tested: the rest is more than the test takes.
    bool inputCut = false;
    // The characters tested, which a cut UTF-8 or UTF-16 input has fewer of than the bytes read.
    qint64 testedCharacters = 0;
    // The signal that stopped the test from outside, which then ends the program; 0: none.
    int endingSignal = 0;
};

// Runs the self-test with testing (which a stop request reaches) on the input file, read as a
// document is, and appends its report in the input's encoding to the report file. Only plain files
// are read and written, the input no further than the test takes, and the report is appended whole
// or not at all, so earlier reports are never cut; whatever keeps it from being whole is a failure.
// An input that cannot be read, or a report without a name, runs nothing and writes nothing.
TTestingOutcome runTestingIntoReport(xonQMInterpreter::CTesting& testing,
                                     const QString& inputFileName, const QString& reportFileName);
