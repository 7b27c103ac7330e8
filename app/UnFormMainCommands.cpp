// The main window's other commands: editing, find, replace and go-to, the bars, the messages
// pane, the status line, help, about, testing and the tray menu.
#include "app/Applimits.h"
#include "app/Codeeditor.h"
#include "app/Nameresources.h"
#include "app/Testingrun.h"
#include "app/Textlimit.h"
#include "app/UnFormAbout.h"
#include "app/UnFormDoReplace.h"
#include "app/UnFormFindText.h"
#include "app/UnFormGotoLine.h"
#include "app/UnFormMain.h"
#include "app/UnFormReplaceText.h"
#include "framework/Dialogseams.h"
#include "framework/Filelog.h"
#include "framework/Handlerguard.h"
#include "framework/Windowplace.h"
#include "platform/Executablelocation.h"
#include "platform/Filenamebytes.h"
#include "platform/Plainfile.h"

#include <QAction>
#include <QCursor>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTextDocument>
#include <QToolBar>
#include <QUrl>

#include <csignal>
#include <memory>

namespace {

constexpr int kFindDialogOffsetLeft = 15;
constexpr int kFindDialogOffsetTop = 55;

void closeIfVisible(QWidget* dialog)
{
    if (dialog != nullptr && dialog->isVisible())
        dialog->close();
}

// The selection with its line breaks as the editor tools count them (CR LF): the editor's own
// paragraph separators would never match, and a selection over several lines would not be
// found where it stands.
QString selectionToSearch(const QPlainTextEdit* editor)
{
    QString text = editor->textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return text;
}

// The find dialog and the replace prompt stay open beside the editor; typing after one of
// their commands must go to the editor, not back into the dialog that is still active.
void focusEditor(QWidget* window, QWidget* editor)
{
    window->activateWindow();
    editor->setFocus();
}

// By the name's bytes: a program folder whose name is no text is reached too.
bool openByAddress(const QString& path)
{
    return CDialogSeams::current().openWithDesktop(QUrl::fromEncoded(fileAddressOfName(path)));
}

} // namespace

void TFormMain::editUndo()
{
    MemoCode->undo();
    updateTitle();
    updateStatusLine();
}

void TFormMain::editCut()
{
    MemoCode->cut();
    updateStatusLine();
}

void TFormMain::editPaste()
{
    MemoCode->paste();
    updateTitle();
    updateStatusLine();
}

void TFormMain::editDelete()
{
    MemoCode->textCursor().removeSelectedText();
}

void TFormMain::doGotoLine()
{
    if (m_FormGotoLine == nullptr) {
        m_FormGotoLine = new TFormGotoLine(this);
        m_FormGotoLine->setLine(1);
    }
    if (m_FormGotoLine->exec() != QDialog::Accepted)
        return;
    m_MemoTools.gotoLineCentred(m_FormGotoLine->getLine() - 1);
    updateStatusLine();
    MemoCode->setFocus();
}

TFormFindText* TFormMain::findDialog()
{
    if (m_FormFindText == nullptr) {
        m_FormFindText = new TFormFindText(this);
        m_FormFindText->windowPlace().placeFrameAt(
            windowPlace().frameCorner() + QPoint(kFindDialogOffsetLeft, kFindDialogOffsetTop));
    }
    return m_FormFindText;
}

void TFormMain::doSearch()
{
    closeIfVisible(m_FormDoReplace);
    TFormFindText* dialog = findDialog();
    dialog->setFindText(selectionToSearch(MemoCode));
    if (dialog->isVisible()) {
        dialog->activateWindow();
        dialog->setFocus();
    } else {
        dialog->show();
    }
}

void TFormMain::doSearchNext()
{
    TFormFindText* dialog = findDialog();
    if (dialog->isVisible()) {
        dialog->findNext();
        return;
    }
    QString text = selectionToSearch(MemoCode);
    if (text.isEmpty())
        text = dialog->getLastSearchText();
    if (!text.isEmpty())
        findText(text, dialog->getMatchCase());
}

