#pragma once

// What every band colour means, one table per role: digit, multiplier,
// tolerance and temperature coefficient. The position of an entry in its
// table is its index in the list that shows it; the entry carries the
// colour's text, its number in that role and the paint it is drawn with.
//
// Numbers are whole so that no value or text can carry binary noise:
//   digit:       the digit itself;
//   multiplier:  the power of ten (Altın -1, Gümüş -2, Pembe -3);
//   tolerance:   hundredths of a percent (± 0,25 % is 25);
//   coefficient: ppm/K.

#include <QtGlobal>

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace colorcode
{

// A paint colour as &H00BBGGRR: red in the lowest byte, blue in the third.
using ColourValue = std::uint32_t;

constexpr int redOf(ColourValue c)
{
    return static_cast<int>(c & 0xFFu);
}
constexpr int greenOf(ColourValue c)
{
    return static_cast<int>((c >> 8) & 0xFFu);
}
constexpr int blueOf(ColourValue c)
{
    return static_cast<int>((c >> 16) & 0xFFu);
}

// The colours themselves, whatever role they play: reading a resistor from
// its other end needs to know which digit a tolerance colour would be.
enum class Colour {
    Siyah,
    Kahverengi,
    Kirmizi,
    Turuncu,
    Sari,
    Yesil,
    Mavi,
    Mor,
    Gri,
    Beyaz,
    Altin,
    Gumus,
    Pembe,
    Renksiz, // no band at all
};

struct BandEntry {
    Colour colour;
    const char *text;    // UTF-8
    std::int32_t number; // the meaning in the entry's role, see above
    ColourValue paint;
};

inline constexpr ColourValue altinPaint = 0x0000C0C0;
inline constexpr ColourValue gumusPaint = 0x00E0E0E0;
// A clear pink, apart from Kırmızı and from the light resistor body.
inline constexpr ColourValue pembePaint = 0x00B469FF;
// Never drawn: "Renksiz" hides its band.
inline constexpr ColourValue renksizPaint = 0x00000000;

// The digit lists.
inline constexpr std::array<BandEntry, 10> colourList{{
    {Colour::Siyah, QT_TRANSLATE_NOOP("colour", "Siyah"), 0, 0x00000000},
    {Colour::Kahverengi, QT_TRANSLATE_NOOP("colour", "Kahverengi"), 1, 0x00004080},
    {Colour::Kirmizi, QT_TRANSLATE_NOOP("colour", "Kırmızı"), 2, 0x000000FF},
    {Colour::Turuncu, QT_TRANSLATE_NOOP("colour", "Turuncu"), 3, 0x000080FF},
    {Colour::Sari, QT_TRANSLATE_NOOP("colour", "Sarı"), 4, 0x0000FFFF},
    {Colour::Yesil, QT_TRANSLATE_NOOP("colour", "Yeşil"), 5, 0x0000FF00},
    {Colour::Mavi, QT_TRANSLATE_NOOP("colour", "Mavi"), 6, 0x00FF0000},
    {Colour::Mor, QT_TRANSLATE_NOOP("colour", "Mor"), 7, 0x00800080},
    {Colour::Gri, QT_TRANSLATE_NOOP("colour", "Gri"), 8, 0x00808080},
    {Colour::Beyaz, QT_TRANSLATE_NOOP("colour", "Beyaz"), 9, 0x00FFFFFF},
}};

constexpr BandEntry withNumber(const BandEntry &entry, std::int32_t number)
{
    return {entry.colour, entry.text, number, entry.paint};
}

// The multiplier list: the digit colours with their power of ten, then the
// fractional bands of small resistors.
inline constexpr std::array<BandEntry, 13> multiplierList{{
    colourList[0],
    colourList[1],
    colourList[2],
    colourList[3],
    colourList[4],
    colourList[5],
    colourList[6],
    colourList[7],
    colourList[8],
    colourList[9],
    {Colour::Altin, QT_TRANSLATE_NOOP("colour", "Altın"), -1, altinPaint},
    {Colour::Gumus, QT_TRANSLATE_NOOP("colour", "Gümüş"), -2, gumusPaint},
    {Colour::Pembe, QT_TRANSLATE_NOOP("colour", "Pembe"), -3, pembePaint},
}};

inline constexpr int smallestPowerOfTen = -3;
inline constexpr int largestPowerOfTen = 9;

// The entry of the multiplier list for a power of ten from -3 to 9; -1 for
// any other.
constexpr int multiplierIndexOf(int powerOfTen)
{
    for (std::size_t i = 0; i < multiplierList.size(); ++i)
        if (multiplierList[i].number == powerOfTen)
            return static_cast<int>(i);
    return -1;
}

// The tolerance list: the three tolerances of common four-band parts first,
// where the value-entry window's first options expect them, the rest in
// colour-code order.
inline constexpr std::array<BandEntry, 11> toleranceList{{
    {Colour::Altin, QT_TRANSLATE_NOOP("colour", "Altın"), 500, altinPaint},
    {Colour::Gumus, QT_TRANSLATE_NOOP("colour", "Gümüş"), 1000, gumusPaint},
    {Colour::Renksiz, QT_TRANSLATE_NOOP("colour", "Renksiz"), 2000, renksizPaint},
    withNumber(colourList[1], 100),
    withNumber(colourList[2], 200),
    withNumber(colourList[3], 5),
    withNumber(colourList[4], 2),
    withNumber(colourList[5], 50),
    withNumber(colourList[6], 25),
    withNumber(colourList[7], 10),
    withNumber(colourList[8], 1),
}};

inline constexpr int altinToleranceIndex = 0;
inline constexpr int gumusToleranceIndex = 1;
inline constexpr int renksizIndex = 2;

// Every colour's Turkish name, whichever role it plays: the one place a
// colour becomes its name. The JSON answers carry it in every language;
// what the user reads and hears is colourText() (colourtext.h).
constexpr const char *colourName(Colour colour)
{
    for (const BandEntry &entry : multiplierList)
        if (entry.colour == colour)
            return entry.text;
    return toleranceList[renksizIndex].text;
}
static_assert(std::string_view(colourName(Colour::Pembe)) == "Pembe" &&
              std::string_view(colourName(Colour::Renksiz)) == "Renksiz");

// The value-entry window's three tolerance options choose these entries, in
// this order; its other tolerances follow the table.
static_assert(toleranceList[altinToleranceIndex].number == 500);
static_assert(toleranceList[gumusToleranceIndex].number == 1000);
static_assert(toleranceList[renksizIndex].number == 2000 &&
              toleranceList[renksizIndex].colour == Colour::Renksiz);

// The temperature coefficient of six-band resistors. Not monotonic in the
// colour order (Turuncu 15, Sarı 25): read it from the table, never from
// the index.
inline constexpr std::array<BandEntry, 9> coefficientList{{
    withNumber(colourList[0], 250),
    withNumber(colourList[1], 100),
    withNumber(colourList[2], 50),
    withNumber(colourList[3], 15),
    withNumber(colourList[4], 25),
    withNumber(colourList[5], 20),
    withNumber(colourList[6], 10),
    withNumber(colourList[7], 5),
    withNumber(colourList[8], 1),
}};

// What a band says: a digit, the power of ten, the tolerance or the
// temperature coefficient.
enum class Role { Digit, Multiplier, Tolerance, Coefficient };

inline constexpr std::size_t roleCount = 4;

// The entries of a role's list.
constexpr std::span<const BandEntry> entriesOf(Role role)
{
    switch (role) {
    case Role::Digit:
        return colourList;
    case Role::Multiplier:
        return multiplierList;
    case Role::Tolerance:
        return toleranceList;
    case Role::Coefficient:
        return coefficientList;
    }
    return {};
}

// The one place that says what a band count means: the role of each band,
// left to right.
struct BandRoles {
    int bandCount;
    std::array<Role, 6> roles; // the first bandCount are used
};

// clang-format off
inline constexpr std::array<BandRoles, 3> bandRoleTable{{
    {4, {Role::Digit, Role::Digit, Role::Multiplier, Role::Tolerance}},
    {5, {Role::Digit, Role::Digit, Role::Digit, Role::Multiplier, Role::Tolerance}},
    {6, {Role::Digit, Role::Digit, Role::Digit, Role::Multiplier, Role::Tolerance,
         Role::Coefficient}},
}};
// clang-format on

inline constexpr int minBandCount = bandRoleTable.front().bandCount;
inline constexpr int maxBandCount = bandRoleTable.back().bandCount;

// The roles of a band count, left to right; none for a count the table
// does not have.
constexpr std::span<const Role> rolesOf(int bandCount)
{
    for (const BandRoles &entry : bandRoleTable)
        if (entry.bandCount == bandCount)
            return std::span<const Role>(entry.roles).first(std::size_t(entry.bandCount));
    return {};
}

constexpr bool isBandCount(int bandCount)
{
    return !rolesOf(bandCount).empty();
}

// How many bands of a band count play a role.
constexpr int bandsWithRole(int bandCount, Role role)
{
    int count = 0;
    for (const Role r : rolesOf(bandCount))
        count += r == role ? 1 : 0;
    return count;
}

// The digit bands a band count carries.
constexpr int digitBandsFor(int bandCount)
{
    return bandsWithRole(bandCount, Role::Digit);
}

constexpr bool hasRole(int bandCount, Role role)
{
    return bandsWithRole(bandCount, role) > 0;
}

// A part of the fewest bands' value without its tolerance band (± 20 %):
// read as the fewest bands with Renksiz, the band that is not there, as its
// tolerance.
inline constexpr int bandsWithoutTolerance = minBandCount - 1;

// The bands a part carries: Renksiz is no band.
constexpr int markedBandCount(std::span<const Colour> colours)
{
    int count = 0;
    for (const Colour c : colours)
        count += c == Colour::Renksiz ? 0 : 1;
    return count;
}

// The band count marked bands are read as.
constexpr int readingBandCount(int marked)
{
    return marked == bandsWithoutTolerance ? minBandCount : marked;
}

// Where the value-entry window and the switching rules rely on the table.
static_assert(digitBandsFor(minBandCount) == 2 && digitBandsFor(maxBandCount) == 3);
static_assert(hasRole(maxBandCount, Role::Coefficient) &&
              !hasRole(minBandCount, Role::Coefficient));

} // namespace colorcode
