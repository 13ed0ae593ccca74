#pragma once

// The value-entry window as designed. Positions and sizes in twips, relative
// to the control's container.

#include "forms/designer.h"

#include <array>

namespace form2design
{

using namespace designer;

inline constexpr Window window{QT_TRANSLATE_NOOP("Form2", "Değer Giriniz"), 5670, 3705,
                               Placement::BesideOwner};

// The unit options sit inside Frame1; the tolerance options lie on the form
// itself, over the empty Frame2, so the two groups never clear each other.
// clang-format off
inline constexpr std::array<Control, 33> controls{{
//   name        kind           caption  left  top   width height tab flags               container accessible  fill
    {"Frame1",   Kind::Frame,   "",       600,  600,  975, 1095,  2, NoFlags,             nullptr,  QT_TRANSLATE_NOOP("Form2", "Birim"), 0},
    {"Option1",  Kind::Option,  "Ohm",    120,  240,  735,  255,  5, Chosen,              "Frame1", nullptr,    0},
    {"Option2",  Kind::Option,  "Kohm",   120,  480,  735,  255,  4, NoFlags,             "Frame1", nullptr,    0},
    {"Option3",  Kind::Option,  "Mohm",   120,  720,  735,  255,  3, NoFlags,             "Frame1", nullptr,    0},
    {"Frame2",   Kind::Frame,   "",      1680,  600,  975, 1095,  6, NoFlags,             nullptr,  QT_TRANSLATE_NOOP("Form2", "Tolerans"), 0},
    {"Option4",  Kind::Option,  QT_TRANSLATE_NOOP("Form2", "% 5"),   1800,  840,  615,  255,  7, Chosen,              nullptr,  nullptr,    0},
    {"Option5",  Kind::Option,  QT_TRANSLATE_NOOP("Form2", "% 10"),  1800, 1080,  735,  255,  8, NoFlags,             nullptr,  nullptr,    0},
    {"Option6",  Kind::Option,  QT_TRANSLATE_NOOP("Form2", "% 20"),  1800, 1320,  735,  255,  9, NoFlags,             nullptr,  nullptr,    0},
    {"Text1",    Kind::TextBox, "",       360,  240, 2655,  285,  0, Centred,             nullptr,  QT_TRANSLATE_NOOP("Form2", "Değer"), 0},
    {"Command1", Kind::Button,  QT_TRANSLATE_NOOP("Form2", "Tamam"), 1080, 1800, 1215,  375,  1, DefaultButton,       nullptr,  nullptr,    0},
    // Under the design's controls: how the value will be shown, and the
    // nearest standard values, each taken into the box by its button.
    {"Label1",   Kind::Label,   "",       120, 2280, 3135,  450, -1, NoFlags,             nullptr,  nullptr,    0},
    {"Command2", Kind::Button,  "",       120, 2790, 3135,  375, 10, NoFlags,             nullptr,  nullptr,    0},
    {"Command3", Kind::Button,  "",       120, 3210, 3135,  375, 11, NoFlags,             nullptr,  nullptr,    0},
    // Beside them the finer tolerances: one group with the options above,
    // captioned from the tolerance table, in columns.
    {"Frame3",   Kind::Frame,   "",      3375,  600, 2175, 1095, -1, NoFlags,             nullptr,  QT_TRANSLATE_NOOP("Form2", "Tolerans"), 0},
    {"Option7",  Kind::Option,  "",      3480,  720,  1005,  255, 12, NoFlags,             nullptr,  nullptr,    0},
    {"Option8",  Kind::Option,  "",      3480,  960,  1005,  255, 13, NoFlags,             nullptr,  nullptr,    0},
    {"Option9",  Kind::Option,  "",      3480, 1200,  1005,  255, 14, NoFlags,             nullptr,  nullptr,    0},
    {"Option10", Kind::Option,  "",      3480, 1440,  1005,  255, 15, NoFlags,             nullptr,  nullptr,    0},
    {"Option11", Kind::Option,  "",      4485,  720,  1005,  255, 16, NoFlags,             nullptr,  nullptr,    0},
    {"Option12", Kind::Option,  "",      4485,  960,  1005,  255, 17, NoFlags,             nullptr,  nullptr,    0},
    {"Option13", Kind::Option,  "",      4485, 1200,  1005,  255, 18, NoFlags,             nullptr,  nullptr,    0},
    {"Option14", Kind::Option,  "",      4485, 1440,  1005,  255, 19, NoFlags,             nullptr,  nullptr,    0},
    // The temperature coefficient, shown with six bands only.
    {"Frame4",   Kind::Frame,   "",      3375, 1800, 2175, 1335, 20, NoFlags,             nullptr,  QT_TRANSLATE_NOOP("Form2", "Sıcaklık katsayısı"), 0},
    {"Option15", Kind::Option,  "",        105,  120,  1005,  255, 21, NoFlags,             "Frame4", nullptr,    0},
    {"Option16", Kind::Option,  "",        105,  360,  1005,  255, 22, Chosen,              "Frame4", nullptr,    0},
    {"Option17", Kind::Option,  "",        105,  600,  1005,  255, 23, NoFlags,             "Frame4", nullptr,    0},
    {"Option18", Kind::Option,  "",        105,  840,  1005,  255, 24, NoFlags,             "Frame4", nullptr,    0},
    {"Option19", Kind::Option,  "",        105, 1080,  1005,  255, 25, NoFlags,             "Frame4", nullptr,    0},
    {"Option20", Kind::Option,  "",       1110,  120,  1005,  255, 26, NoFlags,             "Frame4", nullptr,    0},
    {"Option21", Kind::Option,  "",       1110,  360,  1005,  255, 27, NoFlags,             "Frame4", nullptr,    0},
    {"Option22", Kind::Option,  "",       1110,  600,  1005,  255, 28, NoFlags,             "Frame4", nullptr,    0},
    {"Option23", Kind::Option,  "",       1110,  840,  1005,  255, 29, NoFlags,             "Frame4", nullptr,    0},
    // Beside the suggestions: a combination of standard parts for the value,
    // shown while it is not standard.
    {"Command4", Kind::Button,  QT_TRANSLATE_NOOP("Form2", "Birleşim bul"), 3375, 3210, 2175, 375, 30, NoFlags,       nullptr,  nullptr,    0},
}};
// clang-format on

// The hint's design height; a longer hint pushes the suggestions down.
inline constexpr int hintHeight = 450;

struct Placed {
    const char *name;
    int left, top, width, height; // twips
};

// The suggestions' design places, from which a longer hint moves them.
inline constexpr std::array<Placed, 3> belowHint{{
    {"Command2", 120, 2790, 3135, 375},
    {"Command3", 120, 3210, 3135, 375},
    {"Command4", 3375, 3210, 2175, 375},
}};

// Which entry each option chooses: tolerances from the largest down, the
// coefficients likewise, column by column; indices into the tolerance and
// coefficient tables.
struct OptionEntry {
    const char *option;
    int index;
};

// clang-format off
inline constexpr std::array<OptionEntry, 11> toleranceOptions{{
    {"Option4", 0}, {"Option5", 1}, {"Option6", 2},
    {"Option7", 4}, {"Option8", 3}, {"Option9", 7}, {"Option10", 8},
    {"Option11", 9}, {"Option12", 5}, {"Option13", 6}, {"Option14", 10},
}};
inline constexpr std::array<OptionEntry, 9> coefficientOptions{{
    {"Option15", 0}, {"Option16", 1}, {"Option17", 2},
    {"Option18", 4}, {"Option19", 5}, {"Option20", 3},
    {"Option21", 6}, {"Option22", 7}, {"Option23", 8},
}};
// clang-format on

} // namespace form2design
