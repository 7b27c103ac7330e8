#include "platform/Optionstore.h"

#include "platform/Plainfile.h"

#include <QtDebug>

#include <cerrno>

bool COptionStore::readBool(const QString& section, const QString& key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool COptionStore::writeBool(const QString& section, const QString& key, bool value)
{
    return writeInteger(section, key, value ? 1 : 0);
}

QByteArray COptionStore::readStoreFile(const QString& fileName, qint64 maxBytes, QString& reason)
{
    reason.clear();
    QByteArray content;
    bool complete = false;
    // A pipe would hold the program until some other process wrote to it.
    const TPlainOpen opened = readPlainFile(fileName, maxBytes, content, complete, reason);
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

void COptionStore::setUnreadable(const QString& fileName, QString& unreadable,
                                 const QString& reason)
{
    if (!reason.isEmpty() && reason != unreadable)
        qWarning().noquote() << fileName + QLatin1String(": options not read, defaults used: ")
                                    + reason;
    unreadable = reason;
}
