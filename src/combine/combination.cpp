#include "combine/combination.h"

#include "colorcode/standardvalues.h"

#include <algorithm>
#include <string>

namespace combine
{

namespace
{

using colorcode::ExactValue;

// The significands of a choice, all of one length, ascending, with the
// flag of those from the finer series of a union.
struct Significands {
    int digits = 2;
    std::vector<int> values;
    std::vector<bool> fine;
};

Significands significandsOf(SeriesChoice series)
{
    const auto single = [](colorcode::Series s, int digits) {
        Significands result;
        result.digits = digits;
        for (const std::int16_t v : colorcode::seriesTable(s)) {
            result.values.push_back(v);
            result.fine.push_back(false);
        }
        return result;
    };
    switch (series) {
    case SeriesChoice::E6:
        return single(colorcode::Series::E6, 2);
    case SeriesChoice::E12:
        return single(colorcode::Series::E12, 2);
    case SeriesChoice::E24:
        return single(colorcode::Series::E24, 2);
    case SeriesChoice::E48:
        return single(colorcode::Series::E48, 3);
    case SeriesChoice::E96:
        return single(colorcode::Series::E96, 3);
    case SeriesChoice::E192:
        return single(colorcode::Series::E192, 3);
    case SeriesChoice::E24PlusE96:
        break;
    }
    // E24 written with three digits, merged with E96; the six values both
    // have are E24 values.
    std::vector<std::pair<int, bool>> merged;
    for (const std::int16_t v : colorcode::e24Table)
        merged.emplace_back(v * 10, false);
    for (const std::int16_t v : colorcode::e96Table)
        if (std::ranges::find(colorcode::e24Table, v % 10 == 0 ? v / 10 : -1) ==
            colorcode::e24Table.end())
            merged.emplace_back(v, true);
    std::ranges::sort(merged);
    Significands result;
    result.digits = 3;
    for (const auto &[value, fine] : merged) {
        result.values.push_back(value);
        result.fine.push_back(fine);
    }
    return result;
}

// The power of ten of a normalised value's first digit.
int leadingPower(const ExactValue &n)
{
    return int(n.digits.size()) + n.powerOfTen - 1;
}

UInt128 powerOfTen(int exponent)
{
    UInt128 p = 1;
    for (int i = 0; i < exponent; ++i)
        p *= 10;
    return p;
}

UInt128 digitsValue(const std::string &digits)
{
    UInt128 v = 0;
    for (const char c : digits)
        v = v * 10 + UInt128(c - '0');
    return v;
}

// ---------------------------------------------------------------------------
// The search.

// Where a table's values cross a query value.
struct Query {
    enum Kind { Finite, BelowAll, AboveAll } kind = Finite;
    UInt128 numerator = 0, denominator = 1;
};

struct Fraction {
    UInt128 numerator, denominator;
};

// The first index whose value is at least the query's.
template <typename ValueAt>
std::size_t lowerBound(std::size_t size, const Query &q, const ValueAt &valueAt)
{
    if (q.kind == Query::BelowAll)
        return 0;
    if (q.kind == Query::AboveAll)
        return size;
    std::size_t low = 0, high = size;
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        const Fraction v = valueAt(mid);
        if (compareProducts(v.numerator, q.denominator, q.numerator, v.denominator) < 0)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

struct Candidate {
    Network network;
    Wide<4> gap; // |N·Td − Tn·D|: |error| is gap / (Tn·D)
    int parts = 0;
    int fine = 0;
    UInt128 largestGap = 0; // |largest·Td − Tn|
    std::array<std::uint16_t, 3> ascending{};
};

int compareError(const Candidate &x, const Candidate &y)
{
    return compare(x.gap * widen<2>(y.network.denominator),
                   y.gap * widen<2>(x.network.denominator));
}

bool before(const Candidate &x, const Candidate &y)
{
    if (const int c = compareError(x, y))
        return c < 0;
    if (x.parts != y.parts)
        return x.parts < y.parts;
    if (x.fine != y.fine)
        return x.fine < y.fine;
    if (x.largestGap != y.largestGap)
        return x.largestGap < y.largestGap;
    for (int i = 0; i < x.parts; ++i)
        if (x.ascending[std::size_t(i)] != y.ascending[std::size_t(i)])
            return x.ascending[std::size_t(i)] < y.ascending[std::size_t(i)];
    if (x.network.shape != y.network.shape)
        return x.network.shape < y.network.shape;
    return x.network.parts < y.network.parts;
}

// The best candidates so far, in order, each network once.
template <typename C, typename Before, typename ErrorCompare> class Best
{
public:
    Best(std::size_t count, Before before, ErrorCompare errorCompare)
        : m_count(count), m_before(before), m_errorCompare(errorCompare)
    {
        m_list.reserve(count + 1);
    }

    // Whether the candidate's |error| is larger than that of the last kept
    // one: then no candidate further out along the same walk can enter.
    bool beyond(const C &c) const
    {
        return m_list.size() == m_count && m_errorCompare(c, m_list.back()) > 0;
    }

    template <typename Same> void offer(const C &c, const Same &same)
    {
        if (m_list.size() == m_count && !m_before(c, m_list.back()))
            return;
        for (const C &kept : m_list)
            if (same(kept, c))
                return;
        m_list.insert(std::upper_bound(m_list.begin(), m_list.end(), c, m_before), c);
        if (m_list.size() > m_count)
            m_list.pop_back();
    }

    const std::vector<C> &list() const { return m_list; }

private:
    std::size_t m_count;
    Before m_before;
    ErrorCompare m_errorCompare;
    std::vector<C> m_list;
};

// Walks out from a split point both ways: the values below it, then those
// at and above it, each way nearest first, as long as they can still enter.
template <typename Make, typename B, typename Same>
void walk(std::size_t size, std::size_t split, const Make &make, B &best, const Same &same)
{
    for (std::size_t i = split; i-- > 0;) {
        const auto c = make(i);
        if (!c)
            continue;
        if (best.beyond(*c))
            break;
        best.offer(*c, same);
    }
    for (std::size_t i = split; i < size; ++i) {
        const auto c = make(i);
        if (!c)
            continue;
        if (best.beyond(*c))
            break;
        best.offer(*c, same);
    }
}

class NetworkSearch
{
public:
    NetworkSearch(const PartSet &set, UnitFraction target, const std::vector<bool> &leftOut)
        : m_set(set), m_target(target), m_leftOut(leftOut)
    {
        m_units.reserve(set.parts.size());
        for (const Part &p : set.parts)
            m_units.push_back(p.units);
    }

    bool isLeftOut(std::size_t i) const { return !m_leftOut.empty() && m_leftOut[i]; }

    std::optional<Candidate> candidate(Shape shape, std::uint16_t a, std::uint16_t b = 0,
                                       std::uint16_t c = 0) const
    {
        const int count = partCount(shape);
        std::array<std::uint16_t, 3> ids{a, b, c};
        for (int i = 0; i < count; ++i)
            if (isLeftOut(ids[std::size_t(i)]))
                return std::nullopt;
        Candidate k;
        k.parts = count;
        k.ascending = ids;
        std::sort(k.ascending.begin(), k.ascending.begin() + count);
        const bool symmetric = shape != Shape::SeriesParallel && shape != Shape::ParallelSeries;
        k.network.shape = shape;
        k.network.parts = symmetric ? k.ascending : ids;
        const UInt128 x = m_units[a], y = count > 1 ? m_units[b] : 0,
                      z = count > 2 ? m_units[c] : 0;
        UInt128 n = 0, d = 1;
        switch (shape) {
        case Shape::Single:
            n = x;
            break;
        case Shape::Series2:
            n = x + y;
            break;
        case Shape::Parallel2:
            n = x * y;
            d = x + y;
            break;
        case Shape::Series3:
            n = x + y + z;
            break;
        case Shape::Parallel3:
            n = x * y * z;
            d = x * y + y * z + z * x;
            break;
        case Shape::SeriesParallel:
            n = x * (y + z) + y * z;
            d = y + z;
            break;
        case Shape::ParallelSeries:
            n = x * (y + z);
            d = x + y + z;
            break;
        }
        k.network.numerator = n;
        k.network.denominator = d;
        k.gap =
            difference(product(n, m_target.denominator), product(m_target.numerator, d)).magnitude;
        for (int i = 0; i < count; ++i)
            k.fine += m_set.parts[ids[std::size_t(i)]].fine ? 1 : 0;
        const UInt128 largest = UInt128(m_units[k.ascending[std::size_t(count - 1)]]);
        const UInt128 scaled = largest * m_target.denominator;
        k.largestGap =
            scaled > m_target.numerator ? scaled - m_target.numerator : m_target.numerator - scaled;
        return k;
    }

    Fraction partValue(std::size_t i) const { return {m_units[i], 1}; }
    Fraction sumValue(const PairTables::Pair &p) const
    {
        return {UInt128(m_units[p.small]) + m_units[p.large], 1};
    }
    Fraction parallelValue(const PairTables::Pair &p) const
    {
        return {UInt128(m_units[p.small]) * m_units[p.large],
                UInt128(m_units[p.small]) + m_units[p.large]};
    }

    std::vector<Network> run(const PairTables *tables, int maxParts, std::size_t count) const
    {
        auto best = Best<Candidate, decltype(&before), decltype(&compareError)>(count, &before,
                                                                                &compareError);
        const auto same = [](const Candidate &x, const Candidate &y) {
            return x.network.shape == y.network.shape && x.network.parts == y.network.parts;
        };
        const Query target{Query::Finite, m_target.numerator, m_target.denominator};
        const std::size_t n = m_units.size();

        walk(
            n, lowerBound(n, target, [this](std::size_t i) { return partValue(i); }),
            [this](std::size_t i) { return candidate(Shape::Single, std::uint16_t(i)); }, best,
            same);
        if (maxParts >= 2 && tables) {
            const auto &sums = tables->sums;
            const auto &pars = tables->parallels;
            const auto sumAt = [&](std::size_t i) { return sumValue(sums[i]); };
            const auto parAt = [&](std::size_t i) { return parallelValue(pars[i]); };
            walk(
                sums.size(), lowerBound(sums.size(), target, sumAt),
                [&](std::size_t i) {
                    return candidate(Shape::Series2, sums[i].small, sums[i].large);
                },
                best, same);
            walk(
                pars.size(), lowerBound(pars.size(), target, parAt),
                [&](std::size_t i) {
                    return candidate(Shape::Parallel2, pars[i].small, pars[i].large);
                },
                best, same);
            if (maxParts >= 3)
                for (std::size_t a = 0; a < n; ++a) {
                    if (isLeftOut(a))
                        continue;
                    const auto ai = std::uint16_t(a);
                    // What the other two must make: in series with a, the
                    // target minus a; in parallel with a, x with a ∥ x =
                    // target, x = a·T / (a − T), where a exceeds the target.
                    const UInt128 aTd = UInt128(m_units[a]) * m_target.denominator;
                    const Query rest =
                        aTd >= m_target.numerator
                            ? Query{Query::BelowAll}
                            : Query{Query::Finite, m_target.numerator - aTd, m_target.denominator};
                    const Query across =
                        aTd > m_target.numerator
                            ? Query{Query::Finite, UInt128(m_units[a]) * m_target.numerator,
                                    aTd - m_target.numerator}
                            : Query{Query::AboveAll};
                    walk(
                        sums.size(), lowerBound(sums.size(), rest, sumAt),
                        [&](std::size_t i) {
                            return candidate(Shape::Series3, ai, sums[i].small, sums[i].large);
                        },
                        best, same);
                    walk(
                        pars.size(), lowerBound(pars.size(), across, parAt),
                        [&](std::size_t i) {
                            return candidate(Shape::Parallel3, ai, pars[i].small, pars[i].large);
                        },
                        best, same);
                    walk(
                        pars.size(), lowerBound(pars.size(), rest, parAt),
                        [&](std::size_t i) {
                            return candidate(Shape::SeriesParallel, ai, pars[i].small,
                                             pars[i].large);
                        },
                        best, same);
                    walk(
                        sums.size(), lowerBound(sums.size(), across, sumAt),
                        [&](std::size_t i) {
                            return candidate(Shape::ParallelSeries, ai, sums[i].small,
                                             sums[i].large);
                        },
                        best, same);
                }
        }
        std::vector<Network> result;
        for (const Candidate &c : best.list())
            result.push_back(c.network);
        return result;
    }

private:
    const PartSet &m_set;
    UnitFraction m_target;
    const std::vector<bool> &m_leftOut;
    std::vector<std::uint64_t> m_units;
};

struct DividerCandidate {
    Divider divider;
    UInt128 gap = 0; // |R2·d − n·(R1 + R2)|: |error| is gap / (n·(R1 + R2))
    UInt128 total = 0;
    int fine = 0;
};

int compareDividerError(const DividerCandidate &x, const DividerCandidate &y)
{
    return compareProducts(x.gap, y.total, y.gap, x.total);
}

bool dividerBefore(const DividerCandidate &x, const DividerCandidate &y)
{
    if (const int c = compareDividerError(x, y))
        return c < 0;
    if (x.fine != y.fine)
        return x.fine < y.fine;
    if (x.total != y.total)
        return x.total < y.total;
    return x.divider.r2 < y.divider.r2;
}

} // namespace

QString seriesChoiceName(SeriesChoice series)
{
    switch (series) {
    case SeriesChoice::E6:
        return QStringLiteral("E6");
    case SeriesChoice::E12:
        return QStringLiteral("E12");
    case SeriesChoice::E24:
        return QStringLiteral("E24");
    case SeriesChoice::E48:
        return QStringLiteral("E48");
    case SeriesChoice::E96:
        return QStringLiteral("E96");
    case SeriesChoice::E192:
        return QStringLiteral("E192");
    case SeriesChoice::E24PlusE96:
        return QStringLiteral("E24 + E96");
    }
    return {};
}

std::optional<SeriesChoice> seriesChoiceNamed(const QString &name)
{
    QString compact = name;
    compact.remove(u' ');
    for (const SeriesChoice s : seriesChoices) {
        QString n = seriesChoiceName(s);
        if (compact.compare(n.remove(u' '), Qt::CaseInsensitive) == 0)
            return s;
    }
    return std::nullopt;
}

std::int32_t usualToleranceHundredths(SeriesChoice series)
{
    switch (series) {
    case SeriesChoice::E6:
        return 2000;
    case SeriesChoice::E12:
        return 1000;
    case SeriesChoice::E24:
        return 500;
    case SeriesChoice::E48:
        return 200;
    case SeriesChoice::E96:
    case SeriesChoice::E24PlusE96:
        return 100;
    case SeriesChoice::E192:
        return 50;
    }
    return 0;
}

int compareValues(const ExactValue &a, const ExactValue &b)
{
    const ExactValue x = colorcode::normalised(a);
    const ExactValue y = colorcode::normalised(b);
    if (x.digits.empty() || y.digits.empty())
        return x.digits.empty() ? (y.digits.empty() ? 0 : -1) : 1;
    if (const int px = leadingPower(x), py = leadingPower(y); px != py)
        return px < py ? -1 : 1;
    const std::size_t length = std::max(x.digits.size(), y.digits.size());
    const std::string dx = x.digits + std::string(length - x.digits.size(), '0');
    const std::string dy = y.digits + std::string(length - y.digits.size(), '0');
    return dx < dy ? -1 : dx > dy ? 1 : 0;
}

std::optional<std::size_t> PartSet::indexOf(const ExactValue &ohms) const
{
    const ExactValue n = colorcode::normalised(ohms);
    const auto at = std::ranges::lower_bound(
        parts, n, [](const ExactValue &x, const ExactValue &y) { return compareValues(x, y) < 0; },
        &Part::ohms);
    if (at == parts.end() || at->ohms != n)
        return std::nullopt;
    return std::size_t(at - parts.begin());
}

std::variant<PartSet, RangeError> partsInRange(SeriesChoice series, const ExactValue &low,
                                               const ExactValue &high)
{
    const ExactValue lowN = colorcode::normalised(low);
    const ExactValue highN = colorcode::normalised(high);
    if (lowN.digits.empty())
        return RangeError::NotAboveZero;
    if (compareValues(lowN, highN) > 0)
        return RangeError::LowAboveHigh;
    // Beyond twelve decades the units would not fit in any case.
    const int firstDecade = leadingPower(lowN);
    const int lastDecade = leadingPower(highN);
    if (lastDecade - firstDecade > 12)
        return RangeError::TooWide;

    const Significands s = significandsOf(series);
    PartSet set;
    set.series = series;
    for (int decade = firstDecade; decade <= lastDecade; ++decade)
        for (std::size_t i = 0; i < s.values.size(); ++i) {
            Part p;
            p.ohms = colorcode::normalised(
                ExactValue{std::to_string(s.values[i]), decade - s.digits + 1});
            p.fine = s.fine[i];
            if (compareValues(p.ohms, lowN) >= 0 && compareValues(p.ohms, highN) <= 0)
                set.parts.push_back(std::move(p));
        }
    if (set.parts.empty())
        return RangeError::NoParts;
    set.unitPower = std::ranges::min(set.parts, {}, [](const Part &p) {
                        return p.ohms.powerOfTen;
                    }).ohms.powerOfTen;
    for (Part &p : set.parts) {
        const int shift = p.ohms.powerOfTen - set.unitPower;
        const UInt128 units = digitsValue(p.ohms.digits) * powerOfTen(std::min(shift, 20));
        if (shift > 12 || units > powerOfTen(12))
            return RangeError::TooWide;
        p.units = std::uint64_t(units);
    }
    return set;
}

std::size_t pairCount(const PartSet &set)
{
    const std::size_t n = set.parts.size();
    return n * (n + 1) / 2;
}

PairTables::PairTables(const PartSet &set)
{
    const std::size_t n = set.parts.size();
    std::vector<std::uint64_t> u;
    u.reserve(n);
    for (const Part &p : set.parts)
        u.push_back(p.units);

    // Sums: sorted as one integer key, the sum above the two indices.
    {
        std::vector<UInt128> keys;
        keys.reserve(pairCount(set));
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = i; j < n; ++j)
                keys.push_back((UInt128(u[i] + u[j]) << 32) | (i << 16) | j);
        std::sort(keys.begin(), keys.end());
        sums.reserve(keys.size());
        for (const UInt128 k : keys)
            sums.push_back({std::uint16_t(std::uint32_t(k) >> 16), std::uint16_t(k)});
    }
    // Parallel values: by the whole units below each value first, the exact
    // fraction only among values with the same whole part.
    {
        struct Entry {
            std::uint64_t whole;
            std::uint32_t pair; // small << 16 | large
        };
        std::vector<Entry> entries;
        entries.reserve(pairCount(set));
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = i; j < n; ++j)
                entries.push_back({std::uint64_t(UInt128(u[i]) * u[j] / (u[i] + u[j])),
                                   std::uint32_t((i << 16) | j)});
        std::sort(entries.begin(), entries.end(), [&u](const Entry &x, const Entry &y) {
            if (x.whole != y.whole)
                return x.whole < y.whole;
            const std::uint64_t a = u[x.pair >> 16], b = u[x.pair & 0xFFFF];
            const std::uint64_t c = u[y.pair >> 16], d = u[y.pair & 0xFFFF];
            // ab / (a + b) against cd / (c + d); both sides stay below 2^127.
            const UInt128 left = UInt128(a) * b * (c + d);
            const UInt128 right = UInt128(c) * d * (a + b);
            if (left != right)
                return left < right;
            return x.pair < y.pair;
        });
        parallels.reserve(entries.size());
        for (const Entry &e : entries)
            parallels.push_back({std::uint16_t(e.pair >> 16), std::uint16_t(e.pair & 0xFFFF)});
    }
}

