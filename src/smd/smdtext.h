#pragma once

// SMD markings in words: the one place the readings, refusals and markings
// of smdmarking.h become text in the interface's language, for the window,
// the command line's lines and the JSON's text fields alike. Numbers follow
// the locale given.

#include "smd/smdmarking.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace smd
{

// The format as the user reads it: "3 haneli", "EIA-96", "R ondalık".
QString formatName(MarkingFormat format);

// How a code gave a reading: "3 haneli kod: 47 × 10²", "EIA-96: 01 = 100,
// C = × 100", "R ondalık: 4R7 = 4,7".
QString howText(const QString &code, const Reading &reading, const QLocale &locale);

// A note beside a reading, one line.
QString noteText(const QString &code, const Reading &reading, const Note &note,
                 const QLocale &locale);

// What keeps a text from being a marking, one line naming what is wrong.
QString refusalText(const Refusal &refusal, const QLocale &locale);

// Why a format has no code for a value: "E96'da yok", "3 haneli kod iki
// anlamlı hane taşır".
QString noCodeText(const NoCode &why, const QLocale &locale);

// What to know about a code that exists: "eski cihazlarda 0,1 Ohm okunur",
// "0 Ohm köprü".
QStringList markingNotes(const Marking &marking, const QLocale &locale);

// Whether a standard value, and else its nearest ones, at a tolerance in
// hundredths of a percent: "E96 standart değeri", "E24 değil; en yakın: …".
// Empty for zero. The words are the band model's verdict.
QString smdStandardLine(const colorcode::ExactValue &value, std::int32_t toleranceHundredths,
                        const QLocale &locale);

// A decoded marking as lines: the value ("4,7 Kilo Ohm"; "0 Ohm köprü"), how
// it was read, the tolerance, optionally the standard-value line, the notes,
// and any second reading ("İkinci okuma: 10 Ohm (R ondalık: 10R = 10)"). A
// refusal is its text alone.
QStringList decodeLines(const MarkingReading &reading, const QLocale &locale,
                        bool withStandardLine);

// The markings as lines: "3 haneli: 472", "4 haneli: 4701",
// "EIA-96: — (E96'da yok)", and "121, altı çizili: ± % 1" where it applies.
QStringList encodeLines(const Markings &markings, const QLocale &locale);

} // namespace smd
