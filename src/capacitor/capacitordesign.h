#pragma once

// The capacitor marking window as designed: a marking read into every value
// it can mean above, a value written as its markings below. Positions and
// sizes in twips. Captions and accessible names are translated with the
// window's class as their context.

#include "forms/designer.h"

#include <QtGlobal>

#include <array>

namespace capacitordesign
{

using namespace designer;

inline constexpr Window window{QT_TRANSLATE_NOOP("CapacitorWindow", "Kondansatör Kodu"), 8400, 6600,
                               Placement::BesideOwner};

// The code's result holds a marking read four ways with its notes (107C:
// twelve lines); the value's its four markings and series (six).
// clang-format off
inline constexpr std::array<Control, 7> controls{{
//   name      kind           caption                                                     left  top width height tab flags   container accessible                                          fill
    {"Label1", Kind::Label,   QT_TRANSLATE_NOOP("CapacitorWindow", "Kondansatör kodu:"),  120,  180, 1800,  255, -1, NoFlags, nullptr, nullptr,                                                  0},
    {"Text1",  Kind::TextBox, "",                                                        1920,  120, 2400,  315,  0, NoFlags, nullptr, QT_TRANSLATE_NOOP("CapacitorWindow", "Kondansatör kodu"), 0},
    {"Label2", Kind::Label,   "",                                                         120,  555, 8160, 3700, -1, NoFlags, nullptr, nullptr,                                                  0},
    {"Line1",  Kind::Line,    "",                                                         120, 4350, 8160,    0, -1, NoFlags, nullptr, nullptr,                                                  0},
    {"Label3", Kind::Label,   QT_TRANSLATE_NOOP("CapacitorWindow", "Değer:"),             120, 4545, 1800,  255, -1, NoFlags, nullptr, nullptr,                                                  0},
    {"Text2",  Kind::TextBox, "",                                                        1920, 4485, 2400,  315,  1, NoFlags, nullptr, QT_TRANSLATE_NOOP("CapacitorWindow", "Değer"),            0},
    {"Label4", Kind::Label,   "",                                                         120, 4920, 8160, 1560, -1, NoFlags, nullptr, nullptr,                                                  0},
}};
// clang-format on

} // namespace capacitordesign
