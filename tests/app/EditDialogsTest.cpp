#include "app/UnFormDoReplace.h"
#include "app/UnFormFindText.h"
#include "app/UnFormGotoLine.h"
#include "app/UnFormReplaceText.h"
#include "tests/support/Activemodal.h"
#include "tests/support/Scripteddialogs.h"
#include "tests/support/Testmainwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// Records whether the find dialog was still listed as open when the search was reset.
class CRecordingMainWindow : public CTestMainWindow
{
public:
    using CTestMainWindow::CTestMainWindow;

    void resetSearch() override
    {
        CTestMainWindow::resetSearch();
        findListedAtReset = isWindowOpen(QStringLiteral("TFormFindText"));
    }

    bool findListedAtReset = false;
};

class CEditDialogTest : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        m_Main = std::make_unique<CRecordingMainWindow>(m_Tray);
    }

    void TearDown() override
    {
        m_Main.reset();
        CWindowTest::TearDown();
    }

    // Shown and active, so that focus and short cuts work as for the user.
    static void showActive(QWidget* dialog)
    {
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    }

    template <class T>
    static T* child(const QWidget* dialog, const char* name)
    {
        T* found = dialog->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // The drop-down list, newest first, as "a|b".
    static std::string items(const QComboBox* combo)
    {
        QStringList list;
        for (int i = 0; i < combo->count(); ++i)
            list << combo->itemText(i);
        return list.join(QLatin1Char('|')).toStdString();
    }

    // The hooks called since the last look, as "findText(a, 1)|resetSearch()".
    std::string takeCalls()
    {
        const std::string calls = m_Main->hookCalls.join(QLatin1Char('|')).toStdString();
        m_Main->hookCalls.clear();
        return calls;
    }

    static void click(const QWidget* dialog, const char* button)
    {
        QTest::mouseClick(child<QAbstractButton>(dialog, button), Qt::LeftButton);
    }

    // Ctrl+V in the combo box with the caret (and a selection from 0) as given.
    static void pasteInto(QComboBox* combo, const QString& text, int selectFrom, int caret,
                          const QString& clipboard)
    {
        combo->setFocus();
        combo->setEditText(text);
        combo->lineEdit()->setSelection(selectFrom, caret - selectFrom);
        QGuiApplication::clipboard()->setText(clipboard);
        QTest::keyClick(combo, Qt::Key_V, Qt::ControlModifier);
    }

    CFakeTrayBackend::TState m_Tray;
    std::unique_ptr<CRecordingMainWindow> m_Main;
};

using TCaptions = std::vector<std::pair<const char*, const char*>>;

void expectCaptions(const QWidget* dialog, const char* title, const TCaptions& captions)
{
    EXPECT_EQ(dialog->windowTitle().toStdString(), title);
    for (const auto& [name, caption] : captions) {
        const auto* button = dialog->findChild<QAbstractButton*>(QLatin1String(name));
        const auto* label = dialog->findChild<QLabel*>(QLatin1String(name));
        ASSERT_TRUE(button != nullptr || label != nullptr) << name;
        const QString text = button != nullptr ? button->text() : label->text();
        EXPECT_EQ(text.toStdString(), caption) << name;
    }
}

using EditDialogs = CEditDialogTest;

TEST_F(EditDialogs, FixedSizeAboveOtherWindowsWithOnlyTheCloseBox)
{
    QWidget* owner = m_Main.get();
    QDialog* const dialogs[] = {new TFormGotoLine(owner), new TFormFindText(owner),
                                new TFormReplaceText(owner), new TFormDoReplace(owner)};
    for (QDialog* dialog : dialogs) {
        dialog->show();
        const Qt::WindowFlags flags = dialog->windowFlags();
        EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint) << dialog->metaObject()->className();
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint));
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
        EXPECT_TRUE(m_Main->isWindowOpen(QLatin1String(dialog->metaObject()->className())));
        dialog->close();
    }
}

