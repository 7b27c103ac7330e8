#include "platform/Atomicfile.h"

#include "platform/Filenamebytes.h"
#include "platform/Plainfile.h"
#include "platform/Temporaryfolder.h"
#include "platform/Termination.h"

#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kTemporaryNameTries = 100;
constexpr int kTemporaryLetters = 6;
// A copy of the program that waits for the lock while others keep replacing the file tries
// this many times.
constexpr int kLockTries = 100;
// As many links in a row as the system follows before it answers ELOOP.
constexpr int kLinksFollowedMax = 40;
// Staged content is written, and copied to the file it is added to, this much at a time.
constexpr qint64 kStagePieceBytes = qint64(1) << 16U;

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

// Takes the room the file needs to grow from sizeBefore to sizeAfter, so that writing cannot run
// out of it halfway; the error number, or 0. Only the growth is reserved: the blocks the file
// has are its own. The file grows at once, and a failure gives back whatever part was taken, so
// the file keeps its size.
int reserveGrowth(int fd, off_t sizeBefore, off_t sizeAfter)
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

// As reserveGrowth, but the file keeps its size until it is written: one ended in the middle of
// an addition holds only bytes that were written, never the zeros of the reserved room. Where the
// file system reserves no room beyond a file's end, nothing is reserved, and the addition's own
// write tells of a full disk.
int reserveBeyondEnd(int fd, off_t size, off_t growth)
{
    if (growth <= 0 || ::fallocate(fd, FALLOC_FL_KEEP_SIZE, size, growth) == 0)
        return 0;
    return errno == EOPNOTSUPP || errno == ENOSYS ? 0 : errno;
}

// Closes the descriptor; the error number, or 0.
int closeChecked(int fd)
{
    return ::close(fd) == 0 || errno == EINTR ? 0 : errno;
}

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0    ? QByteArrayLiteral(".")
           : slash == 0 ? QByteArrayLiteral("/")
                        : path.left(slash);
}

// Where a file name leads: a link is written through, not replaced by a file, also when the
// file it names is not there yet (a relative link names it from the link's folder). The error
// number, or 0.
int followLinks(const QString& fileName, QByteArray& path)
{
    path = bytesOfFileName(fileName);
    for (int links = 0; links < kLinksFollowedMax; ++links) {
        struct stat info = {};
        // Whatever keeps the name from being looked at is told by the write itself.
        if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return 0;
        QByteArray target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.constData(), target.data(), PATH_MAX);
        if (length < 0)
            return errno;
        target.truncate(length);
        path = target.startsWith('/') ? target : folderOf(path) + '/' + target;
    }
    return ELOOP;
}

bool fail(QString& reason, int error)
{
    reason = systemReason(error);
    return false;
}

bool writeInPlace(const QByteArray& path, const QByteArray& content, QString& reason,
                  int missingError = ENOENT)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return fail(reason, errno == ENOENT ? missingError : errno);
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISREG(info.st_mode) ? errno : EOPNOTSUPP;
        ::close(fd);
        return fail(reason, error);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    // Nothing of the old file is touched before the room for all of the new one is had.
    int error = reserveGrowth(fd, info.st_size, static_cast<off_t>(content.size()));
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

// The file's name with a random ending, shortened where the folder would not take it whole.
QByteArray temporaryName(const QByteArray& path)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    const qsizetype baseStart = path.lastIndexOf('/') + 1;
    long nameMax = ::pathconf(folderOf(path).constData(), _PC_NAME_MAX);
    if (nameMax <= 0)
        nameMax = NAME_MAX;
    const qsizetype baseLength = std::min(path.size() - baseStart,
                                          std::max<qsizetype>(nameMax - 1 - kTemporaryLetters, 0));
    QByteArray name = path.left(baseStart + baseLength) + '.';
    for (int i = 0; i < kTemporaryLetters; ++i)
        name += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
    return name;
}

