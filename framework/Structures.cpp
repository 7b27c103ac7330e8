#include "framework/Structures.h"

namespace {

constexpr int kStyleItalic = 1;
constexpr int kStyleBold = 2;
constexpr int kStyleBoldItalic = 3;

} // namespace

int fontStylesToNumber(TFontStyles styles)
{
    const bool bold = styles.testFlag(TFontStyle::Bold);
    const bool italic = styles.testFlag(TFontStyle::Italic);
    if (bold && italic)
        return kStyleBoldItalic;
    if (bold)
        return kStyleBold;
    return italic ? kStyleItalic : 0;
}

TFontStyles numberToFontStyles(int number)
{
    switch (number) {
    case kStyleItalic:
        return TFontStyle::Italic;
    case kStyleBold:
        return TFontStyle::Bold;
    case kStyleBoldItalic:
        return TFontStyle::Bold | TFontStyle::Italic;
    default:
        return {};
    }
}
