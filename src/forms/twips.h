#pragma once

// The design data is in twips (1/1440 inch). At 96 dpi a pixel is 15 twips;
// Qt's device-independent pixels scale that to the screen, so this is the one
// conversion the forms need.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace twips
{

inline constexpr int perPixel = 15;

constexpr int toPixels(int twips)
{
    // Round to nearest; design values are never negative.
    return (twips + perPixel / 2) / perPixel;
}

inline QSize toPixels(int width, int height)
{
    return {toPixels(width), toPixels(height)};
}

inline QRect toPixels(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

} // namespace twips
