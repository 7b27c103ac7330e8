#include "framework/UnFormMainBase.h"
#include "framework/UnFormSecondary.h"
#include "tests/support/Activemodal.h"
#include "tests/support/Ondisplay.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using StatesThroughTheTray = COnDisplayTest;

TEST_F(StatesThroughTheTray, AreWrittenBeforeADialogIsMappedAgain)
{
    CFakeTrayBackend::TState tray;
    CTestMainWindow window(tray);
    applyTrayOptions(window, true, false);
    window.show();
    TFormSecondary dialog(&window);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog.show();
    ASSERT_TRUE(exposedOnDisplay(dialog));
    // The desktop minimises the dialog with the window, which goes into the tray.
    dialog.showMinimized();
    window.showMinimized();
    QTRY_VERIFY_WITH_TIMEOUT(window.isHidden() && dialog.isHidden(), kDisplayPatienceMs);

    // A window manager reads the states when it maps the window, and keeps its own after.
    const std::string happened = mappedAndStateWritten(dialog.winId(), [&tray] {
        tray.onActivated(TTrayMouse::DoubleClick);
    });
    EXPECT_TRUE(happened.starts_with("state ") && happened.find("map") != std::string::npos)
        << happened;
    EXPECT_TRUE(netWmStates(dialog.winId()).contains(QStringLiteral("_NET_WM_STATE_ABOVE")));
}

TEST_F(StatesThroughTheTray, ADialogOpenedFromTheTrayKeepsTheKeyboardWhenTheWindowComesBack)
{
    CFakeTrayBackend::TState tray;
    CTestMainWindow window(tray);
    applyTrayOptions(window, true, false);
    window.show();
    ASSERT_TRUE(exposedOnDisplay(window));
    window.showMinimized();
    QTRY_VERIFY_WITH_TIMEOUT(window.isHidden(), kDisplayPatienceMs);
    // The icon's menu with nothing waiting yet, a dialog from it, then Show Program.
    window.bringToFront();
    TFormSecondary dialog(&window);
    bool dialogFocused = false;
    whenModalActive(&dialog, [&](QWidget*) {
        window.restoreFromTray();
        ASSERT_TRUE(exposedOnDisplay(window));
        // Asked on the program's own connection: after everything the program asked of it.
        xcb_connection_t* c = displayConnection();
        xcb_get_input_focus_reply_t* focus = xcb_get_input_focus_reply(c, xcb_get_input_focus(c),
                                                                       nullptr);
        dialogFocused = focus != nullptr && focus->focus == dialog.winId();
        std::free(focus);
        dialog.reject();
    });
    dialog.exec();
    EXPECT_TRUE(dialogFocused);
}

} // namespace
