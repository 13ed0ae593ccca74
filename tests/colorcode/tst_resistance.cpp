#include "colorcode/bandtables.h"
#include "colorcode/resistance.h"
#include "expectedtext.h"

#include <QTest>

#include <cstdint>
#include <utility>

using namespace colorcode;

namespace
{

const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
const QLocale english(QLocale::English, QLocale::UnitedStates);

std::int64_t powerOfTen(int exponent)
{
    std::int64_t p = 1;
    while (exponent-- > 0)
        p *= 10;
    return p;
}

std::optional<Resistance> calculate(const QList<int> &digits, int multiplierIndex,
                                    int toleranceIndex, int coefficientIndex, const QLocale &locale)
{
    std::optional<std::int32_t> ppm;
    if (coefficientIndex >= 0)
        ppm = coefficientList[std::size_t(coefficientIndex)].number;
    return calculateResistance(std::span(digits.data(), std::size_t(digits.size())),
                               multiplierList[std::size_t(multiplierIndex)].number,
                               toleranceList[std::size_t(toleranceIndex)].number, ppm, locale);
}

} // namespace

class TestResistance : public QObject
{
    Q_OBJECT
private slots:
    void examples_data();
    void examples();
    void everyChoice_data();
    void everyChoice();
    void bandTables();
    void digitOutOfRange();
};

void TestResistance::examples_data()
{
    QTest::addColumn<QList<int>>("digits");
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<int>("coefficient"); // -1: no coefficient band
    QTest::addColumn<QString>("turkishText");
    QTest::addColumn<double>("deger");

    QTest::newRow("10 ohm") << QList<int>{1, 0} << 0 << 0 << -1 << "10 Ohm  ± % 5" << 10.0;
    QTest::newRow("exactly 1000 stays ohm")
        << QList<int>{1, 0} << 2 << 0 << -1 << "1000 Ohm  ± % 5" << 1000.0;
    QTest::newRow("4,7 kilo") << QList<int>{4, 7} << 2 << 0 << -1 << "4,7 Kilo Ohm  ± % 5" << 4.7;
    QTest::newRow("exactly 1000000 stays kilo")
        << QList<int>{1, 0} << 5 << 1 << -1 << "1000 Kilo Ohm  ± % 10" << 1000.0;
    QTest::newRow("10 mega") << QList<int>{1, 0} << 6 << 2 << -1 << "10 Mega Ohm  ± % 20" << 10.0;
    QTest::newRow("zero") << QList<int>{0, 0} << 9 << 0 << -1 << "0 Ohm  ± % 5" << 0.0;
    QTest::newRow("beyond mega") << QList<int>{1, 0} << 9 << 0 << -1 << "10000 Mega Ohm  ± % 5"
                                 << 10000.0;
    QTest::newRow("exactly 1e9") << QList<int>{1, 0} << 8 << 0 << -1 << "1000 Mega Ohm  ± % 5"
                                 << 1000.0;
    QTest::newRow("leading zero digit")
        << QList<int>{0, 2} << 2 << 0 << -1 << "200 Ohm  ± % 5" << 200.0;
    QTest::newRow("1,1 kilo") << QList<int>{1, 1} << 2 << 0 << -1 << "1,1 Kilo Ohm  ± % 5" << 1.1;
    QTest::newRow("largest") << QList<int>{9, 9} << 9 << 1 << -1 << "99000 Mega Ohm  ± % 10"
                             << 99000.0;
    // Altın (10) multiplies by 0,1, Gümüş (11) by 0,01.
    QTest::newRow("4,7 gold") << QList<int>{4, 7} << 10 << 0 << -1 << "4,7 Ohm  ± % 5" << 4.7;
    QTest::newRow("0,47 silver") << QList<int>{4, 7} << 11 << 1 << -1 << "0,47 Ohm  ± % 10" << 0.47;
    QTest::newRow("1 gold") << QList<int>{1, 0} << 10 << 0 << -1 << "1 Ohm  ± % 5" << 1.0;
    QTest::newRow("0,01 silver") << QList<int>{0, 1} << 11 << 0 << -1 << "0,01 Ohm  ± % 5" << 0.01;
    QTest::newRow("zero gold") << QList<int>{0, 0} << 10 << 0 << -1 << "0 Ohm  ± % 5" << 0.0;
    // Pembe multiplies by 0,001; Kahverengi and the finer tolerances.
    QTest::newRow("0,047 pembe") << QList<int>{4, 7} << 12 << 4 << -1 << "0,047 Ohm  ± % 2"
                                 << 0.047;
    QTest::newRow("0,001 pembe") << QList<int>{0, 1} << 12 << 3 << -1 << "0,001 Ohm  ± % 1"
                                 << 0.001;
    // Three digits, and with six bands the coefficient.
    QTest::newRow("five: 10 kilo")
        << QList<int>{1, 0, 0} << 2 << 3 << -1 << "10 Kilo Ohm  ± % 1" << 10.0;
    QTest::newRow("five: 4,99 kilo")
        << QList<int>{4, 9, 9} << 1 << 3 << -1 << "4,99 Kilo Ohm  ± % 1" << 4.99;
    QTest::newRow("five: 100") << QList<int>{1, 0, 0} << 0 << 3 << -1 << "100 Ohm  ± % 1" << 100.0;
    QTest::newRow("five: 0,123 pembe")
        << QList<int>{1, 2, 3} << 12 << 7 << -1 << "0,123 Ohm  ± % 0,5" << 0.123;
    QTest::newRow("five: largest")
        << QList<int>{9, 9, 9} << 9 << 10 << -1 << "999000 Mega Ohm  ± % 0,01" << 999000.0;
    QTest::newRow("six: 19,2 kilo")
        << QList<int>{1, 9, 2} << 2 << 3 << 6 << "19,2 Kilo Ohm  ± % 1  10 ppm/K" << 19.2;
    QTest::newRow("six: 0,25 %, 250 ppm/K")
        << QList<int>{4, 7, 5} << 0 << 8 << 0 << "475 Ohm  ± % 0,25  250 ppm/K" << 475.0;
}

