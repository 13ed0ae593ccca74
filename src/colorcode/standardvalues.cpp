#include "colorcode/standardvalues.h"

#include "colorcode/bandtables.h"
#include "colorcode/valueentry.h"

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

// Whole numbers of any length, nine decimal digits to a limb, lowest first;
// no limb of zero at the top. Just enough to work out an error exactly.
using Limbs = std::vector<std::uint32_t>;
constexpr std::uint32_t limbBase = 1000000000;

void trim(Limbs &a)
{
    while (!a.empty() && a.back() == 0)
        a.pop_back();
}

Limbs limbsOf(const std::string &digits, int zeros)
{
    const std::string text = digits + std::string(std::size_t(std::max(zeros, 0)), '0');
    Limbs limbs;
    for (std::size_t end = text.size(); end > 0;) {
        const std::size_t begin = end > 9 ? end - 9 : 0;
        std::uint32_t limb = 0;
        for (std::size_t i = begin; i < end; ++i)
            limb = limb * 10 + std::uint32_t(text[i] - '0');
        limbs.push_back(limb);
        end = begin;
    }
    trim(limbs);
    return limbs;
}

int compareLimbs(const Limbs &a, const Limbs &b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = a.size(); i-- > 0;)
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    return 0;
}

Limbs plus(const Limbs &a, const Limbs &b)
{
    Limbs sum;
    std::uint32_t carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry != 0; ++i) {
        std::uint32_t limb = carry + (i < a.size() ? a[i] : 0) + (i < b.size() ? b[i] : 0);
        carry = limb >= limbBase;
        sum.push_back(carry ? limb - limbBase : limb);
    }
    return sum;
}

// a - b for a >= b.
Limbs minus(const Limbs &a, const Limbs &b)
{
    Limbs difference;
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        std::int64_t limb = std::int64_t(a[i]) - borrow - (i < b.size() ? b[i] : 0);
        borrow = limb < 0;
        difference.push_back(std::uint32_t(borrow ? limb + limbBase : limb));
    }
    trim(difference);
    return difference;
}

Limbs times(const Limbs &a, std::uint32_t factor)
{
    Limbs product;
    std::uint64_t carry = 0;
    for (const std::uint32_t limb : a) {
        const std::uint64_t part = std::uint64_t(limb) * factor + carry;
        product.push_back(std::uint32_t(part % limbBase));
        carry = part / limbBase;
    }
    for (; carry != 0; carry /= limbBase)
        product.push_back(std::uint32_t(carry % limbBase));
    trim(product);
    return product;
}

// The largest q with q × divisor <= dividend, at most limit.
std::int64_t quotient(const Limbs &dividend, const Limbs &divisor, std::int64_t limit)
{
    std::uint32_t low = 0;
    std::uint32_t high = std::uint32_t(limit);
    while (low < high) {
        const std::uint32_t middle = low + (high - low + 1) / 2;
        if (compareLimbs(times(divisor, middle), dividend) <= 0)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

double toDouble(const Limbs &a)
{
    double result = 0;
    for (std::size_t i = a.size(); i-- > 0;)
        result = result * limbBase + a[i];
    return result;
}

// (standard - value) / value in hundredths of a percent, half away from
// zero: the magnitude is floor((20000 |standard - value| + value) / 2 value)
// over both numbers written with the same power of ten, up to the limit.
Neighbour neighbourOf(const ExactValue &value, const ExactValue &standard)
{
    const int power = std::min(value.powerOfTen, standard.powerOfTen);
    const Limbs v = limbsOf(value.digits, value.powerOfTen - power);
    const Limbs s = limbsOf(standard.digits, standard.powerOfTen - power);
    const bool above = compareLimbs(s, v) > 0;
    const Limbs distance = above ? minus(s, v) : minus(v, s);
    const std::int64_t magnitude =
        quotient(plus(times(distance, 20000), v), times(v, 2), errorLimitHundredths);
    // Both as doubles only for the ratio: each is exact to its first 16
    // digits, so the quotient is as near as a double gets.
    const double percent = toDouble(distance) / toDouble(v) * 100;
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
