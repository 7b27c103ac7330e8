#include "app/Memoutils.h"

#include "framework/Stringutils.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

// Upper case that keeps every character in its place: a character whose upper case would take
// more than one (as the sharp s) stays as it is, so offsets found in the copy hold for the text.
QString upperCasedInPlace(const QString& text)
{
    QString result = text;
    for (QChar& c : result)
        c = c.toUpper();
    return result;
}

bool sameText(const QString& a, const QString& b, bool matchCase)
{
    return matchCase ? a == b : upperCasedInPlace(a) == upperCasedInPlace(b);
}

// The first match at or after start in text, compared in upper case without Match Case; -1
// when there is none.
int findIn(const QString& text, const QString& pattern, bool matchCase, int start)
{
    if (matchCase)
        return findSubString(text, pattern, start);
    return findSubString(upperCasedInPlace(text), upperCasedInPlace(pattern), start);
}

} // namespace

void TMemoTools::setMemo(QPlainTextEdit* memo)
{
    m_Memo = CEditorView(memo);
}

int TMemoTools::lineToOffset(int line, int column) const
{
    const QStringList lines = m_Memo.lines();
    if (line < 0 || line >= lines.size() || column < 0)
        return 0;
    int offset = column;
    for (int i = 0; i < line; ++i)
        offset += static_cast<int>(lines.at(i).size()) + 2;
    return offset;
}

int TMemoTools::offsetToLine(int offset) const
{
    if (offset < 0)
        return 0;
    const QString text = m_Memo.text();
    const int n = std::min(static_cast<int>(text.size()) - 1, offset);
    return n > 0 ? static_cast<int>(QStringView(text).left(n).count(QLatin1Char('\n'))) : 0;
}

bool TMemoTools::find(const QString& text, bool matchCase, int start, int& offset) const
{
    offset = 0;
    if (m_Memo.lineCount() == 0 || text.isEmpty())
        return false;
    const int found = findIn(m_Memo.text(), text, matchCase, start);
    if (found < 0)
        return false;
    offset = found;
    return true;
}

bool TMemoTools::findNext(const QString& text, bool matchCase)
{
    if (m_Memo.lineCount() == 0 || text.isEmpty())
        return false;
    int offset = 0;
    return selectNextMatch(text, matchCase, offset);
}

bool TMemoTools::findForReplace(const QString& text, const QString& replacement, bool matchCase)
{
    resetMatch();
    if (m_Memo.lineCount() == 0 || text.isEmpty() || replacement.isEmpty())
        return false;
    int offset = 0;
    if (!selectNextMatch(text, matchCase, offset))
        return false;
    m_MatchEnd = offset + static_cast<int>(text.size());
    m_MatchText = text;
    return true;
}

bool TMemoTools::replaceOne(const QString& text, const QString& replacement, bool matchCase)
{
    if (m_Memo.lineCount() == 0 || text.isEmpty() || replacement.isEmpty())
        return false;
    if (!isMatchSelected(text, matchCase) && !findForReplace(text, replacement, matchCase))
        return false;
    replaceSelected(replacement);
    return true;
}

bool TMemoTools::replaceAll(const QString& text, const QString& replacement, bool matchCase)
{
    resetMatch();
    if (m_Memo.lineCount() == 0 || text.isEmpty() || replacement.isEmpty())
        return false;
    const QString old = m_Memo.text();
    const QString haystack = matchCase ? old : upperCasedInPlace(old);
    const QString pattern = matchCase ? text : upperCasedInPlace(text);
    // Grown as it goes: a size fixed in advance from a count of overlapping occurrences would
    // be too small and cut the end of the text.
    QString result;
    int copied = 0;
    int replaced = 0;
    for (int at = findSubString(haystack, pattern, 0); at >= 0;
         at = findSubString(haystack, pattern, copied)) {
        result += QStringView(old).mid(copied, at - copied);
        result += replacement;
        copied = at + static_cast<int>(text.size());
        ++replaced;
    }
    if (replaced == 0)
        return false;
    result += QStringView(old).mid(copied);
    m_Memo.replaceText(result);
    m_Memo.setSelection(lineToOffset(m_Memo.lineCount() - 1, 0), 0);
    return true;
}

