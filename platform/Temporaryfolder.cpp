#include "platform/Temporaryfolder.h"

#include <QFile>

#include <cstdio>
#include <sys/stat.h>

QString temporaryFolder()
{
    const QByteArray named = qgetenv("TMPDIR");
    struct stat info = {};
    if (!named.isEmpty() && ::stat(named.constData(), &info) == 0 && S_ISDIR(info.st_mode))
        return QFile::decodeName(named);
    return QStringLiteral(P_tmpdir);
}
