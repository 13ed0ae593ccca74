// Reading a typed value, whatever is typed, with every unit, both decimal
// separators and four, five or six bands: it never crashes or reads out of
// bounds, it accepts exactly the texts it should, and what it accepts, shown
// again through the result text, names the typed value cut to the digits
// the bands hold.
//
// The expectations come from an oracle of its own: the text is brought to
// plain ASCII and matched against regular expressions, and each band is
// worked out as the typed digit at the decimal position it stands for.
//
// Input: byte 0 chooses the unit (bits 0-1), the tolerance (bits 2-3), the
// regional format (bit 4: point or comma), whether the rest is UTF-8 or
// UTF-16 (bit 5) and the band count (bits 6-7: 4, 5, 6, 4).

#include "colorcode/bandtables.h"
#include "colorcode/resistance.h"
#include "colorcode/valueentry.h"
#include "expectedtext.h"

#include <QLocale>
#include <QRegularExpression>
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

using namespace colorcode;

namespace
{

struct Expected {
    std::optional<ValueError> error;
    std::vector<int> digits; // of the digit bands
    int power = 0;           // of the multiplier band, -3 to 9
};

Expected refused(ValueError error)
{
    return {error, {}, 0};
}

// The text in plain ASCII: digits of any script as 0-9, any white space as
// " ", the user's separator as "~", the other mark as "^", an ohm sign as
// "#", ASCII letters as they are, invisible characters gone, anything else
// "?".
QString plain(const QString &text, QChar separator)
{
    QString out;
    for (const char32_t c : text.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Number_DecimalDigit)
            out += QChar(u'0' + QChar::digitValue(c));
        else if (QChar::isSpace(c))
            out += u' ';
        else if (category == QChar::Other_Format || category == QChar::Other_Control)
            continue;
        else if (c == separator.unicode())
            out += u'~';
        else if (c == U'.' || c == U',')
            out += u'^';
        else if (c == 0x03A9 || c == 0x2126)
            out += u'#';
        else if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z'))
            out += QChar(char16_t(c));
        else
            out += u'?';
    }
    return out.trimmed();
}

// What the reading must give, worked out from the characters alone.
Expected expectedReading(const QString &text, int unitPower, QChar separator, int bandCount)
{
    if (text.size() >= 64)
        return refused(ValueError::TooLong);
    QString body = plain(text, separator);
    if (body.isEmpty())
        return refused(ValueError::Empty);

    static const QRegularExpression withUnit(QStringLiteral("^(.*?) *(?:#|[Oo][Hh][Mm])$"));
    static const QRegularExpression numberThenLetter(
        QStringLiteral("^([0-9]+)(?:([~^])([0-9]+))?(?: *([RrKkMmGg]))?$"));
    static const QRegularExpression letterInside(QStringLiteral("^([0-9]*)([RrKkMmGg])([0-9]+)$"));

    const QRegularExpressionMatch unitMatch = withUnit.match(body);
    const bool ownUnit = unitMatch.hasMatch();
    if (ownUnit)
        body = unitMatch.captured(1);

    QString whole, mark, fraction, letter;
    if (const auto m = numberThenLetter.match(body); m.hasMatch()) {
        whole = m.captured(1);
        mark = m.captured(2);
        fraction = m.captured(3);
        letter = m.captured(4);
    } else if (const auto m = letterInside.match(body); m.hasMatch()) {
        whole = m.captured(1);
        letter = m.captured(2);
        fraction = m.captured(3);
    } else {
        return refused(ValueError::NotNumber);
    }
    if (mark == u"^")
        return refused(ValueError::WrongSeparator);
    if (letter == u"m")
        return refused(ValueError::LowercaseM);

    int power = ownUnit ? 0 : unitPower;
    if (!letter.isEmpty())
        power = 3 * int(QStringLiteral("RKMG").indexOf(letter.toUpper()));
    power -= int(fraction.size());

    QString digits = whole + fraction;
    while (digits.startsWith(u'0'))
        digits.remove(0, 1);
    const int digitBands = bandCount == 4 ? 2 : 3;
    if (digits.isEmpty())
        return {std::nullopt, std::vector<int>(std::size_t(digitBands), 0), 0};

    // The leading digit stands for 10 to this power; the last digit band
    // for the multiplier's. Four bands show one typed digit d as 0 and d.
    const int leading = int(digits.size()) - 1 + power;
    if (leading < -3)
        return refused(ValueError::TooSmall);
    Expected e;
    e.power =
        bandCount == 4 && digits.size() == 1 && power <= 9 ? power : leading - (digitBands - 1);
    if (e.power > 9)
        return refused(ValueError::TooLarge);
    e.power = std::max(e.power, -3);
    for (int band = 0; band < digitBands; ++band) {
        const int position = e.power + digitBands - 1 - band;
        const int at = leading - position; // index in the typed digits
        e.digits.push_back(at >= 0 && at < int(digits.size()) ? digits.at(at).digitValue() : 0);
    }
    return e;
}

