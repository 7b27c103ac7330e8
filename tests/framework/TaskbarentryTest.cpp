#include "platform/Taskbarentry.h"

#include "tests/support/Ondisplay.h"

#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

const QString kSkipTaskBar = QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR");

class TaskBarEntry : public COnDisplayTest
{
protected:
    static bool skipped(QWidget& window)
    {
        return netWmStates(window.winId()).contains(kSkipTaskBar);
    }
};

TEST_F(TaskBarEntry, MainWindowLeftOutOnlyWhileTheOptionAsks)
{
    struct TCase
    {
        const char* reason;
        bool tray;
        bool taskBarIcon;
        bool skipped;
    };
    const TCase cases[] = {
        {"no tray icon: the taskbar keeps the window", false, true, false},
        {"without a tray icon the taskbar option does not count", false, false, false},
        {"tray icon and taskbar button", true, true, false},
        {"tray icon only", true, false, true},
    };
    for (const TCase& c : cases) {
        CFakeTrayBackend::TState tray;
        CTestMainWindow window(tray);
        applyTrayOptions(window, c.tray, c.taskBarIcon);
        window.show();
        ASSERT_TRUE(exposedOnDisplay(window)) << c.reason;
        EXPECT_EQ(skipped(window), c.skipped) << c.reason;

        // Changed while the window is shown, and back.
        applyTrayOptions(window, c.tray, !c.taskBarIcon);
        ASSERT_TRUE(exposedOnDisplay(window)) << c.reason;
        EXPECT_EQ(skipped(window), c.tray && c.taskBarIcon) << "changed: " << c.reason;
        applyTrayOptions(window, c.tray, c.taskBarIcon);
        ASSERT_TRUE(exposedOnDisplay(window)) << c.reason;
        EXPECT_EQ(skipped(window), c.skipped) << "changed back: " << c.reason;
    }
}

TEST_F(TaskBarEntry, TheWindowsOtherStatesAreKept)
{
    QWidget window(nullptr, Qt::WindowStaysOnTopHint);
    window.winId();
    setTaskBarEntrySkipped(window.windowHandle(), true);
    window.show();
    ASSERT_TRUE(exposedOnDisplay(window));
    const QStringList before = netWmStates(window.winId());
    EXPECT_TRUE(before.contains(kSkipTaskBar)) << before.join(QLatin1Char(' ')).toStdString();
    ASSERT_TRUE(before.contains(QStringLiteral("_NET_WM_STATE_ABOVE")))
        << "the toolkit's own state: " << before.join(QLatin1Char(' ')).toStdString();

    // Shown, with no window manager to ask: the window's own property is changed.
    setTaskBarEntrySkipped(window.windowHandle(), false);
    QStringList expected = before;
    expected.removeAll(kSkipTaskBar);
    EXPECT_EQ(netWmStates(window.winId()), expected);
    setTaskBarEntrySkipped(window.windowHandle(), true);
    EXPECT_EQ(netWmStates(window.winId()), expected + QStringList{kSkipTaskBar});
}

} // namespace
