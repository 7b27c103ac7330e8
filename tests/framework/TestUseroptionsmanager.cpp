#include "Testfolder.h"

#include "framework/Useroptionsmanager.h"
#include "platform/Executablelocation.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

class OptionsManager : public CTempFolderTest
{
protected:
    // What the user's store holds, read the way any other program would.
    QVariant stored(const QString& key) const
    {
        return QSettings(userStorePath(), QSettings::IniFormat).value(key);
    }
    bool storedInUserStore(const QString& section) const
    {
        return QSettings(userStorePath(), QSettings::IniFormat).childGroups().contains(section);
    }
    QString iniText() const { return QString::fromUtf8(readFile(iniPath())); }

    static TOptionsFormMain someFormMain()
    {
        TOptionsFormMain o;
        o.Top = -3;
        o.Left = 1920;
        o.Width = 801;
        o.Height = 602;
        o.ShowToolBar = false;
        o.ShowStatusBar = false;
        o.ShowWindowMessages = false;
        o.Maximized = true;
        o.ShowSystemTrayIcon = true;
        o.MinimizeToTaskBar = false;
        o.ShowTaskBarIcon = false;
        o.WriteLogs = true;
        o.UseRegister = true;
        o.UseFileExtension = false;
        return o;
    }
    static TOptionsEditor someEditor()
    {
        TOptionsEditor o;
        o.FontName = QString::fromUtf8("DejaVu Sans Mono, \"\xd0\x9c\xd0\xbe\xd0\xbd\xd0\xbe\"");
        o.FontStyle = TFontStyle::Bold | TFontStyle::Italic;
        o.FontSize = 14;
        o.FontColor = 255;
        o.BackgroundColor = 0x00ABCDEF;
        o.UseTab = false;
        return o;
    }
    static TOptionsWinMsg someWinMsg()
    {
        TOptionsWinMsg o;
        o.FontName = QStringLiteral("Mono");
        o.FontStyle = TFontStyle::Italic;
        o.FontSize = 8;
        o.FontColor = 65280;
        o.BackgroundColor = 0;
        o.WrapWord = true;
        return o;
    }
    static TOptionsViewResult someViewResult()
    {
        TOptionsViewResult o;
        o.WhereShowResult = 2;
        o.Precision = 4;
        o.FormatNumber = 2;
        return o;
    }
    static TOptionsFormViewResults someFormViewResults()
    {
        TOptionsFormViewResults o;
        o.Top = 100;
        o.Left = 200;
        o.Width = 300;
        o.Height = 400;
        o.ShowToolBar = false;
        o.StayOnTop = false;
        o.FontName = QStringLiteral("Serif");
        o.FontStyle = TFontStyle::Bold;
        o.FontSize = 20;
        o.FontColor = 1;
        o.BackgroundColor = 2;
        o.WrapWord = true;
        return o;
    }
};

