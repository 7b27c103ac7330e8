#pragma once

#include "framework/Structures.h"

#include <QFont>
#include <QString>

// The family as asked when this machine has it, else the system's fixed-width font: a stored
// "Courier New" must not turn into whatever family happens to come first.
QString availableFontFamily(const QString& family);

// A font of the family (or its stand-in), style and size in points.
QFont makeFont(const QString& family, TFontStyles style, int pointSize);
