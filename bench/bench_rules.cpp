// Cost of the rules per call: every colour choice turned into result text,
// and typed values read into band indices. Each benchmark iteration is one
// call, so Qt Test reports the time per call; successive iterations walk the
// whole table.

#include "colorcode/bandtables.h"
#include "colorcode/resistance.h"
#include "colorcode/valueentry.h"

#include <QTest>

#include <array>

using namespace colorcode;

Q_DECLARE_METATYPE(colorcode::Unit)

namespace
{

struct Choice {
    int first, second;
    std::int32_t powerOfTen, tolerance;
};

// All 10 x 10 x 12 x 3 choices the four lists allow.
std::vector<Choice> everyChoice()
{
    std::vector<Choice> choices;
    for (int f = 0; f < 10; ++f)
        for (int s = 0; s < 10; ++s)
            for (const ColourEntry &m : multiplierList)
                for (const ToleranceEntry &t : toleranceList)
                    choices.push_back({f, s, m.powerOfTen, t.percent});
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
};

void BenchRules::calculateResistance_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("3600 choices, Turkish") << QLocale(QLocale::Turkish, QLocale::Turkey);
    QTest::newRow("3600 choices, English") << QLocale(QLocale::English, QLocale::UnitedStates);
}

void BenchRules::calculateResistance()
{
    QFETCH(QLocale, locale);
    const std::vector<Choice> choices = everyChoice();
    QCOMPARE(choices.size(), std::size_t(3600));
    std::size_t next = 0;
    qsizetype characters = 0;
    QBENCHMARK
    {
        const Choice &c = choices[next];
        next = next + 1 == choices.size() ? 0 : next + 1;
        const auto r =
            colorcode::calculateResistance(c.first, c.second, c.powerOfTen, c.tolerance, locale);
        characters += r->sonuc.size();
    }
    QVERIFY(characters > 0);
}

void BenchRules::readTypedValue_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<Unit>("unit");

    QTest::newRow("short values, Ohm")
        << QStringList{"47", "470", "4700", "1", "22", "100", "330", "68000", "0", "99"}
        << Unit::Ohm;
    QTest::newRow("short values, Kohm")
        << QStringList{"4", "47", "470", "1", "10", "2200", "33", "5", "680", "12"} << Unit::Kohm;
    QTest::newRow("spaces and leading zeros")
        << QStringList{"  47 ", "\t0047", "000000120", " 0 ", "0330\t"} << Unit::Ohm;
    QTest::newRow("rejected") << QStringList{"",    "   ",    "4.7",       "4m7",
                                             "-47", "ığüşöç", "100000000", "4K7J"}
                              << Unit::Kohm;
    QTest::newRow("decimals and letter code")
        << QStringList{"4,7",  "0,47", "0,015",  "4K7",   "R47",
                       "470R", "2M2",  "4,7 kΩ", "470 Ω", "99G"}
        << Unit::Ohm;
    QTest::newRow("copied: other digits and invisible marks")
        << QStringList{"٤٧", "４７", "\u200E47\u200F", "4\u200B7", "\u00A047\u3000"} << Unit::Ohm;
    QTest::newRow("long digit strings")
        << QStringList{QString(63, u'9'), QString(30, u'0') + "47", "12" + QString(9, u'0')}
        << Unit::Ohm;
}

void BenchRules::readTypedValue()
{
    QFETCH(QStringList, typed);
    QFETCH(Unit, unit);
    qsizetype next = 0;
    int accepted = 0;
    QBENCHMARK
    {
        const ValueReading reading = colorcode::readTypedValue(typed[next], unit, u',');
        next = next + 1 == typed.size() ? 0 : next + 1;
        accepted += reading.bands.has_value();
    }
    QVERIFY(accepted >= 0);
}

QTEST_APPLESS_MAIN(BenchRules)
#include "bench_rules.moc"
