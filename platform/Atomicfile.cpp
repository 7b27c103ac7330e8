#include "platform/Atomicfile.h"

#include "platform/Filenamebytes.h"
#include "platform/Filewriting.h"
#include "platform/Plainfile.h"
#include "platform/Termination.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kTemporaryNameTries = 100;
constexpr int kTemporaryLetters = 6;

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

// Closes the descriptor; the error number, or 0.
int closeChecked(int fd)
{
    return ::close(fd) == 0 || errno == EINTR ? 0 : errno;
}

bool writeInPlace(const QByteArray& path, const QByteArray& content, QString& reason,
                  int missingError = ENOENT)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return failWithReason(reason, errno == ENOENT ? missingError : errno);
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISREG(info.st_mode) ? errno : EOPNOTSUPP;
        ::close(fd);
        return failWithReason(reason, error);
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
    return error == 0 || failWithReason(reason, error);
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
    for (int i = 0; i < kTemporaryNameTries && fd < 0; ++i) {
        temporary = temporaryName(path);
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
        failWithReason(reason, error);
        return TReplaced::Failed;
    }
    // The new file holds the whole content: a signal that ends the program before it takes the
    // file's place removes it. Armed only once the file is this program's: a name that another
    // made is never removed.
    CRemovedAtTermination removal;
    removal.arm(fileNameOfBytes(temporary), CRemovedAtTermination::TKind::File);
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
        failWithReason(reason, error);
        return TReplaced::Failed;
    }
    syncFolder(path);
    return TReplaced::Done;
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
        failWithReason(reason, error);
        return TReplaced::Failed;
    }
    struct stat existing = {};
    const bool exists = ::stat(path.constData(), &existing) == 0;
    if (!exists)
        return replaceFile(path, nullptr, content, reason, expected);
    if (!S_ISREG(existing.st_mode)) {
        failWithReason(reason, S_ISDIR(existing.st_mode) ? EISDIR : EOPNOTSUPP);
        return TReplaced::Failed;
    }
    // The folder would let the file be replaced; the file itself says whether it may be written,
    // as the system answers for this user (a read-only mount included).
    if (::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) != 0) {
        failWithReason(reason, errno);
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

bool replaceOpenFile(const QByteArray& path, const struct stat& existing, const QByteArray& content,
                     QString& reason)
{
    return replaceFile(path, &existing, content, reason) == TReplaced::Done;
}
