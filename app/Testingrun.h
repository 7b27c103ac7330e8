#pragma once

#include <QString>

namespace xonQMInterpreter {
class CTesting;
}

// Runs the self-test with testing (which a stop request reaches) on the input file and appends its
// report to the report file. Only plain files are read and written, and the report is appended
// whole or not at all, so earlier reports are never cut. An input that cannot be read runs nothing
// and writes nothing, as a missing one; false, with the system's reason, only when the report could
// not be written.
bool runTestingIntoReport(xonQMInterpreter::CTesting& testing, const QString& inputFileName,
                          const QString& reportFileName, QString& reason);
