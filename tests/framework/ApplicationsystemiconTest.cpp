#include "framework/Applicationsystemicon.h"

#include "tests/support/Scripteddialogs.h"
#include "tests/support/Testmainwindow.h"

#include <QStringList>

#include <stdexcept>

namespace {

// What the policy did to the windows, one word a call: "button+" / "button-" for the taskbar
// button, "show", "hide", "restore", "front", "showAll".
class CRecordingWindows : public CSystemIconWindows
{
public:
    void setTaskBarButtonVisible(bool visible) override
    {
        calls << (visible ? QStringLiteral("button+") : QStringLiteral("button-"));
    }
    void showMainWindow() override { calls << QStringLiteral("show"); }
    void hideMainWindow() override { calls << QStringLiteral("hide"); }
    void restoreMainWindow() override { calls << QStringLiteral("restore"); }
    void bringMainWindowToFront() override { calls << QStringLiteral("front"); }
    bool isModalWindowOpen() const override { return modalOpen; }
    void showAllWindows() override { calls << QStringLiteral("showAll"); }
    bool isMainWindowInTray() const override { return inTray; }

    // The calls since the last look, joined by blanks.
    QString take()
    {
        const QString taken = calls.join(QLatin1Char(' '));
        calls.clear();
        return taken;
    }

    QStringList calls;
    bool modalOpen = false;
    bool inTray = false;
};

class SystemIcon : public ::testing::Test
{
protected:
    // A fresh policy over a fresh notification area.
    CApplicationSystemIcon& make(bool tray, bool toTaskBar, bool taskBarIcon, bool refuses = false)
    {
        m_Icon.reset();
        m_Tray = {};
        m_Tray.refuses = refuses;
        m_Windows.calls.clear();
        m_Windows.inTray = false;
        m_Icon = std::make_unique<CApplicationSystemIcon>(
            &m_Windows, std::make_unique<CFakeTrayBackend>(m_Tray), QStringLiteral("Ombrix"));
        m_Icon->setShowTrayIcon(tray);
        m_Icon->setMinimizeToTaskBar(toTaskBar);
        m_Icon->setShowTaskBarIcon(taskBarIcon);
        return *m_Icon;
    }

