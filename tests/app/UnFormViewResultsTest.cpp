#include "app/UnFormViewResults.h"

#include "app/Applimits.h"
#include "app/Fonts.h"
#include "tests/app/Dialogfixture.h"
#include "tests/app/Iconcompare.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

#include <memory>

namespace {

// Keeps what the windows log, whatever the WriteLogs option says.
class CLoggingMainWindow : public CTestMainWindow
{
public:
    using CTestMainWindow::writeLog;
    void writeLog(quint8 type, const QString& source, const QString& text) override
    {
        logs.append(QString::number(type) + QLatin1String(" | ") + source + QLatin1String(" | ")
                    + text);
    }

    QStringList logs;
};

class ResultsWindow : public CDialogFixture<TFormViewResults, CLoggingMainWindow>
{
protected:
    void showForm(const TOptionsFormViewResults& options = TOptionsFormViewResults())
    {
        m_Form->SetOptions(options);
        m_Form->show();
        m_Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_Form));
        memo()->setFocus();
    }

    QPlainTextEdit* memo() const { return child<QPlainTextEdit>("Memo"); }
    int memoFontSize() const { return memo()->font().pointSize(); }
    bool wraps() const { return memo()->lineWrapMode() != QPlainTextEdit::NoWrap; }

    // Saves through Ctrl+S with the save dialog answering the name.
    void saveAs(const QString& fileName)
    {
        m_Dialogs.saveFileAnswers.push_back(fileName);
        QTest::keyClick(memo(), Qt::Key_S, Qt::ControlModifier);
    }

    QString docPath(const char* name) const
    {
        return docsFolder() + QLatin1Char('/') + QLatin1String(name);
    }
};

TEST_F(ResultsWindow, CaptionsOnShowing)
{
    showForm();
    EXPECT_EQ(m_Form->windowTitle(), QStringLiteral(" Results of calculations"));
    EXPECT_EQ(child<QMenu>("MenuItemFile")->title(), QStringLiteral("&1 File"));
    EXPECT_EQ(child<QMenu>("MenuItemEdit")->title(), QStringLiteral("&2 Edit"));
    EXPECT_EQ(child<QMenu>("MenuItemView")->title(), QStringLiteral("&3 View"));
    EXPECT_EQ(child<QAction>("MenuItemFileSave")->text(), QStringLiteral("Save\tCtrl+S"));
    EXPECT_EQ(child<QAction>("MenuItemFileExit")->text(), QStringLiteral("Exit"));
    EXPECT_EQ(child<QAction>("MenuItemEditCopy")->text(), QStringLiteral("Copy\tCtrl+C"));
    EXPECT_EQ(child<QAction>("MenuItemSelectAll")->text(), QStringLiteral("Select All\tCtrl+A"));
    EXPECT_EQ(child<QAction>("MenuItemEditWordWrap")->text(), QStringLiteral("Word-Wrap"));
    EXPECT_EQ(child<QAction>("MenuItemViewShowToolBar")->text(),
              QStringLiteral("Show/Hide Toolbar"));
    EXPECT_EQ(child<QToolButton>("ToolButtonSave")->text(), QStringLiteral("Save"));
    EXPECT_TRUE(memo()->isReadOnly());
    EXPECT_TRUE(m_Main->isWindowOpen(QStringLiteral("TFormViewResults")));
}

TEST_F(ResultsWindow, ToolButtonsAndMenuEntriesShowTheirIcons)
{
    showForm();
    struct TCase
    {
        const char* control;
        const char* icon;
    };
    const TCase buttons[] = {
        {"ToolButtonSave", "save-results"},        {"ToolButtonWordWrap", "word-wrap"},
        {"ToolButtonZoomIn", "zoom-in"},           {"ToolButtonZoomOut", "zoom-out"},
        {"ToolButtonZoomDefault", "zoom-default"},
    };
    for (const TCase& c : buttons) {
        const auto* button = child<QToolButton>(c.control);
        EXPECT_TRUE(showsAppIcon(button->icon(), c.icon)) << c.control;
        EXPECT_EQ(button->iconSize(), QSize(kToolBarIconSize, kToolBarIconSize)) << c.control;
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly) << c.control;
    }
    const TCase items[] = {
        {"MenuItemFileSave", "save-results"},
        {"MenuItemEditCopy", "copy"},
        {"MenuItemCopy", "copy"},
        {"MenuItemEditWordWrap", "word-wrap"},
        {"MenuItemViewZoomIn", "zoom-in"},
        {"MenuItemZoomDefault", "zoom-default"},
    };
    for (const TCase& c : items)
        EXPECT_TRUE(showsAppIcon(child<QAction>(c.control)->icon(), c.icon)) << c.control;
    // Entries with no picture of their own stay plain.
    for (const char* plain :
         {"MenuItemFileExit", "MenuItemEditSelectAll", "MenuItemViewShowToolBar"})
        EXPECT_TRUE(child<QAction>(plain)->icon().isNull()) << plain;
}

