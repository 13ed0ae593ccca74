// Reading inductor bands, whatever is chosen: every choice of three, four or
// five colours is read as the reference's table says or refused; every band
// set the writer gives a value reads back as it; a typed value never
// crashes the reader.
//
// The oracle is its own: digits and multipliers typed again from the
// reference's inductor table, and its tolerances as the tests have them
// (tests/inductor/indreference.h).
//
// Input: byte 0 chooses what is fuzzed (bit 0: bands or a typed value); for
// bands byte 1 is the count and each further byte a colour.

#include "capacitor/quantity.h"
#include "indreference.h"
#include "inductor/inductortext.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <variant>
#include <vector>

using colorcode::Colour;
using colorcode::ExactValue;

namespace
{

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// Siyah 0 … Beyaz 9 in the enum's order; Altın × 0,1, Gümüş × 0,01.
std::optional<int> digitOf(Colour c)
{
    const int n = int(c);
    return n <= 9 ? std::optional(n) : std::nullopt;
}
std::optional<int> powerOf(Colour c)
{
    if (c == Colour::Altin)
        return -1;
    if (c == Colour::Gumus)
        return -2;
    return digitOf(c);
}
void checkBands(const std::vector<Colour> &bands)
{
    const inductor::BandReading reading = inductor::readBands(bands);
    const auto *readings = std::get_if<inductor::Readings>(&reading);
    inductor::decodeLines(reading, QLocale::c());
    std::vector<Colour> b = bands;
    if (b.size() == 4 && b.back() == Colour::Renksiz)
        b.pop_back();
    if (b.size() == 3 || b.size() == 4) {
        const auto d1 = digitOf(b[0]), d2 = digitOf(b[1]), p = powerOf(b[2]);
        const auto t = b.size() == 4 ? indreference::tolerance(b[3]) : std::optional(2000);
        if (!d1 || !d2 || !p || !t) {
            if (readings)
                fail("read bands the table refuses");
            return;
        }
        if (!readings)
            fail("refused bands the table reads");
        const ExactValue expected = colorcode::normalised({std::to_string(*d1 * 10 + *d2), *p});
        if (readings->readings.front().microhenries != expected ||
            readings->readings.front().toleranceHundredths != std::optional<std::int32_t>(*t))
            fail("bands read wrong");
        return;
    }
    if (b.size() == 5) {
        if (b[0] != Colour::Gumus && readings)
            fail("a military form without Gümüş first was read");
        if (readings && !indreference::tolerance(b[4]))
            fail("a military tolerance the table has not");
        return;
    }
    if (readings)
        fail("read a band count the table has not");
}

void checkValue(const QString &text)
{
    const auto typed = quantity::readQuantity(text, quantity::Kind::Inductance, u',');
    const auto *v = std::get_if<ExactValue>(&typed);
    if (!v)
        return;
    inductor::encodeLines(*v, QLocale::c());
    for (const inductor::ValueBands &bands :
         {inductor::fourBandsFor(*v), inductor::militaryBandsFor(*v)}) {
        if (!bands.bands)
            continue;
        std::vector<Colour> withTolerance = *bands.bands;
        withTolerance.push_back(Colour::Altin);
        const auto reading = inductor::readBands(withTolerance);
        const auto *readings = std::get_if<inductor::Readings>(&reading);
        if (!readings || readings->readings.front().microhenries != colorcode::normalised(*v))
            fail("written bands read as another value");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    if (data[0] & 1) {
        checkValue(
            QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)));
        return 0;
    }
    std::vector<Colour> bands;
    const std::size_t count = data[1] % 7;
    for (std::size_t i = 0; i < count && 2 + i < size; ++i)
        bands.push_back(Colour(data[2 + i] % 14));
    checkBands(bands);
    return 0;
}
