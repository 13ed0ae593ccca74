#include "photo/bodyfinder.h"

#include "photo/photoreading.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace photo
{

namespace
{

// The long side of the picture the body is looked for in: enough for a part
// that fills a tenth of the frame, and fast.
constexpr int detectionSide = 400;

struct LabImage {
    int width = 0, height = 0;
    std::vector<Lab> pixels;
    const Lab &at(int x, int y) const
    {
        return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    }
};

LabImage labImage(const RgbImage &image)
{
    LabImage out{image.width, image.height, {}};
    out.pixels.reserve(std::size_t(image.width) * std::size_t(image.height));
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t *p = image.pixel(x, y);
            out.pixels.push_back(labFromSrgb(p[0], p[1], p[2]));
        }
    return out;
}

double squared(double v)
{
    return v * v;
}

// How unlike the background a colour is. Lightness counts half: shading and
// uneven light change it across a plain background more than they change
// hue.
double objectDistance(const Lab &p, const Lab &background)
{
    return std::sqrt(squared((p.L - background.L) * 0.5) + squared(p.a - background.a) +
                     squared(p.b - background.b));
}

Lab modeColour(const std::vector<Lab> &pixels)
{
    constexpr int lBins = 13, abBins = 16;
    const auto binOf = [](const Lab &p) {
        const int l = std::clamp(int(p.L / 8.0), 0, lBins - 1);
        const int a = std::clamp(int((p.a + 64.0) / 8.0), 0, abBins - 1);
        const int b = std::clamp(int((p.b + 64.0) / 8.0), 0, abBins - 1);
        return (l * abBins + a) * abBins + b;
    };
    std::vector<int> counts(lBins * abBins * abBins, 0);
    for (const Lab &p : pixels)
        ++counts[std::size_t(binOf(p))];
    const int mode = int(std::max_element(counts.begin(), counts.end()) - counts.begin());
    Lab sum;
    int n = 0;
    for (const Lab &p : pixels)
        if (binOf(p) == mode) {
            sum.L += p.L;
            sum.a += p.a;
            sum.b += p.b;
            ++n;
        }
    return {sum.L / n, sum.a / n, sum.b / n};
}

// Otsu's split of the distances into background and objects, kept within
// sensible bounds: a plain background gives a split in its noise otherwise.
double objectThreshold(const std::vector<double> &distances)
{
    constexpr int bins = 128;
    std::array<double, bins> histogram{};
    for (const double d : distances)
        histogram[std::size_t(std::clamp(int(d), 0, bins - 1))] += 1;
    const double total = double(distances.size());
    double sumAll = 0;
    for (int i = 0; i < bins; ++i)
        sumAll += i * histogram[std::size_t(i)];
    double weightBelow = 0, sumBelow = 0, bestVariance = -1;
    int best = 0;
    for (int i = 0; i < bins; ++i) {
        weightBelow += histogram[std::size_t(i)];
        sumBelow += i * histogram[std::size_t(i)];
        const double weightAbove = total - weightBelow;
        if (weightBelow <= 0 || weightAbove <= 0)
            continue;
        const double meanBelow = sumBelow / weightBelow;
        const double meanAbove = (sumAll - sumBelow) / weightAbove;
        const double variance = weightBelow * weightAbove * squared(meanBelow - meanAbove);
        if (variance > bestVariance) {
            bestVariance = variance;
            best = i;
        }
    }
    return std::clamp(best + 1.0, 12.0, 30.0);
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// Which detection pixels belong to a surface running off the frame.
struct SurfaceMask {
    std::vector<std::uint8_t> flags;
    int width = 0, factor = 1;
    // At (x, y), full-size pixels.
    bool at(double x, double y) const
    {
        const int column = int(x) / factor, row = int(y) / factor;
        if (flags.empty() || column < 0 || row < 0 || column >= width)
            return false;
        const std::size_t i = std::size_t(row) * std::size_t(width) + std::size_t(column);
        return i < flags.size() && flags[i];
    }
};

// Up to ten colours a place may lie on, and the surfaces running off the
// frame where they count.
struct Nearby {
    std::array<Lab, 10> colours;
    int count = 0;
    const SurfaceMask *surface = nullptr;
};

// The colours the part may lie on near each place: the mode of each tile of
// a coarse grid, where that colour covers most of its tile and recurs in
// other tiles. A part's own colour fills one tile at most, a few in a
// close-up, and not along the frame's edge; a desk, a sheet of paper or a
// light patch on wood covers several. Two backgrounds side by side (paper on
// a desk) and light falling off across the frame are each near what
// surrounds them.
struct Backgrounds {
    static constexpr int tiles = 6; // across the long side
    Lab overall;                    // the mode of the whole picture
    int columns = 1, rows = 1;
    double tileWidth = 1, tileHeight = 1;
    std::vector<std::optional<Lab>> local; // per tile, columns × rows

    // The background of the tile holding (x, y), detection pixels.
    Lab at(double x, double y) const
    {
        const auto &l = local[std::size_t(row(y) * columns + column(x))];
        return l ? *l : overall;
    }
    int column(double x) const { return std::clamp(int(x / tileWidth), 0, columns - 1); }
    int row(double y) const { return std::clamp(int(y / tileHeight), 0, rows - 1); }

    // The backgrounds of the four tiles around the tile corner nearest to
    // (x, y), and the overall one.
    // Wide: the tile holding (x, y) and its eight neighbours. Otherwise the
    // four tiles around the tile corner nearest to it, which keeps a part's
    // colour away from the backgrounds of tiles further off; wide lets a
    // part lying on the line where two surfaces meet stand apart from both.
    Nearby near(double x, double y, bool wide) const
    {
        const int column = this->column(x), row = this->row(y);
        const int left = wide ? std::max(0, column - 1)
                              : std::clamp(int(std::lround(x / tileWidth)) - 1, 0, columns - 1);
        const int top = wide ? std::max(0, row - 1)
                             : std::clamp(int(std::lround(y / tileHeight)) - 1, 0, rows - 1);
        const int right = std::min(columns - 1, wide ? column + 1 : left + 1);
        const int bottom = std::min(rows - 1, wide ? row + 1 : top + 1);
        Nearby out;
        out.colours[std::size_t(out.count++)] = overall;
        for (int r = top; r <= bottom; ++r)
            for (int c = left; c <= right; ++c)
                if (const auto &l = local[std::size_t(r * columns + c)])
                    out.colours[std::size_t(out.count++)] = *l;
        return out;
    }
};

double distanceToNearest(const Lab &p, const Nearby &backgrounds)
{
    double best = std::numeric_limits<double>::infinity();
    for (int i = 0; i < backgrounds.count; ++i)
        best = std::min(best, objectDistance(p, backgrounds.colours[std::size_t(i)]));
    return best;
}

Backgrounds backgroundsOf(const LabImage &lab)
{
    Backgrounds out;
    out.overall = modeColour(lab.pixels);
    const int side = std::max(lab.width, lab.height);
    const double tile = std::max(1.0, double(side) / Backgrounds::tiles);
    out.columns = std::max(1, int(std::lround(lab.width / tile)));
    out.rows = std::max(1, int(std::lround(lab.height / tile)));
    out.tileWidth = double(lab.width) / out.columns;
    out.tileHeight = double(lab.height) / out.rows;
    // A tile's colour counts where it covers most of the tile and at least
    // two other tiles have one like it.
    constexpr double alike = 12;
    constexpr double minimumCover = 0.7;
    std::vector<Lab> modes;
    std::vector<double> covers;
    std::vector<Lab> pixels;
    for (int r = 0; r < out.rows; ++r)
        for (int c = 0; c < out.columns; ++c) {
            pixels.clear();
            const int x0 = int(c * out.tileWidth), x1 = int((c + 1) * out.tileWidth);
            const int y0 = int(r * out.tileHeight), y1 = int((r + 1) * out.tileHeight);
            for (int y = y0; y < std::min(y1, lab.height); ++y)
                for (int x = x0; x < std::min(x1, lab.width); ++x)
                    pixels.push_back(lab.at(x, y));
            const Lab mode = pixels.empty() ? out.overall : modeColour(pixels);
            std::size_t alikeHere = 0;
            for (const Lab &p : pixels)
                alikeHere += objectDistance(p, mode) < alike;
            modes.push_back(mode);
            covers.push_back(pixels.empty() ? 0.0 : double(alikeHere) / double(pixels.size()));
        }
    // What a part lies on reaches the frame's edge, or where it does not
    // (paper on a desk, a turned photo's filled corners) covers at least a
    // third as many tiles as the commonest colour. A close-up's body fills
    // two or three tiles in the middle, its colour nowhere along the edge.
    const auto onEdge = [&out](std::size_t i) {
        const int r = int(i) / out.columns, c = int(i) % out.columns;
        return r == 0 || c == 0 || r == out.rows - 1 || c == out.columns - 1;
    };
    std::vector<int> similar(modes.size(), 0), coveredAlike(modes.size(), 0);
    std::vector<bool> reachesEdge(modes.size(), false);
    for (std::size_t i = 0; i < modes.size(); ++i)
        for (std::size_t j = 0; j < modes.size(); ++j)
            if (objectDistance(modes[i], modes[j]) < alike) {
                similar[i] += j != i;
                if (covers[j] >= minimumCover) {
                    ++coveredAlike[i];
                    reachesEdge[i] = reachesEdge[i] || onEdge(j);
                }
            }
    const int commonest = *std::max_element(coveredAlike.begin(), coveredAlike.end());
    out.local.resize(modes.size());
    for (std::size_t i = 0; i < modes.size(); ++i)
        if (similar[i] >= 2 && covers[i] >= minimumCover &&
            (reachesEdge[i] || 3 * coveredAlike[i] >= commonest))
            out.local[i] = modes[i];
    return out;
}

using Mask = std::vector<std::uint8_t>;

// Along one line of count values (0 or 1), step apart from first: the
// smallest (erode) or largest (dilate) within half of each place, beyond the
// ends background. Counted by a running sum, so the time does not grow with
// the size.
void filterLine(const Mask &in, Mask &out, std::size_t first, std::size_t step, int count, int half,
                bool erode, std::vector<int> &sums)
{
    sums.assign(std::size_t(count) + 1, 0);
    for (int i = 0; i < count; ++i)
        sums[std::size_t(i) + 1] = sums[std::size_t(i)] + in[first + std::size_t(i) * step];
    for (int i = 0; i < count; ++i) {
        const int from = std::max(0, i - half), to = std::min(count - 1, i + half);
        const int ones = sums[std::size_t(to) + 1] - sums[std::size_t(from)];
        out[first + std::size_t(i) * step] =
            erode ? (i - half >= 0 && i + half < count && ones == 2 * half + 1) : ones > 0;
    }
}

// The smallest (erode) or largest (dilate) value in a size × size square,
// one direction after the other.
Mask squareFilter(const Mask &mask, int width, int height, int size, bool erode)
{
    const int half = size / 2;
    Mask row(mask.size()), out(mask.size());
    std::vector<int> sums;
    for (int y = 0; y < height; ++y)
        filterLine(mask, row, std::size_t(y) * std::size_t(width), 1, width, half, erode, sums);
    for (int x = 0; x < width; ++x)
        filterLine(row, out, std::size_t(x), std::size_t(width), height, half, erode, sums);
    return out;
}

// Bodies are two to four and a half times as long as thick.
constexpr double longestBody = 4.5;

struct Candidate {
    double score = 0;
    double cx = 0, cy = 0; // centroid, detection pixels
    double ux = 1, uy = 0; // along the body
    double length = 0, thickness = 0;
    bool wide = false;  // found against the wide backgrounds
    bool edges = false; // and the surfaces running off the frame
};

// Every patch of the opened mask that could be a body; those reaching the
// frame's edge apart.
void collectCandidates(const Mask &mask, const std::vector<double> &distances, int width,
                       int height, bool wide, bool edges, std::vector<Candidate> &candidates,
                       std::vector<Candidate> &atEdge)
{
    std::vector<int> label(mask.size(), 0);
    std::vector<int> stack;
    for (int start = 0; start < width * height; ++start) {
        if (!mask[std::size_t(start)] || label[std::size_t(start)])
            continue;
        label[std::size_t(start)] = 1;
        stack.assign(1, start);
        double n = 0, sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0, contrast = 0;
        bool touchesEdge = false;
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            const int x = i % width, y = i / width;
            const double px = x + 0.5, py = y + 0.5;
            n += 1;
            sx += px;
            sy += py;
            sxx += px * px;
            syy += py * py;
            sxy += px * py;
            contrast += distances[std::size_t(i)];
            touchesEdge = touchesEdge || x == 0 || y == 0 || x == width - 1 || y == height - 1;
            const int neighbours[4] = {x > 0 ? i - 1 : -1, x < width - 1 ? i + 1 : -1,
                                       y > 0 ? i - width : -1, y < height - 1 ? i + width : -1};
            for (const int j : neighbours)
                if (j >= 0 && mask[std::size_t(j)] && !label[std::size_t(j)]) {
                    label[std::size_t(j)] = 1;
                    stack.push_back(j);
                }
        }
        // A quarter-watt part photographed from a forearm away covers
        // about 40 detection pixels.
        if (n < std::max(20.0, 0.00025 * width * height))
            continue;
        const double cx = sx / n, cy = sy / n;
        const double vxx = sxx / n - cx * cx, vyy = syy / n - cy * cy, vxy = sxy / n - cx * cy;
        const double mean = (vxx + vyy) / 2,
                     spread = std::sqrt(squared((vxx - vyy) / 2) + vxy * vxy);
        const double l1 = mean + spread, l2 = std::max(mean - spread, 1e-6);
        const double length = std::sqrt(12 * l1), thickness = std::sqrt(12 * l2);
        const double ratio = length / thickness;
        const double fill = n / (length * thickness);
        // A body's own shadow can widen its patch to half its length.
        constexpr double minimumRatio = 1.5;
        if (ratio < minimumRatio || ratio > 10 || fill < 0.55)
            continue;
        const double angle = 0.5 * std::atan2(2 * vxy, vxx - vyy);
        const double offCentre = std::hypot(cx / width - 0.5, cy / height - 0.5);
        // A lead bent along a body makes a longer, emptier patch than a
        // body. Thickness counts again: a short straight stretch of a lead
        // has the area of a small body, never its thickness.
        const double shape = std::min(1.0, (ratio - minimumRatio + 0.1) / 0.7) *
                             std::min(1.0, squared(longestBody / ratio));
        const double filled = std::clamp((fill - 0.5) / 0.4, 0.0, 1.0);
        const double score = n * thickness * shape * filled * (1.0 - offCentre) * (contrast / n);
        if (score > 0)
            (touchesEdge ? atEdge : candidates)
                .push_back({score, cx, cy, std::cos(angle), std::sin(angle), length, thickness,
                            wide, edges});
    }
}

// How far from a point the body reaches on either side across the axis:
// the run of object pixels from the point outward, a gap of up to two
// pixels (glare, a dark band edge) bridged.
struct Span {
    double negative = 0, positive = 0;
    double total() const { return negative + positive; }
};

Span crossSpan(const RgbImage &image, const Nearby &backgrounds, double threshold, double x,
               double y, double vx, double vy, double reach)
{
    Span span;
    for (const int side : {-1, 1}) {
        double last = 0;
        int gap = 0;
        for (double d = 0; d <= reach; d += 1.0) {
            // Past the frame's edge nothing is seen: the edge's own pixels
            // repeated would make a body run on to it.
            const double px = x + side * d * vx, py = y + side * d * vy;
            if (px < 0 || py < 0 || px > image.width || py > image.height)
                break;
            const LinearRgb c = sampleLinear(image, px, py);
            if (distanceToNearest(labFromLinear(c), backgrounds) > threshold &&
                !(backgrounds.surface && backgrounds.surface->at(px, py))) {
                last = d + 0.5;
                gap = 0;
            } else if (++gap > 2) {
                break;
            }
        }
        (side < 0 ? span.negative : span.positive) = last;
    }
    return span;
}

struct Detection {
    int factor = 1;
    Backgrounds backgrounds;
    double threshold = 15;
    std::vector<double> distances, wideDistances; // see Backgrounds::near
    SurfaceMask surface;                          // see markSurfaces
    int width = 0, height = 0;
    LabImage lab;
};

Detection detect(const RgbImage &image)
{
    Detection d;
    d.factor =
        std::max(1, (std::max(image.width, image.height) + detectionSide - 1) / detectionSide);
    const RgbImage small = shrunk(image, d.factor);
    d.lab = labImage(small);
    const LabImage &lab = d.lab;
    d.width = small.width;
    d.height = small.height;
    d.backgrounds = backgroundsOf(lab);
    d.distances.reserve(lab.pixels.size());
    d.wideDistances.reserve(lab.pixels.size());
    for (int y = 0; y < lab.height; ++y)
        for (int x = 0; x < lab.width; ++x) {
            d.distances.push_back(
                distanceToNearest(lab.at(x, y), d.backgrounds.near(x + 0.5, y + 0.5, false)));
            d.wideDistances.push_back(
                distanceToNearest(lab.at(x, y), d.backgrounds.near(x + 0.5, y + 0.5, true)));
        }
    d.threshold = objectThreshold(d.distances);
    // In a dim photo every colour lies nearer every other, the body's to the
    // background's too, and a body with dark bands falls apart at them:
    // below a background lightness of 40 the split falls with it, to half.
    // (The rig's photos at 0,6 of their light: 83 % of first readings right
    // without this, 97 % with; the shared photos read the same.)
    constexpr double dimBelow = 40;
    d.threshold *= std::clamp(d.backgrounds.overall.L / dimBelow, 0.5, 1.0);
    return d;
}

// Marks in d.surface what belongs to a surface that runs off the frame but
// covers too little of any tile to count (a strip of desk below the paper),
// which joins to a part lying across its edge. What stands out along a
// quarter of the frame's shorter side or more, unbroken, is such a surface;
// a lead or a part crossing the edge is narrower. Its colours, the
// commonest first, up to three.
void markSurfaces(Detection &d)
{
    const LabImage &lab = d.lab;
    std::vector<int> around;
    for (int x = 0; x < d.width; ++x)
        around.push_back(x);
    for (int y = 1; y < d.height; ++y)
        around.push_back(y * d.width + d.width - 1);
    for (int x = d.width - 2; x >= 0; --x)
        around.push_back((d.height - 1) * d.width + x);
    for (int y = d.height - 2; y > 0; --y)
        around.push_back(y * d.width);
    const auto standsOut = [&](std::size_t k) {
        return d.wideDistances[std::size_t(around[k % around.size()])] > d.threshold;
    };
    // Runs are counted from a place that does not stand out, so that none
    // is cut where the walk around the frame begins.
    std::size_t from = 0;
    while (from < around.size() && standsOut(from))
        ++from;
    // How far in from the frame's edge a place on it stands out: a surface
    // reaches in further than a lead lying along the edge is thick.
    const auto depth = [&](std::size_t k) {
        const int i = around[k % around.size()];
        const int x = i % d.width, y = i / d.width;
        const int dx = x == 0 ? 1 : x == d.width - 1 ? -1 : 0;
        const int dy = dx != 0 ? 0 : y == 0 ? 1 : -1;
        int steps = 0;
        for (int px = x, py = y; px >= 0 && py >= 0 && px < d.width && py < d.height &&
                                 d.wideDistances[std::size_t(py * d.width + px)] > d.threshold;
             px += dx, py += dy)
            ++steps;
        return steps;
    };
    std::vector<Lab> border;
    const std::size_t longRun = std::size_t(std::min(d.width, d.height) / 4);
    const int deepSurface = std::min(d.width, d.height) / 16;
    std::vector<int> depths;
    for (std::size_t k = from; from < around.size() && k < from + around.size();) {
        std::size_t end = k;
        depths.clear();
        while (end < from + around.size() && standsOut(end))
            depths.push_back(depth(end++));
        std::nth_element(depths.begin(), depths.begin() + std::ptrdiff_t(depths.size() / 2),
                         depths.end());
        if (!depths.empty() && end - k >= longRun && depths[depths.size() / 2] >= deepSurface)
            for (std::size_t j = k; j < end; ++j)
                border.push_back(lab.pixels[std::size_t(around[j % around.size()])]);
        k = end + 1;
    }
    constexpr double surfaceAlike = 12;
    std::vector<Lab> surfaces;
    while (surfaces.size() < 3 && !border.empty() && border.size() >= longRun) {
        const Lab surface = modeColour(border);
        surfaces.push_back(surface);
        std::erase_if(border,
                      [&](const Lab &p) { return objectDistance(p, surface) < surfaceAlike; });
    }
    if (!surfaces.empty()) {
        // Only what joins the frame's edge through such colours is that
        // surface: a band of the same colour lies within the body.
        Mask onSurface(lab.pixels.size(), 0);
        for (std::size_t i = 0; i < onSurface.size(); ++i)
            onSurface[i] = d.wideDistances[i] > d.threshold &&
                           std::any_of(surfaces.begin(), surfaces.end(), [&](const Lab &s) {
                               return deltaE76(lab.pixels[i], s) < d.threshold;
                           });
        d.surface = {Mask(lab.pixels.size(), 0), d.width, d.factor};
        Mask &seen = d.surface.flags;
        std::vector<int> stack(around.begin(), around.end());
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            if (seen[std::size_t(i)] || !onSurface[std::size_t(i)])
                continue;
            seen[std::size_t(i)] = 1;
            const int x = i % d.width, y = i / d.width;
            if (x > 0)
                stack.push_back(i - 1);
            if (x < d.width - 1)
                stack.push_back(i + 1);
            if (y > 0)
                stack.push_back(i - d.width);
            if (y < d.height - 1)
                stack.push_back(i + d.width);
        }
    }
}

} // namespace

