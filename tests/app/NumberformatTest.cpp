#include "app/Numberformat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct TPatternCase
{
    int precision;
    int format;
    const char* pattern;
};

struct TValueCase
{
    const char* reason;
    double value;
    int precision;
    int format;
    const char* text;
};

const QString kComma = QStringLiteral(",");

QString formatted(double value, int precision, int format, const QString& separator = kComma)
{
    return formatFloat(value, buildNumberFormat(precision, format), separator).value_or("(none)");
}

void expectValues(const TValueCase* begin, const TValueCase* end)
{
    for (const TValueCase* c = begin; c != end; ++c)
        EXPECT_EQ(formatted(c->value, c->precision, c->format), QString::fromLatin1(c->text))
            << c->reason << " (precision " << c->precision << ", format " << c->format << ")";
}

} // namespace

TEST(NumberFormat, Patterns)
{
    const TPatternCase cases[] = {
        {3, 0, "#,##0.###"},
        {3, 1, "0.###"},
        {3, 2, "0.###e+000"},
        {1, 1, "0.#"},
        {0, 1, "0.#"},
        {-7, 2, "0.#e+000"},
        {15, 1, "0.###############"},
        {20, 0, "#,##0.###############"},
        {12, 3, "#,##0.############"},
        {12, -1, "#,##0.############"},
    };
    for (const TPatternCase& c : cases)
        EXPECT_EQ(buildNumberFormat(c.precision, c.format), QString::fromLatin1(c.pattern))
            << c.precision << " " << c.format;
}

TEST(NumberFormat, ExamplesAtPrecisionTwelve)
{
    const TValueCase cases[] = {
        {"quarter", 0.25, 12, 1, "0.25"},
        {"quarter grouped", 0.25, 12, 0, "0.25"},
        {"quarter scientific", 0.25, 12, 2, "2.5e-001"},
        {"whole number has no point", 5, 12, 1, "5"},
        {"whole number scientific", 5, 12, 2, "5e+000"},
        {"grouped by thousands", 1234567.5, 12, 0, "1,234,567.5"},
        {"plain", 1234567.5, 12, 1, "1234567.5"},
        {"scientific", 1234567.5, 12, 2, "1.2345675e+006"},
        {"fixed keeps 18 significant digits of the double", 1234567.891, 12, 1,
         "1234567.89100000006"},
        {"grouped keeps them too", 1234567.891, 12, 0, "1,234,567.89100000006"},
        {"scientific rounds the mantissa only", 1234567.891, 12, 2, "1.234567891e+006"},
    };
    expectValues(std::begin(cases), std::end(cases));
}

TEST(NumberFormat, PrecisionIsClamped)
{
    const TValueCase cases[] = {
        {"precision 0 writes one digit, a half rounding up", 0.25, 0, 1, "0.3"},
        {"precision 1", 0.25, 1, 1, "0.3"},
        {"precision 20 writes fifteen digits", 1.0 / 3.0, 20, 1, "0.333333333333333"},
        {"precision 15", 1.0 / 3.0, 15, 1, "0.333333333333333"},
        {"scientific precision 0 keeps two digits", 1234.5, 0, 2, "1.2e+003"},
        {"scientific precision 20 keeps sixteen digits", 1.0 / 3.0, 20, 2,
         "3.333333333333333e-001"},
    };
    expectValues(std::begin(cases), std::end(cases));
}

TEST(NumberFormat, Rounding)
{
    const TValueCase cases[] = {
        {"carry into a new integer digit", 9.9999, 2, 1, "10"},
        {"carry through the groups", 999999.9999, 2, 0, "1,000,000"},
        {"carry in the mantissa raises the exponent", 9.9999, 2, 2, "1e+001"},
        {"an exact half rounds up", 0.125, 2, 1, "0.13"},
        {"an exact half rounds up in magnitude", -0.125, 2, 1, "-0.13"},
        {"just below a half rounds down", 1.005, 2, 1, "1"},
        {"the 18-digit step can carry a value up to a half", 28.0305, 3, 1, "28.031"},
        {"the mantissa is rounded from the exact value", 28.0305, 4, 2, "2.803e+001"},
        {"trailing zeros of the fraction dropped", 2.5000001, 3, 1, "2.5"},
        {"negative grouped", -1234567.5, 12, 0, "-1,234,567.5"},
        {"negative scientific", -0.25, 12, 2, "-2.5e-001"},
        {"negative rounding to zero has no sign", -0.0004, 3, 1, "0"},
        {"negative zero", -0.0, 12, 1, "0"},
        {"negative zero scientific", -0.0, 12, 2, "0e+000"},
        {"zero", 0.0, 12, 0, "0"},
        {"zero scientific", 0.0, 3, 2, "0e+000"},
    };
    expectValues(std::begin(cases), std::end(cases));
}

