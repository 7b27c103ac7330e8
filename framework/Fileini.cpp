#include "framework/Fileini.h"

#include "framework/Frameworklimits.h"
#include "framework/Stringutils.h"
#include "platform/Executablelocation.h"
#include "platform/Plainfile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <utility>

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

// The section a header line opens, or a null string for any other line. Every look-up reads
// each line: the lines are looked at where they are, not copied.
QString headerName(const QByteArray& line)
{
    const QByteArrayView trimmed = QByteArrayView(line).trimmed();
    if (!trimmed.startsWith('['))
        return {};
    const qsizetype close = trimmed.indexOf(']');
    if (close < 0)
        return {};
    return QString::fromUtf8(trimmed.sliced(1, close - 1).trimmed());
}

bool isComment(const QByteArray& line)
{
    const QByteArrayView trimmed = QByteArrayView(line).trimmed();
    return trimmed.startsWith(';') || trimmed.startsWith('#');
}

// The key of a "Key=Value" line, or a null string for any other line.
QString keyName(const QByteArray& line)
{
    if (isComment(line) || !headerName(line).isNull())
        return {};
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return {};
    return trimBlanks(QString::fromUtf8(line.left(equals)));
}

// A hand-edited "Key = Value" means "Value".
QString valueText(const QByteArray& line)
{
    return trimBlanks(QString::fromUtf8(line.mid(line.indexOf('=') + 1)));
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool holdsLineBreak(const QString& text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// A name that would read back as something else, or split the line, cannot be written.
bool isWritableSection(const QString& section)
{
    return !trimBlanks(section).isEmpty() && !holdsLineBreak(section)
           && !section.contains(QLatin1Char(']'));
}

bool isWritableKey(const QString& key)
{
    const QString trimmed = trimBlanks(key);
    return !trimmed.isEmpty() && !holdsLineBreak(key) && !key.contains(QLatin1Char('='))
           && !trimmed.startsWith(QLatin1Char('[')) && !trimmed.startsWith(QLatin1Char(';'))
           && !trimmed.startsWith(QLatin1Char('#'));
}

QString iniPathBeside(const QString& executablePath)
{
    const QFileInfo info(executablePath);
    return info.absolutePath() + QLatin1Char('/') + info.completeBaseName() + QLatin1String(".ini");
}

} // namespace

CIniFile::CIniFile()
    : m_FileName(iniPathBeside(CExecutableLocation::filePath()))
{
    // A file left read-only (copied from a read-only medium) would keep every option from
    // being saved.
    if (isPlainFile(m_FileName)) {
        QFile::setPermissions(m_FileName, QFile::permissions(m_FileName) | QFileDevice::ReadOwner
                                              | QFileDevice::WriteOwner);
    }
}

QString CIniFile::getFileName() const
{
    return m_FileName;
}

void CIniFile::reload() const
{
    m_Stale = true;
}

QByteArray CIniFile::withLineEnd(const QByteArray& line) const
{
    // Lines are joined with '\n': a CR LF file's lines carry their CR.
    return m_CrLf ? line + '\r' : line;
}

void CIniFile::load() const
{
    if (!m_Stale || !m_Staged.empty())
        return;
    m_Stale = false;
    QString reason;
    const QByteArray content = readStoreFile(m_FileName, kIniFileSizeLimit, reason);
    noteReading(m_FileName, reason);
    parse(content);
}

void CIniFile::parse(QByteArray content) const
{
    m_Source = content;
    m_Lines.clear();
    m_HasByteOrderMark = false;
    m_CrLf = false;
    if (content.startsWith(kByteOrderMark)) {
        m_HasByteOrderMark = true;
        content.remove(0, kByteOrderMark.size());
    }
    const qsizetype firstEnd = content.indexOf('\n');
    m_CrLf = firstEnd > 0 && content.at(firstEnd - 1) == '\r';
    // A last line without its end is given the file's.
    if (content.endsWith('\n'))
        content.chop(1);
    else
        content = withLineEnd(content);
    if (!content.isEmpty())
        m_Lines = content.split('\n');
}

QByteArray CIniFile::content() const
{
    qsizetype size = m_HasByteOrderMark ? kByteOrderMark.size() : 0;
    for (const QByteArray& line : std::as_const(m_Lines))
        size += line.size() + 1;
    QByteArray content;
    content.reserve(size);
    if (m_HasByteOrderMark)
        content += kByteOrderMark;
    for (const QByteArray& line : std::as_const(m_Lines))
        content.append(line).append('\n');
    return content;
}

int CIniFile::findSection(const QString& section) const
{
    for (int i = 0; i < m_Lines.size(); ++i) {
        const QString name = headerName(m_Lines[i]);
        if (!name.isNull() && sameName(name, section))
            return i;
    }
    return -1;
}

int CIniFile::sectionEnd(int header) const
{
    int i = header + 1;
    while (i < m_Lines.size() && headerName(m_Lines[i]).isNull())
        ++i;
    return i;
}

int CIniFile::findKey(int header, const QString& key) const
{
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const QString name = keyName(m_Lines[i]);
        if (!name.isNull() && sameName(name, key))
            return i;
    }
    return -1;
}