// Without the main window as owner no hook is called; histories and closing work as ever.
TEST_F(EditDialogs, WithoutTheMainWindowAsOwnerNoHookIsCalled)
{
    QWidget owner;
    TFormFindText find(&owner);
    find.setFindText(QStringLiteral("abc"));
    find.findNext();
    EXPECT_EQ(find.getLastSearchText(), QStringLiteral("abc"));

    TFormReplaceText replace(&owner);
    replace.show();
    replace.setFindText(QStringLiteral("sin"));
    child<QComboBox>(&replace, "ComboBoxReplace")->setEditText(QStringLiteral("cos"));
    click(&replace, "ButtonReplace");
    EXPECT_EQ(items(child<QComboBox>(&replace, "ComboBoxFind")), "sin");

    TFormDoReplace prompt(&owner);
    prompt.setTexts(QStringLiteral("a"), QStringLiteral("b"), true);
    for (const char* button : {"ButtonReplaceAll", "ButtonLast", "ButtonCancel"}) {
        prompt.show();
        click(&prompt, button);
        EXPECT_FALSE(prompt.isVisible()) << button;
    }
    EXPECT_EQ(takeCalls(), "");
}

using GotoLineDialog = CEditDialogTest;

TEST_F(GotoLineDialog, CaptionsAndTheStoredNumberSelected)
{
    auto* form = new TFormGotoLine(m_Main.get());
    form->setLine(7);
    showActive(form);
    expectCaptions(form, " Goto Line",
                   {{"LabelGoto", "Goto Line:"}, {"ButtonOk", "OK"}, {"ButtonCancel", "Cancel"}});
    auto* edit = child<QLineEdit>(form, "EditGoto");
    EXPECT_EQ(edit->text(), QStringLiteral("7"));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("7"));
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_TRUE(edit->font().bold());
}

TEST_F(GotoLineDialog, OnlyNumbersAboveZeroAreSet)
{
    TFormGotoLine form(m_Main.get());
    EXPECT_EQ(form.getLine(), 1);
    const std::pair<int, int> cases[] = {{5, 5}, {0, 5}, {-3, 5}, {2147483647, 2147483647}};
    for (const auto& [line, stored] : cases) {
        form.setLine(line);
        EXPECT_EQ(form.getLine(), stored) << line;
    }
}

TEST_F(GotoLineDialog, FieldTakesDigitsAndBackspaceOnly)
{
    auto* form = new TFormGotoLine(m_Main.get());
    showActive(form);
    auto* edit = child<QLineEdit>(form, "EditGoto");
    const std::pair<const char*, const char*> typed[] = {
        {"12", "12"}, {"1a-.2", "12"}, {"-5", "5"}, {"3.5", "35"}, {"+x e", ""},
    };
    for (const auto& [keys, text] : typed) {
        edit->clear();
        QTest::keyClicks(edit, QLatin1String(keys));
        EXPECT_EQ(edit->text().toStdString(), text) << keys;
    }
    QTest::keyClicks(edit, QStringLiteral("123"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), QStringLiteral("12"));

    // Pasted text with anything but digits is refused whole.
    const std::pair<const char*, const char*> pasted[] = {
        {"34", "1234"},
        {"5x", "12"},
        {"-1", "12"},
    };
    for (const auto& [clipboard, text] : pasted) {
        edit->setText(QStringLiteral("12"));
        QGuiApplication::clipboard()->setText(QLatin1String(clipboard));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(edit->text().toStdString(), text) << clipboard;
    }
}

