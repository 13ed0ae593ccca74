#include "cli/commandline.h"

#include "cli/answers.h"
#include "cli/capanswers.h"
#include "cli/inputreader.h"
#include "colorcode/bandselection.h"
#include "colorcode/bandtables.h"
#include "colorcode/colourdoubt.h"
#include "colorcode/colourtext.h"
#include "colorcode/quotedword.h"
#include "colorcode/valueentry.h"
#include "forms/conversions.h"
#include "photo/photoloader.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>

namespace cli
{

namespace
{

enum class Kind { Answering, Modifier, Flag };

struct Option {
    std::string_view name;
    Kind kind;
    // The answering options a modifier goes with.
    std::array<std::string_view, 3> with{};
};

// clang-format off
constexpr std::array<Option, 23> options{{
    {"bands", Kind::Answering, {}},
    {"value", Kind::Answering, {}},
    {"smd", Kind::Answering, {}},
    {"smd-for", Kind::Answering, {}},
    {"combine", Kind::Answering, {}},
    {"ratio", Kind::Answering, {}},
    {"photo", Kind::Answering, {}},
    {"cap", Kind::Answering, {}},
    {"cap-for", Kind::Answering, {}},
    {"inductor", Kind::Answering, {}},
    {"inductor-for", Kind::Answering, {}},
    {"unit", Kind::Modifier, {"value", "smd-for"}},
    {"band-count", Kind::Modifier, {"value"}},
    {"tolerance", Kind::Modifier, {"value"}},
    {"tcr", Kind::Modifier, {"value"}},
    {"series", Kind::Modifier, {"combine", "ratio"}},
    {"parts", Kind::Modifier, {"combine"}},
    {"range", Kind::Modifier, {"combine", "ratio"}},
    {"without", Kind::Modifier, {"combine", "ratio"}},
    {"ends", Kind::Modifier, {"photo"}},
    {"measured", Kind::Modifier, {"bands"}},
    {"meter-error", Kind::Modifier, {"bands"}},
    {"json", Kind::Flag, {}},
}};
// clang-format on

const Option *optionNamed(std::string_view name)
{
    for (const Option &option : options)
        if (option.name == name)
            return &option;
    return nullptr;
}

bool say(std::FILE *stream, const QString &text, int &error)
{
    const QByteArray bytes = text.toUtf8();
    return writeAll(stream, std::string_view(bytes.constData(), std::size_t(bytes.size())), error);
}

// Output lost: one line on standard error, if it still takes one.
int lostOutput(int error)
{
    int ignored = 0;
    say(stderr,
        QCoreApplication::translate("cli", "tavlora: çıktı yazılamadı: %1\n")
            .arg(systemReason(error)),
        ignored);
    return 1;
}

// A usage error in the shape of the program's others.
int usageError(const QString &what, std::string_view argument)
{
    // One pass over both: a "%1" in what the user typed stays as typed.
    const QString line =
        QCoreApplication::translate("cli", "tavlora: %1 '%2'; yardım için: tavlora --help\n")
            .arg(what, colorcode::quotedWord(
                           QString::fromUtf8(argument.data(), qsizetype(argument.size()))));
    int ignored = 0; // the status says it, whether or not the line could be
    say(stderr, line, ignored);
    return 2;
}

QString fromArgument(const std::string &text)
{
    return QString::fromLocal8Bit(text.data(), qsizetype(text.size()));
}

std::optional<photo::Ends> readEnds(const QString &text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != 4)
        return std::nullopt;
    std::array<double, 4> numbers{};
    for (int i = 0; i < 4; ++i) {
        // Pixels: whole numbers, read the same under every locale.
        bool ok = false;
        numbers[std::size_t(i)] = double(parts[i].trimmed().toLongLong(&ok));
        if (!ok || numbers[std::size_t(i)] < 0)
            return std::nullopt;
    }
    return photo::Ends{{numbers[0], numbers[1]}, {numbers[2], numbers[3]}};
}

// A photo's readings, each with every field --bands gives for the same
// colours and its own. The ends are in the photo's pixels; ends outside the
// photo are a usage error, said as one.
Reply answerPhoto(const std::string &path, const std::optional<photo::Ends> &ends,
                  const std::string &endsText, const QLocale &locale, bool &endsOutside)
{
    const photo::FileReading read =
        photo::readPhotoFile(QByteArray(path.data(), qsizetype(path.size())), ends);
    if (!read.error.isEmpty())
        return read.error;
    if (read.endsOutside) {
        endsOutside = true;
        return QCoreApplication::translate("cli", "--ends fotoğrafın içinde olur (%1 × %2 piksel); "
                                                  "verilen '%3'; yardım için: tavlora --help")
            .arg(QString::number(read.size.width()), QString::number(read.size.height()),
                 colorcode::quotedWord(fromArgument(endsText)));
    }
    if (read.tooSmall)
        return photo::tooSmallText(*read.tooSmall);
    if (read.readings.empty())
        return QCoreApplication::translate("cli", "fotoğrafta bir direncin bantları okunamadı");
    Answer answer;
    std::vector<std::string> readings;
    for (const photo::FileReading::Entry &entry : read.readings) {
        const auto selection = colorcode::BandSelection::fromColours(entry.bands);
        const auto result = selection ? selection->result(locale) : std::nullopt;
        QStringList names;
        for (const colorcode::Colour colour :
             selection ? selection->colours() : std::vector<colorcode::Colour>())
            names << colorcode::colourText(colour);
        const QString text = result ? result->sonuc : colorcode::valueText(entry.ohms, locale);
        answer.lines << names.join(u' ') + QStringLiteral("  ") + text;
        if (!selection)
            continue; // every reading the photo rules give is of the band lists
        // Per band, its likeliest colours with their probabilities.
        std::vector<std::string> perBand;
        for (const auto &alternatives : entry.alternatives) {
            std::vector<std::string> list;
            for (const auto &[colour, probability] : alternatives)
                list.push_back(
                    JsonObject()
                        .add("colour", jsonString(QString::fromUtf8(colorcode::colourName(colour))))
                        .add("probability",
                             jsonHundredths(std::int32_t(std::lround(probability * 100))))
                        .text());
            perBand.push_back(jsonArray(list));
        }
        readings.push_back(bandJson(*selection, locale)
                               .add("band_alternatives", jsonArray(perBand))
                               .add("confidence", entry.confidence
                                                      ? jsonHundredths(*entry.confidence)
                                                      : std::string(jsonNull))
                               .text());
    }
    std::string endsJson(jsonNull);
    if (read.ends)
        endsJson = jsonArray({jsonNumber(read.ends->first.x), jsonNumber(read.ends->first.y),
                              jsonNumber(read.ends->second.x), jsonNumber(read.ends->second.y)});
    answer.json = JsonObject().add("readings", jsonArray(readings)).add("ends", endsJson).text();
    return answer;
}

} // namespace

