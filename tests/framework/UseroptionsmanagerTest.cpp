#include "framework/Useroptionsmanager.h"

#include "platform/Executablelocation.h"
#include "platform/Plainfile.h"
#include "platform/Temporaryfolder.h"
#include "tests/support/Isolatedsettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRect>
#include <QSettings>

#include <cstdio>
#include <functional>
#include <sys/stat.h>
#include <utility>

namespace {

const QString kFontName = QString::fromUtf8("Mono, \"\xd0\x9c\xd0\xbe\xd0\xbd\xd0\xbe\"");
const TOptionsFormMain kFormMain{-3,   1920, 801,   602,   false, false, false,
                                 true, true, false, false, true,  true,  false};
const TOptionsEditor kEditor{kFontName, TFontStyle::Bold | TFontStyle::Italic, 14, 255, 0xABCDEF,
                             false};
const TOptionsWinMsg kWinMsg{QStringLiteral("Mono"), TFontStyle::Italic, 8, 65280, 0, true};
const TOptionsViewResult kViewResult{2, 4, 2};
const TOptionsFormViewResults kResults{
    100, 200, 300, 400, false, false, QStringLiteral("Serif"), TFontStyle::Bold, 20, 1, 2, true};

struct TRecords
{
    TOptionsFormMain formMain;
    TOptionsEditor editor;
    TOptionsWinMsg winMsg;
    TOptionsViewResult viewResult;
    TOptionsFormViewResults results;

