#include "framework/Trayicon.h"

#include "tests/support/Testmainwindow.h"

#include <gtest/gtest.h>

namespace {

TEST(TrayIcon, TipIsCutTo127Characters)
{
    const QString pair = QString::fromUtf8("\xf0\x9d\x9c\x8b"); // two UTF-16 code units
    struct TCase
    {
        QString title;
        QString tip;
        const char* reason;
    };
    const TCase cases[] = {
        {QString(200, QLatin1Char('a')), QString(127, QLatin1Char('a')), "a title of 200"},
        {QString(127, QLatin1Char('b')), QString(127, QLatin1Char('b')), "exactly 127"},
        {QStringLiteral("Ombrix"), QStringLiteral("Ombrix"), "short"},
        {QString(126, QLatin1Char('c')) + pair, QString(126, QLatin1Char('c')),
         "a character is not split"},
    };
    for (const TCase& c : cases) {
        CFakeTrayBackend::TState state;
        CTrayIcon icon(std::make_unique<CFakeTrayBackend>(state), c.title);
        EXPECT_EQ(icon.getTip(), c.tip) << c.reason;
        ASSERT_TRUE(icon.show()) << c.reason;
        EXPECT_EQ(state.tip, c.tip) << c.reason;
    }
}

TEST(TrayIcon, DesktopReportsAsThePolicySeesThem)
{
    const std::pair<QSystemTrayIcon::ActivationReason, TTrayMouse> cases[] = {
        {QSystemTrayIcon::DoubleClick, TTrayMouse::DoubleClick},
        {QSystemTrayIcon::Trigger, TTrayMouse::Activation},
        {QSystemTrayIcon::Context, TTrayMouse::RightButton},
        {QSystemTrayIcon::MiddleClick, TTrayMouse::Other},
        {QSystemTrayIcon::Unknown, TTrayMouse::Other},
    };
    for (const auto& [reason, mouse] : cases)
        EXPECT_EQ(trayMouseOf(reason), mouse) << reason;
}

TEST(TrayIcon, ShowAddsOnlyWhatIsMissing)
{
    CFakeTrayBackend::TState state;
    CTrayIcon icon(std::make_unique<CFakeTrayBackend>(state), QStringLiteral("Ombrix"));
    EXPECT_FALSE(icon.isAdded());
    EXPECT_TRUE(icon.show());
    EXPECT_TRUE(icon.show());
    EXPECT_EQ(state.adds, 1) << "shown already";
    EXPECT_EQ(state.removes, 0);

    state.shown = false; // the desktop lost it
    EXPECT_FALSE(icon.modify());
    EXPECT_TRUE(icon.show());
    EXPECT_EQ(state.adds, 2);
    EXPECT_EQ(state.removes, 1) << "the lost icon is removed before it is added again";
    EXPECT_TRUE(icon.modify());
}

TEST(TrayIcon, RefusedIconIsNotAdded)
{
    CFakeTrayBackend::TState state;
    state.refuses = true;
    CTrayIcon icon(std::make_unique<CFakeTrayBackend>(state), QStringLiteral("Ombrix"));
    EXPECT_FALSE(icon.show());
    EXPECT_FALSE(icon.isAdded());
    EXPECT_TRUE(icon.refresh()) << "nothing added: nothing to refresh";
    EXPECT_EQ(state.adds, 1);
}

TEST(TrayIcon, RefreshReaddsOnlyALostIcon)
{
    CFakeTrayBackend::TState state;
    CTrayIcon icon(std::make_unique<CFakeTrayBackend>(state), QStringLiteral("Ombrix"));
    EXPECT_TRUE(icon.refresh());
    EXPECT_EQ(state.adds, 0) << "never added: refresh adds nothing";
    ASSERT_TRUE(icon.show());
    EXPECT_TRUE(icon.refresh());
    EXPECT_EQ(state.adds, 1);

    state.shown = false;
    EXPECT_TRUE(icon.refresh());
    EXPECT_EQ(state.adds, 2);
    EXPECT_TRUE(state.shown);

    state.shown = false;
    state.refuses = true;
    EXPECT_FALSE(icon.refresh());
    EXPECT_FALSE(icon.isAdded());
}

TEST(TrayIcon, HideAndDestructionRemoveTheIcon)
{
    CFakeTrayBackend::TState state;
    {
        CTrayIcon icon(std::make_unique<CFakeTrayBackend>(state), QStringLiteral("Ombrix"));
        EXPECT_TRUE(icon.hide()) << "not added: nothing to remove";
        EXPECT_EQ(state.removes, 0);
        ASSERT_TRUE(icon.show());
        EXPECT_TRUE(icon.hide());
        EXPECT_FALSE(state.shown);
        EXPECT_FALSE(icon.isAdded());
        EXPECT_EQ(state.removes, 1);
        ASSERT_TRUE(icon.show());
    }
    EXPECT_FALSE(state.shown);
    EXPECT_EQ(state.removes, 2);
}

TEST(TrayIcon, WithoutABackendNothingWorks)
{
    CTrayIcon icon(nullptr, QStringLiteral("Ombrix"));
    EXPECT_FALSE(icon.add());
    EXPECT_FALSE(icon.modify());
    EXPECT_FALSE(icon.show());
    EXPECT_FALSE(icon.refresh());
    EXPECT_TRUE(icon.remove());
    EXPECT_TRUE(icon.hide());
    EXPECT_FALSE(icon.isAdded());
}

} // namespace
