#include "capacitor/capacitormarking.h"

#include "colorcode/resistance.h"
#include "colorcode/standardvalues.h"
#include "numbers/exactnumber.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>
#include <string>

namespace capacitor
{

namespace
{

using colorcode::ExactValue;

// Digits a letter code may carry; more are no marking.
constexpr int mostDigits = 12;

ExactValue valueOf(std::string digits, int powerOfTen)
{
    return colorcode::normalised({std::move(digits), powerOfTen});
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
    std::optional<Sources> sources; // none for the agreed main reading
};

using K = Tolerance::Kind;
using R = ToleranceRow::Range;
using S = Sources;
constexpr std::optional<Sources> agreed;

// clang-format off
constexpr std::array<ToleranceRow, 30> toleranceRows{{
    {'A', K::Picofarads,    5,    5, R::Any,     agreed},
    {'B', K::Picofarads,   10,   10, R::Any,     agreed},
    {'B', K::Percent,      10,   10, R::Any,     S::TwoTables},
    {'C', K::Picofarads,   25,   25, R::Any,     agreed},
    {'C', K::Picofarads,   20,   20, R::Any,     S::OneTable},
    {'C', K::Percent,      25,   25, R::Any,     S::TwoTables},
    {'D', K::Picofarads,   50,   50, R::Any,     agreed},
    {'D', K::Percent,      50,   50, R::Any,     S::TwoTables},
    {'E', K::Percent,      50,   50, R::Any,     agreed},
    {'E', K::Percent,      25,   25, R::Any,     S::OneTable},
    {'F', K::Picofarads,  100,  100, R::Below10, S::ThreeTables},
    {'F', K::Percent,     100,  100, R::Below10, S::FourTables},
    {'F', K::Percent,     100,  100, R::From10,  agreed},
    {'G', K::Picofarads,  200,  200, R::Below10, S::OneTable},
    {'G', K::Percent,     200,  200, R::Below10, S::FourTables},
    {'G', K::Percent,     200,  200, R::From10,  agreed},
    {'H', K::Percent,     300,  300, R::Any,     agreed},
    {'H', K::Percent,     250,  250, R::Any,     S::OneTable},
    {'J', K::Percent,     500,  500, R::Any,     agreed},
    {'K', K::Percent,    1000, 1000, R::Any,     agreed},
    {'L', K::Percent,    1500, 1500, R::Any,     agreed},
    {'M', K::Percent,    2000, 2000, R::Any,     agreed},
    {'N', K::Percent,    3000, 3000, R::Any,     agreed},
    {'N', K::Percent,       5,    5, R::Any,     S::OneTable},
    {'P', K::Asymmetric,10000,    0, R::Any,     agreed},
    {'Q', K::Asymmetric, 3000, 1000, R::Any,     S::OneSource},
    {'S', K::Asymmetric, 5000, 2000, R::Any,     S::OneSource},
    {'T', K::Asymmetric, 5000, 1000, R::Any,     S::OneSource},
    {'V', K::Percent,    2500, 2500, R::Any,     S::OneSource},
    {'Z', K::Asymmetric, 8000, 2000, R::Any,     agreed},
}};
// clang-format on

struct ToleranceReading {
    Tolerance tolerance;
    std::optional<Note> note;
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
        const Tolerance tolerance{row.kind, row.plus, row.minus};
        std::optional<Note> note;
        if (row.sources)
            note = Note{.kind = NoteKind::ToleranceReading,
                        .letter = letter,
                        .tolerance = tolerance,
                        .below10pF = row.range == R::Below10,
                        .sources = *row.sources};
        found.push_back({tolerance, note});
    }
    // Absolute letters belong to small values; on a larger part say which
    // reading stands first.
    if (!found.empty() && found.front().tolerance.kind == K::Picofarads && !small &&
        !found.front().note)
        found.front().note = Note{.kind = NoteKind::AbsoluteAbove10pF, .letter = letter};
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

// One reading of a disputed letter: its mantissa (0: none known), the
// digit its code was seen with, who gives it, and whether the volts seen
// were nominal.
struct DisputedReading {
    std::int32_t mantissa;
    int seenDigit;
    Sources sources;
    bool approximately;
};

struct DisputedVoltage {
    char letter;
    DisputedReading first;
    DisputedReading second;
};

// clang-format off
constexpr std::array<DisputedVoltage, 4> disputedVoltages{{
    {'L', {550, 0, S::ThreeTables, false}, {120, 3, S::OneTable, false}},
    {'N', {750, 1, S::Tdk, false},         {150, 3, S::OneTable, true}},
    {'T', {150, 2, S::OneReader, false},   {0, -1, S::NoTable, false}},
    {'I', {650, 2, S::OneSource, false},   {0, -1, S::NotInOtherCodes, false}},
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
    std::optional<Note> note;          // a VoltageLetter note, without its code
};

Note disputedNote(QChar letter, const DisputedReading &r)
{
    Note note{.kind = NoteKind::VoltageLetter,
              .letter = letter,
              .sources = r.sources,
              .mantissaHundredths = r.mantissa,
              .approximately = r.approximately};
    if (r.mantissa) {
        note.seenCode = QString::number(r.seenDigit) + letter;
        note.voltsHundredths = voltsOf(r.mantissa, r.seenDigit);
    }
    return note;
}

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
        VoltageReading first{voltsOf(d.first.mantissa, digit), disputedNote(letter, d.first)};
        VoltageReading second{d.second.mantissa ? std::optional(voltsOf(d.second.mantissa, digit))
                                                : std::nullopt,
                              disputedNote(letter, d.second)};
        if (digit == d.second.seenDigit)
            return {second, first};
        return {first, second};
    }
    return {};
}

// ---- EIA-198: section 6. Mantissas in tenths.

struct EiaLetter {
    char letter;
    std::int32_t mantissa;
    // For the lower-case letters the tables differ on: who gives the
    // letter, and the letter the other table writes the value with.
    std::optional<Sources> sources = std::nullopt;
    char otherSpelling = 0;
};

// clang-format off
constexpr std::array<EiaLetter, 24> eiaUpper{{
    {'A', 10}, {'B', 11}, {'C', 12}, {'D', 13}, {'E', 15}, {'F', 16},
    {'G', 18}, {'H', 20}, {'J', 22}, {'K', 24}, {'L', 27}, {'M', 30},
    {'N', 33}, {'P', 36}, {'Q', 39}, {'R', 43}, {'S', 47}, {'T', 51},
    {'U', 56}, {'V', 62}, {'W', 68}, {'X', 75}, {'Y', 82}, {'Z', 91},
}};

// Two tables for lower case: one letter may appear twice, the likelier
// (two sources against one) first.
constexpr std::array<EiaLetter, 13> eiaLower{{
    {'a', 25},
    {'b', 35, S::TwoTables},
    {'b', 30, S::QuotingTable},
    {'c', 35, S::OnlyQuotingTable},
    {'d', 40},
    {'e', 45},
    {'f', 50},
    {'g', 90, S::OnlyQuotingTable, 'y'},
    {'m', 60},
    {'n', 70},
    {'t', 80},
    {'y', 90, S::TwoTables, 'g'},
    {'\0', 0},
}};
// clang-format on

// The pF value of a mantissa in tenths and a multiplier digit: 0 … 8 are
// × 10⁰ … × 10⁸, 9 is × 0,1.
ExactValue eiaValue(std::int32_t mantissa, int digit)
{
    return valueOf(std::to_string(mantissa), (digit == 9 ? -1 : digit) - 1);
}

// Where the tables differ on a letter, and on a digit.
void addLetterNote(std::vector<Note> &notes, const EiaLetter &e)
{
    if (e.sources)
        notes.push_back({.kind = NoteKind::Eia198LowerCase,
                         .letter = QLatin1Char(e.letter),
                         .sources = *e.sources,
                         .mantissaTenths = e.mantissa,
                         .otherSpelling = QLatin1Char(e.otherSpelling)});
}

void addDigitNote(std::vector<Note> &notes, int digit)
{
    if (digit == 9)
        notes.push_back({.kind = NoteKind::Eia198Nine});
    if (digit == 8)
        notes.push_back({.kind = NoteKind::Eia198Eight});
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

void prepend(std::vector<Note> &notes, const Note &note)
{
    notes.insert(notes.begin(), note);
}

// ---- Value codes without tolerance or volts.

std::vector<Reading> threeDigit(const QString &code)
{
    const QString dd = code.left(2);
    const int m = code.at(2).digitValue();
    const auto reading = [&](int power, std::vector<Note> notes) {
        return Reading{valueOf(dd.toStdString(), power),
                       std::nullopt,
                       std::nullopt,
                       false,
                       {.kind = HowKind::ThreeDigit, .significant = dd.toInt(), .power = power},
                       std::move(notes)};
    };
    if (m == 8 || m == 9) {
        const int small = m == 8 ? -2 : -1;
        return {reading(small, {{.kind = NoteKind::SomeMakersFactor, .digit = m, .power = small}}),
                reading(m, {{.kind = NoteKind::TwoTablesPower, .digit = m}})};
    }
    if (m == 7)
        return {reading(7, {{.kind = NoteKind::SevenForTantalums}})};
    if (m == 0)
        return {reading(0, {{.kind = NoteKind::ZeroAddsNoZero,
                             .code = code,
                             .value = valueOf(dd.toStdString(), 0)}}),
                {valueOf(code.toStdString(), 0),
                 std::nullopt,
                 std::nullopt,
                 false,
                 {.kind = HowKind::PlainValue, .code = code},
                 {{.kind = NoteKind::PlainValuePage}}}};
    return {reading(m, {})};
}

std::vector<Reading> rDecimal(const QString &code)
{
    const qsizetype at = code.indexOf(u'R', 0, Qt::CaseInsensitive);
    const QString digits = QString(code).remove(at, 1);
    const int decimals = int(code.size() - 1 - at);
    const ExactValue value = valueOf(digits.toStdString(), -decimals);
    const ExactValue number = numbers::fromUnits(digits.toULongLong(), decimals);
    return {{value,
             std::nullopt,
             std::nullopt,
             false,
             {.kind = HowKind::RPicofarads, .code = code, .number = number},
             {}},
            {valueOf(digits.toStdString(), 6 - decimals),
             std::nullopt,
             std::nullopt,
             false,
             {.kind = HowKind::RMicrofarads, .code = code, .number = number},
             {{.kind = NoteKind::RMicrofaradsOnElectrolytics}}}};
}

struct LetterUnit {
    char16_t letter;
    int powerOverPico; // 10^n pF
    bool noted;        // whether a reading says what the letter means
};

// clang-format off
constexpr std::array<LetterUnit, 9> letterUnits{{
    {u'p', 0, false},
    {u'n', 3, false},
    {u'u', 6, false},
    {u'µ', 6, false},
    {u'm', 9, true},  // milli
    {u'F', 12, true}, // farad
    {u'N', 3, true},  // IEC writes lower case; parts use both
    {u'U', 6, true},
    {u'M', 9, true},  // mega on a resistor; milli here
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
    const QChar letter = match.captured(2).at(0);
    const LetterUnit *unit = letterUnit(letter);
    // Upper-case letters and F are tolerance letters too: 103N is ± % 30,
    // 104F ± % 1. As a unit they stand only where the decimal mark does.
    if (letter.isUpper() && fraction.isEmpty())
        return std::nullopt;
    const ExactValue value =
        valueOf((whole + fraction).toStdString(), unit->powerOverPico - int(fraction.size()));
    if (value.digits.empty())
        return std::nullopt;
    std::vector<Note> notes;
    if (unit->noted)
        notes.push_back({.kind = NoteKind::UnitLetter, .letter = letter});
    return Reading{
        value, std::nullopt, std::nullopt, false, {.kind = HowKind::LetterCode, .letter = letter},
        notes};
}

std::optional<std::vector<Reading>> valueCode(const QString &code)
{
    static const QRegularExpression three(QStringLiteral("^[0-9]{3}$"));
    static const QRegularExpression plain(QStringLiteral("^[0-9]{1,2}$"));
    static const QRegularExpression r(QStringLiteral("^[0-9]{0,3}[Rr][0-9]{0,3}$"));
    if (three.match(code).hasMatch()) {
        if (code.startsWith(QStringLiteral("00")))
            return std::nullopt;
        return threeDigit(code);
    }
    if (plain.match(code).hasMatch()) {
        const ExactValue value = valueOf(code.toStdString(), 0);
        if (value.digits.empty())
            return std::nullopt;
        return std::vector<Reading>{
            {value, std::nullopt, std::nullopt, false, {.kind = HowKind::OneOrTwoDigits}, {}}};
    }
    if (r.match(code).hasMatch() && code.size() >= 2 && code.size() <= 4) {
        std::vector<Reading> readings = rDecimal(code);
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
        if (tolerances.front().note)
            r.notes.push_back(*tolerances.front().note);
    }
    const Reading first = readings.readings.front();
    for (std::size_t i = 1; i < tolerances.size(); ++i) {
        Reading other = first;
        other.tolerance = tolerances[i].tolerance;
        other.notes.clear();
        if (tolerances[i].note)
            other.notes.push_back(*tolerances[i].note);
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
        Note first = *volts.front().note;
        first.code = code;
        readings.readings.front().notes.push_back(first);
        Reading other = readings.readings.front();
        other.voltsHundredths = volts[1].volts;
        Note second = *volts[1].note;
        second.code = code;
        other.notes = {second};
        readings.readings.push_back(other);
    }
    return readings;
}

// A value code with an optional tolerance letter after it.
std::optional<Readings> codeAndTolerance(const QString &code)
{
    if (auto readings = valueCode(code))
        return Readings{code, *readings, {}, false};
    if (code.size() < 2)
        return std::nullopt;
    const QChar letter = code.back();
    if (!isToleranceLetter(letter))
        return std::nullopt;
    const QString core = code.chopped(1);
    auto readings = valueCode(core);
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
        tantalum.how = {.kind = HowKind::TantalumAfter,
                        .code = core,
                        .letter = letter,
                        .voltsHundredths = *volts};
        tantalum.notes = {{.kind = NoteKind::TantalumReadingLetter, .letter = letter}};
        // Above 1 µF an absolute tolerance is implausible: the tantalum first.
        if (colorcode::compareValues(tantalum.picofarads, {"1", 6}) >= 0) {
            result.readings.front().notes.push_back({.kind = NoteKind::CeramicUnusualTolerance});
            result.readings.insert(result.readings.begin(), tantalum);
        } else {
            result.readings.push_back(tantalum);
        }
    }
    return result;
}

std::optional<Readings> eia198(const QString &code)
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
        std::vector<Note> notes;
        addLetterNote(notes, e);
        addDigitNote(notes, digit);
        readings.readings.push_back({eiaValue(e.mantissa, digit),
                                     std::nullopt,
                                     std::nullopt,
                                     false,
                                     {.kind = HowKind::Eia198,
                                      .letter = letter,
                                      .mantissaTenths = e.mantissa,
                                      .digit = digit},
                                     notes});
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
        readings.notes.push_back({.kind = NoteKind::Maker, .letter = maker.at(0)});
    } else if (letter == u'R') {
        // R5: EIA-198 R = 4,3, or R as the pF decimal point.
        for (Reading other : rDecimal(code)) {
            if (other.picofarads.digits.empty())
                break; // R0 is no value
            prepend(other.notes, {.kind = NoteKind::AlsoRDecimal});
            readings.readings.push_back(other);
        }
    } else if (const auto letterReading = letterCode(code)) {
        // n2: EIA-198 n = 7,0, or the letter code's 0,2 nF.
        Reading other = *letterReading;
        prepend(other.notes, {.kind = NoteKind::AlsoLetterCode});
        readings.readings.push_back(other);
    }
    return readings;
}

