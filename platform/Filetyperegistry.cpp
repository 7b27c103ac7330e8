#include "platform/Filetyperegistry.h"

#include "platform/Atomicfile.h"
#include "platform/Filenamebytes.h"
#include "platform/Plainfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QtDebug>

namespace {

constexpr int kMimeUpdateTimeoutMs = 60000;

QString dataHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

// Inside a quoted argument of Exec= the characters " ` $ \ need a backslash; the entry's
// string escaping then doubles every backslash, and a literal % is written %%.
QString quoteExecArgument(const QString& argument)
{
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$'))
            quoted += QLatin1String("\\\\") + c;
        else if (c == QLatin1Char('\\'))
            quoted += QLatin1String("\\\\\\\\");
        else if (c == QLatin1Char('%'))
            quoted += QLatin1String("%%");
        else
            quoted += c;
    }
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool holdsLineBreak(const QString& text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// Only plain files are this program's: anything else in their place (a pipe would block the
// program for good) is left alone, and said so.
void warnNotPlain(const QString& path)
{
    qWarning().noquote() << path << "is not a plain file, left alone";
}

bool writeIfDifferent(const QString& path, const QByteArray& content, bool* changed)
{
    *changed = false;
    // A longer file is not the one wanted, whatever it holds: more of it is never read.
    QByteArray existing;
    bool complete = false;
    QString reason;
    const TPlainOpen opened = readPlainFile(path, content.size(), existing, complete, reason);
    if (opened == TPlainOpen::NotPlain) {
        warnNotPlain(path);
        return false;
    }
    if (opened == TPlainOpen::Opened && complete && existing == content)
        return true;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    if (!writeFileAtomically(path, content))
        return false;
    *changed = true;
    return true;
}

bool removeIfPresent(const QString& path, bool* removed)
{
    *removed = false;
    if (!QFileInfo::exists(path))
        return true;
    if (!isPlainFile(path)) {
        warnNotPlain(path);
        return false;
    }
    *removed = QFile::remove(path);
    return *removed;
}

} // namespace

CFileTypeRegistry::CFileTypeRegistry(const QString& programName, const QString& extension)
    : m_ProgramName(programName)
    , m_Extension(extension)
{
    // "Ombrix" and ".ombx" give "ombrix-ombx": the type, the package and the entry share it.
    QString ext = extension;
    if (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    m_Id = (programName + QLatin1Char('-') + ext).toLower();
}

QString CFileTypeRegistry::mimeType() const
{
    return QLatin1String("application/x-") + m_Id;
}

QString CFileTypeRegistry::mimeFolder() const
{
    return dataHome() + QLatin1String("/mime");
}

QString CFileTypeRegistry::mimePackagePath() const
{
    return mimeFolder() + QLatin1String("/packages/") + m_Id + QLatin1String(".xml");
}

QString CFileTypeRegistry::desktopEntryPath() const
{
    return dataHome() + QLatin1String("/applications/") + m_Id + QLatin1String(".desktop");
}

QString CFileTypeRegistry::mimePackageText() const
{
    return QLatin1String(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"")
           + mimeType().toHtmlEscaped()
           + QLatin1String("\">\n"
                           "    <sub-class-of type=\"text/plain\"/>\n"
                           "    <comment>")
           + (m_ProgramName + QLatin1String(" document")).toHtmlEscaped()
           + QLatin1String("</comment>\n"
                           "    <glob pattern=\"")
           + (QLatin1Char('*') + m_Extension).toHtmlEscaped()
           + QLatin1String("\"/>\n"
                           "  </mime-type>\n"
                           "</mime-info>\n");
}

QString CFileTypeRegistry::desktopEntryText(const QString& executablePath) const
{
    return QLatin1String("[Desktop Entry]\n"
                         "Type=Application\n"
                         "Name=")
           + m_ProgramName + QLatin1String("\nExec=") + quoteExecArgument(executablePath)
           + QLatin1String(" %f\nMimeType=") + mimeType()
           + QLatin1String(";\nNoDisplay=true\nTerminal=false\n");
}

bool CFileTypeRegistry::registerType(const QString& executablePath) const
{
    // A line break would end the Exec= line and let the rest of the path add keys of its own; a
    // byte that is no text cannot stand in the entry's text, which would name another file.
    if (executablePath.isEmpty() || holdsLineBreak(executablePath) || holdsLineBreak(m_ProgramName)
        || holdsForeignBytes(executablePath))
        return false;
    bool packageChanged = false;
    if (!writeIfDifferent(mimePackagePath(), mimePackageText().toUtf8(), &packageChanged))
        return false;
    if (packageChanged)
        updateMimeDatabase();
    bool entryChanged = false;
    return writeIfDifferent(desktopEntryPath(), desktopEntryText(executablePath).toUtf8(),
                            &entryChanged);
}

bool CFileTypeRegistry::unregisterType() const
{
    bool packageRemoved = false;
    bool entryRemoved = false;
    const bool packageGone = removeIfPresent(mimePackagePath(), &packageRemoved);
    const bool entryGone = removeIfPresent(desktopEntryPath(), &entryRemoved);
    if (packageRemoved)
        updateMimeDatabase();
    return packageGone && entryGone;
}

void CFileTypeRegistry::updateMimeDatabase() const
{
    // Without the tool the desktop still reads the package itself, only later.
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (tool.isEmpty())
        return;
    QProcess process;
    process.start(tool, {mimeFolder()});
    process.waitForFinished(kMimeUpdateTimeoutMs);
}
