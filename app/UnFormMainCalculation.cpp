// The main window's calculations: one run of the editor text, its messages in the messages
// pane, and the results text delivered to the editor, the pane or the results window.
#include "app/Applimits.h"
#include "app/Calculationrun.h"
#include "app/Codeeditor.h"
#include "app/Cp1251.h"
#include "app/Numberformat.h"
#include "app/Resultstext.h"
#include "app/Testingrun.h"
#include "app/Textlimit.h"
#include "app/UnFormDoReplace.h"
#include "app/UnFormFindText.h"
#include "app/UnFormGotoLine.h"
#include "app/UnFormMain.h"
#include "app/UnFormReplaceText.h"
#include "app/UnFormSelectVariable.h"
#include "app/UnFormViewResults.h"
#include "framework/Handlerguard.h"
#include "interpreter/Testing.h"
#include "platform/Filenamebytes.h"
#include "platform/Termination.h"

#include <QAction>
#include <QCoreApplication>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

QString thousandSeparator()
{
    return chooseThousandSeparator(QLocale().groupSeparator());
}

} // namespace

void TFormMain::calculateAll()
{
    clearMessages();
    clearResultsForm();
    if (calculate())
        showResults(true);
}

void TFormMain::calculateChoose()
{
    clearMessages();
    clearResultsForm();
    if (calculate())
        showResults(false);
}

bool TFormMain::calculate()
{
    const QString text = MemoCode->text();
    const QByteArray bytes = toCp1251(text);
    bool succeeded = false;
    const auto run = [this, &bytes, &succeeded] {
        succeeded = m_Interpreter.perform(bytes.constData());
    };
    // Counted as the editor's limit counts, a line break as the file's CR LF.
    const bool longText = editorTextLength(text) > kWaitWindowThreshold;
    const auto stop = [this] { m_Interpreter.requestStop(); };
    runOnWorker(run, stop, longText);
    // A stop that came after the run had ended must not stop the next one.
    m_Interpreter.clearStopRequest();

    const QStringList lines = messageLines(m_Interpreter);
    if (!lines.isEmpty()) {
        addMessageLines(lines);
        showMessagesPane(true);
        scrollToFirstLine(MemoMsg);
    }
    return succeeded;
}

TTestingOutcome TFormMain::runSelfTest(const QString& input, const QString& report)
{
    xonQMInterpreter::CTesting testing(bytesOfFileName(input).constData(),
                                       bytesOfFileName(report).constData());
    TTestingOutcome outcome;
    const auto stop = [&testing] { testing.requestStop(); };
    {
        // A script's timeout or the terminal's Ctrl+C gets the report of what ran.
        const CStopAtTermination stopAtSignal(stop);
        runOnWorker([&] { outcome = runTestingIntoReport(testing, input, report); }, stop, false);
        outcome.endingSignal = stopAtSignal.signal();
    }
    return outcome;
}

void TFormMain::runWhenShown(std::function<void()> run)
{
    // The show event comes before the window is mapped: a run started within it would keep
    // the window, and its File > Exit, off the screen until the run ends.
    QMetaObject::invokeMethod(
        this, [run = std::move(run)] { CHandlerGuard::run("TFormMain::FormShow", run); },
        Qt::QueuedConnection);
}

bool TFormMain::isCalculating() const
{
    return m_Run != nullptr && m_Run->isRunning();
}

void TFormMain::stopCalculation()
{
    if (m_Run != nullptr)
        m_Run->requestStop();
}

