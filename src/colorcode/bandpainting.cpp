#include "colorcode/bandpainting.h"

#include <QStringList>

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
        return QStringLiteral("Renk seçilmedi");
    return QStringList(names.begin(), names.end()).join(QStringLiteral(", "));
}

} // namespace colorcode
