#include "inductor/inductorcode.h"

#include "colorcode/resistance.h"

#include <string>

namespace inductor
{

namespace
{

using colorcode::ExactValue;

ExactValue valueOf(std::string digits, int powerOfTen)
{
    return colorcode::normalised({std::move(digits), powerOfTen});
}

std::vector<Note> agreementNote(const ColourRow &row)
{
    switch (row.powerAgreement) {
    case Agreement::Two:
        return {{NoteKind::MultiplierInTwoTables, row.colour}};
    case Agreement::One:
        return {{NoteKind::MultiplierInOneTable, row.colour}};
    default:
        return {};
    }
}

std::optional<Note> oneNote(const std::vector<Note> &notes)
{
    return notes.empty() ? std::nullopt : std::optional(notes.front());
}

struct ToleranceReading {
    std::optional<std::int32_t> hundredths;
    std::vector<Note> notes;
};

// The tolerance band, or why it is none; Siyah is read two ways.
std::variant<std::vector<ToleranceReading>, Refusal> toleranceOf(Colour colour, int place)
{
    if (colour == Colour::Renksiz)
        return std::vector<ToleranceReading>{
            {noBandToleranceHundredths, {{NoteKind::NoToleranceBand}}}};
    const ColourRow *row = rowOf(colour);
    if (!row || !row->toleranceHundredths)
        return Refusal{RefusalKind::NotToleranceColour, place, colour};
    if (row->toleranceAgreement == Agreement::Disputed)
        return std::vector<ToleranceReading>{
            {row->toleranceHundredths, {{NoteKind::BlackTolerance}}},
            {std::nullopt, {{NoteKind::BlackNoTolerance}}}};
    return std::vector<ToleranceReading>{{row->toleranceHundredths, {}}};
}

Refusal notDigit(Colour colour, int place)
{
    return {RefusalKind::NotDigit, place, colour};
}

std::vector<Note> joined(std::vector<Note> a, const std::vector<Note> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

BandReading readBands(const std::vector<Colour> &given)
{
    std::vector<Colour> bands = given;
    if (bands.size() == 4 && bands.back() == Colour::Renksiz)
        bands.pop_back();
    if (bands.size() < 3 || bands.size() > 5)
        return Refusal{RefusalKind::BandCount, 0, Colour::Renksiz, given.size()};
    for (std::size_t i = 0; i + 1 < bands.size(); ++i)
        if (bands[i] == Colour::Renksiz || bands[i] == Colour::Pembe)
            return Refusal{RefusalKind::NotReadOnInductor, int(i + 1), bands[i]};

    Readings out;
    out.bands = given;
    out.bandCount = int(bands.size());
    std::vector<std::pair<ExactValue, std::vector<Note>>> values; // the likelier first
    Colour toleranceColour = Colour::Renksiz;

    if (bands.size() <= 4) {
        const ColourRow *d1 = rowOf(bands[0]);
        const ColourRow *d2 = rowOf(bands[1]);
        const ColourRow *m = rowOf(bands[2]);
        if (!d1 || !d1->digit)
            return notDigit(bands[0], 1);
        if (!d2 || !d2->digit)
            return notDigit(bands[1], 2);
        if (!m || !m->power)
            return Refusal{RefusalKind::NotMultiplier, 3, bands[2]};
        values.push_back(
            {valueOf(std::to_string(*d1->digit * 10 + *d2->digit), *m->power), agreementNote(*m)});
        out.form = Form::Plain;
        out.firstDigit = *d1->digit;
        out.secondDigit = *d2->digit;
        out.multiplier = bands[2];
        if (bands.size() == 4)
            toleranceColour = bands[3];
    } else {
        if (bands[0] != Colour::Gumus)
            return Refusal{RefusalKind::MilitaryFirstNotSilver, 1, bands[0]};
        toleranceColour = bands[4];
        const ColourRow *b2 = rowOf(bands[1]);
        const ColourRow *b3 = rowOf(bands[2]);
        const ColourRow *b4 = rowOf(bands[3]);
        if (!b2 || !b3 || !b4)
            return Refusal{RefusalKind::MilitaryValueBands};
        const std::vector<Note> decimalNote{{NoteKind::GoldDecimalPoint}};
        if (bands[1] == Colour::Altin) {
            if (!b3->digit)
                return notDigit(bands[2], 3);
            if (!b4->digit)
                return notDigit(bands[3], 4);
            values.push_back(
                {valueOf(std::to_string(*b3->digit * 10 + *b4->digit), -2), decimalNote});
            out.form = Form::MilitaryDecimalFirst;
            out.firstDigit = *b3->digit;
            out.secondDigit = *b4->digit;
        } else if (bands[2] == Colour::Altin) {
            if (!b2->digit)
                return notDigit(bands[1], 2);
            if (!b4->digit)
                return notDigit(bands[3], 4);
            values.push_back(
                {valueOf(std::to_string(*b2->digit * 10 + *b4->digit), -1), decimalNote});
            out.form = Form::MilitaryDecimalAfter;
            out.firstDigit = *b2->digit;
            out.secondDigit = *b4->digit;
        } else {
            if (!b2->digit)
                return notDigit(bands[1], 2);
            if (!b3->digit)
                return notDigit(bands[2], 3);
            const std::string digits = std::to_string(*b2->digit * 10 + *b3->digit);
            out.form = Form::MilitaryMultiplier;
            out.firstDigit = *b2->digit;
            out.secondDigit = *b3->digit;
            out.multiplier = bands[3];
            if (bands[3] == Colour::Altin || bands[3] == Colour::Gumus) {
                // One table's text reads them the other way round.
                const bool gold = bands[3] == Colour::Altin;
                values.push_back({valueOf(digits, gold ? -1 : -2), {}});
                values.push_back(
                    {valueOf(digits, gold ? -2 : -1), {{NoteKind::GoldSilverSwapped}}});
            } else {
                values.push_back({valueOf(digits, *b4->power), agreementNote(*b4)});
            }
        }
    }
    if (toleranceColour == Colour::Renksiz && bands.size() == 5)
        return Refusal{RefusalKind::MilitaryNeedsTolerance, 5, toleranceColour};
    const auto tolerances = toleranceOf(toleranceColour, int(bands.size()));
    if (const auto *refusal = std::get_if<Refusal>(&tolerances))
        return *refusal;
    const auto &tol = std::get<0>(tolerances);

    out.readings.push_back({values.front().first, tol.front().hundredths,
                            joined(values.front().second, tol.front().notes)});
    for (std::size_t i = 1; i < values.size(); ++i)
        out.readings.push_back({values[i].first, tol.front().hundredths, values[i].second});
    for (std::size_t i = 1; i < tol.size(); ++i)
        out.readings.push_back({values.front().first, tol[i].hundredths, tol[i].notes});
    // One maker's page reads the bands in nH.
    const ExactValue &first = values.front().first;
    out.readings.push_back({valueOf(first.digits, first.powerOfTen - 3),
                            tol.front().hundredths,
                            {{NoteKind::Nanohenries}}});
    return out;
}

ValueBands fourBandsFor(const ExactValue &microhenries)
{
    const ExactValue n = colorcode::normalised(microhenries);
    const int count = int(n.digits.size());
    if (n.digits.empty())
        return {std::nullopt, std::nullopt, NoBands::Zero};
    if (count > 2)
        return {std::nullopt, std::nullopt, NoBands::TooManyDigits};
    const int leading = count - 1 + n.powerOfTen;
    const int power = leading - 1;
    if (power < -2)
        return {std::nullopt, std::nullopt, NoBands::BelowSmallest};
    if (power > 9)
        return {std::nullopt, std::nullopt, NoBands::AboveLargest};
    const int dd = std::stoi(n.digits.size() < 2 ? n.digits + "0" : n.digits);
    std::vector<Colour> bands{colourRows[std::size_t(dd / 10)].colour,
                              colourRows[std::size_t(dd % 10)].colour};
    for (const ColourRow &row : colourRows)
        if (row.power == power) {
            bands.push_back(row.colour);
            return {bands, oneNote(agreementNote(row)), std::nullopt};
        }
    return {std::nullopt, std::nullopt, NoBands::NoMultiplier};
}

ValueBands militaryBandsFor(const ExactValue &microhenries)
{
    const ExactValue n = colorcode::normalised(microhenries);
    const int count = int(n.digits.size());
    if (n.digits.empty())
        return {std::nullopt, std::nullopt, NoBands::Zero};
    if (count > 2)
        return {std::nullopt, std::nullopt, NoBands::TooManyDigits};
    const int leading = count - 1 + n.powerOfTen;
    const auto digit = [](int d) { return colourRows[std::size_t(d)].colour; };
    const int dd = std::stoi(n.digits.size() < 2 ? n.digits + "0" : n.digits);
    if (leading >= 1) {
        const int power = leading - 1;
        if (power > 9)
            return {std::nullopt, std::nullopt, NoBands::AboveLargest};
        return {std::vector<Colour>{Colour::Gumus, digit(dd / 10), digit(dd % 10),
                                    colourRows[std::size_t(power)].colour},
                oneNote(agreementNote(colourRows[std::size_t(power)])), std::nullopt};
    }
    const Note note{NoteKind::GoldDecimalWritten};
    if (leading == 0) {
        if (n.powerOfTen < -1)
            return {std::nullopt, std::nullopt, NoBands::OneDecimalBelow10};
        return {std::vector<Colour>{Colour::Gumus, digit(dd / 10), Colour::Altin, digit(dd % 10)},
                note, std::nullopt};
    }
    if (n.powerOfTen < -2)
        return {std::nullopt, std::nullopt, NoBands::TwoDecimalsBelow1};
    const int hundredths = leading == -1 ? dd : dd / 10;
    return {std::vector<Colour>{Colour::Gumus, Colour::Altin, digit(hundredths / 10),
                                digit(hundredths % 10)},
            note, std::nullopt};
}

} // namespace inductor
