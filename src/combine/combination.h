#pragma once

// Standard-value resistors combined to reach a value no single part has:
// the best networks of one to three parts for a target resistance, and the
// best two-resistor dividers for a target ratio.
//
// Everything is exact. A part is an integer number of units (a power of ten
// of an ohm, the finest its range needs), a network's value is a fraction of
// such integers, and errors are compared by cross-multiplying in wide
// integers; no value, error or comparison goes through floating point.
//
// Networks, with their parts a, b, c, values allowed to repeat:
//   one part      a
//   two parts     a + b,        a ∥ b
//   three parts   a + b + c,    a ∥ b ∥ c,   a + (b ∥ c),   a ∥ (b + c)
//
// The order of the best networks, each step deciding only ties of the one
// before:
//   1. the smaller |error|, where error = (network − target) / target;
//   2. fewer parts;
//   3. fewer parts from the finer series (with "E24 + E96": E96 values that
//      are not E24 values; with one series no part counts);
//   4. the largest part nearer the target, |largest − target|;
//   5. the parts, each network's ascending, compared value by value, the
//      smaller first;
//   6. the shape, in the order listed above (a + b + c before a ∥ b ∥ c
//      before a + (b ∥ c) before a ∥ (b + c));
//   7. the parts as written (a, then b, then c), the smaller first.
// A network is listed once: a + b and b + a, or a ∥ (b + c) and
// a ∥ (c + b), are one network. The target itself, where it is a part (in
// the series and range, not left out), is exact with one part: it comes
// first, alone.
//
// Dividers R1 over R2, the ratio R2 / (R1 + R2), in the order:
//   1. the smaller |error|, error = (ratio − target) / target;
//   2. fewer parts from the finer series;
//   3. the smaller R1 + R2;
//   4. the smaller R2.
//
// Speed: the sorted tables of pair sums and pair parallel values are built
// once per series and range (PairTables); a query then binary-searches them,
// for three parts once per first part a: for a + (b ∥ c) the parallel table
// at target − a, for a ∥ (b + c) the sum table at the value that in parallel
// with a gives the target, and likewise for a + b + c and a ∥ b ∥ c. From
// where a search lands it walks out both ways, the values being monotonic
// along a table, and stops each way at the first network whose error is
// larger than that of the tenth best so far.

