#include "app/UnFormSelectVariable.h"
#include "app/UnFormViewResults.h"
#include "app/UnFormWaitCalc.h"
#include "tests/app/Mainwindowfixture.h"

#include <QAction>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>

namespace {

QByteArray optionsIni(int where, int precision, int format)
{
    return "[ViewResult]\r\nWhereShowResult=" + QByteArray::number(where)
           + "\r\nPrecision=" + QByteArray::number(precision)
           + "\r\nFormatNumber=" + QByteArray::number(format) + "\r\n";
}

class Calculation : public CMainWindowTest
{
protected:
    // Calls act every few milliseconds while the next command runs, until it answers true.
    void whileRunning(std::function<bool()> act)
    {
        m_RunTimer = std::make_unique<QTimer>();
        m_RunTimer->setInterval(10);
        QObject::connect(m_RunTimer.get(), &QTimer::timeout, [this, act] {
            if (act())
                m_RunTimer->stop();
        });
        m_RunTimer->start();
    }
    TFormWaitCalc* shownWaitWindow() const
    {
        auto* wait = m_Window != nullptr ? m_Window->findChild<TFormWaitCalc*>() : nullptr;
        return wait != nullptr && wait->isVisible() ? wait : nullptr;
    }
    void TearDown() override
    {
        m_RunTimer.reset();
        CMainWindowTest::TearDown();
    }

    std::unique_ptr<QTimer> m_RunTimer;
};

// Each level calls the one below twice: 40 levels would run for days unless stopped.
QString doublingText()
{
    QString text = QStringLiteral("f0(x) = x + 1;\n");
    for (int n = 1; n <= 40; ++n)
        text += QStringLiteral("f%1(x) = f%2(x) + f%2(x);\n").arg(n).arg(n - 1);
    return text + QStringLiteral("y = f40(1);");
}

const QRegularExpression
    kStopLine(QStringLiteral(R"(^ \[error, line \d+, position \d+\] the calculation is stopped$)"));

// Notes whether a wait window was shown while it watched.
class CWaitWindowWatch : public QObject
{
public:
    bool shown = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<TFormWaitCalc*>(watched) != nullptr)
            shown = true;
        return false;
    }
};

TEST_F(Calculation, ResultsAppendedToTheEditorOncePerEdit)
{
    writeIni(optionsIni(0, 12, 1));
    openWindow();
    typeText(QStringLiteral("a = 1; b = a / 4;"));
    press(Qt::Key_F5);
    const QString once =
        QStringLiteral("a = 1; b = a / 4;\n// [Results of calculation] \n// a = 1\n// b = 0.25");
    EXPECT_EQ(editorText(), once);

    press(Qt::Key_F5);
    EXPECT_EQ(editorText(), once) << "the same text again appends nothing";

    QTest::keyClick(&editor(), Qt::Key_End, Qt::ControlModifier);
    typeText(QStringLiteral("\n"));
    press(Qt::Key_F5);
    EXPECT_EQ(editorText().count(QStringLiteral("[Results of calculation]")), 2);
}

TEST_F(Calculation, ResultsInTheMessagesPaneAfterTheMessages)
{
    writeIni(optionsIni(1, 12, 1) + "[FormMain]\r\nShowWindowMessages=0\r\n");
    openWindow();
    EXPECT_TRUE(m_Window->messagesPane()->parentWidget()->isHidden());
    typeText(QStringLiteral("a = 1; b = a / 4;"));
    press(Qt::Key_F5);
    EXPECT_EQ(paneText(), QStringLiteral(" [Results of calculation] \n a = 1\n b = 0.25"));
    EXPECT_FALSE(m_Window->messagesPane()->parentWidget()->isHidden());
    press(Qt::Key_F5);
    EXPECT_EQ(m_Window->messagesPane()->document()->availableUndoSteps(), 0)
        << "no history of the program's own output grows with the runs";
}

TEST_F(Calculation, EmptyEditorListsItsMessageOnly)
{
    openWindow();
    press(Qt::Key_F5);
    EXPECT_EQ(paneText(), QStringLiteral("text is empty"));
}