LinearRgb sampleLinear(const RgbImage &image, double x, double y)
{
    const double fx = std::clamp(x - 0.5, 0.0, double(image.width - 1));
    const double fy = std::clamp(y - 0.5, 0.0, double(image.height - 1));
    const int x0 = int(fx), y0 = int(fy);
    const int x1 = std::min(x0 + 1, image.width - 1), y1 = std::min(y0 + 1, image.height - 1);
    const double tx = fx - x0, ty = fy - y0;
    LinearRgb out;
    const auto add = [&](int px, int py, double w) {
        const std::uint8_t *p = image.pixel(px, py);
        out.r += w * linearFromByte(p[0]);
        out.g += w * linearFromByte(p[1]);
        out.b += w * linearFromByte(p[2]);
    };
    add(x0, y0, (1 - tx) * (1 - ty));
    add(x1, y0, tx * (1 - ty));
    add(x0, y1, (1 - tx) * ty);
    add(x1, y1, tx * ty);
    return out;
}

bool inside(double width, double height, const Ends &ends)
{
    // Written so that NaN is outside too.
    const auto on = [width, height](const Point &p) {
        return p.x >= 0 && p.x <= width && p.y >= 0 && p.y <= height;
    };
    return on(ends.first) && on(ends.second);
}

Lab backgroundColour(const RgbImage &image)
{
    if (image.isEmpty())
        return {};
    return detect(image).backgrounds.overall;
}

