#include "platform/Taskbarentry.h"

#include "framework/UnFormSecondary.h"
#include "tests/support/Scripteddialogs.h"
#include "tests/support/Testmainwindow.h"

#include <QGuiApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <xcb/xcb.h>

namespace {

const QString kSkipTaskBar = QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR");

xcb_connection_t* connection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

// Every request made so far on the connection has been carried out by the display.
void roundTrip(xcb_connection_t* c)
{
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

// What a window manager is told about the window while act runs, in the display's order:
// "map" when the window is mapped, "state" when its _NET_WM_STATE is written. First the
// property goes, as a window manager removes it from a window withdrawn.
std::string mappedAndStateWritten(WId window, const std::function<void()>& act)
{
    xcb_connection_t* manager = xcb_connect(nullptr, nullptr);
    const auto id = static_cast<xcb_window_t>(window);
    const char name[] = "_NET_WM_STATE";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> state(
        xcb_intern_atom_reply(manager, xcb_intern_atom(manager, 0, std::strlen(name), name),
                              nullptr),
        &std::free);
    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(manager, id, XCB_CW_EVENT_MASK, &mask);
    xcb_delete_property(manager, id, state->atom);
    roundTrip(manager);
    act();
    roundTrip(connection());
    roundTrip(manager);
    std::string happened;
    while (xcb_generic_event_t* event = xcb_poll_for_event(manager)) {
        // Without the bit that marks an event sent by a client.
        const uint8_t type = event->response_type & 0x7f;
        const auto* property = reinterpret_cast<xcb_property_notify_event_t*>(event);
        if (type == XCB_MAP_NOTIFY)
            happened += "map ";
        else if (type == XCB_PROPERTY_NOTIFY && property->atom == state->atom
                 && property->state == XCB_PROPERTY_NEW_VALUE)
            happened += "state ";
        std::free(event);
    }
    xcb_disconnect(manager);
    return happened;
}

// The states a window carries, by name, read as a panel reads them.
QStringList netWmStates(WId window)
{
    xcb_connection_t* c = connection();
    const char name[] = "_NET_WM_STATE";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, std::strlen(name), name), nullptr);
    if (atom == nullptr)
        return {};
    xcb_get_property_reply_t* property =
        xcb_get_property_reply(c,
                               xcb_get_property(c, 0, static_cast<xcb_window_t>(window), atom->atom,
                                                XCB_ATOM_ATOM, 0, 1024),
                               nullptr);
    std::free(atom);
    QStringList names;
    if (property != nullptr && property->format == 32) {
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(property));
        for (uint32_t i = 0; i < property->value_len; ++i) {
            xcb_get_atom_name_reply_t* reply =
                xcb_get_atom_name_reply(c, xcb_get_atom_name(c, atoms[i]), nullptr);
            if (reply == nullptr)
                continue;
            names << QString::fromLatin1(xcb_get_atom_name_name(reply),
                                         xcb_get_atom_name_name_length(reply));
            std::free(reply);
        }
    }
    std::free(property);
    return names;
}

class TaskBarEntry : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        if (QGuiApplication::platformName() != QLatin1String("xcb") || connection() == nullptr)
            GTEST_FAIL() << "runs on an X display (tests/framework/ondisplay.sh)";
    }

    static void applyOptions(CTestMainWindow& window, bool tray, bool taskBarIcon)
    {
        window.formMain().ShowSystemTrayIcon = tray;
        window.formMain().ShowTaskBarIcon = taskBarIcon;
        window.applyTrayOptions();
    }

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
        applyOptions(window, c.tray, c.taskBarIcon);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window)) << c.reason;
        EXPECT_EQ(skipped(window), c.skipped) << c.reason;

        // Changed while the window is shown, and back.
        applyOptions(window, c.tray, !c.taskBarIcon);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window)) << c.reason;
        EXPECT_EQ(skipped(window), c.tray && c.taskBarIcon) << "changed: " << c.reason;
        applyOptions(window, c.tray, c.taskBarIcon);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window)) << c.reason;
        EXPECT_EQ(skipped(window), c.skipped) << "changed back: " << c.reason;
    }
}

TEST_F(TaskBarEntry, TheWindowsOtherStatesAreKept)
{
    QWidget window(nullptr, Qt::WindowStaysOnTopHint);
    window.winId();
    setTaskBarEntrySkipped(window.windowHandle(), true);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
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

using StatesThroughTheTray = TaskBarEntry;

TEST_F(StatesThroughTheTray, AreWrittenBeforeADialogIsMappedAgain)
{
    CFakeTrayBackend::TState tray;
    CTestMainWindow window(tray);
    applyOptions(window, true, false);
    window.show();
    TFormSecondary dialog(&window);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    // The desktop minimises the dialog with the window, which goes into the tray.
    dialog.showMinimized();
    window.showMinimized();
    QTRY_VERIFY(window.isHidden() && dialog.isHidden());

    // A window manager reads the states when it maps the window, and keeps its own after.
    const std::string happened = mappedAndStateWritten(dialog.winId(), [&tray] {
        tray.onActivated(TTrayMouse::DoubleClick);
    });
    EXPECT_TRUE(happened.starts_with("state ") && happened.find("map") != std::string::npos)
        << happened;
    EXPECT_TRUE(netWmStates(dialog.winId()).contains(QStringLiteral("_NET_WM_STATE_ABOVE")));
}

} // namespace
