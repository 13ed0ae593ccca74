#include "capacitor/capacitormarking.h"

#include "capacitor/capacitortext.h"
#include "capacitor/quantity.h"
#include "colorcode/resistance.h"
#include "colorcode/standardvalues.h"
#include "forms/conversions.h"
#include "numbers/exactnumber.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <string>

namespace capacitor
{

namespace
{

using colorcode::ExactValue;
using quantity::Kind;

// Digits a letter code may carry; more are no marking.
constexpr int mostDigits = 12;

ExactValue valueOf(std::string digits, int powerOfTen)
{
    return colorcode::normalised({std::move(digits), powerOfTen});
}

QString superscript(int n)
{
    static constexpr char16_t digits[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString text = n < 0 ? QStringLiteral("⁻") : QString();
    for (const QChar c : QString::number(n < 0 ? -n : n))
        text += QChar(digits[c.digitValue()]);
    return text;
}

QString decimalText(std::int64_t hundredths, const QLocale &locale)
{
    return numbers::text(numbers::fromUnits(std::uint64_t(hundredths), 2), locale);
}

// "× 0,01", "× 10⁴".
QString factorText(int power, const QLocale &locale)
{
    if (power < 0)
        return QStringLiteral("× ") + numbers::text(numbers::fromUnits(1, -power), locale);
    return QStringLiteral("× 10") + superscript(power);
}

QString pf(const ExactValue &value, const QLocale &locale)
{
    return quantity::quantityText(value, Kind::Capacitance, locale);
}

bool below10pF(const ExactValue &value)
{
    return colorcode::compareValues(colorcode::normalised(value), {"1", 1}) < 0;
}

// ---- Tolerance letters: the reference's section 3. The first entry of a
// letter is its main reading; the others are disputed, with who says so.

struct ToleranceRow {
    char letter;
    Tolerance::Kind kind;
    std::int32_t plus;
    std::int32_t minus;
    enum class Range { Any, Below10, From10 } range;
    const char *note; // UTF-8; empty for the agreed main reading
};

using K = Tolerance::Kind;
using R = ToleranceRow::Range;

// clang-format off
constexpr std::array<ToleranceRow, 30> toleranceRows{{
    {'A', K::Picofarads,    5,    5, R::Any,     ""},
    {'B', K::Picofarads,   10,   10, R::Any,     ""},
    {'B', K::Percent,      10,   10, R::Any,     "B yüzde olarak: iki tabloda ± % 0,1"},
    {'C', K::Picofarads,   25,   25, R::Any,     ""},
    {'C', K::Picofarads,   20,   20, R::Any,     "C bir tabloda ± 0,2 pF"},
    {'C', K::Percent,      25,   25, R::Any,     "C yüzde olarak: iki tabloda ± % 0,25"},
    {'D', K::Picofarads,   50,   50, R::Any,     ""},
    {'D', K::Percent,      50,   50, R::Any,     "D yüzde olarak: iki tabloda ± % 0,5"},
    {'E', K::Percent,      50,   50, R::Any,     ""},
    {'E', K::Percent,      25,   25, R::Any,     "E bir tabloda ± % 0,25"},
    {'F', K::Picofarads,  100,  100, R::Below10, "10 pF altında F: ± 1 pF (üç tablo)"},
    {'F', K::Percent,     100,  100, R::Below10, "10 pF altında F yüzde olarak: ± % 1 (dört tablo)"},
    {'F', K::Percent,     100,  100, R::From10,  ""},
    {'G', K::Picofarads,  200,  200, R::Below10, "10 pF altında G: ± 2 pF (tek tablo)"},
    {'G', K::Percent,     200,  200, R::Below10, "10 pF altında G yüzde olarak: ± % 2 (dört tablo)"},
    {'G', K::Percent,     200,  200, R::From10,  ""},
    {'H', K::Percent,     300,  300, R::Any,     ""},
    {'H', K::Percent,     250,  250, R::Any,     "H bir tabloda ± % 2,5"},
    {'J', K::Percent,     500,  500, R::Any,     ""},
    {'K', K::Percent,    1000, 1000, R::Any,     ""},
    {'L', K::Percent,    1500, 1500, R::Any,     ""},
    {'M', K::Percent,    2000, 2000, R::Any,     ""},
    {'N', K::Percent,    3000, 3000, R::Any,     ""},
    {'N', K::Percent,       5,    5, R::Any,     "N bir tabloda ± % 0,05"},
    {'P', K::Asymmetric,10000,    0, R::Any,     ""},
    {'Q', K::Asymmetric, 3000, 1000, R::Any,     "Q tek kaynakta"},
    {'S', K::Asymmetric, 5000, 2000, R::Any,     "S tek kaynakta"},
    {'T', K::Asymmetric, 5000, 1000, R::Any,     "T tek kaynakta"},
    {'V', K::Percent,    2500, 2500, R::Any,     "V tek kaynakta"},
    {'Z', K::Asymmetric, 8000, 2000, R::Any,     ""},
}};
// clang-format on

struct ToleranceReading {
    Tolerance tolerance;
    QString note;
};

std::vector<ToleranceReading> toleranceReadings(QChar letter, const ExactValue &pF)
{
    std::vector<ToleranceReading> found;
    const bool small = below10pF(pF);
    for (const ToleranceRow &row : toleranceRows) {
        if (letter != QLatin1Char(row.letter))
            continue;
        if ((row.range == R::Below10 && !small) || (row.range == R::From10 && small))
            continue;
        found.push_back({{row.kind, row.plus, row.minus}, QString::fromUtf8(row.note)});
    }
    // Absolute letters belong to small values; on a larger part say which
    // reading stands first.
    if (!found.empty() && found.front().tolerance.kind == K::Picofarads && !small &&
        found.front().note.isEmpty())
        found.front().note =
            QStringLiteral("%1 mutlak (pF) okundu; 10 pF üstünde olağan dışıdır").arg(letter);
    return found;
}

bool isToleranceLetter(QChar letter)
{
    return std::any_of(
        toleranceRows.begin(), toleranceRows.end(),
        [letter](const ToleranceRow &row) { return letter == QLatin1Char(row.letter); });
}

// ---- EIA voltage codes: section 4. Mantissas in hundredths.

struct VoltageLetter {
    char letter;
    std::int32_t mantissa;
};

// clang-format off
constexpr std::array<VoltageLetter, 15> voltageLetters{{
    {'A', 100}, {'B', 125}, {'C', 160}, {'D', 200}, {'E', 250}, {'F', 315}, {'G', 400},
    {'H', 500}, {'J', 630}, {'K', 800},
    // Outside the ten-step ladder, each in two tables or more.
    {'V', 350}, {'W', 450}, {'Q', 110}, {'Z', 180}, {'P', 220},
}};
// clang-format on

struct DisputedVoltage {
    char letter;
    std::int32_t first;    // mantissa of the first reading, 0: none known
    int firstSeenDigit;    // the decade its code was seen with
    const char *firstNote; // UTF-8
    std::int32_t second;
    int secondSeenDigit;
    const char *secondNote;
};

// clang-format off
constexpr std::array<DisputedVoltage, 4> disputedVoltages{{
    {'L', 550, 0, "L = 5,5 (0L = 5,5 V, üç tablo)", 120, 3, "L = 1,2 (3L = 1200 V, bir tablo)"},
    {'N', 750, 1, "N = 7,5 (1N = 75 V, TDK)", 150, 3, "N = 1,5 (3N ≈ 1500 V, bir tablo)"},
    {'T', 150, 2, "T = 1,5 (2T = 150 V, bir okur yorumu)", 0, -1, "T'yi hiçbir tablo vermez"},
    {'I', 650, 2, "I = 6,5 (2I = 650 V, tek kaynak)", 0, -1, "I öteki harf kodlarında kullanılmaz"},
}};
// clang-format on

std::int64_t voltsOf(std::int32_t mantissa, int digit)
{
    std::int64_t v = mantissa;
    for (int i = 0; i < digit; ++i)
        v *= 10;
    return v;
}

struct VoltageReading {
    std::optional<std::int64_t> volts; // hundredths
    QString note;
};

// The readings of a digit and letter; none when it is no voltage code.
std::vector<VoltageReading> voltageReadings(QChar digitChar, QChar letter)
{
    const int digit = digitChar.digitValue();
    if (digit < 0 || digit > 3)
        return {};
    for (const VoltageLetter &v : voltageLetters)
        if (letter == QLatin1Char(v.letter))
            return {{voltsOf(v.mantissa, digit), {}}};
    for (const DisputedVoltage &d : disputedVoltages) {
        if (letter != QLatin1Char(d.letter))
            continue;
        VoltageReading first{voltsOf(d.first, digit), QString::fromUtf8(d.firstNote)};
        VoltageReading second{d.second ? std::optional(voltsOf(d.second, digit)) : std::nullopt,
                              QString::fromUtf8(d.secondNote)};
        if (digit == d.secondSeenDigit)
            return {second, first};
        return {first, second};
    }
    return {};
}

// ---- EIA-198: section 6. Mantissas in tenths.

struct EiaLetter {
    char letter;
    std::int32_t mantissa;
    const char *note; // UTF-8: which table, for the lower-case ones
};

// clang-format off
constexpr std::array<EiaLetter, 24> eiaUpper{{
    {'A', 10, ""}, {'B', 11, ""}, {'C', 12, ""}, {'D', 13, ""}, {'E', 15, ""}, {'F', 16, ""},
    {'G', 18, ""}, {'H', 20, ""}, {'J', 22, ""}, {'K', 24, ""}, {'L', 27, ""}, {'M', 30, ""},
    {'N', 33, ""}, {'P', 36, ""}, {'Q', 39, ""}, {'R', 43, ""}, {'S', 47, ""}, {'T', 51, ""},
    {'U', 56, ""}, {'V', 62, ""}, {'W', 68, ""}, {'X', 75, ""}, {'Y', 82, ""}, {'Z', 91, ""},
}};

// Two tables for lower case: one letter may appear twice, the likelier
// (two sources against one) first.
constexpr std::array<EiaLetter, 13> eiaLower{{
    {'a', 25, ""},
    {'b', 35, "b = 3,5 (iki tablo)"},
    {'b', 30, "b = 3,0 (EIA-198-D'yi aktaran tablo)"},
    {'c', 35, "c yalnız EIA-198-D'yi aktaran tabloda"},
    {'d', 40, ""},
    {'e', 45, ""},
    {'f', 50, ""},
    {'g', 90, "g yalnız EIA-198-D'yi aktaran tabloda; öteki tablo 9,0'ı y yazar"},
    {'m', 60, ""},
    {'n', 70, ""},
    {'t', 80, ""},
    {'y', 90, "y iki tabloda; EIA-198-D'yi aktaran tablo 9,0'ı g yazar"},
    {'\0', 0, ""},
}};
// clang-format on

// The pF value of a mantissa in tenths and a multiplier digit: 0 … 8 are
// × 10⁰ … × 10⁸, 9 is × 0,1.
ExactValue eiaValue(std::int32_t mantissa, int digit)
{
    return valueOf(std::to_string(mantissa), (digit == 9 ? -1 : digit) - 1);
}

QString eiaDigitNote(int digit, const QLocale &locale)
{
    if (digit == 9)
        return QStringLiteral("9 = %1 (iki tablo; ikisi 9'u hiç vermez)")
            .arg(factorText(-1, locale));
    if (digit == 8)
        return QStringLiteral("burada 8 = × 10⁸; 3 haneli kodda 8 = %1")
            .arg(factorText(-2, locale));
    return {};
}

// ---- Tantalum voltage letters with a named source: section 7.
std::optional<std::int64_t> tantalumVolts(QChar letter)
{
    if (letter == u'A')
        return 1000;
    if (letter == u'C')
        return 1600;
    return std::nullopt;
}

const QString datasheet =
    QStringLiteral("bu harfin gerilimi seriye göre değişir: veri sayfasına bakın");

QString joinNotes(const QString &a, const QString &b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return a + QStringLiteral("; ") + b;
}

// ---- Value codes without tolerance or volts.

std::vector<Reading> threeDigit(const QString &code, const QLocale &locale)
{
    const QString dd = code.left(2);
    const int m = code.at(2).digitValue();
    const QString significant = QString::number(dd.toInt());
    const auto reading = [&](int power, const QString &note) {
        return Reading{valueOf(dd.toStdString(), power),
                       std::nullopt,
                       std::nullopt,
                       false,
                       QStringLiteral("3 haneli kod: ") + significant + u' ' +
                           factorText(power, locale) + QStringLiteral(" pF"),
                       note};
    };
    if (m == 8 || m == 9) {
        const int small = m == 8 ? -2 : -1;
        return {
            reading(
                small,
                QStringLiteral("%1 = %2: bazı üreticilerde").arg(m).arg(factorText(small, locale))),
            reading(m, QStringLiteral("iki tabloda %1 = × 10%2").arg(m).arg(superscript(m)))};
    }
    if (m == 7)
        return {reading(7, QStringLiteral("7 = × 10⁷ tantallarda (107 = 100 µF); iki tablo "
                                          "seramikte 7'yi kullanılmaz sayar"))};
    if (m == 0)
        return {reading(0, QStringLiteral("son 0 sıfır eklemez: ") + code + QStringLiteral(" = ") +
                               pf(valueOf(dd.toStdString(), 0), locale)),
                {valueOf(code.toStdString(), 0), std::nullopt, std::nullopt, false,
                 QStringLiteral("düz değer: ") + code + QStringLiteral(" pF"),
                 QStringLiteral("bir sayfa 0 ile bitenleri düz değer sayar")}};
    return {reading(m, {})};
}

std::vector<Reading> rDecimal(const QString &code, const QLocale &locale)
{
    const qsizetype at = code.indexOf(u'R', 0, Qt::CaseInsensitive);
    const QString digits = QString(code).remove(at, 1);
    const int decimals = int(code.size() - 1 - at);
    const ExactValue value = valueOf(digits.toStdString(), -decimals);
    const QString number =
        numbers::text(numbers::fromUnits(digits.toULongLong(), decimals), locale);
    return {{value,
             std::nullopt,
             std::nullopt,
             false,
             QStringLiteral("R ondalık (pF): ") + code + QStringLiteral(" = ") + number +
                 QStringLiteral(" pF"),
             {}},
            {valueOf(digits.toStdString(), 6 - decimals), std::nullopt, std::nullopt, false,
             QStringLiteral("R ondalık (µF): ") + code + QStringLiteral(" = ") + number +
                 QStringLiteral(" µF"),
             QStringLiteral("elektrolitik ya da tantalda R µF ondalığı olabilir (bir kit "
                            "kılavuzu)")}};
}

struct LetterUnit {
    char16_t letter;
    int powerOverPico; // 10^n pF
    const char *note;  // UTF-8
};

// clang-format off
constexpr std::array<LetterUnit, 9> letterUnits{{
    {u'p', 0, ""},
    {u'n', 3, ""},
    {u'u', 6, ""},
    {u'µ', 6, ""},
    {u'm', 9, "m = mili (mF)"},
    {u'F', 12, "F = farad"},
    {u'N', 3, "büyük N: IEC küçük n yazar; parçalarda görülür"},
    {u'U', 6, "büyük U: IEC küçük u yazar; parçalarda görülür"},
    {u'M', 9, "büyük M bir dirençte mega okunur (4M7 = 4,7 MΩ); burada mili sayıldı"},
}};
// clang-format on

const LetterUnit *letterUnit(QChar c)
{
    for (const LetterUnit &u : letterUnits)
        if (c == QChar(u.letter))
            return &u;
    return nullptr;
}

// The IEC 60062 letter code: the letter is the unit's prefix and the
// decimal mark; a leading letter means "0,".
std::optional<Reading> letterCode(const QString &code)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]*)([pnuµmFNUM])([0-9]*)$"));
    const QRegularExpressionMatch match = form.match(code);
    if (!match.hasMatch())
        return std::nullopt;
    const QString whole = match.captured(1);
    const QString fraction = match.captured(3);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    if (whole.size() + fraction.size() > mostDigits)
        return std::nullopt;
    const LetterUnit *unit = letterUnit(match.captured(2).at(0));
    // Upper-case letters and F are tolerance letters too: 103N is ± % 30,
    // 104F ± % 1. As a unit they stand only where the decimal mark does.
    if (match.captured(2).at(0).isUpper() && fraction.isEmpty())
        return std::nullopt;
    const ExactValue value =
        valueOf((whole + fraction).toStdString(), unit->powerOverPico - int(fraction.size()));
    if (value.digits.empty())
        return std::nullopt;
    return Reading{value,
                   std::nullopt,
                   std::nullopt,
                   false,
                   QStringLiteral("harf kodu: ") + match.captured(2) +
                       QStringLiteral(" birim ve ondalık yerinde"),
                   QString::fromUtf8(unit->note)};
}

