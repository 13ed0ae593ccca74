#pragma once

// Reading the combination window's boxes (or the command line's options)
// into a question: a target value or ratio, a series, a range of parts, the
// parts left out. Refusals are sentences in the interface's language.

#include "colorcode/exactvalue.h"
#include "combine/combination.h"

#include <QChar>
#include <QString>

#include <variant>
#include <vector>

namespace combine
{

// What the window's boxes hold.
struct Boxes {
    QString target; // a value (bare numbers in ohms) or, for a divider, a ratio
    QString low, high;
    QString leftOut; // values separated by spaces or semicolons
    SeriesChoice series = SeriesChoice::E24;
    int maxParts = 2; // 1 to 3
    bool divider = false;
};

// The boxes' first texts: 1 Ohm to 10 Mega Ohm, for dividers 1 Kilo Ohm to
// 1 Mega Ohm, as the value box reads them.
QString defaultLowText(bool divider);
QString defaultHighText(bool divider);

struct Question {
    SeriesChoice series = SeriesChoice::E24;
    colorcode::ExactValue low, high;
    int maxParts = 2;
    bool divider = false;
    colorcode::ExactValue target; // networks: above zero
    Ratio ratio;                  // dividers
    std::vector<colorcode::ExactValue> leftOut;
};

// The question the boxes ask, or what is wrong with them in words. The
// value boxes follow the value box's grammar (colorcode::readTypedNumber)
// with bare numbers in ohms.
std::variant<Question, QString> readQuestion(const Boxes &boxes, QChar decimalSeparator);

QString rangeErrorMessage(RangeError error, SeriesChoice series);

// Whether answering needs the pair tables of the question's part set.
bool needsPairTables(const Question &question);

} // namespace combine
