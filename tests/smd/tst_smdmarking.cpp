#include "colorcode/exactvalue.h"
#include "colorcode/resistance.h"
#include "smd/smdmarking.h"
#include "smd/smdtext.h"
#include "smdreference.h"

#include <QSet>
#include <QTest>

#include <numeric>

using colorcode::ExactValue;
using namespace smd;

namespace
{

const QLocale turkish(QLocale::Turkish, QLocale::Turkey);

// "4.7k", "97.6M", "0.047": the test's own spelling of a value in ohms.
ExactValue ohms(const QString &text)
{
    QString digits = text;
    int power = 0;
    if (digits.endsWith(u'k'))
        power = 3;
    else if (digits.endsWith(u'M'))
        power = 6;
    else if (digits.endsWith(u'G'))
        power = 9;
    if (power)
        digits.chop(1);
    if (const qsizetype point = digits.indexOf(u'.'); point >= 0) {
        power -= int(digits.size() - 1 - point);
        digits.remove(point, 1);
    }
    return colorcode::normalised({digits.toStdString(), power});
}

const Readings *readingsOf(const MarkingReading &reading)
{
    return std::get_if<Readings>(&reading);
}

QString refusalOf(const MarkingReading &reading)
{
    const auto *refusal = std::get_if<Refusal>(&reading);
    return refusal ? refusalText(*refusal, turkish) : QString();
}

// A reading's notes in words, one line.
QString notesOf(const Readings &readings, std::size_t index)
{
    QStringList lines;
    for (const Note &note : readings.readings[index].notes)
        lines << noteText(readings.code, readings.readings[index], note, turkish);
    return lines.join(u' ');
}

} // namespace

Q_DECLARE_METATYPE(ExactValue)

class TestSmdMarking : public QObject
{
    Q_OBJECT
private slots:
    void referenceTables();
    void eia96_data();
    void eia96();
    void readings_data();
    void readings();
    void refusals_data();
    void refusals();
    void markings_data();
    void markings();
    void roundTrip_data();
    void roundTrip();
    void lines();
};

void TestSmdMarking::referenceTables()
{
    // The sums the reference gives to check a copied table.
    QCOMPARE(std::accumulate(smdreference::eia96Values.begin(), smdreference::eia96Values.end(), 0),
             37070);
    QCOMPARE(std::accumulate(smdreference::e24Values.begin(), smdreference::e24Values.end(), 0),
             901);
}

void TestSmdMarking::eia96_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("number");
    QTest::addColumn<char>("letter");
    const QByteArray refusedLetters = "GKQ";
    for (int n = 0; n <= 99; ++n) {
        QByteArray all;
        for (const auto &l : smdreference::eia96Letters)
            all += l.letter;
        for (const char letter : all + refusedLetters) {
            // Case, spaces and the unit do not count.
            QString code = QString::number(n).rightJustified(2, u'0') + QChar(letter);
            if (n % 3 == 1)
                code = code.toLower();
            if (n % 5 == 2)
                code = u' ' + code.left(1) + u' ' + code.mid(1) + QStringLiteral(" Ω");
            QTest::addRow("%02d%c", n, letter) << code << n << letter;
        }
    }
}

