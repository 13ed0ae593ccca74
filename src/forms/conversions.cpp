#include "forms/conversions.h"

#include <limits>

namespace conversions
{

QLocale numberLocale()
{
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString integerToText(std::int64_t value)
{
    return QString::number(value);
}

std::optional<double> textToDouble(const QString &text)
{
    // The C locale on purpose: these texts are built by the program from
    // digits, never typed, and must read the same under every user locale.
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString doubleToText(double value, const QLocale &locale)
{
    QLocale format = locale;
    format.setNumberOptions(format.numberOptions() | QLocale::OmitGroupSeparator);
    return format.toString(value, 'g', 15);
}

QString exactDecimalText(std::uint64_t units, int decimals, const QLocale &locale)
{
    // ASCII digits on purpose: some locales write their own digits, and a
    // value must read the same as the tolerance written after it.
    QString digits = QString::number(units);
    if (decimals <= 0)
        return digits;
    if (digits.size() <= decimals)
        digits.prepend(QString(decimals - digits.size() + 1, u'0'));
    QString whole = digits.left(digits.size() - decimals);
    QString fraction = digits.right(decimals);
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (fraction.isEmpty())
        return whole;
    return whole + locale.decimalPoint() + fraction;
}

std::optional<std::int16_t> textToInt16(const QString &text)
{
    bool ok = false;
    const int value = QLocale::c().toInt(text.trimmed(), &ok);
    if (!ok || value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

QString mid(const QString &text, qsizetype start, qsizetype length)
{
    if (start < 1 || start > text.size())
        return {};
    return text.mid(start - 1, length);
}

qsizetype len(const QString &text)
{
    return text.size();
}

} // namespace conversions
