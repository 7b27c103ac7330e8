#include "platform/Plainfile.h"

#include "platform/Filenamebytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A file longer than the system said when the reading began is read on in pieces this large.
constexpr qint64 kReadPieceBytes = qint64(1) << 16U;

// What refuses a name that is no plain file, in the system's words.
int notPlainError(mode_t mode)
{
    return S_ISDIR(mode) ? EISDIR : EOPNOTSUPP;
}

int openFlags(QIODevice::OpenMode mode)
{
    // O_NONBLOCK: opening a pipe swapped in after the check returns at once instead of
    // waiting for its other end.
    const int common = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    if (!mode.testFlag(QIODevice::WriteOnly))
        return common | O_RDONLY;
    const int access = mode.testFlag(QIODevice::ReadOnly) ? O_RDWR : O_WRONLY;
    return common | access | O_CREAT | (mode.testFlag(QIODevice::Append) ? O_APPEND : 0);
}

// At most `wanted` bytes from the file, with room for what it holds by `size` and one byte more,
// which tells whether it grew since. A limit far beyond the file takes no memory: a file the
// system calls empty may still hold bytes, which are read in pieces. Throws std::bad_alloc.
QByteArray readUpTo(QFile& file, qint64 size, qint64 wanted)
{
    QByteArray bytes(std::min(size, wanted - 1) + 1, Qt::Uninitialized);
    qint64 filled = 0;
    while (filled < wanted) {
        if (filled == bytes.size()) {
            // Reserved exactly: a plain resize would round the room up to a power of two.
            const qint64 grown = std::min(filled + kReadPieceBytes, wanted);
            bytes.reserve(grown);
            bytes.resize(grown);
        }
        const qint64 got = file.read(bytes.data() + filled, bytes.size() - filled);
        if (got <= 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return bytes;
}

} // namespace

QString systemReason(int errorNumber)
{
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

bool isPlainFile(const QString& fileName)
{
    struct stat info = {};
    return !fileName.isEmpty() && ::stat(bytesOfFileName(fileName).constData(), &info) == 0
           && S_ISREG(info.st_mode);
}

bool isFolder(const QString& name)
{
    struct stat info = {};
    return !name.isEmpty() && ::stat(bytesOfFileName(name).constData(), &info) == 0
           && S_ISDIR(info.st_mode);
}

bool leadsToFile(const QString& name)
{
    struct stat info = {};
    return !name.isEmpty() && ::stat(bytesOfFileName(name).constData(), &info) == 0;
}

TFileIdentity identityOf(const struct stat& info)
{
    const auto nanoseconds = [](const timespec& time) {
        return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
    };
    return {info.st_dev, info.st_ino, info.st_size, nanoseconds(info.st_mtim),
            nanoseconds(info.st_ctim)};
}

bool identityOf(const QString& fileName, TFileIdentity& identity, QString& reason)
{
    struct stat info = {};
    if (::stat(bytesOfFileName(fileName).constData(), &info) != 0) {
        reason = systemReason(errno);
        identity = {};
        return false;
    }
    identity = identityOf(info);
    return true;
}

TPlainOpen openPlainFile(QFile& file, const QString& fileName, QIODevice::OpenMode mode,
                         QString& reason)
{
    const QByteArray name = bytesOfFileName(fileName);
    struct stat info = {};
    if (fileName.isEmpty()) {
        reason = systemReason(ENOENT);
        return TPlainOpen::Missing;
    }
    if (::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        reason = systemReason(notPlainError(info.st_mode));
        return TPlainOpen::NotPlain;
    }
    const int fd = ::open(name.constData(), openFlags(mode), 0666);
    if (fd < 0) {
        const int error = errno;
        reason = systemReason(error);
        // A pipe opened for writing without a reader answers ENXIO.
        if (error == ENXIO)
            return TPlainOpen::NotPlain;
        return error == ENOENT ? TPlainOpen::Missing : TPlainOpen::Failed;
    }
    if (::fstat(fd, &info) != 0) {
        reason = systemReason(errno);
        ::close(fd);
        return TPlainOpen::Failed;
    }
    if (!S_ISREG(info.st_mode)) {
        reason = systemReason(notPlainError(info.st_mode));
        ::close(fd);
        return TPlainOpen::NotPlain;
    }
    // A plain file never blocks; clearing the flag keeps every later read and write whole.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        reason = systemReason(errno != 0 ? errno : EBADF);
        ::close(fd);
        return TPlainOpen::Failed;
    }
    return TPlainOpen::Opened;
}

TPlainOpen readPlainFile(const QString& fileName, qint64 maxBytes, QByteArray& content,
                         bool& complete, QString& reason, TFileIdentity* identity)
{
    QFile file;
    const TPlainOpen opened = openPlainFile(file, fileName, QIODevice::ReadOnly, reason);
    if (identity != nullptr)
        *identity = {};
    if (opened != TPlainOpen::Opened)
        return opened;
    struct stat info = {};
    if (::fstat(file.handle(), &info) != 0) {
        reason = systemReason(errno);
        return TPlainOpen::Failed;
    }
    if (identity != nullptr)
        *identity = identityOf(info);
    QByteArray bytes;
    try {
        // One byte more than wanted tells whether anything follows.
        bytes = readUpTo(file, info.st_size, maxBytes + 1);
    } catch (const std::bad_alloc&) {
        reason = systemReason(ENOMEM);
        return TPlainOpen::Failed;
    }
    if (file.error() != QFileDevice::NoError) {
        reason = file.errorString();
        return TPlainOpen::Failed;
    }
    complete = bytes.size() <= maxBytes;
    if (!complete)
        bytes.truncate(maxBytes);
    content = bytes;
    return TPlainOpen::Opened;
}
