#include "capacitor/capacitortext.h"

#include "capacitor/quantity.h"
#include "colorcode/quotedword.h"
#include "colorcode/standardvalues.h"
#include "numbers/exactnumber.h"

namespace capacitor
{

namespace
{

using colorcode::ExactValue;
using quantity::Kind;

QString quoted(const QString &text)
{
    return QStringLiteral("“") + colorcode::quotedWord(text) + QStringLiteral("”");
}

QString decimalText(std::int64_t hundredths, const QLocale &locale)
{
    return numbers::text(numbers::fromUnits(std::uint64_t(hundredths), 2), locale);
}

QString pf(const ExactValue &value, const QLocale &locale)
{
    return quantity::quantityText(value, Kind::Capacitance, locale);
}

QString joinNotes(const QString &a, const QString &b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return a + QStringLiteral("; ") + b;
}

} // namespace

QString formName(MarkingForm form)
{
    switch (form) {
    case MarkingForm::ThreeDigit:
        return QStringLiteral("3 haneli");
    case MarkingForm::RDecimal:
        return QStringLiteral("R ondalık");
    case MarkingForm::LetterCode:
        return QStringLiteral("harf kodu");
    case MarkingForm::Eia198:
        return QStringLiteral("EIA-198");
    }
    return {};
}

QString refusalText(const Refusal &refusal)
{
    switch (refusal.kind) {
    case RefusalKind::TextTooLong:
        return QStringLiteral("kondansatör kodu en çok %1 karakterdir; bu metin çok uzun")
            .arg(longestMarking);
    case RefusalKind::UnknownCharacter:
        return QStringLiteral("tanınmayan karakter: ") + quoted(refusal.part);
    case RefusalKind::Empty:
        return QStringLiteral("kondansatör kodu boş");
    case RefusalKind::IOInEia198:
        return quoted(refusal.part) +
               QStringLiteral(": EIA-198'de I ve O kullanılmaz (bir not dosyasındaki I = 2,2 "
                              "ve O = 3,3 J ve N'nin yanlış yazımıdır)");
    case RefusalKind::ZeroValue:
        return quoted(refusal.part) + QStringLiteral(": değer sıfır olamaz");
    case RefusalKind::VoltsTwice:
        return QStringLiteral("gerilim iki kez yazılmış: ") + quoted(refusal.part);
    case RefusalKind::UnknownCode:
        return quoted(refusal.part) +
               QStringLiteral(" bilinen bir kondansatör kodu değil (104, 4n7, 2A474J, S3, 3R9)");
    }
    return {};
}

QString toleranceText(const Tolerance &t, const QLocale &locale)
{
    switch (t.kind) {
    case Tolerance::Kind::Percent:
        return QStringLiteral("± % ") + decimalText(t.plusHundredths, locale);
    case Tolerance::Kind::Picofarads:
        return QStringLiteral("± ") + decimalText(t.plusHundredths, locale) + QStringLiteral(" pF");
    case Tolerance::Kind::Asymmetric:
        return QStringLiteral("+ % ") + decimalText(t.plusHundredths, locale) +
               QStringLiteral(" / − % ") + decimalText(t.minusHundredths, locale);
    }
    return {};
}

QString voltsText(std::int64_t hundredths, const QLocale &locale)
{
    return decimalText(hundredths, locale) + QStringLiteral(" V");
}

QString readingLine(const Reading &r, const QLocale &locale)
{
    QString line = pf(r.picofarads, locale);
    if (r.tolerance)
        line += QStringLiteral("  ") + toleranceText(*r.tolerance, locale);
    if (r.voltsHundredths)
        line += QStringLiteral("  ") + voltsText(*r.voltsHundredths, locale);
    if (r.tantalum)
        line += QStringLiteral("  tantal");
    return line;
}

QStringList decodeLines(const MarkingReading &reading, const QLocale &locale)
{
    if (const auto *refusal = std::get_if<Refusal>(&reading))
        return {refusalText(*refusal)};
    const Readings &readings = std::get<Readings>(reading);
    const Reading &first = readings.readings.front();
    QStringList lines{pf(first.picofarads, locale)};
    // The same value in the neighbouring units, where a factor of 1000 is
    // the usual mistake: 100 nF = 0,1 µF = 100000 pF.
    QStringList same;
    for (const int power : {-12, -9, -6}) {
        const ExactValue inUnit = colorcode::normalised(
            {first.picofarads.digits, first.picofarads.powerOfTen - 12 - power});
        const int leading = int(inUnit.digits.size()) - 1 + inUnit.powerOfTen;
        if (leading >= -3 && leading <= 5)
            same << numbers::text(inUnit, locale) + u' ' +
                        quantity::unitSymbol(power, Kind::Capacitance);
    }
    if (same.size() > 1)
        lines << QStringLiteral("Aynı değer: ") + same.join(QStringLiteral(" = "));
    lines << first.how;
    lines << QStringLiteral("Tolerans: ") + (first.tolerance
                                                 ? toleranceText(*first.tolerance, locale)
                                                 : QStringLiteral("kodda yok"));
    if (first.voltsHundredths)
        lines << QStringLiteral("Gerilim: ") + voltsText(*first.voltsHundredths, locale) +
                     (voltsDisputed(readings)
                          ? QStringLiteral(" (harfi tartışmalı; başka okumaya bakın)")
                          : QString());
    else if (voltsDisputed(readings))
        lines << QStringLiteral("Gerilim: harfi tartışmalı; okumalara bakın");
    if (first.tantalum)
        lines << QStringLiteral("Tantal okuması");
    if (!first.note.isEmpty())
        lines << first.note;
    lines << readings.notes;
    for (std::size_t i = 1; i < readings.readings.size(); ++i) {
        const Reading &r = readings.readings[i];
        lines << QStringLiteral("Başka okuma: ") + readingLine(r, locale) + QStringLiteral(" (") +
                     joinNotes(r.note, r.how == first.how ? QString() : r.how) + u')';
    }
    return lines;
}

QString seriesLine(const ExactValue &picofarads)
{
    QStringList in;
    for (const colorcode::Series s :
         {colorcode::Series::E6, colorcode::Series::E12, colorcode::Series::E24,
          colorcode::Series::E48, colorcode::Series::E96, colorcode::Series::E192})
        if (colorcode::isInSeries(picofarads, s))
            in << colorcode::seriesName(s);
    if (in.isEmpty())
        return QStringLiteral("E-serisi: hiçbirinde değil");
    return QStringLiteral("E-serisi: ") + in.join(QStringLiteral(", "));
}

QStringList encodeLines(const ExactValue &picofarads, const QLocale &locale)
{
    QStringList lines{pf(picofarads, locale)};
    for (const Marking &m : markingsFor(picofarads, locale)) {
        if (m.code)
            lines << formName(m.form) + QStringLiteral(": ") + *m.code +
                         (m.note.isEmpty() ? QString() : QStringLiteral(" (") + m.note + u')');
        else
            lines << formName(m.form) + QStringLiteral(": — (") + m.note + u')';
    }
    lines << seriesLine(picofarads);
    for (QString &line : lines)
        line = quantity::withDecimalMark(line, locale);
    return lines;
}

} // namespace capacitor
