#include "app/Applimits.h"
#include "app/UnFormAbout.h"
#include "app/UnFormDoReplace.h"
#include "app/UnFormFindText.h"
#include "app/UnFormGotoLine.h"
#include "app/UnFormOptions.h"
#include "app/UnFormReplaceText.h"
#include "platform/Executablelocation.h"
#include "platform/Filenamebytes.h"
#include "platform/Plainfile.h"
#include "tests/app/Mainwindowfixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTextCursor>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Commands : public CMainWindowTest
{
protected:
    template <class T>
    T* child(const QObject* parent, const char* name) const
    {
        T* found = parent->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QString caretStatus() const
    {
        return child<QLabel>(m_Window.get(), "StatusPanelCaret")->text();
    }
    QString clipboard() const { return QGuiApplication::clipboard()->text(); }

    void select(int start, int length)
    {
        QTextCursor cursor = editor().textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        editor().setTextCursor(cursor);
    }
    void caretTo(int position) { select(position, 0); }
    QString selected() { return editor().textCursor().selectedText(); }
    int selectionStart() { return editor().textCursor().selectionStart(); }

    TFormFindText* findForm() const { return m_Window->findChild<TFormFindText*>(); }
    TFormDoReplace* prompt() const { return m_Window->findChild<TFormDoReplace*>(); }
    QAbstractButton* promptButton(const char* name) const
    {
        TFormDoReplace* form = prompt();
        return form != nullptr ? child<QAbstractButton>(form, name) : nullptr;
    }

    // Ctrl+R with the replace dialog answered: the two texts, Match Case, and which button.
    void replaceThroughDialog(const QString& text, const QString& replacement, bool matchCase,
                              const char* button)
    {
        whenModal([this, text, replacement, matchCase, button](QWidget* modal) {
            auto* form = qobject_cast<TFormReplaceText*>(modal);
            ASSERT_NE(form, nullptr);
            child<QComboBox>(form, "ComboBoxFind")->setEditText(text);
            child<QComboBox>(form, "ComboBoxReplace")->setEditText(replacement);
            child<QCheckBox>(form, "CheckBoxMatchCase")->setChecked(matchCase);
            child<QAbstractButton>(form, button)->click();
            // An ignored click leaves the dialog open; the test must not hang on it.
            if (form->isVisible())
                form->reject();
        });
        press(QKeySequence(Qt::CTRL | Qt::Key_R));
    }

    // Ctrl+G answered with the number typed; what the field offered is returned.
    QString gotoLine(const QString& typed)
    {
        QString offered;
        whenModal([this, typed, &offered](QWidget* modal) {
            ASSERT_NE(qobject_cast<TFormGotoLine*>(modal), nullptr);
            auto* field = child<QLineEdit>(modal, "EditGoto");
            offered = field->text();
            field->setText(typed);
            child<QAbstractButton>(modal, "ButtonOk")->click();
        });
        press(QKeySequence(Qt::CTRL | Qt::Key_G));
        return offered;
    }
};

// Editing commands.

TEST_F(Commands, CopyTakesTheSelectionOfTheFocusedPane)
{
    openWindow();
    typeText(QStringLiteral("a = ;"));
    press(Qt::Key_F5);
    ASSERT_FALSE(paneText().isEmpty());

    select(0, 1);
    press(QKeySequence(Qt::CTRL | Qt::Key_C));
    EXPECT_EQ(clipboard(), QStringLiteral("a")) << "focus in the editor: the editor's selection";

    m_Window->messagesPane()->setFocus();
    trigger("ActionWinMsgSelectAll");
    press(QKeySequence(Qt::CTRL | Qt::Key_C));
    EXPECT_EQ(clipboard(), paneText()) << "focus in the pane: the pane's selection";

    QGuiApplication::clipboard()->clear();
    trigger("ActionWinMsgCopy");
    EXPECT_EQ(clipboard(), paneText()) << "the pane's menu item";
    trigger("ActionEditCopy");
    EXPECT_EQ(clipboard(), QStringLiteral("a")) << "the editor's menu item, whatever has the focus";
}

TEST_F(Commands, UndoRestoresAndTitleFollows)
{
    openWindow();
    const QString clean = m_Window->windowTitle();
    typeText(QStringLiteral("ab"));
    EXPECT_EQ(m_Window->windowTitle(), clean + QLatin1Char('*'));
    EXPECT_EQ(caretStatus(), QStringLiteral("Ln 1, Col 3"));

    press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_TRUE(editorText().isEmpty());
    EXPECT_FALSE(editor().document()->isModified()) << "back at the text as it was";
    EXPECT_EQ(m_Window->windowTitle(), clean);
    EXPECT_EQ(caretStatus(), QStringLiteral("Ln 1, Col 1"));

    typeText(QStringLiteral("cd"));
    m_Window->messagesPane()->setFocus();
    trigger("ActionEditUndo");
    EXPECT_TRUE(editorText().isEmpty()) << "the menu item undoes in the editor";
    EXPECT_EQ(m_Window->windowTitle(), clean);
}

TEST_F(Commands, PasteCutAndDeleteMarkTheDocument)
{
    openWindow();
    QGuiApplication::clipboard()->setText(QStringLiteral("q = 1;"));
    press(QKeySequence(Qt::CTRL | Qt::Key_V));
    EXPECT_EQ(editorText(), QStringLiteral("q = 1;"));
    EXPECT_TRUE(m_Window->windowTitle().endsWith(QLatin1Char('*')));
    EXPECT_EQ(caretStatus(), QStringLiteral("Ln 1, Col 7"));

    select(0, 2);
    press(QKeySequence(Qt::CTRL | Qt::Key_X));
    EXPECT_EQ(editorText(), QStringLiteral("= 1;"));
    EXPECT_EQ(clipboard(), QStringLiteral("q "));

    select(0, 2);
    press(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    EXPECT_EQ(editorText(), QStringLiteral("1;"));
    EXPECT_EQ(clipboard(), QStringLiteral("q ")) << "deleting leaves the clipboard alone";

    caretTo(0);
    press(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    EXPECT_EQ(editorText(), QStringLiteral("1;")) << "nothing selected: nothing deleted";

    editor().document()->setModified(false);
    select(0, 1);
    trigger("ActionEditDel");
    EXPECT_EQ(editorText(), QStringLiteral(";"));
    EXPECT_TRUE(m_Window->windowTitle().endsWith(QLatin1Char('*')));
}

TEST_F(Commands, SelectAllTakesTheWholeEditor)
{
    openWindow();
    typeText(QStringLiteral("a = 1;\nb = 2;"));
    press(QKeySequence(Qt::CTRL | Qt::Key_A));
    EXPECT_EQ(editor().textCursor().selectionStart(), 0);
    EXPECT_EQ(editor().textCursor().selectionEnd(), editorText().size());

    caretTo(0);
    m_Window->messagesPane()->setFocus();
    trigger("ActionEditSelectAll");
    EXPECT_EQ(editor().textCursor().selectionEnd(), editorText().size());
}

TEST_F(Commands, SelectAllUpdatesTheStatusLine)
{
    openWindow();
    const auto popupEntry = [this] {
        for (QAction* action : child<QMenu>(m_Window.get(), "PopupMenuCode")->actions()) {
            if (action->text()
                == m_Window->findAction(QStringLiteral("ActionEditSelectAll"))->text())
                return action;
        }
        return static_cast<QAction*>(nullptr);
    };
    struct TCase
    {
        std::function<void()> selectAll;
        const char* how;
    };
    const TCase cases[] = {
        {[this] { press(QKeySequence(Qt::CTRL | Qt::Key_A)); }, "Ctrl+A"},
        {[this] { trigger("ActionEditSelectAll"); }, "the Edit menu"},
        {[&] { popupEntry()->trigger(); }, "the context menu"},
    };
    for (const TCase& c : cases) {
        editor().setPlainText(QStringLiteral("a = 1;\nbb = 22;"));
        caretTo(0);
        ASSERT_EQ(caretStatus(), QStringLiteral("Ln 1, Col 1"));
        c.selectAll();
        EXPECT_EQ(caretStatus(), QStringLiteral("Ln 2, Col 9")) << c.how;
        QTest::keyClick(&editor(), Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(&editor(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&editor(), Qt::Key_End, Qt::ControlModifier);
        EXPECT_EQ(caretStatus(), QStringLiteral("Ln 2, Col 9")) << c.how << ", then Ctrl+End";
    }
}

// View.

TEST_F(Commands, ViewItemsToggleTheirPartAndCheckMark)
{
    writeIni("[FormMain]\r\nShowWindowMessages=1\r\n");
    openWindow();
    const std::pair<const char*, QWidget*> parts[] = {
        {"ActionViewToolBar", child<QToolBar>(m_Window.get(), "ToolBar")},
        {"ActionViewStatusBar", child<QStatusBar>(m_Window.get(), "StatusLine")},
        {"ActionViewWinMsg", child<QWidget>(m_Window.get(), "PanelMsg")},
    };
    for (const auto& [name, part] : parts) {
        QAction* action = m_Window->findAction(QLatin1String(name));
        ASSERT_TRUE(action->isCheckable()) << name;
        EXPECT_TRUE(part->isVisible()) << name;
        EXPECT_TRUE(action->isChecked()) << name;
        EXPECT_TRUE(menuShowsCheckMark(action)) << name;
        trigger(name);
        EXPECT_FALSE(part->isVisible()) << name;
        EXPECT_FALSE(action->isChecked()) << name;
        EXPECT_FALSE(menuShowsCheckMark(action)) << name;
        trigger(name);
        EXPECT_TRUE(part->isVisible()) << name;
        EXPECT_TRUE(action->isChecked()) << name;
        EXPECT_TRUE(menuShowsCheckMark(action)) << name;
        EXPECT_TRUE(child<QMenu>(m_Window.get(), "MenuItemView")->actions().contains(action))
            << name;
    }
}

TEST_F(Commands, BarsStoredHiddenStartUnchecked)
{
    writeIni("[FormMain]\r\nShowToolBar=0\r\nShowStatusBar=0\r\nShowWindowMessages=0\r\n");
    openWindow();
    for (const char* name : {"ActionViewToolBar", "ActionViewStatusBar", "ActionViewWinMsg"})
        EXPECT_FALSE(m_Window->findAction(QLatin1String(name))->isChecked()) << name;
    EXPECT_TRUE(child<QToolBar>(m_Window.get(), "ToolBar")->isHidden());
    EXPECT_TRUE(child<QStatusBar>(m_Window.get(), "StatusLine")->isHidden());
}

// Find.

TEST_F(Commands, FindDialogTakesTheSelectionAndSelectsTheNextMatch)
{
    openWindow();
    typeText(QStringLiteral("alpha beta alpha"));
    select(0, 5);
    press(QKeySequence(Qt::CTRL | Qt::Key_F));
    TFormFindText* form = findForm();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    auto* combo = child<QComboBox>(form, "ComboBoxFind");
    EXPECT_EQ(combo->currentText(), QStringLiteral("alpha"));
    EXPECT_EQ(form->pos(), m_Window->pos() + QPoint(15, 55));

    child<QAbstractButton>(form, "ButtonOk")->click();
    EXPECT_EQ(selectionStart(), 11);
    EXPECT_EQ(selected(), QStringLiteral("alpha"));
    EXPECT_EQ(caretStatus(), QStringLiteral("Ln 1, Col 17"));
    EXPECT_TRUE(form->isVisible()) << "the dialog stays while matches are found";
    EXPECT_TRUE(m_Dialogs.messages.empty());

    caretTo(0);
    press(QKeySequence(Qt::CTRL | Qt::Key_F));
    EXPECT_TRUE(combo->currentText().isEmpty()) << "nothing selected: an empty box";
    EXPECT_EQ(combo->itemText(0), QStringLiteral("alpha")) << "the history stays";
}

TEST_F(Commands, FindOpensWhollyOnTheDesktopAndAgainWhereItWas)
{
    // The main window at the right edge, narrower than the dialog.
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    writeIni(QStringLiteral("[FormMain]\r\nUseRegister=0\r\nLeft=%1\r\nWidth=%2\r\n")
                 .arg(desktop.width() - 350)
                 .arg(kMainWindowMinWidth)
                 .toLatin1());
    openWindow();
    press(QKeySequence(Qt::CTRL | Qt::Key_F));
    TFormFindText* form = findForm();
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    const QRect frame = form->frameGeometry();
    EXPECT_EQ(frame.right(), desktop.right()) << "moved in, no further than needed";
    EXPECT_EQ(frame.top(), m_Window->frameGeometry().top() + 55);
    for (int opening = 0; opening < 2; ++opening) {
        form->close();
        press(QKeySequence(Qt::CTRL | Qt::Key_F));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
        EXPECT_EQ(form->frameGeometry(), frame) << "opening " << opening;
    }
}

TEST_F(Commands, TextNotFoundClosesTheDialogAndSaysSo)
{
    openWindow();
    typeText(QStringLiteral("a = 1;"));
    caretTo(2);
    press(QKeySequence(Qt::CTRL | Qt::Key_F));
    TFormFindText* form = findForm();
    ASSERT_NE(form, nullptr);
    child<QComboBox>(form, "ComboBoxFind")->setEditText(QStringLiteral("x"));
    child<QAbstractButton>(form, "ButtonOk")->click();
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(m_Dialogs.messages.size(), 1U);
    EXPECT_EQ(m_Dialogs.messages[0].text, QStringLiteral("The text 'x' is not found."));
    EXPECT_EQ(m_Dialogs.messages[0].caption, QStringLiteral(" Find"));
    EXPECT_EQ(m_Dialogs.messages[0].icon, TMessageIcon::Information);
    EXPECT_EQ(editor().textCursor().position(), 2) << "the caret stays";
    EXPECT_FALSE(editor().textCursor().hasSelection());
    EXPECT_FALSE(m_Window->isWindowOpen(QStringLiteral("TFormFindText")));
}

TEST_F(Commands, TypingAfterFindOrThePromptGoesToTheEditor)
{
    struct TCase
    {
        const char* reason;
        const char* search; // through the find dialog; null: through the replace prompt
        const char* button;
    };
    const TCase cases[] = {
        {"Find Next", "a", "ButtonOk"},
        {"Find Next that finds nothing", "q", "ButtonOk"},
        {"the prompt's Find Next", nullptr, "ButtonFindNext"},
        {"the prompt's Replace", nullptr, "ButtonReplace"},
        {"the prompt's Replace All", nullptr, "ButtonReplaceAll"},
        {"the prompt's Last", nullptr, "ButtonLast"},
        {"the prompt's Cancel", nullptr, "ButtonCancel"},
    };
    for (const TCase& c : cases) {
        openWindow();
        typeText(QStringLiteral("a1 a2 a3"));
        caretTo(0);
        QWidget* dialog = nullptr;
        if (c.search != nullptr) {
            press(QKeySequence(Qt::CTRL | Qt::Key_F));
            dialog = findForm();
            ASSERT_NE(dialog, nullptr) << c.reason;
            child<QComboBox>(dialog, "ComboBoxFind")->setEditText(QLatin1String(c.search));
        } else {
            replaceThroughDialog(QStringLiteral("a"), QStringLiteral("b"), true, "ButtonReplace");
            dialog = prompt();
            ASSERT_NE(dialog, nullptr) << c.reason;
        }
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog)) << c.reason;
        child<QAbstractButton>(dialog, c.button)->click();
        EXPECT_TRUE(QTest::qWaitFor([this] {
            return QApplication::activeWindow() == m_Window.get();
        })) << c.reason;
        QWidget* typedInto = QApplication::focusWidget();
        ASSERT_NE(typedInto, nullptr) << c.reason;
        QTest::keyClick(typedInto, Qt::Key_Z);
        EXPECT_TRUE(editorText().contains(QLatin1Char('z'))) << c.reason;
        editor().document()->setModified(false);
        m_Window->close();
        m_Window.reset();
    }
}

TEST_F(Commands, PasteIntoTheFindBoxEntersItsHistory)
{
    openWindow();
    press(QKeySequence(Qt::CTRL | Qt::Key_F));
    TFormFindText* form = findForm();
    ASSERT_NE(form, nullptr);
    QApplication::setActiveWindow(form);
    auto* combo = child<QComboBox>(form, "ComboBoxFind");
    combo->setFocus();
    combo->setEditText(QStringLiteral("abef"));
    combo->lineEdit()->setCursorPosition(2);
    QGuiApplication::clipboard()->setText(QStringLiteral("cd"));
    ASSERT_NE(form->focusWidget(), nullptr);
    QTest::keyClick(form->focusWidget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(combo->currentText(), QStringLiteral("abcdef"));
    ASSERT_EQ(combo->count(), 1);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("abcdef"));
    EXPECT_TRUE(editorText().isEmpty()) << "the editor's paste stays out of it";
}

TEST_F(Commands, ReplaceDialogKeepsItsHistoriesAndTakesPastes)
{
    openWindow();
    typeText(QStringLiteral("a1 a2"));
    replaceThroughDialog(QStringLiteral("a"), QStringLiteral("b"), true, "ButtonReplaceAll");
    EXPECT_EQ(editorText(), QStringLiteral("b1 b2"));

    QStringList finds;
    QStringList replacements;
    QString pasted;
    whenModal([&](QWidget* modal) {
        auto* find = child<QComboBox>(modal, "ComboBoxFind");
        auto* replace = child<QComboBox>(modal, "ComboBoxReplace");
        for (int i = 0; i < find->count(); ++i)
            finds << find->itemText(i);
        for (int i = 0; i < replace->count(); ++i)
            replacements << replace->itemText(i);
        replace->setFocus();
        replace->setEditText(QStringLiteral("xy"));
        replace->lineEdit()->setCursorPosition(1);
        QGuiApplication::clipboard()->setText(QStringLiteral("-"));
        QTest::keyClick(modal->focusWidget(), Qt::Key_V, Qt::ControlModifier);
        pasted = replace->itemText(0);
        qobject_cast<QDialog*>(modal)->reject();
    });
    press(QKeySequence(Qt::CTRL | Qt::Key_R));
    EXPECT_EQ(finds, QStringList{QStringLiteral("a")});
    EXPECT_EQ(replacements, QStringList{QStringLiteral("b")});
    EXPECT_EQ(pasted, QStringLiteral("x-y"));
    EXPECT_EQ(editorText(), QStringLiteral("b1 b2")) << "cancelled: nothing replaced";
}

// Replace.

TEST_F(Commands, PromptButtonsWorkThroughTheMatches)
{
    openWindow();
    typeText(QStringLiteral("a1 a2 a3 a4"));
    caretTo(0);
    replaceThroughDialog(QStringLiteral("a"), QStringLiteral("bb"), true, "ButtonReplace");
    ASSERT_NE(prompt(), nullptr);
    EXPECT_TRUE(prompt()->isVisible());
    EXPECT_FALSE(m_Window->findChild<TFormReplaceText*>()->isVisible());
    EXPECT_EQ(selectionStart(), 0);
    EXPECT_EQ(selected(), QStringLiteral("a"));

    promptButton("ButtonReplace")->click();
    EXPECT_EQ(editorText(), QStringLiteral("bb1 a2 a3 a4"));
    EXPECT_EQ(selected(), QStringLiteral("bb")) << "the inserted text stands selected";
    EXPECT_TRUE(m_Window->windowTitle().endsWith(QLatin1Char('*')));

    promptButton("ButtonFindNext")->click();
    EXPECT_EQ(selectionStart(), 4);
    promptButton("ButtonFindNext")->click();
    EXPECT_EQ(selectionStart(), 7) << "Find Next skips a match";
    promptButton("ButtonReplace")->click();
    EXPECT_EQ(editorText(), QStringLiteral("bb1 a2 bb3 a4"));
    EXPECT_TRUE(prompt()->isVisible());

    promptButton("ButtonLast")->click();
    EXPECT_EQ(editorText(), QStringLiteral("bb1 a2 bb3 bb4")) << "Last replaces the next one";
    EXPECT_FALSE(prompt()->isVisible());

    caretTo(0);
    replaceThroughDialog(QStringLiteral("a"), QStringLiteral("bb"), true, "ButtonReplace");
    EXPECT_EQ(selectionStart(), 4);
    promptButton("ButtonCancel")->click();
    EXPECT_FALSE(prompt()->isVisible());
    EXPECT_EQ(editorText(), QStringLiteral("bb1 a2 bb3 bb4"));
}

TEST_F(Commands, ReplaceAfterTheUserMovedDoesNotOverwriteTheNewSelection)
{
    openWindow();
    typeText(QStringLiteral("a1 a2"));
    caretTo(0);
    replaceThroughDialog(QStringLiteral("a"), QStringLiteral("b"), true, "ButtonReplace");
    ASSERT_EQ(selectionStart(), 0);

    select(1, 1); // the user selects "1"
    promptButton("ButtonReplace")->click();
    EXPECT_EQ(editorText(), QStringLiteral("a1 b2")) << "searched on instead of replacing the '1'";
    EXPECT_EQ(selectionStart(), 3);
    EXPECT_EQ(selected(), QStringLiteral("b"));

    caretTo(0);
    promptButton("ButtonFindNext")->click();
    ASSERT_EQ(selectionStart(), 0);
    // The user types over the match: the same place, another text.
    QTest::keyClick(&editor(), Qt::Key_Z);
    select(0, 1);
    promptButton("ButtonReplace")->click();
    EXPECT_EQ(editorText(), QStringLiteral("z1 b2")) << "nothing left to replace";
}

TEST_F(Commands, RememberedMatchWithoutMatchCaseIsReplaced)
{
    openWindow();
    typeText(QStringLiteral("A1 a2"));
    caretTo(0);
    replaceThroughDialog(QStringLiteral("a"), QStringLiteral("b"), false, "ButtonReplace");
    ASSERT_EQ(selected(), QStringLiteral("A"));
    promptButton("ButtonReplace")->click();
    EXPECT_EQ(editorText(), QStringLiteral("b1 a2"));
}

TEST_F(Commands, ReplaceAllIsOneUndoStep)
{
    struct TCase
    {
        bool throughPrompt;
        const char* reason;
    };
    for (const TCase& c : {TCase{false, "the replace dialog"}, TCase{true, "the prompt"}}) {
        openWindow();
        typeText(QStringLiteral("sin(x) + SIN(y)\nz = sin;"));
        editor().document()->setModified(false);
        const QString before = editorText();
        if (c.throughPrompt) {
            replaceThroughDialog(QStringLiteral("sin"), QStringLiteral("cos"), false,
                                 "ButtonReplace");
            promptButton("ButtonReplaceAll")->click();
            EXPECT_FALSE(prompt()->isVisible()) << c.reason;
        } else {
            replaceThroughDialog(QStringLiteral("sin"), QStringLiteral("cos"), false,
                                 "ButtonReplaceAll");
        }
        EXPECT_EQ(editorText(), QStringLiteral("cos(x) + cos(y)\nz = cos;")) << c.reason;
        EXPECT_FALSE(m_Window->findChild<TFormReplaceText*>()->isVisible()) << c.reason;
        EXPECT_TRUE(m_Window->windowTitle().endsWith(QLatin1Char('*'))) << c.reason;
        EXPECT_EQ(caretStatus(), QStringLiteral("Ln 2, Col 1")) << c.reason;

        press(QKeySequence(Qt::CTRL | Qt::Key_Z));
        EXPECT_EQ(editorText(), before) << c.reason;
        EXPECT_FALSE(m_Window->windowTitle().endsWith(QLatin1Char('*'))) << c.reason;
        m_Window->close();
        m_Window.reset();
    }
}

TEST_F(Commands, ReplacementBeyondTheLimitIsTakenBack)
{
    struct TCase
    {
        const char* reason;
        QString text;
        bool all;            // Replace All, else one replacement
        QString replacement; // of every "x"
        bool kept;
    };
    const QString nearlyFull(kEditorMaxChars - 5, QLatin1Char('c'));
    const TCase cases[] = {
        {"one replacement filling the editor exactly", nearlyFull + QLatin1Char('x'), false,
         QStringLiteral("12345"), true},
        {"one replacement one character beyond", nearlyFull + QLatin1Char('x'), false,
         QStringLiteral("123456"), false},
        {"all replacements beyond", QString(kEditorMaxChars / 2, QLatin1Char('x')), true,
         QStringLiteral("yyy"), false},
        {"all replacements within", QStringLiteral("x = 1; x = 2;"), true, QStringLiteral("yy"),
         true},
    };
    openWindow();
    for (const TCase& c : cases) {
        editor().setPlainText(c.text);
        editor().document()->setModified(false);
        caretTo(0);
        m_Dialogs.messages.clear();
        if (c.all)
            m_Window->replaceAll(QStringLiteral("x"), c.replacement, true);
        else
            m_Window->replaceCurrent(QStringLiteral("x"), c.replacement, true);
        QString expected = c.text;
        if (c.kept)
            expected.replace(QLatin1Char('x'), c.replacement);
        EXPECT_EQ(editorText(), expected) << c.reason;
        EXPECT_EQ(editor().document()->isModified(), c.kept) << c.reason;
        EXPECT_EQ(m_Window->windowTitle().endsWith(QLatin1Char('*')), c.kept) << c.reason;
        ASSERT_EQ(m_Dialogs.messages.size(), c.kept ? 0u : 1u) << c.reason;
        if (!c.kept) {
            EXPECT_EQ(m_Dialogs.messages[0].caption, QStringLiteral(" Inserting of Text"))
                << c.reason;
            QTest::keyClick(&editor(), Qt::Key_Y, Qt::ControlModifier);
            QTest::keyClick(&editor(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            EXPECT_EQ(editorText(), expected) << "no redo brings it back: " << c.reason;
        }
    }
}

TEST_F(Commands, ReplaceAllOfNothingChangesNothing)
{
    openWindow();
    typeText(QStringLiteral("a = 1;"));
    editor().document()->setModified(false);
    replaceThroughDialog(QStringLiteral("q"), QStringLiteral("r"), true, "ButtonReplaceAll");
    EXPECT_EQ(editorText(), QStringLiteral("a = 1;"));
    EXPECT_FALSE(editor().document()->isModified());

    replaceThroughDialog(QStringLiteral("a"), QString(), true, "ButtonReplace");
    EXPECT_EQ(prompt(), nullptr) << "an empty replacement starts nothing";
}

TEST_F(Commands, OpeningFindClosesThePromptAndReplaceClosesFind)
{
    openWindow();
    typeText(QStringLiteral("a a"));
    caretTo(0);
    replaceThroughDialog(QStringLiteral("a"), QStringLiteral("b"), true, "ButtonReplace");
    ASSERT_TRUE(prompt()->isVisible());
    press(QKeySequence(Qt::CTRL | Qt::Key_F));
    EXPECT_FALSE(prompt()->isVisible());
    ASSERT_TRUE(findForm()->isVisible());

    whenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    press(QKeySequence(Qt::CTRL | Qt::Key_R));
    EXPECT_FALSE(findForm()->isVisible());
}

// Find next (F3).

TEST_F(Commands, F3SearchesTheSelectionWithTheDialogsMatchCase)
{
    openWindow();
    typeText(QStringLiteral("Ab ab AB Ab"));
    select(0, 2);
    press(Qt::Key_F3);
    EXPECT_EQ(selectionStart(), 9) << "Match Case is ticked at start: 'ab' and 'AB' are passed";
    ASSERT_NE(findForm(), nullptr) << "the dialog is created";
    EXPECT_FALSE(findForm()->isVisible()) << "but not shown";

    // Unticked in the dialog, F3 without it finds the next in any case.
    child<QCheckBox>(findForm(), "CheckBoxMatchCase")->setChecked(false);
    select(0, 2);
    press(Qt::Key_F3);
    EXPECT_EQ(selectionStart(), 3);
    EXPECT_TRUE(m_Dialogs.messages.empty());
}

TEST_F(Commands, F3WithNothingSelectedAndNoSearchDoesNothing)
{
    openWindow();
    typeText(QStringLiteral("abc"));
    caretTo(1);
    press(Qt::Key_F3);
    EXPECT_EQ(editor().textCursor().position(), 1);
    EXPECT_FALSE(editor().textCursor().hasSelection());
    EXPECT_TRUE(m_Dialogs.messages.empty());
    ASSERT_NE(findForm(), nullptr);
    EXPECT_FALSE(findForm()->isVisible());
}

TEST_F(Commands, F3RepeatsTheLastSearchOnceTheDialogIsClosed)
{
    openWindow();
    typeText(QStringLiteral("x1 x2 x3"));
    caretTo(0);
    press(QKeySequence(Qt::CTRL | Qt::Key_F));
    child<QComboBox>(findForm(), "ComboBoxFind")->setEditText(QStringLiteral("x"));
    child<QAbstractButton>(findForm(), "ButtonOk")->click();
    ASSERT_EQ(selectionStart(), 0);
    findForm()->close();

    caretTo(1);
    press(Qt::Key_F3);
    EXPECT_EQ(selectionStart(), 3);
    EXPECT_EQ(selected(), QStringLiteral("x"));
    EXPECT_FALSE(findForm()->isVisible());
}

TEST_F(Commands, F3WhileTheDialogIsShownUsesTheDialogsOwnSearch)
{
    openWindow();
    typeText(QStringLiteral("ab AB ab"));
    select(6, 2);
    press(QKeySequence(Qt::CTRL | Qt::Key_F));
    TFormFindText* form = findForm();
    child<QComboBox>(form, "ComboBoxFind")->setEditText(QStringLiteral("Ab"));
    child<QCheckBox>(form, "CheckBoxMatchCase")->setChecked(false);
    caretTo(1);
    press(Qt::Key_F3);
    EXPECT_EQ(selectionStart(), 3) << "the dialog's text and Match Case, not the editor's";
    EXPECT_EQ(child<QComboBox>(form, "ComboBoxFind")->itemText(0), QStringLiteral("Ab"));
    EXPECT_TRUE(form->isVisible());
}

TEST_F(Commands, SelectionOverSeveralLinesIsFoundWhereItStands)
{
    openWindow();
    typeText(QStringLiteral("ab\ncd ab\ncd"));
    select(0, 5);
    press(Qt::Key_F3);
    EXPECT_TRUE(m_Dialogs.messages.empty());
    EXPECT_EQ(selectionStart(), 6);
    EXPECT_EQ(selected(),
              QStringLiteral("ab") + QChar(QChar::ParagraphSeparator) + QStringLiteral("cd"));

    select(0, 5);
    press(QKeySequence(Qt::CTRL | Qt::Key_F));
    EXPECT_EQ(child<QComboBox>(findForm(), "ComboBoxFind")->currentText(),
              QStringLiteral("ab\r\ncd"));
}

// Go to line.

TEST_F(Commands, GotoLineKeepsTheNumberBetweenUses)
{
    openWindow();
    typeText(QStringLiteral("a = 1;\nb = 2;\nc = 3;\nd = 4;"));
    struct TCase
    {
        const char* typed;
        const char* offered;
        const char* status;
        const char* reason;
    };
    const TCase cases[] = {
        {"3", "1", "Ln 3, Col 1", "first use offers 1"},
        {"0", "3", "Ln 1, Col 1", "the number typed before; 0 is the first line"},
        {"999", "0", "Ln 4, Col 1", "past the end: the last line"},
        {"2", "999", "Ln 2, Col 1", "the number kept even past the end"},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(gotoLine(QLatin1String(c.typed)).toStdString(), c.offered) << c.reason;
        EXPECT_EQ(caretStatus().toStdString(), c.status) << c.reason;
        EXPECT_FALSE(editor().textCursor().hasSelection()) << c.reason;
    }

    whenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    caretTo(3);
    press(QKeySequence(Qt::CTRL | Qt::Key_G));
    EXPECT_EQ(editor().textCursor().position(), 3) << "Cancel moves nothing";
}

// Status line.

TEST_F(Commands, StatusLineShowsLineAndColumnWithTabStops)
{
    openWindow();
    EXPECT_EQ(caretStatus(), QStringLiteral("Ln 1, Col 1"));
    struct TCase
    {
        const char* typed;
        const char* status;
        const char* reason;
    };
    const TCase cases[] = {
        {"a\nb\n\t", "Ln 3, Col 9", "a tab at the start goes to column 9"},
        {"ab\t", "Ln 1, Col 9", "after two characters the tab still ends at 9"},
        {"abcdefgh\t", "Ln 1, Col 17", "a full cell: the tab starts the next"},
        {"\n\n", "Ln 3, Col 1", "an empty last line counts"},
    };
    for (const TCase& c : cases) {
        editor().clear();
        typeText(QLatin1String(c.typed));
        EXPECT_EQ(caretStatus().toStdString(), c.status) << c.reason;
    }
    QTest::keyClick(&editor(), Qt::Key_Up);
    EXPECT_EQ(caretStatus(), QStringLiteral("Ln 2, Col 1")) << "moving the caret updates it";
}

TEST_F(Commands, StatusColumnEqualsTheMessagePosition)
{
    writeIni("[ViewResult]\r\nWhereShowResult=1\r\n");
    openWindow();
    typeText(QStringLiteral("\tx = ;"));
    QTest::keyClick(&editor(), Qt::Key_Left);
    const QRegularExpressionMatch status =
        QRegularExpression(QStringLiteral("^Ln 1, Col (\\d+)$")).match(caretStatus());
    ASSERT_TRUE(status.hasMatch()) << caretStatus().toStdString();
    press(Qt::Key_F5);
    const QRegularExpressionMatch message =
        QRegularExpression(QStringLiteral("line 1, position (\\d+)\\]")).match(paneText());
    ASSERT_TRUE(message.hasMatch()) << paneText().toStdString();
    EXPECT_EQ(status.captured(1), message.captured(1));
    EXPECT_EQ(status.captured(1), QStringLiteral("13"));
}

TEST_F(Commands, StatusTextIsShownBesideTheCaret)
{
    openWindow();
    EXPECT_TRUE(m_Window->getStatusText().isEmpty());
    m_Window->setStatusText(QStringLiteral("ready"));
    EXPECT_EQ(m_Window->getStatusText(), QStringLiteral("ready"));
    EXPECT_EQ(child<QLabel>(m_Window.get(), "StatusPanelText")->text(), QStringLiteral("ready"));
    EXPECT_EQ(caretStatus(), QStringLiteral("Ln 1, Col 1")) << "the caret panel keeps its text";
}

// Messages pane.

TEST_F(Commands, PaneCommands)
{
    openWindow();
    typeText(QStringLiteral("a = ;\nb = ;"));
    press(Qt::Key_F5);
    QPlainTextEdit* pane = m_Window->messagesPane();
    ASSERT_FALSE(paneText().isEmpty());

    trigger("ActionWinMsgSelectAll");
    EXPECT_EQ(pane->textCursor().selectedText().size(), paneText().size());
    QGuiApplication::clipboard()->clear();
    trigger("ActionWinMsgCopy");
    EXPECT_EQ(clipboard(), paneText());

    auto* splitter = child<QSplitter>(m_Window.get(), "Splitter");
    auto* panel = child<QWidget>(m_Window.get(), "PanelMsg");
    const QList<int> sizes = splitter->sizes();
    splitter->setSizes({sizes[0] - 100, sizes[1] + 100});
    ASSERT_GT(panel->height(), 77);
    trigger("ActionWinMsgResize");
    EXPECT_EQ(panel->height(), 77);
    EXPECT_EQ(splitter->sizes().value(0) + splitter->sizes().value(1), sizes[0] + sizes[1])
        << "the editor takes the rest";

    trigger("ActionWinMsgClear");
    EXPECT_TRUE(paneText().isEmpty());

    trigger("ActionWinMsgHide");
    EXPECT_TRUE(panel->isHidden());
    EXPECT_FALSE(m_Window->findAction(QStringLiteral("ActionViewWinMsg"))->isChecked());
}

TEST_F(Commands, PaneShowsTheFocusTheTabGaveIt)
{
    writeIni("[Editor]\r\nUseTab=0\r\n[FormMain]\r\nShowWindowMessages=1\r\n");
    openWindow();
    QPlainTextEdit* pane = m_Window->messagesPane();
    pane->setPlainText(QStringLiteral("pane"));
    expectTheFocusShows(pane, [this] { QTest::keyClick(&editor(), Qt::Key_Tab); });
}

TEST_F(Commands, PaneButtonsAllShownAtItsSmallestHeight)
{
    writeIni("[FormMain]\r\nShowWindowMessages=1\r\n");
    openWindow();
    trigger("ActionWinMsgResize");
    QCoreApplication::processEvents();
    ASSERT_EQ(child<QWidget>(m_Window.get(), "PanelMsg")->height(), kMessagesPaneMinHeight);
    auto* bar = child<QToolBar>(m_Window.get(), "ToolBarMsg");
    for (const char* name : {"ActionWinMsgClear", "ActionWinMsgResize", "ActionWinMsgHide"}) {
        const QWidget* button = bar->widgetForAction(m_Window->findAction(QLatin1String(name)));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_TRUE(button->isVisible()) << name;
        EXPECT_TRUE(bar->rect().contains(button->geometry())) << name;
    }
    for (const QToolButton* button : bar->findChildren<QToolButton*>()) {
        if (bar->widgetForAction(button->defaultAction()) != button) {
            EXPECT_FALSE(button->isVisible()) << "no overflow button";
        }
    }
}

TEST_F(Commands, PaneMenuHoldsItsCommands)
{
    openWindow();
    auto* menu = child<QMenu>(m_Window.get(), "PopupMenuWinMsg");
    QStringList names;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator())
            names << action->objectName();
    }
    EXPECT_EQ(names, (QStringList{QStringLiteral("ActionWinMsgCopy"),
                                  QStringLiteral("ActionWinMsgSelectAll"),
                                  QStringLiteral("ActionWinMsgClear"),
                                  QStringLiteral("ActionWinMsgResize"),
                                  QStringLiteral("ActionWinMsgHide")}));
}

// About, help and testing.

TEST_F(Commands, AboutIsShownOnceAndBroughtForward)
{
    openWindow();
    int aboutWindows = 0;
    bool secondReturned = false;
    whenModal([&](QWidget* modal) {
        ASSERT_NE(qobject_cast<TFormAbout*>(modal), nullptr);
        m_Window->showAbout();
        secondReturned = true;
        aboutWindows = static_cast<int>(m_Window->findChildren<TFormAbout*>().size());
        EXPECT_EQ(QApplication::activeModalWidget(), modal);
        qobject_cast<QDialog*>(modal)->accept();
    });
    trigger("ActionHelpAbout");
    EXPECT_TRUE(secondReturned);
    EXPECT_EQ(aboutWindows, 1);
    EXPECT_TRUE(m_Window->findChildren<TFormAbout*>().isEmpty()) << "deleted after closing";
    EXPECT_FALSE(m_Window->isWindowOpen(QStringLiteral("TFormAbout")));
}

TEST_F(Commands, HelpBesideTheProgramOpensDirectly)
{
    const QString help = binFolder() + QStringLiteral("/ombrix.chm");
    writeFile(help, "ITSF");
    openWindow();
    trigger("ActionHelpContent");
    ASSERT_EQ(m_Dialogs.openedAddresses.size(), 1U);
    EXPECT_EQ(m_Dialogs.openedAddresses[0], QUrl::fromLocalFile(help));
    EXPECT_TRUE(m_Dialogs.openFileRequests.empty());

    // A program folder unpacked from another system may hold a byte that is no text.
    const QByteArray foreign = QFile::encodeName(binFolder()) + "/caf\xe9";
    ASSERT_EQ(::mkdir(foreign.constData(), 0700), 0);
    ASSERT_EQ(::close(::creat((foreign + "/ombrix.chm").constData(), 0600)), 0);
    CExecutableLocation::redirect(fileNameOfBytes(foreign + "/ombrix"));
    trigger("ActionHelpContent");
    CExecutableLocation::redirect(binFolder() + QStringLiteral("/ombrix"));
    ASSERT_EQ(m_Dialogs.openedAddresses.size(), 2U);
    EXPECT_EQ(m_Dialogs.openedAddresses[1].toEncoded(),
              QUrl::fromLocalFile(binFolder()).toEncoded() + "/caf%E9/ombrix.chm");
    ::unlink((foreign + "/ombrix.chm").constData());
    ::rmdir(foreign.constData());
}

TEST_F(Commands, MissingHelpIsAskedForEveryTime)
{
    const QString chosen = docPath(QStringLiteral("elsewhere.chm"));
    writeFile(chosen, "ITSF");
    openWindow();
    m_Dialogs.openFileAnswers = {chosen};
    trigger("ActionHelpContent");
    ASSERT_EQ(m_Dialogs.openFileRequests.size(), 1U);
    EXPECT_EQ(m_Dialogs.openFileRequests[0].title, QStringLiteral(" Open help file"));
    ASSERT_EQ(m_Dialogs.openedAddresses.size(), 1U);
    EXPECT_EQ(m_Dialogs.openedAddresses[0], QUrl::fromLocalFile(chosen));

    trigger("ActionHelpContent");
    EXPECT_EQ(m_Dialogs.openFileRequests.size(), 2U) << "the choice is not remembered";
    EXPECT_EQ(m_Dialogs.openedAddresses.size(), 1U) << "cancelled: nothing opened";
    EXPECT_TRUE(m_Dialogs.messages.empty()) << "cancelling ends silently";
}

TEST_F(Commands, HelpTheDesktopCannotOpenIsAskedForUntilCancelled)
{
    writeFile(binFolder() + QStringLiteral("/ombrix.chm"), "ITSF");
    const QString chosen = docPath(QStringLiteral("other.chm"));
    writeFile(chosen, "ITSF");
    openWindow();
    m_Dialogs.desktopOpens = false;
    m_Dialogs.openFileAnswers = {chosen};
    trigger("ActionHelpContent");
    EXPECT_EQ(m_Dialogs.openFileRequests.size(), 2U) << "asked again after the chosen file failed";
    ASSERT_EQ(m_Dialogs.openedAddresses.size(), 2U);
    EXPECT_EQ(m_Dialogs.openedAddresses[1], QUrl::fromLocalFile(chosen));
    EXPECT_TRUE(m_Dialogs.messages.empty());
}

TEST_F(Commands, TestingFromTheMenuUsesTheStoredFilesAsStored)
{
    const QString input = docPath(QStringLiteral("tests.txt"));
    const QString report = docPath(QStringLiteral("report.txt"));
    writeFile(input, "a = 1;\r\n***END_BLOCK***\r\nb = a;\r\n");
    writeIni("[Testing]\r\nTestingFileIn=" + input.toUtf8()
             + "\r\nTestingFileOut=" + report.toUtf8() + "\r\n");
    openWindow();
    QAction* testing = m_Window->findAction(QStringLiteral("ActionOptionsTesting"));
    EXPECT_FALSE(testing->isVisible()) << "its menu item is hidden";
    trigger("ActionOptionsTesting");
    const QByteArray written = readFile(report);
    EXPECT_TRUE(written.contains("[START]")) << written.toStdString();
    EXPECT_EQ(written.count("[TEXT]"), 2);
    EXPECT_TRUE(written.contains("[FINISH]"));
    EXPECT_TRUE(editorText().isEmpty());
}

TEST_F(Commands, TestingFromTheMenuLooksNowhereElseForItsFiles)
{
    // The command line would find a bare name in the program's folder; the menu does not.
    writeFile(binFolder() + QStringLiteral("/tests.txt"), "a = 1;\r\n");
    const QString report = docPath(QStringLiteral("report.txt"));
    writeIni("[Testing]\r\nTestingFileIn=tests.txt\r\nTestingFileOut=" + report.toUtf8() + "\r\n");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(docsFolder()));
    openWindow();
    trigger("ActionOptionsTesting");
    QDir::setCurrent(previous);
    EXPECT_FALSE(readFile(report).contains("a = 1;")) << readFile(report).toStdString();
    ASSERT_EQ(m_Dialogs.messages.size(), 1U) << "the user learns why nothing ran";
    EXPECT_EQ(m_Dialogs.messages[0].text,
              QStringLiteral("Error at reading of a file 'tests.txt'.\n") + systemReason(ENOENT));
}

// The tray.

TEST_F(Commands, TrayMenuOffersOnlyWhatMayRunNow)
{
    struct TCase
    {
        const char* reason;
        bool hidden;
        bool dialogWaits; // nothing may start under it
        std::string offered;
    };
    const TCase cases[] = {
        {"the window is shown", false, false, "MenuItemTrayAbout MenuItemTrayExit"},
        {"the window is hidden", true, false,
         "ActionShowProgram MenuItemTrayAbout MenuItemTrayExit"},
        {"a dialog waits", false, true, ""},
        {"a dialog waits, the window hidden", true, true, "ActionShowProgram"},
    };
    writeIni("[FormMain]\r\nShowSystemTrayIcon=1\r\n");
    openWindow();
    ASSERT_TRUE(m_Tray.shown);
    ASSERT_TRUE(m_Tray.onActivated);
    QAction* show = m_Window->findAction(QStringLiteral("ActionShowProgram"));
    QAction* about = m_Window->findAction(QStringLiteral("MenuItemTrayAbout"));
    QAction* exit = m_Window->findAction(QStringLiteral("MenuItemTrayExit"));
    ASSERT_NE(exit, nullptr);
    auto* menu = child<QMenu>(m_Window.get(), "PopupMenuTrayIcon");
    for (const TCase& c : cases) {
        m_Window->setVisible(!c.hidden);
        std::string offered;
        const auto rightClick = [&] {
            m_Tray.onActivated(TTrayMouse::RightButton);
            EXPECT_TRUE(menu->isVisible()) << c.reason;
            for (QAction* item : {show, about, exit}) {
                if (!item->isVisible() || !item->isEnabled())
                    continue;
                // Appended, not built as a new string: g++ 12 at -O3 takes the latter for an
                // overlapping copy.
                offered += offered.empty() ? "" : " ";
                offered += item->objectName().toStdString();
            }
            menu->close();
        };
        if (c.dialogWaits) {
            whenModal([&](QWidget* dialog) {
                rightClick();
                qobject_cast<QDialog*>(dialog)->reject();
            });
            m_Window->showOptions(TOptionsPage::Main);
        } else {
            rightClick();
        }
        EXPECT_EQ(offered, c.offered) << c.reason;
    }
    show->trigger();
    EXPECT_TRUE(m_Window->isVisible());
}

TEST_F(Commands, TimerBringsBackALostTrayIcon)
{
    writeIni("[FormMain]\r\nShowSystemTrayIcon=1\r\n");
    openWindow();
    auto* timer = child<QTimer>(m_Window.get(), "TimerRefreshTrayIcon");
    EXPECT_EQ(timer->interval(), 5000);
    EXPECT_TRUE(timer->isActive());
    const int adds = m_Tray.adds;
    m_Tray.shown = false; // the desktop lost it
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_TRUE(m_Tray.shown);
    EXPECT_EQ(m_Tray.adds, adds + 1);

    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_EQ(m_Tray.adds, adds + 1) << "an icon still shown is left alone";
}

TEST_F(Commands, TimerAddsNoIconWhileTheTrayIsOff)
{
    openWindow();
    auto* timer = child<QTimer>(m_Window.get(), "TimerRefreshTrayIcon");
    const int adds = m_Tray.adds;
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_EQ(m_Tray.adds, adds);
    EXPECT_FALSE(m_Tray.shown);
}

// Actions and menus.

TEST_F(Commands, ShortCutsFireTheirCommands)
{
    openWindow();
    const QString text = QStringLiteral("a = 1;");
    struct TCase
    {
        QKeySequence key;
        bool inPane; // else in the editor, "a" selected
        std::function<bool()> fired;
        const char* reason;
    };
    const auto asked = [](const auto& requests, std::size_t before) {
        return requests.size() > before;
    };
    std::size_t opened = 0;
    std::size_t saved = 0;
    const TCase cases[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), false, [&] { return editorText().isEmpty(); }, "new"},
        {QKeySequence(Qt::CTRL | Qt::Key_O), false,
         [&] { return asked(m_Dialogs.openFileRequests, opened); }, "open asks for a file"},
        {QKeySequence(Qt::CTRL | Qt::Key_S), false,
         [&] { return asked(m_Dialogs.saveFileRequests, saved); },
         "an unnamed document asks a name"},
        {QKeySequence(Qt::CTRL | Qt::Key_X), false,
         [&] {
             return editorText() == QStringLiteral(" = 1;") && clipboard() == QStringLiteral("a");
         },
         "cut"},
        {QKeySequence(Qt::CTRL | Qt::Key_C), false,
         [&] { return clipboard() == QStringLiteral("a"); }, "the editor's copy"},
        {QKeySequence(Qt::CTRL | Qt::Key_C), true,
         [&] { return clipboard() == QStringLiteral("pane"); }, "the pane's copy on the same key"},
        {QKeySequence(Qt::CTRL | Qt::Key_V), false,
         [&] { return editorText() == QStringLiteral("@ = 1;"); }, "paste"},
        {QKeySequence(Qt::CTRL | Qt::Key_Delete), false,
         [&] {
             return editorText() == QStringLiteral(" = 1;") && clipboard() == QStringLiteral("@");
         },
         "delete leaves the clipboard alone"},
        {QKeySequence(Qt::CTRL | Qt::Key_A), false,
         [&] { return selected().size() == text.size(); }, "select all"},
        {QKeySequence(Qt::Key_F5), false,
         [&] { return paneText().contains(QStringLiteral("a = 1")); }, "calculate"},
        {QKeySequence(Qt::CTRL | Qt::Key_F), false,
         [&] { return findForm() != nullptr && findForm()->isVisible(); },
         "find, last: its dialog takes the focus"},
    };
    for (const TCase& c : cases) {
        editor().setPlainText(text);
        editor().document()->setModified(false);
        select(0, 1);
        editor().setFocus();
        m_Window->messagesPane()->setPlainText(QStringLiteral("pane"));
        if (c.inPane) {
            m_Window->messagesPane()->setFocus();
            m_Window->messagesPane()->selectAll();
        }
        QGuiApplication::clipboard()->setText(QStringLiteral("@"));
        opened = m_Dialogs.openFileRequests.size();
        saved = m_Dialogs.saveFileRequests.size();
        press(c.key);
        EXPECT_TRUE(c.fired()) << c.reason;
    }
}

