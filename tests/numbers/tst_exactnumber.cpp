#include "numbers/exactnumber.h"

#include <QTest>

using numbers::ExactValue;
using numbers::Fraction;
using numbers::Rounding;

Q_DECLARE_METATYPE(Rounding)

namespace
{

// "12.345" as digits and a power, written out by hand so that the rows do
// not depend on the module's own reading of numbers.
ExactValue plain(const char *text)
{
    ExactValue v;
    bool fraction = false;
    for (const char *c = text; *c; ++c) {
        if (*c == '.') {
            fraction = true;
            continue;
        }
        v.digits += *c;
        if (fraction)
            --v.powerOfTen;
    }
    return v;
}

numbers::WideInteger wide(const char *digits)
{
    const auto w = numbers::fromDigits<numbers::wideLimbs>(digits);
    return w ? *w : numbers::WideInteger{};
}

Fraction fraction(const char *numerator, const char *denominator)
{
    return {wide(numerator), wide(denominator)};
}

QString json(const ExactValue &v)
{
    return QString::fromStdString(numbers::jsonText(v));
}

} // namespace

class TestExactNumber : public QObject
{
    Q_OBJECT
private slots:
    void text_data();
    void text();
    void jsonText_data();
    void jsonText();
    void significantOfValue_data();
    void significantOfValue();
    void significantOfFraction_data();
    void significantOfFraction();
    void decimals_data();
    void decimals();
    void exactly_data();
    void exactly();
    void toDouble_data();
    void toDouble();
    void wideDigits_data();
    void wideDigits();
    void superscript_data();
    void superscript();
};

void TestExactNumber::text_data()
{
    QTest::addColumn<qulonglong>("units");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<int>("minDecimals");
    QTest::addColumn<QString>("turkish");

    QTest::newRow("zero") << 0ull << 2 << 0 << "0";
    QTest::newRow("whole") << 4700ull << 2 << 0 << "47";
    QTest::newRow("one decimal") << 470ull << 2 << 0 << "4,7";
    QTest::newRow("below one") << 47ull << 2 << 0 << "0,47";
    QTest::newRow("hundredth") << 1ull << 2 << 0 << "0,01";
    QTest::newRow("no group separator") << 1000000ull << 2 << 0 << "10000";
    QTest::newRow("largest shown") << 9900000000000ull << 8 << 0 << "99000";
    QTest::newRow("no decimals") << 1000ull << 0 << 0 << "1000";
    QTest::newRow("zeros above one") << 47ull << -3 << 0 << "47000";
    QTest::newRow("tiny") << 49ull << 21 << 0 << "0,000000000000000000049";
    QTest::newRow("huge") << 18446744073709551615ull << -10 << 0
                          << "184467440737095516150000000000";
    QTest::newRow("two decimals kept") << 1250ull << 2 << 2 << "12,50";
    QTest::newRow("zero with decimals") << 0ull << 0 << 2 << "0,00";
    QTest::newRow("whole with decimals") << 5ull << 0 << 2 << "5,00";
    QTest::newRow("never cut") << 12345ull << 4 << 2 << "1,2345";
}

void TestExactNumber::text()
{
    QFETCH(qulonglong, units);
    QFETCH(int, decimals);
    QFETCH(int, minDecimals);
    QFETCH(QString, turkish);
    const auto text = [&](QLocale::Language language, QLocale::Country country) {
        return numbers::text(numbers::fromUnits(units, decimals), QLocale(language, country),
                             minDecimals);
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

void TestExactNumber::jsonText_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<int>("power");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << "" << 0 << "0";
    QTest::newRow("zero digits") << "000" << 5 << "0";
    QTest::newRow("whole") << "47" << 2 << "4700";
    QTest::newRow("fraction") << "47" << -1 << "4.7";
    QTest::newRow("below one") << "49" << -3 << "0.049";
    QTest::newRow("padded zeros dropped") << "004700" << -3 << "4.7";
    QTest::newRow("tiny") << "1" << -25 << "0.0000000000000000000000001";
}

void TestExactNumber::jsonText()
{
    QFETCH(QString, digits);
    QFETCH(int, power);
    QFETCH(QString, expected);
    const ExactValue v{digits.toStdString(), power};
    QCOMPARE(json(v), expected);
    // The same under every locale: the Turkish text with its comma as a point.
    QCOMPARE(numbers::text(v, QLocale(QLocale::Turkish, QLocale::Turkey)).replace(u',', u'.'),
             expected);
}

void TestExactNumber::significantOfValue_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<Rounding>("rounding");
    QTest::addColumn<QString>("expected");

    QTest::newRow("half away from zero") << "1.5" << 1 << Rounding::Nearest << "2";
    QTest::newRow("half, even below") << "2.5" << 1 << Rounding::Nearest << "3";
    QTest::newRow("just below half") << "1.4999" << 1 << Rounding::Nearest << "1";
    QTest::newRow("down") << "1.5" << 1 << Rounding::Down << "1";
    QTest::newRow("up") << "1.01" << 1 << Rounding::Up << "2";
    QTest::newRow("up, nothing left") << "1.000" << 1 << Rounding::Up << "1";
    QTest::newRow("carry to a new digit") << "99.96" << 3 << Rounding::Nearest << "100";
    QTest::newRow("carry, up") << "99.91" << 3 << Rounding::Up << "100";
    QTest::newRow("carry, down") << "99.96" << 3 << Rounding::Down << "99.9";
    QTest::newRow("below one, down") << "0.0491" << 2 << Rounding::Down << "0.049";
    QTest::newRow("below one, up") << "0.0491" << 2 << Rounding::Up << "0.05";
    QTest::newRow("whole number") << "12345" << 2 << Rounding::Nearest << "12000";
    QTest::newRow("shorter stays") << "4.7" << 5 << Rounding::Up << "4.7";
    QTest::newRow("zero") << "0" << 3 << Rounding::Up << "0";
    QTest::newRow("no digit asked is one") << "47" << 0 << Rounding::Nearest << "50";
    QTest::newRow("huge") << "123456789012345678901234567890123456789" << 3 << Rounding::Nearest
                          << "123000000000000000000000000000000000000";
}

