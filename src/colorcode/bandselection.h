#pragma once

// The bands a user has chosen, as one value: the band count and, for each
// band, the chosen entry of its role's list or none. The main window builds
// it from its lists once and hands it to everything that shows a result:
// the result text, the standard-value line, the drawing and what a screen
// reader is told, so that these can never disagree.

#include "colorcode/bandtables.h"
#include "colorcode/readingdirection.h"
#include "colorcode/resistance.h"
#include "colorcode/valueentry.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace colorcode
{

struct BandSelection {
    int bandCount = minBandCount;
    // Per band, left to right: the index in its role's list, -1 for none.
    std::array<int, maxBandCount> entries{-1, -1, -1, -1, -1, -1};

    // No band chosen.
    static BandSelection empty(int bandCount);
    // From colours left to right; nothing when a colour is no entry of its
    // place's list or the count is not a band count.
    static std::optional<BandSelection> fromColours(std::span<const Colour> colours);

    std::span<const Role> roles() const { return rolesOf(bandCount); }
    // The band of the k-th band playing a role (the third digit is
    // (Digit, 2)); -1 where the count has none.
    int positionOf(Role role, int k = 0) const;
    int entryOf(Role role, int k = 0) const;
    void setEntry(Role role, int k, int index);

    // Whether the count is a band count and each band has an entry of its list.
    bool complete() const;
    // The chosen entry of every band; nothing unless complete.
    std::vector<const BandEntry *> chosenEntries() const;
    // The colours left to right; empty unless complete.
    std::vector<Colour> colours() const;
    // The digit and multiplier bands, when all of them are chosen.
    std::optional<BandIndices> valueBands() const;
    // Puts value bands of this count's digit count in place.
    void setValueBands(const BandIndices &bands);
    // The value, tolerance and coefficient; nothing unless complete.
    std::optional<BandReading> reading() const;
    // The result box's text, "4,7 Kilo Ohm  ± % 5"; nothing unless complete.
    std::optional<Resistance> result(const QLocale &locale) const;
    // The name of each band as the drawing describes it: the colour's
    // name in the interface's language, the coefficient with its number
    // ("Mavi 10 ppm/K"); empty unless complete.
    std::vector<QString> bandNames() const;
    // The entries' Turkish names alone, as the JSON answers carry them.
    std::vector<QString> colourNames() const;
    // The same in the interface's language, as the lists show them and the
    // user hears them.
    std::vector<QString> colourTexts() const;

    bool operator==(const BandSelection &) const = default;
};

// A band switch: the selection the new count shows, and the complete value
// that could not follow, if any.
struct BandSwitch {
    BandSelection selection;
    std::optional<BandSelection> dropped;
};

// The selection after switching to another band count. The tolerance is
// kept. With the same number of digit bands the value bands stay as they
// are; otherwise the value moves where the new count shows it exactly, in
// the bands the value box gives it, and is dropped where it cannot. A
// coefficient stays where both counts have one and starts unchosen where
// only the new one does. A value dropped before (remembered) comes back
// when the new count shows it and the value bands are still unchosen.
BandSwitch switchBandCount(const BandSelection &from, int to,
                           const std::optional<BandSelection> &remembered = std::nullopt);

// The smallest band count that shows a value exactly; nothing when none does.
std::optional<int> fewestBandsFor(const ExactValue &value);

// What the main window says in place of its standard-value line when a
// value could not follow a switch: "4 bantta gösterilemez: 4,99 Kilo Ohm
// ± % 1; 5 bant gerekir".
// The tolerance's spaces are `space`, as toleranceText() has them.
QString droppedNote(const BandSelection &dropped, int bandCount, const QLocale &locale,
                    QChar space = u' ');

} // namespace colorcode
