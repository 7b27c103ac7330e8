#pragma once

#include <QPlainTextEdit>
#include <QPointer>
#include <QString>
#include <QStringList>

// The editor as the editor tools count it. Lines end at every line break (paragraph or line
// separator); an empty last line after a final line break is not a line, so an empty editor
// has none. Offsets are into the whole text as it is saved, each line break counting as the
// two characters CR LF; lines and columns count from 0. Without an editor, or once it is gone,
// every answer is 0 or empty and every change does nothing.
class CEditorView
{
public:
    explicit CEditorView(QPlainTextEdit* editor = nullptr);

    QStringList lines() const;
    int lineCount() const;
    // The whole text with CR LF line breaks.
    QString text() const;

    int caretLine() const;
    int caretColumn() const;
    // The caret's line up to the caret; read from the caret's paragraph alone, so it costs the
    // same in a long text as in a short one.
    QString caretLineBeforeCaret() const;
    int selectionStart() const;
    int selectionLength() const;
    // Selects from start on, the caret at the end of the selection. An offset inside a line
    // break stands for the end of its line; offsets are kept inside the text. The first
    // visible line stays as it is: vertical scrolling is left to scrollLines.
    void setSelection(int start, int length);
    // Each of these is one step of the editor's undo; the new text is left unselected.
    void replaceSelection(const QString& replacement);
    void replaceText(const QString& text);

    int firstVisibleLine() const;
    int clientHeight() const;
    int fontHeight() const;
    // Moves the view so that the line count lines below the first visible one comes to the top,
    // as far as the scroll range allows; negative counts scroll up.
    void scrollLines(int count);

private:
    QString rawText() const;
    int positionOfOffset(qint64 offset) const;
    int offsetOfPosition(int position) const;
    int viewLineOfPosition(int position) const;
    int positionOfViewLine(int viewLine) const;
    void insertReplacing(QTextCursor cursor, const QString& text);

    QPointer<QPlainTextEdit> m_Editor;
};
