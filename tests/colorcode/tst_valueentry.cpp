#include "colorcode/bandtables.h"
#include "colorcode/resistance.h"
#include "colorcode/valueentry.h"

#include <QTest>

#include <cstdint>

using namespace colorcode;

Q_DECLARE_METATYPE(colorcode::Unit)
Q_DECLARE_METATYPE(colorcode::ValueError)

namespace
{

// The same text for a user whose decimal separator is the other mark.
QString otherSeparator(QString text)
{
    for (QChar &c : text)
        if (c == u',')
            c = u'.';
        else if (c == u'.')
            c = u',';
    return text;
}

std::int64_t timesPowerOfTen(std::int64_t value, int power)
{
    for (; power > 0; --power)
        value *= 10;
    return value;
}

// The value of bands, in hundredths of an ohm.
std::int64_t hundredthsOf(int first, int second, int multiplierIndex)
{
    return timesPowerOfTen(10 * first + second,
                           multiplierList[std::size_t(multiplierIndex)].powerOfTen + 2);
}

// The letter code of a value, worked out from its hundredths: "R47", "4R7",
// "47R", "4K7", "2M2", "10G", "0R".
QString letterCode(std::int64_t hundredths)
{
    struct Step {
        std::int64_t below;
        char letter;
        int decimals;
    };
    const Step steps[] = {{100000, 'R', 2}, {100000000, 'K', 5}, {100000000000, 'M', 8}};
    Step step{0, 'G', 11};
    for (const Step &s : steps)
        if (hundredths < s.below) {
            step = s;
            break;
        }
    const std::int64_t unit = timesPowerOfTen(1, step.decimals);
    QString fraction = QString::number(hundredths % unit).rightJustified(step.decimals, u'0');
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    const std::int64_t whole = hundredths / unit;
    return (whole == 0 && !fraction.isEmpty() ? QString() : QString::number(whole)) +
           QChar::fromLatin1(step.letter) + fraction;
}

} // namespace

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
    void roundTrip_data();
    void roundTrip();
};

