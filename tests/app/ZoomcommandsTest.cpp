#include "app/Zoomcommands.h"

#include "app/Fonts.h"
#include "tests/app/Iconcompare.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// A window with the zoom commands on a menu and a tool bar, driving a text's font.
class ZoomCommands : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { initAppResources(); }

    ZoomCommands()
        : m_Commands(&m_Window)
    {
        m_Commands.setTextWidget(&m_Text);
        m_Commands.addMenuItems(&m_Menu, "MenuItemView");
        m_Commands.addToolButtons(&m_Bar);
        m_Commands.setCaptions();
        m_Commands.applyDefaultFont();
    }

    template <class T>
    T* child(const QObject& parent, const char* name) const
    {
        T* found = parent.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void trigger(const char* action) { child<QAction>(m_Window, action)->trigger(); }
    int textSize() const { return m_Text.font().pointSize(); }
    // Which of in, out and default are enabled, as "110".
    std::string buttons() const
    {
        std::string states;
        for (const char* name : {"ToolButtonZoomIn", "ToolButtonZoomOut", "ToolButtonZoomDefault"})
            states += child<QToolButton>(m_Bar, name)->isEnabled() ? '1' : '0';
        return states;
    }

    QWidget m_Window;
    QPlainTextEdit m_Text;
    QMenu m_Menu;
    QToolBar m_Bar;
    CZoomCommands m_Commands;
};

TEST_F(ZoomCommands, ActionsEntriesAndButtons)
{
    struct TCase
    {
        const char* action;
        const char* item;
        const char* button;
        const char* icon;
        const char* text;
        QKeySequence keys;
    };
    const TCase cases[] = {
        {"ActionZoomIn", "MenuItemViewZoomIn", "ToolButtonZoomIn", "zoom-in", "Zoom In\tCtrl+Q",
         QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"ActionZoomOut", "MenuItemViewZoomOut", "ToolButtonZoomOut", "zoom-out",
         "Zoom Out\tCtrl+W", QKeySequence(Qt::CTRL | Qt::Key_W)},
        {"ActionZoomDefault", "MenuItemViewZoomDefault", "ToolButtonZoomDefault", "zoom-default",
         "Zoom Default\tCtrl+E", QKeySequence(Qt::CTRL | Qt::Key_E)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.action);
        const auto* action = child<QAction>(m_Window, c.action);
        EXPECT_EQ(action->shortcut(), c.keys);
        EXPECT_TRUE(showsAppIcon(action->icon(), c.icon));
        EXPECT_EQ(child<QAction>(m_Menu, c.item)->text().toStdString(), c.text);
        EXPECT_EQ(child<QToolButton>(m_Bar, c.button)->defaultAction(), action);
    }
}

TEST_F(ZoomCommands, StepsChangeTheTextAndTheButtons)
{
    EXPECT_EQ(m_Text.font().family(), availableFontFamily(QStringLiteral("Courier New")));
    EXPECT_EQ(textSize(), 10);
    EXPECT_EQ(buttons(), "110") << "at the default";
    trigger("ActionZoomIn");
    EXPECT_EQ(textSize(), 11);
    EXPECT_EQ(buttons(), "111");
    trigger("ActionZoomDefault");
    EXPECT_EQ(textSize(), 10);
    trigger("ActionZoomOut");
    trigger("ActionZoomOut");
    EXPECT_EQ(textSize(), 8);
    EXPECT_EQ(buttons(), "101") << "at the smallest size";
    trigger("ActionZoomOut");
    EXPECT_EQ(textSize(), 8) << "nothing below the table";
    EXPECT_EQ(m_Commands.zoom().getIndex(), 0);
}

TEST_F(ZoomCommands, DefaultFontKeepsTheZoomedSize)
{
    m_Commands.zoom().setIndex(23);
    m_Text.setFont(QFont(QStringLiteral("Serif"), 20));
    m_Commands.applyDefaultFont();
    EXPECT_EQ(m_Text.font().family(), availableFontFamily(QStringLiteral("Courier New")));
    EXPECT_EQ(textSize(), 72);
    EXPECT_EQ(buttons(), "011") << "at the largest size";
}

} // namespace
