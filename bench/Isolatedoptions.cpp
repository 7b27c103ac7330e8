#include "bench/Isolatedoptions.h"

#include "platform/Executablelocation.h"

#include <QDir>
#include <QFile>

namespace {

bool writeText(const QString& fileName, const QByteArray& text)
{
    if (text.isEmpty())
        return true;
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

} // namespace

CIsolatedOptions::CIsolatedOptions(const QByteArray& ini, const QByteArray& userStore)
{
    if (!m_Dir.isValid())
        return;
    const QString root = m_Dir.path();
    CExecutableLocation::redirect(root + QStringLiteral("/ombrix"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/config")));
    // Registering the document type writes below the data home.
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("/data")));
    m_Valid = writeText(root + QStringLiteral("/ombrix.ini"), ini)
              && QDir().mkpath(root + QStringLiteral("/config"))
              && writeText(root + QStringLiteral("/config/Ombrix.conf"), userStore);
}

CIsolatedOptions::~CIsolatedOptions()
{
    CExecutableLocation::redirect(QString());
}
