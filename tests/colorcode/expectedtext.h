#pragma once

// The result text worked out independently of the program, in whole ohms,
// for the tests and the fuzz target to hold the program's text against.

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

// The text for a whole number of ohms: ohms up to 1000, kilo-ohms up to a
// million, mega-ohms above.
inline QString expectedText(std::int64_t ohms, int tolerancePercent, QChar separator)
{
    QString text;
    if (ohms <= 1000)
        text = QString::number(ohms) + QStringLiteral(" Ohm ");
    else if (ohms <= 1000000)
        text = exactDecimal(ohms, 1000, separator) + QStringLiteral(" Kilo Ohm ");
    else
        text = exactDecimal(ohms, 1000000, separator) + QStringLiteral(" Mega Ohm ");
    return text + QStringLiteral(" \u00B1 % ") + QString::number(tolerancePercent);
}
