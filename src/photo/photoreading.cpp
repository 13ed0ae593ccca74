#include "photo/photoreading.h"

#include "colorcode/standardvalues.h"
#include "photo/bandprofile.h"
#include "photo/confidencetable.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <span>

namespace photo
{

using colorcode::Colour;

namespace
{

// How each band colour looks on a body whose lacquer has been brought to
// its neutral colour (bodyColour): round figures for paint under even
// light. Altın and Gümüş are metallic: their colour depends on the light's
// angle more than any paint's, so each has a second look.
struct Look {
    Colour colour;
    Lab lab;
};
constexpr Look looks[] = {
    {Colour::Siyah, {25, 2, 6}},     {Colour::Kahverengi, {38, 22, 22}},
    {Colour::Kirmizi, {48, 55, 32}}, {Colour::Turuncu, {62, 40, 55}},
    {Colour::Sari, {78, 0, 70}},     {Colour::Yesil, {42, -25, 5}},
    {Colour::Mavi, {35, 4, -32}},    {Colour::Mor, {42, 20, -28}},
    {Colour::Gri, {62, -2, 2}},      {Colour::Beyaz, {86, 0, 8}},
    {Colour::Altin, {62, 10, 38}},   {Colour::Altin, {52, 8, 30}},
    {Colour::Gumus, {68, 0, 2}},     {Colour::Gumus, {80, -2, 0}},
    {Colour::Pembe, {68, 38, 8}},
};

constexpr int colourCount = 13; // every colour but Renksiz

// Hue counts most. Lightness counts less: glare and shading change it along
// a band. Chroma counts less between two vivid colours: the same paint looks
// more or less vivid from camera to camera, but keeps its hue; between a
// vivid colour and a dull one (gold and white) it counts in full.
double lookDistance(const Lab &x, const Lab &y)
{
    const double dL = (x.L - y.L) * 0.6;
    const double cx = chroma(x), cy = chroma(y);
    const double dC = (cx - cy) / (1.0 + 0.02 * std::min(cx, cy));
    const double dH2 = std::max(0.0, (x.a - y.a) * (x.a - y.a) + (x.b - y.b) * (x.b - y.b) -
                                         (cx - cy) * (cx - cy));
    return std::sqrt(dL * dL + dC * dC + dH2);
}

// How much of a band's paint its middle shows: a thin band, or a blurred
// photo, mixes it with the lacquer beside it. Light mixes linearly, so the
// band is seen as `paint` parts of its look and the rest lacquer.
Lab mixed(const Lab &look, const Lab &lacquer, double paint)
{
    const LinearRgb a = linearFromLab(look), b = linearFromLab(lacquer);
    return labFromLinear({paint * a.r + (1 - paint) * b.r, paint * a.g + (1 - paint) * b.g,
                          paint * a.b + (1 - paint) * b.b});
}

// The cost of each colour for a band `width` samples wide: the squared
// distance to its nearest look, mixed with the lacquer as far as fits best,
// in units of the spread a band's colour shows between photos; the less
// paint, the more it costs. Bands twelve samples wide or more show their
// paint whole; at four or fewer, as little as 40 % of it (the rig's photos
// made smaller, and the phone's, read best so).
std::array<double, colourCount> colourCosts(const Lab &lab, const Lab &lacquer, double width)
{
    std::array<double, colourCount> costs;
    costs.fill(1e9);
    constexpr double spread = 10.0;
    constexpr double wholePaintWidth = 12, thinWidth = 4, leastPaintSeen = 0.4;
    const double leastPaint =
        std::clamp((width - thinWidth) / (wholePaintWidth - thinWidth), leastPaintSeen, 1.0);
    constexpr double lessPaintCost = 2.0;
    constexpr int steps = 6;
    for (const Look &look : looks) {
        for (int k = 0; k <= steps; ++k) {
            const double paint = 1.0 - (1.0 - leastPaint) * k / steps;
            const double d =
                lookDistance(lab, k ? mixed(look.lab, lacquer, paint) : look.lab) / spread;
            double &c = costs[std::size_t(look.colour)];
            c = std::min(c, 0.5 * d * d + lessPaintCost * (1.0 - paint));
        }
    }
    return costs;
}

enum class Role { FirstDigit, Digit, Multiplier, Tolerance, Coefficient };

template <std::size_t n> bool inList(const std::array<colorcode::BandEntry, n> &list, Colour colour)
{
    return std::any_of(list.begin(), list.end(),
                       [colour](const colorcode::BandEntry &e) { return e.colour == colour; });
}

bool allowed(Role role, Colour colour)
{
    switch (role) {
    case Role::FirstDigit:
    case Role::Digit:
        return inList(colorcode::colourList, colour);
    case Role::Multiplier:
        return inList(colorcode::multiplierList, colour);
    case Role::Tolerance:
        return inList(colorcode::toleranceList, colour) && colour != Colour::Renksiz;
    case Role::Coefficient:
        return inList(colorcode::coefficientList, colour);
    }
    return false;
}

struct Cost {
    Colour colour;
    double cost;
};

// The tolerance bands of real parts, as extra cost, by their digit count:
// two digits mostly end in Altın or Gümüş, three in Kahverengi or Kırmızı;
// the finest tolerances are rare. A metal film part (blue lacquer) with two
// digits is mostly a ± 1 % one.
constexpr Cost twoDigitTolerances[] = {
    {Colour::Altin, 0.0}, {Colour::Gumus, 0.5}, {Colour::Kahverengi, 1.5}, {Colour::Kirmizi, 1.5}};
constexpr Cost twoDigitMetalFilmTolerances[] = {
    {Colour::Kahverengi, 0.0}, {Colour::Altin, 0.5}, {Colour::Kirmizi, 1.0}, {Colour::Gumus, 1.5}};
constexpr Cost threeDigitTolerances[] = {
    {Colour::Kahverengi, 0.0}, {Colour::Kirmizi, 0.0}, {Colour::Altin, 1.0}, {Colour::Gumus, 1.0},
    {Colour::Yesil, 1.5},      {Colour::Mavi, 1.5},    {Colour::Mor, 1.5}};
struct TolerancePrior {
    int digits;
    bool metalFilm;
    std::span<const Cost> costs;
};
constexpr TolerancePrior tolerancePriors[] = {{2, false, twoDigitTolerances},
                                              {2, true, twoDigitMetalFilmTolerances},
                                              {3, false, threeDigitTolerances},
                                              {3, true, threeDigitTolerances}};
constexpr double rareTolerance = 3.0;

// The digit count each kind of body mostly carries: carbon film (beige)
// parts two (four bands), metal film (blue) ones three, power parts
// (blue-grey) two.
struct KindPrior {
    BodyKind kind;
    int digits;
};
constexpr KindPrior kindPriors[] = {{BodyKind::Beige, 2}, {BodyKind::Blue, 3}, {BodyKind::Grey, 2}};
constexpr double unusualForKind = 2.0;

double kindCost(BodyKind kind, int bandCount)
{
    for (const KindPrior &p : kindPriors)
        if (p.kind == kind)
            return p.digits == colorcode::digitBandsFor(bandCount) ? 0.0 : unusualForKind;
    return 0.0;
}

// What real parts carry, as extra cost: a first digit is never Siyah;
// Pembe and Gümüş multipliers are rare; the tolerances as above.
double prior(Role role, Colour colour, int bandCount, BodyKind kind)
{
    switch (role) {
    case Role::FirstDigit:
        return colour == Colour::Siyah ? 6.0 : 0.0;
    case Role::Multiplier:
        return colour == Colour::Pembe ? 2.5 : colour == Colour::Gumus ? 1.0 : 0.0;
    case Role::Tolerance:
        for (const TolerancePrior &p : tolerancePriors)
            if (p.digits == colorcode::digitBandsFor(bandCount) &&
                p.metalFilm == (kind == BodyKind::Blue))
                for (const Cost &c : p.costs)
                    if (c.colour == colour)
                        return c.cost;
        return rareTolerance;
    default:
        return 0.0;
    }
}

// The roles of a band count's bands, the first digit apart: it is never
// Siyah.
std::vector<Role> rolesFor(int bandCount)
{
    std::vector<Role> roles;
    for (const colorcode::Role r : colorcode::rolesOf(bandCount)) {
        switch (r) {
        case colorcode::Role::Digit:
            roles.push_back(roles.empty() ? Role::FirstDigit : Role::Digit);
            break;
        case colorcode::Role::Multiplier:
            roles.push_back(Role::Multiplier);
            break;
        case colorcode::Role::Tolerance:
            roles.push_back(Role::Tolerance);
            break;
        case colorcode::Role::Coefficient:
            roles.push_back(Role::Coefficient);
            break;
        }
    }
    return roles;
}

struct Choice {
    Colour colour;
    double cost;
};

// The few likeliest colours of a band in a role, cheapest first.
std::vector<Choice> choicesFor(const std::array<double, colourCount> &costs, Role role,
                               int bandCount, BodyKind kind, std::size_t keep)
{
    std::vector<Choice> choices;
    for (int c = 0; c < colourCount; ++c)
        if (allowed(role, Colour(c)))
            choices.push_back(
                {Colour(c), costs[std::size_t(c)] + prior(role, Colour(c), bandCount, kind)});
    std::sort(choices.begin(), choices.end(),
              [](const Choice &x, const Choice &y) { return x.cost < y.cost; });
    if (choices.size() > keep)
        choices.resize(keep);
    return choices;
}

// A reading considered: which found bands, in which order, as which colours.
struct Candidate {
    double cost = 0;
    std::size_t lacquer = 0;        // which lacquer the colours were read against
    std::vector<std::size_t> order; // indices into the found bands, first digit first
    std::vector<Colour> colours;    // Renksiz last for three bands
    colorcode::BandReading value;
};

// The values parts are made in, 0,1 Ohm to 100 Mega Ohm: a reading outside
// them must fit the colours much better than one inside to come first.
bool madeAsPart(const colorcode::ExactValue &value)
{
    static const colorcode::ExactValue smallest = colorcode::normalised({"1", -1});
    static const colorcode::ExactValue largest = colorcode::normalised({"1", 8});
    return colorcode::compareValues(value, smallest) >= 0 &&
           colorcode::compareValues(value, largest) <= 0;
}
constexpr double offSeries = 3.0, notMade = 3.0;

// How often a first reading with this share and colour fit was right on
// the measured photos, in percent.
int firstConfidence(double share, double fit)
{
    std::size_t s = 0, f = 0;
    for (const double edge : confidenceShareEdges)
        s += share >= edge;
    for (const double edge : confidenceFitEdges)
        f += fit >= edge;
    return confidenceTable[s][f];
}

// A band's likeliest colours with their probabilities: each allowed
// colour's likelihood over all of them, the cost being its negative log.
std::vector<std::pair<Colour, double>> alternativesOf(const std::array<double, colourCount> &costs,
                                                      Role role, int bandCount, BodyKind kind)
{
    const std::vector<Choice> all = choicesFor(costs, role, bandCount, kind, colourCount);
    std::vector<std::pair<Colour, double>> out;
    if (all.empty())
        return out;
    double total = 0;
    for (const Choice &c : all)
        total += std::exp(all.front().cost - c.cost);
    for (std::size_t i = 0; i < all.size() && i < 3; ++i)
        out.emplace_back(all[i].colour, std::exp(all.front().cost - all[i].cost) / total);
    return out;
}

// No lamp or camera turns a lacquer that far: a beige body that looks sky
// blue is a blue body. The cast is how far apart the channels' gains lie
// (exposure aside); on the shared photos the lacquer read right needed
// at most 1,7.
double lacquerCastCost(const LinearRgb &gains)
{
    const double cast =
        std::log(std::max({gains.r, gains.g, gains.b}) / std::min({gains.r, gains.g, gains.b}));
    constexpr double freeCast = 1.8, perCast = 4.0;
    const double beyond = std::max(0.0, cast - freeCast);
    return perCast * beyond * beyond;
}

// The lacquer in shadow: a line no darker than 0,65 of the lacquer's
// lightness with the lacquer's own hue at that lightness (light scaled, its
// chromaticity kept), as where a power part's cap steps down to the
// lacquer. Leaving one out costs no more than leaving out a faint band: no
// paint but a dim Altın or Kahverengi looks so, and those the reading keeps
// where they fit.
bool looksLikeShade(const Lab &band, const Lab &lacquer)
{
    if (band.L >= lacquer.L || band.L < 0.65 * lacquer.L)
        return false;
    const auto luminance = [](double L) {
        const double f = (L + 16) / 116;
        return L > 8 ? f * f * f : L / 903.3;
    };
    const double scale = luminance(band.L) / luminance(lacquer.L);
    const LinearRgb lit = linearFromLab(lacquer);
    const Lab shade = labFromLinear({lit.r * scale, lit.g * scale, lit.b * scale});
    constexpr double sameHue = 6;
    return std::hypot(band.a - shade.a, band.b - shade.b) < sameHue;
}
constexpr double shadeSkipCost = 2.0;

// The digit and multiplier bands are printed at one pitch: where the
// widest step between them is more than 1,4 times the narrowest (the most
// the rig's photos read right show), one of them is likelier a mark, a
// ridge or a cap's edge.
double pitchCost(const std::vector<Band> &found, const std::vector<std::size_t> &order,
                 int bandCount)
{
    const std::size_t evenBands =
        std::min(order.size(), std::size_t(colorcode::digitBandsFor(bandCount)) + 1);
    double widest = 0, narrowest = 1;
    for (std::size_t k = 0; k + 1 < evenBands; ++k) {
        const Band &a = found[order[k]], &b = found[order[k + 1]];
        const double pitch = std::abs((b.start + b.end) - (a.start + a.end)) / 2;
        widest = std::max(widest, pitch);
        narrowest = std::min(narrowest, pitch);
    }
    constexpr double evenEnough = 1.4, perUneven = 8.0;
    return perUneven * std::max(0.0, widest / std::max(narrowest, 1e-3) - evenEnough);
}

// Above this distance from the body's colour a band is plainly there.
constexpr double plainContrast = 12.0;

// The bands of a profile read against its lacquer: what was found, each
// band's colour costs, and every reading the rules allow with its cost.
struct ReadAgainst {
    std::vector<Band> found;
    std::vector<std::array<double, colourCount>> costs;
};

void readAgainst(const Profile &profile, std::size_t lacquerIndex, ReadAgainst &read,
                 std::vector<Candidate> &candidates)
{
    std::vector<Band> &found = read.found;
    found = findBands(profile);
    if (found.size() < std::size_t(colorcode::bandsWithoutTolerance))
        return;
    // The strongest eight: more are glare and dirt.
    if (found.size() > 8) {
        std::vector<Band> strongest = found;
        std::nth_element(strongest.begin(), strongest.begin() + 7, strongest.end(),
                         [](const Band &x, const Band &y) { return x.contrast > y.contrast; });
        const double least = strongest[7].contrast;
        std::erase_if(found, [least](const Band &b) { return b.contrast < least; });
        found.resize(std::min<std::size_t>(found.size(), 8));
    }
    const std::size_t n = found.size();
    const Lab lacquer = bodyColour(profile.kind);
    const double castCost = lacquerCastCost(profile.gains);
    std::vector<std::array<double, colourCount>> &costs = read.costs;
    for (const Band &b : found)
        costs.push_back(
            colourCosts(b.colour, lacquer, (b.end - b.start) * double(profile.raw.size())));

    // Leaving a found band out costs by how plainly it stands out. Lighter
    // than the lacquer, its lightness counts half: glare on a cap or a
    // ridge looks so, and hardly any paint is lighter than the lacquer.
    std::vector<double> skipCost;
    constexpr double lighterCounts = 0.5;
    for (const Band &b : found) {
        const double dL = b.colour.L - lacquer.L;
        const double lighter = dL > 0 ? lighterCounts * dL : dL;
        const double plain = std::hypot(lighter, b.colour.a - lacquer.a, b.colour.b - lacquer.b);
        double cost = (plain / 8.0) * (plain / 8.0);
        if (looksLikeShade(b.colour, lacquer))
            cost = std::min(cost, shadeSkipCost);
        skipCost.push_back(cost);
    }

    // Every choice of which found bands are bands (3 to 6 of them), read
    // from either end.
    for (unsigned subset = 0; subset < (1u << n); ++subset) {
        const int chosen = std::popcount(subset);
        if (chosen < colorcode::bandsWithoutTolerance || chosen > colorcode::maxBandCount)
            continue;
        const bool toleranceSeen = chosen != colorcode::bandsWithoutTolerance;
        double skipped = 0;
        std::vector<std::size_t> members;
        for (std::size_t i = 0; i < n; ++i) {
            if (subset & (1u << i))
                members.push_back(i);
            else
                skipped += skipCost[i];
        }
        const int bandCount = colorcode::readingBandCount(chosen);
        const std::vector<Role> roles = rolesFor(bandCount);

        for (const bool reverse : {false, true}) {
            std::vector<std::size_t> order = members;
            if (reverse)
                std::reverse(order.begin(), order.end());

            // The tolerance band stands apart: the gap before it is wider
            // than the others; read the wrong way, the first gap is.
            double gapCost = 0;
            if (toleranceSeen) {
                std::vector<double> gaps;
                for (std::size_t k = 0; k + 1 < members.size(); ++k)
                    gaps.push_back(found[members[k + 1]].start - found[members[k]].end);
                if (reverse)
                    std::reverse(gaps.begin(), gaps.end());
                const std::size_t toleranceGap = std::size_t(colorcode::digitBandsFor(bandCount));
                double widestOther = 0, sumOther = 0;
                for (std::size_t k = 0; k < gaps.size(); ++k)
                    if (k != toleranceGap) {
                        widestOther = std::max(widestOther, gaps[k]);
                        sumOther += gaps[k];
                    }
                const double meanOther = std::max(sumOther / double(gaps.size() - 1), 0.01);
                const double apart = (gaps[toleranceGap] - widestOther) / meanOther;
                gapCost -= 2.0 * std::clamp(apart, -1.0, 1.0);
            } else {
                // Three bands: the missing tolerance band would lie on the
                // side with more room.
                const double before = found[members.front()].start;
                const double after = 1.0 - found[members.back()].end;
                if ((reverse ? before : after) < (reverse ? after : before))
                    gapCost += 1.5;
            }

            gapCost += pitchCost(found, order, bandCount);

            // The likeliest colours per band, every combination: fewer of
            // each beyond the fewest bands, so that the combinations stay
            // few.
            const std::size_t keep = chosen > colorcode::minBandCount ? 2 : 3;
            std::vector<std::vector<Choice>> perBand;
            for (std::size_t k = 0; k < order.size(); ++k)
                perBand.push_back(
                    choicesFor(costs[order[k]], roles[k], bandCount, profile.kind, keep));
            std::vector<std::size_t> pick(order.size(), 0);
            while (true) {
                std::vector<Colour> colours;
                double cost = skipped + gapCost;
                for (std::size_t k = 0; k < order.size(); ++k) {
                    colours.push_back(perBand[k][pick[k]].colour);
                    cost += perBand[k][pick[k]].cost;
                }
                if (!toleranceSeen)
                    colours.push_back(Colour::Renksiz);
                if (const auto value = colorcode::readBands(colours)) {
                    // Three bands seen are likelier a part whose tolerance
                    // band is too faint to see than a ± 20 % one: its value
                    // is looked for among the ± 5 % values, not only the
                    // ± 20 % ones.
                    const colorcode::SeriesSet series =
                        toleranceSeen ? colorcode::seriesFor(value->toleranceHundredths)
                                      : colorcode::SeriesSet{colorcode::Series::E24};
                    if (!colorcode::isStandard(value->value, series))
                        cost += offSeries;
                    if (!madeAsPart(value->value))
                        cost += notMade;
                    if (!toleranceSeen)
                        cost += 4.0; // parts without a tolerance band are rare
                    cost += kindCost(profile.kind, bandCount) + castCost;
                    candidates.push_back({cost, lacquerIndex, order, colours, *value});
                }
                std::size_t k = 0;
                while (k < pick.size() && ++pick[k] >= perBand[k].size())
                    pick[k++] = 0;
                if (k == pick.size())
                    break;
            }
        }
    }
}

} // namespace

std::vector<Colour> Reading::colours() const
{
    std::vector<Colour> out;
    for (const ReadBand &b : bands)
        out.push_back(b.colour);
    return out;
}

PhotoReading readPhoto(const RgbImage &image, std::optional<Ends> givenEnds)
{
    PhotoReading result;
    if (image.isEmpty())
        return result;
    std::optional<Body> body;
    if (givenEnds) {
        // Ends off the image would make the work grow with them.
        if (!inside(image.width, image.height, *givenEnds))
            return result;
        body = bodyBetween(image, *givenEnds, backgroundColour(image));
        result.endsGiven = true;
    } else {
        body = findBody(image);
    }
    if (!body)
        return result;
    result.ends = givenEnds ? *givenEnds : body->ends;
    result.thickness = body->thickness;
    result.length = lengthOf(body->ends);
    if (result.length < minReadableLength) {
        result.tooSmall = true;
        return result;
    }
    if (!givenEnds) {
        body = centredOnBands(image, *body);
        result.ends = body->ends;
    }

    // The lacquer's colour cannot be told from the photo: a beige lacquer
    // under a bluish light looks grey, a blue-grey one under a warm light
    // beige. The body is read against each kind of lacquer and the bands
    // decide: against the wrong one, their colours fit no reading well.
    const Profile sampled = sampleProfile(image, *body);
    std::vector<Profile> lacquers;
    for (const BodyKind kind : lacquerKinds)
        lacquers.push_back(asKind(sampled, kind));
    std::vector<ReadAgainst> reads(lacquers.size());
    std::vector<Candidate> candidates;
    for (std::size_t i = 0; i < lacquers.size(); ++i)
        readAgainst(lacquers[i], i, reads[i], candidates);

    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate &x, const Candidate &y) { return x.cost < y.cost; });
    // Each value's share of the likelihood, its best reading standing for it.
    std::vector<const Candidate *> perValue;
    for (const Candidate &c : candidates)
        if (std::none_of(perValue.begin(), perValue.end(),
                         [&c](const Candidate *p) { return p->value.value == c.value.value; }))
            perValue.push_back(&c);
    double total = 0;
    for (const Candidate *c : perValue)
        total += std::exp(perValue.front()->cost - c->cost);

    for (std::size_t i = 0; i < perValue.size() && i < 3; ++i) {
        const Candidate &c = *perValue[i];
        const std::vector<Band> &found = reads[c.lacquer].found;
        const std::vector<std::array<double, colourCount>> &costs = reads[c.lacquer].costs;
        const BodyKind kind = lacquers[c.lacquer].kind;
        Reading r;
        r.bandCount = int(c.colours.size());
        r.value = c.value;
        r.share = std::exp(perValue.front()->cost - c.cost) / total;
        for (std::size_t k = 0; k < c.order.size(); ++k)
            r.fit += costs[c.order[k]][std::size_t(c.colours[k])] / double(c.order.size());
        r.fromSecondEnd = c.order.size() > 1 && c.order.front() > c.order.back();
        const std::vector<Role> roles = rolesFor(r.bandCount);
        for (std::size_t k = 0; k < c.order.size(); ++k) {
            const Band &b = found[c.order[k]];
            ReadBand rb;
            rb.colour = c.colours[k];
            rb.sampled = {byteFromLinear(b.raw.r), byteFromLinear(b.raw.g),
                          byteFromLinear(b.raw.b)};
            rb.position = (b.start + b.end) / 2;
            // Doubtful: faint, or another colour its place allows fits
            // nearly as well.
            const std::vector<Choice> best =
                choicesFor(costs[c.order[k]], roles[k], r.bandCount, kind, 2);
            rb.doubtful = b.contrast < plainContrast ||
                          (best.size() > 1 && best[1].cost - best[0].cost < 1.0);
            rb.alternatives = alternativesOf(costs[c.order[k]], roles[k], r.bandCount, kind);
            r.bands.push_back(rb);
        }
        if (c.colours.size() > c.order.size()) {
            // No tolerance band: where it would be, past the last band.
            const Band &last = found[c.order.back()];
            ReadBand none;
            none.colour = Colour::Renksiz;
            none.seen = false;
            none.alternatives = {{Colour::Renksiz, 1.0}};
            none.position =
                r.fromSecondEnd ? std::max(0.0, last.start - 0.1) : std::min(1.0, last.end + 0.1);
            r.bands.push_back(none);
        }
        result.readings.push_back(std::move(r));
    }
    // The first reading's confidence is what was measured for its share and
    // fit; what it leaves goes to the others by their shares.
    if (!result.readings.empty()) {
        Reading &first = result.readings.front();
        first.confidence = firstConfidence(first.share, first.fit);
        const double rest = 1.0 - first.share;
        for (std::size_t i = 1; i < result.readings.size(); ++i)
            result.readings[i].confidence =
                rest > 0 ? int((100 - *first.confidence) * result.readings[i].share / rest) : 0;
    }
    return result;
}

} // namespace photo
