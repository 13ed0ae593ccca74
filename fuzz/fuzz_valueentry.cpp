// Reading a typed value, whatever is typed, with every unit and both
// decimal separators: it never crashes or reads out of bounds, it accepts
// exactly the texts it should, and what it accepts, shown again through the
// result text, names the typed value cut to two significant digits.
//
// The expectations come from an oracle of its own: the text is brought to
// plain ASCII and matched against regular expressions, and the bands are
// worked out from the position of the leading digit.
//
// Input: byte 0 chooses the unit (bits 0-1), the tolerance (bits 2-3), the
// regional format (bit 4: point or comma) and whether the rest is UTF-8 or
// UTF-16 (bit 5).

#include "colorcode/bandtables.h"
#include "colorcode/resistance.h"
#include "colorcode/valueentry.h"
#include "expectedtext.h"

#include <QLocale>
#include <QRegularExpression>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

using namespace colorcode;

namespace
{

struct Expected {
    std::optional<ValueError> error;
    int first = 0;
    int second = 0;
    int power = 0; // of the multiplier band, -2 to 9
};

Expected refused(ValueError error)
{
    return {error, 0, 0, 0};
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
Expected expectedReading(const QString &text, int unitPower, QChar separator)
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
    if (digits.isEmpty())
        return {std::nullopt, 0, 0, 0};

    // The leading digit stands for 10 to this power.
    const int leading = int(digits.size()) - 1 + power;
    if (leading < -2)
        return refused(ValueError::TooSmall);
    if (leading == -2) // a value from 0,01 to below 0,1: cut to hundredths
        return {std::nullopt, 0, digits.at(0).digitValue(), -2};
    Expected e;
    if (digits.size() == 1) {
        e.second = digits.at(0).digitValue();
        e.power = power;
    } else {
        e.first = digits.at(0).digitValue();
        e.second = digits.at(1).digitValue();
        e.power = leading - 1;
    }
    if (e.power > 9)
        return refused(ValueError::TooLarge);
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
    const unsigned choice = data[0];
    const int unitIndex = int(choice & 3u) % 3;
    const int toleranceIndex = int((choice >> 2) & 3u) % 3;
    const QLocale &locale = locales[(choice >> 4) & 1u];
    const QChar separator = locale.decimalPoint().at(0);
    ++data;
    --size;

    QString text;
    if (choice & 0x20u) {
        text.resize(qsizetype(size / 2));
        std::memcpy(text.data(), data, size / 2 * 2);
    } else {
        text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    }

    const ValueReading reading = readTypedValue(text, units[unitIndex], separator);
    const Expected expected = expectedReading(text, 3 * unitIndex, separator);

    if (reading.bands.has_value() == reading.error.has_value())
        fail("a reading must give either bands or an error", text);
    if (expected.error) {
        if (reading.error != expected.error)
            fail("wrong error or none", text,
                 QStringLiteral("expected error %1, got %2")
                     .arg(int(*expected.error))
                     .arg(reading.error ? int(*reading.error) : -1));
        return 0;
    }
    if (!reading.bands)
        fail("a valid value was rejected", text,
             QStringLiteral("error %1").arg(int(*reading.error)));

    // Gold is the multiplier list's entry 10, silver its 11.
    const int multiplierIndex = expected.power >= 0 ? expected.power : 9 - expected.power;
    const BandIndices &b = *reading.bands;
    if (b != BandIndices{expected.first, expected.second, multiplierIndex})
        fail("wrong bands", text,
             QStringLiteral("got %1 %2 %3, expected %4 %5 %6")
                 .arg(b.first)
                 .arg(b.second)
                 .arg(b.multiplier)
                 .arg(expected.first)
                 .arg(expected.second)
                 .arg(multiplierIndex));

    // Back through the colours to the result text, in hundredths of an ohm.
    std::int64_t hundredths = 10 * expected.first + expected.second;
    for (int i = -2; i < expected.power; ++i)
        hundredths *= 10;
    const int percent = toleranceList[std::size_t(toleranceIndex)].percent;
    const auto result = calculateResistance(
        b.first, b.second, multiplierList[std::size_t(b.multiplier)].powerOfTen, percent, locale);
    if (!result)
        fail("no result text for accepted bands", text);
    const QString want = expectedText(hundredths, percent, separator);
    if (result->sonuc != want)
        fail("result text does not name the value", text,
             QStringLiteral("got \"%1\", expected \"%2\"").arg(result->sonuc, want));
    return 0;
}
