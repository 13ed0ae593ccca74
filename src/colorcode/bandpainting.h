#pragma once

// How the drawn resistor shows a colour code: four band shapes, each filled
// with the paint colour of the entry chosen in its own list.

#include "colorcode/bandtables.h"

#include <array>

namespace colorcode
{

struct BandShape {
    bool visible = false;
    ColourValue fill = 0;
    bool operator==(const BandShape &) const = default;
};

// First digit, second digit, multiplier, tolerance, left to right.
using BandShapes = std::array<BandShape, 4>;

// Chosen list indices, -1 where a list has no entry chosen.
struct BandChoice {
    int first = -1;
    int second = -1;
    int multiplier = -1;
    int tolerance = -1;
    bool complete() const;
};

// Shows all four bands, then fills each from its own list alone. A list with
// nothing chosen leaves its band as it was; "Renksiz" hides the tolerance band.
void paintBands(BandShapes &bands, const BandChoice &choice);

} // namespace colorcode
