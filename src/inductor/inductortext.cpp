#include "inductor/inductortext.h"

#include "capacitor/quantity.h"
#include "colorcode/bandtables.h"
#include "colorcode/resistance.h"
#include "colorcode/standardvalues.h"

namespace inductor
{

namespace
{

using colorcode::ExactValue;

QString uh(const ExactValue &value, const QLocale &locale)
{
    return quantity::quantityText(value, quantity::Kind::Inductance, locale);
}

QString names(const std::vector<Colour> &colours)
{
    QStringList words;
    for (const Colour c : colours)
        words << inductor::colourName(c);
    return words.join(u' ');
}

// Fixed wording with a comma for the decimal mark; the caller puts the
// locale's mark in.
QString noteWords(const Note &note)
{
    switch (note.kind) {
    case NoteKind::MultiplierInTwoTables:
        return QStringLiteral("%1 çarpanı iki tabloda var; biri Sarı'da durur")
            .arg(inductor::colourName(note.colour));
    case NoteKind::MultiplierInOneTable:
        return QStringLiteral("%1 çarpanı yalnız bir tabloda")
            .arg(inductor::colourName(note.colour));
    case NoteKind::GoldDecimalPoint:
        return QStringLiteral("Altın ondalık noktasıdır (bir tablo; bir başkası bunu anmaz)");
    case NoteKind::GoldDecimalWritten:
        return QStringLiteral("Altın ondalık noktasıdır");
    case NoteKind::GoldSilverSwapped:
        return QStringLiteral("bir kaynağın metni askeri biçimde Altın × 0,01, Gümüş × 0,1 okur");
    case NoteKind::NoToleranceBand:
        return QStringLiteral("tolerans bandı yok: ± % 20");
    case NoteKind::BlackTolerance:
        return QStringLiteral("Siyah tolerans: ± % 20 (bir tablo)");
    case NoteKind::BlackNoTolerance:
        return QStringLiteral("iki tabloda Siyah tolerans vermez");
    case NoteKind::Nanohenries:
        return QStringLiteral("bir üretici sayfası bantları nH okur");
    }
    return {};
}

QString noBandsWords(NoBands why)
{
    switch (why) {
    case NoBands::Zero:
        return QStringLiteral("değer sıfır");
    case NoBands::TooManyDigits:
        return QStringLiteral("iki anlamlı hane taşır");
    case NoBands::BelowSmallest:
        return QStringLiteral("en küçüğü 0,01 µH (Siyah Kahverengi Gümüş)");
    case NoBands::AboveLargest:
        return QStringLiteral("en büyük çarpan Beyaz (× 10⁹)");
    case NoBands::OneDecimalBelow10:
        return QStringLiteral("10 µH altında ondalıktan sonra bir hane");
    case NoBands::TwoDecimalsBelow1:
        return QStringLiteral("1 µH altında ondalıktan sonra iki hane");
    case NoBands::NoMultiplier:
        return QStringLiteral("bu çarpanın rengi yok");
    }
    return {};
}

} // namespace

QString colourName(Colour colour)
{
    return QString::fromUtf8(colorcode::colourName(colour));
}

QString dotsRefusal()
{
    return QStringLiteral(
        "SMD bobin noktaları seriye özgüdür: değer her serinin veri sayfasındadır "
        "(noktalar nH okunur, 10 nH altında seriden seriye değişir)");
}

QString howText(const Readings &r, const QLocale &locale)
{
    QString how;
    switch (r.form) {
    case Form::Plain:
        how = QStringLiteral("%1 bant: %2%3 × %4")
                  .arg(r.bandCount)
                  .arg(r.firstDigit)
                  .arg(r.secondDigit)
                  .arg(inductor::colourName(r.multiplier));
        break;
    case Form::MilitaryDecimalFirst:
        how = QStringLiteral("askeri 5 bant: 0,%1%2").arg(r.firstDigit).arg(r.secondDigit);
        break;
    case Form::MilitaryDecimalAfter:
        how = QStringLiteral("askeri 5 bant: %1,%2").arg(r.firstDigit).arg(r.secondDigit);
        break;
    case Form::MilitaryMultiplier:
        how = QStringLiteral("askeri 5 bant: %1%2 × %3")
                  .arg(r.firstDigit)
                  .arg(r.secondDigit)
                  .arg(inductor::colourName(r.multiplier));
        break;
    }
    return quantity::withDecimalMark(how, locale);
}

QString notesText(const std::vector<Note> &notes, const QLocale &locale)
{
    QStringList words;
    for (const Note &note : notes)
        words << noteWords(note);
    return quantity::withDecimalMark(words.join(QStringLiteral("; ")), locale);
}

QString refusalText(const Refusal &refusal)
{
    switch (refusal.kind) {
    case RefusalKind::BandCount:
        return QStringLiteral("bobin 3, 4 ya da 5 bant taşır; verilen %1").arg(refusal.count);
    case RefusalKind::NotReadOnInductor:
        return QStringLiteral("%1. bant: %2 bobinde okunmaz")
            .arg(refusal.place)
            .arg(inductor::colourName(refusal.colour));
    case RefusalKind::NotDigit:
        return QStringLiteral("%1. bant: %2 rakam olamaz")
            .arg(refusal.place)
            .arg(inductor::colourName(refusal.colour));
    case RefusalKind::NotMultiplier:
        return QStringLiteral("%1. bant: %2 çarpan olamaz")
            .arg(refusal.place)
            .arg(inductor::colourName(refusal.colour));
    case RefusalKind::MilitaryFirstNotSilver:
        return QStringLiteral("5 bantlı askeri biçimde 1. bant çift genişlikte Gümüş olur; "
                              "verilen %1")
            .arg(inductor::colourName(refusal.colour));
    case RefusalKind::MilitaryValueBands:
        return QStringLiteral("askeri biçimin 2.–4. bantları değer taşır");
    case RefusalKind::MilitaryNeedsTolerance:
        return QStringLiteral("askeri biçimin 5. bandı toleranstır");
    case RefusalKind::NotToleranceColour:
        return QStringLiteral("%1. bant: %2 bobinde tolerans rengi değil (Kahverengi, Kırmızı, "
                              "Turuncu, Sarı, Altın, Gümüş, Siyah)")
            .arg(refusal.place)
            .arg(inductor::colourName(refusal.colour));
    }
    return {};
}

QStringList decodeLines(const BandReading &reading, const QLocale &locale)
{
    if (const auto *refusal = std::get_if<Refusal>(&reading))
        return {refusalText(*refusal)};
    const Readings &r = std::get<Readings>(reading);
    const Reading &first = r.readings.front();
    const auto tolerance = [&locale](const std::optional<std::int32_t> &t) {
        return t ? QStringLiteral("± % ") + colorcode::percentText(*t, locale)
                 : QStringLiteral("tolerans yok");
    };
    QStringList lines{uh(first.microhenries, locale),
                      QStringLiteral("Tolerans: ") + tolerance(first.toleranceHundredths),
                      howText(r, locale)};
    if (!first.notes.empty())
        lines << notesText(first.notes, locale);
    for (std::size_t i = 1; i < r.readings.size(); ++i)
        lines << QStringLiteral("Başka okuma: ") + uh(r.readings[i].microhenries, locale) +
                     QStringLiteral("  ") + tolerance(r.readings[i].toleranceHundredths) +
                     QStringLiteral(" (") + notesText(r.readings[i].notes, locale) + u')';
    return lines;
}

QStringList encodeLines(const ExactValue &microhenries, const QLocale &locale)
{
    QStringList lines{uh(microhenries, locale)};
    const auto line = [](const QString &name, const ValueBands &v) {
        if (!v.bands)
            return name + QStringLiteral(": — (") +
                   (v.whyNot ? noBandsWords(*v.whyNot) : QString()) + u')';
        return name + QStringLiteral(": ") + names(*v.bands) + QStringLiteral(" + tolerans bandı") +
               (v.note ? QStringLiteral(" (") + noteWords(*v.note) + u')' : QString());
    };
    lines << line(QStringLiteral("4 bant"), fourBandsFor(microhenries))
          << line(QStringLiteral("Askeri 5 bant"), militaryBandsFor(microhenries))
          << QStringLiteral("Tolerans bandı: Kahverengi ± % 1, Kırmızı ± % 2, Turuncu ± % 3, "
                            "Sarı ± % 4, Altın ± % 5, Gümüş ± % 10, yok ± % 20");
    for (QString &line : lines)
        line = quantity::withDecimalMark(line, locale);
    QStringList in;
    for (const colorcode::Series s :
         {colorcode::Series::E6, colorcode::Series::E12, colorcode::Series::E24})
        if (colorcode::isInSeries(microhenries, s))
            in << colorcode::seriesName(s);
    lines << (in.isEmpty() ? QStringLiteral("E-serisi: E6, E12, E24'te değil")
                           : QStringLiteral("E-serisi: ") + in.join(QStringLiteral(", ")));
    return lines;
}

} // namespace inductor
