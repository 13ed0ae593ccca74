#pragma once

// The result text worked out independently of the program, in whole
// thousandths of an ohm, for the tests and the fuzz target to hold the
// program's text against.

#include <QString>

#include <cstdint>
#include <optional>

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

// The text for a whole number of thousandths of an ohm: ohms up to 1000,
// kilo-ohms up to a million, mega-ohms above; the tolerance in hundredths of
// a percent, and with six bands the coefficient.
inline QString expectedText(std::int64_t thousandths, int toleranceHundredths, QChar separator,
                            std::optional<int> ppm = std::nullopt)
{
    QString text;
    if (thousandths <= 1000 * 1000)
        text = exactDecimal(thousandths, 1000, separator) + QStringLiteral(" Ohm ");
    else if (thousandths <= 1000000 * 1000)
        text = exactDecimal(thousandths, 1000000, separator) + QStringLiteral(" Kilo Ohm ");
    else
        text = exactDecimal(thousandths, 1000000000, separator) + QStringLiteral(" Mega Ohm ");
    text += QStringLiteral(" \u00B1 % ") + exactDecimal(toleranceHundredths, 100, separator);
    if (ppm)
        text += QStringLiteral("  ") + QString::number(*ppm) + QStringLiteral(" ppm/K");
    return text;
}
