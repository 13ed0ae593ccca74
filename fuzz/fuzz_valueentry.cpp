// Reading a typed value, whatever is typed and with every unit: it never
// crashes or reads out of bounds, it accepts exactly the texts it should,
// and what it accepts, shown again through the result text, names the typed
// value cut to two significant digits.
//
// Input: byte 0 chooses the unit (bits 0-1), the tolerance (bits 2-3), the
// regional format (bit 4) and whether the rest is UTF-8 or UTF-16 (bit 5).

#include "colorcode/bandtables.h"
#include "colorcode/resistance.h"
#include "colorcode/valueentry.h"
#include "expectedtext.h"

#include <QLocale>
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
    std::string significant; // the value's digits, leading zeros dropped
    int zeros = 0;           // zeros after the first two significant digits
};

// What the reading must give, worked out from the characters alone.
Expected expectedReading(const QString &text, int unitZeros)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).isSpace())
        ++begin;
    while (end > begin && text.at(end - 1).isSpace())
        --end;
    if (begin == end)
        return {ValueError::Empty, {}, 0};

    std::string digits;
    for (qsizetype i = begin; i < end; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return {ValueError::NotDigits, {}, 0};
        digits += char(c);
    }
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    Expected e;
    e.significant = firstNonZero == std::string::npos ? "0" : digits.substr(firstNonZero);
    e.zeros = unitZeros + int(e.significant.size() > 2 ? e.significant.size() - 2 : 0);
    if (e.zeros > 9)
        e.error = ValueError::TooLarge;
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
    ++data;
    --size;

    QString text;
    if (choice & 0x20u) {
        text.resize(qsizetype(size / 2));
        std::memcpy(text.data(), data, size / 2 * 2);
    } else {
        text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    }

    const ValueReading reading = readTypedValue(text, units[unitIndex]);
    const Expected expected = expectedReading(text, 3 * unitIndex);

    if (reading.bands.has_value() == reading.error.has_value())
        fail("a reading must give either bands or an error", text);
    if (expected.error) {
        if (reading.error != expected.error)
            fail("wrong error or none", text,
                 QStringLiteral("expected error %1").arg(int(*expected.error)));
        return 0;
    }
    if (!reading.bands)
        fail("a valid value was rejected", text,
             QStringLiteral("error %1").arg(int(*reading.error)));

    const BandIndices &b = *reading.bands;
    for (int index : {b.first, b.second, b.multiplier})
        if (index < 0 || index > 9)
            fail("band index outside its list", text, QString::number(index));

    const std::string &sig = expected.significant;
    const int first = sig.size() >= 2 ? sig[0] - '0' : 0;
    const int second = sig[sig.size() >= 2 ? 1 : 0] - '0';
    if (b != BandIndices{first, second, expected.zeros})
        fail("wrong bands", text,
             QStringLiteral("got %1 %2 %3").arg(b.first).arg(b.second).arg(b.multiplier));

    // Back through the colours to the result text.
    std::int64_t ohms = 10 * first + second;
    for (int i = 0; i < expected.zeros; ++i)
        ohms *= 10;
    const int percent = toleranceList[std::size_t(toleranceIndex)].percent;
    const auto result = calculateResistance(
        b.first, b.second, colourList[std::size_t(b.multiplier)].multiplier, percent, locale);
    if (!result)
        fail("no result text for accepted bands", text);
    const QString want = expectedText(ohms, percent, locale.decimalPoint().at(0));
    if (result->sonuc != want)
        fail("result text does not name the value", text,
             QStringLiteral("got \"%1\", expected \"%2\"").arg(result->sonuc, want));
    return 0;
}
