#include "framework/Filelog.h"

#include "framework/Addsysfunctions.h"
#include "platform/Appendfile.h"

#include <QLocale>
#include <QtDebug>

namespace {

QString typeTag(quint8 type)
{
    switch (type) {
    case CFileLog::TYPE_SYSTEM_ERROR:
        return QStringLiteral("[system error] ");
    case CFileLog::TYPE_ERROR:
        return QStringLiteral("[error] ");
    case CFileLog::TYPE_WARNING:
        return QStringLiteral("[warning] ");
    case CFileLog::TYPE_SUCCESS:
        return QStringLiteral("[success] ");
    case CFileLog::TYPE_INFORMATION:
        return QStringLiteral("[information] ");
    default:
        return {};
    }
}

QByteArray fileLine(const QString& line)
{
    return line.toUtf8() + '\n';
}

// The last lines of the file while it is cut, kept as the bytes they are: a line that is not
// valid UTF-8 comes back unchanged. Like the pending lines, blank ones are skipped and the
// others trimmed and cut to kLogLineMaxLength characters (counted in UTF-16 code units, so a
// line this log wrote is never cut again).
class CTailLines : public CTemplateStackElements<QByteArray, kLogLinesKept>
{
public:
    CTailLines()
        : CTemplateStackElements<QByteArray, kLogLinesKept>(true)
    {
    }

protected:
    bool accept(const QByteArray& element, QByteArray& stored) const override
    {
        stored = cutToLength(trimmedBytes(element));
        return !stored.isEmpty();
    }

private:
    static QByteArray trimmedBytes(const QByteArray& line)
    {
        qsizetype first = 0;
        qsizetype last = line.size();
        while (first < last && static_cast<uchar>(line.at(first)) <= 0x20)
            ++first;
        while (last > first && static_cast<uchar>(line.at(last - 1)) <= 0x20)
            --last;
        return line.mid(first, last - first);
    }

    // Cuts only where a character starts, so a character is never split.
    static QByteArray cutToLength(const QByteArray& line)
    {
        int units = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const auto byte = static_cast<uchar>(line.at(i));
            if ((byte & 0xC0) == 0x80)
                continue; // continues the character before it
            // A four-byte character is two UTF-16 code units.
            units += byte >= 0xF0 ? 2 : 1;
            if (units > kLogLineMaxLength)
                return line.left(i);
        }
        return line;
    }
};

// The last lines of a log that is cut, from its end. Unless that end is all of the file, its
// first line began before it: kLogTailMaxBytes holds kLogLinesKept of the longest lines this
// log writes, so that one is none of its lines and is left out.
QByteArray lastLines(const QByteArray& tail, bool whole)
{
    CTailLines lines;
    qsizetype start = 0;
    if (!whole) {
        const qsizetype firstEnd = tail.indexOf('\n');
        start = firstEnd < 0 ? tail.size() : firstEnd + 1;
    }
    while (start < tail.size()) {
        qsizetype end = tail.indexOf('\n', start);
        if (end < 0)
            end = tail.size();
        lines.push(tail.mid(start, end - start));
        start = end + 1;
    }
    QByteArray content;
    for (int i = 0; i < lines.getCount(); ++i)
        content += lines.get(i) + '\n';
    return content;
}

} // namespace

CFileLog::CFileLog()
    : m_FileName(QStringLiteral("file.log"))
    , m_Clock([] { return QDateTime::currentDateTime(); })
{
}

CFileLog::~CFileLog()
{
    flush();
}

void CFileLog::setFileName(const QString& name)
{
    m_FileName = trimBlanks(name);
}

void CFileLog::setFolder(const QString& folder)
{
    m_Folder = trimBlanks(folder);
}

QString CFileLog::getFilePath() const
{
    return m_Folder.endsWith(QLatin1Char('/')) ? m_Folder + m_FileName
                                               : m_Folder + QLatin1Char('/') + m_FileName;
}

void CFileLog::setClock(TClock clock)
{
    m_Clock = std::move(clock);
}

QString CFileLog::formatLine(quint8 type, const QString& source, const QString& text) const
{
    const QString tag = typeTag(type);
    const QString trimmedSource = trimBlanks(source);
    QString line = QLatin1String("[+");
    line += tag.isEmpty() ? QLatin1Char('-') : QLatin1Char('+');
    line += trimmedSource.isEmpty() ? QLatin1Char('-') : QLatin1Char('+');
    // English month names and fixed separators, whatever the user's locale.
    line += QLatin1String("] [")
            + QLocale::c().toString(m_Clock(), QStringLiteral("dd/MMM/yyyy hh:mm:ss"))
            + QLatin1String("] ");
    line += tag;
    if (!trimmedSource.isEmpty())
        line += QLatin1Char('[') + trimmedSource + QLatin1String("] ");
    return line + text;
}

void CFileLog::add(quint8 type, const QString& source, const QString& text)
{
    addLine(formatLine(type, source, text));
}

void CFileLog::add(quint8 type, const QString& text)
{
    add(type, QString(), text);
}

void CFileLog::add(const QString& text)
{
    add(0, QString(), text);
}

void CFileLog::addLine(const QString& line)
{
    if (m_Pending.push(line) == kLogLinesKept - 1)
        flush();
}

qint64 CFileLog::getFileSize() const
{
    qint64 size = 0;
    if (!::getFileSize(getFilePath(), size) || size < 0)
        return 0;
    return size;
}

bool CFileLog::isOverLimit() const
{
    return getFileSize() > kLogSizeLimit;
}

void CFileLog::flush()
{
    if (m_Pending.getCount() == 0)
        return;
    QByteArray lines;
    for (int i = 0; i < m_Pending.getCount(); ++i)
        lines += fileLine(m_Pending.get(i));
    // One byte more than the lines kept can fill: when it ends a line, the first kept line
    // starts right after it.
    const TFileCut cut{kLogSizeLimit, kLogTailMaxBytes + 1,
                       [&lines](const QByteArray& tail, bool whole) {
                           return lastLines(tail, whole) + lines;
                       }};
    const QString path = getFilePath();
    QString reason;
    if (!appendToFile(path, lines, cut, reason))
        qWarning().noquote() << "Log lines not written to" << path << ':' << reason;
    // Lines that could not be written are dropped: the next flush tries the file again.
    m_Pending.clear();
}
