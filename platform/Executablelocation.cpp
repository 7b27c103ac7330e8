#include "platform/Executablelocation.h"

#include "platform/Filenamebytes.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <climits>
#include <unistd.h>

namespace {

QString& redirectedPath()
{
    static QString path;
    return path;
}

} // namespace

QString CExecutableLocation::filePath()
{
    if (!redirectedPath().isEmpty())
        return redirectedPath();
    // Asked of the kernel by its bytes: the toolkit answers nothing for a folder whose name is
    // no text, and the files kept beside the executable would go to the root.
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path);
    if (length > 0 && length < ssize_t(sizeof path))
        return fileNameOfBytes(QByteArray(path, length));
    return QCoreApplication::applicationFilePath();
}

QString CExecutableLocation::folder()
{
    return QFileInfo(filePath()).absolutePath();
}

void CExecutableLocation::redirect(const QString& executableFilePath)
{
    redirectedPath() = executableFilePath.isEmpty() ? QString()
                                                    : absoluteFileName(executableFilePath);
}
