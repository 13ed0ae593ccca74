#include "colorcode/resistance.h"

#include "colorcode/bandtables.h"
#include "forms/conversions.h"

namespace colorcode
{

std::optional<Resistance> calculateResistance(int firstDigit, int secondDigit,
                                              std::int32_t powerOfTen,
                                              std::int32_t tolerancePercent, const QLocale &locale)
{
    using namespace conversions;

    if (firstDigit < 0 || firstDigit > 9 || secondDigit < 0 || secondDigit > 9 ||
        powerOfTen < smallestPowerOfTen || powerOfTen > largestPowerOfTen)
        return std::nullopt;

    // Counted in hundredths of an ohm, the smallest step silver leaves, so
    // that every value is a whole number and its text exact: at most
    // 99 x 10^11, well within 64 bits.
    std::uint64_t hundredths = std::uint64_t(10 * firstDigit + secondDigit);
    for (int i = smallestPowerOfTen; i < powerOfTen; ++i)
        hundredths *= 10;

    // There is no unit above mega-ohm: larger values stay in mega-ohms.
    const char16_t *unit = ohmLiteral;
    int decimals = 2; // of the number shown, in its unit
    if (hundredths > 1000 * 100) {
        unit = kiloOhmLiteral;
        decimals = 5;
        if (hundredths > 1000000 * 100) {
            unit = megaOhmLiteral;
            decimals = 8;
        }
    }

    Resistance r;
    // One division of two exactly held numbers: the nearest double to the
    // value shown.
    double divisor = 1;
    for (int i = 0; i < decimals; ++i)
        divisor *= 10;
    r.deger = double(hundredths) / divisor;
    r.sonuc = exactDecimalText(hundredths, decimals, locale) + QString::fromUtf16(unit) +
              QString::fromUtf16(toleranceLiteral) + integerToText(tolerancePercent);
    return r;
}

} // namespace colorcode
