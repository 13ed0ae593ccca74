#pragma once

// Band colours as a person types them at a terminal: Turkish names with or
// without Turkish letters, English names, the two-letter IEC 60757 codes,
// in any case, separated by spaces, commas or hyphens. Read into the band
// model, or refused in one line naming the word, its band and what that
// band takes.

#include "colorcode/bandselection.h"
#include "colorcode/bandtables.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <variant>

namespace cli
{

// The word folded for matching, in Unicode's composed form: I, İ, ı and i
// as "i", ş ğ ü ö ç as s g u o c, ASCII letters lower case; never by a
// Turkish rule (that would turn SIYAH into "sıyah").
QString foldColourWord(const QString &word);

// The colour a single word names; nothing when it names none.
std::optional<colorcode::Colour> colourNamed(const QString &word);

// The words of a text: runs between spaces, commas and hyphens.
QStringList colourWords(const QString &text);

// The bands the words give. Three colours are a part without a tolerance
// band: the selection is then the four-band one with Renksiz, and
// givenCount says 3.
struct ReadBands {
    colorcode::BandSelection selection;
    int givenCount = 4;
    // The bands whose word ended in "?", when read with doubts.
    std::array<bool, colorcode::maxBandCount> doubtful{};
};

std::variant<ReadBands, QString> readColourWords(const QString &text);

// The same, where a word ending in "?" ("kırmızı?") marks its band as one
// whose colour the user is not sure of. A "?" alone is no colour.
std::variant<ReadBands, QString> readColourWordsWithDoubt(const QString &text);

// A role's name in a refusal: "rakam", "çarpan", "tolerans", "sıcaklık
// katsayısı", or its English one.
QString roleName(colorcode::Role role);

} // namespace cli
