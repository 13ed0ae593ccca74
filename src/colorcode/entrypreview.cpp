#include "colorcode/entrypreview.h"

#include "colorcode/resistance.h"
#include "colorcode/standardvalues.h"
#include "colorcode/standardvaluetext.h"

#include <variant>

namespace colorcode
{

QString boxTextOf(const ExactValue &value)
{
    const ExactValue n = normalised(value);
    if (n.digits.empty())
        return QStringLiteral("0R");
    // The letter stands where the decimal mark would be in its unit.
    const int magnitude = int(n.digits.size()) + n.powerOfTen;
    const int shift = magnitude > 9 ? 9 : magnitude > 6 ? 6 : magnitude > 3 ? 3 : 0;
    const char16_t letter = shift == 9 ? u'G' : shift == 6 ? u'M' : shift == 3 ? u'K' : u'R';
    QString digits = QString::fromLatin1(n.digits.data(), qsizetype(n.digits.size()));
    const int wholeDigits = magnitude - shift; // may be zero or less: "R047"
    if (wholeDigits <= 0)
        return QChar(letter) + QString(-wholeDigits, u'0') + digits;
    if (wholeDigits >= digits.size())
        return digits + QString(wholeDigits - digits.size(), u'0') + QChar(letter);
    return digits.left(wholeDigits) + QChar(letter) + digits.mid(wholeDigits);
}

EntryPreview entryPreview(const QString &typed, Unit unit, int bandCount,
                          std::int32_t toleranceHundredths, const QLocale &locale)
{
    EntryPreview preview;
    const QChar separator = locale.decimalPoint().at(0);
    const std::variant<ExactValue, ValueError> number = readTypedNumber(typed, unit, separator);
    if (const ValueError *error = std::get_if<ValueError>(&number)) {
        if (*error != ValueError::Empty)
            preview.line = valueErrorMessage(*error, separator, bandCount);
        return preview;
    }
    const ExactValue &value = std::get<ExactValue>(number);

    const BandsOrError bands = bandsFor(value, bandCount);
    if (const ValueError *error = std::get_if<ValueError>(&bands)) {
        preview.line = valueErrorMessage(*error, separator, bandCount);
    } else {
        const ExactValue shown = valueOf(std::get<BandIndices>(bands));
        const QString shownText = valueText(shown, locale) + QStringLiteral(" olarak gösterilir");
        if (normalised(shown) == normalised(value))
            preview.line = shownText;
        else if (bandCount == minBandCount && showsExactly(value, minBandCount + 1))
            preview.line =
                QStringLiteral("4 bantta ") + shownText + QStringLiteral("; 5 bant gerekir");
        else
            preview.line = QString::number(bandCount) + QStringLiteral(" bantta ") + shownText +
                           QStringLiteral("; bantlar bu değeri tam gösteremez");
    }

    // The suggestions follow the typed value, not the cut one: a value too
    // large or too small for the bands still has its nearest one they show.
    if (normalised(value).digits.empty())
        return preview;
    const SeriesSet set = seriesFor(toleranceHundredths);
    preview.seriesLine = seriesVerdict(value, set);
    if (isStandard(value, set))
        return preview;
    const Nearest nearest = nearestStandard(value, set, bandCount);
    const auto suggestion = [&locale](const Neighbour &n, bool below) {
        return Suggestion{n.value, n.errorHundredths, neighbourText(n, below, locale),
                          boxTextOf(n.value)};
    };
    if (nearest.below)
        preview.below = suggestion(*nearest.below, true);
    if (nearest.above)
        preview.above = suggestion(*nearest.above, false);
    if (preview.below || preview.above)
        preview.seriesLine += QStringLiteral("; en yakın:");
    return preview;
}

} // namespace colorcode
