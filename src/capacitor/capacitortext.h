#pragma once

// Capacitor markings in words: the one place refusals, readings and a
// value's markings of capacitormarking.h become the window's and the
// command line's lines. Numbers follow the locale given.

#include "capacitor/capacitormarking.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace capacitor
{

// The form as the user reads it: "3 haneli", "R ondalık", "harf kodu",
// "EIA-198".
QString formName(MarkingForm form);

// What keeps a text from being a marking, one line quoting the offending
// part (at most colorcode::maxQuotedLength characters of it).
QString refusalText(const Refusal &refusal);

// Texts: "± % 5", "± 0,25 pF", "+ % 80 / − % 20"; "100 V", "6,3 V".
QString toleranceText(const Tolerance &tolerance, const QLocale &locale);
QString voltsText(std::int64_t hundredths, const QLocale &locale);

// A reading's one-line summary: "470 nF  ± % 5  100 V".
QString readingLine(const Reading &reading, const QLocale &locale);

// A marking read, as lines: the value first, how, tolerance and volts,
// the notes, and every other reading with why. A refusal is its line.
QStringList decodeLines(const MarkingReading &reading, const QLocale &locale);

// The E-series a value belongs to: "E-serisi: E6, E12, E24" or why none.
QString seriesLine(const colorcode::ExactValue &picofarads);

// A value's markings as lines: the value, one line a form, its E-series.
QStringList encodeLines(const colorcode::ExactValue &picofarads, const QLocale &locale);

} // namespace capacitor