void TFormMain::runOnWorker(const std::function<void()>& job, std::function<void()> stop,
                            bool waitAtOnce)
{
    if (m_Run == nullptr)
        m_Run = new CCalculationRun(this);

    // Locked for a long run: the text, the commands that change it or start another run, the
    // dialogs that edit it without a command, and the results window's commands.
    std::vector<QPointer<QAction>> disabled;
    std::vector<QPointer<QWidget>> dialogs;
    QPointer<TFormViewResults> results;
    std::optional<bool> readOnly;
    const auto lock = [&] {
        for (const TMainActionRow& row : actionRows()) {
            QAction* action = m_Actions.*row.action;
            if (action->isEnabled() && !row.keptDuringRun) {
                action->setEnabled(false);
                disabled.emplace_back(action);
            }
        }
        if (QAction* recent = MenuItemFileRecent->menuAction(); recent->isEnabled()) {
            recent->setEnabled(false);
            disabled.emplace_back(recent);
        }
        QWidget* const modeless[] = {m_FormFindText.data(), m_FormReplaceText.data(),
                                     m_FormDoReplace.data(), m_FormGotoLine.data()};
        for (QWidget* dialog : modeless) {
            if (dialog != nullptr && dialog->isEnabled()) {
                dialog->setEnabled(false);
                dialogs.emplace_back(dialog);
            }
        }
        if (m_FormViewResults != nullptr) {
            results = m_FormViewResults.data();
            results->setCommandsLocked(true);
        }
        readOnly = MemoCode->isReadOnly();
        MemoCode->setReadOnly(true);
    };
    struct TUnlock
    {
        TFormMain& window;
        std::vector<QPointer<QAction>>& actions;
        std::vector<QPointer<QWidget>>& dialogs;
        QPointer<TFormViewResults>& results;
        std::optional<bool>& readOnly;
        ~TUnlock()
        {
            if (readOnly)
                window.MemoCode->setReadOnly(*readOnly);
            for (const QPointer<QAction>& action : actions)
                if (action != nullptr)
                    action->setEnabled(true);
            for (const QPointer<QWidget>& dialog : dialogs)
                if (dialog != nullptr)
                    dialog->setEnabled(true);
            if (results != nullptr)
                results->setCommandsLocked(false);
        }
    } unlock{*this, disabled, dialogs, results, readOnly};

    m_Run->run(job, std::move(stop), waitAtOnce, lock);

    if (std::exchange(m_CloseAfterRun, false)) {
        // After the caller has delivered what the run left: the pane holds the stop line
        // when the save query asks.
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

void TFormMain::showResults(bool all)
{
    if (m_Interpreter.getCountVariables() <= 0)
        return;
    if (m_NumberFormat.trimmed().isEmpty())
        buildNumberFormat();
    const TResultsStyle style{m_OptionsViewResult.WhereShowResult, m_NumberFormat,
                              thousandSeparator()};
    QString text;
    if (all) {
        text = buildResultsText(m_Interpreter, style);
    } else {
        const QByteArrayList names = chooseVariables();
        if (names.isEmpty())
            return;
        text = buildResultsText(m_Interpreter, names, style);
    }

    switch (resultsDestination(m_OptionsViewResult.WhereShowResult)) {
    case TResultsDestination::Editor:
        if (isMessagesEmpty())
            showMessagesPane(false);
        setResultsFormVisible(false);
        // Results land in the editor once per edit: running the same text again adds nothing.
        if (!m_ResultsAppended) {
            addEditorLines(text);
            m_ResultsAppended = true;
        }
        break;
    case TResultsDestination::ResultsWindow:
        if (isMessagesEmpty())
            showMessagesPane(false);
        ViewResultsInForm(text);
        break;
    case TResultsDestination::MessagesPane:
        setResultsFormVisible(false);
        addMessageLines(text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts));
        showMessagesPane(true);
        scrollToFirstLine(MemoMsg);
        break;
    }
}

QByteArrayList TFormMain::chooseVariables()
{
    QByteArrayList chosen;
    if (m_Interpreter.getCountVariables() <= 0)
        return chosen;
    if (m_FormSelectVariable == nullptr)
        m_FormSelectVariable = new TFormSelectVariable(this);
    m_FormSelectVariable->SetZoomIndex(m_SelectVariableZoom);
    m_FormSelectVariable->Clear();
    for (const QByteArray& name : variableNames(m_Interpreter))
        m_FormSelectVariable->AddVariable(name);
    if (m_FormSelectVariable->exec() == QDialog::Accepted) {
        for (int i = 0; i < m_FormSelectVariable->GetCount(); ++i) {
            QByteArray name;
            bool ticked = false;
            if (m_FormSelectVariable->GetVariable(i, name, ticked) && ticked)
                chosen << name;
        }
    }
    m_SelectVariableZoom = m_FormSelectVariable->GetZoomIndex();
    return chosen;
}

void TFormMain::buildNumberFormat()
{
    m_NumberFormat = ::buildNumberFormat(m_OptionsViewResult.Precision,
                                         m_OptionsViewResult.FormatNumber);
}

void TFormMain::clearMessages()
{
    MemoMsg->clear();
}

bool TFormMain::isMessagesEmpty() const
{
    return MemoMsg->document()->isEmpty();
}

void TFormMain::showMessagesPane(bool show)
{
    m_Actions.ActionViewWinMsg->setChecked(show);
    PanelMsg->setVisible(show);
    MemoCode->update();
}

void TFormMain::clearResultsForm()
{
    if (m_FormViewResults == nullptr)
        return;
    m_FormViewResults->SetText(QString());
    m_FormViewResults->update();
}

void TFormMain::setResultsFormVisible(bool show)
{
    if (m_FormViewResults == nullptr)
        return;
    // Hidden with this window in the tray, it is open all the same and comes back with it.
    const bool open = m_FormViewResults->isVisible() || isHiddenWithMainWindow(m_FormViewResults);
    if (open && !show)
        m_FormViewResults->close();
    else if (!open && show)
        m_FormViewResults->show();
}

void TFormMain::ViewResultsInForm(const QString& text)
{
    if (m_FormViewResults == nullptr) {
        CHandlerGuard::runQuiet(
            "TFormMain::ViewResultsInForm",
            QStringLiteral("The error at creating form 'TFormViewResults'."), [this] {
                m_FormViewResults = new TFormViewResults(this);
                m_FormViewResults->SetOptions(m_OptionsFormViewResults);
                m_FormViewResults->setWindowFlag(Qt::WindowStaysOnTopHint,
                                                 m_OptionsFormViewResults.StayOnTop);
            });
    }
    if (m_FormViewResults == nullptr)
        return;
    // Hidden with this window in the tray, it has the results when it comes back.
    if (isHiddenWithMainWindow(m_FormViewResults)) {
        m_FormViewResults->SetText(text);
        return;
    }
    if (m_FormViewResults->isVisible()) {
        m_FormViewResults->SetText(text);
        m_FormViewResults->update();
        m_FormViewResults->activateWindow();
        m_FormViewResults->setFocus();
        return;
    }
    m_FormViewResults->setWindowFlag(Qt::WindowStaysOnTopHint, m_OptionsFormViewResults.StayOnTop);
    m_FormViewResults->SetOptions(m_OptionsFormViewResults);
    m_FormViewResults->SetText(text);
    m_FormViewResults->show();
}

void TFormMain::addMessageLines(const QStringList& lines)
{
    MemoMsg->appendPlainText(lines.join(QLatin1Char('\n')));
}

void TFormMain::addEditorLines(const QString& text)
{
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QString current = MemoCode->text();
    if (!current.isEmpty() && !current.endsWith(QLatin1Char('\n')))
        lines.prepend(QLatin1Char('\n'));
    if (lines.endsWith(QLatin1Char('\n')))
        lines.chop(1);
    // A line cut short would read as a whole result with another value.
    const QString fitting = fitWholeLines(current, lines);
    QTextCursor cursor(MemoCode->document());
    cursor.movePosition(QTextCursor::End);
    const int firstAdded = cursor.blockNumber() + (lines.startsWith(QLatin1Char('\n')) ? 1 : 0);
    cursor.beginEditBlock();
    cursor.insertText(fitting);
    cursor.endEditBlock();
    scrollToLinesAdded(firstAdded);
    if (fitting.size() < lines.size())
        emit MemoCode->insertionCut();
}

void TFormMain::scrollToLinesAdded(int firstBlock)
{
    // The caret stays where the user left it; only the view moves. The editor's height must be
    // final first: the messages pane may just have been shown or hidden.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QScrollBar* bar = MemoCode->verticalScrollBar();
    const QTextBlock first = MemoCode->document()->findBlockByNumber(firstBlock);
    // The end in view, unless the results are taller than the editor: then their first line at
    // the top.
    const int firstLine = first.isValid() ? first.firstLineNumber() : bar->maximum();
    bar->setValue(std::min(firstLine, bar->maximum()));
}

void TFormMain::scrollToFirstLine(QPlainTextEdit* memo)
{
    if (memo == nullptr)
        return;
    // The lines added carry the caret to their end, and a pane shown now scrolls to it.
    memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->minimum());
    memo->horizontalScrollBar()->setValue(memo->horizontalScrollBar()->minimum());
}

TFormViewResults* TFormMain::resultsWindow() const
{
    return m_FormViewResults;
}