void TestExactNumber::significantOfValue()
{
    QFETCH(QString, value);
    QFETCH(int, digits);
    QFETCH(Rounding, rounding);
    QFETCH(QString, expected);
    QCOMPARE(json(numbers::toSignificant(plain(qPrintable(value)), digits, rounding)), expected);
}

void TestExactNumber::significantOfFraction_data()
{
    QTest::addColumn<QString>("numerator");
    QTest::addColumn<QString>("denominator");
    QTest::addColumn<int>("digits");
    QTest::addColumn<Rounding>("rounding");
    QTest::addColumn<QString>("expected");

    QTest::newRow("2/3 down") << "2"
                              << "3" << 3 << Rounding::Down << "0.666";
    QTest::newRow("2/3 nearest") << "2"
                                 << "3" << 3 << Rounding::Nearest << "0.667";
    QTest::newRow("1/3 up") << "1"
                            << "3" << 3 << Rounding::Up << "0.334";
    QTest::newRow("1/3 nearest") << "1"
                                 << "3" << 3 << Rounding::Nearest << "0.333";
    QTest::newRow("1/8 half away") << "1"
                                   << "8" << 2 << Rounding::Nearest << "0.13";
    QTest::newRow("1/8 down") << "1"
                              << "8" << 2 << Rounding::Down << "0.12";
    QTest::newRow("1/8 up, exact") << "1"
                                   << "8" << 3 << Rounding::Up << "0.125";
    QTest::newRow("carry to a power") << "999995"
                                      << "10000000" << 5 << Rounding::Nearest << "0.1";
    QTest::newRow("above one") << "22"
                               << "7" << 4 << Rounding::Nearest << "3.143";
    QTest::newRow("whole, up") << "1000001"
                               << "1" << 2 << Rounding::Up << "1100000";
    QTest::newRow("huge") << "10000000000000000000000000000000000000000"
                          << "3" << 5 << Rounding::Nearest
                          << "3333300000000000000000000000000000000000";
    QTest::newRow("tiny") << "1"
                          << "7000000000000000000000000000000" << 3 << Rounding::Nearest
                          << "0.000000000000000000000000000000143";
    QTest::newRow("zero") << "0"
                          << "7" << 3 << Rounding::Up << "0";
}

void TestExactNumber::significantOfFraction()
{
    QFETCH(QString, numerator);
    QFETCH(QString, denominator);
    QFETCH(int, digits);
    QFETCH(Rounding, rounding);
    QFETCH(QString, expected);
    QCOMPARE(json(numbers::toSignificant(fraction(qPrintable(numerator), qPrintable(denominator)),
                                         digits, rounding)),
             expected);
}

void TestExactNumber::decimals_data()
{
    QTest::addColumn<QString>("numerator");
    QTest::addColumn<QString>("denominator");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<Rounding>("rounding");
    QTest::addColumn<QString>("expected");

    QTest::newRow("below the place, nearest") << "4"
                                              << "1000" << 2 << Rounding::Nearest << "0";
    QTest::newRow("below the place, up") << "4"
                                         << "1000" << 2 << Rounding::Up << "0.01";
    QTest::newRow("below the place, down") << "4"
                                           << "1000" << 2 << Rounding::Down << "0";
    QTest::newRow("half the place") << "5"
                                    << "1000" << 2 << Rounding::Nearest << "0.01";
    QTest::newRow("far below the place") << "4"
                                         << "100000" << 2 << Rounding::Nearest << "0";
    QTest::newRow("2/3") << "2"
                         << "3" << 2 << Rounding::Nearest << "0.67";
    QTest::newRow("tens") << "12345"
                          << "10" << -2 << Rounding::Nearest << "1200";
    QTest::newRow("tens, half") << "1250"
                                << "1" << -2 << Rounding::Nearest << "1300";
    QTest::newRow("near 100 %") << "99998"
                                << "1000" << 2 << Rounding::Nearest << "100";
    QTest::newRow("near 100 %, three") << "99998"
                                       << "1000" << 3 << Rounding::Nearest << "99.998";
}

