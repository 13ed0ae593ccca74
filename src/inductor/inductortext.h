#pragma once

// Inductor bands in words: the one place the readings, refusals and value
// bands of inductorcode.h become sentences in the interface's language, for
// the window, the command line's lines and the JSON's text fields alike.
// Numbers follow the locale given; colours are named as the interface names
// them.

#include "inductor/inductorcode.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace inductor
{

// The Turkish name of a colour, as the JSON answers carry it in every
// language.
QString colourName(Colour colour);

// Why dots on SMD inductors are not read.
QString dotsRefusal();

// How the bands were read: "4 bant: 27 × Kahverengi", "askeri 5 bant: 0,47".
QString howText(const Readings &readings, const QLocale &locale);

// A reading's notes, one line: "Mor çarpanı yalnız bir tabloda; …". Empty
// when it has none.
QString notesText(const std::vector<Note> &notes, const QLocale &locale);

// What keeps bands from being an inductor's, one line naming the band.
QString refusalText(const Refusal &refusal);

// Read bands as lines: the value, the tolerance, how, the notes, and every
// other reading with why. A refusal is its line.
QStringList decodeLines(const BandReading &reading, const QLocale &locale);

// A value's bands as lines, with its E-series.
QStringList encodeLines(const colorcode::ExactValue &microhenries, const QLocale &locale);

} // namespace inductor