std::optional<std::vector<Reading>> valueCode(const QString &code, const QLocale &locale)
{
    static const QRegularExpression three(QStringLiteral("^[0-9]{3}$"));
    static const QRegularExpression plain(QStringLiteral("^[0-9]{1,2}$"));
    static const QRegularExpression r(QStringLiteral("^[0-9]{0,3}[Rr][0-9]{0,3}$"));
    if (three.match(code).hasMatch()) {
        if (code.startsWith(QStringLiteral("00")))
            return std::nullopt;
        return threeDigit(code, locale);
    }
    if (plain.match(code).hasMatch()) {
        const ExactValue value = valueOf(code.toStdString(), 0);
        if (value.digits.empty())
            return std::nullopt;
        return std::vector<Reading>{{value,
                                     std::nullopt,
                                     std::nullopt,
                                     false,
                                     QStringLiteral("1-2 haneli: değer pF olarak"),
                                     {}}};
    }
    if (r.match(code).hasMatch() && code.size() >= 2 && code.size() <= 4) {
        std::vector<Reading> readings = rDecimal(code, locale);
        if (readings.front().picofarads.digits.empty())
            return std::nullopt;
        return readings;
    }
    if (const auto reading = letterCode(code))
        return std::vector<Reading>{*reading};
    return std::nullopt;
}

