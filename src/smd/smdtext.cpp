#include "smd/smdtext.h"

#include "colorcode/quotedword.h"
#include "colorcode/resistance.h"
#include "colorcode/standardvalues.h"
#include "colorcode/standardvaluetext.h"
#include "colorcode/standardverdict.h"
#include "forms/conversions.h"
#include "numbers/exactnumber.h"

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

const QString zeroOhmSpellings = QStringLiteral("0 Ohm köprü 0, 00, 000 ya da 0000 yazılır");

// "47 × 10²", and for a last digit 0 that it counts zeros: "100" is 10 Ω,
// not 100 Ω, the one misreading worth a word every time.
QString digitsTimesPower(const Reading &reading)
{
    return QString::number(reading.significand) + QStringLiteral(" × 10") +
           numbers::superscript(reading.powerOfTen) +
           (reading.powerOfTen == 0 ? QStringLiteral("; son hane sıfır sayısıdır") : QString());
}

QString eia96Refusal(const QString &number)
{
    return number + QStringLiteral(" EIA-96 kodu değil: kodlar 01 ile 96 arasıdır");
}

QString letterRefusal(const QString &letter)
{
    return quoted(letter) +
           QStringLiteral(" EIA-96 harfi değil: Z Y X A B C D E F (R, S, H ikinci yazım)");
}

// What a tolerance comes from: "EIA-96 kodu", "alt çizgi".
QString toleranceSource(MarkingFormat format)
{
    switch (format) {
    case MarkingFormat::ThreeDigitBar:
    case MarkingFormat::OldThreeDigit:
        return QStringLiteral("alt çizgi");
    case MarkingFormat::FourDigit:
    // An R code with a tolerance is one of four characters.
    case MarkingFormat::RDecimal:
        return QStringLiteral("4 haneli kod");
    default:
        return formatName(format) + QStringLiteral(" kodu");
    }
}

} // namespace

QString formatName(MarkingFormat format)
{
    switch (format) {
    case MarkingFormat::ThreeDigit:
        return QStringLiteral("3 haneli");
    case MarkingFormat::ThreeDigitBar:
        return QStringLiteral("3 haneli, altı çizili");
    case MarkingFormat::OldThreeDigit:
        return QStringLiteral("eski 3 haneli");
    case MarkingFormat::FourDigit:
        return QStringLiteral("4 haneli");
    case MarkingFormat::RDecimal:
        return QStringLiteral("R ondalık");
    case MarkingFormat::Eia96:
        return QStringLiteral("EIA-96");
    case MarkingFormat::ReelLabel:
        return QStringLiteral("makara etiketi");
    case MarkingFormat::ZeroOhm:
        return QStringLiteral("0 Ohm köprü");
    }
    return {};
}

QString howText(const QString &code, const Reading &reading, const QLocale &locale)
{
    switch (reading.format) {
    case MarkingFormat::ThreeDigit:
        return QStringLiteral("3 haneli kod: ") + digitsTimesPower(reading);
    case MarkingFormat::ThreeDigitBar:
        return QStringLiteral("3 haneli kod, altı çizili: ") + digitsTimesPower(reading);
    case MarkingFormat::OldThreeDigit: {
        const QString factor = factorText(reading.powerOfTen, locale);
        // 8 stands for 10⁻², 9 for 10⁻¹.
        return QStringLiteral("eski kod: ") + QString::number(reading.significand) + u' ' + factor +
               QStringLiteral(" (") + QString::number(reading.powerOfTen + 10) +
               QStringLiteral(" = ") + factor + u')';
    }
    case MarkingFormat::FourDigit:
        return QStringLiteral("4 haneli kod: ") + digitsTimesPower(reading);
    case MarkingFormat::RDecimal:
        return QStringLiteral("R ondalık: ") + code + QStringLiteral(" = ") +
               numbers::text(
                   numbers::fromUnits(std::uint64_t(reading.significand), -reading.powerOfTen),
                   locale);
    case MarkingFormat::Eia96:
        return QStringLiteral("EIA-96: ") +
               QString::number(reading.eia96Number).rightJustified(2, u'0') +
               QStringLiteral(" = ") + QString::number(reading.significand) + QStringLiteral(", ") +
               QChar(reading.letter) +
               (reading.spells != reading.letter ? QStringLiteral(" = ") + QChar(reading.spells)
                                                 : QString()) +
               QStringLiteral(" = ") + factorText(reading.powerOfTen, locale);
    case MarkingFormat::ReelLabel:
        return QStringLiteral("makara etiketi: E = Ohm");
    case MarkingFormat::ZeroOhm:
        return QStringLiteral("bağlantı: tolerans ve standart değer yok");
    }
    return {};
}

