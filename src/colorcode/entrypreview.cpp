#include "colorcode/entrypreview.h"

#include "colorcode/bandselection.h"
#include "colorcode/resistance.h"
#include "colorcode/standardvalues.h"
#include "colorcode/standardvaluetext.h"
#include "colorcode/standardverdict.h"

#include <QCoreApplication>

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
        const QString shownText = valueText(shown, locale);
        const QString count = QString::number(bandCount);
        const std::optional<int> needed = fewestBandsFor(value);
        if (normalised(shown) == normalised(value))
            preview.line =
                QCoreApplication::translate("colorcode", "%1 olarak gösterilir").arg(shownText);
        else if (needed && *needed > bandCount)
            preview.line = QCoreApplication::translate(
                               "colorcode", "%1 bantta %2 olarak gösterilir; %3 bant gerekir")
                               .arg(count, shownText, QString::number(*needed));
        else
            preview.line =
                QCoreApplication::translate(
                    "colorcode", "%1 bantta %2 olarak gösterilir; bantlar bu değeri tam gösteremez")
                    .arg(count, shownText);
    }

    // The suggestions follow the typed value, not the cut one: a value too
    // large or too small for the bands still has its nearest one they show.
    preview.verdict = standardVerdict(value, toleranceHundredths, bandCount);
    if (!preview.verdict)
        return preview;
    const auto suggestion = [&locale](const Neighbour &n, bool below) {
        return Suggestion{n.value, n.errorHundredths, neighbourText(n, below, locale),
                          boxTextOf(n.value)};
    };
    if (preview.verdict->nearest.below)
        preview.below = suggestion(*preview.verdict->nearest.below, true);
    if (preview.verdict->nearest.above)
        preview.above = suggestion(*preview.verdict->nearest.above, false);
    preview.seriesLine = verdictHeadline(*preview.verdict);
    if (preview.below || preview.above)
        preview.seriesLine =
            QCoreApplication::translate("colorcode", "%1; en yakın:").arg(preview.seriesLine);
    return preview;
}

QStringList EntryPreview::lines() const
{
    QStringList result;
    for (const QString &text : {line, seriesLine})
        if (!text.isEmpty())
            result << text;
    return result;
}

} // namespace colorcode