void TMemoTools::resetMatch()
{
    m_MatchEnd = 0;
    m_MatchText.clear();
}

void TMemoTools::scrollToLine(int line)
{
    const int count = m_Memo.lineCount();
    if (count == 0)
        return;
    m_Memo.scrollLines(lineScrollToCentre(std::clamp(line, 0, count - 1), m_Memo.firstVisibleLine(),
                                          m_Memo.clientHeight(), m_Memo.fontHeight()));
}

void TMemoTools::selectAt(int line, int column, int length)
{
    const int count = m_Memo.lineCount();
    if (count == 0)
        return;
    m_Memo.setSelection(lineToOffset(std::clamp(line, 0, count - 1), 0) + column, length);
}

void TMemoTools::gotoLine(int line)
{
    selectAt(line, 0, 0);
}

void TMemoTools::gotoLineCentred(int line)
{
    scrollToLine(line);
    gotoLine(line);
}

void TMemoTools::gotoLastLine()
{
    const int count = m_Memo.lineCount();
    if (count == 0)
        return;
    scrollToLine(count - 1);
    m_Memo.setSelection(lineToOffset(count - 1, 0), 0);
}

// After the selection, or from the caret when nothing is selected; a caret on the empty line
// after a final line break starts at the top.
int TMemoTools::searchStart() const
{
    const int length = m_Memo.selectionLength();
    if (length < 1)
        return lineToOffset(m_Memo.caretLine(), m_Memo.caretColumn());
    return m_Memo.selectionStart() + length;
}

bool TMemoTools::selectNextMatch(const QString& text, bool matchCase, int& offset)
{
    const int start = searchStart();
    if (!find(text, matchCase, start, offset)
        && (start == 0 || !find(text, matchCase, 0, offset))) {
        m_Memo.setSelection(m_Memo.selectionStart(), 0);
        return false;
    }
    scrollToLine(offsetToLine(offset));
    m_Memo.setSelection(offset, static_cast<int>(text.size()));
    return true;
}

// A remembered match counts only while the selection still covers it: replacing whatever the
// user selected since would put the replacement where nothing was found.
bool TMemoTools::isMatchSelected(const QString& text, bool matchCase) const
{
    if (m_MatchText.isEmpty())
        return false;
    const int start = m_Memo.selectionStart();
    const int length = m_Memo.selectionLength();
    return length == text.size() && start == m_MatchEnd - m_MatchText.size()
           && sameText(m_Memo.text().mid(start, length), text, matchCase);
}

void TMemoTools::replaceSelected(const QString& replacement)
{
    const int start = m_Memo.selectionStart();
    m_Memo.replaceSelection(replacement);
    m_Memo.setSelection(start, static_cast<int>(replacement.size()));
    resetMatch();
}

int lineScrollToCentre(int line, int firstVisibleLine, int clientHeight, int fontHeight)
{
    if (fontHeight == 0)
        return 0;
    const long long visible = std::llabs(static_cast<long long>(clientHeight) / fontHeight);
    if (visible == 0)
        return 0;
    const long long half = visible > 3 ? visible / 2 : 0;
    const long long amount = static_cast<long long>(line) - half - firstVisibleLine;
    return static_cast<int>(std::clamp<long long>(amount, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

int getCaretDisplayColumn(QPlainTextEdit* editor, int tabWidth)
{
    // Called on every caret move: only the caret's own line is read.
    const QString walked = CEditorView(editor).caretLineBeforeCaret();
    const int x = static_cast<int>(walked.size());
    if (x < 1)
        return 1;
    // A width below 1 would move the column backwards at a tab; such a tab is one column wide.
    const int width = std::max(tabWidth, 1);
    int column = x + 1;
    int inCell = 0;
    for (QChar c : walked) {
        if (inCell == width)
            inCell = 0;
        if (c == QLatin1Char('\t')) {
            column += width - 1 - inCell;
            inCell = 0;
        } else {
            ++inCell;
        }
    }
    return column;
}