QString noteText(const QString &code, const Reading &reading, const Note &note,
                 const QLocale &locale)
{
    switch (note.kind) {
    case NoteKind::OldDigits:
        return QStringLiteral("8 ya da 9 ile biten 3 haneli kod iki türlü okunur: eski "
                              "cihazlarda 8 = ") +
               factorText(-2, locale) + QStringLiteral(", 9 = ") + factorText(-1, locale);
    case NoteKind::BarKeepsValue:
        return QStringLiteral("çizgi değeri değiştirmez: E96'da olmayan E24 değerli ± % ") +
               colorcode::percentText(onePercent, locale) + QStringLiteral(" parçayı gösterir");
    case NoteKind::ReelLabelR:
        return QStringLiteral("sonda R makara etiketi yazımıdır: ") + code + QStringLiteral(" = ") +
               colorcode::valueText(note.value, locale);
    case NoteKind::SecondSpelling:
        return QChar(reading.letter) + QStringLiteral(", ") + QChar(reading.spells) +
               QStringLiteral(" harfinin ikinci yazımıdır (") +
               factorText(reading.powerOfTen, locale) + u')' +
               (reading.letter == u'H'
                    ? QStringLiteral("; bir üreticinin föyü H'yi × 10⁷ için kullanır")
                    : QString());
    case NoteKind::SameAsRDecimal:
        return QStringLiteral("R ondalık okuması da aynı değeri verir");
    case NoteKind::MakersWriteR:
        return QStringLiteral("parça üzerinde EIA-96 okunur: üreticiler ") +
               colorcode::valueText(note.value, locale) + QStringLiteral("'u ") + note.code +
               QStringLiteral(" yazar");
    case NoteKind::ReelLabelE:
        return QStringLiteral("parça üzerinde EIA-96 okunur; makara etiketlerinde E, Ohm yerine "
                              "yazılır (") +
               code + QStringLiteral(" = ") + colorcode::valueText(note.value, locale) + u')';
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
        return QStringLiteral("SMD kodu boş");
    case RefusalKind::TextTooLong:
        return QStringLiteral("SMD kodu en çok 4 karakterdir; bu metin çok uzun");
    case RefusalKind::UnknownCharacter:
        return QStringLiteral("tanınmayan karakter: ") + quoted(refusal.part);
    case RefusalKind::OhmInside:
        return QStringLiteral("Ω yalnızca kodun sonunda yazılabilir");
    case RefusalKind::BarInside:
        return QStringLiteral("alt çizgi değeri değiştirmez; ondalık için R kullanın: ") +
               refusal.suggestion;
    case RefusalKind::PointInside:
        return QStringLiteral("nokta ve virgül SMD kodunda olmaz; ondalık için R kullanın: ") +
               refusal.suggestion;
    case RefusalKind::BarOnLink:
        return QStringLiteral("0 Ohm köprünün toleransı yoktur: çizgi yalnızca değerli 3 haneli "
                              "kodda olur");
    case RefusalKind::TooManyCharacters:
        return quoted(code) + u' ' + QString::number(code.size()) +
               QStringLiteral(" karakter: SMD kodları 3 ya da 4 karakterdir");
    case RefusalKind::TooFewCharacters:
        return quoted(code) + QStringLiteral(": SMD kodları 3 ya da 4 karakterdir; ") +
               zeroOhmSpellings;
    case RefusalKind::BarNotThreeDigit:
        return QStringLiteral("çizgi yalnızca 3 haneli kodda olur (± % ") +
               colorcode::percentText(onePercent, locale) + QStringLiteral("); ") + quoted(code) +
               QStringLiteral(" 3 haneli değil");
    case RefusalKind::ZeroSignificant:
        return quoted(code) + QStringLiteral(": anlamlı haneler ") + refusal.part +
               QStringLiteral(", değer sıfır; ") + zeroOhmSpellings;
    case RefusalKind::NotEia96Letter:
        return letterRefusal(refusal.part);
    case RefusalKind::ValueLetter:
        return letterRefusal(refusal.part) + QStringLiteral("; ") + code +
               QStringLiteral(" bir değer yazımıdır, SMD kodu değil");
    case RefusalKind::Eia96NumberOutside:
        return eia96Refusal(refusal.part);
    case RefusalKind::Eia96NumberZero:
        return eia96Refusal(refusal.part) + QStringLiteral("; ") + zeroOhmSpellings;
    case RefusalKind::RepeatedR:
        return QStringLiteral("R ondalık işaretidir, bir kez yazılır: ") + quoted(code);
    case RefusalKind::ZeroRDecimal:
        return quoted(code) + QStringLiteral(" 0 Ohm verir; ") + zeroOhmSpellings;
    case RefusalKind::ValueWriting:
        return QStringLiteral("K, M ve G değer yazımıdır (4K7), SMD kodunda olmaz; ondalık "
                              "yalnızca R ile yazılır");
    case RefusalKind::UnknownShape:
        return quoted(code) +
               QStringLiteral(" bilinen bir SMD kodu biçimi değil (472, 4701, 4R7, 01C)");
    }
    return {};
}

