#include "combine/combinationtext.h"

#include "colorcode/resistance.h"
#include "numbers/exactnumber.h"

#include <QCoreApplication>

#include <algorithm>
#include <string>

namespace combine
{

namespace
{

using colorcode::ExactValue;
using Big = numbers::WideInteger;
using numbers::Rounding;

const QString minusSign = QStringLiteral("\u2212");

Big big(UInt128 v)
{
    return widen<numbers::wideLimbs>(v);
}

// x · y; the values written out stay far within the size.
Big times(const Big &x, UInt128 y)
{
    return resized<numbers::wideLimbs>(x * widen<2>(y));
}

// A value, exact where it ends, else to five significant digits; whether
// it was exact.
std::pair<ExactValue, bool> shownValue(const Big &num, const Big &den)
{
    if (const auto exact = numbers::exactly({num, den}))
        return {*exact, true};
    return {numbers::toSignificant({num, den}, 5, Rounding::Nearest), false};
}

// A signed fraction in percent: "+0,0021 %", "−0,074 %", "tam".
QString percentText(const Big &magnitude, bool negative, const Big &den, const QLocale &locale)
{
    if (isZero(magnitude))
        return QCoreApplication::translate("combine", "tam");
    const numbers::Fraction percent{timesSmall(magnitude, 100), den};
    int decimals = std::max(2, 1 - numbers::leadingPower(percent));
    ExactValue r = numbers::toDecimals(percent, decimals, Rounding::Nearest);
    // Below −100 % nothing can lie, and a network above zero never reaches
    // it: as many decimals as show that it does not (−99,998 %).
    const ExactValue hundred{"1", 2};
    while (negative && r == hundred && decimals < 60)
        r = numbers::toDecimals(percent, ++decimals, Rounding::Nearest);
    // Rounding up to the next power of ten (0,0996 to 0,100) needs a decimal
    // less for its two significant digits.
    const int reached = int(r.digits.size()) + r.powerOfTen - 1;
    return (negative ? minusSign : QStringLiteral("+")) +
           numbers::text(r, locale, std::max(2, 1 - reached)) + QStringLiteral(" %");
}

// The nearest double to num / den.
double toDouble(const Big &num, const Big &den, bool negative)
{
    const double magnitude = numbers::toDouble({num, den});
    return negative ? -magnitude : magnitude;
}

QString toleranceRange(const ExactValue &low, const ExactValue &high, std::int32_t tolerance,
                       const QLocale &locale, bool ohms)
{
    const auto text = [&](const ExactValue &v) {
        return ohms ? colorcode::valueText(v, locale) : numbers::text(v, locale);
    };
    return QCoreApplication::translate("combine", "(± % %1: %2 – %3)")
        .arg(colorcode::percentText(tolerance, locale), text(low), text(high));
}

// a·m against b·n, sign of their difference, over both values written with
// the same power of ten.
int compareScaled(const ExactValue &a, std::uint64_t m, const ExactValue &b, std::uint64_t n)
{
    constexpr std::size_t limbs = numbers::wideLimbs;
    const int power = std::min(a.powerOfTen, b.powerOfTen);
    const auto x = numbers::fromDigits<limbs>(a.digits, a.powerOfTen - power);
    const auto y = numbers::fromDigits<limbs>(b.digits, b.powerOfTen - power);
    if (!x || !y || x->limb.back() || y->limb.back()) // hundreds of decades apart
        return compareValues(a, b);
    return compare(timesSmall(*x, m), timesSmall(*y, n));
}

QString rangeText(const Question &question, const QLocale &locale)
{
    return colorcode::valueText(question.low, locale) + QStringLiteral(" \u2013 ") +
           colorcode::valueText(question.high, locale);
}

// Where the target lies beyond all that the parts of the range can make,
// what they can make; empty otherwise. The parts themselves, not those left
// out: a network of at most n parts lies from the smallest over n to the
// largest times n, a divider from s / (s + l) to l / (l + s).
QString beyondReach(const Question &question, const PartSet &set, const QLocale &locale)
{
    const Part &smallest = set.parts.front(), &largest = set.parts.back();
    if (question.divider) {
        const Ratio r = question.ratio;
        const UInt128 s = smallest.units, l = largest.units;
        if (compareProducts(r.numerator, s + l, s, r.denominator) >= 0 &&
            compareProducts(r.numerator, s + l, l, r.denominator) <= 0)
            return {};
        const auto ratio = [&](UInt128 part, Rounding rounding) {
            return numbers::text(numbers::toSignificant({big(part), big(s + l)}, 5, rounding),
                                 locale);
        };
        return QCoreApplication::translate("combine",
                                           "Bu oran %1 aralığının parçalarıyla "
                                           "yapılamaz: iki parça %2 ile %3 arasını verir.")
            .arg(rangeText(question, locale), ratio(s, Rounding::Down), ratio(l, Rounding::Up));
    }
    const std::uint64_t n = std::uint64_t(question.maxParts);
    if (compareScaled(question.target, n, smallest.ohms, 1) >= 0 &&
        compareScaled(question.target, 1, largest.ohms, n) <= 0)
        return {};
    const ExactValue low = numbers::shifted(
        numbers::toSignificant({big(smallest.units), big(n)}, 5, Rounding::Down), set.unitPower);
    const ExactValue high =
        numbers::shifted(numbers::fromUnits(largest.units * n, 0), set.unitPower);
    return QCoreApplication::translate("combine",
                                       "Hedef (%1) %2 aralığının parçalarıyla yapılamaz: en çok "
                                       "%n parça %3 ile %4 arasını verir.",
                                       nullptr, int(n))
        .arg(colorcode::valueText(question.target, locale), rangeText(question, locale),
             colorcode::valueText(low, locale), colorcode::valueText(high, locale));
}

// `translated`: in the interface's language; else in Turkish, as the JSON's
// network field keeps it in every language.
QString shapeText(Shape shape, const QString &a, const QString &b, const QString &c,
                  bool translated)
{
    const QString plus = QStringLiteral(" + ");
    const QString across = QStringLiteral(" \u2225 ");
    switch (shape) {
    case Shape::Single:
        return (translated ? QCoreApplication::translate("combine", "%1 tek başına")
                           : QStringLiteral("%1 tek başına"))
            .arg(a);
    case Shape::Series2:
        return a + plus + b;
    case Shape::Parallel2:
        return a + across + b;
    case Shape::Series3:
        return a + plus + b + plus + c;
    case Shape::Parallel3:
        return a + across + b + across + c;
    case Shape::SeriesParallel:
        return a + plus + u'(' + b + across + c + u')';
    case Shape::ParallelSeries:
        return a + across + u'(' + b + plus + c + u')';
    }
    return {};
}

// "2,2 Kilo Ohm + 6,8 Kilo Ohm", "9,1 Kilo Ohm tek başına".
QString networkText(const PartSet &set, const Network &network, const QLocale &locale,
                    bool translated)
{
    const int count = partCount(network.shape);
    QString text[3];
    for (int i = 0; i < count; ++i)
        text[i] = colorcode::valueText(set.parts[network.parts[std::size_t(i)]].ohms, locale);
    return shapeText(network.shape, text[0], text[1], text[2], translated);
}

} // namespace

Answer answer(const Question &question, const PartSet &set, const PairTables *tables,
              const QLocale &locale)
{
    Answer result;
    std::vector<bool> leftOut(set.parts.size(), false);
    QStringList strangers;
    for (const ExactValue &v : question.leftOut) {
        if (const auto i = set.indexOf(v))
            leftOut[*i] = true;
        else
            strangers << colorcode::valueText(v, locale);
    }
    if (!strangers.isEmpty())
        result.notes << QCoreApplication::translate(
                            "combine",
                            "Bu aralıkta %1 değeri olmadığından dışarıda bırakılamadı: %2")
                            .arg(seriesChoiceName(set.series),
                                 strangers.join(QStringLiteral("; ")));
    if (const QString beyond = beyondReach(question, set, locale); !beyond.isEmpty()) {
        result.message = beyond;
        return result;
    }
    const std::int32_t tolerance = usualToleranceHundredths(set.series);
    const UInt128 low = UInt128(10000 - tolerance), high = UInt128(10000 + tolerance);

    if (question.divider) {
        const Ratio r = question.ratio;
        for (const Divider &d : bestDividers(set, r, leftOut)) {
            const UInt128 r1 = set.parts[d.r1].units, r2 = set.parts[d.r2].units;
            const Big num = big(r2), den = big(r1 + r2);
            const auto [ratio, exact] = shownValue(num, den);
            // error = (R2·d − n·(R1 + R2)) / (n·(R1 + R2))
            const auto gap = difference(big(r2 * r.denominator), big(r.numerator * (r1 + r2)));
            const Big errorDen = big(UInt128(r.numerator) * (r1 + r2));
            // Worst case: R2 low and R1 high, and the other way round.
            const Big lowNum = times(num, low), highNum = times(num, high);
            const ExactValue lowEnd =
                numbers::toSignificant({lowNum, times(big(r1), high) + lowNum}, 5, Rounding::Down);
            const ExactValue highEnd =
                numbers::toSignificant({highNum, times(big(r1), low) + highNum}, 5, Rounding::Up);
            const QString parts =
                QStringLiteral("R1 ") + colorcode::valueText(set.parts[d.r1].ohms, locale) +
                QStringLiteral(", R2 ") + colorcode::valueText(set.parts[d.r2].ohms, locale);
            result.lines << parts + QStringLiteral(": ") +
                                (exact ? QString() : QStringLiteral("≈ ")) +
                                numbers::text(ratio, locale) + QStringLiteral("  ") +
                                percentText(gap.magnitude, gap.negative, errorDen, locale) +
                                QStringLiteral("  ") +
                                toleranceRange(lowEnd, highEnd, tolerance, locale, false);
            NumericResult n;
            n.parts = {set.parts[d.r1].ohms, set.parts[d.r2].ohms};
            n.network = parts;
            n.divider = true;
            n.value = toDouble(num, den, false);
            n.errorPercent = toDouble(timesSmall(gap.magnitude, 100), errorDen, gap.negative);
            n.exact = isZero(gap.magnitude);
            result.numbers.push_back(n);
        }
        if (result.lines.isEmpty())
            result.message =
                QCoreApplication::translate("combine", "Dışarıda bırakılmayan değer kalmadı.");
        return result;
    }

    const std::optional<UnitFraction> target = inUnits(set, question.target);
    if (!target) {
        result.message = QCoreApplication::translate(
            "combine", "Hedef bu aralıkla aranamayacak kadar çok basamaklı.");
        return result;
    }
    if (const auto i = set.indexOf(question.target); i && leftOut[*i])
        result.notes << QCoreApplication::translate("combine",
                                                    "Hedefin kendisi (%1) dışarıda bırakıldı.")
                            .arg(colorcode::valueText(question.target, locale));
    const int unitPower = set.unitPower;
    for (const Network &net :
         bestNetworks(set, tables, question.target, question.maxParts, leftOut)) {
        const Big num = big(net.numerator), den = big(net.denominator);
        const auto [value, exactValue] = shownValue(num, den);
        const auto gap =
            difference(resized<numbers::wideLimbs>(product(net.numerator, target->denominator)),
                       resized<numbers::wideLimbs>(product(target->numerator, net.denominator)));
        const Big errorDen =
            resized<numbers::wideLimbs>(product(target->numerator, net.denominator));
        const Big scaledDen = times(den, 10000);
        const ExactValue lowEnd =
            numbers::toSignificant({times(num, low), scaledDen}, 5, Rounding::Down);
        const ExactValue highEnd =
            numbers::toSignificant({times(num, high), scaledDen}, 5, Rounding::Up);
        QString line = networkText(set, net, locale, true);
        if (net.shape != Shape::Single)
            line += (exactValue ? QStringLiteral(" = ") : QStringLiteral(" ≈ ")) +
                    colorcode::valueText(numbers::shifted(value, unitPower), locale);
        line += QStringLiteral("  ") + percentText(gap.magnitude, gap.negative, errorDen, locale) +
                QStringLiteral("  ") +
                toleranceRange(numbers::shifted(lowEnd, unitPower),
                               numbers::shifted(highEnd, unitPower), tolerance, locale, true);
        result.lines << line;

        NumericResult n;
        for (int i = 0; i < partCount(net.shape); ++i)
            n.parts.push_back(set.parts[net.parts[std::size_t(i)]].ohms);
        n.network = networkText(set, net, locale, false);
        // Ohms: the units' power of ten moved into the denominator or numerator.
        const Big scale = *numbers::fromDigits<numbers::wideLimbs>("1", std::abs(unitPower));
        n.value = unitPower >= 0 ? toDouble(resized<numbers::wideLimbs>(num * scale), den, false)
                                 : toDouble(num, resized<numbers::wideLimbs>(den * scale), false);
        n.errorPercent = toDouble(timesSmall(gap.magnitude, 100), errorDen, gap.negative);
        n.exact = isZero(gap.magnitude);
        result.numbers.push_back(n);
    }
    if (result.lines.isEmpty())
        result.message =
            QCoreApplication::translate("combine", "Dışarıda bırakılmayan değer kalmadı.");
    return result;
}

} // namespace combine
