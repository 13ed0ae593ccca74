#include "cli/capanswers.h"

#include "capacitor/capacitortext.h"
#include "capacitor/quantity.h"
#include "cli/colourwords.h"
#include "colorcode/quotedword.h"
#include "colorcode/standardvalues.h"
#include "inductor/inductortext.h"

#include <QCoreApplication>

using colorcode::ExactValue;

namespace cli
{

namespace
{

std::string hundredthsJson(std::int64_t hundredths)
{
    return jsonNumber(ExactValue{std::to_string(hundredths), -2});
}

std::string toleranceJson(const std::optional<capacitor::Tolerance> &t)
{
    if (!t)
        return std::string(jsonNull);
    switch (t->kind) {
    case capacitor::Tolerance::Kind::Percent:
        return JsonObject().add("percent", hundredthsJson(t->plusHundredths)).text();
    case capacitor::Tolerance::Kind::Picofarads:
        return JsonObject().add("picofarads", hundredthsJson(t->plusHundredths)).text();
    case capacitor::Tolerance::Kind::Asymmetric:
        return JsonObject()
            .add("plus_percent", hundredthsJson(t->plusHundredths))
            .add("minus_percent", hundredthsJson(t->minusHundredths))
            .text();
    }
    return std::string(jsonNull);
}

std::string voltsJson(const std::optional<std::int64_t> &volts)
{
    return volts ? hundredthsJson(*volts) : std::string(jsonNull);
}

// The series among E6 … E192 that hold a value.
std::string seriesJson(const ExactValue &value)
{
    std::vector<std::string> names;
    for (const colorcode::SeriesInfo &info : colorcode::seriesInfoTable)
        if (colorcode::isInSeries(value, info.series))
            names.push_back(jsonString(QString::fromLatin1(info.name)));
    return jsonArray(names);
}

std::string coloursJson(const std::vector<colorcode::Colour> &colours)
{
    std::vector<std::string> names;
    for (const colorcode::Colour c : colours)
        names.push_back(jsonString(inductor::colourName(c)));
    return jsonArray(names);
}

} // namespace

Reply answerCap(const QString &code, const QLocale &locale)
{
    const capacitor::MarkingReading reading = capacitor::readMarking(code);
    if (const auto *refusal = std::get_if<capacitor::Refusal>(&reading))
        return capacitor::refusalText(*refusal);
    const capacitor::Readings &readings = std::get<capacitor::Readings>(reading);
    const capacitor::Reading &first = readings.readings.front();
    Answer answer;
    answer.lines = capacitor::decodeLines(reading, locale);
    JsonObject json;
    json.add("code", jsonString(readings.code))
        .add("picofarads", jsonNumber(first.picofarads))
        .add("tolerance", toleranceJson(first.tolerance))
        // A disputed voltage letter has no one volts: its readings name each.
        .add("volts", capacitor::voltsDisputed(readings) ? std::string(jsonNull)
                                                         : voltsJson(first.voltsHundredths))
        .add("text", jsonString(answer.lines.front()));
    if (readings.readings.size() > 1) {
        std::vector<std::string> all;
        for (const capacitor::Reading &r : readings.readings)
            all.push_back(JsonObject()
                              .add("picofarads", jsonNumber(r.picofarads))
                              .add("tolerance", toleranceJson(r.tolerance))
                              .add("volts", voltsJson(r.voltsHundredths))
                              .add("tantalum", r.tantalum ? "true" : "false")
                              .add("note", jsonString(r.notes.empty()
                                                          ? capacitor::howText(r.how, locale)
                                                          : capacitor::notesText(r.notes, locale)))
                              .add("text", jsonString(capacitor::readingLine(r, locale)))
                              .text());
        json.add("readings", jsonArray(all));
    }
    answer.json = json.text();
    return answer;
}

Reply answerCapFor(const QString &typed, const QLocale &locale)
{
    const auto read =
        quantity::readQuantity(typed, quantity::Kind::Capacitance, locale.decimalPoint().at(0));
    if (const auto *refusal = std::get_if<QString>(&read))
        return *refusal;
    const ExactValue &value = std::get<ExactValue>(read);
    Answer answer;
    answer.lines = capacitor::encodeLines(value, locale);
    JsonObject json;
    json.add("picofarads", jsonNumber(value));
    for (const capacitor::Marking &m : capacitor::markingsFor(value)) {
        const char *key = capacitor::formId(m.form);
        if (m.form == capacitor::MarkingForm::Eia198) {
            std::vector<std::string> codes;
            if (m.code)
                for (const QString &c : m.code->split(QStringLiteral(", ")))
                    codes.push_back(jsonString(c));
            json.add(key, jsonArray(codes));
        } else {
            json.add(key, m.code ? jsonString(*m.code) : std::string(jsonNull));
        }
    }
    json.add("series", seriesJson(value)).add("text", jsonString(answer.lines.front()));
    answer.json = json.text();
    return answer;
}

Reply answerInductor(const QString &words, const QLocale &locale)
{
    const QStringList list = colourWords(words);
    if (list.isEmpty())
        return QCoreApplication::translate(
            "cli", "renk yok: 3, 4 ya da 5 bant yazın (Kırmızı Mor Kahverengi Altın)");
    std::vector<colorcode::Colour> colours;
    for (const QString &word : list) {
        const QString folded = foldColourWord(word);
        if (folded == u"nokta" || folded == u"noktalar" || folded == u"dot" || folded == u"dots")
            return inductor::dotsRefusal();
        const auto colour = colourNamed(word);
        if (!colour)
            return QCoreApplication::translate("cli", "\"%1\" bir renk adı değil")
                .arg(colorcode::quotedWord(word));
        colours.push_back(*colour);
    }
    const inductor::BandReading reading = inductor::readBands(colours);
    if (const auto *refusal = std::get_if<inductor::Refusal>(&reading))
        return inductor::refusalText(*refusal);
    const inductor::Readings &readings = std::get<inductor::Readings>(reading);
    const inductor::Reading &first = readings.readings.front();
    const auto tolerance = [](const inductor::Reading &r) {
        return r.toleranceHundredths ? hundredthsJson(*r.toleranceHundredths)
                                     : std::string(jsonNull);
    };
    Answer answer;
    answer.lines = inductor::decodeLines(reading, locale);
    std::vector<std::string> all;
    for (const inductor::Reading &r : readings.readings)
        all.push_back(
            JsonObject()
                .add("microhenries", jsonNumber(r.microhenries))
                .add("tolerance_percent", tolerance(r))
                .add("note", jsonString(r.notes.empty() ? inductor::howText(readings, locale)
                                                        : inductor::notesText(r.notes, locale)))
                .text());
    answer.json = JsonObject()
                      .add("bands", coloursJson(readings.bands))
                      .add("microhenries", jsonNumber(first.microhenries))
                      .add("tolerance_percent", tolerance(first))
                      .add("text", jsonString(answer.lines.front()))
                      .add("readings", jsonArray(all))
                      .text();
    return answer;
}

Reply answerInductorFor(const QString &typed, const QLocale &locale)
{
    const auto read =
        quantity::readQuantity(typed, quantity::Kind::Inductance, locale.decimalPoint().at(0));
    if (const auto *refusal = std::get_if<QString>(&read))
        return *refusal;
    const ExactValue &value = std::get<ExactValue>(read);
    const auto bands = [](const inductor::ValueBands &v) {
        return v.bands ? coloursJson(*v.bands) : std::string(jsonNull);
    };
    Answer answer;
    answer.lines = inductor::encodeLines(value, locale);
    answer.json = JsonObject()
                      .add("microhenries", jsonNumber(value))
                      .add("four_band", bands(inductor::fourBandsFor(value)))
                      .add("military", bands(inductor::militaryBandsFor(value)))
                      .add("series", seriesJson(value))
                      .add("text", jsonString(answer.lines.front()))
                      .text();
    return answer;
}

} // namespace cli
