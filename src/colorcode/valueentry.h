#pragma once

// Reading a typed resistance value into the band lists, in two steps: the
// text becomes an exact number (or the reason it is refused), and the number
// becomes the bands of a band count.

#include "colorcode/exactvalue.h"

#include <QChar>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace colorcode
{

enum class Unit { Ohm, Kohm, Mohm };

// The value box holds this many characters; a text that long may have been
// cut by it, so it is never read as a value.
inline constexpr int maxTypedLength = 64;

enum class ValueError {
    Empty,          // nothing typed, or only spaces and invisible characters
    NotNumber,      // not one of the accepted forms
    WrongSeparator, // the other decimal mark: never guessed as grouping
    LowercaseM,     // milli in SI, mega on resistors
    TooLarge,       // above what the band count can show
    TooSmall,       // above zero, below 0,001 ohm
    TooLong,        // as long as the box holds
};

// Accepts, after trimming any white space and dropping invisible format and
// control characters, with any Unicode decimal digits:
//   a whole number, or one with the user's decimalSeparator ("4,7"), in the
//   chosen unit;
//   the letter code R, K, M, G (R ×1, K ×10³, M ×10⁶, G ×10⁹; r, k, g too)
//   in place of the decimal mark ("4K7", "R47") or after the number
//   ("470R", "4,7 K"), read as written whatever the unit;
//   any of these followed by "Ω" or "ohm", read as written.
// The number is exact and as typed: leading zeros dropped, trailing ones
// kept, as the four-band rule reads them; zero is the empty ExactValue. Its
// range is not checked here.
std::variant<ExactValue, ValueError> readTypedNumber(const QString &text, Unit unit,
                                                     QChar decimalSeparator);

struct BandIndices {
    std::vector<int> digits; // digit = index in the digit list; two or three
    int multiplier = 0;      // index in the multiplier list
    bool operator==(const BandIndices &) const = default;
};

using BandsOrError = std::variant<BandIndices, ValueError>;

// The bands of a band count (4, 5 or 6) for a value. The first digit band is
// the first significant digit; fewer digits are padded with Siyah, further
// ones cut, not rounded. Where that would need a multiplier below Pembe the
// digits move right behind leading Siyah bands with Pembe as multiplier,
// cut beyond. Zero is Siyah in every value band. Four bands show a value
// given as a single digit d and no trailing zeros ("4" kΩ, "0,5" Ω) as 0 and
// d, times d's power of ten; so they read the digits as given, where more
// bands read only the value.
// TooSmall below 0,001 ohm; TooLarge from 100 GΩ on four bands, from
// 1000 GΩ on five and six (values just below are cut, as any other).
BandsOrError bandsFor(const ExactValue &value, int bandCount);

// Both steps at once.
BandsOrError readTypedValue(const QString &text, Unit unit, QChar decimalSeparator, int bandCount);

// The value bands stand for, normalised: their digits times their
// multiplier. The indices must be entries of their lists.
ExactValue valueOf(const BandIndices &bands);

// Whether the band count shows the value without cutting a digit: some whole
// number below 100 (four bands) or 1000 (five, six) times a power of ten
// from -3 to 9.
bool showsExactly(const ExactValue &value, int bandCount);

// The same value in the bands of another count, those the value box gives
// for it typed in Ohm (4 to 5 bands: Sarı Mor Kırmızı gives Sarı Mor Siyah
// Kahverengi); nothing where that count cannot show it exactly.
std::optional<BandIndices> sameValueBands(const BandIndices &bands, int bandCount);

// What the user is told about a rejected value, with the user's separator
// and the limits of the band count.
QString valueErrorMessage(ValueError error, QChar decimalSeparator, int bandCount);

} // namespace colorcode
