#include "app/Numberformat.h"

#include "app/Applimits.h"
#include "app/Cp1251.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace {

// Enough digits after the first for the exact expansion of every double (the longest has 767
// significant digits).
constexpr int kExactFractionDigits = 767;
constexpr int kExactBufferSize = kExactFractionDigits + 16;
constexpr int kGroupSize = 3;

struct TPattern
{
    bool grouping = false;
    int minIntegerDigits = 0;
    int minFractionDigits = 0;
    int maxFractionDigits = 0;
    bool scientific = false;
    int minExponentDigits = 0;
};

std::optional<TPattern> parsePattern(const QString& text)
{
    TPattern pattern;
    qsizetype i = 0;
    int placeholders = 0;
    int firstZero = -1;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char(',')) {
            pattern.grouping = true;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (c == QLatin1Char('0') && firstZero < 0)
                firstZero = placeholders;
            ++placeholders;
        } else {
            break;
        }
    }
    if (placeholders == 0)
        return std::nullopt;
    pattern.minIntegerDigits = firstZero < 0 ? 0 : placeholders - firstZero;
    if (i < text.size() && text.at(i) == QLatin1Char('.')) {
        for (++i; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c != QLatin1Char('0') && c != QLatin1Char('#'))
                break;
            ++pattern.maxFractionDigits;
            if (c == QLatin1Char('0'))
                pattern.minFractionDigits = pattern.maxFractionDigits;
        }
    }
    if (text.mid(i, 2) == QLatin1String("e+")) {
        for (i += 2; i < text.size() && text.at(i) == QLatin1Char('0'); ++i)
            ++pattern.minExponentDigits;
        if (pattern.minExponentDigits == 0 || placeholders != 1 || pattern.grouping)
            return std::nullopt;
        pattern.scientific = true;
    }
    if (i != text.size())
        return std::nullopt;
    return pattern;
}

// A non-negative value as its significant digits (no leading or trailing zeros; none for
// zero) and the decimal exponent of the first of them.
struct TDecimal
{
    std::string digits;
    int exponent = 0;
};

TDecimal exactDecimal(double magnitude)
{
    TDecimal decimal;
    if (magnitude == 0.0)
        return decimal;
    char buffer[kExactBufferSize];
    const auto written = std::to_chars(buffer, buffer + kExactBufferSize, magnitude,
                                       std::chars_format::scientific, kExactFractionDigits);
    const std::string_view text(buffer, written.ptr - buffer); // "d.ddd...e+XX"
    const std::size_t e = text.find('e');
    decimal.digits.assign(text.data(), e);
    decimal.digits.erase(1, 1);
    const std::size_t exponentStart = text[e + 1] == '+' ? e + 2 : e + 1;
    std::from_chars(text.data() + exponentStart, text.data() + text.size(), decimal.exponent);
    decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
    return decimal;
}

// Keeps count significant digits, a half and more rounding up.
void roundToSignificant(TDecimal& decimal, int count)
{
    if (static_cast<int>(decimal.digits.size()) <= count)
        return;
    if (count < 0) {
        decimal = {};
        return;
    }
    const bool up = decimal.digits[count] >= '5';
    decimal.digits.resize(count);
    if (up) {
        while (!decimal.digits.empty() && decimal.digits.back() == '9')
            decimal.digits.pop_back();
        if (decimal.digits.empty()) {
            decimal.digits.push_back('1');
            ++decimal.exponent;
        } else {
            ++decimal.digits.back();
        }
    }
    decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
}

QString groupDigits(const std::string& digits, const QString& separator)
{
    QString text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % kGroupSize == 0)
            text += separator;
        text += QLatin1Char(digits[i]);
    }
    return text;
}

void padRight(std::string& digits, int count)
{
    if (static_cast<int>(digits.size()) < count)
        digits.append(count - digits.size(), '0');
}

