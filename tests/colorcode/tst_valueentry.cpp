#include "colorcode/valueentry.h"

#include <QTest>

using namespace colorcode;

Q_DECLARE_METATYPE(colorcode::Unit)
Q_DECLARE_METATYPE(colorcode::ValueError)

class TestValueEntry : public QObject
{
    Q_OBJECT
private slots:
    void accepted_data();
    void accepted();
    void rejected_data();
    void rejected();
    void messages();
    void everyAcceptedValueNamesItself();
};

void TestValueEntry::accepted_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Unit>("unit");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("multiplier");

    QTest::newRow("one digit") << "5" << Unit::Ohm << 0 << 5 << 0;
    QTest::newRow("one digit kohm") << "4" << Unit::Kohm << 0 << 4 << 3;
    QTest::newRow("1 mohm") << "1" << Unit::Mohm << 0 << 1 << 6;
    QTest::newRow("cut, not rounded") << "4712" << Unit::Ohm << 4 << 7 << 2;
    QTest::newRow("leading zero dropped") << "047" << Unit::Ohm << 4 << 7 << 0;
    QTest::newRow("zero") << "0" << Unit::Ohm << 0 << 0 << 0;
    QTest::newRow("zeros") << "000" << Unit::Ohm << 0 << 0 << 0;
    QTest::newRow("spaces around") << "  47 " << Unit::Ohm << 4 << 7 << 0;
    QTest::newRow("largest ohm") << "99000000000" << Unit::Ohm << 9 << 9 << 9;
    QTest::newRow("largest kohm") << "99000000" << Unit::Kohm << 9 << 9 << 9;
    QTest::newRow("largest mohm") << "99000" << Unit::Mohm << 9 << 9 << 9;
    QTest::newRow("leading zeros don't count") << "000000000000047" << Unit::Mohm << 4 << 7 << 6;
}

void TestValueEntry::accepted()
{
    QFETCH(QString, text);
    QFETCH(Unit, unit);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, multiplier);

    const ValueReading reading = readTypedValue(text, unit);
    QVERIFY(!reading.error);
    QVERIFY(reading.bands);
    QCOMPARE(reading.bands->first, first);
    QCOMPARE(reading.bands->second, second);
    QCOMPARE(reading.bands->multiplier, multiplier);
}

void TestValueEntry::rejected_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Unit>("unit");
    QTest::addColumn<ValueError>("error");

    QTest::newRow("empty") << "" << Unit::Ohm << ValueError::Empty;
    QTest::newRow("spaces") << "   " << Unit::Kohm << ValueError::Empty;
    QTest::newRow("letter second") << "4k7" << Unit::Ohm << ValueError::NotDigits;
    QTest::newRow("letters later") << "47xy" << Unit::Ohm << ValueError::NotDigits;
    QTest::newRow("decimal point") << "47.5" << Unit::Ohm << ValueError::NotDigits;
    QTest::newRow("minus") << "-47" << Unit::Ohm << ValueError::NotDigits;
    QTest::newRow("inner space") << "4 7" << Unit::Ohm << ValueError::NotDigits;
    QTest::newRow("turkish letter") << "ı" << Unit::Ohm << ValueError::NotDigits;
    QTest::newRow("arabic-indic digits") << "٤٧" << Unit::Ohm << ValueError::NotDigits;
    QTest::newRow("fullwidth digits") << "４７" << Unit::Ohm << ValueError::NotDigits;
    QTest::newRow("nul character") << (QStringLiteral("4") + QChar(0) + QStringLiteral("7"))
                                   << Unit::Ohm << ValueError::NotDigits;
    QTest::newRow("escape character")
        << QStringLiteral("47\x1b") << Unit::Ohm << ValueError::NotDigits;
    QTest::newRow("first too large ohm") << "100000000000" << Unit::Ohm << ValueError::TooLarge;
    QTest::newRow("first too large mohm") << "100000" << Unit::Mohm << ValueError::TooLarge;
    QTest::newRow("very long") << QString(100000, u'9') << Unit::Ohm << ValueError::TooLarge;
    QTest::newRow("very long zeros then 1") << QString(100000, u'0') + QStringLiteral("10000000000")
                                            << Unit::Mohm << ValueError::TooLarge;
}

void TestValueEntry::rejected()
{
    QFETCH(QString, text);
    QFETCH(Unit, unit);
    QFETCH(ValueError, error);

    const ValueReading reading = readTypedValue(text, unit);
    QVERIFY(!reading.bands);
    QVERIFY(reading.error);
    QCOMPARE(*reading.error, error);
}

void TestValueEntry::messages()
{
    QCOMPARE(valueErrorMessage(ValueError::Empty), QStringLiteral("Lütfen bir değer giriniz."));
    QCOMPARE(valueErrorMessage(ValueError::NotDigits),
             QStringLiteral("Değer yalnızca rakamlardan oluşmalıdır."));
    QCOMPARE(valueErrorMessage(ValueError::TooLarge),
             QStringLiteral("Değer çok büyük: en fazla 99000 Mega Ohm girilebilir."));
}

void TestValueEntry::everyAcceptedValueNamesItself()
{
    // Any whole number of ohms up to the largest, written out and read back,
    // gives its own first two digits and its own power of ten.
    for (int digits = 0; digits < 100; ++digits)
        for (int zeros = 0; zeros <= 9; ++zeros) {
            const QString text = QString::number(digits) + QString(zeros, u'0');
            const ValueReading reading = readTypedValue(text, Unit::Ohm);
            QVERIFY2(reading.bands, qPrintable(text));
            const BandIndices &b = *reading.bands;
            qint64 value = (10 * b.first + b.second);
            for (int i = 0; i < b.multiplier; ++i)
                value *= 10;
            qint64 typed = digits;
            for (int i = 0; i < zeros; ++i)
                typed *= 10;
            QCOMPARE(value, typed);
            QVERIFY(b.first >= 0 && b.first <= 9 && b.second >= 0 && b.second <= 9);
        }
}

QTEST_APPLESS_MAIN(TestValueEntry)
#include "tst_valueentry.moc"
