#include "framework/Structures.h"

#include <gtest/gtest.h>

namespace {

TEST(FontStyleNumber, StylesToNumber)
{
    const std::pair<TFontStyles, int> cases[] = {
        {{}, 0},
        {TFontStyle::Italic, 1},
        {TFontStyle::Bold, 2},
        {TFontStyle::Bold | TFontStyle::Italic, 3},
        {TFontStyle::Bold | TFontStyle::Underline, 2},
        {TFontStyle::Underline | TFontStyle::StrikeOut, 0},
        {TFontStyle::Italic | TFontStyle::Bold | TFontStyle::StrikeOut, 3},
    };
    for (const auto& [styles, number] : cases)
        EXPECT_EQ(fontStylesToNumber(styles), number) << styles.toInt();
}

TEST(FontStyleNumber, NumberToStyles)
{
    const std::pair<int, TFontStyles> cases[] = {
        {0, {}},
        {1, TFontStyle::Italic},
        {2, TFontStyle::Bold},
        {3, TFontStyle::Bold | TFontStyle::Italic},
        {4, {}},
        {7, {}},
        {-1, {}},
    };
    for (const auto& [number, styles] : cases)
        EXPECT_EQ(numberToFontStyles(number), styles) << number;
}

} // namespace