TEST_F(GotoLineDialog, OkStoresTheNumberAndShowsItNextTime)
{
    TFormGotoLine* form = new TFormGotoLine(m_Main.get());
    const std::pair<const char*, int> cases[] = {
        {"42", 42},
        {"0", 0},
        {"007", 7},
        {"2147483647", 2147483647},
    };
    for (const auto& [text, line] : cases) {
        whenModalActive(form, [form, typed = text](QWidget*) {
            auto* edit = form->findChild<QLineEdit*>(QStringLiteral("EditGoto"));
            edit->selectAll();
            QTest::keyClicks(edit, QLatin1String(typed));
            QTest::keyClick(edit, Qt::Key_Return);
        });
        EXPECT_EQ(form->exec(), QDialog::Accepted) << text;
        EXPECT_EQ(form->getLine(), line) << text;
    }
    showActive(form);
    EXPECT_EQ(child<QLineEdit>(form, "EditGoto")->text(), QStringLiteral("2147483647"));
    EXPECT_TRUE(m_Dialogs.messages.empty());
}

TEST_F(GotoLineDialog, FailedConversionIsReportedAndKeepsTheNumber)
{
    auto* form = new TFormGotoLine(m_Main.get());
    form->setLine(5);
    const char* texts[] = {"", "2147483648", "99999999999999999999"};
    for (const char* text : texts) {
        m_Dialogs.messages.clear();
        showActive(form);
        child<QLineEdit>(form, "EditGoto")->setText(QLatin1String(text));
        click(form, "ButtonOk");
        EXPECT_TRUE(form->isVisible()) << text;
        EXPECT_EQ(form->getLine(), 5) << text;
        ASSERT_EQ(m_Dialogs.messages.size(), 1u) << text;
        EXPECT_EQ(m_Dialogs.messages[0].text.toStdString(),
                  std::string("The text '") + text + "' is not a number from 0 to 2147483647.");
        click(form, "ButtonCancel");
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(form->result(), QDialog::Rejected);
        EXPECT_EQ(form->getLine(), 5);
    }
}

using FindDialog = CEditDialogTest;

TEST_F(FindDialog, CaptionsAndFocus)
{
    auto* form = new TFormFindText(m_Main.get());
    showActive(form);
    expectCaptions(form, " Find",
                   {{"LabelFind", "Find What:"},
                    {"CheckBoxMatchCase", " Match Case"},
                    {"ButtonOk", "Find Next"},
                    {"ButtonCancel", "Cancel"}});
    EXPECT_TRUE(child<QComboBox>(form, "ComboBoxFind")->hasFocus());
    EXPECT_TRUE(form->getMatchCase());
}

TEST_F(FindDialog, ComingBackToTheDialogPutsTheFocusIntoTheSearchField)
{
    auto* form = new TFormFindText(m_Main.get());
    showActive(form);
    child<QCheckBox>(form, "CheckBoxMatchCase")->setFocus();
    QWidget elsewhere; // another program's window
    showActive(&elsewhere);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    EXPECT_TRUE(child<QComboBox>(form, "ComboBoxFind")->hasFocus());
}

struct TSearch
{
    const char* text;
    bool matchCase;
};

struct THistoryCase
{
    std::vector<TSearch> searches;
    const char* history;
    const char* reason;
};

TEST_F(FindDialog, FindNextKeepsAHistoryAndCallsTheMainWindow)
{
    const THistoryCase cases[] = {
        {{{"x", true}, {"X", false}}, "X", "equal without letter case: one entry, the new text"},
        {{{"x", true}, {"X", true}}, "X|x", "letter case matters"},
        {{{"a", true}, {"b", true}, {"a", true}}, "a|b", "a repeated text moves to the front"},
        {{{"", true}}, "", "an empty text does nothing"},
    };
    for (const THistoryCase& c : cases) {
        auto* form = new TFormFindText(m_Main.get());
        auto* combo = child<QComboBox>(form, "ComboBoxFind");
        QStringList calls;
        for (const TSearch& search : c.searches) {
            form->setFindText(QLatin1String(search.text));
            child<QCheckBox>(form, "CheckBoxMatchCase")->setChecked(search.matchCase);
            click(form, "ButtonOk");
            if (*search.text != '\0')
                calls << QStringLiteral("findText(%1, %2)")
                             .arg(QLatin1String(search.text))
                             .arg(int(search.matchCase));
        }
        const std::string newest =
            QString::fromLatin1(c.history).section(QLatin1Char('|'), 0, 0).toStdString();
        EXPECT_EQ(items(combo), c.history) << c.reason;
        EXPECT_EQ(combo->currentText().toStdString(), newest) << c.reason;
        EXPECT_EQ(form->getLastSearchText().toStdString(), newest) << c.reason;
        EXPECT_EQ(takeCalls(), calls.join(QLatin1Char('|')).toStdString()) << c.reason;
        delete form;
    }
}

