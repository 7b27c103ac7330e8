// The editor tools on a real editor drawn offscreen: offsets that count each line break as CR
// LF, searching, replacing with undo, going to lines and centring them, the caret's column.

#include "app/Memoutils.h"

#include "app/Applimits.h"
#include "app/Editorview.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <memory>

namespace {

QString s(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// Lines of 0, 1, 2, ... so that every line is told apart by its text.
QString numberedLines(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QString::number(i) + QLatin1Char('\n');
    return text;
}

class MemoToolsInEditor : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_Editor.setLineWrapMode(QPlainTextEdit::NoWrap);
        m_Editor.resize(400, 300);
        m_Editor.show();
        QApplication::processEvents();
        m_Tools.setMemo(&m_Editor);
    }

    void load(const QString& text)
    {
        m_Editor.setPlainText(text);
        QApplication::processEvents();
    }
    void load(const char* utf8) { load(s(utf8)); }

    // The document's text with "\n" for each break, read past the tools.
    QString plain() const
    {
        return m_Editor.document()->toRawText().replace(QChar::ParagraphSeparator,
                                                        QLatin1Char('\n'));
    }

    CEditorView view() { return CEditorView(&m_Editor); }
    void select(int start, int length) { view().setSelection(start, length); }
    std::pair<int, int> selection() { return {view().selectionStart(), view().selectionLength()}; }

    QPlainTextEdit m_Editor;
    TMemoTools m_Tools;
};

// --- The editor as the tools count it ---------------------------------------------------

struct TLinesCase
{
    const char* reason;
    const char* text;
    QStringList lines;
    const char* whole;
};

TEST_F(MemoToolsInEditor, ViewCountsLinesWithoutAnEmptyLastOne)
{
    const TLinesCase cases[] = {
        {"an empty editor has no lines", "", {}, ""},
        {"one line", "ab", {"ab"}, "ab"},
        {"a final break adds no line", "ab\n", {"ab"}, "ab\r\n"},
        {"a lone break is one empty line", "\n", {""}, "\r\n"},
        {"an empty line before the final break counts", "ab\n\n", {"ab", ""}, "ab\r\n\r\n"},
        {"breaks become CR LF", "ab\ncd", {"ab", "cd"}, "ab\r\ncd"},
        {"a no-break space stays what it is",
         "a\xc2\xa0"
         "b",
         {s("a\xc2\xa0"
            "b")},
         "a\xc2\xa0"
         "b"},
    };
    for (const TLinesCase& c : cases) {
        load(c.text);
        EXPECT_EQ(view().lines(), c.lines) << c.reason;
        EXPECT_EQ(view().lineCount(), c.lines.size()) << c.reason;
        EXPECT_EQ(view().text(), s(c.whole)) << c.reason;
    }
}

TEST_F(MemoToolsInEditor, ViewTakesALineSeparatorAsALineBreak)
{
    load("ab");
    QTextCursor cursor(m_Editor.document());
    cursor.setPosition(1);
    cursor.insertText(QString(QChar::LineSeparator));
    EXPECT_EQ(view().lines(), QStringList({"a", "b"}));
    EXPECT_EQ(view().text(), s("a\r\nb"));
    m_Tools.selectAt(1, 1, 0);
    EXPECT_EQ(m_Editor.textCursor().position(), 3);
}

struct TSelectionCase
{
    const char* reason;
    int start;
    int length;
    int anchor; // document positions count one per break
    int position;
    int readStart; // and back in CR LF offsets
    int readLength;
};

