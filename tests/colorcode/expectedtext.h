#pragma once

// The result text worked out independently of the program, in whole
// hundredths of an ohm, for the tests and the fuzz target to hold the
// program's text against.

#include <QString>

#include <cstdint>

// numerator / divisor written out by long division, trailing zeros dropped.
inline QString exactDecimal(std::int64_t numerator, std::int64_t divisor, QChar separator)
{
    QString text = QString::number(numerator / divisor);
    std::int64_t rest = numerator % divisor;
    if (rest != 0)
        text += separator;
    while (rest != 0) {
        rest *= 10;
        text += QChar(u'0' + char16_t(rest / divisor));
        rest %= divisor;
    }
    return text;
}

// The text for a whole number of hundredths of an ohm: ohms up to 1000,
// kilo-ohms up to a million, mega-ohms above.
inline QString expectedText(std::int64_t hundredths, int tolerancePercent, QChar separator)
{
    QString text;
    if (hundredths <= 1000 * 100)
        text = exactDecimal(hundredths, 100, separator) + QStringLiteral(" Ohm ");
    else if (hundredths <= 1000000 * 100)
        text = exactDecimal(hundredths, 100000, separator) + QStringLiteral(" Kilo Ohm ");
    else
        text = exactDecimal(hundredths, 100000000, separator) + QStringLiteral(" Mega Ohm ");
    return text + QStringLiteral(" \u00B1 % ") + QString::number(tolerancePercent);
}
