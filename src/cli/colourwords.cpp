#include "cli/colourwords.h"

#include "colorcode/colourtext.h"
#include "colorcode/quotedword.h"

#include <QCoreApplication>

#include <array>
#include <span>
#include <vector>

using colorcode::Colour;
using colorcode::Role;

namespace cli
{

namespace
{

struct Name {
    const char *folded;
    Colour colour;
};

// Every accepted word, folded: the Turkish names, the English ones and the
// IEC 60757 codes. Single letters are not among them: in both languages
// they would name more than one colour.
// clang-format off
constexpr std::array<Name, 43> names{{
    {"siyah", Colour::Siyah},        {"black", Colour::Siyah},    {"bk", Colour::Siyah},
    {"kahverengi", Colour::Kahverengi}, {"brown", Colour::Kahverengi}, {"bn", Colour::Kahverengi},
    {"kirmizi", Colour::Kirmizi},    {"red", Colour::Kirmizi},    {"rd", Colour::Kirmizi},
    {"turuncu", Colour::Turuncu},    {"orange", Colour::Turuncu}, {"og", Colour::Turuncu},
    {"sari", Colour::Sari},          {"yellow", Colour::Sari},    {"ye", Colour::Sari},
    {"yesil", Colour::Yesil},        {"green", Colour::Yesil},    {"gn", Colour::Yesil},
    {"mavi", Colour::Mavi},          {"blue", Colour::Mavi},      {"bu", Colour::Mavi},
    {"mor", Colour::Mor},            {"violet", Colour::Mor},     {"purple", Colour::Mor},
    {"vt", Colour::Mor},
    {"gri", Colour::Gri},            {"grey", Colour::Gri},       {"gray", Colour::Gri},
    {"gy", Colour::Gri},
    {"beyaz", Colour::Beyaz},        {"white", Colour::Beyaz},    {"wh", Colour::Beyaz},
    {"altin", Colour::Altin},        {"gold", Colour::Altin},     {"gd", Colour::Altin},
    {"gumus", Colour::Gumus},        {"silver", Colour::Gumus},   {"sr", Colour::Gumus},
    {"pembe", Colour::Pembe},        {"pink", Colour::Pembe},     {"pk", Colour::Pembe},
    {"renksiz", Colour::Renksiz},    {"none", Colour::Renksiz},
}};
// clang-format on

bool isSeparator(char32_t c)
{
    return c == U',' || c == U'-' || QChar::isSpace(c);
}

// "Siyah, Kahverengi, … ya da Beyaz".
QString acceptedNames(Role role)
{
    const std::span<const colorcode::BandEntry> list = colorcode::entriesOf(role);
    QStringList names;
    for (const colorcode::BandEntry &entry : list)
        names << colorcode::colourText(entry.colour);
    if (names.size() < 2)
        return names.join(QString());
    const QString last = names.takeLast();
    return QCoreApplication::translate("cli", "%1 ya da %2")
        .arg(names.join(QStringLiteral(", ")), last);
}

bool holds(Role role, Colour colour)
{
    for (const colorcode::BandEntry &entry : colorcode::entriesOf(role))
        if (entry.colour == colour)
            return true;
    return false;
}

} // namespace

QString foldColourWord(const QString &word)
{
    QString folded;
    for (const char32_t c : word.normalized(QString::NormalizationForm_C).toUcs4()) {
        switch (c) {
        case U'I':
        case U'i':
        case U'\u0130': // İ
        case U'\u0131': // ı
            folded += u'i';
            break;
        case U'\u015E':
        case U'\u015F':
            folded += u's';
            break;
        case U'\u011E':
        case U'\u011F':
            folded += u'g';
            break;
        case U'\u00DC':
        case U'\u00FC':
            folded += u'u';
            break;
        case U'\u00D6':
        case U'\u00F6':
            folded += u'o';
            break;
        case U'\u00C7':
        case U'\u00E7':
            folded += u'c';
            break;
        case U'\u0307': // the dot of an i written with a combining dot
            if (!folded.endsWith(u'i'))
                folded += QChar(u'\u0307');
            break;
        default:
            // Only ASCII changes case: no other letter is in a colour's
            // name, and none may turn into one by a lower-case rule.
            folded += c >= U'A' && c <= U'Z' ? QChar(char16_t(c - U'A' + U'a'))
                                             : QString::fromUcs4(&c, 1);
        }
    }
    return folded;
}

std::optional<Colour> colourNamed(const QString &word)
{
    const QString folded = foldColourWord(word);
    for (const Name &name : names)
        if (folded == QLatin1String(name.folded))
            return name.colour;
    return std::nullopt;
}

QStringList colourWords(const QString &text)
{
    QStringList words;
    QString word;
    for (const char32_t c : text.toUcs4()) {
        if (isSeparator(c)) {
            if (!word.isEmpty())
                words << word;
            word.clear();
        } else {
            word += QString::fromUcs4(&c, 1);
        }
    }
    if (!word.isEmpty())
        words << word;
    return words;
}

QString roleName(Role role)
{
    switch (role) {
    case Role::Digit:
        return QCoreApplication::translate("cli", "rakam");
    case Role::Multiplier:
        return QCoreApplication::translate("cli", "çarpan");
    case Role::Tolerance:
        return QCoreApplication::translate("cli", "tolerans");
    case Role::Coefficient:
        return QCoreApplication::translate("cli", "sıcaklık katsayısı");
    }
    return {};
}

std::variant<ReadBands, QString> readColourWords(const QString &text)
{
    const QStringList words = colourWords(text);
    const int count = int(words.size());
    if (count < colorcode::bandsWithoutTolerance || count > colorcode::maxBandCount)
        return QCoreApplication::translate("cli", "3 ile 6 arasında renk gerekir; %n renk yazıldı",
                                           nullptr, count);

    // Three colours read as four with no tolerance band.
    const int bandCount = colorcode::readingBandCount(count);
    const std::span<const Role> roles = colorcode::rolesOf(bandCount);
    std::vector<Colour> colours;
    for (int i = 0; i < count; ++i) {
        const Role role = roles[std::size_t(i)];
        const QString &word = words[i];
        const std::optional<Colour> colour = colourNamed(word);
        // One pass over every part: a "%1" the user typed stays as typed.
        if (!colour)
            return QCoreApplication::translate(
                       "cli", "%1. bant (%2): \"%3\" bir renk adı değil; bu bant %4 olabilir")
                .arg(QString::number(i + 1), roleName(role), colorcode::quotedWord(word),
                     acceptedNames(role));
        if (!holds(role, *colour)) {
            // The word itself only where it is not the name shown.
            const QString name = colorcode::colourText(*colour);
            const QString named =
                foldColourWord(word) == foldColourWord(name)
                    ? name
                    : QStringLiteral("\"%1\" (%2)").arg(colorcode::quotedWord(word), name);
            return QCoreApplication::translate("cli",
                                               "%1. bant (%2): %3 %2 olamaz; bu bant %4 olabilir")
                .arg(QString::number(i + 1), roleName(role), named, acceptedNames(role));
        }
        colours.push_back(*colour);
    }
    if (bandCount != count)
        colours.push_back(Colour::Renksiz);
    const std::optional<colorcode::BandSelection> selection =
        colorcode::BandSelection::fromColours(colours);
    if (!selection) // every colour was checked against its list above
        return QCoreApplication::translate("cli", "bu renkler bir direnç okuması vermez");
    return ReadBands{*selection, count};
}

std::variant<ReadBands, QString> readColourWordsWithDoubt(const QString &text)
{
    QStringList words = colourWords(text);
    std::array<bool, colorcode::maxBandCount> doubtful{};
    for (qsizetype i = 0; i < words.size(); ++i) {
        // A lone "?" stays a word, to be refused as no colour by its place.
        if (words[i].size() > 1 && words[i].endsWith(u'?')) {
            words[i].chop(1);
            if (i < qsizetype(doubtful.size()))
                doubtful[std::size_t(i)] = true;
        }
    }
    auto read = readColourWords(words.join(u' '));
    if (auto *bands = std::get_if<ReadBands>(&read))
        bands->doubtful = doubtful;
    return read;
}

} // namespace cli
