#include "photo/bandprofile.h"

#include <algorithm>
#include <cmath>

namespace photo
{

namespace
{

double median(std::vector<double> &values)
{
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

} // namespace

Lab bodyColour(BodyKind kind)
{
    switch (kind) {
    case BodyKind::Blue:
        return {66, -6, -30};
    case BodyKind::Grey:
        return {80, -4, -6};
    case BodyKind::Beige:
        break;
    }
    return {72, 6, 24};
}

Profile sampleProfile(const RgbImage &image, const Body &body)
{
    Profile profile;
    const Ends &e = body.ends;
    const double dx = e.second.x - e.first.x, dy = e.second.y - e.first.y;
    const double length = std::hypot(dx, dy);
    if (length < 4)
        return profile;
    const double ux = dx / length, uy = dy / length, vx = -uy, vy = ux;
    const int count = std::clamp(int(std::lround(length)), 40, 400);
    // The middle of the body across: its edges show the background and the
    // lacquer's shading.
    const double half = std::max(1.0, body.thickness * 0.22);
    const double step = std::max(0.5, half / 6);
    std::vector<double> r, g, b;
    for (int i = 0; i < count; ++i) {
        const double t = (i + 0.5) / count * length;
        const double cx = e.first.x + t * ux, cy = e.first.y + t * uy;
        r.clear();
        g.clear();
        b.clear();
        for (double o = -half; o <= half + 1e-9; o += step) {
            const LinearRgb c = sampleLinear(image, cx + o * vx, cy + o * vy);
            r.push_back(c.r);
            g.push_back(c.g);
            b.push_back(c.b);
        }
        profile.raw.push_back({median(r), median(g), median(b)});
    }

    std::vector<Lab> rawLab;
    for (const LinearRgb &c : profile.raw)
        rawLab.push_back(labFromLinear(c));
    profile.rawBody = densestColour(rawLab, 7);
    return profile;
}

Profile asKind(const Profile &sampled, BodyKind kind)
{
    Profile profile = sampled;
    profile.kind = kind;
    // The light's cast and strength: the gains that turn the body's colour
    // as photographed into the lacquer's colour, per channel of linear light
    // (a cast scales each channel).
    const LinearRgb seen = linearFromLab(profile.rawBody);
    const LinearRgb wanted = linearFromLab(bodyColour(kind));
    const auto gain = [](double want, double have) {
        return std::clamp(want / std::max(have, 1e-4), 0.05, 40.0);
    };
    profile.gains = {gain(wanted.r, seen.r), gain(wanted.g, seen.g), gain(wanted.b, seen.b)};
    profile.corrected.clear();
    for (const LinearRgb &c : profile.raw)
        profile.corrected.push_back(
            labFromLinear({c.r * profile.gains.r, c.g * profile.gains.g, c.b * profile.gains.b}));
    return profile;
}

std::vector<Band> findBands(const Profile &profile)
{
    std::vector<Band> bands;
    const std::size_t n = profile.corrected.size();
    if (n < 10)
        return bands;
    const Lab body = bodyColour(profile.kind);
    std::vector<double> distance(n);
    for (std::size_t i = 0; i < n; ++i)
        distance[i] = deltaE76(profile.corrected[i], body);
    std::vector<double> smooth(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t a = i > 0 ? i - 1 : i, c = i + 1 < n ? i + 1 : i;
        smooth[i] = (distance[a] + distance[i] + distance[c]) / 3;
    }
    std::vector<double> sorted = smooth;
    std::sort(sorted.begin(), sorted.end());
    const double high = sorted[sorted.size() * 95 / 100];
    // Low enough to catch a faint Altın band; the reading decides which of
    // the faint ones are bands.
    // The body's own spread (noise, grain, a dim photo's amplified by the
    // correction) sets the floor. Ends taken too far (a bent lead, the
    // background beside a close-up's cap) raise it over the whole length
    // until a faint band falls under it; the middle two fifths are body
    // whatever the ends, but carry most of the bands, so the lower counts.
    std::vector<double> middle(smooth.begin() + std::ptrdiff_t(n * 3 / 10),
                               smooth.end() - std::ptrdiff_t(n * 3 / 10));
    const double typical = std::min(sorted[sorted.size() / 2], median(middle));
    const double threshold = std::max({5.0, high * 0.15, typical * 1.5});
    const std::size_t minWidth = std::max<std::size_t>(2, n / 60);

    // Runs above the threshold, split where the distance falls to less than
    // half of the peaks on both sides: two bands with a blurred gap.
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    std::size_t i = 0;
    while (i < n) {
        if (smooth[i] <= threshold) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < n && smooth[j] > threshold)
            ++j;
        runs.emplace_back(i, j);
        i = j;
    }
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const auto [from, to] = runs[r];
        std::size_t cut = 0;
        double deepest = 1;
        for (std::size_t k = from + 1; k + 1 < to; ++k) {
            const double left = *std::max_element(smooth.begin() + std::ptrdiff_t(from),
                                                  smooth.begin() + std::ptrdiff_t(k));
            const double right = *std::max_element(smooth.begin() + std::ptrdiff_t(k + 1),
                                                   smooth.begin() + std::ptrdiff_t(to));
            const double ratio = smooth[k] / std::min(left, right);
            if (ratio < 0.5 && ratio < deepest) {
                deepest = ratio;
                cut = k;
            }
        }
        if (cut) {
            runs[r] = {from, cut};
            runs.insert(runs.begin() + std::ptrdiff_t(r) + 1, {cut + 1, to});
            --r;
        }
    }

    for (const auto &[from, to] : runs) {
        // A run that reaches an end is the body's rounding off into the
        // lead and the background, not a band.
        if (to - from < minWidth || from == 0 || to == n)
            continue;
        // So is a run whose middle lies at the very end of the body: no
        // band is printed on the cap's rounding.
        const double middle = (double(from) + double(to)) / 2.0 / double(n);
        if (middle < 0.06 || middle > 0.94)
            continue;
        // The band's colour from its middle: its edges blur into the body.
        const std::size_t inset = (to - from) / 4;
        std::vector<double> L, A, B, r, g, b;
        for (std::size_t k = from + inset; k < to - inset; ++k) {
            L.push_back(profile.corrected[k].L);
            A.push_back(profile.corrected[k].a);
            B.push_back(profile.corrected[k].b);
            r.push_back(profile.raw[k].r);
            g.push_back(profile.raw[k].g);
            b.push_back(profile.raw[k].b);
        }
        Band band;
        band.start = double(from) / double(n);
        band.end = double(to) / double(n);
        band.colour = {median(L), median(A), median(B)};
        band.raw = {median(r), median(g), median(b)};
        band.contrast = deltaE76(band.colour, body);
        bands.push_back(band);
    }
    return bands;
}

} // namespace photo