    void loadFrom(const CUserOptionsManager& manager, bool useRegister)
    {
        manager.loadAll(formMain, editor, winMsg, viewResult, results, useRegister);
    }
};

class OptionsManager : public CIsolatedSettingsTest
{
protected:
    // What the user's store holds, read as any other program would.
    QVariant stored(const QString& key) const
    {
        return QSettings(userStorePath(), QSettings::IniFormat).value(key);
    }
    QByteArray iniText() const { return readFile(iniPath()); }
    bool tempFolderIsEmpty() const
    {
        return QDir(tempFolder()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
};

std::vector<QString> recentFiles(const CUserOptionsManager& manager)
{
    std::vector<QString> files;
    for (int i = 0; i < manager.getRecentFilesCount(); ++i)
        files.push_back(manager.getRecentFile(i));
    return files;
}

TEST_F(OptionsManager, FreshStartLoadsTheDefaults)
{
    CUserOptionsManager manager;
    manager.loadUseRegister();
    EXPECT_FALSE(manager.getUseRegister());
    TRecords fromIni;
    fromIni.loadFrom(manager, false);
    EXPECT_EQ(fromIni.formMain, (TOptionsFormMain{25, 25, 570, 425, true, true, false, false, false,
                                                  true, true, false, false, true}));
    EXPECT_EQ(fromIni.editor, TOptionsEditor());
    EXPECT_EQ(fromIni.winMsg,
              (TOptionsWinMsg{QStringLiteral("Courier New"), {}, 10, 0, 16777215, true}));
    EXPECT_EQ(fromIni.viewResult, (TOptionsViewResult{1, 12, 0}));
    EXPECT_EQ(fromIni.results, (TOptionsFormViewResults{25,
                                                        25,
                                                        470,
                                                        325,
                                                        true,
                                                        true,
                                                        QStringLiteral("Courier New"),
                                                        {},
                                                        10,
                                                        0,
                                                        16777215,
                                                        true}));

    // Nothing in the user's store: the records keep what they held, but for the three
    // switches, which always come from the ini file.
    TRecords fromUserStore{kFormMain, kEditor, kWinMsg, kViewResult, kResults};
    fromUserStore.loadFrom(manager, true);
    TOptionsFormMain expected = kFormMain;
    expected.WriteLogs = false;
    expected.UseRegister = false;
    expected.UseFileExtension = true;
    EXPECT_EQ(fromUserStore.formMain, expected);
    EXPECT_EQ(fromUserStore.editor, kEditor);
    EXPECT_EQ(fromUserStore.results, kResults);

    TOptionsTesting testing;
    manager.loadTesting(testing);
    EXPECT_EQ(testing, (TOptionsTesting{binFolder() + QStringLiteral("/testing/test_in.txt"),
                                        binFolder() + QStringLiteral("/testing/test_result.txt")}));
    EXPECT_FALSE(QFile::exists(iniPath()));
    EXPECT_FALSE(QFile::exists(userStorePath()));
}

TEST_F(OptionsManager, EveryRecordSurvivesARoundTripThroughEitherStore)
{
    // The program's folder may hold a byte that is no text (unpacked from another system), a
    // document's name a line break: the names read back name the same files.
    const QString foreign = binFolder() + QStringLiteral("/caf") + QChar(0xDCE9);
    const std::pair<bool, QString> cases[] = {{false, binFolder()},
                                              {true, binFolder()},
                                              {false, foreign},
                                              {true, foreign}};
    for (const auto& [useRegister, folder] : cases) {
        // Two appends: g++ 12 at -O3 warns falsely on the sum of two temporaries.
        std::string name = std::to_string(useRegister);
        name += folder.toStdString();
        const TOptionsTesting testing{folder + QStringLiteral("/testing/test_in.txt"),
                                      folder + QStringLiteral("/testing/test_result.txt")};
        const QString recent = folder + QStringLiteral("/a\nb.ombx");
        TOptionsFormMain formMain = kFormMain;
        formMain.UseRegister = useRegister;
        {
            CUserOptionsManager manager;
            ASSERT_TRUE(manager.setUseRegister(useRegister));
            EXPECT_TRUE(manager.saveFormMain(formMain));
            EXPECT_TRUE(manager.saveEditor(kEditor));
            EXPECT_TRUE(manager.saveWinMsg(kWinMsg));
            EXPECT_TRUE(manager.saveViewResult(kViewResult));
            EXPECT_TRUE(manager.saveFormViewResult(kResults));
            EXPECT_TRUE(manager.saveTesting(testing)) << name;
            manager.addRecentFile(recent);
            EXPECT_TRUE(manager.saveRecentFiles()) << name;
        }
        TRecords loaded;
        CUserOptionsManager manager;
        manager.loadUseRegister();
        loaded.loadFrom(manager, useRegister);
        EXPECT_EQ(loaded.formMain, formMain) << name;
        EXPECT_EQ(loaded.editor, kEditor) << name;
        EXPECT_EQ(loaded.winMsg, kWinMsg) << name;
        EXPECT_EQ(loaded.viewResult, kViewResult) << name;
        EXPECT_EQ(loaded.results, kResults) << name;
        TOptionsTesting loadedTesting;
        manager.loadTesting(loadedTesting);
        EXPECT_EQ(loadedTesting, testing) << name;
        manager.loadRecentFiles();
        EXPECT_EQ(recentFiles(manager), std::vector<QString>{recent}) << name;
    }
}

TEST_F(OptionsManager, IniFileGolden)
{
    CUserOptionsManager manager;
    TOptionsFormMain formMain = kFormMain;
    formMain.UseRegister = false;
    ASSERT_TRUE(manager.saveFormMain(formMain));
    ASSERT_TRUE(manager.saveWinMsg(kWinMsg));
    ASSERT_TRUE(manager.saveTesting({QStringLiteral("/t/in.txt"), QStringLiteral("/t/out.txt")}));
    EXPECT_EQ(iniText().toStdString(),
              "[FormMain]\nWriteLogs=1\nUseRegister=0\nUseFileExtension=0\nTop=-3\nLeft=1920\n"
              "Width=801\nHeight=602\nShowStatusBar=0\nShowToolBar=0\nShowWindowMessages=0\n"
              "Maximized=1\nShowSystemTrayIcon=1\nMinimizeToTaskBar=0\nShowTaskBarIcon=0\n\n"
              "[WinMsg]\nFontName=Mono\nFontStyle=1\nFontSize=8\nFontColor=65280\n"
              "BackgroundColor=0\nWrapWord=1\n\n"
              "[Testing]\nTestingFileIn=/t/in.txt\nTestingFileOut=/t/out.txt\n");
}

TEST_F(OptionsManager, SavedFilesGolden)
{
    // Key order and the form of every type in each store: files written before must read the
    // same, and be written the same, whatever the code behind them. What is new to the user's
    // store follows in the order of its names.
    struct TCase
    {
        const char* name;
        bool useRegister;
        std::function<bool(CUserOptionsManager&, bool)> save;
        const char* iniText;
        const char* userStoreText;
    };
    const TCase cases[] = {
        {"editor in the ini file", false,
         [](CUserOptionsManager& m, bool user) { return m.saveEditor(kEditor, user); },
         "[Editor]\nFontName=Mono, \"\xd0\x9c\xd0\xbe\xd0\xbd\xd0\xbe\"\nFontStyle=3\nFontSize=14\n"
         "FontColor=255\nBackgroundColor=11259375\nUseTab=0\n",
         nullptr},
        {"results and their window in the ini file", false,
         [](CUserOptionsManager& m, bool user) {
             return m.saveViewResult(kViewResult, user) && m.saveFormViewResult(kResults, user);
         },
         "[ViewResult]\nWhereShowResult=2\nPrecision=4\nFormatNumber=2\n\n"
         "[FormViewResult]\nFontName=Serif\nFontStyle=2\nFontSize=20\nFontColor=1\n"
         "BackgroundColor=2\nWrapWord=1\nTop=100\nLeft=200\nWidth=300\nHeight=400\n"
         "ShowToolBar=0\nStayOnTop=0\n",
         nullptr},
        {"main window in the user's store", true,
         [](CUserOptionsManager& m, bool user) { return m.saveFormMain(kFormMain, user); },
         "[FormMain]\nWriteLogs=1\nUseRegister=1\nUseFileExtension=0\n",
         "[FormMain]\nHeight=602\nLeft=1920\nMaximized=1\nMinimizeToTaskBar=0\nShowStatusBar=0\n"
         "ShowSystemTrayIcon=1\nShowTaskBarIcon=0\nShowToolBar=0\nShowWindowMessages=0\nTop=-3\n"
         "Width=801\n"},
        {"every font section in the user's store", true,
         [](CUserOptionsManager& m, bool user) {
             return m.saveWinMsg(kWinMsg, user) && m.saveFormViewResult(kResults, user)
                    && m.saveViewResult(kViewResult, user);
         },
         nullptr,
         "[FormViewResult]\nBackgroundColor=2\nFontColor=1\nFontName=Serif\nFontSize=20\n"
         "FontStyle=2\nHeight=400\nLeft=200\nShowToolBar=0\nStayOnTop=0\nTop=100\nWidth=300\n"
         "WrapWord=1\n\n"
         "[ViewResult]\nFormatNumber=2\nPrecision=4\nWhereShowResult=2\n\n"
         "[WinMsg]\nBackgroundColor=0\nFontColor=65280\nFontName=Mono\nFontSize=8\nFontStyle=1\n"
         "WrapWord=1\n"},
    };
    for (const TCase& c : cases) {
        QFile::remove(iniPath());
        QFile::remove(userStorePath());
        {
            CUserOptionsManager manager;
            ASSERT_TRUE(c.save(manager, c.useRegister)) << c.name;
        }
        EXPECT_EQ(iniText().toStdString(), c.iniText ? c.iniText : "") << c.name;
        EXPECT_EQ(readFile(userStorePath()).toStdString(), c.userStoreText ? c.userStoreText : "")
            << c.name;
    }
}

TEST_F(OptionsManager, SwitchesAndTestingAlwaysLiveInTheIniFile)
{
    CUserOptionsManager manager;
    ASSERT_TRUE(manager.setUseRegister(true));
    ASSERT_TRUE(manager.saveFormMain(kFormMain));
    ASSERT_TRUE(manager.saveTesting({QStringLiteral("in"), QStringLiteral("out")}));

    EXPECT_EQ(iniText(), QByteArray("[FormMain]\nWriteLogs=1\nUseRegister=1\nUseFileExtension=0\n\n"
                                    "[Testing]\nTestingFileIn=in\nTestingFileOut=out\n"));
    EXPECT_EQ(stored(QStringLiteral("FormMain/Top")).toInt(), -3);
    for (const char* key :
         {"FormMain/WriteLogs", "FormMain/UseRegister", "FormMain/UseFileExtension",
          "Testing/TestingFileIn", "Testing/TestingFileOut"})
        EXPECT_FALSE(stored(QString::fromLatin1(key)).isValid()) << key;

    CUserOptionsManager next;
    next.loadUseRegister();
    EXPECT_TRUE(next.getUseRegister());
}

TEST_F(OptionsManager, SectionWithoutSomeKeysTakesTheStoresDefaults)
{
    // The user's store has no "WinMsg": the record stays; the ini file answers defaults.
    writeFile(iniPath(), "[FormViewResult]\nTop=1\n");
    writeFile(userStorePath(), "[FormViewResult]\nTop=1\n");
    CUserOptionsManager manager;
    const std::tuple<bool, int, int, bool> cases[] = {{false, 470, 325, true},
                                                      {true, 570, 425, false}};
    for (const auto& [useRegister, width, height, wrapWord] : cases) {
        TRecords records;
        records.loadFrom(manager, useRegister);
        EXPECT_EQ(records.results.Top, 1);
        EXPECT_EQ(records.results.Width, width) << useRegister;
        EXPECT_EQ(records.results.Height, height) << useRegister;
        EXPECT_EQ(records.winMsg.WrapWord, wrapWord) << useRegister;
    }
}

TEST_F(OptionsManager, CorruptValuesLoadAsTheirDefaultsAndTheRestStillLoads)
{
    const QByteArray corrupt =
        "[FormMain]\nTop=abc\nLeft=5\nWidth=1e3\nMaximized=yes\nShowToolBar=0\n"
        "[Editor]\nFontName=Mono\nFontStyle=7\nFontSize=99999999999\nUseTab=0\n"
        "[ViewResult]\nPrecision=\nFormatNumber=2\n"
        // The system would take the name only up to the zero byte: another file.
        "[Testing]\nTestingFileIn=/t/in.txt\nTestingFileOut=file:///t/rep%00ort.txt\n";
    writeFile(iniPath(), corrupt);
    // In the user's store a text with a comma reads back as a list, not as a text.
    writeFile(userStorePath(), corrupt + "[WinMsg]\nFontName=a, b\nFontSize=9\n");
    for (const bool useRegister : {false, true}) {
        TRecords records;
        records.loadFrom(CUserOptionsManager(), useRegister);
        const TOptionsFormMain& formMain = records.formMain;
        EXPECT_EQ(std::make_tuple(formMain.Top, formMain.Left, formMain.Width, formMain.Maximized,
                                  formMain.ShowToolBar),
                  std::make_tuple(25, 5, 570, false, false))
            << useRegister;
        EXPECT_EQ(records.editor,
                  (TOptionsEditor{QStringLiteral("Mono"), {}, 10, 0, 16777215, false}))
            << useRegister;
        EXPECT_EQ(records.viewResult, (TOptionsViewResult{1, 12, 2})) << useRegister;
        if (useRegister) {
            EXPECT_EQ(records.winMsg.FontName, QStringLiteral("Courier New"));
            EXPECT_EQ(records.winMsg.FontSize, 9);
        }
    }
    TOptionsTesting testing;
    CUserOptionsManager().loadTesting(testing);
    EXPECT_EQ(testing, (TOptionsTesting{QStringLiteral("/t/in.txt"),
                                        binFolder() + QStringLiteral("/testing/test_result.txt")}));
}

TEST_F(OptionsManager, MalformedUserStoreIsKeptAsideBeforeItIsRewritten)
{
    const QByteArray malformed = "[FormMain]\nTop=7\nthis line is malformed\n";
    writeFile(userStorePath(), malformed);
    CUserOptionsManager manager;
    TOptionsFormMain formMain;
    manager.loadFormMain(formMain, true);
    EXPECT_EQ(formMain.Top, 7);
    EXPECT_TRUE(manager.saveFormMain(kFormMain, true));
    EXPECT_EQ(readFile(userStorePath() + QStringLiteral(".bad")), malformed);
    EXPECT_EQ(stored(QStringLiteral("FormMain/Top")).toInt(), -3);
}

TEST_F(OptionsManager, WhatOthersKeepInTheUserStoreReadsTheSameAfterSaves)
{
    // As the settings library reads the store: through a copy, since it keeps files by name.
    int reads = 0;
    const auto libraryRead = [&] {
        const QString copy = path(QStringLiteral("read%1.conf").arg(++reads));
        QFile::copy(userStorePath(), copy);
        QSettings other(copy, QSettings::IniFormat);
        QVariantMap keys;
        for (const QString& key : other.allKeys())
            keys.insert(key, other.value(key));
        return keys;
    };
    const auto libraryWrite = [this] {
        QSettings other(userStorePath(), QSettings::IniFormat);
        other.setValue(QStringLiteral("top"), QStringLiteral("@at"));
        other.setValue(QStringLiteral("General/text"), QStringLiteral(" a, b; c = \"d\" \\ "));
        other.setValue(QStringLiteral("Other/a\\b"), kFontName);
        other.setValue(QStringLiteral("Other/list"), QStringList{{}, QStringLiteral("b, c")});
        other.setValue(QStringLiteral("Other/bytes"), QByteArray("\0\xff\n", 3));
        other.setValue(QStringLiteral("Other/rect"), QRect(1, 2, 3, 4));
    };
    // clang-format off
    const std::pair<const char*, QByteArray> cases[] = {
        {"an unclosed quote", "[Other]\nk=\"abc\n"},
        {"an escape at the end", "[FormMain]\nk=a\\"},
        {"an escape before a CR and a comment", "[FormMain]\nk=a\\\r; note"},
        {"a group named General", "[%General]\nk=v\n"},
        {"names in raw UTF-8", "[\xd0\xa1\xd1\x82]\n\xd0\xba\xd0\xbb\xd1\x8e\xd1\x87=v\n"},
        {"keys ending in a slash or a backslash", "[Other]\nk/=v\nn%5C=w\n"},
        {"what the library wrote", {}},
    };
    // clang-format on
    for (const auto& [name, text] : cases) {
        QFile::remove(userStorePath());
        if (text.isEmpty())
            libraryWrite();
        else
            writeFile(userStorePath(), text);
        const QVariantMap before = libraryRead();
        ASSERT_FALSE(before.isEmpty()) << name;
        // The window moved between two exits: each start finds it where it was left.
        for (const int top : {-3, 40}) {
            TOptionsFormMain formMain = kFormMain;
            formMain.Top = top;
            ASSERT_TRUE(CUserOptionsManager().saveFormMain(formMain, true)) << name;
            TRecords loaded;
            loaded.loadFrom(CUserOptionsManager(), true);
            EXPECT_EQ(loaded.formMain, formMain) << name;
        }
        const QVariantMap after = libraryRead();
        for (auto key = before.begin(); key != before.end(); ++key)
            EXPECT_EQ(after.value(key.key()), key.value())
                << name << ": " << key.key().toStdString();
    }
}

TEST_F(OptionsManager, NothingOfTheUserStoreIsKeptOutsideItBetweenALoadAndASave)
{
    // The program may sit in the tray for weeks, while the temporary folder is cleaned or the
    // store is edited by hand: the save builds on the store as it is then, and every key stays.
    const QByteArray text = "[Foreign]\nalpha=1\nbeta=two\n[FormMain]\nLeft=300\nTop=200\n"
                            "Width=700\nHeight=500\nShowToolBar=0\nShowStatusBar=0\n";
    const std::tuple<const char*, std::function<void()>, const char*> cases[] = {
        {"nothing happens", [] {}, "two"},
        {"the temporary folder is emptied",
         [this] { QDir(tempFolder()).removeRecursively() && QDir().mkpath(tempFolder()); }, "two"},
        {"the store is edited by hand",
         [&] { writeFile(userStorePath(), QByteArray(text).replace("beta=two", "beta=three")); },
         "three"},
        {"another program replaces the store as the save reads it",
         [&] {
             CUserRegistry::setCopyReadHook([&, replaced = false](const QString&) mutable {
                 if (std::exchange(replaced, true))
                     return;
                 const QString other = path(QStringLiteral("other.conf"));
                 writeFile(other, QByteArray(text).replace("beta=two", "beta=four"));
                 std::rename(QFile::encodeName(other), QFile::encodeName(userStorePath()));
             });
         },
         "four"},
    };
    for (const auto& [name, meanwhile, beta] : cases) {
        writeFile(userStorePath(), text);
        CUserOptionsManager manager;
        TOptionsFormMain formMain;
        manager.loadFormMain(formMain, true);
        EXPECT_TRUE(tempFolderIsEmpty()) << name << ": after the load";
        meanwhile();
        formMain.Left = 60;
        ASSERT_TRUE(manager.saveFormMain(formMain, true)) << name;
        CUserRegistry::setCopyReadHook(nullptr);
        EXPECT_TRUE(tempFolderIsEmpty()) << name << ": after the save";
        EXPECT_EQ(stored(QStringLiteral("Foreign/beta")).toString(), QLatin1String(beta)) << name;
        TOptionsFormMain loaded;
        CUserOptionsManager().loadFormMain(loaded, true);
        EXPECT_EQ(std::tuple(loaded.Left, loaded.Top, loaded.Width, loaded.Height,
                             loaded.ShowToolBar, loaded.ShowStatusBar),
                  std::tuple(60, 200, 700, 500, false, false))
            << name;
    }
}

// The warnings written while it lives.
struct CWarnings
{
    static inline QStringList s_Kept;
    const QtMessageHandler m_Previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtWarningMsg)
                s_Kept.append(text);
        });
    ~CWarnings()
    {
        qInstallMessageHandler(m_Previous);
        s_Kept.clear();
    }
};

