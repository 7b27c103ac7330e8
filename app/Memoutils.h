#pragma once

#include "app/Editorview.h"

#include <QPlainTextEdit>
#include <QString>

// Searching, replacing, going to a line and scrolling on the main window's editor. Offsets,
// lines and columns are those of CEditorView: from 0, each line break two characters. Without
// an editor, or with an empty one, every operation changes nothing and answers false or 0.
// Without Match Case, texts compare character by character in upper case.
class TMemoTools
{
public:
    TMemoTools() = default;
    virtual ~TMemoTools() = default;

    void setMemo(QPlainTextEdit* memo);

    // The offset of the column in the line; 0 for a line or column outside the text.
    int lineToOffset(int line, int column) const;
    // The line the offset stands in; 0 for a negative offset.
    int offsetToLine(int offset) const;

    // The first match at or after start, into offset (0 when there is none). Changes nothing.
    bool find(const QString& text, bool matchCase, int start, int& offset) const;
    // Selects the next match after the selection or from the caret, wrapping once to the top,
    // with its line in the middle of the view. Finding none leaves the caret at the selection
    // start with nothing selected.
    bool findNext(const QString& text, bool matchCase);
    // As findNext, and remembers the match for replaceOne. An empty replacement finds nothing.
    bool findForReplace(const QString& text, const QString& replacement, bool matchCase);
    // Replaces the remembered match while it is still the selection, else the next match; the
    // inserted text is left selected and nothing remembered.
    bool replaceOne(const QString& text, const QString& replacement, bool matchCase);
    // Replaces every occurrence, scanning on after each one, as one undoable step; the caret
    // goes to the start of the last line. False, the text unchanged, when none was found.
    bool replaceAll(const QString& text, const QString& replacement, bool matchCase);
    void resetMatch();
    // Searching keeps no position of its own, so closing the find dialog leaves nothing to end.
    void resetFindEnd() { }

    // Scrolls so that the line stands in the middle of the view.
    void scrollToLine(int line);
    // Caret to the column of the line (kept within the lines), selecting length characters.
    void selectAt(int line, int column, int length);
    void gotoLine(int line);
    void gotoLineCentred(int line);
    void gotoLastLine();

private:
    int searchStart() const;
    bool selectNextMatch(const QString& text, bool matchCase, int& offset);
    bool isMatchSelected(const QString& text, bool matchCase) const;
    void replaceSelected(const QString& replacement);

    CEditorView m_Memo;
    int m_MatchEnd = 0;  // just past the remembered match
    QString m_MatchText; // its search text; empty when nothing is remembered
};

// How far to scroll a view whose first visible line is firstVisibleLine so that line stands in
// its middle: the view holds |clientHeight / fontHeight| lines, and with more than three the
// line comes half of them below the top, else to the top. 0 when no whole line fits.
int lineScrollToCentre(int line, int firstVisibleLine, int clientHeight, int fontHeight);

// The caret's column as displayed, from 1, with tab stops every tabWidth columns.
int getCaretDisplayColumn(QPlainTextEdit* editor, int tabWidth);
