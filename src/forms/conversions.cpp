#include "forms/conversions.h"

namespace conversions
{

QLocale numberLocale()
{
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
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

} // namespace conversions
