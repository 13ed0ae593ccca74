#pragma once

// Inductor colour bands read both ways, in µH: bands become every value
// they can mean, the likelier first, each with why; a value becomes the
// bands that write it. Exact: colorcode::ExactValue of microhenries,
// tolerances in hundredths of a percent.
//
// The results are data; inductortext.h puts them into words, once for the
// window, the command line's lines and the JSON.

#include "colorcode/exactvalue.h"
#include "inductor/inductorbands.h"

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace inductor
{

// How the bands were read.
enum class Form {
    Plain,                // three or four bands: two digits × the multiplier
    MilitaryDecimalFirst, // Gümüş Altın D D: 0,DD
    MilitaryDecimalAfter, // Gümüş D Altın D: D,D
    MilitaryMultiplier,   // Gümüş D D M: two digits × the multiplier
};

// What a note beside a reading or a value's bands says.
enum class NoteKind {
    MultiplierInTwoTables, // `colour` as a multiplier: two tables, one stops at Sarı
    MultiplierInOneTable,  // `colour` as a multiplier: one table only
    GoldDecimalPoint,      // a read military part: Altın is the decimal point (one table)
    GoldDecimalWritten,    // a value's military bands: Altın is the decimal point
    GoldSilverSwapped,     // one source's text reads military Altın × 0,01, Gümüş × 0,1
    NoToleranceBand,       // no tolerance band: ± 20 %
    BlackTolerance,        // Siyah as tolerance: ± 20 % (one table)
    BlackNoTolerance,      // two tables give Siyah no tolerance
    Nanohenries,           // one maker's page reads the bands in nH
};

struct Note {
    NoteKind kind = NoteKind::NoToleranceBand;
    Colour colour = Colour::Renksiz; // the multiplier, for the table notes
    bool operator==(const Note &) const = default;
};

struct Reading {
    colorcode::ExactValue microhenries;              // normalised
    std::optional<std::int32_t> toleranceHundredths; // none: the band names none
    std::vector<Note> notes;                         // why this reading
};

struct Readings {
    std::vector<Colour> bands; // as given
    // How they read: the form, the two digits as written and the
    // multiplier band (Plain and MilitaryMultiplier); the band count.
    Form form = Form::Plain;
    int bandCount = 0;
    int firstDigit = 0;
    int secondDigit = 0;
    Colour multiplier = Colour::Siyah;
    std::vector<Reading> readings; // the likelier first
};

// What keeps bands from being an inductor's.
enum class RefusalKind {
    BandCount,              // `count` bands, not 3, 4 or 5
    NotReadOnInductor,      // Renksiz or Pembe as a value band
    NotDigit,               // `colour` at `place` is no digit
    NotMultiplier,          // `colour` at `place` is no multiplier
    MilitaryFirstNotSilver, // five bands whose first, `colour`, is not Gümüş
    MilitaryValueBands,     // the military form's bands 2-4 carry the value
    MilitaryNeedsTolerance, // the military form's fifth band is the tolerance
    NotToleranceColour,     // `colour` at `place` is no tolerance colour
};

struct Refusal {
    RefusalKind kind = RefusalKind::BandCount;
    int place = 0; // 1-based
    Colour colour = Colour::Renksiz;
    std::size_t count = 0;
};

using BandReading = std::variant<Readings, Refusal>;

// Three, four or five bands, first to last; Renksiz as the last of four is
// no tolerance band. Five bands are the military form, Gümüş first.
BandReading readBands(const std::vector<Colour> &bands);

// Why a form writes no bands for a value.
enum class NoBands {
    Zero,              // the value is zero
    TooManyDigits,     // more than two significant digits
    BelowSmallest,     // four bands: below 0,01 µH (Siyah Kahverengi Gümüş)
    AboveLargest,      // the largest multiplier is Beyaz (× 10⁹)
    OneDecimalBelow10, // military, below 10 µH: one digit after the point
    TwoDecimalsBelow1, // military, below 1 µH: two digits after the point
    NoMultiplier,      // no band multiplies by the power needed
};

// The value bands of a value in µH, for four bands and for the military
// form: the bands and a note about them, or why there are none.
struct ValueBands {
    std::optional<std::vector<Colour>> bands;
    std::optional<Note> note;
    std::optional<NoBands> whyNot;
};
ValueBands fourBandsFor(const colorcode::ExactValue &microhenries);
ValueBands militaryBandsFor(const colorcode::ExactValue &microhenries);

} // namespace inductor
