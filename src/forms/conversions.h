#pragma once

// The regional number format every window writes and reads numbers in;
// exact numbers become text in numbers/exactnumber.h.

#include <QLocale>
#include <QString>

namespace conversions
{

// The user's regional number format, without group separators: a Turkish
// user sees "4,7" and "10000", never "10.000".
QLocale numberLocale();

} // namespace conversions