// ---- Whole markings.

Readings withTolerance(Readings readings, QChar letter)
{
    const std::vector<ToleranceReading> tolerances =
        toleranceReadings(letter, readings.readings.front().picofarads);
    for (Reading &r : readings.readings) {
        r.tolerance = tolerances.front().tolerance;
        r.note = joinNotes(r.note, tolerances.front().note);
    }
    const Reading first = readings.readings.front();
    for (std::size_t i = 1; i < tolerances.size(); ++i) {
        Reading other = first;
        other.tolerance = tolerances[i].tolerance;
        other.note = tolerances[i].note;
        readings.readings.push_back(other);
    }
    return readings;
}

Readings withVolts(Readings readings, const std::vector<VoltageReading> &volts, const QString &code)
{
    for (Reading &r : readings.readings)
        r.voltsHundredths = volts.front().volts;
    if (volts.size() > 1) {
        readings.voltsDisputed = true;
        readings.readings.front().note = joinNotes(
            readings.readings.front().note, code + QStringLiteral(": ") + volts.front().note);
        Reading other = readings.readings.front();
        other.voltsHundredths = volts[1].volts;
        other.note = code + QStringLiteral(": ") + volts[1].note;
        readings.readings.push_back(other);
    }
    return readings;
}

// A value code with an optional tolerance letter after it.
std::optional<Readings> codeAndTolerance(const QString &code, const QLocale &locale)
{
    if (auto readings = valueCode(code, locale))
        return Readings{code, *readings, {}, false};
    if (code.size() < 2)
        return std::nullopt;
    const QChar letter = code.back();
    if (!isToleranceLetter(letter))
        return std::nullopt;
    const QString core = code.chopped(1);
    auto readings = valueCode(core, locale);
    if (!readings)
        return std::nullopt;
    Readings result = withTolerance(Readings{code, *readings, {}, false}, letter);

    // 107C: a tantalum's voltage letter after a three-digit code, where the
    // letter has a named source.
    static const QRegularExpression three(QStringLiteral("^[0-9]{3}$"));
    if (const auto volts = tantalumVolts(letter); volts && three.match(core).hasMatch()) {
        Reading tantalum = readings->front();
        tantalum.voltsHundredths = volts;
        tantalum.tantalum = true;
        tantalum.how = QStringLiteral("SMD tantal: ") + core + QStringLiteral(" pF kodu, ") +
                       letter + QStringLiteral(" = ") + voltsText(*volts, locale);
        tantalum.note = QStringLiteral("tantal okuması: %1 gerilim harfi").arg(letter);
        // Above 1 µF an absolute tolerance is implausible: the tantalum first.
        if (colorcode::compareValues(tantalum.picofarads, {"1", 6}) >= 0) {
            result.readings.front().note = joinNotes(
                result.readings.front().note,
                QStringLiteral("seramik okuması; bu değerde mutlak tolerans olağan dışı"));
            result.readings.insert(result.readings.begin(), tantalum);
        } else {
            result.readings.push_back(tantalum);
        }
    }
    return result;
}