#include "colorcode/exactvalue.h"
#include "colorcode/standardvalues.h"
#include "numbers/wideinteger.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace combine
{

using numbers::compareProducts;
using numbers::product;
using numbers::resized;
using numbers::UInt128;
using numbers::Wide;
using numbers::widen;

enum class SeriesChoice { E6, E12, E24, E48, E96, E192, E24PlusE96 };

inline constexpr std::array<SeriesChoice, 7> seriesChoices{
    SeriesChoice::E6,  SeriesChoice::E12,  SeriesChoice::E24,        SeriesChoice::E48,
    SeriesChoice::E96, SeriesChoice::E192, SeriesChoice::E24PlusE96,
};

// The one E-series a choice stands for; nothing for "E24 + E96".
std::optional<colorcode::Series> singleSeries(SeriesChoice series);
// The choice for the series a tolerance's parts are made in: its own
// series, or "E24 + E96" for the 1 % parts sold in both.
SeriesChoice choiceFor(const colorcode::SeriesSet &set);

// "E6" … "E192", "E24 + E96".
QString seriesChoiceName(SeriesChoice series);
std::optional<SeriesChoice> seriesChoiceNamed(const QString &name);

// The tolerance parts of the series are usually sold in, in hundredths of a
// percent: E6 20 %, E12 10 %, E24 5 %, E48 2 %, E96 1 %, E192 0,5 %, and
// 1 % for "E24 + E96" (both are sold as 1 % parts).
std::int32_t usualToleranceHundredths(SeriesChoice series);

struct Part {
    colorcode::ExactValue ohms; // normalised
    std::uint64_t units = 0;    // ohms / 10^unitPower
    bool fine = false;          // "E24 + E96": an E96 value that is no E24 value
};

// The parts of a series within a range, ascending, each value once.
struct PartSet {
    SeriesChoice series = SeriesChoice::E24;
    int unitPower = 0; // a unit is 10^unitPower ohms
    std::vector<Part> parts;

    // The index of a value among the parts.
    std::optional<std::size_t> indexOf(const colorcode::ExactValue &ohms) const;
};

enum class RangeError {
    NotAboveZero, // the low end is zero
    LowAboveHigh,
    NoParts, // no value of the series lies within
    TooWide, // the largest part would exceed 10^12 units
};

// Every value of the series from low to high, both included.
std::variant<PartSet, RangeError> partsInRange(SeriesChoice series,
                                               const colorcode::ExactValue &low,
                                               const colorcode::ExactValue &high);

// The sorted pair tables over a part set: every pair of parts once (i ≤ j,
// an index paired with itself too), by sum and by parallel value, ties by
// index. For E192 over seven decades, some 905 000 pairs each.
class PairTables
{
public:
    struct Pair {
        std::uint16_t small, large; // indices into the part set, small ≤ large
    };

    explicit PairTables(const PartSet &set);

    std::vector<Pair> sums;      // ascending by small + large
    std::vector<Pair> parallels; // ascending by small ∥ large

    // Every sampleStep-th entry of each (entry (s + 1)·sampleStep − 1 as
    // sample s): small enough to stay in the cache, so that a binary search
    // touches the large tables only within one block.
    static constexpr std::size_t sampleStep = 64;
    std::vector<Pair> sumSamples, parallelSamples;
};

// The number of pairs the tables of a part set hold, to judge the time
// building them takes before doing it.
std::size_t pairCount(const PartSet &set);

enum class Shape : std::uint8_t {
    Single,         // a
    Series2,        // a + b
    Parallel2,      // a ∥ b
    Series3,        // a + b + c
    Parallel3,      // a ∥ b ∥ c
    SeriesParallel, // a + (b ∥ c)
    ParallelSeries, // a ∥ (b + c)
};

int partCount(Shape shape);

struct Network {
    Shape shape = Shape::Single;
    // Indices into the part set in the order written: a, b, c. Ascending for
    // the plain sums and parallels, b ≤ c for the mixed shapes.
    std::array<std::uint16_t, 3> parts{};
    // The value in units, numerator / denominator (not reduced).
    UInt128 numerator = 0;
    UInt128 denominator = 1;
    bool operator==(const Network &) const = default;
};

// A target value in units, numerator / denominator; nothing where it would
// not fit the search's integers: above 10^24 units, or with digits finer
// than 10^-18 units.
struct UnitFraction {
    UInt128 numerator = 0, denominator = 1;
};
std::optional<UnitFraction> inUnits(const PartSet &set, const colorcode::ExactValue &ohms);

// The best `count` networks of at most maxParts parts (1 to 3) for a target
// above zero, in the order above, leaving out the parts whose flag is set
// (leftOut is empty or as long as the part set). The tables are needed for
// two and three parts. Empty where inUnits refuses the target.
std::vector<Network> bestNetworks(const PartSet &set, const PairTables *tables,
                                  const colorcode::ExactValue &target, int maxParts,
                                  const std::vector<bool> &leftOut, std::size_t count = 10);

// A ratio numerator / denominator, 0 < numerator < denominator ≤ 10^18.
struct Ratio {
    std::uint64_t numerator = 0, denominator = 1;
    bool operator==(const Ratio &) const = default;
};

struct Divider {
    std::uint16_t r1 = 0, r2 = 0; // indices into the part set; ratio R2 / (R1 + R2)
    bool operator==(const Divider &) const = default;
};

// The best `count` dividers for a target ratio, in the order above.
std::vector<Divider> bestDividers(const PartSet &set, Ratio target,
                                  const std::vector<bool> &leftOut, std::size_t count = 10);

} // namespace combine
