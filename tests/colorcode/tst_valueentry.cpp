#include "colorcode/bandtables.h"
#include "colorcode/quotedword.h"
#include "colorcode/resistance.h"
#include "colorcode/valueentry.h"

#include <QTest>

#include <cstdint>
#include <string>
#include <variant>

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

// The value of bands, in thousandths of an ohm.
std::int64_t thousandthsOf(const BandIndices &bands)
{
    std::int64_t number = 0;
    for (const int digit : bands.digits)
        number = 10 * number + digit;
    return timesPowerOfTen(number, multiplierList[std::size_t(bands.multiplier)].number + 3);
}

BandIndices bands(const QList<int> &digitsThenMultiplier)
{
    return {std::vector<int>(digitsThenMultiplier.begin(), digitsThenMultiplier.end() - 1),
            digitsThenMultiplier.back()};
}

// The letter code of a value, worked out from its thousandths: "R047",
// "R47", "4R7", "47R", "4K7", "2M2", "10G", "0R".
QString letterCode(std::int64_t thousandths)
{
    struct Step {
        std::int64_t below;
        char letter;
        int decimals;
    };
    const Step steps[] = {{1000000, 'R', 3}, {1000000000, 'K', 6}, {1000000000000, 'M', 9}};
    Step step{0, 'G', 12};
    for (const Step &s : steps)
        if (thousandths < s.below) {
            step = s;
            break;
        }
    const std::int64_t unit = timesPowerOfTen(1, step.decimals);
    QString fraction = QString::number(thousandths % unit).rightJustified(step.decimals, u'0');
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    const std::int64_t whole = thousandths / unit;
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
    void exactlyWhenShown();
    void sameValueBands_data();
    void sameValueBands();
    void roundTrip_data();
    void roundTrip();
    void quotedWord_data();
    void quotedWord();
};