void TestValueEntry::accepted_data()
{
    // Written for a decimal comma; each row is also read with the marks
    // swapped by a user whose separator is the point.
    QTest::addColumn<QString>("text");
    QTest::addColumn<Unit>("unit");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("multiplier"); // index: 0-9 Siyah-Beyaz, 10 Altın, 11 Gümüş

    QTest::newRow("one digit") << "5" << Unit::Ohm << 0 << 5 << 0;
    QTest::newRow("one digit kohm") << "4" << Unit::Kohm << 0 << 4 << 3;
    QTest::newRow("1 mohm") << "1" << Unit::Mohm << 0 << 1 << 6;
    QTest::newRow("cut, not rounded") << "4782" << Unit::Ohm << 4 << 7 << 2;
    QTest::newRow("leading zero dropped") << "047" << Unit::Ohm << 4 << 7 << 0;
    QTest::newRow("zero") << "0" << Unit::Ohm << 0 << 0 << 0;
    QTest::newRow("zeros") << "000" << Unit::Ohm << 0 << 0 << 0;
    QTest::newRow("spaces around") << "  47 " << Unit::Ohm << 4 << 7 << 0;
    QTest::newRow("largest ohm") << "99000000000" << Unit::Ohm << 9 << 9 << 9;
    QTest::newRow("largest kohm") << "99000000" << Unit::Kohm << 9 << 9 << 9;
    QTest::newRow("largest mohm") << "99000" << Unit::Mohm << 9 << 9 << 9;
    QTest::newRow("leading zeros don't count") << "000000000000047" << Unit::Mohm << 4 << 7 << 6;
    QTest::newRow("63 characters") << QString(61, u'0') + "47" << Unit::Ohm << 4 << 7 << 0;

    // Decimals, in the chosen unit.
    QTest::newRow("4,7 kohm") << "4,7" << Unit::Kohm << 4 << 7 << 2;
    QTest::newRow("4,7 ohm") << "4,7" << Unit::Ohm << 4 << 7 << 10;
    QTest::newRow("0,47 ohm") << "0,47" << Unit::Ohm << 4 << 7 << 11;
    QTest::newRow("0,5 ohm") << "0,5" << Unit::Ohm << 0 << 5 << 10;
    QTest::newRow("0,01 ohm") << "0,01" << Unit::Ohm << 0 << 1 << 11;
    QTest::newRow("below 0,1 cut to hundredths") << "0,015" << Unit::Ohm << 0 << 1 << 11;
    QTest::newRow("4,75 kohm cut") << "4,75" << Unit::Kohm << 4 << 7 << 2;
    QTest::newRow("4,700 kohm") << "4,700" << Unit::Kohm << 4 << 7 << 2;
    QTest::newRow("0,0") << "0,0" << Unit::Kohm << 0 << 0 << 0;

    // The letter code, read as written whatever the unit.
    QTest::newRow("4K7") << "4K7" << Unit::Ohm << 4 << 7 << 2;
    QTest::newRow("4k7") << "4k7" << Unit::Mohm << 4 << 7 << 2;
    QTest::newRow("4,7K") << "4,7K" << Unit::Ohm << 4 << 7 << 2;
    QTest::newRow("4,7 kΩ") << "4,7 kΩ" << Unit::Mohm << 4 << 7 << 2;
    QTest::newRow("4,7 kohm") << "4,7 kohm" << Unit::Ohm << 4 << 7 << 2;
    QTest::newRow("R47") << "R47" << Unit::Kohm << 4 << 7 << 11;
    QTest::newRow("0R47") << "0R47" << Unit::Ohm << 4 << 7 << 11;
    QTest::newRow("1r5") << "1r5" << Unit::Ohm << 1 << 5 << 10;
    QTest::newRow("470R") << "470R" << Unit::Kohm << 4 << 7 << 1;
    QTest::newRow("47 K") << "47 K" << Unit::Ohm << 4 << 7 << 3;
    QTest::newRow("2M2") << "2M2" << Unit::Ohm << 2 << 2 << 5;
    QTest::newRow("1G") << "1g" << Unit::Ohm << 0 << 1 << 9;
    QTest::newRow("99G") << "99G" << Unit::Kohm << 9 << 9 << 9;
    QTest::newRow("0R") << "0R" << Unit::Mohm << 0 << 0 << 0;
    QTest::newRow("470 Ω") << "470 Ω" << Unit::Kohm << 4 << 7 << 1;
    QTest::newRow("ohm sign") << "470\u2126" << Unit::Mohm << 4 << 7 << 1;
    QTest::newRow("4K7 ohm") << "4K7 ohm" << Unit::Mohm << 4 << 7 << 2;
    QTest::newRow("47 OHM") << "47 OHM" << Unit::Kohm << 4 << 7 << 0;

    // Copied text: other digits, other spaces, invisible characters.
    QTest::newRow("arabic-indic digits") << "٤٧" << Unit::Ohm << 4 << 7 << 0;
    QTest::newRow("fullwidth digits") << "４７" << Unit::Ohm << 4 << 7 << 0;
    QTest::newRow("no-break and ideographic spaces")
        << "\u00A047\u3000" << Unit::Ohm << 4 << 7 << 0;
    QTest::newRow("direction marks") << "\u200E47\u200F" << Unit::Ohm << 4 << 7 << 0;
    QTest::newRow("zero-width space") << "4\u200B,7" << Unit::Kohm << 4 << 7 << 2;
    QTest::newRow("nul character")
        << (QStringLiteral("4") + QChar(0) + QStringLiteral("7")) << Unit::Ohm << 4 << 7 << 0;
    QTest::newRow("escape and delete") << QStringLiteral("47\x1b\x7f") << Unit::Ohm << 4 << 7 << 0;
}

void TestValueEntry::accepted()
{
    QFETCH(QString, text);
    QFETCH(Unit, unit);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, multiplier);

    for (const auto &[typed, separator] :
         {std::pair{text, QChar(u',')}, std::pair{otherSeparator(text), QChar(u'.')}}) {
        const ValueReading reading = readTypedValue(typed, unit, separator);
        QVERIFY2(!reading.error, qPrintable(typed));
        QVERIFY(reading.bands);
        QCOMPARE(reading.bands->first, first);
        QCOMPARE(reading.bands->second, second);
        QCOMPARE(reading.bands->multiplier, multiplier);
    }
}

