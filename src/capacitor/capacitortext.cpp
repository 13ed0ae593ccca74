#include "capacitor/capacitortext.h"

#include "capacitor/quantity.h"
#include "colorcode/quotedword.h"
#include "colorcode/standardvalues.h"
#include "numbers/exactnumber.h"

#include <QCoreApplication>

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

// "× 0,01", "× 10⁴".
QString factorText(int power, const QLocale &locale)
{
    if (power < 0)
        return QStringLiteral("× ") + numbers::text(numbers::fromUnits(1, -power), locale);
    return QStringLiteral("× 10") + numbers::superscript(power);
}

// Who gives a reading, after a number of volts: "(0L = 5,5 V, üç tablo)".
QString voltsSourcesText(Sources sources)
{
    switch (sources) {
    case Sources::ThreeTables:
        return QCoreApplication::translate("capacitor", "üç tablo");
    case Sources::OneTable:
        return QCoreApplication::translate("capacitor", "bir tablo");
    case Sources::Tdk:
        return QStringLiteral("TDK");
    case Sources::OneReader:
        return QCoreApplication::translate("capacitor", "bir okur yorumu");
    case Sources::OneSource:
        return QCoreApplication::translate("capacitor", "tek kaynak");
    default:
        return {};
    }
}

// "B yüzde olarak: iki tabloda ± % 0,1", "10 pF altında G: ± 2 pF (tek
// tablo)", "Q tek kaynakta".
QString toleranceNoteText(const Note &note, const QLocale &locale)
{
    const QString letter = note.letter;
    const bool percent = note.tolerance.kind == Tolerance::Kind::Percent;
    const QString tolerance = toleranceText(note.tolerance, locale);
    if (note.below10pF) {
        const QString tables = note.sources == Sources::FourTables
                                   ? QCoreApplication::translate("capacitor", "dört tablo")
                               : note.sources == Sources::ThreeTables
                                   ? QCoreApplication::translate("capacitor", "üç tablo")
                                   : QCoreApplication::translate("capacitor", "tek tablo");
        return (percent ? QCoreApplication::translate("capacitor",
                                                      "10 pF altında %1 yüzde olarak: %2 (%3)")
                        : QCoreApplication::translate("capacitor", "10 pF altında %1: %2 (%3)"))
            .arg(letter, tolerance, tables);
    }
    switch (note.sources) {
    case Sources::TwoTables:
        return (percent
                    ? QCoreApplication::translate("capacitor", "%1 yüzde olarak: iki tabloda %2")
                    : QCoreApplication::translate("capacitor", "%1 iki tabloda %2"))
            .arg(letter, tolerance);
    case Sources::OneSource:
        return QCoreApplication::translate("capacitor", "%1 tek kaynakta").arg(letter);
    default:
        return QCoreApplication::translate("capacitor", "%1 bir tabloda %2").arg(letter, tolerance);
    }
}

// "L = 5,5 (0L = 5,5 V, üç tablo)", "T'yi hiçbir tablo vermez".
QString voltageLetterText(const Note &note, const QLocale &locale)
{
    const QString letter = note.letter;
    QString text;
    if (note.sources == Sources::NoTable) // T, the one such letter
        text = QCoreApplication::translate("capacitor", "%1'yi hiçbir tablo vermez").arg(letter);
    else if (note.sources == Sources::NotInOtherCodes)
        text = QCoreApplication::translate("capacitor", "%1 öteki harf kodlarında kullanılmaz")
                   .arg(letter);
    else
        text =
            (note.approximately ? QCoreApplication::translate("capacitor", "%1 = %2 (%3 ≈ %4, %5)")
                                : QCoreApplication::translate("capacitor", "%1 = %2 (%3 = %4, %5)"))
                .arg(letter, decimalText(note.mantissaHundredths, locale), note.seenCode,
                     voltsText(note.voltsHundredths.value_or(0), locale),
                     voltsSourcesText(note.sources));
    return note.code + QStringLiteral(": ") + text;
}

