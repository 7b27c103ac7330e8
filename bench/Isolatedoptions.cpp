#include "bench/Isolatedoptions.h"

#include "platform/Executablelocation.h"

#include <QDir>
#include <QFile>

CIsolatedOptions::CIsolatedOptions(const QByteArray& ini)
{
    if (!m_Dir.isValid())
        return;
    const QString root = m_Dir.path();
    CExecutableLocation::redirect(root + QStringLiteral("/ombrix"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/config")));
    // Registering the document type writes below the data home.
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("/data")));
    if (ini.isEmpty()) {
        m_Valid = true;
        return;
    }
    QFile file(root + QStringLiteral("/ombrix.ini"));
    m_Valid = file.open(QIODevice::WriteOnly) && file.write(ini) == ini.size();
}

CIsolatedOptions::~CIsolatedOptions()
{
    CExecutableLocation::redirect(QString());
}