int partCount(Shape shape)
{
    switch (shape) {
    case Shape::Single:
        return 1;
    case Shape::Series2:
    case Shape::Parallel2:
        return 2;
    case Shape::Series3:
    case Shape::Parallel3:
    case Shape::SeriesParallel:
    case Shape::ParallelSeries:
        return 3;
    }
    return 0;
}

std::optional<UnitFraction> inUnits(const PartSet &set, const ExactValue &ohms)
{
    const ExactValue n = colorcode::normalised(ohms);
    if (n.digits.empty() || n.digits.size() > 24)
        return std::nullopt;
    const int shift = n.powerOfTen - set.unitPower;
    if (shift >= 0) {
        if (int(n.digits.size()) + shift > 24)
            return std::nullopt;
        return UnitFraction{digitsValue(n.digits) * powerOfTen(shift), 1};
    }
    if (-shift > 18)
        return std::nullopt;
    return UnitFraction{digitsValue(n.digits), powerOfTen(-shift)};
}

std::vector<Network> bestNetworks(const PartSet &set, const PairTables *tables,
                                  const ExactValue &target, int maxParts,
                                  const std::vector<bool> &leftOut, std::size_t count)
{
    const std::optional<UnitFraction> t = inUnits(set, target);
    if (!t || count == 0 || (!leftOut.empty() && leftOut.size() != set.parts.size()))
        return {};
    return NetworkSearch(set, *t, leftOut).run(tables, std::clamp(maxParts, 1, 3), count);
}

