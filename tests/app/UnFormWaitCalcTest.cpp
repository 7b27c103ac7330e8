#include "app/UnFormWaitCalc.h"

#include "tests/support/Scripteddialogs.h"
#include "tests/support/Testmainwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>

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

    // Its owner takes it away when the run ends.
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
    for (const Qt::WindowType button : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                        Qt::WindowMaximizeButtonHint, Qt::WindowSystemMenuHint,
                                        Qt::WindowContextHelpButtonHint})
        EXPECT_FALSE(flags.testFlag(button)) << button;
    wait.showAndPaint();
    EXPECT_EQ(wait.minimumSize(), wait.maximumSize());
}

TEST_F(WaitWindow, StopEscAndClosingAskForTheStopAndTheWindowStays)
{
    struct TCase
    {
        const char* reason;
        std::function<void(TFormWaitCalc&)> act;
    };
    const TCase cases[] = {
        {"Stop clicked",
         [](TFormWaitCalc& wait) {
             QTest::mouseClick(wait.findChild<QPushButton*>(QStringLiteral("ButtonStop")),
                               Qt::LeftButton);
         }},
        {"Enter on the focused Stop",
         [](TFormWaitCalc& wait) { QTest::keyClick(&wait, Qt::Key_Return); }},
        {"Esc", [](TFormWaitCalc& wait) { QTest::keyClick(&wait, Qt::Key_Escape); }},
        {"closed by the desktop", [](TFormWaitCalc& wait) { wait.close(); }},
    };
    for (const TCase& c : cases) {
        TFormWaitCalc wait;
        wait.showAndPaint();
        const auto* stop = wait.findChild<QPushButton*>(QStringLiteral("ButtonStop"));
        EXPECT_EQ(stop->text(), QStringLiteral("Stop")) << c.reason;
        EXPECT_EQ(wait.focusWidget(), stop) << c.reason;
        EXPECT_GE(stop->width(), stop->sizeHint().width()) << c.reason;
        QSignalSpy asked(&wait, &TFormWaitCalc::stopRequested);
        c.act(wait);
        EXPECT_EQ(asked.count(), 1) << c.reason;
        EXPECT_TRUE(wait.isVisible()) << "the run ends it, not the user: " << c.reason;
    }
}

} // namespace