// "b = 3,5 (iki tablo)", "g yalnız EIA-198-D'yi aktaran tabloda; öteki
// tablo 9,0'ı y yazar".
QString eiaLowerCaseText(const Note &note, const QLocale &locale)
{
    const QString letter = note.letter;
    const QString mantissa =
        numbers::text(numbers::fromUnits(std::uint64_t(note.mantissaTenths), 1), locale, 1);
    // 9,0'ı: the suffix fits the one value two letters share.
    switch (note.sources) {
    case Sources::OnlyQuotingTable:
        if (note.otherSpelling.isNull())
            return QCoreApplication::translate("capacitor",
                                               "%1 yalnız EIA-198-D'yi aktaran tabloda")
                .arg(letter);
        return QCoreApplication::translate(
                   "capacitor", "%1 yalnız EIA-198-D'yi aktaran tabloda; öteki tablo %2'ı %3 yazar")
            .arg(letter, mantissa, note.otherSpelling);
    case Sources::TwoTables:
        if (!note.otherSpelling.isNull())
            return QCoreApplication::translate(
                       "capacitor", "%1 iki tabloda; EIA-198-D'yi aktaran tablo %2'ı %3 yazar")
                .arg(letter, mantissa, note.otherSpelling);
        return QCoreApplication::translate("capacitor", "%1 = %2 (iki tablo)")
            .arg(letter, mantissa);
    default:
        return QCoreApplication::translate("capacitor", "%1 = %2 (EIA-198-D'yi aktaran tablo)")
            .arg(letter, mantissa);
    }
}

QString unitLetterText(QChar letter)
{
    switch (letter.unicode()) {
    case u'm':
        return QCoreApplication::translate("capacitor", "m = mili (mF)");
    case u'F':
        return QStringLiteral("F = farad");
    case u'M':
        return QCoreApplication::translate(
            "capacitor", "büyük M bir dirençte mega okunur (4M7 = 4,7 MΩ); burada mili sayıldı");
    default: // N, U
        return QCoreApplication::translate("capacitor",
                                           "büyük %1: IEC küçük %2 yazar; parçalarda görülür")
            .arg(QString(letter), QString(letter.toLower()));
    }
}

QString makerName(QChar letter)
{
    return letter == u'K'   ? QStringLiteral("KEMET")
           : letter == u'N' ? QStringLiteral("Novacap")
                            : QStringLiteral("Syfer");
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
        return QCoreApplication::translate("capacitor", "3 haneli");
    case MarkingForm::RDecimal:
        return QCoreApplication::translate("capacitor", "R ondalık");
    case MarkingForm::LetterCode:
        return QCoreApplication::translate("capacitor", "harf kodu");
    case MarkingForm::Eia198:
        return QStringLiteral("EIA-198");
    }
    return {};
}

QString howText(const How &how, const QLocale &locale)
{
    QString text;
    switch (how.kind) {
    case HowKind::ThreeDigit:
        text = QCoreApplication::translate("capacitor", "3 haneli kod: %1 %2 pF")
                   .arg(QString::number(how.significant), factorText(how.power, locale));
        break;
    case HowKind::PlainValue:
        text = QCoreApplication::translate("capacitor", "düz değer: %1 pF").arg(how.code);
        break;
    case HowKind::OneOrTwoDigits:
        text = QCoreApplication::translate("capacitor", "1-2 haneli: değer pF olarak");
        break;
    case HowKind::RPicofarads:
        text = QCoreApplication::translate("capacitor", "R ondalık (pF): %1 = %2 pF")
                   .arg(how.code, numbers::text(how.number, locale));
        break;
    case HowKind::RMicrofarads:
        text = QCoreApplication::translate("capacitor", "R ondalık (µF): %1 = %2 µF")
                   .arg(how.code, numbers::text(how.number, locale));
        break;
    case HowKind::LetterCode:
        text = QCoreApplication::translate("capacitor", "harf kodu: %1 birim ve ondalık yerinde")
                   .arg(how.letter);
        break;
    case HowKind::Eia198:
        text = QCoreApplication::translate("capacitor", "EIA-198: %1 = %2, %3 = %4 pF")
                   .arg(how.letter, decimalText(how.mantissaTenths * 10, locale),
                        QString::number(how.digit),
                        factorText(how.digit == 9 ? -1 : how.digit, locale));
        break;
    case HowKind::TantalumAfter:
        text = QCoreApplication::translate("capacitor", "SMD tantal: %1 pF kodu, %2 = %3")
                   .arg(how.code, how.letter, voltsText(how.voltsHundredths, locale));
        break;
    case HowKind::FilmPrint:
        text = QCoreApplication::translate("capacitor", "film baskısı: %1 µF, %2 tolerans, %3 V")
                   .arg(how.printedValue, how.letter, how.printedVolts);
        break;
    }
    if (!how.tantalumLetterFirst.isNull())
        text = QCoreApplication::translate("capacitor", "SMD tantal: %1 gerilim harfi, %2")
                   .arg(how.tantalumLetterFirst, text);
    return quantity::withDecimalMark(text, locale);
}

