#pragma once

// Reading a resistor's bands by their colours, from either end. A part held
// the wrong way round still gives some value; when the other end gives a
// standard one instead, that is likely the right reading.

#include "colorcode/bandtables.h"
#include "colorcode/exactvalue.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace colorcode
{

struct BandReading {
    ExactValue value; // in ohms, normalised
    std::int32_t toleranceHundredths = 0;
    std::optional<std::int32_t> ppmPerKelvin; // six bands only
    bool operator==(const BandReading &) const = default;
};

// The bands from left to right: four (digit, digit, multiplier, tolerance),
// five (three digits, multiplier, tolerance) or six (five and the
// coefficient). Nothing when there is another count or a colour is no entry
// of its place's list; Siyah may stand first, as the lists allow.
std::optional<BandReading> readBands(std::span<const Colour> bands);

// The same bands read from the right end. Nothing also when Siyah would be
// the first digit: no part is marked that way.
std::optional<BandReading> readFromOtherEnd(std::span<const Colour> bands);

// The reading from the other end, when the bands read from the left give no
// standard value of their tolerance's set and from the right a valid reading
// with a standard value of its own tolerance's set.
std::optional<BandReading> reverseHint(std::span<const Colour> bands);

} // namespace colorcode
