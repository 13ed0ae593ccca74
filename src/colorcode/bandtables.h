#pragma once

// What every band colour means. The position of an entry in its list is its
// colour code: the digit lists take the digit from the index, the multiplier
// and tolerance lists take their numbers from the entry's item data.
//
// A multiplier is kept as its power of ten, not as the factor itself: gold
// and silver multiply by 0,1 and 0,01, which no integer item data can hold,
// while -1 and -2 can, and whole powers keep every value exact.

#include <array>
#include <cstddef>
#include <cstdint>

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

struct ColourEntry {
    const char *text;        // UTF-8
    std::int32_t powerOfTen; // the multiplier is 10 to this power
    ColourValue paint;
};

inline constexpr ColourValue altinPaint = 0x0000C0C0;
inline constexpr ColourValue gumusPaint = 0x00E0E0E0;

// First digit, second digit and multiplier lists share these ten entries.
inline constexpr std::array<ColourEntry, 10> colourList{{
    {"Siyah", 0, 0x00000000},
    {"Kahverengi", 1, 0x00004080},
    {"Kırmızı", 2, 0x000000FF},
    {"Turuncu", 3, 0x000080FF},
    {"Sarı", 4, 0x0000FFFF},
    {"Yeşil", 5, 0x0000FF00},
    {"Mavi", 6, 0x00FF0000},
    {"Mor", 7, 0x00800080},
    {"Gri", 8, 0x00808080},
    {"Beyaz", 9, 0x00FFFFFF},
}};

// The multiplier list goes on after "Beyaz" with the fractional bands of
// small resistors, painted like the tolerance bands of the same metal.
inline constexpr std::array<ColourEntry, 12> multiplierList{{
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
    {"Altın", -1, altinPaint},
    {"Gümüş", -2, gumusPaint},
}};

inline constexpr int smallestPowerOfTen = -2;
inline constexpr int largestPowerOfTen = 9;

// The entry of the multiplier list for a power of ten from -2 to 9.
constexpr int multiplierIndexOf(int powerOfTen)
{
    for (std::size_t i = 0; i < multiplierList.size(); ++i)
        if (multiplierList[i].powerOfTen == powerOfTen)
            return static_cast<int>(i);
    return -1;
}

// The digit lists carry no numbers of their own: the digit is the index.
inline constexpr std::int32_t digitItemData = 0;

struct ToleranceEntry {
    const char *text; // UTF-8
    std::int32_t percent;
};

inline constexpr std::array<ToleranceEntry, 3> toleranceList{{
    {"Altın", 5},
    {"Gümüş", 10},
    {"Renksiz", 20},
}};

inline constexpr int renksizIndex = 2;

// The value-entry window's tolerance options choose these entries by their
// place: "% 5", "% 10" and "% 20" in that order.
static_assert(toleranceList[0].percent == 5 && toleranceList[1].percent == 10 &&
              toleranceList[2].percent == 20 && renksizIndex == 2);

} // namespace colorcode
