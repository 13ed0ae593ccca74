#pragma once

// A standard-value verdict in words: as lines for the eye, as one sentence
// for the ear. Numbers in the result's own format.

#include "colorcode/bandtables.h"
#include "colorcode/exactvalue.h"
#include "colorcode/standardverdict.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <span>

namespace colorcode
{

// The verdict's first words: "E24 standart değeri" naming the series of
// the set that holds the value, "E96/E24 değil" naming the whole set, or
// "E24 değeri; 4 bant gösteremez" for a standard value beyond the bands.
QString verdictHeadline(const StandardVerdict &verdict);

// A neighbour as the lines name it: "4,7 Kilo Ohm (−2,08 %)"; one 1000 % or
// more away "(> +1000 %)". One below the value keeps its minus sign when its
// error rounds to zero: "−0,00 %". The spaces inside the brackets are
// `space`: a no-break space keeps a wrapped line from parting them.
QString neighbourText(const Neighbour &neighbour, bool below, const QLocale &locale,
                      QChar space = u' ');

// For the eye: the headline (with "; en yakın:" when neighbours follow),
// each neighbour on a line of its own, then "Ters yönden: 4,99 Kilo Ohm
// ± % 1". No line breaks inside a percentage or a tolerance.
QStringList verdictLines(const StandardVerdict &verdict, const QLocale &locale);

// For the ear, one sentence: "E24 değil; en yakın: 4,7 Kilo Ohm (−2,08 %),
// 5,1 Kilo Ohm (+6,25 %). Ters yönden: 4,99 Kilo Ohm ± % 1".
QString verdictSpeech(const StandardVerdict &verdict, const QLocale &locale);

// The sentence for bands from left to right; empty for a zero-ohm link and
// for bands that read as nothing.
QString standardValueLine(std::span<const Colour> bands, const QLocale &locale);

// After "Tamam": "Yazılan 4,75 Kilo Ohm; gösterilen 4,7 Kilo Ohm" when the
// bands cut the typed value, empty when they show it as typed.
QString cutNote(const ExactValue &typed, const ExactValue &shown, const QLocale &locale);

} // namespace colorcode