    CFakeTrayBackend::TState m_Tray;
    CRecordingWindows m_Windows;
    std::unique_ptr<CApplicationSystemIcon> m_Icon;
};

TEST_F(SystemIcon, StartsWithTheTrayOffAndTheTaskBarKept)
{
    CApplicationSystemIcon icon(&m_Windows, std::make_unique<CFakeTrayBackend>(m_Tray),
                                QStringLiteral("x"));
    EXPECT_FALSE(icon.getShowTrayIcon());
    EXPECT_TRUE(icon.getMinimizeToTaskBar());
    EXPECT_TRUE(icon.getShowTaskBarIcon());
    EXPECT_FALSE(icon.isIconShown());
    EXPECT_EQ(m_Tray.adds, 0) << "only apply() adds the icon";
}

TEST_F(SystemIcon, PolicyTable)
{
    struct TCase
    {
        bool tray, toTaskBar, taskBarIcon, refuses;
        bool applied;
        const char* afterApply;
        const char* onMinimise;
        const char* onMinimiseIconLost;
        bool inTray = false; // applied while the window waits in the tray
    };
    const TCase cases[] = {
        // tray off: no icon, taskbar button shown, ordinary minimise
        {false, true, true, false, true, "button+", "", ""},
        {false, false, false, false, true, "button+", "", ""},
        {false, true, false, false, true, "button+", "", ""},
        // tray, minimise to the taskbar and taskbar icon: ordinary minimise
        {true, true, true, false, true, "button+", "", ""},
        // not to the taskbar: the button goes on minimising; only the icon remains
        {true, false, true, false, true, "button+", "button-", ""},
        // no taskbar icon: the window is hidden; without an icon it gets its button back
        {true, true, false, false, true, "button-", "hide", "button+"},
        {true, false, false, false, true, "button-", "hide", "button+"},
        // the desktop refuses the icon: the taskbar is left as it was, minimising stays ordinary
        {true, true, false, true, false, "", "button+", "button+"},
        {true, false, true, true, false, "", "", ""},
        // in the tray with no icon now: the window comes back with its button and its windows
        {false, false, false, false, true, "button+ restore front showAll", "", "", true},
        {true, true, false, true, false, "button+ restore front showAll", "button+", "button+",
         true},
    };
    for (const TCase& c : cases) {
        const std::string row = std::to_string(c.tray) + std::to_string(c.toTaskBar)
                                + std::to_string(c.taskBarIcon) + std::to_string(c.refuses)
                                + std::to_string(c.inTray);
        CApplicationSystemIcon& icon = make(c.tray, c.toTaskBar, c.taskBarIcon, c.refuses);
        m_Windows.inTray = c.inTray;
        EXPECT_EQ(icon.apply(), c.applied) << row;
        EXPECT_EQ(m_Windows.take().toStdString(), c.afterApply) << row;
        EXPECT_EQ(icon.isIconShown(), c.tray && !c.refuses) << row;
        EXPECT_EQ(m_Tray.adds, c.tray ? 1 : 0) << row;

        icon.onMinimize();
        EXPECT_EQ(m_Windows.take().toStdString(), c.onMinimise) << row;

        m_Tray.shown = false; // the desktop's panel restarted
        icon.onMinimize();
        EXPECT_EQ(m_Windows.take().toStdString(), c.onMinimiseIconLost) << row;
    }
}

TEST_F(SystemIcon, TurningTheTrayOffTakesTheIconAway)
{
    CApplicationSystemIcon& icon = make(true, true, false);
    ASSERT_TRUE(icon.apply());
    icon.setShowTrayIcon(false);
    EXPECT_TRUE(icon.apply());
    EXPECT_FALSE(m_Tray.shown);
    EXPECT_EQ(m_Tray.removes, 1);
    EXPECT_EQ(m_Windows.take(), QStringLiteral("button- button+"));
    EXPECT_FALSE(icon.isIconShown());
}

TEST_F(SystemIcon, ApplyingAgainKeepsTheIconShown)
{
    CApplicationSystemIcon& icon = make(true, true, true);
    ASSERT_TRUE(icon.apply());
    ASSERT_TRUE(icon.apply());
    EXPECT_EQ(m_Tray.adds, 1);
    m_Tray.shown = false;
    ASSERT_TRUE(icon.apply());
    EXPECT_EQ(m_Tray.adds, 2) << "a lost icon is added again";
    EXPECT_EQ(m_Tray.removes, 1);
}

TEST_F(SystemIcon, RestoreAndDoubleClick)
{
    struct TCase
    {
        bool tray, taskBarIcon, iconLost;
        const char* calls;
    };
    const TCase cases[] = {
        {false, true, false, "restore"},
        {false, false, false, "restore"},
        {true, true, false, "button+ restore front showAll"},
        {true, false, false, "show restore button- front showAll"},
        // No icon to come back by: the taskbar button stays.
        {true, false, true, "show restore button+ front showAll"},
    };
    for (const TCase& c : cases) {
        const std::string row = std::to_string(c.tray) + std::to_string(c.taskBarIcon)
                                + std::to_string(c.iconLost);
        CApplicationSystemIcon& icon = make(c.tray, true, c.taskBarIcon);
        icon.apply();
        if (c.iconLost)
            m_Tray.shown = false;
        m_Windows.take();
        icon.restore();
        EXPECT_EQ(m_Windows.take().toStdString(), c.calls) << row;
        ASSERT_TRUE(m_Tray.onActivated) << row;
        m_Tray.onActivated(TTrayMouse::DoubleClick);
        EXPECT_EQ(m_Windows.take().toStdString(), c.calls) << "double click: " << row;
        // Trays that report only an activation restore the same way.
        m_Tray.onActivated(TTrayMouse::Activation);
        EXPECT_EQ(m_Windows.take().toStdString(), c.calls) << "activation: " << row;
    }
}

TEST_F(SystemIcon, RightButtonAndOtherMouseMessages)
{
    make(true, true, true).apply();
    m_Windows.take();
    m_Tray.onActivated(TTrayMouse::RightButton);
    m_Tray.onActivated(TTrayMouse::Other);
    EXPECT_EQ(m_Windows.take(), QString()) << "no handler set: nothing";

    int clicks = 0;
    m_Icon->setOnRMouseClick([&] { ++clicks; });
    m_Tray.onActivated(TTrayMouse::RightButton);
    m_Tray.onActivated(TTrayMouse::Other);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(m_Windows.take(), QString());
}

TEST_F(SystemIcon, BringToFront)
{
    struct TCase
    {
        bool tray, modalOpen;
        const char* calls;
    };
    const TCase cases[] = {
        {true, true, "front showAll"},
        {true, false, "front"},
        {false, true, "front"},
        {false, false, "front"},
    };
    for (const TCase& c : cases) {
        CApplicationSystemIcon& icon = make(c.tray, true, true);
        m_Windows.modalOpen = c.modalOpen;
        icon.bringToFront();
        EXPECT_EQ(m_Windows.take().toStdString(), c.calls) << c.tray << c.modalOpen;
    }
}

TEST_F(SystemIcon, RefreshBringsBackALostIcon)
{
    CApplicationSystemIcon& icon = make(true, true, true);
    ASSERT_TRUE(icon.apply());
    EXPECT_TRUE(icon.refresh());
    EXPECT_EQ(m_Tray.adds, 1) << "still shown: nothing to do";

    m_Tray.shown = false;
    EXPECT_FALSE(icon.isIconShown());
    EXPECT_TRUE(icon.refresh());
    EXPECT_EQ(m_Tray.adds, 2);
    EXPECT_EQ(m_Tray.removes, 1);
    EXPECT_TRUE(icon.isIconShown());
}

TEST_F(SystemIcon, RefreshWithTheTrayOffDoesNothing)
{
    CApplicationSystemIcon& icon = make(false, true, true);
    icon.apply();
    m_Windows.take();
    EXPECT_TRUE(icon.refresh());
    EXPECT_EQ(m_Tray.adds, 0);
    EXPECT_EQ(m_Tray.removes, 0);
    EXPECT_EQ(m_Windows.take(), QString());
}

TEST_F(SystemIcon, IconThatCannotComeBackBringsTheWindowBack)
{
    CApplicationSystemIcon& icon = make(true, true, false);
    ASSERT_TRUE(icon.apply());
    icon.onMinimize();
    ASSERT_EQ(m_Windows.take(), QStringLiteral("button- hide"));
    m_Windows.inTray = true;
    // The panel is gone and takes no icon: the window in the tray would be out of reach.
    m_Tray.shown = false;
    m_Tray.refuses = true;
    EXPECT_FALSE(icon.refresh());
    EXPECT_EQ(m_Windows.take(), QStringLiteral("button+ restore front showAll"));
    m_Windows.inTray = false;
    // Every refresh asks again; once the panel is back, the icon and the policy return.
    EXPECT_FALSE(icon.refresh());
    EXPECT_EQ(m_Windows.take(), QString());
    m_Tray.refuses = false;
    EXPECT_TRUE(icon.refresh());
    EXPECT_TRUE(icon.isIconShown());
    EXPECT_EQ(m_Windows.take(), QStringLiteral("button-"));
}

TEST_F(SystemIcon, RefusedIconIsAskedForAgainByRefresh)
{
    CApplicationSystemIcon& icon = make(true, true, false, true);
    EXPECT_FALSE(icon.apply());
    m_Tray.refuses = false; // the panel started after the program
    EXPECT_TRUE(icon.refresh());
    EXPECT_TRUE(icon.isIconShown());
    EXPECT_EQ(m_Windows.take(), QStringLiteral("button-"));
}

TEST_F(SystemIcon, WithoutWindowsEverythingDoesNothing)
{
    CApplicationSystemIcon icon(nullptr, std::make_unique<CFakeTrayBackend>(m_Tray),
                                QStringLiteral("x"));
    icon.setShowTrayIcon(true);
    icon.setShowTaskBarIcon(false);
    EXPECT_FALSE(icon.apply());
    EXPECT_FALSE(icon.refresh());
    EXPECT_FALSE(icon.isIconShown());
    icon.onMinimize();
    icon.restore();
    icon.bringToFront();
    icon.onTrayMessage(TTrayMouse::DoubleClick);
    EXPECT_EQ(m_Tray.adds, 0);
    EXPECT_FALSE(m_Tray.onActivated);
}

TEST_F(SystemIcon, IconLeavesWhenThePolicyGoes)
{
    make(true, true, true).apply();
    ASSERT_TRUE(m_Tray.shown);
    m_Icon.reset();
    EXPECT_FALSE(m_Tray.shown);
    EXPECT_EQ(m_Tray.removes, 1);
}

// A failing right-click handler is reported like any other handler's failure, and the mouse
// message that ran it returns normally.
class SystemIconHandler : public CWindowTest
{
};

TEST_F(SystemIconHandler, FailingRightClickHandlerDoesNotEscape)
{
    CFakeTrayBackend::TState tray;
    CRecordingWindows windows;
    CApplicationSystemIcon icon(&windows, std::make_unique<CFakeTrayBackend>(tray),
                                QStringLiteral("x"));
    icon.setOnRMouseClick([] { throw std::runtime_error("menu failed"); });
    EXPECT_NO_THROW(tray.onActivated(TTrayMouse::RightButton));
    ASSERT_EQ(m_Dialogs.messages.size(), 1u);
    EXPECT_EQ(m_Dialogs.messages[0].text, QStringLiteral("menu failed"));
}

} // namespace