TEST_F(FindDialog, ThirteenthTextPushesTheOldestOut)
{
    TFormFindText form(m_Main.get());
    for (int i = 1; i <= 13; ++i)
        form.addToHistory(QStringLiteral("t%1").arg(i), true);
    EXPECT_EQ(items(form.findChild<QComboBox*>(QStringLiteral("ComboBoxFind"))),
              "t13|t12|t11|t10|t9|t8|t7|t6|t5|t4|t3|t2");
}

TEST_F(FindDialog, EnterAndTheMainWindowsFindNextActAsTheButton)
{
    auto* form = new TFormFindText(m_Main.get());
    showActive(form);
    auto* combo = child<QComboBox>(form, "ComboBoxFind");
    // What is typed is searched, never completed from the history.
    form->addToHistory(QStringLiteral("sinh"), true);
    combo->clearEditText();
    QTest::keyClicks(combo, QStringLiteral("sin"));
    QTest::keyClick(combo, Qt::Key_Return);
    form->findNext();
    EXPECT_EQ(takeCalls(), "findText(sin, 1)|findText(sin, 1)");
    EXPECT_EQ(items(combo), "sin|sinh");
    EXPECT_TRUE(form->isVisible());
}

TEST_F(FindDialog, PasteInsertsAtTheCaretAndEntersTheHistory)
{
    struct TCase
    {
        int selectFrom;
        int caret;
        const char* clipboard;
        const char* result;
        const char* reason;
    };
    const TCase cases[] = {
        {2, 2, "cd", "abcdef", "at the caret"},
        {0, 2, "cd", "abcdef", "the selection stays"},
        {4, 4, "gh", "abefgh", "at the end"},
        {0, 0, "", "abef", "empty clipboard: the field's text"},
    };
    for (const TCase& c : cases) {
        auto* form = new TFormFindText(m_Main.get());
        showActive(form);
        auto* combo = child<QComboBox>(form, "ComboBoxFind");
        pasteInto(combo, QStringLiteral("abef"), c.selectFrom, c.caret, QLatin1String(c.clipboard));
        EXPECT_EQ(combo->currentText().toStdString(), c.result) << c.reason;
        EXPECT_EQ(items(combo), c.result) << c.reason;
        delete form;
    }
    EXPECT_EQ(takeCalls(), "");
}

TEST_F(FindDialog, PasteNeedsTheFocusInTheSearchField)
{
    auto* form = new TFormFindText(m_Main.get());
    showActive(form);
    auto* combo = child<QComboBox>(form, "ComboBoxFind");
    form->setFindText(QStringLiteral("abef"));
    auto* check = child<QCheckBox>(form, "CheckBoxMatchCase");
    check->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("cd"));
    QTest::keyClick(check, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(combo->currentText(), QStringLiteral("abef"));
    EXPECT_EQ(combo->count(), 0);
}

TEST_F(FindDialog, ClosingByAnyMeansResetsTheSearchAfterLeavingTheList)
{
    const std::pair<std::function<void(QDialog*)>, const char*> closings[] = {
        {[](QDialog* form) { click(form, "ButtonCancel"); }, "Cancel"},
        {[](QDialog* form) { QTest::keyClick(form, Qt::Key_Escape); }, "Escape"},
        {[](QDialog* form) { form->close(); }, "close box"},
        {[](QDialog* form) { form->hide(); }, "hidden by the main window"},
    };
    auto* form = new TFormFindText(m_Main.get());
    for (const auto& [closeForm, reason] : closings) {
        m_Main->findListedAtReset = true;
        showActive(form);
        closeForm(form);
        EXPECT_FALSE(form->isVisible()) << reason;
        EXPECT_EQ(takeCalls(), "resetSearch()") << reason;
        EXPECT_FALSE(m_Main->findListedAtReset) << reason;
    }
}