QString noCodeText(const NoCode &why, const QLocale &locale)
{
    const QString name =
        why.digits == 2 ? QStringLiteral("3 haneli kod") : QStringLiteral("4 haneli kod");
    switch (why.reason) {
    case NoCodeReason::TooManyDigits:
        return name + (why.digits == 2 ? QStringLiteral(" iki anlamlı hane taşır")
                                       : QStringLiteral(" üç anlamlı hane taşır"));
    case NoCodeReason::AboveRange:
        return name + QStringLiteral("la en çok ") + colorcode::valueText(why.highest, locale) +
               QStringLiteral(" yazılır");
    case NoCodeReason::BelowRange:
        return name + QStringLiteral("un en küçüğü ") + colorcode::valueText(why.lowest, locale);
    case NoCodeReason::TooManyDecimals:
        return name + QStringLiteral(" R'den sonra en çok ") + QString::number(why.digits) +
               QStringLiteral(" hane taşır");
    case NoCodeReason::NotInE96:
        return QStringLiteral("E96'da yok");
    case NoCodeReason::OutsideEia96:
        return QStringLiteral("EIA-96 yalnızca ") + colorcode::valueText(why.lowest, locale) +
               QStringLiteral(" ile ") + colorcode::valueText(why.highest, locale) +
               QStringLiteral(" arasını yazar");
    case NoCodeReason::Link:
        return QStringLiteral("0 Ohm köprünün EIA-96 kodu yok; 0 ya da 00 yazılır");
    }
    return {};
}

QStringList markingNotes(const Marking &marking, const QLocale &locale)
{
    QStringList notes;
    if (marking.link)
        notes << QStringLiteral("0 Ohm köprü");
    if (marking.readsFirstAs)
        notes << QStringLiteral("eski cihazlarda ") +
                     colorcode::valueText(*marking.readsFirstAs, locale) +
                     QStringLiteral(" okunur");
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
            lines << QStringLiteral("Tolerans: ± % ") +
                         colorcode::percentText(*first.toleranceHundredths, locale) +
                         QStringLiteral(" (") + toleranceSource(first.format) + u')';
        else
            lines << QStringLiteral("Tolerans: kodda yok") +
                         (withStandardLine
                              ? QStringLiteral("; standart değer ± % ") +
                                    colorcode::percentText(assumedToleranceHundredths, locale) +
                                    QStringLiteral(" ile değerlendirildi")
                              : QString());
        if (withStandardLine)
            lines << smdStandardLine(first.value,
                                     first.toleranceHundredths.value_or(assumedToleranceHundredths),
                                     locale);
    }
    lines << notes(first);
    for (std::size_t i = 1; i < all.readings.size(); ++i)
        lines << QStringLiteral("İkinci okuma: ") +
                     colorcode::valueText(all.readings[i].value, locale) + QStringLiteral(" (") +
                     howText(all.code, all.readings[i], locale) + u')'
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
        lines << *markings.barCode + QStringLiteral(", altı çizili: ± % ") +
                     colorcode::percentText(onePercent, locale);
    return lines;
}

} // namespace smd