TEST_F(OptionsManager, FreshStartLoadsTheDefaults)
{
    {
        CUserOptionsManager manager;
        manager.loadUseRegister();
        EXPECT_FALSE(manager.getUseRegister());

        TOptionsFormMain formMain;
        TOptionsEditor editor;
        TOptionsWinMsg winMsg;
        TOptionsViewResult viewResult;
        TOptionsFormViewResults results;
        manager.loadAll(formMain, editor, winMsg, viewResult, results, false);
        EXPECT_EQ(formMain.Top, 25);
        EXPECT_EQ(formMain.Left, 25);
        EXPECT_EQ(formMain.Width, 570);
        EXPECT_EQ(formMain.Height, 425);
        EXPECT_TRUE(formMain.ShowToolBar);
        EXPECT_TRUE(formMain.ShowStatusBar);
        EXPECT_FALSE(formMain.ShowWindowMessages);
        EXPECT_FALSE(formMain.Maximized);
        EXPECT_FALSE(formMain.ShowSystemTrayIcon);
        EXPECT_TRUE(formMain.MinimizeToTaskBar);
        EXPECT_TRUE(formMain.ShowTaskBarIcon);
        EXPECT_FALSE(formMain.WriteLogs);
        EXPECT_FALSE(formMain.UseRegister);
        EXPECT_TRUE(formMain.UseFileExtension);
        EXPECT_EQ(editor, TOptionsEditor());
        EXPECT_EQ(winMsg.FontName, QStringLiteral("Courier New"));
        EXPECT_EQ(winMsg.FontSize, 10);
        EXPECT_TRUE(winMsg.WrapWord);
        EXPECT_EQ(viewResult.WhereShowResult, 1);
        EXPECT_EQ(viewResult.Precision, 12);
        EXPECT_EQ(viewResult.FormatNumber, 0);
        EXPECT_EQ(results.Top, 25);
        EXPECT_EQ(results.Left, 25);
        EXPECT_EQ(results.Width, 470);
        EXPECT_EQ(results.Height, 325);
        EXPECT_TRUE(results.WrapWord);
        EXPECT_TRUE(results.ShowToolBar);
        EXPECT_TRUE(results.StayOnTop);

        // The user's store has no sections yet: the records keep what they held, except the
        // three switches, which come from the ini file.
        TOptionsFormMain untouched = someFormMain();
        TOptionsEditor untouchedEditor = someEditor();
        manager.loadFormMain(untouched, true);
        manager.loadEditor(untouchedEditor, true);
        TOptionsFormMain expected = someFormMain();
        expected.WriteLogs = false;
        expected.UseRegister = false;
        expected.UseFileExtension = true;
        EXPECT_EQ(untouched, expected);
        EXPECT_EQ(untouchedEditor, someEditor());
    }
    EXPECT_FALSE(QFile::exists(iniPath()));
    EXPECT_FALSE(QFile::exists(userStorePath()));
}

TEST_F(OptionsManager, EveryRecordSurvivesARoundTripThroughEitherStore)
{
    for (const bool useRegister : {false, true}) {
        {
            CUserOptionsManager manager;
            ASSERT_TRUE(manager.setUseRegister(useRegister));
            EXPECT_TRUE(manager.saveFormMain(someFormMain()));
            EXPECT_TRUE(manager.saveEditor(someEditor()));
            EXPECT_TRUE(manager.saveWinMsg(someWinMsg()));
            EXPECT_TRUE(manager.saveViewResult(someViewResult()));
            EXPECT_TRUE(manager.saveFormViewResult(someFormViewResults()));
        }
        CUserOptionsManager manager;
        TOptionsFormMain formMain;
        TOptionsEditor editor;
        TOptionsWinMsg winMsg;
        TOptionsViewResult viewResult;
        TOptionsFormViewResults results;
        manager.loadAll(formMain, editor, winMsg, viewResult, results, useRegister);
        EXPECT_EQ(formMain, someFormMain()) << "user store: " << useRegister;
        EXPECT_EQ(editor, someEditor()) << "user store: " << useRegister;
        EXPECT_EQ(winMsg, someWinMsg()) << "user store: " << useRegister;
        EXPECT_EQ(viewResult, someViewResult()) << "user store: " << useRegister;
        EXPECT_EQ(results, someFormViewResults()) << "user store: " << useRegister;
    }
}

TEST_F(OptionsManager, IniFileGolden)
{
    CUserOptionsManager manager;
    TOptionsFormMain formMain = someFormMain();
    formMain.UseRegister = false;
    ASSERT_TRUE(manager.saveFormMain(formMain));
    ASSERT_TRUE(manager.saveEditor(someEditor()));
    TOptionsTesting testing{QStringLiteral("/t/in.txt"), QStringLiteral("/t/out.txt")};
    ASSERT_TRUE(manager.saveTesting(testing));
    EXPECT_EQ(iniText().toStdString(),
              "[FormMain]\n"
              "WriteLogs=1\n"
              "UseRegister=0\n"
              "UseFileExtension=0\n"
              "Top=-3\n"
              "Left=1920\n"
              "Width=801\n"
              "Height=602\n"
              "ShowStatusBar=0\n"
              "ShowToolBar=0\n"
              "ShowWindowMessages=0\n"
              "Maximized=1\n"
              "ShowSystemTrayIcon=1\n"
              "MinimizeToTaskBar=0\n"
              "ShowTaskBarIcon=0\n"
              "\n"
              "[Editor]\n"
              "FontName=DejaVu Sans Mono, \"\xd0\x9c\xd0\xbe\xd0\xbd\xd0\xbe\"\n"
              "FontStyle=3\n"
              "FontSize=14\n"
              "FontColor=255\n"
              "BackgroundColor=11259375\n"
              "UseTab=0\n"
              "\n"
              "[Testing]\n"
              "TestingFileIn=/t/in.txt\n"
              "TestingFileOut=/t/out.txt\n");
}

