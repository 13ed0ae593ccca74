#include "forms/conversions.h"

#include <QTest>

using namespace conversions;

class TestConversions : public QObject
{
    Q_OBJECT
private slots:
    void doubleToText_data();
    void doubleToText();
    void textToInt16_data();
    void textToInt16();
    void mid_data();
    void mid();
};

void TestConversions::doubleToText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("turkish");
    QTest::addColumn<QString>("english");

    QTest::newRow("zero") << 0.0 << "0"
                          << "0";
    QTest::newRow("whole") << 47.0 << "47"
                           << "47";
    QTest::newRow("one decimal") << 4.7 << "4,7"
                                 << "4.7";
    QTest::newRow("no group separator") << 10000.0 << "10000"
                                        << "10000";
    QTest::newRow("largest shown") << 99000.0 << "99000"
                                   << "99000";
    QTest::newRow("divided") << 1100.0 / 1000 << "1,1"
                             << "1.1";
    // Fifteen significant digits hide the binary representation error.
    QTest::newRow("rounding noise") << 0.1 + 0.2 << "0,3"
                                    << "0.3";
    QTest::newRow("fifteen digits") << 1.0 / 3 << "0,333333333333333"
                                    << "0.333333333333333";
    QTest::newRow("negative") << -2.5 << "-2,5"
                              << "-2.5";
}

void TestConversions::doubleToText()
{
    QFETCH(double, value);
    QFETCH(QString, turkish);
    QFETCH(QString, english);
    QCOMPARE(conversions::doubleToText(value, QLocale(QLocale::Turkish, QLocale::Turkey)), turkish);
    QCOMPARE(conversions::doubleToText(value, QLocale(QLocale::English, QLocale::UnitedStates)),
             english);
    // A locale that groups digits by default still shows none.
    QCOMPARE(conversions::doubleToText(value, QLocale(QLocale::German, QLocale::Germany)), turkish);
}

void TestConversions::textToInt16_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");

    for (int digit = 0; digit <= 9; ++digit)
        QTest::addRow("digit %d", digit) << QString::number(digit) << true << digit;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("letter") << "a" << false << 0;
    QTest::newRow("too large") << "40000" << false << 0;
    QTest::newRow("largest") << "32767" << true << 32767;
}

void TestConversions::textToInt16()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    const auto result = conversions::textToInt16(text);
    QCOMPARE(result.has_value(), ok);
    if (ok)
        QCOMPARE(int(*result), value);
}

void TestConversions::mid_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first") << "4712" << 1 << 1 << "4";
    QTest::newRow("second") << "4712" << 2 << 1 << "7";
    QTest::newRow("rest") << "4712" << 3 << -1 << "12";
    QTest::newRow("second of one") << "5" << 2 << 1 << "";
    QTest::newRow("turkish letters") << "ışğ" << 2 << 1 << "ş";
}

void TestConversions::mid()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, expected);
    QCOMPARE(conversions::mid(text, start, length), expected);
}

QTEST_APPLESS_MAIN(TestConversions)
#include "tst_conversions.moc"
