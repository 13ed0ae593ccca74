#pragma once

// The preferred values resistors are made in (IEC 60063, the E-series), and
// where a value stands among them. Everything is exact: a value is compared
// digit by digit and its distance to a standard value is worked out in
// whole numbers, never through a double.

#include "colorcode/exactvalue.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace colorcode
{

enum class Series { E6, E12, E24, E48, E96, E192 };

// Written out, not computed: rounding 10^(i/24) misses eight E24 values and
// rounding 10^(i/192) misses 920.
inline constexpr std::array<std::int16_t, 24> e24Table{
    10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30, 33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91,
};

inline constexpr std::array<std::int16_t, 192> e192Table{
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123,
    124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152,
    154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189,
    191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234,
    237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
    294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448,
    453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690,
    698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988,
};

// The coarser series are every step-th entry of a finer one.
template <std::size_t step, std::size_t n>
constexpr std::array<std::int16_t, n / step> everyNth(const std::array<std::int16_t, n> &table)
{
    std::array<std::int16_t, n / step> result{};
    for (std::size_t i = 0; i < result.size(); ++i)
        result[i] = table[i * step];
    return result;
}

inline constexpr auto e6Table = everyNth<4>(e24Table);
inline constexpr auto e12Table = everyNth<2>(e24Table);
inline constexpr auto e48Table = everyNth<4>(e192Table);
inline constexpr auto e96Table = everyNth<2>(e192Table);

// The values a tolerance's parts are made in. For ± 2 % and finer E24 counts
// too: 1 % parts are sold in E24 values as well as in E96 ones.
struct SeriesSet {
    Series series;
    bool withE24 = false;
    bool operator==(const SeriesSet &) const = default;
};

// Everything the program knows of a series, in one table: its name, its
// entries in ascending order, their significant digits, the coarsest
// tolerance whose parts are made in it and whether E24 values join it then.
struct SeriesInfo {
    Series series;
    const char *name;
    std::span<const std::int16_t> values;
    int significantDigits;
    std::int32_t fromToleranceHundredths; // this tolerance and finer, down to the next row's
    bool withE24;
};

// Coarsest first: a tolerance takes the first row it reaches.
// clang-format off
inline constexpr std::array<SeriesInfo, 6> seriesInfoTable{{
    {Series::E6,   "E6",   e6Table,   2, 2000, false},
    {Series::E12,  "E12",  e12Table,  2, 1000, false},
    {Series::E24,  "E24",  e24Table,  2,  500, false},
    {Series::E48,  "E48",  e48Table,  3,  200, true},
    {Series::E96,  "E96",  e96Table,  3,  100, true},
    {Series::E192, "E192", e192Table, 3,    0, true},
}};
// clang-format on

constexpr const SeriesInfo &infoOf(Series series)
{
    for (const SeriesInfo &info : seriesInfoTable)
        if (info.series == series)
            return info;
    return seriesInfoTable.front();
}

// A series' entries in ascending order: two-digit significands for E6 to
// E24, three-digit ones for E48 to E192.
std::span<const std::int16_t> seriesTable(Series series);

// ± 20 % E6, ± 10 % E12, ± 5 % E24, ± 2 % E48, ± 1 % E96, finer E192; the
// last three with E24. Tolerances in hundredths of a percent.
SeriesSet seriesFor(std::int32_t toleranceHundredths);

// "E24", "E96".
QString seriesName(Series series);
// "E24", "E96/E24".
QString seriesName(const SeriesSet &set);

// Whether the value is an entry of the series times a power of ten. Zero is
// in none.
bool isInSeries(const ExactValue &value, Series series);
bool isStandard(const ExactValue &value, const SeriesSet &set);

// The signed error of a standard value relative to the value it stands in
// for, (standard − value) / value: in hundredths of a percent rounded half
// away from zero (33 Ω for 32 Ω is +313), where it lies below 1000 %; from
// there on errorHundredths is errorLimitHundredths and only errorPercent
// tells how far. errorPercent is the unrounded error, the nearest double.
inline constexpr std::int64_t errorLimitHundredths = 100000;

struct Neighbour {
    ExactValue value; // normalised
    std::int64_t errorHundredths = 0;
    double errorPercent = 0;
    bool operator==(const Neighbour &) const = default;
};

struct Nearest {
    std::optional<Neighbour> below; // the largest standard value below
    std::optional<Neighbour> above; // the smallest standard value above
};

// The standard values of the set on either side of a value, strictly below
// and strictly above it, across decade edges, among those the band count
// (4, 5 or 6) can show without cutting a digit: 95 GΩ in E24 has none above
// on four bands. Neither for zero; the value need not be standard itself,
// nor within what the bands can show.
Nearest nearestStandard(const ExactValue &value, const SeriesSet &set, int bandCount);

} // namespace colorcode