void TestValueEntry::rejected_data()
{
    // Written for a decimal comma, read also with the marks swapped.
    QTest::addColumn<QString>("text");
    QTest::addColumn<Unit>("unit");
    QTest::addColumn<ValueError>("error");

    QTest::newRow("empty") << "" << Unit::Ohm << ValueError::Empty;
    QTest::newRow("spaces") << "   " << Unit::Kohm << ValueError::Empty;
    QTest::newRow("only invisible") << " \u200E\u200B " << Unit::Ohm << ValueError::Empty;
    QTest::newRow("letters later") << "47xy" << Unit::Ohm << ValueError::NotNumber;
    QTest::newRow("minus") << "-47" << Unit::Ohm << ValueError::NotNumber;
    QTest::newRow("inner space") << "4 7" << Unit::Ohm << ValueError::NotNumber;
    QTest::newRow("inner tab") << "4\t7" << Unit::Ohm << ValueError::NotNumber;
    QTest::newRow("turkish letter") << "ı" << Unit::Ohm << ValueError::NotNumber;
    QTest::newRow("superscript") << "4²" << Unit::Ohm << ValueError::NotNumber;
    QTest::newRow("lone surrogate")
        << QChar(0xD800) + QStringLiteral("47") << Unit::Ohm << ValueError::NotNumber;
    QTest::newRow("two letters") << "4K7K" << Unit::Ohm << ValueError::NotNumber;
    QTest::newRow("tolerance letter") << "4K7J" << Unit::Ohm << ValueError::NotNumber;
    QTest::newRow("two separators") << "4,7,0" << Unit::Ohm << ValueError::NotNumber;
    QTest::newRow("letter and separator") << "4,7K7" << Unit::Ohm << ValueError::NotNumber;
    QTest::newRow("space before letter code") << "4 K7" << Unit::Ohm << ValueError::NotNumber;
    QTest::newRow("letter alone") << "K" << Unit::Ohm << ValueError::NotNumber;
    QTest::newRow("ohm alone") << "Ω" << Unit::Ohm << ValueError::NotNumber;
    QTest::newRow("separator first") << ",5" << Unit::Ohm << ValueError::NotNumber;
    QTest::newRow("separator last") << "5," << Unit::Ohm << ValueError::NotNumber;
    QTest::newRow("decimal point") << "47.5" << Unit::Ohm << ValueError::WrongSeparator;
    QTest::newRow("not grouping") << "4.700" << Unit::Kohm << ValueError::WrongSeparator;
    QTest::newRow("point and letter") << "4.7K" << Unit::Ohm << ValueError::WrongSeparator;
    QTest::newRow("lower-case m inside") << "4m7" << Unit::Ohm << ValueError::LowercaseM;
    QTest::newRow("lower-case m after") << "4,7 mΩ" << Unit::Ohm << ValueError::LowercaseM;
    QTest::newRow("milliohm") << "47mohm" << Unit::Ohm << ValueError::LowercaseM;
    QTest::newRow("first too large ohm") << "100000000000" << Unit::Ohm << ValueError::TooLarge;
    QTest::newRow("first too large mohm") << "100000" << Unit::Mohm << ValueError::TooLarge;
    QTest::newRow("100G") << "100G" << Unit::Ohm << ValueError::TooLarge;
    QTest::newRow("below 0,01") << "0,009" << Unit::Ohm << ValueError::TooSmall;
    QTest::newRow("R001") << "0R001" << Unit::Kohm << ValueError::TooSmall;
    QTest::newRow("64 characters") << QString(62, u'0') + "47" << Unit::Ohm << ValueError::TooLong;
    QTest::newRow("very long") << QString(100000, u'9') << Unit::Ohm << ValueError::TooLong;
    QTest::newRow("very long zeros then 1") << QString(100000, u'0') + QStringLiteral("10000000000")
                                            << Unit::Mohm << ValueError::TooLong;
}

void TestValueEntry::rejected()
{
    QFETCH(QString, text);
    QFETCH(Unit, unit);
    QFETCH(ValueError, error);

    for (const auto &[typed, separator] :
         {std::pair{text, QChar(u',')}, std::pair{otherSeparator(text), QChar(u'.')}}) {
        const ValueReading reading = readTypedValue(typed, unit, separator);
        QVERIFY(!reading.bands);
        QVERIFY(reading.error);
        QCOMPARE(*reading.error, error);
    }
}

