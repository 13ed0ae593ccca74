#pragma once

// Capacitor markings read both ways: a marking becomes every value it can
// mean, the likelier first, each with why; a value becomes every marking
// that writes it. Exact throughout: capacitance is a colorcode::ExactValue
// of picofarads, volts and tolerances whole hundredths.
//
// The forms, with the tables they come from in the comments of the .cpp:
// three-digit pF codes (104, 479, 107, 3R9), the IEC 60062 letter code
// (4n7, p47, 4µ7), tolerance letters, EIA voltage codes before or after
// (2A474J, 103J2A), film prints (.1K63), the EIA-198 two-character SMD code
// (S3, KA2, b3) and SMD tantalum marks (A475, 107C).
//
// The results are data (refusals, how a code was read, notes); capacitortext.h
// words them, once for the window, the command line's lines and the JSON.

#include "colorcode/exactvalue.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace capacitor
{

struct Tolerance {
    enum class Kind {
        Percent,    // ± plus % (plus == minus)
        Picofarads, // ± plus pF
        Asymmetric, // + plus % / − minus %
    };
    Kind kind = Kind::Percent;
    std::int32_t plusHundredths = 0; // of a percent, or of a picofarad
    std::int32_t minusHundredths = 0;
    bool operator==(const Tolerance &) const = default;
};

// How a code gave a reading; capacitortext.h words it ("3 haneli kod: 10 ×
// 10⁴ pF"). The fields a kind uses are named beside it.
enum class HowKind {
    ThreeDigit,     // `significant` × 10^`power` pF: 104, 479
    PlainValue,     // `code` read as plain pF: 100 as one page reads it
    OneOrTwoDigits, // 47: the value in pF
    RPicofarads,    // `code` with R as the pF decimal point: `number`
    RMicrofarads,   // `code` with R as the µF decimal point: `number`
    LetterCode,     // the unit letter `letter` stands where the decimal mark does
    Eia198,         // EIA-198 `letter` of `mantissaTenths` and multiplier `digit`
    TantalumAfter,  // `code` a three-digit pF code, `letter` a volts letter of `voltsHundredths`
    FilmPrint,      // `printedValue` µF, tolerance `letter`, `printedVolts` V
};

struct How {
    HowKind kind = HowKind::ThreeDigit;
    int significant = 0;
    int power = 0;
    QString code = {};
    colorcode::ExactValue number = {};
    QChar letter = {};
    std::int32_t mantissaTenths = 0;
    int digit = 0;
    std::int64_t voltsHundredths = 0;
    QString printedValue = {};
    QString printedVolts = {};
    // A tantalum's volts letter written before the code (A475): the reading
    // of the rest follows it.
    QChar tantalumLetterFirst = {};
    bool operator==(const How &) const = default;
};

// Who gives a reading of a letter the sources differ on.
enum class Sources {
    OneSource,        // one source names it
    OneTable,         // one table gives it
    TwoTables,        // two tables give it
    ThreeTables,      // three tables
    FourTables,       // four tables
    Tdk,              // TDK's table
    OneReader,        // one reader's interpretation, in no table
    NoTable,          // no table gives the letter
    NotInOtherCodes,  // the letter is used in no other letter code
    QuotingTable,     // the table that quotes EIA-198-D
    OnlyQuotingTable, // only the table quoting EIA-198-D has it
};

// What a note beside a reading, a marking or a code says. The fields a kind
// uses are named beside it.
enum class NoteKind {
    // Three-digit codes.
    SomeMakersFactor,  // `digit` 8 or 9 as × 10^`power` (0,01, 0,1) in some makers'
    TwoTablesPower,    // two tables read `digit` (8, 9) as × 10^digit
    SevenForTantalums, // 7 = × 10⁷ on tantalums; ceramic tables do not use it
    ZeroAddsNoZero,    // `code` ends in 0, which adds none: `value` pF
    PlainValuePage,    // one page reads codes ending in 0 as plain pF
    // R and letter codes.
    RMicrofaradsOnElectrolytics, // R as a µF decimal point on electrolytics
    UnitLetter,                  // what the unit letter `letter` (m, F, N, U, M) means
    // Tolerance letters.
    ToleranceReading,  // `letter` read as `tolerance` by `sources`; `below10pF`
                       // when the letter reads so below 10 pF alone
    AbsoluteAbove10pF, // `letter` read absolute (pF) on a part of 10 pF or more
    // Voltage codes.
    VoltageLetter,      // `code` (digit and letter): `letter` as `mantissaHundredths`,
                        // seen as `seenCode` = `voltsHundredths` by `sources`;
                        // no mantissa: the letter has no reading by `sources`
    WithoutVoltageCode, // the code read whole, the voltage code as part of it
    // EIA-198.
    Eia198LowerCase, // lower-case `letter` as `mantissaTenths` by `sources`
    Eia198Nine,      // 9 = × 0,1 by two tables
    Eia198Eight,     // 8 = × 10⁸ here, × 0,01 in three-digit codes
    AlsoRDecimal,    // the code reads with R as the pF decimal point too
    AlsoLetterCode,  // the code reads as a letter code too
    Maker,           // the first letter `letter` (K, N, S) names a maker
    // Tantalums and film.
    TantalumVoltsLetter,     // `letter` a tantalum's volts letter of `voltsHundredths`
    VoltsBySeries,           // the volts letter's volts depend on the series
    TantalumReadingLetter,   // the tantalum reading of `letter` after the code
    CeramicUnusualTolerance, // ceramic reading: an absolute tolerance is odd here
    ToleranceNotKilo,        // film print: `letter` is a tolerance, not kilo
    ResistorLetterCode,      // `code` on a resistor is another value's letter code
    Polarity,                // which stripe marks what on tantalums and electrolytics
    // A value's markings.
    TwoSignificantDigits, // three-digit codes hold two significant digits
    SmallestThreeDigit,   // the smallest three-digit code is 0,1 pF (108)
    LargestThreeDigit,    // the largest is 990 µF (997)
    SomeMakersDigit,      // `digit` = × 10^`power` in some makers', × 10^digit in two tables
    SevenOnTantalums,     // 7 is used on tantalums
    LastZeroAddsNone,     // a last 0 adds no zero
    RBelow10pF,           // R codes write values below 10 pF only
    RTwoDigits,           // R codes hold at most two digits
    LetterCodeDigits,     // letter codes hold at most `digit` digits
    AsciiSpelling,        // the code with u for µ: `code`
    NotInEia198,          // no EIA-198 table holds the value
};

struct Note {
    NoteKind kind = NoteKind::Polarity;
    QChar letter = {};
    int digit = 0;
    int power = 0;
    QString code = {};
    QString seenCode = {};
    colorcode::ExactValue value = {};
    Tolerance tolerance = {};
    bool below10pF = false;
    Sources sources = Sources::OneSource;
    std::int32_t mantissaHundredths = 0;
    std::int32_t mantissaTenths = 0;
    std::optional<std::int64_t> voltsHundredths = {};
    bool approximately = false; // VoltageLetter: the seen volts are nominal
    QChar otherSpelling = {};   // Eia198LowerCase: the other table's letter for the value
    bool operator==(const Note &) const = default;
};

struct Reading {
    colorcode::ExactValue picofarads; // normalised
    std::optional<Tolerance> tolerance;
    // Volts in hundredths (6,3 V is 630); none when the marking gives none
    // or its letter is read by no named source.
    std::optional<std::int64_t> voltsHundredths;
    bool tantalum = false; // read as a polarised tantalum part
    How how;
    std::vector<Note> notes; // why this reading: "9 = × 0,1: bazı üreticilerde"
};

struct Readings {
    QString code;                  // as read, spaces dropped
    std::vector<Reading> readings; // the likelier first
    std::vector<Note> notes;       // about the marking whatever it reads as
    bool voltsDisputed = false;    // its voltage letter reads two ways
};

// What keeps a text from being a marking.
enum class RefusalKind {
    TextTooLong,      // longer than any marking
    UnknownCharacter, // `part`: the character
    Empty,            // nothing but spaces and invisible characters
    IOInEia198,       // `part`: an EIA-198 code with I or O
    ZeroValue,        // `part`: a code whose value is zero
    VoltsTwice,       // `part`: volts both coded and spelled out
    UnknownCode,      // `part`: none of the forms
};

struct Refusal {
    RefusalKind kind = RefusalKind::UnknownCode;
    QString part; // the offending text, as read
};

using MarkingReading = std::variant<Readings, Refusal>;

// Texts longer than this are no marking and are refused unread.
inline constexpr qsizetype longestMarking = 64;

// Reads a marking. Spaces, invisible characters and a trailing "F" after a
// prefix do not count; digits of any script read as 0-9; case counts
// (EIA-198 b is not B). Bounded: longer texts are refused.
MarkingReading readMarking(const QString &text);

// Whether the voltage letter reads two ways: then no single volts stands.
bool voltsDisputed(const Readings &readings);

// The forms a value is written in.
enum class MarkingForm {
    ThreeDigit, // 472, 479 (× 0,1), 107
    RDecimal,   // 4R7, R47: R as the pF decimal point
    LetterCode, // 4n7, p47, 4µ7
    Eia198,     // S3, b3: a letter's mantissa and a digit
};

// A stable English identifier, for machine-readable output:
// "three_digit", "r_decimal", "letter_code", "eia198".
const char *formId(MarkingForm form);

// Every marking of a value in pF. A missing code carries why.
struct Marking {
    MarkingForm form = MarkingForm::ThreeDigit;
    std::optional<QString> code; // "472", "4n7", "S3"
    std::vector<Note> notes;     // about the code, or why there is none
};
std::vector<Marking> markingsFor(const colorcode::ExactValue &picofarads);

// A voltage code's volts by the consensus letters (A … K, V, W, Q, Z, P)
// and digit 0 to 3, and the code of such volts; nothing for any other.
std::optional<std::int64_t> consensusVolts(const QString &code);
std::optional<QString> voltageCodeFor(std::int64_t voltsHundredths);

} // namespace capacitor
