#include "Testfolder.h"

#include "framework/Fileextension.h"
#include "platform/Filetyperegistry.h"

#include <QFileInfo>
#include <QMimeDatabase>

#include <sys/stat.h>

namespace {

class FileExtension : public CTempFolderTest
{
protected:
    CFileTypeRegistry m_Registry{QStringLiteral("Ombrix"), QStringLiteral(".ombx")};

    QString binary() const { return path(QStringLiteral("bin/ombrix")); }

    static ino_t inodeOf(const QString& fileName)
    {
        struct stat info {};
        return ::stat(QFile::encodeName(fileName).constData(), &info) == 0 ? info.st_ino : 0;
    }
};

// Keep this the only test that asks the desktop's type database: it is read once per
// process, so it must first be asked after the registration.
TEST_F(FileExtension, RegisteredDocumentsHaveTheProgramsType)
{
    registerFileExtension();

    EXPECT_EQ(m_Registry.mimePackagePath(), dataHome() + QStringLiteral("/mime/packages/ombrix-ombx.xml"));
    EXPECT_EQ(m_Registry.desktopEntryPath(), dataHome() + QStringLiteral("/applications/ombrix-ombx.desktop"));
    EXPECT_EQ(readFile(m_Registry.desktopEntryPath()),
              m_Registry.desktopEntryText(binary()).toUtf8());
    const QMimeDatabase types;
    const QMimeType type = types.mimeTypeForFile(QStringLiteral("sums.ombx"), QMimeDatabase::MatchExtension);
    EXPECT_EQ(type.name(), QStringLiteral("application/x-ombrix-ombx"));
    EXPECT_TRUE(type.inherits(QStringLiteral("text/plain")));
}

TEST_F(FileExtension, DesktopEntryGolden)
{
    EXPECT_EQ(m_Registry.desktopEntryText(QStringLiteral("/opt/ombrix/ombrix")).toStdString(),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Ombrix\n"
              "Exec=\"/opt/ombrix/ombrix\" %f\n"
              "MimeType=application/x-ombrix-ombx;\n"
              "NoDisplay=true\n"
              "Terminal=false\n");
}

TEST_F(FileExtension, ExecutablePathIsQuotedForTheCommandLine)
{
    struct TCase {
        const char* path;
        const char* exec;
    };
    const TCase cases[] = {
        {"/home/a user/my programs/ombrix", "Exec=\"/home/a user/my programs/ombrix\" %f"},
        {"/opt/100%/ombrix", "Exec=\"/opt/100%%/ombrix\" %f"},
        {"/opt/\"q\"/$HOME/`x`/ombrix", "Exec=\"/opt/\\\\\"q\\\\\"/\\\\$HOME/\\\\`x\\\\`/ombrix\" %f"},
        {"/opt/back\\slash/ombrix", "Exec=\"/opt/back\\\\\\\\slash/ombrix\" %f"},
    };
    for (const TCase& c : cases) {
        const QStringList lines = m_Registry.desktopEntryText(QString::fromUtf8(c.path)).split(QLatin1Char('\n'));
        EXPECT_TRUE(lines.contains(QString::fromUtf8(c.exec))) << c.path;
    }
}

TEST_F(FileExtension, MimePackageGolden)
{
    EXPECT_EQ(m_Registry.mimePackageText().toStdString(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
              "  <mime-type type=\"application/x-ombrix-ombx\">\n"
              "    <sub-class-of type=\"text/plain\"/>\n"
              "    <comment>Ombrix document</comment>\n"
              "    <glob pattern=\"*.ombx\"/>\n"
              "  </mime-type>\n"
              "</mime-info>\n");
}

TEST_F(FileExtension, RegisterWritesOnlyWhatDiffers)
{
    ASSERT_TRUE(m_Registry.registerType(binary()));
    const ino_t package = inodeOf(m_Registry.mimePackagePath());
    const ino_t entry = inodeOf(m_Registry.desktopEntryPath());
    ASSERT_NE(package, 0u);
    ASSERT_NE(entry, 0u);

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
    writeFile(otherEntry, "[Desktop Entry]\nName=Other\n");
    writeFile(otherPackage, "<mime-info/>\n");
    registerFileExtension();
    ASSERT_TRUE(QFileInfo::exists(m_Registry.mimePackagePath()));
    ASSERT_TRUE(QFileInfo::exists(m_Registry.desktopEntryPath()));

    unregisterFileExtension();
    EXPECT_FALSE(QFileInfo::exists(m_Registry.mimePackagePath()));
    EXPECT_FALSE(QFileInfo::exists(m_Registry.desktopEntryPath()));
    EXPECT_EQ(readFile(otherEntry), QByteArray("[Desktop Entry]\nName=Other\n"));
    EXPECT_EQ(readFile(otherPackage), QByteArray("<mime-info/>\n"));

    // Nothing left to remove is no error.
    EXPECT_TRUE(m_Registry.unregisterType());
}

TEST_F(FileExtension, PathWithLineBreakIsRefusedAndWritesNothing)
{
    EXPECT_FALSE(m_Registry.registerType(QStringLiteral("/opt/x\nExec=/bin/evil")));
    EXPECT_FALSE(m_Registry.registerType(QString()));
    EXPECT_FALSE(QFileInfo::exists(m_Registry.mimePackagePath()));
    EXPECT_FALSE(QFileInfo::exists(m_Registry.desktopEntryPath()));
}

TEST_F(FileExtension, UnwritableDataHomeFailsQuietly)
{
    // A plain file where the folders should be makes every write fail.
    writeFile(dataHome(), "not a folder");
    EXPECT_FALSE(m_Registry.registerType(binary()));
    registerFileExtension();
    unregisterFileExtension();
    EXPECT_EQ(readFile(dataHome()), QByteArray("not a folder"));
}

} // namespace
