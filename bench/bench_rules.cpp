// Cost of the rules per call: every colour choice turned into result text
// and into the standard-value line, typed values read into band indices and
// into the value-entry preview. Each benchmark iteration is one
// call, so Qt Test reports the time per call; successive iterations walk the
// whole table.

#include "colorcode/bandselection.h"
#include "colorcode/bandtables.h"
#include "colorcode/entrypreview.h"
#include "colorcode/readingdirection.h"
#include "colorcode/resistance.h"
#include "colorcode/standardvaluetext.h"
#include "colorcode/valueentry.h"

#include <QTest>

#include <array>
#include <optional>
#include <variant>
#include <vector>

using namespace colorcode;

Q_DECLARE_METATYPE(colorcode::Unit)

namespace
{

struct Choice {
    std::vector<int> digits;
    std::int32_t powerOfTen, tolerance;
};

// Every choice the lists allow for two digits (10 x 10 x 13 x 11) or three
// (10 x 10 x 10 x 13 x 11).
std::vector<Choice> everyChoice(int digitBands)
{
    std::vector<Choice> choices;
    for (int number = 0; number < (digitBands == 2 ? 100 : 1000); ++number)
        for (const BandEntry &m : multiplierList)
            for (const BandEntry &t : toleranceList) {
                std::vector<int> digits;
                for (int n = number, i = 0; i < digitBands; ++i, n /= 10)
                    digits.insert(digits.begin(), n % 10);
                choices.push_back({digits, m.number, t.number});
            }
    return choices;
}

// The same choices as colours from left to right, as the standard-value
// line takes them.
std::vector<std::vector<Colour>> everyColourChoice(int digitBands)
{
    std::vector<std::vector<Colour>> choices;
    for (const Choice &c : everyChoice(digitBands))
        for (int t = 0; t < int(toleranceList.size()); ++t)
            if (toleranceList[std::size_t(t)].number == c.tolerance) {
                BandSelection selection = BandSelection::empty(int(c.digits.size()) + 2);
                selection.setValueBands({c.digits, multiplierIndexOf(c.powerOfTen)});
                selection.setEntry(Role::Tolerance, 0, t);
                choices.push_back(selection.colours());
            }
    return choices;
}

} // namespace

class BenchRules : public QObject
{
    Q_OBJECT
private slots:
    void calculateResistance_data();
    void calculateResistance();
    void readTypedValue_data();
    void readTypedValue();
    void standardValueLine_data();
    void standardValueLine();
    void entryPreview_data();
    void entryPreview();
};

void BenchRules::calculateResistance_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("bandCount");
    const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("four bands, 14300 choices, Turkish") << turkish << 4;
    QTest::newRow("four bands, 14300 choices, English") << english << 4;
    QTest::newRow("five bands, 143000 choices, Turkish") << turkish << 5;
}

void BenchRules::calculateResistance()
{
    QFETCH(QLocale, locale);
    QFETCH(int, bandCount);
    const std::vector<Choice> choices = everyChoice(digitBandsFor(bandCount));
    QCOMPARE(choices.size(), std::size_t(bandCount == 4 ? 14300 : 143000));
    std::size_t next = 0;
    qsizetype characters = 0;
    QBENCHMARK
    {
        const Choice &c = choices[next];
        next = next + 1 == choices.size() ? 0 : next + 1;
        const auto r = colorcode::calculateResistance(c.digits, c.powerOfTen, c.tolerance,
                                                      std::nullopt, locale);
        characters += r->sonuc.size();
    }
    QVERIFY(characters > 0);
}

void BenchRules::readTypedValue_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<Unit>("unit");
    QTest::addColumn<int>("bandCount");

    QTest::newRow("short values, Ohm")
        << QStringList{"47", "470", "4700", "1", "22", "100", "330", "68000", "0", "99"}
        << Unit::Ohm << 4;
    QTest::newRow("short values, Kohm")
        << QStringList{"4", "47", "470", "1", "10", "2200", "33", "5", "680", "12"} << Unit::Kohm
        << 4;
    QTest::newRow("spaces and leading zeros")
        << QStringList{"  47 ", "\t0047", "000000120", " 0 ", "0330\t"} << Unit::Ohm << 4;
    QTest::newRow("rejected") << QStringList{"",    "   ",    "4.7",       "4m7",
                                             "-47", "ığüşöç", "100000000", "4K7J"}
                              << Unit::Kohm << 4;
    QTest::newRow("decimals and letter code")
        << QStringList{"4,7",  "0,47", "0,015",  "4K7",   "R47",
                       "470R", "2M2",  "4,7 kΩ", "470 Ω", "99G"}
        << Unit::Ohm << 4;
    QTest::newRow("copied: other digits and invisible marks")
        << QStringList{"٤٧", "４７", "\u200E47\u200F", "4\u200B7", "\u00A047\u3000"} << Unit::Ohm
        << 4;
    QTest::newRow("five bands: E96 values and below 0,1")
        << QStringList{"4,99K", "10K", "1,02M", "0,047", "0,0015", "47", "100", "976R", "999G", "0"}
        << Unit::Ohm << 5;
    QTest::newRow("long digit strings")
        << QStringList{QString(63, u'9'), QString(30, u'0') + "47", "12" + QString(9, u'0')}
        << Unit::Ohm << 4;
}

void BenchRules::readTypedValue()
{
    QFETCH(QStringList, typed);
    QFETCH(Unit, unit);
    QFETCH(int, bandCount);
    qsizetype next = 0;
    int accepted = 0;
    QBENCHMARK
    {
        const BandsOrError reading = colorcode::readTypedValue(typed[next], unit, u',', bandCount);
        next = next + 1 == typed.size() ? 0 : next + 1;
        accepted += std::holds_alternative<BandIndices>(reading);
    }
    QVERIFY(accepted >= 0);
}

void BenchRules::standardValueLine_data()
{
    QTest::addColumn<int>("bandCount");
    QTest::newRow("four bands, 14300 choices") << 4;
    QTest::newRow("five bands, 143000 choices") << 5;
}

void BenchRules::standardValueLine()
{
    QFETCH(int, bandCount);
    const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    const std::vector<std::vector<Colour>> choices = everyColourChoice(digitBandsFor(bandCount));
    // Past the zero-ohm choices, which have no line.
    std::size_t next = choices.size() / 2;
    qsizetype characters = 0;
    QBENCHMARK
    {
        characters += colorcode::standardValueLine(choices[next], turkish).size();
        next = next + 1 == choices.size() ? 0 : next + 1;
    }
    QVERIFY(characters > 0);
}

void BenchRules::entryPreview_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<int>("tolerance");
    QTest::newRow("four bands, ± 5 %")
        << QStringList{"4,8K", "4,75K", "9,55K", "10490", "32", "150G", "0,0005", "4.7", "", "0"}
        << 4 << 500;
    QTest::newRow("five bands, ± 1 %")
        << QStringList{"4,8K", "4K99", "0,0105", "999G", "1,25K", QString(63, u'9')} << 5 << 100;
}

void BenchRules::entryPreview()
{
    QFETCH(QStringList, typed);
    QFETCH(int, bandCount);
    QFETCH(int, tolerance);
    const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    qsizetype next = 0;
    qsizetype characters = 0;
    QBENCHMARK
    {
        characters += colorcode::entryPreview(typed[next], Unit::Ohm, bandCount, tolerance, turkish)
                          .line.size();
        next = next + 1 == typed.size() ? 0 : next + 1;
    }
    QVERIFY(characters > 0);
}

QTEST_APPLESS_MAIN(BenchRules)
#include "bench_rules.moc"
