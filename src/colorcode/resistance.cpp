#include "colorcode/resistance.h"

#include "forms/conversions.h"

namespace colorcode
{

std::optional<Resistance> calculateResistance(int firstDigit, int secondDigit,
                                              std::int32_t multiplier,
                                              std::int32_t tolerancePercent, const QLocale &locale)
{
    using namespace conversions;

    if (firstDigit < 0 || firstDigit > 9 || secondDigit < 0 || secondDigit > 9)
        return std::nullopt;

    // The two digits are read as the number they spell side by side.
    const std::optional<double> twoDigits =
        textToDouble(integerToText(firstDigit) + integerToText(secondDigit));
    if (!twoDigits)
        return std::nullopt;

    Resistance r;
    r.deger = *twoDigits * multiplier;

    // There is no unit above mega-ohm: larger values stay in mega-ohms.
    const char16_t *unit = ohmLiteral;
    if (r.deger > 1000) {
        r.deger /= 1000;
        unit = kiloOhmLiteral;
        if (r.deger > 1000) {
            r.deger /= 1000;
            unit = megaOhmLiteral;
        }
    }

    r.sonuc = doubleToText(r.deger, locale) + QString::fromUtf16(unit) +
              QString::fromUtf16(toleranceLiteral) + integerToText(tolerancePercent);
    return r;
}

} // namespace colorcode