TEST_F(ResultsWindow, SetTextReplacesTheWholeText)
{
    showForm();
    m_Form->SetText(QStringLiteral("old"));
    m_Form->SetText(QStringLiteral("a = 1\r\nb = 2\r\n"));
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("a = 1\nb = 2\n"));
    EXPECT_EQ(memo()->blockCount(), 3);
    m_Form->SetText(QString());
    EXPECT_TRUE(memo()->toPlainText().isEmpty());
    EXPECT_TRUE(m_Form->isVisible());
    EXPECT_FALSE(memo()->document()->isUndoRedoEnabled())
        << "no history of the program's own output";
}

TEST_F(ResultsWindow, SelectAllAndCopy)
{
    showForm();
    m_Form->SetText(QStringLiteral("a = 1\nb = 2"));
    QApplication::clipboard()->clear();

    QTest::keyClick(memo(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(memo(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("a = 1\nb = 2"));

    // The same through the pop-up menu, on a part of the text.
    QTextCursor cursor = memo()->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    memo()->setTextCursor(cursor);
    child<QAction>("MenuItemCopy")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("a = 1"));
    child<QAction>("MenuItemEditSelectAll")->trigger();
    EXPECT_EQ(memo()->textCursor().selectedText(),
              QString(QStringLiteral("a = 1") + QChar::ParagraphSeparator
                      + QStringLiteral("b = 2")));
}

TEST_F(ResultsWindow, WordWrapToggles)
{
    showForm();
    auto* button = child<QToolButton>("ToolButtonWordWrap");
    auto* item = child<QAction>("MenuItemEditWordWrap");
    const auto showsWrap = [&](bool on) {
        EXPECT_EQ(button->isChecked(), on) << "the button";
        EXPECT_EQ(item->isChecked(), on) << "the menu entry";
        EXPECT_EQ(item->isIconVisibleInMenu(), false) << "its check mark, not its icon";
    };
    EXPECT_FALSE(wraps());
    showsWrap(false);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(wraps());
    showsWrap(true);
    EXPECT_EQ(memo()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    item->trigger();
    EXPECT_FALSE(wraps());
    showsWrap(false);
    EXPECT_EQ(memo()->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

    TOptionsFormViewResults stored;
    stored.WrapWord = true;
    m_Form->ApplyOptions(stored);
    EXPECT_TRUE(wraps());
    showsWrap(true);
}

TEST_F(ResultsWindow, ToolBarTogglesWithItsMenuTick)
{
    showForm();
    auto* toolBar = child<QToolBar>("ToolBarMain");
    auto* item = child<QAction>("MenuItemViewShowToolBar");
    EXPECT_TRUE(toolBar->isVisible());
    EXPECT_TRUE(item->isChecked());
    item->trigger();
    EXPECT_FALSE(toolBar->isVisible());
    EXPECT_FALSE(item->isChecked());
    child<QAction>("ActionViewToolBar")->trigger();
    EXPECT_TRUE(toolBar->isVisible());
    EXPECT_TRUE(item->isChecked());
}

TEST_F(ResultsWindow, MemoShowsTheFocusTheTabGivesIt)
{
    showForm();
    m_Form->SetText(QStringLiteral("x = 1"));
    memo()->clearFocus();
    expectTheFocusShows(memo(), [this] { memo()->setFocus(Qt::TabFocusReason); });
}

TEST_F(ResultsWindow, EscDoesNotCloseTheWindow)
{
    showForm();
    QTest::keyClick(memo(), Qt::Key_Escape);
    EXPECT_TRUE(m_Form->isVisible());
    child<QAction>("MenuItemFileExit")->trigger();
    EXPECT_FALSE(m_Form->isVisible());
}

TEST_F(ResultsWindow, SavedFileHoldsTheLinesWithCrLf)
{
    struct TCase
    {
        QString text;
        QByteArray bytes;
        const char* reason;
    };
    const TCase cases[] = {
        {QStringLiteral("a = 1\nb = 2"), "a = 1\r\nb = 2\r\n", "the last line ends too"},
        {QStringLiteral("a = 1\r\nb = 2\r\n"), "a = 1\r\nb = 2\r\n",
         "a break at the end opens no line"},
        {QStringLiteral("a\n\nb"), "a\r\n\r\nb\r\n", "an empty line inside stays"},
        {QStringLiteral("\n"), "\r\n", "one empty line"},
        {QString::fromUtf8("\xD0\xB0\xD0\xB1 = 1"), "\xD0\xB0\xD0\xB1 = 1\r\n",
         "UTF-8, Cyrillic too"},
        {QString::fromUtf8("\xC3\xA4\n\xD0\xB1"), "\xC3\xA4\r\n\xD0\xB1\r\n",
         "UTF-8 over every line"},
    };
    showForm();
    int n = 0;
    for (const TCase& c : cases) {
        const QString fileName = docsFolder() + QStringLiteral("/r%1.txt").arg(n++);
        m_Form->SetText(c.text);
        saveAs(fileName);
        EXPECT_EQ(readFile(fileName), c.bytes) << c.reason;
    }
    EXPECT_TRUE(m_Dialogs.messages.empty());
    EXPECT_TRUE(m_Main->logs.isEmpty());
}

TEST_F(ResultsWindow, SaveAsksForATextFile)
{
    showForm();
    m_Form->SetText(QStringLiteral("a = 1"));
    QTest::mouseClick(child<QToolButton>("ToolButtonSave"), Qt::LeftButton); // cancelled
    ASSERT_EQ(m_Dialogs.saveFileRequests.size(), 1u);
    const TFileDialogRequest& request = m_Dialogs.saveFileRequests.front();
    EXPECT_EQ(request.title, QStringLiteral(" File's name"));
    EXPECT_EQ(request.filters, QStringList{QStringLiteral("Text file (*.txt)")});
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("txt"));
    EXPECT_TRUE(QDir(docsFolder()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(m_Dialogs.messages.empty());
}

TEST_F(ResultsWindow, SaveReplacesAnExistingFile)
{
    const QString fileName = docPath("r.txt");
    writeFile(fileName, QByteArray(5000, 'x'));
    showForm();
    m_Form->SetText(QStringLiteral("a = 1"));
    saveAs(fileName);
    EXPECT_EQ(readFile(fileName), QByteArray("a = 1\r\n"));
}

TEST_F(ResultsWindow, EmptyWindowSavesNothing)
{
    showForm();
    m_Form->SetText(QString());
    m_Dialogs.saveFileAnswers.push_back(docPath("r.txt"));
    child<QAction>("MenuItemFileSave")->trigger();

    EXPECT_TRUE(m_Dialogs.saveFileRequests.empty());
    ASSERT_EQ(m_Dialogs.messages.size(), 1u);
    EXPECT_EQ(m_Dialogs.messages.front().text, QStringLiteral("The document is empty."));
    EXPECT_EQ(m_Dialogs.messages.front().caption, QStringLiteral(" Save"));
    EXPECT_EQ(m_Dialogs.messages.front().icon, TMessageIcon::Information);
    EXPECT_EQ(m_Dialogs.messages.front().buttons, TMessageButtons::Ok);
    EXPECT_FALSE(QFile::exists(docPath("r.txt")));
}

TEST_F(ResultsWindow, FailedSaveIsShownAndLoggedAndLeavesNoFile)
{
    const QString fileName = docPath("missing/r.txt");
    showForm();
    m_Form->SetText(QStringLiteral("a = 1"));
    saveAs(fileName);

    EXPECT_FALSE(QFile::exists(fileName));
    ASSERT_EQ(m_Dialogs.messages.size(), 1u);
    const QString text = m_Dialogs.messages.front().text;
    const QString expectedStart = QStringLiteral("Error at writing of a file '") + fileName
                                  + QStringLiteral("'.\n");
    EXPECT_TRUE(text.startsWith(expectedStart)) << text.toStdString();
    EXPECT_GT(text.size(), expectedStart.size()) << "the reason follows";
    EXPECT_EQ(m_Dialogs.messages.front().caption, QStringLiteral(" Save"));
    EXPECT_EQ(m_Main->logs, QStringList{QStringLiteral(
                                "1 | TFormViewResults::SaveText | The error at saving text.")});
    EXPECT_TRUE(m_Form->isVisible());
}

TEST_F(ResultsWindow, FullDiskKeepsTheOldFile)
{
    const QString fileName = docPath("r.txt");
    const QByteArray before("old results\r\n");
    writeFile(fileName, before);
    showForm();
    m_Form->SetText(QString(3000, QLatin1Char('x')));
    {
        CFileSizeLimit fullDisk(1024);
        saveAs(fileName);
    }
    EXPECT_EQ(readFile(fileName), before);
    EXPECT_EQ(QDir(docsFolder()).entryList(QDir::Files), QStringList{QStringLiteral("r.txt")});
    EXPECT_EQ(m_Dialogs.messages.size(), 1u);
    EXPECT_EQ(m_Main->logs.size(), 1);
}

TEST_F(ResultsWindow, StoredPlaceIsKeptOnTheDesktop)
{
    const QRect desktop = QGuiApplication::primaryScreen()->availableVirtualGeometry();
    const int L = desktop.left();
    const int T = desktop.top();
    const int W = desktop.width();
    const int H = desktop.height();
    showForm();
    // A place kept by the stored rule is then moved in until the frame is on the desktop too.
    const QMargins m = m_Form->windowHandle()->frameMargins();
    struct TCase
    {
        QRect stored; // left, top, width, height
        QRect shown;
        const char* reason;
    };
    const TCase cases[] = {
        {QRect(100, 80, 400, 300), QRect(100, 80, 400, 300), "inside: kept"},
        {QRect(-5000, 80, 400, 300), QRect(L + 10, 80, 400, 300), "far left"},
        {QRect(L - 1, 80, 400, 300), QRect(L + 10, 80, 400, 300), "one left of the desktop"},
        {QRect(L, 80, 400, 300), QRect(L + m.left(), 80, 400, 300), "left edge: the frame's"},
        {QRect(W - 350, 80, 400, 300), QRect(L + W - m.right() - 400, 80, 400, 300),
         "last left kept, the frame moved in"},
        {QRect(W - 349, 80, 400, 300), QRect(L + 10, 80, 400, 300), "one beyond the last left"},
        {QRect(100, T - 1, 400, 300), QRect(100, T + 10, 400, 300), "above the desktop"},
        {QRect(100, T, 400, 300), QRect(100, T + m.top(), 400, 300),
         "top edge: the title bar on the desktop"},
        {QRect(100, H - 250, 400, 300), QRect(100, T + H - m.bottom() - 300, 400, 300),
         "last top kept, the frame moved up"},
        {QRect(100, H - 249, 400, 300), QRect(100, T + 10, 400, 300), "one beyond the last top"},
        {QRect(100, 80, 0, 300), QRect(100, 80, 550, 300), "no width"},
        {QRect(100, 80, -20, 300), QRect(100, 80, 550, 300), "negative width"},
        {QRect(100, 80, W, 300), QRect(L + m.left(), 80, W - m.left() - m.right(), 300),
         "desktop width kept, with the frame"},
        {QRect(100, 80, W + 1, 300), QRect(100, 80, 550, 300), "wider than the desktop"},
        {QRect(100, 80, 400, 0), QRect(100, 80, 400, 450), "no height"},
        {QRect(100, 80, 400, H), QRect(100, T + m.top(), 400, H - m.top() - m.bottom()),
         "desktop height kept, with the frame"},
        {QRect(100, 80, 400, H + 1), QRect(100, 80, 400, 450), "higher than the desktop"},
    };
    for (const TCase& c : cases) {
        TOptionsFormViewResults options;
        options.Left = c.stored.x();
        options.Top = c.stored.y();
        options.Width = c.stored.width();
        options.Height = c.stored.height();
        m_Form->ApplyOptions(options);
        TOptionsFormViewResults shown;
        m_Form->GetOptions(shown);
        EXPECT_EQ(QRect(shown.Left, shown.Top, shown.Width, shown.Height), c.shown) << c.reason;
    }
}

TEST_F(ResultsWindow, ShowingAppliesTheStoredRecord)
{
    TOptionsFormViewResults options;
    options.Left = 30;
    options.Top = 40;
    options.Width = 420;
    options.Height = 310;
    options.ShowToolBar = false;
    options.FontStyle = TFontStyle::Bold;
    options.FontSize = 14;
    options.FontColor = 0x0000FF;       // red
    options.BackgroundColor = 0xFF0000; // blue
    options.WrapWord = true;
    showForm(options);

    EXPECT_EQ(m_Form->geometry(), QRect(30, 40, 420, 310)) << "the client area, as the main window";
    EXPECT_EQ(memo()->font().family(), availableFontFamily(QStringLiteral("Courier New")));
    EXPECT_TRUE(memo()->font().bold());
    EXPECT_EQ(memoFontSize(), 14);
    EXPECT_EQ(memo()->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(memo()->palette().color(QPalette::Base), QColor(0, 0, 255));
    EXPECT_TRUE(wraps());
    EXPECT_EQ(memo()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_FALSE(child<QToolBar>("ToolBarMain")->isVisible());
    EXPECT_FALSE(child<QAction>("MenuItemViewShowToolBar")->isChecked());
    EXPECT_TRUE(child<QToolButton>("ToolButtonZoomDefault")->isEnabled());
}

TEST_F(ResultsWindow, SizeOutsideTheZoomTableIsShownAndZoomStartsAtTheDefault)
{
    TOptionsFormViewResults options;
    options.FontSize = 13;
    showForm(options);
    EXPECT_EQ(memoFontSize(), 13);
    EXPECT_FALSE(child<QToolButton>("ToolButtonZoomDefault")->isEnabled());
    QTest::keyClick(memo(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(memoFontSize(), 11);
}

TEST_F(ResultsWindow, SizesBeyondTheLimitsAreShownAtTheLimitAndKeptUnlessZoomed)
{
    const struct
    {
        int stored, zoomIns, shown, storedAtClosing;
    } cases[] = {{3000, 0, kFontSizeMax, 3000}, {3000, 1, 11, 11}, {-5, 0, kFontSizeMin, -5}};
    for (const auto& c : cases) {
        TOptionsFormViewResults options;
        options.FontSize = c.stored;
        showForm(options);
        for (int i = 0; i < c.zoomIns; ++i)
            QTest::keyClick(memo(), Qt::Key_Q, Qt::ControlModifier);
        EXPECT_EQ(memoFontSize(), c.shown) << c.stored;
        m_Form->close();
        EXPECT_EQ(m_Main->getOptionsFormViewResults().FontSize, c.storedAtClosing) << c.stored;
    }
}

TEST_F(ResultsWindow, ZoomAtBothEnds)
{
    TOptionsFormViewResults options;
    options.FontSize = 72;
    showForm(options);
    EXPECT_FALSE(child<QToolButton>("ToolButtonZoomIn")->isEnabled());
    QTest::keyClick(memo(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(memoFontSize(), 72);

    options.FontSize = 8;
    m_Form->ApplyOptions(options);
    EXPECT_FALSE(child<QToolButton>("ToolButtonZoomOut")->isEnabled());
    EXPECT_TRUE(child<QToolButton>("ToolButtonZoomIn")->isEnabled());
    child<QAction>("MenuItemZoomOut")->trigger();
    EXPECT_EQ(memoFontSize(), 8);

    QTest::mouseClick(child<QToolButton>("ToolButtonZoomDefault"), Qt::LeftButton);
    EXPECT_EQ(memoFontSize(), 10);
    EXPECT_FALSE(child<QToolButton>("ToolButtonZoomDefault")->isEnabled());
}

TEST_F(ResultsWindow, ClosingHandsTheStateToTheOwner)
{
    m_Main->formViewResults().StayOnTop = false;
    m_Main->formViewResults().FontName = QStringLiteral("Mono");
    TOptionsFormViewResults options;
    options.Left = 50;
    options.Top = 60;
    options.Width = 400;
    options.Height = 300;
    showForm(options);
    QTest::keyClick(memo(), Qt::Key_Q, Qt::ControlModifier);
    QTest::mouseClick(child<QToolButton>("ToolButtonZoomIn"), Qt::LeftButton);
    child<QAction>("MenuItemEditWordWrap")->trigger();
    child<QAction>("MenuItemViewShowToolBar")->trigger();
    m_Form->close();

    const TOptionsFormViewResults& stored = m_Main->getOptionsFormViewResults();
    EXPECT_EQ(stored.FontSize, 12);
    EXPECT_EQ(stored.Left, 50);
    EXPECT_EQ(stored.Top, 60);
    EXPECT_EQ(stored.Width, 400);
    EXPECT_EQ(stored.Height, 300);
    EXPECT_TRUE(stored.WrapWord);
    EXPECT_FALSE(stored.ShowToolBar);
    EXPECT_FALSE(stored.StayOnTop) << "not the window's to hand back";
    EXPECT_EQ(stored.FontName, QStringLiteral("Mono"));
    EXPECT_FALSE(m_Main->isWindowOpen(QStringLiteral("TFormViewResults")));
}

TEST_F(ResultsWindow, ShownAgainItComesBackAsItWasClosed)
{
    showForm();
    QTest::keyClick(memo(), Qt::Key_Q, Qt::ControlModifier);
    m_Form->close();
    m_Form->show();
    EXPECT_EQ(memoFontSize(), 11);
}

} // namespace
