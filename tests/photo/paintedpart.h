#pragma once

// A resistor the tests paint themselves: a known part on a light table,
// leads out to the edges, lit from above.

#include "colorcode/bandtables.h"
#include "photo/bodyfinder.h"
#include "photo/colourscience.h"
#include "photo/rgbimage.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace paintedpart
{

using colorcode::Colour;
using namespace photo;

using Paint = std::array<std::uint8_t, 3>;

// Paint as a band looks on a part, in sRGB: chosen by eye, not taken from
// the reading's own table.
inline Paint paintOf(Colour c)
{
    switch (c) {
    case Colour::Siyah:
        return {28, 28, 30};
    case Colour::Kahverengi:
        return {105, 55, 30};
    case Colour::Kirmizi:
        return {185, 30, 35};
    case Colour::Turuncu:
        return {235, 115, 25};
    case Colour::Sari:
        return {235, 200, 30};
    case Colour::Yesil:
        return {30, 125, 60};
    case Colour::Mavi:
        return {30, 85, 175};
    case Colour::Mor:
        return {115, 55, 145};
    case Colour::Gri:
        return {135, 135, 135};
    case Colour::Beyaz:
        return {240, 240, 235};
    case Colour::Altin:
        return {185, 145, 60};
    case Colour::Gumus:
        return {195, 195, 200};
    case Colour::Pembe:
        return {240, 130, 170};
    case Colour::Renksiz:
        break;
    }
    return {0, 0, 0};
}

struct Part {
    std::vector<Colour> bands;
    Paint body;
    Ends ends;
    double thickness;
    double leadLength = 0; // each lead's, in pixels; 0: out to the edges
    // Bands painted in a paint of their own, by index: a colour between two
    // band colours, as a lamp or a camera can make one look.
    std::vector<std::pair<std::size_t, Paint>> repainted = {};
    double bandHalf = 0.035; // half a band's width, as a share of the body's length
    // A stretch across the body that looks like what it lies on (a lamp's
    // reflection, a Gri band in some lights): its middle and half its width,
    // as shares of the body's length; none when the width is 0.
    double likeSurfaceAt = 0.5, likeSurfaceHalf = 0;
    double leadHalf = 1.6; // half a lead's thickness, in pixels
    Paint lead{150, 150, 155};
    // A narrow line across the body, as where a power part's cap steps down
    // to its lacquer: its middle and half its width, as shares of the
    // body's length; none when the width is 0.
    double lineAt = 0, lineHalf = 0;
    Paint line{};
};

inline constexpr Paint beige{215, 180, 140};
inline constexpr Paint lightBlue{110, 165, 215};
inline constexpr Paint blueGrey{135, 155, 170}; // power parts

// The bands lie at even steps from near one end, the last one apart.
inline double bandCentre(std::size_t i, std::size_t count)
{
    if (i + 1 == count)
        return 0.8;
    const double step = count > 4 ? 0.11 : 0.13;
    return 0.2 + step * double(i);
}

// What the parts lie on.
enum class Surface {
    Table,         // light grey, lit a little more from the right
    Wood,          // a desk: brown, wavy grain, a lamp's glare in one corner
    PaperOnWood,   // a sheet of paper on that desk, its edge slanting down
    GridPaper,     // white, light blue lines every 5 mm, a darker one every 25 mm
    PaperOverWood, // a sheet of paper over the desk, a strip of it along the bottom
};

// The surface's colour at (px, py), linear light.
inline LinearRgb surfaceAt(Surface surface, double px, double py, int width, int height)
{
    const double w = width, h = height;
    if (surface == Surface::Table) {
        const LinearRgb c = linearFromSrgb(205, 208, 212);
        const double light = 0.9 + 0.1 * px / w;
        return {c.r * light, c.g * light, c.b * light};
    }
    if (surface == Surface::GridPaper) {
        // 5 mm = 24 pixels; lines a pixel and a half wide, every fifth three.
        const auto onLine = [](double v) {
            const double cell = std::fmod(v, 24.0), major = std::fmod(v, 120.0);
            return cell < 1.5 || major < 3.0;
        };
        const double light = 0.85 + 0.15 * py / h;
        const LinearRgb c = onLine(px) || onLine(py) ? linearFromSrgb(150, 185, 215)
                                                     : linearFromSrgb(240, 242, 238);
        return {c.r * light, c.g * light, c.b * light};
    }
    if ((surface == Surface::PaperOnWood && px < w * 0.45 + 0.25 * py) ||
        (surface == Surface::PaperOverWood && py < h * 0.9))
        return linearFromSrgb(232, 232, 228);
    // Grain along x, bent by a slow wave, with finer streaks between; the
    // glare whitens the wood towards the top left.
    const double wave = std::sin(py * 0.35 + 2.5 * std::sin(px * 0.013));
    const double streak = std::sin(py * 1.7 + px * 0.02) * std::sin(px * 0.11 + py * 0.05);
    const double grain = 0.82 + 0.14 * wave + 0.06 * streak;
    const LinearRgb wood = linearFromSrgb(150, 92, 58);
    const double glare = 0.7 * std::exp(-(std::pow((px - 0.25 * w) / (0.2 * w), 2) +
                                          std::pow((py - 0.3 * h) / (0.15 * h), 2)));
    const LinearRgb white = linearFromSrgb(235, 225, 215);
    return {wood.r * grain * (1 - glare) + white.r * glare,
            wood.g * grain * (1 - glare) + white.g * glare,
            wood.b * grain * (1 - glare) + white.b * glare};
}

// Parts on a surface, later ones on top, each lit from above (the body
// darker towards its edges), drawn with 4 × 4 samples per pixel. Leads run
// out to the edges unless a part gives their length.
inline RgbImage paint(const std::vector<Part> &parts, Surface surface, int width, int height)
{
    RgbImage image = makeImage(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double sum[3] = {0, 0, 0};
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    const double px = x + (sx + 0.5) / 4, py = y + (sy + 0.5) / 4;
                    LinearRgb c = surfaceAt(surface, px, py, width, height);
                    for (const Part &part : parts) {
                        const double dx = part.ends.second.x - part.ends.first.x;
                        const double dy = part.ends.second.y - part.ends.first.y;
                        const double length = std::hypot(dx, dy), ux = dx / length,
                                     uy = dy / length;
                        const double half = part.thickness / 2, bandHalf = part.bandHalf;
                        const double rx = px - part.ends.first.x, ry = py - part.ends.first.y;
                        const double t = (rx * ux + ry * uy) / length, o = -rx * uy + ry * ux;
                        const double tc = std::clamp(t, 0.0, 1.0);
                        const double fromAxis = std::hypot((t - tc) * length, o);
                        const double beyond = std::abs(t - tc) * length;
                        if (fromAxis <= half &&
                            std::abs(t - part.likeSurfaceAt) < part.likeSurfaceHalf) {
                            c = surfaceAt(surface, px, py, width, height);
                        } else if (fromAxis <= half) {
                            Paint p = part.body;
                            for (std::size_t i = 0; i < part.bands.size(); ++i)
                                if (part.bands[i] != Colour::Renksiz &&
                                    std::abs(t - bandCentre(i, part.bands.size())) < bandHalf)
                                    p = paintOf(part.bands[i]);
                            for (const auto &[i, paint] : part.repainted)
                                if (std::abs(t - bandCentre(i, part.bands.size())) < bandHalf)
                                    p = paint;
                            if (std::abs(t - part.lineAt) < part.lineHalf)
                                p = part.line;
                            const double shade = 1.0 - 0.35 * (o / half) * (o / half);
                            const LinearRgb b = linearFromSrgb(p[0], p[1], p[2]);
                            c = {b.r * shade, b.g * shade, b.b * shade};
                        } else if ((t < 0 || t > 1) && std::abs(o) < part.leadHalf &&
                                   (part.leadLength <= 0 || beyond < part.leadLength)) {
                            c = linearFromSrgb(part.lead[0], part.lead[1], part.lead[2]);
                        }
                    }
                    sum[0] += c.r;
                    sum[1] += c.g;
                    sum[2] += c.b;
                }
            std::uint8_t *q = image.pixel(x, y);
            for (int k = 0; k < 3; ++k)
                q[k] = byteFromLinear(sum[k] / 16);
        }
    return image;
}

// A part on a light grey table, leads out to the edges.
inline RgbImage paint(const Part &part, int width = 480, int height = 360)
{
    return paint(std::vector<Part>{part}, Surface::Table, width, height);
}

} // namespace paintedpart
