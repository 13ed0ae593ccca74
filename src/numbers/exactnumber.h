#pragma once

// Exact numbers and the one place they become text. A value is decimal
// digits times a power of ten (typed values can be longer than any integer
// type); a fraction is two wide integers. Neither goes through a double on
// its way to text: 0,29 × 100 is 28,999… there.
//
// Text has the locale's decimal mark and digits 0 to 9 under every locale
// (QLocale writes Arabic-Indic digits under Arabic locales, and a value must
// read the same as the tolerance written after it), no group separators, no
// sign: callers put their own sign in front. JSON text is the same under
// every locale, with a point.
//
//   text({"47", -1}, tr)                          "4,7"
//   text({"5", -1}, tr, 2)                        "0,50"
//   text(toSignificant({"15", -1}, 1, Nearest))   "2"  (half away from zero)
//   text(toSignificant(Fraction 2/3, 3, Down))    "0,666"
//   jsonText({"47", -1})                          "4.7"

#include "numbers/wideinteger.h"

#include <QLocale>
#include <QString>

#include <optional>
#include <string>

namespace numbers
{

// A non-negative number: digits × 10^powerOfTen.
struct ExactValue {
    std::string digits; // '0' to '9'; empty for zero
    int powerOfTen = 0;
    bool operator==(const ExactValue &) const = default;
};

// The one spelling of a value: no leading or trailing zeros in the digits
// (trailing ones move into the power), zero as no digits and power 0. Values
// compare equal exactly when their normalised forms do.
ExactValue normalised(ExactValue value);

// Orders two normalised values: negative, zero or positive as a is below,
// equal to or above b.
int compareValues(const ExactValue &a, const ExactValue &b);

// value × 10^power.
ExactValue shifted(ExactValue value, int power);

// units / 10^decimals, normalised: (470, 2) is 4,7.
ExactValue fromUnits(std::uint64_t units, int decimals);

// numerator / denominator, both non-negative, the denominator above zero.
// 1024 bits: products of a few values of up to some 60 digits each.
inline constexpr std::size_t wideLimbs = 16;
using WideInteger = Wide<wideLimbs>;
struct Fraction {
    WideInteger numerator, denominator;
};

// Nearest rounds a half away from zero; Down and Up towards and away from
// zero (the numbers being non-negative, to the floor and the ceiling).
enum class Rounding { Nearest, Down, Up };

// Rounded to `digits` significant digits (at least one), normalised: 99,96
// to three digits Nearest is 100.
ExactValue toSignificant(const ExactValue &value, int digits, Rounding rounding);
ExactValue toSignificant(const Fraction &fraction, int digits, Rounding rounding);

// Rounded to a multiple of 10^-decimals (decimals may be negative),
// normalised: 0,004 to two decimals Nearest is 0, Up 0,01.
ExactValue toDecimals(const ExactValue &value, int decimals, Rounding rounding);
ExactValue toDecimals(const Fraction &fraction, int decimals, Rounding rounding);

// The fraction written out, where its decimal expansion ends (1/8 is
// 0,125); nothing where it does not (1/3).
std::optional<ExactValue> exactly(const Fraction &fraction);

// The power of ten of the first significant digit (0,049 is -2, 470 is 2);
// for a fraction above zero.
int leadingPower(const Fraction &fraction);

// The nearest double, for JSON numbers that are not exact decimals.
double toDouble(const Fraction &fraction);

// The value with at least minDecimals decimals (zeros added, never cut):
// "4,7", "0,049", "12,50" for 12,5 with two.
QString text(const ExactValue &value, const QLocale &locale, int minDecimals = 0);

// The value as a JSON number, exact: "4.7", "0.049", "4700".
std::string jsonText(const ExactValue &value);

// A power of ten's exponent in superscript digits, as after "10": "⁴", "⁻¹".
QString superscript(int n);

} // namespace numbers