TEST_F(MemoToolsInEditor, ViewMapsOffsetsToTheDocument)
{
    load("ab\ncd\n");
    const TSelectionCase cases[] = {
        {"the caret at the top", 0, 0, 0, 0, 0, 0},
        {"offset 5 is the d of the second line", 5, 0, 4, 4, 5, 0},
        {"a selection over a break counts it twice", 1, 4, 1, 4, 1, 4},
        {"an offset between CR and LF is the end of its line", 3, 0, 2, 2, 2, 0},
        {"the end of the text", 8, 0, 6, 6, 8, 0},
        {"a start between CR and LF reads back as the CR", 7, 100, 5, 6, 6, 2},
        {"a negative start is the top", -5, 0, 0, 0, 0, 0},
    };
    for (const TSelectionCase& c : cases) {
        select(c.start, c.length);
        const QTextCursor cursor = m_Editor.textCursor();
        EXPECT_EQ(cursor.anchor(), c.anchor) << c.reason;
        EXPECT_EQ(cursor.position(), c.position) << c.reason;
        EXPECT_EQ(selection(), std::make_pair(c.readStart, c.readLength)) << c.reason;
    }
    select(5, 0);
    EXPECT_EQ(view().caretLine(), 1);
    EXPECT_EQ(view().caretColumn(), 1);
    select(8, 0);
    EXPECT_EQ(view().caretLine(), 2) << "the empty line after the final break";
    EXPECT_EQ(view().caretColumn(), 0);
}

TEST(EditorView, WithoutAnEditorAnswersNothing)
{
    auto editor = std::make_unique<QPlainTextEdit>(QStringLiteral("ab\ncd"));
    CEditorView views[] = {CEditorView(editor.get()), CEditorView()};
    editor.reset(); // the first view outlives its editor
    for (CEditorView& view : views) {
        view.setSelection(1, 1);
        view.replaceText(QStringLiteral("x"));
        view.scrollLines(3);
        EXPECT_TRUE(view.lines().isEmpty());
        EXPECT_EQ(view.text(), QString());
        EXPECT_EQ(view.selectionStart() + view.selectionLength() + view.caretLine()
                      + view.firstVisibleLine(),
                  0);
    }
}

// --- Lines and offsets ------------------------------------------------------------------

