#pragma once

#include <QString>

#include <optional>

// How the results write numbers.
//
// A pattern is an integer part of "0" (a digit always written), "#" (a digit written only when
// significant) and "," (digits grouped by thousands), then optionally "." and fraction
// placeholders "0" and "#", then optionally "e+" and one "0" per exponent digit always
// written. A scientific pattern has exactly one integer placeholder and no grouping.
//
// Fixed patterns round the exact value of the double first to kFixedSignificantDigits
// significant digits and then to the fraction placeholders; scientific ones round the
// mantissa to its placeholders. Halves round away from zero; fraction zeros beyond the last
// "0" placeholder are dropped, and with them a point that has no digit left. The point is
// always "."; a value that rounds to zero has no sign. Infinities read "+INF" and "-INF",
// NaNs "+NAN" and "-NAN" by their sign bit.

// The stored number formats; any other stored value is read as kGroupedNumbers.
enum TNumberFormat { kGroupedNumbers = 0, kPlainNumbers = 1, kScientificNumbers = 2 };

// The format a stored value means, read alike by the results and the options dialog.
TNumberFormat numberFormatOf(int formatNumber);

// The pattern of a number format with the precision as the number of fraction digits, kept
// within kPrecisionMin..kPrecisionMax.
QString buildNumberFormat(int precision, int formatNumber);

// The value written by the pattern, or nothing for a pattern outside the language above.
std::optional<QString> formatFloat(double value, const QString& pattern,
                                   const QString& thousandSeparator);

// The group separator the results use for the locale's: "." would read as the decimal point,
// and a character the document's code page cannot hold could not be saved, so both become a
// blank.
QString chooseThousandSeparator(const QString& localeSeparator);
