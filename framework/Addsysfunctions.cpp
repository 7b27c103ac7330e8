#include "framework/Addsysfunctions.h"

#include "framework/Arrayshortstring.h"
#include "platform/Plainfile.h"

#include <QFile>
#include <QFileInfo>

bool GetFontNames(QFontDatabase::WritingSystem writingSystem, bool trueTypeOnly,
                  CArrayShortString& list)
{
    list.clear();
    const QStringList families = QFontDatabase::families(writingSystem);
    for (const QString& family : families) {
        if (!trueTypeOnly || QFontDatabase::isSmoothlyScalable(family))
            list.add(family);
    }
    return true;
}

bool getFileSize(const QString& fileName, qint64& size)
{
    // Opening a named pipe for reading would wait for a writer.
    QFile file;
    QString reason;
    if (openPlainFile(file, fileName, QIODevice::ReadOnly, reason) != TPlainOpen::Opened)
        return false;
    size = file.size();
    return true;
}

bool getFileInfo(const QString& fileName, qint64& size, QDateTime& creation, QDateTime& lastWrite,
                 QDateTime& lastAccess)
{
    qint64 bytes = 0;
    if (!getFileSize(fileName, bytes))
        return false;
    const QFileInfo info(fileName);
    const QDateTime born = info.birthTime();
    const QDateTime written = info.lastModified();
    const QDateTime read = info.lastRead();
    if (!written.isValid() || !read.isValid())
        return false;
    size = bytes;
    creation = born.isValid() ? born.toLocalTime() : QDateTime();
    lastWrite = written.toLocalTime();
    lastAccess = read.toLocalTime();
    return true;
}