// A4 75: a tantalum's voltage letter before a three-digit pF code.
std::optional<Readings> tantalumFirst(const QString &code)
{
    static const QRegularExpression form(QStringLiteral("^([A-Z])([0-9]{3})$"));
    const QRegularExpressionMatch match = form.match(code);
    if (!match.hasMatch() || match.captured(2).startsWith(QStringLiteral("00")))
        return std::nullopt;
    const QChar letter = match.captured(1).at(0);
    std::vector<Reading> values = threeDigit(match.captured(2));
    const auto volts = tantalumVolts(letter);
    for (Reading &r : values) {
        r.tantalum = true;
        r.voltsHundredths = volts;
        r.how.tantalumLetterFirst = letter;
    }
    values.front().notes.push_back(volts ? Note{.kind = NoteKind::TantalumVoltsLetter,
                                                .letter = letter,
                                                .voltsHundredths = volts}
                                         : Note{.kind = NoteKind::VoltsBySeries});
    return Readings{code, values, {}, false};
}

// .1K63, 1K63: µF, a tolerance letter, plain volts.
std::optional<Readings> filmPrint(const QString &code)
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
    const QChar letter = match.captured(2).at(0);
    Reading reading{value,
                    std::nullopt,
                    volts,
                    false,
                    {.kind = HowKind::FilmPrint,
                     .letter = letter,
                     .printedValue = match.captured(1),
                     .printedVolts = match.captured(3)},
                    {{.kind = NoteKind::ToleranceNotKilo, .letter = letter}}};
    Readings readings = withTolerance(Readings{code, {reading}, {}, false}, letter);
    if (mark < 0)
        readings.notes.push_back({.kind = NoteKind::ResistorLetterCode, .code = code});
    return readings;
}