void TestResistance::examples()
{
    QFETCH(QList<int>, digits);
    QFETCH(int, multiplier);
    QFETCH(int, tolerance);
    QFETCH(int, coefficient);
    QFETCH(QString, turkishText);
    QFETCH(double, deger);

    const auto tr = calculate(digits, multiplier, tolerance, coefficient, turkish);
    QVERIFY(tr);
    QCOMPARE(tr->sonuc, turkishText);
    QCOMPARE(tr->deger, deger);

    const auto en = calculate(digits, multiplier, tolerance, coefficient, english);
    QVERIFY(en);
    QCOMPARE(en->sonuc, QString(turkishText).replace(u',', u'.'));

    // Digits 0 to 9 even where the locale has its own: only the separator
    // follows the regional settings.
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    const auto ar = calculate(digits, multiplier, tolerance, coefficient, arabic);
    QVERIFY(ar);
    QCOMPARE(ar->sonuc, QString(turkishText).replace(QStringLiteral(","), arabic.decimalPoint()));
}

void TestResistance::everyChoice_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("Turkish") << turkish;
    QTest::newRow("English") << english;
}

void TestResistance::everyChoice()
{
    // Every choice of two and of three digits, multiplier and tolerance; the
    // three-digit ones also with six bands, the coefficient in turn.
    QFETCH(QLocale, locale);
    const QChar separator = locale.decimalPoint().at(0);
    int checked = 0;
    for (int digitBands = 2; digitBands <= 3; ++digitBands)
        for (int number = 0; number < (digitBands == 2 ? 100 : 1000); ++number)
            for (int k = 0; k < int(multiplierList.size()); ++k)
                for (int t = 0; t < int(toleranceList.size()); ++t) {
                    QList<int> digits;
                    for (int n = number, i = 0; i < digitBands; ++i, n /= 10)
                        digits.prepend(n % 10);
                    const int power = multiplierList[std::size_t(k)].number;
                    const std::int64_t thousandths = number * powerOfTen(power + 3);
                    const int hundredths = toleranceList[std::size_t(t)].number;
                    const int c = digitBands == 3 ? checked % int(coefficientList.size()) : -1;
                    for (const int coefficient : {-1, c}) {
                        const auto r = calculate(digits, k, t, coefficient, locale);
                        QVERIFY(r);
                        std::optional<int> ppm;
                        if (coefficient >= 0)
                            ppm = coefficientList[std::size_t(coefficient)].number;
                        const QString expected =
                            expectedText(thousandths, hundredths, separator, ppm);
                        if (r->sonuc != expected)
                            QFAIL(qPrintable(QStringLiteral("%1 %2 %3 %4: got \"%5\", want \"%6\"")
                                                 .arg(number)
                                                 .arg(k)
                                                 .arg(t)
                                                 .arg(coefficient)
                                                 .arg(r->sonuc, expected)));
                    }
                    ++checked;
                }
    QCOMPARE(checked, (100 + 1000) * 13 * 11);
}

