#include "colorcode/bandselection.h"

#include "colorcode/colourtext.h"

#include <QCoreApplication>

namespace colorcode
{

BandSelection BandSelection::empty(int bandCount)
{
    BandSelection selection;
    selection.bandCount = bandCount;
    return selection;
}

std::optional<BandSelection> BandSelection::fromColours(std::span<const Colour> colours)
{
    const std::span<const Role> roles = rolesOf(int(colours.size()));
    if (roles.empty())
        return std::nullopt;
    BandSelection selection = empty(int(colours.size()));
    for (std::size_t band = 0; band < roles.size(); ++band) {
        const std::span<const BandEntry> list = entriesOf(roles[band]);
        for (std::size_t i = 0; i < list.size() && selection.entries[band] < 0; ++i)
            if (list[i].colour == colours[band])
                selection.entries[band] = int(i);
        if (selection.entries[band] < 0)
            return std::nullopt;
    }
    return selection;
}

int BandSelection::positionOf(Role role, int k) const
{
    const std::span<const Role> list = roles();
    for (std::size_t band = 0; band < list.size(); ++band)
        if (list[band] == role && k-- == 0)
            return int(band);
    return -1;
}

int BandSelection::entryOf(Role role, int k) const
{
    const int band = positionOf(role, k);
    return band < 0 ? -1 : entries[std::size_t(band)];
}

void BandSelection::setEntry(Role role, int k, int index)
{
    if (const int band = positionOf(role, k); band >= 0)
        entries[std::size_t(band)] = index;
}

std::vector<const BandEntry *> BandSelection::chosenEntries() const
{
    const std::span<const Role> list = roles();
    std::vector<const BandEntry *> chosen;
    for (std::size_t band = 0; band < list.size(); ++band) {
        const std::span<const BandEntry> table = entriesOf(list[band]);
        const int index = entries[band];
        if (index < 0 || std::size_t(index) >= table.size())
            return {};
        chosen.push_back(&table[std::size_t(index)]);
    }
    return chosen;
}

bool BandSelection::complete() const
{
    return !chosenEntries().empty();
}

std::vector<Colour> BandSelection::colours() const
{
    std::vector<Colour> result;
    for (const BandEntry *entry : chosenEntries())
        result.push_back(entry->colour);
    return result;
}

std::optional<BandIndices> BandSelection::valueBands() const
{
    BandIndices bands;
    for (int k = 0; k < digitBandsFor(bandCount); ++k) {
        const int digit = entryOf(Role::Digit, k);
        if (digit < 0 || std::size_t(digit) >= colourList.size())
            return std::nullopt;
        bands.digits.push_back(digit);
    }
    bands.multiplier = entryOf(Role::Multiplier);
    if (bands.multiplier < 0 || std::size_t(bands.multiplier) >= multiplierList.size())
        return std::nullopt;
    return bands;
}

void BandSelection::setValueBands(const BandIndices &bands)
{
    for (int k = 0; k < digitBandsFor(bandCount); ++k)
        setEntry(Role::Digit, k,
                 std::size_t(k) < bands.digits.size() ? bands.digits[std::size_t(k)] : -1);
    setEntry(Role::Multiplier, 0, bands.multiplier);
}

std::optional<BandReading> BandSelection::reading() const
{
    const std::vector<Colour> list = colours();
    return list.empty() ? std::nullopt : readBands(list);
}

std::optional<Resistance> BandSelection::result(const QLocale &locale) const
{
    const std::vector<const BandEntry *> chosen = chosenEntries();
    if (chosen.empty())
        return std::nullopt;
    std::vector<int> digits;
    std::int32_t power = 0, tolerance = 0;
    std::optional<std::int32_t> coefficient;
    const std::span<const Role> list = roles();
    for (std::size_t band = 0; band < list.size(); ++band) {
        const std::int32_t number = chosen[band]->number;
        switch (list[band]) {
        case Role::Digit:
            digits.push_back(number);
            break;
        case Role::Multiplier:
            power = number;
            break;
        case Role::Tolerance:
            tolerance = number;
            break;
        case Role::Coefficient:
            coefficient = number;
            break;
        }
    }
    return calculateResistance(digits, power, tolerance, coefficient, locale);
}

std::vector<QString> BandSelection::colourNames() const
{
    std::vector<QString> names;
    for (const BandEntry *entry : chosenEntries())
        names.push_back(QString::fromUtf8(entry->text));
    return names;
}

std::vector<QString> BandSelection::colourTexts() const
{
    std::vector<QString> names;
    for (const BandEntry *entry : chosenEntries())
        names.push_back(colourText(entry->colour));
    return names;
}

std::vector<QString> BandSelection::bandNames() const
{
    const std::vector<const BandEntry *> chosen = chosenEntries();
    const std::span<const Role> list = roles();
    std::vector<QString> names;
    for (std::size_t band = 0; band < chosen.size(); ++band) {
        QString name = colourText(chosen[band]->colour);
        if (list[band] == Role::Coefficient)
            name += u' ' + QString::number(chosen[band]->number) + QStringLiteral(" ppm/K");
        names.push_back(name);
    }
    return names;
}

namespace
{

bool noValueBandChosen(const BandSelection &selection)
{
    for (const Role role : {Role::Digit, Role::Multiplier})
        for (int k = 0; k < bandsWithRole(selection.bandCount, role); ++k)
            if (selection.entryOf(role, k) >= 0)
                return false;
    return true;
}

} // namespace

BandSwitch switchBandCount(const BandSelection &from, int to,
                           const std::optional<BandSelection> &remembered)
{
    BandSwitch result{BandSelection::empty(to), std::nullopt};
    if (!isBandCount(to))
        return {from, std::nullopt};
    BandSelection &selection = result.selection;
    selection.setEntry(Role::Tolerance, 0, from.entryOf(Role::Tolerance));
    if (hasRole(from.bandCount, Role::Coefficient))
        selection.setEntry(Role::Coefficient, 0, from.entryOf(Role::Coefficient));

    if (digitBandsFor(from.bandCount) == digitBandsFor(to)) {
        for (int k = 0; k < digitBandsFor(to); ++k)
            selection.setEntry(Role::Digit, k, from.entryOf(Role::Digit, k));
        selection.setEntry(Role::Multiplier, 0, from.entryOf(Role::Multiplier));
    } else if (const std::optional<BandIndices> before = from.valueBands()) {
        if (const std::optional<BandIndices> moved = sameValueBands(*before, to))
            selection.setValueBands(*moved);
        else
            result.dropped = from;
    }

    if (remembered && noValueBandChosen(from))
        if (const std::optional<BandIndices> bands = remembered->valueBands())
            if (const std::optional<BandIndices> back = sameValueBands(*bands, to)) {
                selection.setValueBands(*back);
                if (selection.entryOf(Role::Coefficient) < 0)
                    selection.setEntry(Role::Coefficient, 0,
                                       remembered->entryOf(Role::Coefficient));
            }
    return result;
}

std::optional<int> fewestBandsFor(const ExactValue &value)
{
    for (const BandRoles &entry : bandRoleTable)
        if (showsExactly(value, entry.bandCount))
            return entry.bandCount;
    return std::nullopt;
}

QString droppedNote(const BandSelection &dropped, int bandCount, const QLocale &locale, QChar space)
{
    const std::optional<BandIndices> bands = dropped.valueBands();
    if (!bands)
        return {};
    const ExactValue value = valueOf(*bands);
    QString shown = valueText(value, locale);
    const int tolerance = dropped.entryOf(Role::Tolerance);
    if (tolerance >= 0 && std::size_t(tolerance) < toleranceList.size())
        shown += u' ' + toleranceText(toleranceList[std::size_t(tolerance)].number, locale, space);
    if (const std::optional<int> needed = fewestBandsFor(value))
        return QCoreApplication::translate("colorcode",
                                           "%1 bantta gösterilemez: %2; %3 bant gerekir")
            .arg(QString::number(bandCount), shown, QString::number(*needed));
    return QCoreApplication::translate("colorcode", "%1 bantta gösterilemez: %2")
        .arg(QString::number(bandCount), shown);
}

} // namespace colorcode