void TestExactNumber::decimals()
{
    QFETCH(QString, numerator);
    QFETCH(QString, denominator);
    QFETCH(int, decimals);
    QFETCH(Rounding, rounding);
    QFETCH(QString, expected);
    const Fraction f = fraction(qPrintable(numerator), qPrintable(denominator));
    QCOMPARE(json(numbers::toDecimals(f, decimals, rounding)), expected);
    // A fraction over one is the value itself.
    if (denominator == u"1")
        QCOMPARE(json(numbers::toDecimals(plain(qPrintable(numerator)), decimals, rounding)),
                 expected);
}

void TestExactNumber::exactly_data()
{
    QTest::addColumn<QString>("numerator");
    QTest::addColumn<QString>("denominator");
    QTest::addColumn<QString>("expected"); // empty where it does not end

    QTest::newRow("eighth") << "1"
                            << "8"
                            << "0.125";
    QTest::newRow("third") << "1"
                           << "3"
                           << "";
    QTest::newRow("whole") << "6"
                           << "3"
                           << "2";
    QTest::newRow("fortieths") << "7"
                               << "40"
                               << "0.175";
    QTest::newRow("power of two") << "1"
                                  << "1024"
                                  << "0.0009765625";
    QTest::newRow("sevenths cancel") << "14"
                                     << "35"
                                     << "0.4";
    QTest::newRow("zero") << "0"
                          << "3"
                          << "0";
    QTest::newRow("long") << "1"
                          << "1048576"
                          << "0.00000095367431640625";
}

void TestExactNumber::exactly()
{
    QFETCH(QString, numerator);
    QFETCH(QString, denominator);
    QFETCH(QString, expected);
    const auto value = numbers::exactly(fraction(qPrintable(numerator), qPrintable(denominator)));
    QCOMPARE(value ? json(*value) : QString(), expected);
}

void TestExactNumber::toDouble_data()
{
    QTest::addColumn<qulonglong>("numerator");
    QTest::addColumn<qulonglong>("denominator");

    QTest::newRow("third") << 1ull << 3ull;
    QTest::newRow("tenth") << 1ull << 10ull;
    QTest::newRow("two thirds") << 2ull << 3ull;
    QTest::newRow("large") << 123456789012345ull << 987654321ull;
    QTest::newRow("small") << 7ull << 9007199254740991ull;
    QTest::newRow("whole") << 4700ull << 1ull;
}

void TestExactNumber::toDouble()
{
    // Both below 2^53, so IEEE division gives the nearest double: an oracle.
    QFETCH(qulonglong, numerator);
    QFETCH(qulonglong, denominator);
    const Fraction f{numbers::widen<numbers::wideLimbs>(numerator),
                     numbers::widen<numbers::wideLimbs>(denominator)};
    QCOMPARE(numbers::toDouble(f), double(numerator) / double(denominator));
}

void TestExactNumber::wideDigits_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<int>("zeros");
    QTest::addColumn<bool>("fits");

    QTest::newRow("zero") << "0" << 0 << true;
    QTest::newRow("2^64") << "18446744073709551616" << 0 << true;
    QTest::newRow("with zeros") << "47" << 300 << true;
    QTest::newRow("too many zeros") << "1" << 400 << false;
}

void TestExactNumber::wideDigits()
{
    QFETCH(QString, digits);
    QFETCH(int, zeros);
    QFETCH(bool, fits);
    const auto w = numbers::fromDigits<numbers::wideLimbs>(digits.toStdString(), zeros);
    QCOMPARE(w.has_value(), fits);
    if (w)
        QCOMPARE(QString::fromStdString(numbers::decimalDigits(*w)), digits + QString(zeros, u'0'));
    if (digits == u"18446744073709551616")
        QVERIFY(w->limb[0] == 0 && w->limb[1] == 1);
}

void TestExactNumber::superscript_data()
{
    QTest::addColumn<int>("power");
    QTest::addColumn<QString>("written");
    QTest::newRow("zero") << 0 << "⁰";
    QTest::newRow("one digit") << 4 << "⁴";
    QTest::newRow("every digit") << 1234567890 << "¹²³⁴⁵⁶⁷⁸⁹⁰";
    QTest::newRow("two digits") << 12 << "¹²";
    QTest::newRow("minus one") << -1 << "⁻¹";
    QTest::newRow("minus two digits") << -15 << "⁻¹⁵";
}

void TestExactNumber::superscript()
{
    QFETCH(int, power);
    QFETCH(QString, written);
    QCOMPARE(numbers::superscript(power), written);
}

QTEST_APPLESS_MAIN(TestExactNumber)
#include "tst_exactnumber.moc"
