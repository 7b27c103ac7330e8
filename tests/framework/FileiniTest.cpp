#include "framework/Fileini.h"

#include "framework/Frameworklimits.h"
#include "platform/Executablelocation.h"
#include "platform/Filenamebytes.h"
#include "platform/Plainfile.h"
#include "tests/support/Isolatedsettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using IniFile = CIsolatedSettingsTest;

const QString kSection = QStringLiteral("S");

TEST_F(IniFile, LivesBesideTheExecutableWithItsExtensionReplaced)
{
    EXPECT_EQ(CIniFile().getFileName(), iniPath());
    CExecutableLocation::redirect(path(QStringLiteral("bin/ombrix.1.exe")));
    EXPECT_EQ(CIniFile().getFileName(), path(QStringLiteral("bin/ombrix.1.ini")));

    // A folder unpacked from another system may hold a byte that is no text.
    const QByteArray foreign = QFile::encodeName(path(QStringLiteral("bin"))) + "/caf\xe9";
    ASSERT_EQ(::mkdir(foreign.constData(), 0700), 0);
    CExecutableLocation::redirect(fileNameOfBytes(foreign + "/ombrix"));
    CIniFile ini;
    ini.writeInteger(kSection, QStringLiteral("k"), 1);
    EXPECT_TRUE(ini.updateFile()) << ini.getFailureReason().toStdString();
    EXPECT_EQ(::access((foreign + "/ombrix.ini").constData(), F_OK), 0) << "beside it";
    EXPECT_EQ(CIniFile().readInteger(kSection, QStringLiteral("k"), 0), 1);
    // The toolkit that removes the test's folder cannot reach it.
    ::unlink((foreign + "/ombrix.ini").constData());
    ::rmdir(foreign.constData());
}

TEST_F(IniFile, WritesGoldenAndReadsBackWhatItWrote)
{
    {
        CIniFile ini;
        EXPECT_EQ(ini.readInteger(QStringLiteral("FormMain"), QStringLiteral("Top"), 25), 25);
        ini.writeString(QStringLiteral("Editor"), QStringLiteral("FontName"),
                        QStringLiteral("Courier New"));
        ini.writeInteger(QStringLiteral("FormMain"), QStringLiteral("Top"), -25);
        ini.writeBool(QStringLiteral("FormMain"), QStringLiteral("WriteLogs"), true);
        ini.writeBool(QStringLiteral("FormMain"), QStringLiteral("UseRegister"), false);
        ini.writeString(QStringLiteral("RecentFiles"), QStringLiteral("file_0"),
                        QStringLiteral(" /tmp/a \"b\" = c;\\d.ombx"));
        ASSERT_TRUE(ini.updateFile());
    }
    EXPECT_EQ(readFile(iniPath()).toStdString(),
              "[Editor]\nFontName=Courier New\n\n"
              "[FormMain]\nTop=-25\nWriteLogs=1\nUseRegister=0\n\n"
              "[RecentFiles]\nfile_0= /tmp/a \"b\" = c;\\d.ombx\n");
    // Sections and keys match in any letter case; the blank after "=" is no part of the value.
    CIniFile again;
    EXPECT_EQ(again.readString(QStringLiteral("recentfiles"), QStringLiteral("FILE_0"), QString()),
              QStringLiteral("/tmp/a \"b\" = c;\\d.ombx"));
    EXPECT_TRUE(again.readBool(QStringLiteral("formmain"), QStringLiteral("writelogs"), false));
}

// Lines it writes end as the file's first line does.
TEST_F(IniFile, KeepsEverythingItDoesNotChange)
{
    writeFile(iniPath(), "\xEF\xBB\xBF; written by hand\r\n"
                         "stray=before any section\n"
                         "[FormMain]\r\n"
                         "Top = 7\r\n"
                         "# a note\n"
                         "garbage line \xff\xfe\n"
                         "\n"
                         "[Editor]\n"
                         "FontName=Arial\n");
    CIniFile ini;
    ini.writeInteger(QStringLiteral("FormMain"), QStringLiteral("Left"), 3);
    ini.writeString(QStringLiteral("Editor"), QStringLiteral("FontName"), QStringLiteral("Mono"));
    ini.writeInteger(QStringLiteral("New"), QStringLiteral("k"), 1);
    ASSERT_TRUE(ini.updateFile());
    EXPECT_EQ(ini.readInteger(QStringLiteral("FormMain"), QStringLiteral("Top"), 0), 7);
    EXPECT_EQ(readFile(iniPath()), QByteArray("\xEF\xBB\xBF; written by hand\r\n"
                                              "stray=before any section\n"
                                              "[FormMain]\r\n"
                                              "Top = 7\r\n"
                                              "# a note\n"
                                              "garbage line \xff\xfe\n"
                                              "Left=3\r\n"
                                              "\n"
                                              "[Editor]\n"
                                              "FontName=Mono\r\n"
                                              "\r\n"
                                              "[New]\r\n"
                                              "k=1\r\n"));
}

