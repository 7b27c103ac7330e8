#include "app/Fonts.h"

#include "app/Applimits.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <climits>

TEST(Fonts, EachFamilyOnceWithoutItsFoundriesAndSorted)
{
    const std::pair<QStringList, QStringList> cases[] = {
        {{"Nimbus Sans [urw]", "Nimbus Sans [URW ]", "P052", "P052 [UKWN]"},
         {"Nimbus Sans", "P052"}},
        {{"beta", "Alpha", "alpha mono", "Mono", "mono [x]"},
         {"Alpha", "alpha mono", "beta", "Mono", "mono"}},
        {{"A [b] C", " [urw]", ""}, {"A [b] C"}},
    };
    for (const auto& [reported, listed] : cases)
        EXPECT_EQ(uniqueFontFamilies(reported), listed)
            << reported.join(QLatin1Char('|')).toStdString();
}

TEST(Fonts, ListedFamiliesAreTheirOwnFontAndAMissingOneIsFixedWidth)
{
    const QStringList families = installedFontFamilies();
    ASSERT_FALSE(families.isEmpty());
    // Listed without its foundries, a family must still be found, not replaced by the stand-in.
    for (const QString& family : families)
        EXPECT_EQ(availableFontFamily(family), family) << family.toStdString();
    const QFontMetrics missing(makeFont(QStringLiteral("No Such Family 42"), TFontStyles(), 12));
    EXPECT_EQ(missing.horizontalAdvance(QStringLiteral("iiii")),
              missing.horizontalAdvance(QStringLiteral("MMMM")));
}

TEST(Fonts, SizesAreShownWithinTheLimits)
{
    const std::pair<int, int> cases[] = {{kFontSizeMin, kFontSizeMin}, {0, kFontSizeMin},
                                         {INT_MIN, kFontSizeMin},      {kFontSizeMax, kFontSizeMax},
                                         {3000, kFontSizeMax},         {INT_MAX, kFontSizeMax}};
    for (const auto& [stored, shown] : cases)
        EXPECT_EQ(makeFont(QStringLiteral("Serif"), TFontStyles(), stored).pointSize(), shown)
            << stored;
}
