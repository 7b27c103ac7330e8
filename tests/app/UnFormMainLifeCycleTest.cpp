#include "app/Applimits.h"
#include "app/UnFormOptions.h"
#include "app/UnFormViewResults.h"
#include "app/UnFormWaitCalc.h"
#include "framework/Frameworklimits.h"
#include "framework/Windowplace.h"
#include "platform/Plainfile.h"
#include "tests/app/Mainwindowfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <csignal>
#include <optional>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class LifeCycle : public CMainWindowTest
{
};

// The times a file is written or replaced while it lives, as the system tells them: each close
// after writing it and each file renamed into its place.
class CFileWrites
{
public:
    explicit CFileWrites(const QString& fileName)
        : m_Name(QFile::encodeName(QFileInfo(fileName).fileName()))
    {
        ::inotify_add_watch(m_Watch, QFile::encodeName(QFileInfo(fileName).path()).constData(),
                            IN_CLOSE_WRITE | IN_MOVED_TO);
    }
    ~CFileWrites() { ::close(m_Watch); }

    int count()
    {
        alignas(inotify_event) char events[4096];
        for (ssize_t got; (got = ::read(m_Watch, events, sizeof events)) > 0;) {
            for (ssize_t at = 0; at < got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(events + at);
                m_Count += event->len > 0 && m_Name == event->name ? 1 : 0;
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return m_Count;
    }

private:
    QByteArray m_Name;
    int m_Watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    int m_Count = 0;
};

TEST_F(LifeCycle, StoredPlaceIsKeptOnTheDesktop)
{
    writeIni("[FormMain]\r\nUseRegister=0\r\nLeft=-5000\r\nTop=20\r\nWidth=0\r\nHeight=300\r\n");
    openWindow();
    EXPECT_EQ(m_Window->getOptionsFormMain().Left, 10);
    EXPECT_EQ(m_Window->getOptionsFormMain().Top, 20);
    EXPECT_EQ(m_Window->getOptionsFormMain().Width, 550);
    EXPECT_EQ(m_Window->getOptionsFormMain().Height, 300);
}

TEST_F(LifeCycle, StoredPlaceIsShownWhollyOnTheDesktopAndStoredAsShown)
{
    QWidget probe;
    probe.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&probe));
    const QMargins m = probe.windowHandle()->frameMargins();
    const QRect d = QGuiApplication::primaryScreen()->availableGeometry();
    struct TCase
    {
        const char* reason;
        QRect stored;
        QRect shown;
    };
    const TCase cases[] = {
        {"the frame beyond the right edge: moved in", QRect(d.width() - 350, 80, 600, 400),
         QRect(d.right() + 1 - m.right() - 600, 80, 600, 400)},
        {"the frame beyond the bottom: moved up", QRect(60, d.height() - 250, 600, 400),
         QRect(60, d.bottom() + 1 - m.bottom() - 400, 600, 400)},
        {"as wide as the desktop: the frame too", QRect(60, 80, d.width(), 400),
         QRect(d.left() + m.left(), 80, d.width() - m.left() - m.right(), 400)},
    };
    for (const TCase& c : cases) {
        writeIni(QStringLiteral("[FormMain]\r\nUseRegister=0\r\nLeft=%1\r\nTop=%2\r\nWidth=%3\r\n"
                                "Height=%4\r\n")
                     .arg(c.stored.left())
                     .arg(c.stored.top())
                     .arg(c.stored.width())
                     .arg(c.stored.height())
                     .toLatin1());
        // What the first session stores, the second shows and stores again.
        for (int session = 0; session < 2; ++session) {
            openWindow();
            EXPECT_EQ(m_Window->geometry(), c.shown) << c.reason << ", session " << session;
            m_Window->close();
            const TOptionsFormMain& stored = m_Window->getOptionsFormMain();
            EXPECT_EQ(QRect(stored.Left, stored.Top, stored.Width, stored.Height), c.shown)
                << c.reason << ", session " << session;
            m_Window.reset();
        }
    }
}

