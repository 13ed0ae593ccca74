#pragma once

// Capacitance and inductance as exact numbers of picofarads and
// microhenries: written in the unit that gives 1 to 999 ("100 nF",
// "0,47 pF", "470 nH"), and read from what a person types ("4,7n",
// "100nF", "0,1µ", "2,2µH", "4n7").

#include "colorcode/exactvalue.h"

#include <QLocale>
#include <QString>

#include <variant>

namespace quantity
{

enum class Kind {
    Capacitance, // counted in pF; shown from pF up to mF
    Inductance,  // counted in µH; shown from nH up to mH
};

// The value in the unit that gives 1 to 999, the locale's decimal mark,
// no group separator; below the smallest unit and above the largest it
// stays in those. Zero is "0 pF" or "0 µH".
QString quantityText(const colorcode::ExactValue &value, Kind kind, const QLocale &locale);

// The unit's symbol for a power of ten relative to farad or henry: -12 "pF".
QString unitSymbol(int power, Kind kind);

// A typed value: a number with the locale's decimal mark, then a prefix
// (p, n, u, µ or m; upper-case N and U too) and optionally the unit (F or
// H); or the prefix in place of the decimal mark ("4n7", "2µ2"). Without a
// prefix the unit must be written ("1F", "2H"). Invisible characters and
// spaces do not count; digits of any script read as 0-9. A refusal is one
// line in the interface's language.
std::variant<colorcode::ExactValue, QString> readQuantity(const QString &text, Kind kind,
                                                          QChar decimalMark);

// Fixed texts write decimals with a comma ("× 0,1"); this puts the
// locale's mark there, leaving list commas (followed by a space) alone.
QString withDecimalMark(QString text, const QLocale &locale);

} // namespace quantity
