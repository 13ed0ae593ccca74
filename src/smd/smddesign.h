#pragma once

// The SMD marking window as designed: a code read into its value above, a
// value written as its markings below. Positions and sizes in twips; the
// captions and accessible names are translated by the window (SmdWindow).

#include "forms/designer.h"

#include <QtGlobal>

#include <array>

namespace smddesign
{

using namespace designer;

inline constexpr Window window{QT_TRANSLATE_NOOP("SmdWindow", "SMD Kodu"), 6300, 4380,
                               Placement::BesideOwner};

// The result labels are tall enough for the longest answers, with a line
// to spare: a code read two ways with its notes (seven lines), and a value
// with its four markings (five).
// clang-format off
inline constexpr std::array<Control, 7> controls{{
//   name       kind           caption                                       left  top   width height tab flags    container accessible                                 fill
    {"Label1",  Kind::Label,   QT_TRANSLATE_NOOP("SmdWindow", "SMD kodu:"),   120,  180, 1200,  255, -1, NoFlags, nullptr,  nullptr,                                   0},
    {"Text1",   Kind::TextBox, "",                                           1320,  120, 2100,  315,  0, NoFlags, nullptr,  QT_TRANSLATE_NOOP("SmdWindow", "SMD kodu"), 0},
    {"Label2",  Kind::Label,   "",                                            120,  555, 6060, 1815, -1, NoFlags, nullptr,  nullptr,                                   0},
    {"Line1",   Kind::Line,    "",                                            120, 2490, 6060,    0, -1, NoFlags, nullptr,  nullptr,                                   0},
    {"Label3",  Kind::Label,   QT_TRANSLATE_NOOP("SmdWindow", "Değer:"),      120, 2685, 1200,  255, -1, NoFlags, nullptr,  nullptr,                                   0},
    {"Text2",   Kind::TextBox, "",                                           1320, 2625, 2100,  315,  1, NoFlags, nullptr,  QT_TRANSLATE_NOOP("SmdWindow", "Değer"),    0},
    {"Label4",  Kind::Label,   "",                                            120, 3060, 6060, 1200, -1, NoFlags, nullptr,  nullptr,                                   0},
}};
// clang-format on

} // namespace smddesign
