#include "cli/answers.h"

#include "cli/colourwords.h"
#include "colorcode/colourtext.h"
#include "colorcode/entrypreview.h"
#include "colorcode/quotedword.h"
#include "colorcode/readingdirection.h"
#include "colorcode/resistance.h"
#include "colorcode/standardvalues.h"
#include "colorcode/standardvaluetext.h"
#include "colorcode/standardverdict.h"
#include "combine/combinationtext.h"
#include "numbers/exactnumber.h"
#include "smd/smdmarking.h"
#include "smd/smdtext.h"

#include <QCoreApplication>

#include <charconv>
#include <memory>
#include <optional>

using colorcode::BandSelection;
using colorcode::Colour;
using colorcode::ExactValue;

namespace cli
{

std::string jsonString(const QString &text)
{
    std::string out = "\"";
    for (const char c : text.toStdString()) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            static constexpr char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 15];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string jsonNumber(const ExactValue &value)
{
    return numbers::jsonText(value);
}

std::string jsonHundredths(std::int32_t hundredths)
{
    const bool negative = hundredths < 0;
    const std::uint64_t magnitude =
        std::uint64_t(negative ? -std::int64_t(hundredths) : hundredths);
    return (negative ? "-" : "") + numbers::jsonText(numbers::fromUnits(magnitude, 2));
}

std::string jsonNumber(double value)
{
    // The shortest text that reads back as the same double, whatever the
    // C library's locale.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

JsonObject &JsonObject::add(std::string_view key, std::string_view raw)
{
    if (!m_body.empty())
        m_body += ',';
    m_body += jsonString(QString::fromUtf8(key.data(), qsizetype(key.size())));
    m_body += ':';
    m_body += raw;
    return *this;
}

JsonObject &JsonObject::add(std::string_view key, const JsonObject &object)
{
    return add(key, object.text());
}

std::string jsonArray(const std::vector<std::string> &raw)
{
    std::string out = "[";
    for (std::size_t i = 0; i < raw.size(); ++i)
        out += (i ? "," : "") + raw[i];
    return out + "]";
}

namespace
{

std::string namesJson(const std::vector<Colour> &colours)
{
    std::vector<std::string> names;
    for (const Colour c : colours)
        names.push_back(jsonString(QString::fromUtf8(colorcode::colourName(c))));
    return jsonArray(names);
}

std::string neighbourJson(const std::optional<colorcode::Neighbour> &neighbour)
{
    if (!neighbour)
        return std::string(jsonNull);
    return JsonObject()
        .add("ohms", jsonNumber(neighbour->value))
        .add("error_percent", jsonNumber(neighbour->errorPercent))
        .text();
}

std::string reverseJson(const BandSelection &selection,
                        const std::optional<colorcode::StandardVerdict> &verdict)
{
    if (!verdict || !verdict->reverse)
        return std::string(jsonNull);
    const std::vector<Colour> colours = selection.colours();
    return JsonObject()
        .add("bands", namesJson({colours.rbegin(), colours.rend()}))
        .add("ohms", jsonNumber(verdict->reverse->value))
        .add("tolerance_percent", jsonHundredths(verdict->reverse->toleranceHundredths))
        .text();
}

} // namespace

std::string verdictJson(const std::optional<colorcode::StandardVerdict> &verdict,
                        const QLocale &locale)
{
    if (!verdict)
        return std::string(jsonNull);
    std::vector<colorcode::Series> searched{verdict->set.series};
    if (verdict->set.withE24)
        searched.push_back(colorcode::Series::E24);
    std::vector<std::string> holding, all;
    for (const colorcode::Series s : searched) {
        const std::string name = jsonString(colorcode::seriesName(s));
        all.push_back(name);
        if (colorcode::isInSeries(verdict->value, s))
            holding.push_back(name);
    }
    return JsonObject()
        .add("series", jsonArray(holding.empty() ? all : holding))
        .add("is_standard", verdict->standard() ? "true" : "false")
        .add("below", neighbourJson(verdict->nearest.below))
        .add("above", neighbourJson(verdict->nearest.above))
        .add("text", jsonString(colorcode::verdictSpeech(*verdict, locale)))
        .text();
}

QStringList bandLines(const BandSelection &selection, const QLocale &locale)
{
    const std::optional<colorcode::Resistance> result = selection.result(locale);
    if (!result)
        return {};
    QStringList lines{result->sonuc};
    if (const auto verdict = colorcode::standardVerdict(selection))
        lines << colorcode::verdictSpeech(*verdict, locale);
    return lines;
}

JsonObject bandJson(const BandSelection &selection, const QLocale &locale)
{
    const std::optional<colorcode::BandReading> reading = selection.reading();
    const std::optional<colorcode::Resistance> result = selection.result(locale);
    if (!reading || !result)
        return {};
    std::vector<Colour> colours = selection.colours();
    std::erase(colours, Colour::Renksiz);
    const int givenCount = colorcode::markedBandCount(colours);
    const auto verdict = colorcode::standardVerdict(selection);
    JsonObject json;
    json.add("bands", namesJson(colours))
        .add("band_count", std::to_string(givenCount))
        .add("ohms", jsonNumber(reading->value))
        .add("tolerance_percent", jsonHundredths(reading->toleranceHundredths))
        .add("tcr_ppm_per_k",
             reading->ppmPerKelvin ? std::to_string(*reading->ppmPerKelvin) : std::string(jsonNull))
        .add("text", jsonString(result->sonuc))
        .add("standard", verdictJson(verdict, locale))
        .add("reverse", reverseJson(selection, verdict));
    return json;
}

Reply answerBands(const QString &words, const QLocale &locale)
{
    const auto read = readColourWords(words);
    if (const auto *refusal = std::get_if<QString>(&read))
        return *refusal;
    const ReadBands &bands = std::get<ReadBands>(read);
    return Answer{bandLines(bands.selection, locale), bandJson(bands.selection, locale).text(), {}};
}

Reply answerValue(const QString &typed, const ValueOptions &options, const QLocale &locale)
{
    const QChar separator = locale.decimalPoint().at(0);
    const auto number = colorcode::readTypedNumber(typed, options.unit, separator);
    const auto *value = std::get_if<ExactValue>(&number);
    const colorcode::BandsOrError reading =
        value ? colorcode::bandsFor(*value, options.bandCount)
              : colorcode::BandsOrError(std::get<colorcode::ValueError>(number));
    if (const auto *error = std::get_if<colorcode::ValueError>(&reading))
        return colorcode::valueErrorMessage(*error, separator, options.bandCount);
    const auto &bands = std::get<colorcode::BandIndices>(reading);

    BandSelection selection = BandSelection::empty(options.bandCount);
    selection.setValueBands(bands);
    selection.setEntry(colorcode::Role::Tolerance, 0, options.toleranceIndex);
    selection.setEntry(colorcode::Role::Coefficient, 0, options.coefficientIndex);

    Answer answer;
    QStringList names;
    for (const Colour colour : selection.colours())
        names << colorcode::colourText(colour);
    answer.lines << names.join(u' ') << bandLines(selection, locale);
    const bool cut =
        colorcode::normalised(colorcode::valueOf(bands)) != colorcode::normalised(*value);
    if (cut)
        answer.notes << colorcode::entryPreview(
                            typed, options.unit, options.bandCount,
                            colorcode::toleranceList[std::size_t(options.toleranceIndex)].number,
                            locale)
                            .line;
    answer.json = bandJson(selection, locale)
                      .add("cut", cut ? "true" : "false")
                      .add("typed_ohms", jsonNumber(*value))
                      .text();
    return answer;
}

Reply answerSmd(const QString &code, const QLocale &locale)
{
    const smd::MarkingReading reading = smd::readMarking(code);
    if (const auto *refusal = std::get_if<smd::Refusal>(&reading))
        return smd::refusalText(*refusal, locale);
    const smd::Readings &readings = std::get<smd::Readings>(reading);
    if (readings.readings.empty())
        return QCoreApplication::translate("cli", "\"%1\" okunamadı")
            .arg(colorcode::quotedWord(code));

    const auto tolerance = [](const smd::Reading &r) {
        return r.toleranceHundredths ? jsonHundredths(*r.toleranceHundredths)
                                     : std::string(jsonNull);
    };
    std::vector<std::string> all;
    for (const smd::Reading &r : readings.readings)
        all.push_back(JsonObject()
                          .add("format", jsonString(QString::fromLatin1(smd::formatId(r.format))))
                          .add("ohms", jsonNumber(r.value))
                          .add("tolerance_percent", tolerance(r))
                          .add("text", jsonString(smd::howText(readings.code, r, locale)))
                          .text());
    const smd::Reading &likelier = readings.readings.front();
    Answer answer;
    answer.lines = smd::decodeLines(reading, locale, true);
    answer.json =
        JsonObject()
            .add("code", jsonString(readings.code))
            .add("format", jsonString(QString::fromLatin1(smd::formatId(likelier.format))))
            .add("ohms", jsonNumber(likelier.value))
            .add("tolerance_percent", tolerance(likelier))
            .add("text", jsonString(answer.lines.value(0)))
            .add("readings", jsonArray(all))
            .text();
    return answer;
}

Reply answerSmdFor(const QString &typed, colorcode::Unit unit, const QLocale &locale)
{
    const QChar separator = locale.decimalPoint().at(0);
    const auto number = colorcode::readTypedNumber(typed, unit, separator);
    if (const auto *error = std::get_if<colorcode::ValueError>(&number))
        // The limits of the widest band count, as the SMD window gives them.
        return colorcode::valueErrorMessage(*error, separator, colorcode::maxBandCount);
    const ExactValue &value = std::get<ExactValue>(number);
    const smd::Markings markings = smd::markingsFor(value);
    const auto code = [](const smd::Marking &m) {
        return m.code ? jsonString(*m.code) : std::string(jsonNull);
    };
    // Only a three-digit code (ending in 8 or 9) reads first as another value.
    const auto readsFirstAs = markings.threeDigit.readsFirstAs;
    Answer answer;
    answer.lines = smd::encodeLines(markings, locale);
    answer.json = JsonObject()
                      .add("ohms", jsonNumber(value))
                      .add("three_digit", code(markings.threeDigit))
                      .add("reads_first_as_ohms",
                           readsFirstAs ? jsonNumber(*readsFirstAs) : std::string(jsonNull))
                      .add("four_digit", code(markings.fourDigit))
                      .add("eia96", code(markings.eia96))
                      .add("three_digit_bar",
                           markings.barCode ? jsonString(*markings.barCode) : std::string(jsonNull))
                      .add("text", jsonString(answer.lines.join(QStringLiteral("; "))))
                      .text();
    return answer;
}

std::variant<const combine::PartSet *, combine::RangeError>
CombineTables::over(combine::SeriesChoice series, const ExactValue &low, const ExactValue &high,
                    bool withPairs)
{
    const Key key{series, low, high};
    if (m_key != key) {
        m_key.reset();
        m_set.reset();
        m_pairs.reset();
        auto made = combine::partsInRange(series, low, high);
        if (const auto *error = std::get_if<combine::RangeError>(&made))
            return *error;
        m_set = std::move(std::get<combine::PartSet>(made));
        m_key = key;
    }
    if (withPairs && !m_pairs)
        m_pairs = std::make_unique<combine::PairTables>(*m_set);
    return &*m_set;
}

Reply answerCombine(const QString &target, bool divider, const CombineOptions &options,
                    const QLocale &locale, CombineTables *tables)
{
    const QChar separator = locale.decimalPoint().at(0);
    combine::Boxes boxes;
    boxes.target = target;
    // A ratio is an option's number: either decimal mark will do.
    if (divider)
        boxes.target.replace(u'.', separator).replace(u',', separator);
    boxes.divider = divider;
    boxes.series = options.series;
    boxes.maxParts = options.maxParts;
    boxes.low = combine::defaultLowText(divider);
    boxes.high = combine::defaultHighText(divider);
    if (options.range) {
        const qsizetype dash = options.range->indexOf(u'-');
        if (dash < 0)
            return QCoreApplication::translate(
                       "cli", "aralık \"%1\" ALT-ÜST biçiminde yazılmalı (1K-100K gibi)")
                .arg(colorcode::quotedWord(*options.range));
        boxes.low = options.range->left(dash).trimmed();
        boxes.high = options.range->mid(dash + 1).trimmed();
    }
    boxes.leftOut = options.without.join(QStringLiteral("; "));

    const auto read = combine::readQuestion(boxes, separator);
    if (const auto *message = std::get_if<QString>(&read))
        return *message;
    const combine::Question &question = std::get<combine::Question>(read);
    CombineTables own;
    CombineTables &kept = tables ? *tables : own;
    const auto made =
        kept.over(question.series, question.low, question.high, combine::needsPairTables(question));
    if (const auto *error = std::get_if<combine::RangeError>(&made))
        return combine::rangeErrorMessage(*error, question.series);
    const combine::PartSet &set = *std::get<const combine::PartSet *>(made);
    const combine::Answer found = combine::answer(
        question, set, combine::needsPairTables(question) ? kept.pairs() : nullptr, locale);
    if (!found.message.isEmpty())
        return found.message;
    if (found.lines.isEmpty())
        return QCoreApplication::translate("cli", "bu aralıkta uygun bir değer yok");

    std::vector<std::string> results;
    for (const combine::NumericResult &r : found.numbers) {
        std::vector<std::string> parts;
        for (const ExactValue &p : r.parts)
            parts.push_back(jsonNumber(p));
        results.push_back(JsonObject()
                              .add("parts", jsonArray(parts))
                              .add("network", jsonString(r.network))
                              .add(r.divider ? "ratio" : "ohms", jsonNumber(r.value))
                              .add("error_percent", jsonNumber(r.errorPercent))
                              .add("exact", r.exact ? "true" : "false")
                              .text());
    }
    std::vector<std::string> lines;
    for (const QString &line : found.lines)
        lines.push_back(jsonString(line));
    return Answer{found.lines,
                  JsonObject()
                      .add("series", jsonString(combine::seriesChoiceName(question.series)))
                      .add("results", jsonArray(results))
                      .add("text", jsonArray(lines))
                      .text(),
                  found.notes};
}

std::optional<std::int64_t> readHundredths(const QString &text)
{
    const QString t = text.trimmed();
    std::int64_t whole = 0;
    int decimals = -1; // none seen yet
    std::int64_t fraction = 0;
    if (t.isEmpty() || t.size() > 12)
        return std::nullopt;
    for (const QChar c : t) {
        if ((c == u'.' || c == u',') && decimals < 0) {
            decimals = 0;
        } else if (c >= u'0' && c <= u'9') {
            const int d = c.unicode() - u'0';
            if (decimals < 0) {
                whole = whole * 10 + d;
            } else if (decimals < 2) {
                fraction = fraction * 10 + d;
                ++decimals;
            } else if (d != 0) {
                return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
    }
    if (decimals == 0 &&
        (t.front() == u'.' || t.front() == u',' || t.back() == u'.' || t.back() == u','))
        return std::nullopt;
    if (decimals == 1)
        fraction *= 10;
    return whole * 100 + (decimals < 0 ? 0 : fraction);
}

} // namespace cli
