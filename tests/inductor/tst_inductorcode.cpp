#include "capacitor/quantity.h"
#include "cli/colourwords.h"
#include "indreference.h"
#include "inductor/inductortext.h"

#include <QTest>

using colorcode::Colour;
using colorcode::ExactValue;
using namespace inductor;

namespace
{

const QLocale turkish(QLocale::Turkish, QLocale::Turkey);

std::vector<Colour> coloursOf(const QString &words)
{
    std::vector<Colour> colours;
    for (const QString &word : words.split(u' ', Qt::SkipEmptyParts))
        colours.push_back(word == u"-" ? Colour::Renksiz : *cli::colourNamed(word));
    return colours;
}

// "2.2", "0.47": the test's own spelling of µH.
ExactValue uh(const QString &text)
{
    QString digits = text;
    int power = 0;
    if (const qsizetype point = digits.indexOf(u'.'); point >= 0) {
        power = -int(digits.size() - 1 - point);
        digits.remove(point, 1);
    }
    return colorcode::normalised({digits.toStdString(), power});
}

} // namespace

Q_DECLARE_METATYPE(ExactValue)
Q_DECLARE_METATYPE(inductor::RefusalKind)

class TestInductorCode : public QObject
{
    Q_OBJECT
private slots:
    void workedExamples_data();
    void workedExamples();
    void refusals_data();
    void refusals();
    void everyCombination();
    void valuesToBands_data();
    void valuesToBands();
};

void TestInductorCode::workedExamples_data()
{
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QString>("microhenries");
    QTest::addColumn<int>("tolerance"); // hundredths; -1 none
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("also"); // another reading the reference names
    QTest::newRow("270 uH") << "Kırmızı Mor Kahverengi Altın"
                            << "270" << 500 << "270 µH"
                            << "";
    QTest::newRow("10 uH") << "Kahverengi Siyah Siyah Gümüş"
                           << "10" << 1000 << "10 µH"
                           << "";
    QTest::newRow("2,2 uH") << "Kırmızı Kırmızı Altın Gümüş"
                            << "2.2" << 1000 << "2,2 µH"
                            << "";
    QTest::newRow("0,47 uH") << "Sarı Mor Gümüş Altın"
                             << "0.47" << 500 << "470 nH"
                             << "";
    QTest::newRow("560 uH") << "Yeşil Mavi Kahverengi Altın"
                            << "560" << 500 << "560 µH"
                            << "";
    QTest::newRow("three bands") << "Turuncu Turuncu Siyah"
                                 << "33" << 2000 << "33 µH"
                                 << "";
    QTest::newRow("1 uH 2 %") << "Kahverengi Siyah Altın Kırmızı"
                              << "1" << 200 << "1 µH"
                              << "";
    QTest::newRow("10 mH or nH") << "Kahverengi Siyah Turuncu Altın"
                                 << "10000" << 500 << "10 mH"
                                 << "10";
    QTest::newRow("Siyah tolerance") << "Kahverengi Turuncu Kahverengi Siyah"
                                     << "130" << 2000 << "130 µH"
                                     << "";
    QTest::newRow("military 2,2") << "Gümüş Kırmızı Altın Kırmızı Gümüş"
                                  << "2.2" << 1000 << "2,2 µH"
                                  << "";
    QTest::newRow("military 0,47") << "Gümüş Altın Sarı Mor Altın"
                                   << "0.47" << 500 << "470 nH"
                                   << "";
    QTest::newRow("military 27 mH") << "Gümüş Kırmızı Mor Turuncu Altın"
                                    << "27000" << 500 << "27 mH"
                                    << "";
    QTest::newRow("military Altın multiplier") << "Gümüş Mavi Kırmızı Altın Kırmızı"
                                               << "6.2" << 200 << "6,2 µH"
                                               << "0.62";
}