TEST_F(LifeCycle, MaximisedByTheDesktopTheWindowStoresItsNormalPlace)
{
    writeIni("[FormMain]\r\nUseRegister=0\r\nTop=80\r\nLeft=60\r\nWidth=600\r\nHeight=400\r\n");
    openWindow();
    // As a window manager does it: the native window is maximised, not the widget.
    m_Window->windowHandle()->setWindowStates(Qt::WindowMaximized);
    QTRY_VERIFY(m_Window->isMaximized());
    m_Window->close();
    const TOptionsFormMain& stored = m_Window->getOptionsFormMain();
    EXPECT_EQ(QRect(stored.Left, stored.Top, stored.Width, stored.Height), QRect(60, 80, 600, 400));
    EXPECT_TRUE(stored.Maximized);
}

TEST_F(LifeCycle, OptionsOkLeavesTheWindowsWhereTheUserPutThem)
{
    writeIni("[FormMain]\r\nUseRegister=0\r\n[ViewResult]\r\nWhereShowResult=2\r\n");
    openWindow();
    typeText(QStringLiteral("x = 1;"));
    press(Qt::Key_F5);
    TFormViewResults* results = m_Window->resultsWindow();
    ASSERT_NE(results, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(results));
    const QMargins m = results->windowHandle()->frameMargins();
    const QRect d = QGuiApplication::primaryScreen()->availableGeometry();
    struct TCase
    {
        const char* reason;
        QRect main;
        QRect results;
        QRect resultsOpenedAgain;
    };
    const TCase cases[] = {
        {"both frames beyond the right edge; opened again, moved in",
         QRect(d.right() - 300, 80, 570, 425), QRect(d.width() - 300, 60, 400, 200),
         QRect(d.right() + 1 - m.right() - 400, 60, 400, 200)},
        {"the main frame under the bottom, a narrow results window wholly on at the right",
         QRect(60, d.bottom() - 200, 570, 425),
         QRect(d.right() + 1 - m.right() - 300, 60, 300, 200),
         QRect(d.right() + 1 - m.right() - 300, 60, 300, 200)},
    };
    for (const TCase& c : cases) {
        // Where the user drags them.
        m_Window->setGeometry(c.main);
        results->setGeometry(c.results);
        QTRY_COMPARE(m_Window->windowPlace().normalPlace(), c.main);
        QTRY_COMPARE(results->windowPlace().normalPlace(), c.results);
        whenModal([](QWidget* modal) {
            auto* dialog = qobject_cast<TFormOptions*>(modal);
            ASSERT_NE(dialog, nullptr);
            dialog->ButtonOkClick();
        });
        m_Window->showOptions(TOptionsPage::Editor);
        EXPECT_EQ(m_Window->geometry(), c.main) << c.reason;
        EXPECT_EQ(results->geometry(), c.results) << c.reason;
        results->close();
        press(Qt::Key_F5);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(results));
        EXPECT_EQ(results->geometry(), c.resultsOpenedAgain) << c.reason;
    }
}

TEST_F(LifeCycle, OptionsAreWrittenAtClosingOnly)
{
    writeIni(
        "[FormMain]\r\nUseRegister=0\r\n[ViewResult]\r\nWhereShowResult=1\r\nPrecision=12\r\nFormatNumber=1\r\n");
    openWindow();
    const QByteArray before = readFile(iniPath());
    typeText(QStringLiteral("x = 1234567.5;"));

    // The options dialog changes the number format; the next results show it at once.
    whenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<TFormOptions*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QRadioButton*>(QStringLiteral("RadioButtonFormatNumberScientific"))
            ->setChecked(true);
        dialog->ButtonOkClick();
    });
    m_Window->showOptions(TOptionsPage::ViewResults);
    EXPECT_EQ(m_Window->getOptionsViewResult().FormatNumber, 2);
    press(Qt::Key_F5);
    EXPECT_TRUE(paneText().endsWith(QStringLiteral(" x = 1.2345675e+006")))
        << paneText().toStdString();
    EXPECT_EQ(readFile(iniPath()), before) << "nothing is written before closing";

    editor().document()->setModified(false);
    m_Window->close();
    EXPECT_TRUE(readFile(iniPath()).contains("FormatNumber=2"));
}