std::vector<Divider> bestDividers(const PartSet &set, Ratio target,
                                  const std::vector<bool> &leftOut, std::size_t count)
{
    if (target.numerator == 0 || target.numerator >= target.denominator || count == 0 ||
        (!leftOut.empty() && leftOut.size() != set.parts.size()))
        return {};
    const auto isLeftOut = [&](std::size_t i) { return !leftOut.empty() && leftOut[i]; };
    const std::size_t n = set.parts.size();
    const UInt128 rn = target.numerator, rd = target.denominator;
    auto best = Best<DividerCandidate, decltype(&dividerBefore), decltype(&compareDividerError)>(
        count, &dividerBefore, &compareDividerError);
    const auto same = [](const DividerCandidate &, const DividerCandidate &) { return false; };
    for (std::size_t j = 0; j < n; ++j) {
        if (isLeftOut(j))
            continue;
        const UInt128 r2 = set.parts[j].units;
        // R2 / (R1 + R2) = n / d where R1 = R2·(d − n) / n; a smaller R1 gives
        // a larger ratio.
        const Query r1{Query::Finite, r2 * (rd - rn), rn};
        const auto make = [&](std::size_t i) -> std::optional<DividerCandidate> {
            if (isLeftOut(i))
                return std::nullopt;
            DividerCandidate c;
            c.divider = {std::uint16_t(i), std::uint16_t(j)};
            c.total = UInt128(set.parts[i].units) + r2;
            const UInt128 reached = r2 * rd, wanted = rn * c.total;
            c.gap = reached > wanted ? reached - wanted : wanted - reached;
            c.fine = (set.parts[i].fine ? 1 : 0) + (set.parts[j].fine ? 1 : 0);
            return c;
        };
        walk(n,
             lowerBound(n, r1,
                        [&](std::size_t i) {
                            return Fraction{set.parts[i].units, 1};
                        }),
             make, best, same);
    }
    std::vector<Divider> result;
    for (const DividerCandidate &c : best.list())
        result.push_back(c.divider);
    return result;
}

} // namespace combine
