#include "smd/smdtext.h"

#include "colorcode/quotedword.h"
#include "colorcode/resistance.h"
#include "colorcode/standardvalues.h"
#include "colorcode/standardvaluetext.h"
#include "colorcode/standardverdict.h"
#include "forms/conversions.h"
#include "numbers/exactnumber.h"

#include <QCoreApplication>

namespace smd
{

namespace
{

using colorcode::ExactValue;

QString quoted(const QString &text)
{
    return QStringLiteral("“") + colorcode::quotedWord(text) + QStringLiteral("”");
}

// "× 0,01", "× 1000", "× 10⁴": up to a thousand written out, as the
// letters are usually listed.
QString factorText(int power, const QLocale &locale)
{
    if (power < 0)
        return QStringLiteral("× ") + numbers::text(numbers::fromUnits(1, -power), locale);
    if (power <= 3)
        return QStringLiteral("× 1") + QString(power, u'0');
    return QStringLiteral("× 10") + numbers::superscript(power);
}

QString zeroOhmSpellings()
{
    return QCoreApplication::translate("smd", "0 Ohm köprü 0, 00, 000 ya da 0000 yazılır");
}

// "47 × 10²", and for a last digit 0 that it counts zeros: "100" is 10 Ω,
// not 100 Ω, the one misreading worth a word every time.
QString digitsTimesPower(const Reading &reading)
{
    return QString::number(reading.significand) + QStringLiteral(" × 10") +
           numbers::superscript(reading.powerOfTen) +
           (reading.powerOfTen == 0
                ? QCoreApplication::translate("smd", "; son hane sıfır sayısıdır")
                : QString());
}

QString eia96Refusal(const QString &number)
{
    return QCoreApplication::translate("smd", "%1 EIA-96 kodu değil: kodlar 01 ile 96 arasıdır")
        .arg(number);
}

QString letterRefusal(const QString &letter)
{
    return QCoreApplication::translate(
               "smd", "%1 EIA-96 harfi değil: Z Y X A B C D E F (R, S, H ikinci yazım)")
        .arg(quoted(letter));
}

// What a tolerance comes from: "EIA-96 kodu", "alt çizgi".
QString toleranceSource(MarkingFormat format)
{
    switch (format) {
    case MarkingFormat::ThreeDigitBar:
    case MarkingFormat::OldThreeDigit:
        return QCoreApplication::translate("smd", "alt çizgi");
    case MarkingFormat::FourDigit:
    // An R code with a tolerance is one of four characters.
    case MarkingFormat::RDecimal:
        return QCoreApplication::translate("smd", "4 haneli kod");
    default:
        return QCoreApplication::translate("smd", "%1 kodu").arg(formatName(format));
    }
}

} // namespace

QString formatName(MarkingFormat format)
{
    switch (format) {
    case MarkingFormat::ThreeDigit:
        return QCoreApplication::translate("smd", "3 haneli");
    case MarkingFormat::ThreeDigitBar:
        return QCoreApplication::translate("smd", "3 haneli, altı çizili");
    case MarkingFormat::OldThreeDigit:
        return QCoreApplication::translate("smd", "eski 3 haneli");
    case MarkingFormat::FourDigit:
        return QCoreApplication::translate("smd", "4 haneli");
    case MarkingFormat::RDecimal:
        return QCoreApplication::translate("smd", "R ondalık");
    case MarkingFormat::Eia96:
        return QStringLiteral("EIA-96");
    case MarkingFormat::ReelLabel:
        return QCoreApplication::translate("smd", "makara etiketi");
    case MarkingFormat::ZeroOhm:
        return QCoreApplication::translate("smd", "0 Ohm köprü");
    }
    return {};
}

QString howText(const QString &code, const Reading &reading, const QLocale &locale)
{
    switch (reading.format) {
    case MarkingFormat::ThreeDigit:
        return QCoreApplication::translate("smd", "3 haneli kod: %1")
            .arg(digitsTimesPower(reading));
    case MarkingFormat::ThreeDigitBar:
        return QCoreApplication::translate("smd", "3 haneli kod, altı çizili: %1")
            .arg(digitsTimesPower(reading));
    case MarkingFormat::OldThreeDigit: {
        const QString factor = factorText(reading.powerOfTen, locale);
        // 8 stands for 10⁻², 9 for 10⁻¹.
        return QCoreApplication::translate("smd", "eski kod: %1 %2 (%3 = %2)")
            .arg(QString::number(reading.significand), factor,
                 QString::number(reading.powerOfTen + 10));
    }
    case MarkingFormat::FourDigit:
        return QCoreApplication::translate("smd", "4 haneli kod: %1")
            .arg(digitsTimesPower(reading));
    case MarkingFormat::RDecimal:
        return QCoreApplication::translate("smd", "R ondalık: %1 = %2")
            .arg(code, numbers::text(numbers::fromUnits(std::uint64_t(reading.significand),
                                                        -reading.powerOfTen),
                                     locale));
    case MarkingFormat::Eia96:
        return QStringLiteral("EIA-96: ") +
               QString::number(reading.eia96Number).rightJustified(2, u'0') +
               QStringLiteral(" = ") + QString::number(reading.significand) + QStringLiteral(", ") +
               QChar(reading.letter) +
               (reading.spells != reading.letter ? QStringLiteral(" = ") + QChar(reading.spells)
                                                 : QString()) +
               QStringLiteral(" = ") + factorText(reading.powerOfTen, locale);
    case MarkingFormat::ReelLabel:
        return QCoreApplication::translate("smd", "makara etiketi: E = Ohm");
    case MarkingFormat::ZeroOhm:
        return QCoreApplication::translate("smd", "bağlantı: tolerans ve standart değer yok");
    }
    return {};
}

QString noteText(const QString &code, const Reading &reading, const Note &note,
                 const QLocale &locale)
{
    switch (note.kind) {
    case NoteKind::OldDigits:
        return QCoreApplication::translate("smd", "8 ya da 9 ile biten 3 haneli kod iki türlü "
                                                  "okunur: eski cihazlarda 8 = %1, 9 = %2")
            .arg(factorText(-2, locale), factorText(-1, locale));
    case NoteKind::BarKeepsValue:
        return QCoreApplication::translate(
                   "smd", "çizgi değeri değiştirmez: E96'da olmayan E24 değerli ± % %1 parçayı "
                          "gösterir")
            .arg(colorcode::percentText(onePercent, locale));
    case NoteKind::ReelLabelR:
        return QCoreApplication::translate("smd", "sonda R makara etiketi yazımıdır: %1 = %2")
            .arg(code, colorcode::valueText(note.value, locale));
    case NoteKind::SecondSpelling:
        return QCoreApplication::translate("smd", "%1, %2 harfinin ikinci yazımıdır (%3)")
                   .arg(QString(QChar(reading.letter)), QString(QChar(reading.spells)),
                        factorText(reading.powerOfTen, locale)) +
               (reading.letter == u'H'
                    ? QCoreApplication::translate("smd",
                                                  "; bir üreticinin föyü H'yi × 10⁷ için kullanır")
                    : QString());
    case NoteKind::SameAsRDecimal:
        return QCoreApplication::translate("smd", "R ondalık okuması da aynı değeri verir");
    case NoteKind::MakersWriteR:
        return QCoreApplication::translate("smd",
                                           "parça üzerinde EIA-96 okunur: üreticiler %1'u %2 yazar")
            .arg(colorcode::valueText(note.value, locale), note.code);
    case NoteKind::ReelLabelE:
        return QCoreApplication::translate("smd", "parça üzerinde EIA-96 okunur; makara "
                                                  "etiketlerinde E, Ohm yerine yazılır (%1 = %2)")
            .arg(code, colorcode::valueText(note.value, locale));
    case NoteKind::NotEia96Number:
        return eia96Refusal(note.code);
    }
    return {};
}

QString refusalText(const Refusal &refusal, const QLocale &locale)
{
    const QString &code = refusal.code;
    switch (refusal.kind) {
    case RefusalKind::Empty:
        return QCoreApplication::translate("smd", "SMD kodu boş");
    case RefusalKind::TextTooLong:
        return QCoreApplication::translate("smd",
                                           "SMD kodu en çok 4 karakterdir; bu metin çok uzun");
    case RefusalKind::UnknownCharacter:
        return QCoreApplication::translate("smd", "tanınmayan karakter: %1")
            .arg(quoted(refusal.part));
    case RefusalKind::OhmInside:
        return QCoreApplication::translate("smd", "Ω yalnızca kodun sonunda yazılabilir");
    case RefusalKind::BarInside:
        return QCoreApplication::translate(
                   "smd", "alt çizgi değeri değiştirmez; ondalık için R kullanın: %1")
            .arg(refusal.suggestion);
    case RefusalKind::PointInside:
        return QCoreApplication::translate(
                   "smd", "nokta ve virgül SMD kodunda olmaz; ondalık için R kullanın: %1")
            .arg(refusal.suggestion);
    case RefusalKind::BarOnLink:
        return QCoreApplication::translate("smd", "0 Ohm köprünün toleransı yoktur: çizgi yalnızca "
                                                  "değerli 3 haneli kodda olur");
    case RefusalKind::TooManyCharacters:
        return QCoreApplication::translate("smd",
                                           "%1 %2 karakter: SMD kodları 3 ya da 4 karakterdir")
            .arg(quoted(code), QString::number(code.size()));
    case RefusalKind::TooFewCharacters:
        return QCoreApplication::translate("smd", "%1: SMD kodları 3 ya da 4 karakterdir; %2")
            .arg(quoted(code), zeroOhmSpellings());
    case RefusalKind::BarNotThreeDigit:
        return QCoreApplication::translate(
                   "smd", "çizgi yalnızca 3 haneli kodda olur (± % %1); %2 3 haneli "
                          "değil")
            .arg(colorcode::percentText(onePercent, locale), quoted(code));
    case RefusalKind::ZeroSignificant:
        return QCoreApplication::translate("smd", "%1: anlamlı haneler %2, değer sıfır; %3")
            .arg(quoted(code), refusal.part, zeroOhmSpellings());
    case RefusalKind::NotEia96Letter:
        return letterRefusal(refusal.part);
    case RefusalKind::ValueLetter:
        return QCoreApplication::translate("smd", "%1; %2 bir değer yazımıdır, SMD kodu değil")
            .arg(letterRefusal(refusal.part), code);
    case RefusalKind::Eia96NumberOutside:
        return eia96Refusal(refusal.part);
    case RefusalKind::Eia96NumberZero:
        return eia96Refusal(refusal.part) + QStringLiteral("; ") + zeroOhmSpellings();
    case RefusalKind::RepeatedR:
        return QCoreApplication::translate("smd", "R ondalık işaretidir, bir kez yazılır: %1")
            .arg(quoted(code));
    case RefusalKind::ZeroRDecimal:
        return QCoreApplication::translate("smd", "%1 0 Ohm verir; %2")
            .arg(quoted(code), zeroOhmSpellings());
    case RefusalKind::ValueWriting:
        return QCoreApplication::translate("smd", "K, M ve G değer yazımıdır (4K7), SMD kodunda "
                                                  "olmaz; ondalık yalnızca R ile yazılır");
    case RefusalKind::UnknownShape:
        return QCoreApplication::translate(
                   "smd", "%1 bilinen bir SMD kodu biçimi değil (472, 4701, 4R7, 01C)")
            .arg(quoted(code));
    }
    return {};
}

QString noCodeText(const NoCode &why, const QLocale &locale)
{
    // The 3-digit code carries two significant digits, the 4-digit one three.
    const bool three = why.digits == 2;
    switch (why.reason) {
    case NoCodeReason::TooManyDigits:
        return three ? QCoreApplication::translate("smd", "3 haneli kod iki anlamlı hane taşır")
                     : QCoreApplication::translate("smd", "4 haneli kod üç anlamlı hane taşır");
    case NoCodeReason::AboveRange:
        return (three ? QCoreApplication::translate("smd", "3 haneli kodla en çok %1 yazılır")
                      : QCoreApplication::translate("smd", "4 haneli kodla en çok %1 yazılır"))
            .arg(colorcode::valueText(why.highest, locale));
    case NoCodeReason::BelowRange:
        return (three ? QCoreApplication::translate("smd", "3 haneli kodun en küçüğü %1")
                      : QCoreApplication::translate("smd", "4 haneli kodun en küçüğü %1"))
            .arg(colorcode::valueText(why.lowest, locale));
    case NoCodeReason::TooManyDecimals:
        return (three ? QCoreApplication::translate("smd",
                                                    "3 haneli kod R'den sonra en çok %1 hane taşır")
                      : QCoreApplication::translate(
                            "smd", "4 haneli kod R'den sonra en çok %1 hane taşır"))
            .arg(why.digits);
    case NoCodeReason::NotInE96:
        return QCoreApplication::translate("smd", "E96'da yok");
    case NoCodeReason::OutsideEia96:
        return QCoreApplication::translate("smd", "EIA-96 yalnızca %1 ile %2 arasını yazar")
            .arg(colorcode::valueText(why.lowest, locale),
                 colorcode::valueText(why.highest, locale));
    case NoCodeReason::Link:
        return QCoreApplication::translate("smd",
                                           "0 Ohm köprünün EIA-96 kodu yok; 0 ya da 00 yazılır");
    }
    return {};
}

QStringList markingNotes(const Marking &marking, const QLocale &locale)
{
    QStringList notes;
    if (marking.link)
        notes << QCoreApplication::translate("smd", "0 Ohm köprü");
    if (marking.readsFirstAs)
        notes << QCoreApplication::translate("smd", "eski cihazlarda %1 okunur")
                     .arg(colorcode::valueText(*marking.readsFirstAs, locale));
    return notes;
}

QString smdStandardLine(const ExactValue &value, std::int32_t toleranceHundredths,
                        const QLocale &locale)
{
    // Judged as a part of that tolerance, its neighbours among the values
    // three significant digits hold.
    const auto verdict =
        colorcode::standardVerdict(value, toleranceHundredths, colorcode::maxBandCount);
    return verdict ? colorcode::verdictSpeech(*verdict, locale) : QString();
}

QStringList decodeLines(const MarkingReading &reading, const QLocale &locale, bool withStandardLine)
{
    if (const auto *refusal = std::get_if<Refusal>(&reading))
        return {refusalText(*refusal, locale)};
    const Readings &all = std::get<Readings>(reading);
    const auto notes = [&](const Reading &r) {
        QStringList lines;
        for (const Note &note : r.notes)
            lines << noteText(all.code, r, note, locale);
        return lines;
    };
    const Reading &first = all.readings.front();
    QStringList lines;
    if (first.format == MarkingFormat::ZeroOhm) {
        lines << formatName(first.format) << howText(all.code, first, locale);
    } else {
        lines << colorcode::valueText(first.value, locale) << howText(all.code, first, locale);
        if (first.toleranceHundredths)
            lines << QCoreApplication::translate("smd", "Tolerans: ± % %1 (%2)")
                         .arg(colorcode::percentText(*first.toleranceHundredths, locale),
                              toleranceSource(first.format));
        else if (withStandardLine)
            lines << QCoreApplication::translate(
                         "smd", "Tolerans: kodda yok; standart değer ± % %1 ile değerlendirildi")
                         .arg(colorcode::percentText(assumedToleranceHundredths, locale));
        else
            lines << QCoreApplication::translate("smd", "Tolerans: kodda yok");
        if (withStandardLine)
            lines << smdStandardLine(first.value,
                                     first.toleranceHundredths.value_or(assumedToleranceHundredths),
                                     locale);
    }
    lines << notes(first);
    for (std::size_t i = 1; i < all.readings.size(); ++i)
        lines << QCoreApplication::translate("smd", "İkinci okuma: %1 (%2)")
                     .arg(colorcode::valueText(all.readings[i].value, locale),
                          howText(all.code, all.readings[i], locale))
              << notes(all.readings[i]);
    return lines;
}

QStringList encodeLines(const Markings &markings, const QLocale &locale)
{
    const auto line = [&](const QString &name, const Marking &marking) {
        if (!marking.code)
            return name + QStringLiteral(": — (") +
                   (marking.whyNot ? noCodeText(*marking.whyNot, locale) : QString()) + u')';
        const QStringList notes = markingNotes(marking, locale);
        return name + QStringLiteral(": ") + *marking.code +
               (notes.isEmpty() ? QString()
                                : QStringLiteral(" (") + notes.join(QStringLiteral("; ")) + u')');
    };
    QStringList lines{line(formatName(MarkingFormat::ThreeDigit), markings.threeDigit),
                      line(formatName(MarkingFormat::FourDigit), markings.fourDigit),
                      line(formatName(MarkingFormat::Eia96), markings.eia96)};
    if (markings.barCode)
        lines << QCoreApplication::translate("smd", "%1, altı çizili: ± % %2")
                     .arg(*markings.barCode, colorcode::percentText(onePercent, locale));
    return lines;
}

} // namespace smd
