#include "platform/Appendfile.h"

#include "platform/Atomicfile.h"
#include "platform/Filenamebytes.h"
#include "platform/Filewriting.h"
#include "platform/Piecebuffer.h"
#include "platform/Plainfile.h"
#include "platform/Temporaryfolder.h"
#include "platform/Termination.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A copy of the program that waits for the lock while others keep replacing the file tries
// this many times.
constexpr int kLockTries = 100;
// Staged content is written, and copied to the file it is added to, this much at a time.
constexpr qint64 kStagePieceBytes = qint64(1) << 16U;

// Reads the last bytes of the file, at most `bytes` of them; the error number, or 0.
int readTail(int fd, off_t size, qint64 bytes, QByteArray& tail)
{
    const off_t start = size > bytes ? size - static_cast<off_t>(bytes) : 0;
    tail.resize(static_cast<qsizetype>(size - start));
    qsizetype got = 0;
    while (got < tail.size()) {
        const ssize_t read = ::pread(fd, tail.data() + got, static_cast<size_t>(tail.size() - got),
                                     start + got);
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            return errno;
        if (read == 0)
            break;
        got += read;
    }
    tail.truncate(got);
    return 0;
}

// Takes the room the file needs to grow by `growth` bytes, so that writing cannot run out of it
// halfway; the error number, or 0. The file keeps its size until it is written: one ended in the
// middle of an addition holds only bytes that were written, never the zeros of the reserved room.
// Where the file system reserves no room beyond a file's end, nothing is reserved, and the
// addition's own write tells of a full disk.
int reserveBeyondEnd(int fd, off_t size, off_t growth)
{
    if (growth <= 0 || ::fallocate(fd, FALLOC_FL_KEEP_SIZE, size, growth) == 0)
        return 0;
    return errno == EOPNOTSUPP || errno == ENOSYS ? 0 : errno;
}

// What an append adds: `length` bytes, which `writeAt` writes into the file at the offset given;
// the error number, or 0.
struct TAddition
{
    qint64 length = 0;
    std::function<int(int fd, off_t offset)> writeAt;
};

TAddition additionOf(const QByteArray& content)
{
    return {content.size(),
            [&content](int fd, off_t offset) { return writeAllAt(fd, content, offset); }};
}

// Writes the first `length` bytes of the file `source` into fd at the offset, a piece at a time;
// the error number, or 0.
int copyAt(int source, qint64 length, int fd, off_t offset)
{
    QByteArray piece(static_cast<qsizetype>(std::min(length, kStagePieceBytes)), Qt::Uninitialized);
    for (qint64 done = 0; done < length;) {
        const ssize_t got =
            ::pread(source, piece.data(),
                    static_cast<size_t>(std::min<qint64>(piece.size(), length - done)),
                    static_cast<off_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got < 0 ? errno : EIO;
        if (const int error = writeAllAt(fd, QByteArray::fromRawData(piece.constData(), got),
                                         offset + static_cast<off_t>(done));
            error != 0)
            return error;
        done += got;
    }
    return 0;
}

// Adds after the file's first `size` bytes; a failure, or a signal that ends the program
// meanwhile, takes back what was added.
bool appendAt(int fd, off_t size, const TAddition& added, QString& reason)
{
    const CUndoneAtTermination undo(fd, size);
    int error = reserveBeyondEnd(fd, size, static_cast<off_t>(added.length));
    if (error == 0)
        error = added.writeAt(fd, size);
    if (error != 0) {
        (void)::ftruncate(fd, size);
        return failWithReason(reason, error);
    }
    return true;
}

// Waits for the lock; the error number, or 0.
int lockExclusive(int fd)
{
    int error = 0;
    do
        error = ::flock(fd, LOCK_EX) == 0 ? 0 : errno;
    while (error == EINTR);
    return error;
}

bool appendLocked(const QString& fileName, const TAddition& added, const TFileCut* cut,
                  QString& reason)
{
    for (int i = 0; i < kLockTries; ++i) {
        QFile file;
        bool readable = true;
        if (openPlainFile(file, fileName, QIODevice::ReadWrite, reason) != TPlainOpen::Opened) {
            // A file that may be added to but not read is still added to.
            readable = false;
            if (openPlainFile(file, fileName, QIODevice::WriteOnly, reason) != TPlainOpen::Opened)
                return false;
        }
        const int fd = file.handle();
        // Another copy of the program adding or cutting at the same time waits for this one;
        // the lock goes with the file.
        if (const int error = lockExclusive(fd); error != 0)
            return failWithReason(reason, error);
        struct stat locked = {};
        if (::fstat(fd, &locked) != 0)
            return failWithReason(reason, errno);
        // A copy that cut the file while this one waited has put a new file under the name: the
        // old one, and its lock, are nobody's any more.
        QByteArray path;
        if (const int error = followLinks(fileName, path); error != 0)
            return failWithReason(reason, error);
        struct stat named = {};
        if (::stat(path.constData(), &named) != 0 || named.st_dev != locked.st_dev
            || named.st_ino != locked.st_ino)
            continue;
        if (cut == nullptr || locked.st_size <= cut->limit)
            return appendAt(fd, locked.st_size, added, reason);
        if (!readable)
            return failWithReason(reason, EACCES);
        QByteArray tail;
        if (const int error = readTail(fd, locked.st_size, cut->tailBytes, tail); error != 0)
            return failWithReason(reason, error);
        return replaceOpenFile(path, locked, cut->make(tail, tail.size() == locked.st_size),
                               reason);
    }
    return failWithReason(reason, EAGAIN);
}

// A file of its own in the folder, without a name; the descriptor, or -1 with the error number.
int openUnnamedIn(const QByteArray& folder, int& error)
{
    int fd = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        // A file system without such files: a name, given up as soon as the file is open.
        QByteArray name = folder + "/.stage-XXXXXX";
        fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd >= 0)
            ::unlink(name.constData());
    }
    error = fd < 0 ? errno : 0;
    return fd;
}

