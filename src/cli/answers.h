#pragma once

// The command line's answers: the same texts the windows show, as lines for
// a person and as one compact JSON document for a program. Each answer is
// either given or refused with one line, in the interface's language.
//
// JSON numbers are written from the exact values (0,123 Ω is 0.123), the
// few that are not exact (errors, a network's value) as the shortest text
// that reads back as the same double. Keys are English and stable; only the
// "text" fields follow the user's locale.

#include "colorcode/bandselection.h"
#include "colorcode/colourdoubt.h"
#include "colorcode/exactvalue.h"
#include "colorcode/standardverdict.h"
#include "colorcode/valueentry.h"
#include "combine/combination.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace cli
{

// JSON pieces, as UTF-8 text.
std::string jsonString(const QString &text);
std::string jsonNumber(const colorcode::ExactValue &value);
std::string jsonHundredths(std::int32_t hundredths); // 500 is 5, 25 is 0.25
std::string jsonNumber(double value);
inline constexpr std::string_view jsonNull = "null";

// An object written key by key, in the order added.
class JsonObject
{
public:
    JsonObject &add(std::string_view key, std::string_view raw);
    JsonObject &add(std::string_view key, const JsonObject &object);
    std::string text() const { return "{" + m_body + "}"; }

private:
    std::string m_body;
};

std::string jsonArray(const std::vector<std::string> &raw);

struct Answer {
    QStringList lines; // for a person: the main line first
    std::string json;  // for a program: one document, no line break
    QStringList notes; // said on standard error; the answer still stands
};

using Reply = std::variant<Answer, QString>; // or the refusal

// What the main window shows for complete bands: its result box's text,
// then its standard-value line as one sentence (none for 0 Ω).
QStringList bandLines(const colorcode::BandSelection &selection, const QLocale &locale);

// The JSON fields of complete bands: bands, band_count, ohms,
// tolerance_percent, tcr_ppm_per_k, text, standard, reverse. A Renksiz
// tolerance is no band: the part is one of bandsWithoutTolerance bands,
// whichever reader found it.
JsonObject bandJson(const colorcode::BandSelection &selection, const QLocale &locale);

// The "standard" object of the JSON: series, is_standard, below, above,
// text; null without a verdict.
std::string verdictJson(const std::optional<colorcode::StandardVerdict> &verdict,
                        const QLocale &locale);

// --bands: colour words.
Reply answerBands(const QString &words, const QLocale &locale);

// --bands where a word ending in "?" marks a doubtful band, or with
// --measured: every reading the doubtful bands allow, one a line as
// --photo prints them, those agreeing with the measurement first, then
// standard ones. Refused in one line when a measurement is given and no
// reading agrees. Without either, the answer of answerBands.
Reply answerDoubtfulBands(const QString &words,
                          const std::optional<colorcode::Measurement> &measured,
                          const QLocale &locale);

// --value and its options; defaults are the value-entry window's.
struct ValueOptions {
    colorcode::Unit unit = colorcode::Unit::Ohm;
    int bandCount = 4;
    int toleranceIndex = colorcode::altinToleranceIndex; // in toleranceList
    int coefficientIndex = 1;                            // in coefficientList: 100 ppm/K
};
Reply answerValue(const QString &typed, const ValueOptions &options, const QLocale &locale);

// --smd: a marking read; --smd-for: the markings of a value.
Reply answerSmd(const QString &code, const QLocale &locale);
Reply answerSmdFor(const QString &typed, colorcode::Unit unit, const QLocale &locale);

// --combine and --ratio: the combination window's question.
struct CombineOptions {
    combine::SeriesChoice series = combine::SeriesChoice::E24;
    int maxParts = 2;
    std::optional<QString> range; // "1K-100K"
    QStringList without;
};
// The parts and pair tables of the last range asked: every line of standard
// input asks over the same one, and building E192's tables takes far longer
// than answering over them. Kept for one run.
class CombineTables
{
public:
    // The parts of the range and, when `withPairs`, their tables; built
    // only when the range or the series differs from the last one asked.
    std::variant<const combine::PartSet *, combine::RangeError>
    over(combine::SeriesChoice series, const colorcode::ExactValue &low,
         const colorcode::ExactValue &high, bool withPairs);
    const combine::PairTables *pairs() const { return m_pairs.get(); }

private:
    struct Key {
        combine::SeriesChoice series;
        colorcode::ExactValue low, high;
        bool operator==(const Key &) const = default;
    };
    std::optional<Key> m_key;
    std::optional<combine::PartSet> m_set;
    std::unique_ptr<combine::PairTables> m_pairs;
};

// `tables` keeps what one answer built for the next; without it each answer
// builds its own.
Reply answerCombine(const QString &target, bool divider, const CombineOptions &options,
                    const QLocale &locale, CombineTables *tables = nullptr);

// A number of an option such as --tolerance, with "." or "," as the
// decimal mark, in hundredths; nothing when it is no such number.
std::optional<std::int64_t> readHundredths(const QString &text);

} // namespace cli
