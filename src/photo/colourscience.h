#pragma once

// The colour arithmetic band reading needs: sRGB bytes to linear light (where
// a colour cast is a per-channel gain), linear light to CIELAB (where equal
// distances look about equally different), distances and clustering.
// Camera colours are measurements, not shown values, so doubles are right
// here.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace photo
{

// Linear-light sRGB, D65 white, each channel 0 (black) to 1 (white).
struct LinearRgb {
    double r = 0, g = 0, b = 0;
};

// CIELAB against the D65 white: L 0 to 100, a green (-) to red (+), b blue
// (-) to yellow (+).
struct Lab {
    double L = 0, a = 0, b = 0;
};

// One sRGB channel byte to linear light, by table.
double linearFromByte(std::uint8_t value);
// One linear channel (clamped to 0..1) to an sRGB byte, rounded.
std::uint8_t byteFromLinear(double value);

LinearRgb linearFromSrgb(std::uint8_t r, std::uint8_t g, std::uint8_t b);
Lab labFromLinear(const LinearRgb &rgb);
LinearRgb linearFromLab(const Lab &lab);
Lab labFromSrgb(std::uint8_t r, std::uint8_t g, std::uint8_t b);
// The colour as sRGB bytes, each channel clamped to what sRGB can show.
std::array<std::uint8_t, 3> srgbFromLab(const Lab &lab);

// CIE 1976 distance: the straight line in Lab.
double deltaE76(const Lab &x, const Lab &y);
// CIEDE2000: the distance that follows what people see, lightness and
// chroma weighed less where colours are strong.
double deltaE2000(const Lab &x, const Lab &y);

double chroma(const Lab &lab);
// Hue angle in degrees, 0 to 360 (0 red-magenta, 90 yellow, 180 green, 270
// blue).
double hueDegrees(const Lab &lab);

// k-means in Lab (straight-line distance), started from the colours farthest
// apart so the result is the same on every run. Each colour gets the index
// of its centre; centres without members are dropped.
struct Clustering {
    std::vector<Lab> centres;
    std::vector<int> sizes;
    std::vector<int> labels; // one per input colour
};
Clustering clusterColours(std::span<const Lab> colours, int k, int iterations = 20);

// The colour most others lie near: the mean of the largest group of colours
// within `radius` (ΔE76) of one of them. Robust where a mean is pulled off by
// bands or glare.
Lab densestColour(std::span<const Lab> colours, double radius);

} // namespace photo
