#pragma once

// The about window as designed. Positions and sizes in twips.

#include "forms/designer.h"

#include <QCoreApplication>
#include <QString>

#include <array>

namespace form3design
{

using namespace designer;

inline constexpr Window window{"Form3", 3870, 2850, Placement::SystemDefault};

// The label reaches a little below the window; the button lies over its
// lower right part and is drawn above it.
// clang-format off
inline constexpr std::array<Control, 2> controls{{
//   name        kind         caption   left  top   width height tab flags    container accessible  fill
    {"Label1",   Kind::Label, "",        120,  120, 3615, 2775,  1, NoFlags, nullptr,  nullptr,    0},
    {"Command1", Kind::Button, QT_TRANSLATE_NOOP("Form3", "KAPAT"), 2760, 2280,  975,  375,  0, NoFlags, nullptr,  nullptr,    0},
}};
// clang-format on

// The about text is one line of pieces; the runs of spaces between them make
// the label's word wrap start each piece on a line of its own. The addresses
// are the same in every language.
struct AboutPiece {
    const char *text; // UTF-8
    int spacesAfter;
};

// The authors and their addresses are invented; example.org is reserved for
// examples.
inline constexpr std::array<AboutPiece, 7> aboutPieces{{
    {QT_TRANSLATE_NOOP(
         "Form3", "BU PROĞRAM KEMAL DİRENÇ VE AYLİN KONDANSATÖR TARAFINDAN YAZILMIŞ OLUP . TAMAMEN "
                  "ÜCRETSİZDİR."),
     56},
    {QT_TRANSLATE_NOOP("Form3", "TÜM ELEKTRONİKÇİLER İÇİN LAZIM OLACAK BİR PROĞRAMDIR."), 48},
    {QT_TRANSLATE_NOOP("Form3", "HER TÜRLÜ PROĞRAM YAZILIR."), 25},
    {QT_TRANSLATE_NOOP("Form3", "BİZE ULAŞMAK İÇİN :"), 99},
    {"kemal.direnc@example.org", 103},
    {"aylin.kondansator@example.org", 127},
    {QT_TRANSLATE_NOOP("Form3", "GÜLE GÜLE KULLANIN..."), 0},
}};

inline QString aboutText()
{
    QString text;
    for (const AboutPiece &piece : aboutPieces)
        text += QCoreApplication::translate("Form3", piece.text) + QString(piece.spacesAfter, u' ');
    return text;
}

} // namespace form3design
