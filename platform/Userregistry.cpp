#include "platform/Userregistry.h"

#include "platform/Plainfile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A slash would open a nested group, so a name holding one cannot address a section or key.
bool isPlainName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

// The store tells only that its file could not be written; the system says why. The file is
// replaced through a temporary file and guarded by a lock file beside it, so its folder must
// take new files, and a missing folder is made in the nearest one that exists.
QString whyNotWritable(const QString& fileName)
{
    const QByteArray file = QFile::encodeName(fileName);
    struct stat info = {};
    if (::stat(file.constData(), &info) == 0) {
        if (S_ISDIR(info.st_mode))
            return systemReason(EISDIR);
        if (::access(file.constData(), W_OK) != 0)
            return systemReason(errno);
    }
    QString folder = QFileInfo(fileName).absolutePath();
    while (::access(QFile::encodeName(folder).constData(), F_OK) != 0) {
        const int error = errno;
        const QString parent = QFileInfo(folder).path();
        if (error != ENOENT || parent == folder)
            return systemReason(error);
        folder = parent;
    }
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        return systemReason(errno);
    return systemReason(EIO);
}

} // namespace

CUserRegistry::CUserRegistry(const QString& title)
    : m_Settings(QSettings::NativeFormat, QSettings::UserScope, title)
{
    m_Settings.setFallbacksEnabled(false);
}

QString CUserRegistry::getFileName() const
{
    return m_Settings.fileName();
}

QString CUserRegistry::path(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

bool CUserRegistry::sectionExists(const QString& section) const
{
    return isPlainName(section) && m_Settings.childGroups().contains(section);
}

QString CUserRegistry::readString(const QString& section, const QString& key,
                                  const QString& defaultValue) const
{
    if (!isPlainName(section) || !isPlainName(key))
        return defaultValue;
    const QVariant value = m_Settings.value(path(section, key));
    return value.typeId() == QMetaType::QString ? value.toString() : defaultValue;
}

int CUserRegistry::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    if (!isPlainName(section) || !isPlainName(key))
        return defaultValue;
    const QVariant value = m_Settings.value(path(section, key));
    bool ok = false;
    qlonglong number = 0;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
        number = value.toLongLong(&ok);
        break;
    case QMetaType::QString:
        // The text form keeps no type: only a plain decimal number is an integer.
        number = value.toString().toLongLong(&ok, 10);
        break;
    default:
        break;
    }
    if (!ok || number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        return defaultValue;
    return static_cast<int>(number);
}

bool CUserRegistry::accepts(const QString& section, const QString& key)
{
    if (isPlainName(section) && isPlainName(key))
        return true;
    m_WriteRefused = true;
    return false;
}

bool CUserRegistry::writeString(const QString& section, const QString& key, const QString& value)
{
    if (!accepts(section, key))
        return false;
    m_Settings.setValue(path(section, key), value);
    return true;
}

bool CUserRegistry::writeInteger(const QString& section, const QString& key, int value)
{
    if (!accepts(section, key))
        return false;
    m_Settings.setValue(path(section, key), value);
    return true;
}

bool CUserRegistry::eraseSection(const QString& section)
{
    if (!isPlainName(section)) {
        m_WriteRefused = true;
        return false;
    }
    m_Settings.remove(section);
    return true;
}

bool CUserRegistry::updateFile()
{
    // Writing rewrites the whole file and drops the lines the store could not read, so a file
    // found malformed is first copied aside, once, under its name with ".bad" added.
    if (m_Settings.status() == QSettings::FormatError && !m_MalformedKept) {
        const QString kept = m_Settings.fileName() + QLatin1String(".bad");
        QFile::remove(kept);
        QFile::copy(m_Settings.fileName(), kept);
        m_MalformedKept = true;
    }
    m_Settings.sync();
    // A format error only tells that the file was malformed when it was read.
    const bool written = m_Settings.status() != QSettings::AccessError;
    if (!written)
        m_FailureReason = whyNotWritable(m_Settings.fileName());
    else if (m_WriteRefused)
        m_FailureReason = systemReason(EINVAL);
    const bool stored = written && !m_WriteRefused;
    m_WriteRefused = false;
    return stored;
}

QString CUserRegistry::getFailureReason() const
{
    return m_FailureReason;
}