TEST_F(LifeCycle, AnExitWritesEachOptionsFileOnceWithAllOfIt)
{
    // A kill between two writes of one file would leave the recent files erased and not yet
    // written again.
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("config"))));
    const QString document = docsFolder() + QStringLiteral("/a.ombx");
    writeFile(document, "x = 1;");
    for (const bool useRegister : {false, true}) {
        m_Window.reset();
        writeIni(QByteArray("[FormMain]\nUseRegister=") + (useRegister ? "1" : "0")
                 + "\n[RecentFiles]\nfile_0=/old\n");
        writeFile(userStorePath(), "[Foreign]\nk=v\n[RecentFiles]\nfile_0=/old\n");
        openWindow();
        ASSERT_TRUE(m_Window->openFile(document));
        CFileWrites ini(iniPath());
        CFileWrites userStore(userStorePath());
        m_Window->close();
        EXPECT_EQ(ini.count(), 1) << "user store: " << useRegister;
        EXPECT_EQ(userStore.count(), useRegister ? 1 : 0) << "user store: " << useRegister;
        const QByteArray saved = readFile(useRegister ? userStorePath() : iniPath());
        EXPECT_TRUE(saved.contains("file_0=" + QFile::encodeName(document) + "\nfile_1=/old\n"))
            << saved.toStdString();
    }
}

TEST_F(LifeCycle, OutOfRangeDestinationAndFontSizeAreShownByOneRuleAndKept)
{
    writeIni("[ViewResult]\r\nWhereShowResult=7\r\n[Editor]\r\nFontSize=3000\r\n");
    openWindow();
    EXPECT_EQ(editor().font().pointSize(), kFontSizeMax);
    bool paneChosen = false;
    whenModal([&paneChosen](QWidget* modal) {
        auto* dialog = qobject_cast<TFormOptions*>(modal);
        ASSERT_NE(dialog, nullptr);
        paneChosen = dialog->findChild<QRadioButton*>(QStringLiteral("RadioButtonViewResWinMsg"))
                         ->isChecked();
        dialog->ButtonOkClick();
    });
    m_Window->showOptions(TOptionsPage::ViewResults);
    EXPECT_TRUE(paneChosen) << "where the calculation puts the results";
    EXPECT_EQ(m_Window->getOptionsViewResult().WhereShowResult, 7);
    EXPECT_EQ(m_Window->getOptionsEditor().FontSize, 3000);
}

TEST_F(LifeCycle, CalcOnStartOpensAndCalculates)
{
    writeFile(docPath(QStringLiteral("start.txt")), "s = 6 * 7;");
    writeIni("[ViewResult]\r\nWhereShowResult=1\r\nPrecision=12\r\nFormatNumber=1\r\n");
    m_Window = std::make_unique<TFormMain>(nullptr, std::make_unique<CFakeTrayBackend>(m_Tray));
    m_Window->setCommandLineFile(QStringLiteral("  ") + docPath(QStringLiteral("start.txt")));
    m_Window->setCalcOnStart();
    m_Window->show();
    EXPECT_EQ(editorText(), QStringLiteral("s = 6 * 7;"));
    // The run starts once the window is on the screen.
    QTRY_COMPARE(paneText(), QStringLiteral(" [Results of calculation] \n s = 42"));
}

TEST_F(LifeCycle, TestModeWritesTheReportAndOpensNothing)
{
    writeFile(binFolder() + QStringLiteral("/in.txt"), "a = 1;\r\n***END_BLOCK***\r\nb = ;\r\n");
    m_Window = std::make_unique<TFormMain>(nullptr, std::make_unique<CFakeTrayBackend>(m_Tray));
    m_Window->setTestMode();
    m_Window->setCommandLineFile(QStringLiteral("in.txt"));
    m_Window->setTestOutputFile(QStringLiteral("missing-folder/out.txt"));
    m_Window->show();
    // The run starts once the window is on the screen.
    QTRY_VERIFY(
        readFile(binFolder() + QStringLiteral("/out.txt")).contains("Full time of the test"));
    const QByteArray report = readFile(binFolder() + QStringLiteral("/out.txt"));
    EXPECT_TRUE(report.contains("[START]")) << report.toStdString();
    EXPECT_TRUE(report.contains("[FINISH]"));
    EXPECT_TRUE(editorText().isEmpty());
    EXPECT_TRUE(m_Window->getFileName().isEmpty());
}

