#include "framework/UnFormMainBaseImpl.h"

#include "framework/Filelog.h"
#include "framework/UnFormSecondary.h"
#include "tests/support/Scripteddialogs.h"
#include "tests/support/Testmainwindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

#include <functional>

namespace {

const QDateTime kNow(QDate(2024, 3, 5), QTime(7, 8, 9));
const QByteArray kStamp = "[05/Mar/2024 07:08:09] ";
constexpr int kProgramEndGuardMs = 10000;

class MainWindowBase : public CWindowTest
{
protected:
    QByteArray logContent() const { return readFile(binFolder() + QStringLiteral("/ombrix.log")); }
    static void fixClock()
    {
        CFileLog::getInstance()->setClock([] { return kNow; });
    }
};

TEST_F(MainWindowBase, LogsOneLineOnlyWhenWriteLogsIsOn)
{
    using TLog = std::function<void(TFormMainBaseImpl&)>;
    struct TCase
    {
        const char* reason;
        bool writeLogs;
        TLog log;
        QByteArray line; // empty: nothing written
    };
    const TCase cases[] = {
        {"type, source, text", true,
         [](TFormMainBaseImpl& w) {
             w.writeLog(CFileLog::TYPE_SYSTEM_ERROR, QStringLiteral("TFormMain::FileOpen"),
                        QStringLiteral("first\r\nsecond\nthird\r"));
         },
         "[+++] " + kStamp + "[system error] [TFormMain::FileOpen] first  second third"},
        {"type, text", true,
         [](TFormMainBaseImpl& w) {
             w.writeLog(CFileLog::TYPE_INFORMATION, QStringLiteral("\n  Program started.\n"));
         },
         "[++-] " + kStamp + "[information] Program started."},
        {"text only", true, [](TFormMainBaseImpl& w) { w.writeLog(QStringLiteral("a\tb\nc")); },
         "[+--] " + kStamp + "a\tb c"},
        {"only line breaks: an entry without text", true,
         [](TFormMainBaseImpl& w) { w.writeLog(QStringLiteral("\r\n\r\n")); },
         "[+--] " + kStamp.trimmed()},
        {"off: type, source, text", false,
         [](TFormMainBaseImpl& w) {
             w.writeLog(CFileLog::TYPE_ERROR, QStringLiteral("s"), QStringLiteral("x"));
         },
         ""},
        {"off: type, text", false,
         [](TFormMainBaseImpl& w) { w.writeLog(CFileLog::TYPE_ERROR, QStringLiteral("x")); }, ""},
        {"off: text", false, [](TFormMainBaseImpl& w) { w.writeLog(QStringLiteral("x")); }, ""},
    };
    for (const TCase& c : cases) {
        QFile::remove(binFolder() + QStringLiteral("/ombrix.log"));
        {
            CTestMainWindow window;
            fixClock();
            window.formMain().WriteLogs = c.writeLogs;
            c.log(window);
        } // the log writes what is pending when its last user goes
        EXPECT_EQ(logContent(), c.line.isEmpty() ? QByteArray() : c.line + '\n') << c.reason;
    }
}

TEST_F(MainWindowBase, LogGoesWhenItsLastWindowGoes)
{
    EXPECT_EQ(CFileLog::getInstance(), nullptr);
    {
        CTestMainWindow first;
        EXPECT_EQ(CFileLog::getRefCount(), 1);
        EXPECT_EQ(CFileLog::getInstance()->getFilePath(),
                  binFolder() + QStringLiteral("/ombrix.log"));
        {
            CTestMainWindow second;
            EXPECT_EQ(CFileLog::getRefCount(), 2);
        }
        EXPECT_EQ(CFileLog::getRefCount(), 1);
    }
    EXPECT_EQ(CFileLog::getInstance(), nullptr);
}

TEST(MakeOneLine, TrimsAndPutsBlanksForLineBreaks)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"one line", "one line"},
        {"a\r\nb", "a  b"}, // each of CR and LF becomes a blank
        {"a\nb\rc", "a b c"},
        {"\r\n a \r\n", "a"},         // breaks at the ends are trimmed away
        {"\t\x01 a\tb \x1f", "a\tb"}, // control characters only at the ends
        {"\n\n\n", ""},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(TFormMainBaseImpl::makeOneLine(QString::fromUtf8(in)), QString::fromUtf8(out))
            << in;
}

