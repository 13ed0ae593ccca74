#pragma once

// The value-entry window's preview while typing: how the bands will show the
// value, and the standard values nearest to it, ready to put in the box.

#include "colorcode/exactvalue.h"
#include "colorcode/standardverdict.h"
#include "colorcode/valueentry.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace colorcode
{

// The value as the value box takes it back exactly under every unit option:
// its letter code, R below 1000 Ω, then K, M and G ("R047", "470R", "4K75",
// "2M2", "100G").
QString boxTextOf(const ExactValue &value);

// A standard value the value-entry window offers in place of the typed one.
struct Suggestion {
    ExactValue value;                 // normalised
    std::int64_t errorHundredths = 0; // relative to the typed value
    QString text;                     // "4,75 Kilo Ohm (−1,04 %)"
    QString boxText;                  // "4K75", see boxTextOf
};

struct EntryPreview {
    // How the bands will show the value: "4,7 Kilo Ohm olarak gösterilir",
    // "4 bantta 4,7 Kilo Ohm olarak gösterilir; 5 bant gerekir", or the
    // refusal message "Tamam" would give. Empty while the box is empty.
    QString line;
    // "E96 standart değeri", "E96/E24 değil; en yakın:" (the colon only when
    // a suggestion follows); empty when there is no value above zero.
    QString seriesLine;
    // The verdict behind it: nothing when there is no value above zero.
    std::optional<StandardVerdict> verdict;
    // The neighbours of the typed value before any cut, in the tolerance's
    // set, among the values the band count shows; none when it is standard.
    std::optional<Suggestion> below, above;

    // The lines shown under "Tamam": how the value shows, then its series.
    QStringList lines() const;
};

// The preview for the box's text, its unit option, the band count (4, 5 or
// 6) and the chosen tolerance in hundredths of a percent.
EntryPreview entryPreview(const QString &typed, Unit unit, int bandCount,
                          std::int32_t toleranceHundredths, const QLocale &locale);

} // namespace colorcode