TEST(NumberFormat, GroupsOfThousands)
{
    const TValueCase cases[] = {
        {"three digits", 999, 3, 0, "999"},
        {"four digits", 1000, 3, 0, "1,000"},
        {"six digits", 100000, 3, 0, "100,000"},
        {"seven digits", 1000000.5, 3, 0, "1,000,000.5"},
        {"fraction only", 0.5, 3, 0, "0.5"},
        {"fraction digits are not grouped", 1.0 / 3.0, 6, 0, "0.333333"},
    };
    expectValues(std::begin(cases), std::end(cases));
    EXPECT_EQ(formatted(1234567.5, 3, 0, QStringLiteral(" ")), QStringLiteral("1 234 567.5"));
    EXPECT_EQ(formatted(1234567.5, 3, 0, QString(QChar(0x00A0))),
              QStringLiteral("1\u00A0234\u00A0567.5"));
    EXPECT_EQ(formatted(1234567.5, 3, 0, QString()), QStringLiteral("1234567.5"));
    EXPECT_EQ(formatted(1234567.5, 3, 1, QStringLiteral(" ")), QStringLiteral("1234567.5"))
        << "only the grouped format groups";
}

TEST(NumberFormat, TinyAndHugeValues)
{
    const TValueCase cases[] = {
        {"below the last fraction digit", 1e-20, 15, 1, "0"},
        {"tiny scientific", 1e-20, 3, 2, "1e-020"},
        {"smallest subnormal", 5e-324, 15, 2, "4.940656458412465e-324"},
        {"smallest subnormal fixed", 5e-324, 15, 0, "0"},
        {"half of the last digit rounds up", 0.0005, 3, 1, "0.001"},
        {"leading fraction zeros", 0.00123, 5, 1, "0.00123"},
        {"1e20 is written whole", 1e20, 2, 0, "100,000,000,000,000,000,000"},
        {"digits beyond 18 become zeros", 123456789012345678901234567890.0, 12, 1,
         "123456789012345678000000000000"},
        {"huge scientific", 1e300, 3, 2, "1e+300"},
        {"largest double", std::numeric_limits<double>::max(), 15, 2, "1.797693134862316e+308"},
        {"negative exponent of three digits", 1.5e-300, 3, 2, "1.5e-300"},
    };
    expectValues(std::begin(cases), std::end(cases));
    const QString largest = formatted(std::numeric_limits<double>::max(), 3, 1);
    EXPECT_EQ(largest.size(), 309);
    EXPECT_TRUE(largest.startsWith(QLatin1String("179769313486231571")));
    EXPECT_EQ(largest.mid(18), QString(309 - 18, QLatin1Char('0')));
}

TEST(NumberFormat, InfinityAndNotANumber)
{
    const double infinity = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (int format = 0; format <= 2; ++format) {
        EXPECT_EQ(formatted(infinity, 12, format), QStringLiteral("+INF"));
        EXPECT_EQ(formatted(-infinity, 12, format), QStringLiteral("-INF"));
        EXPECT_EQ(formatted(std::copysign(nan, 1.0), 12, format), QStringLiteral("+NAN"));
        EXPECT_EQ(formatted(std::copysign(nan, -1.0), 12, format), QStringLiteral("-NAN"));
    }
}

TEST(NumberFormat, OtherPatternsOfTheLanguage)
{
    struct TCase
    {
        const char* pattern;
        double value;
        const char* text;
    };
    const TCase cases[] = {
        {"0.00", 1.5, "1.50"},
        {"0.0#", 1.456, "1.46"},
        {"0.0#", 2, "2.0"},
        {"#.##", 0.5, ".5"},
        {"#.##", 0, "0"},
        {"000", 7, "007"},
        {"0", 2.5, "3"},
        {"0.", 2.5, "3"},
        {"0.##e+0", 1234567.5, "1.23e+6"},
        {"0.##e+0", 1.5e-300, "1.5e-300"},
        {"0.#e+00000", 1234567.5, "1.2e+00006"},
        {"0.00e+000", 5, "5.00e+000"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(formatFloat(c.value, QString::fromLatin1(c.pattern), kComma),
                  QString::fromLatin1(c.text))
            << c.pattern << " " << c.value;
}

TEST(NumberFormat, PatternsOutsideTheLanguage)
{
    const char* const patterns[] = {"",          "   ",          " 0.##",    "0.## ",    "abc",
                                    "0.##x",     "0.#e+",        "0.#e-000", "0.#E+000", ".##",
                                    "00.#e+000", "#,##0.#e+000", "0.#.#",    "0,0.#e+0"};
    for (const char* pattern : patterns)
        EXPECT_FALSE(formatFloat(1.5, QString::fromLatin1(pattern), kComma).has_value())
            << "\"" << pattern << "\"";
}

TEST(NumberFormat, ThousandSeparatorChoice)
{
    struct TCase
    {
        const char* reason;
        QString locale;
        QString chosen;
    };
    const TCase cases[] = {
        {"comma kept", ",", ","},
        {"blank kept", " ", " "},
        {"apostrophe kept", "'", "'"},
        {"no-break space is in the code page", QString(QChar(0x00A0)), QString(QChar(0x00A0))},
        {"a point would read as the decimal point", ".", " "},
        {"narrow no-break space is not in the code page", QString(QChar(0x202F)), " "},
        {"no separator stays none", "", ""},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(chooseThousandSeparator(c.locale), c.chosen) << c.reason;
}
