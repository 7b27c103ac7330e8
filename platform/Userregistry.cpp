#include "platform/Userregistry.h"

#include "platform/Appendfile.h"
#include "platform/Atomicfile.h"
#include "platform/Filenamebytes.h"
#include "platform/Plainfile.h"
#include "platform/Temporaryfolder.h"
#include "platform/Termination.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cerrno>
#include <functional>
#include <limits>
#include <memory>
#include <sys/stat.h>
#include <utility>

namespace {

// The library's own wait for its lock is without end; a save at the exit waits this long.
constexpr int kLibraryLockWaitMs = 1000;

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

QString keyPath(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
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

// What keeps a copy from being made or written is the temporary folder's, not the store's.
QString copyFailure(const QString& reason)
{
    return temporaryFolder() + QLatin1String(": ") + reason;
}

std::function<void(const QString&)>& copyReadHook()
{
    static std::function<void(const QString&)> hook;
    return hook;
}

// The store's bytes in a file of their own, in a folder made new for it that nobody else may
// enter, with the library on it. The library goes before its folder: a sync after would make
// the folder again, under the old name, where anyone could have put one first.
// A cleaner of the temporary folder may still remove the copy before the library reads it, or
// something put another file there: the library takes a missing file for an empty store, and
// its sync reads a changed file again and merges the changes into that. So the copy is looked
// at once the library has read it: unless it is the file written, with the bytes written, there
// is no copy. The sync must leave the library with as many keys as it held before.
class CPrivateCopy
{
public:
    CPrivateCopy(const QString& title, const QByteArray& content)
        : m_Folder(temporaryFolder() + QLatin1Char('/') + title + QLatin1String("-XXXXXX"))
        , m_Content(content)
    {
        if (!m_Folder.isValid()) {
            // The toolkit words a few failures in English of its own; the number it read them
            // from is left behind and gives the system's text in the user's language.
            const int error = errno;
            m_Failure = copyFailure(error != 0 ? systemReason(error) : m_Folder.errorString());
            return;
        }
        // The toolkit gives up on a folder whose file a cleaner removed while it removed it.
        m_Folder.setAutoRemove(false);
        m_Removal.arm(m_Folder.path(), CRemovedAtTermination::TKind::Folder);
        m_FileName = m_Folder.filePath(QStringLiteral("options.conf"));
        // Adding to a new file writes it whole or not at all, and does not wait for the disk.
        QString reason;
        if (!appendToFile(m_FileName, content, reason)
            || !identityOf(m_FileName, m_Written, reason)) {
            m_Failure = copyFailure(reason);
            return;
        }
        callHook();
        m_Library = std::make_unique<QSettings>(m_FileName, QSettings::IniFormat);
        m_Failure = changed();
    }

    ~CPrivateCopy()
    {
        m_Library.reset();
        if (m_Folder.isValid())
            removeFolderWithFiles(m_Folder.path());
    }
    CPrivateCopy(const CPrivateCopy&) = delete;
    CPrivateCopy& operator=(const CPrivateCopy&) = delete;

    // Why there is no copy, naming the temporary folder; empty when there is one.
    QString failure() const { return m_Failure; }
    QSettings& library() { return *m_Library; }

    // The library's sync; empty when it wrote the copy anew with what it held, else why not.
    // Once the library met a format error, its status no longer tells a failed write.
    QString sync()
    {
        // A copy removed or replaced now would be read again in it, and its keys be others.
        const qsizetype keys = m_Library->allKeys().size();
        callHook();
        m_Library->sync();
        if (m_Library->allKeys().size() != keys)
            return copyFailure(systemReason(EBUSY));
        TFileIdentity written;
        QString reason;
        if (!identityOf(m_FileName, written, reason))
            return copyFailure(reason);
        return written == m_Written ? copyFailure(systemReason(EIO)) : QString();
    }

    TPlainOpen read(qint64 maxBytes, QByteArray& content, bool& complete, QString& reason) const
    {
        return readPlainFile(m_FileName, maxBytes, content, complete, reason);
    }

private:
    void callHook() const
    {
        if (copyReadHook())
            copyReadHook()(m_FileName);
    }

    // Why the file at the copy's name is not the copy as written; empty while it is.
    QString changed() const
    {
        TFileIdentity now;
        QString reason;
        if (!identityOf(m_FileName, now, reason))
            return copyFailure(reason);
        QByteArray content;
        bool complete = false;
        if (now != m_Written
            || read(m_Content.size(), content, complete, reason) != TPlainOpen::Opened || !complete
            || content != m_Content)
            return copyFailure(systemReason(EBUSY));
        return {};
    }

    // Goes last: the folder is removed also when a signal ends the program before then.
    CRemovedAtTermination m_Removal;
    QTemporaryDir m_Folder;
    const QByteArray m_Content;
    QString m_FileName;
    QString m_Failure;
    TFileIdentity m_Written;
    std::unique_ptr<QSettings> m_Library;
};

// The settings library's lock beside the store, taken as the library takes it, so that a program
// using the library waits for this save and this save for it. A name that is no plain file is
// not taken: the library would wait on a pipe for ever. A lock not had within
// kLibraryLockWaitMs is held too long or cannot be made there: the save is made without it, its
// file still looked at right before it is replaced.
class CLibraryLock
{
public:
    explicit CLibraryLock(const QString& lockName)
        : m_Lock(lockName)
    {
        struct stat info = {};
        if (::stat(bytesOfFileName(lockName).constData(), &info) == 0 && !S_ISREG(info.st_mode))
            return;
        if (m_Lock.tryLock(kLibraryLockWaitMs))
            m_Removal.arm(lockName, CRemovedAtTermination::TKind::File);
    }

private:
    QLockFile m_Lock;
    // Goes first: the lock file is the next holder's once it is unlocked.
    CRemovedAtTermination m_Removal;
};

} // namespace

CUserRegistry::CUserRegistry(const QString& title, qint64 maxBytes, const QStringList& sections)
    : m_Title(title)
    , m_FileName(userStoreFileName(title))
    , m_MaxBytes(maxBytes)
    , m_Sections(sections)
{
}

void CUserRegistry::setCopyReadHook(std::function<void(const QString& copyName)> hook)
{
    copyReadHook() = std::move(hook);
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
    if (!m_Stale || !m_Staged.empty())
        return;
    m_Stale = false;
    QString reason;
    const QByteArray content = readStoreFile(m_FileName, m_MaxBytes, reason);
    // Bytes read before need no second reading, unless that reading failed.
    if (reason.isEmpty() && (content != m_Source || isUnreadable())) {
        m_Values.clear();
        if (!content.isEmpty()) {
            CPrivateCopy copy(m_Title, content);
            reason = copy.failure();
            // Within a group the library parses that section only, not another program's
            // value of a million bytes beside it.
            QSettings* library = reason.isEmpty() ? &copy.library() : nullptr;
            for (qsizetype i = 0; library != nullptr && i < m_Sections.size(); ++i) {
                library->beginGroup(m_Sections[i]);
                for (const QString& key : library->allKeys())
                    m_Values.insert(keyPath(m_Sections[i], key), library->value(key));
                library->endGroup();
            }
        }
        m_Source = content;
    }
    if (!reason.isEmpty()) {
        m_Source.clear();
        m_Values.clear();
    }
    noteReading(m_FileName, reason);
}

bool CUserRegistry::sectionExists(const QString& section) const
{
    if (!isPlainName(section))
        return false;
    load();
    const QString prefix = section + QLatin1Char('/');
    const auto first = m_Values.lowerBound(prefix);
    return first != m_Values.end() && first.key().startsWith(prefix);
}

QVariant CUserRegistry::value(const QString& section, const QString& key) const
{
    if (!isPlainName(section) || !isPlainName(key))
        return {};
    load();
    return m_Values.value(keyPath(section, key));
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
    if (const QString refusal = writeRefusal(); !refusal.isEmpty())
        return refuse(refusal);
    // Each change makes the library write the whole store again: a value it holds already is
    // no change.
    const QString path = keyPath(section, key);
    if (m_Values.value(path) != QVariant(value)) {
        m_Values.insert(path, value);
        m_Staged.push_back({path, value});
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
    if (const QString refusal = writeRefusal(); !refusal.isEmpty())
        return refuse(refusal);
    if (sectionExists(section)) {
        const QString prefix = section + QLatin1Char('/');
        auto key = m_Values.lowerBound(prefix);
        while (key != m_Values.end() && key.key().startsWith(prefix))
            key = m_Values.erase(key);
        m_Staged.push_back({section, std::nullopt});
    }
    return true;
}

bool CUserRegistry::build(const QByteArray& current, QByteArray& content, QString& reason) const
{
    CPrivateCopy copy(m_Title, current);
    if (!copy.failure().isEmpty()) {
        reason = copy.failure();
        return false;
    }
    QSettings& library = copy.library();
    for (const TChange& change : m_Staged) {
        if (change.value.has_value())
            library.setValue(change.path, *change.value);
        else
            library.remove(change.path);
    }
    reason = copy.sync();
    if (!reason.isEmpty())
        return false;
    bool complete = false;
    if (copy.read(m_MaxBytes, content, complete, reason) != TPlainOpen::Opened) {
        reason = copyFailure(reason);
        return false;
    }
    // The next start would not read a larger store: the one there stays.
    if (!complete) {
        reason = systemReason(EFBIG);
        return false;
    }
    if (!holdsEveryKey(content, library.allKeys().size())) {
        reason = copyFailure(systemReason(ENOSPC));
        return false;
    }
    // Writing the copy, the library has read all of it.
    return library.status() != QSettings::FormatError
           || writeFileAtomically(m_FileName + QLatin1String(".bad"), current, reason);
}

bool CUserRegistry::store()
{
    QDir().mkpath(QFileInfo(m_FileName).absolutePath());
    const CLibraryLock lock(m_FileName + QLatin1String(".lock"));
    QByteArray written;
    bool changedSince = false;
    const auto build = [&](const QByteArray& current, QByteArray& content, QString& reason) {
        changedSince = changedSince || current != m_Source;
        if (!this->build(current, content, reason))
            return false;
        written = content;
        return true;
    };
    if (!replaceStoreFile(m_FileName, m_MaxBytes, build, m_FailureReason))
        return false;
    // What another program wrote since the store was read is read at the next load.
    m_Source = changedSince ? QByteArray() : written;
    m_Staged.clear();
    return true;
}

bool CUserRegistry::updateFile()
{
    const QString refusal = std::exchange(m_Refusal, QString());
    if (!m_Staged.empty() && !store())
        return false;
    m_FailureReason = refusal;
    return refusal.isEmpty();
}

QString CUserRegistry::getFailureReason() const
{
    return m_FailureReason;
}