// Voltage code before or after, a value code and a tolerance letter.
std::optional<Readings> generalMarking(const QString &code)
{
    // 2A474J, 2E4n7J: the voltage code first. 1N104K also reads as the
    // letter code 1,104 nF with K; that comes after.
    if (code.size() >= 5) {
        const auto volts = voltageReadings(code.at(0), code.at(1));
        if (!volts.empty() && code.at(1).isUpper())
            if (auto readings = codeAndTolerance(code.mid(2))) {
                readings->code = code;
                Readings result = withVolts(*readings, volts, code.left(2));
                if (const auto whole = codeAndTolerance(code))
                    for (Reading other : whole->readings) {
                        prepend(other.notes, {.kind = NoteKind::WithoutVoltageCode});
                        result.readings.push_back(other);
                    }
                return result;
            }
    }
    if (auto readings = codeAndTolerance(code))
        return readings;
    // 103J2A: the voltage code after the tolerance letter.
    if (code.size() >= 6 && code.at(code.size() - 3).isUpper()) {
        const auto volts = voltageReadings(code.at(code.size() - 2), code.back());
        if (!volts.empty() && code.back().isUpper())
            if (auto readings = codeAndTolerance(code.chopped(2))) {
                readings->code = code;
                return withVolts(*readings, volts, code.right(2));
            }
    }
    return std::nullopt;
}

