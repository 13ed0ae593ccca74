#pragma once

// The command line's answers for capacitors and inductors: the lines the
// tool windows show, and one JSON document each. Keys are English and
// stable; numbers are written with their exact decimal digits.

#include "cli/answers.h"

#include <QLocale>
#include <QString>

namespace cli
{

// --cap: a marking read; --cap-for: the markings of a value.
Reply answerCap(const QString &code, const QLocale &locale);
Reply answerCapFor(const QString &typed, const QLocale &locale);

// --inductor: colour words; --inductor-for: the bands of a value.
Reply answerInductor(const QString &words, const QLocale &locale);
Reply answerInductorFor(const QString &typed, const QLocale &locale);

} // namespace cli
