#include "app/Testingrun.h"

#include "interpreter/Testing.h"
#include "platform/Atomicfile.h"
#include "platform/Plainfile.h"

#include <QFile>

#include <sstream>

bool runTestingIntoReport(xonQMInterpreter::CTesting& testing, const QString& inputFileName,
                          const QString& reportFileName, QString& reason)
{
    if (inputFileName.trimmed().isEmpty() || reportFileName.trimmed().isEmpty())
        return true;
    QFile input;
    QString inputReason;
    if (openPlainFile(input, inputFileName, QIODevice::ReadOnly, inputReason) != TPlainOpen::Opened)
        return true;
    const QByteArray text = input.readAll();
    if (input.error() != QFileDevice::NoError)
        return true;
    input.close();

    std::ostringstream report;
    testing.perform(text.toStdString(), report);
    const std::string written = report.str();
    return appendToFile(reportFileName,
                        QByteArray(written.data(), static_cast<qsizetype>(written.size())), reason);
}