TEST_F(MainWindowBase, ResultsWindowStateIsKept)
{
    CTestMainWindow window;
    window.setViewResultWindow(11, 12, 300, 200, 14, true, false);
    const TOptionsFormViewResults& r = window.getOptionsFormViewResults();
    EXPECT_EQ((std::vector<int>{r.Top, r.Left, r.Width, r.Height, r.FontSize}),
              (std::vector<int>{11, 12, 300, 200, 14}));
    EXPECT_TRUE(r.WrapWord);
    EXPECT_FALSE(r.ShowToolBar);
}

TEST_F(MainWindowBase, BaseRightClickShowsItsName)
{
    CTestMainWindow window;
    window.onRMouseClickTrayIcon();
    ASSERT_EQ(m_Dialogs.messages.size(), 1u);
    EXPECT_EQ(m_Dialogs.messages[0].text,
              QStringLiteral("TFormMainBaseImpl::onRMouseClickTrayIcon"));
    EXPECT_EQ(m_Dialogs.messages[0].icon, TMessageIcon::Information);
    EXPECT_EQ(m_Dialogs.messages[0].buttons, TMessageButtons::Ok);
}

// The tray policy acting on a real main window, with a notification area under the test's
// control.
class MainWindowTray : public MainWindowBase
{
protected:
    void applyOptions(CTestMainWindow& window, bool tray, bool toTaskBar, bool taskBarIcon)
    {
        window.formMain().ShowSystemTrayIcon = tray;
        window.formMain().MinimizeToTaskBar = toTaskBar;
        window.formMain().ShowTaskBarIcon = taskBarIcon;
        window.applyTrayOptions();
    }
    static void minimise(QWidget& window)
    {
        window.showMinimized();
        QCoreApplication::processEvents(); // the policy acts once minimising is complete
    }
    static bool isToolWindow(const QWidget& window)
    {
        return window.windowFlags().testFlag(Qt::Tool);
    }
    // Runs the program's event loop with act as its first event: true when the program ended
    // it, false when the guard had to (kProgramEndGuardMs only keeps the test from hanging).
    static bool programEndsAfter(const std::function<void()>& act)
    {
        QTimer guard;
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        guard.start(kProgramEndGuardMs);
        QTimer::singleShot(0, &guard, act);
        return QApplication::exec() == 0;
    }

    CFakeTrayBackend::TState m_Tray;
};

