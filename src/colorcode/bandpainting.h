#pragma once

// How the drawn resistor shows a band selection: one band shape per band of
// its count, each filled with the paint of its chosen entry.

#include "colorcode/bandselection.h"
#include "colorcode/bandtables.h"

#include <QString>

#include <vector>

namespace colorcode
{

struct BandShape {
    bool visible = false;
    ColourValue fill = 0;
    bool operator==(const BandShape &) const = default;
};

// One shape per band of the selection's count, left to right. A complete
// selection shows every band in its entry's paint, but "Renksiz", which is
// no band at all; an incomplete one shows none, so that nothing is drawn
// that is not chosen.
std::vector<BandShape> bandShapes(const BandSelection &selection);

// The drawing in words, for a screen reader: "Renk seçilmedi" while no band
// shows, else the bands left to right ("Sarı, Mor, Kırmızı, Altın"; a
// coefficient with its number, "Mavi 10 ppm/K"). A hidden tolerance band is
// named by its entry too, "Renksiz".
QString describeBands(const BandSelection &selection);

} // namespace colorcode
