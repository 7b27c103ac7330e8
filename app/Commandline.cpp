#include "app/Commandline.h"

#include "framework/Stringutils.h"
#include "platform/Filenamebytes.h"
#include "platform/Plainfile.h"

#include <QDir>

namespace {

const QString kCalcSwitch = QStringLiteral("-calc");
const QString kTestSwitch = QStringLiteral("-test");
constexpr QChar kBlank = QLatin1Char(' ');
constexpr QChar kSeparator = QLatin1Char('/');

// The line begins with the switch and a blank follows it directly.
bool startsWithSwitch(const QString& line, const QString& name)
{
    return line.startsWith(name) && line.size() > name.size() && line.at(name.size()) == kBlank;
}

QString besideExecutable(const QString& executableFolder, const QString& fileName)
{
    return executableFolder + kSeparator + fileName;
}

} // namespace

void keepTrimmedName(QString& member, const QString& name)
{
    const QString trimmed = trimBlanks(name);
    if (!trimmed.isEmpty())
        member = trimmed;
}

void TStartRequests::setCommandLineFile(const QString& name)
{
    keepTrimmedName(commandLineFile, name);
}

void TStartRequests::setTestOutputFile(const QString& name)
{
    keepTrimmedName(testOutputFile, name);
}

QString commandLineOf(const QStringList& arguments)
{
    return arguments.mid(1).join(kBlank);
}

TStartRequests parseCommandLine(const QString& line)
{
    TStartRequests requests;
    const QString trimmed = trimBlanks(line);
    if (trimmed.isEmpty())
        return requests;
    if (startsWithSwitch(trimmed, kCalcSwitch)) {
        requests.setCommandLineFile(trimmed.mid(kCalcSwitch.size()));
        requests.calcOnStart = true;
    } else if (startsWithSwitch(trimmed, kTestSwitch)) {
        const QString names = trimBlanks(trimmed.mid(kTestSwitch.size()));
        const qsizetype blank = names.indexOf(kBlank);
        requests.testMode = true;
        requests.setCommandLineFile(blank < 0 ? names : names.left(blank));
        requests.setTestOutputFile(blank < 0 ? QString() : names.mid(blank + 1));
    } else if (trimmed == kTestSwitch) {
        requests.testMode = true;
    } else {
        requests.setCommandLineFile(trimmed);
    }
    return requests;
}

bool resolveInputFileName(const QString& name, QString& fullName, const QString& executableFolder)
{
    fullName = trimBlanks(name);
    if (fullName.isEmpty())
        return false;
    // Looked for by the name's bytes: a name that is no text names its file too.
    if (isPlainFile(fullName)) {
        fullName = QDir::cleanPath(absoluteFileName(fullName));
        return true;
    }
    fullName = besideExecutable(executableFolder, fullName);
    return isPlainFile(fullName);
}

bool resolveOutputFileName(const QString& name, QString& fullName, const QString& executableFolder)
{
    if (resolveInputFileName(name, fullName, executableFolder))
        return true;
    fullName = trimBlanks(name);
    if (fullName.isEmpty())
        return false;
    const qsizetype split = fullName.lastIndexOf(kSeparator) + 1;
    const QString folder = trimBlanks(fullName.left(split));
    const QString file = trimBlanks(fullName.mid(split));
    if (file.isEmpty())
        return false;
    if (!folder.isEmpty() && isFolder(folder))
        return true;
    fullName = besideExecutable(executableFolder, file);
    return true;
}