TEST_F(Commands, KeysNamingNothingWriteNothing)
{
    struct TCase
    {
        const char* reason;
        QByteArray options;
        std::function<QString()> typeAndRead;
        QString expected;
    };
    const QByteArray tabMovesFocus =
        "[Editor]\r\nUseTab=0\r\n[FormMain]\r\nShowWindowMessages=0\r\n";
    const TCase cases[] = {
        {"a tab that moves the focus, with no other control to take it", tabMovesFocus,
         [&] {
             QTest::keyClick(&editor(), Qt::Key_Tab);
             return editorText();
         },
         QStringLiteral("ab")},
        {"Alt+X names no menu: the selection stays for what AltGr (as Ctrl+Alt) types", "",
         [&] {
             editor().selectAll();
             QTest::keyClick(&editor(), 'x', Qt::AltModifier);
             QTest::sendKeyEvent(QTest::Click, &editor(), Qt::Key_Q, QStringLiteral("@"),
                                 Qt::ControlModifier | Qt::AltModifier);
             return editorText();
         },
         QStringLiteral("@")},
        {"an Alt combination in a dialog's field", "",
         [&] {
             press(QKeySequence(Qt::CTRL | Qt::Key_F));
             auto* field = child<QComboBox>(findForm(), "ComboBoxFind");
             field->setEditText(QStringLiteral("ab"));
             QTest::keyClick(field, 'x', Qt::AltModifier);
             return field->currentText();
         },
         QStringLiteral("ab")},
    };
    for (const TCase& c : cases) {
        writeIni(c.options);
        openWindow();
        typeText(QStringLiteral("ab"));
        EXPECT_EQ(c.typeAndRead(), c.expected) << c.reason;
        editor().document()->setModified(false);
        m_Window->close();
        m_Window.reset();
    }
}