void TestInductorCode::workedExamples()
{
    QFETCH(QString, bands);
    QFETCH(QString, microhenries);
    QFETCH(int, tolerance);
    QFETCH(QString, shown);
    QFETCH(QString, also);
    const BandReading reading = readBands(coloursOf(bands));
    const auto *readings = std::get_if<Readings>(&reading);
    if (!readings)
        QFAIL(qPrintable(refusalText(std::get<Refusal>(reading))));
    QCOMPARE(readings->readings.front().microhenries, uh(microhenries));
    QCOMPARE(readings->readings.front().toleranceHundredths.value_or(-1), tolerance);
    QCOMPARE(decodeLines(reading, turkish).front(), shown);
    if (!also.isEmpty())
        QVERIFY(std::any_of(readings->readings.begin(), readings->readings.end(),
                            [&](const Reading &r) { return r.microhenries == uh(also); }));
    if (bands.endsWith(QStringLiteral("Siyah")) && bands.count(u' ') == 3)
        QVERIFY(std::any_of(readings->readings.begin(), readings->readings.end(),
                            [](const Reading &r) { return !r.toleranceHundredths; }));
}

void TestInductorCode::refusals_data()
{
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QString>("says");
    QTest::addColumn<RefusalKind>("kind");
    QTest::addColumn<int>("place"); // the band named, 1-based; 0 for none
    QTest::newRow("Yeşil tolerance")
        << "Kırmızı Mor Kahverengi Yeşil"
        << "4. bant: Yeşil bobinde tolerans rengi değil" << RefusalKind::NotToleranceColour << 4;
    QTest::newRow("gold digit") << "Altın Mor Kahverengi Altın"
                                << "1. bant: Altın rakam olamaz" << RefusalKind::NotDigit << 1;
    QTest::newRow("military without Gümüş")
        << "Kırmızı Kırmızı Altın Kırmızı Gümüş"
        << "Gümüş olur; verilen Kırmızı" << RefusalKind::MilitaryFirstNotSilver << 1;
    QTest::newRow("military Gümüş as a digit")
        << "Gümüş Altın Gümüş Mor Altın"
        << "3. bant: Gümüş rakam olamaz" << RefusalKind::NotDigit << 3;
    QTest::newRow("military without tolerance")
        << "Gümüş Kırmızı Mor Kahverengi -"
        << "5. bandı toleranstır" << RefusalKind::MilitaryNeedsTolerance << 5;
    QTest::newRow("two bands") << "Kırmızı Mor"
                               << "3, 4 ya da 5 bant taşır; verilen 2" << RefusalKind::BandCount
                               << 0;
    QTest::newRow("six bands") << "Kırmızı Mor Kırmızı Mor Kırmızı Mor"
                               << "verilen 6" << RefusalKind::BandCount << 0;
    QTest::newRow("Pembe") << "Kırmızı Mor Pembe Altın"
                           << "3. bant: Pembe bobinde okunmaz" << RefusalKind::NotReadOnInductor
                           << 3;
}

void TestInductorCode::refusals()
{
    QFETCH(QString, bands);
    QFETCH(QString, says);
    QFETCH(RefusalKind, kind);
    QFETCH(int, place);
    const BandReading reading = readBands(coloursOf(bands));
    QVERIFY(std::holds_alternative<Refusal>(reading));
    const Refusal &refusal = std::get<Refusal>(reading);
    QCOMPARE(refusal.kind, kind);
    QCOMPARE(refusal.place, place);
    const QString text = refusalText(refusal);
    QVERIFY2(text.contains(says), qPrintable(text));
}

