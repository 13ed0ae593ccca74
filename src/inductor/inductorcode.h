#pragma once

// Inductor colour bands read both ways, in µH: bands become every value
// they can mean, the likelier first, each with why; a value becomes the
// bands that write it. Exact: colorcode::ExactValue of microhenries,
// tolerances in hundredths of a percent. Words here and in the .cpp only.

#include "colorcode/exactvalue.h"
#include "forms/conversions.h"
#include "inductor/inductorbands.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace inductor
{

struct Reading {
    colorcode::ExactValue microhenries;              // normalised
    std::optional<std::int32_t> toleranceHundredths; // none: the band names none
    QString how;
    QString note; // why this reading, for all but the likeliest
};

struct Readings {
    std::vector<Colour> bands;
    std::vector<Reading> readings; // the likelier first
    QStringList notes;
};

using BandReading = std::variant<Readings, QString>; // or one line why not

// Three, four or five bands, first to last; Renksiz as the last of four is
// no tolerance band. Five bands are the military form, Gümüş first.
BandReading readBands(const std::vector<Colour> &bands,
                      const QLocale &locale = conversions::numberLocale());

// Why dots on SMD inductors are not read.
QString dotsRefusal();

// The Turkish name of a colour, as the main window's lists write it.
QString colourName(Colour colour);

// The value bands of a value in µH, for four bands and for the military
// form; a missing form carries why.
struct ValueBands {
    std::optional<std::vector<Colour>> bands;
    QString note;
};
ValueBands fourBandsFor(const colorcode::ExactValue &microhenries);
ValueBands militaryBandsFor(const colorcode::ExactValue &microhenries);

// Read bands as lines: the value, the tolerance, how, notes, and every
// other reading with why. A refusal is its line.
QStringList decodeLines(const BandReading &reading, const QLocale &locale);

// A value's bands as lines, with its E-series.
QStringList encodeLines(const colorcode::ExactValue &microhenries, const QLocale &locale);

} // namespace inductor