TEST_F(OptionsManager, SwitchesAndTestingAlwaysLiveInTheIniFile)
{
    CUserOptionsManager manager;
    ASSERT_TRUE(manager.setUseRegister(true));
    ASSERT_TRUE(manager.saveFormMain(someFormMain()));
    ASSERT_TRUE(manager.saveTesting({QStringLiteral("in"), QStringLiteral("out")}));

    EXPECT_EQ(iniText(), QStringLiteral("[FormMain]\nWriteLogs=1\nUseRegister=1\nUseFileExtension=0\n\n"
                                        "[Testing]\nTestingFileIn=in\nTestingFileOut=out\n"));
    EXPECT_EQ(stored(QStringLiteral("FormMain/Top")).toInt(), -3);
    EXPECT_FALSE(stored(QStringLiteral("FormMain/WriteLogs")).isValid());
    EXPECT_FALSE(stored(QStringLiteral("FormMain/UseRegister")).isValid());
    EXPECT_FALSE(stored(QStringLiteral("FormMain/UseFileExtension")).isValid());
    EXPECT_FALSE(storedInUserStore(QStringLiteral("Testing")));

    CUserOptionsManager next;
    next.loadUseRegister();
    EXPECT_TRUE(next.getUseRegister());
    TOptionsTesting testing;
    next.loadTesting(testing);
    EXPECT_EQ(testing, (TOptionsTesting{QStringLiteral("in"), QStringLiteral("out")}));
}

TEST_F(OptionsManager, TestingFilesDefaultToTheExecutablesFolder)
{
    CUserOptionsManager manager;
    TOptionsTesting testing;
    manager.loadTesting(testing);
    EXPECT_EQ(testing.TestingFileIn, binFolder() + QStringLiteral("/testing/test_in.txt"));
    EXPECT_EQ(testing.TestingFileOut, binFolder() + QStringLiteral("/testing/test_result.txt"));
}

TEST_F(OptionsManager, MissingSectionOfTheUserStoreKeepsTheRecord)
{
    // Another section is stored, so the store itself exists.
    {
        CUserOptionsManager manager;
        ASSERT_TRUE(manager.saveEditor(someEditor(), true));
    }
    CUserOptionsManager manager;
    TOptionsWinMsg fromUserStore;
    manager.loadWinMsg(fromUserStore, true);
    EXPECT_FALSE(fromUserStore.WrapWord);
    TOptionsWinMsg fromIni;
    manager.loadWinMsg(fromIni, false);
    EXPECT_TRUE(fromIni.WrapWord);
}

TEST_F(OptionsManager, ResultsWindowSizeDefaultsDependOnTheStore)
{
    // Stored without its size: the size takes the store's own default.
    writeFile(iniPath(), "[FormViewResult]\nTop=1\n");
    writeFile(userStorePath(), "[FormViewResult]\nTop=1\n");
    CUserOptionsManager manager;
    const std::tuple<bool, int, int> cases[] = {{false, 470, 325}, {true, 570, 425}};
    for (const auto& [useRegister, width, height] : cases) {
        TOptionsFormViewResults results;
        manager.loadFormViewResult(results, useRegister);
        EXPECT_EQ(results.Top, 1);
        EXPECT_EQ(results.Width, width) << useRegister;
        EXPECT_EQ(results.Height, height) << useRegister;
    }
}

