#include "platform/Userregistry.h"

#include "platform/Atomicfile.h"
#include "platform/Plainfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <limits>

namespace {

// A slash would open a nested group, so a name holding one cannot address a section or key.
bool isPlainName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

QString userStoreFileName(const QString& title)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QLatin1Char('/') + title + QLatin1String(".conf");
}

} // namespace

CUserRegistry::CUserRegistry(const QString& title, qint64 maxBytes)
    : m_FileName(userStoreFileName(title))
    , m_MaxBytes(maxBytes)
{
}

CUserRegistry::~CUserRegistry()
{
    if (m_Dirty)
        updateFile();
}

QString CUserRegistry::getFileName() const
{
    return m_FileName;
}

void CUserRegistry::reload() const
{
    m_Stale = true;
}

void CUserRegistry::load() const
{
    if (!m_Stale || m_Dirty)
        return;
    m_Stale = false;
    const QByteArray content = readStoreFile(m_FileName, m_MaxBytes, m_Unreadable);
    m_Malformed = m_Content.parse(content) ? QByteArray() : content;
}

bool CUserRegistry::sectionExists(const QString& section) const
{
    load();
    return isPlainName(section) && m_Content.hasSection(section);
}

std::optional<QString> CUserRegistry::text(const QString& section, const QString& key) const
{
    if (!isPlainName(section) || !isPlainName(key))
        return std::nullopt;
    load();
    return m_Content.text(section, key);
}

QString CUserRegistry::readString(const QString& section, const QString& key,
                                  const QString& defaultValue) const
{
    return text(section, key).value_or(defaultValue);
}

int CUserRegistry::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    const std::optional<QString> value = text(section, key);
    if (!value)
        return defaultValue;
    // The file keeps no types: only a plain decimal number is an integer.
    bool ok = false;
    const qlonglong number = value->toLongLong(&ok, 10);
    if (!ok || number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        return defaultValue;
    return static_cast<int>(number);
}

bool CUserRegistry::refuse(const QString& reason)
{
    if (m_Refusal.isEmpty())
        m_Refusal = reason;
    return false;
}

bool CUserRegistry::writeString(const QString& section, const QString& key, const QString& value)
{
    if (!isPlainName(section) || !isPlainName(key))
        return refuse(systemReason(EINVAL));
    load();
    if (!m_Unreadable.isEmpty())
        return refuse(m_Unreadable);
    m_Content.setText(section, key, value);
    m_Dirty = true;
    return true;
}

bool CUserRegistry::writeInteger(const QString& section, const QString& key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool CUserRegistry::eraseSection(const QString& section)
{
    if (!isPlainName(section))
        return refuse(systemReason(EINVAL));
    load();
    if (!m_Unreadable.isEmpty())
        return refuse(m_Unreadable);
    if (m_Content.hasSection(section)) {
        m_Content.eraseSection(section);
        m_Dirty = true;
    }
    return true;
}

bool CUserRegistry::updateFile()
{
    const QString refusal = m_Refusal;
    m_Refusal.clear();
    if (m_Dirty) {
        // Writing drops the lines that could not be read: they are kept aside first, or the
        // file is not replaced.
        if (!m_Malformed.isEmpty()
            && !writeFileAtomically(m_FileName + QLatin1String(".bad"), m_Malformed,
                                    m_FailureReason))
            return false;
        QDir().mkpath(QFileInfo(m_FileName).absolutePath());
        if (!writeFileAtomically(m_FileName, m_Content.format(), m_FailureReason))
            return false;
        m_Malformed.clear();
        m_Dirty = false;
    }
    m_FailureReason = refusal;
    return refusal.isEmpty();
}

QString CUserRegistry::getFailureReason() const
{
    return m_FailureReason;
}
