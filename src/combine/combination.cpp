#include "combine/combination.h"

#include "colorcode/standardvalues.h"

#include <algorithm>
#include <span>
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
    const auto single = [](colorcode::Series s) {
        Significands result;
        result.digits = colorcode::infoOf(s).significantDigits;
        for (const std::int16_t v : colorcode::seriesTable(s)) {
            result.values.push_back(v);
            result.fine.push_back(false);
        }
        return result;
    };
    if (const std::optional<colorcode::Series> one = singleSeries(series))
        return single(*one);
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

[[gnu::always_inline]] inline bool below(const Fraction &v, const Query &q)
{
    return compareProducts(v.numerator, q.denominator, q.numerator, v.denominator) < 0;
}

// The first index whose value is at least the query's. The samples (entry
// (s + 1)·step − 1 as sample s) narrow the search to one block first, so
// that only its last steps touch the large table.
template <typename ValueOf>
std::size_t lowerBound(std::span<const PairTables::Pair> table,
                       std::span<const PairTables::Pair> samples, const Query &q,
                       const ValueOf &valueOf)
{
    if (q.kind == Query::BelowAll)
        return 0;
    if (q.kind == Query::AboveAll)
        return table.size();
    // The first sample at or above the query; the answer lies after the
    // sample before it and no later than this one.
    const auto firstSample =
        std::partition_point(samples.begin(), samples.end(),
                             [&](const PairTables::Pair &p) { return below(valueOf(p), q); });
    const std::size_t s = std::size_t(firstSample - samples.begin());
    constexpr std::size_t step = PairTables::sampleStep;
    const auto from = table.begin() + std::ptrdiff_t(s * step);
    const auto to = table.begin() + std::ptrdiff_t(std::min(table.size(), (s + 1) * step));
    return std::size_t(
        std::partition_point(from, to,
                             [&](const PairTables::Pair &p) { return below(valueOf(p), q); }) -
        table.begin());
}

std::size_t lowerBound(std::span<const std::uint64_t> values, const Query &q)
{
    if (q.kind != Query::Finite)
        return q.kind == Query::BelowAll ? 0 : values.size();
    return std::size_t(std::partition_point(values.begin(), values.end(),
                                            [&](std::uint64_t v) {
                                                return below({v, 1}, q);
                                            }) -
                       values.begin());
}

// |x| / y against |u| / v, each numerator below 2^256.
int compareErrors(const Wide<4> &x, UInt128 y, const Wide<4> &u, UInt128 v)
{
    if ((x.limb[2] | x.limb[3] | u.limb[2] | u.limb[3]) == 0) {
        const UInt128 a = (UInt128(x.limb[1]) << 64) | x.limb[0];
        const UInt128 b = (UInt128(u.limb[1]) << 64) | u.limb[0];
        return compareProducts(a, v, b, y);
    }
    return compare(x * widen<2>(v), u * widen<2>(y));
}

// A network as found along a walk: enough to tell whether it can enter.
struct Probe {
    Shape shape;
    std::array<std::uint16_t, 3> ids; // as written
    UInt128 numerator, denominator;
    Wide<4> gap; // |N·Td − Tn·D|: |error| is gap / (Tn·D)
};

// A network that may enter: with all the order looks at.
struct Candidate {
    Network network;
    Wide<4> gap;
    int parts = 0;
    int fine = 0;
    UInt128 largestGap = 0; // |largest·Td − Tn|
    std::array<std::uint16_t, 3> ascending{};
};

