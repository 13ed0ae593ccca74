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
inline constexpr std::array<Control, 23> controls{{
//   name         kind               caption                               left  top   width height tab flags          container accessible   fill
    {"Shape1",    Kind::RoundedShape, "",                                  2280, 1920, 1335, 375, -1, NoFlags,        nullptr, QT_TRANSLATE_NOOP("Form1", "Direnç"),    bodyFace},
    {"Line1",     Kind::Line,         "",                                  1920, 2115,  375,   0, -1, NoFlags,        nullptr, nullptr,     0},
    {"Line2",     Kind::Line,         "",                                  3600, 2115,  360,   0, -1, NoFlags,        nullptr, nullptr,     0},
    {"Shape2(0)", Kind::Band,         "",                                  2520, 1920,  135, 375, -1, NoFlags,        nullptr, nullptr,     0x00FFFFFF},
    {"Shape2(1)", Kind::Band,         "",                                  2760, 1920,  135, 375, -1, NoFlags,        nullptr, nullptr,     0x00000000},
    {"Shape2(2)", Kind::Band,         "",                                  3000, 1920,  135, 375, -1, NoFlags,        nullptr, nullptr,     0x00000000},
    {"Shape2(3)", Kind::Band,         "",                                  3240, 1920,  135, 375, -1, NoFlags,        nullptr, nullptr,     0x00E0E0E0},
    {"Shape2(4)", Kind::Band,         "",                                  3000, 1920,  135, 375, -1, NoFlags,        nullptr, nullptr,     0x00000000},
    {"Shape2(5)", Kind::Band,         "",                                  3240, 1920,  135, 375, -1, NoFlags,        nullptr, nullptr,     0x00000000},
    {"Combo1",    Kind::List,         "",                                   128,  120, 1215, 315,  0, NoFlags,        nullptr, QT_TRANSLATE_NOOP("Form1", "Birinci bant"), 0},
    {"Combo2",    Kind::List,         "",                                  1568,  120, 1215, 315,  1, NoFlags,        nullptr, QT_TRANSLATE_NOOP("Form1", "İkinci bant"), 0},
    {"Combo3",    Kind::List,         "",                                  3008,  120, 1215, 315,  2, NoFlags,        nullptr, QT_TRANSLATE_NOOP("Form1", "Çarpan"),    0},
    {"Combo4",    Kind::List,         "",                                  4448,  120, 1215, 315,  3, NoFlags,        nullptr, QT_TRANSLATE_NOOP("Form1", "Tolerans"),  0},
    {"Text1",     Kind::TextBox,      "",                                  1568,  600, 2655, 285,  4, Centred | ReadOnly, nullptr, QT_TRANSLATE_NOOP("Form1", "Sonuç"), 0},
    {"Command2",  Kind::Button,       QT_TRANSLATE_NOOP("Form1", "Değer Vererek Renk Kodlarını Bul"), 1568,  960, 2655, 375,  6, NoFlags,        nullptr, nullptr,     0},
    {"Command1",  Kind::Button,       QT_TRANSLATE_NOOP("Form1", "Hesapla"),                           1868, 1440, 2055, 375,  5, DefaultButton,  nullptr, nullptr,     0},
    {"Command3",  Kind::Button,       QT_TRANSLATE_NOOP("Form1", "HAKKINDA"),                          4560, 2040, 1095, 375,  7, NoFlags,        nullptr, nullptr,     0},
    // Five and six bands: the third digit and the coefficient, hidden with
    // four; the band count in the free space under the first list.
    {"Combo5",    Kind::List,         "",                                  3008,  120, 1215, 315, -1, NoFlags,        nullptr, QT_TRANSLATE_NOOP("Form1", "Üçüncü bant"), 0},
    {"Combo6",    Kind::List,         "",                                  7328,  120, 1215, 315, -1, NoFlags,        nullptr, QT_TRANSLATE_NOOP("Form1", "Sıcaklık katsayısı"), 0},
    {"Combo7",    Kind::List,         "",                                   128,  600, 1215, 315,  8, NoFlags,        nullptr, QT_TRANSLATE_NOOP("Form1", "Bant sayısı"), 0},
    // Standard values after a calculation, in the free space below it.
    {"Label1",    Kind::Label,        "",                                   128, 1005, 1380, 1440, -1, NoFlags,       nullptr, nullptr,     0},
    // The tools, right of the result box; below them the way from a value
    // that is not standard to a combination that is, shown only then.
    {"Command4",  Kind::Button,       QT_TRANSLATE_NOOP("Form1", "Araçlar"),                           4448,  600, 1215, 315,  9, NoFlags,        nullptr, nullptr,     0},
    {"Command5",  Kind::Button,       QT_TRANSLATE_NOOP("Form1", "Birleşim bul"),                      4448, 1440, 1215, 375, 10, NoFlags,        nullptr, nullptr,     0},
}};
// clang-format on

