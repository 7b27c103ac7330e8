// The main window's calculations: one run of the editor text, its messages in the messages
// pane, and the results text delivered to the editor, the pane or the results window.
#include "app/UnFormMain.h"

#include "app/Applimits.h"
#include "app/Codeeditor.h"
#include "app/Cp1251.h"
#include "app/Nameresources.h"
#include "app/Numberformat.h"
#include "app/Resultstext.h"
#include "app/Textlimit.h"
#include "app/UnFormSelectVariable.h"
#include "app/UnFormViewResults.h"
#include "app/UnFormWaitCalc.h"
#include "framework/Dialogseams.h"
#include "framework/Filelog.h"
#include "framework/Handlerguard.h"

#include <QAction>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

#include <memory>

namespace {

enum TResultsDestination { kInEditor = 0, kInMessagesPane = 1, kInResultsWindow = 2 };

int destinationOf(int whereShowResult)
{
    return whereShowResult == kInEditor || whereShowResult == kInResultsWindow ? whereShowResult
                                                                               : kInMessagesPane;
}

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
    std::unique_ptr<TFormWaitCalc> wait;
    // Counted as the editor's limit counts, a line break as the file's CR LF.
    if (editorTextLength(text) > kWaitWindowThreshold) {
        // Drawn before the run: nothing is painted while the interpreter holds the thread.
        try {
            wait = std::make_unique<TFormWaitCalc>(this);
            wait->showAndPaint();
            repaint();
        } catch (...) {
            wait.reset();
        }
    }
    const QByteArray bytes = toCp1251(text);
    const bool succeeded = m_Interpreter.perform(bytes.constData());
    wait.reset();

    const QStringList lines = messageLines(m_Interpreter);
    if (!lines.isEmpty()) {
        addMessageLines(lines);
        showMessagesPane(true);
        scrollToFirstLine(MemoMsg);
    }
    return succeeded;
}

void TFormMain::showResults(bool all)
{
    if (m_Interpreter.getCountVariables() <= 0)
        return;
    if (m_NumberFormat.trimmed().isEmpty())
        buildNumberFormat();
    const TResultsStyle style{m_OptionsViewResult.WhereShowResult, m_NumberFormat, thousandSeparator()};
    QString text;
    if (all) {
        text = buildResultsText(m_Interpreter, style);
    } else {
        const QByteArrayList names = chooseVariables();
        if (names.isEmpty())
            return;
        text = buildResultsText(m_Interpreter, names, style);
    }

    switch (destinationOf(m_OptionsViewResult.WhereShowResult)) {
    case kInEditor:
        if (isMessagesEmpty())
            showMessagesPane(false);
        setResultsFormVisible(false);
        // Results land in the editor once per edit: running the same text again adds nothing.
        if (!m_ResultsAppended) {
            addEditorLines(text);
            m_ResultsAppended = true;
        }
        break;
    case kInResultsWindow:
        if (isMessagesEmpty())
            showMessagesPane(false);
        ViewResultsInForm(text);
        break;
    default:
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
    m_NumberFormat = ::buildNumberFormat(m_OptionsViewResult.Precision, m_OptionsViewResult.FormatNumber);
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
    if (m_FormViewResults->isVisible() && !show)
        m_FormViewResults->close();
    else if (!m_FormViewResults->isVisible() && show)
        m_FormViewResults->show();
}

void TFormMain::ViewResultsInForm(const QString& text)
{
    if (m_FormViewResults == nullptr) {
        CHandlerGuard::runQuiet("TFormMain::ViewResultsInForm",
                                QStringLiteral("The error at creating form 'TFormViewResults'."), [this] {
            m_FormViewResults = new TFormViewResults(this);
            m_FormViewResults->SetOptions(m_OptionsFormViewResults);
            m_FormViewResults->setWindowFlag(Qt::WindowStaysOnTopHint, m_OptionsFormViewResults.StayOnTop);
        });
    }
    if (m_FormViewResults == nullptr)
        return;
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
    const QString fitting = fitInsertion(current, lines);
    QTextCursor cursor(MemoCode->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    cursor.insertText(fitting);
    cursor.endEditBlock();
    if (fitting.size() < lines.size())
        emit MemoCode->insertionCut();
}

void TFormMain::scrollToFirstLine(QPlainTextEdit* memo)
{
    if (memo != nullptr)
        memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->minimum());
}

TFormViewResults* TFormMain::resultsWindow() const
{
    return m_FormViewResults;
}
