#pragma once

// A brute-force oracle for the combination search, shared by its tests and
// its bench: every network of a part set valued exactly in plain 128-bit
// integers (the sets kept small enough for that) and ranked by the order
// documented in combine/combination.h, written here on its own.

#include "colorcode/exactvalue.h"
#include "colorcode/standardvalues.h"
#include "combine/combination.h"

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

namespace bruteforce
{

using colorcode::ExactValue;
using combine::SeriesChoice;
using combine::Shape;

__extension__ using Int = __int128;

// The values of a series from 10^lowPower to 10^highPower ohms, written out
// from the tables on their own: integers in units of 10^unitPower ohms,
// where the smallest significand of the lowest decade is a whole number.
struct Parts {
    int unitPower = 0;
    std::vector<Int> units;
    std::vector<bool> fine;
};

inline Parts partsOf(SeriesChoice series, int lowPower, int highPower)
{
    std::set<int> coarse, fine;
    int digits = 3;
    const auto add = [](std::set<int> &to, colorcode::Series s, int scale) {
        for (const std::int16_t v : colorcode::seriesTable(s))
            to.insert(v * scale);
    };
    switch (series) {
    case SeriesChoice::E6:
        add(coarse, colorcode::Series::E6, 1), digits = 2;
        break;
    case SeriesChoice::E12:
        add(coarse, colorcode::Series::E12, 1), digits = 2;
        break;
    case SeriesChoice::E24:
        add(coarse, colorcode::Series::E24, 1), digits = 2;
        break;
    case SeriesChoice::E48:
        add(coarse, colorcode::Series::E48, 1);
        break;
    case SeriesChoice::E96:
        add(coarse, colorcode::Series::E96, 1);
        break;
    case SeriesChoice::E192:
        add(coarse, colorcode::Series::E192, 1);
        break;
    case SeriesChoice::E24PlusE96:
        add(coarse, colorcode::Series::E24, 10);
        add(fine, colorcode::Series::E96, 1);
        break;
    }
    Parts p;
    p.unitPower = lowPower - digits + 1;
    std::set<int> all = coarse;
    all.insert(fine.begin(), fine.end());
    for (int decade = lowPower; decade < highPower; ++decade) {
        Int scale = 1;
        for (int i = lowPower; i < decade; ++i)
            scale *= 10;
        for (const int s : all) {
            p.units.push_back(s * scale);
            p.fine.push_back(!coarse.contains(s));
        }
    }
    Int top = 1; // 10^highPower ohms, the last value
    for (int i = p.unitPower; i < highPower; ++i)
        top *= 10;
    p.units.push_back(top);
    p.fine.push_back(false);
    return p;
}

struct Network {
    Shape shape;
    std::array<int, 3> written{};
    std::array<int, 3> ascending{};
    int count = 0;
    Int n = 0, d = 1;
};

inline Int absolute(Int x)
{
    return x < 0 ? -x : x;
}

// The documented order for a target of t units.
struct Order {
    const Parts &parts;
    Int t;
    bool operator()(const Network &x, const Network &y) const
    {
        const Int left = absolute(x.n - t * x.d) * y.d, right = absolute(y.n - t * y.d) * x.d;
        if (left != right)
            return left < right;
        if (x.count != y.count)
            return x.count < y.count;
        const auto fineCount = [this](const Network &z) {
            int f = 0;
            for (int i = 0; i < z.count; ++i)
                f += parts.fine[std::size_t(z.written[std::size_t(i)])];
            return f;
        };
        if (fineCount(x) != fineCount(y))
            return fineCount(x) < fineCount(y);
        const auto largestGap = [this](const Network &z) {
            return absolute(parts.units[std::size_t(z.ascending[std::size_t(z.count - 1)])] - t);
        };
        if (largestGap(x) != largestGap(y))
            return largestGap(x) < largestGap(y);
        if (x.ascending != y.ascending)
            return x.ascending < y.ascending;
        if (x.shape != y.shape)
            return x.shape < y.shape;
        return x.written < y.written;
    }
};

// Every network once, valued; each handed to `visit`.
template <typename Visit>
void everyNetwork(const Parts &p, int maxParts, const std::vector<bool> &leftOut,
                  const Visit &visit)
{
    const int n = int(p.units.size());
    const auto out = [&](int i) { return !leftOut.empty() && leftOut[std::size_t(i)]; };
    const auto u = [&](int i) { return p.units[std::size_t(i)]; };
    const auto record = [&](Shape shape, std::array<int, 3> written, int count, Int num, Int den) {
        Network net{shape, written, written, count, num, den};
        std::sort(net.ascending.begin(), net.ascending.begin() + count);
        visit(net);
    };
    for (int a = 0; a < n; ++a) {
        if (out(a))
            continue;
        record(Shape::Single, {a, 0, 0}, 1, u(a), 1);
        if (maxParts < 2)
            continue;
        for (int b = a; b < n; ++b) {
            if (out(b))
                continue;
            record(Shape::Series2, {a, b, 0}, 2, u(a) + u(b), 1);
            record(Shape::Parallel2, {a, b, 0}, 2, u(a) * u(b), u(a) + u(b));
            if (maxParts < 3)
                continue;
            for (int c = b; c < n; ++c)
                if (!out(c)) {
                    record(Shape::Series3, {a, b, c}, 3, u(a) + u(b) + u(c), 1);
                    record(Shape::Parallel3, {a, b, c}, 3, u(a) * u(b) * u(c),
                           u(a) * u(b) + u(b) * u(c) + u(c) * u(a));
                }
            // a in front of the pair b ≤ c, any a.
            for (int x = 0; x < n; ++x)
                if (!out(x)) {
                    record(Shape::SeriesParallel, {x, a, b}, 3, u(x) * (u(a) + u(b)) + u(a) * u(b),
                           u(a) + u(b));
                    record(Shape::ParallelSeries, {x, a, b}, 3, u(x) * (u(a) + u(b)),
                           u(x) + u(a) + u(b));
                }
        }
    }
}

inline std::vector<Network> best(const Parts &p, Int target, int maxParts,
                                 const std::vector<bool> &leftOut, std::size_t count = 10)
{
    const Order order{p, target};
    std::vector<Network> best;
    everyNetwork(p, maxParts, leftOut, [&](const Network &net) {
        if (best.size() == count && !order(net, best.back()))
            return;
        best.insert(std::upper_bound(best.begin(), best.end(), net, order), net);
        if (best.size() > count)
            best.pop_back();
    });
    return best;
}

inline ExactValue inOhms(Int units, int unitPower)
{
    std::string digits;
    for (Int v = units; v > 0; v /= 10)
        digits.insert(digits.begin(), char('0' + int(v % 10)));
    return colorcode::normalised(ExactValue{digits, unitPower});
}

} // namespace bruteforce
