#include "colorcode/standardvaluetext.h"

#include "colorcode/readingdirection.h"
#include "colorcode/resistance.h"
#include "colorcode/standardvalues.h"

namespace colorcode
{

namespace
{

QString percentWithSign(bool negative, std::int64_t magnitude, const QLocale &locale)
{
    return (negative ? QStringLiteral("\u2212") : QStringLiteral("+")) +
           QString::number(magnitude / 100) + locale.decimalPoint() +
           QString::number(magnitude % 100).rightJustified(2, u'0') + QStringLiteral(" %");
}

} // namespace

QString seriesVerdict(const ExactValue &value, const SeriesSet &set)
{
    if (!isStandard(value, set))
        return seriesName(set) + QStringLiteral(" değil");
    const Series series = isInSeries(value, set.series) ? set.series : Series::E24;
    return seriesName(series) + QStringLiteral(" standart değeri");
}

QString neighbourText(const Neighbour &neighbour, bool below, const QLocale &locale)
{
    const std::int64_t magnitude = neighbour.errorHundredths < 0
                                       ? -std::int64_t(neighbour.errorHundredths)
                                       : neighbour.errorHundredths;
    return valueText(neighbour.value, locale) + QStringLiteral(" (") +
           percentWithSign(below, magnitude, locale) + u')';
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
            line += neighbourText(*nearest.below, true, locale);
        if (nearest.below && nearest.above)
            line += QStringLiteral(", ");
        if (nearest.above)
            line += neighbourText(*nearest.above, false, locale);
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