// Makes the new name last through a crash. A failure here does not fail the save: the new
// content already stands under the name for every reader, and some file systems cannot sync a
// folder at all, which would make every save there fail.
void syncFolder(const QByteArray& path)
{
    const int fd = ::open(folderOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    (void)::fsync(fd);
    ::close(fd);
}

// Whether the file at path is still the one read; no expectation is always met.
bool isStill(const QByteArray& path, const TFileIdentity* expected)
{
    if (expected == nullptr)
        return true;
    struct stat info = {};
    const TFileIdentity now = ::stat(path.constData(), &info) == 0 ? identityOf(info)
                                                                   : TFileIdentity();
    return now == *expected;
}

TReplaced replaced(bool done)
{
    return done ? TReplaced::Done : TReplaced::Failed;
}

// Puts the content in the place of the file at path, which `existing` describes (null: there is
// none), through a temporary file beside it; in place where that would lose something. Nothing
// is written over another file than `expected`, where given.
TReplaced replaceFile(const QByteArray& path, const struct stat* existing,
                      const QByteArray& content, QString& reason,
                      const TFileIdentity* expected = nullptr)
{
    if (!isStill(path, expected))
        return TReplaced::Changed;
    // A new file under this name would leave the other names with the old content.
    if (existing != nullptr && existing->st_nlink > 1)
        return replaced(writeInPlace(path, content, reason));
    QByteArray temporary;
    int fd = -1;
    // The new file holds the whole content: a signal that ends the program before it takes
    // the file's place removes it.
    CRemovedAtTermination removal;
    for (int i = 0; i < kTemporaryNameTries && fd < 0; ++i) {
        temporary = temporaryName(path);
        removal.arm(fileNameOfBytes(temporary), CRemovedAtTermination::TKind::File);
        // Nobody else reads the content before the file has the old one's rights.
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                    existing != nullptr ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        const int error = errno;
        // In a folder that refuses the temporary file, in place: else the file could never be
        // saved again.
        if (existing != nullptr && (error == EACCES || error == EPERM || error == EROFS))
            return replaced(writeInPlace(path, content, reason, error));
        fail(reason, error);
        return TReplaced::Failed;
    }
    int error = 0;
    if (existing != nullptr) {
        // The owner first: giving a file away clears the set-id bits of its mode.
        if (::fchown(fd, existing->st_uid, existing->st_gid) != 0) {
            ::close(fd);
            ::unlink(temporary.constData());
            // Who may not give the file to its owner writes it in place, so it stays theirs.
            return replaced(writeInPlace(path, content, reason));
        }
        if (::fchmod(fd, existing->st_mode & 07777) != 0)
            error = errno;
    }
    if (error == 0)
        error = writeAllAt(fd, content, 0);
    if (error == 0 && ::fdatasync(fd) != 0)
        error = errno;
    const int closeError = closeChecked(fd);
    if (error == 0)
        error = closeError;
    const bool changed = error == 0 && !isStill(path, expected);
    if (error == 0 && !changed && ::rename(temporary.constData(), path.constData()) != 0)
        error = errno;
    if (error != 0 || changed) {
        ::unlink(temporary.constData());
        if (changed)
            return TReplaced::Changed;
        fail(reason, error);
        return TReplaced::Failed;
    }
    syncFolder(path);
    return TReplaced::Done;
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
        return fail(reason, error);
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
            return fail(reason, error);
        struct stat locked = {};
        if (::fstat(fd, &locked) != 0)
            return fail(reason, errno);
        // A copy that cut the file while this one waited has put a new file under the name: the
        // old one, and its lock, are nobody's any more.
        QByteArray path;
        if (const int error = followLinks(fileName, path); error != 0)
            return fail(reason, error);
        struct stat named = {};
        if (::stat(path.constData(), &named) != 0 || named.st_dev != locked.st_dev
            || named.st_ino != locked.st_ino)
            continue;
        if (cut == nullptr || locked.st_size <= cut->limit)
            return appendAt(fd, locked.st_size, added, reason);
        if (!readable)
            return fail(reason, EACCES);
        QByteArray tail;
        if (const int error = readTail(fd, locked.st_size, cut->tailBytes, tail); error != 0)
            return fail(reason, error);
        return replaceFile(path, &locked, cut->make(tail, tail.size() == locked.st_size), reason)
               == TReplaced::Done;
    }
    return fail(reason, EAGAIN);
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

bool writeFileAtomically(const QString& fileName, const QByteArray& content)
{
    QString reason;
    return writeFileAtomically(fileName, content, reason);
}

namespace {

TReplaced replaceNamed(const QString& fileName, const QByteArray& content, QString& reason,
                       const TFileIdentity* expected)
{
    QByteArray path;
    if (const int error = followLinks(fileName, path); error != 0) {
        fail(reason, error);
        return TReplaced::Failed;
    }
    struct stat existing = {};
    const bool exists = ::stat(path.constData(), &existing) == 0;
    if (!exists)
        return replaceFile(path, nullptr, content, reason, expected);
    if (!S_ISREG(existing.st_mode)) {
        fail(reason, S_ISDIR(existing.st_mode) ? EISDIR : EOPNOTSUPP);
        return TReplaced::Failed;
    }
    // The folder would let the file be replaced; the file itself says whether it may be written,
    // as the system answers for this user (a read-only mount included).
    if (::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) != 0) {
        fail(reason, errno);
        return TReplaced::Failed;
    }
    return replaceFile(path, &existing, content, reason, expected);
}

} // namespace