TEST_F(Calculation, FailedAnalysisListsErrorsAndNoResults)
{
    writeIni(optionsIni(1, 12, 1));
    openWindow();
    typeText(QStringLiteral("a = 1;\nb = 2;\nc = ;"));
    press(Qt::Key_F5);
    EXPECT_TRUE(paneText().startsWith(QStringLiteral(" [error, line 3, position 5]")))
        << paneText().toStdString();
    EXPECT_FALSE(paneText().contains(QStringLiteral("Results of calculation")));
}

TEST_F(Calculation, ResultsWindowShowsAndRefreshes)
{
    writeIni(optionsIni(2, 12, 0));
    openWindow();
    typeText(QStringLiteral("x = 1234567.5;"));
    press(Qt::Key_F5);
    TFormViewResults* results = m_Window->resultsWindow();
    ASSERT_NE(results, nullptr);
    EXPECT_TRUE(results->isVisible());
    auto* memo = results->findChild<QPlainTextEdit*>(QStringLiteral("Memo"));
    ASSERT_NE(memo, nullptr);
    const QString shown = memo->toPlainText().trimmed();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("[Results of calculation] \n x = 1")))
        << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("567.5"))) << shown.toStdString();
}

TEST_F(Calculation, DestinationsZeroAndOneCloseTheResultsWindow)
{
    writeIni(optionsIni(2, 12, 1));
    openWindow();
    typeText(QStringLiteral("x = 2;"));
    press(Qt::Key_F5);
    ASSERT_NE(m_Window->resultsWindow(), nullptr);
    ASSERT_TRUE(m_Window->resultsWindow()->isVisible());
    TOptionsViewResult view = m_Window->getOptionsViewResult();
    view.WhereShowResult = 1;
    m_Window->setOptionsAndSave(m_Window->getOptionsFormMain(), m_Window->getOptionsEditor(),
                                m_Window->getOptionsWinMsg(), view,
                                m_Window->getOptionsFormViewResults());
    press(Qt::Key_F5);
    EXPECT_FALSE(m_Window->resultsWindow()->isVisible());
}

TEST_F(Calculation, ResultsWindowIsRefreshedEmptiedAndClosedByTheRuns)
{
    writeIni(optionsIni(2, 12, 1));
    openWindow();
    const auto shown = [this] {
        return m_Window->resultsWindow()
            ->findChild<QPlainTextEdit*>(QStringLiteral("Memo"))
            ->toPlainText();
    };
    const auto setDestination = [this](int where) {
        TOptionsViewResult view = m_Window->getOptionsViewResult();
        view.WhereShowResult = where;
        m_Window->setOptionsAndSave(m_Window->getOptionsFormMain(), m_Window->getOptionsEditor(),
                                    m_Window->getOptionsWinMsg(), view,
                                    m_Window->getOptionsFormViewResults());
    };
    typeText(QStringLiteral("x = 1;"));
    press(Qt::Key_F5);
    ASSERT_NE(m_Window->resultsWindow(), nullptr);
    EXPECT_TRUE(shown().contains(QStringLiteral(" x = 1"))) << shown().toStdString();

    editor().setPlainText(QStringLiteral("x = 2;"));
    press(Qt::Key_F5);
    EXPECT_TRUE(m_Window->resultsWindow()->isVisible());
    EXPECT_TRUE(shown().contains(QStringLiteral(" x = 2")))
        << "refreshed: " << shown().toStdString();

    editor().setPlainText(QStringLiteral("x = ;"));
    press(Qt::Key_F5);
    EXPECT_TRUE(m_Window->resultsWindow()->isVisible()) << "a failed run leaves it open";
    EXPECT_TRUE(shown().isEmpty()) << "and empty: " << shown().toStdString();

    editor().setPlainText(QStringLiteral("x = 3;"));
    setDestination(0);
    press(Qt::Key_F5);
    EXPECT_FALSE(m_Window->resultsWindow()->isVisible()) << "results into the editor close it";
    EXPECT_TRUE(editorText().endsWith(QStringLiteral("// x = 3")));
}

