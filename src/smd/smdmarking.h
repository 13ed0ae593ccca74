#pragma once

// The markings printed on SMD resistors, read both ways: a code becomes its
// value (or the reason it is not a code), and a value the codes each format
// writes it with. Exact throughout: values are colorcode::ExactValue.
//
// The texts are Turkish and written with the locale given, so that a window
// and a command line say the same.

#include "colorcode/exactvalue.h"
#include "forms/conversions.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace smd
{

enum class MarkingFormat {
    ThreeDigit,    // DDM: two significant digits × 10^M
    ThreeDigitBar, // DDM underlined or with a short bar: the same value, ± 1 %
    OldThreeDigit, // DD8 = DD × 0,01, DD9 = DD × 0,1, as some old equipment used
    FourDigit,     // DDDM: three significant digits × 10^M
    RDecimal,      // R as the decimal point, three or four characters
    Eia96,         // NNL: the NN-th E96 value × the letter's factor
    ReelLabel,     // NNE on a reel label: E stands for ohm
    ZeroOhm,       // 0, 00, 000, 0000: a link
};

// A stable English identifier, for machine-readable output: "three_digit",
// "three_digit_bar", "three_digit_old", "four_digit", "r_decimal", "eia96",
// "reel_label", "zero_ohm".
const char *formatId(MarkingFormat format);

// The format as the user reads it: "3 haneli", "EIA-96", "R ondalık".
QString formatName(MarkingFormat format);

struct Reading {
    MarkingFormat format = MarkingFormat::ThreeDigit;
    colorcode::ExactValue value; // ohms, normalised; empty digits for a link
    // The tolerance the format implies, in hundredths of a percent: ± 1 %
    // for EIA-96, four digits and a bar; none for three digits and R codes.
    std::optional<std::int32_t> toleranceHundredths;
    QString how;       // "3 haneli kod: 47 × 10²", "EIA-96: 01 = 100, C = × 100"
    QStringList notes; // one line each
};

struct Readings {
    QString code;                  // as read: upper case, no spaces, no unit, no bar
    std::vector<Reading> readings; // one or two, the likelier first
};

struct Refusal {
    QString code;    // as read, as far as it could be
    QString message; // one line naming what is wrong
};

using MarkingReading = std::variant<Readings, Refusal>;

// Reads a marking. Case, white space, invisible characters and a trailing
// "Ω" or "ohm" do not count; digits of any script read as 0-9. A bar typed
// as "_" before or after three digits, or as a combining low line or
// overline, marks the underlined three-digit format.
MarkingReading readMarking(const QString &code,
                           const QLocale &locale = conversions::numberLocale());

// One format's marking of a value: the code, or why there is none.
struct Marking {
    std::optional<QString> code;
    QString whyNot;    // when there is no code
    QStringList notes; // about a code that exists
};

struct Markings {
    Marking threeDigit; // incl. the three-character R forms: 472, 4R7, R47
    Marking fourDigit;  // incl. the four-character R forms: 4701, 49R9, R470
    Marking eia96;      // 01C
    // The three-digit code underlined, for a ± 1 % part whose value is in
    // E24 but not in E96: 121 for 120 Ω.
    std::optional<QString> barCode;
};

// Every marking of a value, per format.
Markings markingsFor(const colorcode::ExactValue &ohms,
                     const QLocale &locale = conversions::numberLocale());

// Whether a standard value, and else its nearest ones, at a tolerance in
// hundredths of a percent: "E96 standart değeri", "E24 değil; en yakın: …".
// Empty for zero.
QString smdStandardLine(const colorcode::ExactValue &value, std::int32_t toleranceHundredths,
                        const QLocale &locale);

// The tolerance the standard line judges at when the code implies none.
inline constexpr std::int32_t assumedToleranceHundredths = 500;

// A decoded marking as lines: the value ("4,7 Kilo Ohm"; "0 Ohm köprü"), how
// it was read, the tolerance, optionally the standard-value line, the notes,
// and any second reading ("İkinci okuma: 10 Ohm (R ondalık: 10R = 10)"). A
// refusal is its message alone.
QStringList decodeLines(const MarkingReading &reading, const QLocale &locale,
                        bool withStandardLine);

// The markings as lines: "3 haneli: 472", "4 haneli: 4701",
// "EIA-96: — (E96'da yok)", and "121, altı çizili: ± % 1" where it applies.
QStringList encodeLines(const Markings &markings, const QLocale &locale);

} // namespace smd
