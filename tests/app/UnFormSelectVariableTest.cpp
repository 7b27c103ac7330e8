#include "app/UnFormSelectVariable.h"

#include "app/Applimits.h"
#include "tests/app/Dialogfixture.h"
#include "tests/app/Iconcompare.h"
#include "tests/support/Activemodal.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

namespace {

class SelectVariableWindow : public CDialogFixture<TFormSelectVariable>
{
protected:
    void showForm()
    {
        m_Form->show();
        m_Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_Form));
    }

    QListWidget* list() const { return child<QListWidget>("CheckListBox"); }
    int listFontSize() const { return list()->font().pointSize(); }

    void addNames(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            m_Form->AddVariable(QByteArray(name));
    }

    // Ticks the list's row the way a user does: moving there and pressing the space bar.
    void tickRow(int row)
    {
        list()->setFocus();
        list()->setCurrentRow(row);
        QTest::keyClick(list(), Qt::Key_Space);
    }
};

TEST_F(SelectVariableWindow, NamesComeBackByteForByte)
{
    struct TCase
    {
        QByteArray name;
        QString shown;
        const char* reason;
    };
    const TCase cases[] = {
        {QByteArray("a"), QStringLiteral("a"), "plain ASCII"},
        {QByteArray("\xE0\xE1"), QString::fromUtf8("\xD0\xB0\xD0\xB1"), "cp1251 letters"},
        {QByteArray("\xC0_1"), QString::fromUtf8("\xD0\x90_1"), "capital cp1251 letter, digit"},
        {QByteArray("\xFF\xB8"), QString::fromUtf8("\xD1\x8F\xD1\x91"), "last letter and yo"},
    };
    for (const TCase& c : cases)
        m_Form->AddVariable(c.name);
    ASSERT_EQ(m_Form->GetCount(), 4);
    for (int i = 0; i < 4; ++i) {
        QByteArray name;
        bool ticked = true;
        ASSERT_TRUE(m_Form->GetVariable(i, name, ticked)) << cases[i].reason;
        EXPECT_EQ(name, cases[i].name) << cases[i].reason;
        EXPECT_FALSE(ticked) << cases[i].reason;
        EXPECT_EQ(list()->item(i)->text(), cases[i].shown) << cases[i].reason;
    }
}

TEST_F(SelectVariableWindow, IndexOutsideTheListLeavesOutputsAlone)
{
    addNames({"a", "b"});
    for (int index : {-1, 2, 100}) {
        QByteArray name("untouched");
        bool ticked = true;
        EXPECT_FALSE(m_Form->GetVariable(index, name, ticked)) << index;
        EXPECT_EQ(name, QByteArray("untouched")) << index;
        EXPECT_TRUE(ticked) << index;
    }
}

TEST_F(SelectVariableWindow, ClearEmptiesTheListAndTicksDoNotSurvive)
{
    addNames({"a", "b"});
    list()->item(0)->setCheckState(Qt::Checked);
    m_Form->Clear();
    EXPECT_EQ(m_Form->GetCount(), 0);
    addNames({"a"});
    QByteArray name;
    bool ticked = true;
    ASSERT_TRUE(m_Form->GetVariable(0, name, ticked));
    EXPECT_FALSE(ticked);
}

TEST_F(SelectVariableWindow, CaptionsOnShowing)
{
    showForm();
    EXPECT_EQ(m_Form->windowTitle(), QStringLiteral(" What to calculate?"));
    EXPECT_EQ(child<QLabel>("LabelNameVariables")->text(), QStringLiteral("Calculated variables:"));
    EXPECT_EQ(child<QMenu>("MenuItemFile")->title(), QStringLiteral("&1 File"));
    EXPECT_EQ(child<QMenu>("MenuItemView")->title(), QStringLiteral("&3 View"));
    EXPECT_EQ(child<QPushButton>("ButtonOk")->text(), QStringLiteral("Calculate"));
    EXPECT_EQ(child<QPushButton>("ButtonCancel")->text(), QStringLiteral("Exit"));
    EXPECT_EQ(child<QAction>("MenuItemFileCalc")->text(), QStringLiteral("Calculate"));
    EXPECT_EQ(child<QAction>("MenuItemFileExit")->text(), QStringLiteral("Exit\tEsc"));
    EXPECT_EQ(child<QAction>("MenuItemViewZoomIn")->text(), QStringLiteral("Zoom In\tCtrl+Q"));
    EXPECT_EQ(child<QAction>("MenuItemZoomOut")->text(), QStringLiteral("Zoom Out\tCtrl+W"));
    EXPECT_EQ(child<QToolButton>("ToolButtonZoomDefault")->text(), QStringLiteral("Zoom Default"));
}

