#pragma once

#include "app/Textids.h"

#include <QString>

// The texts every window shows, by number. Each text has an English and a Russian form;
// the English one is shown.

// Numbers 0 to 173 are texts; any other number gives "?".
QString getNameResource(quint8 id);

// Captions as the windows show them: a window's, box's or check box's caption is the text
// after one blank; a label's caption is the text followed by a colon.
QString blankCaption(TTextId id);
QString labelCaption(TTextId id);

// The one place that chooses the language of a text.
QString selectLanguageText(const QString& english, const QString& russian);

// Messages that carry a file name or a search text. A file name may hold bytes that are no text
// (platform/Filenamebytes.h): they show as shownFileName shows them.
QString getNameResourceTextNotFound(const QString& text);
QString getNameResourceTextTooBig();
// The go-to-line field holds no number a line can have (empty, or too big).
QString getNameResourceNotLineNumber(const QString& text);
QString getNameResourceFileNotFound(const QString& name);
QString getNameResourceFileReadError(const QString& name);
QString getNameResourceFileWriteError(const QString& name);
// A self-test input longer than the test takes: only its first characters were tested.
QString getNameResourceTestInputCut(const QString& name, qint64 characters);