QString noteText(const Note &note, const QLocale &locale)
{
    QString text;
    switch (note.kind) {
    case NoteKind::SomeMakersFactor:
        text = QCoreApplication::translate("capacitor", "%1 = %2: bazı üreticilerde")
                   .arg(QString::number(note.digit), factorText(note.power, locale));
        break;
    case NoteKind::TwoTablesPower:
        text = QCoreApplication::translate("capacitor", "iki tabloda %1 = × 10%2")
                   .arg(QString::number(note.digit), numbers::superscript(note.digit));
        break;
    case NoteKind::SevenForTantalums:
        text = QCoreApplication::translate("capacitor",
                                           "7 = × 10⁷ tantallarda (107 = 100 µF); iki tablo "
                                           "seramikte 7'yi kullanılmaz sayar");
        break;
    case NoteKind::ZeroAddsNoZero:
        text = QCoreApplication::translate("capacitor", "son 0 sıfır eklemez: %1 = %2")
                   .arg(note.code, pf(note.value, locale));
        break;
    case NoteKind::PlainValuePage:
        text =
            QCoreApplication::translate("capacitor", "bir sayfa 0 ile bitenleri düz değer sayar");
        break;
    case NoteKind::RMicrofaradsOnElectrolytics:
        text = QCoreApplication::translate(
            "capacitor", "elektrolitik ya da tantalda R µF ondalığı olabilir (bir kit kılavuzu)");
        break;
    case NoteKind::UnitLetter:
        text = unitLetterText(note.letter);
        break;
    case NoteKind::ToleranceReading:
        text = toleranceNoteText(note, locale);
        break;
    case NoteKind::AbsoluteAbove10pF:
        text = QCoreApplication::translate("capacitor",
                                           "%1 mutlak (pF) okundu; 10 pF üstünde olağan dışıdır")
                   .arg(note.letter);
        break;
    case NoteKind::VoltageLetter:
        text = voltageLetterText(note, locale);
        break;
    case NoteKind::WithoutVoltageCode:
        text = QCoreApplication::translate("capacitor", "gerilim kodu olmadan");
        break;
    case NoteKind::Eia198LowerCase:
        text = eiaLowerCaseText(note, locale);
        break;
    case NoteKind::Eia198Nine:
        text = QCoreApplication::translate("capacitor", "9 = %1 (iki tablo; ikisi 9'u hiç vermez)")
                   .arg(factorText(-1, locale));
        break;
    case NoteKind::Eia198Eight:
        text = QCoreApplication::translate("capacitor", "burada 8 = × 10⁸; 3 haneli kodda 8 = %1")
                   .arg(factorText(-2, locale));
        break;
    case NoteKind::AlsoRDecimal:
        text = QCoreApplication::translate("capacitor", "R ondalık olarak da okunur");
        break;
    case NoteKind::AlsoLetterCode:
        text = QCoreApplication::translate("capacitor", "harf kodu olarak da okunur");
        break;
    case NoteKind::Maker:
        text = QCoreApplication::translate("capacitor", "ilk harf üretici: %1 = %2")
                   .arg(note.letter, makerName(note.letter));
        break;
    case NoteKind::TantalumVoltsLetter:
        text = QCoreApplication::translate("capacitor", "%1 = %2 (tantal gerilim harfi)")
                   .arg(note.letter, voltsText(note.voltsHundredths.value_or(0), locale));
        break;
    case NoteKind::VoltsBySeries:
        text = QCoreApplication::translate(
            "capacitor", "bu harfin gerilimi seriye göre değişir: veri sayfasına bakın");
        break;
    case NoteKind::TantalumReadingLetter:
        text = QCoreApplication::translate("capacitor", "tantal okuması: %1 gerilim harfi")
                   .arg(note.letter);
        break;
    case NoteKind::CeramicUnusualTolerance:
        text = QCoreApplication::translate(
            "capacitor", "seramik okuması; bu değerde mutlak tolerans olağan dışı");
        break;
    case NoteKind::ToleranceNotKilo:
        text = QCoreApplication::translate("capacitor", "%1 tolerans harfidir, kilo değil")
                   .arg(note.letter);
        break;
    case NoteKind::ResistorLetterCode:
        text =
            QCoreApplication::translate("capacitor", "bir dirençte %1 harf kodu başka bir değerdir")
                .arg(note.code);
        break;
    case NoteKind::Polarity:
        text = polarityWarning();
        break;
    case NoteKind::TwoSignificantDigits:
        text = QCoreApplication::translate("capacitor", "iki anlamlı hane taşır");
        break;
    case NoteKind::SmallestThreeDigit:
        text = QCoreApplication::translate("capacitor", "en küçüğü %1 pF (108)")
                   .arg(numbers::text(numbers::fromUnits(1, 1), locale));
        break;
    case NoteKind::LargestThreeDigit:
        text = QCoreApplication::translate("capacitor", "en büyüğü 990 µF (997)");
        break;
    case NoteKind::SomeMakersDigit:
        text = QCoreApplication::translate("capacitor",
                                           "%1 = %2 bazı üreticilerde; iki tablo %1'i × 10%3 okur")
                   .arg(QString::number(note.digit), factorText(note.power, locale),
                        numbers::superscript(note.digit));
        break;
    case NoteKind::SevenOnTantalums:
        text = QCoreApplication::translate("capacitor", "7 tantallarda kullanılır");
        break;
    case NoteKind::LastZeroAddsNone:
        text = QCoreApplication::translate("capacitor", "son 0 sıfır eklemez");
        break;
    case NoteKind::RBelow10pF:
        text = QCoreApplication::translate("capacitor", "yalnız 10 pF altında");
        break;
    case NoteKind::RTwoDigits:
        text = QCoreApplication::translate("capacitor", "R kodu en çok iki hane taşır");
        break;
    case NoteKind::LetterCodeDigits:
        text = QCoreApplication::translate("capacitor", "harf kodu en çok %1 hane taşır")
                   .arg(QString::number(note.digit));
        break;
    case NoteKind::AsciiSpelling:
        text = QCoreApplication::translate("capacitor", "ASCII ile: %1").arg(note.code);
        break;
    case NoteKind::NotInEia198:
        text = QCoreApplication::translate("capacitor", "EIA-198 tablolarında yok");
        break;
    }
    return quantity::withDecimalMark(text, locale);
}