TEST_F(IniFile, BlanksAroundKeysAndValuesAreNoPartOfThem)
{
    writeFile(iniPath(), "[Editor]\r\n"
                         "FontName = Arial\r\n"
                         "\tFontSize\t=\t12 \n"
                         "Pattern=Bold Italic\n"
                         "Empty =   \n"
                         "Inner = a = b \n");
    CIniFile ini;
    const std::pair<const char*, const char*> cases[] = {
        {"FontName", "Arial"},      // hand-edited with blanks and a CR line end
        {"FontSize", "12"},         // tabs
        {"Pattern", "Bold Italic"}, // blanks inside stay
        {"Empty", ""},              // only blanks: an empty value, not the default
        {"Inner", "a = b"},         // the first "=" ends the key
    };
    for (const auto& [key, value] : cases) {
        EXPECT_EQ(ini.readString(QStringLiteral("Editor"), QString::fromUtf8(key),
                                 QStringLiteral("default")),
                  QString::fromUtf8(value))
            << key;
    }
    EXPECT_EQ(ini.readInteger(QStringLiteral("Editor"), QStringLiteral("FontSize"), 0), 12);
    // Writing finds the hand-edited key and replaces its line.
    ini.writeString(QStringLiteral("Editor"), QStringLiteral("FontName"), QStringLiteral("Mono"));
    ASSERT_TRUE(ini.updateFile());
    EXPECT_TRUE(readFile(iniPath()).startsWith("[Editor]\r\nFontName=Mono\r\n\tFontSize"));
}

TEST_F(IniFile, WritesThatCouldAddLinesAreRefused)
{
    writeFile(iniPath(), "[S]\nfile_0=a\n");
    CIniFile ini;
    const std::tuple<QString, QString, QString> refused[] = {
        {kSection, QStringLiteral("file_1"), QStringLiteral("x\n[FormMain]\nUseRegister=1")},
        {kSection, QStringLiteral("file_1"), QStringLiteral("x\ry")},
        {kSection, QStringLiteral("file=1"), QStringLiteral("x")},
        {kSection, QStringLiteral("[x]"), QStringLiteral("x")},
        {kSection, QStringLiteral(";x"), QStringLiteral("x")},
        {kSection, QStringLiteral(" \t "), QStringLiteral("x")},
        {QStringLiteral("a]b"), QStringLiteral("k"), QStringLiteral("x")},
        {QStringLiteral("a\nb"), QStringLiteral("k"), QStringLiteral("x")},
        {QStringLiteral("  "), QStringLiteral("k"), QStringLiteral("x")},
    };
    for (const auto& [section, key, value] : refused)
        EXPECT_FALSE(ini.writeString(section, key, value)) << key.toStdString();
    EXPECT_FALSE(ini.updateFile());
    EXPECT_EQ(readFile(iniPath()), QByteArray("[S]\nfile_0=a\n"));

    // A refused write spoils only the update it belongs to.
    EXPECT_TRUE(ini.writeString(kSection, QStringLiteral("file_1"), QStringLiteral("b")));
    EXPECT_TRUE(ini.updateFile());
    EXPECT_EQ(readFile(iniPath()), QByteArray("[S]\nfile_0=a\nfile_1=b\n"));
}

TEST_F(IniFile, IntegersThatDoNotParseReadAsTheDefault)
{
    writeFile(iniPath(),
              "[S]\nplain=42\npadded= -17 \nword=abc\ntail=12abc\ndecimal=1.5\ncomma=1,5\n"
              "huge=99999999999\nhex=0x10\nempty=\nflagOn=5\nflagOff=0\nflagWord=true\n");
    CIniFile ini;
    const std::pair<const char*, int> integers[] = {
        {"plain", 42}, {"padded", -17}, {"word", -1}, {"tail", -1},  {"decimal", -1},
        {"comma", -1}, {"huge", -1},    {"hex", -1},  {"empty", -1}, {"absent", -1},
    };
    for (const auto& [key, value] : integers)
        EXPECT_EQ(ini.readInteger(kSection, QString::fromUtf8(key), -1), value) << key;
    EXPECT_TRUE(ini.readBool(kSection, QStringLiteral("flagOn"), false));
    EXPECT_FALSE(ini.readBool(kSection, QStringLiteral("flagOff"), true));
    EXPECT_TRUE(ini.readBool(kSection, QStringLiteral("flagWord"), true));
    EXPECT_FALSE(ini.readBool(kSection, QStringLiteral("flagWord"), false));
}

TEST_F(IniFile, EraseSectionRemovesEveryCopyOfIt)
{
    writeFile(iniPath(), "[RecentFiles]\nfile_0=a\n\n[FormMain]\nTop=1\n[recentfiles]\nfile_1=b\n");
    CIniFile ini;
    ASSERT_TRUE(ini.eraseSection(QStringLiteral("RecentFiles")));
    ASSERT_TRUE(ini.eraseSection(QStringLiteral("Missing")));
    ASSERT_TRUE(ini.updateFile());
    EXPECT_EQ(readFile(iniPath()), QByteArray("[FormMain]\nTop=1\n"));
}

