#pragma once

// Turning a colour code into the value text the main window shows, such as
// "4,7 Kilo Ohm  ± % 5".

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace colorcode
{

struct Resistance {
    double deger = 0; // scaled to the unit shown: ohms, kilo-ohms or mega-ohms
    QString sonuc;    // the whole result text
};

// Unit and tolerance literals, spaces included: the unit ends in a space and
// the tolerance begins with one, so "±" always follows two spaces.
inline constexpr char16_t ohmLiteral[] = u" Ohm ";
inline constexpr char16_t kiloOhmLiteral[] = u" Kilo Ohm ";
inline constexpr char16_t megaOhmLiteral[] = u" Mega Ohm ";
inline constexpr char16_t toleranceLiteral[] = u" \u00B1 % ";

// firstDigit and secondDigit are list indices (the digit itself), powerOfTen
// and tolerancePercent the item data of the chosen entries. Nothing when a
// digit lies outside 0 to 9 or the power outside -2 to 9.
std::optional<Resistance> calculateResistance(int firstDigit, int secondDigit,
                                              std::int32_t powerOfTen,
                                              std::int32_t tolerancePercent, const QLocale &locale);

} // namespace colorcode
