#include "inductor/inductortext.h"

#include "capacitor/quantity.h"
#include "colorcode/bandtables.h"
#include "colorcode/colourtext.h"
#include "colorcode/resistance.h"
#include "colorcode/standardvalues.h"

#include <QCoreApplication>

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
        words << colorcode::colourText(c);
    return words.join(u' ');
}

// Fixed wording with a comma for the decimal mark; the caller puts the
// locale's mark in.
QString noteWords(const Note &note)
{
    switch (note.kind) {
    case NoteKind::MultiplierInTwoTables:
        return QCoreApplication::translate("inductor",
                                           "%1 çarpanı iki tabloda var; biri Sarı'da durur")
            .arg(colorcode::colourText(note.colour));
    case NoteKind::MultiplierInOneTable:
        return QCoreApplication::translate("inductor", "%1 çarpanı yalnız bir tabloda")
            .arg(colorcode::colourText(note.colour));
    case NoteKind::GoldDecimalPoint:
        return QCoreApplication::translate(
            "inductor", "Altın ondalık noktasıdır (bir tablo; bir başkası bunu anmaz)");
    case NoteKind::GoldDecimalWritten:
        return QCoreApplication::translate("inductor", "Altın ondalık noktasıdır");
    case NoteKind::GoldSilverSwapped:
        return QCoreApplication::translate(
            "inductor", "bir kaynağın metni askeri biçimde Altın × 0,01, Gümüş × 0,1 okur");
    case NoteKind::NoToleranceBand:
        return QCoreApplication::translate("inductor", "tolerans bandı yok: ± % 20");
    case NoteKind::BlackTolerance:
        return QCoreApplication::translate("inductor", "Siyah tolerans: ± % 20 (bir tablo)");
    case NoteKind::BlackNoTolerance:
        return QCoreApplication::translate("inductor", "iki tabloda Siyah tolerans vermez");
    case NoteKind::Nanohenries:
        return QCoreApplication::translate("inductor", "bir üretici sayfası bantları nH okur");
    }
    return {};
}

QString noBandsWords(NoBands why)
{
    switch (why) {
    case NoBands::Zero:
        return QCoreApplication::translate("inductor", "değer sıfır");
    case NoBands::TooManyDigits:
        return QCoreApplication::translate("inductor", "iki anlamlı hane taşır");
    case NoBands::BelowSmallest:
        return QCoreApplication::translate("inductor",
                                           "en küçüğü 0,01 µH (Siyah Kahverengi Gümüş)");
    case NoBands::AboveLargest:
        return QCoreApplication::translate("inductor", "en büyük çarpan Beyaz (× 10⁹)");
    case NoBands::OneDecimalBelow10:
        return QCoreApplication::translate("inductor", "10 µH altında ondalıktan sonra bir hane");
    case NoBands::TwoDecimalsBelow1:
        return QCoreApplication::translate("inductor", "1 µH altında ondalıktan sonra iki hane");
    case NoBands::NoMultiplier:
        return QCoreApplication::translate("inductor", "bu çarpanın rengi yok");
    }
    return {};
}

QString toleranceWords(const std::optional<std::int32_t> &hundredths, const QLocale &locale)
{
    return hundredths ? QCoreApplication::translate("inductor", "± % %1")
                            .arg(colorcode::percentText(*hundredths, locale))
                      : QCoreApplication::translate("inductor", "tolerans yok");
}

} // namespace

QString colourName(Colour colour)
{
    return QString::fromUtf8(colorcode::colourName(colour));
}

QString dotsRefusal()
{
    return QCoreApplication::translate(
        "inductor", "SMD bobin noktaları seriye özgüdür: değer her serinin veri sayfasındadır "
                    "(noktalar nH okunur, 10 nH altında seriden seriye değişir)");
}