[[noreturn]] void fail(const char *what, const QString &text, const QString &detail = {})
{
    std::fprintf(stderr, "%s\n  typed: \"%s\"\n  %s\n", what, qPrintable(text), qPrintable(detail));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const QLocale locales[2] = {QLocale::c(), QLocale(QLocale::Turkish, QLocale::Turkey)};
    static const Unit units[3] = {Unit::Ohm, Unit::Kohm, Unit::Mohm};
    // Altın, Gümüş, Renksiz and a fractional one, Mavi (± 0,25 %).
    static const int tolerances[4] = {0, 1, 2, 8};
    const unsigned choice = data[0];
    const int unitIndex = int(choice & 3u) % 3;
    const int toleranceIndex = tolerances[(choice >> 2) & 3u];
    const QLocale &locale = locales[(choice >> 4) & 1u];
    const QChar separator = locale.decimalPoint().at(0);
    const int bandCount = 4 + int((choice >> 6) & 3u) % 3;
    ++data;
    --size;

    QString text;
    if (choice & 0x20u) {
        text.resize(qsizetype(size / 2));
        std::memcpy(text.data(), data, size / 2 * 2);
    } else {
        text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    }

    const BandsOrError reading = readTypedValue(text, units[unitIndex], separator, bandCount);
    const Expected expected = expectedReading(text, 3 * unitIndex, separator, bandCount);

    const ValueError *error = std::get_if<ValueError>(&reading);
    if (expected.error) {
        if (!error || *error != *expected.error)
            fail("wrong error or none", text,
                 QStringLiteral("expected error %1, got %2")
                     .arg(int(*expected.error))
                     .arg(error ? int(*error) : -1));
        return 0;
    }
    if (error)
        fail("a valid value was rejected", text, QStringLiteral("error %1").arg(int(*error)));

    const BandIndices &b = std::get<BandIndices>(reading);
    const int multiplierIndex = expected.power >= 0 ? expected.power : 9 - expected.power;
    if (b != BandIndices{expected.digits, multiplierIndex}) {
        QStringList got, want;
        for (const int d : b.digits)
            got << QString::number(d);
        for (const int d : expected.digits)
            want << QString::number(d);
        fail("wrong bands", text,
             QStringLiteral("got %1 %2, expected %3 %4")
                 .arg(got.join(u' '))
                 .arg(b.multiplier)
                 .arg(want.join(u' '))
                 .arg(multiplierIndex));
    }

    // Back through the colours to the result text, in thousandths of an ohm.
    std::int64_t thousandths = 0;
    for (const int d : expected.digits)
        thousandths = 10 * thousandths + d;
    for (int i = -3; i < expected.power; ++i)
        thousandths *= 10;
    const int hundredths = toleranceList[std::size_t(toleranceIndex)].number;
    std::optional<std::int32_t> ppm;
    if (bandCount == 6)
        ppm = coefficientList[choice % coefficientList.size()].number;
    const auto result = calculateResistance(
        b.digits, multiplierList[std::size_t(b.multiplier)].number, hundredths, ppm, locale);
    if (!result)
        fail("no result text for accepted bands", text);
    const QString want = expectedText(thousandths, hundredths, separator, ppm);
    if (result->sonuc != want)
        fail("result text does not name the value", text,
             QStringLiteral("got \"%1\", expected \"%2\"").arg(result->sonuc, want));
    return 0;
}
