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

QByteArray COptionStore::readStoreFile(const QString& fileName, qint64 maxBytes,
                                       QString& unreadable)
{
    const bool told = !unreadable.isEmpty();
    unreadable.clear();
    QByteArray content;
    bool complete = false;
    const TPlainOpen opened = readPlainFile(fileName, maxBytes, content, complete, unreadable);
    if (opened == TPlainOpen::Missing) {
        unreadable.clear();
        return {};
    }
    if (opened != TPlainOpen::Opened) {
        // A pipe would hold the program until some other process wrote to it.
        if (opened == TPlainOpen::NotPlain && !told)
            qWarning().noquote() << fileName
                                 << "is not a plain file, options not read:" << unreadable;
        return {};
    }
    if (!complete) {
        // Writing back a sparse file that large would fill it.
        if (!told)
            qWarning().noquote() << fileName << "is larger than" << maxBytes
                                 << "bytes, options not read";
        unreadable = systemReason(EFBIG);
        return {};
    }
    return content;
}