TEST_F(SelectVariableWindow, ZoomButtonsAndMenuEntriesShowTheirIcons)
{
    showForm();
    struct TCase
    {
        const char* control;
        const char* icon;
    };
    const TCase buttons[] = {
        {"ToolButtonZoomIn", "zoom-in"},
        {"ToolButtonZoomOut", "zoom-out"},
        {"ToolButtonZoomDefault", "zoom-default"},
    };
    for (const TCase& c : buttons) {
        const auto* button = child<QToolButton>(c.control);
        EXPECT_TRUE(showsAppIcon(button->icon(), c.icon)) << c.control;
        EXPECT_EQ(button->iconSize(), QSize(kToolBarIconSize, kToolBarIconSize)) << c.control;
    }
    const TCase items[] = {
        {"MenuItemFileCalc", "calculate"},
        {"MenuItemViewZoomOut", "zoom-out"},
        {"MenuItemZoomIn", "zoom-in"},
    };
    for (const TCase& c : items)
        EXPECT_TRUE(showsAppIcon(child<QAction>(c.control)->icon(), c.icon)) << c.control;
    EXPECT_TRUE(child<QAction>("MenuItemFileExit")->icon().isNull());
    // The buttons below the list keep their plain captions.
    EXPECT_TRUE(child<QPushButton>("ButtonOk")->icon().isNull());
}

TEST_F(SelectVariableWindow, KeysStartOnTheNames)
{
    addNames({"a", "b"});
    const int zoom = m_Form->GetZoomIndex();
    showForm();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QByteArray name;
    bool ticked = false;
    ASSERT_TRUE(m_Form->GetVariable(0, name, ticked));
    EXPECT_TRUE(ticked);
    EXPECT_EQ(m_Form->GetZoomIndex(), zoom);
}

TEST_F(SelectVariableWindow, TickedNamesAreChosenWithOk)
{
    addNames({"a", "\xE0\xE1", "c"});
    showForm();
    tickRow(1);
    QTest::mouseClick(child<QPushButton>("ButtonOk"), Qt::LeftButton);

    EXPECT_TRUE(m_Dialogs.messages.empty());
    EXPECT_FALSE(m_Form->isVisible());
    EXPECT_EQ(m_Form->result(), QDialog::Accepted);
    const bool expectedTicks[] = {false, true, false};
    for (int i = 0; i < 3; ++i) {
        QByteArray name;
        bool ticked = false;
        ASSERT_TRUE(m_Form->GetVariable(i, name, ticked));
        EXPECT_EQ(ticked, expectedTicks[i]) << i;
    }
    QByteArray name;
    bool ticked = false;
    ASSERT_TRUE(m_Form->GetVariable(1, name, ticked));
    EXPECT_EQ(name, QByteArray("\xE0\xE1"));
}

TEST_F(SelectVariableWindow, NothingTickedIsRefusedAndTheDialogStays)
{
    addNames({"a", "b"});
    showForm();
    QTest::mouseClick(child<QPushButton>("ButtonOk"), Qt::LeftButton);

    ASSERT_EQ(m_Dialogs.messages.size(), 1u);
    const CScriptedDialogs::TMessage& message = m_Dialogs.messages.front();
    EXPECT_EQ(message.text, QStringLiteral("Variables for calculation are not chosen!"));
    EXPECT_EQ(message.caption, QStringLiteral(" Calculation"));
    EXPECT_EQ(message.icon, TMessageIcon::Information);
    EXPECT_EQ(message.buttons, TMessageButtons::Ok);
    EXPECT_TRUE(m_Form->isVisible());

    // After ticking one the same button closes the dialog.
    tickRow(0);
    child<QAction>("MenuItemFileCalc")->trigger();
    EXPECT_EQ(m_Dialogs.messages.size(), 1u);
    EXPECT_FALSE(m_Form->isVisible());
    EXPECT_EQ(m_Form->result(), QDialog::Accepted);
}

TEST_F(SelectVariableWindow, EmptyListClosesWithOk)
{
    showForm();
    QTest::mouseClick(child<QPushButton>("ButtonOk"), Qt::LeftButton);
    EXPECT_TRUE(m_Dialogs.messages.empty());
    EXPECT_FALSE(m_Form->isVisible());
    EXPECT_EQ(m_Form->result(), QDialog::Accepted);
}

