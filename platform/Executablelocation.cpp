#include "platform/Executablelocation.h"

#include <QCoreApplication>
#include <QFileInfo>

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
    if (QCoreApplication::instance() != nullptr)
        return QCoreApplication::applicationFilePath();
    // Before the application object exists Qt cannot tell; the kernel can.
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

QString CExecutableLocation::folder()
{
    return QFileInfo(filePath()).absolutePath();
}

void CExecutableLocation::redirect(const QString& executableFilePath)
{
    redirectedPath() =
        executableFilePath.isEmpty() ? QString() : QFileInfo(executableFilePath).absoluteFilePath();
}
