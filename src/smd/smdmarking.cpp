#include "smd/smdmarking.h"

#include "colorcode/standardvalues.h"

#include <QList>

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

Refusal refuse(const QString &code, RefusalKind kind, const QString &part = {},
               const QString &suggestion = {})
{
    return {code, kind, part, suggestion};
}

// A reading of digits × 10^power.
Reading digitReading(MarkingFormat format, const QString &digits, int power,
                     std::optional<std::int32_t> tolerance)
{
    Reading reading;
    reading.format = format;
    reading.value = valueOf(digits.toStdString(), power);
    reading.toleranceHundredths = tolerance;
    reading.significand = digits.toULongLong();
    reading.powerOfTen = power;
    return reading;
}

MarkingReading threeDigit(const QString &code, bool bar)
{
    const QString significant = code.left(2);
    const int power = code.at(2).digitValue();
    if (significant == u"00")
        return refuse(code, RefusalKind::ZeroSignificant, significant);
    const std::optional<std::int32_t> tolerance =
        bar ? std::optional<std::int32_t>(onePercent) : std::nullopt;
    const Reading plain =
        digitReading(bar ? MarkingFormat::ThreeDigitBar : MarkingFormat::ThreeDigit, significant,
                     power, tolerance);
    if (power < 8) {
        Reading only = plain;
        if (bar)
            only.notes.push_back({NoteKind::BarKeepsValue, {}, {}});
        return Readings{code, {only}};
    }

    // Read plainly, 8 and 9 give 1 GΩ and more. Old equipment used them for
    // × 0,01 and × 0,1, the likelier reading of such a code, so that comes
    // first and the plain one beside it.
    Reading old =
        digitReading(MarkingFormat::OldThreeDigit, significant, power == 8 ? -2 : -1, tolerance);
    old.notes.push_back({NoteKind::OldDigits, {}, {}});
    if (bar)
        old.notes.push_back({NoteKind::BarKeepsValue, {}, {}});
    return Readings{code, {old, plain}};
}

MarkingReading fourDigit(const QString &code)
{
    const QString significant = code.left(3);
    if (significant == u"000")
        return refuse(code, RefusalKind::ZeroSignificant, significant);
    return Readings{
        code,
        {digitReading(MarkingFormat::FourDigit, significant, code.at(3).digitValue(), onePercent)}};
}

// The code with R as its decimal point, three or four characters; R at the
// end only in four ("100R", as reel labels write 100 Ω): three characters
// ending in R are EIA-96 first. Four characters with R inside carry three
// significant digits, as four digits do, and so the same ± 1 %.
Reading rDecimal(const QString &code)
{
    const qsizetype at = code.indexOf(u'R');
    const int decimals = int(code.size() - 1 - at);
    const bool threeSignificant = code.size() == 4 && decimals > 0;
    Reading reading =
        digitReading(MarkingFormat::RDecimal, QString(code).remove(at, 1), -decimals,
                     threeSignificant ? std::optional<std::int32_t>(onePercent) : std::nullopt);
    if (code.size() == 4 && decimals == 0)
        reading.notes.push_back({NoteKind::ReelLabelR, reading.value, {}});
    return reading;
}

bool isValueLetter(QChar c)
{
    return c == u'K' || c == u'M' || c == u'G';
}

