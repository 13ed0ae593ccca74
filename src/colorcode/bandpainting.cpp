#include "colorcode/bandpainting.h"

#include <QStringList>

#include <algorithm>

namespace colorcode
{

namespace
{

bool isColourIndex(int index)
{
    return index >= 0 && index < static_cast<int>(colourList.size());
}

bool isMultiplierIndex(int index)
{
    return index >= 0 && index < static_cast<int>(multiplierList.size());
}

bool isToleranceIndex(int index)
{
    return index >= 0 && index < static_cast<int>(toleranceList.size());
}

void fillFromColourList(BandShape &band, int index)
{
    if (isColourIndex(index))
        band.fill = colourList[static_cast<std::size_t>(index)].paint;
}

void fillFromMultiplierList(BandShape &band, int index)
{
    if (isMultiplierIndex(index))
        band.fill = multiplierList[static_cast<std::size_t>(index)].paint;
}

} // namespace

bool BandChoice::complete() const
{
    return isColourIndex(first) && isColourIndex(second) && isMultiplierIndex(multiplier) &&
           isToleranceIndex(tolerance);
}

void paintBands(BandShapes &bands, const BandChoice &choice)
{
    for (BandShape &band : bands)
        band.visible = true;

    fillFromColourList(bands[0], choice.first);
    fillFromColourList(bands[1], choice.second);
    fillFromMultiplierList(bands[2], choice.multiplier);

    BandShape &tolerance = bands[3];
    switch (choice.tolerance) {
    case 0:
        tolerance.fill = altinPaint;
        break;
    case 1:
        tolerance.fill = gumusPaint;
        break;
    case renksizIndex:
        // No colour, no band; the fill stays for the next time it shows.
        tolerance.visible = false;
        break;
    default:
        break;
    }
}

QString describeBands(const BandShapes &bands, const std::array<QString, 4> &entries)
{
    const bool anyShown =
        std::ranges::any_of(bands, [](const BandShape &band) { return band.visible; });
    if (!anyShown)
        return QStringLiteral("Renk seçilmedi");
    return QStringList(entries.begin(), entries.end()).join(QStringLiteral(", "));
}

} // namespace colorcode