void TestValueEntry::accepted_data()
{
    // Written for a decimal comma; each row is also read with the marks
    // swapped by a user whose separator is the point.
    QTest::addColumn<QString>("text");
    QTest::addColumn<Unit>("unit");
    // The bands of four and of five (and six) bands: the digits, then the
    // multiplier's index (0-9 Siyah-Beyaz, 10 Altın, 11 Gümüş, 12 Pembe).
    // No bands: out of the count's range, see rejected().
    QTest::addColumn<QList<int>>("four");
    QTest::addColumn<QList<int>>("five");

    QTest::newRow("one digit") << "5" << Unit::Ohm << QList<int>{0, 5, 0}
                               << QList<int>{5, 0, 0, 11};
    QTest::newRow("one digit kohm")
        << "4" << Unit::Kohm << QList<int>{0, 4, 3} << QList<int>{4, 0, 0, 1};
    QTest::newRow("1 mohm") << "1" << Unit::Mohm << QList<int>{0, 1, 6} << QList<int>{1, 0, 0, 4};
    QTest::newRow("cut, not rounded")
        << "4782" << Unit::Ohm << QList<int>{4, 7, 2} << QList<int>{4, 7, 8, 1};
    QTest::newRow("leading zero dropped")
        << "047" << Unit::Ohm << QList<int>{4, 7, 0} << QList<int>{4, 7, 0, 10};
    QTest::newRow("zero") << "0" << Unit::Ohm << QList<int>{0, 0, 0} << QList<int>{0, 0, 0, 0};
    QTest::newRow("zeros") << "000" << Unit::Ohm << QList<int>{0, 0, 0} << QList<int>{0, 0, 0, 0};
    QTest::newRow("spaces around")
        << "  47 " << Unit::Ohm << QList<int>{4, 7, 0} << QList<int>{4, 7, 0, 10};
    QTest::newRow("largest ohm") << "99000000000" << Unit::Ohm << QList<int>{9, 9, 9}
                                 << QList<int>{9, 9, 0, 8};
    QTest::newRow("largest kohm") << "99000000" << Unit::Kohm << QList<int>{9, 9, 9}
                                  << QList<int>{9, 9, 0, 8};
    QTest::newRow("largest mohm") << "99000" << Unit::Mohm << QList<int>{9, 9, 9}
                                  << QList<int>{9, 9, 0, 8};
    QTest::newRow("leading zeros don't count")
        << "000000000000047" << Unit::Mohm << QList<int>{4, 7, 6} << QList<int>{4, 7, 0, 5};
    QTest::newRow("63 characters")
        << QString(61, u'0') + "47" << Unit::Ohm << QList<int>{4, 7, 0} << QList<int>{4, 7, 0, 10};

    QTest::newRow("100") << "100" << Unit::Ohm << QList<int>{1, 0, 1} << QList<int>{1, 0, 0, 0};
    QTest::newRow("100G") << "100G" << Unit::Ohm << QList<int>{} << QList<int>{1, 0, 0, 9};
    QTest::newRow("999G") << "999 G" << Unit::Ohm << QList<int>{} << QList<int>{9, 9, 9, 9};
    QTest::newRow("999,9G cut") << "999,9G" << Unit::Ohm << QList<int>{} << QList<int>{9, 9, 9, 9};
    QTest::newRow("99,9G cut") << "99,9G" << Unit::Ohm << QList<int>{9, 9, 9}
                               << QList<int>{9, 9, 9, 8};

    // Decimals, in the chosen unit.
    QTest::newRow("4,7 kohm") << "4,7" << Unit::Kohm << QList<int>{4, 7, 2}
                              << QList<int>{4, 7, 0, 1};
    QTest::newRow("4,7 ohm") << "4,7" << Unit::Ohm << QList<int>{4, 7, 10}
                             << QList<int>{4, 7, 0, 11};
    QTest::newRow("0,47 ohm") << "0,47" << Unit::Ohm << QList<int>{4, 7, 11}
                              << QList<int>{4, 7, 0, 12};
    QTest::newRow("0,5 ohm") << "0,5" << Unit::Ohm << QList<int>{0, 5, 10}
                             << QList<int>{5, 0, 0, 12};
    QTest::newRow("0,01 ohm") << "0,01" << Unit::Ohm << QList<int>{0, 1, 11}
                              << QList<int>{0, 1, 0, 12};
    QTest::newRow("0,015: pembe") << "0,015" << Unit::Ohm << QList<int>{1, 5, 12}
                                  << QList<int>{0, 1, 5, 12};
    QTest::newRow("0,047: pembe") << "0,047" << Unit::Ohm << QList<int>{4, 7, 12}
                                  << QList<int>{0, 4, 7, 12};
    QTest::newRow("0,0476 cut") << "0,0476" << Unit::Ohm << QList<int>{4, 7, 12}
                                << QList<int>{0, 4, 7, 12};
    QTest::newRow("0,0015: siyah first")
        << "0,0015" << Unit::Ohm << QList<int>{0, 1, 12} << QList<int>{0, 0, 1, 12};
    QTest::newRow("smallest") << "0,001" << Unit::Ohm << QList<int>{0, 1, 12}
                              << QList<int>{0, 0, 1, 12};
    QTest::newRow("0,009") << "0,009" << Unit::Ohm << QList<int>{0, 9, 12}
                           << QList<int>{0, 0, 9, 12};
    QTest::newRow("R001") << "0R001" << Unit::Kohm << QList<int>{0, 1, 12}
                          << QList<int>{0, 0, 1, 12};
    QTest::newRow("0,123") << "0,123" << Unit::Ohm << QList<int>{1, 2, 11}
                           << QList<int>{1, 2, 3, 12};
    QTest::newRow("4,99K") << "4,99K" << Unit::Ohm << QList<int>{4, 9, 2} << QList<int>{4, 9, 9, 1};
    QTest::newRow("4,75 kohm cut")
        << "4,75" << Unit::Kohm << QList<int>{4, 7, 2} << QList<int>{4, 7, 5, 1};
    QTest::newRow("4,700 kohm") << "4,700" << Unit::Kohm << QList<int>{4, 7, 2}
                                << QList<int>{4, 7, 0, 1};
    QTest::newRow("0,0") << "0,0" << Unit::Kohm << QList<int>{0, 0, 0} << QList<int>{0, 0, 0, 0};

    // The letter code, read as written whatever the unit.
    QTest::newRow("4K7") << "4K7" << Unit::Ohm << QList<int>{4, 7, 2} << QList<int>{4, 7, 0, 1};
    QTest::newRow("4k7") << "4k7" << Unit::Mohm << QList<int>{4, 7, 2} << QList<int>{4, 7, 0, 1};
    QTest::newRow("4,7K") << "4,7K" << Unit::Ohm << QList<int>{4, 7, 2} << QList<int>{4, 7, 0, 1};
    QTest::newRow("4,7 kΩ") << "4,7 kΩ" << Unit::Mohm << QList<int>{4, 7, 2}
                            << QList<int>{4, 7, 0, 1};
    QTest::newRow("4,7 kohm") << "4,7 kohm" << Unit::Ohm << QList<int>{4, 7, 2}
                              << QList<int>{4, 7, 0, 1};
    QTest::newRow("R47") << "R47" << Unit::Kohm << QList<int>{4, 7, 11} << QList<int>{4, 7, 0, 12};
    QTest::newRow("0R47") << "0R47" << Unit::Ohm << QList<int>{4, 7, 11} << QList<int>{4, 7, 0, 12};
    QTest::newRow("1r5") << "1r5" << Unit::Ohm << QList<int>{1, 5, 10} << QList<int>{1, 5, 0, 11};
    QTest::newRow("470R") << "470R" << Unit::Kohm << QList<int>{4, 7, 1} << QList<int>{4, 7, 0, 0};
    QTest::newRow("47 K") << "47 K" << Unit::Ohm << QList<int>{4, 7, 3} << QList<int>{4, 7, 0, 2};
    QTest::newRow("2M2") << "2M2" << Unit::Ohm << QList<int>{2, 2, 5} << QList<int>{2, 2, 0, 4};
    QTest::newRow("1G") << "1g" << Unit::Ohm << QList<int>{0, 1, 9} << QList<int>{1, 0, 0, 7};
    QTest::newRow("99G") << "99G" << Unit::Kohm << QList<int>{9, 9, 9} << QList<int>{9, 9, 0, 8};
    QTest::newRow("0R") << "0R" << Unit::Mohm << QList<int>{0, 0, 0} << QList<int>{0, 0, 0, 0};
    QTest::newRow("470 Ω") << "470 Ω" << Unit::Kohm << QList<int>{4, 7, 1}
                           << QList<int>{4, 7, 0, 0};
    QTest::newRow("ohm sign") << "470\u2126" << Unit::Mohm << QList<int>{4, 7, 1}
                              << QList<int>{4, 7, 0, 0};
    QTest::newRow("4K7 ohm") << "4K7 ohm" << Unit::Mohm << QList<int>{4, 7, 2}
                             << QList<int>{4, 7, 0, 1};
    QTest::newRow("47 OHM") << "47 OHM" << Unit::Kohm << QList<int>{4, 7, 0}
                            << QList<int>{4, 7, 0, 10};

    // Copied text: other digits, other spaces, invisible characters.
    QTest::newRow("arabic-indic digits")
        << "٤٧" << Unit::Ohm << QList<int>{4, 7, 0} << QList<int>{4, 7, 0, 10};
    QTest::newRow("fullwidth digits")
        << "４７" << Unit::Ohm << QList<int>{4, 7, 0} << QList<int>{4, 7, 0, 10};
    QTest::newRow("no-break and ideographic spaces")
        << "\u00A047\u3000" << Unit::Ohm << QList<int>{4, 7, 0} << QList<int>{4, 7, 0, 10};
    QTest::newRow("direction marks")
        << "\u200E47\u200F" << Unit::Ohm << QList<int>{4, 7, 0} << QList<int>{4, 7, 0, 10};
    QTest::newRow("zero-width space")
        << "4\u200B,7" << Unit::Kohm << QList<int>{4, 7, 2} << QList<int>{4, 7, 0, 1};
    QTest::newRow("nul character") << (QStringLiteral("4") + QChar(0) + QStringLiteral("7"))
                                   << Unit::Ohm << QList<int>{4, 7, 0} << QList<int>{4, 7, 0, 10};
    QTest::newRow("escape and delete") << QStringLiteral("47\x1b\x7f") << Unit::Ohm
                                       << QList<int>{4, 7, 0} << QList<int>{4, 7, 0, 10};
}