bool hasElectrolyticReading(const Readings &readings)
{
    return std::any_of(readings.readings.begin(), readings.readings.end(), [](const Reading &r) {
        return r.tantalum || r.how.kind == HowKind::RMicrofarads;
    });
}

} // namespace

MarkingReading readMarking(const QString &text)
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
            readings = reader(code);
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
        readings->notes.push_back({.kind = NoteKind::Polarity});
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

std::vector<Marking> markingsFor(const ExactValue &picofarads)
{
    const ExactValue n = colorcode::normalised(picofarads);
    const int count = int(n.digits.size());
    const int leading = count - 1 + n.powerOfTen; // power of the first digit, in pF
    std::vector<Marking> markings;

    // Three digits: two significant digits × 10^0 … 10^7, or × 0,01 and
    // × 0,1 written with 8 and 9.
    Marking three{MarkingForm::ThreeDigit, std::nullopt, {}};
    if (count > 2)
        three.notes = {{.kind = NoteKind::TwoSignificantDigits}};
    else if (leading < -1)
        three.notes = {{.kind = NoteKind::SmallestThreeDigit}};
    else if (leading - 1 > 7)
        three.notes = {{.kind = NoteKind::LargestThreeDigit}};
    else {
        const int power = leading - 1;
        const QString dd = QString::fromStdString(n.digits).leftJustified(2, u'0');
        const int digit = power == -2 ? 8 : power == -1 ? 9 : power;
        three.code = dd + QString::number(digit);
        if (digit >= 8)
            three.notes = {{.kind = NoteKind::SomeMakersDigit, .digit = digit, .power = power}};
        else if (digit == 7)
            three.notes = {{.kind = NoteKind::SevenOnTantalums}};
        else if (digit == 0)
            three.notes = {{.kind = NoteKind::LastZeroAddsNone}};
    }
    markings.push_back(three);

    // R as the pF decimal point, below 10 pF: 4R7, 0R5, R47.
    Marking r{MarkingForm::RDecimal, std::nullopt, {}};
    if (leading >= 1)
        r.notes = {{.kind = NoteKind::RBelow10pF}};
    else if (leading < -2 || n.powerOfTen < -2 || (leading == 0 && n.powerOfTen < -1))
        r.notes = {{.kind = NoteKind::RTwoDigits}};
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
            letter.notes = {{.kind = NoteKind::LetterCodeDigits, .digit = mostDigits}};
        else {
            letter.code = whole + QChar(prefixes[std::size_t(unit)]) + digits.right(decimals);
            if (unit == 2)
                letter.notes = {{.kind = NoteKind::AsciiSpelling,
                                 .code = QString(*letter.code).replace(u'µ', u'u')}};
        }
    }
    markings.push_back(letter);

    // EIA-198: a letter's mantissa and a digit, every table's letter.
    Marking eia{MarkingForm::Eia198, std::nullopt, {}};
    QStringList codes;
    std::vector<Note> notes;
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
                    addLetterNote(notes, e);
                }
            addDigitNote(notes, digit);
        }
    }
    if (codes.isEmpty())
        eia.notes = {{.kind = NoteKind::NotInEia198}};
    else {
        eia.code = codes.join(QStringLiteral(", "));
        eia.notes = notes;
    }
    markings.push_back(eia);
    return markings;
}

} // namespace capacitor
