#pragma once

// Reading a typed resistance value into the band lists: the first two
// significant digits become the digit bands, the count of the remaining
// digits plus the power of ten of the unit or letter the multiplier band.

#include <QChar>
#include <QString>

#include <optional>

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
    TooLarge,       // needs more than nine trailing zeros
    TooSmall,       // above zero, below 0,01 ohm
    TooLong,        // as long as the box holds
};

struct BandIndices {
    int first = 0; // digit = index in the colour list
    int second = 0;
    int multiplier = 0; // index in the multiplier list
    bool operator==(const BandIndices &) const = default;
};

struct ValueReading {
    std::optional<BandIndices> bands;
    std::optional<ValueError> error;
};

// Accepts, after trimming any white space and dropping invisible format and
// control characters, with any Unicode decimal digits:
//   a whole number, or one with the user's decimalSeparator ("4,7"), in the
//   chosen unit;
//   the letter code R, K, M, G (R ×1, K ×10³, M ×10⁶, G ×10⁹; r, k, g too)
//   in place of the decimal mark ("4K7", "R47") or after the number
//   ("470R", "4,7 K"), read as written whatever the unit;
//   any of these followed by "Ω" or "ohm", read as written.
// Leading zeros are dropped; digits beyond the second are cut, not rounded
// ("4712" gives 4, 7 and two zeros), as four bands carry only two digits.
// Below 0,1 ohm a third significant digit would need a band below silver, so
// the value is cut to hundredths instead ("0,015" gives 0,01). Zero is
// Siyah, Siyah, Siyah.
ValueReading readTypedValue(const QString &text, Unit unit, QChar decimalSeparator);

// What the user is told about a rejected value, with the user's separator.
QString valueErrorMessage(ValueError error, QChar decimalSeparator);

} // namespace colorcode
