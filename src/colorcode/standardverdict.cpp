#include "colorcode/standardverdict.h"

#include "colorcode/valueentry.h"

#include <variant>

namespace colorcode
{

std::optional<StandardVerdict> standardVerdict(const ExactValue &value,
                                               std::int32_t toleranceHundredths, int bandCount)
{
    StandardVerdict verdict;
    verdict.value = normalised(value);
    if (verdict.value.digits.empty())
        return std::nullopt;
    verdict.set = seriesFor(toleranceHundredths);
    verdict.bandCount = bandCount;
    if (isInSeries(verdict.value, verdict.set.series))
        verdict.holder = verdict.set.series;
    else if (verdict.set.withE24 && isInSeries(verdict.value, Series::E24))
        verdict.holder = Series::E24;
    verdict.shown = std::holds_alternative<BandIndices>(bandsFor(verdict.value, bandCount));
    if (!verdict.standard() || !verdict.shown)
        verdict.nearest = nearestStandard(verdict.value, verdict.set, bandCount);
    return verdict;
}

std::optional<StandardVerdict> standardVerdict(std::span<const Colour> bands)
{
    const std::optional<BandReading> reading = readBands(bands);
    if (!reading)
        return std::nullopt;
    std::optional<StandardVerdict> verdict =
        standardVerdict(reading->value, reading->toleranceHundredths, int(bands.size()));
    if (verdict && !verdict->standard()) {
        const std::optional<BandReading> reverse = reverseHint(bands);
        if (reverse && compareValues(reverse->value, largestReverseHint) <= 0)
            verdict->reverse = reverse;
    }
    return verdict;
}

std::optional<StandardVerdict> standardVerdict(const BandSelection &selection)
{
    const std::vector<Colour> colours = selection.colours();
    if (colours.empty())
        return std::nullopt;
    return standardVerdict(colours);
}

} // namespace colorcode
