#pragma once

// How the drawn resistor shows a band selection: one band shape per band of
// its count, each filled with the paint of its chosen entry.

#include "colorcode/bandselection.h"
#include "colorcode/bandtables.h"

#include <QLocale>
#include <QString>

#include <span>
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

// What each band means, for labels on the drawing, left to right: "1",
// "0", "×100", "± % 5", "50 ppm/K"; empty for a band not drawn (Renksiz).
// None unless the selection is complete.
std::vector<QString> bandMeanings(const BandSelection &selection, const QLocale &locale);

// Where a band's label goes: on the band when it fits there, else in a row
// below the body, as near under its band as the labels beside it allow.
struct LabelPlace {
    bool onBand = false;
    int left = 0; // of the label; for a label on its band, centred on it
    bool operator==(const LabelPlace &) const = default;
};

// Widths and centres in pixels, left to right. Labels below keep `gap`
// between them and stay within [from, to] where they fit there; a row too
// wide starts at `from`.
std::vector<LabelPlace> placeBandLabels(std::span<const int> bandCentres, int bandWidth,
                                        std::span<const int> labelWidths, int gap, int from,
                                        int to);

} // namespace colorcode
