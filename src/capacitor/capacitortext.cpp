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
        return QStringLiteral("üç tablo");
    case Sources::OneTable:
        return QStringLiteral("bir tablo");
    case Sources::Tdk:
        return QStringLiteral("TDK");
    case Sources::OneReader:
        return QStringLiteral("bir okur yorumu");
    case Sources::OneSource:
        return QStringLiteral("tek kaynak");
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
        const QString tables = note.sources == Sources::FourTables ? QStringLiteral("dört tablo")
                               : note.sources == Sources::ThreeTables ? QStringLiteral("üç tablo")
                                                                      : QStringLiteral("tek tablo");
        return QStringLiteral("10 pF altında ") + letter +
               (percent ? QStringLiteral(" yüzde olarak") : QString()) + QStringLiteral(": ") +
               tolerance + QStringLiteral(" (") + tables + u')';
    }
    switch (note.sources) {
    case Sources::TwoTables:
        return letter + (percent ? QStringLiteral(" yüzde olarak:") : QString()) +
               QStringLiteral(" iki tabloda ") + tolerance;
    case Sources::OneSource:
        return letter + QStringLiteral(" tek kaynakta");
    default:
        return letter + QStringLiteral(" bir tabloda ") + tolerance;
    }
}

// "L = 5,5 (0L = 5,5 V, üç tablo)", "T'yi hiçbir tablo vermez".
QString voltageLetterText(const Note &note, const QLocale &locale)
{
    const QString letter = note.letter;
    QString text;
    if (note.sources == Sources::NoTable)
        text = letter + QStringLiteral("'yi hiçbir tablo vermez"); // T, the one such letter
    else if (note.sources == Sources::NotInOtherCodes)
        text = letter + QStringLiteral(" öteki harf kodlarında kullanılmaz");
    else
        text = letter + QStringLiteral(" = ") + decimalText(note.mantissaHundredths, locale) +
               QStringLiteral(" (") + note.seenCode +
               (note.approximately ? QStringLiteral(" ≈ ") : QStringLiteral(" = ")) +
               voltsText(note.voltsHundredths.value_or(0), locale) + QStringLiteral(", ") +
               voltsSourcesText(note.sources) + u')';
    return note.code + QStringLiteral(": ") + text;
}

// "b = 3,5 (iki tablo)", "g yalnız EIA-198-D'yi aktaran tabloda; öteki
// tablo 9,0'ı y yazar".
QString eiaLowerCaseText(const Note &note, const QLocale &locale)
{
    const QString letter = note.letter;
    const QString mantissa =
        numbers::text(numbers::fromUnits(std::uint64_t(note.mantissaTenths), 1), locale, 1);
    const QString quoting = QStringLiteral("EIA-198-D'yi aktaran tablo");
    // 9,0'ı: the suffix fits the one value two letters share.
    const QString otherWrites =
        mantissa + QStringLiteral("'ı ") + note.otherSpelling + QStringLiteral(" yazar");
    switch (note.sources) {
    case Sources::OnlyQuotingTable:
        return letter + QStringLiteral(" yalnız ") + quoting + QStringLiteral("da") +
               (note.otherSpelling.isNull() ? QString()
                                            : QStringLiteral("; öteki tablo ") + otherWrites);
    case Sources::TwoTables:
        if (!note.otherSpelling.isNull())
            return letter + QStringLiteral(" iki tabloda; ") + quoting + u' ' + otherWrites;
        return letter + QStringLiteral(" = ") + mantissa + QStringLiteral(" (iki tablo)");
    default:
        return letter + QStringLiteral(" = ") + mantissa + QStringLiteral(" (") + quoting + u')';
    }
}

