#include "platform/Optionstore.h"

#include "platform/Atomicfile.h"
#include "platform/Plainfile.h"

#include <QtDebug>

#include <cerrno>
#include <utility>

namespace {

// Before the reason: on standard error after the file's name, and where a store that was not
// read refuses a save.
const QString kNotRead = QStringLiteral("options not read, defaults used: ");
const QString kNotReadRefusal = QStringLiteral("Options not read, defaults used: ");
// Another program that keeps replacing the store while a save is built is given way this often
// before the save is refused.
constexpr int kSaveTries = 5;

} // namespace

bool COptionStore::readBool(const QString& section, const QString& key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool COptionStore::writeBool(const QString& section, const QString& key, bool value)
{
    return writeInteger(section, key, value ? 1 : 0);
}

QByteArray COptionStore::readStoreFile(const QString& fileName, qint64 maxBytes, QString& reason,
                                       TFileIdentity* identity)
{
    reason.clear();
    QByteArray content;
    bool complete = false;
    // A pipe would hold the program until some other process wrote to it.
    const TPlainOpen opened = readPlainFile(fileName, maxBytes, content, complete, reason,
                                            identity);
    if (opened == TPlainOpen::Missing) {
        reason.clear();
        return {};
    }
    if (opened != TPlainOpen::Opened)
        return {};
    // Writing back a sparse file that large would fill it.
    if (!complete) {
        reason = systemReason(EFBIG);
        return {};
    }
    return content;
}

bool COptionStore::replaceStoreFile(const QString& fileName, qint64 maxBytes, const TBuild& build,
                                    QString& reason)
{
    for (int attempt = 0; attempt < kSaveTries; ++attempt) {
        TFileIdentity read;
        const QByteArray current = readStoreFile(fileName, maxBytes, reason, &read);
        QByteArray content;
        if (!reason.isEmpty() || !build(current, content, reason))
            return false;
        if (content == current)
            return true;
        const TReplaced replaced = replaceFileRead(fileName, read, content, reason);
        if (replaced != TReplaced::Changed)
            return replaced == TReplaced::Done;
    }
    reason = systemReason(EBUSY);
    return false;
}

void COptionStore::noteReading(const QString& fileName, const QString& reason) const
{
    if (!reason.isEmpty() && reason != m_Unreadable)
        qWarning().noquote() << fileName + QLatin1String(": ") + kNotRead + reason;
    m_Unreadable = reason;
    if (!std::exchange(m_LookedAt, true))
        m_NotReadFirst = reason;
}

bool COptionStore::isUnreadable() const
{
    return !m_Unreadable.isEmpty();
}

QString COptionStore::writeRefusal() const
{
    if (isUnreadable())
        return m_Unreadable;
    return m_NotReadFirst.isEmpty() ? QString() : kNotReadRefusal + m_NotReadFirst;
}
