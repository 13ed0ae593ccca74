#include "colorcode/resistance.h"

#include "colorcode/bandtables.h"
#include "forms/conversions.h"

#include <QByteArray>

namespace colorcode
{

namespace
{

// value × 10^-shift written out exactly, the locale's separator between
// whole and fraction, digits 0 to 9 whatever the locale.
QString decimalText(const ExactValue &value, int shift, const QLocale &locale)
{
    const ExactValue n = normalised(value);
    if (n.digits.empty())
        return QStringLiteral("0");
    QString digits = QString::fromLatin1(n.digits.data(), qsizetype(n.digits.size()));
    const int power = n.powerOfTen - shift;
    if (power >= 0)
        return digits + QString(power, u'0');
    const int decimals = -power;
    if (digits.size() <= decimals)
        digits.prepend(QString(decimals - digits.size() + 1, u'0'));
    return digits.left(digits.size() - decimals) + locale.decimalPoint() + digits.right(decimals);
}

// Whether a normalised value lies above 10^exponent.
bool isAbove(const ExactValue &n, int exponent)
{
    if (n.digits.empty())
        return false;
    const int magnitude = int(n.digits.size()) + n.powerOfTen; // digits before the mark
    return magnitude > exponent + 1 || (magnitude == exponent + 1 && n.digits != "1");
}

// How far the unit shown shifts the decimal mark: ohms, kilo- or mega-ohms.
// There is no unit above mega-ohm: larger values stay in mega-ohms.
int unitShift(const ExactValue &n)
{
    return isAbove(n, 6) ? 6 : isAbove(n, 3) ? 3 : 0;
}

const char16_t *unitLiteral(int shift)
{
    return shift == 6 ? megaOhmLiteral : shift == 3 ? kiloOhmLiteral : ohmLiteral;
}

} // namespace

QString valueText(const ExactValue &ohms, const QLocale &locale)
{
    const ExactValue n = normalised(ohms);
    const int shift = unitShift(n);
    // The literal's trailing space belongs to the result text, not here.
    return decimalText(n, shift, locale) + QString::fromUtf16(unitLiteral(shift)).chopped(1);
}

QString percentText(std::int32_t hundredths, const QLocale &locale)
{
    return conversions::exactDecimalText(std::uint64_t(hundredths < 0 ? 0 : hundredths), 2, locale);
}

std::optional<Resistance> calculateResistance(std::span<const int> digits, std::int32_t powerOfTen,
                                              std::int32_t toleranceHundredths,
                                              std::optional<std::int32_t> ppmPerKelvin,
                                              const QLocale &locale)
{
    if (digits.size() < 2 || digits.size() > 3 || powerOfTen < smallestPowerOfTen ||
        powerOfTen > largestPowerOfTen)
        return std::nullopt;
    ExactValue value{{}, powerOfTen};
    for (const int digit : digits) {
        if (digit < 0 || digit > 9)
            return std::nullopt;
        value.digits += char('0' + digit);
    }
    value = normalised(value);

    Resistance r;
    r.value = value;
    const int shift = unitShift(value);
    // Parsed from its exact text: the nearest double to the value shown.
    r.deger = decimalText(value, shift, QLocale::c()).toLatin1().toDouble();
    r.sonuc = valueText(value, locale) + u' ' + QString::fromUtf16(toleranceLiteral) +
              percentText(toleranceHundredths, locale);
    if (ppmPerKelvin)
        r.sonuc += QStringLiteral("  ") + QString::number(*ppmPerKelvin) + QStringLiteral(" ppm/K");
    return r;
}

} // namespace colorcode
