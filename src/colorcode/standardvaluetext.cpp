#include "colorcode/standardvaluetext.h"

#include "colorcode/readingdirection.h"
#include "colorcode/resistance.h"
#include "colorcode/standardvalues.h"

namespace colorcode
{

QString signedPercentText(std::int32_t hundredths, const QLocale &locale)
{
    const std::int64_t magnitude = hundredths < 0 ? -std::int64_t(hundredths) : hundredths;
    return (hundredths < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) +
           QString::number(magnitude / 100) + locale.decimalPoint() +
           QString::number(magnitude % 100).rightJustified(2, u'0') + QStringLiteral(" %");
}

QString seriesVerdict(const ExactValue &value, const SeriesSet &set)
{
    if (!isStandard(value, set))
        return seriesName(set) + QStringLiteral(" değil");
    const Series series = isInSeries(value, set.series) ? set.series : Series::E24;
    return seriesName(series) + QStringLiteral(" standart değeri");
}

QString neighbourText(const Neighbour &neighbour, const QLocale &locale)
{
    return valueText(neighbour.value, locale) + QStringLiteral(" (") +
           signedPercentText(neighbour.errorHundredths, locale) + u')';
}

QString standardValueLine(std::span<const Colour> bands, const QLocale &locale)
{
    const std::optional<BandReading> reading = readBands(bands);
    if (!reading || reading->value.digits.empty())
        return {};
    const SeriesSet set = seriesFor(reading->toleranceHundredths);
    QString line = seriesVerdict(reading->value, set);
    if (!isStandard(reading->value, set)) {
        const Nearest nearest = nearestStandard(reading->value, set, int(bands.size()));
        if (nearest.below || nearest.above)
            line += QStringLiteral("; en yakın: ");
        if (nearest.below)
            line += neighbourText(*nearest.below, locale);
        if (nearest.below && nearest.above)
            line += QStringLiteral(", ");
        if (nearest.above)
            line += neighbourText(*nearest.above, locale);
    }
    if (const std::optional<BandReading> hint = reverseHint(bands))
        line += QStringLiteral(". Ters yönden: ") + valueText(hint->value, locale) +
                QStringLiteral(" \u00B1 % ") + percentText(hint->toleranceHundredths, locale);
    return line;
}

QString cutNote(const ExactValue &typed, const ExactValue &shown, const QLocale &locale)
{
    if (normalised(typed) == normalised(shown))
        return {};
    return QStringLiteral("Yazılan ") + valueText(typed, locale) + QStringLiteral("; gösterilen ") +
           valueText(shown, locale);
}

} // namespace colorcode