TEST_F(IniFile, SeesChangesMadeByOthersAfterAReload)
{
    CIniFile ini;
    writeFile(iniPath(), "[S]\nk=first\n");
    EXPECT_EQ(ini.readString(kSection, QStringLiteral("k"), QString()), QStringLiteral("first"));
    writeFile(iniPath(), "[S]\nk=second\nother=kept\n");
    EXPECT_EQ(ini.readString(kSection, QStringLiteral("k"), QString()), QStringLiteral("first"))
        << "read once, until reloaded";
    ini.reload();
    ini.writeString(kSection, QStringLiteral("k"), QStringLiteral("mine"));
    ASSERT_TRUE(ini.updateFile());
    EXPECT_EQ(readFile(iniPath()), QByteArray("[S]\nk=mine\nother=kept\n"));
    // Another program writes the file between the write and the save: the save goes into it.
    ini.writeString(kSection, QStringLiteral("k"), QStringLiteral("again"));
    writeFile(iniPath(), "[S]\nk=mine\nother=kept\n[T]\nadded=1\n");
    ASSERT_TRUE(ini.updateFile());
    EXPECT_EQ(readFile(iniPath()), QByteArray("[S]\nk=again\nother=kept\n[T]\nadded=1\n"));
}

TEST_F(IniFile, ReadOnlyFileIsMadeWritable)
{
    writeFile(iniPath(), "[S]\nk=1\n");
    ASSERT_TRUE(QFile::setPermissions(iniPath(), QFileDevice::ReadOwner));
    CIniFile ini;
    EXPECT_TRUE(QFile::permissions(iniPath()).testFlag(QFileDevice::WriteOwner));
}

TEST_F(IniFile, FailedUpdateLosesNothing)
{
    const QByteArray before = "[S]\nk=1\n" + QByteArray(2000, ';') + '\n';
    writeFile(iniPath(), before);
    {
        CIniFile told;
        told.writeInteger(kSection, QStringLiteral("k"), 3);
        CFileSizeLimit fullDisk(1024);
        EXPECT_FALSE(told.updateFile());
    }
    EXPECT_EQ(readFile(iniPath()), before) << "once a failure was told, nothing writes behind it";
    CIniFile ini;
    ini.writeInteger(kSection, QStringLiteral("k"), 2);
    {
        CFileSizeLimit fullDisk(1024);
        EXPECT_FALSE(ini.updateFile());
    }
    EXPECT_EQ(readFile(iniPath()), before);
    // The write is still staged, also over a reload, and goes in with the next update.
    ini.reload();
    EXPECT_EQ(ini.readInteger(kSection, QStringLiteral("k"), 0), 2);
    EXPECT_TRUE(ini.updateFile());
    EXPECT_TRUE(readFile(iniPath()).startsWith("[S]\nk=2\n"));
}

TEST_F(IniFile, SavesInAFolderThatCannotBeWritten)
{
    writeFile(iniPath(), "[S]\nk=1\n");
    CReadOnlyFolder readOnly(binFolder());
    if (!readOnly.isEnforced())
        GTEST_SKIP() << "this process may write any folder (it runs as root)";
    for (int value : {2, 3}) {
        CIniFile ini;
        ini.writeInteger(kSection, QStringLiteral("k"), value);
        EXPECT_TRUE(ini.updateFile());
        EXPECT_EQ(readFile(iniPath()), "[S]\nk=" + QByteArray::number(value) + '\n');
    }
}

TEST_F(IniFile, APipeAFolderOrAFileTooLargeIsLeftAlone)
{
    enum class TKind { Pipe, Folder, TooLarge };
    const std::pair<TKind, int> cases[] = {
        {TKind::Pipe, EOPNOTSUPP}, // it would block the start
        {TKind::Folder, EISDIR},
        {TKind::TooLarge, EFBIG},
    };
    const QByteArray tooLarge = "[S]\nk=1\n" + QByteArray(kIniFileSizeLimit - 7, ';');
    for (const auto& [kind, error] : cases) {
        const std::string failure = systemReason(error).toStdString();
        QFile::remove(iniPath());
        QDir(iniPath()).removeRecursively();
        if (kind == TKind::Pipe)
            ASSERT_EQ(::mkfifo(QFile::encodeName(iniPath()).constData(), 0600), 0);
        else if (kind == TKind::Folder)
            ASSERT_TRUE(QDir().mkpath(iniPath()));
        else
            writeFile(iniPath(), tooLarge);
        {
            CIniFile ini;
            EXPECT_EQ(ini.readInteger(kSection, QStringLiteral("k"), 7), 7) << failure;
            EXPECT_FALSE(ini.writeInteger(kSection, QStringLiteral("k"), 1)) << failure;
            EXPECT_FALSE(ini.updateFile()) << failure;
            EXPECT_EQ(ini.getFailureReason(), systemReason(error));
        }
        EXPECT_EQ(QFileInfo(iniPath()).isDir(), kind == TKind::Folder) << failure;
        if (kind == TKind::TooLarge) {
            EXPECT_TRUE(readFile(iniPath()) == tooLarge) << "not written over";
        } else {
            EXPECT_FALSE(QFileInfo(iniPath()).isFile()) << failure << ": still not a plain file";
        }
    }
}

} // namespace
