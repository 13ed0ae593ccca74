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
    std::int32_t multiplier, tolerance;
};

// All 10 x 10 x 10 x 3 choices the four lists allow.
std::vector<Choice> everyChoice()
{
    std::vector<Choice> choices;
    for (int f = 0; f < 10; ++f)
        for (int s = 0; s < 10; ++s)
            for (const ColourEntry &m : colourList)
                for (const ToleranceEntry &t : toleranceList)
                    choices.push_back({f, s, m.multiplier, t.percent});
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
    QTest::newRow("3000 choices, Turkish") << QLocale(QLocale::Turkish, QLocale::Turkey);
    QTest::newRow("3000 choices, English") << QLocale(QLocale::English, QLocale::UnitedStates);
}

void BenchRules::calculateResistance()
{
    QFETCH(QLocale, locale);
    const std::vector<Choice> choices = everyChoice();
    QCOMPARE(choices.size(), std::size_t(3000));
    std::size_t next = 0;
    qsizetype characters = 0;
    QBENCHMARK
    {
        const Choice &c = choices[next];
        next = next + 1 == choices.size() ? 0 : next + 1;
        const auto r =
            colorcode::calculateResistance(c.first, c.second, c.multiplier, c.tolerance, locale);
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
    QTest::newRow("rejected") << QStringList{"",    "   ",    "4,7",       "4k7",
                                             "-47", "ığüşöç", "100000000", "47 Ohm"}
                              << Unit::Kohm;
    QTest::newRow("long digit strings")
        << QStringList{QString(64, u'9'), QString(30, u'0') + "47", "12" + QString(9, u'0')}
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
        const ValueReading reading = colorcode::readTypedValue(typed[next], unit);
        next = next + 1 == typed.size() ? 0 : next + 1;
        accepted += reading.bands.has_value();
    }
    QVERIFY(accepted >= 0);
}

QTEST_APPLESS_MAIN(BenchRules)
#include "bench_rules.moc"