bool CIniFile::sectionExists(const QString& section) const
{
    load();
    return findSection(trimBlanks(section)) >= 0;
}

QString CIniFile::readString(const QString& section, const QString& key,
                             const QString& defaultValue) const
{
    load();
    const int header = findSection(trimBlanks(section));
    if (header < 0)
        return defaultValue;
    const int line = findKey(header, trimBlanks(key));
    return line < 0 ? defaultValue : valueText(m_Lines[line]);
}

int CIniFile::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    bool ok = false;
    const int value = readString(section, key, QString()).toInt(&ok, 10);
    return ok ? value : defaultValue;
}

bool CIniFile::refuse(const QString& reason)
{
    if (m_Refusal.isEmpty())
        m_Refusal = reason;
    return false;
}

bool CIniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    if (!isWritableSection(section) || !isWritableKey(key) || holdsLineBreak(value))
        return refuse(systemReason(EINVAL));
    load();
    if (const QString refusal = writeRefusal(); !refusal.isEmpty())
        return refuse(refusal);
    m_Staged.push_back({trimBlanks(section), trimBlanks(key), value});
    apply(m_Staged.back());
    return true;
}

void CIniFile::apply(const TChange& change)
{
    if (!change.value.has_value()) {
        for (int header = findSection(change.section); header >= 0;
             header = findSection(change.section))
            m_Lines.erase(m_Lines.begin() + header, m_Lines.begin() + sectionEnd(header));
        return;
    }
    const QByteArray line = withLineEnd(change.key.toUtf8() + '=' + change.value->toUtf8());
    int header = findSection(change.section);
    if (header < 0) {
        if (!m_Lines.isEmpty() && !m_Lines.last().trimmed().isEmpty())
            m_Lines.append(withLineEnd(QByteArray()));
        m_Lines.append(withLineEnd('[' + change.section.toUtf8() + ']'));
        header = m_Lines.size() - 1;
    }
    const int existing = findKey(header, change.key);
    if (existing >= 0) {
        m_Lines[existing] = line;
    } else {
        // After the section's last line that is not blank, so a blank line before the next
        // section stays where it was.
        int at = sectionEnd(header);
        while (at > header + 1 && m_Lines[at - 1].trimmed().isEmpty())
            --at;
        m_Lines.insert(at, line);
    }
}

bool CIniFile::writeInteger(const QString& section, const QString& key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool CIniFile::eraseSection(const QString& section)
{
    load();
    if (const QString refusal = writeRefusal(); !refusal.isEmpty())
        return refuse(refusal);
    const QString name = trimBlanks(section);
    if (findSection(name) >= 0) {
        m_Staged.push_back({name, QString(), std::nullopt});
        apply(m_Staged.back());
    }
    return true;
}

bool CIniFile::updateFile()
{
    const QString refusal = std::exchange(m_Refusal, QString());
    if (!m_Staged.empty()) {
        QByteArray written;
        const auto build = [&](const QByteArray& current, QByteArray& content, QString& reason) {
            if (current != m_Source) {
                parse(current);
                for (const TChange& change : std::as_const(m_Staged))
                    apply(change);
            }
            content = this->content();
            written = content;
            // The next start would not read a larger file: the one there stays.
            if (content.size() > kIniFileSizeLimit) {
                reason = systemReason(EFBIG);
                return false;
            }
            return true;
        };
        if (!replaceStoreFile(m_FileName, kIniFileSizeLimit, build, m_FailureReason))
            return false;
        m_Source = written;
        m_Staged.clear();
    }
    m_FailureReason = refusal;
    return refusal.isEmpty();
}

QString CIniFile::getFailureReason() const
{
    return m_FailureReason;
}