QString unitLetterText(QChar letter)
{
    switch (letter.unicode()) {
    case u'm':
        return QStringLiteral("m = mili (mF)");
    case u'F':
        return QStringLiteral("F = farad");
    case u'M':
        return QStringLiteral(
            "büyük M bir dirençte mega okunur (4M7 = 4,7 MΩ); burada mili sayıldı");
    default: // N, U
        return QStringLiteral("büyük ") + letter + QStringLiteral(": IEC küçük ") +
               letter.toLower() + QStringLiteral(" yazar; parçalarda görülür");
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

QString howText(const How &how, const QLocale &locale)
{
    QString text;
    switch (how.kind) {
    case HowKind::ThreeDigit:
        text = QStringLiteral("3 haneli kod: ") + QString::number(how.significant) + u' ' +
               factorText(how.power, locale) + QStringLiteral(" pF");
        break;
    case HowKind::PlainValue:
        text = QStringLiteral("düz değer: ") + how.code + QStringLiteral(" pF");
        break;
    case HowKind::OneOrTwoDigits:
        text = QStringLiteral("1-2 haneli: değer pF olarak");
        break;
    case HowKind::RPicofarads:
        text = QStringLiteral("R ondalık (pF): ") + how.code + QStringLiteral(" = ") +
               numbers::text(how.number, locale) + QStringLiteral(" pF");
        break;
    case HowKind::RMicrofarads:
        text = QStringLiteral("R ondalık (µF): ") + how.code + QStringLiteral(" = ") +
               numbers::text(how.number, locale) + QStringLiteral(" µF");
        break;
    case HowKind::LetterCode:
        text = QStringLiteral("harf kodu: ") + how.letter +
               QStringLiteral(" birim ve ondalık yerinde");
        break;
    case HowKind::Eia198:
        text = QStringLiteral("EIA-198: ") + how.letter + QStringLiteral(" = ") +
               decimalText(how.mantissaTenths * 10, locale) + QStringLiteral(", ") +
               QString::number(how.digit) + QStringLiteral(" = ") +
               factorText(how.digit == 9 ? -1 : how.digit, locale) + QStringLiteral(" pF");
        break;
    case HowKind::TantalumAfter:
        text = QStringLiteral("SMD tantal: ") + how.code + QStringLiteral(" pF kodu, ") +
               how.letter + QStringLiteral(" = ") + voltsText(how.voltsHundredths, locale);
        break;
    case HowKind::FilmPrint:
        text = QStringLiteral("film baskısı: ") + how.printedValue + QStringLiteral(" µF, ") +
               how.letter + QStringLiteral(" tolerans, ") + how.printedVolts + QStringLiteral(" V");
        break;
    }
    if (!how.tantalumLetterFirst.isNull())
        text = QStringLiteral("SMD tantal: ") + how.tantalumLetterFirst +
               QStringLiteral(" gerilim harfi, ") + text;
    return quantity::withDecimalMark(text, locale);
}

QString noteText(const Note &note, const QLocale &locale)
{
    QString text;
    switch (note.kind) {
    case NoteKind::SomeMakersFactor:
        text = QStringLiteral("%1 = %2: bazı üreticilerde")
                   .arg(note.digit)
                   .arg(factorText(note.power, locale));
        break;
    case NoteKind::TwoTablesPower:
        text = QStringLiteral("iki tabloda %1 = × 10%2")
                   .arg(note.digit)
                   .arg(numbers::superscript(note.digit));
        break;
    case NoteKind::SevenForTantalums:
        text = QStringLiteral("7 = × 10⁷ tantallarda (107 = 100 µF); iki tablo seramikte 7'yi "
                              "kullanılmaz sayar");
        break;
    case NoteKind::ZeroAddsNoZero:
        text = QStringLiteral("son 0 sıfır eklemez: ") + note.code + QStringLiteral(" = ") +
               pf(note.value, locale);
        break;
    case NoteKind::PlainValuePage:
        text = QStringLiteral("bir sayfa 0 ile bitenleri düz değer sayar");
        break;
    case NoteKind::RMicrofaradsOnElectrolytics:
        text =
            QStringLiteral("elektrolitik ya da tantalda R µF ondalığı olabilir (bir kit kılavuzu)");
        break;
    case NoteKind::UnitLetter:
        text = unitLetterText(note.letter);
        break;
    case NoteKind::ToleranceReading:
        text = toleranceNoteText(note, locale);
        break;
    case NoteKind::AbsoluteAbove10pF:
        text =
            QStringLiteral("%1 mutlak (pF) okundu; 10 pF üstünde olağan dışıdır").arg(note.letter);
        break;
    case NoteKind::VoltageLetter:
        text = voltageLetterText(note, locale);
        break;
    case NoteKind::WithoutVoltageCode:
        text = QStringLiteral("gerilim kodu olmadan");
        break;
    case NoteKind::Eia198LowerCase:
        text = eiaLowerCaseText(note, locale);
        break;
    case NoteKind::Eia198Nine:
        text =
            QStringLiteral("9 = %1 (iki tablo; ikisi 9'u hiç vermez)").arg(factorText(-1, locale));
        break;
    case NoteKind::Eia198Eight:
        text =
            QStringLiteral("burada 8 = × 10⁸; 3 haneli kodda 8 = %1").arg(factorText(-2, locale));
        break;
    case NoteKind::AlsoRDecimal:
        text = QStringLiteral("R ondalık olarak da okunur");
        break;
    case NoteKind::AlsoLetterCode:
        text = QStringLiteral("harf kodu olarak da okunur");
        break;
    case NoteKind::Maker:
        text = QStringLiteral("ilk harf üretici: %1 = %2").arg(note.letter, makerName(note.letter));
        break;
    case NoteKind::TantalumVoltsLetter:
        text = QStringLiteral("%1 = %2 (tantal gerilim harfi)")
                   .arg(note.letter)
                   .arg(voltsText(note.voltsHundredths.value_or(0), locale));
        break;
    case NoteKind::VoltsBySeries:
        text = QStringLiteral("bu harfin gerilimi seriye göre değişir: veri sayfasına bakın");
        break;
    case NoteKind::TantalumReadingLetter:
        text = QStringLiteral("tantal okuması: %1 gerilim harfi").arg(note.letter);
        break;
    case NoteKind::CeramicUnusualTolerance:
        text = QStringLiteral("seramik okuması; bu değerde mutlak tolerans olağan dışı");
        break;
    case NoteKind::ToleranceNotKilo:
        text = QStringLiteral("%1 tolerans harfidir, kilo değil").arg(note.letter);
        break;
    case NoteKind::ResistorLetterCode:
        text = QStringLiteral("bir dirençte %1 harf kodu başka bir değerdir").arg(note.code);
        break;
    case NoteKind::Polarity:
        text = polarityWarning();
        break;
    case NoteKind::TwoSignificantDigits:
        text = QStringLiteral("iki anlamlı hane taşır");
        break;
    case NoteKind::SmallestThreeDigit:
        text = QStringLiteral("en küçüğü ") + numbers::text(numbers::fromUnits(1, 1), locale) +
               QStringLiteral(" pF (108)");
        break;
    case NoteKind::LargestThreeDigit:
        text = QStringLiteral("en büyüğü 990 µF (997)");
        break;
    case NoteKind::SomeMakersDigit:
        text = QStringLiteral("%1 = %2 bazı üreticilerde; iki tablo %1'i × 10%3 okur")
                   .arg(note.digit)
                   .arg(factorText(note.power, locale))
                   .arg(numbers::superscript(note.digit));
        break;
    case NoteKind::SevenOnTantalums:
        text = QStringLiteral("7 tantallarda kullanılır");
        break;
    case NoteKind::LastZeroAddsNone:
        text = QStringLiteral("son 0 sıfır eklemez");
        break;
    case NoteKind::RBelow10pF:
        text = QStringLiteral("yalnız 10 pF altında");
        break;
    case NoteKind::RTwoDigits:
        text = QStringLiteral("R kodu en çok iki hane taşır");
        break;
    case NoteKind::LetterCodeDigits:
        text = QStringLiteral("harf kodu en çok %1 hane taşır").arg(note.digit);
        break;
    case NoteKind::AsciiSpelling:
        text = QStringLiteral("ASCII ile: ") + note.code;
        break;
    case NoteKind::NotInEia198:
        text = QStringLiteral("EIA-198 tablolarında yok");
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
    return QStringLiteral("Tantal: şerit = +. Alüminyum elektrolitik: şerit = −.");
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
    const QString firstHow = howText(first.how, locale);
    lines << firstHow;
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
    if (!first.notes.empty())
        lines << notesText(first.notes, locale);
    for (const Note &note : readings.notes)
        lines << noteText(note, locale);
    for (std::size_t i = 1; i < readings.readings.size(); ++i) {
        const Reading &r = readings.readings[i];
        const QString how = howText(r.how, locale);
        lines << QStringLiteral("Başka okuma: ") + readingLine(r, locale) + QStringLiteral(" (") +
                     joinNotes(notesText(r.notes, locale), how == firstHow ? QString() : how) +
                     u')';
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
