#include "cli/answers.h"
#include "cli/colourwords.h"
#include "colorcode/colourdoubt.h"

#include <QCoreApplication>

#include <algorithm>

namespace cli
{

Reply answerDoubtfulBands(const QString &words,
                          const std::optional<colorcode::Measurement> &measured,
                          const QLocale &locale)
{
    const auto read = readColourWordsWithDoubt(words);
    if (const auto *refusal = std::get_if<QString>(&read))
        return *refusal;
    const ReadBands &bands = std::get<ReadBands>(read);
    const bool anyDoubt =
        std::find(bands.doubtful.begin(), bands.doubtful.end(), true) != bands.doubtful.end();
    if (!anyDoubt && !measured)
        return answerBands(words, locale);

    const std::vector<colorcode::DoubtReading> readings =
        colorcode::doubtReadings(bands.selection, bands.doubtful, measured);
    if (readings.empty())
        return QCoreApplication::translate("cli", "bu renkler bir direnç okuması vermez");
    if (measured && colorcode::agreeingCount(readings) == 0)
        return colorcode::doubtSummary(readings, locale);

    Answer answer;
    std::vector<std::string> json;
    for (const colorcode::DoubtReading &r : readings) {
        answer.lines << colorcode::readingText(r, locale, bands.givenCount);
        std::vector<QString> names = r.selection.colourNames();
        names.resize(std::size_t(bands.givenCount));
        std::vector<std::string> jsonNames;
        for (const QString &name : names)
            jsonNames.push_back(jsonString(name));
        json.push_back(
            JsonObject()
                .add("bands", jsonArray(jsonNames))
                .add("band_count", std::to_string(bands.givenCount))
                .add("ohms", jsonNumber(r.reading.value))
                .add("tolerance_percent", jsonHundredths(r.reading.toleranceHundredths))
                .add("standard", verdictJson(r.verdict, locale))
                .add("agrees", r.agrees ? (*r.agrees ? "true" : "false") : std::string(jsonNull))
                .text());
    }
    answer.json =
        JsonObject()
            .add("readings", jsonArray(json))
            .add("measured_ohms", measured ? jsonNumber(measured->ohms) : std::string(jsonNull))
            .text();
    return answer;
}

} // namespace cli