void TestValueEntry::accepted()
{
    QFETCH(QString, text);
    QFETCH(Unit, unit);
    QFETCH(QList<int>, four);
    QFETCH(QList<int>, five);

    for (const auto &[typed, separator] :
         {std::pair{text, QChar(u',')}, std::pair{otherSeparator(text), QChar(u'.')}}) {
        for (const auto &[count, expected] :
             {std::pair{4, four}, std::pair{5, five}, std::pair{6, five}}) {
            if (expected.isEmpty())
                continue;
            const BandsOrError reading = readTypedValue(typed, unit, separator, count);
            QVERIFY2(std::holds_alternative<BandIndices>(reading), qPrintable(typed));
            QCOMPARE(std::get<BandIndices>(reading), bands(expected));
        }
    }
}

void TestValueEntry::rejected_data()
{
    // Written for a decimal comma, read also with the marks swapped.
    QTest::addColumn<QString>("text");
    QTest::addColumn<Unit>("unit");
    QTest::addColumn<ValueError>("error");
    QTest::addColumn<QList<int>>("counts"); // the band counts that refuse it

    QTest::newRow("empty") << "" << Unit::Ohm << ValueError::Empty << QList<int>{4, 5, 6};
    QTest::newRow("spaces") << "   " << Unit::Kohm << ValueError::Empty << QList<int>{4, 5, 6};
    QTest::newRow("only invisible")
        << " \u200E\u200B " << Unit::Ohm << ValueError::Empty << QList<int>{4, 5, 6};
    QTest::newRow("letters later")
        << "47xy" << Unit::Ohm << ValueError::NotNumber << QList<int>{4, 5, 6};
    QTest::newRow("minus") << "-47" << Unit::Ohm << ValueError::NotNumber << QList<int>{4, 5, 6};
    QTest::newRow("inner space") << "4 7" << Unit::Ohm << ValueError::NotNumber
                                 << QList<int>{4, 5, 6};
    QTest::newRow("inner tab") << "4\t7" << Unit::Ohm << ValueError::NotNumber
                               << QList<int>{4, 5, 6};
    QTest::newRow("turkish letter")
        << "ı" << Unit::Ohm << ValueError::NotNumber << QList<int>{4, 5, 6};
    QTest::newRow("superscript") << "4²" << Unit::Ohm << ValueError::NotNumber
                                 << QList<int>{4, 5, 6};
    QTest::newRow("lone surrogate") << QChar(0xD800) + QStringLiteral("47") << Unit::Ohm
                                    << ValueError::NotNumber << QList<int>{4, 5, 6};
    QTest::newRow("two letters") << "4K7K" << Unit::Ohm << ValueError::NotNumber
                                 << QList<int>{4, 5, 6};
    QTest::newRow("tolerance letter")
        << "4K7J" << Unit::Ohm << ValueError::NotNumber << QList<int>{4, 5, 6};
    QTest::newRow("two separators")
        << "4,7,0" << Unit::Ohm << ValueError::NotNumber << QList<int>{4, 5, 6};
    QTest::newRow("letter and separator")
        << "4,7K7" << Unit::Ohm << ValueError::NotNumber << QList<int>{4, 5, 6};
    QTest::newRow("space before letter code")
        << "4 K7" << Unit::Ohm << ValueError::NotNumber << QList<int>{4, 5, 6};
    QTest::newRow("letter alone") << "K" << Unit::Ohm << ValueError::NotNumber
                                  << QList<int>{4, 5, 6};
    QTest::newRow("ohm alone") << "Ω" << Unit::Ohm << ValueError::NotNumber << QList<int>{4, 5, 6};
    QTest::newRow("separator first")
        << ",5" << Unit::Ohm << ValueError::NotNumber << QList<int>{4, 5, 6};
    QTest::newRow("separator last")
        << "5," << Unit::Ohm << ValueError::NotNumber << QList<int>{4, 5, 6};
    QTest::newRow("decimal point")
        << "47.5" << Unit::Ohm << ValueError::WrongSeparator << QList<int>{4, 5, 6};
    QTest::newRow("not grouping") << "4.700" << Unit::Kohm << ValueError::WrongSeparator
                                  << QList<int>{4, 5, 6};
    QTest::newRow("point and letter")
        << "4.7K" << Unit::Ohm << ValueError::WrongSeparator << QList<int>{4, 5, 6};
    QTest::newRow("lower-case m inside")
        << "4m7" << Unit::Ohm << ValueError::LowercaseM << QList<int>{4, 5, 6};
    QTest::newRow("lower-case m after")
        << "4,7 mΩ" << Unit::Ohm << ValueError::LowercaseM << QList<int>{4, 5, 6};
    QTest::newRow("milliohm") << "47mohm" << Unit::Ohm << ValueError::LowercaseM
                              << QList<int>{4, 5, 6};
    QTest::newRow("first too large ohm")
        << "100000000000" << Unit::Ohm << ValueError::TooLarge << QList<int>{4};
    QTest::newRow("first too large mohm")
        << "100000" << Unit::Mohm << ValueError::TooLarge << QList<int>{4};
    QTest::newRow("100G") << "100G" << Unit::Ohm << ValueError::TooLarge << QList<int>{4};
    QTest::newRow("1000G") << "1000G" << Unit::Ohm << ValueError::TooLarge << QList<int>{4, 5, 6};
    QTest::newRow("1000000 mohm") << "1000000" << Unit::Mohm << ValueError::TooLarge
                                  << QList<int>{4, 5, 6};
    QTest::newRow("below 0,001") << "0,00099" << Unit::Ohm << ValueError::TooSmall
                                 << QList<int>{4, 5, 6};
    QTest::newRow("0,0009") << "0,0009" << Unit::Ohm << ValueError::TooSmall << QList<int>{4, 5, 6};
    QTest::newRow("64 characters")
        << QString(62, u'0') + "47" << Unit::Ohm << ValueError::TooLong << QList<int>{4, 5, 6};
    QTest::newRow("very long") << QString(100000, u'9') << Unit::Ohm << ValueError::TooLong
                               << QList<int>{4, 5, 6};
    QTest::newRow("very long zeros then 1")
        << QString(100000, u'0') + QStringLiteral("10000000000") << Unit::Mohm
        << ValueError::TooLong << QList<int>{4, 5, 6};
}

