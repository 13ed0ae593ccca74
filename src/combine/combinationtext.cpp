#include "combine/combinationtext.h"

#include "colorcode/quotedword.h"
#include "colorcode/resistance.h"
#include "colorcode/valueentry.h"
#include "numbers/exactnumber.h"

#include <QJsonObject>

#include <algorithm>
#include <charconv>
#include <numeric>
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
        return QStringLiteral("tam");
    const numbers::Fraction percent{timesSmall(magnitude, 100), den};
    const int decimals = std::max(2, 1 - numbers::leadingPower(percent));
    const ExactValue r = numbers::toDecimals(percent, decimals, Rounding::Nearest);
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

// Exact decimal text in ohms with a point, for JSON.
QString plainText(const ExactValue &value)
{
    return QString::fromStdString(numbers::jsonText(value));
}

QString toleranceRange(const ExactValue &low, const ExactValue &high, std::int32_t tolerance,
                       const QLocale &locale, bool ohms)
{
    const auto text = [&](const ExactValue &v) {
        return ohms ? colorcode::valueText(v, locale) : numbers::text(v, locale);
    };
    return QStringLiteral("(\u00B1 % ") + colorcode::percentText(tolerance, locale) +
           QStringLiteral(": ") + text(low) + QStringLiteral(" \u2013 ") + text(high) +
           QStringLiteral(")");
}

std::optional<ExactValue> readValue(const QString &text, QChar separator)
{
    const auto read = colorcode::readTypedNumber(text, colorcode::Unit::Ohm, separator);
    if (const auto *v = std::get_if<ExactValue>(&read))
        return colorcode::normalised(*v);
    return std::nullopt;
}

