#include "colorcode/readingdirection.h"

#include "colorcode/standardvalues.h"

namespace colorcode
{

namespace
{

// The number of a colour in one role's list; nothing when that role has no
// entry for it.
std::optional<std::int32_t> numberIn(Role role, Colour colour)
{
    for (const BandEntry &entry : entriesOf(role))
        if (entry.colour == colour)
            return entry.number;
    return std::nullopt;
}

std::optional<BandReading> read(std::span<const Colour> bands, bool siyahFirst)
{
    const std::span<const Role> roles = rolesOf(int(bands.size()));
    if (roles.empty() || (!siyahFirst && bands[0] == Colour::Siyah))
        return std::nullopt;

    BandReading reading;
    for (std::size_t band = 0; band < roles.size(); ++band) {
        const std::optional<std::int32_t> number = numberIn(roles[band], bands[band]);
        if (!number)
            return std::nullopt;
        switch (roles[band]) {
        case Role::Digit:
            reading.value.digits += char('0' + *number);
            break;
        case Role::Multiplier:
            reading.value.powerOfTen = *number;
            break;
        case Role::Tolerance:
            reading.toleranceHundredths = *number;
            break;
        case Role::Coefficient:
            reading.ppmPerKelvin = *number;
            break;
        }
    }
    reading.value = normalised(reading.value);
    return reading;
}

bool isStandardReading(const BandReading &reading)
{
    return isStandard(reading.value, seriesFor(reading.toleranceHundredths));
}

} // namespace

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
