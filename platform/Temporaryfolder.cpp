#include "platform/Temporaryfolder.h"

#include "platform/Filenamebytes.h"

#include <cstdio>
#include <sys/stat.h>

QString temporaryFolder()
{
    const QByteArray named = qgetenv("TMPDIR");
    const QString name = fileNameOfBytes(named);
    struct stat info = {};
    if (!named.isEmpty() && !holdsForeignBytes(name) && ::stat(named.constData(), &info) == 0
        && S_ISDIR(info.st_mode))
        return name;
    return QStringLiteral(P_tmpdir);
}
