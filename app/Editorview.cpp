#include "app/Editorview.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace {

// The document keeps paragraph breaks and in-paragraph line breaks as these two characters;
// both start a new line for the tools.
bool isLineBreak(QChar c)
{
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

int breaksBefore(const QString& raw, int position)
{
    const QStringView head = QStringView(raw).left(position);
    return static_cast<int>(std::count_if(head.begin(), head.end(), isLineBreak));
}

int lineStartBefore(const QString& raw, int position)
{
    int start = position;
    while (start > 0 && !isLineBreak(raw.at(start - 1)))
        --start;
    return start;
}

// The start of the line, or the end of the text for a line past the last.
int positionOfLine(const QString& raw, int line)
{
    int position = 0;
    for (int i = 0; i < line; ++i) {
        while (position < raw.size() && !isLineBreak(raw.at(position)))
            ++position;
        if (position == raw.size())
            return position;
        ++position;
    }
    return position;
}

} // namespace

CEditorView::CEditorView(QPlainTextEdit* editor)
    : m_Editor(editor)
{
}

QStringList CEditorView::lines() const
{
    const QString raw = rawText();
    QStringList result;
    qsizetype begin = 0;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (isLineBreak(raw.at(i))) {
            result.append(raw.mid(begin, i - begin));
            begin = i + 1;
        }
    }
    if (begin < raw.size())
        result.append(raw.mid(begin));
    return result;
}

int CEditorView::lineCount() const
{
    const QString raw = rawText();
    if (raw.isEmpty())
        return 0;
    const int breaks = breaksBefore(raw, static_cast<int>(raw.size()));
    return isLineBreak(raw.back()) ? breaks : breaks + 1;
}

QString CEditorView::text() const
{
    const QString raw = rawText();
    QString result;
    for (QChar c : raw) {
        if (isLineBreak(c))
            result += QLatin1String("\r\n");
        else
            result += c;
    }
    return result;
}

int CEditorView::caretLine() const
{
    return m_Editor ? breaksBefore(rawText(), m_Editor->textCursor().position()) : 0;
}

int CEditorView::caretColumn() const
{
    if (!m_Editor)
        return 0;
    const int position = m_Editor->textCursor().position();
    return position - lineStartBefore(rawText(), position);
}

QString CEditorView::caretLineBeforeCaret() const
{
    if (!m_Editor)
        return {};
    const QTextCursor cursor = m_Editor->textCursor();
    const QString paragraph = cursor.block().text();
    const int inParagraph = cursor.positionInBlock();
    const int lineStart = lineStartBefore(paragraph, inParagraph);
    return paragraph.mid(lineStart, inParagraph - lineStart);
}

int CEditorView::selectionStart() const
{
    return m_Editor ? offsetOfPosition(m_Editor->textCursor().selectionStart()) : 0;
}

int CEditorView::selectionLength() const
{
    if (!m_Editor)
        return 0;
    const QTextCursor cursor = m_Editor->textCursor();
    return offsetOfPosition(cursor.selectionEnd()) - offsetOfPosition(cursor.selectionStart());
}

void CEditorView::setSelection(int start, int length)
{
    if (!m_Editor)
        return;
    const int anchor = positionOfOffset(start);
    const int end = length > 0 ? positionOfOffset(qint64(start) + length) : anchor;
    QTextCursor cursor = m_Editor->textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    QScrollBar* bar = m_Editor->verticalScrollBar();
    const int top = bar->value();
    m_Editor->setTextCursor(cursor);
    bar->setValue(top);
}

void CEditorView::replaceSelection(const QString& replacement)
{
    if (m_Editor)
        insertReplacing(m_Editor->textCursor(), replacement);
}

void CEditorView::replaceText(const QString& text)
{
    if (!m_Editor)
        return;
    QTextCursor cursor(m_Editor->document());
    cursor.select(QTextCursor::Document);
    insertReplacing(cursor, text);
}

int CEditorView::firstVisibleLine() const
{
    if (!m_Editor)
        return 0;
    return breaksBefore(rawText(), positionOfViewLine(m_Editor->verticalScrollBar()->value()));
}

int CEditorView::clientHeight() const
{
    return m_Editor ? m_Editor->viewport()->height() : 0;
}

int CEditorView::fontHeight() const
{
    return m_Editor ? m_Editor->fontMetrics().lineSpacing() : 0;
}

void CEditorView::scrollLines(int count)
{
    if (!m_Editor || count == 0)
        return;
    const int target = std::max(0, firstVisibleLine() + count);
    m_Editor->verticalScrollBar()->setValue(viewLineOfPosition(positionOfLine(rawText(), target)));
}

QString CEditorView::rawText() const
{
    return m_Editor ? m_Editor->document()->toRawText() : QString();
}

int CEditorView::positionOfOffset(qint64 offset) const
{
    const QString raw = rawText();
    qint64 reached = 0;
    for (int i = 0; i < raw.size(); ++i) {
        reached += isLineBreak(raw.at(i)) ? 2 : 1;
        if (reached > offset)
            return i;
    }
    return static_cast<int>(raw.size());
}

int CEditorView::offsetOfPosition(int position) const
{
    return position + breaksBefore(rawText(), position);
}

// The scroll bar counts the lines the view shows: a wrapped line counts once per row, and a
// line separator inside a paragraph starts a row of its own.
int CEditorView::viewLineOfPosition(int position) const
{
    QTextDocument* document = m_Editor->document();
    const QTextBlock block = document->findBlock(position);
    document->documentLayout()->blockBoundingRect(block); // lays the block out
    const QTextLayout* layout = block.layout();
    int row = 0;
    if (layout != nullptr && layout->lineCount() > 0) {
        const QTextLine line = layout->lineForTextPosition(position - block.position());
        if (line.isValid())
            row = line.lineNumber();
    }
    return block.firstLineNumber() + row;
}

int CEditorView::positionOfViewLine(int viewLine) const
{
    QTextDocument* document = m_Editor->document();
    QTextBlock block = document->findBlockByLineNumber(viewLine);
    if (!block.isValid())
        block = document->lastBlock();
    document->documentLayout()->blockBoundingRect(block);
    const QTextLayout* layout = block.layout();
    const int row = viewLine - block.firstLineNumber();
    if (layout == nullptr || row < 0 || row >= layout->lineCount())
        return block.position();
    return block.position() + layout->lineAt(row).textStart();
}

void CEditorView::insertReplacing(QTextCursor cursor, const QString& text)
{
    QScrollBar* bar = m_Editor->verticalScrollBar();
    const int top = bar->value();
    cursor.beginEditBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
    bar->setValue(top);
}
