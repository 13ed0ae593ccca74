#include "colorcode/valueentry.h"

#include "colorcode/bandtables.h"
#include "forms/conversions.h"

#include <algorithm>

namespace colorcode
{

namespace
{

qsizetype zerosOf(Unit unit)
{
    switch (unit) {
    case Unit::Ohm:
        return 0;
    case Unit::Kohm:
        return 3;
    case Unit::Mohm:
        return 6;
    }
    return 0;
}

bool isDecimalDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

ValueReading rejected(ValueError error)
{
    return {std::nullopt, error};
}

} // namespace

ValueReading readTypedValue(const QString &text, Unit unit)
{
    using namespace conversions;

    QString value = text.trimmed();
    if (value.isEmpty())
        return rejected(ValueError::Empty);
    if (!std::all_of(value.cbegin(), value.cend(), isDecimalDigit))
        return rejected(ValueError::NotDigits);

    // A leading zero is no digit of the value: "047" is 47. All zeros is 0.
    qsizetype zeros = 0;
    while (zeros < value.size() - 1 && value.at(zeros) == u'0')
        ++zeros;
    value.remove(0, zeros);

    // The first two digits are read, the rest only counted with the unit's
    // zeros: that count is the multiplier's index.
    QString c1 = mid(value, 1, 1);
    QString c2 = mid(value, 2, 1);
    const qsizetype n = len(mid(value, 3)) + zerosOf(unit);
    if (c2.isEmpty()) {
        c2 = c1;
        c1 = QStringLiteral("0");
    }
    if (n >= qsizetype(colourList.size()))
        return rejected(ValueError::TooLarge);

    const std::optional<std::int16_t> first = textToInt16(c1);
    const std::optional<std::int16_t> second = textToInt16(c2);
    if (!first || !second)
        return rejected(ValueError::NotDigits);
    return {BandIndices{*first, *second, int(n)}, std::nullopt};
}

QString valueErrorMessage(ValueError error)
{
    switch (error) {
    case ValueError::Empty:
        return QStringLiteral("Lütfen bir değer giriniz.");
    case ValueError::NotDigits:
        return QStringLiteral("Değer yalnızca rakamlardan oluşmalıdır.");
    case ValueError::TooLarge:
        return QStringLiteral("Değer çok büyük: en fazla 99000 Mega Ohm girilebilir.");
    }
    return {};
}

} // namespace colorcode