// Two digits and a letter: EIA-96, and for R and E also the reel label's
// way of writing ohms.
MarkingReading eia96(const QString &code)
{
    const QString number = code.left(2);
    const QChar letterChar = code.at(2);
    const Letter *letter = letterFor(letterChar);
    if (!letter)
        return refuse(code,
                      isValueLetter(letterChar) ? RefusalKind::ValueLetter
                                                : RefusalKind::NotEia96Letter,
                      letterChar);
    const int n = number.toInt();
    const bool known = n >= 1 && n <= 96;

    std::optional<Reading> other;
    if (letterChar == u'R')
        other = digitReading(MarkingFormat::RDecimal, number, 0, std::nullopt);
    else if (letterChar == u'E')
        other = digitReading(MarkingFormat::ReelLabel, number, 0, std::nullopt);

    if (!known) {
        if (n == 0)
            return refuse(code, RefusalKind::Eia96NumberZero, number);
        if (!other)
            return refuse(code, RefusalKind::Eia96NumberOutside, number);
        other->notes.push_back({NoteKind::NotEia96Number, {}, number});
        return Readings{code, {*other}};
    }

    const int significand = colorcode::e96Table[std::size_t(n - 1)];
    Reading reading;
    reading.format = MarkingFormat::Eia96;
    reading.value = valueOf(std::to_string(significand), letter->power);
    reading.toleranceHundredths = onePercent;
    reading.significand = std::uint64_t(significand);
    reading.powerOfTen = letter->power;
    reading.eia96Number = n;
    reading.letter = letter->letter;
    reading.spells = letter->spells;
    if (letter->spells != letter->letter)
        reading.notes.push_back({NoteKind::SecondSpelling, {}, {}});
    if (!other)
        return Readings{code, {reading}};
    if (other->value == reading.value) {
        reading.notes.push_back({NoteKind::SameAsRDecimal, {}, {}});
        return Readings{code, {reading}};
    }
    if (letterChar == u'R') {
        // Makers write the R reading's value in three digits: 10 Ω as 100.
        const QString makersCode =
            n >= 10 ? QString::number(n) + u'0' : QString::number(n) + QStringLiteral("R0");
        reading.notes.push_back({NoteKind::MakersWriteR, other->value, makersCode});
    } else {
        reading.notes.push_back({NoteKind::ReelLabelE, other->value, {}});
    }
    return Readings{code, {reading, *other}};
}

