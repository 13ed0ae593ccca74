#include "smd/smdmarking.h"

#include "colorcode/quotedword.h"
#include "colorcode/resistance.h"
#include "colorcode/standardvalues.h"
#include "colorcode/standardvaluetext.h"

#include <algorithm>
#include <array>
#include <string>

namespace smd
{

namespace
{

using colorcode::ExactValue;

// Longer texts are no marking; reading them whole would only cost time.
constexpr qsizetype longestText = 64;

// An EIA-96 letter and the power of ten it multiplies by. R, S and H are
// second spellings of Y, X and B.
struct Letter {
    char16_t letter;
    int power;
    char16_t spells;
};

constexpr std::array<Letter, 12> letters{{
    {u'Z', -3, u'Z'},
    {u'Y', -2, u'Y'},
    {u'X', -1, u'X'},
    {u'A', 0, u'A'},
    {u'B', 1, u'B'},
    {u'C', 2, u'C'},
    {u'D', 3, u'D'},
    {u'E', 4, u'E'},
    {u'F', 5, u'F'},
    {u'R', -2, u'Y'},
    {u'S', -1, u'X'},
    {u'H', 1, u'B'},
}};

const Letter *letterFor(QChar c)
{
    for (const Letter &l : letters)
        if (c == l.letter)
            return &l;
    return nullptr;
}

ExactValue valueOf(std::string digits, int powerOfTen)
{
    return colorcode::normalised({std::move(digits), powerOfTen});
}

bool isZero(const ExactValue &value)
{
    return colorcode::normalised(value).digits.empty();
}

QString quoted(const QString &text)
{
    return QStringLiteral("“") + colorcode::quotedWord(text) + QStringLiteral("”");
}

QString superscript(int n)
{
    static constexpr char16_t digits[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString text = n < 0 ? QStringLiteral("⁻") : QString();
    for (const QChar c : QString::number(n < 0 ? -n : n))
        text += QChar(digits[c.digitValue()]);
    return text;
}

// "× 0,01", "× 1000", "× 10⁴": up to a thousand written out, as the
// letters are usually listed.
QString factorText(int power, const QLocale &locale)
{
    if (power < 0)
        return QStringLiteral("× ") + conversions::exactDecimalText(1, -power, locale);
    if (power <= 3)
        return QStringLiteral("× 1") + QString(power, u'0');
    return QStringLiteral("× 10") + superscript(power);
}

int e96Index(int significand)
{
    const auto table = colorcode::e96Table;
    const auto at = std::find(table.begin(), table.end(), significand);
    return at == table.end() ? -1 : int(at - table.begin());
}

bool inE24(int significand)
{
    const auto table = colorcode::e24Table;
    return std::find(table.begin(), table.end(), significand) != table.end();
}

const QString zeroOhmSpellings = QStringLiteral("0 Ohm köprü 0, 00, 000 ya da 0000 yazılır");

QString lastDigitRule(QChar last)
{
    // "100" is 10 Ω, not 100 Ω: the one misreading worth a word every time.
    return last == u'0' ? QStringLiteral("; son hane sıfır sayısıdır") : QString();
}

Refusal refuse(const QString &code, const QString &message)
{
    return {code, message};
}

Reading zeroOhmReading()
{
    return {MarkingFormat::ZeroOhm,
            {},
            std::nullopt,
            QStringLiteral("bağlantı: tolerans ve standart değer yok"),
            {}};
}

MarkingReading threeDigit(const QString &code, bool bar, const QLocale &locale)
{
    const QString significant = code.left(2);
    const int power = code.at(2).digitValue();
    if (significant == u"00")
        return refuse(code, quoted(code) + QStringLiteral(": anlamlı haneler 00, değer sıfır; ") +
                                zeroOhmSpellings);
    const std::optional<std::int32_t> tolerance =
        bar ? std::optional<std::int32_t>(100) : std::nullopt;
    const QString barNote =
        QStringLiteral("çizgi değeri değiştirmez: E96'da olmayan E24 değerli ± % ") +
        colorcode::percentText(100, locale) + QStringLiteral(" parçayı gösterir");
    const QString digits = QString::number(significant.toInt());

    Reading plain{
        bar ? MarkingFormat::ThreeDigitBar : MarkingFormat::ThreeDigit,
        valueOf(significant.toStdString(), power),
        tolerance,
        (bar ? QStringLiteral("3 haneli kod, altı çizili: ") : QStringLiteral("3 haneli kod: ")) +
            digits + QStringLiteral(" × 10") + superscript(power) + lastDigitRule(code.at(2)),
        {}};
    if (power < 8) {
        if (bar)
            plain.notes << barNote;
        return Readings{code, {plain}};
    }

    // Read plainly, 8 and 9 give 1 GΩ and more. Old equipment used them for
    // × 0,01 and × 0,1, the likelier reading of such a code, so that comes
    // first and the plain one beside it.
    const int oldPower = power == 8 ? -2 : -1;
    Reading old{MarkingFormat::OldThreeDigit,
                valueOf(significant.toStdString(), oldPower),
                tolerance,
                QStringLiteral("eski kod: ") + digits + u' ' + factorText(oldPower, locale) +
                    QStringLiteral(" (") + code.at(2) + QStringLiteral(" = ") +
                    factorText(oldPower, locale) + u')',
                {QStringLiteral("8 ya da 9 ile biten 3 haneli kod iki türlü okunur: eski "
                                "cihazlarda 8 = ") +
                 factorText(-2, locale) + QStringLiteral(", 9 = ") + factorText(-1, locale)}};
    if (bar)
        old.notes << barNote;
    return Readings{code, {old, plain}};
}

MarkingReading fourDigit(const QString &code)
{
    const QString significant = code.left(3);
    const int power = code.at(3).digitValue();
    if (significant == u"000")
        return refuse(code, quoted(code) + QStringLiteral(": anlamlı haneler 000, değer sıfır; ") +
                                zeroOhmSpellings);
    return Readings{code,
                    {{MarkingFormat::FourDigit,
                      valueOf(significant.toStdString(), power),
                      100,
                      QStringLiteral("4 haneli kod: ") + QString::number(significant.toInt()) +
                          QStringLiteral(" × 10") + superscript(power) + lastDigitRule(code.at(3)),
                      {}}}};
}

// The code with R as its decimal point, three or four characters; R at the
// end only in four ("100R", as reel labels write 100 Ω): three characters
// ending in R are EIA-96 first.
Reading rDecimal(const QString &code, const QLocale &locale)
{
    const qsizetype at = code.indexOf(u'R');
    const QString digits = QString(code).remove(at, 1);
    const int decimals = int(code.size() - 1 - at);
    const ExactValue value = valueOf(digits.toStdString(), -decimals);
    Reading reading{MarkingFormat::RDecimal,
                    value,
                    std::nullopt,
                    QStringLiteral("R ondalık: ") + code + QStringLiteral(" = ") +
                        conversions::exactDecimalText(digits.toULongLong(), decimals, locale),
                    {}};
    if (code.size() == 4 && decimals == 0)
        reading.notes << QStringLiteral("sonda R makara etiketi yazımıdır: ") + code +
                             QStringLiteral(" = ") + colorcode::valueText(value, locale);
    return reading;
}

bool isValueLetter(QChar c)
{
    return c == u'K' || c == u'M' || c == u'G';
}

const QString valueWriting =
    QStringLiteral("K, M ve G değer yazımıdır (4K7), SMD kodunda olmaz; ondalık yalnızca R ile "
                   "yazılır");

// Two digits and a letter: EIA-96, and for R and E also the reel label's
// way of writing ohms.
MarkingReading eia96(const QString &code, const QLocale &locale)
{
    const QString number = code.left(2);
    const QChar letterChar = code.at(2);
    const Letter *letter = letterFor(letterChar);
    if (!letter)
        return refuse(code, quoted(letterChar) +
                                QStringLiteral(" EIA-96 harfi değil: Z Y X A B C D E F (R, S, H "
                                               "ikinci yazım)") +
                                (isValueLetter(letterChar)
                                     ? QStringLiteral("; ") + code +
                                           QStringLiteral(" bir değer yazımıdır, SMD kodu değil")
                                     : QString()));
    const int n = number.toInt();
    const bool known = n >= 1 && n <= 96;
    const QString unknownCode =
        number + QStringLiteral(" EIA-96 kodu değil: kodlar 01 ile 96 arasıdır");

    std::optional<Reading> other;
    if (letterChar == u'R')
        other = Reading{MarkingFormat::RDecimal,
                        valueOf(number.toStdString(), 0),
                        std::nullopt,
                        QStringLiteral("R ondalık: ") + code + QStringLiteral(" = ") +
                            QString::number(n),
                        {}};
    else if (letterChar == u'E')
        other = Reading{MarkingFormat::ReelLabel,
                        valueOf(number.toStdString(), 0),
                        std::nullopt,
                        QStringLiteral("makara etiketi: E = Ohm"),
                        {}};

    if (!known) {
        if (!other || n == 0)
            return refuse(code, n == 0 ? unknownCode + QStringLiteral("; ") + zeroOhmSpellings
                                       : unknownCode);
        other->notes << unknownCode;
        return Readings{code, {*other}};
    }

    const int significand = colorcode::e96Table[std::size_t(n - 1)];
    Reading reading{MarkingFormat::Eia96,
                    valueOf(std::to_string(significand), letter->power),
                    100,
                    QStringLiteral("EIA-96: ") + number + QStringLiteral(" = ") +
                        QString::number(significand) + QStringLiteral(", ") + letterChar +
                        (letter->spells != letter->letter
                             ? QStringLiteral(" = ") + QChar(letter->spells)
                             : QString()) +
                        QStringLiteral(" = ") + factorText(letter->power, locale),
                    {}};
    if (letter->spells != letter->letter)
        reading.notes << QString(letterChar) + QStringLiteral(", ") + QChar(letter->spells) +
                             QStringLiteral(" harfinin ikinci yazımıdır (") +
                             factorText(letter->power, locale) + u')' +
                             (letterChar == u'H' ? QStringLiteral("; bir üreticinin föyü H'yi × "
                                                                  "10⁷ için kullanır")
                                                 : QString());
    if (!other)
        return Readings{code, {reading}};
    if (other->value == reading.value) {
        reading.notes << QStringLiteral("R ondalık okuması da aynı değeri verir");
        return Readings{code, {reading}};
    }
    // Makers write the R reading's value in three digits: 10 Ω as 100.
    const QString makersCode =
        n >= 10 ? QString::number(n) + u'0' : QString::number(n) + QStringLiteral("R0");
    reading.notes << (letterChar == u'R'
                          ? QStringLiteral("parça üzerinde EIA-96 okunur: üreticiler ") +
                                colorcode::valueText(other->value, locale) + QStringLiteral("'u ") +
                                makersCode + QStringLiteral(" yazar")
                          : QStringLiteral("parça üzerinde EIA-96 okunur; makara etiketlerinde "
                                           "E, Ohm yerine yazılır (") +
                                code + QStringLiteral(" = ") +
                                colorcode::valueText(other->value, locale) + u')');
    return Readings{code, {reading, *other}};
}

// The code as cleaned: no spaces, no unit, ASCII digits and upper-case
// letters; bars before and after taken off, a bar inside kept as "_".
MarkingReading classify(const QString &code, bool bar, const QLocale &locale)
{
    if (code.isEmpty())
        return refuse(code, QStringLiteral("SMD kodu boş"));
    const bool allDigits =
        std::all_of(code.begin(), code.end(), [](QChar c) { return c.isDigit(); });
    if (allDigits && code.size() <= 4 && code.count(u'0') == code.size()) {
        if (bar)
            return refuse(code, QStringLiteral("0 Ohm köprünün toleransı yoktur: çizgi yalnızca "
                                               "değerli 3 haneli kodda olur"));
        return Readings{code, {zeroOhmReading()}};
    }
    if (code.size() > 4)
        return refuse(code, quoted(code) + u' ' + QString::number(code.size()) +
                                QStringLiteral(" karakter: SMD kodları 3 ya da 4 karakterdir"));
    if (code.size() < 3)
        return refuse(code, quoted(code) + QStringLiteral(": SMD kodları 3 ya da 4 karakterdir; ") +
                                zeroOhmSpellings);
    if (bar && !(allDigits && code.size() == 3))
        return refuse(code, QStringLiteral("çizgi yalnızca 3 haneli kodda olur (± % ") +
                                colorcode::percentText(100, locale) + QStringLiteral("); ") +
                                quoted(code) + QStringLiteral(" 3 haneli değil"));
    if (allDigits)
        return code.size() == 3 ? threeDigit(code, bar, locale) : fourDigit(code);
    if (code.size() == 3 && code.at(0).isDigit() && code.at(1).isDigit() && code.at(2).isLetter())
        return eia96(code, locale);
    const qsizetype rCount = code.count(u'R');
    const qsizetype digitCount =
        std::count_if(code.begin(), code.end(), [](QChar c) { return c.isDigit(); });
    if (rCount > 1 && rCount + digitCount == code.size())
        return refuse(code,
                      QStringLiteral("R ondalık işaretidir, bir kez yazılır: ") + quoted(code));
    if (rCount == 1 && digitCount + 1 == code.size()) {
        const Reading reading = rDecimal(code, locale);
        if (isZero(reading.value))
            return refuse(code, quoted(code) + QStringLiteral(" 0 Ohm verir; ") + zeroOhmSpellings);
        return Readings{code, {reading}};
    }
    if (std::any_of(code.begin(), code.end(), isValueLetter))
        return refuse(code, valueWriting);
    return refuse(code, quoted(code) + QStringLiteral(" bilinen bir SMD kodu biçimi değil (472, "
                                                      "4701, 4R7, 01C)"));
}

bool isBar(char32_t c)
{
    return c == U'_' || c == U'\u203E' || c == U'\u00AF' || c == U'\u2017';
}

bool isCombiningBar(char32_t c)
{
    return c == U'\u0332' || c == U'\u0333' || c == U'\u0305' || c == U'\u033F';
}

} // namespace

const char *formatId(MarkingFormat format)
{
    switch (format) {
    case MarkingFormat::ThreeDigit:
        return "three_digit";
    case MarkingFormat::ThreeDigitBar:
        return "three_digit_bar";
    case MarkingFormat::OldThreeDigit:
        return "three_digit_old";
    case MarkingFormat::FourDigit:
        return "four_digit";
    case MarkingFormat::RDecimal:
        return "r_decimal";
    case MarkingFormat::Eia96:
        return "eia96";
    case MarkingFormat::ReelLabel:
        return "reel_label";
    case MarkingFormat::ZeroOhm:
        return "zero_ohm";
    }
    return "";
}

QString formatName(MarkingFormat format)
{
    switch (format) {
    case MarkingFormat::ThreeDigit:
        return QStringLiteral("3 haneli");
    case MarkingFormat::ThreeDigitBar:
        return QStringLiteral("3 haneli, altı çizili");
    case MarkingFormat::OldThreeDigit:
        return QStringLiteral("eski 3 haneli");
    case MarkingFormat::FourDigit:
        return QStringLiteral("4 haneli");
    case MarkingFormat::RDecimal:
        return QStringLiteral("R ondalık");
    case MarkingFormat::Eia96:
        return QStringLiteral("EIA-96");
    case MarkingFormat::ReelLabel:
        return QStringLiteral("makara etiketi");
    case MarkingFormat::ZeroOhm:
        return QStringLiteral("0 Ohm köprü");
    }
    return {};
}

MarkingReading readMarking(const QString &text, const QLocale &locale)
{
    if (text.size() > longestText)
        return refuse(QString(),
                      QStringLiteral("SMD kodu en çok 4 karakterdir; bu metin çok uzun"));
    QString code;
    bool bar = false;
    for (const char32_t c : text.toUcs4()) {
        if (QChar::isSpace(c))
            continue;
        if (isCombiningBar(c)) {
            bar = true;
            continue;
        }
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Other_Format || category == QChar::Other_Control)
            continue;
        if (category == QChar::Number_DecimalDigit)
            code += QChar(u'0' + QChar::digitValue(c));
        else if (c >= U'a' && c <= U'z')
            code += QChar(char16_t(c - U'a' + U'A'));
        else if ((c >= U'A' && c <= U'Z') || c == U'.' || c == U',')
            code += QChar(char16_t(c));
        else if (c == U'\u03A9' || c == U'\u2126')
            code += u'Ω';
        else if (isBar(c))
            code += u'_';
        else
            return refuse(code, QStringLiteral("tanınmayan karakter: ") +
                                    quoted(QString::fromUcs4(&c, 1)));
    }

