#pragma once

#include "framework/Structures.h"

#include <QFont>
#include <QString>
#include <QStringList>

// The families the font lists offer: each once, without the foundry that the font database adds
// where several foundries make a family ("Nimbus Sans [urw]"), sorted regardless of letter case.
QStringList installedFontFamilies();
// The same made of the names as the font database reports them.
QStringList uniqueFontFamilies(const QStringList& reported);

// The family as asked when this machine has it (with or without a foundry), else the system's
// fixed-width font: a stored "Courier New" must not turn into whatever family happens to come
// first.
QString availableFontFamily(const QString& family);

// The size an area shows for a stored size: within kFontSizeMin..kFontSizeMax, so that no
// stored value makes the text unreadable. The stored value itself is kept.
int shownFontSize(int storedSize);
// The size to store for the size an area shows: the stored one as long as the area still shows
// what it gave, else the shown one (the user zoomed).
int storedFontSize(int storedSize, int shownSize);

// The font a text area gets for the stored family, style and size. Every area and the options
// dialog's samples take their font from here, so a sample shows exactly what its area will.
QFont makeFont(const QString& family, TFontStyles style, int pointSize);
