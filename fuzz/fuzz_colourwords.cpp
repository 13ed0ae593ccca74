// Reading colour words, whatever is typed: it never crashes or reads out of
// bounds, it accepts exactly the words it should in the bands that take
// them, and it refuses the first word that does not fit, by its place.
//
// The expectations come from an oracle of its own: each colour's spellings
// are matched letter by letter against the word in Unicode's composed form,
// a letter standing also for its Turkish form (a "ı" where an "i" may stand,
// a "ş" for an "s" ...), in one pass with no backtracking, so that fuzzing
// time goes to the reader; the colours each band takes are written out from
// the colour-code table, not taken from the band lists.
//
// Input: byte 0 bit 0 chooses UTF-8 or UTF-16 for the rest.

#include "cli/colourwords.h"
#include "colorcode/bandtables.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <set>
#include <variant>
#include <vector>

using colorcode::Colour;

namespace
{

struct Spellings {
    Colour colour;
    std::vector<const char *> words; // ASCII, lower case
};

// From the table of colour names and codes.
const std::array<Spellings, 14> spellings{{
    {Colour::Siyah, {"siyah", "black", "bk"}},
    {Colour::Kahverengi, {"kahverengi", "brown", "bn"}},
    {Colour::Kirmizi, {"kirmizi", "red", "rd"}},
    {Colour::Turuncu, {"turuncu", "orange", "og"}},
    {Colour::Sari, {"sari", "yellow", "ye"}},
    {Colour::Yesil, {"yesil", "green", "gn"}},
    {Colour::Mavi, {"mavi", "blue", "bu"}},
    {Colour::Mor, {"mor", "violet", "purple", "vt"}},
    {Colour::Gri, {"gri", "grey", "gray", "gy"}},
    {Colour::Beyaz, {"beyaz", "white", "wh"}},
    {Colour::Altin, {"altin", "gold", "gd"}},
    {Colour::Gumus, {"gumus", "silver", "sr"}},
    {Colour::Pembe, {"pembe", "pink", "pk"}},
    {Colour::Renksiz, {"renksiz", "none"}},
}};

// Whether a character may stand for a letter of a spelling: the letter in
// either case, or a Turkish one written where it may stand.
bool standsFor(QChar c, char letter)
{
    const char16_t u = c.unicode();
    if (u == char16_t(letter) || u == char16_t(letter - 'a' + 'A'))
        return true;
    switch (letter) {
    case 'i':
        return u == 0x0131 || u == 0x0130;
    case 's':
        return u == 0x015F || u == 0x015E;
    case 'g':
        return u == 0x011F || u == 0x011E;
    case 'u':
        return u == 0x00FC || u == 0x00DC;
    case 'o':
        return u == 0x00F6 || u == 0x00D6;
    case 'c':
        return u == 0x00E7 || u == 0x00C7;
    default:
        return false;
    }
}

// A word against one spelling, letter by letter, in one pass: a dotted i
// may carry its dot as combining marks, which no other letter stands for.
bool spells(const QString &word, const char *spelling)
{
    qsizetype at = 0;
    for (const char *p = spelling; *p; ++p) {
        if (at == word.size() || !standsFor(word[at], *p))
            return false;
        ++at;
        if (*p == 'i')
            while (at < word.size() && word[at].unicode() == 0x0307)
                ++at;
    }
    return at == word.size();
}

std::optional<Colour> oracleColour(const QString &word)
{
    const QString composed = word.normalized(QString::NormalizationForm_C);
    for (const Spellings &s : spellings)
        for (const char *w : s.words)
            if (spells(composed, w))
                return s.colour;
    return std::nullopt;
}

// What each band takes, by the colour-code table.
const std::set<Colour> digitColours{
    Colour::Siyah, Colour::Kahverengi, Colour::Kirmizi, Colour::Turuncu, Colour::Sari,
    Colour::Yesil, Colour::Mavi,       Colour::Mor,     Colour::Gri,     Colour::Beyaz};
const std::set<Colour> multiplierColours = [] {
    std::set<Colour> s = digitColours;
    s.insert({Colour::Altin, Colour::Gumus, Colour::Pembe});
    return s;
}();
const std::set<Colour> toleranceColours{Colour::Altin,      Colour::Gumus,   Colour::Renksiz,
                                        Colour::Kahverengi, Colour::Kirmizi, Colour::Turuncu,
                                        Colour::Sari,       Colour::Yesil,   Colour::Mavi,
                                        Colour::Mor,        Colour::Gri};
const std::set<Colour> coefficientColours{Colour::Siyah,   Colour::Kahverengi, Colour::Kirmizi,
                                          Colour::Turuncu, Colour::Sari,       Colour::Yesil,
                                          Colour::Mavi,    Colour::Mor,        Colour::Gri};

const std::set<Colour> &takes(int count, int band)
{
    const int digits = count <= 4 ? 2 : 3;
    if (band < digits)
        return digitColours;
    if (band == digits)
        return multiplierColours;
    if (band == digits + 1)
        return toleranceColours;
    return coefficientColours;
}

[[noreturn]] void fail(const char *what, const QString &text, const QString &detail = {})
{
    std::fprintf(stderr, "%s\n  typed: \"%s\"\n  %s\n", what, qPrintable(text), qPrintable(detail));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool utf16 = data[0] & 1u;
    ++data;
    --size;
    QString text;
    if (utf16) {
        text.resize(qsizetype(size / 2));
        std::memcpy(text.data(), data, size / 2 * 2);
    } else {
        text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    }

    // The words between spaces, commas and hyphens.
    QStringList words;
    QString word;
    for (const char32_t c : text.toUcs4()) {
        if (c == U',' || c == U'-' || QChar::isSpace(c)) {
            if (!word.isEmpty())
                words << word;
            word.clear();
        } else {
            word += QString::fromUcs4(&c, 1);
        }
    }
    if (!word.isEmpty())
        words << word;

    const auto read = cli::readColourWords(text);
    const QString *refusal = std::get_if<QString>(&read);
    const int count = int(words.size());
    if (count < 3 || count > 6) {
        if (!refusal || !refusal->startsWith(QStringLiteral("3 ile 6 arasında renk gerekir; %1 "
                                                            "renk yazıldı")
                                                 .arg(count)))
            fail("a wrong number of colours not refused as such", text,
                 refusal ? *refusal : QStringLiteral("accepted"));
        return 0;
    }

    std::vector<Colour> colours;
    for (int band = 0; band < count; ++band) {
        const std::optional<Colour> colour = oracleColour(words[band]);
        const QString place = QStringLiteral("%1. bant (").arg(band + 1);
        if (!colour || !takes(count, band).count(*colour)) {
            if (!refusal || !refusal->startsWith(place) ||
                !refusal->contains(colour ? QStringLiteral(" olamaz; ")
                                          : QStringLiteral(" bir renk adı değil; ")))
                fail("a word that does not fit not refused by its place", text,
                     QStringLiteral("band %1: %2")
                         .arg(band + 1)
                         .arg(refusal ? *refusal : "accepted"));
            return 0;
        }
        colours.push_back(*colour);
    }
    if (refusal)
        fail("fitting colours refused", text, *refusal);
    const cli::ReadBands &bands = std::get<cli::ReadBands>(read);
    if (count == 3)
        colours.push_back(Colour::Renksiz);
    if (bands.givenCount != count || bands.selection.colours() != colours)
        fail("wrong colours", text);
    return 0;
}
