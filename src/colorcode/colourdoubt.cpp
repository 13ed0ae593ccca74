#include "colorcode/colourdoubt.h"

#include "colorcode/resistance.h"
#include "colorcode/standardvaluetext.h"

#include <QCoreApplication>

#include <algorithm>
#include <span>
#include <string>

namespace colorcode
{

std::vector<Colour> confusedWith(Colour colour)
{
    std::vector<Colour> result;
    for (const ConfusablePair &pair : confusableColours) {
        if (pair.first == colour)
            result.push_back(pair.second);
        else if (pair.second == colour)
            result.push_back(pair.first);
    }
    return result;
}

namespace
{

bool listHolds(Role role, Colour colour)
{
    for (const BandEntry &entry : entriesOf(role))
        if (entry.colour == colour)
            return true;
    return false;
}

// Whole numbers as decimal digits, most significant first, without leading
// zeros; zero is empty. Long enough for any typed value against any band
// value: a typed value has fewer than 64 characters.
using Digits = std::string;

int compareDigits(const Digits &a, const Digits &b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : a == b ? 0 : 1;
}

Digits stripped(Digits d)
{
    const std::size_t first = d.find_first_not_of('0');
    return first == std::string::npos ? Digits() : d.substr(first);
}

// a − b, with a ≥ b.
Digits subtract(const Digits &a, const Digits &b)
{
    Digits out(a.size(), '0');
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::size_t ia = a.size() - 1 - i;
        int d = (a[ia] - '0') - borrow - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        borrow = d < 0 ? 1 : 0;
        out[ia] = char('0' + d + 10 * borrow);
    }
    return stripped(out);
}

Digits multiply(const Digits &a, std::uint32_t factor)
{
    if (a.empty() || factor == 0)
        return {};
    Digits out;
    std::uint64_t carry = 0;
    for (auto it = a.rbegin(); it != a.rend(); ++it) {
        carry += std::uint64_t(*it - '0') * factor;
        out.push_back(char('0' + carry % 10));
        carry /= 10;
    }
    for (; carry > 0; carry /= 10)
        out.push_back(char('0' + carry % 10));
    std::reverse(out.begin(), out.end());
    return out;
}

// A normalised value's digits times 10^(its power − power), power at most
// its own.
Digits scaledTo(const ExactValue &n, int power)
{
    return n.digits.empty() ? Digits() : n.digits + Digits(std::size_t(n.powerOfTen - power), '0');
}

int lowestPower(const ExactValue &a, const ExactValue &b)
{
    if (a.digits.empty())
        return b.powerOfTen;
    if (b.digits.empty())
        return a.powerOfTen;
    return std::min(a.powerOfTen, b.powerOfTen);
}

// |a − b| in units of 10^power.
Digits difference(const ExactValue &a, const ExactValue &b, int power)
{
    const Digits x = scaledTo(a, power), y = scaledTo(b, power);
    return compareDigits(x, y) >= 0 ? subtract(x, y) : subtract(y, x);
}

void choose(const std::vector<std::vector<Colour>> &choices, std::size_t band,
            std::vector<Colour> &colours, std::vector<std::vector<Colour>> &out)
{
    if (band == choices.size()) {
        out.push_back(colours);
        return;
    }
    for (const Colour c : choices[band]) {
        colours[band] = c;
        choose(choices, band + 1, colours, out);
    }
}

} // namespace

std::vector<Colour> bandChoices(const BandSelection &bands, int band, bool doubtful)
{
    const std::span<const Role> roles = bands.roles();
    if (band < 0 || std::size_t(band) >= roles.size())
        return {};
    const Role role = roles[std::size_t(band)];
    const std::span<const BandEntry> list = entriesOf(role);
    const int index = bands.entries[std::size_t(band)];
    if (index < 0 || std::size_t(index) >= list.size())
        return {};
    const Colour own = list[std::size_t(index)].colour;
    std::vector<Colour> choices{own};
    if (doubtful)
        for (const Colour other : confusedWith(own))
            if (listHolds(role, other))
                choices.push_back(other);
    return choices;
}