TEST_F(Calculation, MessagesToggleFollowsTheRuns)
{
    struct TCase
    {
        int where;
        bool shownBefore;
        const char* text;
        bool shownAfter;
        const char* reason;
    };
    const TCase cases[] = {
        {1, false, "a = 1;", true, "results into the pane show it"},
        {0, true, "a = 1;", false, "results into the editor and no message hide it"},
        {2, true, "a = 1;", false, "results into their window and no message hide it"},
        {0, false, "a = ;", true, "an error message shows it"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.reason);
        writeIni(optionsIni(c.where, 12, 1) + "[FormMain]\r\nShowWindowMessages="
                 + (c.shownBefore ? "1" : "0") + "\r\n[WinMsg]\r\nWrapWord=0\r\n");
        openWindow();
        QAction* toggle = m_Window->findAction(QStringLiteral("ActionViewWinMsg"));
        const QWidget* pane = m_Window->messagesPane()->parentWidget();
        ASSERT_EQ(toggle->isChecked(), c.shownBefore);
        editor().setPlainText(QLatin1String(c.text));
        press(Qt::Key_F5);
        EXPECT_EQ(!pane->isHidden(), c.shownAfter);
        EXPECT_EQ(toggle->isChecked(), c.shownAfter);
        EXPECT_EQ(menuShowsCheckMark(toggle), c.shownAfter);
        EXPECT_EQ(m_Window->messagesPane()->horizontalScrollBar()->value(), 0)
            << "unwrapped lines wider than the pane are shown from their start";
        editor().document()->setModified(false);
        m_Window->close();
        m_Window.reset();
    }
}

TEST_F(Calculation, PrecisionIsClampedAndTheDecimalPointIsAPoint)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    writeIni(optionsIni(1, 20, 1));
    openWindow();
    typeText(QStringLiteral("a = 1 / 3;"));
    press(Qt::Key_F5);
    EXPECT_TRUE(paneText().endsWith(QStringLiteral(" a = 0.333333333333333")));
    QLocale::setDefault(previous);
}

TEST_F(Calculation, ChosenVariablesOnlyWithF4AndTheZoomKept)
{
    writeIni(optionsIni(1, 12, 1));
    openWindow();
    typeText(QStringLiteral("a = 1; b = 2; c = 3;"));
    whenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<TFormSelectVariable*>(modal);
        ASSERT_NE(dialog, nullptr);
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("CheckListBox"));
        ASSERT_EQ(list->count(), 3);
        list->item(0)->setCheckState(Qt::Checked);
        list->item(2)->setCheckState(Qt::Checked);
        QTest::keySequence(dialog, QKeySequence(Qt::CTRL | Qt::Key_Q));
        dialog->accept();
    });
    press(Qt::Key_F4);
    EXPECT_EQ(paneText(), QStringLiteral(" [Results of calculation] \n a = 1\n c = 3"));

    whenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<TFormSelectVariable*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->GetZoomIndex(), 3) << "the zoom chosen last time";
        dialog->reject();
    });
    press(Qt::Key_F4);
    EXPECT_TRUE(paneText().isEmpty())
        << "a cancelled choice shows nothing: " << paneText().toStdString();
}

TEST_F(Calculation, WaitWindowOnlyForTextsLongerThanTenThousandCharacters)
{
    // 100 characters, 101 as the file holds them: a line break is CR LF there.
    const QString line = QStringLiteral("//") + QString(97, QLatin1Char('x')) + QLatin1Char('\n');
    struct TCase
    {
        const char* reason;
        QString text;
        bool shown;
    };
    const TCase cases[] = {
        {"10000 characters", QStringLiteral("//") + QString(9998, QLatin1Char('x')), false},
        {"10001 characters", QStringLiteral("//") + QString(9999, QLatin1Char('x')), true},
        {"10000 with the line breaks counted twice", line.repeated(99) + QLatin1Char(' '), false},
        {"10001 with the line breaks counted twice", line.repeated(99) + QStringLiteral("//"),
         true},
    };
    openWindow();
    for (const TCase& c : cases) {
        editor().setPlainText(c.text);
        CWaitWindowWatch watch;
        qApp->installEventFilter(&watch);
        press(Qt::Key_F5);
        qApp->removeEventFilter(&watch);
        EXPECT_EQ(watch.shown, c.shown) << c.reason;
        EXPECT_TRUE(m_Window->findChildren<TFormWaitCalc*>().isEmpty())
            << "gone after the run: " << c.reason;
        EXPECT_FALSE(m_Window->isWindowOpen(QStringLiteral("TFormWaitCalc"))) << c.reason;
    }
}