std::optional<Readings> eia198(const QString &code, const QLocale &locale)
{
    static const QRegularExpression form(QStringLiteral("^([KNS]?)([A-Za-z])([0-9])$"));
    const QRegularExpressionMatch match = form.match(code);
    if (!match.hasMatch())
        return std::nullopt;
    const QChar letter = match.captured(2).at(0);
    const int digit = match.captured(3).at(0).digitValue();
    const QString maker = match.captured(1);
    Readings readings{code, {}, {}, false};
    const auto add = [&](const EiaLetter &e) {
        readings.readings.push_back(
            {eiaValue(e.mantissa, digit), std::nullopt, std::nullopt, false,
             QStringLiteral("EIA-198: ") + letter + QStringLiteral(" = ") +
                 decimalText(e.mantissa * 10, locale) + QStringLiteral(", ") +
                 QString::number(digit) + QStringLiteral(" = ") +
                 factorText(digit == 9 ? -1 : digit, locale) + QStringLiteral(" pF"),
             joinNotes(QString::fromUtf8(e.note), eiaDigitNote(digit, locale))});
    };
    for (const EiaLetter &e : eiaUpper)
        if (letter == QLatin1Char(e.letter))
            add(e);
    for (const EiaLetter &e : eiaLower)
        if (e.letter && letter == QLatin1Char(e.letter))
            add(e);
    if (readings.readings.empty())
        return std::nullopt;
    if (!maker.isEmpty()) {
        const QString name = maker == u"K"   ? QStringLiteral("KEMET")
                             : maker == u"N" ? QStringLiteral("Novacap")
                                             : QStringLiteral("Syfer");
        readings.notes << QStringLiteral("ilk harf üretici: %1 = %2").arg(maker, name);
    } else if (letter == u'R') {
        // R5: EIA-198 R = 4,3, or R as the pF decimal point.
        for (Reading other : rDecimal(code, locale)) {
            if (other.picofarads.digits.empty())
                break; // R0 is no value
            other.note = joinNotes(QStringLiteral("R ondalık olarak da okunur"), other.note);
            readings.readings.push_back(other);
        }
    } else if (const auto letterReading = letterCode(code)) {
        // n2: EIA-198 n = 7,0, or the letter code's 0,2 nF.
        Reading other = *letterReading;
        other.note = joinNotes(QStringLiteral("harf kodu olarak da okunur"), other.note);
        readings.readings.push_back(other);
    }
    return readings;
}

