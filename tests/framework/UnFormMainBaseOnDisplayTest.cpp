#include "framework/UnFormMainBase.h"
#include "framework/UnFormSecondary.h"
#include "tests/support/Ondisplay.h"

#include <QTest>

#include <gtest/gtest.h>

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
