#pragma once

// A non-negative resistance written exactly, as decimal digits and a power
// of ten: typed values can be longer than any integer type, and every value
// a band choice gives is one of these too. Never a double: 0,29 × 100 is
// 28,999… there.

#include <string>

namespace colorcode
{

struct ExactValue {
    std::string digits; // '0' to '9'; empty for zero
    int powerOfTen = 0; // the value is digits × 10^powerOfTen ohms
    bool operator==(const ExactValue &) const = default;
};

// The one spelling of a value: no leading or trailing zeros in the digits
// (trailing ones move into the power), zero as no digits and power 0. Values
// compare equal exactly when their normalised forms do.
ExactValue normalised(ExactValue value);

// Orders two normalised values: negative, zero or positive as a is below,
// equal to or above b.
int compareValues(const ExactValue &a, const ExactValue &b);

} // namespace colorcode