void TestSmdMarking::eia96()
{
    QFETCH(QString, code);
    QFETCH(int, number);
    QFETCH(char, letter);
    const MarkingReading reading = readMarking(code);
    const auto *found =
        std::find_if(smdreference::eia96Letters.begin(), smdreference::eia96Letters.end(),
                     [&](const auto &l) { return l.letter == letter; });
    const QString nn = QString::number(number).rightJustified(2, u'0');
    const bool reelOrDecimal = letter == 'R' || letter == 'E';
    if (found == smdreference::eia96Letters.end()) {
        QVERIFY2(refusalOf(reading).contains(QStringLiteral("“%1”").arg(QChar(letter))),
                 qPrintable(refusalOf(reading)));
        return;
    }
    if (number < 1 || number > 96) {
        if (!reelOrDecimal || number == 0) {
            QVERIFY2(refusalOf(reading).startsWith(nn + QStringLiteral(" EIA-96 kodu değil")),
                     qPrintable(refusalOf(reading)));
            return;
        }
        // Not EIA-96; still the reel label's way of writing ohms.
        QVERIFY(readingsOf(reading));
        QCOMPARE(readingsOf(reading)->readings.size(), std::size_t(1));
        QCOMPARE(readingsOf(reading)->readings[0].value, ohms(QString::number(number)));
        QVERIFY(notesOf(*readingsOf(reading), 0).contains(nn));
        return;
    }
    const Readings *readings = readingsOf(reading);
    QVERIFY2(readings, qPrintable(refusalOf(reading)));
    const Reading &first = readings->readings.front();
    QCOMPARE(first.format, MarkingFormat::Eia96);
    QCOMPARE(first.value,
             colorcode::normalised(
                 {std::to_string(smdreference::eia96Values[number - 1]), found->power}));
    QCOMPARE(first.toleranceHundredths, std::optional<std::int32_t>(100));
    QCOMPARE(first.eia96Number, number);
    QVERIFY(howText(readings->code, first, turkish).startsWith(QStringLiteral("EIA-96: ") + nn));
    // A second spelling says which letter it stands for.
    const QString canonical = letter == 'R' ? "Y" : letter == 'S' ? "X" : letter == 'H' ? "B" : "";
    if (!canonical.isEmpty())
        QVERIFY(notesOf(*readings, 0).contains(canonical + QStringLiteral(" harfinin")));
    if (letter == 'H')
        QVERIFY(notesOf(*readings, 0).contains(QStringLiteral("10⁷")));

    const bool second = reelOrDecimal && !(letter == 'R' && number == 1);
    QCOMPARE(readings->readings.size(), second ? std::size_t(2) : std::size_t(1));
    if (second) {
        QCOMPARE(readings->readings[1].format,
                 letter == 'R' ? MarkingFormat::RDecimal : MarkingFormat::ReelLabel);
        QCOMPARE(readings->readings[1].value, ohms(QString::number(number)));
        QCOMPARE(readings->readings[1].toleranceHundredths, std::nullopt);
    }
}

