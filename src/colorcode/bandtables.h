#pragma once

// What every band colour means. The position of an entry in its list is its
// colour code: the digit lists take the digit from the index, the multiplier
// and tolerance lists take their numbers from the entry's item data.

#include <array>
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
    const char *text; // UTF-8
    std::int32_t multiplier;
    ColourValue paint;
};

// First digit, second digit and multiplier lists share these ten entries.
inline constexpr std::array<ColourEntry, 10> colourList{{
    {"Siyah", 1, 0x00000000},
    {"Kahverengi", 10, 0x00004080},
    {"Kırmızı", 100, 0x000000FF},
    {"Turuncu", 1000, 0x000080FF},
    {"Sarı", 10000, 0x0000FFFF},
    {"Yeşil", 100000, 0x0000FF00},
    {"Mavi", 1000000, 0x00FF0000},
    {"Mor", 10000000, 0x00800080},
    {"Gri", 100000000, 0x00808080},
    {"Beyaz", 1000000000, 0x00FFFFFF},
}};

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
inline constexpr ColourValue altinPaint = 0x0000C0C0;
inline constexpr ColourValue gumusPaint = 0x00E0E0E0;

} // namespace colorcode
