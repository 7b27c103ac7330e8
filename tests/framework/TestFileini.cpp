#include "Testfolder.h"

#include "framework/Fileini.h"
#include "platform/Executablelocation.h"

#include <QFile>

namespace {

using IniFile = CTempFolderTest;

TEST_F(IniFile, LivesBesideTheExecutableWithItsExtensionReplaced)
{
    const std::pair<const char*, const char*> cases[] = {
        {"bin/ombrix", "bin/ombrix.ini"},
        {"bin/ombrix.bin", "bin/ombrix.ini"},
        {"bin/ombrix.1.exe", "bin/ombrix.1.ini"},
    };
    for (const auto& [executable, ini] : cases) {
        CExecutableLocation::redirect(path(QString::fromUtf8(executable)));
        EXPECT_EQ(CIniFile().getFileName(), path(QString::fromUtf8(ini)));
    }
}

TEST_F(IniFile, MissingFileReadsDefaultsAndStaysMissing)
{
    CIniFile ini;
    EXPECT_FALSE(ini.sectionExists(QStringLiteral("FormMain")));
    EXPECT_EQ(ini.readString(QStringLiteral("Editor"), QStringLiteral("FontName"), QStringLiteral("d")),
              QStringLiteral("d"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("FormMain"), QStringLiteral("Top"), 25), 25);
    EXPECT_TRUE(ini.updateFile());
    EXPECT_FALSE(QFile::exists(iniPath()));
}

TEST_F(IniFile, WritesGolden)
{
    {
        CIniFile ini;
        ini.writeString(QStringLiteral("Editor"), QStringLiteral("FontName"), QStringLiteral("Courier New"));
        ini.writeInteger(QStringLiteral("FormMain"), QStringLiteral("Top"), -25);
        ini.writeBool(QStringLiteral("FormMain"), QStringLiteral("WriteLogs"), true);
        ini.writeBool(QStringLiteral("FormMain"), QStringLiteral("UseRegister"), false);
        ini.writeInteger(QStringLiteral("FormMain"), QStringLiteral("top"), 12);
        ini.writeString(QStringLiteral("RecentFiles"), QStringLiteral("file_0"),
                        QStringLiteral(" /tmp/a \"b\" = c;\\d.ombx"));
        ASSERT_TRUE(ini.updateFile());
    }
    EXPECT_EQ(readFile(iniPath()).toStdString(),
              "[Editor]\n"
              "FontName=Courier New\n"
              "\n"
              "[FormMain]\n"
              "top=12\n"
              "WriteLogs=1\n"
              "UseRegister=0\n"
              "\n"
              "[RecentFiles]\n"
              "file_0= /tmp/a \"b\" = c;\\d.ombx\n");
    CIniFile again;
    EXPECT_EQ(again.readString(QStringLiteral("recentfiles"), QStringLiteral("FILE_0"), QString()),
              QStringLiteral(" /tmp/a \"b\" = c;\\d.ombx"));
    EXPECT_EQ(again.readInteger(QStringLiteral("FormMain"), QStringLiteral("Top"), 0), 12);
    EXPECT_TRUE(again.readBool(QStringLiteral("FormMain"), QStringLiteral("WriteLogs"), false));
}

TEST_F(IniFile, KeepsEverythingItDoesNotChange)
{
    const QByteArray before = "\xEF\xBB\xBF; written by hand\r\n"
                              "stray=before any section\n"
                              "[FormMain]\r\n"
                              "Top = 7\r\n"
                              "# a note\n"
                              "garbage line \xff\xfe\n"
                              "\n"
                              "[Editor]\n"
                              "FontName=Arial\n";
    writeFile(iniPath(), before);
    {
        CIniFile ini;
        ini.writeInteger(QStringLiteral("FormMain"), QStringLiteral("Left"), 3);
        ini.writeString(QStringLiteral("Editor"), QStringLiteral("FontName"), QStringLiteral("Mono"));
        ASSERT_TRUE(ini.updateFile());
        EXPECT_EQ(ini.readInteger(QStringLiteral("FormMain"), QStringLiteral("Top"), 0), 7);
        EXPECT_EQ(ini.readString(QString(), QStringLiteral("stray"), QStringLiteral("none")),
                  QStringLiteral("none"));
    }
    EXPECT_EQ(readFile(iniPath()), QByteArray("\xEF\xBB\xBF; written by hand\r\n"
                                              "stray=before any section\n"
                                              "[FormMain]\r\n"
                                              "Top = 7\r\n"
                                              "# a note\n"
                                              "garbage line \xff\xfe\n"
                                              "Left=3\n"
                                              "\n"
                                              "[Editor]\n"
                                              "FontName=Mono\n"));
}

TEST_F(IniFile, ValuesThatCouldAddLinesAreRefused)
{
    writeFile(iniPath(), "[RecentFiles]\nfile_0=a\n");
    CIniFile ini;
    const QString section = QStringLiteral("RecentFiles");
    const struct {
        QString section;
        QString key;
        QString value;
    } refused[] = {
        {section, QStringLiteral("file_1"), QStringLiteral("x\n[FormMain]\nUseRegister=1")},
        {section, QStringLiteral("file_1"), QStringLiteral("x\ry")},
        {section, QStringLiteral("file=1"), QStringLiteral("x")},
        {section, QStringLiteral("[x]"), QStringLiteral("x")},
        {section, QStringLiteral(";x"), QStringLiteral("x")},
        {section, QStringLiteral(" \t "), QStringLiteral("x")},
        {QStringLiteral("a]b"), QStringLiteral("k"), QStringLiteral("x")},
        {QStringLiteral("a\nb"), QStringLiteral("k"), QStringLiteral("x")},
        {QStringLiteral("  "), QStringLiteral("k"), QStringLiteral("x")},
    };
    for (const auto& r : refused)
        EXPECT_FALSE(ini.writeString(r.section, r.key, r.value)) << r.key.toStdString();
    EXPECT_FALSE(ini.updateFile());
    EXPECT_EQ(readFile(iniPath()), QByteArray("[RecentFiles]\nfile_0=a\n"));

    // A refused write spoils only the update it belongs to.
    EXPECT_TRUE(ini.writeString(section, QStringLiteral("file_1"), QStringLiteral("b")));
    EXPECT_TRUE(ini.updateFile());
    EXPECT_EQ(readFile(iniPath()), QByteArray("[RecentFiles]\nfile_0=a\nfile_1=b\n"));
}

TEST_F(IniFile, IntegersThatDoNotParseReadAsTheDefault)
{
    writeFile(iniPath(), "[S]\n"
                         "plain=42\n"
                         "padded= -17 \n"
                         "word=abc\n"
                         "tail=12abc\n"
                         "decimal=1.5\n"
                         "comma=1,5\n"
                         "huge=99999999999\n"
                         "hex=0x10\n"
                         "empty=\n"
                         "flagOn=5\n"
                         "flagOff=0\n"
                         "flagWord=true\n");
    CIniFile ini;
    const QString s = QStringLiteral("S");
    const std::pair<const char*, int> integers[] = {
        {"plain", 42}, {"padded", -17}, {"word", -1}, {"tail", -1}, {"decimal", -1},
        {"comma", -1}, {"huge", -1}, {"hex", -1}, {"empty", -1}, {"absent", -1},
    };
    for (const auto& [key, value] : integers)
        EXPECT_EQ(ini.readInteger(s, QString::fromUtf8(key), -1), value) << key;
    EXPECT_TRUE(ini.readBool(s, QStringLiteral("flagOn"), false));
    EXPECT_FALSE(ini.readBool(s, QStringLiteral("flagOff"), true));
    EXPECT_TRUE(ini.readBool(s, QStringLiteral("flagWord"), true));
    EXPECT_FALSE(ini.readBool(s, QStringLiteral("flagWord"), false));
}

TEST_F(IniFile, EraseSectionRemovesEveryCopyOfIt)
{
    writeFile(iniPath(), "[RecentFiles]\nfile_0=a\n\n[FormMain]\nTop=1\n[recentfiles]\nfile_1=b\n");
    CIniFile ini;
    ASSERT_TRUE(ini.eraseSection(QStringLiteral("RecentFiles")));
    ASSERT_TRUE(ini.eraseSection(QStringLiteral("Missing")));
    ASSERT_TRUE(ini.updateFile());
    EXPECT_EQ(readFile(iniPath()), QByteArray("[FormMain]\nTop=1\n"));
    EXPECT_FALSE(ini.sectionExists(QStringLiteral("RecentFiles")));
}

TEST_F(IniFile, SeesChangesMadeByOthersUntilItHasWritesOfItsOwn)
{
    CIniFile ini;
    writeFile(iniPath(), "[S]\nk=first\n");
    EXPECT_EQ(ini.readString(QStringLiteral("S"), QStringLiteral("k"), QString()), QStringLiteral("first"));
    writeFile(iniPath(), "[S]\nk=second\nother=kept\n");
    ini.writeString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("mine"));
    ASSERT_TRUE(ini.updateFile());
    EXPECT_EQ(readFile(iniPath()), QByteArray("[S]\nk=mine\nother=kept\n"));
}

