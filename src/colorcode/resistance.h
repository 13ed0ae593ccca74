#pragma once

// Turning a colour code into the value text the main window shows, such as
// "4,7 Kilo Ohm  ± % 5" or "19,2 Kilo Ohm  ± % 1  10 ppm/K".

#include "colorcode/exactvalue.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>

namespace colorcode
{

struct Resistance {
    double deger = 0; // scaled to the unit shown: ohms, kilo-ohms or mega-ohms
    QString sonuc;    // the whole result text
    ExactValue value; // in ohms, normalised
};

// Unit literals, spaces included: the unit ends in a space and the
// tolerance follows one more, so "±" follows two spaces.
inline constexpr char16_t ohmLiteral[] = u" Ohm ";
inline constexpr char16_t kiloOhmLiteral[] = u" Kilo Ohm ";
inline constexpr char16_t megaOhmLiteral[] = u" Mega Ohm ";

// digits are the digit bands (two for four bands, three for five and six),
// powerOfTen, toleranceHundredths and ppmPerKelvin the numbers of the chosen
// multiplier, tolerance and coefficient entries; a coefficient only with six
// bands. Nothing when a digit lies outside 0 to 9, there are not two or three
// of them, or the power lies outside -3 to 9.
std::optional<Resistance> calculateResistance(std::span<const int> digits, std::int32_t powerOfTen,
                                              std::int32_t toleranceHundredths,
                                              std::optional<std::int32_t> ppmPerKelvin,
                                              const QLocale &locale);

// A value in ohms with the result's unit rule (above 1000 Kilo, above 1000
// Kilo Mega), without trailing space: "4,7 Kilo Ohm", "0,123 Ohm".
QString valueText(const ExactValue &ohms, const QLocale &locale);

// A tolerance in hundredths of a percent as a number: "5", "0,25".
QString percentText(std::int32_t hundredths, const QLocale &locale);

// A tolerance as the interface writes it: "± % 5", "± 5 %" in English. Its
// spaces are `space`: a no-break space keeps a wrapped line from parting it.
QString toleranceText(std::int32_t hundredths, const QLocale &locale, QChar space = u' ');

} // namespace colorcode
