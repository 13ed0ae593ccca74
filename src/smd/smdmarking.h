#pragma once

// The markings printed on SMD resistors, read both ways: a code becomes its
// value (or what keeps it from being a code), and a value the codes each
// format writes it with. Exact throughout: values are colorcode::ExactValue.
//
// The results are data; smdtext.h puts them into words, once for the
// window, the command line's lines and the JSON.

#include "colorcode/exactvalue.h"

#include <QString>

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

// The tolerance of a marking that carries three significant digits (four
// digits, four characters with R inside, EIA-96) or a bar, in hundredths
// of a percent. Two significant digits imply none.
inline constexpr std::int32_t onePercent = 100;

// What a note beside a reading says.
enum class NoteKind {
    // A code ending in 8 or 9 reads two ways: old equipment's × 0,01 and
    // × 0,1, and the plain power of ten.
    OldDigits,
    // The bar does not change the value: it marks a ± 1 % part whose E24
    // value is not in E96.
    BarKeepsValue,
    // "100R": R at the end is a reel label's way of writing ohms.
    ReelLabelR,
    // R, S and H are second spellings of Y, X and B (the reading's letter
    // and spells); one maker's sheet uses H for × 10⁷.
    SecondSpelling,
    // 01R: the R reading gives the same value.
    SameAsRDecimal,
    // NNR is read as EIA-96 on a part; makers write the R reading's value
    // (`value`) as `code`.
    MakersWriteR,
    // NNE is read as EIA-96 on a part; reel labels write E for ohm, so
    // the code as a label is `value`.
    ReelLabelE,
    // The number is no EIA-96 code (01-96): the reading is the R or E one
    // alone. `code` holds the number.
    NotEia96Number,
};

struct Note {
    NoteKind kind;
    colorcode::ExactValue value; // MakersWriteR, ReelLabelE, ReelLabelR
    QString code;                // MakersWriteR, NotEia96Number
};

struct Reading {
    MarkingFormat format = MarkingFormat::ThreeDigit;
    colorcode::ExactValue value; // ohms, normalised; empty digits for a link
    // The tolerance the format implies, in hundredths of a percent.
    std::optional<std::int32_t> toleranceHundredths;
    // The digits as the code means them and the power of ten they are
    // multiplied by: 47 and 2 for 472, 470 and 1 for 4701, 499 and -1 for
    // 49R9, 10 and -2 for 108 read the old way; for EIA-96 the E96 value
    // (100 for 01C) and the letter's power (2). Zero for a link.
    std::uint64_t significand = 0;
    int powerOfTen = 0;
    // EIA-96: the code's number (1-96), its letter as written and the
    // letter that is its first spelling (Y for R).
    int eia96Number = 0;
    char16_t letter = 0;
    char16_t spells = 0;
    std::vector<Note> notes;
};

struct Readings {
    QString code;                  // as read: upper case, no spaces, no unit, no bar
    std::vector<Reading> readings; // one or two, the likelier first
};

// What keeps a text from being a marking.
enum class RefusalKind {
    Empty,              // nothing but spaces and invisible characters
    TextTooLong,        // more than a marking could ever be written with
    UnknownCharacter,   // `part`: the character
    OhmInside,          // Ω not at the end
    BarInside,          // "_" inside the code; `suggestion`: the code with R
    PointInside,        // "." or "," inside; `suggestion` as for a bar
    BarOnLink,          // a link underlined
    TooManyCharacters,  // more than four
    TooFewCharacters,   // one or two, not a link
    BarNotThreeDigit,   // a bar on anything but three digits
    ZeroSignificant,    // 001, 0005: `part`: the significant digits, all zero
    NotEia96Letter,     // `part`: the letter
    ValueLetter,        // 47K: `part` the letter K, M or G, a value's way of writing
    Eia96NumberOutside, // 97A: `part`: the number
    Eia96NumberZero,    // 00A
    RepeatedR,          // R4R7
    ZeroRDecimal,       // 0R0
    ValueWriting,       // 4K7: K, M or G inside a value
    UnknownShape,       // none of the formats
};

struct Refusal {
    QString code; // as read, as far as it could be
    RefusalKind kind = RefusalKind::UnknownShape;
    QString part;       // the offending part, where the kind names one
    QString suggestion; // a code to write instead, where the kind gives one
};

using MarkingReading = std::variant<Readings, Refusal>;

// Reads a marking. Case, white space, invisible characters and a trailing
// "Ω" or "ohm" do not count; digits of any script read as 0-9. A bar typed
// as "_" before or after three digits, or as a combining low line or
// overline, marks the underlined three-digit format.
MarkingReading readMarking(const QString &code);

// Why a format has no code for a value.
enum class NoCodeReason {
    TooManyDigits,   // more significant digits than the format holds (`digits`)
    AboveRange,      // above `highest`
    BelowRange,      // below `lowest`
    TooManyDecimals, // R holds at most `digits` digits after it
    NotInE96,        // EIA-96 writes E96 values only
    OutsideEia96,    // EIA-96 writes `lowest` to `highest` only
    Link,            // a 0 Ohm link has no EIA-96 code
};

struct NoCode {
    NoCodeReason reason = NoCodeReason::TooManyDigits;
    int digits = 0;
    colorcode::ExactValue lowest;
    colorcode::ExactValue highest;
};

// One format's marking of a value: the code, or why there is none.
struct Marking {
    std::optional<QString> code;
    std::optional<NoCode> whyNot; // when there is no code
    bool link = false;            // the code is a 0 Ohm link
    // The value a reader takes the code for first, when that is another
    // value: 108 for 1 GΩ reads first as 0,1 Ω, the old × 0,01.
    std::optional<colorcode::ExactValue> readsFirstAs;
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
Markings markingsFor(const colorcode::ExactValue &ohms);

// The tolerance the standard line judges at when the code implies none.
inline constexpr std::int32_t assumedToleranceHundredths = 500;

} // namespace smd
