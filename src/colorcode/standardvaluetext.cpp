#include "colorcode/standardvaluetext.h"

#include "colorcode/resistance.h"
#include "colorcode/standardvalues.h"
#include "numbers/exactnumber.h"

namespace colorcode
{

namespace
{

const QChar noBreak(0x00A0);

QString percentWithSign(bool negative, std::int64_t magnitude, const QLocale &locale, QChar space)
{
    const QString sign = negative ? QStringLiteral("\u2212") : QStringLiteral("+");
    if (magnitude >= errorLimitHundredths)
        return (negative ? QStringLiteral("<") : QStringLiteral(">")) + space + sign +
               QString::number(errorLimitHundredths / 100) + space + u'%';
    return sign + numbers::text(numbers::fromUnits(std::uint64_t(magnitude), 2), locale, 2) +
           space + u'%';
}

QString reverseText(const BandReading &reading, const QLocale &locale, QChar space)
{
    return QStringLiteral("Ters yönden: ") + valueText(reading.value, locale) + u' ' +
           QStringLiteral("\u00B1") + space + u'%' + space +
           percentText(reading.toleranceHundredths, locale);
}

bool hasNeighbours(const StandardVerdict &verdict)
{
    return verdict.nearest.below || verdict.nearest.above;
}

} // namespace

QString verdictHeadline(const StandardVerdict &verdict)
{
    if (!verdict.standard())
        return seriesName(verdict.set) + QStringLiteral(" değil");
    if (!verdict.shown)
        return seriesName(*verdict.holder) + QStringLiteral(" değeri; ") +
               QString::number(verdict.bandCount) + QStringLiteral(" bant gösteremez");
    return seriesName(*verdict.holder) + QStringLiteral(" standart değeri");
}

QString neighbourText(const Neighbour &neighbour, bool below, const QLocale &locale, QChar space)
{
    const std::int64_t magnitude =
        neighbour.errorHundredths < 0 ? -neighbour.errorHundredths : neighbour.errorHundredths;
    return valueText(neighbour.value, locale) + QStringLiteral(" (") +
           percentWithSign(below, magnitude, locale, space) + u')';
}

QStringList verdictLines(const StandardVerdict &verdict, const QLocale &locale)
{
    QStringList lines{verdictHeadline(verdict)};
    if (hasNeighbours(verdict))
        lines.back() += QStringLiteral("; en yakın:");
    if (verdict.nearest.below)
        lines << neighbourText(*verdict.nearest.below, true, locale, noBreak);
    if (verdict.nearest.above)
        lines << neighbourText(*verdict.nearest.above, false, locale, noBreak);
    if (verdict.reverse)
        lines << reverseText(*verdict.reverse, locale, noBreak);
    return lines;
}

QString verdictSpeech(const StandardVerdict &verdict, const QLocale &locale)
{
    QString line = verdictHeadline(verdict);
    QStringList neighbours;
    if (verdict.nearest.below)
        neighbours << neighbourText(*verdict.nearest.below, true, locale);
    if (verdict.nearest.above)
        neighbours << neighbourText(*verdict.nearest.above, false, locale);
    if (!neighbours.isEmpty())
        line += QStringLiteral("; en yakın: ") + neighbours.join(QStringLiteral(", "));
    if (verdict.reverse)
        line += QStringLiteral(". ") + reverseText(*verdict.reverse, locale, u' ');
    return line;
}

QString standardValueLine(std::span<const Colour> bands, const QLocale &locale)
{
    const std::optional<StandardVerdict> verdict = standardVerdict(bands);
    return verdict ? verdictSpeech(*verdict, locale) : QString();
}

QString cutNote(const ExactValue &typed, const ExactValue &shown, const QLocale &locale)
{
    if (normalised(typed) == normalised(shown))
        return {};
    return QStringLiteral("Yazılan ") + valueText(typed, locale) + QStringLiteral("; gösterilen ") +
           valueText(shown, locale);
}

} // namespace colorcode