TEST_F(OptionsManager, AnOptionsFileUnreadableAtTheLoadGivesTheDefaultsAndIsNeverWrittenOver)
{
    // Whatever keeps a store from being read, the user learns it the same way; the options the
    // program then holds are the defaults, which no save may put in place of his own, even once
    // the store can be read again.
    const QByteArray text = "[FormMain]\nTop=7\nlong=" + QByteArray(30000, 'x') + '\n';
    const QByteArray tooLarge = text + QByteArray(kIniFileSizeLimit, '\n');
    // FolderMode: for the ini file, whose own mode the program mends at once.
    enum class TBlock { Folder, FullTemporaryFolder, FileMode, FolderMode, Size };
    // Which store, what keeps it from being read at the load, and the reason.
    const std::tuple<bool, TBlock, QString> cases[] = {
        {true, TBlock::Folder, systemReason(EISDIR)},
        {true, TBlock::FullTemporaryFolder,
         temporaryFolder() + QStringLiteral(": ") + systemReason(EFBIG)},
        {true, TBlock::FileMode, systemReason(EACCES)},
        {true, TBlock::Size, systemReason(EFBIG)},
        {false, TBlock::FolderMode, systemReason(EACCES)},
        {false, TBlock::Size, systemReason(EFBIG)},
    };
    for (const auto& [useRegister, block, reason] : cases) {
        if ((block == TBlock::FileMode || block == TBlock::FolderMode) && ::geteuid() == 0)
            continue; // root reads any file
        const QString file = useRegister ? userStorePath() : iniPath();
        QDir(file).removeRecursively();
        QFile::remove(file);
        if (block == TBlock::Folder)
            QDir().mkpath(file);
        else
            writeFile(file, block == TBlock::Size ? tooLarge : text);
        const QString folder = QFileInfo(file).path();
        const QFileDevice::Permissions folderMode = QFile::permissions(folder);
        if (block == TBlock::FileMode)
            QFile::setPermissions(file, QFileDevice::WriteOwner);
        if (block == TBlock::FolderMode)
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const CWarnings warnings;
        CUserOptionsManager manager;
        TOptionsFormMain formMain;
        {
            CFileSizeLimit fullDisk(block == TBlock::FullTemporaryFolder ? 20000 : RLIM_INFINITY);
            manager.loadFormMain(formMain, useRegister);
            manager.loadFormMain(formMain, useRegister);
        }
        EXPECT_EQ(formMain.Top, useRegister ? TOptionsFormMain().Top : 25) << reason.toStdString();
        EXPECT_EQ(CWarnings::s_Kept,
                  QStringList{file + QStringLiteral(": options not read, defaults used: ")
                              + reason});

        // The user mends it while the program runs.
        QFile::setPermissions(folder, folderMode);
        QDir(file).removeRecursively();
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        writeFile(file, text);
        EXPECT_FALSE(manager.saveEditor(kEditor, useRegister)) << reason.toStdString();
        EXPECT_FALSE(manager.saveFormMain(kFormMain, useRegister)) << reason.toStdString();
        EXPECT_TRUE(readFile(file) == text) << reason.toStdString();
        EXPECT_EQ(manager.takeSaveFailures(),
                  (std::vector<TStoreFailure>{
                      {file, QStringLiteral("Options not read, defaults used: ") + reason}}));
    }
}