// A4 75: a tantalum's voltage letter before a three-digit pF code.
std::optional<Readings> tantalumFirst(const QString &code, const QLocale &locale)
{
    static const QRegularExpression form(QStringLiteral("^([A-Z])([0-9]{3})$"));
    const QRegularExpressionMatch match = form.match(code);
    if (!match.hasMatch() || match.captured(2).startsWith(QStringLiteral("00")))
        return std::nullopt;
    const QChar letter = match.captured(1).at(0);
    std::vector<Reading> values = threeDigit(match.captured(2), locale);
    const auto volts = tantalumVolts(letter);
    for (Reading &r : values) {
        r.tantalum = true;
        r.voltsHundredths = volts;
        r.how =
            QStringLiteral("SMD tantal: ") + letter + QStringLiteral(" gerilim harfi, ") + r.how;
    }
    values.front().note =
        joinNotes(values.front().note, volts ? QStringLiteral("%1 = %2 (tantal gerilim harfi)")
                                                   .arg(letter)
                                                   .arg(voltsText(*volts, locale))
                                             : datasheet);
    return Readings{code, values, {}, false};
}

// .1K63, 1K63: µF, a tolerance letter, plain volts.
std::optional<Readings> filmPrint(const QString &code, const QLocale &)
{
    static const QRegularExpression form(
        QStringLiteral("^([0-9]{0,2}[.,][0-9]{1,3}|[0-9]{1,2})([A-Z])([0-9]{2,4})$"));
    const QRegularExpressionMatch match = form.match(code);
    if (!match.hasMatch() || !isToleranceLetter(match.captured(2).at(0)))
        return std::nullopt;
    QString number = match.captured(1);
    const qsizetype mark = std::max(number.indexOf(u'.'), number.indexOf(u','));
    const int decimals = mark < 0 ? 0 : int(number.size() - 1 - mark);
    if (mark >= 0)
        number.remove(mark, 1);
    const ExactValue value = valueOf(number.toStdString(), 6 - decimals);
    if (value.digits.empty())
        return std::nullopt;
    const std::int64_t volts = match.captured(3).toLongLong() * 100;
    Reading reading{value,
                    std::nullopt,
                    volts,
                    false,
                    QStringLiteral("film baskısı: ") + match.captured(1) + QStringLiteral(" µF, ") +
                        match.captured(2) + QStringLiteral(" tolerans, ") + match.captured(3) +
                        QStringLiteral(" V"),
                    QStringLiteral("%1 tolerans harfidir, kilo değil").arg(match.captured(2))};
    Readings readings =
        withTolerance(Readings{code, {reading}, {}, false}, match.captured(2).at(0));
    if (mark < 0)
        readings.notes << QStringLiteral("bir dirençte %1 harf kodu başka bir değerdir").arg(code);
    return readings;
}