int openStage(const QString& fileName, int& error)
{
    QByteArray path;
    if (followLinks(fileName, path) != 0)
        path = bytesOfFileName(fileName);
    const int fd = openUnnamedIn(folderOf(path), error);
    // A folder that takes no new file may still hold a file that may be added to.
    if (fd >= 0 || (error != EACCES && error != EPERM && error != EROFS))
        return fd;
    // Where neither takes one, the reason is the one of the file's own folder.
    int elsewhere = 0;
    const int fdElsewhere = openUnnamedIn(bytesOfFileName(temporaryFolder()), elsewhere);
    error = fdElsewhere >= 0 ? 0 : error;
    return fdElsewhere;
}

} // namespace

bool appendToFile(const QString& fileName, const QByteArray& content, QString& reason)
{
    return appendLocked(fileName, additionOf(content), nullptr, reason);
}

bool appendToFile(const QString& fileName, const QByteArray& content, const TFileCut& cut,
                  QString& reason)
{
    return appendLocked(fileName, additionOf(content), &cut, reason);
}

class CStagedAppend::CBuffer : public CPieceBuffer<kStagePieceBytes>
{
public:
    CBuffer(int fd, int error)
        : m_Fd(fd)
        , m_Error(error)
    {
    }

    int error() const { return m_Error; }
    qint64 written() const { return m_Written; }

protected:
    bool drain(const char* data, std::ptrdiff_t length) override
    {
        if (m_Error == 0 && length > 0) {
            m_Error = writeAllAt(m_Fd, QByteArray::fromRawData(data, length),
                                 static_cast<off_t>(m_Written));
            m_Written += m_Error == 0 ? length : 0;
        }
        return m_Error == 0;
    }

private:
    int m_Fd;
    int m_Error;
    qint64 m_Written = 0;
};

CStagedAppend::CStagedAppend(const QString& fileName)
    : m_FileName(fileName)
    , m_Stream(nullptr)
{
    int error = 0;
    m_Fd = openStage(fileName, error);
    m_Buffer = std::make_unique<CBuffer>(m_Fd, error);
    m_Stream.rdbuf(m_Buffer.get());
    if (m_Fd < 0)
        m_Stream.setstate(std::ios::badbit);
}

CStagedAppend::~CStagedAppend()
{
    if (m_Fd >= 0)
        ::close(m_Fd);
}

bool CStagedAppend::isOpen(QString& reason) const
{
    return m_Fd >= 0 || failWithReason(reason, m_Buffer->error());
}

bool CStagedAppend::append(QString& reason)
{
    m_Stream.flush();
    if (const int error = m_Buffer->error(); error != 0 || !m_Stream)
        return failWithReason(reason, error != 0 ? error : EIO);
    const qint64 length = m_Buffer->written();
    return appendLocked(
        m_FileName,
        {length, [this, length](int fd, off_t offset) { return copyAt(m_Fd, length, fd, offset); }},
        nullptr, reason);
}