TEST_F(LifeCycle, CalcOnStartWithADocumentNotFoundDoesNothing)
{
    m_Window = std::make_unique<TFormMain>(nullptr, std::make_unique<CFakeTrayBackend>(m_Tray));
    m_Window->setCommandLineFile(docPath(QStringLiteral("missing.txt")));
    m_Window->setCalcOnStart();
    m_Window->show();
    EXPECT_TRUE(editorText().isEmpty());
    EXPECT_TRUE(paneText().isEmpty()) << "nothing calculated: " << paneText().toStdString();
    EXPECT_TRUE(m_Dialogs.messages.empty());
}

TEST_F(LifeCycle, TestModeFallsBackToTheStoredFiles)
{
    struct TCase
    {
        const char* reason;
        QString input; // given on the command line
        QString report;
        QByteArray storedIn; // the Testing section's names, relative to the program
        QByteArray storedOut;
        QString written;  // the report expected, relative to the program; empty: none
        bool inputLogged; // the stored input was looked for in vain
        QString box;      // why nothing ran; empty: no box
    };
    const TCase cases[] = {
        {"both given", QStringLiteral("given.txt"), QStringLiteral("given-report.txt"),
         "stored.txt", "stored-report.txt", QStringLiteral("given-report.txt"), false, QString()},
        {"a given input not found: the stored one", QStringLiteral("missing.txt"),
         QStringLiteral("given-report.txt"), "stored.txt", "", QStringLiteral("given-report.txt"),
         false, QString()},
        {"nothing given: the stored files", QString(), QString(), "stored.txt", "stored-report.txt",
         QStringLiteral("stored-report.txt"), false, QString()},
        {"a given report without a file part: the stored one", QStringLiteral("given.txt"),
         QStringLiteral("reports/"), "", "stored-report.txt", QStringLiteral("stored-report.txt"),
         false, QString()},
        {"no input anywhere: the given name is why", QStringLiteral("missing.txt"),
         QStringLiteral("given-report.txt"), "", "stored-report.txt", QString(), false,
         QStringLiteral("Error at reading of a file 'missing.txt'.\n") + systemReason(ENOENT)},
        {"the stored input not found either: logged, and its name is why", QString(), QString(),
         "gone.txt", "stored-report.txt", QString(), true,
         QStringLiteral("Error at reading of a file 'gone.txt'.\n") + systemReason(ENOENT)},
    };
    for (const TCase& c : cases) {
        QDir(binFolder()).removeRecursively();
        m_Dialogs.messages.clear();
        writeFile(binFolder() + QStringLiteral("/given.txt"), "g = 1;\r\n");
        writeFile(binFolder() + QStringLiteral("/stored.txt"), "s = 1;\r\n");
        writeIni("[FormMain]\r\nWriteLogs=1\r\nUseRegister=0\r\n[Testing]\r\nTestingFileIn="
                 + c.storedIn + "\r\nTestingFileOut=" + c.storedOut + "\r\n");
        m_Window = std::make_unique<TFormMain>(nullptr, std::make_unique<CFakeTrayBackend>(m_Tray));
        m_Window->setTestMode();
        m_Window->setCommandLineFile(c.input);
        m_Window->setTestOutputFile(c.report);
        m_Window->show();
        // The run starts once the window is on the screen, from the next turn of the loop.
        QCoreApplication::processEvents();
        m_Window->close();
        m_Window.reset();

        const QStringList reports =
            QDir(binFolder()).entryList({QStringLiteral("*report*")}, QDir::Files);
        EXPECT_EQ(reports, c.written.isEmpty() ? QStringList() : QStringList{c.written})
            << c.reason;
        if (!c.written.isEmpty()) {
            const QByteArray report = readFile(binFolder() + QLatin1Char('/') + c.written);
            const QByteArray expectedText = c.input == QLatin1String("given.txt") ? "g = 1;"
                                                                                  : "s = 1;";
            EXPECT_TRUE(report.contains(expectedText)) << c.reason << report.toStdString();
        }
        const QByteArray log = readFile(binFolder() + QStringLiteral("/ombrix.log"));
        EXPECT_EQ(log.contains("[Testing] Can not open the file: gone.txt."), c.inputLogged)
            << c.reason << log.toStdString();
        const QString box = m_Dialogs.messages.empty() ? QString() : m_Dialogs.messages[0].text;
        EXPECT_EQ(box, c.box) << c.reason;
        EXPECT_EQ(log.contains("[TFormMain::performTesting] Error at reading"), !c.box.isEmpty())
            << c.reason << log.toStdString();
    }
}