    // The unit, then bars round the whole code.
    if (code.endsWith(u'Ω'))
        code.chop(1);
    else if (code.endsWith(QStringLiteral("OHM")))
        code.chop(3);
    while (code.startsWith(u'_') || code.endsWith(u'_')) {
        bar = true;
        code.remove(code.startsWith(u'_') ? 0 : code.size() - 1, 1);
    }
    if (code.contains(u'Ω'))
        return refuse(code, QStringLiteral("Ω yalnızca kodun sonunda yazılabilir"));

    // Marks inside the code are taken for a decimal point, which only R is.
    for (const QChar mark : {QChar(u'_'), QChar(u'.'), QChar(u',')}) {
        if (!code.contains(mark))
            continue;
        const QString withR = QString(code).replace(mark, u'R');
        const MarkingReading asR = classify(withR, false, locale);
        const auto *readings = std::get_if<Readings>(&asR);
        const QString example =
            readings && readings->readings.front().format == MarkingFormat::RDecimal
                ? withR
                : QStringLiteral("1R0");
        return refuse(code, (mark == u'_' ? QStringLiteral("alt çizgi değeri değiştirmez")
                                          : QStringLiteral("nokta ve virgül SMD kodunda olmaz")) +
                                QStringLiteral("; ondalık için R kullanın: ") + example);
    }
    return classify(code, bar, locale);
}

namespace
{

// What a tolerance comes from: "EIA-96 kodu", "alt çizgi".
QString toleranceSource(MarkingFormat format)
{
    switch (format) {
    case MarkingFormat::ThreeDigitBar:
    case MarkingFormat::OldThreeDigit:
        return QStringLiteral("alt çizgi");
    case MarkingFormat::FourDigit:
        return QStringLiteral("4 haneli kod");
    default:
        return formatName(format) + QStringLiteral(" kodu");
    }
}

Marking noCode(const QString &why)
{
    return {std::nullopt, why, {}};
}

// The code of a value with `width` digits (2: three characters, 3: four):
// the digits and a power of ten, or below 10^(width - 1) the digits with R
// as the decimal point.
Marking digitCode(const ExactValue &n, int width, const QLocale &locale)
{
    const QString name =
        width == 2 ? QStringLiteral("3 haneli kod") : QStringLiteral("4 haneli kod");
    const int count = int(n.digits.size());
    const int leading = count - 1 + n.powerOfTen; // the first digit's power of ten
    const QString digits = QString::fromStdString(n.digits);
    const QString tooManyDigits = name + (width == 2 ? QStringLiteral(" iki anlamlı hane taşır")
                                                     : QStringLiteral(" üç anlamlı hane taşır"));
    if (leading >= width - 1) {
        const int power = leading - (width - 1);
        if (power > 9)
            return noCode(
                name + QStringLiteral("la en çok ") +
                colorcode::valueText(valueOf(std::string(std::size_t(width), '9'), 9), locale) +
                QStringLiteral(" yazılır"));
        if (count > width)
            return noCode(tooManyDigits);
        Marking marking{digits.leftJustified(width, u'0') + QString::number(power), {}, {}};
        if (width == 2 && power >= 8)
            marking.notes << QStringLiteral("eski cihazlarda ") +
                                 colorcode::valueText(
                                     valueOf(digits.leftJustified(2, u'0').toStdString(),
                                             power == 8 ? -2 : -1),
                                     locale) +
                                 QStringLiteral(" okunur");
        return marking;
    }
    if (leading < -width)
        return noCode(name + QStringLiteral("un en küçüğü ") +
                      colorcode::valueText(valueOf("1", -width), locale));
    const int decimals = leading >= 0 ? width - (leading + 1) : width;
    if (n.powerOfTen < -decimals)
        return noCode(count > width ? tooManyDigits
                                    : name + QStringLiteral(" R'den sonra en çok ") +
                                          QString::number(width) + QStringLiteral(" hane taşır"));
    const QString whole =
        (digits + QString(n.powerOfTen + decimals, u'0')).rightJustified(width, u'0');
    return {whole.left(width - decimals) + u'R' + whole.right(decimals), {}, {}};
}

} // namespace

Markings markingsFor(const ExactValue &ohms, const QLocale &locale)
{
    const ExactValue n = colorcode::normalised(ohms);
    if (n.digits.empty()) {
        const QString link = QStringLiteral("0 Ohm köprü");
        return {{QStringLiteral("000"), {}, {link}},
                {QStringLiteral("0000"), {}, {link}},
                noCode(QStringLiteral("0 Ohm köprünün EIA-96 kodu yok; 0 ya da 00 yazılır")),
                std::nullopt};
    }
    Markings markings{digitCode(n, 2, locale), digitCode(n, 3, locale), {}, std::nullopt};

    const int count = int(n.digits.size());
    const int leading = count - 1 + n.powerOfTen;
    const int significand =
        count <= 3 ? QString::fromStdString(n.digits).leftJustified(3, u'0').toInt() : 0;
    const int index = e96Index(significand);
    if (index < 0)
        markings.eia96 = noCode(QStringLiteral("E96'da yok"));
    else if (leading - 2 < -3 || leading - 2 > 5)
        markings.eia96 = noCode(
            QStringLiteral("EIA-96 yalnızca ") + colorcode::valueText(valueOf("1", -1), locale) +
            QStringLiteral(" ile ") + colorcode::valueText(valueOf("976", 5), locale) +
            QStringLiteral(" arasını yazar"));
    else
        markings.eia96 = {QString::number(index + 1).rightJustified(2, u'0') +
                              QChar(letters[std::size_t(leading - 2 + 3)].letter),
                          {},
                          {}};

    // The bar belongs to the plain three-digit code, not to an R form, nor
    // to a code ending in 8 or 9, which reads first as the old code.
    if (count <= 2 && inE24(significand / 10) && index < 0 && markings.threeDigit.code &&
        leading >= 1 && leading - 1 < 8)
        markings.barCode = markings.threeDigit.code;
    return markings;
}

QString smdStandardLine(const ExactValue &value, std::int32_t toleranceHundredths,
                        const QLocale &locale)
{
    // Judged as a part of that tolerance, its neighbours among the values
    // three significant digits hold.
    const auto verdict =
        colorcode::standardVerdict(value, toleranceHundredths, colorcode::maxBandCount);
    return verdict ? colorcode::verdictSpeech(*verdict, locale) : QString();
}

QStringList decodeLines(const MarkingReading &reading, const QLocale &locale, bool withStandardLine)
{
    if (const auto *refusal = std::get_if<Refusal>(&reading))
        return {refusal->message};
    const std::vector<Reading> &readings = std::get<Readings>(reading).readings;
    const Reading &first = readings.front();
    QStringList lines;
    if (first.format == MarkingFormat::ZeroOhm) {
        lines << formatName(first.format) << first.how;
    } else {
        lines << colorcode::valueText(first.value, locale) << first.how;
        if (first.toleranceHundredths)
            lines << QStringLiteral("Tolerans: ± % ") +
                         colorcode::percentText(*first.toleranceHundredths, locale) +
                         QStringLiteral(" (") + toleranceSource(first.format) + u')';
        else
            lines << QStringLiteral("Tolerans: kodda yok") +
                         (withStandardLine
                              ? QStringLiteral("; standart değer ± % ") +
                                    colorcode::percentText(assumedToleranceHundredths, locale) +
                                    QStringLiteral(" ile değerlendirildi")
                              : QString());
        if (withStandardLine)
            lines << smdStandardLine(first.value,
                                     first.toleranceHundredths.value_or(assumedToleranceHundredths),
                                     locale);
    }
    lines << first.notes;
    for (std::size_t i = 1; i < readings.size(); ++i)
        lines << QStringLiteral("İkinci okuma: ") +
                     colorcode::valueText(readings[i].value, locale) + QStringLiteral(" (") +
                     readings[i].how + u')'
              << readings[i].notes;
    return lines;
}

QStringList encodeLines(const Markings &markings, const QLocale &locale)
{
    const auto line = [](const QString &name, const Marking &marking) {
        if (!marking.code)
            return name + QStringLiteral(": — (") + marking.whyNot + u')';
        return name + QStringLiteral(": ") + *marking.code +
               (marking.notes.isEmpty()
                    ? QString()
                    : QStringLiteral(" (") + marking.notes.join(QStringLiteral("; ")) + u')');
    };
    QStringList lines{line(QStringLiteral("3 haneli"), markings.threeDigit),
                      line(QStringLiteral("4 haneli"), markings.fourDigit),
                      line(QStringLiteral("EIA-96"), markings.eia96)};
    if (markings.barCode)
        lines << *markings.barCode + QStringLiteral(", altı çizili: ± % ") +
                     colorcode::percentText(100, locale);
    return lines;
}

} // namespace smd
