#include "colorcode/valueentry.h"

#include "colorcode/bandtables.h"

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
    const QString value = text.trimmed();
    if (value.isEmpty())
        return rejected(ValueError::Empty);
    if (!std::all_of(value.cbegin(), value.cend(), isDecimalDigit))
        return rejected(ValueError::NotDigits);

    // A leading zero is no digit of the value: "047" is 47. All zeros is 0.
    qsizetype start = 0;
    while (start < value.size() - 1 && value.at(start) == u'0')
        ++start;
    const QStringView digits = QStringView(value).mid(start);

    BandIndices bands;
    qsizetype zeros = zerosOf(unit);
    if (digits.size() == 1) {
        bands.second = digits.at(0).digitValue();
    } else {
        bands.first = digits.at(0).digitValue();
        bands.second = digits.at(1).digitValue();
        zeros += digits.size() - 2;
    }
    if (zeros >= qsizetype(colourList.size()))
        return rejected(ValueError::TooLarge);
    bands.multiplier = int(zeros);
    return {bands, std::nullopt};
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