TEST_F(Calculation, MessagePositionsCountTabsAsEightColumns)
{
    openWindow();
    typeText(QStringLiteral("\tx = ;"));
    press(Qt::Key_F5);
    EXPECT_TRUE(paneText().contains(QStringLiteral("position 13"))) << paneText().toStdString();
}

TEST_F(Calculation, CharactersOutsideCp1251ReachTheInterpreterAsQuestionMarks)
{
    openWindow();
    typeText(QString::fromUtf8("x = 1; \xe4\xb8\xad = 2;"));
    press(Qt::Key_F5);
    EXPECT_TRUE(paneText().contains(QStringLiteral("?"))) << paneText().toStdString();
}

TEST_F(Calculation, CyrillicNamesComeBackUnchanged)
{
    writeIni(optionsIni(1, 12, 1));
    openWindow();
    typeText(QString::fromUtf8("\xd0\xb0\xd0\xb1 = 7;"));
    press(Qt::Key_F5);
    EXPECT_EQ(paneText(), QString::fromUtf8(" [Results of calculation] \n \xd0\xb0\xd0\xb1 = 7"));
}

} // namespace

namespace {

TEST_F(Calculation, ARunStoppedOrClosedLeavesTheTextToTheUser)
{
    enum TWay { kStop, kEsc, kEscEditor, kEscResults, kExit, kClose };
    struct TCase
    {
        const char* reason;
        TWay way;
        TMessageAnswer saveAnswer; // to the save query, which only closing asks
        bool closed;
    };
    const TCase cases[] = {
        {"Stop on the wait window", kStop, TMessageAnswer::Cancel, false},
        {"Esc on the wait window", kEsc, TMessageAnswer::Cancel, false},
        {"Esc in the editor, the wait window not needed", kEscEditor, TMessageAnswer::Cancel,
         false},
        {"Esc in the results window", kEscResults, TMessageAnswer::Cancel, false},
        {"File > Exit, changes discarded", kExit, TMessageAnswer::No, true},
        {"window closed, cancelled at the save query", kClose, TMessageAnswer::Cancel, false},
    };
    // The results window stays open over the runs, its zoom at the default.
    writeIni(optionsIni(2, 12, 1));
    for (const TCase& c : cases) {
        openWindow();
        // A recent file, so clearing the list would be at hand but for the run.
        writeFile(docPath(QStringLiteral("levels.txt")), "r = 1;\r\n");
        ASSERT_TRUE(m_Window->openFile(docPath(QStringLiteral("levels.txt"))));
        press(Qt::Key_F5);
        TFormViewResults* results = m_Window->resultsWindow();
        ASSERT_NE(results, nullptr);
        QAction* resultsSave = results->findChild<QAction*>(QStringLiteral("ActionSave"));
        QAction* resultsZoomIn = results->findChild<QAction*>(QStringLiteral("ActionZoomIn"));
        QWidget* zoomDefault =
            results->findChild<QWidget*>(QStringLiteral("ToolButtonZoomDefault"));
        ASSERT_FALSE(zoomDefault->isEnabled());
        editor().setPlainText(doublingText());
        editor().document()->setModified(true);
        m_Dialogs.messages.clear();
        m_Dialogs.messageAnswers = {c.saveAnswer};
        const bool closing = c.way == kExit || c.way == kClose;
        bool locked = false;
        whileRunning([&] {
            TFormWaitCalc* wait = shownWaitWindow();
            const bool waitNeeded = c.way == kStop || c.way == kEsc;
            if (waitNeeded ? wait == nullptr : !m_Window->isCalculating())
                return false;
            // The File menu opened during the run enables nothing of it again.
            emit m_Window->findChild<QMenu*>(QStringLiteral("MenuItemFile"))->aboutToShow();
            locked = editor().isReadOnly()
                     && !m_Window->findAction(QStringLiteral("ActionCalcAll"))->isEnabled()
                     && !m_Window->findAction(QStringLiteral("ActionFileRecentClear"))->isEnabled()
                     && !m_Window->findAction(QStringLiteral("MenuItemTrayAbout"))->isEnabled()
                     && m_Window->findAction(QStringLiteral("ActionFileExit"))->isEnabled()
                     && !resultsSave->isEnabled() && !resultsZoomIn->isEnabled()
                     && (!waitNeeded
                         || wait->focusWidget()->objectName() == QLatin1String("ButtonStop"));
            if (c.way == kStop)
                wait->findChild<QPushButton*>(QStringLiteral("ButtonStop"))->click();
            else if (c.way == kEsc)
                QTest::keyClick(wait->focusWidget(), Qt::Key_Escape);
            else if (c.way == kEscEditor)
                QTest::keyClick(&editor(), Qt::Key_Escape);
            else if (c.way == kEscResults)
                QTest::keyClick(results->findChild<QWidget*>(QStringLiteral("Memo")),
                                Qt::Key_Escape);
            else if (c.way == kExit)
                m_Window->findAction(QStringLiteral("ActionFileExit"))->trigger();
            else
                m_Window->close();
            return true;
        });
        press(Qt::Key_F5);
        EXPECT_TRUE(locked) << "text and commands locked, Exit and Stop at hand: " << c.reason;
        EXPECT_TRUE(kStopLine.match(paneText()).hasMatch()) << c.reason << paneText().toStdString();
        EXPECT_EQ(editorText(), doublingText()) << c.reason;
        // Closing goes on once the run has ended, with its save query.
        QTRY_COMPARE(m_Dialogs.messages.size(), size_t(closing ? 1 : 0));
        QTRY_COMPARE(m_Window->isVisible(), !c.closed);
        if (!c.closed) {
            EXPECT_FALSE(editor().isReadOnly()) << c.reason;
            EXPECT_TRUE(m_Window->findAction(QStringLiteral("ActionCalcAll"))->isEnabled())
                << c.reason;
            EXPECT_TRUE(resultsSave->isEnabled() && resultsZoomIn->isEnabled()) << c.reason;
            EXPECT_FALSE(zoomDefault->isEnabled()) << "as before the run: " << c.reason;
            press(QKeySequence(Qt::CTRL | Qt::Key_S));
            EXPECT_EQ(readFile(docPath(QStringLiteral("levels.txt"))),
                      doublingText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toLatin1())
                << c.reason;
        }
        m_RunTimer.reset();
        editor().document()->setModified(false);
        m_Window->close();
        m_Window.reset();
    }
}

TEST_F(Calculation, DeepCallsEndWithTheirMessageOnTheWorkerToo)
{
    // The worker's stack must hold what the interpreter's depth limit allows.
    QString calls = QStringLiteral("f0(x) = x;\n");
    for (int k = 1; k <= 2110; ++k)
        calls += QStringLiteral("f%1(x) = f%2(x) + 0;\n").arg(k).arg(k - 1);
    openWindow();
    editor().setPlainText(calls + QStringLiteral("a = f2110(1);"));
    press(Qt::Key_F5);
    EXPECT_TRUE(paneText().contains(QLatin1String("the calculation is nested too deeply")))
        << paneText().left(200).toStdString();
}

TEST_F(Calculation, AppendedResultsAreScrolledIntoView)
{
    struct TCase
    {
        const char* reason;
        int textLines; // comment lines before the calculation
        int variables;
    };
    const TCase cases[] = {
        {"a few results below a long text: the end in view", 120, 2},
        {"more results than the editor shows: their first line at the top", 3, 150},
    };
    writeIni(optionsIni(0, 12, 1));
    openWindow();
    for (const TCase& c : cases) {
        QString text = QStringLiteral("// a comment\n").repeated(c.textLines);
        for (int i = 0; i < c.variables; ++i)
            text += QStringLiteral("v%1 = %1;").arg(i);
        editor().setPlainText(text);
        editor().moveCursor(QTextCursor::Start);
        press(Qt::Key_F5);
        const int firstAdded = c.textLines + 1;
        ASSERT_EQ(editor().document()->findBlockByNumber(firstAdded).text(),
                  QStringLiteral("// [Results of calculation] "));
        const int top = editor().cursorForPosition(QPoint(1, 1)).blockNumber();
        const int bottom =
            editor().cursorForPosition(QPoint(1, editor().viewport()->height() - 2)).blockNumber();
        EXPECT_EQ(c.variables > 100 ? top : bottom,
                  c.variables > 100 ? firstAdded : editor().blockCount() - 1)
            << c.reason;
        EXPECT_LE(top, firstAdded) << c.reason;
        EXPECT_EQ(editor().textCursor().position(), 0) << "the caret stays: " << c.reason;
    }
}

} // namespace
