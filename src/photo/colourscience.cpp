#include "photo/colourscience.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace photo
{

namespace
{

// The sRGB transfer curve, IEC 61966-2-1.
double decode(double v)
{
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}
double encode(double v)
{
    return v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1.0 / 2.4) - 0.055;
}

const std::array<double, 256> &decodeTable()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[std::size_t(i)] = decode(i / 255.0);
        return t;
    }();
    return table;
}

// The D65 white of sRGB in XYZ.
constexpr double whiteX = 0.95047, whiteY = 1.0, whiteZ = 1.08883;
constexpr double epsilon = 216.0 / 24389.0; // (6/29)^3
constexpr double kappa = 24389.0 / 27.0;    // (29/3)^3

double f(double t)
{
    return t > epsilon ? std::cbrt(t) : (kappa * t + 16.0) / 116.0;
}
double fInverse(double t)
{
    const double cube = t * t * t;
    return cube > epsilon ? cube : (116.0 * t - 16.0) / kappa;
}

double squared(double v)
{
    return v * v;
}

constexpr double degrees = 180.0 / std::numbers::pi;

} // namespace

double linearFromByte(std::uint8_t value)
{
    return decodeTable()[value];
}

std::uint8_t byteFromLinear(double value)
{
    const double v = encode(std::clamp(value, 0.0, 1.0)) * 255.0;
    return std::uint8_t(std::lround(std::clamp(v, 0.0, 255.0)));
}

LinearRgb linearFromSrgb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return {linearFromByte(r), linearFromByte(g), linearFromByte(b)};
}

Lab labFromLinear(const LinearRgb &c)
{
    const double x = 0.4124564 * c.r + 0.3575761 * c.g + 0.1804375 * c.b;
    const double y = 0.2126729 * c.r + 0.7151522 * c.g + 0.0721750 * c.b;
    const double z = 0.0193339 * c.r + 0.1191920 * c.g + 0.9503041 * c.b;
    const double fx = f(x / whiteX), fy = f(y / whiteY), fz = f(z / whiteZ);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

LinearRgb linearFromLab(const Lab &lab)
{
    const double fy = (lab.L + 16.0) / 116.0;
    const double fx = fy + lab.a / 500.0;
    const double fz = fy - lab.b / 200.0;
    const double x = fInverse(fx) * whiteX, y = fInverse(fy) * whiteY, z = fInverse(fz) * whiteZ;
    return {3.2404542 * x - 1.5371385 * y - 0.4985314 * z,
            -0.9692660 * x + 1.8760108 * y + 0.0415560 * z,
            0.0556434 * x - 0.2040259 * y + 1.0572252 * z};
}

Lab labFromSrgb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return labFromLinear(linearFromSrgb(r, g, b));
}

std::array<std::uint8_t, 3> srgbFromLab(const Lab &lab)
{
    const LinearRgb c = linearFromLab(lab);
    return {byteFromLinear(c.r), byteFromLinear(c.g), byteFromLinear(c.b)};
}

double deltaE76(const Lab &x, const Lab &y)
{
    return std::sqrt(squared(x.L - y.L) + squared(x.a - y.a) + squared(x.b - y.b));
}

double deltaE2000(const Lab &x, const Lab &y)
{
    const double c1 = std::hypot(x.a, x.b), c2 = std::hypot(y.a, y.b);
    const double cMean7 = std::pow((c1 + c2) / 2.0, 7.0);
    const double g = 0.5 * (1.0 - std::sqrt(cMean7 / (cMean7 + std::pow(25.0, 7.0))));
    const double a1 = (1.0 + g) * x.a, a2 = (1.0 + g) * y.a;
    const double cp1 = std::hypot(a1, x.b), cp2 = std::hypot(a2, y.b);
    const auto hueOf = [](double b, double a) {
        if (a == 0 && b == 0)
            return 0.0;
        const double h = std::atan2(b, a) * degrees;
        return h < 0 ? h + 360.0 : h;
    };
    const double h1 = hueOf(x.b, a1), h2 = hueOf(y.b, a2);

    const double dL = y.L - x.L;
    const double dC = cp2 - cp1;
    double dh = 0;
    if (cp1 * cp2 != 0) {
        dh = h2 - h1;
        if (dh > 180)
            dh -= 360;
        else if (dh < -180)
            dh += 360;
    }
    const double dH = 2.0 * std::sqrt(cp1 * cp2) * std::sin(dh / 2.0 / degrees);

    const double lMean = (x.L + y.L) / 2.0;
    const double cpMean = (cp1 + cp2) / 2.0;
    double hMean = h1 + h2;
    if (cp1 * cp2 != 0) {
        if (std::abs(h1 - h2) <= 180)
            hMean /= 2.0;
        else if (h1 + h2 < 360)
            hMean = (h1 + h2 + 360) / 2.0;
        else
            hMean = (h1 + h2 - 360) / 2.0;
    }
    const double t =
        1.0 - 0.17 * std::cos((hMean - 30) / degrees) + 0.24 * std::cos(2 * hMean / degrees) +
        0.32 * std::cos((3 * hMean + 6) / degrees) - 0.20 * std::cos((4 * hMean - 63) / degrees);
    const double dTheta = 30.0 * std::exp(-squared((hMean - 275.0) / 25.0));
    const double cpMean7 = std::pow(cpMean, 7.0);
    const double rc = 2.0 * std::sqrt(cpMean7 / (cpMean7 + std::pow(25.0, 7.0)));
    const double sl = 1.0 + 0.015 * squared(lMean - 50) / std::sqrt(20 + squared(lMean - 50));
    const double sc = 1.0 + 0.045 * cpMean;
    const double sh = 1.0 + 0.015 * cpMean * t;
    const double rt = -std::sin(2.0 * dTheta / degrees) * rc;
    return std::sqrt(squared(dL / sl) + squared(dC / sc) + squared(dH / sh) +
                     rt * (dC / sc) * (dH / sh));
}

