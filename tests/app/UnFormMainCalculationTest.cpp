#include "tests/app/Mainwindowfixture.h"

#include "app/UnFormSelectVariable.h"
#include "app/UnFormViewResults.h"
#include "app/UnFormWaitCalc.h"

#include <QListWidget>
#include <QLocale>
#include <QTimer>

namespace {

QByteArray optionsIni(int where, int precision, int format)
{
    return "[ViewResult]\r\nWhereShowResult=" + QByteArray::number(where) + "\r\nPrecision="
           + QByteArray::number(precision) + "\r\nFormatNumber=" + QByteArray::number(format) + "\r\n";
}

class CalculationTest : public CMainWindowTest
{
};

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

TEST_F(CalculationTest, ResultsAppendedToTheEditorOncePerEdit)
{
    writeIni(optionsIni(0, 12, 1));
    openWindow();
    typeText(QStringLiteral("a = 1; b = a / 4;"));
    press(Qt::Key_F5);
    const QString once = QStringLiteral("a = 1; b = a / 4;\n// [Results of calculation] \n// a = 1\n// b = 0.25");
    EXPECT_EQ(editorText(), once);

    press(Qt::Key_F5);
    EXPECT_EQ(editorText(), once) << "the same text again appends nothing";

    QTest::keyClick(&editor(), Qt::Key_End, Qt::ControlModifier);
    typeText(QStringLiteral("\n"));
    press(Qt::Key_F5);
    EXPECT_EQ(editorText().count(QStringLiteral("[Results of calculation]")), 2);
}

TEST_F(CalculationTest, ResultsInTheMessagesPaneAfterTheMessages)
{
    writeIni(optionsIni(1, 12, 1) + "[FormMain]\r\nShowWindowMessages=0\r\n");
    openWindow();
    EXPECT_TRUE(m_Window->messagesPane()->parentWidget()->isHidden());
    typeText(QStringLiteral("a = 1; b = a / 4;"));
    press(Qt::Key_F5);
    EXPECT_EQ(paneText(), QStringLiteral(" [Results of calculation] \n a = 1\n b = 0.25"));
    EXPECT_FALSE(m_Window->messagesPane()->parentWidget()->isHidden());
}

TEST_F(CalculationTest, EmptyEditorListsItsMessageOnly)
{
    openWindow();
    press(Qt::Key_F5);
    EXPECT_EQ(paneText(), QStringLiteral("text is empty"));
}

TEST_F(CalculationTest, FailedAnalysisListsErrorsAndNoResults)
{
    writeIni(optionsIni(1, 12, 1));
    openWindow();
    typeText(QStringLiteral("a = 1;\nb = 2;\nc = ;"));
    press(Qt::Key_F5);
    EXPECT_TRUE(paneText().startsWith(QStringLiteral(" [error, line 3, position 5]"))) << paneText().toStdString();
    EXPECT_FALSE(paneText().contains(QStringLiteral("Results of calculation")));
}

TEST_F(CalculationTest, ResultsWindowShowsAndRefreshes)
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
    EXPECT_TRUE(shown.startsWith(QStringLiteral("[Results of calculation] \n x = 1"))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("567.5"))) << shown.toStdString();
}

TEST_F(CalculationTest, DestinationsZeroAndOneCloseTheResultsWindow)
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
                                m_Window->getOptionsWinMsg(), view, m_Window->getOptionsFormViewResults());
    press(Qt::Key_F5);
    EXPECT_FALSE(m_Window->resultsWindow()->isVisible());
}