QString notesText(const std::vector<Note> &notes, const QLocale &locale)
{
    QString text;
    for (const Note &note : notes)
        text = joinNotes(text, noteText(note, locale));
    return text;
}

QString polarityWarning()
{
    return QCoreApplication::translate("capacitor",
                                       "Tantal: şerit = +. Alüminyum elektrolitik: şerit = −.");
}

QString refusalText(const Refusal &refusal)
{
    switch (refusal.kind) {
    case RefusalKind::TextTooLong:
        return QCoreApplication::translate(
                   "capacitor", "kondansatör kodu en çok %1 karakterdir; bu metin çok uzun")
            .arg(longestMarking);
    case RefusalKind::UnknownCharacter:
        return QCoreApplication::translate("capacitor", "tanınmayan karakter: %1")
            .arg(quoted(refusal.part));
    case RefusalKind::Empty:
        return QCoreApplication::translate("capacitor", "kondansatör kodu boş");
    case RefusalKind::IOInEia198:
        return QCoreApplication::translate("capacitor",
                                           "%1: EIA-198'de I ve O kullanılmaz (bir not "
                                           "dosyasındaki I = 2,2 ve O = 3,3 J ve N'nin yanlış "
                                           "yazımıdır)")
            .arg(quoted(refusal.part));
    case RefusalKind::ZeroValue:
        return QCoreApplication::translate("capacitor", "%1: değer sıfır olamaz")
            .arg(quoted(refusal.part));
    case RefusalKind::VoltsTwice:
        return QCoreApplication::translate("capacitor", "gerilim iki kez yazılmış: %1")
            .arg(quoted(refusal.part));
    case RefusalKind::UnknownCode:
        return QCoreApplication::translate(
                   "capacitor", "%1 bilinen bir kondansatör kodu değil (104, 4n7, 2A474J, S3, 3R9)")
            .arg(quoted(refusal.part));
    }
    return {};
}

