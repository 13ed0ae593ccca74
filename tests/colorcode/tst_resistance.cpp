#include "colorcode/bandtables.h"
#include "colorcode/resistance.h"
#include "expectedtext.h"

#include <QTest>

#include <cstdint>

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

// The expected result text of a colour choice, counted in hundredths.
QString expectedText(int first, int second, int multiplierIndex, int tolerancePercent,
                     QChar separator)
{
    const int power = multiplierList[std::size_t(multiplierIndex)].powerOfTen;
    return ::expectedText((10 * first + second) * powerOfTen(power + 2), tolerancePercent,
                          separator);
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
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<QString>("turkishText");
    QTest::addColumn<double>("deger");

    QTest::newRow("10 ohm") << 1 << 0 << 0 << 0 << "10 Ohm  ± % 5" << 10.0;
    QTest::newRow("exactly 1000 stays ohm") << 1 << 0 << 2 << 0 << "1000 Ohm  ± % 5" << 1000.0;
    QTest::newRow("4,7 kilo") << 4 << 7 << 2 << 0 << "4,7 Kilo Ohm  ± % 5" << 4.7;
    QTest::newRow("exactly 1000000 stays kilo")
        << 1 << 0 << 5 << 1 << "1000 Kilo Ohm  ± % 10" << 1000.0;
    QTest::newRow("10 mega") << 1 << 0 << 6 << 2 << "10 Mega Ohm  ± % 20" << 10.0;
    QTest::newRow("zero") << 0 << 0 << 9 << 0 << "0 Ohm  ± % 5" << 0.0;
    QTest::newRow("beyond mega") << 1 << 0 << 9 << 0 << "10000 Mega Ohm  ± % 5" << 10000.0;
    QTest::newRow("exactly 1e9") << 1 << 0 << 8 << 0 << "1000 Mega Ohm  ± % 5" << 1000.0;
    QTest::newRow("leading zero digit") << 0 << 2 << 2 << 0 << "200 Ohm  ± % 5" << 200.0;
    QTest::newRow("1,1 kilo") << 1 << 1 << 2 << 0 << "1,1 Kilo Ohm  ± % 5" << 1.1;
    QTest::newRow("largest") << 9 << 9 << 9 << 1 << "99000 Mega Ohm  ± % 10" << 99000.0;
    // Altın (10) multiplies by 0,1, Gümüş (11) by 0,01.
    QTest::newRow("4,7 gold") << 4 << 7 << 10 << 0 << "4,7 Ohm  ± % 5" << 4.7;
    QTest::newRow("0,47 silver") << 4 << 7 << 11 << 1 << "0,47 Ohm  ± % 10" << 0.47;
    QTest::newRow("1 gold") << 1 << 0 << 10 << 0 << "1 Ohm  ± % 5" << 1.0;
    QTest::newRow("0,01 silver") << 0 << 1 << 11 << 0 << "0,01 Ohm  ± % 5" << 0.01;
    QTest::newRow("zero gold") << 0 << 0 << 10 << 0 << "0 Ohm  ± % 5" << 0.0;
}

void TestResistance::examples()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, multiplier);
    QFETCH(int, tolerance);
    QFETCH(QString, turkishText);
    QFETCH(double, deger);

    const std::int32_t m = multiplierList[std::size_t(multiplier)].powerOfTen;
    const std::int32_t t = toleranceList[std::size_t(tolerance)].percent;

    const auto tr = calculateResistance(first, second, m, t, turkish);
    QVERIFY(tr);
    QCOMPARE(tr->sonuc, turkishText);
    QCOMPARE(tr->deger, deger);

    const auto en = calculateResistance(first, second, m, t, english);
    QVERIFY(en);
    QCOMPARE(en->sonuc, QString(turkishText).replace(u',', u'.'));

    // Digits 0 to 9 even where the locale has its own: only the separator
    // follows the regional settings.
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    const auto ar = calculateResistance(first, second, m, t, arabic);
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
    QFETCH(QLocale, locale);
    int checked = 0;
    for (int a = 0; a < 10; ++a)
        for (int b = 0; b < 10; ++b)
            for (int k = 0; k < int(multiplierList.size()); ++k)
                for (int t = 0; t < 3; ++t) {
                    const int percent = toleranceList[std::size_t(t)].percent;
                    const auto r = calculateResistance(
                        a, b, multiplierList[std::size_t(k)].powerOfTen, percent, locale);
                    QVERIFY(r);
                    const QString expected =
                        expectedText(a, b, k, percent, locale.decimalPoint().at(0));
                    if (r->sonuc != expected)
                        QFAIL(qPrintable(QStringLiteral("%1 %2 %3 %4: got \"%5\", want \"%6\"")
                                             .arg(a)
                                             .arg(b)
                                             .arg(k)
                                             .arg(t)
                                             .arg(r->sonuc, expected)));
                    ++checked;
                }
    QCOMPARE(checked, 3600);
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
        QCOMPARE(colourList[i].powerOfTen, int(i));
        QCOMPARE(QString::fromUtf8(multiplierList[i].text), names[int(i)]);
        QCOMPARE(multiplierList[i].paint, colourList[i].paint);
        QCOMPARE(multiplierList[i].powerOfTen, int(i));
    }
    // The multiplier list goes on with gold and silver, painted like the
    // tolerance bands.
    QCOMPARE(QString::fromUtf8(multiplierList[10].text), QStringLiteral("Altın"));
    QCOMPARE(QString::fromUtf8(multiplierList[11].text), QStringLiteral("Gümüş"));
    QCOMPARE(multiplierList[10].powerOfTen, -1);
    QCOMPARE(multiplierList[11].powerOfTen, -2);
    QCOMPARE(multiplierList[10].paint, altinPaint);
    QCOMPARE(multiplierList[11].paint, gumusPaint);
    QCOMPARE(QString::fromUtf8(toleranceList[0].text), QStringLiteral("Altın"));
    QCOMPARE(QString::fromUtf8(toleranceList[1].text), QStringLiteral("Gümüş"));
    QCOMPARE(QString::fromUtf8(toleranceList[2].text), QStringLiteral("Renksiz"));
    QCOMPARE((std::array{redOf(altinPaint), greenOf(altinPaint), blueOf(altinPaint)}),
             (std::array{192, 192, 0}));
    QCOMPARE((std::array{redOf(gumusPaint), greenOf(gumusPaint), blueOf(gumusPaint)}),
             (std::array{224, 224, 224}));
    for (int power = -2; power <= 9; ++power)
        QCOMPARE(multiplierList[std::size_t(multiplierIndexOf(power))].powerOfTen, power);
}

void TestResistance::digitOutOfRange()
{
    // No digit chosen reads as -1: there is no value to show for it.
    QVERIFY(!calculateResistance(-1, 0, 1, 5, turkish));
    QVERIFY(!calculateResistance(4, -1, 1, 5, turkish));
    QVERIFY(!calculateResistance(10, 0, 1, 5, turkish));
    QVERIFY(!calculateResistance(1, 0, -3, 5, turkish));
    QVERIFY(!calculateResistance(1, 0, 10, 5, turkish));
}

QTEST_APPLESS_MAIN(TestResistance)
#include "tst_resistance.moc"