bool agrees(const ExactValue &value, std::int32_t toleranceHundredths, const Measurement &measured)
{
    const ExactValue v = normalised(value), m = normalised(measured.ohms);
    const int power = lowestPower(v, m);
    // |m − v| × 10000 ≤ v × (tolerance + error), both in hundredths of a
    // percent.
    const Digits lhs = stripped(difference(m, v, power) + "0000");
    const std::int64_t margin =
        std::int64_t(std::max(toleranceHundredths, 0)) +
        std::clamp(measured.meterErrorHundredths, 0, maxMeterErrorHundredths);
    const Digits rhs = multiply(scaledTo(v, power), std::uint32_t(margin));
    return compareDigits(lhs, rhs) <= 0;
}

std::vector<DoubtReading> doubtReadings(const BandSelection &bands, const DoubtfulBands &doubtful,
                                        const std::optional<Measurement> &measured)
{
    if (!bands.complete())
        return {};
    std::vector<std::vector<Colour>> choices;
    for (int band = 0; band < bands.bandCount; ++band)
        choices.push_back(bandChoices(bands, band, doubtful[std::size_t(band)]));
    std::vector<std::vector<Colour>> all;
    std::vector<Colour> colours(choices.size());
    choose(choices, 0, colours, all);

    std::vector<DoubtReading> readings;
    for (const std::vector<Colour> &c : all) {
        const std::optional<BandSelection> selection = BandSelection::fromColours(c);
        const std::optional<BandReading> reading = selection ? selection->reading() : std::nullopt;
        if (!reading)
            continue;
        DoubtReading r{*selection, *reading, standardVerdict(*selection), std::nullopt, {}};
        if (measured) {
            r.agrees = agrees(reading->value, reading->toleranceHundredths, *measured);
            const ExactValue m = normalised(measured->ohms);
            const int power = lowestPower(reading->value, m);
            r.distance = normalised({difference(m, reading->value, power), power});
        }
        readings.push_back(std::move(r));
    }
    std::stable_sort(readings.begin(), readings.end(),
                     [](const DoubtReading &a, const DoubtReading &b) {
                         const auto rank = [](const DoubtReading &r) {
                             return (r.agrees.value_or(false) ? 0 : 2) + (r.standard() ? 0 : 1);
                         };
                         return rank(a) < rank(b);
                     });
    return readings;
}

int agreeingCount(const std::vector<DoubtReading> &readings)
{
    return int(std::count_if(readings.begin(), readings.end(),
                             [](const DoubtReading &r) { return r.agrees.value_or(false); }));
}

const DoubtReading *nearestReading(const std::vector<DoubtReading> &readings)
{
    const DoubtReading *nearest = nullptr;
    for (const DoubtReading &r : readings)
        if (r.agrees && (!nearest || compareValues(r.distance, nearest->distance) < 0))
            nearest = &r;
    return nearest;
}

