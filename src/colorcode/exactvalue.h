#pragma once

// A non-negative resistance written exactly, as decimal digits and a power
// of ten of an ohm: typed values can be longer than any integer type, and
// every value a band choice gives is one of these too. The type and its
// order are the program's exact numbers (numbers/exactnumber.h).

#include "numbers/exactnumber.h"

namespace colorcode
{

using numbers::compareValues;
using numbers::ExactValue;
using numbers::normalised;

} // namespace colorcode
