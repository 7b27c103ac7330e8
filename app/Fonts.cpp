#include "app/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

QString availableFontFamily(const QString& family)
{
    if (QFontDatabase::families().contains(family))
        return family;
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

QFont makeFont(const QString& family, TFontStyles style, int pointSize)
{
    QFont font(availableFontFamily(family));
    if (pointSize > 0)
        font.setPointSize(pointSize);
    font.setBold(style.testFlag(TFontStyle::Bold));
    font.setItalic(style.testFlag(TFontStyle::Italic));
    font.setUnderline(style.testFlag(TFontStyle::Underline));
    font.setStrikeOut(style.testFlag(TFontStyle::StrikeOut));
    return font;
}