TEST_F(OptionsManager, AUserStoreCopyThatCannotBeMadeWholeIsNotStored)
{
    // The store is copied for the settings library when it is saved; the library takes a copy
    // of its own that the disk cut short for a whole one. Either is the temporary folder's fault.
    constexpr rlim_t kFullDisk = 20000;
    const std::pair<const char*, qsizetype> cases[] = {
        {"the copy cannot be made", 30000},
        {"the library's copy is cut short", 19900},
    };
    for (const auto& [name, valueBytes] : cases) {
        const QByteArray before = "[Other]\nlong=" + QByteArray(valueBytes, 'x') + '\n';
        writeFile(userStorePath(), before);
        {
            CUserOptionsManager manager;
            TOptionsEditor editor;
            manager.loadEditor(editor, true);
            {
                CFileSizeLimit fullDisk(kFullDisk);
                EXPECT_FALSE(manager.saveEditor(kEditor, true)) << name;
            }
            EXPECT_EQ(readFile(userStorePath()), before) << name;
            EXPECT_TRUE(tempFolderIsEmpty()) << name << ": nothing of the copies is left";
            const QString reason = valueBytes > qsizetype(kFullDisk) ? systemReason(EFBIG)
                                                                     : systemReason(ENOSPC);
            EXPECT_EQ(manager.takeSaveFailures(),
                      (std::vector<TStoreFailure>{
                          {userStorePath(), temporaryFolder() + QStringLiteral(": ") + reason}}))
                << name;
        }
        EXPECT_EQ(readFile(userStorePath()), before)
            << name << ": once the failure was told, nothing writes behind it";
    }
}