bool before(const Candidate &x, const Candidate &y)
{
    if (const int c = compareErrors(x.gap, x.network.denominator, y.gap, y.network.denominator))
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

// The best candidates so far, in order, each network once. Rules gives
// error(probe, candidate), complete(probe), before(x, y) and same(x, y).
template <typename P, typename C, typename Rules> class Best
{
public:
    Best(std::size_t count, const Rules &rules) : m_count(count), m_rules(rules)
    {
        m_list.reserve(count + 1);
    }

    // Whether the probe's |error| is larger than that of the last kept
    // one: then nothing further out along the same walk can enter.
    bool beyond(const P &p) const
    {
        return m_list.size() == m_count && m_rules.error(p, m_list.back()) > 0;
    }

    void offer(const P &p)
    {
        const C c = m_rules.complete(p);
        if (m_list.size() == m_count && !m_rules.before(c, m_list.back()))
            return;
        for (const C &kept : m_list)
            if (m_rules.same(kept, c))
                return;
        m_list.insert(
            std::upper_bound(m_list.begin(), m_list.end(), c,
                             [this](const C &x, const C &y) { return m_rules.before(x, y); }),
            c);
        if (m_list.size() > m_count)
            m_list.pop_back();
    }

    const std::vector<C> &list() const { return m_list; }

private:
    std::size_t m_count;
    const Rules &m_rules;
    std::vector<C> m_list;
};

// Walks out from a split point both ways, the values below it and those at
// and above it, each way nearest first, as long as they can still enter.
// The values are monotonic in the index, so the first one beyond the best
// ends its way.
template <typename ProbeAt, typename B>
void walk(std::size_t size, std::size_t split, const ProbeAt &probeAt, B &best)
{
    for (std::size_t i = split; i-- > 0;) {
        const auto p = probeAt(i);
        if (!p)
            continue;
        if (best.beyond(*p))
            break;
        best.offer(*p);
    }
    for (std::size_t i = split; i < size; ++i) {
        const auto p = probeAt(i);
        if (!p)
            continue;
        if (best.beyond(*p))
            break;
        best.offer(*p);
    }
}

class NetworkSearch
{
public:
    NetworkSearch(const PartSet &set, UnitFraction target, const std::vector<bool> &leftOut)
        : m_target(target)
    {
        for (std::size_t i = 0; i < set.parts.size(); ++i) {
            m_units.push_back(set.parts[i].units);
            m_fine.push_back(set.parts[i].fine ? 1 : 0);
            m_out.push_back(!leftOut.empty() && leftOut[i] ? 1 : 0);
        }
    }

    std::optional<Probe> probe(Shape shape, std::uint16_t a, std::uint16_t b = 0,
                               std::uint16_t c = 0) const
    {
        if (m_out[a] | m_out[b] | m_out[c])
            return std::nullopt;
        const UInt128 x = m_units[a], y = m_units[b], z = m_units[c];
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
        return Probe{shape, {a, b, c}, n, d, gapOf(n, d)};
    }

    // The rules for Best.
    int error(const Probe &p, const Candidate &c) const
    {
        return compareErrors(p.gap, p.denominator, c.gap, c.network.denominator);
    }
    bool before(const Candidate &x, const Candidate &y) const { return combine::before(x, y); }
    bool same(const Candidate &x, const Candidate &y) const
    {
        return x.network.shape == y.network.shape && x.network.parts == y.network.parts;
    }
    Candidate complete(const Probe &p) const
    {
        Candidate k;
        k.parts = partCount(p.shape);
        k.ascending = p.ids;
        std::sort(k.ascending.begin(), k.ascending.begin() + k.parts);
        const bool symmetric = p.shape != Shape::SeriesParallel && p.shape != Shape::ParallelSeries;
        k.network = {p.shape, symmetric ? k.ascending : p.ids, p.numerator, p.denominator};
        k.gap = p.gap;
        for (int i = 0; i < k.parts; ++i)
            k.fine += m_fine[p.ids[std::size_t(i)]];
        const UInt128 scaled =
            UInt128(m_units[k.ascending[std::size_t(k.parts - 1)]]) * m_target.denominator;
        k.largestGap =
            scaled > m_target.numerator ? scaled - m_target.numerator : m_target.numerator - scaled;
        return k;
    }

    std::vector<Network> run(const PairTables *tables, int maxParts, std::size_t count) const
    {
        Best<Probe, Candidate, NetworkSearch> best(count, *this);
        const Query target{Query::Finite, m_target.numerator, m_target.denominator};
        const std::size_t n = m_units.size();
        walk(
            n, lowerBound(m_units, target),
            [this](std::size_t i) { return probe(Shape::Single, std::uint16_t(i)); }, best);
        if (maxParts < 2 || !tables) {
            return networks(best.list());
        }
        const std::span<const PairTables::Pair> sums = tables->sums, pars = tables->parallels;
        const auto sumOf = [this](const PairTables::Pair &p) {
            return Fraction{UInt128(m_units[p.small]) + m_units[p.large], 1};
        };
        const auto parallelOf = [this](const PairTables::Pair &p) {
            return Fraction{UInt128(m_units[p.small]) * m_units[p.large],
                            UInt128(m_units[p.small]) + m_units[p.large]};
        };
        const auto inSums = [&](const Query &q) {
            return lowerBound(sums, tables->sumSamples, q, sumOf);
        };
        const auto inParallels = [&](const Query &q) {
            return lowerBound(pars, tables->parallelSamples, q, parallelOf);
        };
        walk(
            sums.size(), inSums(target),
            [&](std::size_t i) { return probe(Shape::Series2, sums[i].small, sums[i].large); },
            best);
        walk(
            pars.size(), inParallels(target),
            [&](std::size_t i) { return probe(Shape::Parallel2, pars[i].small, pars[i].large); },
            best);
        if (maxParts < 3)
            return networks(best.list());
        for (std::size_t a = 0; a < n; ++a) {
            if (m_out[a])
                continue;
            const auto ai = std::uint16_t(a);
            // What the other two must make: in series with a, the target
            // minus a; in parallel with a, x with a ∥ x = target, x = a·T /
            // (a − T), where a exceeds the target.
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
            const std::size_t sumsAtRest = inSums(rest), parsAtRest = inParallels(rest);
            walk(
                sums.size(), sumsAtRest,
                [&](std::size_t i) {
                    return probe(Shape::Series3, ai, sums[i].small, sums[i].large);
                },
                best);
            walk(
                pars.size(), parsAtRest,
                [&](std::size_t i) {
                    return probe(Shape::SeriesParallel, ai, pars[i].small, pars[i].large);
                },
                best);
            walk(
                pars.size(), inParallels(across),
                [&](std::size_t i) {
                    return probe(Shape::Parallel3, ai, pars[i].small, pars[i].large);
                },
                best);
            walk(
                sums.size(), inSums(across),
                [&](std::size_t i) {
                    return probe(Shape::ParallelSeries, ai, sums[i].small, sums[i].large);
                },
                best);
        }
        return networks(best.list());
    }

private:
    Wide<4> gapOf(UInt128 n, UInt128 d) const
    {
        const UInt128 tn = m_target.numerator, td = m_target.denominator;
        if (((n | d | tn | td) >> 64) == 0) {
            const UInt128 x = n * td, y = tn * d;
            return widen<4>(x > y ? x - y : y - x);
        }
        return difference(product(n, td), product(tn, d)).magnitude;
    }

    static std::vector<Network> networks(const std::vector<Candidate> &list)
    {
        std::vector<Network> result;
        for (const Candidate &c : list)
            result.push_back(c.network);
        return result;
    }

    UnitFraction m_target;
    std::vector<std::uint64_t> m_units;
    std::vector<std::uint8_t> m_fine, m_out;
};

struct DividerCandidate {
    Divider divider;
    UInt128 gap = 0; // |R2·d − n·(R1 + R2)|: |error| is gap / (n·(R1 + R2))
    UInt128 total = 0;
    int fine = 0;
};

struct DividerRules {
    int error(const DividerCandidate &x, const DividerCandidate &y) const
    {
        return compareProducts(x.gap, y.total, y.gap, x.total);
    }
    DividerCandidate complete(const DividerCandidate &c) const { return c; }
    bool before(const DividerCandidate &x, const DividerCandidate &y) const
    {
        if (const int c = error(x, y))
            return c < 0;
        if (x.fine != y.fine)
            return x.fine < y.fine;
        if (x.total != y.total)
            return x.total < y.total;
        return x.divider.r2 < y.divider.r2;
    }
    bool same(const DividerCandidate &, const DividerCandidate &) const { return false; }
};

} // namespace

