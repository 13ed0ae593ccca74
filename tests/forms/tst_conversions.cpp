#include "forms/conversions.h"

#include <QTest>

using namespace conversions;

class TestConversions : public QObject
{
    Q_OBJECT
private slots:
    void exactDecimalText_data();
    void exactDecimalText();
};

void TestConversions::exactDecimalText_data()
{
    QTest::addColumn<qulonglong>("units");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("turkish");

    QTest::newRow("zero") << 0ull << 2 << "0";
    QTest::newRow("whole") << 4700ull << 2 << "47";
    QTest::newRow("one decimal") << 470ull << 2 << "4,7";
    QTest::newRow("below one") << 47ull << 2 << "0,47";
    QTest::newRow("hundredth") << 1ull << 2 << "0,01";
    QTest::newRow("no group separator") << 1000000ull << 2 << "10000";
    QTest::newRow("largest shown") << 9900000000000ull << 8 << "99000";
    QTest::newRow("no decimals") << 1000ull << 0 << "1000";
}

void TestConversions::exactDecimalText()
{
    QFETCH(qulonglong, units);
    QFETCH(int, decimals);
    QFETCH(QString, turkish);
    const auto text = [&](QLocale::Language language, QLocale::Country country) {
        return conversions::exactDecimalText(units, decimals, QLocale(language, country));
    };
    QCOMPARE(text(QLocale::Turkish, QLocale::Turkey), turkish);
    QCOMPARE(text(QLocale::English, QLocale::UnitedStates), QString(turkish).replace(u',', u'.'));
    // A locale that groups digits by default still shows none.
    QCOMPARE(text(QLocale::German, QLocale::Germany), turkish);
    // Only the separator follows the locale: digits stay 0 to 9.
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    QCOMPARE(text(QLocale::Arabic, QLocale::Egypt),
             QString(turkish).replace(u',', arabic.decimalPoint()));
}

QTEST_APPLESS_MAIN(TestConversions)
#include "tst_conversions.moc"