TEST_F(LifeCycle, SelfTestReportThatCannotBeWrittenIsShownAndLogged)
{
    struct TCase
    {
        const char* reason;
        const char* kind; // what stands where the report goes: a folder or earlier reports
        rlim_t fileSizeLimit;
        int error;
    };
    const QByteArray earlier(1000, 'e');
    const TCase cases[] = {
        {"a folder", "folder", RLIM_INFINITY, EISDIR},
        {"a full disk: the earlier reports stay whole", "report", 1500, EFBIG},
        {"a disk full before the report's end: none of it written", "none", 700, EFBIG},
    };
    for (const TCase& c : cases) {
        QDir(binFolder()).removeRecursively();
        writeFile(binFolder() + QStringLiteral("/in.txt"), "a = 1;\r\n" + QByteArray(600, ' '));
        writeIni("[FormMain]\r\nWriteLogs=1\r\nUseRegister=0\r\n");
        const QString report = binFolder() + QStringLiteral("/out.txt");
        if (qstrcmp(c.kind, "folder") == 0)
            ASSERT_TRUE(QDir().mkpath(report));
        else if (qstrcmp(c.kind, "report") == 0)
            writeFile(report, earlier);
        m_Dialogs.messages.clear();
        m_Window = std::make_unique<TFormMain>(nullptr, std::make_unique<CFakeTrayBackend>(m_Tray));
        m_Window->setTestMode();
        m_Window->setCommandLineFile(QStringLiteral("in.txt"));
        m_Window->setTestOutputFile(QStringLiteral("out.txt"));
        {
            CFileSizeLimit disk(c.fileSizeLimit);
            m_Window->show();
            // The run starts once the window is on the screen, from the next turn of the loop.
            QCoreApplication::processEvents();
        }
        ASSERT_EQ(m_Dialogs.messages.size(), 1u) << c.reason;
        EXPECT_EQ(m_Dialogs.messages[0].text, QStringLiteral("Error at writing of a file '")
                                                  + report + QStringLiteral("'.\n")
                                                  + systemReason(c.error))
            << c.reason;
        EXPECT_EQ(m_Dialogs.messages[0].caption, QStringLiteral(" Error")) << c.reason;
        EXPECT_TRUE(m_Window->isVisible()) << c.reason;
        m_Window->close();
        m_Window.reset();
        if (qstrcmp(c.kind, "folder") != 0) {
            EXPECT_EQ(readFile(report), qstrcmp(c.kind, "report") == 0 ? earlier : QByteArray())
                << c.reason;
        }
        const QByteArray log = readFile(binFolder() + QStringLiteral("/ombrix.log"));
        EXPECT_TRUE(log.contains("[error] [TFormMain::performTesting] Error at writing of a file"))
            << c.reason << log.toStdString();
    }
}