void TestSmdMarking::readings_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("tolerance"); // -1: none implied
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("secondFormat");
    QTest::addColumn<QString>("second");

    const auto row = [](const char *code, const char *format, const char *value, int tolerance,
                        const char *how = "", const char *secondFormat = "",
                        const char *second = "") {
        QTest::newRow(code) << QString::fromUtf8(code) << format << value << tolerance
                            << QString::fromUtf8(how) << secondFormat << second;
    };
    row("472", "three_digit", "4.7k", -1, "3 haneli kod: 47 × 10²");
    row("103", "three_digit", "10k", -1);
    row("100", "three_digit", "10", -1, "son hane sıfır sayısıdır");
    row("101", "three_digit", "100", -1);
    row("4701", "four_digit", "4.7k", 100);
    row("1000", "four_digit", "100", 100, "son hane sıfır sayısıdır");
    row("1002", "four_digit", "10k", 100);
    row("1004", "four_digit", "1M", 100);
    row("4R7", "r_decimal", "4.7", -1);
    row("R47", "r_decimal", "0.47", -1);
    // Four characters with R inside hold three significant digits, as
    // four digits do: ± 1 % like them. Three characters hold two.
    row("47R0", "r_decimal", "47", 100);
    row("4R70", "r_decimal", "4.7", 100);
    row("R300", "r_decimal", "0.3", 100);
    row("R681", "r_decimal", "0.681", 100);
    row("49R9", "r_decimal", "49.9", 100, "R ondalık: 49R9 = 49,9");
    row("4R99", "r_decimal", "4.99", 100, "R ondalık: 4R99 = 4,99");
    row("R470", "r_decimal", "0.47", 100, "R ondalık: R470 = 0,47");
    row("R047", "r_decimal", "0.047", 100, "R ondalık: R047 = 0,047");
    row("4701 ohm", "four_digit", "4.7k", 100);
    row("4r99", "r_decimal", "4.99", 100);
    row("R10", "r_decimal", "0.1", -1);
    // R at the end is a reel label's way of writing ohms, no marking of a
    // tolerance.
    row("100R", "r_decimal", "100", -1);
    row("01C", "eia96", "10k", 100, "EIA-96: 01 = 100, C = × 100");
    row("02C", "eia96", "10.2k", 100);
    row("68X", "eia96", "49.9", 100);
    row("85X", "eia96", "75", 100);
    row("66B", "eia96", "4.75k", 100);
    row("01Z", "eia96", "0.1", 100, "Z = × 0,001");
    row("96F", "eia96", "97.6M", 100, "F = × 10⁵");
    // Markings that read two ways, the likelier first.
    row("10R", "eia96", "1.24", 100, "R = Y = × 0,01", "r_decimal", "10");
    row("47R", "eia96", "3.01", 100, "", "r_decimal", "47");
    row("01R", "eia96", "1", 100);
    row("75E", "eia96", "5.9M", 100, "", "reel_label", "75");
    row("339", "three_digit_old", "3.3", -1, "9 = × 0,1", "three_digit", "33G");
    row("478", "three_digit_old", "0.47", -1, "8 = × 0,01", "three_digit", "4.7G");
    row("0", "zero_ohm", "0", -1);
    row("00", "zero_ohm", "0", -1);
    row("000", "zero_ohm", "0", -1);
    row("0000", "zero_ohm", "0", -1);
    // What the reader ignores, and the bar.
    row(" 4r7 ohm", "r_decimal", "4.7", -1);
    row("472Ω", "three_digit", "4.7k", -1);
    row("4 7\u00AD2", "three_digit", "4.7k", -1);
    row("\u0664\u0667\u0662", "three_digit", "4.7k", -1);
    row("_121", "three_digit_bar", "120", 100, "altı çizili: 12 × 10¹");
    row("121\u203E", "three_digit_bar", "120", 100);
    row("1\u03322\u03321\u0332", "three_digit_bar", "120", 100);
}

void TestSmdMarking::readings()
{
    QFETCH(QString, code);
    QFETCH(QString, format);
    QFETCH(QString, value);
    QFETCH(int, tolerance);
    QFETCH(QString, how);
    QFETCH(QString, secondFormat);
    QFETCH(QString, second);
    const MarkingReading reading = readMarking(code);
    const Readings *readings = readingsOf(reading);
    QVERIFY2(readings, qPrintable(refusalOf(reading)));
    const Reading &first = readings->readings.front();
    QCOMPARE(formatId(first.format), format.toLatin1());
    QCOMPARE(first.value, ohms(value));
    // The digits and power the reading names give its value.
    if (first.format != MarkingFormat::ZeroOhm)
        QCOMPARE(colorcode::normalised({std::to_string(first.significand), first.powerOfTen}),
                 first.value);
    QCOMPARE(first.toleranceHundredths,
             tolerance < 0 ? std::nullopt : std::optional<std::int32_t>(tolerance));
    const QString said = howText(readings->code, first, turkish);
    QVERIFY2(said.contains(how), qPrintable(said));
    QCOMPARE(readings->readings.size(), second.isEmpty() ? std::size_t(1) : std::size_t(2));
    if (!second.isEmpty()) {
        QCOMPARE(formatId(readings->readings[1].format), secondFormat.toLatin1());
        QCOMPARE(readings->readings[1].value, ohms(second));
    }
}

