#include "platform/Filewriting.h"

#include "platform/Filenamebytes.h"
#include "platform/Plainfile.h"

#include <cerrno>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many links in a row as the system follows before it answers ELOOP.
constexpr int kLinksFollowedMax = 40;

} // namespace

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

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0    ? QByteArrayLiteral(".")
           : slash == 0 ? QByteArrayLiteral("/")
                        : path.left(slash);
}

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

bool failWithReason(QString& reason, int error)
{
    reason = systemReason(error);
    return false;
}
