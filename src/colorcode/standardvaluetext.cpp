#include "colorcode/standardvaluetext.h"

#include "colorcode/resistance.h"
#include "colorcode/standardvalues.h"
#include "numbers/exactnumber.h"

#include <QCoreApplication>

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
    return QCoreApplication::translate("colorcode", "Ters yönden: %1 %2")
        .arg(valueText(reading.value, locale),
             toleranceText(reading.toleranceHundredths, locale, space));
}

bool hasNeighbours(const StandardVerdict &verdict)
{
    return verdict.nearest.below || verdict.nearest.above;
}

} // namespace

QString verdictHeadline(const StandardVerdict &verdict)
{
    if (!verdict.standard())
        return QCoreApplication::translate("colorcode", "%1 değil").arg(seriesName(verdict.set));
    if (!verdict.shown)
        return QCoreApplication::translate("colorcode", "%1 değeri; %2 bant gösteremez")
            .arg(seriesName(*verdict.holder), QString::number(verdict.bandCount));
    return QCoreApplication::translate("colorcode", "%1 standart değeri")
        .arg(seriesName(*verdict.holder));
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
        lines.back() = QCoreApplication::translate("colorcode", "%1; en yakın:").arg(lines.back());
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
        line = QCoreApplication::translate("colorcode", "%1; en yakın: %2")
                   .arg(line, neighbours.join(QStringLiteral(", ")));
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
    return QCoreApplication::translate("colorcode", "Yazılan %1; gösterilen %2")
        .arg(valueText(typed, locale), valueText(shown, locale));
}

} // namespace colorcode