// Where the controls stand for each band count. With four bands the design's
// places; each further band adds a list at the same pitch to the row, the
// window grows by as much, the controls below keep centred under the row and
// the resistor grows to carry its bands, the tolerance band apart from the
// value bands and the coefficient nearest the end.
struct Placed {
    const char *name;
    int left, top, width, height; // twips; a line runs from (left, top) by (width, height)
};

inline constexpr int labelHeight = 1440;
inline constexpr int bandTop = 1920;
inline constexpr int bandWidth = 135;
inline constexpr int bandHeight = 375;

struct PlacedBand {
    const char *name;
    int left; // twips; top, width and height as the design's bands
};

struct BandLayout {
    int clientWidth; // twips
    std::array<Placed, 16> placed;
    std::array<PlacedBand, 6> bands; // left to right; unused entries have no name
};

// clang-format off
inline constexpr std::array<BandLayout, 3> bandLayouts{{
    {5790, {{
        {"Combo1",    128,  120, 1215, 315}, {"Combo2",   1568,  120, 1215, 315},
        {"Combo5",   3008,  120, 1215, 315}, {"Combo3",   3008,  120, 1215, 315},
        {"Combo4",   4448,  120, 1215, 315}, {"Combo6",   7328,  120, 1215, 315},
        {"Text1",    1568,  600, 2655, 285}, {"Command2", 1568,  960, 2655, 375},
        {"Command1", 1868, 1440, 2055, 375}, {"Command3", 4560, 2040, 1095, 375},
        {"Shape1",   2280, 1920, 1335, 375}, {"Line1",    1920, 2115,  375,   0},
        {"Line2",    3600, 2115,  360,   0}, {"Label1",    128, 1005, 1380, 1440},
        {"Command4", 4448,  600, 1215, 315}, {"Command5", 4448, 1440, 1215, 375},
    }}, {{{"Shape2(0)", 2520}, {"Shape2(1)", 2760}, {"Shape2(2)", 3000}, {"Shape2(3)", 3240},
          {nullptr, 0}, {nullptr, 0}}}},
    {7230, {{
        {"Combo1",    128,  120, 1215, 315}, {"Combo2",   1568,  120, 1215, 315},
        {"Combo5",   3008,  120, 1215, 315}, {"Combo3",   4448,  120, 1215, 315},
        {"Combo4",   5888,  120, 1215, 315}, {"Combo6",   7328,  120, 1215, 315},
        {"Text1",    2288,  600, 2655, 285}, {"Command2", 2288,  960, 2655, 375},
        {"Command1", 2588, 1440, 2055, 375}, {"Command3", 6000, 2040, 1095, 375},
        {"Shape1",   2880, 1920, 1575, 375}, {"Line1",    2505, 2115,  375,   0},
        {"Line2",    4440, 2115,  360,   0}, {"Label1",    128, 1005, 2100, 1440},
        {"Command4", 5888,  600, 1215, 315}, {"Command5", 5888, 1440, 1215, 375},
    }}, {{{"Shape2(0)", 3120}, {"Shape2(1)", 3360}, {"Shape2(4)", 3600}, {"Shape2(2)", 3840},
          {"Shape2(3)", 4155}, {nullptr, 0}}}},
    {8670, {{
        {"Combo1",    128,  120, 1215, 315}, {"Combo2",   1568,  120, 1215, 315},
        {"Combo5",   3008,  120, 1215, 315}, {"Combo3",   4448,  120, 1215, 315},
        {"Combo4",   5888,  120, 1215, 315}, {"Combo6",   7328,  120, 1215, 315},
        {"Text1",    3008,  600, 2655, 285}, {"Command2", 3008,  960, 2655, 375},
        {"Command1", 3308, 1440, 2055, 375}, {"Command3", 7440, 2040, 1095, 375},
        {"Shape1",   3480, 1920, 1815, 375}, {"Line1",    3105, 2115,  375,   0},
        {"Line2",    5280, 2115,  360,   0}, {"Label1",    128, 1005, 2820, 1440},
        {"Command4", 5888,  600, 1215, 315}, {"Command5", 5888, 1440, 1215, 375},
    }}, {{{"Shape2(0)", 3720}, {"Shape2(1)", 3960}, {"Shape2(4)", 4200}, {"Shape2(2)", 4440},
          {"Shape2(3)", 4755}, {"Shape2(5)", 4995}}}},
}};
// clang-format on