// The code as cleaned: no spaces, no unit, ASCII digits and upper-case
// letters; bars before and after taken off, a bar inside kept as "_".
MarkingReading classify(const QString &code, bool bar)
{
    if (code.isEmpty())
        return refuse(code, RefusalKind::Empty);
    const bool allDigits =
        std::all_of(code.begin(), code.end(), [](QChar c) { return c.isDigit(); });
    if (allDigits && code.size() <= 4 && code.count(u'0') == code.size()) {
        if (bar)
            return refuse(code, RefusalKind::BarOnLink);
        Reading link;
        link.format = MarkingFormat::ZeroOhm;
        return Readings{code, {link}};
    }
    if (code.size() > 4)
        return refuse(code, RefusalKind::TooManyCharacters);
    if (code.size() < 3)
        return refuse(code, RefusalKind::TooFewCharacters);
    if (bar && !(allDigits && code.size() == 3))
        return refuse(code, RefusalKind::BarNotThreeDigit);
    if (allDigits)
        return code.size() == 3 ? threeDigit(code, bar) : fourDigit(code);
    if (code.size() == 3 && code.at(0).isDigit() && code.at(1).isDigit() && code.at(2).isLetter())
        return eia96(code);
    const qsizetype rCount = code.count(u'R');
    const qsizetype digitCount =
        std::count_if(code.begin(), code.end(), [](QChar c) { return c.isDigit(); });
    if (rCount > 1 && rCount + digitCount == code.size())
        return refuse(code, RefusalKind::RepeatedR);
    if (rCount == 1 && digitCount + 1 == code.size()) {
        const Reading reading = rDecimal(code);
        if (reading.value.digits.empty())
            return refuse(code, RefusalKind::ZeroRDecimal);
        return Readings{code, {reading}};
    }
    if (std::any_of(code.begin(), code.end(), isValueLetter))
        return refuse(code, RefusalKind::ValueWriting);
    return refuse(code, RefusalKind::UnknownShape);
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

MarkingReading readMarking(const QString &text)
{
    if (text.size() > longestText)
        return refuse(QString(), RefusalKind::TextTooLong);
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
            return refuse(code, RefusalKind::UnknownCharacter, QString::fromUcs4(&c, 1));
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
        return refuse(code, RefusalKind::OhmInside);

    // Marks inside the code are taken for a decimal point, which only R is.
    for (const QChar mark : {QChar(u'_'), QChar(u'.'), QChar(u',')}) {
        if (!code.contains(mark))
            continue;
        const QString withR = QString(code).replace(mark, u'R');
        const MarkingReading asR = classify(withR, false);
        const auto *readings = std::get_if<Readings>(&asR);
        const QString example =
            readings && readings->readings.front().format == MarkingFormat::RDecimal
                ? withR
                : QStringLiteral("1R0");
        return refuse(code, mark == u'_' ? RefusalKind::BarInside : RefusalKind::PointInside, mark,
                      example);
    }
    return classify(code, bar);
}

namespace
{

Marking noCode(NoCodeReason reason, int digits = 0, const ExactValue &lowest = {},
               const ExactValue &highest = {})
{
    return {std::nullopt, NoCode{reason, digits, lowest, highest}, false, std::nullopt};
}

Marking withCode(const QString &code)
{
    return {code, std::nullopt, false, std::nullopt};
}

// The code of a value with `width` digits (2: three characters, 3: four):
// the digits and a power of ten, or below 10^(width - 1) the digits with R
// as the decimal point.
Marking digitCode(const ExactValue &n, int width)
{
    const int count = int(n.digits.size());
    const int leading = count - 1 + n.powerOfTen; // the first digit's power of ten
    const QString digits = QString::fromStdString(n.digits);
    if (leading >= width - 1) {
        const int power = leading - (width - 1);
        if (power > 9)
            return noCode(NoCodeReason::AboveRange, width, {},
                          valueOf(std::string(std::size_t(width), '9'), 9));
        if (count > width)
            return noCode(NoCodeReason::TooManyDigits, width);
        const QString significant = digits.leftJustified(width, u'0');
        Marking marking = withCode(significant + QString::number(power));
        // A reader takes a three-digit code ending in 8 or 9 for the old
        // × 0,01 or × 0,1 first.
        if (width == 2 && power >= 8)
            marking.readsFirstAs = valueOf(significant.toStdString(), power - 10);
        return marking;
    }
    if (leading < -width)
        return noCode(NoCodeReason::BelowRange, width, valueOf("1", -width));
    const int decimals = leading >= 0 ? width - (leading + 1) : width;
    if (n.powerOfTen < -decimals)
        return count > width ? noCode(NoCodeReason::TooManyDigits, width)
                             : noCode(NoCodeReason::TooManyDecimals, width);
    const QString whole =
        (digits + QString(n.powerOfTen + decimals, u'0')).rightJustified(width, u'0');
    return withCode(whole.left(width - decimals) + u'R' + whole.right(decimals));
}

} // namespace

Markings markingsFor(const ExactValue &ohms)
{
    const ExactValue n = colorcode::normalised(ohms);
    if (n.digits.empty()) {
        Marking three = withCode(QStringLiteral("000"));
        Marking four = withCode(QStringLiteral("0000"));
        three.link = four.link = true;
        return {three, four, noCode(NoCodeReason::Link), std::nullopt};
    }
    Markings markings{digitCode(n, 2), digitCode(n, 3), {}, std::nullopt};

    const int count = int(n.digits.size());
    const int leading = count - 1 + n.powerOfTen;
    const int significand =
        count <= 3 ? QString::fromStdString(n.digits).leftJustified(3, u'0').toInt() : 0;
    const int index = e96Index(significand);
    if (index < 0)
        markings.eia96 = noCode(NoCodeReason::NotInE96);
    else if (leading - 2 < -3 || leading - 2 > 5)
        markings.eia96 = noCode(NoCodeReason::OutsideEia96, 0, valueOf("1", -1), valueOf("976", 5));
    else
        markings.eia96 = withCode(QString::number(index + 1).rightJustified(2, u'0') +
                                  QChar(letters[std::size_t(leading - 2 + 3)].letter));

    // The bar belongs to the plain three-digit code, not to an R form, nor
    // to a code ending in 8 or 9, which reads first as the old code.
    if (count <= 2 && inE24(significand / 10) && index < 0 && markings.threeDigit.code &&
        leading >= 1 && leading - 1 < 8)
        markings.barCode = markings.threeDigit.code;
    return markings;
}

} // namespace smd