TEST_F(LifeCycle, OptionsThatCannotBeWrittenAreShownAndTheWindowStillCloses)
{
    // Root may write any folder: there only the rows without a read-only folder fail.
    const bool enforced = CReadOnlyFolder(docsFolder()).isEnforced();
    const QByteArray userStore = "[FormMain]\nWriteLogs=1\nUseRegister=1\n";
    const QByteArray tooLarge(kIniFileSizeLimit + 1, '\n');
    // Read as it is, but too large to take the window's own options as well.
    const auto nearlyFull = [](const QByteArray& head) {
        return head + "[Other]\nlong=" + QByteArray(kIniFileSizeLimit - head.size() - 20, 'x')
               + '\n';
    };
    const QByteArray iniNearlyFull = nearlyFull("[FormMain]\nUseRegister=0\n");
    // TrimmedMeanwhile: too large at the start, made small by the user while the program runs.
    enum class TStoreFile { None, Pipe, TooLarge, NearlyFull, TrimmedMeanwhile };
    // The ini file, a read-only folder, what stands at the user's store, the place named and
    // the reason.
    const std::tuple<QByteArray, const char*, TStoreFile, QString, QString> cases[] = {
        {{}, "bin", TStoreFile::None, iniPath(), systemReason(EACCES)},
        {userStore, "config", TStoreFile::None, userStorePath(), systemReason(EACCES)},
        // The store is fine: the temporary folder takes no copy of it.
        {userStore, "tmp", TStoreFile::None, userStorePath(),
         tempFolder() + QStringLiteral(": ") + systemReason(EACCES)},
        {tooLarge, nullptr, TStoreFile::None, iniPath(), systemReason(EFBIG)},
        // Neither the start nor the exit waits for a writer at the other end.
        {userStore, nullptr, TStoreFile::Pipe, userStorePath(), systemReason(EOPNOTSUPP)},
        {userStore, nullptr, TStoreFile::TooLarge, userStorePath(), systemReason(EFBIG)},
        // No save makes a file the next start would not read.
        {iniNearlyFull, nullptr, TStoreFile::None, iniPath(), systemReason(EFBIG)},
        {userStore, nullptr, TStoreFile::NearlyFull, userStorePath(), systemReason(EFBIG)},
        // What the program runs on are the defaults, not the user's options.
        {userStore, nullptr, TStoreFile::TrimmedMeanwhile, userStorePath(),
         QStringLiteral("Options not read, defaults used: ") + systemReason(EFBIG)},
    };
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("config"))));
    for (const auto& [ini, readOnly, store, place, reason] : cases) {
        if (readOnly != nullptr && !enforced)
            continue;
        // Each row starts without the last row's window.
        m_Window.reset();
        if (!ini.isEmpty())
            writeIni(ini);
        QFile::remove(userStorePath());
        QByteArray storeText = store == TStoreFile::NearlyFull ? nearlyFull({}) : tooLarge;
        if (store != TStoreFile::None && store != TStoreFile::Pipe)
            writeFile(userStorePath(), storeText);
        if (store == TStoreFile::Pipe) {
            ASSERT_EQ(mkfifo(QFile::encodeName(userStorePath()).constData(), 0600), 0);
        }
        m_Dialogs.messages.clear();
        openWindow();
        if (store == TStoreFile::TrimmedMeanwhile) {
            storeText = "[Editor]\nFontSize=14\n";
            writeFile(userStorePath(), storeText);
        }
        {
            std::optional<CReadOnlyFolder> folder;
            if (readOnly != nullptr)
                folder.emplace(path(QLatin1String(readOnly)));
            m_Window->close();
        }
        EXPECT_FALSE(m_Window->isVisible()) << reason.toStdString();
        ASSERT_EQ(m_Dialogs.messages.size(), 1u) << reason.toStdString();
        EXPECT_EQ(m_Dialogs.messages[0].text,
                  QStringLiteral("The options are not saved.\nError at writing of a file '") + place
                      + QStringLiteral("'.\n") + reason);
        EXPECT_EQ(m_Dialogs.messages[0].icon, TMessageIcon::Warning);
        // What could not be read is left as it was, and not copied aside.
        if (store == TStoreFile::Pipe) {
            EXPECT_FALSE(QFileInfo(userStorePath()).isFile());
        }
        if (store != TStoreFile::None && store != TStoreFile::Pipe) {
            EXPECT_EQ(readFile(userStorePath()), storeText) << reason.toStdString();
        }
        if (ini == iniNearlyFull) {
            EXPECT_EQ(readFile(iniPath()), ini) << reason.toStdString();
        }
        EXPECT_FALSE(QFile::exists(userStorePath() + QStringLiteral(".bad")))
            << reason.toStdString();
    }
    // Logs are on where the options are kept for the user.
    EXPECT_TRUE(readFile(binFolder() + QStringLiteral("/ombrix.log"))
                    .contains("[error] [TFormMain::saveOptions] The options are not saved."));
}

