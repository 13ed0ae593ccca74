#pragma once

#include "colorcode/bandtables.h"

#include <QString>

namespace colorcode
{

// A colour's name in the interface's language, as lists, results and speech
// show it: "Kırmızı", or "Red" in English.
QString colourText(Colour colour);

} // namespace colorcode