namespace
{

// The body around a candidate, measured at full size. Strict: nothing where
// no body ends within reach of it.
std::optional<Body> bodyAt(const RgbImage &image, const Detection &d, const Candidate &best,
                           bool strict)
{
    // Along the axis at full size: where the span across falls below 0,6 of
    // the body's, the lead begins (a lead and its shadow reach half a small
    // body's width); where it grows past 1,8 times, the patch runs into
    // another surface. The centres of the spans straighten the axis.
    const double f = d.factor;
    double cx = best.cx * f, cy = best.cy * f;
    const double ux = best.ux, uy = best.uy;
    const double vx = -uy, vy = ux;
    const double reach = best.thickness * f * 1.5;
    const double halfLength = best.length * f * 0.5;
    Nearby around = d.backgrounds.near(best.cx, best.cy, best.wide);
    if (best.edges)
        around.surface = &d.surface;

    std::vector<double> ts;
    std::vector<Span> spans;
    // A light band across the body can split the patch found: look well
    // beyond it.
    const double scan = halfLength + 3.0 * best.thickness * f;
    for (double t = -scan; t <= scan; t += 1.0) {
        ts.push_back(t);
        spans.push_back(
            crossSpan(image, around, d.threshold, cx + t * ux, cy + t * uy, vx, vy, reach));
    }
    std::vector<double> central;
    for (std::size_t i = 0; i < ts.size(); ++i)
        if (std::abs(ts[i]) < halfLength * 0.5)
            central.push_back(spans[i].total());
    const double typical = median(central);
    if (typical <= 0)
        return std::nullopt;

    const auto centreIndex =
        std::size_t(std::min_element(ts.begin(), ts.end(),
                                     [](double a, double b) { return std::abs(a) < std::abs(b); }) -
                    ts.begin());
    // A light band (Beyaz, Gri) can look like the background all across the
    // body, in a warm light with the pale lacquer beside it too, and on a
    // small body it is longer than the body is thick: a stretch up to 0,7 of
    // the thickness or a fifth of the length is bridged, a lead is longer.
    // (The rig's photos in a warm light: 7 bodies found as one half at 0,4.)
    const int bridge = std::max({3, int(typical * 0.7), int(halfLength * 0.4)});
    const auto walk = [&](int step) {
        std::ptrdiff_t i = std::ptrdiff_t(centreIndex), last = i;
        int low = 0;
        while (i + step >= 0 && i + step < std::ptrdiff_t(ts.size())) {
            i += step;
            const double across = spans[std::size_t(i)].total();
            if (across >= typical * 0.6 && across <= typical * 1.8) {
                last = i;
                low = 0;
            } else if (++low > bridge) {
                break;
            }
        }
        return std::size_t(last);
    };
    const std::size_t firstIndex = walk(-1), lastIndex = walk(1);
    if (strict && (firstIndex == 0 || lastIndex + 1 == ts.size()))
        return std::nullopt;

    // The middle of each span, fitted by a straight line: the axis the
    // moments gave can lean off a bulging end.
    double sumT = 0, sumO = 0, sumTT = 0, sumTO = 0, count = 0;
    std::vector<double> thicknesses;
    for (std::size_t i = firstIndex; i <= lastIndex; ++i) {
        const double offset = (spans[i].positive - spans[i].negative) / 2;
        sumT += ts[i];
        sumO += offset;
        sumTT += ts[i] * ts[i];
        sumTO += ts[i] * offset;
        count += 1;
        thicknesses.push_back(spans[i].total());
    }
    double shift = 0, slope = 0;
    const double denominator = count * sumTT - sumT * sumT;
    if (count >= 3 && denominator > 0) {
        slope = (count * sumTO - sumT * sumO) / denominator;
        shift = (sumO - slope * sumT) / count;
    }
    const auto pointAt = [&](double t) {
        const double o = shift + slope * t;
        return Point{cx + t * ux + o * vx, cy + t * uy + o * vy};
    };

    Body body;
    body.ends = {pointAt(ts[firstIndex] - 0.5), pointAt(ts[lastIndex] + 0.5)};
    body.thickness = median(thicknesses);
    body.background = d.backgrounds.at(best.cx, best.cy);
    return body;
}

// Every patch of the masks against the near and the wide backgrounds,
// opened at each size.
void collectAll(const Detection &d, std::vector<Candidate> &candidates,
                std::vector<Candidate> &atEdge)
{
    Mask narrow;
    for (const int pass : {0, 1, 2}) {
        const bool wide = pass > 0, edges = pass == 2;
        if (edges && d.surface.flags.empty())
            break;
        const std::vector<double> &distances = wide ? d.wideDistances : d.distances;
        Mask mask(distances.size());
        for (std::size_t i = 0; i < mask.size(); ++i)
            mask[i] = distances[i] > d.threshold && !(edges && d.surface.flags[i]);
        // On one even surface the wide backgrounds mark the same pixels.
        if (pass == 1 && mask == narrow)
            continue;
        if (!wide)
            narrow = mask;
        std::vector<Candidate> found, foundAtEdge;
        for (const int size : {3, 5, 7, 9, 13, 17}) {
            const Mask opened = squareFilter(squareFilter(mask, d.width, d.height, size, true),
                                             d.width, d.height, size, false);
            collectCandidates(opened, distances, d.width, d.height, wide, edges, found,
                              foundAtEdge);
        }
        if (edges) {
            // Cut from a surface only where nothing was found without
            // cutting: where a body stood apart already, the cut can only
            // take a piece of it that shares the surface's colour. A patch
            // reaching the frame's edge off the surface (a close-up's body,
            // its leads out to the edges) outweighs the pieces cut.
            const auto covers = [](const Candidate &c, const Candidate &e) {
                const double dx = e.cx - c.cx, dy = e.cy - c.cy;
                return std::abs(dx * c.ux + dy * c.uy) < c.length / 2 &&
                       std::abs(dx * c.uy - dy * c.ux) < c.thickness / 2;
            };
            double atEdgeBest = 0;
            for (const Candidate &c : atEdge)
                if (!d.surface.at(c.cx * d.factor, c.cy * d.factor))
                    atEdgeBest = std::max(atEdgeBest, c.score);
            std::erase_if(found, [&](const Candidate &e) {
                return e.score < atEdgeBest ||
                       std::any_of(candidates.begin(), candidates.end(),
                                   [&](const Candidate &c) { return covers(c, e); });
            });
            foundAtEdge.clear();
        }
        candidates.insert(candidates.end(), found.begin(), found.end());
        atEdge.insert(atEdge.end(), foundAtEdge.begin(), foundAtEdge.end());
    }
}

// The body around the likeliest candidate that ends cleanly.
std::optional<Body> bestOf(const RgbImage &image, const Detection &d,
                           std::vector<Candidate> candidates, std::vector<Candidate> atEdge)
{
    // Patches reaching the frame's edge only where there are no others: a
    // close-up's body whose leads, enlarged, are too thick to open away.
    if (candidates.empty())
        candidates = std::move(atEdge);
    // The likeliest few, best first: a patch of the background that passes
    // for a body at low resolution shows no ends at full size.
    constexpr std::size_t tried = 8;
    const auto last = candidates.begin() + std::ptrdiff_t(std::min(tried, candidates.size()));
    std::partial_sort(candidates.begin(), last, candidates.end(),
                      [](const Candidate &a, const Candidate &b) { return a.score > b.score; });
    for (auto it = candidates.begin(); it != last; ++it) {
        // The same patch opened wider measures the same at full size;
        // against the other backgrounds its edges lie elsewhere.
        const bool again = std::any_of(candidates.begin(), it, [&](const Candidate &c) {
            return c.wide == it->wide && c.edges == it->edges &&
                   std::hypot(c.cx - it->cx, c.cy - it->cy) <
                       0.5 * std::min(c.thickness, it->thickness) &&
                   std::abs(c.ux * it->uy - c.uy * it->ux) < 0.2;
        });
        if (!again)
            if (auto body = bodyAt(image, d, *it, true))
                return body;
    }
    // None ends cleanly (a small body whose leads look as thick): the best
    // one, cut where the look ends.
    if (candidates.empty())
        return std::nullopt;
    return bodyAt(image, d, candidates.front(), false);
}

} // namespace

