#include "colorcode/resistance.h"

#include "colorcode/bandtables.h"
#include "numbers/exactnumber.h"

#include <QByteArray>
#include <QCoreApplication>

namespace colorcode
{

namespace
{

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
    return numbers::text(numbers::shifted(n, -shift), locale) +
           QString::fromUtf16(unitLiteral(shift)).chopped(1);
}

QString percentText(std::int32_t hundredths, const QLocale &locale)
{
    return numbers::text(numbers::fromUnits(std::uint64_t(hundredths < 0 ? 0 : hundredths), 2),
                         locale);
}

QString toleranceText(std::int32_t hundredths, const QLocale &locale, QChar space)
{
    QString text =
        QCoreApplication::translate("colorcode", "± % %1").arg(percentText(hundredths, locale));
    if (space != u' ')
        text.replace(u' ', space);
    return text;
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
    r.deger =
        QByteArray::fromStdString(numbers::jsonText(numbers::shifted(value, -shift))).toDouble();
    r.sonuc = valueText(value, locale) + QStringLiteral("  ") +
              toleranceText(toleranceHundredths, locale);
    if (ppmPerKelvin)
        r.sonuc += QStringLiteral("  ") + QString::number(*ppmPerKelvin) + QStringLiteral(" ppm/K");
    return r;
}

} // namespace colorcode