// Voltage code before or after, a value code and a tolerance letter.
std::optional<Readings> generalMarking(const QString &code, const QLocale &locale)
{
    // 2A474J, 2E4n7J: the voltage code first. 1N104K also reads as the
    // letter code 1,104 nF with K; that comes after.
    if (code.size() >= 5) {
        const auto volts = voltageReadings(code.at(0), code.at(1));
        if (!volts.empty() && code.at(1).isUpper())
            if (auto readings = codeAndTolerance(code.mid(2), locale)) {
                readings->code = code;
                Readings result = withVolts(*readings, volts, code.left(2));
                if (const auto whole = codeAndTolerance(code, locale))
                    for (Reading other : whole->readings) {
                        other.note = joinNotes(QStringLiteral("gerilim kodu olmadan"), other.note);
                        result.readings.push_back(other);
                    }
                return result;
            }
    }
    if (auto readings = codeAndTolerance(code, locale))
        return readings;
    // 103J2A: the voltage code after the tolerance letter.
    if (code.size() >= 6 && code.at(code.size() - 3).isUpper()) {
        const auto volts = voltageReadings(code.at(code.size() - 2), code.back());
        if (!volts.empty() && code.back().isUpper())
            if (auto readings = codeAndTolerance(code.chopped(2), locale)) {
                readings->code = code;
                return withVolts(*readings, volts, code.right(2));
            }
    }
    return std::nullopt;
}

bool hasElectrolyticReading(const Readings &readings)
{
    return std::any_of(readings.readings.begin(), readings.readings.end(), [](const Reading &r) {
        return r.tantalum || r.how.contains(QStringLiteral("(µF)"));
    });
}

} // namespace

QString polarityWarning()
{
    return QStringLiteral("Tantal: şerit = +. Alüminyum elektrolitik: şerit = −.");
}