TEST_F(CalculationTest, ResultsWindowIsRefreshedEmptiedAndClosedByTheRuns)
{
    writeIni(optionsIni(2, 12, 1));
    openWindow();
    const auto shown = [this] {
        return m_Window->resultsWindow()->findChild<QPlainTextEdit*>(QStringLiteral("Memo"))->toPlainText();
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
    EXPECT_TRUE(shown().contains(QStringLiteral(" x = 2"))) << "refreshed: " << shown().toStdString();

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

TEST_F(CalculationTest, MessagesToggleFollowsTheRuns)
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
        writeIni(optionsIni(c.where, 12, 1)
                 + "[FormMain]\r\nShowWindowMessages=" + (c.shownBefore ? "1" : "0") + "\r\n");
        openWindow();
        QAction* toggle = m_Window->findAction(QStringLiteral("ActionViewWinMsg"));
        const QWidget* pane = m_Window->messagesPane()->parentWidget();
        ASSERT_EQ(toggle->isChecked(), c.shownBefore);
        editor().setPlainText(QLatin1String(c.text));
        press(Qt::Key_F5);
        EXPECT_EQ(!pane->isHidden(), c.shownAfter);
        EXPECT_EQ(toggle->isChecked(), c.shownAfter);
        EXPECT_EQ(menuShowsCheckMark(toggle), c.shownAfter);
        editor().document()->setModified(false);
        m_Window->close();
        m_Window.reset();
    }
}

TEST_F(CalculationTest, PrecisionIsClampedAndTheDecimalPointIsAPoint)
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

TEST_F(CalculationTest, ChosenVariablesOnlyWithF4AndTheZoomKept)
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
    EXPECT_TRUE(paneText().isEmpty()) << "a cancelled choice shows nothing: " << paneText().toStdString();
}

TEST_F(CalculationTest, WaitWindowOnlyForTextsLongerThanTenThousandCharacters)
{
    // 100 characters, 101 as the file holds them: a line break is CR LF there.
    const QString line = QStringLiteral("//") + QString(97, QLatin1Char('x')) + QLatin1Char('\n');
    struct TCase {
        const char* reason;
        QString text;
        bool shown;
    };
    const TCase cases[] = {
        {"10000 characters", QStringLiteral("//") + QString(9998, QLatin1Char('x')), false},
        {"10001 characters", QStringLiteral("//") + QString(9999, QLatin1Char('x')), true},
        {"10000 with the line breaks counted twice", line.repeated(99) + QLatin1Char(' '), false},
        {"10001 with the line breaks counted twice", line.repeated(99) + QStringLiteral("//"), true},
    };
    openWindow();
    for (const TCase& c : cases) {
        editor().setPlainText(c.text);
        CWaitWindowWatch watch;
        qApp->installEventFilter(&watch);
        press(Qt::Key_F5);
        qApp->removeEventFilter(&watch);
        EXPECT_EQ(watch.shown, c.shown) << c.reason;
        EXPECT_TRUE(m_Window->findChildren<TFormWaitCalc*>().isEmpty()) << "gone after the run: " << c.reason;
        EXPECT_FALSE(m_Window->isWindowOpen(QStringLiteral("TFormWaitCalc"))) << c.reason;
    }
}

TEST_F(CalculationTest, MessagePositionsCountTabsAsEightColumns)
{
    openWindow();
    typeText(QStringLiteral("\tx = ;"));
    press(Qt::Key_F5);
    EXPECT_TRUE(paneText().contains(QStringLiteral("position 13"))) << paneText().toStdString();
}

TEST_F(CalculationTest, CharactersOutsideCp1251ReachTheInterpreterAsQuestionMarks)
{
    openWindow();
    typeText(QString::fromUtf8("x = 1; \xe4\xb8\xad = 2;"));
    press(Qt::Key_F5);
    EXPECT_TRUE(paneText().contains(QStringLiteral("?"))) << paneText().toStdString();
}

TEST_F(CalculationTest, CyrillicNamesComeBackUnchanged)
{
    writeIni(optionsIni(1, 12, 1));
    openWindow();
    typeText(QString::fromUtf8("\xd0\xb0\xd0\xb1 = 7;"));
    press(Qt::Key_F5);
    EXPECT_EQ(paneText(), QString::fromUtf8(" [Results of calculation] \n \xd0\xb0\xd0\xb1 = 7"));
}

} // namespace