void TestValueEntry::rejected()
{
    QFETCH(QString, text);
    QFETCH(Unit, unit);
    QFETCH(ValueError, error);
    QFETCH(QList<int>, counts);

    for (const auto &[typed, separator] :
         {std::pair{text, QChar(u',')}, std::pair{otherSeparator(text), QChar(u'.')}}) {
        for (const int count : counts) {
            const BandsOrError reading = readTypedValue(typed, unit, separator, count);
            QVERIFY(std::holds_alternative<ValueError>(reading));
            QCOMPARE(std::get<ValueError>(reading), error);
        }
        // Whether a number was read does not depend on the band count.
        const auto number = readTypedNumber(typed, unit, separator);
        QCOMPARE(std::holds_alternative<ValueError>(number),
                 error != ValueError::TooLarge && error != ValueError::TooSmall);
    }
}

void TestValueEntry::messages()
{
    const QChar comma(u',');
    for (const int count : {4, 5, 6}) {
        QCOMPARE(valueErrorMessage(ValueError::Empty, comma, count),
                 QStringLiteral("Lütfen bir değer giriniz."));
        QCOMPARE(valueErrorMessage(ValueError::NotNumber, comma, count),
                 QStringLiteral("Değer bir sayı olmalıdır (örnek: 47; 4,7; 4K7)."));
        QCOMPARE(valueErrorMessage(ValueError::WrongSeparator, comma, count),
                 QStringLiteral("Ondalık ayırıcı olarak \",\" kullanınız (örnek: 4,7)."));
        QCOMPARE(valueErrorMessage(ValueError::LowercaseM, comma, count),
                 QStringLiteral("Küçük \"m\" belirsiz: mega için \"M\" yazınız."));
        QCOMPARE(valueErrorMessage(ValueError::TooLarge, comma, count),
                 count == 4
                     ? QStringLiteral("Değer çok büyük: en fazla 99000 Mega Ohm girilebilir.")
                     : QStringLiteral("Değer çok büyük: en fazla 999000 Mega Ohm girilebilir."));
        QCOMPARE(valueErrorMessage(ValueError::TooSmall, comma, count),
                 QStringLiteral("Değer çok küçük: sıfırdan büyük en küçük değer 0,001 Ohm."));
        QCOMPARE(valueErrorMessage(ValueError::TooLong, comma, count),
                 QStringLiteral("Değer çok uzun: en fazla 64 karakter girilebilir."));
    }

    const QChar point(u'.');
    QCOMPARE(valueErrorMessage(ValueError::NotNumber, point, 4),
             QStringLiteral("Değer bir sayı olmalıdır (örnek: 47; 4.7; 4K7)."));
    QCOMPARE(valueErrorMessage(ValueError::WrongSeparator, point, 5),
             QStringLiteral("Ondalık ayırıcı olarak \".\" kullanınız (örnek: 4.7)."));
    QCOMPARE(valueErrorMessage(ValueError::TooSmall, point, 4),
             QStringLiteral("Değer çok küçük: sıfırdan büyük en küçük değer 0.001 Ohm."));
}

