#include "tests/support/Isolatedsettings.h"

#include "platform/Executablelocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>

void CIsolatedSettingsTest::SetUp()
{
    for (std::size_t i = 0; i < m_OuterVariables.size(); ++i)
        m_OuterVariables[i] = qgetenv(kRedirectedVariables[i]);
    ASSERT_TRUE(m_Dir.isValid());
    ASSERT_TRUE(QDir().mkpath(binFolder()));
    ASSERT_TRUE(QDir().mkpath(docsFolder()));
    ASSERT_TRUE(QDir().mkpath(tempFolder()));
    qputenv("TMPDIR", QFile::encodeName(tempFolder()));
    CExecutableLocation::redirect(path(QStringLiteral("bin/ombrix")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(path(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", dataHome().toUtf8());
}

void CIsolatedSettingsTest::TearDown()
{
    // The next test's folder is made in the outer temporary folder, and a test without this
    // fixture finds the folders it would find alone, not this test's, which are gone.
    for (std::size_t i = 0; i < m_OuterVariables.size(); ++i) {
        if (m_OuterVariables[i].isNull())
            qunsetenv(kRedirectedVariables[i]);
        else
            qputenv(kRedirectedVariables[i], m_OuterVariables[i]);
    }
    CExecutableLocation::redirect(QString());
}

QString CIsolatedSettingsTest::path(const QString& relative) const
{
    return m_Dir.path() + QLatin1Char('/') + relative;
}

QByteArray CIsolatedSettingsTest::readFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void CIsolatedSettingsTest::writeFile(const QString& fileName, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(content), content.size());
}

CFileSizeLimit::CFileSizeLimit(rlim_t bytes)
{
    getrlimit(RLIMIT_FSIZE, &m_Previous);
    // Writing past the limit then fails instead of ending the process.
    m_PreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = m_Previous;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
}

CFileSizeLimit::~CFileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_Previous);
    std::signal(SIGXFSZ, m_PreviousHandler);
}

CReadOnlyFolder::CReadOnlyFolder(const QString& folder)
    : m_Folder(folder)
{
    const QFileDevice::Permissions readAndEnter = QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                                  | QFileDevice::ReadGroup | QFileDevice::ExeGroup
                                                  | QFileDevice::ReadOther | QFileDevice::ExeOther;
    if (!QFile::setPermissions(m_Folder, readAndEnter))
        return;
    QFile probe(m_Folder + QStringLiteral("/probe"));
    m_Enforced = !probe.open(QIODevice::WriteOnly);
    if (!m_Enforced)
        probe.remove();
}

CReadOnlyFolder::~CReadOnlyFolder()
{
    QFile::setPermissions(m_Folder, QFile::permissions(m_Folder) | QFileDevice::WriteOwner);
}
