#include "colorcode/readingdirection.h"

#include "colorcode/standardvalues.h"

namespace colorcode
{

namespace
{

// The number of a colour in one role's list; nothing when that role has no
// entry for it.
template <std::size_t n>
std::optional<std::int32_t> numberIn(const std::array<BandEntry, n> &list, Colour colour)
{
    for (const BandEntry &entry : list)
        if (entry.colour == colour)
            return entry.number;
    return std::nullopt;
}

std::optional<BandReading> read(std::span<const Colour> bands, bool siyahFirst)
{
    if (bands.size() < std::size_t(minBandCount) || bands.size() > std::size_t(maxBandCount))
        return std::nullopt;
    const std::size_t digitCount = std::size_t(digitBandsFor(int(bands.size())));
    if (!siyahFirst && bands[0] == Colour::Siyah)
        return std::nullopt;

    BandReading reading;
    for (std::size_t i = 0; i < digitCount; ++i) {
        const std::optional<std::int32_t> digit = numberIn(colourList, bands[i]);
        if (!digit)
            return std::nullopt;
        reading.value.digits += char('0' + *digit);
    }
    const auto power = numberIn(multiplierList, bands[digitCount]);
    const auto tolerance = numberIn(toleranceList, bands[digitCount + 1]);
    if (!power || !tolerance)
        return std::nullopt;
    reading.value.powerOfTen = *power;
    reading.value = normalised(reading.value);
    reading.toleranceHundredths = *tolerance;
    if (bands.size() == 6) {
        reading.ppmPerKelvin = numberIn(coefficientList, bands[5]);
        if (!reading.ppmPerKelvin)
            return std::nullopt;
    }
    return reading;
}

bool isStandardReading(const BandReading &reading)
{
    return isStandard(reading.value, seriesFor(reading.toleranceHundredths));
}

} // namespace

std::vector<Colour> bandColours(std::span<const int> digits, int multiplier, int tolerance,
                                std::optional<int> coefficient)
{
    std::vector<Colour> colours;
    const auto add = [&colours](const auto &list, int index) {
        if (index < 0 || std::size_t(index) >= list.size())
            return false;
        colours.push_back(list[std::size_t(index)].colour);
        return true;
    };
    for (const int digit : digits)
        if (!add(colourList, digit))
            return {};
    if (!add(multiplierList, multiplier) || !add(toleranceList, tolerance) ||
        (coefficient && !add(coefficientList, *coefficient)))
        return {};
    return colours;
}

std::optional<BandReading> readBands(std::span<const Colour> bands)
{
    return read(bands, true);
}

std::optional<BandReading> readFromOtherEnd(std::span<const Colour> bands)
{
    std::vector<Colour> reversed(bands.rbegin(), bands.rend());
    return read(reversed, false);
}

std::optional<BandReading> reverseHint(std::span<const Colour> bands)
{
    // A zero-ohm link has no standard value from either end.
    const std::optional<BandReading> forward = readBands(bands);
    if (!forward || forward->value.digits.empty() || isStandardReading(*forward))
        return std::nullopt;
    std::optional<BandReading> reverse = readFromOtherEnd(bands);
    if (!reverse || !isStandardReading(*reverse))
        return std::nullopt;
    return reverse;
}

} // namespace colorcode