// A plain decimal number: digits with at most one of the user's marks.
std::optional<ExactValue> readPlainNumber(const QString &text, QChar separator)
{
    ExactValue value;
    bool seenMark = false, seenDigit = false;
    for (const QChar c : text) {
        if (c == separator && !seenMark) {
            seenMark = true;
        } else if (c.isDigit()) {
            value.digits += char('0' + c.digitValue());
            if (seenMark)
                --value.powerOfTen;
            seenDigit = true;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    return colorcode::normalised(value);
}

QStringList tokens(const QString &text)
{
    QString cleaned;
    for (const QChar c : text)
        if (c.category() != QChar::Other_Format)
            cleaned += c == u';' ? QChar(u' ') : c;
    return cleaned.simplified().split(u' ', Qt::SkipEmptyParts);
}

UInt128 digitsValue(const std::string &digits)
{
    UInt128 v = 0;
    for (const char c : digits)
        v = v * 10 + UInt128(c - '0');
    return v;
}

UInt128 tenTo(int n)
{
    UInt128 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

UInt128 gcd(UInt128 a, UInt128 b)
{
    while (b) {
        const UInt128 t = a % b;
        a = b;
        b = t;
    }
    return a;
}

// a / b as a reduced ratio, both within 10^18; nothing where they are not.
std::optional<Ratio> ratioOf(const ExactValue &a, const ExactValue &b)
{
    if (a.digits.empty() || b.digits.empty() || a.digits.size() > 19 || b.digits.size() > 19)
        return std::nullopt;
    const int common = std::min(a.powerOfTen, b.powerOfTen);
    const int ea = a.powerOfTen - common, eb = b.powerOfTen - common;
    if (int(a.digits.size()) + ea > 19 || int(b.digits.size()) + eb > 19)
        return std::nullopt;
    UInt128 n = digitsValue(a.digits) * tenTo(ea);
    UInt128 d = digitsValue(b.digits) * tenTo(eb);
    const UInt128 g = gcd(n, d);
    n /= g;
    d /= g;
    constexpr UInt128 limit = UInt128(1000000000000000000ULL);
    if (n > limit || d > limit)
        return std::nullopt;
    return Ratio{std::uint64_t(n), std::uint64_t(d)};
}

QString shapeText(Shape shape, const QString &a, const QString &b, const QString &c)
{
    const QString plus = QStringLiteral(" + ");
    const QString across = QStringLiteral(" \u2225 ");
    switch (shape) {
    case Shape::Single:
        return a + QStringLiteral(" tek başına");
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

} // namespace

QString defaultLowText(bool divider)
{
    return divider ? QStringLiteral("1 k\u03A9") : QStringLiteral("1 \u03A9");
}

QString defaultHighText(bool divider)
{
    return divider ? QStringLiteral("1 M\u03A9") : QStringLiteral("10 M\u03A9");
}

std::variant<Ratio, QString> readRatio(const QString &text, QChar separator)
{
    const QString example = QStringLiteral("Oran 0 ile 1 arasında bir sayı ya da iki gerilim "
                                           "olmalıdır (örnek: 0") +
                            separator + QStringLiteral("66; 5 V 3") + separator +
                            QStringLiteral("3 V).");
    std::vector<ExactValue> numbers;
    for (QString token : tokens(text)) {
        if (token.compare(u"V", Qt::CaseInsensitive) == 0 && !numbers.empty())
            continue;
        if (token.endsWith(u'V', Qt::CaseInsensitive))
            token.chop(1);
        const auto n = readPlainNumber(token, separator);
        if (!n)
            return example;
        numbers.push_back(*n);
    }
    if (numbers.empty())
        return QStringLiteral("Lütfen bir oran ya da iki gerilim giriniz.");
    std::optional<Ratio> ratio;
    if (numbers.size() == 1) {
        if (compareValues(numbers[0], ExactValue{"1", 0}) < 0)
            ratio = ratioOf(numbers[0], ExactValue{"1", 0});
    } else if (numbers.size() == 2) {
        const bool firstSmaller = compareValues(numbers[0], numbers[1]) < 0;
        if (compareValues(numbers[0], numbers[1]) != 0)
            ratio =
                firstSmaller ? ratioOf(numbers[0], numbers[1]) : ratioOf(numbers[1], numbers[0]);
    }
    if (!ratio || ratio->numerator == 0)
        return example;
    return *ratio;
}

std::variant<std::vector<ExactValue>, QString> readValueList(const QString &text, QChar separator)
{
    const QStringList parts = tokens(text);
    std::vector<ExactValue> values;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        // A unit standing apart belongs to the number before it.
        if (i + 1 < parts.size() && !readValue(parts[i + 1], separator)) {
            if (const auto joined = readValue(parts[i] + u' ' + parts[i + 1], separator)) {
                values.push_back(*joined);
                ++i;
                continue;
            }
        }
        const auto value = readValue(parts[i], separator);
        if (!value || value->digits.empty())
            return QStringLiteral("Dışarıda bırakılacak değer okunamadı: ") +
                   colorcode::quotedWord(parts[i]);
        values.push_back(*value);
    }
    return values;
}

QString rangeErrorMessage(RangeError error, SeriesChoice series)
{
    switch (error) {
    case RangeError::NotAboveZero:
        return QStringLiteral("Alt sınır sıfırdan büyük olmalıdır.");
    case RangeError::LowAboveHigh:
        return QStringLiteral("Alt sınır üst sınırdan büyük olamaz.");
    case RangeError::NoParts:
        return QStringLiteral("Bu aralıkta ") + seriesChoiceName(series) +
               QStringLiteral(" değeri yok.");
    case RangeError::TooWide:
        return QStringLiteral("Aralık çok geniş: alt sınırı büyütünüz ya da üst sınırı "
                              "küçültünüz.");
    }
    return {};
}

std::variant<Question, QString> readQuestion(const Boxes &boxes, QChar separator)
{
    Question q;
    q.series = boxes.series;
    q.maxParts = std::clamp(boxes.maxParts, 1, 3);
    q.divider = boxes.divider;
    const auto value = [separator](const QString &text,
                                   const QString &name) -> std::variant<ExactValue, QString> {
        const auto read = colorcode::readTypedNumber(text, colorcode::Unit::Ohm, separator);
        if (const auto *error = std::get_if<colorcode::ValueError>(&read))
            return name + QStringLiteral(": ") + colorcode::valueErrorMessage(*error, separator, 5);
        return colorcode::normalised(std::get<ExactValue>(read));
    };
    if (boxes.divider) {
        const auto ratio = readRatio(boxes.target, separator);
        if (const auto *message = std::get_if<QString>(&ratio))
            return *message;
        q.ratio = std::get<Ratio>(ratio);
    } else {
        const auto target = value(boxes.target, QStringLiteral("Hedef"));
        if (const auto *message = std::get_if<QString>(&target))
            return *message;
        q.target = std::get<ExactValue>(target);
        if (q.target.digits.empty())
            return QStringLiteral("Hedef sıfırdan büyük olmalıdır.");
    }
    const auto low = value(boxes.low, QStringLiteral("Alt sınır"));
    if (const auto *message = std::get_if<QString>(&low))
        return *message;
    const auto high = value(boxes.high, QStringLiteral("Üst sınır"));
    if (const auto *message = std::get_if<QString>(&high))
        return *message;
    q.low = std::get<ExactValue>(low);
    q.high = std::get<ExactValue>(high);
    const auto leftOut = readValueList(boxes.leftOut, separator);
    if (const auto *message = std::get_if<QString>(&leftOut))
        return *message;
    q.leftOut = std::get<std::vector<ExactValue>>(leftOut);
    return q;
}

bool needsPairTables(const Question &question)
{
    return !question.divider && question.maxParts >= 2;
}

QString networkText(const PartSet &set, const Network &network, const QLocale &locale)
{
    const int count = partCount(network.shape);
    QString text[3];
    for (int i = 0; i < count; ++i)
        text[i] = colorcode::valueText(set.parts[network.parts[std::size_t(i)]].ohms, locale);
    return shapeText(network.shape, text[0], text[1], text[2]);
}

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
        result.notes << QStringLiteral("Bu aralıkta ") + seriesChoiceName(set.series) +
                            QStringLiteral(" değeri olmadığından dışarıda bırakılamadı: ") +
                            strangers.join(QStringLiteral("; "));
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
            result.message = QStringLiteral("Dışarıda bırakılmayan değer kalmadı.");
        return result;
    }

    const std::optional<UnitFraction> target = inUnits(set, question.target);
    if (!target) {
        result.message = QStringLiteral("Hedef bu aralıkla aranamayacak kadar çok basamaklı.");
        return result;
    }
    if (const auto i = set.indexOf(question.target); i && leftOut[*i])
        result.notes << QStringLiteral("Hedefin kendisi (") +
                            colorcode::valueText(question.target, locale) +
                            QStringLiteral(") dışarıda bırakıldı.");
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
        const QString network = networkText(set, net, locale);
        QString line = network;
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
        n.network = network;
        // Ohms: the units' power of ten moved into the denominator or numerator.
        const UInt128 scale = tenTo(std::abs(unitPower));
        n.value = unitPower >= 0 ? toDouble(times(num, scale), den, false)
                                 : toDouble(num, times(den, scale), false);
        n.errorPercent = toDouble(timesSmall(gap.magnitude, 100), errorDen, gap.negative);
        n.exact = isZero(gap.magnitude);
        result.numbers.push_back(n);
    }
    if (result.lines.isEmpty())
        result.message = QStringLiteral("Dışarıda bırakılmayan değer kalmadı.");
    return result;
}

QJsonArray toJson(const std::vector<NumericResult> &results)
{
    QJsonArray array;
    for (const NumericResult &r : results) {
        QJsonArray parts;
        for (const ExactValue &p : r.parts)
            parts.append(plainText(p));
        QJsonObject o;
        o.insert(QStringLiteral("parts"), parts);
        o.insert(QStringLiteral("network"), r.network);
        o.insert(r.divider ? QStringLiteral("ratio") : QStringLiteral("ohms"), r.value);
        o.insert(QStringLiteral("error_percent"), r.errorPercent);
        o.insert(QStringLiteral("exact"), r.exact);
        array.append(o);
    }
    return array;
}

} // namespace combine
