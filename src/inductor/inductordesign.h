#pragma once

// The inductor colour-code window as designed: a list per band, first to
// last, and the band count, read into the value below them; a value typed
// written as its bands at the bottom. Positions and sizes in twips.
// Captions and accessible names are translated with the window's class as
// their context.

#include "forms/designer.h"

#include <QtGlobal>

#include <array>

namespace inductordesign
{

using namespace designer;

inline constexpr Window window{QT_TRANSLATE_NOOP("InductorWindow", "Bobin Renk Kodu"), 7440, 5280,
                               Placement::BesideOwner};

// clang-format off
inline constexpr std::array<Control, 12> controls{{
//   name      kind           caption                                               left  top width height tab flags   container accessible                                         fill
    {"Combo1", Kind::List,    "",                                                   120,  120, 1335,  315,  0, NoFlags, nullptr, QT_TRANSLATE_NOOP("InductorWindow", "Birinci bant"),  0},
    {"Combo2", Kind::List,    "",                                                  1560,  120, 1335,  315,  1, NoFlags, nullptr, QT_TRANSLATE_NOOP("InductorWindow", "İkinci bant"),   0},
    {"Combo3", Kind::List,    "",                                                  3000,  120, 1335,  315,  2, NoFlags, nullptr, QT_TRANSLATE_NOOP("InductorWindow", "Üçüncü bant"),   0},
    {"Combo4", Kind::List,    "",                                                  4440,  120, 1335,  315,  3, NoFlags, nullptr, QT_TRANSLATE_NOOP("InductorWindow", "Dördüncü bant"), 0},
    {"Combo5", Kind::List,    "",                                                  5880,  120, 1335,  315,  4, NoFlags, nullptr, QT_TRANSLATE_NOOP("InductorWindow", "Beşinci bant"),  0},
    {"Label1", Kind::Label,   QT_TRANSLATE_NOOP("InductorWindow", "Bant sayısı:"),  120,  615, 1200,  255, -1, NoFlags, nullptr, nullptr,                                              0},
    {"Combo6", Kind::List,    "",                                                  1320,  555, 2100,  315,  5, NoFlags, nullptr, QT_TRANSLATE_NOOP("InductorWindow", "Bant sayısı"),   0},
    {"Label2", Kind::Label,   "",                                                   120,  990, 7200, 1900, -1, NoFlags, nullptr, nullptr,                                              0},
    {"Line1",  Kind::Line,    "",                                                   120, 3000, 7200,    0, -1, NoFlags, nullptr, nullptr,                                              0},
    {"Label3", Kind::Label,   QT_TRANSLATE_NOOP("InductorWindow", "Değer:"),        120, 3195, 1200,  255, -1, NoFlags, nullptr, nullptr,                                              0},
    {"Text1",  Kind::TextBox, "",                                                  1320, 3135, 2100,  315,  6, NoFlags, nullptr, QT_TRANSLATE_NOOP("InductorWindow", "Değer"),         0},
    {"Label4", Kind::Label,   "",                                                   120, 3570, 7200, 1560, -1, NoFlags, nullptr, nullptr,                                              0},
}};
// clang-format on

} // namespace inductordesign