QString withFraction(const QString& integer, std::string fraction, const TPattern& pattern)
{
    padRight(fraction, pattern.minFractionDigits);
    if (fraction.empty())
        return integer;
    return integer + QLatin1Char('.') + QString::fromLatin1(fraction);
}

// Both writers round the decimal in place, so the caller can tell whether anything but zero
// is left.
QString formatFixed(TDecimal& decimal, const TPattern& pattern, const QString& separator)
{
    roundToSignificant(decimal, kFixedSignificantDigits);
    roundToSignificant(decimal, decimal.exponent + 1 + pattern.maxFractionDigits);
    std::string integer;
    std::string fraction;
    if (!decimal.digits.empty()) {
        if (decimal.exponent >= 0) {
            const std::size_t integerCount = decimal.exponent + 1;
            integer = decimal.digits.substr(0, integerCount);
            padRight(integer, static_cast<int>(integerCount));
            if (decimal.digits.size() > integerCount)
                fraction = decimal.digits.substr(integerCount);
        } else {
            fraction = std::string(-decimal.exponent - 1, '0') + decimal.digits;
        }
    }
    if (static_cast<int>(integer.size()) < pattern.minIntegerDigits)
        integer.insert(0, pattern.minIntegerDigits - integer.size(), '0');
    const QString text = withFraction(pattern.grouping ? groupDigits(integer, separator)
                                                       : QString::fromLatin1(integer),
                                      fraction, pattern);
    return text.isEmpty() ? QStringLiteral("0") : text;
}

QString formatScientific(TDecimal& decimal, const TPattern& pattern)
{
    roundToSignificant(decimal, 1 + pattern.maxFractionDigits);
    const std::string mantissa = decimal.digits.empty() ? std::string("0") : decimal.digits;
    const int exponentValue = decimal.digits.empty() ? 0 : decimal.exponent;
    const QString exponent = QString::number(std::abs(exponentValue))
                                 .rightJustified(pattern.minExponentDigits, QLatin1Char('0'));
    return withFraction(QString(QLatin1Char(mantissa[0])), mantissa.substr(1), pattern)
           + QLatin1String(exponentValue < 0 ? "e-" : "e+") + exponent;
}

} // namespace

TNumberFormat numberFormatOf(int formatNumber)
{
    return formatNumber == kPlainNumbers || formatNumber == kScientificNumbers
               ? static_cast<TNumberFormat>(formatNumber)
               : kGroupedNumbers;
}

QString buildNumberFormat(int precision, int formatNumber)
{
    const QString digits(std::clamp(precision, kPrecisionMin, kPrecisionMax), QLatin1Char('#'));
    switch (numberFormatOf(formatNumber)) {
    case kPlainNumbers:
        return QLatin1String("0.") + digits;
    case kScientificNumbers:
        return QLatin1String("0.") + digits + QLatin1String("e+000");
    case kGroupedNumbers:
        break;
    }
    return QLatin1String("#,##0.") + digits;
}

std::optional<QString> formatFloat(double value, const QString& pattern,
                                   const QString& thousandSeparator)
{
    const std::optional<TPattern> parsed = parsePattern(pattern);
    if (!parsed)
        return std::nullopt;
    const bool negative = std::signbit(value);
    if (std::isnan(value))
        return QString::fromLatin1(negative ? "-NAN" : "+NAN");
    if (std::isinf(value))
        return QString::fromLatin1(negative ? "-INF" : "+INF");
    TDecimal decimal = exactDecimal(std::fabs(value));
    const QString magnitude = parsed->scientific ? formatScientific(decimal, *parsed)
                                                 : formatFixed(decimal, *parsed, thousandSeparator);
    return negative && !decimal.digits.empty() ? QLatin1Char('-') + magnitude : magnitude;
}

QString chooseThousandSeparator(const QString& localeSeparator)
{
    if (localeSeparator == QLatin1String(".") || !fitsCp1251(localeSeparator))
        return QStringLiteral(" ");
    return localeSeparator;
}