std::optional<std::int32_t> readMeterError(const QString &text, QChar decimalSeparator)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 8)
        return std::nullopt;
    std::int32_t whole = 0, fraction = 0;
    int decimals = -1; // no mark seen yet
    for (const QChar c : t) {
        if (c == decimalSeparator && decimals < 0) {
            decimals = 0;
        } else if (c >= u'0' && c <= u'9') {
            const int d = c.unicode() - u'0';
            if (decimals < 0)
                whole = whole * 10 + d;
            else if (decimals++ < 2)
                fraction = fraction * 10 + d;
            else
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (decimals == 0 || t.front() == decimalSeparator)
        return std::nullopt;
    if (decimals == 1)
        fraction *= 10;
    const std::int32_t hundredths = whole * 100 + (decimals > 0 ? fraction : 0);
    if (hundredths > maxMeterErrorHundredths)
        return std::nullopt;
    return hundredths;
}

QString readingText(const DoubtReading &reading, const QLocale &locale, int shownBands)
{
    std::vector<QString> names = reading.selection.colourTexts();
    if (shownBands >= 0 && std::size_t(shownBands) < names.size())
        names.resize(std::size_t(shownBands));
    QStringList list(names.begin(), names.end());
    const std::optional<Resistance> result = reading.selection.result(locale);
    return list.join(u' ') + QStringLiteral("  ") + (result ? result->sonuc : QString());
}

QString readingItemText(const DoubtReading &reading, const QLocale &locale)
{
    QString text = readingText(reading, locale);
    if (reading.verdict)
        text += QStringLiteral(" \u2014 ") + verdictHeadline(*reading.verdict);
    if (reading.agrees)
        text =
            (*reading.agrees ? QCoreApplication::translate("colorcode", "%1 — ölçümle uyuşuyor")
                             : QCoreApplication::translate("colorcode", "%1 — ölçümle uyuşmuyor"))
                .arg(text);
    return text;
}

namespace
{

// "Kahverengi Siyah Kırmızı Altın, 1000 Ohm".
QString spokenReading(const DoubtReading &reading, const QLocale &locale)
{
    const std::vector<QString> names = reading.selection.colourTexts();
    return QStringList(names.begin(), names.end()).join(u' ') + QStringLiteral(", ") +
           valueText(reading.reading.value, locale);
}

int standardCount(const std::vector<DoubtReading> &readings)
{
    return int(std::count_if(readings.begin(), readings.end(),
                             [](const DoubtReading &r) { return r.standard(); }));
}

bool measured(const std::vector<DoubtReading> &readings)
{
    return !readings.empty() && readings.front().agrees.has_value();
}

// The count a sentence is about: "2'si standart" in Turkish; a language
// without the ending translates the form to the number alone.
QString subjectCount(int number)
{
    const QString form = QCoreApplication::translate(
        "colorcode", "%1'%2", "a count with its possessive ending, as in 2'si; %1 alone if none");
    return form == QLatin1String("%1'%2") ? numberWithPossessive(number) : form.arg(number);
}

QString withNearest(const QString &text, const std::vector<DoubtReading> &readings,
                    const QLocale &locale)
{
    const DoubtReading *nearest = nearestReading(readings);
    return nearest ? QCoreApplication::translate("colorcode", "%1; en yakını: %2")
                         .arg(text, spokenReading(*nearest, locale))
                   : text;
}

} // namespace

QString numberWithPossessive(int number)
{
    // The ending follows the last word said: "yirmi bir" takes bir's.
    static constexpr std::array<const char16_t *, 10> units{u"ı", u"i",  u"si", u"ü", u"ü",
                                                            u"i", u"sı", u"si", u"i", u"u"};
    static constexpr std::array<const char16_t *, 10> tens{u"",   u"u", u"si", u"u", u"ı",
                                                           u"si", u"ı", u"i",  u"i", u"ı"};
    const char16_t *ending = units[0]; // sıfır
    if (number % 10 != 0)
        ending = units[std::size_t(number % 10)];
    else if (number % 100 != 0)
        ending = tens[std::size_t(number / 10 % 10)];
    else if (number % 1000 != 0)
        ending = u"ü"; // yüz
    else if (number != 0)
        ending = u"i"; // bin
    return QString::number(number) + u'\'' + QString::fromUtf16(ending);
}

QString doubtSummary(const std::vector<DoubtReading> &readings, const QLocale &locale)
{
    const int total = int(readings.size());
    if (!measured(readings))
        return QCoreApplication::translate("colorcode", "%n okuma, %1 standart", nullptr, total)
            .arg(subjectCount(standardCount(readings)));
    const int agreeing = agreeingCount(readings);
    if (agreeing > 0)
        return QCoreApplication::translate("colorcode", "%n okumadan %1 ölçümle uyuşuyor", nullptr,
                                           total)
            .arg(subjectCount(agreeing));
    return withNearest(QCoreApplication::translate(
                           "colorcode", "%n okumanın hiçbiri ölçümle uyuşmuyor", nullptr, total),
                       readings, locale);
}

QString doubtAnnouncement(const std::vector<DoubtReading> &readings, const QLocale &locale)
{
    if (!measured(readings))
        return doubtSummary(readings, locale);
    const QString text =
        QCoreApplication::translate("colorcode", "%n okuma", nullptr, int(readings.size()));
    QStringList agreeing;
    for (const DoubtReading &r : readings)
        if (r.agrees.value_or(false))
            agreeing << spokenReading(r, locale);
    if (agreeing.isEmpty())
        return withNearest(
            QCoreApplication::translate("colorcode", "%1; ölçümle uyuşan yok").arg(text), readings,
            locale);
    return QCoreApplication::translate("colorcode", "%1; ölçümle uyuşan: %2")
        .arg(text, agreeing.join(QStringLiteral("; ")));
}

} // namespace colorcode
