#include "colorcode/bandpainting.h"

#include "colorcode/resistance.h"
#include "numbers/exactnumber.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace colorcode
{

std::vector<BandShape> bandShapes(const BandSelection &selection)
{
    std::vector<BandShape> shapes(selection.roles().size());
    const std::vector<const BandEntry *> chosen = selection.chosenEntries();
    for (std::size_t band = 0; band < chosen.size(); ++band)
        // No colour, no band: "Renksiz" hides it.
        shapes[band] = {chosen[band]->colour != Colour::Renksiz, chosen[band]->paint};
    return shapes;
}

QString describeBands(const BandSelection &selection)
{
    const std::vector<QString> names = selection.bandNames();
    if (names.empty())
        return QCoreApplication::translate("colorcode", "Renk seçilmedi");
    return QStringList(names.begin(), names.end()).join(QStringLiteral(", "));
}

std::vector<QString> bandMeanings(const BandSelection &selection, const QLocale &locale)
{
    const std::vector<const BandEntry *> chosen = selection.chosenEntries();
    const std::span<const Role> roles = selection.roles();
    std::vector<QString> meanings;
    for (std::size_t band = 0; band < chosen.size(); ++band) {
        const BandEntry &entry = *chosen[band];
        QString text;
        switch (roles[band]) {
        case Role::Digit:
            text = QString::number(entry.number);
            break;
        case Role::Multiplier:
            // The factor written out: ×100, ×0,01.
            text =
                QStringLiteral("\u00D7") +
                (entry.number >= 0 ? u'1' + QString(entry.number, u'0')
                                   : numbers::text(numbers::fromUnits(1, -entry.number), locale));
            break;
        case Role::Tolerance:
            if (entry.colour != Colour::Renksiz)
                text = toleranceText(entry.number, locale);
            break;
        case Role::Coefficient:
            text = QString::number(entry.number) + QStringLiteral(" ppm/K");
            break;
        }
        meanings.push_back(text);
    }
    return meanings;
}

std::vector<LabelPlace> placeBandLabels(std::span<const int> bandCentres, int bandWidth,
                                        std::span<const int> labelWidths, int gap, int from, int to)
{
    const std::size_t n = std::min(bandCentres.size(), labelWidths.size());
    std::vector<LabelPlace> places(n);
    std::vector<std::size_t> below;
    for (std::size_t i = 0; i < n; ++i) {
        // A pixel of the band's colour on either side keeps the text off its
        // outline.
        places[i].onBand = labelWidths[i] + 2 <= bandWidth - 2;
        places[i].left = bandCentres[i] - labelWidths[i] / 2;
        if (!places[i].onBand)
            below.push_back(i);
    }
    // Left to right, each after the one before; then back from the right
    // edge where the row runs over it; then on from the left edge.
    for (std::size_t k = 1; k < below.size(); ++k) {
        const LabelPlace &before = places[below[k - 1]];
        const int next = before.left + labelWidths[below[k - 1]] + gap;
        places[below[k]].left = std::max(places[below[k]].left, next);
    }
    int limit = to;
    for (std::size_t k = below.size(); k-- > 0;) {
        LabelPlace &place = places[below[k]];
        place.left = std::min(place.left, limit - labelWidths[below[k]]);
        limit = place.left - gap;
    }
    int start = from;
    for (const std::size_t i : below) {
        places[i].left = std::max(places[i].left, start);
        start = places[i].left + labelWidths[i] + gap;
    }
    return places;
}

} // namespace colorcode