TEST_F(OptionsManager, ACopyThatIsNotTheOneWrittenIsNoReading)
{
    // A cleaner of the temporary folder may act whenever the settings library is about to read
    // its copy: the library would take a missing copy for an empty store, and another file for
    // the user's.
    const QByteArray text = "[Foreign]\nalpha=1\n[Editor]\nFontSize=12\nUseTab=0\n";
    const auto removed = [](const QString& copy) { QFile::remove(copy); };
    const auto replaced = [](const QString& copy) {
        QFile::remove(copy);
        writeFile(copy, "[Editor]\nFontSize=12\n");
    };
    const auto writtenAgain = [&text](const QString& copy) {
        writeFile(copy, QByteArray(text).replace("12", "13"));
    };
    enum TMoment { LoadsRead = 1, SavesRead, SavesSync };
    // What is done to the copy, at which of the library's readings, and the reason.
    const std::tuple<std::function<void(const QString&)>, TMoment, int> cases[] = {
        {removed, LoadsRead, ENOENT},     {replaced, LoadsRead, EBUSY},
        {writtenAgain, LoadsRead, EBUSY}, {removed, SavesRead, ENOENT},
        {replaced, SavesRead, EBUSY},     {writtenAgain, SavesRead, EBUSY},
        {removed, SavesSync, EBUSY},      {replaced, SavesSync, EBUSY},
    };
    for (const auto& [meddle, moment, error] : cases) {
        const QString why = systemReason(error);
        const QString reason = temporaryFolder() + QStringLiteral(": ") + why;
        const std::string name = std::to_string(moment) + ' ' + why.toStdString();
        writeFile(userStorePath(), text);
        int readings = 0;
        CUserRegistry::setCopyReadHook([&, meddle = meddle, moment = moment](const QString& copy) {
            if (++readings == moment)
                meddle(copy);
        });
        const CWarnings warnings;
        CUserOptionsManager manager;
        TOptionsEditor editor;
        editor.FontSize = 99;
        manager.loadEditor(editor, true);
        // A store not read at the load is not written, whatever its copy is at the save.
        EXPECT_FALSE(manager.saveEditor(kEditor, true)) << name;
        CUserRegistry::setCopyReadHook(nullptr);
        EXPECT_EQ(editor.FontSize, moment == LoadsRead ? 99 : 12) << name;
        EXPECT_EQ(CWarnings::s_Kept.size(), moment == LoadsRead ? 1 : 0) << name;
        const QString refusal = moment == LoadsRead
                                    ? QStringLiteral("Options not read, defaults used: ") + reason
                                    : reason;
        EXPECT_EQ(manager.takeSaveFailures(),
                  (std::vector<TStoreFailure>{{userStorePath(), refusal}}))
            << name;
        EXPECT_TRUE(readFile(userStorePath()) == text) << name;
        EXPECT_TRUE(tempFolderIsEmpty()) << name;
    }
}

