#include "framework/Fileextension.h"

#include "platform/Filenamebytes.h"
#include "platform/Filetyperegistry.h"
#include "tests/support/Isolatedsettings.h"
#include "tests/support/Testmain.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

class FileExtension : public CIsolatedSettingsTest
{
protected:
    CFileTypeRegistry m_Registry{QStringLiteral("Ombrix"), QStringLiteral(".ombx")};

    QString binary() const { return path(QStringLiteral("bin/ombrix")); }
    bool registered() const
    {
        return QFileInfo::exists(m_Registry.mimePackagePath())
               && QFileInfo::exists(m_Registry.desktopEntryPath());
    }
    static ino_t inodeOf(const QString& fileName)
    {
        struct stat info
        {
        };
        return ::stat(QFile::encodeName(fileName).constData(), &info) == 0 ? info.st_ino : 0;
    }
};

TEST_F(FileExtension, RegisteredDocumentsHaveTheProgramsType)
{
    registerFileExtension();
    EXPECT_EQ(m_Registry.mimePackagePath(),
              dataHome() + QStringLiteral("/mime/packages/ombrix-ombx.xml"));
    EXPECT_EQ(
        readFile(dataHome() + QStringLiteral("/applications/ombrix-ombx.desktop")).toStdString(),
        "[Desktop Entry]\nType=Application\nName=Ombrix\nExec=\"" + binary().toStdString()
            + "\" %f\nMimeType=application/x-ombrix-ombx;\nNoDisplay=true\nTerminal=false\n");
    const TDesktopType type = desktopTypeInNewProcess(QStringLiteral("sums.ombx"));
    EXPECT_EQ(type.name, QStringLiteral("application/x-ombrix-ombx"));
    EXPECT_TRUE(type.ancestors.contains(QStringLiteral("text/plain")));
}

TEST_F(FileExtension, ExecutablePathIsQuotedForTheCommandLine)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/home/a user/my programs/ombrix", "Exec=\"/home/a user/my programs/ombrix\" %f"},
        {"/opt/100%/ombrix", "Exec=\"/opt/100%%/ombrix\" %f"},
        {"/opt/\"q\"/$HOME/`x`/ombrix",
         "Exec=\"/opt/\\\\\"q\\\\\"/\\\\$HOME/\\\\`x\\\\`/ombrix\" %f"},
        {"/opt/back\\slash/ombrix", "Exec=\"/opt/back\\\\\\\\slash/ombrix\" %f"},
    };
    for (const auto& [executable, exec] : cases) {
        const QStringList lines =
            m_Registry.desktopEntryText(QString::fromUtf8(executable)).split(QLatin1Char('\n'));
        EXPECT_TRUE(lines.contains(QString::fromUtf8(exec))) << executable;
    }
}

TEST_F(FileExtension, RegisterWritesOnlyWhatDiffers)
{
    ASSERT_TRUE(m_Registry.registerType(binary()));
    const ino_t package = inodeOf(m_Registry.mimePackagePath());
    const ino_t entry = inodeOf(m_Registry.desktopEntryPath());
    ASSERT_NE(package, 0u);

    // Nothing differs: both files stay the very same files.
    ASSERT_TRUE(m_Registry.registerType(binary()));
    EXPECT_EQ(inodeOf(m_Registry.mimePackagePath()), package);
    EXPECT_EQ(inodeOf(m_Registry.desktopEntryPath()), entry);

    // The program moved: only the desktop entry is written again.
    const QString moved = path(QStringLiteral("other place/ombrix"));
    ASSERT_TRUE(m_Registry.registerType(moved));
    EXPECT_EQ(inodeOf(m_Registry.mimePackagePath()), package);
    EXPECT_EQ(readFile(m_Registry.desktopEntryPath()), m_Registry.desktopEntryText(moved).toUtf8());
}

TEST_F(FileExtension, UnregisterRemovesOnlyTheProgramsOwnFiles)
{
    const QString otherEntry = dataHome() + QStringLiteral("/applications/other.desktop");
    const QString otherPackage = dataHome() + QStringLiteral("/mime/packages/other.xml");
    writeFile(otherEntry, "[Desktop Entry]\n");
    writeFile(otherPackage, "<mime-info/>\n");
    registerFileExtension();
    ASSERT_TRUE(registered());

    unregisterFileExtension();
    EXPECT_FALSE(QFileInfo::exists(m_Registry.mimePackagePath()));
    EXPECT_FALSE(QFileInfo::exists(m_Registry.desktopEntryPath()));
    EXPECT_EQ(readFile(otherEntry), QByteArray("[Desktop Entry]\n"));
    EXPECT_EQ(readFile(otherPackage), QByteArray("<mime-info/>\n"));
    EXPECT_TRUE(m_Registry.unregisterType()); // nothing left to remove is no error
}

TEST_F(FileExtension, BadPathsAndUnwritableFoldersWriteNothing)
{
    EXPECT_FALSE(m_Registry.registerType(QStringLiteral("/opt/x\nExec=/bin/evil")));
    EXPECT_FALSE(m_Registry.registerType(QString()));
    EXPECT_FALSE(m_Registry.registerType(fileNameOfBytes("/opt/caf\xe9/ombrix")));
    EXPECT_FALSE(registered());

    // A plain file where the folders should be: every write fails, quietly.
    writeFile(dataHome(), "not a folder");
    EXPECT_FALSE(m_Registry.registerType(binary()));
    registerFileExtension();
    EXPECT_EQ(readFile(dataHome()), QByteArray("not a folder"));

    // A pipe in the entry's place: nothing waits for its other end, and the pipe stays.
    const QString pipe = m_Registry.desktopEntryPath();
    ASSERT_TRUE(QFile::remove(dataHome()) && QDir().mkpath(QFileInfo(pipe).path()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(m_Registry.registerType(binary()));
    EXPECT_FALSE(m_Registry.unregisterType());
    EXPECT_TRUE(QFileInfo::exists(pipe) && !QFileInfo(pipe).isFile()) << "still the pipe";
}

} // namespace