void TestInductorCode::everyCombination()
{
    // Digits Siyah … Beyaz, multipliers Siyah … Beyaz, Altın, Gümüş; every
    // tolerance colour and none.
    const std::vector<std::pair<Colour, int>> multipliers{
        {Colour::Siyah, 0}, {Colour::Kahverengi, 1}, {Colour::Kirmizi, 2}, {Colour::Turuncu, 3},
        {Colour::Sari, 4},  {Colour::Yesil, 5},      {Colour::Mavi, 6},    {Colour::Mor, 7},
        {Colour::Gri, 8},   {Colour::Beyaz, 9},      {Colour::Altin, -1},  {Colour::Gumus, -2}};
    const std::vector<Colour> tolerances{Colour::Kahverengi, Colour::Kirmizi, Colour::Turuncu,
                                         Colour::Sari,       Colour::Altin,   Colour::Gumus,
                                         Colour::Siyah,      Colour::Renksiz, Colour::Yesil};
    int read = 0;
    for (int d1 = 0; d1 <= 9; ++d1)
        for (int d2 = 0; d2 <= 9; ++d2)
            for (const auto &[multiplier, power] : multipliers)
                for (const Colour tolerance : tolerances) {
                    const std::vector<Colour> bands{multipliers[std::size_t(d1)].first,
                                                    multipliers[std::size_t(d2)].first, multiplier,
                                                    tolerance};
                    const BandReading reading = readBands(bands);
                    const auto expectedTolerance = indreference::tolerance(tolerance);
                    if (!expectedTolerance) {
                        QVERIFY(std::holds_alternative<Refusal>(reading));
                        continue;
                    }
                    const auto *readings = std::get_if<Readings>(&reading);
                    QVERIFY(readings);
                    const ExactValue expected =
                        colorcode::normalised({std::to_string(d1 * 10 + d2), power});
                    QCOMPARE(readings->readings.front().microhenries, expected);
                    QCOMPARE(readings->readings.front().toleranceHundredths,
                             std::optional<std::int32_t>(*expectedTolerance));
                    // And back: the same value bands where the first digit is
                    // no zero.
                    if (d1 > 0) {
                        const ValueBands back = fourBandsFor(expected);
                        QVERIFY(back.bands);
                        QCOMPARE(*back.bands, std::vector<Colour>(bands.begin(), bands.end() - 1));
                    }
                    ++read;
                }
    QCOMPARE(read, 10 * 10 * 12 * 8);
}

void TestInductorCode::valuesToBands_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("four");
    QTest::addColumn<QString>("military");
    QTest::newRow("270u") << "270u"
                          << "Kırmızı Mor Kahverengi"
                          << "Gümüş Kırmızı Mor Kahverengi";
    QTest::newRow("2,2µH") << "2,2µH"
                           << "Kırmızı Kırmızı Altın"
                           << "Gümüş Kırmızı Altın Kırmızı";
    QTest::newRow("0,47u") << "0,47u"
                           << "Sarı Mor Gümüş"
                           << "Gümüş Altın Sarı Mor";
    QTest::newRow("27 mH") << "27mH"
                           << "Kırmızı Mor Turuncu"
                           << "Gümüş Kırmızı Mor Turuncu";
    QTest::newRow("three digits") << "4,75u"
                                  << ""
                                  << "";
}

void TestInductorCode::valuesToBands()
{
    QFETCH(QString, typed);
    QFETCH(QString, four);
    QFETCH(QString, military);
    const auto value = quantity::readQuantity(typed, quantity::Kind::Inductance, u',');
    QVERIFY(std::holds_alternative<ExactValue>(value));
    const auto join = [](const ValueBands &v) {
        QStringList names;
        for (const Colour c : v.bands.value_or(std::vector<Colour>{}))
            names << inductor::colourName(c);
        return names.join(u' ');
    };
    QCOMPARE(join(fourBandsFor(std::get<ExactValue>(value))), four);
    QCOMPARE(join(militaryBandsFor(std::get<ExactValue>(value))), military);
    // Military bands with a tolerance read back as the value.
    if (!military.isEmpty()) {
        const BandReading back = readBands(coloursOf(military + QStringLiteral(" Altın")));
        QVERIFY(std::holds_alternative<Readings>(back));
        QCOMPARE(std::get<Readings>(back).readings.front().microhenries,
                 std::get<ExactValue>(value));
    }
}

QTEST_APPLESS_MAIN(TestInductorCode)
#include "tst_inductorcode.moc"