void TFormMain::doReplace()
{
    closeIfVisible(m_FormFindText);
    if (m_FormReplaceText == nullptr)
        m_FormReplaceText = new TFormReplaceText(this);
    m_FormReplaceText->setFindText(selectionToSearch(MemoCode));
    if (m_FormReplaceText->isVisible()) {
        m_FormReplaceText->activateWindow();
        return;
    }
    m_FormReplaceText->exec();
    MemoCode->setFocus();
}

void TFormMain::findText(const QString& text, bool matchCase)
{
    const bool found = m_MemoTools.findNext(text, matchCase);
    updateStatusLine();
    if (!found) {
        closeIfVisible(m_FormFindText);
        showInformation(this, getNameResourceTextNotFound(text), blankCaption(TTextId::Find));
    }
    focusEditor(this, MemoCode);
}

void TFormMain::resetSearch()
{
    m_MemoTools.resetFindEnd();
}

void TFormMain::replaceWithPrompt(const QString& text, const QString& replacement, bool matchCase)
{
    closeIfVisible(m_FormFindText);
    closeIfVisible(m_FormReplaceText);
    closeIfVisible(m_FormDoReplace);
    if (m_FormDoReplace == nullptr)
        m_FormDoReplace = new TFormDoReplace(this);
    m_FormDoReplace->setTexts(text, replacement, matchCase);
    if (m_FormDoReplace->isVisible())
        m_FormDoReplace->activateWindow();
    else
        m_FormDoReplace->show();
    m_MemoTools.findForReplace(text, replacement, matchCase);
    updateStatusLine();
}

void TFormMain::findForReplace(const QString& text, const QString& replacement, bool matchCase)
{
    m_MemoTools.findForReplace(text, replacement, matchCase);
    updateStatusLine();
    focusEditor(this, MemoCode);
}

void TFormMain::replaceCurrent(const QString& text, const QString& replacement, bool matchCase)
{
    if (m_MemoTools.replaceOne(text, replacement, matchCase)) {
        takeBackReplacementBeyondLimit();
        updateTitle();
    }
    updateStatusLine();
    focusEditor(this, MemoCode);
}

void TFormMain::replaceAll(const QString& text, const QString& replacement, bool matchCase)
{
    closeIfVisible(m_FormReplaceText);
    if (m_MemoTools.replaceAll(text, replacement, matchCase)) {
        takeBackReplacementBeyondLimit();
        updateTitle();
    }
    updateStatusLine();
    focusEditor(this, MemoCode);
}

void TFormMain::takeBackReplacementBeyondLimit()
{
    if (editorTextLength(MemoCode->text()) <= kEditorMaxChars)
        return;
    // Each replacement is one undo step; the editor's redo key must not bring it back.
    MemoCode->undo();
    MemoCode->document()->clearUndoRedoStacks(QTextDocument::RedoStack);
    reportTextCut();
}

void TFormMain::resetReplace()
{
    m_MemoTools.resetMatch();
    updateStatusLine();
    focusEditor(this, MemoCode);
}

void TFormMain::setToolBarVisible(bool show)
{
    if (ToolBar->isHidden() == show)
        ToolBar->setVisible(show);
    m_Actions.ActionViewToolBar->setChecked(show);
}

void TFormMain::setStatusBarVisible(bool show)
{
    if (StatusLine->isHidden() == show)
        StatusLine->setVisible(show);
    m_Actions.ActionViewStatusBar->setChecked(show);
}

void TFormMain::restoreMessagesHeight()
{
    const QList<int> sizes = Splitter->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    Splitter->setSizes({total - kMessagesPaneMinHeight, kMessagesPaneMinHeight});
}