double chroma(const Lab &lab)
{
    return std::hypot(lab.a, lab.b);
}

double hueDegrees(const Lab &lab)
{
    const double h = std::atan2(lab.b, lab.a) * degrees;
    return h < 0 ? h + 360.0 : h;
}

Clustering clusterColours(std::span<const Lab> colours, int k, int iterations)
{
    Clustering result;
    if (colours.empty() || k <= 0)
        return result;
    // Farthest-point start: the first colour, then each time the colour
    // farthest from every centre chosen so far.
    std::vector<Lab> centres{colours.front()};
    std::vector<double> nearest(colours.size());
    for (std::size_t i = 0; i < colours.size(); ++i)
        nearest[i] = deltaE76(colours[i], centres[0]);
    while (int(centres.size()) < k) {
        const auto far = std::max_element(nearest.begin(), nearest.end());
        if (*far <= 0)
            break;
        centres.push_back(colours[std::size_t(far - nearest.begin())]);
        for (std::size_t i = 0; i < colours.size(); ++i)
            nearest[i] = std::min(nearest[i], deltaE76(colours[i], centres.back()));
    }

    std::vector<int> labels(colours.size(), 0);
    for (int round = 0; round < iterations; ++round) {
        bool moved = false;
        for (std::size_t i = 0; i < colours.size(); ++i) {
            int best = 0;
            double bestDistance = deltaE76(colours[i], centres[0]);
            for (std::size_t c = 1; c < centres.size(); ++c) {
                const double d = deltaE76(colours[i], centres[c]);
                if (d < bestDistance) {
                    bestDistance = d;
                    best = int(c);
                }
            }
            moved = moved || labels[i] != best;
            labels[i] = best;
        }
        std::vector<Lab> sums(centres.size());
        std::vector<int> counts(centres.size(), 0);
        for (std::size_t i = 0; i < colours.size(); ++i) {
            Lab &s = sums[std::size_t(labels[i])];
            s.L += colours[i].L;
            s.a += colours[i].a;
            s.b += colours[i].b;
            ++counts[std::size_t(labels[i])];
        }
        for (std::size_t c = 0; c < centres.size(); ++c)
            if (counts[c] > 0)
                centres[c] = {sums[c].L / counts[c], sums[c].a / counts[c], sums[c].b / counts[c]};
        if (!moved && round > 0)
            break;
    }

    std::vector<int> counts(centres.size(), 0);
    for (const int label : labels)
        ++counts[std::size_t(label)];
    std::vector<int> newIndex(centres.size(), -1);
    for (std::size_t c = 0; c < centres.size(); ++c)
        if (counts[c] > 0) {
            newIndex[c] = int(result.centres.size());
            result.centres.push_back(centres[c]);
            result.sizes.push_back(counts[c]);
        }
    result.labels.reserve(labels.size());
    for (const int label : labels)
        result.labels.push_back(newIndex[std::size_t(label)]);
    return result;
}

Lab densestColour(std::span<const Lab> colours, double radius)
{
    if (colours.empty())
        return {};
    std::size_t best = 0;
    int bestCount = -1;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        int count = 0;
        for (const Lab &other : colours)
            count += deltaE76(colours[i], other) <= radius;
        if (count > bestCount) {
            bestCount = count;
            best = i;
        }
    }
    Lab sum;
    for (const Lab &other : colours)
        if (deltaE76(colours[best], other) <= radius) {
            sum.L += other.L;
            sum.a += other.a;
            sum.b += other.b;
        }
    return {sum.L / bestCount, sum.a / bestCount, sum.b / bestCount};
}

} // namespace photo
