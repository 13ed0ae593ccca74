#pragma once

// The inductor reference's tolerance colours typed again for the tests and
// the fuzz target: an oracle that does not share the program's own table.

#include "colorcode/bandtables.h"

#include <optional>

namespace indreference
{

// In hundredths of a percent: Kahverengi 1 %, Kırmızı 2 %, Turuncu 3 %,
// Sarı 4 %, Altın 5 %, Gümüş 10 %, Siyah and no band 20 %; none for the
// other colours.
inline std::optional<int> tolerance(colorcode::Colour c)
{
    using colorcode::Colour;
    switch (c) {
    case Colour::Kahverengi:
        return 100;
    case Colour::Kirmizi:
        return 200;
    case Colour::Turuncu:
        return 300;
    case Colour::Sari:
        return 400;
    case Colour::Altin:
        return 500;
    case Colour::Gumus:
        return 1000;
    case Colour::Siyah:
    case Colour::Renksiz:
        return 2000;
    default:
        return std::nullopt;
    }
}

} // namespace indreference
