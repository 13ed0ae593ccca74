#include "colorcode/valueentry.h"

#include "colorcode/bandtables.h"

#include <QList>

#include <algorithm>
#include <string>

namespace colorcode
{

namespace
{

int powerOfTenOf(Unit unit)
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

// Copied from web pages and spreadsheets, values carry direction marks,
// zero-width spaces and the like; nobody means them as part of the value.
// White space is no such character: inside a number it is refused.
bool isInvisible(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Format ||
           (category == QChar::Other_Control && !QChar::isSpace(c));
}

// The digit of any script's decimal digit ("4", "４", "٤"); -1 for anything
// else, superscripts and other number signs included.
int digitOf(char32_t c)
{
    return QChar::category(c) == QChar::Number_DecimalDigit ? QChar::digitValue(c) : -1;
}

// The letter code: each letter is the decimal mark and its power of ten.
// Lower-case "m" is read here only so that it can be refused by name.
int letterPowerOf(char32_t c)
{
    switch (c) {
    case U'R':
    case U'r':
        return 0;
    case U'K':
    case U'k':
        return 3;
    case U'M':
    case U'm':
        return 6;
    case U'G':
    case U'g':
        return 9;
    default:
        return -1;
    }
}

bool isDecimalMark(char32_t c)
{
    return c == U'.' || c == U',';
}

void trimSpaces(std::u32string &s)
{
    while (!s.empty() && QChar::isSpace(s.back()))
        s.pop_back();
    const auto firstKept =
        std::find_if(s.begin(), s.end(), [](char32_t c) { return !QChar::isSpace(c); });
    s.erase(s.begin(), firstKept);
}

// Drops a trailing "Ω" (Greek capital omega or the ohm sign) or "ohm" in any
// case; true when there was one.
bool dropOhm(std::u32string &s)
{
    if (!s.empty() && (s.back() == U'\u03A9' || s.back() == U'\u2126')) {
        s.pop_back();
        return true;
    }
    const auto is = [](char32_t c, char32_t lower) { return c == lower || c == lower - 0x20; };
    const std::size_t n = s.size();
    if (n >= 3 && is(s[n - 3], U'o') && is(s[n - 2], U'h') && is(s[n - 1], U'm')) {
        s.resize(n - 3);
        return true;
    }
    return false;
}

ValueReading rejected(ValueError error)
{
    return {std::nullopt, error};
}

} // namespace

ValueReading readTypedValue(const QString &text, Unit unit, QChar decimalSeparator)
{
    if (text.size() >= maxTypedLength)
        return rejected(ValueError::TooLong);

    std::u32string s;
    for (const char32_t c : text.toUcs4())
        if (!isInvisible(c))
            s += c;
    trimSpaces(s);
    if (s.empty())
        return rejected(ValueError::Empty);

    const bool ownUnit = dropOhm(s);
    trimSpaces(s);

    // The number: whole digits, then a decimal mark and fraction digits, or a
    // letter and the digits after it; a letter may also follow a number,
    // with or without a space ("47K", "4,7 K").
    std::size_t pos = 0;
    std::string whole;
    std::string fraction; // the digits after the decimal mark or letter
    int letterPower = -1;
    bool wrongSeparator = false;
    bool lowercaseM = false;
    const auto readDigits = [&](std::string &into) {
        for (int d; pos < s.size() && (d = digitOf(s[pos])) >= 0; ++pos)
            into += char('0' + d);
    };
    const auto readLetter = [&](std::size_t at) {
        if (at >= s.size() || letterPowerOf(s[at]) < 0)
            return false;
        letterPower = letterPowerOf(s[at]);
        lowercaseM = s[at] == U'm';
        pos = at + 1;
        return true;
    };

    readDigits(whole);
    if (pos < s.size() && (s[pos] == decimalSeparator.unicode() || isDecimalMark(s[pos]))) {
        wrongSeparator = s[pos] != decimalSeparator.unicode();
        ++pos;
        readDigits(fraction);
        if (whole.empty() || fraction.empty())
            return rejected(ValueError::NotNumber);
    } else if (readLetter(pos)) {
        readDigits(fraction);
    }
    if (letterPower < 0 && !whole.empty()) {
        std::size_t at = pos;
        while (at < s.size() && QChar::isSpace(s[at]))
            ++at;
        readLetter(at);
    }
    if (pos != s.size() || (whole.empty() && fraction.empty()))
        return rejected(ValueError::NotNumber);
    if (wrongSeparator)
        return rejected(ValueError::WrongSeparator);
    if (lowercaseM)
        return rejected(ValueError::LowercaseM);

    // The value is its digits times 10 to this power.
    int power = letterPower >= 0 ? letterPower : ownUnit ? 0 : powerOfTenOf(unit);
    power -= int(fraction.size());
    std::string digits = whole + fraction;
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        return {BandIndices{0, 0, multiplierIndexOf(0)}, std::nullopt};
    digits.erase(0, firstNonZero);

    // The first two digits are read, the rest only counted with the power:
    // that count is the multiplier. A single digit d is 0 and d.
    const int count = int(digits.size());
    int first = count >= 2 ? digits[0] - '0' : 0;
    int second = digits[count >= 2 ? 1 : 0] - '0';
    int multiplier = std::max(count - 2, 0) + power;
    if (multiplier > largestPowerOfTen)
        return rejected(ValueError::TooLarge);
    if (multiplier < smallestPowerOfTen) {
        // Below 0,1 ohm with a digit beyond the hundredths: no band goes
        // below silver, so the value is cut to hundredths, if any are left.
        if (count < 2 || multiplier < smallestPowerOfTen - 1)
            return rejected(ValueError::TooSmall);
        second = first;
        first = 0;
        multiplier = smallestPowerOfTen;
    }
    return {BandIndices{first, second, multiplierIndexOf(multiplier)}, std::nullopt};
}

QString valueErrorMessage(ValueError error, QChar decimalSeparator)
{
    // Joined, not filled in with arg(): "4%17" would read as placeholder 17.
    const QString d(decimalSeparator);
    switch (error) {
    case ValueError::Empty:
        return QStringLiteral("Lütfen bir değer giriniz.");
    case ValueError::NotNumber:
        return QStringLiteral("Değer bir sayı olmalıdır (örnek: 47; 4") + d +
               QStringLiteral("7; 4K7).");
    case ValueError::WrongSeparator:
        return QStringLiteral("Ondalık ayırıcı olarak \"") + d +
               QStringLiteral("\" kullanınız (örnek: 4") + d + QStringLiteral("7).");
    case ValueError::LowercaseM:
        return QStringLiteral("Küçük \"m\" belirsiz: mega için \"M\" yazınız.");
    case ValueError::TooLarge:
        return QStringLiteral("Değer çok büyük: en fazla 99000 Mega Ohm girilebilir.");
    case ValueError::TooSmall:
        return QStringLiteral("Değer çok küçük: sıfırdan büyük en küçük değer 0") + d +
               QStringLiteral("01 Ohm.");
    case ValueError::TooLong:
        return QStringLiteral("Değer çok uzun: en fazla %1 karakter girilebilir.")
            .arg(maxTypedLength);
    }
    return {};
}

} // namespace colorcode