TEST_F(MemoToolsInEditor, LineToOffset)
{
    load("ab\ncd\n\nxyz\n");
    const struct
    {
        int line;
        int column;
        int offset;
        const char* reason;
    } cases[] = {
        {0, 0, 0, "the top"},
        {1, 1, 5, "each break before counts two"},
        {2, 0, 8, "an empty line"},
        {3, 2, 12, "the last line"},
        {0, 7, 7, "a column past the line's end is kept"},
        {4, 0, 0, "the empty line after the final break is no line"},
        {-1, 0, 0, "a negative line"},
        {1, -1, 0, "a negative column"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(m_Tools.lineToOffset(c.line, c.column), c.offset) << c.reason;
    load("");
    EXPECT_EQ(m_Tools.lineToOffset(0, 0), 0) << "no lines";
}

TEST_F(MemoToolsInEditor, OffsetToLine)
{
    load("ab\ncd");
    const std::pair<int, int> cases[] = {{5, 1},  {4, 1}, {3, 0} /* the LF itself */,
                                         {2, 0},  {0, 0}, {-1, 0},
                                         {100, 1}};
    for (const auto& [offset, line] : cases)
        EXPECT_EQ(m_Tools.offsetToLine(offset), line) << offset;
    load("ab\n");
    EXPECT_EQ(m_Tools.offsetToLine(4), 0)
        << "past the final break the last counted character is the CR";
    load("");
    EXPECT_EQ(m_Tools.offsetToLine(3), 0);
}

TEST(MemoTools, WithoutAnEditorDoesNothing)
{
    TMemoTools tools;
    int offset = 5;
    EXPECT_FALSE(tools.find(QStringLiteral("a"), true, 0, offset));
    EXPECT_EQ(offset, 0);
    EXPECT_FALSE(tools.findNext(QStringLiteral("a"), true));
    EXPECT_FALSE(tools.findForReplace(QStringLiteral("a"), QStringLiteral("b"), true));
    EXPECT_FALSE(tools.replaceOne(QStringLiteral("a"), QStringLiteral("b"), true));
    EXPECT_FALSE(tools.replaceAll(QStringLiteral("a"), QStringLiteral("b"), true));
    EXPECT_EQ(tools.lineToOffset(0, 0), 0);
    EXPECT_EQ(tools.offsetToLine(3), 0);
    tools.gotoLineCentred(3);
    tools.gotoLastLine();
    EXPECT_EQ(getCaretDisplayColumn(nullptr, kEditorTabWidth), 1);
}

// --- Searching --------------------------------------------------------------------------

struct TFindCase
{
    const char* reason;
    const char* text;
    const char* pattern;
    bool matchCase;
    int start;
    bool found;
    int offset;
};

TEST_F(MemoToolsInEditor, Find)
{
    const TFindCase cases[] = {
        {"the first match", "sin cos sin", "sin", true, 0, true, 0},
        {"a match at the start offset", "sin cos sin", "sin", true, 8, true, 8},
        {"after the start only", "sin cos sin", "sin", true, 1, true, 8},
        {"a break counts as CR LF", "ab\ncd", "c", true, 0, true, 4},
        {"a match over a break", "ab\ncd", "b\r\nc", true, 0, true, 1},
        {"letter case counts with Match Case", "x = sin(1)", "SIN", true, 0, false, 0},
        {"and not without it", "x = sin(1)", "SIN", false, 0, true, 4},
        {"the sharp s keeps later offsets",
         "stra\xc3\x9f"
         "e x",
         "X", false, 0, true, 7},
        {"the sharp s is not SS",
         "stra\xc3\x9f"
         "e",
         "STRASSE", false, 0, false, 0},
        {"the sharp s matches itself",
         "STRA\xc3\x9f"
         "E",
         "stra\xc3\x9f"
         "e",
         false, 0, true, 0},
        {"a no-break space is no blank",
         "a\xc2\xa0"
         "b",
         " b", true, 0, false, 0},
        {"a no-break space is found",
         "a\xc2\xa0"
         "b",
         "\xc2\xa0"
         "B",
         false, 0, true, 1},
        {"no match", "abc", "x", true, 0, false, 0},
        {"a negative start", "abc", "a", true, -1, false, 0},
        {"a start at the text's end", "abc", "c", true, 3, false, 0},
        {"the text does not fit after the start", "abc", "bc", true, 2, false, 0},
        {"an empty text", "abc", "", true, 0, false, 0},
        {"an empty editor", "", "a", true, 0, false, 0},
    };
    for (const TFindCase& c : cases) {
        load(c.text);
        int offset = -7;
        EXPECT_EQ(m_Tools.find(s(c.pattern), c.matchCase, c.start, offset), c.found) << c.reason;
        EXPECT_EQ(offset, c.offset) << c.reason;
    }
}

struct TFindNextCase
{
    const char* reason;
    const char* text;
    int start; // the selection before
    int length;
    const char* pattern;
    bool matchCase;
    bool found;
    int newStart; // and after
    int newLength;
};

TEST_F(MemoToolsInEditor, FindNext)
{
    const TFindNextCase cases[] = {
        {"from the caret", "a x b x", 0, 0, "x", true, true, 2, 1},
        {"from inside the line", "a x b x", 3, 0, "x", true, true, 6, 1},
        {"after the selection", "a x b x", 2, 1, "x", true, true, 6, 1},
        {"wraps to the top", "a x b", 4, 0, "x", true, true, 2, 1},
        {"the only match selected already is found again", "a x b", 2, 1, "x", true, true, 2, 1},
        {"from the caret on the second line", "x\nab x", 5, 0, "x", true, true, 6, 1},
        {"the empty line after the last break starts at the top", "a x\n", 5, 0, "x", true, true, 2,
         1},
        {"no match from the top: the caret stays", "abc", 0, 0, "x", true, false, 0, 0},
        {"no match after a wrap: the selection goes", "abc def", 4, 2, "x", true, false, 4, 0},
        {"letter case counts with Match Case", "sin", 0, 0, "SIN", true, false, 0, 0},
        {"and not without it", "sin", 0, 0, "SIN", false, true, 0, 3},
        {"offsets after a sharp s", "\xc3\x9f sin", 0, 0, "SIN", false, true, 2, 3},
    };
    for (const TFindNextCase& c : cases) {
        load(c.text);
        select(c.start, c.length);
        EXPECT_EQ(m_Tools.findNext(s(c.pattern), c.matchCase), c.found) << c.reason;
        EXPECT_EQ(selection(), std::make_pair(c.newStart, c.newLength)) << c.reason;
        EXPECT_EQ(plain(), s(c.text)) << c.reason;
    }
}

TEST_F(MemoToolsInEditor, FindNextWalksThroughEveryMatchAndRoundAgain)
{
    load("x\nx\nx");
    select(2, 0);
    const int expected[] = {3, 6, 0, 3};
    for (int start : expected) {
        ASSERT_TRUE(m_Tools.findNext(QStringLiteral("x"), true));
        EXPECT_EQ(selection(), std::make_pair(start, 1));
    }
    EXPECT_FALSE(m_Tools.findNext(QString(), true)) << "an empty text";
    EXPECT_EQ(selection(), std::make_pair(3, 1));
}

// --- Replacing --------------------------------------------------------------------------

TEST_F(MemoToolsInEditor, EmptyReplacementIsRefused)
{
    load("a x b x");
    select(1, 0);
    EXPECT_FALSE(m_Tools.findForReplace(QStringLiteral("x"), QString(), true));
    EXPECT_FALSE(m_Tools.replaceOne(QStringLiteral("x"), QString(), true));
    EXPECT_FALSE(m_Tools.replaceAll(QStringLiteral("x"), QString(), true));
    EXPECT_EQ(plain(), s("a x b x"));
    EXPECT_EQ(selection(), std::make_pair(1, 0));
    EXPECT_FALSE(m_Editor.document()->isUndoAvailable());
}

TEST_F(MemoToolsInEditor, ReplaceOneTakesTheRememberedMatchThenTheNext)
{
    load("sin\nx = sin + SIN");
    ASSERT_TRUE(m_Tools.findForReplace(QStringLiteral("SIN"), QStringLiteral("cos"), false));
    EXPECT_EQ(selection(), std::make_pair(0, 3));
    ASSERT_TRUE(m_Tools.replaceOne(QStringLiteral("SIN"), QStringLiteral("cos"), false));
    EXPECT_EQ(plain(), s("cos\nx = sin + SIN"));
    EXPECT_EQ(selection(), std::make_pair(0, 3)) << "the inserted text is selected";
    // Nothing is remembered now: the next one is found after the inserted text and replaced.
    ASSERT_TRUE(m_Tools.replaceOne(QStringLiteral("SIN"), QStringLiteral("tangent"), false));
    EXPECT_EQ(plain(), s("cos\nx = tangent + SIN"));
    EXPECT_EQ(selection(), std::make_pair(9, 7));
    ASSERT_TRUE(m_Tools.replaceOne(QStringLiteral("SIN"), QStringLiteral("e"), true));
    EXPECT_EQ(plain(), s("cos\nx = tangent + e"));
    EXPECT_FALSE(m_Tools.replaceOne(QStringLiteral("SIN"), QStringLiteral("e"), false))
        << "none left";
    EXPECT_EQ(plain(), s("cos\nx = tangent + e"));

    m_Editor.document()->undo();
    EXPECT_EQ(plain(), s("cos\nx = tangent + SIN")) << "each replacement is one undo step";
}

TEST_F(MemoToolsInEditor, ReplaceOneReplacesOnlyTheMatchNotAnotherSelection)
{
    load("keep x x");
    ASSERT_TRUE(m_Tools.findForReplace(QStringLiteral("x"), QStringLiteral("y"), true));
    EXPECT_EQ(selection(), std::make_pair(5, 1));
    select(0, 4); // the user selects other text while the prompt waits
    ASSERT_TRUE(m_Tools.replaceOne(QStringLiteral("x"), QStringLiteral("y"), true));
    EXPECT_EQ(plain(), s("keep y x")) << "the next match after the selection, not the selection";
    EXPECT_EQ(selection(), std::make_pair(5, 1));

    ASSERT_TRUE(m_Tools.findForReplace(QStringLiteral("x"), QStringLiteral("zz"), true));
    m_Tools.resetMatch();
    select(7, 1);
    ASSERT_TRUE(m_Tools.replaceOne(QStringLiteral("x"), QStringLiteral("zz"), true));
    EXPECT_EQ(plain(), s("keep y zz"))
        << "without a remembered match: after the selection, wrapping";
}

TEST_F(MemoToolsInEditor, FindForReplaceSkipsToTheNextMatch)
{
    load("x1 x2 x3");
    ASSERT_TRUE(m_Tools.findForReplace(QStringLiteral("x"), QStringLiteral("y"), true));
    ASSERT_TRUE(m_Tools.findForReplace(QStringLiteral("x"), QStringLiteral("y"), true));
    EXPECT_EQ(selection(), std::make_pair(3, 1));
    ASSERT_TRUE(m_Tools.replaceOne(QStringLiteral("x"), QStringLiteral("y"), true));
    EXPECT_EQ(plain(), s("x1 y2 x3"));
}

struct TReplaceAllCase
{
    const char* reason;
    const char* text;
    const char* pattern;
    const char* replacement;
    bool matchCase;
    const char* result;
};

TEST_F(MemoToolsInEditor, ReplaceAll)
{
    const TReplaceAllCase cases[] = {
        {"occurrences never overlap", "aaa", "aa", "b", true, "ba"},
        {"a longer replacement", "aaaa", "aa", "bbb", true, "bbbbbb"},
        {"the text after the last match is kept", "aaa tail", "aa", "b", true, "ba tail"},
        {"every line", "x\ny\nx\n", "x", "zz", true, "zz\ny\nzz\n"},
        {"Match Case keeps other cases", "Sin + SIN + sin", "sin", "cos", true, "Sin + SIN + cos"},
        {"without it all cases alike, the rest as it was", "Sin + SIN + sin", "sin", "cos", false,
         "cos + cos + cos"},
        {"a sharp s before does not shift the matches", "\xc3\x9f sin SIN", "SIN", "x", false,
         "\xc3\x9f x x"},
        {"a no-break space survives",
         "a\xc2\xa0"
         "b a",
         "a", "c", true,
         "c\xc2\xa0"
         "b c"},
        {"a match over a break", "ab\ncd", "b\r\nc", "-", true, "a-d"},
    };
    for (const TReplaceAllCase& c : cases) {
        load(c.text);
        EXPECT_TRUE(m_Tools.replaceAll(s(c.pattern), s(c.replacement), c.matchCase)) << c.reason;
        EXPECT_EQ(plain(), s(c.result)) << c.reason;
        const int last = view().lineCount() - 1;
        EXPECT_EQ(selection(), std::make_pair(m_Tools.lineToOffset(last, 0), 0)) << c.reason;
        m_Editor.document()->undo();
        EXPECT_EQ(plain(), s(c.text)) << c.reason << ": one undo step brings the old text back";
    }
}

TEST_F(MemoToolsInEditor, ReplaceAllWithoutMatchLeavesTheEditor)
{
    load("abc");
    select(1, 1);
    EXPECT_FALSE(m_Tools.replaceAll(QStringLiteral("x"), QStringLiteral("y"), true));
    EXPECT_EQ(plain(), s("abc"));
    EXPECT_EQ(selection(), std::make_pair(1, 1));
    EXPECT_FALSE(m_Editor.document()->isUndoAvailable());
}

TEST_F(MemoToolsInEditor, ReplaceAllKeepsTheHistoryAndTheView)
{
    load(numberedLines(150));
    m_Editor.document()->setModified(false);
    m_Tools.gotoLine(0);
    QTest::keyClicks(&m_Editor, QStringLiteral("x"));
    ASSERT_TRUE(m_Tools.findForReplace(QStringLiteral("7"), QStringLiteral("seven"), true));
    m_Tools.scrollToLine(80);
    const int top = view().firstVisibleLine();
    ASSERT_GT(top, 0);

    ASSERT_TRUE(m_Tools.replaceAll(QStringLiteral("1"), QStringLiteral("one"), true));
    EXPECT_TRUE(plain().startsWith(s("x0\none\n2\n")));
    EXPECT_EQ(view().firstVisibleLine(), top) << "no scrolling";
    EXPECT_EQ(view().caretLine(), 149);
    EXPECT_TRUE(m_Editor.document()->isModified());

    m_Editor.document()->undo();
    EXPECT_EQ(plain(), s("x") + numberedLines(150));
    m_Editor.document()->undo();
    EXPECT_EQ(plain(), numberedLines(150)) << "the typing before is still in the history";
}

// --- Going to lines and centring them ---------------------------------------------------

TEST(LineScrollToCentre, Arithmetic)
{
    const struct
    {
        int line;
        int first;
        int clientHeight;
        int fontHeight;
        int scroll;
        const char* reason;
    } cases[] = {
        {99, 0, 300, 13, 88, "23 visible lines: line 100 becomes the 12th"},
        {99, 90, 300, 13, -2, "scrolling up"},
        {99, 0, 300, -13, 88, "a negative font height counts by its size"},
        {99, 0, 52, 13, 97, "4 visible lines: 2 above"},
        {99, 0, 51, 13, 99, "3 visible lines: the line at the top"},
        {5, 20, 13, 13, -15, "1 visible line"},
        {99, 0, 12, 13, 0, "no whole line visible: no scrolling"},
        {99, 0, 300, 0, 0, "no font height"},
        {3, 0, 300, 13, -8, "near the top the scroll asks above it"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lineScrollToCentre(c.line, c.first, c.clientHeight, c.fontHeight), c.scroll)
            << c.reason;
}

// Where the view must put a centred line: half the visible lines below the top, or at the top.
int linesAboveCentre(const CEditorView& view)
{
    const int visible = view.clientHeight() / view.fontHeight();
    return visible > 3 ? visible / 2 : 0;
}

TEST_F(MemoToolsInEditor, GotoLineCentredPutsTheLineInTheMiddle)
{
    load(numberedLines(300));
    const int above = linesAboveCentre(view());
    ASSERT_GT(above, 1);
    const struct
    {
        int line;
        int caretLine;
        int top;
        const char* reason;
    } cases[] = {
        {99, 99, 99 - above, "downwards"},
        {150, 150, 150 - above, "further down"},
        {20, 20, 20 - above, "upwards"},
        {-4, 0, 0, "a negative line goes to the first"},
        {1000, 299, -1, "a line past the end goes to the last, the view at its end"},
    };
    for (const auto& c : cases) {
        m_Tools.gotoLineCentred(c.line);
        EXPECT_EQ(view().caretLine(), c.caretLine) << c.reason;
        EXPECT_EQ(view().caretColumn(), 0) << c.reason;
        EXPECT_EQ(view().selectionLength(), 0) << c.reason;
        if (c.top >= 0) {
            EXPECT_EQ(view().firstVisibleLine(), c.top) << c.reason;
        }
        const QRect caret = m_Editor.cursorRect();
        EXPECT_TRUE(m_Editor.viewport()->rect().contains(caret))
            << c.reason << ": the caret is in view";
    }
    EXPECT_EQ(m_Editor.verticalScrollBar()->value(), m_Editor.verticalScrollBar()->maximum());
}

TEST_F(MemoToolsInEditor, FindNextCentresTheMatch)
{
    load(numberedLines(300));
    select(0, 0);
    ASSERT_TRUE(m_Tools.findNext(QStringLiteral("120\r"), true));
    EXPECT_EQ(view().caretLine(), 120);
    EXPECT_EQ(view().firstVisibleLine(), 120 - linesAboveCentre(view()));
}

TEST_F(MemoToolsInEditor, AViewOfFewLinesPutsTheLineAtTheTop)
{
    load(numberedLines(100));
    m_Editor.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = m_Editor.height() - m_Editor.viewport()->height();
    m_Editor.resize(200, frame + 3 * view().fontHeight() + 1);
    QApplication::processEvents();
    ASSERT_EQ(linesAboveCentre(view()), 0);
    m_Tools.gotoLineCentred(50);
    EXPECT_EQ(view().firstVisibleLine(), 50);
}

TEST_F(MemoToolsInEditor, WrappedLinesScrollAsOneLine)
{
    m_Editor.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QString text;
    for (int i = 0; i < 100; ++i)
        text += QString::number(i) + QStringLiteral(": ") + QString(120, QLatin1Char('w'))
                + QLatin1Char('\n');
    load(text);
    const QTextBlock first = m_Editor.document()->firstBlock();
    ASSERT_GT(m_Editor.document()->documentLayout()->blockBoundingRect(first).height(),
              2 * view().fontHeight())
        << "the lines must wrap";
    const int above = linesAboveCentre(view());
    m_Tools.gotoLineCentred(60);
    EXPECT_EQ(view().firstVisibleLine(), 60 - above);
    m_Tools.gotoLineCentred(30);
    EXPECT_EQ(view().firstVisibleLine(), 30 - above);
}

TEST_F(MemoToolsInEditor, GotoLastLine)
{
    const struct
    {
        const char* text;
        int caret;
        const char* reason;
    } cases[] = {
        {"ab\ncd", 4, "the start of the last line"},
        {"ab\ncd\n", 4, "not the empty line after the final break"},
        {"ab\n\n", 4, "an empty last line before the final break"},
    };
    for (const auto& c : cases) {
        load(c.text);
        select(1, 1);
        m_Tools.gotoLastLine();
        EXPECT_EQ(selection(), std::make_pair(c.caret, 0)) << c.reason;
    }
    load("");
    m_Tools.gotoLastLine();
    EXPECT_EQ(selection(), std::make_pair(0, 0));
}

TEST_F(MemoToolsInEditor, SelectAt)
{
    load("ab\ncd\nef");
    const struct
    {
        int line;
        int column;
        int length;
        int start;
        int selected;
        const char* reason;
    } cases[] = {
        {1, 1, 0, 5, 0, "a column"},
        {1, 0, 2, 4, 2, "with a selection"},
        {1, 1, 4, 5, 4, "a selection over a break"},
        {-3, 1, 0, 1, 0, "a negative line is the first"},
        {9, 0, 0, 8, 0, "a line past the end is the last"},
        {0, 4, 0, 4, 0, "a column past the line's end runs on into the next line"},
        {2, 0, -2, 8, 0, "a negative length selects nothing"},
    };
    for (const auto& c : cases) {
        m_Tools.selectAt(c.line, c.column, c.length);
        EXPECT_EQ(selection(), std::make_pair(c.start, c.selected)) << c.reason;
    }
    m_Tools.gotoLine(1);
    EXPECT_EQ(selection(), std::make_pair(4, 0));
}

// --- The caret's column in the status line ----------------------------------------------

TEST_F(MemoToolsInEditor, CaretDisplayColumn)
{
    const struct
    {
        const char* line;
        int caret;
        int tabWidth;
        int column;
        const char* reason;
    } cases[] = {
        {"abc", 0, 8, 1, "line start"},
        {"abc", 2, 8, 3, "plain characters"},
        {"\t", 1, 8, 9, "a tab at the start"},
        {"ab\t", 3, 8, 9, "a tab after two characters"},
        {"abcdefg\t", 8, 8, 9, "a tab filling one column"},
        {"abcdefgh\t", 9, 8, 17, "a tab after a full cell"},
        {"\t\t", 2, 8, 17, "two tabs"},
        {"a\tb", 3, 8, 10, "a character after a tab"},
        {"ab\t", 3, 4, 5, "another tab width"},
        {"ab\t", 3, 0, 4, "a tab width below 1 makes a tab one column"},
    };
    for (const auto& c : cases) {
        load(s("first\n") + s(c.line) + s("\nlast"));
        m_Tools.selectAt(1, c.caret, 0);
        EXPECT_EQ(getCaretDisplayColumn(&m_Editor, c.tabWidth), c.column) << c.reason;
    }
    load("a\t\n");
    select(5, 0);
    EXPECT_EQ(getCaretDisplayColumn(&m_Editor, kEditorTabWidth), 1)
        << "the empty line after the final break";
    load("");
    EXPECT_EQ(getCaretDisplayColumn(&m_Editor, kEditorTabWidth), 1) << "no lines";
}

} // namespace
