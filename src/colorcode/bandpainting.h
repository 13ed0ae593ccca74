#pragma once

// How the drawn resistor shows a colour code: four, five or six band shapes,
// each filled with the paint colour of the entry chosen in its own list.

#include "colorcode/bandtables.h"

#include <QString>

#include <array>
#include <span>

namespace colorcode
{

struct BandShape {
    bool visible = false;
    ColourValue fill = 0;
    bool operator==(const BandShape &) const = default;
};

// The four bands of a four-band resistor.
using BandShapes = std::array<BandShape, 4>;

// Chosen list indices, -1 where a list has no entry chosen. The fields of
// four bands come first, so {first, second, multiplier, tolerance} still
// means four bands; third counts from five bands on, coefficient with six.
struct BandChoice {
    int first = -1;
    int second = -1;
    int multiplier = -1;
    int tolerance = -1;
    int third = -1;
    int coefficient = -1;
    int bandCount = 4;
    // Whether the band count is 4, 5 or 6 and each of its lists has an entry.
    bool complete() const;
};

// Shows every band, then fills each from its own list alone, left to right:
// the digits, the multiplier, the tolerance and, with six bands, the
// coefficient. A list with nothing chosen leaves its band's fill as it was;
// "Renksiz" hides the tolerance band and keeps its fill. bands holds one
// shape per band of choice.bandCount; otherwise nothing is painted.
void paintBands(std::span<BandShape> bands, const BandChoice &choice);

// The bands in words, for a screen reader: "Renk seçilmedi" while none
// shows, else the entries given, left to right ("Sarı, Mor, Kırmızı,
// Altın"). A hidden tolerance band is named by its entry too, "Renksiz".
QString describeBands(std::span<const BandShape> bands, std::span<const QString> entries);

} // namespace colorcode
