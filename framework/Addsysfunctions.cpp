#include "framework/Addsysfunctions.h"

#include "framework/Arrayshortstring.h"
#include "platform/Plainfile.h"

#include <QFile>

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
    // The facts are asked of the open file: the name reaches it by its bytes, which the
    // toolkit's conversions of a name would not keep.
    QFile file;
    QString reason;
    if (openPlainFile(file, fileName, QIODevice::ReadOnly, reason) != TPlainOpen::Opened)
        return false;
    const QDateTime born = file.fileTime(QFileDevice::FileBirthTime);
    const QDateTime written = file.fileTime(QFileDevice::FileModificationTime);
    const QDateTime read = file.fileTime(QFileDevice::FileAccessTime);
    if (!written.isValid() || !read.isValid())
        return false;
    size = file.size();
    creation = born.isValid() ? born.toLocalTime() : QDateTime();
    lastWrite = written.toLocalTime();
    lastAccess = read.toLocalTime();
    return true;
}
