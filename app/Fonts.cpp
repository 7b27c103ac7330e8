#include "app/Fonts.h"

#include "app/Applimits.h"
#include "framework/Addsysfunctions.h"
#include "framework/Arrayshortstring.h"

#include <QFontDatabase>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The foundry the font database appends in brackets to a family made by several.
QString withoutFoundry(const QString& family)
{
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\[\\]]*\\]$"));
    return QString(family).remove(foundry);
}

// Installed, by its name with or without the foundry.
bool hasFontFamily(const QString& family)
{
    const QStringList families = QFontDatabase::families();
    return families.contains(family)
           || std::any_of(families.begin(), families.end(),
                          [&](const QString& known) { return withoutFoundry(known) == family; });
}

} // namespace

QStringList uniqueFontFamilies(const QStringList& reported)
{
    QStringList families;
    families.reserve(reported.size());
    for (const QString& family : reported) {
        const QString name = withoutFoundry(family).trimmed();
        if (!name.isEmpty())
            families.append(name);
    }
    std::sort(families.begin(), families.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    families.erase(std::unique(families.begin(), families.end()), families.end());
    return families;
}

QStringList installedFontFamilies()
{
    CArrayShortString scalable;
    GetFontNames(QFontDatabase::Latin, true, scalable);
    QStringList reported;
    reported.reserve(scalable.getCount());
    QString family;
    for (int i = 0; scalable.get(i, family); ++i)
        reported.append(family);
    return uniqueFontFamilies(reported);
}

QString availableFontFamily(const QString& family)
{
    return hasFontFamily(family) ? family
                                 : QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

int shownFontSize(int storedSize)
{
    return std::clamp(storedSize, kFontSizeMin, kFontSizeMax);
}

int storedFontSize(int storedSize, int shownSize)
{
    return shownSize == shownFontSize(storedSize) ? storedSize : shownSize;
}

QFont makeFont(const QString& family, TFontStyles style, int pointSize)
{
    // The stand-in keeps the system's hint for a fixed-width face, should its name be an alias.
    QFont font = hasFontFamily(family) ? QFont(family)
                                       : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(shownFontSize(pointSize));
    font.setBold(style.testFlag(TFontStyle::Bold));
    font.setItalic(style.testFlag(TFontStyle::Italic));
    font.setUnderline(style.testFlag(TFontStyle::Underline));
    font.setStrikeOut(style.testFlag(TFontStyle::StrikeOut));
    return font;
}
