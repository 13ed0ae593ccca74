#include "colorcode/standardvalues.h"

#include "colorcode/bandtables.h"
#include "colorcode/valueentry.h"
#include "numbers/exactnumber.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

namespace colorcode
{

namespace
{

int significantDigitsOf(Series series)
{
    return infoOf(series).significantDigits;
}

// The significand a value would have as an entry of a series with that many
// digits; -1 when it has more digits than that.
int significandOf(const ExactValue &normal, int digitCount)
{
    if (normal.digits.empty() || int(normal.digits.size()) > digitCount)
        return -1;
    int significand = 0;
    for (int i = 0; i < digitCount; ++i)
        significand = significand * 10 +
                      (i < int(normal.digits.size()) ? normal.digits[std::size_t(i)] - '0' : 0);
    return significand;
}

// (standard - value) / value in hundredths of a percent, half away from
// zero: the magnitude is floor((20000 |standard - value| + value) / 2 value)
// over both numbers written with the same power of ten, up to the limit.
Neighbour neighbourOf(const ExactValue &value, const ExactValue &standard)
{
    // The integers hold some 300 decades between the two: a typed value has
    // at most 64 characters, and the standard values lie within 15 decades.
    using Integer = numbers::WideInteger;
    constexpr std::size_t limbs = numbers::wideLimbs;
    const int power = std::min(value.powerOfTen, standard.powerOfTen);
    const auto v = numbers::fromDigits<limbs>(value.digits, value.powerOfTen - power);
    const auto s = numbers::fromDigits<limbs>(standard.digits, standard.powerOfTen - power);
    const bool above = compareValues(standard, value) > 0;
    if (!v || !s || v->limb.back() != 0 || s->limb.back() != 0)
        return {standard, above ? errorLimitHundredths : -errorLimitHundredths,
                above ? std::numeric_limits<double>::max() : -100.0};
    const Integer distance = above ? *s - *v : *v - *s;
    const Integer quotient =
        numbers::divide(numbers::timesSmall(distance, 20000) + *v, numbers::timesSmall(*v, 2))
            .quotient;
    const Integer limit = numbers::widen<limbs>(numbers::UInt128(errorLimitHundredths));
    const std::int64_t magnitude = numbers::compare(quotient, limit) >= 0
                                       ? errorLimitHundredths
                                       : std::int64_t(quotient.limb[0]);
    const double percent = numbers::toDouble({numbers::timesSmall(distance, 100), *v});
    return {standard, above ? magnitude : -magnitude, above ? percent : -percent};
}

// The significands of a set's values as three digits, ascending, once per
// set: E24's 47 is 470 here.
const std::vector<std::int16_t> &significandsOf(const SeriesSet &set)
{
    static const std::array<std::vector<std::int16_t>, 12> merged = [] {
        std::array<std::vector<std::int16_t>, 12> tables;
        for (int s = 0; s < 6; ++s)
            for (int e24 = 0; e24 < 2; ++e24) {
                std::vector<std::int16_t> &table = tables[std::size_t(2 * s + e24)];
                const Series series = Series(s);
                const int scale = significantDigitsOf(series) == 2 ? 10 : 1;
                for (const std::int16_t entry : seriesTable(series))
                    table.push_back(std::int16_t(entry * scale));
                if (e24 != 0)
                    for (const std::int16_t entry : e24Table)
                        table.push_back(std::int16_t(entry * 10));
                std::sort(table.begin(), table.end());
                table.erase(std::unique(table.begin(), table.end()), table.end());
            }
        return tables;
    }();
    return merged[std::size_t(2 * int(set.series) + (set.withE24 ? 1 : 0))];
}

ExactValue standardValue(std::int16_t significand, int powerOfTen)
{
    return normalised({std::to_string(significand), powerOfTen});
}

} // namespace

std::span<const std::int16_t> seriesTable(Series series)
{
    return infoOf(series).values;
}

SeriesSet seriesFor(std::int32_t toleranceHundredths)
{
    for (const SeriesInfo &info : seriesInfoTable)
        if (toleranceHundredths >= info.fromToleranceHundredths)
            return {info.series, info.withE24};
    return {seriesInfoTable.back().series, seriesInfoTable.back().withE24};
}

QString seriesName(Series series)
{
    return QString::fromLatin1(infoOf(series).name);
}

QString seriesName(const SeriesSet &set)
{
    const QString name = seriesName(set.series);
    return set.withE24 && set.series != Series::E24 ? name + QStringLiteral("/E24") : name;
}

bool isInSeries(const ExactValue &value, Series series)
{
    const int significand = significandOf(normalised(value), significantDigitsOf(series));
    const std::span<const std::int16_t> table = seriesTable(series);
    return significand > 0 && std::binary_search(table.begin(), table.end(), significand);
}

bool isStandard(const ExactValue &value, const SeriesSet &set)
{
    return isInSeries(value, set.series) || (set.withE24 && isInSeries(value, Series::E24));
}

Nearest nearestStandard(const ExactValue &value, const SeriesSet &set, int bandCount)
{
    const ExactValue n = normalised(value);
    if (n.digits.empty())
        return {};
    const int digitCount = digitBandsFor(bandCount);
    const std::vector<std::int16_t> &significands = significandsOf(set);

    // Decades by the place of their first digit: the value's own, and those
    // of the smallest (0,001 Ω) and largest (99 or 999 GΩ) the bands show.
    const int magnitude = int(n.digits.size()) + n.powerOfTen;
    const int lowestMagnitude = smallestPowerOfTen + 1;
    const int highestMagnitude = largestPowerOfTen + digitCount;

    // A decade may hold no value the bands can show (0,00102 Ω needs more
    // than three digits), so the search walks on to the next one.
    Nearest nearest;
    for (int decade = std::min(magnitude, highestMagnitude);
         decade >= lowestMagnitude && !nearest.below; --decade)
        for (auto s = significands.rbegin(); s != significands.rend(); ++s) {
            const ExactValue candidate = standardValue(*s, decade - 3);
            if (compareValues(candidate, n) < 0 && showsExactly(candidate, bandCount)) {
                nearest.below = neighbourOf(n, candidate);
                break;
            }
        }
    for (int decade = std::max(magnitude, lowestMagnitude);
         decade <= highestMagnitude && !nearest.above; ++decade)
        for (const std::int16_t s : significands) {
            const ExactValue candidate = standardValue(s, decade - 3);
            if (compareValues(candidate, n) > 0 && showsExactly(candidate, bandCount)) {
                nearest.above = neighbourOf(n, candidate);
                break;
            }
        }
    return nearest;
}

} // namespace colorcode
