#include "combine/combinationquestion.h"

#include "colorcode/quotedword.h"
#include "colorcode/valueentry.h"

#include <QCoreApplication>

#include <algorithm>
#include <numeric>
#include <string>

namespace combine
{

namespace
{

using colorcode::ExactValue;

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

// A divider's ratio: a number between 0 and 1 ("0,66"), or two voltages in
// either order ("5 V 3,3 V", "5V; 3,3V", "5 3,3"), the smaller over the
// larger.
std::variant<Ratio, QString> readRatio(const QString &text, QChar separator)
{
    const QString example =
        QCoreApplication::translate("combine", "Oran 0 ile 1 arasında bir sayı ya da iki gerilim "
                                               "olmalıdır (örnek: %1; %2).")
            .arg(QStringLiteral("0") + separator + QStringLiteral("66"),
                 QStringLiteral("5 V 3") + separator + QStringLiteral("3 V"));
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
        return QCoreApplication::translate("combine", "Lütfen bir oran ya da iki gerilim giriniz.");
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

// Values separated by spaces or semicolons; a unit may stand apart from its
// number ("4,7 kΩ; 10K 2M2").
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
            return QCoreApplication::translate("combine",
                                               "Dışarıda bırakılacak değer okunamadı: %1")
                .arg(colorcode::quotedWord(parts[i]));
        values.push_back(*value);
    }
    return values;
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

QString rangeErrorMessage(RangeError error, SeriesChoice series)
{
    switch (error) {
    case RangeError::NotAboveZero:
        return QCoreApplication::translate("combine", "Alt sınır sıfırdan büyük olmalıdır.");
    case RangeError::LowAboveHigh:
        return QCoreApplication::translate("combine", "Alt sınır üst sınırdan büyük olamaz.");
    case RangeError::NoParts:
        return QCoreApplication::translate("combine", "Bu aralıkta %1 değeri yok.")
            .arg(seriesChoiceName(series));
    case RangeError::TooWide:
        return QCoreApplication::translate("combine", "Aralık çok geniş: alt sınırı büyütünüz ya "
                                                      "da üst sınırı küçültünüz.");
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
        const auto target = value(boxes.target, QCoreApplication::translate("combine", "Hedef"));
        if (const auto *message = std::get_if<QString>(&target))
            return *message;
        q.target = std::get<ExactValue>(target);
        if (q.target.digits.empty())
            return QCoreApplication::translate("combine", "Hedef sıfırdan büyük olmalıdır.");
    }
    const auto low = value(boxes.low, QCoreApplication::translate("combine", "Alt sınır"));
    if (const auto *message = std::get_if<QString>(&low))
        return *message;
    const auto high = value(boxes.high, QCoreApplication::translate("combine", "Üst sınır"));
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

} // namespace combine