void TestValueEntry::everyAcceptedValueNamesItself()
{
    // Any whole number of ohms the bands hold, written out and read back,
    // gives its own digits and its own power of ten.
    for (const int count : {4, 5})
        for (int digits = 0; digits < (count == 4 ? 100 : 1000); ++digits)
            for (int zeros = 0; zeros <= 9; ++zeros) {
                const QString text = QString::number(digits) + QString(zeros, u'0');
                const BandsOrError reading = readTypedValue(text, Unit::Ohm, u',', count);
                QVERIFY2(std::holds_alternative<BandIndices>(reading), qPrintable(text));
                const BandIndices &b = std::get<BandIndices>(reading);
                QCOMPARE(b.digits.size(), std::size_t(digitBandsFor(count)));
                QCOMPARE(thousandthsOf(b), timesPowerOfTen(digits, zeros + 3));
            }
}

void TestValueEntry::exactlyWhenShown()
{
    // The bands give the value exactly when showsExactly says so, for every
    // one to four digits (one with trailing zeros, as typed) at every power
    // from far below to far above the bands' range.
    int checked = 0;
    for (const int count : {4, 5})
        for (int number = 1; number < 10000; ++number)
            for (int power = -7; power <= 13; ++power)
                for (const int zeros : {0, 2}) {
                    const ExactValue value{std::to_string(number) + std::string(zeros, '0'),
                                           power - zeros};
                    const BandsOrError b = bandsFor(value, count);
                    const bool exact = std::holds_alternative<BandIndices>(b) &&
                                       valueOf(std::get<BandIndices>(b)) == normalised(value);
                    if (exact != showsExactly(value, count))
                        QFAIL(qPrintable(
                            QStringLiteral("%1 bands: %2e%3").arg(count).arg(number).arg(power)));
                    ++checked;
                }
    QCOMPARE(checked, 2 * 9999 * 21 * 2);
    QVERIFY(showsExactly({}, 4));
    QVERIFY(showsExactly({"999", 9}, 5) && !showsExactly({"999", 9}, 4));
    QVERIFY(showsExactly({"1", -3}, 4) && !showsExactly({"15", -4}, 4));
}

