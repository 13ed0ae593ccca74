#pragma once

// Capacitor markings in words: the one place refusals, readings, notes and
// a value's markings of capacitormarking.h become sentences in the
// interface's language, for the window, the command line's lines and the
// JSON's text fields alike. Numbers follow the locale given.

#include "capacitor/capacitormarking.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace capacitor
{

// The form as the user reads it: "3 haneli", "R ondalık", "harf kodu",
// "EIA-198".
QString formName(MarkingForm form);

// What keeps a text from being a marking, one line quoting the offending
// part (at most colorcode::maxQuotedLength characters of it).
QString refusalText(const Refusal &refusal);

// How a code gave a reading: "3 haneli kod: 10 × 10⁴ pF", "EIA-198: S = 4,7,
// 3 = × 10³ pF".
QString howText(const How &how, const QLocale &locale);

// A note, one phrase: "9 = × 0,1: bazı üreticilerde", "ASCII ile: 4u7".
QString noteText(const Note &note, const QLocale &locale);

// Notes joined into one line with "; "; empty for none.
QString notesText(const std::vector<Note> &notes, const QLocale &locale);

// The polarity warning shown with every tantalum and electrolytic reading.
QString polarityWarning();

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