TEST_F(SelectVariableWindow, EveryWayOutGivesCancel)
{
    struct TCase
    {
        const char* way;
        std::function<void()> leave;
    };
    const TCase cases[] = {
        {"Esc", [this] { QTest::keyClick(list(), Qt::Key_Escape); }},
        {"Exit button",
         [this] { QTest::mouseClick(child<QPushButton>("ButtonCancel"), Qt::LeftButton); }},
        {"Exit menu item", [this] { child<QAction>("MenuItemFileExit")->trigger(); }},
    };
    addNames({"a"});
    for (const TCase& c : cases) {
        m_Form->setResult(QDialog::Accepted);
        showForm();
        tickRow(0);
        c.leave();
        EXPECT_FALSE(m_Form->isVisible()) << c.way;
        EXPECT_EQ(m_Form->result(), QDialog::Rejected) << c.way;
    }
    EXPECT_TRUE(m_Dialogs.messages.empty());
}

TEST_F(SelectVariableWindow, ModalRunAnswersOk)
{
    addNames({"a", "b"});
    whenModalActive(m_Form, [this](QWidget*) {
        tickRow(1);
        QTest::keyClick(list(), Qt::Key_Return);
    });
    EXPECT_EQ(m_Form->exec(), QDialog::Accepted);
    QByteArray name;
    bool ticked = false;
    ASSERT_TRUE(m_Form->GetVariable(1, name, ticked));
    EXPECT_TRUE(ticked);
}

TEST_F(SelectVariableWindow, ZoomStopsAtTheTopWithItsButtonDisabled)
{
    m_Form->SetZoomIndex(23);
    showForm();
    EXPECT_EQ(listFontSize(), 72);
    EXPECT_FALSE(child<QToolButton>("ToolButtonZoomIn")->isEnabled());
    EXPECT_TRUE(child<QToolButton>("ToolButtonZoomOut")->isEnabled());
    EXPECT_TRUE(child<QToolButton>("ToolButtonZoomDefault")->isEnabled());
    EXPECT_TRUE(child<QAction>("ActionZoomIn")->isEnabled());

    QTest::keyClick(list(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(m_Form->GetZoomIndex(), 23);
    EXPECT_EQ(listFontSize(), 72);

    QTest::keyClick(list(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(m_Form->GetZoomIndex(), 22);
    EXPECT_EQ(listFontSize(), 48);
    EXPECT_TRUE(child<QToolButton>("ToolButtonZoomIn")->isEnabled());
}

TEST_F(SelectVariableWindow, ZoomStopsAtTheBottomWithItsButtonDisabled)
{
    m_Form->SetZoomIndex(1);
    showForm();
    QTest::mouseClick(child<QToolButton>("ToolButtonZoomOut"), Qt::LeftButton);
    EXPECT_EQ(m_Form->GetZoomIndex(), 0);
    EXPECT_EQ(listFontSize(), 8);
    EXPECT_FALSE(child<QToolButton>("ToolButtonZoomOut")->isEnabled());

    QTest::keyClick(list(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(m_Form->GetZoomIndex(), 0);
    EXPECT_EQ(listFontSize(), 8);

    QTest::mouseClick(child<QToolButton>("ToolButtonZoomIn"), Qt::LeftButton);
    EXPECT_EQ(listFontSize(), 9);
    EXPECT_TRUE(child<QToolButton>("ToolButtonZoomOut")->isEnabled());
}

TEST_F(SelectVariableWindow, ZoomDefaultReturnsToTenPoints)
{
    m_Form->SetZoomIndex(5);
    showForm();
    EXPECT_EQ(listFontSize(), 14);
    EXPECT_TRUE(child<QToolButton>("ToolButtonZoomDefault")->isEnabled());
    QTest::keyClick(list(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(m_Form->GetZoomIndex(), kZoomDefaultIndex);
    EXPECT_EQ(listFontSize(), 10);
    EXPECT_FALSE(child<QToolButton>("ToolButtonZoomDefault")->isEnabled());
}

TEST_F(SelectVariableWindow, ZoomItemsOfBothMenusStep)
{
    showForm();
    child<QAction>("MenuItemViewZoomIn")->trigger();
    child<QAction>("MenuItemZoomIn")->trigger();
    EXPECT_EQ(m_Form->GetZoomIndex(), 4);
    child<QAction>("MenuItemZoomOut")->trigger();
    EXPECT_EQ(listFontSize(), 11);
    child<QAction>("MenuItemViewZoomDefault")->trigger();
    EXPECT_EQ(listFontSize(), 10);
}

TEST_F(SelectVariableWindow, ZoomIndexOutsideTheTableIsIgnored)
{
    m_Form->SetZoomIndex(7);
    for (int index : {-1, 24}) {
        m_Form->SetZoomIndex(index);
        EXPECT_EQ(m_Form->GetZoomIndex(), 7) << index;
    }
    showForm();
    EXPECT_EQ(listFontSize(), 18);
}

} // namespace