// Checked against the four-band row: each further band adds one list pitch
// to the row and to the window, and the controls below the row move by half
// a pitch to stay centred under it.
inline constexpr int listPitch = 1440;

constexpr const Placed &placedOf(const BandLayout &layout, const char *name)
{
    for (const Placed &p : layout.placed) {
        const char *a = p.name;
        const char *b = name;
        while (*a && *a == *b)
            ++a, ++b;
        if (*a == *b)
            return p;
    }
    return layout.placed.front();
}

constexpr bool followsFourBandRow(std::size_t extraBands)
{
    const BandLayout &four = bandLayouts[0];
    const BandLayout &layout = bandLayouts[extraBands];
    const int shift = int(extraBands) * listPitch;
    const int count = colorcode::bandRoleTable[extraBands].bandCount;
    const int digitShift =
        (colorcode::digitBandsFor(count) - colorcode::digitBandsFor(colorcode::minBandCount)) *
        listPitch;
    const auto moved = [&](const char *name, int by) {
        const Placed &a = placedOf(four, name);
        const Placed &b = placedOf(layout, name);
        return b.left == a.left + by && b.top == a.top && b.width == a.width &&
               b.height == a.height;
    };
    // The row: the multiplier and tolerance lists, and the tools under the
    // tolerance list, move along by a pitch for every digit band added
    // before them.
    return layout.clientWidth == four.clientWidth + shift && moved("Combo1", 0) &&
           moved("Combo2", 0) && moved("Combo3", digitShift) && moved("Combo4", digitShift) &&
           moved("Text1", shift / 2) && moved("Command2", shift / 2) &&
           moved("Command1", shift / 2) && moved("Command4", digitShift) &&
           moved("Command5", digitShift);
}

static_assert(followsFourBandRow(1) && followsFourBandRow(2));
// The third digit list stands where the four-band multiplier does, and the
// coefficient list one pitch right of the six-band tolerance list.
static_assert(placedOf(bandLayouts[1], "Combo5").left == placedOf(bandLayouts[0], "Combo3").left);
static_assert(placedOf(bandLayouts[2], "Combo6").left ==
              placedOf(bandLayouts[2], "Combo4").left + listPitch);

// The warning for an unchosen list names the band count in words.
inline constexpr std::array<const char *, 3> bandCountWords{QT_TRANSLATE_NOOP("Form1", "dört"),
                                                            QT_TRANSLATE_NOOP("Form1", "beş"),
                                                            QT_TRANSLATE_NOOP("Form1", "altı")};
static_assert(bandCountWords.size() == colorcode::bandRoleTable.size());

} // namespace form1design
