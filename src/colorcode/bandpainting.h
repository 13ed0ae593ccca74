#pragma once

// How the drawn resistor shows a colour code: four band shapes, each filled
// with the paint colour of the entry chosen in its own list.

#include "colorcode/bandtables.h"

#include <QString>

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

// The bands in words, for a screen reader: "Renk seçilmedi" while none
// shows, else each band by the text of the entry it was painted from, left to
// right ("Sarı, Mor, Kırmızı, Altın"). A hidden tolerance band is named by its
// entry too, "Renksiz".
QString describeBands(const BandShapes &bands, const std::array<QString, 4> &entries);

} // namespace colorcode
