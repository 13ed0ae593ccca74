#pragma once

// The number/text conversions the forms rely on, gathered in one place so
// that every window writes and reads numbers the same way.

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace conversions
{

// The user's regional number format, without group separators: a Turkish
// user sees "4,7" and "10000", never "10.000".
QLocale numberLocale();

// Plain decimal digits, a leading "-" for negatives, no spaces.
QString integerToText(std::int64_t value);

// The number a text spells in decimal ("47", "-15", "4.7"); nothing for a
// text that spells no number, the empty text included.
std::optional<double> textToDouble(const QString &text);

// General number format: the shortest decimal form to 15 significant
// digits, no group separator, the given locale's decimal separator.
QString doubleToText(double value, const QLocale &locale = numberLocale());

// units / 10^decimals, written out exactly: digits 0 to 9 under every
// locale, the locale's decimal separator, trailing zeros dropped ("470" with
// 2 decimals is "4,7" for a Turkish user). For a whole number of hundredths
// this is the only form that can never show binary noise such as 0,47000001.
QString exactDecimalText(std::uint64_t units, int decimals, const QLocale &locale = numberLocale());

// A text that spells a whole number within 16 bits ("0" to "9" give 0 to 9);
// nothing when it spells no number or one out of range.
std::optional<std::int16_t> textToInt16(const QString &text);

// 1-based substring: at most `length` characters from `start`, or all to the
// end; empty when `start` lies beyond the end.
QString mid(const QString &text, qsizetype start, qsizetype length = -1);

qsizetype len(const QString &text);

} // namespace conversions
