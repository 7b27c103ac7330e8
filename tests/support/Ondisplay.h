#pragma once

#include "tests/support/Scripteddialogs.h"
#include "tests/support/Testmainwindow.h"

#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <xcb/xcb.h>

// How long the display may take to show a window or carry out a change. Each wait ends as
// soon as the display has done it; the bound only keeps a window that never comes from
// stopping the run, and a loaded machine takes many seconds.
constexpr int kDisplayPatienceMs = 60000;

// The program's own connection to the X display it runs on; null elsewhere.
xcb_connection_t* displayConnection();

// The states a window carries, by name, read as a panel or a window manager reads them.
QStringList netWmStates(WId window);

// Waits until the window is shown on the display; a failure says how long it waited.
::testing::AssertionResult exposedOnDisplay(QWidget& window);

// What a window manager is told about the window while act runs, in the display's order:
// "map" when the window is mapped, "state" when its _NET_WM_STATE is written. First the
// property goes, as a window manager removes it from a window withdrawn.
std::string mappedAndStateWritten(WId window, const std::function<void()>& act);

// A window test on a real X display (tests/framework/ondisplay.sh), where the states that the
// desktop reads can be seen; elsewhere each test fails at once.
class COnDisplayTest : public CWindowTest
{
protected:
    void SetUp() override;

    static void applyTrayOptions(CTestMainWindow& window, bool tray, bool taskBarIcon);
};
