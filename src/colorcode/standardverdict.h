#pragma once

// Whether a value is a standard one, as data: which series were searched
// and which holds it, whether the band count can show it at all, the
// nearest standard values it can show, and the reading from the other end
// of the part. standardvaluetext.h puts it into words, for the eye and for
// the ear.

#include "colorcode/bandselection.h"
#include "colorcode/exactvalue.h"
#include "colorcode/readingdirection.h"
#include "colorcode/standardvalues.h"

#include <cstdint>
#include <optional>

namespace colorcode
{

struct StandardVerdict {
    ExactValue value; // normalised, above zero
    SeriesSet set;    // the series the tolerance's parts are made in
    // The series of the set that holds the value; nothing when none does.
    std::optional<Series> holder;
    int bandCount = minBandCount;
    // Whether the bands can show the value at all, exactly or cut; a value
    // beyond their range cannot.
    bool shown = true;
    // The nearest standard values the band count shows exactly, below and
    // above: given when the value is not standard or cannot be shown.
    Nearest nearest;
    // The bands read from the other end, when that is a standard value
    // of a part that exists and this end gives none.
    std::optional<BandReading> reverse;

    bool standard() const { return holder.has_value(); }
};

// Readings from the other end above this are no real part's, so no hint:
// 100 MΩ (Kahverengi Siyah Mor) is the largest offered.
inline const ExactValue largestReverseHint{"1", 8};

// The verdict for a value (a typed one, say) of a tolerance, for the bands
// of a count; nothing for zero.
std::optional<StandardVerdict> standardVerdict(const ExactValue &value,
                                               std::int32_t toleranceHundredths, int bandCount);

// The verdict for chosen bands, with the reading from the other end;
// nothing for an incomplete selection or a zero-ohm link.
std::optional<StandardVerdict> standardVerdict(const BandSelection &selection);

// The same for colours left to right.
std::optional<StandardVerdict> standardVerdict(std::span<const Colour> bands);

} // namespace colorcode
