#pragma once

// The combination window's answers: the best networks or dividers for a
// question, written as lines and as plain numbers. A target beyond all that
// the range's parts can make (a network of n parts reaches from the
// smallest over n to the largest times n, a divider from s / (s + l) to
// l / (l + s)) is no question to search: the answer says what they reach.
//
// A network's line, with the values written as the result box writes them
// (colorcode::valueText) in the locale given:
//   2,2 Kilo Ohm + 6,8 Kilo Ohm = 9 Kilo Ohm  tam  (± % 20: 7,2 Kilo Ohm – 10,8 Kilo Ohm)
//   560 Ohm ∥ 820 Ohm ≈ 332,75 Ohm  −0,074 %  (± % 10: 299,47 Ohm – 366,03 Ohm)
//   4,7 Kilo Ohm + (10 Kilo Ohm ∥ 22 Kilo Ohm) ≈ …
//   1,2 Kilo Ohm ∥ (2,2 Kilo Ohm + 4,7 Kilo Ohm) ≈ …
//   9,1 Kilo Ohm tek başına  tam  (± % 5: 8,645 Kilo Ohm – 9,555 Kilo Ohm)
// - the parts ascending, b ≤ c inside the brackets of a + (b ∥ c) and
//   a ∥ (b + c);
// - the value after "=" where its decimal expansion ends (written whole),
//   after "≈" rounded to five significant digits half away from zero where
//   it does not end;
// - the signed error (network − target) / target in percent: a sign (+ or
//   U+2212), two decimals, more where two significant digits need them
//   (+0,0021 %, −0,074 %, +1,50 %), rounded half away from zero; "tam" when
//   it is exactly zero;
// - the worst case for parts of the series' usual tolerance: the network
//   with every part at its lowest and at its highest, five significant
//   digits, the low end rounded down and the high end up, so that the range
//   shown always holds the true one.
// A divider's line:
//   R1 4,7 Kilo Ohm, R2 9,1 Kilo Ohm: ≈ 0,65942  −0,088 %  (± % 5: 0,63659 – 0,68153)
// the ratio R2 / (R1 + R2) written as the value above ("≈ " where rounded),
// its error likewise, and the worst case with R1 and R2 at opposite ends of
// their tolerance.
// Numbers use the locale's decimal separator, digits 0 to 9, no grouping.

#include "colorcode/exactvalue.h"
#include "combine/combination.h"
#include "combine/combinationquestion.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

namespace combine
{

// A result as plain numbers, for a command line's JSON.
struct NumericResult {
    std::vector<colorcode::ExactValue> parts; // ohms: a, b, c as written; R1, R2
    QString network;                          // the network text, or "R1 …, R2 …"
    bool divider = false;
    double value = 0;        // ohms, or the ratio; from the exact fraction
    double errorPercent = 0; // from the exact fraction
    bool exact = false;      // the error is exactly zero
};

struct Answer {
    QString message;   // what keeps the question from an answer; empty otherwise
    QStringList notes; // said before the lines
    QStringList lines; // the best first
    std::vector<NumericResult> numbers;
};

// Answers a question over its part set; the pair tables where
// needsPairTables says so.
Answer answer(const Question &question, const PartSet &set, const PairTables *tables,
              const QLocale &locale);

} // namespace combine
