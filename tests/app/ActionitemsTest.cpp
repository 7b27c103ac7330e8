#include "app/Actionitems.h"

#include "framework/Handlerguard.h"
#include "tests/app/Iconcompare.h"
#include "tests/support/Scripteddialogs.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

#include <stdexcept>

namespace {

class ActionItems : public CWindowTest
{
protected:
    static void SetUpTestSuite() { initAppResources(); }

    void SetUp() override
    {
        CWindowTest::SetUp();
        CHandlerGuard::setLogger([this](quint8 type, const QString& source, const QString& text) {
            m_Logged.append(QString::number(type) + QLatin1Char('|') + source + QLatin1Char('|')
                            + text);
        });
    }

    void TearDown() override
    {
        CHandlerGuard::setLogger(nullptr);
        CWindowTest::TearDown();
    }

    QStringList m_Logged;
};

TEST_F(ActionItems, AFailingHandlerIsLoggedUnderItsSourceAndShown)
{
    struct TCase
    {
        std::function<QAction*(QWidget*)> add;
        const char* source;
        const char* reason;
    };
    const auto fail = [] { throw std::runtime_error("broken"); };
    const TCase cases[] = {
        {[&](QWidget* w) { return addGuardedAction(w, "ActionGo", QKeySequence(), fail); },
         "QWidget::ActionGoExecute", "the window's class and the action's name"},
        {[&](QWidget* w) {
             return addGuardedAction(w, "ActionPage", QKeySequence(), "TFormX::showPage", fail);
         },
         "TFormX::showPage", "a source given"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.reason);
        QWidget window;
        m_Logged.clear();
        m_Dialogs.messages.clear();
        QAction* action = c.add(&window);
        EXPECT_TRUE(window.actions().contains(action));
        action->trigger();
        const QString logged = QLatin1String("1|") + QLatin1String(c.source)
                               + QLatin1String("|broken");
        EXPECT_EQ(m_Logged, QStringList{logged});
        ASSERT_EQ(m_Dialogs.messages.size(), 1u);
        EXPECT_EQ(m_Dialogs.messages.front().text, QStringLiteral("broken"));
    }
}

TEST_F(ActionItems, ActionKeepsItsNameAndShortCut)
{
    QWidget window;
    int runs = 0;
    QAction* action = addGuardedAction(&window, "ActionZoom", QKeySequence(Qt::CTRL | Qt::Key_Q),
                                       "TFormX::Zoom", [&runs] { ++runs; });
    EXPECT_EQ(action->objectName(), QStringLiteral("ActionZoom"));
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    action->trigger();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(m_Logged.isEmpty());
}

TEST_F(ActionItems, MenuItemFollowsItsAction)
{
    QWidget window;
    QMenu menu;
    int runs = 0;
    QAction* action = addGuardedAction(&window, "ActionCopy", QKeySequence(Qt::CTRL | Qt::Key_C),
                                       [&runs] { ++runs; });
    action->setText(QStringLiteral("Copy"));
    QAction* item = addMenuItem(&menu, action, "MenuItemCopy");
    EXPECT_EQ(item->objectName(), QStringLiteral("MenuItemCopy"));
    EXPECT_EQ(item->text(), QStringLiteral("Copy\tCtrl+C"));
    EXPECT_TRUE(item->icon().isNull()) << "no icon until the action has one";

    action->setIcon(appIcon(QStringLiteral("copy")));
    EXPECT_TRUE(showsAppIcon(item->icon(), "copy"));
    action->setShortcut(QKeySequence());
    EXPECT_EQ(item->text(), QStringLiteral("Copy")) << "without a short cut no tab";
    action->setEnabled(false);
    EXPECT_FALSE(item->isEnabled());
    action->setEnabled(true);
    item->trigger();
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(item->isCheckable()) << "a command is no toggle";
}

TEST_F(ActionItems, ToggleEntryShowsItsStateInsteadOfItsIcon)
{
    QWidget window;
    QMenu menu;
    bool on = false;
    QAction* action = addGuardedAction(&window, "ActionWrap", QKeySequence(), [&] { on = !on; });
    action->setCheckable(true);
    action->setIcon(appIcon(QStringLiteral("word-wrap")));
    QAction* item = addMenuItem(&menu, action, "MenuItemWrap");
    EXPECT_TRUE(item->isCheckable());
    EXPECT_FALSE(item->isIconVisibleInMenu())
        << "a style draws the check mark only without an icon";
    for (const bool checked : {true, false, true}) {
        item->trigger();
        EXPECT_EQ(on, checked);
        EXPECT_EQ(action->isChecked(), checked);
        EXPECT_EQ(item->isChecked(), checked) << "the entry follows the action";
    }
    action->setChecked(false);
    EXPECT_FALSE(item->isChecked()) << "also when the window sets the state itself";
}

TEST_F(ActionItems, ToolButtonShowsTheIconAtTheBarsSize)
{
    QWidget window;
    QToolBar bar;
    bar.setIconSize(QSize(20, 20));
    QAction* action = addGuardedAction(&window, "ActionSave", QKeySequence(), [] {});
    action->setIcon(appIcon(QStringLiteral("save")));
    QToolButton* button = addToolButton(&bar, action, "ToolButtonSave");
    EXPECT_EQ(button->objectName(), QStringLiteral("ToolButtonSave"));
    EXPECT_EQ(button->defaultAction(), action);
    EXPECT_EQ(button->iconSize(), QSize(20, 20));
    bar.setIconSize(QSize(32, 32));
    EXPECT_EQ(button->iconSize(), QSize(32, 32)) << "follows the bar";
    EXPECT_TRUE(showsAppIcon(button->icon(), "save"));
}

} // namespace
