#include "capacitor/quantity.h"

#include "colorcode/quotedword.h"

#include "forms/conversions.h"
#include "numbers/exactnumber.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>
#include <string>

namespace quantity
{

namespace
{

using colorcode::ExactValue;

// Texts longer than a value box holds are no value.
constexpr qsizetype longestText = 64;
// Enough for any part; the text then always fits a 64-bit count.
constexpr int mostSignificantDigits = 12;

int basePower(Kind kind)
{
    return kind == Kind::Capacitance ? -12 : -6;
}

// The units shown, smallest first, as powers of ten of farad or henry.
std::array<int, 4> shownPowers(Kind kind)
{
    if (kind == Kind::Capacitance)
        return {-12, -9, -6, -3};
    return {-9, -6, -3, -3};
}

// The power of ten of the leading digit of a normalised non-zero value.
int leadingPower(const ExactValue &n)
{
    return int(n.digits.size()) - 1 + n.powerOfTen;
}

// The smallest and largest values read, in the base unit.
ExactValue smallest(Kind kind)
{
    return kind == Kind::Capacitance ? ExactValue{"1", -2} : ExactValue{"1", -3};
}
ExactValue largest(Kind kind)
{
    return kind == Kind::Capacitance ? ExactValue{"1", 14} : ExactValue{"1", 9};
}

} // namespace

QString unitSymbol(int power, Kind kind)
{
    const QString unit = kind == Kind::Capacitance ? QStringLiteral("F") : QStringLiteral("H");
    switch (power) {
    case -12:
        return QStringLiteral("p") + unit;
    case -9:
        return QStringLiteral("n") + unit;
    case -6:
        return QStringLiteral("µ") + unit;
    case -3:
        return QStringLiteral("m") + unit;
    default:
        return unit;
    }
}

QString quantityText(const ExactValue &value, Kind kind, const QLocale &locale)
{
    const ExactValue n = colorcode::normalised(value);
    const std::array<int, 4> powers = shownPowers(kind);
    int unit = kind == Kind::Capacitance ? -12 : -6;
    if (!n.digits.empty()) {
        const int absolute = leadingPower(n) + basePower(kind);
        unit = powers.front();
        for (const int p : powers)
            if (absolute >= p)
                unit = p;
    }
    // value × 10^(base − unit).
    return numbers::text(numbers::shifted(n, basePower(kind) - unit), locale) + u' ' +
           unitSymbol(unit, kind);
}

QString withDecimalMark(QString text, const QLocale &locale)
{
    static const QRegularExpression comma(QStringLiteral("(?<=[0-9]),(?=[0-9])"));
    const QString mark = locale.decimalPoint();
    return mark == u"," ? text : text.replace(comma, mark);
}

std::variant<ExactValue, QString> readQuantity(const QString &text, Kind kind, QChar decimalMark)
{
    const bool capacitance = kind == Kind::Capacitance;
    if (text.size() > longestText)
        return (capacitance
                    ? QCoreApplication::translate("capacitor",
                                                  "metin çok uzun: bir kapasite değeri en çok %1 "
                                                  "karakterdir")
                    : QCoreApplication::translate("capacitor",
                                                  "metin çok uzun: bir endüktans değeri en çok %1 "
                                                  "karakterdir"))
            .arg(longestText);
    QString clean;
    for (const char32_t c : text.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (QChar::isSpace(c) || category == QChar::Other_Format ||
            category == QChar::Other_Control)
            continue;
        if (category == QChar::Number_DecimalDigit)
            clean += QChar(u'0' + QChar::digitValue(c));
        else if (c == U'\u00B5' || c == U'\u03BC')
            clean += u'u';
        else if (c < 0x80)
            clean += QChar(char16_t(c));
        else
            return QCoreApplication::translate("capacitor", "tanınmayan karakter: “%1”")
                .arg(QString::fromUcs4(&c, 1));
    }
    if (clean.isEmpty())
        return capacitance ? QCoreApplication::translate("capacitor", "kapasite değeri boş")
                           : QCoreApplication::translate("capacitor", "endüktans değeri boş");

    const QChar unitLetter = kind == Kind::Capacitance ? u'F' : u'H';
    bool unitWritten = false;
    if (clean.size() > 1 && clean.back().toUpper() == unitLetter) {
        clean.chop(1);
        unitWritten = true;
    }
    // The prefix: at the end, or in place of the decimal mark.
    int prefixPower = 0;
    qsizetype prefixAt = -1;
    for (qsizetype i = 0; i < clean.size(); ++i) {
        const QChar c = clean.at(i);
        int p = 1;
        if (c == u'p' && kind == Kind::Capacitance)
            p = -12;
        else if (c == u'n' || c == u'N')
            p = -9;
        else if (c == u'u' || c == u'U')
            p = -6;
        else if (c == u'm')
            p = -3;
        else if (c == u'M')
            return QCoreApplication::translate(
                "capacitor", "M büyük harfle mega okunur; mili için küçük m yazın (4m7)");
        if (p == 1)
            continue;
        if (prefixAt >= 0)
            return QCoreApplication::translate("capacitor", "birim ön eki bir kez yazılır: “%1”")
                .arg(colorcode::quotedWord(clean));
        prefixAt = i;
        prefixPower = p;
    }
    if (prefixAt < 0 && !unitWritten)
        // The example is an argument of its own: "%17" would be read as
        // the 17th placeholder.
        return capacitance
                   ? QCoreApplication::translate(
                         "capacitor", "birim gerekli: p, n, µ (u) ya da m; örnek: %1, 100nF")
                         .arg(QStringLiteral("4") + decimalMark + QStringLiteral("7n"))
                   : QCoreApplication::translate("capacitor",
                                                 "birim gerekli: n, µ (u) ya da m; örnek: %1, 270u")
                         .arg(QStringLiteral("2") + decimalMark + QStringLiteral("2µH"));

    QString number = clean;
    if (prefixAt >= 0) {
        const bool inside = prefixAt + 1 < clean.size();
        if (inside && clean.contains(decimalMark))
            return QCoreApplication::translate(
                       "capacitor", "ön ek ondalık işaretinin yerindeyken ayrıca “%1” yazılmaz")
                .arg(decimalMark);
        number = clean.left(prefixAt) + (inside ? QString(decimalMark) : QString()) +
                 clean.mid(prefixAt + 1);
    }
    const QChar otherMark = decimalMark == u',' ? u'.' : u',';
    if (number.contains(otherMark))
        return QCoreApplication::translate("capacitor", "ondalık işareti “%1”; “%2” kullanılmaz")
            .arg(decimalMark, otherMark);
    if (number.count(decimalMark) > 1 || number == decimalMark || number.isEmpty())
        return QCoreApplication::translate("capacitor", "“%1” bir sayı değil")
            .arg(colorcode::quotedWord(text.trimmed()));
    std::string digits;
    int decimals = 0;
    bool afterMark = false;
    for (const QChar c : number) {
        if (c == decimalMark) {
            afterMark = true;
        } else if (c.isDigit()) {
            digits += char(c.unicode());
            decimals += afterMark ? 1 : 0;
        } else {
            return (capacitance
                        ? QCoreApplication::translate("capacitor", "“%1” bir kapasite değeri değil")
                        : QCoreApplication::translate("capacitor",
                                                      "“%1” bir endüktans değeri değil"))
                .arg(colorcode::quotedWord(text.trimmed()));
        }
    }
    const ExactValue value =
        colorcode::normalised({digits, -decimals + prefixPower - basePower(kind)});
    if (value.digits.empty())
        return QCoreApplication::translate("capacitor", "değer sıfır olamaz");
    if (int(value.digits.size()) > mostSignificantDigits)
        return QCoreApplication::translate("capacitor", "en çok %1 anlamlı hane okunur")
            .arg(mostSignificantDigits);
    if (colorcode::compareValues(value, smallest(kind)) < 0)
        return QCoreApplication::translate("capacitor", "değer çok küçük: en az %1")
            .arg(quantityText(smallest(kind), kind, QLocale::c()).replace(u'.', decimalMark));
    if (colorcode::compareValues(value, largest(kind)) > 0)
        return QCoreApplication::translate("capacitor", "değer çok büyük: en çok %1")
            .arg(quantityText(largest(kind), kind, QLocale::c()).replace(u'.', decimalMark));
    return value;
}

} // namespace quantity