void TestSmdMarking::refusals_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("message");
    // The offending part and the code to write instead, as data.
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("suggestion");
    const auto row = [](const char *code, const char *message, const char *part = "",
                        const char *suggestion = "") {
        QTest::newRow(code) << QString::fromUtf8(code) << QString::fromUtf8(message)
                            << QString::fromUtf8(part) << QString::fromUtf8(suggestion);
    };
    row("1_0", "alt çizgi değeri değiştirmez; ondalık için R kullanın: 1R0", "_", "1R0");
    row("4_7", "alt çizgi değeri değiştirmez; ondalık için R kullanın: 4R7", "_", "4R7");
    row("4,7", "nokta ve virgül SMD kodunda olmaz; ondalık için R kullanın: 4R7", ",", "4R7");
    row("4.70", "nokta ve virgül SMD kodunda olmaz; ondalık için R kullanın: 4R70", ".", "4R70");
    row("12_345", "ondalık için R kullanın: 1R0", "_", "1R0");
    row("4K7", "K, M ve G değer yazımıdır");
    row("47K", "47K bir değer yazımıdır", "K");
    row("00A", "00 EIA-96 kodu değil", "00");
    row("00R", "00 EIA-96 kodu değil", "00");
    row("97A", "97 EIA-96 kodu değil: kodlar 01 ile 96 arasıdır", "97");
    row("01G", "“G” EIA-96 harfi değil", "G");
    row("47", "SMD kodları 3 ya da 4 karakterdir");
    row("47001", "5 karakter");
    row("R4R7", "R ondalık işaretidir, bir kez yazılır");
    row("0R0", "0 Ohm verir");
    row("001", "anlamlı haneler 00", "00");
    row("0001", "anlamlı haneler 000", "000");
    row("A01", "bilinen bir SMD kodu biçimi değil");
    row("", "SMD kodu boş");
    row("4R7_", "çizgi yalnızca 3 haneli kodda olur");
    row("_000", "0 Ohm köprünün toleransı yoktur");
    row("47#", "tanınmayan karakter: “#”", "#");
    row("4Ω7", "Ω yalnızca kodun sonunda");
    QTest::newRow("65 characters")
        << QString(65, u'1') << "bu metin çok uzun" << QString() << QString();
}

void TestSmdMarking::refusals()
{
    QFETCH(QString, code);
    QFETCH(QString, message);
    QFETCH(QString, part);
    QFETCH(QString, suggestion);
    const MarkingReading reading = readMarking(code);
    const auto *refused = std::get_if<Refusal>(&reading);
    QVERIFY(refused);
    QCOMPARE(refused->part, part);
    QCOMPARE(refused->suggestion, suggestion);
    const QString refusal = refusalOf(reading);
    QVERIFY2(refusal.contains(message), qPrintable(refusal));
    QVERIFY(!refusal.contains(u'\n'));
}

void TestSmdMarking::markings_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("three"); // "" for none
    QTest::addColumn<QString>("four");
    QTest::addColumn<QString>("eia");
    QTest::addColumn<QString>("bar");
    QTest::newRow("4,7 kΩ") << "4.7k"
                            << "472"
                            << "4701"
                            << ""
                            << "472";
    QTest::newRow("10 kΩ") << "10k"
                           << "103"
                           << "1002"
                           << "01C"
                           << "";
    QTest::newRow("49,9 Ω") << "49.9"
                            << ""
                            << "49R9"
                            << "68X"
                            << "";
    QTest::newRow("0,47 Ω") << "0.47"
                            << "R47"
                            << "R470"
                            << ""
                            << "";
    QTest::newRow("97,6 MΩ") << "97.6M"
                             << ""
                             << "9765"
                             << "96F"
                             << "";
    QTest::newRow("0 Ω") << "0"
                         << "000"
                         << "0000"
                         << ""
                         << "";
    QTest::newRow("120 Ω") << "120"
                           << "121"
                           << "1200"
                           << ""
                           << "121";
    QTest::newRow("100 Ω") << "100"
                           << "101"
                           << "1000"
                           << "01A"
                           << "";
    QTest::newRow("10 Ω") << "10"
                          << "100"
                          << "10R0"
                          << "01X"
                          << "";
    QTest::newRow("1 Ω") << "1"
                         << "1R0"
                         << "1R00"
                         << "01Y"
                         << "";
    QTest::newRow("0,1 Ω") << "0.1"
                           << "R10"
                           << "R100"
                           << "01Z"
                           << "";
    QTest::newRow("0,05 Ω") << "0.05"
                            << "R05"
                            << "R050"
                            << ""
                            << "";
    QTest::newRow("0,047 Ω") << "0.047"
                             << ""
                             << "R047"
                             << ""
                             << "";
    QTest::newRow("0,001 Ω") << "0.001"
                             << ""
                             << "R001"
                             << ""
                             << "";
    QTest::newRow("0,0001 Ω") << "0.0001"
                              << ""
                              << ""
                              << ""
                              << "";
    QTest::newRow("4,75 Ω") << "4.75"
                            << ""
                            << "4R75"
                            << "66Y"
                            << "";
    QTest::newRow("33 GΩ") << "33G"
                           << "339"
                           << "3308"
                           << ""
                           << "";
    QTest::newRow("100 GΩ") << "100G"
                            << ""
                            << "1009"
                            << ""
                            << "";
    QTest::newRow("1,2345 kΩ") << "1.2345k"
                               << ""
                               << ""
                               << ""
                               << "";
}

