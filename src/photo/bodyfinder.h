#pragma once

// Finding the resistor's body in a photo: the thick, elongated patch of a
// colour unlike its surroundings, away from the edges; thin leads and round
// glare spots are not bodies.

#include "photo/colourscience.h"
#include "photo/rgbimage.h"

#include <cmath>
#include <optional>

namespace photo
{

// A place in the image in pixels, origin top left; pixel (i, j) covers
// [i, i+1) × [j, j+1).
struct Point {
    double x = 0, y = 0;
    bool operator==(const Point &) const = default;
};

// The two ends of the body, where the leads leave it.
struct Ends {
    Point first, second;
    bool operator==(const Ends &) const = default;
};

// How far apart the ends lie: the body's length.
inline double lengthOf(const Ends &ends)
{
    return std::hypot(ends.second.x - ends.first.x, ends.second.y - ends.first.y);
}

// Whether both ends lie on a width × height picture, its edges included.
bool inside(double width, double height, const Ends &ends);

struct Body {
    Ends ends;
    double thickness = 0; // across the body, in image pixels
    Lab background;       // the colour around it
};

// The body moved across its axis to where its bands show, when they do not
// show along the axis: a soft shadow beside the part can pass for body and
// move the middle found off the lacquer.
Body centredOnBands(const RgbImage &image, Body body);

// The colour most of the image has: what the part lies on.
Lab backgroundColour(const RgbImage &image);

// The body found in the image, or nothing.
std::optional<Body> findBody(const RgbImage &image);

// The body between ends someone gave: its thickness measured across the
// line between them, and that line moved onto the body's middle where it
// runs a little off it. Ends outside the image are taken as they are, with
// no thickness: the work is bounded by the image, not by the ends.
Body bodyBetween(const RgbImage &image, const Ends &ends, const Lab &background);

// The colour at a point, bilinear between pixel centres; outside the image,
// the nearest edge pixel.
LinearRgb sampleLinear(const RgbImage &image, double x, double y);

} // namespace photo