std::optional<colorcode::Series> singleSeries(SeriesChoice series)
{
    // The single-series choices list the series in their own order.
    static_assert(int(SeriesChoice::E6) == int(colorcode::Series::E6) &&
                  int(SeriesChoice::E192) == int(colorcode::Series::E192));
    if (series == SeriesChoice::E24PlusE96)
        return std::nullopt;
    return colorcode::Series(int(series));
}

SeriesChoice choiceFor(const colorcode::SeriesSet &set)
{
    if (set.withE24 && set.series == colorcode::Series::E96)
        return SeriesChoice::E24PlusE96;
    return SeriesChoice(int(set.series));
}

QString seriesChoiceName(SeriesChoice series)
{
    if (const std::optional<colorcode::Series> one = singleSeries(series))
        return colorcode::seriesName(*one);
    return QStringLiteral("E24 + E96");
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

namespace
{

// Pairs i ≤ j sorted by a whole-number key below 2^64, ties by `tie`: the
// key and the pair packed into one integer, 64 bits wide where the key fits
// in 32, so that the sort compares plain integers.
template <typename Key, typename Tie>
std::vector<PairTables::Pair> sortedPairs(std::size_t n, std::uint64_t largestKey, const Key &key,
                                          const Tie &tie)
{
    std::vector<PairTables::Pair> pairs;
    pairs.reserve(n * (n + 1) / 2);
    const auto sortAs = [&]<typename Packed>(Packed) {
        std::vector<Packed> packed;
        packed.reserve(n * (n + 1) / 2);
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = i; j < n; ++j)
                packed.push_back((Packed(key(i, j)) << 32) | Packed((i << 16) | j));
        std::sort(packed.begin(), packed.end());
        for (const Packed k : packed)
            pairs.push_back({std::uint16_t(std::uint32_t(k) >> 16), std::uint16_t(k)});
        // Runs of one key in the order the tie gives.
        for (std::size_t first = 0, last = 0; first < packed.size(); first = last) {
            last = first + 1;
            while (last < packed.size() && (packed[last] >> 32) == (packed[first] >> 32))
                ++last;
            if (last - first > 1)
                std::sort(pairs.begin() + std::ptrdiff_t(first),
                          pairs.begin() + std::ptrdiff_t(last), tie);
        }
    };
    if (largestKey >> 32)
        sortAs(UInt128(0));
    else
        sortAs(std::uint64_t(0));
    return pairs;
}

} // namespace