TEST_F(OptionsManager, NothingBesideTheUserStoreHoldsItsSave)
{
    // A pipe where another program would keep a lock is not waited for, nor touched.
    const QString lock = userStorePath() + QStringLiteral(".lock");
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("config"))));
    ASSERT_EQ(mkfifo(QFile::encodeName(lock).constData(), 0600), 0);
    CUserOptionsManager manager;
    EXPECT_TRUE(manager.saveEditor(kEditor, true));
    EXPECT_EQ(stored(QStringLiteral("Editor/FontSize")).toInt(), 14);
    EXPECT_FALSE(QFileInfo(lock).isFile());
}

TEST_F(OptionsManager, FailedSavesAreReported)
{
    // No folder for the ini file, and a plain file where the user's store needs a folder.
    CExecutableLocation::redirect(path(QStringLiteral("no such folder/ombrix")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(path(QStringLiteral("blocked/config"))));
    writeFile(path(QStringLiteral("blocked")), "a file");
    CUserOptionsManager manager;
    EXPECT_FALSE(manager.saveEditor(kEditor, false));
    EXPECT_FALSE(manager.saveEditor(kEditor, true));
    EXPECT_FALSE(manager.saveFormMain(kFormMain, true)); // the switches could not be stored
    EXPECT_FALSE(manager.saveTesting({}));
    // Each store once, with the system's reason.
    EXPECT_EQ(manager.takeSaveFailures(),
              (std::vector<TStoreFailure>{
                  {path(QStringLiteral("no such folder/ombrix.ini")), systemReason(ENOENT)},
                  {path(QStringLiteral("blocked/config/Ombrix.conf")), systemReason(ENOTDIR)}}));
}

TEST_F(OptionsManager, ALinkToAnOptionsFileNotThereYetStaysALink)
{
    // As a user who keeps his files in one folder and links them has it before the first save.
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("config"))));
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("kept"))));
    // Where the link leads from its folder, and why the save fails (empty: it does not).
    const std::tuple<bool, const char*, QString> cases[] = {
        {false, "../kept/ombrix.ini", {}},
        {true, "../kept/Ombrix.conf", {}},
        {false, "../none/ombrix.ini", systemReason(ENOENT)},
        {true, "Ombrix.conf", systemReason(ELOOP)},
    };
    for (const auto& [useRegister, target, reason] : cases) {
        const QString file = useRegister ? userStorePath() : iniPath();
        QFile::remove(file);
        ASSERT_TRUE(QFile::link(QLatin1String(target), file));
        CUserOptionsManager manager;
        EXPECT_EQ(manager.saveEditor(kEditor, useRegister), reason.isEmpty()) << target;
        EXPECT_TRUE(QFileInfo(file).isSymLink()) << target;
        EXPECT_EQ(readFile(file).contains("FontSize=14"), reason.isEmpty()) << target;
        std::vector<TStoreFailure> failures;
        if (!reason.isEmpty())
            failures.push_back({file, reason});
        EXPECT_EQ(manager.takeSaveFailures(), failures) << target;
    }
}