using ReplaceDialog = CEditDialogTest;

TEST_F(ReplaceDialog, CaptionsAndFocus)
{
    auto* form = new TFormReplaceText(m_Main.get());
    showActive(form);
    expectCaptions(form, " Replace",
                   {{"LabelFind", "Find What:"},
                    {"LabelReplace", "Replace With:"},
                    {"CheckBoxMatchCase", " Match Case"},
                    {"ButtonReplace", "Start"},
                    {"ButtonReplaceAll", "Replace All"},
                    {"ButtonCancel", "Cancel"}});
    EXPECT_TRUE(child<QComboBox>(form, "ComboBoxFind")->hasFocus());
}

TEST_F(ReplaceDialog, ButtonsFillBothHistoriesAndCallTheMainWindow)
{
    struct TCase
    {
        const char* button;
        const char* find;
        const char* replacement;
        const char* call;
    };
    const TCase cases[] = {
        {"ButtonReplace", "sin", "cos", "replaceWithPrompt(sin, cos, 0)"},
        {"ButtonReplaceAll", "sin", "cos", "replaceAll(sin, cos, 0)"},
        {"ButtonReplace", "sin", "", nullptr}, // a text is never replaced by nothing
        {"ButtonReplaceAll", "", "cos", nullptr},
        {"ButtonReplaceAll", "", "", nullptr},
    };
    for (const TCase& c : cases) {
        auto* form = new TFormReplaceText(m_Main.get());
        showActive(form);
        child<QCheckBox>(form, "CheckBoxMatchCase")->setChecked(false);
        child<QComboBox>(form, "ComboBoxReplace")->setEditText(QLatin1String(c.replacement));
        form->setFindText(QLatin1String(c.find));
        click(form, c.button);
        const bool done = c.call != nullptr;
        EXPECT_EQ(takeCalls(), done ? c.call : "") << c.button;
        EXPECT_EQ(child<QComboBox>(form, "ComboBoxFind")->count(), done ? 1 : 0) << c.button;
        EXPECT_EQ(child<QComboBox>(form, "ComboBoxReplace")->count(), done ? 1 : 0) << c.button;
        EXPECT_TRUE(form->isVisible()) << c.button; // the main window closes it
        delete form;
    }
}

TEST_F(ReplaceDialog, HistoriesAreSeparateAndSetFindTextKeepsTheReplacement)
{
    TFormReplaceText form(m_Main.get());
    auto* find = form.findChild<QComboBox*>(QStringLiteral("ComboBoxFind"));
    auto* replace = form.findChild<QComboBox*>(QStringLiteral("ComboBoxReplace"));
    form.addToFindHistory(QStringLiteral("x"), true);
    form.addToFindHistory(QStringLiteral("X"), false);
    form.addToReplaceHistory(QStringLiteral("y"), true);
    form.addToReplaceHistory(QStringLiteral("Y"), true);
    form.setFindText(QStringLiteral("z"));
    EXPECT_EQ(items(find), "X");
    EXPECT_EQ(items(replace), "Y|y");
    EXPECT_EQ(find->currentText(), QStringLiteral("z"));
    EXPECT_EQ(replace->currentText(), QStringLiteral("Y"));
}

