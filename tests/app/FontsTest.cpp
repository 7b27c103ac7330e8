#include "app/Fonts.h"

#include "app/Applimits.h"

#include <QFontDatabase>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <climits>

namespace {

// Whether the face gives a narrow and a wide letter the same advance.
bool isFixedWidth(const QFont& font)
{
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(QStringLiteral("iiii"))
           == metrics.horizontalAdvance(QStringLiteral("MMMM"));
}

} // namespace

TEST(Fonts, EachFamilyOnceWithoutItsFoundriesAndSorted)
{
    struct TCase
    {
        const char* reason;
        QStringList reported;
        QStringList listed;
    };
    const TCase cases[] = {
        {"foundries of one family",
         {"Nimbus Sans [urw]", "Nimbus Sans [URW ]", "Nimbus Sans [UKWN]"},
         {"Nimbus Sans"}},
        {"a family by one foundry and by several", {"P052 [urw]", "P052", "P052 [UKWN]"}, {"P052"}},
        {"sorted regardless of letter case",
         {"beta", "Alpha", "DejaVu Sans", "alpha mono"},
         {"Alpha", "alpha mono", "beta", "DejaVu Sans"}},
        {"families differing in letter case only stay apart",
         {"Mono", "mono [x]"},
         {"Mono", "mono"}},
        {"brackets inside the name are no foundry", {"A [b] C"}, {"A [b] C"}},
        {"nothing left of a name", {" [urw]", ""}, {}},
        {"no fonts at all", {}, {}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(uniqueFontFamilies(c.reported), c.listed) << c.reason;
}

TEST(Fonts, EveryListedFamilyIsShownAsItselfAndAMissingOneFixedWidth)
{
    const QStringList families = installedFontFamilies();
    ASSERT_FALSE(families.isEmpty());
    // Listed without its foundry, a family must still be found: else picking it would show
    // the stand-in.
    for (const QString& family : families)
        EXPECT_EQ(availableFontFamily(family), family) << family.toStdString();

    for (const char* missing : {"No Such Family 42", "Courier New"}) {
        if (families.contains(QLatin1String(missing)))
            continue;
        const QFont font = makeFont(QLatin1String(missing), TFontStyles(), 12);
        EXPECT_TRUE(isFixedWidth(font)) << missing << " shown as " << font.family().toStdString();
    }
}

TEST(Fonts, SizesAreShownWithinTheLimitsAndStoredAsTheyWere)
{
    const struct
    {
        int stored;
        int shown;
    } shownCases[] = {
        {10, 10},
        {kFontSizeMin, kFontSizeMin},
        {kFontSizeMax, kFontSizeMax},
        {0, kFontSizeMin},
        {-3, kFontSizeMin},
        {INT_MIN, kFontSizeMin},
        {kFontSizeMax + 1, kFontSizeMax},
        {3000, kFontSizeMax},
        {INT_MAX, kFontSizeMax},
    };
    for (const auto& c : shownCases) {
        EXPECT_EQ(shownFontSize(c.stored), c.shown) << c.stored;
        EXPECT_EQ(
            makeFont(QStringLiteral("No Such Family 42"), TFontStyles(), c.stored).pointSize(),
            c.shown)
            << c.stored;
    }

    const struct
    {
        const char* reason;
        int stored;
        int shown;
        int storedAfter;
    } storedCases[] = {
        {"shown as stored", 10, 10, 10},
        {"zoomed", 10, 12, 12},
        {"too large, shown at the limit", 3000, kFontSizeMax, 3000},
        {"too large, then zoomed", 3000, 11, 11},
        {"too small, shown at the limit", 0, kFontSizeMin, 0},
        {"negative", -4, kFontSizeMin, -4},
    };
    for (const auto& c : storedCases)
        EXPECT_EQ(storedFontSize(c.stored, c.shown), c.storedAfter) << c.reason;
}