TEST_F(OptionsManager, CorruptValuesLoadAsTheirDefaultsAndTheRestStillLoads)
{
    const QByteArray corrupt = "[FormMain]\n"
                               "Top=abc\n"
                               "Left=5\n"
                               "Width=1e3\n"
                               "Maximized=yes\n"
                               "ShowToolBar=0\n"
                               "[Editor]\n"
                               "FontName=Mono\n"
                               "FontStyle=7\n"
                               "FontSize=99999999999\n"
                               "UseTab=0\n"
                               "[ViewResult]\n"
                               "Precision=\n"
                               "FormatNumber=2\n";
    writeFile(iniPath(), corrupt);
    // In the user's store a text with a comma reads back as a list, not as a text.
    writeFile(userStorePath(), corrupt + "[WinMsg]\nFontName=a, b\nFontSize=9\nthis line is malformed\n");
    for (const bool useRegister : {false, true}) {
        CUserOptionsManager manager;
        TOptionsFormMain formMain;
        TOptionsEditor editor;
        TOptionsWinMsg winMsg;
        TOptionsViewResult viewResult;
        TOptionsFormViewResults results;
        manager.loadAll(formMain, editor, winMsg, viewResult, results, useRegister);
        EXPECT_EQ(formMain.Top, 25) << useRegister;
        EXPECT_EQ(formMain.Left, 5) << useRegister;
        EXPECT_EQ(formMain.Width, 570) << useRegister;
        EXPECT_FALSE(formMain.Maximized) << useRegister;
        EXPECT_FALSE(formMain.ShowToolBar) << useRegister;
        EXPECT_EQ(editor.FontName, QStringLiteral("Mono")) << useRegister;
        EXPECT_EQ(editor.FontStyle, TFontStyles()) << useRegister;
        EXPECT_EQ(editor.FontSize, 10) << useRegister;
        EXPECT_FALSE(editor.UseTab) << useRegister;
        EXPECT_EQ(viewResult.Precision, 12) << useRegister;
        EXPECT_EQ(viewResult.FormatNumber, 2) << useRegister;
        if (useRegister) {
            EXPECT_EQ(winMsg.FontName, QStringLiteral("Courier New"));
            EXPECT_EQ(winMsg.FontSize, 9);
        }
    }
}

TEST_F(OptionsManager, MalformedUserStoreIsKeptAsideBeforeItIsRewritten)
{
    const QByteArray malformed = "[FormMain]\nTop=7\nthis line is malformed\n";
    writeFile(userStorePath(), malformed);
    CUserOptionsManager manager;
    TOptionsFormMain formMain;
    manager.loadFormMain(formMain, true);
    EXPECT_EQ(formMain.Top, 7);
    EXPECT_TRUE(manager.saveFormMain(someFormMain(), true));
    EXPECT_EQ(readFile(userStorePath() + QStringLiteral(".bad")), malformed);
    EXPECT_EQ(stored(QStringLiteral("FormMain/Top")).toInt(), -3);
}

TEST_F(OptionsManager, FailedSavesAreReported)
{
    // No folder for the ini file, and a plain file where the user's store needs a folder.
    CExecutableLocation::redirect(path(QStringLiteral("no such folder/ombrix")));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path(QStringLiteral("blocked/config")));
    writeFile(path(QStringLiteral("blocked")), "a file");
    CUserOptionsManager manager;
    EXPECT_FALSE(manager.saveEditor(someEditor(), false));
    EXPECT_FALSE(manager.saveEditor(someEditor(), true));
    EXPECT_FALSE(manager.saveFormMain(someFormMain(), true)); // the switches could not be stored
    EXPECT_FALSE(manager.saveTesting({}));
}

std::vector<QString> recentFiles(const CUserOptionsManager& manager)
{
    std::vector<QString> files;
    for (int i = 0; i < manager.getRecentFilesCount(); ++i)
        files.push_back(manager.getRecentFile(i));
    return files;
}

TEST_F(OptionsManager, RecentFileRules)
{
    struct TCase {
        const char* name;
        std::vector<QString> adds;
        std::vector<QString> expected;
    };
    const TCase cases[] = {
        {"a name already listed moves to the front", {"D", "A", "B", "A"}, {"A", "B", "D"}},
        {"the first name again changes nothing", {"A", "B", "B"}, {"B", "A"}},
        {"a sixth name drops the oldest", {"1", "2", "3", "4", "5", "6"}, {"6", "5", "4", "3", "2"}},
        {"other letter case is another file", {"/a.ombx", "/A.ombx"}, {"/A.ombx", "/a.ombx"}},
        {"names are trimmed, blank names ignored", {" /x \n", "\t", "/x"}, {"/x"}},
        {"moving the last of a full list", {"1", "2", "3", "4", "5", "1"}, {"1", "5", "4", "3", "2"}},
    };
    for (const TCase& c : cases) {
        CUserOptionsManager manager;
        for (const QString& name : c.adds)
            manager.addRecentFile(name);
        EXPECT_EQ(recentFiles(manager), c.expected) << c.name;
    }
}