void TestSmdMarking::markings()
{
    QFETCH(QString, value);
    QFETCH(QString, three);
    QFETCH(QString, four);
    QFETCH(QString, eia);
    QFETCH(QString, bar);
    const Markings m = markingsFor(ohms(value));
    const std::pair<const Marking &, QString> expected[] = {
        {m.threeDigit, three}, {m.fourDigit, four}, {m.eia96, eia}};
    for (const auto &[marking, code] : expected) {
        QCOMPARE(marking.code.value_or(QString()), code);
        // Never none without a reason.
        QCOMPARE(marking.whyNot.has_value(), code.isEmpty());
    }
    QCOMPARE(m.barCode.value_or(QString()), bar);
}

void TestSmdMarking::roundTrip_data()
{
    QTest::addColumn<int>("slot");      // 0 three digits, 1 four, 2 EIA-96, 3 the bar
    QTest::addColumn<int>("tolerance"); // -1: none implied
    // How many codes the format has, counted from its shapes, and how many
    // of them read first as another value.
    QTest::addColumn<int>("codes");
    QTest::addColumn<int>("readFirstAsOther");
    // DDM with DD 10-99 and M 0-9, DRD 1R0-9R9, RDD R01-R99; those ending
    // in 8 or 9 read first the old way.
    QTest::newRow("three digits") << 0 << -1 << 900 + 90 + 99 << 90 * 2;
    // DDDM, DDRD 10R0-99R9, DRDD 1R00-9R99, RDDD R001-R999.
    QTest::newRow("four digits") << 1 << 100 << 9000 + 900 + 900 + 999 << 0;
    QTest::newRow("EIA-96") << 2 << 100 << 96 * 9 << 0;
    // The 18 E24 values not in E96, with powers 10⁰ to 10⁷.
    QTest::newRow("three digits with a bar") << 3 << 100 << 18 * 8 << 0;
}