PairTables::PairTables(const PartSet &set)
{
    const std::size_t n = set.parts.size();
    std::vector<std::uint64_t> u;
    u.reserve(n);
    for (const Part &p : set.parts)
        u.push_back(p.units);
    const auto byIndex = [](const Pair &x, const Pair &y) {
        return std::pair(x.small, x.large) < std::pair(y.small, y.large);
    };
    const std::uint64_t largest = u.empty() ? 0 : u.back();

    // A sum is its own key.
    sums = sortedPairs(
        n, 2 * largest, [&u](std::size_t i, std::size_t j) { return u[i] + u[j]; }, byIndex);
    // A parallel value by its whole units first, the exact fraction only
    // among values with the same whole part.
    parallels = sortedPairs(
        n, largest,
        [&u](std::size_t i, std::size_t j) -> std::uint64_t {
            const UInt128 product = UInt128(u[i]) * u[j];
            const std::uint64_t sum = u[i] + u[j];
            return product >> 64 ? std::uint64_t(product / sum) : std::uint64_t(product) / sum;
        },
        [&u, &byIndex](const Pair &x, const Pair &y) {
            // ab / (a + b) against cd / (c + d); both sides stay below 2^127.
            const std::uint64_t a = u[x.small], b = u[x.large], c = u[y.small], d = u[y.large];
            const UInt128 left = UInt128(a) * b * (c + d), right = UInt128(c) * d * (a + b);
            return left != right ? left < right : byIndex(x, y);
        });
    for (std::size_t i = sampleStep - 1; i < sums.size(); i += sampleStep) {
        sumSamples.push_back(sums[i]);
        parallelSamples.push_back(parallels[i]);
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
    std::vector<std::uint64_t> units;
    for (const Part &p : set.parts)
        units.push_back(p.units);
    const UInt128 rn = target.numerator, rd = target.denominator;
    const DividerRules rules;
    Best<DividerCandidate, DividerCandidate, DividerRules> best(count, rules);
    for (std::size_t j = 0; j < units.size(); ++j) {
        if (isLeftOut(j))
            continue;
        const UInt128 r2 = units[j];
        // R2 / (R1 + R2) = n / d where R1 = R2·(d − n) / n; a smaller R1 gives
        // a larger ratio.
        const Query r1{Query::Finite, r2 * (rd - rn), rn};
        const auto probeAt = [&](std::size_t i) -> std::optional<DividerCandidate> {
            if (isLeftOut(i))
                return std::nullopt;
            DividerCandidate c;
            c.divider = {std::uint16_t(i), std::uint16_t(j)};
            c.total = UInt128(units[i]) + r2;
            const UInt128 reached = r2 * rd, wanted = rn * c.total;
            c.gap = reached > wanted ? reached - wanted : wanted - reached;
            c.fine = (set.parts[i].fine ? 1 : 0) + (set.parts[j].fine ? 1 : 0);
            return c;
        };
        walk(units.size(), lowerBound(units, r1), probeAt, best);
    }
    std::vector<Divider> result;
    for (const DividerCandidate &c : best.list())
        result.push_back(c.divider);
    return result;
}

} // namespace combine
