#pragma once

// The value-entry window as designed. Positions and sizes in twips, relative
// to the control's container.

#include "forms/designer.h"

#include <array>

namespace form2design
{

using namespace designer;

inline constexpr Window window{"Değer Giriniz", 3375, 2295, Placement::BesideOwner};

// The unit options sit inside Frame1; the tolerance options lie on the form
// itself, over the empty Frame2, so the two groups never clear each other.
// clang-format off
inline constexpr std::array<Control, 10> controls{{
//   name        kind           caption  left  top   width height tab flags               container accessible  fill
    {"Frame1",   Kind::Frame,   "",       600,  600,  975, 1095,  2, NoFlags,             nullptr,  "Birim",    0},
    {"Option1",  Kind::Option,  "Ohm",    120,  240,  735,  255,  5, Chosen,              "Frame1", nullptr,    0},
    {"Option2",  Kind::Option,  "Kohm",   120,  480,  735,  255,  4, NoFlags,             "Frame1", nullptr,    0},
    {"Option3",  Kind::Option,  "Mohm",   120,  720,  735,  255,  3, NoFlags,             "Frame1", nullptr,    0},
    {"Frame2",   Kind::Frame,   "",      1680,  600,  975, 1095,  6, NoFlags,             nullptr,  "Tolerans", 0},
    {"Option4",  Kind::Option,  "% 5",   1800,  840,  615,  255,  7, Chosen,              nullptr,  nullptr,    0},
    {"Option5",  Kind::Option,  "% 10",  1800, 1080,  735,  255,  8, NoFlags,             nullptr,  nullptr,    0},
    {"Option6",  Kind::Option,  "% 20",  1800, 1320,  735,  255,  9, NoFlags,             nullptr,  nullptr,    0},
    {"Text1",    Kind::TextBox, "",       360,  240, 2655,  285,  0, Centred,             nullptr,  "Değer",    0},
    {"Command1", Kind::Button,  "Tamam", 1080, 1800, 1215,  375,  1, DefaultButton,       nullptr,  nullptr,    0},
}};
// clang-format on

} // namespace form2design