void TestSmdMarking::roundTrip()
{
    // Every value the writer gives a code, and more: one to three
    // significant digits from 10⁻⁶ to 999 × 10¹² Ω. Each code reads back
    // with the value among its readings, at the tolerance of the format it
    // was written in; where a reader takes it for another value first, the
    // marking says which, in data and in its line.
    QFETCH(int, slot);
    QFETCH(int, tolerance);
    QFETCH(int, codes);
    QFETCH(int, readFirstAsOther);
    const std::vector<MarkingFormat> formats[] = {
        {MarkingFormat::ThreeDigit, MarkingFormat::RDecimal},
        {MarkingFormat::FourDigit, MarkingFormat::RDecimal},
        {MarkingFormat::Eia96},
        {MarkingFormat::ThreeDigitBar}};
    QSet<QString> written;
    int otherFirst = 0;
    for (int power = -6; power <= 12; ++power) {
        for (int significand = 1; significand <= 999; ++significand) {
            if (significand % 10 == 0)
                continue; // the same value as significand / 10 a power up
            const ExactValue value{std::to_string(significand), power};
            const Markings m = markingsFor(value);
            const Marking *marking = slot == 0   ? &m.threeDigit
                                     : slot == 1 ? &m.fourDigit
                                     : slot == 2 ? &m.eia96
                                                 : nullptr;
            const std::optional<QString> code =
                marking     ? marking->code
                : m.barCode ? std::optional(QStringLiteral("_") + *m.barCode)
                            : std::nullopt;
            if (!code)
                continue;
            QVERIFY2(!written.contains(*code), qPrintable(*code + QStringLiteral(" twice")));
            written.insert(*code);

            const MarkingReading reading = readMarking(*code);
            const Readings *readings = readingsOf(reading);
            QVERIFY2(readings, qPrintable(*code + u' ' + refusalOf(reading)));
            const auto &all = readings->readings;
            const auto same = std::ranges::find(all, value, &Reading::value);
            QVERIFY2(same != all.end(), qPrintable(*code));
            QVERIFY2(std::ranges::find(formats[slot], same->format) != formats[slot].end(),
                     qPrintable(*code));
            QVERIFY2(same->toleranceHundredths.value_or(-1) == tolerance, qPrintable(*code));

            const ExactValue &first = all.front().value;
            if (!marking)
                continue;
            if (first == value) {
                QVERIFY2(!marking->readsFirstAs, qPrintable(*code));
                continue;
            }
            ++otherFirst;
            QVERIFY2(marking->readsFirstAs == first, qPrintable(*code));
            const QString line = encodeLines(m, turkish).at(slot);
            QVERIFY2(
                line.contains(colorcode::valueText(first, turkish) + QStringLiteral(" okunur")),
                qPrintable(line));
        }
    }
    QCOMPARE(written.size(), codes);
    QCOMPARE(otherFirst, readFirstAsOther);
}

void TestSmdMarking::lines()
{
    const auto decode = [](const char *code) {
        return decodeLines(readMarking(QString::fromUtf8(code)), turkish, true);
    };
    const QStringList tenR = decode("10R");
    QCOMPARE(tenR.first(), QStringLiteral("1,24 Ohm"));
    QCOMPARE(tenR.filter(QStringLiteral("İkinci okuma: 10 Ohm (R ondalık")).size(), 1);
    QVERIFY(tenR.contains(QStringLiteral("Tolerans: ± % 1 (EIA-96 kodu)")));

    const QStringList link = decode("000");
    QCOMPARE(link.first(), QStringLiteral("0 Ohm köprü"));
    QVERIFY(link.filter(QStringLiteral("Tolerans")).isEmpty());
    QVERIFY(link.filter(QStringLiteral("standart değeri")).isEmpty());

    // No tolerance implied: judged at ± 5 %, where 45 kΩ is no E24 value.
    const QStringList odd = decode("453");
    QVERIFY(odd.contains(
        QStringLiteral("Tolerans: kodda yok; standart değer ± % 5 ile değerlendirildi")));
    QCOMPARE(odd.filter(QStringLiteral("E24 değil; en yakın: 43 Kilo Ohm")).size(), 1);

    // Three significant digits are ± 1 %, with R as with four digits.
    QCOMPARE(decode("49R9"),
             QStringList({"49,9 Ohm", "R ondalık: 49R9 = 49,9", "Tolerans: ± % 1 (4 haneli kod)",
                          "E96 standart değeri"}));
    QCOMPARE(decode("R470").at(2), QStringLiteral("Tolerans: ± % 1 (4 haneli kod)"));

    QCOMPARE(encodeLines(markingsFor(ohms("1G")), turkish),
             QStringList({"3 haneli: 108 (eski cihazlarda 0,1 Ohm okunur)", "4 haneli: 1007",
                          "EIA-96: — (EIA-96 yalnızca 0,1 Ohm ile 97,6 Mega Ohm arasını "
                          "yazar)"}));
    QCOMPARE(encodeLines(markingsFor(ohms("4.7k")), turkish),
             QStringList({"3 haneli: 472", "4 haneli: 4701", "EIA-96: — (E96'da yok)",
                          "472, altı çizili: ± % 1"}));
}

QTEST_GUILESS_MAIN(TestSmdMarking)
#include "tst_smdmarking.moc"