TEST_F(MainWindowTray, PolicyByOptions)
{
    struct TCase
    {
        const char* reason;
        bool tray, toTaskBar, taskBarIcon;
        bool refuses;   // the desktop refuses the icon
        bool losesIcon; // the desktop loses the icon after it was added
        bool noButton;  // after applying: no taskbar button
        bool hidden;    // after minimising: the window is hidden
        bool noButtonMinimised;
        bool noButtonRestored;
        bool dialogOpen = false;    // minimised with the window, as some desktops do
        bool trayOffInTray = false; // the tray is turned off while the window is in it
        bool dialogWaits = false;   // the open dialog is modal, beside a modeless one
    };
    const TCase cases[] = {
        {"tray off", false, true, true, false, false, false, false, false, false},
        {"tray off, other flags off", false, false, false, false, false, false, false, false,
         false},
        {"ordinary minimise to the taskbar", true, true, true, false, false, false, false, false,
         false},
        {"minimised: only the tray icon", true, false, true, false, false, false, true, false,
         false},
        {"no taskbar button: hidden", true, true, false, false, false, true, true, true, true},
        {"no taskbar button, not to the taskbar: hidden", true, false, false, false, false, true,
         true, true, true},
        {"icon refused: ordinary minimise", true, false, false, true, false, false, false, false,
         false},
        {"icon refused, to taskbar off: ordinary minimise", true, false, true, true, false, false,
         false, false, false},
        {"icon lost: the button comes back", true, true, false, false, true, true, false, false,
         false},
        {"icon lost, not to the taskbar: ordinary", true, false, true, false, true, false, false,
         false, false},
        {"no taskbar button: the open dialog goes too and comes back", true, true, false, false,
         false, true, true, true, true, true},
        {"not to the taskbar: the open dialog goes too and comes back", true, false, true, false,
         false, false, true, false, false, true},
        {"the tray turned off: the window comes back with its dialog", true, true, false, false,
         false, true, true, true, false, true, true},
        {"no taskbar button: a waiting dialog comes forward from the tray", true, true, false,
         false, false, true, true, true, true, true, false, true},
        {"not to the taskbar: a waiting dialog comes forward from the tray", true, false, true,
         false, false, false, true, false, false, true, false, true},
    };
    for (const TCase& c : cases) {
        m_Tray = {};
        m_Tray.refuses = c.refuses;
        CTestMainWindow window(m_Tray);
        window.show();
        TFormSecondary dialog(&window);
        TFormSecondary modeless(&window);
        if (c.dialogWaits) {
            dialog.setWindowModality(Qt::WindowModal);
            modeless.show();
        }
        if (c.dialogOpen)
            dialog.show();
        applyOptions(window, c.tray, c.toTaskBar, c.taskBarIcon);
        EXPECT_EQ(m_Tray.shown, c.tray && !c.refuses) << c.reason;
        EXPECT_EQ(isToolWindow(window), c.noButton) << c.reason;
        EXPECT_TRUE(window.isVisible()) << c.reason;
        if (c.losesIcon)
            m_Tray.shown = false;

        if (c.dialogOpen)
            dialog.showMinimized();
        minimise(window);
        EXPECT_TRUE(window.isMinimized()) << c.reason;
        EXPECT_EQ(!window.isVisible(), c.hidden) << c.reason;
        if (!c.hidden) {
            EXPECT_EQ(isToolWindow(window), c.noButtonMinimised) << c.reason;
        }
        if (c.dialogOpen) {
            // Hidden, a waiting dialog would stop waiting for its answer.
            EXPECT_EQ(dialog.isVisible(), c.dialogWaits) << c.reason;
        }
        if (c.dialogWaits) {
            EXPECT_FALSE(modeless.isVisible()) << c.reason;
            // The right click on the icon: the waiting dialog comes forward, the rest stays.
            window.bringToFront();
            EXPECT_TRUE(dialog.isVisible() && !dialog.isMinimized()) << c.reason;
            EXPECT_FALSE(window.isVisible() || modeless.isVisible()) << c.reason;
            dialog.showMinimized();
        }
        if (c.trayOffInTray) {
            applyOptions(window, false, c.toTaskBar, c.taskBarIcon);
            EXPECT_TRUE(window.isVisible()) << c.reason;
        }

        ASSERT_TRUE(m_Tray.onActivated) << c.reason;
        m_Tray.onActivated(TTrayMouse::DoubleClick);
        EXPECT_TRUE(window.isVisible()) << c.reason;
        EXPECT_FALSE(window.isMinimized()) << c.reason;
        EXPECT_EQ(isToolWindow(window), c.noButtonRestored) << c.reason;
        if (c.dialogOpen) {
            EXPECT_TRUE(dialog.isVisible() && !dialog.isMinimized()) << c.reason;
        }
        if (c.dialogWaits) {
            EXPECT_TRUE(modeless.isVisible()) << c.reason;
            dialog.hide();
        }
        // Closing the main window must still end the program, also from the tray.
        EXPECT_TRUE(window.testAttribute(Qt::WA_QuitOnClose)) << c.reason;
        minimise(window);
        EXPECT_TRUE(programEndsAfter([&window] { window.close(); })) << c.reason;
    }
}

