#pragma once

// Reading a typed resistance value into the band lists: the first two
// significant digits become the digit bands, the count of the remaining
// digits plus the unit's zeros the multiplier band.

#include <QString>

#include <optional>

namespace colorcode
{

enum class Unit { Ohm, Kohm, Mohm };

enum class ValueError {
    Empty,     // nothing typed, or only spaces
    NotDigits, // some character is not a decimal digit
    TooLarge,  // needs more than nine trailing zeros
};

struct BandIndices {
    int first = 0; // digit = index in the colour list
    int second = 0;
    int multiplier = 0; // number of trailing zeros = index in the colour list
    bool operator==(const BandIndices &) const = default;
};

struct ValueReading {
    std::optional<BandIndices> bands;
    std::optional<ValueError> error;
};

// Spaces around the value are ignored and leading zeros dropped; digits
// beyond the second are cut, not rounded ("4712" gives 4, 7 and two zeros),
// as four bands carry only two digits.
ValueReading readTypedValue(const QString &text, Unit unit);

// What the user is told about a rejected value.
QString valueErrorMessage(ValueError error);

} // namespace colorcode