std::optional<Body> findBody(const RgbImage &image)
{
    if (image.isEmpty())
        return std::nullopt;
    Detection d = detect(image);
    markSurfaces(d);
    std::vector<Candidate> candidates, atEdge;
    collectAll(d, candidates, atEdge);
    // A part on a surface of nearly its own colour (a pale body on shaded
    // paper) stands out only by its bands: where nothing stands out, the
    // split is lowered by a quarter. A faint patch found so is as often a
    // lead's glint or the grain, long and a few pixels thin: it counts if
    // it is long enough to read, or shaped as a small body is (so that the
    // part is said to be too small, not missing).
    const bool faint = candidates.empty() && atEdge.empty();
    if (faint) {
        d.threshold *= 0.75;
        collectAll(d, candidates, atEdge);
    }
    const std::optional<Body> body = bestOf(image, d, std::move(candidates), std::move(atEdge));
    if (faint && body) {
        const double length = lengthOf(body->ends);
        // A lead a few pixels thick, however short, is no body.
        constexpr double thinnest = 8;
        const bool bodyShaped =
            length <= longestBody * body->thickness && body->thickness >= thinnest;
        if (length < minReadableLength && !bodyShaped)
            return std::nullopt;
    }
    return body;
}

// Along each line parallel to the axis within 0,6 of the thickness, how far
// its colours stray from their median: lines across the shadow or the
// background show no bands, lines across the body all show them. The body's
// middle is the middle of the lines that stray at least half as far as the
// most.
Body centredOnBands(const RgbImage &image, Body body)
{
    const Ends &e = body.ends;
    const double dx = e.second.x - e.first.x, dy = e.second.y - e.first.y;
    const double length = std::hypot(dx, dy);
    if (length < 8 || body.thickness < 4)
        return body;
    const double ux = dx / length, uy = dy / length, vx = -uy, vy = ux;
    constexpr int steps = 10; // each way from the axis
    const double reach = body.thickness * 0.6;
    const double along = std::max(1.0, length / 200);
    std::array<double, 2 * steps + 1> stray{};
    std::vector<double> L, A, B;
    std::vector<Lab> line;
    for (int k = -steps; k <= steps; ++k) {
        const double o = reach * k / steps;
        line.clear();
        L.clear();
        A.clear();
        B.clear();
        for (double t = length * 0.15; t <= length * 0.85; t += along) {
            const double x = e.first.x + t * ux + o * vx, y = e.first.y + t * uy + o * vy;
            if (x < 0 || y < 0 || x > image.width - 1 || y > image.height - 1)
                continue;
            const Lab c = labFromLinear(sampleLinear(image, x, y));
            line.push_back(c);
            L.push_back(c.L);
            A.push_back(c.a);
            B.push_back(c.b);
        }
        if (line.size() < 8)
            continue;
        const Lab middle{median(L), median(A), median(B)};
        double sum = 0;
        for (const Lab &c : line)
            sum += deltaE76(c, middle);
        stray[std::size_t(k + steps)] = sum / double(line.size());
    }
    const std::size_t most =
        std::size_t(std::max_element(stray.begin(), stray.end()) - stray.begin());
    // One band of contrast 30 over a tenth of the line strays 3 on average:
    // an axis that strays less shows no bands. (The rig's photos stray 8 or
    // more along their axes; phone photos whose axis ran along the shadow,
    // under 3.) Where no line shows bands, there is nothing to move to.
    constexpr double noBands = 3.0;
    if (stray[steps] >= noBands || stray[most] < noBands)
        return body;
    std::size_t from = most, to = most;
    while (from > 0 && stray[from - 1] >= stray[most] / 2)
        --from;
    while (to + 1 < stray.size() && stray[to + 1] >= stray[most] / 2)
        ++to;
    const double shift = reach * ((double(from) + double(to)) / 2 - steps) / steps;
    body.ends = {{e.first.x + shift * vx, e.first.y + shift * vy},
                 {e.second.x + shift * vx, e.second.y + shift * vy}};
    return body;
}

