#pragma once

// What the main window says about standard values after every calculation,
// and after a typed value was cut. Short Turkish sentences, numbers in the
// result's own format.

#include "colorcode/bandtables.h"
#include "colorcode/exactvalue.h"
#include "colorcode/standardvalues.h"

#include <QLocale>
#include <QString>

#include <span>

namespace colorcode
{

// "E24 standart değeri" naming the series of the set that holds the value,
// E24 when only that one does; "E96/E24 değil" naming the whole set.
QString seriesVerdict(const ExactValue &value, const SeriesSet &set);

// A neighbour as the lines name it: "4,7 Kilo Ohm (−2,08 %)". One below
// the value keeps its minus sign when its error rounds to zero: "−0,00 %".
QString neighbourText(const Neighbour &neighbour, bool below, const QLocale &locale);

// The main window's line for the bands from left to right (4, 5 or 6, see
// readBands): "E24 standart değeri", or "E24 değil; en yakın: 4,7 Kilo Ohm
// (−2,08 %), 5,1 Kilo Ohm (+6,25 %)" naming only the neighbours that exist,
// followed by ". Ters yönden: 4,99 Kilo Ohm ± % 1" when the other end reads
// as a standard value. Empty for 0 Ω and for bands that read as nothing.
QString standardValueLine(std::span<const Colour> bands, const QLocale &locale);

// After "Tamam": "Yazılan 4,75 Kilo Ohm; gösterilen 4,7 Kilo Ohm" when the
// bands cut the typed value, empty when they show it as typed.
QString cutNote(const ExactValue &typed, const ExactValue &shown, const QLocale &locale);

} // namespace colorcode