QString TFormMain::getCaretStatusText() const
{
    return getNameResource(TTextId::StatusLine) + QLatin1Char(' ')
           + QString::number(MemoCode->textCursor().blockNumber() + 1) + QLatin1String(", ")
           + getNameResource(TTextId::StatusColumn) + QLatin1Char(' ')
           + QString::number(getCaretDisplayColumn(MemoCode, kEditorTabWidth));
}

void TFormMain::updateStatusLine()
{
    StatusPanelCaret->setText(getCaretStatusText());
}

void TFormMain::setStatusText(const QString& text)
{
    m_StatusText = text;
    StatusPanelText->setText(text);
}

void TFormMain::showHelpContents()
{
    QString path = CExecutableLocation::folder() + QLatin1Char('/') + m_HelpFileName;
    // The help file beside the program, else one the user points to; the choice is not kept.
    while (!isPlainFile(path) || !openByAddress(path)) {
        bool chosen = false;
        CHandlerGuard::runQuiet(
            "TFormMain::ActionHelpContentExecute",
            QStringLiteral("The error at executing of operation 'ActionHelpContentExecute'."),
            [this, &path, &chosen] {
                path =
                    CDialogSeams::current().chooseOpenFile(this,
                                                           {blankCaption(TTextId::OpenHelpFile),
                                                            {QStringLiteral("Help files (*.chm)")},
                                                            QStringLiteral("chm"),
                                                            CExecutableLocation::folder(),
                                                            m_HelpFileName});
                chosen = !path.isEmpty();
            });
        if (!chosen)
            return;
    }
}

void TFormMain::showAbout()
{
    if (isWindowOpen(QStringLiteral("TFormAbout"))) {
        showWindow(QStringLiteral("TFormAbout"));
        return;
    }
    auto about = std::make_unique<TFormAbout>(this);
    about->exec();
}

void TFormMain::runTesting()
{
    performTesting(m_OptionsTesting.TestingFileIn, m_OptionsTesting.TestingFileOut);
}

void TFormMain::performTesting(const QString& input, const QString& report)
{
    const TTestingOutcome outcome = runSelfTest(input, report);
    // Ended from outside, the program goes without waiting at a box for a user who may not be
    // there; the report's own lines tell of a cut input.
    const bool ending = outcome.endingSignal != 0;
    if (outcome.failure == TTestingFailure::None && outcome.inputCut && !ending) {
        showInformation(this, getNameResourceTestInputCut(input, outcome.testedCharacters),
                        blankCaption(TTextId::Testing));
    }
    if (outcome.failure != TTestingFailure::None) {
        // The window stays as it was: the user learns why the report is missing.
        const QString message = outcome.failure == TTestingFailure::Input
                                    ? getNameResourceFileReadError(input)
                                    : getNameResourceFileWriteError(report);
        writeLog(CFileLog::TYPE_ERROR, QStringLiteral("TFormMain::performTesting"),
                 message + QLatin1Char(' ') + outcome.reason);
        if (ending)
            qWarning().noquote() << message + QLatin1Char(' ') + outcome.reason;
        else
            CDialogSeams::current().showMessage(this, message + QLatin1Char('\n') + outcome.reason,
                                                blankCaption(TTextId::Error), TMessageIcon::Warning,
                                                TMessageButtons::Ok, TMessageAnswer::Ok);
    }
    // As the signal would have ended it, had no test been running.
    if (ending)
        std::raise(outcome.endingSignal);
}

void TFormMain::onRMouseClickTrayIcon()
{
    const QPoint at = QCursor::pos();
    m_Actions.ActionShowProgram->setVisible(!isVisible() || isMinimized());
    // Nothing may start under a dialog that waits for its answer: About would put another
    // dialog over it, Exit would close the window it belongs to. Show Program only brings the
    // windows back, the waiting one in front, as this click does.
    const bool waiting = isModalWindowOpen();
    m_Actions.MenuItemTrayAbout->setEnabled(!waiting && !isCalculating());
    m_Actions.MenuItemTrayExit->setEnabled(!waiting);
    bringToFront();
    PopupMenuTrayIcon->popup(at);
}