TEST_F(LifeCycle, StartAndEndAreLoggedWhenLogsAreOn)
{
    writeIni("[FormMain]\r\nWriteLogs=1\r\nUseRegister=0\r\n");
    openWindow();
    m_Window->close();
    m_Window.reset();
    const QByteArray log = readFile(binFolder() + QStringLiteral("/ombrix.log"));
    EXPECT_TRUE(log.contains("[information] start of program")) << log.toStdString();
    EXPECT_TRUE(log.contains("[information] end of program"));
}

} // namespace

namespace {

volatile std::sig_atomic_t s_SignalPassedOn = 0;

TEST_F(LifeCycle, RunsAtStartCanBeStoppedFromTheWaitWindow)
{
    QString levels = QStringLiteral("f0(x) = x + 1;\r\n");
    for (int n = 1; n <= 40; ++n)
        levels += QStringLiteral("f%1(x) = f%2(x) + f%2(x);\r\n").arg(n).arg(n - 1);
    levels += QStringLiteral("y = f40(1);");
    const QRegularExpression stopLine(
        QStringLiteral(R"( \[error, line \d+, position \d+\] the calculation is stopped)"));
    struct TCase
    {
        const char* reason;
        bool selfTest; // "-test", otherwise "-calc"
        int signal;    // what stops it from outside; 0: Esc
    };
    const TCase cases[] = {{"-calc", false, 0}, {"-test", true, 0}, {"-test, TERM", true, SIGTERM}};
    for (const TCase& c : cases) {
        // The self-test's first block ends before the endless one.
        writeFile(
            docPath(QStringLiteral("levels.txt")),
            (c.selfTest ? QStringLiteral("a = 1;***END_BLOCK***") + levels : levels).toLatin1());
        // Stands for the signal's own action, which the program gives it back once reported.
        s_SignalPassedOn = 0;
        struct sigaction passedOn = {}, previous = {};
        passedOn.sa_handler = [](int signal) { s_SignalPassedOn = signal; };
        ::sigaction(SIGTERM, &passedOn, &previous);
        QFile::remove(docPath(QStringLiteral("report.txt")));
        m_Window = std::make_unique<TFormMain>(nullptr, std::make_unique<CFakeTrayBackend>(m_Tray));
        m_Window->setCommandLineFile(docPath(QStringLiteral("levels.txt")));
        if (c.selfTest) {
            m_Window->setTestMode();
            m_Window->setTestOutputFile(docPath(QStringLiteral("report.txt")));
        } else {
            m_Window->setCalcOnStart();
        }
        // The window is on the screen during the run: its File > Exit is at hand.
        bool windowShown = false;
        QTimer escape;
        escape.setInterval(10);
        QObject::connect(&escape, &QTimer::timeout, [&] {
            auto* wait = m_Window->findChild<TFormWaitCalc*>();
            if (wait != nullptr && wait->isVisible()) {
                escape.stop();
                windowShown = m_Window->windowHandle()->isVisible();
                if (c.signal != 0)
                    ::kill(::getpid(), c.signal);
                else
                    QTest::keyClick(wait, Qt::Key_Escape);
            }
        });
        escape.start();
        m_Window->show();
        QTRY_VERIFY_WITH_TIMEOUT(!escape.isActive() && !m_Window->isCalculating(), 10000);
        EXPECT_TRUE(windowShown) << c.reason;
        const QString shown =
            c.selfTest ? QString::fromLatin1(readFile(docPath(QStringLiteral("report.txt"))))
                       : paneText();
        EXPECT_TRUE(shown.contains(stopLine)) << c.reason << shown.toStdString();
        EXPECT_EQ(shown.contains(QLatin1String("a=1\r\n"))
                      && shown.contains(QLatin1String(
                          "[STOPPED] The test was stopped here; blocks not run: 0 of 2.")),
                  c.selfTest)
            << c.reason;
        ::sigaction(SIGTERM, &previous, nullptr);
        EXPECT_EQ(s_SignalPassedOn, c.signal) << c.reason;
        EXPECT_EQ(editorText(), c.selfTest ? QString() : QString(levels).remove(QLatin1Char('\r')))
            << c.reason;
        EXPECT_TRUE(m_Window->isVisible()) << c.reason;
        m_Window->close();
        m_Window.reset();
    }
}

} // namespace