TEST_F(OptionsManager, DeletingAndClearingRecentFiles)
{
    CUserOptionsManager manager;
    for (const char* name : {"5", "4", "3", "2", "1"})
        manager.addRecentFile(QString::fromLatin1(name));
    manager.deleteRecentFile(1);
    EXPECT_EQ(recentFiles(manager), (std::vector<QString>{"1", "3", "4", "5"}));
    EXPECT_EQ(manager.getRecentFile(4), QString());
    manager.deleteRecentFile(-1);
    manager.deleteRecentFile(5);
    EXPECT_EQ(manager.getRecentFilesCount(), 4);
    EXPECT_EQ(manager.getRecentFile(7), QString());
    manager.clearRecentFiles();
    EXPECT_EQ(manager.getRecentFilesCount(), 0);
}

TEST_F(OptionsManager, RecentFilesLoadWithoutGapsOrDuplicates)
{
    writeFile(userStorePath(), "[RecentFiles]\nfile_1=u\nfile_3=v\nfile_4=u\n");
    const std::pair<const char*, std::vector<QString>> cases[] = {{"UseRegister=0", {"x", "y"}},
                                                                  {"UseRegister=1", {"u", "v"}}};
    for (const auto& [choice, expected] : cases) {
        writeFile(iniPath(), QByteArray("[FormMain]\n") + choice
                                 + "\n[RecentFiles]\nfile_0=x\nfile_1=\nfile_2=x\nfile_3=y\nfile_4=  \n");
        CUserOptionsManager manager;
        manager.loadUseRegister();
        manager.addRecentFile(QStringLiteral("left over"));
        manager.loadRecentFiles();
        EXPECT_EQ(recentFiles(manager), expected) << choice;
    }
}

TEST_F(OptionsManager, SavedRecentFilesLeaveNoStaleEntries)
{
    {
        CUserOptionsManager manager;
        for (const char* name : {"/4", "/3", "/2", "/1"})
            manager.addRecentFile(QString::fromLatin1(name));
        ASSERT_TRUE(manager.setUseRegister(false));
        ASSERT_TRUE(manager.saveRecentFiles());
        ASSERT_TRUE(manager.setUseRegister(true));
        ASSERT_TRUE(manager.saveRecentFiles());
    }
    CUserOptionsManager manager;
    manager.addRecentFile(QStringLiteral("/b"));
    manager.addRecentFile(QStringLiteral("/a"));
    ASSERT_TRUE(manager.setUseRegister(false));
    ASSERT_TRUE(manager.saveRecentFiles());
    EXPECT_EQ(iniText(), QStringLiteral("[RecentFiles]\nfile_0=/a\nfile_1=/b\n"));
    // Choosing the ini file did not touch the list in the user's store.
    EXPECT_EQ(stored(QStringLiteral("RecentFiles/file_3")).toString(), QStringLiteral("/4"));

    manager.deleteRecentFile(1);
    ASSERT_TRUE(manager.setUseRegister(true));
    ASSERT_TRUE(manager.saveRecentFiles());
    EXPECT_EQ(stored(QStringLiteral("RecentFiles/file_0")).toString(), QStringLiteral("/a"));
    EXPECT_FALSE(stored(QStringLiteral("RecentFiles/file_1")).isValid());
    EXPECT_FALSE(stored(QStringLiteral("RecentFiles/file_3")).isValid());
}

TEST_F(OptionsManager, LoadAllLeavesRecentFilesTestingAndTheStoreChoiceAlone)
{
    writeFile(iniPath(), "[FormMain]\nUseRegister=1\nTop=3\n[RecentFiles]\nfile_0=/stored\n");
    CUserOptionsManager manager;
    manager.addRecentFile(QStringLiteral("/mine"));
    TOptionsFormMain formMain;
    TOptionsEditor editor;
    TOptionsWinMsg winMsg;
    TOptionsViewResult viewResult;
    TOptionsFormViewResults results;
    manager.loadAll(formMain, editor, winMsg, viewResult, results, false);
    EXPECT_EQ(formMain.Top, 3);
    EXPECT_TRUE(formMain.UseRegister);
    EXPECT_FALSE(manager.getUseRegister());
    EXPECT_EQ(recentFiles(manager), std::vector<QString>{QStringLiteral("/mine")});
}

} // namespace