void TestResistance::bandTables()
{
    // Entry texts letter for letter; a paint colour's red is its lowest byte.
    const QStringList names{"Siyah", "Kahverengi", "Kırmızı", "Turuncu", "Sarı",
                            "Yeşil", "Mavi",       "Mor",     "Gri",     "Beyaz"};
    const int rgb[10][3] = {{0, 0, 0},       {128, 64, 0},   {255, 0, 0}, {255, 128, 0},
                            {255, 255, 0},   {0, 255, 0},    {0, 0, 255}, {128, 0, 128},
                            {128, 128, 128}, {255, 255, 255}};
    for (std::size_t i = 0; i < colourList.size(); ++i) {
        QCOMPARE(QString::fromUtf8(colourList[i].text), names[int(i)]);
        QCOMPARE(redOf(colourList[i].paint), rgb[i][0]);
        QCOMPARE(greenOf(colourList[i].paint), rgb[i][1]);
        QCOMPARE(blueOf(colourList[i].paint), rgb[i][2]);
        QCOMPARE(colourList[i].number, int(i));
        QCOMPARE(QString::fromUtf8(multiplierList[i].text), names[int(i)]);
        QCOMPARE(multiplierList[i].paint, colourList[i].paint);
        QCOMPARE(multiplierList[i].number, int(i));
    }
    // The multiplier list goes on with gold and silver, painted like the
    // tolerance bands.
    QCOMPARE(QString::fromUtf8(multiplierList[10].text), QStringLiteral("Altın"));
    QCOMPARE(QString::fromUtf8(multiplierList[11].text), QStringLiteral("Gümüş"));
    QCOMPARE(multiplierList[10].number, -1);
    QCOMPARE(multiplierList[11].number, -2);
    QCOMPARE(multiplierList[10].paint, altinPaint);
    QCOMPARE(multiplierList[11].paint, gumusPaint);
    QCOMPARE(QString::fromUtf8(toleranceList[0].text), QStringLiteral("Altın"));
    QCOMPARE(QString::fromUtf8(toleranceList[1].text), QStringLiteral("Gümüş"));
    QCOMPARE(QString::fromUtf8(toleranceList[2].text), QStringLiteral("Renksiz"));
    QCOMPARE((std::array{redOf(altinPaint), greenOf(altinPaint), blueOf(altinPaint)}),
             (std::array{192, 192, 0}));
    QCOMPARE((std::array{redOf(gumusPaint), greenOf(gumusPaint), blueOf(gumusPaint)}),
             (std::array{224, 224, 224}));
    for (int power = -3; power <= 9; ++power)
        QCOMPARE(multiplierList[std::size_t(multiplierIndexOf(power))].number, power);
    QCOMPARE(multiplierIndexOf(-4), -1);
    QCOMPARE(multiplierIndexOf(10), -1);

    // Pembe, ×0,001, last: a clear pink, apart from Kırmızı and the body.
    QCOMPARE(QString::fromUtf8(multiplierList[12].text), QStringLiteral("Pembe"));
    QCOMPARE(multiplierList[12].number, -3);
    QCOMPARE((std::array{redOf(pembePaint), greenOf(pembePaint), blueOf(pembePaint)}),
             (std::array{255, 105, 180}));

    // The reference tables: tolerance in hundredths of a percent (Gri is
    // ± 0,01 %, not the older ± 0,05 %), coefficient in ppm/K.
    const std::pair<const char *, int> tolerances[] = {
        {"Altın", 500},   {"Gümüş", 1000}, {"Renksiz", 2000}, {"Kahverengi", 100},
        {"Kırmızı", 200}, {"Turuncu", 5},  {"Sarı", 2},       {"Yeşil", 50},
        {"Mavi", 25},     {"Mor", 10},     {"Gri", 1}};
    QCOMPARE(toleranceList.size(), std::size(tolerances));
    for (std::size_t i = 0; i < toleranceList.size(); ++i) {
        QCOMPARE(QString::fromUtf8(toleranceList[i].text), QString::fromUtf8(tolerances[i].first));
        QCOMPARE(toleranceList[i].number, tolerances[i].second);
        if (i >= 3) // painted as the digit of the same colour
            QCOMPARE(toleranceList[i].paint, colourList[i - 2].paint);
    }
    const int ppm[] = {250, 100, 50, 15, 25, 20, 10, 5, 1};
    QCOMPARE(coefficientList.size(), std::size(ppm));
    for (std::size_t i = 0; i < coefficientList.size(); ++i) {
        QCOMPARE(QString::fromUtf8(coefficientList[i].text), names[int(i)]);
        QCOMPARE(coefficientList[i].number, ppm[i]);
        QCOMPARE(coefficientList[i].paint, colourList[i].paint);
    }
}

void TestResistance::digitOutOfRange()
{
    // No digit chosen reads as -1: there is no value to show for it.
    const auto refused = [](std::initializer_list<int> digits, int power) {
        return !calculateResistance(std::span(digits.begin(), digits.size()), power, 500,
                                    std::nullopt, turkish);
    };
    QVERIFY(refused({-1, 0}, 1));
    QVERIFY(refused({4, -1}, 1));
    QVERIFY(refused({10, 0}, 1));
    QVERIFY(refused({1, 0, -1}, 1));
    QVERIFY(refused({1, 0}, -4));
    QVERIFY(refused({1, 0, 0}, 10));
    QVERIFY(refused({1}, 1));
    QVERIFY(refused({1, 0, 0, 0}, 1));
}

QTEST_APPLESS_MAIN(TestResistance)
#include "tst_resistance.moc"