const CommandLine::Given *CommandLine::find(std::string_view name) const
{
    const Given *found = nullptr;
    for (const Given &given : m_given)
        if (given.name == name)
            found = &given; // the last one counts
    return found;
}

CommandLine::Taken CommandLine::take(int argc, const char *const argv[], int &i)
{
    const std::string_view argument = argv[i];
    if (argument.size() < 3 || argument.substr(0, 2) != "--")
        return Taken::No;
    std::string_view name = argument.substr(2);
    std::optional<std::string_view> value;
    if (const auto equals = name.find('='); equals != std::string_view::npos) {
        value = name.substr(equals + 1);
        name = name.substr(0, equals);
    }
    const Option *option = optionNamed(name);
    if (!option)
        return Taken::No;

    if (option->kind == Kind::Flag) {
        if (value) {
            usageError(QCoreApplication::translate("cli", "değer almayan seçenek"), argument);
            return Taken::Error;
        }
    } else if (!value) {
        if (i + 1 == argc) {
            usageError(QCoreApplication::translate("cli", "değer bekleyen seçenek"), argument);
            return Taken::Error;
        }
        value = argv[++i];
    }
    if (option->kind == Kind::Answering) {
        for (const Given &given : m_given)
            if (optionNamed(given.name)->kind == Kind::Answering) {
                usageError(QCoreApplication::translate(
                               "cli", "tek bir yanıt seçeneği verilebilir; fazladan"),
                           argument);
                return Taken::Error;
            }
    }
    m_given.push_back({std::string(name), std::string(value.value_or(""))});
    return Taken::Yes;
}