bool writeFileAtomically(const QString& fileName, const QByteArray& content, QString& reason)
{
    return replaceNamed(fileName, content, reason, nullptr) == TReplaced::Done;
}

TReplaced replaceFileRead(const QString& fileName, const TFileIdentity& read,
                          const QByteArray& content, QString& reason)
{
    return replaceNamed(fileName, content, reason, &read);
}

bool appendToFile(const QString& fileName, const QByteArray& content, QString& reason)
{
    return appendLocked(fileName, additionOf(content), nullptr, reason);
}

bool appendToFile(const QString& fileName, const QByteArray& content, const TFileCut& cut,
                  QString& reason)
{
    return appendLocked(fileName, additionOf(content), &cut, reason);
}

class CStagedAppend::CBuffer : public std::streambuf
{
public:
    CBuffer(int fd, int error)
        : m_Fd(fd)
        , m_Error(error)
    {
        setp(m_Space.data(), m_Space.data() + m_Space.size());
    }

    int error() const { return m_Error; }
    qint64 written() const { return m_Written; }

protected:
    int_type overflow(int_type c) override
    {
        if (!drain())
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return drain() ? 0 : -1; }

private:
    bool drain()
    {
        const qsizetype pending = pptr() - pbase();
        if (m_Error == 0 && pending > 0) {
            m_Error = writeAllAt(m_Fd, QByteArray::fromRawData(pbase(), pending),
                                 static_cast<off_t>(m_Written));
            m_Written += m_Error == 0 ? pending : 0;
        }
        setp(m_Space.data(), m_Space.data() + m_Space.size());
        return m_Error == 0;
    }

    int m_Fd;
    int m_Error;
    qint64 m_Written = 0;
    std::array<char, kStagePieceBytes> m_Space;
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
    return m_Fd >= 0 || fail(reason, m_Buffer->error());
}

bool CStagedAppend::append(QString& reason)
{
    m_Stream.flush();
    if (const int error = m_Buffer->error(); error != 0 || !m_Stream)
        return fail(reason, error != 0 ? error : EIO);
    const qint64 length = m_Buffer->written();
    return appendLocked(
        m_FileName,
        {length, [this, length](int fd, off_t offset) { return copyAt(m_Fd, length, fd, offset); }},
        nullptr, reason);
}