TEST_F(IniFile, ReadOnlyFileIsMadeWritable)
{
    writeFile(iniPath(), "[S]\nk=1\n");
    ASSERT_TRUE(QFile::setPermissions(iniPath(), QFileDevice::ReadOwner));
    CIniFile ini;
    EXPECT_TRUE(QFile::permissions(iniPath()).testFlag(QFileDevice::WriteOwner));
    ini.writeInteger(QStringLiteral("S"), QStringLiteral("k"), 2);
    EXPECT_TRUE(ini.updateFile());
}

TEST_F(IniFile, FailedUpdateReportsAndKeepsTheWrites)
{
    CExecutableLocation::redirect(path(QStringLiteral("no such folder/ombrix")));
    CIniFile ini;
    ini.writeInteger(QStringLiteral("S"), QStringLiteral("k"), 2);
    EXPECT_FALSE(ini.updateFile());
    EXPECT_EQ(ini.readInteger(QStringLiteral("S"), QStringLiteral("k"), 0), 2);
}

TEST_F(IniFile, StagedWritesAreStoredWhenTheObjectGoes)
{
    {
        CIniFile ini;
        ini.writeInteger(QStringLiteral("S"), QStringLiteral("k"), 5);
    }
    EXPECT_EQ(readFile(iniPath()), QByteArray("[S]\nk=5\n"));
}

} // namespace
