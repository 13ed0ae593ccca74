#pragma once

// The program's one wide integer: unsigned, a fixed number of 64-bit limbs.
// The combination search compares products that outgrow 128 bits (an
// error's numerator times another network's denominator needs up to some
// 300 bits), and exact errors and fractions are written out from them. No
// allocation, so the search stays fast; no floating point anywhere.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace numbers
{

__extension__ using UInt128 = unsigned __int128;

template <std::size_t L> struct Wide {
    std::array<std::uint64_t, L> limb{}; // least significant first
};

template <std::size_t L> constexpr Wide<L> widen(UInt128 value)
{
    static_assert(L >= 2);
    Wide<L> w;
    w.limb[0] = std::uint64_t(value);
    w.limb[1] = std::uint64_t(value >> 64);
    return w;
}

// Zero-extends or, where the value fits, narrows.
template <std::size_t To, std::size_t From> constexpr Wide<To> resized(const Wide<From> &value)
{
    Wide<To> w;
    for (std::size_t i = 0; i < To && i < From; ++i)
        w.limb[i] = value.limb[i];
    return w;
}

template <std::size_t A, std::size_t B>
constexpr Wide<A + B> operator*(const Wide<A> &x, const Wide<B> &y)
{
    Wide<A + B> r;
    for (std::size_t i = 0; i < A; ++i) {
        if (x.limb[i] == 0)
            continue;
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < B; ++j) {
            const UInt128 t = UInt128(x.limb[i]) * y.limb[j] + r.limb[i + j] + carry;
            r.limb[i + j] = std::uint64_t(t);
            carry = std::uint64_t(t >> 64);
        }
        r.limb[i + B] = carry;
    }
    return r;
}

// The full product of two 128-bit numbers.
constexpr Wide<4> product(UInt128 x, UInt128 y)
{
    return widen<2>(x) * widen<2>(y);
}

// -1, 0 or 1 as x is below, equal to or above y; sizes may differ.
template <std::size_t A, std::size_t B> constexpr int compare(const Wide<A> &x, const Wide<B> &y)
{
    for (std::size_t i = (A > B ? A : B); i-- > 0;) {
        const std::uint64_t a = i < A ? x.limb[i] : 0;
        const std::uint64_t b = i < B ? y.limb[i] : 0;
        if (a != b)
            return a < b ? -1 : 1;
    }
    return 0;
}

[[gnu::noinline]] inline int compareWideProducts(UInt128 a, UInt128 b, UInt128 c, UInt128 d)
{
    return compare(product(a, b), product(c, d));
}

// -1, 0 or 1 as a·b is below, equal to or above c·d.
[[gnu::always_inline]] inline int compareProducts(UInt128 a, UInt128 b, UInt128 c, UInt128 d)
{
    // Most products in the search fit 128 bits; only the rest take the long
    // way, kept out of line so that this stays small enough to inline.
    if (((a | b | c | d) >> 64) == 0) {
        const UInt128 left = a * b;
        const UInt128 right = c * d;
        return (left > right) - (left < right);
    }
    return compareWideProducts(a, b, c, d);
}

template <std::size_t L> constexpr Wide<L> operator+(const Wide<L> &x, const Wide<L> &y)
{
    Wide<L> r;
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < L; ++i) {
        const UInt128 t = UInt128(x.limb[i]) + y.limb[i] + carry;
        r.limb[i] = std::uint64_t(t);
        carry = std::uint64_t(t >> 64);
    }
    return r;
}

// x − y for x ≥ y.
template <std::size_t L> constexpr Wide<L> operator-(const Wide<L> &x, const Wide<L> &y)
{
    Wide<L> r;
    std::uint64_t borrow = 0;
    for (std::size_t i = 0; i < L; ++i) {
        const std::uint64_t a = x.limb[i];
        const std::uint64_t b = y.limb[i];
        r.limb[i] = a - b - borrow;
        borrow = (a < b || (a == b && borrow)) ? 1 : 0;
    }
    return r;
}