MarkingReading readMarking(const QString &text, const QLocale &locale)
{
    if (text.size() > longestMarking)
        return Refusal{RefusalKind::TextTooLong, {}};
    QStringList tokens{QString()};
    for (const char32_t c : text.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (QChar::isSpace(c)) {
            if (!tokens.back().isEmpty())
                tokens << QString();
        } else if (category == QChar::Other_Format || category == QChar::Other_Control) {
            continue;
        } else if (category == QChar::Number_DecimalDigit) {
            tokens.back() += QChar(u'0' + QChar::digitValue(c));
        } else if (c == U'\u00B5' || c == U'\u03BC') {
            tokens.back() += u'µ';
        } else if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || c == U'.' || c == U',') {
            tokens.back() += QChar(char16_t(c));
        } else {
            return Refusal{RefusalKind::UnknownCharacter, QString::fromUcs4(&c, 1)};
        }
    }
    if (tokens.back().isEmpty())
        tokens.removeLast();
    if (tokens.isEmpty())
        return Refusal{RefusalKind::Empty, {}};

    // "105K 330V": volts spelled out as a word of their own.
    std::optional<std::int64_t> spelledVolts;
    static const QRegularExpression voltsWord(QStringLiteral("^([0-9]{2,4})V$"));
    if (tokens.size() > 1)
        if (const auto match = voltsWord.match(tokens.back()); match.hasMatch()) {
            spelledVolts = match.captured(1).toLongLong() * 100;
            tokens.removeLast();
        }
    QString code = tokens.join(QString());
    // A trailing F after a prefix is the unit: 4n7F, 100nF.
    if (code.size() > 2 && code.back() == u'F' && letterUnit(code.at(code.size() - 2)) &&
        code.at(code.size() - 2) != u'F')
        code.chop(1);

    std::optional<Readings> readings;
    for (const auto reader : {eia198, tantalumFirst, generalMarking, filmPrint})
        if (!readings)
            readings = reader(code, locale);
    if (!readings) {
        static const QRegularExpression io(QStringLiteral("^[KNS]?[IO][0-9]$"));
        if (io.match(code).hasMatch())
            return Refusal{RefusalKind::IOInEia198, code};
        static const QRegularExpression zero(QStringLiteral("^0+[A-Z]?$"));
        if (zero.match(code).hasMatch())
            return Refusal{RefusalKind::ZeroValue, code};
        return Refusal{RefusalKind::UnknownCode, code};
    }
    if (spelledVolts) {
        if (std::any_of(readings->readings.begin(), readings->readings.end(),
                        [](const Reading &r) { return r.voltsHundredths.has_value(); }))
            return Refusal{RefusalKind::VoltsTwice, text.simplified()};
        for (Reading &r : readings->readings)
            r.voltsHundredths = spelledVolts;
    }
    if (hasElectrolyticReading(*readings))
        readings->notes << polarityWarning();
    for (Reading &r : readings->readings) {
        r.how = quantity::withDecimalMark(r.how, locale);
        r.note = quantity::withDecimalMark(r.note, locale);
    }
    for (QString &note : readings->notes)
        note = quantity::withDecimalMark(note, locale);
    readings->code = text.simplified();
    return *readings;
}

bool voltsDisputed(const Readings &readings)
{
    return readings.voltsDisputed;
}

std::optional<std::int64_t> consensusVolts(const QString &code)
{
    if (code.size() != 2)
        return std::nullopt;
    const int digit = code.at(0).digitValue();
    if (digit < 0 || digit > 3)
        return std::nullopt;
    for (const VoltageLetter &v : voltageLetters)
        if (code.at(1) == QLatin1Char(v.letter))
            return voltsOf(v.mantissa, digit);
    return std::nullopt;
}

std::optional<QString> voltageCodeFor(std::int64_t voltsHundredths)
{
    for (int digit = 0; digit <= 3; ++digit)
        for (const VoltageLetter &v : voltageLetters)
            if (voltsOf(v.mantissa, digit) == voltsHundredths)
                return QString::number(digit) + QLatin1Char(v.letter);
    return std::nullopt;
}

const char *formId(MarkingForm form)
{
    switch (form) {
    case MarkingForm::ThreeDigit:
        return "three_digit";
    case MarkingForm::RDecimal:
        return "r_decimal";
    case MarkingForm::LetterCode:
        return "letter_code";
    case MarkingForm::Eia198:
        return "eia198";
    }
    return "";
}