TEST_F(ReplaceDialog, PasteGoesIntoTheFocusedField)
{
    for (const char* focused : {"ComboBoxFind", "ComboBoxReplace"}) {
        auto* form = new TFormReplaceText(m_Main.get());
        showActive(form);
        auto* combo = child<QComboBox>(form, focused);
        pasteInto(combo, QStringLiteral("abef"), 2, 2, QStringLiteral("cd"));
        EXPECT_EQ(combo->currentText(), QStringLiteral("abcdef")) << focused;
        EXPECT_EQ(items(combo), "abcdef") << focused;
        const char* other = qstrcmp(focused, "ComboBoxFind") == 0 ? "ComboBoxReplace"
                                                                  : "ComboBoxFind";
        EXPECT_EQ(child<QComboBox>(form, other)->count(), 0) << focused;
        EXPECT_TRUE(child<QComboBox>(form, other)->currentText().isEmpty()) << focused;
        delete form;
    }
}

TEST_F(ReplaceDialog, ShownModallyEnterStarts)
{
    auto* form = new TFormReplaceText(m_Main.get());
    whenModalActive(form, [form](QWidget*) {
        auto* find = form->findChild<QComboBox*>(QStringLiteral("ComboBoxFind"));
        QTest::keyClicks(find, QStringLiteral("a"));
        auto* replace = form->findChild<QComboBox*>(QStringLiteral("ComboBoxReplace"));
        QTest::keyClicks(replace, QStringLiteral("b"));
        QTest::keyClick(replace, Qt::Key_Return);
        form->reject();
    });
    form->exec();
    EXPECT_EQ(takeCalls(), "replaceWithPrompt(a, b, 1)");
}

using ReplacePrompt = CEditDialogTest;

TEST_F(ReplacePrompt, Captions)
{
    auto* form = new TFormDoReplace(m_Main.get());
    form->show();
    expectCaptions(form, " Replace",
                   {{"ButtonFindNext", "Find Next"},
                    {"ButtonReplace", "Replace"},
                    {"ButtonReplaceAll", "Replace All"},
                    {"ButtonLast", "Last"},
                    {"ButtonCancel", "Cancel"}});
}

TEST_F(ReplacePrompt, EachButtonCallsItsHookAndClosesOrStays)
{
    struct TCase
    {
        const char* button;
        const char* text;
        const char* replacement;
        const char* calls;
        bool staysOpen;
    };
    const TCase cases[] = {
        {"ButtonFindNext", "a", "b", "findForReplace(a, b, 0)", true},
        {"ButtonReplace", "a", "b", "replaceCurrent(a, b, 0)", true},
        {"ButtonReplaceAll", "a", "b", "replaceAll(a, b, 0)", false},
        {"ButtonLast", "a", "b", "replaceCurrent(a, b, 0)", false},
        {"ButtonCancel", "a", "b", "resetReplace()", false},
        {"ButtonFindNext", "", "b", "", true},
        {"ButtonReplace", "a", "", "", true},
        {"ButtonReplaceAll", "", "b", "", true},
        {"ButtonLast", "a", "", "", true},
        {"ButtonCancel", "", "", "resetReplace()", false},
    };
    auto* form = new TFormDoReplace(m_Main.get());
    for (const TCase& c : cases) {
        form->setTexts(QLatin1String(c.text), QLatin1String(c.replacement), false);
        form->show();
        click(form, c.button);
        EXPECT_EQ(takeCalls(), c.calls)
            << c.button << " '" << c.text << "' '" << c.replacement << "'";
        EXPECT_EQ(form->isVisible(), c.staysOpen) << c.button;
        EXPECT_EQ(m_Main->isWindowOpen(QStringLiteral("TFormDoReplace")), c.staysOpen) << c.button;
    }
}

TEST_F(ReplacePrompt, CloseBoxLeavesTheMatchAlone)
{
    auto* form = new TFormDoReplace(m_Main.get());
    form->setTexts(QStringLiteral("a"), QStringLiteral("b"), true);
    form->show();
    form->findChild<QAction*>(QStringLiteral("ActionReplaceOne"))->trigger();
    form->close();
    EXPECT_EQ(takeCalls(), "replaceCurrent(a, b, 1)");
}

} // namespace