Body bodyBetween(const RgbImage &image, const Ends &ends, const Lab &background)
{
    Body body;
    body.ends = ends;
    body.background = background;
    const double dx = ends.second.x - ends.first.x, dy = ends.second.y - ends.first.y;
    const double length = std::hypot(dx, dy);
    if (length < 1 || image.isEmpty() || !inside(image.width, image.height, ends))
        return body;
    const double ux = dx / length, uy = dy / length, vx = -uy, vy = ux;
    const Detection d = detect(image);
    // Across the middle of the body: its thickness, and how far off its
    // middle line the marked one runs, as a straight line fitted through the
    // middles of the spans.
    std::vector<double> thicknesses;
    double sumT = 0, sumO = 0, sumTT = 0, sumTO = 0, count = 0;
    for (double t = length * 0.2; t <= length * 0.8; t += 1.0) {
        const Span s = crossSpan(image, Nearby{{background}, 1, nullptr}, d.threshold,
                                 ends.first.x + t * ux, ends.first.y + t * uy, vx, vy, length);
        thicknesses.push_back(s.total());
        const double offset = (s.positive - s.negative) / 2;
        sumT += t;
        sumO += offset;
        sumTT += t * t;
        sumTO += t * offset;
        count += 1;
    }
    body.thickness = std::clamp(median(thicknesses), 2.0, length * 0.6);
    const double denominator = count * sumTT - sumT * sumT;
    if (count >= 3 && denominator > 0) {
        const double slope = (count * sumTO - sumT * sumO) / denominator;
        const double shift = (sumO - slope * sumT) / count;
        const double atFirst = shift, atSecond = shift + slope * length;
        // Only a small correction: a marked line far off is the user's
        // choice, not a slip.
        if (std::abs(atFirst) < body.thickness / 2 && std::abs(atSecond) < body.thickness / 2)
            body.ends = {{ends.first.x + atFirst * vx, ends.first.y + atFirst * vy},
                         {ends.second.x + atSecond * vx, ends.second.y + atSecond * vy}};
    }
    return body;
}

} // namespace photo
