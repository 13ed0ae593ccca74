#include "colorcode/bandpainting.h"

#include <QStringList>

#include <algorithm>

namespace colorcode
{

namespace
{

template <std::size_t N> bool isIndexOf(const std::array<BandEntry, N> &, int index)
{
    return index >= 0 && index < int(N);
}

// Fills a band from the chosen entry of its table; an index outside the
// table (nothing chosen) leaves the fill as it was.
template <std::size_t N>
void fillFrom(const std::array<BandEntry, N> &table, BandShape &band, int index)
{
    if (isIndexOf(table, index))
        band.fill = table[std::size_t(index)].paint;
}

bool isBandCount(int count)
{
    return count >= minBandCount && count <= maxBandCount;
}

} // namespace

bool BandChoice::complete() const
{
    return isBandCount(bandCount) && isIndexOf(colourList, first) &&
           isIndexOf(colourList, second) && (bandCount == 4 || isIndexOf(colourList, third)) &&
           isIndexOf(multiplierList, multiplier) && isIndexOf(toleranceList, tolerance) &&
           (bandCount != 6 || isIndexOf(coefficientList, coefficient));
}

void paintBands(std::span<BandShape> bands, const BandChoice &choice)
{
    if (!isBandCount(choice.bandCount) || bands.size() != std::size_t(choice.bandCount))
        return;
    for (BandShape &band : bands)
        band.visible = true;

    std::size_t next = 0;
    fillFrom(colourList, bands[next++], choice.first);
    fillFrom(colourList, bands[next++], choice.second);
    if (choice.bandCount > 4)
        fillFrom(colourList, bands[next++], choice.third);
    fillFrom(multiplierList, bands[next++], choice.multiplier);

    // No colour, no band: "Renksiz" hides it, and its fill stays for the
    // next time it shows.
    BandShape &tolerance = bands[next++];
    if (isIndexOf(toleranceList, choice.tolerance) &&
        toleranceList[std::size_t(choice.tolerance)].colour == Colour::Renksiz)
        tolerance.visible = false;
    else
        fillFrom(toleranceList, tolerance, choice.tolerance);

    if (choice.bandCount == 6)
        fillFrom(coefficientList, bands[next], choice.coefficient);
}

QString describeBands(std::span<const BandShape> bands, std::span<const QString> entries)
{
    const bool anyShown =
        std::ranges::any_of(bands, [](const BandShape &band) { return band.visible; });
    if (!anyShown)
        return QStringLiteral("Renk seçilmedi");
    return QStringList(entries.begin(), entries.end()).join(QStringLiteral(", "));
}

} // namespace colorcode
