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
// Refusals are data; capacitortext.h words them, and puts readings and
// markings into the window's and the command line's lines.

#include "colorcode/exactvalue.h"
#include "forms/conversions.h"

#include <QLocale>
#include <QString>
#include <QStringList>

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

struct Reading {
    colorcode::ExactValue picofarads; // normalised
    std::optional<Tolerance> tolerance;
    // Volts in hundredths (6,3 V is 630); none when the marking gives none
    // or its letter is read by no named source.
    std::optional<std::int64_t> voltsHundredths;
    bool tantalum = false; // read as a polarised tantalum part
    QString how;           // "3 haneli kod: 10 × 10⁴ pF"
    QString note;          // why this reading: "9 = × 0,1: bazı üreticilerde"
};

struct Readings {
    QString code;                  // as read, spaces dropped
    std::vector<Reading> readings; // the likelier first
    QStringList notes;             // about the marking whatever it reads as
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
MarkingReading readMarking(const QString &text,
                           const QLocale &locale = conversions::numberLocale());

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
    QString note;                // about the code, or why there is none
};
std::vector<Marking> markingsFor(const colorcode::ExactValue &picofarads, const QLocale &locale);

// A voltage code's volts by the consensus letters (A … K, V, W, Q, Z, P)
// and digit 0 to 3, and the code of such volts; nothing for any other.
std::optional<std::int64_t> consensusVolts(const QString &code);
std::optional<QString> voltageCodeFor(std::int64_t voltsHundredths);

// The polarity warning shown with every tantalum and electrolytic reading.
QString polarityWarning();

} // namespace capacitor