// |x − y|, and whether x lies below y.
template <std::size_t L> struct Difference {
    Wide<L> magnitude;
    bool negative = false;
};

template <std::size_t L> constexpr Difference<L> difference(const Wide<L> &x, const Wide<L> &y)
{
    return compare(x, y) < 0 ? Difference<L>{y - x, true} : Difference<L>{x - y, false};
}

template <std::size_t L> constexpr bool isZero(const Wide<L> &x)
{
    for (const std::uint64_t l : x.limb)
        if (l)
            return false;
    return true;
}

// The quotient and remainder of x / y, y above zero; bit by bit, for
// writing out the few results only.
template <std::size_t L> struct Division {
    Wide<L> quotient, remainder;
};

template <std::size_t L> constexpr Division<L> divide(const Wide<L> &x, const Wide<L> &y)
{
    Division<L> d;
    // From the highest limb in use: most numbers written out fill few.
    std::size_t used = L;
    while (used > 0 && x.limb[used - 1] == 0)
        --used;
    for (std::size_t bit = used * 64; bit-- > 0;) {
        // remainder = remainder · 2 + the next bit of x
        for (std::size_t i = L; i-- > 1;)
            d.remainder.limb[i] = (d.remainder.limb[i] << 1) | (d.remainder.limb[i - 1] >> 63);
        d.remainder.limb[0] = (d.remainder.limb[0] << 1) | ((x.limb[bit / 64] >> (bit % 64)) & 1);
        if (compare(d.remainder, y) >= 0) {
            d.remainder = d.remainder - y;
            d.quotient.limb[bit / 64] |= std::uint64_t(1) << (bit % 64);
        }
    }
    return d;
}

// x · m for a small m; the caller keeps the product within the size.
template <std::size_t L> constexpr Wide<L> timesSmall(const Wide<L> &x, std::uint64_t m)
{
    Wide<L> r;
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < L; ++i) {
        const UInt128 t = UInt128(x.limb[i]) * m + carry;
        r.limb[i] = std::uint64_t(t);
        carry = std::uint64_t(t >> 64);
    }
    return r;
}

// x / m and x mod m for a small m above zero.
template <std::size_t L>
constexpr std::pair<Wide<L>, std::uint64_t> divideSmall(const Wide<L> &x, std::uint64_t m)
{
    Wide<L> q;
    UInt128 rest = 0;
    for (std::size_t i = L; i-- > 0;) {
        const UInt128 t = (rest << 64) | x.limb[i];
        q.limb[i] = std::uint64_t(t / m);
        rest = t % m;
    }
    return {q, std::uint64_t(rest)};
}

// Decimal digits ('0' to '9') followed by `zeros` zeros; nothing where the
// number does not fit.
template <std::size_t L>
constexpr std::optional<Wide<L>> fromDigits(std::string_view digits, int zeros = 0)
{
    Wide<L> w;
    const auto push = [&w](std::uint64_t digit) {
        if (w.limb[L - 1] >= (~std::uint64_t(0)) / 10)
            return false;
        w = timesSmall(w, 10);
        std::uint64_t carry = digit;
        for (std::size_t i = 0; i < L && carry; ++i) {
            w.limb[i] += carry;
            carry = w.limb[i] < carry ? 1 : 0;
        }
        return carry == 0;
    };
    for (const char c : digits)
        if (!push(std::uint64_t(c - '0')))
            return std::nullopt;
    for (int i = 0; i < zeros; ++i)
        if (!push(0))
            return std::nullopt;
    return w;
}

// The decimal digits, "0" for zero.
template <std::size_t L> std::string decimalDigits(Wide<L> x)
{
    std::string reversed;
    do {
        const auto [q, rest] = divideSmall(x, 10);
        x = q;
        reversed += char('0' + int(rest));
    } while (!isZero(x));
    return {reversed.rbegin(), reversed.rend()};
}

} // namespace numbers