TEST_F(MainWindowTray, RestoreFromTrayBringsTheWindowBack)
{
    CTestMainWindow window(m_Tray);
    window.show();
    applyOptions(window, true, true, false);
    minimise(window);
    ASSERT_FALSE(window.isVisible());
    window.restoreFromTray();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());
}

TEST_F(MainWindowTray, RightButtonCallsTheHandlerWhenOneIsSet)
{
    CTestMainWindow window(m_Tray);
    applyOptions(window, true, true, true);
    m_Tray.onActivated(TTrayMouse::RightButton);
    EXPECT_TRUE(m_Dialogs.messages.empty()) << "no handler: nothing";
    int clicks = 0;
    window.setOnRMouseClickTrayIcon([&] { ++clicks; });
    m_Tray.onActivated(TTrayMouse::RightButton);
    m_Tray.onActivated(TTrayMouse::Other);
    EXPECT_EQ(clicks, 1);
}

TEST_F(MainWindowTray, RefreshFollowsTheTrayOption)
{
    CTestMainWindow window(m_Tray);
    applyOptions(window, true, true, true);
    ASSERT_EQ(m_Tray.adds, 1);
    m_Tray.shown = false; // the desktop's panel restarted
    window.formMain().ShowSystemTrayIcon = false;
    window.refreshTrayIcon();
    EXPECT_EQ(m_Tray.adds, 1) << "the tray option is off: nothing";
    window.formMain().ShowSystemTrayIcon = true;
    window.refreshTrayIcon();
    EXPECT_EQ(m_Tray.adds, 2);
    EXPECT_TRUE(m_Tray.shown);
}

TEST_F(MainWindowTray, TipIsTheApplicationTitleCutTo127Characters)
{
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QString(200, QLatin1Char('t')));
    {
        CTestMainWindow window(m_Tray);
        applyOptions(window, true, true, true);
    }
    QCoreApplication::setApplicationName(name);
    EXPECT_EQ(m_Tray.tip, QString(127, QLatin1Char('t')));
}

TEST_F(MainWindowTray, IconLeavesWithTheWindow)
{
    {
        CTestMainWindow window(m_Tray);
        applyOptions(window, true, true, true);
        ASSERT_TRUE(m_Tray.shown);
    }
    EXPECT_FALSE(m_Tray.shown);
    EXPECT_EQ(m_Tray.removes, 1);
}

TEST_F(MainWindowTray, WithoutTheTrayPolicyTheWindowStillWorks)
{
    QFile::remove(binFolder() + QStringLiteral("/ombrix.log"));
    m_Tray.failsToConnect = true;
    {
        CTestMainWindow window(m_Tray);
        EXPECT_EQ(window.getSystemIcon(), nullptr);
        window.show();
        int clicks = 0;
        window.setOnRMouseClickTrayIcon([&] { ++clicks; });
        applyOptions(window, true, false, false);
        EXPECT_EQ(m_Tray.adds, 0) << "no icon is asked for";
        EXPECT_FALSE(isToolWindow(window)) << "the taskbar button stays";
        window.refreshTrayIcon();
        window.bringToFront();
        EXPECT_EQ(m_Tray.adds, 0);

        minimise(window);
        EXPECT_TRUE(window.isMinimized());
        EXPECT_TRUE(window.isVisible()) << "an ordinary minimise";
        window.restoreFromTray();
        EXPECT_TRUE(window.isMinimized()) << "nothing to restore from";
        window.showNormal();
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(clicks, 0);

        // Logging still works once it is on.
        window.formMain().WriteLogs = true;
        window.writeLog(QStringLiteral("still here"));
    }
    // The failure itself came before WriteLogs could be on, so it is not in the file.
    const QByteArray log = logContent();
    EXPECT_FALSE(log.contains("CApplicationSystemIcon")) << log.constData();
    EXPECT_TRUE(log.endsWith("still here\n")) << log.constData();
}

} // namespace