TEST_F(Commands, EveryMenuEntryHasACaption)
{
    openWindow();
    // The tool bars' overflow menus have no name and no entries of their own.
    QList<QMenu*> menus = m_Window->findChildren<QMenu*>();
    menus.removeIf([](const QMenu* menu) { return menu->objectName().isEmpty(); });
    ASSERT_EQ(menus.size(), 10) << "six menus, the recent files, three context menus";
    for (const QMenu* menu : menus) {
        if (menu->objectName().startsWith(QLatin1String("MenuItem"))) {
            EXPECT_FALSE(menu->title().isEmpty()) << menu->objectName().toStdString();
        }
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                EXPECT_FALSE(action->text().trimmed().isEmpty())
                    << menu->objectName().toStdString() << " "
                    << action->objectName().toStdString();
            }
        }
    }
    for (const QAction* action : child<QToolBar>(m_Window.get(), "ToolBar")->actions()) {
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->toolTip().isEmpty()) << action->objectName().toStdString();
        }
    }
}

TEST_F(Commands, MenusHoldTheirItemsInOrder)
{
    openWindow();
    const auto items = [this](const char* menuName) {
        QStringList names;
        for (const QAction* action : child<QMenu>(m_Window.get(), menuName)->actions()) {
            if (action->isSeparator())
                continue;
            names << (action->menu() != nullptr ? action->menu()->objectName()
                                                : action->objectName());
        }
        return names.join(QLatin1Char(' ')).toStdString();
    };
    EXPECT_EQ(items("MenuItemFile"),
              "ActionFileNew ActionFileOpen ActionFileSave ActionFileSaveAs "
              "ActionFileInfo ActionFileRecentClear MenuItemFileRecent ActionFileExit");
    EXPECT_EQ(items("MenuItemEdit"),
              "ActionEditUndo ActionEditCat ActionEditCopy ActionEditPaste "
              "ActionEditDel ActionEditSelectAll ActionEditGoto ActionEditSearch "
              "ActionEditSearchNext ActionEditReplace ActionWinMsgClear");
    EXPECT_EQ(items("MenuItemView"), "ActionViewToolBar ActionViewStatusBar ActionViewWinMsg");
    EXPECT_EQ(items("MenuItemCalculation"), "ActionCalcAll ActionCalcChoose");
    EXPECT_EQ(items("MenuItemOptions"),
              "ActionOptionsEditor ActionOptionsWinMsg ActionOptionsViewResults "
              "ActionOptionsFormViewResults ActionOptionsMain ActionOptionsTesting");
    EXPECT_EQ(items("MenuItemHelp"), "ActionHelpContent ActionHelpAbout");
    EXPECT_EQ(items("PopupMenuCode"), "ActionEditUndo ActionEditCat ActionEditCopy ActionEditPaste "
                                      "ActionEditDel ActionEditSelectAll ActionCalcAll");
    EXPECT_EQ(items("PopupMenuTrayIcon"), "ActionShowProgram MenuItemTrayAbout MenuItemTrayExit");
}

} // namespace
