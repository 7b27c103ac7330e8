#include "platform/Atomicfile.h"

#include "platform/Plainfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kTemporaryNameTries = 100;

// Writes all of the content at the offset; the error number, or 0.
int writeAllAt(int fd, const QByteArray& content, off_t offset)
{
    const char* data = content.constData();
    qsizetype left = content.size();
    while (left > 0) {
        const ssize_t written = ::pwrite(fd, data, static_cast<size_t>(left), offset);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (written == 0)
            return EIO;
        data += written;
        left -= written;
        offset += written;
    }
    return 0;
}

// Takes the room the file needs to grow from sizeBefore to sizeAfter, so that writing cannot run
// out of it halfway; the error number, or 0. Only the growth is reserved: the blocks the file
// has are its own. A failure gives back whatever part was taken, so the file keeps its size.
int reserve(int fd, off_t sizeBefore, off_t sizeAfter)
{
    if (sizeAfter <= sizeBefore)
        return 0;
    const int error = ::posix_fallocate(fd, sizeBefore, sizeAfter - sizeBefore);
    if (error != 0) {
        struct stat info = {};
        if (::fstat(fd, &info) == 0 && info.st_size != sizeBefore)
            (void)::ftruncate(fd, sizeBefore);
    }
    return error;
}

// Closes the descriptor; the error number, or 0.
int closeChecked(int fd)
{
    return ::close(fd) == 0 || errno == EINTR ? 0 : errno;
}

// Where a file name leads: a link is written through, not replaced by a file.
QString writtenPath(const QString& fileName)
{
    const QString target = QFileInfo(fileName).canonicalFilePath();
    return target.isEmpty() ? fileName : target;
}

bool fail(QString& reason, int error)
{
    reason = systemReason(error);
    return false;
}

bool writeInPlace(const QByteArray& path, const QByteArray& content, int temporaryError,
                  QString& reason)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return fail(reason, errno == ENOENT ? temporaryError : errno);
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISREG(info.st_mode) ? errno : EOPNOTSUPP;
        ::close(fd);
        return fail(reason, error);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    // Nothing of the old file is touched before the room for all of the new one is had.
    int error = reserve(fd, info.st_size, static_cast<off_t>(content.size()));
    if (error == 0)
        error = writeAllAt(fd, content, 0);
    if (error == 0 && ::ftruncate(fd, static_cast<off_t>(content.size())) != 0)
        error = errno;
    if (error == 0 && ::fdatasync(fd) != 0)
        error = errno;
    const int closeError = closeChecked(fd);
    if (error == 0)
        error = closeError;
    return error == 0 || fail(reason, error);
}

QByteArray temporaryName(const QByteArray& path)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = path + '.';
    for (int i = 0; i < 6; ++i)
        name += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
    return name;
}

} // namespace

bool writeFileAtomically(const QString& fileName, const QByteArray& content)
{
    QString reason;
    return writeFileAtomically(fileName, content, reason);
}

bool writeFileAtomically(const QString& fileName, const QByteArray& content, QString& reason)
{
    const QByteArray path = QFile::encodeName(writtenPath(fileName));
    struct stat existing = {};
    const bool exists = ::stat(path.constData(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        return fail(reason, S_ISDIR(existing.st_mode) ? EISDIR : EOPNOTSUPP);

    QByteArray temporary;
    int fd = -1;
    for (int i = 0; i < kTemporaryNameTries && fd < 0; ++i) {
        temporary = temporaryName(path);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        const int error = errno;
        // In a folder that refuses the temporary file, in place: else the file could never be
        // saved again.
        if (exists && (error == EACCES || error == EPERM || error == EROFS))
            return writeInPlace(path, content, error, reason);
        return fail(reason, error);
    }
    int error = 0;
    if (exists && ::fchmod(fd, existing.st_mode & 07777) != 0)
        error = errno;
    if (error == 0)
        error = writeAllAt(fd, content, 0);
    if (error == 0 && ::fdatasync(fd) != 0)
        error = errno;
    const int closeError = closeChecked(fd);
    if (error == 0)
        error = closeError;
    if (error == 0 && ::rename(temporary.constData(), path.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.constData());
        return fail(reason, error);
    }
    return true;
}

bool appendToFile(const QString& fileName, const QByteArray& content, QString& reason)
{
    QFile file;
    if (openPlainFile(file, fileName, QIODevice::WriteOnly, reason) != TPlainOpen::Opened)
        return false;
    const int fd = file.handle();
    // Another copy of the program appending at the same time would write at the same end;
    // the lock, released with the file, makes the two appends one after the other.
    if (::flock(fd, LOCK_EX) != 0)
        return fail(reason, errno);
    struct stat info = {};
    if (::fstat(fd, &info) != 0)
        return fail(reason, errno);
    int error = reserve(fd, info.st_size, info.st_size + static_cast<off_t>(content.size()));
    if (error == 0)
        error = writeAllAt(fd, content, info.st_size);
    if (error != 0) {
        // What was written of the new part goes again: the old content stays whole.
        (void)::ftruncate(fd, info.st_size);
        return fail(reason, error);
    }
    return true;
}
