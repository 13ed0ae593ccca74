// Reading SMD markings, whatever is typed: the reader never crashes or reads
// out of bounds, accepts exactly the shapes it should, with the readings and
// values they stand for; and every marking the writer gives a typed value
// reads back as that value.
//
// The expectations come from an oracle of its own: the text is brought to
// plain ASCII and its shape checked by hand, in one pass with no
// backtracking, values are worked out from the reference tables as typed for
// the tests.
//
// Input: byte 0 chooses the regional format (bit 0: point or comma),
// whether the rest is UTF-8 or UTF-16 (bit 1), and whether it is read as a
// marking or as a value to write markings for (bit 2).

#include "colorcode/exactvalue.h"
#include "colorcode/valueentry.h"
#include "smd/smdmarking.h"
#include "smd/smdtext.h"
#include "smdreference.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <variant>
#include <vector>

using colorcode::ExactValue;
using namespace smd;

namespace
{

struct Expected {
    MarkingFormat format;
    ExactValue value;
    bool onePercent;
};

[[noreturn]] void fail(const char *what, const QString &text, const QString &detail = {})
{
    std::fprintf(stderr, "%s\n  typed: \"%s\"\n  %s\n", what, qPrintable(text), qPrintable(detail));
    std::abort();
}

// digits × 10^power, spelt once: no leading or trailing zeros.
ExactValue value(QString digits, int power)
{
    while (digits.startsWith(u'0'))
        digits.remove(0, 1);
    while (digits.endsWith(u'0')) {
        digits.chop(1);
        ++power;
    }
    if (digits.isEmpty())
        return {};
    return {digits.toStdString(), power};
}

QString text(const ExactValue &v)
{
    return QString::fromStdString(v.digits) + QStringLiteral("e") + QString::number(v.powerOfTen);
}

// The text in plain ASCII: digits of any script as 0-9, white space and
// invisible characters gone, letters in upper case, an ohm sign as "#", a
// bar as "_" (a combining one only noted), "." and "," as ".", anything
// else "?".
QString plain(const QString &typed, bool &bar)
{
    QString out;
    for (const char32_t c : typed.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (QChar::isSpace(c) || category == QChar::Other_Format ||
            category == QChar::Other_Control)
            continue;
        if (c == 0x0332 || c == 0x0333 || c == 0x0305 || c == 0x033F)
            bar = true;
        else if (category == QChar::Number_DecimalDigit)
            out += QChar(u'0' + QChar::digitValue(c));
        else if (c < 128 && QChar::isLetter(c))
            out += QChar(char16_t(c)).toUpper();
        else if (c == 0x03A9 || c == 0x2126)
            out += u'#';
        else if (c == U'_' || c == 0x203E || c == 0x00AF || c == 0x2017)
            out += u'_';
        else if (c == U'.' || c == U',')
            out += u'.';
        else
            out += u'?';
    }
    return out;
}

int letterPower(QChar letter)
{
    for (const auto &l : smdreference::eia96Letters)
        if (letter == QLatin1Char(l.letter))
            return l.power;
    return 99;
}

bool allDigits(const QString &s)
{
    return std::ranges::all_of(s, [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The code's shapes, each checked in one pass over at most 64 characters:
// no regular expressions, whose backtracking would slow the fuzzer.

// 1 to 4 zeros.
bool isZeroLink(const QString &code)
{
    return code.size() >= 1 && code.size() <= 4 &&
           std::ranges::all_of(code, [](QChar c) { return c == u'0'; });
}

// One R and otherwise digits: dR d, Rdd, ddRd, dRdd, Rddd, dddR.
bool isRDecimal(const QString &code)
{
    const qsizetype at = code.indexOf(u'R');
    if (at < 0 || code.count(u'R') != 1 || !allDigits(QString(code).remove(at, 1)))
        return false;
    return code.size() == 4 || (code.size() == 3 && at < 2);
}

// The readings a text must give, likelier first; none for a refusal.
std::vector<Expected> expectedReadings(const QString &typed)
{
    if (typed.size() > 64)
        return {};
    bool bar = false;
    QString code = plain(typed, bar);
    if (code.endsWith(u'#'))
        code.chop(1);
    else if (code.endsWith(QStringLiteral("OHM")))
        code.chop(3);
    if (code.startsWith(u'_') || code.endsWith(u'_')) {
        bar = true;
        while (code.startsWith(u'_'))
            code.remove(0, 1);
        while (code.endsWith(u'_'))
            code.chop(1);
    }
    if (std::ranges::any_of(
            code, [](QChar c) { return c == u'#' || c == u'?' || c == u'_' || c == u'.'; }))
        return {};
    if (isZeroLink(code))
        return bar ? std::vector<Expected>{}
                   : std::vector<Expected>{{MarkingFormat::ZeroOhm, {}, false}};

    if (code.size() == 3 && allDigits(code) && !code.startsWith(u"00")) {
        const int last = code.at(2).digitValue();
        const Expected plainReading{bar ? MarkingFormat::ThreeDigitBar : MarkingFormat::ThreeDigit,
                                    value(code.left(2), last), bar};
        if (last < 8)
            return {plainReading};
        return {{MarkingFormat::OldThreeDigit, value(code.left(2), last - 10), bar}, plainReading};
    }
    if (bar)
        return {};
    if (code.size() == 4 && allDigits(code) && !code.startsWith(u"000"))
        return {{MarkingFormat::FourDigit, value(code.left(3), code.at(3).digitValue()), true}};

    if (code.size() == 3 && allDigits(code.left(2)) && code.at(2) >= u'A' && code.at(2) <= u'Z') {
        const int n = code.left(2).toInt();
        const QChar letter = code.at(2);
        const int power = letterPower(letter);
        if (power == 99)
            return {};
        std::vector<Expected> readings;
        if (n >= 1 && n <= 96)
            readings.push_back(
                {MarkingFormat::Eia96,
                 value(QString::number(smdreference::eia96Values[std::size_t(n - 1)]), power),
                 true});
        const bool second = (letter == u'R' || letter == u'E') && n != 0;
        const ExactValue ohms = value(code.left(2), 0);
        if (second && (readings.empty() || readings.front().value != ohms))
            readings.push_back(
                {letter == u'R' ? MarkingFormat::RDecimal : MarkingFormat::ReelLabel, ohms, false});
        return readings;
    }

    if (isRDecimal(code)) {
        const qsizetype at = code.indexOf(u'R');
        const ExactValue ohms = value(QString(code).remove(u'R'), -int(code.size() - 1 - at));
        if (ohms.digits.empty())
            return {};
        // Four characters with R inside hold three significant digits: ± 1 %.
        return {{MarkingFormat::RDecimal, ohms, code.size() == 4 && !code.endsWith(u'R')}};
    }
    return {};
}

void checkReading(const QString &typed, const QLocale &locale)
{
    const MarkingReading reading = readMarking(typed);
    const std::vector<Expected> expected = expectedReadings(typed);
    const QStringList lines = decodeLines(reading, locale, true);
    if (lines.isEmpty() || std::ranges::any_of(lines, [](const QString &line) {
            return line.isEmpty() || line.contains(u'\n');
        }))
        fail("an empty line or one that breaks", typed, lines.join(u'|'));

    const auto *readings = std::get_if<Readings>(&reading);
    if (expected.empty()) {
        if (readings)
            fail("accepted what must be refused", typed, text(readings->readings.front().value));
        return;
    }
    if (!readings)
        fail("refused what must be read", typed, refusalText(std::get<Refusal>(reading), locale));
    if (readings->readings.size() != expected.size())
        fail("wrong number of readings", typed, QString::number(readings->readings.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Reading &got = readings->readings[i];
        if (got.format != expected[i].format || got.value != expected[i].value)
            fail("wrong reading", typed,
                 QStringLiteral("%1 %2, expected %3 %4")
                     .arg(formatId(got.format), text(got.value), formatId(expected[i].format),
                          text(expected[i].value)));
        const bool onePercent = got.toleranceHundredths == std::optional<std::int32_t>(100);
        if (onePercent != expected[i].onePercent ||
            (!onePercent && got.toleranceHundredths.has_value()))
            fail("wrong tolerance", typed);
        if (howText(readings->code, got, locale).isEmpty())
            fail("a reading that does not say how", typed);
    }
}

// Whether a code the writer gave reads back as the value: first, or for
// three digits ending in 8 or 9, which read first as the old code, second.
bool readsBack(const QString &code, const ExactValue &ohms)
{
    const auto reading = readMarking(code);
    const auto *readings = std::get_if<Readings>(&reading);
    if (!readings)
        return false;
    const bool oldFirst = readings->readings.front().format == MarkingFormat::OldThreeDigit &&
                          readings->readings.size() == 2;
    return readings->readings[oldFirst ? 1 : 0].value == ohms;
}

void checkMarkings(const QString &typed, const QLocale &locale)
{
    const QChar separator = locale.decimalPoint().at(0);
    const auto number = colorcode::readTypedNumber(typed, colorcode::Unit::Ohm, separator);
    const auto *typedValue = std::get_if<ExactValue>(&number);
    if (!typedValue)
        return;
    const ExactValue n = colorcode::normalised(*typedValue);
    const Markings markings = markingsFor(n);
    if (n.digits.empty()) {
        if (markings.threeDigit.code != QStringLiteral("000") ||
            markings.fourDigit.code != QStringLiteral("0000") || markings.eia96.code)
            fail("zero is not a link", typed);
        return;
    }

    // Which markings exist, from the shapes alone.
    const int count = int(n.digits.size());
    const int leading = count - 1 + n.powerOfTen;
    const int significand =
        count <= 3 ? QString::fromStdString(n.digits).leftJustified(3, u'0').toInt() : 0;
    const bool e96 = std::ranges::find(smdreference::eia96Values, significand) !=
                     smdreference::eia96Values.end();
    const bool e24 =
        significand % 10 == 0 && std::ranges::find(smdreference::e24Values, significand / 10) !=
                                     smdreference::e24Values.end();
    const bool three = count <= 2 && n.powerOfTen >= -2 && leading <= 10;
    const bool four = count <= 3 && n.powerOfTen >= -3 && leading <= 11;
    const bool eia = e96 && leading >= -1 && leading <= 7;
    const bool bar = count <= 2 && e24 && !e96 && leading >= 1 && leading <= 8;

    const std::pair<const Marking &, bool> formats[] = {
        {markings.threeDigit, three}, {markings.fourDigit, four}, {markings.eia96, eia}};
    for (const auto &[marking, exists] : formats) {
        if (marking.code.has_value() != exists)
            fail(exists ? "a marking is missing" : "a marking that cannot exist", typed,
                 marking.code.value_or(marking.whyNot ? noCodeText(*marking.whyNot, locale)
                                                      : QString()));
        if (!exists && !marking.whyNot)
            fail("no marking and no reason", typed);
        if (marking.code && !readsBack(*marking.code, n))
            fail("a marking does not read back", typed, *marking.code);
    }
    if (markings.barCode.has_value() != bar)
        fail("wrong underlined code", typed, markings.barCode.value_or(QString()));
    if (markings.barCode && !readsBack(QStringLiteral("_") + *markings.barCode, n))
        fail("the underlined code does not read back", typed, *markings.barCode);
    if (encodeLines(markings, locale).size() != (bar ? 4 : 3))
        fail("wrong number of lines", typed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const QLocale locales[2] = {QLocale::c(), QLocale(QLocale::Turkish, QLocale::Turkey)};
    const unsigned choice = data[0];
    const QLocale &locale = locales[choice & 1u];
    ++data;
    --size;

    QString typed;
    if (choice & 2u) {
        typed.resize(qsizetype(size / 2));
        std::memcpy(typed.data(), data, size / 2 * 2);
    } else {
        typed = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    }
    if (choice & 4u)
        checkMarkings(typed, locale);
    else
        checkReading(typed, locale);
    return 0;
}