TEST_F(OptionsManager, EachLoadAndSaveSeesTheIniFileAsItIsThen)
{
    CUserOptionsManager manager;
    TOptionsEditor editor;
    for (const QByteArray size : {"11", "12"}) {
        writeFile(iniPath(), "[Editor]\nFontSize=" + size + '\n');
        manager.loadEditor(editor, false);
        EXPECT_EQ(editor.FontSize, size.toInt());
    }
    writeFile(iniPath(), "[Other]\nkept=2\n");
    ASSERT_TRUE(manager.saveViewResult(kViewResult, false));
    EXPECT_TRUE(iniText().startsWith("[Other]\nkept=2\n\n[ViewResult]\n"));
}

TEST_F(OptionsManager, RecentFileRules)
{
    struct TCase
    {
        const char* name;
        std::vector<QString> adds;
        int deleted;
        std::vector<QString> expected;
    };
    const TCase cases[] = {
        {"a listed name moves to the front", {"D", "A", "B", "A"}, -1, {"A", "B", "D"}},
        {"the first name again changes nothing", {"A", "B", "B"}, -1, {"B", "A"}},
        {"a sixth name drops the oldest",
         {"1", "2", "3", "4", "5", "6"},
         -1,
         {"6", "5", "4", "3", "2"}},
        {"moving the last of a full list",
         {"1", "2", "3", "4", "5", "1"},
         -1,
         {"1", "5", "4", "3", "2"}},
        {"other letter case is another file", {"/a.ombx", "/A.ombx"}, -1, {"/A.ombx", "/a.ombx"}},
        {"names are trimmed, blank names ignored", {" /x \n", "\t", "/x"}, -1, {"/x"}},
        {"deleting closes the gap", {"5", "4", "3", "2", "1"}, 1, {"1", "3", "4", "5"}},
        {"deleting outside the list does nothing", {"2", "1"}, 5, {"1", "2"}},
    };
    for (const TCase& c : cases) {
        CUserOptionsManager manager;
        for (const QString& name : c.adds)
            manager.addRecentFile(name);
        manager.deleteRecentFile(c.deleted);
        EXPECT_EQ(recentFiles(manager), c.expected) << c.name;
        EXPECT_EQ(manager.getRecentFile(static_cast<int>(c.expected.size())), QString()) << c.name;
    }
}

