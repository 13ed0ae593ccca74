#include "colorcode/valueentry.h"

#include "colorcode/bandtables.h"

#include <QCoreApplication>
#include <QList> // QString::toUcs4()

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

// The digits of a typed number after its leading zeros: its significant
// digits and any zeros typed after them.
std::string withoutLeadingZeros(const std::string &digits)
{
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string() : digits.substr(first);
}

int digitAt(const std::string &digits, std::size_t at)
{
    return at < digits.size() ? digits[at] - '0' : 0;
}

// The digit bands: `leadingSiyah` Siyah bands, then the digits, cut where
// the bands end and padded with Siyah where the digits do.
BandIndices bandsOf(const std::string &digits, std::size_t leadingSiyah, int digitBands, int power)
{
    BandIndices bands;
    for (int i = 0; i < digitBands; ++i)
        bands.digits.push_back(
            i < int(leadingSiyah) ? 0 : digitAt(digits, std::size_t(i) - leadingSiyah));
    bands.multiplier = multiplierIndexOf(power);
    return bands;
}

} // namespace

std::variant<ExactValue, ValueError> readTypedNumber(const QString &text, Unit unit,
                                                     QChar decimalSeparator)
{
    if (text.size() >= maxTypedLength)
        return ValueError::TooLong;

    std::u32string s;
    for (const char32_t c : text.toUcs4())
        if (!isInvisible(c))
            s += c;
    trimSpaces(s);
    if (s.empty())
        return ValueError::Empty;

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
            return ValueError::NotNumber;
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
        return ValueError::NotNumber;
    if (wrongSeparator)
        return ValueError::WrongSeparator;
    if (lowercaseM)
        return ValueError::LowercaseM;

    // The value is its digits times 10 to this power.
    const int power = (letterPower >= 0 ? letterPower
                       : ownUnit        ? 0
                                        : powerOfTenOf(unit)) -
                      int(fraction.size());
    ExactValue number{withoutLeadingZeros(whole + fraction), power};
    return number.digits.empty() ? ExactValue{} : number;
}

BandsOrError bandsFor(const ExactValue &value, int bandCount)
{
    const int digitBands = digitBandsFor(bandCount);
    // Four bands read the digits as given, trailing zeros included ("4" kΩ
    // is 0 and 4, "4000" Ω 4 and 0): a typed "4" keeps a leading Siyah band,
    // the way such parts are marked. More bands read only the value.
    const ExactValue n = bandCount == 4
                             ? ExactValue{withoutLeadingZeros(value.digits), value.powerOfTen}
                             : normalised(value);
    const std::string &digits = n.digits;
    const int power = n.powerOfTen;
    if (digits.empty())
        return bandsOf({}, 0, digitBands, 0);
    // The leading digit stands for 10 to this power.
    const int leading = int(digits.size()) - 1 + power;
    if (leading < smallestPowerOfTen)
        return ValueError::TooSmall;
    // Four bands show a single typed digit d as 0 and d, the digit in the
    // second band: its multiplier then stays the power the digit was typed in.
    if (bandCount == 4 && digits.size() == 1 && power <= largestPowerOfTen)
        return bandsOf(digits, 1, digitBands, power);
    const int multiplier = leading - (digitBands - 1);
    if (multiplier > largestPowerOfTen)
        return ValueError::TooLarge;
    // Below the smallest multiplier the digits move right behind Siyah bands.
    if (multiplier < smallestPowerOfTen)
        return bandsOf(digits, std::size_t(smallestPowerOfTen - multiplier), digitBands,
                       smallestPowerOfTen);
    return bandsOf(digits, 0, digitBands, multiplier);
}

BandsOrError readTypedValue(const QString &text, Unit unit, QChar decimalSeparator, int bandCount)
{
    const auto number = readTypedNumber(text, unit, decimalSeparator);
    if (const ValueError *error = std::get_if<ValueError>(&number))
        return *error;
    return bandsFor(std::get<ExactValue>(number), bandCount);
}

ExactValue valueOf(const BandIndices &bands)
{
    ExactValue value;
    for (const int digit : bands.digits)
        value.digits += char('0' + std::clamp(digit, 0, 9));
    if (bands.multiplier >= 0 && bands.multiplier < int(multiplierList.size()))
        value.powerOfTen = multiplierList[std::size_t(bands.multiplier)].number;
    return normalised(value);
}

bool showsExactly(const ExactValue &value, int bandCount)
{
    const ExactValue n = normalised(value);
    if (n.digits.empty())
        return true;
    // n = k × 10^m with k below 10^digitBands: trailing zeros can move from
    // the power into k as far as the bands have room.
    const int room = digitBandsFor(bandCount) - int(n.digits.size());
    return room >= 0 && n.powerOfTen >= smallestPowerOfTen &&
           n.powerOfTen - room <= largestPowerOfTen;
}

std::optional<BandIndices> sameValueBands(const BandIndices &bands, int bandCount)
{
    const ExactValue value = valueOf(bands);
    if (!showsExactly(value, bandCount))
        return std::nullopt;
    // Whole ohms written out, as the value is typed in Ohm: 4,7 kΩ as 4700.
    ExactValue typed = value;
    for (; typed.powerOfTen > 0 && !typed.digits.empty(); --typed.powerOfTen)
        typed.digits += '0';
    return std::get<BandIndices>(bandsFor(typed, bandCount));
}

QString valueErrorMessage(ValueError error, QChar decimalSeparator, int bandCount)
{
    // Numbers with the separator go in whole, as one argument: "4%17" in a
    // text would read as placeholder 17.
    const QString d(decimalSeparator);
    const QString example = u'4' + d + u'7';
    switch (error) {
    case ValueError::Empty:
        return QCoreApplication::translate("colorcode", "Lütfen bir değer giriniz.");
    case ValueError::NotNumber:
        return QCoreApplication::translate("colorcode",
                                           "Değer bir sayı olmalıdır (örnek: 47; %1; 4K7).")
            .arg(example);
    case ValueError::WrongSeparator:
        return QCoreApplication::translate("colorcode",
                                           "Ondalık ayırıcı olarak \"%1\" kullanınız (örnek: %2).")
            .arg(d, example);
    case ValueError::LowercaseM:
        return QCoreApplication::translate("colorcode",
                                           "Küçük \"m\" belirsiz: mega için \"M\" yazınız.");
    case ValueError::TooLarge:
        // The largest digits times the largest multiplier, in mega-ohms.
        return QCoreApplication::translate("colorcode",
                                           "Değer çok büyük: en fazla %1 Mega Ohm girilebilir.")
            .arg(digitBandsFor(bandCount) == 2 ? QStringLiteral("99000")
                                               : QStringLiteral("999000"));
    case ValueError::TooSmall:
        return QCoreApplication::translate("colorcode",
                                           "Değer çok küçük: sıfırdan büyük en küçük değer %1 Ohm.")
            .arg(u'0' + d + QStringLiteral("001"));
    case ValueError::TooLong:
        return QCoreApplication::translate("colorcode",
                                           "Değer çok uzun: en fazla %1 karakter girilebilir.")
            .arg(maxTypedLength);
    }
    return {};
}

} // namespace colorcode