void TestValueEntry::sameValueBands_data()
{
    // Digits then multiplier index, as in accepted(); empty: no bands.
    QTest::addColumn<QList<int>>("from");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("to");

    QTest::newRow("4,7 kilo to five") << QList<int>{4, 7, 2} << 5 << QList<int>{4, 7, 0, 1};
    QTest::newRow("55 to four") << QList<int>{0, 5, 5, 0} << 4 << QList<int>{5, 5, 0};
    QTest::newRow("100 giga not on four") << QList<int>{1, 0, 0, 9} << 4 << QList<int>{};
    QTest::newRow("4,99 kilo not on four") << QList<int>{4, 9, 9, 1} << 4 << QList<int>{};
    // Typed in Ohm: 5 is 0 and 5, 500 is 5 and 0, however the bands held it.
    QTest::newRow("5 to four") << QList<int>{5, 0, 0, 11} << 4 << QList<int>{0, 5, 0};
    QTest::newRow("500 to four") << QList<int>{0, 0, 5, 2} << 4 << QList<int>{5, 0, 1};
    QTest::newRow("10 giga to four") << QList<int>{1, 0, 0, 8} << 4 << QList<int>{1, 0, 9};
    // From Altın, Gümüş and Pembe multipliers.
    QTest::newRow("4,7 altın to five") << QList<int>{4, 7, 10} << 5 << QList<int>{4, 7, 0, 11};
    QTest::newRow("0,5 to four") << QList<int>{5, 0, 0, 12} << 4 << QList<int>{0, 5, 10};
    QTest::newRow("0,047 to four") << QList<int>{0, 4, 7, 12} << 4 << QList<int>{4, 7, 12};
    QTest::newRow("0,001 to five") << QList<int>{0, 1, 12} << 6 << QList<int>{0, 0, 1, 12};
    QTest::newRow("0,123 not on four") << QList<int>{1, 2, 3, 12} << 4 << QList<int>{};
    QTest::newRow("zero") << QList<int>{0, 0, 0, 12} << 4 << QList<int>{0, 0, 0};
}