void TestValueEntry::messages()
{
    const QChar comma(u',');
    QCOMPARE(valueErrorMessage(ValueError::Empty, comma),
             QStringLiteral("Lütfen bir değer giriniz."));
    QCOMPARE(valueErrorMessage(ValueError::NotNumber, comma),
             QStringLiteral("Değer bir sayı olmalıdır (örnek: 47; 4,7; 4K7)."));
    QCOMPARE(valueErrorMessage(ValueError::WrongSeparator, comma),
             QStringLiteral("Ondalık ayırıcı olarak \",\" kullanınız (örnek: 4,7)."));
    QCOMPARE(valueErrorMessage(ValueError::LowercaseM, comma),
             QStringLiteral("Küçük \"m\" belirsiz: mega için \"M\" yazınız."));
    QCOMPARE(valueErrorMessage(ValueError::TooLarge, comma),
             QStringLiteral("Değer çok büyük: en fazla 99000 Mega Ohm girilebilir."));
    QCOMPARE(valueErrorMessage(ValueError::TooSmall, comma),
             QStringLiteral("Değer çok küçük: sıfırdan büyük en küçük değer 0,01 Ohm."));
    QCOMPARE(valueErrorMessage(ValueError::TooLong, comma),
             QStringLiteral("Değer çok uzun: en fazla 64 karakter girilebilir."));

    const QChar point(u'.');
    QCOMPARE(valueErrorMessage(ValueError::NotNumber, point),
             QStringLiteral("Değer bir sayı olmalıdır (örnek: 47; 4.7; 4K7)."));
    QCOMPARE(valueErrorMessage(ValueError::WrongSeparator, point),
             QStringLiteral("Ondalık ayırıcı olarak \".\" kullanınız (örnek: 4.7)."));
    QCOMPARE(valueErrorMessage(ValueError::TooSmall, point),
             QStringLiteral("Değer çok küçük: sıfırdan büyük en küçük değer 0.01 Ohm."));
}

void TestValueEntry::everyAcceptedValueNamesItself()
{
    // Any whole number of ohms up to the largest, written out and read back,
    // gives its own first two digits and its own power of ten.
    for (int digits = 0; digits < 100; ++digits)
        for (int zeros = 0; zeros <= 9; ++zeros) {
            const QString text = QString::number(digits) + QString(zeros, u'0');
            const ValueReading reading = readTypedValue(text, Unit::Ohm, u',');
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

void TestValueEntry::roundTrip_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("Turkish") << QLocale(QLocale::Turkish, QLocale::Turkey);
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates);
}

void TestValueEntry::roundTrip()
{
    // Every colour choice: the number the main window shows, typed with the
    // unit its words name, and the value's letter code, typed with any unit,
    // both give bands of the same value.
    QFETCH(QLocale, locale);
    const QChar separator = locale.decimalPoint().at(0);
    const Unit units[] = {Unit::Ohm, Unit::Kohm, Unit::Mohm};
    int cases = 0;
    for (int a = 0; a < 10; ++a)
        for (int b = 0; b < 10; ++b)
            for (int k = 0; k < int(multiplierList.size()); ++k) {
                const std::int64_t value = hundredthsOf(a, b, k);
                const auto shown =
                    calculateResistance(a, b, multiplierList[std::size_t(k)].powerOfTen, 5, locale);
                QVERIFY(shown);
                const Unit unit = shown->sonuc.contains(u" Kilo Ohm ")   ? Unit::Kohm
                                  : shown->sonuc.contains(u" Mega Ohm ") ? Unit::Mohm
                                                                         : Unit::Ohm;
                const QString number = shown->sonuc.section(u' ', 0, 0);
                const QString code = letterCode(value);
                for (const auto &[typed, typedUnit] :
                     {std::pair{number, unit}, std::pair{code, units[cases % 3]}}) {
                    const ValueReading reading = readTypedValue(typed, typedUnit, separator);
                    QVERIFY2(reading.bands, qPrintable(typed));
                    const BandIndices &r = *reading.bands;
                    if (hundredthsOf(r.first, r.second, r.multiplier) != value)
                        QFAIL(qPrintable(QStringLiteral("%1 %2 %3: \"%4\" gives %5 %6 %7")
                                             .arg(a)
                                             .arg(b)
                                             .arg(k)
                                             .arg(typed)
                                             .arg(r.first)
                                             .arg(r.second)
                                             .arg(r.multiplier)));
                    ++cases;
                }
            }
    qInfo("%d round trips", cases);
    QCOMPARE(cases, 2 * 10 * 10 * 12);
}

QTEST_APPLESS_MAIN(TestValueEntry)
#include "tst_valueentry.moc"