std::vector<Marking> markingsFor(const ExactValue &picofarads, const QLocale &locale)
{
    const ExactValue n = colorcode::normalised(picofarads);
    const int count = int(n.digits.size());
    const int leading = count - 1 + n.powerOfTen; // power of the first digit, in pF
    std::vector<Marking> markings;

    // Three digits: two significant digits × 10^0 … 10^7, or × 0,01 and
    // × 0,1 written with 8 and 9.
    Marking three{MarkingForm::ThreeDigit, std::nullopt, {}};
    if (count > 2)
        three.note = QStringLiteral("iki anlamlı hane taşır");
    else if (leading < -1)
        three.note = QStringLiteral("en küçüğü 0,1 pF (108)").replace(u',', locale.decimalPoint());
    else if (leading - 1 > 7)
        three.note = QStringLiteral("en büyüğü 990 µF (997)");
    else {
        const int power = leading - 1;
        const QString dd = QString::fromStdString(n.digits).leftJustified(2, u'0');
        const int digit = power == -2 ? 8 : power == -1 ? 9 : power;
        three.code = dd + QString::number(digit);
        if (digit >= 8)
            three.note = QStringLiteral("%1 = %2 bazı üreticilerde; iki tablo %1'i × 10%3 okur")
                             .arg(digit)
                             .arg(factorText(power, locale))
                             .arg(superscript(digit));
        else if (digit == 7)
            three.note = QStringLiteral("7 tantallarda kullanılır");
        else if (digit == 0)
            three.note = QStringLiteral("son 0 sıfır eklemez");
    }
    markings.push_back(three);

    // R as the pF decimal point, below 10 pF: 4R7, 0R5, R47.
    Marking r{MarkingForm::RDecimal, std::nullopt, {}};
    if (leading >= 1)
        r.note = QStringLiteral("yalnız 10 pF altında");
    else if (leading < -2 || n.powerOfTen < -2 || (leading == 0 && n.powerOfTen < -1))
        r.note = QStringLiteral("R kodu en çok iki hane taşır");
    else {
        const QString digits = QString::fromStdString(n.digits);
        if (leading == 0)
            r.code = digits.left(1) + u'R' + digits.mid(1).leftJustified(1, u'0');
        else if (leading == -1 && n.powerOfTen == -1)
            r.code = QStringLiteral("0R") + digits;
        else
            r.code = u'R' + (QString(-leading - 1, u'0') + digits);
    }
    markings.push_back(r);

    // The letter code in the unit that gives 1 to 999, the letter as the
    // decimal mark; below 1 pF the letter first.
    Marking letter{MarkingForm::LetterCode, std::nullopt, {}};
    {
        static constexpr std::array<char16_t, 4> prefixes{u'p', u'n', u'µ', u'm'};
        int unit = 0;
        while (unit < 3 && leading >= 3 * (unit + 1))
            ++unit;
        const int shifted = n.powerOfTen - 3 * unit; // digits × 10^shifted in that unit
        QString digits = QString::fromStdString(n.digits);
        if (shifted >= 0)
            digits += QString(shifted, u'0');
        const int decimals = std::max(0, -shifted);
        if (digits.size() <= decimals)
            digits.prepend(QString(decimals - digits.size(), u'0'));
        QString whole = digits.left(digits.size() - decimals);
        if (whole == u"0")
            whole.clear();
        // The reader takes no longer code than this; neither does a part.
        if (whole.size() + decimals > mostDigits)
            letter.note = QStringLiteral("harf kodu en çok %1 hane taşır").arg(mostDigits);
        else {
            letter.code = whole + QChar(prefixes[std::size_t(unit)]) + digits.right(decimals);
            if (unit == 2)
                letter.note =
                    QStringLiteral("ASCII ile: ") + QString(*letter.code).replace(u'µ', u'u');
        }
    }
    markings.push_back(letter);

    // EIA-198: a letter's mantissa and a digit, every table's letter.
    Marking eia{MarkingForm::Eia198, std::nullopt, {}};
    QStringList codes, notes;
    if (count <= 2) {
        const int mantissa = QString::fromStdString(n.digits).leftJustified(2, u'0').toInt();
        const int power = leading - 1; // value = mantissa × 10^power pF
        const int digit = power == -2 ? 9 : power + 1;
        if (power >= -2 && power <= 7) {
            for (const EiaLetter &e : eiaUpper)
                if (e.mantissa == mantissa)
                    codes << QLatin1Char(e.letter) + QString::number(digit);
            for (const EiaLetter &e : eiaLower)
                if (e.letter && e.mantissa == mantissa) {
                    codes << QLatin1Char(e.letter) + QString::number(digit);
                    if (*e.note)
                        notes << QString::fromUtf8(e.note);
                }
            if (const QString digitNote = eiaDigitNote(digit, locale); !digitNote.isEmpty())
                notes << digitNote;
        }
    }
    if (codes.isEmpty())
        eia.note = QStringLiteral("EIA-198 tablolarında yok");
    else {
        eia.code = codes.join(QStringLiteral(", "));
        eia.note = notes.join(QStringLiteral("; "));
    }
    markings.push_back(eia);
    return markings;
}

} // namespace capacitor
