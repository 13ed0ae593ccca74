#pragma once

// What each colour means on an inductor's bands, read in µH, and which
// roles each band count has: the inductor's own tables, apart from the
// resistor's (its tolerances and multipliers differ). From the checked
// reference's inductor section: digits and multipliers Siyah to Sarı and
// Altın, Gümüş agree everywhere; Yeşil and above multiply in one or two
// tables only; the tolerance colours are Kahverengi 1 %, Kırmızı 2 %,
// Turuncu 3 %, Sarı 4 %, Altın 5 %, Gümüş 10 %, none 20 %, and Siyah 20 %
// in one table, none in two.

#include "colorcode/bandtables.h"

#include <array>
#include <cstdint>
#include <optional>

namespace inductor
{

using colorcode::Colour;

// How many of the sources give a multiplier.
enum class Agreement {
    All,      // every table
    Two,      // up to Mavi: two tables
    One,      // Mor to Beyaz: one table
    Disputed, // Siyah as a tolerance
};

struct ColourRow {
    Colour colour;
    std::optional<int> digit;
    std::optional<int> power; // multiplier as a power of ten
    Agreement powerAgreement;
    std::optional<std::int32_t> toleranceHundredths; // of a percent
    Agreement toleranceAgreement;
};

// clang-format off
inline constexpr std::array<ColourRow, 12> colourRows{{
    {Colour::Siyah,      0, 0,  Agreement::All, 2000, Agreement::Disputed},
    {Colour::Kahverengi, 1, 1,  Agreement::All,  100, Agreement::All},
    {Colour::Kirmizi,    2, 2,  Agreement::All,  200, Agreement::All},
    {Colour::Turuncu,    3, 3,  Agreement::All,  300, Agreement::All},
    {Colour::Sari,       4, 4,  Agreement::All,  400, Agreement::All},
    {Colour::Yesil,      5, 5,  Agreement::Two, std::nullopt, Agreement::All},
    {Colour::Mavi,       6, 6,  Agreement::Two, std::nullopt, Agreement::All},
    {Colour::Mor,        7, 7,  Agreement::One, std::nullopt, Agreement::All},
    {Colour::Gri,        8, 8,  Agreement::One, std::nullopt, Agreement::All},
    {Colour::Beyaz,      9, 9,  Agreement::One, std::nullopt, Agreement::All},
    {Colour::Altin,      std::nullopt, -1, Agreement::All, 500, Agreement::All},
    {Colour::Gumus,      std::nullopt, -2, Agreement::All, 1000, Agreement::All},
}};
// clang-format on

// With no tolerance band.
inline constexpr std::int32_t noBandToleranceHundredths = 2000;

inline constexpr const ColourRow *rowOf(Colour colour)
{
    for (const ColourRow &row : colourRows)
        if (row.colour == colour)
            return &row;
    return nullptr;
}

enum class Role { Marker, Digit, Multiplier, Tolerance, MilitaryValue };

// The band counts and their roles, first band first. Three bands are four
// without the tolerance band; five is the military form: a double-width
// Gümüş first, then three value bands (Altın in the second or third is the
// decimal point below 10 µH, the third counts zeros from 10 µH) and the
// tolerance.
struct BandCount {
    int count;
    std::array<Role, 5> roles;
};

inline constexpr std::array<BandCount, 3> bandCounts{{
    {3, {Role::Digit, Role::Digit, Role::Multiplier}},
    {4, {Role::Digit, Role::Digit, Role::Multiplier, Role::Tolerance}},
    {5,
     {Role::Marker, Role::MilitaryValue, Role::MilitaryValue, Role::MilitaryValue,
      Role::Tolerance}},
}};

} // namespace inductor