QString howText(const Readings &r, const QLocale &locale)
{
    QString how;
    switch (r.form) {
    case Form::Plain:
        how = QCoreApplication::translate("inductor", "%1 bant: %2%3 × %4")
                  .arg(QString::number(r.bandCount), QString::number(r.firstDigit),
                       QString::number(r.secondDigit), colorcode::colourText(r.multiplier));
        break;
    case Form::MilitaryDecimalFirst:
        how = QCoreApplication::translate("inductor", "askeri 5 bant: 0,%1%2")
                  .arg(QString::number(r.firstDigit), QString::number(r.secondDigit));
        break;
    case Form::MilitaryDecimalAfter:
        how = QCoreApplication::translate("inductor", "askeri 5 bant: %1,%2")
                  .arg(QString::number(r.firstDigit), QString::number(r.secondDigit));
        break;
    case Form::MilitaryMultiplier:
        how = QCoreApplication::translate("inductor", "askeri 5 bant: %1%2 × %3")
                  .arg(QString::number(r.firstDigit), QString::number(r.secondDigit),
                       colorcode::colourText(r.multiplier));
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
    const QString place = QString::number(refusal.place);
    const QString colour = colorcode::colourText(refusal.colour);
    switch (refusal.kind) {
    case RefusalKind::BandCount:
        return QCoreApplication::translate("inductor", "bobin 3, 4 ya da 5 bant taşır; verilen %1")
            .arg(refusal.count);
    case RefusalKind::NotReadOnInductor:
        return QCoreApplication::translate("inductor", "%1. bant: %2 bobinde okunmaz")
            .arg(place, colour);
    case RefusalKind::NotDigit:
        return QCoreApplication::translate("inductor", "%1. bant: %2 rakam olamaz")
            .arg(place, colour);
    case RefusalKind::NotMultiplier:
        return QCoreApplication::translate("inductor", "%1. bant: %2 çarpan olamaz")
            .arg(place, colour);
    case RefusalKind::MilitaryFirstNotSilver:
        return QCoreApplication::translate("inductor",
                                           "5 bantlı askeri biçimde 1. bant çift genişlikte "
                                           "Gümüş olur; verilen %1")
            .arg(colour);
    case RefusalKind::MilitaryValueBands:
        return QCoreApplication::translate("inductor", "askeri biçimin 2.–4. bantları değer taşır");
    case RefusalKind::MilitaryNeedsTolerance:
        return QCoreApplication::translate("inductor", "askeri biçimin 5. bandı toleranstır");
    case RefusalKind::NotToleranceColour:
        return QCoreApplication::translate("inductor",
                                           "%1. bant: %2 bobinde tolerans rengi değil "
                                           "(Kahverengi, Kırmızı, Turuncu, Sarı, Altın, Gümüş, "
                                           "Siyah)")
            .arg(place, colour);
    }
    return {};
}

QStringList decodeLines(const BandReading &reading, const QLocale &locale)
{
    if (const auto *refusal = std::get_if<Refusal>(&reading))
        return {refusalText(*refusal)};
    const Readings &r = std::get<Readings>(reading);
    const Reading &first = r.readings.front();
    QStringList lines{uh(first.microhenries, locale),
                      QCoreApplication::translate("inductor", "Tolerans: %1")
                          .arg(toleranceWords(first.toleranceHundredths, locale)),
                      howText(r, locale)};
    if (!first.notes.empty())
        lines << notesText(first.notes, locale);
    for (std::size_t i = 1; i < r.readings.size(); ++i)
        lines << QCoreApplication::translate("inductor", "Başka okuma: %1  %2 (%3)")
                     .arg(uh(r.readings[i].microhenries, locale),
                          toleranceWords(r.readings[i].toleranceHundredths, locale),
                          notesText(r.readings[i].notes, locale));
    return lines;
}

QStringList encodeLines(const ExactValue &microhenries, const QLocale &locale)
{
    QStringList lines{uh(microhenries, locale)};
    const auto line = [](const QString &name, const ValueBands &v) {
        if (!v.bands)
            return name + QStringLiteral(": — (") +
                   (v.whyNot ? noBandsWords(*v.whyNot) : QString()) + u')';
        return QCoreApplication::translate("inductor", "%1: %2 + tolerans bandı")
                   .arg(name, names(*v.bands)) +
               (v.note ? QStringLiteral(" (") + noteWords(*v.note) + u')' : QString());
    };
    lines << line(QCoreApplication::translate("inductor", "4 bant"), fourBandsFor(microhenries))
          << line(QCoreApplication::translate("inductor", "Askeri 5 bant"),
                  militaryBandsFor(microhenries))
          << QCoreApplication::translate("inductor",
                                         "Tolerans bandı: Kahverengi ± % 1, Kırmızı ± % 2, "
                                         "Turuncu ± % 3, Sarı ± % 4, Altın ± % 5, Gümüş ± % 10, "
                                         "yok ± % 20");
    for (QString &line : lines)
        line = quantity::withDecimalMark(line, locale);
    QStringList in;
    for (const colorcode::Series s :
         {colorcode::Series::E6, colorcode::Series::E12, colorcode::Series::E24})
        if (colorcode::isInSeries(microhenries, s))
            in << colorcode::seriesName(s);
    lines << (in.isEmpty()
                  ? QCoreApplication::translate("inductor", "E-serisi: E6, E12, E24'te değil")
                  : QCoreApplication::translate("inductor", "E-serisi: %1")
                        .arg(in.join(QStringLiteral(", "))));
    return lines;
}

} // namespace inductor