void TestValueEntry::sameValueBands()
{
    QFETCH(QList<int>, from);
    QFETCH(int, count);
    QFETCH(QList<int>, to);

    const std::optional<BandIndices> result = colorcode::sameValueBands(bands(from), count);
    QCOMPARE(result.has_value(), !to.isEmpty());
    if (result)
        QCOMPARE(*result, bands(to));
}

void TestValueEntry::roundTrip_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("Turkish") << QLocale(QLocale::Turkish, QLocale::Turkey);
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates);
}

void TestValueEntry::roundTrip()
{
    // Every colour choice of four and of five bands: the number the main
    // window shows, typed with the unit its words name, and the value's
    // letter code, typed with any unit, both give bands of the same value.
    QFETCH(QLocale, locale);
    const QChar separator = locale.decimalPoint().at(0);
    const Unit units[] = {Unit::Ohm, Unit::Kohm, Unit::Mohm};
    int cases = 0;
    for (const int count : {4, 5})
        for (int number = 0; number < (count == 4 ? 100 : 1000); ++number)
            for (int k = 0; k < int(multiplierList.size()); ++k) {
                BandIndices choice{{}, k};
                for (int n = number, i = 0; i < digitBandsFor(count); ++i, n /= 10)
                    choice.digits.insert(choice.digits.begin(), n % 10);
                const std::int64_t value = thousandthsOf(choice);
                const auto shown =
                    calculateResistance(choice.digits, multiplierList[std::size_t(k)].number, 500,
                                        std::nullopt, locale);
                QVERIFY(shown);
                const Unit unit = shown->sonuc.contains(u" Kilo Ohm ")   ? Unit::Kohm
                                  : shown->sonuc.contains(u" Mega Ohm ") ? Unit::Mohm
                                                                         : Unit::Ohm;
                const QString shownNumber = shown->sonuc.section(u' ', 0, 0);
                const QString code = letterCode(value);
                for (const auto &[typed, typedUnit] :
                     {std::pair{shownNumber, unit}, std::pair{code, units[cases % 3]}}) {
                    const BandsOrError reading = readTypedValue(typed, typedUnit, separator, count);
                    QVERIFY2(std::holds_alternative<BandIndices>(reading), qPrintable(typed));
                    const BandIndices &r = std::get<BandIndices>(reading);
                    if (thousandthsOf(r) != value)
                        QFAIL(qPrintable(QStringLiteral("%1 bands, %2 %3: \"%4\" gives %5")
                                             .arg(count)
                                             .arg(number)
                                             .arg(k)
                                             .arg(typed)
                                             .arg(thousandthsOf(r))));
                    ++cases;
                }
            }
    qInfo("%d round trips", cases);
    QCOMPARE(cases, 2 * (100 + 1000) * 13);
}

void TestValueEntry::quotedWord_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("quoted");

    const QString forty(40, u'x');
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("short") << QStringLiteral("4K7x") << QStringLiteral("4K7x");
    QTest::newRow("forty characters, whole") << forty << forty;
    QTest::newRow("forty-one, cut") << forty + u'y' << forty + QStringLiteral("…");
    QTest::newRow("a long line, cut") << QString(5000, u'z') << QString(40, u'z') + u'…';
    // Turkish letters are one character each.
    QTest::newRow("Turkish letters")
        << QStringLiteral("ğüşıöç").repeated(7)
        << QStringLiteral("ğüşıöç").repeated(6) + QStringLiteral("ğüşı…");
    // "😀" is two UTF-16 units: forty of them are whole, never half of one.
    const QString smile = QStringLiteral("😀");
    QTest::newRow("forty pairs, whole") << smile.repeated(40) << smile.repeated(40);
    QTest::newRow("forty-one pairs, cut") << smile.repeated(41) << smile.repeated(40) + u'…';
    QTest::newRow("a pair across the cut")
        << QString(39, u'x') + smile + smile << QString(39, u'x') + smile + u'…';
}

void TestValueEntry::quotedWord()
{
    QFETCH(QString, word);
    QFETCH(QString, quoted);
    QCOMPARE(colorcode::quotedWord(word), quoted);
}

QTEST_APPLESS_MAIN(TestValueEntry)
#include "tst_valueentry.moc"
