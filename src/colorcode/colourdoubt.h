#pragma once

// Bands whose colour the user is not sure of: every reading they allow, and
// which of those agree with a value measured on the part. Colour vision and
// a warm lamp confuse some band colours with others; the colour code alone
// cannot tell them apart (most single confusions of a standard part give
// another standard value), a meter reading within its error can.
//
// Everything is exact: agreement is decided in whole numbers.

#include "colorcode/bandselection.h"
#include "colorcode/bandtables.h"
#include "colorcode/exactvalue.h"
#include "colorcode/readingdirection.h"
#include "colorcode/standardverdict.h"

#include <QChar>
#include <QLocale>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace colorcode
{

// Colours told apart poorly by colour-blind eyes or under a warm lamp, both
// ways round.
struct ConfusablePair {
    Colour first;
    Colour second;
};

// clang-format off
inline constexpr std::array<ConfusablePair, 11> confusableColours{{
    {Colour::Kahverengi, Colour::Kirmizi},
    {Colour::Kirmizi, Colour::Turuncu},
    {Colour::Turuncu, Colour::Sari},
    {Colour::Turuncu, Colour::Altin},
    {Colour::Sari, Colour::Yesil},
    {Colour::Kahverengi, Colour::Yesil},
    {Colour::Mavi, Colour::Mor},
    {Colour::Gri, Colour::Gumus},
    {Colour::Gri, Colour::Beyaz},
    {Colour::Gumus, Colour::Beyaz},
    {Colour::Sari, Colour::Altin},
}};
// clang-format on

// The colours confused with one, in the table's order.
std::vector<Colour> confusedWith(Colour colour);

// Per band, left to right: whether its colour is in doubt.
using DoubtfulBands = std::array<bool, maxBandCount>;

// A meter's error, in hundredths of a percent of the reading's value.
inline constexpr std::int32_t defaultMeterErrorHundredths = 200;
inline constexpr std::int32_t maxMeterErrorHundredths = 10000; // 100 %

struct Measurement {
    ExactValue ohms;
    std::int32_t meterErrorHundredths = defaultMeterErrorHundredths;
};

struct DoubtReading {
    BandSelection selection; // complete
    BandReading reading;
    // Nothing for a zero-ohm link.
    std::optional<StandardVerdict> verdict;
    // Whether the measured value lies within tolerance and meter error of
    // the reading's value; nothing without a measurement.
    std::optional<bool> agrees;
    // |measured − value|, normalised; zero without a measurement.
    ExactValue distance;

    bool standard() const { return verdict && verdict->standard(); }
};

// The colours a band may be: its own first, then those confused with it
// that its place's list holds. Only its own where it is not in doubt; none
// for a band the selection has not chosen.
std::vector<Colour> bandChoices(const BandSelection &bands, int band, bool doubtful);

// Whether |measured − value| ≤ value × (tolerance + meter error) / 100,
// both in percent of the value.
bool agrees(const ExactValue &value, std::int32_t toleranceHundredths, const Measurement &measured);

// Every reading the doubtful bands allow, the given one among them: those
// that agree with the measurement first, then standard values first, each
// group in the order the choices were made. Empty for an incomplete
// selection.
std::vector<DoubtReading> doubtReadings(const BandSelection &bands, const DoubtfulBands &doubtful,
                                        const std::optional<Measurement> &measured);

// How many readings agree with the measurement.
int agreeingCount(const std::vector<DoubtReading> &readings);

// The reading whose value lies nearest the measured one; nothing without
// readings or a measurement.
const DoubtReading *nearestReading(const std::vector<DoubtReading> &readings);

// A meter's error as typed, in percent with the user's decimal mark ("2",
// "0,5"): hundredths from 0 to 100 %; nothing for anything else.
std::optional<std::int32_t> readMeterError(const QString &text, QChar decimalSeparator);

// Words, for the window, the command line and speech alike.

// "Kahverengi Siyah Kırmızı Altın  1000 Ohm  ± % 5": the colours, the first
// `shownBands` of them, then the result box's text.
QString readingText(const DoubtReading &reading, const QLocale &locale,
                    int shownBands = maxBandCount);

// A line of the window's list: the reading, the verdict's first words and,
// with a measurement, whether it agrees.
QString readingItemText(const DoubtReading &reading, const QLocale &locale);

// "3 okumadan 1'i ölçümle uyuşuyor"; "3 okumanın hiçbiri ölçümle
// uyuşmuyor; en yakını: …"; without a measurement "3 okuma, 2'si standart".
QString doubtSummary(const std::vector<DoubtReading> &readings, const QLocale &locale);

// What a screen reader is told once the list changes: "3 okuma; ölçümle
// uyuşan: Kahverengi Siyah Kırmızı Altın, 1000 Ohm"; without a measurement
// the summary.
QString doubtAnnouncement(const std::vector<DoubtReading> &readings, const QLocale &locale);

// The Turkish possessive ending of a number as read aloud: "1'i", "2'si",
// "3'ü", "6'sı", "9'u", "40'ı".
QString numberWithPossessive(int number);

} // namespace colorcode
