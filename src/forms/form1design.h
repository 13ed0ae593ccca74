#pragma once

// The main window as designed. Positions and sizes in twips.

#include "forms/designer.h"

#include <array>

namespace form1design
{

using namespace designer;

inline constexpr Window window{"Tavlora", 5790, 2475, Placement::Centred};

// The resistor body's face: the light grey the bands were chosen against, the
// window colour of Qt's default light palette. Filled, it keeps them apart on
// dark and coloured themes too, where the window behind would not.
inline constexpr colorcode::ColourValue bodyFace = 0x00EFEFEF;

// clang-format off
inline constexpr std::array<Control, 15> controls{{
//   name         kind               caption                               left  top   width height tab flags          container accessible   fill
    {"Shape1",    Kind::RoundedShape, "",                                  2280, 1920, 1335, 375, -1, NoFlags,        nullptr, "Direnç",    bodyFace},
    {"Line1",     Kind::Line,         "",                                  1920, 2115,  375,   0, -1, NoFlags,        nullptr, nullptr,     0},
    {"Line2",     Kind::Line,         "",                                  3600, 2115,  360,   0, -1, NoFlags,        nullptr, nullptr,     0},
    {"Shape2(0)", Kind::Band,         "",                                  2520, 1920,  135, 375, -1, NoFlags,        nullptr, nullptr,     0x00FFFFFF},
    {"Shape2(1)", Kind::Band,         "",                                  2760, 1920,  135, 375, -1, NoFlags,        nullptr, nullptr,     0x00000000},
    {"Shape2(2)", Kind::Band,         "",                                  3000, 1920,  135, 375, -1, NoFlags,        nullptr, nullptr,     0x00000000},
    {"Shape2(3)", Kind::Band,         "",                                  3240, 1920,  135, 375, -1, NoFlags,        nullptr, nullptr,     0x00E0E0E0},
    {"Combo1",    Kind::List,         "",                                   128,  120, 1215, 315,  0, NoFlags,        nullptr, "Birinci bant", 0},
    {"Combo2",    Kind::List,         "",                                  1568,  120, 1215, 315,  1, NoFlags,        nullptr, "İkinci bant", 0},
    {"Combo3",    Kind::List,         "",                                  3008,  120, 1215, 315,  2, NoFlags,        nullptr, "Çarpan",    0},
    {"Combo4",    Kind::List,         "",                                  4448,  120, 1215, 315,  3, NoFlags,        nullptr, "Tolerans",  0},
    {"Text1",     Kind::TextBox,      "",                                  1568,  600, 2655, 285,  4, Centred | ReadOnly, nullptr, "Sonuç", 0},
    {"Command2",  Kind::Button,       "Değer Vererek Renk Kodlarını Bul", 1568,  960, 2655, 375,  6, NoFlags,        nullptr, nullptr,     0},
    {"Command1",  Kind::Button,       "Hesapla",                           1868, 1440, 2055, 375,  5, DefaultButton,  nullptr, nullptr,     0},
    {"Command3",  Kind::Button,       "HAKKINDA",                          4560, 2040, 1095, 375,  7, NoFlags,        nullptr, nullptr,     0},
}};
// clang-format on

} // namespace form1design
