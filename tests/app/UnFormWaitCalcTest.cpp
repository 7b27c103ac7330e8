#include "app/UnFormWaitCalc.h"

#include "tests/support/Scripteddialogs.h"
#include "tests/support/Testmainwindow.h"

#include <QLabel>

namespace {

using WaitWindow = CWindowTest;

TEST_F(WaitWindow, SaysPleaseWaitWhileShown)
{
    CTestMainWindow main;
    TFormWaitCalc wait(&main);
    wait.showAndPaint();
    EXPECT_TRUE(wait.isVisible());
    EXPECT_TRUE(main.isWindowOpen(QStringLiteral("TFormWaitCalc")));
    EXPECT_EQ(wait.windowTitle(), QStringLiteral(" Calculation"));
    const auto* label = wait.findChild<QLabel*>(QStringLiteral("LabelInfo"));
    EXPECT_EQ(label->text(), QStringLiteral("Please Wait ..."));
    EXPECT_GE(label->width(), label->sizeHint().width());
    EXPECT_TRUE(label->alignment().testFlag(Qt::AlignVCenter));

    // Its owner takes it away when the run ends; closing it asks for the stop instead.
    wait.hide();
    EXPECT_FALSE(main.isWindowOpen(QStringLiteral("TFormWaitCalc")));
    EXPECT_TRUE(m_Dialogs.messages.empty());
}

TEST_F(WaitWindow, StaysOnTopWithoutTitleButtons)
{
    TFormWaitCalc wait;
    const Qt::WindowFlags flags = wait.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    for (const Qt::WindowType button :
         {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
          Qt::WindowSystemMenuHint, Qt::WindowContextHelpButtonHint})
        EXPECT_FALSE(flags.testFlag(button)) << button;
    wait.showAndPaint();
    EXPECT_EQ(wait.minimumSize(), wait.maximumSize());
}

} // namespace