TEST_F(OptionsManager, RecentFilesLoadWithoutGapsOrDuplicates)
{
    writeFile(userStorePath(), "[RecentFiles]\nfile_1=u\nfile_3=v\nfile_4=u\n");
    const std::pair<const char*, std::vector<QString>> cases[] = {{"UseRegister=0", {"x", "y"}},
                                                                  {"UseRegister=1", {"u", "v"}}};
    for (const auto& [choice, expected] : cases) {
        writeFile(iniPath(),
                  QByteArray("[FormMain]\n") + choice
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
        ASSERT_TRUE(manager.setUseRegister(false) && manager.saveRecentFiles());
        ASSERT_TRUE(manager.setUseRegister(true) && manager.saveRecentFiles());
    }
    CUserOptionsManager manager;
    manager.addRecentFile(QStringLiteral("/b"));
    manager.addRecentFile(QStringLiteral("/a"));
    ASSERT_TRUE(manager.setUseRegister(false) && manager.saveRecentFiles());
    EXPECT_EQ(iniText(), QByteArray("[RecentFiles]\nfile_0=/a\nfile_1=/b\n"));
    // Choosing the ini file left the list in the user's store alone.
    EXPECT_EQ(stored(QStringLiteral("RecentFiles/file_3")).toString(), QStringLiteral("/4"));

    manager.deleteRecentFile(1);
    ASSERT_TRUE(manager.setUseRegister(true) && manager.saveRecentFiles());
    EXPECT_EQ(stored(QStringLiteral("RecentFiles/file_0")).toString(), QStringLiteral("/a"));
    EXPECT_FALSE(stored(QStringLiteral("RecentFiles/file_1")).isValid());
    EXPECT_FALSE(stored(QStringLiteral("RecentFiles/file_3")).isValid());
}

TEST_F(OptionsManager, LoadAllLeavesRecentFilesAndTheStoreChoiceAlone)
{
    writeFile(iniPath(), "[FormMain]\nUseRegister=1\nTop=3\n[RecentFiles]\nfile_0=/stored\n");
    CUserOptionsManager manager;
    manager.addRecentFile(QStringLiteral("/mine"));
    TRecords records;
    records.loadFrom(manager, false);
    EXPECT_EQ(records.formMain.Top, 3);
    EXPECT_TRUE(records.formMain.UseRegister);
    EXPECT_FALSE(manager.getUseRegister());
    EXPECT_EQ(recentFiles(manager), std::vector<QString>{QStringLiteral("/mine")});
}

} // namespace