QString toleranceText(const Tolerance &t, const QLocale &locale)
{
    switch (t.kind) {
    case Tolerance::Kind::Percent:
        return QCoreApplication::translate("capacitor", "± % %1")
            .arg(decimalText(t.plusHundredths, locale));
    case Tolerance::Kind::Picofarads:
        return QStringLiteral("± ") + decimalText(t.plusHundredths, locale) + QStringLiteral(" pF");
    case Tolerance::Kind::Asymmetric:
        return QCoreApplication::translate("capacitor", "+ % %1 / − % %2")
            .arg(decimalText(t.plusHundredths, locale), decimalText(t.minusHundredths, locale));
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
        line += QStringLiteral("  ") + QCoreApplication::translate("capacitor", "tantal");
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
        lines << QCoreApplication::translate("capacitor", "Aynı değer: %1")
                     .arg(same.join(QStringLiteral(" = ")));
    const QString firstHow = howText(first.how, locale);
    lines << firstHow;
    lines << QCoreApplication::translate("capacitor", "Tolerans: %1")
                 .arg(first.tolerance ? toleranceText(*first.tolerance, locale)
                                      : QCoreApplication::translate("capacitor", "kodda yok"));
    if (first.voltsHundredths)
        lines << (voltsDisputed(readings)
                      ? QCoreApplication::translate(
                            "capacitor", "Gerilim: %1 (harfi tartışmalı; başka okumaya bakın)")
                      : QCoreApplication::translate("capacitor", "Gerilim: %1"))
                     .arg(voltsText(*first.voltsHundredths, locale));
    else if (voltsDisputed(readings))
        lines << QCoreApplication::translate("capacitor",
                                             "Gerilim: harfi tartışmalı; okumalara bakın");
    if (first.tantalum)
        lines << QCoreApplication::translate("capacitor", "Tantal okuması");
    if (!first.notes.empty())
        lines << notesText(first.notes, locale);
    for (const Note &note : readings.notes)
        lines << noteText(note, locale);
    for (std::size_t i = 1; i < readings.readings.size(); ++i) {
        const Reading &r = readings.readings[i];
        const QString how = howText(r.how, locale);
        lines << QCoreApplication::translate("capacitor", "Başka okuma: %1 (%2)")
                     .arg(readingLine(r, locale),
                          joinNotes(notesText(r.notes, locale), how == firstHow ? QString() : how));
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
        return QCoreApplication::translate("capacitor", "E-serisi: hiçbirinde değil");
    return QCoreApplication::translate("capacitor", "E-serisi: %1")
        .arg(in.join(QStringLiteral(", ")));
}

QStringList encodeLines(const ExactValue &picofarads, const QLocale &locale)
{
    QStringList lines{pf(picofarads, locale)};
    for (const Marking &m : markingsFor(picofarads)) {
        const QString notes = notesText(m.notes, locale);
        if (m.code)
            lines << formName(m.form) + QStringLiteral(": ") + *m.code +
                         (notes.isEmpty() ? QString() : QStringLiteral(" (") + notes + u')');
        else
            lines << formName(m.form) + QStringLiteral(": — (") + notes + u')';
    }
    lines << seriesLine(picofarads);
    for (QString &line : lines)
        line = quantity::withDecimalMark(line, locale);
    return lines;
}

} // namespace capacitor
