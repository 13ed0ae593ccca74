#pragma once

// The colours along the body, from one end to the other, corrected for the
// light by the body's own colour, and the bands found in them.

#include "photo/bodyfinder.h"
#include "photo/colourscience.h"
#include "photo/rgbimage.h"

#include <vector>

namespace photo
{

enum class BodyKind {
    Beige, // carbon film: a light tan lacquer
    Blue,  // metal film: a light blue lacquer
    Grey,  // metal oxide and power parts: a light blue-grey lacquer
};
inline constexpr BodyKind lacquerKinds[] = {BodyKind::Beige, BodyKind::Blue, BodyKind::Grey};

struct Profile {
    std::vector<LinearRgb> raw;      // as photographed, first end to second
    std::vector<Lab> corrected;      // with the light's cast taken out (asKind)
    Lab rawBody;                     // the body colour as photographed
    BodyKind kind = BodyKind::Beige; // the lacquer corrected to
    LinearRgb gains;                 // per channel, raw to corrected
};

// A band: where it lies along the body (0 first end, 1 second end) and its
// colour.
struct Band {
    double start = 0, end = 0;
    Lab colour;          // corrected
    LinearRgb raw;       // as photographed
    double contrast = 0; // how far from the body colour, ΔE
};

// The body's lacquer under neutral light, for each kind.
Lab bodyColour(BodyKind kind);

// The colours along the body as photographed (raw, rawBody); not yet
// corrected.
Profile sampleProfile(const RgbImage &image, const Body &body);

// The samples corrected as if the lacquer were of this kind: the gains that
// bring the body's colour to the lacquer's, applied along the body.
Profile asKind(const Profile &profile, BodyKind kind);

// The bands along a profile, first end to second.
std::vector<Band> findBands(const Profile &profile);

} // namespace photo
