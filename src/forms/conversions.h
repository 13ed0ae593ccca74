#pragma once

// The number/text conversions the forms rely on, gathered in one place so
// that every window writes and reads numbers the same way.

#include <QLocale>
#include <QString>

#include <cstdint>

namespace conversions
{

// The user's regional number format, without group separators: a Turkish
// user sees "4,7" and "10000", never "10.000".
QLocale numberLocale();

// units / 10^decimals, written out exactly: digits 0 to 9 under every
// locale, the locale's decimal separator, trailing zeros dropped ("470" with
// 2 decimals is "4,7" for a Turkish user). For a whole number of hundredths
// this is the only form that can never show binary noise such as 0,47000001.
QString exactDecimalText(std::uint64_t units, int decimals, const QLocale &locale = numberLocale());

} // namespace conversions
