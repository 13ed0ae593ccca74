#include "numbers/exactnumber.h"

#include <algorithm>
#include <charconv>

namespace numbers
{

ExactValue normalised(ExactValue value)
{
    const std::size_t first = value.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return {};
    value.digits.erase(0, first);
    const std::size_t last = value.digits.find_last_not_of('0');
    value.powerOfTen += int(value.digits.size() - 1 - last);
    value.digits.resize(last + 1);
    return value;
}

int compareValues(const ExactValue &a, const ExactValue &b)
{
    // Zero has no digits and lies below everything else.
    if (a.digits.empty() || b.digits.empty())
        return int(!a.digits.empty()) - int(!b.digits.empty());
    // By where the first digit stands, then digit by digit.
    const int magnitudeA = int(a.digits.size()) + a.powerOfTen;
    const int magnitudeB = int(b.digits.size()) + b.powerOfTen;
    if (magnitudeA != magnitudeB)
        return magnitudeA < magnitudeB ? -1 : 1;
    const std::size_t length = std::max(a.digits.size(), b.digits.size());
    for (std::size_t i = 0; i < length; ++i) {
        const char da = i < a.digits.size() ? a.digits[i] : '0';
        const char db = i < b.digits.size() ? b.digits[i] : '0';
        if (da != db)
            return da < db ? -1 : 1;
    }
    return 0;
}

ExactValue shifted(ExactValue value, int power)
{
    if (!value.digits.empty())
        value.powerOfTen += power;
    return value;
}

ExactValue fromUnits(std::uint64_t units, int decimals)
{
    return normalised({std::to_string(units), -decimals});
}

namespace
{

// The next decimal digit of a remainder below den: remainder·10 / den.
int nextDigit(WideInteger &remainder, const WideInteger &den)
{
    remainder = timesSmall(remainder, 10);
    int digit = 0;
    while (compare(remainder, den) >= 0) {
        remainder = remainder - den;
        ++digit;
    }
    return digit;
}

// The first `count` significant digits of a fraction above zero,
// truncated; the power of ten of the first; whether anything follows.
// Digit by digit, so that nothing grows beyond ten times the denominator.
struct Digits {
    std::string digits;
    int power = 0;
    bool more = false;
};

Digits leadingDigits(const Fraction &f, int count)
{
    Division<wideLimbs> d = divide(f.numerator, f.denominator);
    Digits result;
    if (!isZero(d.quotient)) {
        const std::string whole = decimalDigits(d.quotient);
        result.power = int(whole.size()) - 1;
        if (int(whole.size()) >= count) {
            result.digits = whole.substr(0, std::size_t(count));
            result.more = whole.find_first_not_of('0', std::size_t(count)) != std::string::npos ||
                          !isZero(d.remainder);
            return result;
        }
        result.digits = whole;
    } else {
        result.power = -1;
        int digit = nextDigit(d.remainder, f.denominator);
        for (; digit == 0; digit = nextDigit(d.remainder, f.denominator))
            --result.power;
        result.digits = std::string(1, char('0' + digit));
    }
    while (int(result.digits.size()) < count)
        result.digits += char('0' + nextDigit(d.remainder, f.denominator));
    result.more = !isZero(d.remainder);
    return result;
}

// The kept digits (possibly none), the power of ten of their last place,
// and what follows them: the next digit and whether anything after it is
// not zero.
ExactValue roundedDigits(std::string kept, int lowestPower, int next, bool beyond,
                         Rounding rounding)
{
    const bool up = rounding == Rounding::Nearest ? next >= 5
                    : rounding == Rounding::Up    ? next > 0 || beyond
                                                  : false;
    if (up) {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9')
            kept[--i] = '0';
        if (i == 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i - 1];
    }
    return normalised({kept, lowestPower});
}

// Rounding at the place of the digit `keep` places from the first (keep
// may be zero or less: the whole value lies below that place), given the
// first digits, their first's power and whether more follow.
ExactValue roundedAt(const std::string &digits, int firstPower, bool more, int keep,
                     Rounding rounding)
{
    const int lowestPower = firstPower - keep + 1;
    if (keep <= 0)
        return roundedDigits({}, lowestPower, keep == 0 ? digits[0] - '0' : 0, true, rounding);
    const std::size_t k = std::size_t(keep);
    if (digits.size() <= k && !more)
        return normalised({digits, firstPower - int(digits.size()) + 1});
    const int next = k < digits.size() ? digits[k] - '0' : 0;
    const bool beyond = more || digits.find_first_not_of('0', k + 1) != std::string::npos;
    return roundedDigits(digits.substr(0, std::min(k, digits.size())) +
                             std::string(k > digits.size() ? k - digits.size() : 0, '0'),
                         lowestPower, next, beyond, rounding);
}

int firstPower(const ExactValue &n)
{
    return int(n.digits.size()) + n.powerOfTen - 1;
}

} // namespace

ExactValue toSignificant(const ExactValue &value, int digits, Rounding rounding)
{
    const ExactValue n = normalised(value);
    if (n.digits.empty())
        return {};
    return roundedAt(n.digits, firstPower(n), false, std::max(digits, 1), rounding);
}

ExactValue toSignificant(const Fraction &fraction, int digits, Rounding rounding)
{
    if (isZero(fraction.numerator))
        return {};
    const int keep = std::max(digits, 1);
    const Digits d = leadingDigits(fraction, keep + 1);
    return roundedAt(d.digits, d.power, d.more, keep, rounding);
}

ExactValue toDecimals(const ExactValue &value, int decimals, Rounding rounding)
{
    const ExactValue n = normalised(value);
    if (n.digits.empty())
        return {};
    return roundedAt(n.digits, firstPower(n), false, firstPower(n) + decimals + 1, rounding);
}

ExactValue toDecimals(const Fraction &fraction, int decimals, Rounding rounding)
{
    if (isZero(fraction.numerator))
        return {};
    const int keep = leadingPower(fraction) + decimals + 1;
    const Digits d = leadingDigits(fraction, std::max(keep, 0) + 1);
    return roundedAt(d.digits, d.power, d.more, keep, rounding);
}

std::optional<ExactValue> exactly(const Fraction &fraction)
{
    if (isZero(fraction.numerator))
        return ExactValue{};
    // It ends exactly when the denominator without its factors 2 and 5
    // divides the numerator; then it needs as many decimals as the larger
    // count of those factors.
    WideInteger rest = fraction.denominator;
    int twos = 0, fives = 0;
    for (auto [q, r] = divideSmall(rest, 2); r == 0; std::tie(q, r) = divideSmall(rest, 2)) {
        rest = q;
        ++twos;
    }
    for (auto [q, r] = divideSmall(rest, 5); r == 0; std::tie(q, r) = divideSmall(rest, 5)) {
        rest = q;
        ++fives;
    }
    if (!isZero(divide(fraction.numerator, rest).remainder))
        return std::nullopt;
    const Division<wideLimbs> d = divide(fraction.numerator, fraction.denominator);
    ExactValue value{decimalDigits(d.quotient), 0};
    WideInteger remainder = d.remainder;
    for (int i = 0; i < std::max(twos, fives) && !isZero(remainder); ++i) {
        value.digits += char('0' + nextDigit(remainder, fraction.denominator));
        --value.powerOfTen;
    }
    return normalised(value);
}

int leadingPower(const Fraction &fraction)
{
    return leadingDigits(fraction, 1).power;
}

double toDouble(const Fraction &fraction)
{
    if (isZero(fraction.numerator))
        return 0;
    // 25 digits decide the nearest double but for the rarest ties.
    const Digits d = leadingDigits(fraction, 25);
    const std::string text =
        d.digits.substr(0, 1) + "." + d.digits.substr(1) + "e" + std::to_string(d.power);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

QString text(const ExactValue &value, const QLocale &locale, int minDecimals)
{
    const ExactValue n = normalised(value);
    const int top = n.digits.empty() ? 0 : std::max(0, firstPower(n));
    const int bottom = std::min(-minDecimals, n.digits.empty() ? 0 : std::min(n.powerOfTen, 0));
    QString out;
    for (int pos = top; pos >= bottom; --pos) {
        const int at = firstPower(n) - pos; // index into the digits
        out +=
            at >= 0 && at < int(n.digits.size()) ? QChar(n.digits[std::size_t(at)]) : QChar(u'0');
        if (pos == 0 && bottom < 0)
            out += locale.decimalPoint();
    }
    return out;
}

std::string jsonText(const ExactValue &value)
{
    const ExactValue n = normalised(value);
    if (n.digits.empty())
        return "0";
    if (n.powerOfTen >= 0)
        return n.digits + std::string(std::size_t(n.powerOfTen), '0');
    const std::size_t decimals = std::size_t(-n.powerOfTen);
    if (n.digits.size() > decimals)
        return n.digits.substr(0, n.digits.size() - decimals) + "." +
               n.digits.substr(n.digits.size() - decimals);
    return "0." + std::string(decimals - n.digits.size(), '0') + n.digits;
}

QString superscript(int n)
{
    static constexpr char16_t digits[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString text = n < 0 ? QStringLiteral("⁻") : QString();
    for (const QChar c : QString::number(n < 0 ? -n : n))
        text += QChar(digits[c.digitValue()]);
    return text;
}

} // namespace numbers