int CommandLine::run() const
{
    const Given *asked = nullptr;
    for (const Given &given : m_given)
        if (optionNamed(given.name)->kind == Kind::Answering)
            asked = &given;
    if (!asked)
        return usageError(
            QCoreApplication::translate("cli", "bir yanıt seçeneği olmadan verilen seçenek"),
            "--" + m_given.front().name);
    for (const Given &given : m_given) {
        const Option &option = *optionNamed(given.name);
        if (option.kind != Kind::Modifier)
            continue;
        bool fits = false;
        for (const std::string_view with : option.with)
            fits = fits || with == asked->name;
        if (!fits)
            return usageError(QCoreApplication::translate("cli", "--%1 ile kullanılamayan seçenek")
                                  .arg(QString::fromStdString(asked->name)),
                              "--" + given.name);
    }

    const QLocale locale = conversions::numberLocale();
    const bool json = find("json") != nullptr;

    // The modifiers, read once for every input.
    ValueOptions value;
    if (const Given *unit = find("unit")) {
        const QString name = fromArgument(unit->value).toLower();
        if (name == u"ohm")
            value.unit = colorcode::Unit::Ohm;
        else if (name == u"kohm")
            value.unit = colorcode::Unit::Kohm;
        else if (name == u"mohm")
            value.unit = colorcode::Unit::Mohm;
        else
            return usageError(
                QCoreApplication::translate("cli", "--unit Ohm, Kohm ya da Mohm olur; verilen"),
                unit->value);
    }
    if (const Given *count = find("band-count")) {
        bool ok = false;
        const int bandCount = fromArgument(count->value).toInt(&ok);
        if (!ok || !colorcode::isBandCount(bandCount) || count->value.size() != 1)
            return usageError(
                QCoreApplication::translate("cli", "--band-count 4, 5 ya da 6 olur; verilen"),
                count->value);
        value.bandCount = bandCount;
    }
    if (const Given *tolerance = find("tolerance")) {
        const auto hundredths = readHundredths(fromArgument(tolerance->value));
        int index = -1;
        for (std::size_t t = 0; hundredths && t < colorcode::toleranceList.size(); ++t)
            if (colorcode::toleranceList[t].number == *hundredths)
                index = int(t);
        if (index < 0)
            return usageError(QCoreApplication::translate(
                                  "cli", "--tolerance bantların bir toleransı olur (20, 10, "
                                         "5, 2, 1, 0,5, 0,25, 0,1, 0,05, 0,02, 0,01); "
                                         "verilen"),
                              tolerance->value);
        value.toleranceIndex = index;
    }
    if (const Given *tcr = find("tcr")) {
        if (!colorcode::hasRole(value.bandCount, colorcode::Role::Coefficient))
            return usageError(QCoreApplication::translate(
                                  "cli", "--tcr yalnız 6 bantta geçerli (--band-count 6)"),
                              "--tcr");
        const auto hundredths = readHundredths(fromArgument(tcr->value));
        int index = -1;
        for (std::size_t c = 0; hundredths && c < colorcode::coefficientList.size(); ++c)
            if (std::int64_t(colorcode::coefficientList[c].number) * 100 == *hundredths)
                index = int(c);
        if (index < 0)
            return usageError(QCoreApplication::translate(
                                  "cli", "--tcr bir sıcaklık katsayısı olur (250, 100, 50, "
                                         "25, 20, 15, 10, 5, 1); verilen"),
                              tcr->value);
        value.coefficientIndex = index;
    }
    CombineOptions combineOptions;
    if (const Given *series = find("series")) {
        const auto choice = combine::seriesChoiceNamed(fromArgument(series->value));
        if (!choice)
            return usageError(
                QCoreApplication::translate("cli", "--series E6, E12, E24, E48, E96, E192 ya da "
                                                   "E24+E96 olur; verilen"),
                series->value);
        combineOptions.series = *choice;
    }
    if (const Given *parts = find("parts")) {
        if (parts->value != "1" && parts->value != "2" && parts->value != "3")
            return usageError(
                QCoreApplication::translate("cli", "--parts 1, 2 ya da 3 olur; verilen"),
                parts->value);
        combineOptions.maxParts = parts->value[0] - '0';
    }
    if (const Given *range = find("range"))
        combineOptions.range = fromArgument(range->value);
    for (const Given &given : m_given)
        if (given.name == "without")
            combineOptions.without << fromArgument(given.value);
    std::optional<photo::Ends> ends;
    if (const Given *given = find("ends")) {
        ends = readEnds(fromArgument(given->value));
        if (!ends)
            return usageError(QCoreApplication::translate(
                                  "cli", "--ends X1,Y1,X2,Y2 biçiminde piksel olur; verilen"),
                              given->value);
    }

    // A value measured on the part, read as the value-entry window reads
    // values, and the meter's error.
    std::optional<colorcode::Measurement> measured;
    if (const Given *given = find("measured")) {
        const QChar separator = locale.decimalPoint().at(0);
        const auto number =
            colorcode::readTypedNumber(fromArgument(given->value), colorcode::Unit::Ohm, separator);
        if (const auto *error = std::get_if<colorcode::ValueError>(&number)) {
            // The window's sentence, as a clause of the usage line.
            QString why = colorcode::valueErrorMessage(*error, separator, colorcode::maxBandCount);
            if (why.endsWith(u'.'))
                why.chop(1);
            return usageError(
                QCoreApplication::translate("cli", "--measured: %1; verilen").arg(why),
                given->value);
        }
        measured = colorcode::Measurement{std::get<colorcode::ExactValue>(number)};
    }
    if (const Given *given = find("meter-error")) {
        const auto hundredths = readHundredths(fromArgument(given->value));
        if (!hundredths || *hundredths > colorcode::maxMeterErrorHundredths)
            return usageError(QCoreApplication::translate(
                                  "cli", "--meter-error 0 ile 100 arasında bir yüzde olur; "
                                         "verilen"),
                              given->value);
        if (!measured)
            return usageError(
                QCoreApplication::translate("cli", "--meter-error yalnız --measured ile geçerli"),
                "--meter-error");
        measured->meterErrorHundredths = std::int32_t(*hundredths);
    }

    // Each reader gets the input's bytes as given, and as text: a photo's
    // name is bytes, every other input text.
    std::function<Reply(const std::string &, const QString &)> answer;
    bool endsOutside = false;
    const std::string &name = asked->name;
    // Built once a run, not once a line.
    CombineTables combineTables;
    if (name == "bands")
        answer = [&](const std::string &, const QString &text) {
            return answerDoubtfulBands(text, measured, locale);
        };
    else if (name == "value")
        answer = [&](const std::string &, const QString &text) {
            return answerValue(text, value, locale);
        };
    else if (name == "smd")
        answer = [&](const std::string &, const QString &text) { return answerSmd(text, locale); };
    else if (name == "smd-for")
        answer = [&](const std::string &, const QString &text) {
            return answerSmdFor(text, value.unit, locale);
        };
    else if (name == "cap")
        answer = [&](const std::string &, const QString &text) { return answerCap(text, locale); };
    else if (name == "cap-for")
        answer = [&](const std::string &, const QString &text) {
            return answerCapFor(text, locale);
        };
    else if (name == "inductor")
        answer = [&](const std::string &, const QString &text) {
            return answerInductor(text, locale);
        };
    else if (name == "inductor-for")
        answer = [&](const std::string &, const QString &text) {
            return answerInductorFor(text, locale);
        };
    else if (name == "combine" || name == "ratio")
        answer = [&, divider = name == "ratio"](const std::string &, const QString &text) {
            return answerCombine(text, divider, combineOptions, locale, &combineTables);
        };
    else
        answer = [&](const std::string &path, const QString &) {
            return answerPhoto(path, ends, find("ends") ? find("ends")->value : std::string(),
                               locale, endsOutside);
        };

    bool refused = false;
    int answered = 0;
    int error = 0;
    // One input answered as soon as it is read; false when its answer could
    // not be written.
    const auto respond = [&](const std::string &bytes, const QString &text, const QString &where) {
        const Reply reply = answer(bytes, text);
        if (const auto *refusal = std::get_if<QString>(&reply)) {
            refused = true;
            return flushAll(stdout, error) && say(stderr, where + *refusal + u'\n', error);
        }
        const Answer &a = std::get<Answer>(reply);
        const bool written = json ? writeAll(stdout, a.json + "\n", error)
                                  : say(stdout,
                                        (answered > 0 ? QStringLiteral("\n") : QString()) +
                                            a.lines.join(u'\n') + u'\n',
                                        error);
        if (!written)
            return false;
        ++answered;
        if (a.notes.isEmpty())
            return true;
        if (!flushAll(stdout, error))
            return false;
        for (const QString &note : a.notes)
            if (!say(stderr, where + note + u'\n', error))
                return false;
        return true;
    };

    if (asked->value != "-") {
        if (asked->value.size() > maxLineBytes) {
            say(stderr,
                QCoreApplication::translate("cli", "tavlora: --%1 değeri %2 bayttan uzun\n")
                    .arg(QString::fromStdString(asked->name))
                    .arg(maxLineBytes),
                error);
            return 1;
        }
        if (!respond(asked->value, fromArgument(asked->value), QStringLiteral("tavlora: ")))
            return lostOutput(error);
        if (endsOutside)
            return 2;
    } else {
        // One input a line, answered as read: the input is never held whole.
        LineReader lines(stdin);
        const QString lineWhere = QCoreApplication::translate("cli", "tavlora: satır %1: ");
        while (const std::optional<std::string> line = lines.next()) {
            const QString text = QString::fromUtf8(line->data(), qsizetype(line->size()));
            // Blank lines between inputs are no inputs.
            if (text.trimmed().isEmpty())
                continue;
            if (!respond(*line, text, lineWhere.arg(lines.number())))
                return lostOutput(error);
        }
        if (!lines.failure().isEmpty()) {
            if (!flushAll(stdout, error))
                return lostOutput(error);
            const QString where =
                lines.number() > 0 ? lineWhere.arg(lines.number()) : QStringLiteral("tavlora: ");
            say(stderr, where + lines.failure() + u'\n', error);
            return 1;
        }
    }
    if (!flushAll(stdout, error))
        return lostOutput(error);
    return refused ? 1 : 0;
}

} // namespace cli
