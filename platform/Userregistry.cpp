#include "platform/Userregistry.h"

#include "platform/Atomicfile.h"
#include "platform/Plainfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtDebug>

#include <cerrno>
#include <limits>
#include <sys/stat.h>
#include <utility>

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

// The library commits a copy that a full disk cut short as if it were whole. Its text gives each
// key one line, ended by a line break, beside only headers and blank lines: a whole copy ends
// with a line break and has a line for every key.
bool holdsEveryKey(const QByteArray& text, qsizetype keys)
{
    if (!text.isEmpty() && !text.endsWith('\n'))
        return false;
    qsizetype keyLines = 0;
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype end = text.indexOf('\n', start);
        if (end > start && text.at(start) != '[')
            ++keyLines;
        start = end + 1;
    }
    return keyLines == keys;
}

QString keyPath(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
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

CUserRegistry::TFileIdentity CUserRegistry::identityOf(const QString& fileName)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(fileName).constData(), &info) != 0)
        return {};
    return {info.st_dev, info.st_ino};
}

void CUserRegistry::load() const
{
    if (!m_Stale || m_Dirty)
        return;
    m_Stale = false;
    const bool told = !m_Unreadable.isEmpty();
    const QByteArray content = readStoreFile(m_FileName, m_MaxBytes, m_Unreadable);
    if (!m_Unreadable.isEmpty()) {
        m_Copy.reset();
    } else if (!m_Copy || content != m_CopySource) {
        m_Unreadable = makeCopy(content);
        if (!m_Unreadable.isEmpty() && !told)
            qWarning().noquote() << m_FileName
                                 << "options not read, no private copy of them:" << m_Unreadable;
    }
}

QString CUserRegistry::makeCopy(const QByteArray& content) const
{
    if (m_Copy) {
        const QString previous = m_Copy->fileName();
        m_Copy.reset();
        QFile::remove(previous);
    }
    if (!m_CopyFolder || !m_CopyFolder->isValid())
        m_CopyFolder = std::make_unique<QTemporaryDir>();
    if (!m_CopyFolder->isValid())
        return m_CopyFolder->errorString();
    // The library keeps what it read of a file by its name, so each copy has a new one. Adding
    // to a new file writes it whole or not at all, and does not wait for the disk.
    const QString copy =
        m_CopyFolder->filePath(QString::number(++m_CopiesMade) + QLatin1String(".conf"));
    QString reason;
    if (!appendToFile(copy, content, reason)) {
        QFile::remove(copy);
        return reason;
    }
    m_CopyIdentity = identityOf(copy);
    m_Copy = std::make_unique<QSettings>(copy, QSettings::IniFormat);
    m_CopySource = content;
    m_MalformedKept = false;
    return {};
}

bool CUserRegistry::sectionExists(const QString& section) const
{
    if (!isPlainName(section))
        return false;
    load();
    if (!m_Copy)
        return false;
    // Within a group the library parses that section only, not the whole store.
    m_Copy->beginGroup(section);
    const bool exists = !m_Copy->allKeys().isEmpty();
    m_Copy->endGroup();
    return exists;
}

QVariant CUserRegistry::value(const QString& section, const QString& key) const
{
    if (!isPlainName(section) || !isPlainName(key))
        return {};
    load();
    return m_Copy ? m_Copy->value(keyPath(section, key)) : QVariant();
}

QString CUserRegistry::readString(const QString& section, const QString& key,
                                  const QString& defaultValue) const
{
    // A list or a value of another type is no text.
    const QVariant stored = value(section, key);
    return stored.typeId() == QMetaType::QString ? stored.toString() : defaultValue;
}

int CUserRegistry::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    const QVariant stored = value(section, key);
    if (stored.typeId() != QMetaType::QString)
        return defaultValue;
    // The file keeps no types: only a plain decimal number is an integer.
    bool ok = false;
    const qlonglong number = stored.toString().toLongLong(&ok, 10);
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
    // Each change makes the library write the whole store again: a value it holds already is
    // no change.
    const QString path = keyPath(section, key);
    if (m_Copy->value(path) != QVariant(value)) {
        m_Copy->setValue(path, value);
        m_Dirty = m_CopyBehind = true;
    }
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
    if (sectionExists(section)) {
        m_Copy->beginGroup(section);
        m_Copy->remove(QString());
        m_Copy->endGroup();
        m_Dirty = m_CopyBehind = true;
    }
    return true;
}

bool CUserRegistry::fail(const QString& reason)
{
    m_FailureReason = reason;
    return false;
}

bool CUserRegistry::storeCopy()
{
    const QString copy = m_Copy->fileName();
    if (m_CopyBehind) {
        m_Copy->sync();
        // A write that failed leaves the copy's file in place; once the library met a format
        // error, its status no longer tells.
        if (identityOf(copy) == m_CopyIdentity)
            return fail(systemReason(EIO));
    }
    QByteArray content;
    bool complete = false;
    QString reason;
    if (readPlainFile(copy, m_MaxBytes, content, complete, reason) != TPlainOpen::Opened)
        return fail(reason);
    // The next start would not read a larger store: the one there stays.
    if (!complete)
        return fail(systemReason(EFBIG));
    if (!holdsEveryKey(content, m_Copy->allKeys().size()))
        return fail(systemReason(ENOSPC));
    m_CopyIdentity = identityOf(copy);
    m_CopyBehind = false;
    if (m_Copy->status() == QSettings::FormatError && !m_MalformedKept) {
        if (!writeFileAtomically(m_FileName + QLatin1String(".bad"), m_CopySource, m_FailureReason))
            return false;
        m_MalformedKept = true;
    }
    QDir().mkpath(QFileInfo(m_FileName).absolutePath());
    if (!writeFileAtomically(m_FileName, content, m_FailureReason))
        return false;
    m_CopySource = content;
    m_Dirty = false;
    return true;
}

bool CUserRegistry::updateFile()
{
    const QString refusal = std::exchange(m_Refusal, QString());
    if (m_Dirty && !storeCopy())
        return false;
    m_FailureReason = refusal;
    return refusal.isEmpty();
}

QString CUserRegistry::getFailureReason() const
{
    return m_FailureReason;
}
