#pragma once

#include <QString>

// The editor holds at most kEditorMaxChars characters. Texts here break lines with LF, and a
// line break counts as two characters, as CR LF in the file; a surrogate pair counts as two.

qsizetype editorTextLength(const QString& text);

// The longest beginning of the text within the limit; a surrogate pair is never split.
QString cutToEditorLimit(const QString& text);

// The beginning of an insertion that fits beside the text that stays (without the selection
// the insertion replaces, if any); the text already there is never cut. Where the insertion
// goes does not change what fits.
QString fitInsertion(const QString& stayingText, const QString& inserted);

// The same, ended at a line's end: a line that does not fit whole is left out with all after it.
QString fitWholeLines(const QString& stayingText, const QString& inserted);
