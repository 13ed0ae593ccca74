// The combination search against a brute-force oracle that values every
// network of a small part set exactly and sorts them by the documented
// order (bruteforce.h); the worked examples; reading the boxes.

#include "bruteforce.h"
#include "colorcode/standardvalues.h"
#include "combine/combination.h"
#include "combine/combinationtext.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <set>

using namespace combine;
using colorcode::ExactValue;

Q_DECLARE_METATYPE(combine::SeriesChoice)
Q_DECLARE_METATYPE(combine::Boxes)

using bruteforce::absolute;
using bruteforce::inOhms;
using bruteforce::Int;

namespace
{

// A repeatable sequence of numbers for the targets.
struct Sequence {
    std::uint64_t state;
    std::uint64_t next(std::uint64_t bound)
    {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return (state >> 33) % bound;
    }
};

// Targets of every kind: standard values, sums and parallels of two parts
// (reachable exactly), and arbitrary whole numbers of units over the range.
std::vector<Int> sampleTargets(const bruteforce::Parts &p, int count, std::uint64_t seed)
{
    Sequence random{seed};
    std::vector<Int> targets;
    const std::uint64_t n = p.units.size();
    for (int i = 0; i < count; ++i) {
        const Int a = p.units[random.next(n)], b = p.units[random.next(n)];
        switch (i % 4) {
        case 0:
            targets.push_back(a);
            break;
        case 1:
            targets.push_back(a + b);
            break;
        case 2:
            if ((a * b) % (a + b) == 0) {
                targets.push_back(a * b / (a + b));
                break;
            }
            [[fallthrough]];
        default:
            targets.push_back(1 + Int(random.next(std::uint64_t(p.units.back() * 2))));
        }
    }
    return targets;
}

PartSet partsOf(SeriesChoice series, const ExactValue &low, const ExactValue &high)
{
    const auto made = partsInRange(series, low, high);
    if (const auto *error = std::get_if<RangeError>(&made))
        qFatal("no parts: %d", int(*error));
    return std::get<PartSet>(made);
}

QString describe(const bruteforce::Network &net)
{
    return QStringLiteral("shape %1 parts %2 %3 %4")
        .arg(int(net.shape))
        .arg(net.written[0])
        .arg(net.written[1])
        .arg(net.written[2]);
}

QString describe(const Network &net)
{
    return QStringLiteral("shape %1 parts %2 %3 %4")
        .arg(int(net.shape))
        .arg(net.parts[0])
        .arg(net.parts[1])
        .arg(net.parts[2]);
}

Answer ask(const Boxes &boxes, const QLocale &locale = QLocale(QLocale::Turkish))
{
    const auto read = readQuestion(boxes, locale.decimalPoint().at(0));
    if (const auto *message = std::get_if<QString>(&read))
        return Answer{*message, {}, {}, {}};
    const Question &q = std::get<Question>(read);
    const auto made = partsInRange(q.series, q.low, q.high);
    if (const auto *error = std::get_if<RangeError>(&made))
        return Answer{rangeErrorMessage(*error, q.series), {}, {}, {}};
    const PartSet &set = std::get<PartSet>(made);
    std::optional<PairTables> tables;
    if (needsPairTables(q))
        tables.emplace(set);
    return answer(q, set, tables ? &*tables : nullptr, locale);
}

Boxes boxesFor(const QString &target, SeriesChoice series, int maxParts, bool divider,
               const QString &leftOut = {})
{
    Boxes b;
    b.target = target;
    b.series = series;
    b.maxParts = maxParts;
    b.divider = divider;
    b.leftOut = leftOut;
    b.low = defaultLowText(divider);
    b.high = defaultHighText(divider);
    return b;
}

} // namespace

class TestCombine : public QObject
{
    Q_OBJECT
private slots:
    void againstOracle_data();
    void againstOracle();
    void dividersAgainstOracle_data();
    void dividersAgainstOracle();
    void examples_data();
    void examples();
    void reach_data();
    void reach();
    void tieOrder();
    void unionNeverWorse();
    void errorText();
    void sameUnderEveryLocale();
    void readRatio_data();
    void readRatio();
    void readBoxes_data();
    void readBoxes();
};

void TestCombine::againstOracle_data()
{
    QTest::addColumn<SeriesChoice>("series");
    QTest::addColumn<int>("lowPower");
    QTest::addColumn<int>("highPower");
    QTest::addColumn<int>("maxParts");
    QTest::addColumn<int>("leaveOutEvery"); // 0: none
    QTest::addColumn<int>("targets");

    // Two parts over the whole default range: the worked examples' setting.
    QTest::newRow("E6 1Ω-10MΩ 2") << SeriesChoice::E6 << 0 << 7 << 2 << 0 << 24;
    QTest::newRow("E96 1Ω-10MΩ 2") << SeriesChoice::E96 << 0 << 7 << 2 << 0 << 8;
    QTest::newRow("E24+E96 1Ω-10MΩ 2") << SeriesChoice::E24PlusE96 << 0 << 7 << 2 << 0 << 8;
    // Keys beyond 32 bits in the pair tables.
    QTest::newRow("E6 1Ω-1GΩ 2") << SeriesChoice::E6 << 0 << 9 << 2 << 0 << 16;
    QTest::newRow("E12 10Ω-10kΩ 1") << SeriesChoice::E12 << 1 << 4 << 1 << 0 << 16;
    // Three parts over smaller sets.
    QTest::newRow("E6 10Ω-10kΩ 3") << SeriesChoice::E6 << 1 << 4 << 3 << 0 << 24;
    QTest::newRow("E12 10Ω-10kΩ 3") << SeriesChoice::E12 << 1 << 4 << 3 << 0 << 16;
    QTest::newRow("E12 10Ω-10kΩ 3 leaving out") << SeriesChoice::E12 << 1 << 4 << 3 << 3 << 12;
    QTest::newRow("E24 10Ω-1kΩ 3") << SeriesChoice::E24 << 1 << 3 << 3 << 0 << 12;
    QTest::newRow("E48 100Ω-1kΩ 3") << SeriesChoice::E48 << 2 << 3 << 3 << 0 << 8;
    QTest::newRow("E96 100Ω-1kΩ 3 leaving out") << SeriesChoice::E96 << 2 << 3 << 3 << 5 << 4;
    QTest::newRow("E192 100Ω-1kΩ 2") << SeriesChoice::E192 << 2 << 3 << 2 << 0 << 12;
    QTest::newRow("E24+E96 100Ω-1kΩ 3") << SeriesChoice::E24PlusE96 << 2 << 3 << 3 << 0 << 4;
}

void TestCombine::againstOracle()
{
    QFETCH(SeriesChoice, series);
    QFETCH(int, lowPower);
    QFETCH(int, highPower);
    QFETCH(int, maxParts);
    QFETCH(int, leaveOutEvery);
    QFETCH(int, targets);

    const bruteforce::Parts oracle = bruteforce::partsOf(series, lowPower, highPower);
    const PartSet set = partsOf(series, ExactValue{"1", lowPower}, ExactValue{"1", highPower});
    // The same parts, so that indices compare.
    QCOMPARE(set.parts.size(), oracle.units.size());
    QCOMPARE(set.unitPower, oracle.unitPower);
    for (std::size_t i = 0; i < set.parts.size(); ++i) {
        QCOMPARE(set.parts[i].ohms, inOhms(oracle.units[i], oracle.unitPower));
        QCOMPARE(set.parts[i].fine, bool(oracle.fine[i]));
    }
    std::vector<bool> leftOut;
    if (leaveOutEvery)
        for (std::size_t i = 0; i < set.parts.size(); ++i)
            leftOut.push_back(i % std::size_t(leaveOutEvery) == 1);
    const PairTables tables(set);

    for (const Int t : sampleTargets(oracle, targets, std::uint64_t(lowPower * 131 + maxParts))) {
        const ExactValue target = inOhms(t, oracle.unitPower);
        const auto expected = bruteforce::best(oracle, t, maxParts, leftOut);
        const auto found = bestNetworks(set, &tables, target, maxParts, leftOut);
        const QByteArray where = "target " + QByteArray::fromStdString(target.digits) + "e" +
                                 QByteArray::number(target.powerOfTen);
        QVERIFY2(found.size() == expected.size(), where);
        for (std::size_t i = 0; i < found.size(); ++i) {
            const bruteforce::Network &e = expected[i];
            const Network &f = found[i];
            const bool same =
                f.shape == e.shape &&
                std::equal(e.written.begin(), e.written.begin() + e.count, f.parts.begin(),
                           [](int x, std::uint16_t y) { return x == int(y); });
            QVERIFY2(same, where + " rank " + QByteArray::number(qulonglong(i)) + ": " +
                               describe(f).toUtf8() + " instead of " + describe(e).toUtf8());
            QVERIFY(Int(f.numerator) * e.d == e.n * Int(f.denominator));
        }
    }
}

void TestCombine::dividersAgainstOracle_data()
{
    QTest::addColumn<SeriesChoice>("series");
    QTest::addColumn<quint64>("numerator");
    QTest::addColumn<quint64>("denominator");
    QTest::addColumn<bool>("leaveOut");

    QTest::newRow("E24 0,66") << SeriesChoice::E24 << quint64(66) << quint64(100) << false;
    QTest::newRow("E24 3,3 V of 5 V") << SeriesChoice::E24 << quint64(33) << quint64(50) << false;
    QTest::newRow("E96 0,66") << SeriesChoice::E96 << quint64(66) << quint64(100) << false;
    QTest::newRow("E24+E96 0,66") << SeriesChoice::E24PlusE96 << quint64(66) << quint64(100)
                                  << false;
    QTest::newRow("E12 1/2") << SeriesChoice::E12 << quint64(1) << quint64(2) << false;
    QTest::newRow("E6 1/3 leaving out") << SeriesChoice::E6 << quint64(1) << quint64(3) << true;
    QTest::newRow("E192 1,8 V of 12 V") << SeriesChoice::E192 << quint64(3) << quint64(20) << false;
    QTest::newRow("E48 0,999") << SeriesChoice::E48 << quint64(999) << quint64(1000) << true;
}

void TestCombine::dividersAgainstOracle()
{
    QFETCH(SeriesChoice, series);
    QFETCH(quint64, numerator);
    QFETCH(quint64, denominator);
    QFETCH(bool, leaveOut);

    const bruteforce::Parts p = bruteforce::partsOf(series, 3, 6);
    const PartSet set = partsOf(series, ExactValue{"1", 3}, ExactValue{"1", 6});
    QCOMPARE(set.parts.size(), p.units.size());
    std::vector<bool> leftOut;
    if (leaveOut)
        for (std::size_t i = 0; i < p.units.size(); ++i)
            leftOut.push_back(i % 4 == 0);
    const Int n = numerator, d = denominator;
    struct Pair {
        int r1, r2;
    };
    const auto gap = [&](const Pair &x) {
        return absolute(p.units[std::size_t(x.r2)] * d -
                        n * (p.units[std::size_t(x.r1)] + p.units[std::size_t(x.r2)]));
    };
    const auto total = [&](const Pair &x) {
        return p.units[std::size_t(x.r1)] + p.units[std::size_t(x.r2)];
    };
    const auto fine = [&](const Pair &x) {
        return int(p.fine[std::size_t(x.r1)]) + int(p.fine[std::size_t(x.r2)]);
    };
    std::vector<Pair> all;
    for (int r1 = 0; r1 < int(p.units.size()); ++r1)
        for (int r2 = 0; r2 < int(p.units.size()); ++r2)
            if (leftOut.empty() || (!leftOut[std::size_t(r1)] && !leftOut[std::size_t(r2)]))
                all.push_back({r1, r2});
    std::sort(all.begin(), all.end(), [&](const Pair &x, const Pair &y) {
        const Int left = gap(x) * total(y), right = gap(y) * total(x);
        if (left != right)
            return left < right;
        if (fine(x) != fine(y))
            return fine(x) < fine(y);
        if (total(x) != total(y))
            return total(x) < total(y);
        return x.r2 < y.r2;
    });
    const auto found = bestDividers(set, Ratio{numerator, denominator}, leftOut);
    QCOMPARE(found.size(), std::size_t(10));
    for (std::size_t i = 0; i < found.size(); ++i) {
        QCOMPARE(int(found[i].r1), all[i].r1);
        QCOMPARE(int(found[i].r2), all[i].r2);
    }
}

void TestCombine::examples_data()
{
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<QStringList>("firstLines"); // each the start of its line
    QTest::addColumn<int>("exactCount");         // of the ten; -1: the first at least

    const auto net = [](const char *target, SeriesChoice s, int parts, const char *leftOut = "") {
        return boxesFor(QString::fromUtf8(target), s, parts, false, QString::fromUtf8(leftOut));
    };
    const auto divider = [](const char *ratio, SeriesChoice s) {
        return boxesFor(QString::fromUtf8(ratio), s, 2, true);
    };
    QTest::newRow("9 kΩ E6, the only exact pair")
        << net("9K", SeriesChoice::E6, 2)
        << QStringList{"2,2 Kilo Ohm + 6,8 Kilo Ohm = 9 Kilo Ohm  tam  (± % 20: 7,2 Kilo Ohm – "
                       "10,8 Kilo Ohm)"}
        << 1;
    QTest::newRow("957 Ω E96, two parts")
        << net("957", SeriesChoice::E96, 2)
        << QStringList{"4,02 Ohm + 953 Ohm = 957,02 Ohm  +0,0021 %",
                       "1,87 Kilo Ohm ∥ 1,96 Kilo Ohm ≈ 956,97 Ohm  −0,0030 %"}
        << 0;
    QTest::newRow("957 Ω E96, three parts")
        << net("957", SeriesChoice::E96, 3) << QStringList{} << -1;
    QTest::newRow("333 Ω E12")
        << net("333", SeriesChoice::E12, 2)
        << QStringList{"560 Ohm ∥ 820 Ohm ≈ 332,75 Ohm  −0,074 %  (± % 10: 299,47 Ohm – "
                       "366,03 Ohm)"}
        << 0;
    QTest::newRow("164 kΩ E96: six exact pairs")
        << net("164 kΩ", SeriesChoice::E96, 2)
        << QStringList{"2 Kilo Ohm + 162 Kilo Ohm = 164 Kilo Ohm  tam",
                       "10 Kilo Ohm + 154 Kilo Ohm = 164 Kilo Ohm  tam",
                       "14 Kilo Ohm + 150 Kilo Ohm = 164 Kilo Ohm  tam",
                       "21 Kilo Ohm + 143 Kilo Ohm = 164 Kilo Ohm  tam",
                       "34 Kilo Ohm + 130 Kilo Ohm = 164 Kilo Ohm  tam",
                       "59 Kilo Ohm + 105 Kilo Ohm = 164 Kilo Ohm  tam"}
        << 6;
    QTest::newRow("164 kΩ E96 without 162 kΩ")
        << net("164K", SeriesChoice::E96, 2, "162K")
        << QStringList{"10 Kilo Ohm + 154 Kilo Ohm = 164 Kilo Ohm  tam"} << 5;
    QTest::newRow("4,7 kΩ E24 itself")
        << net("4K7", SeriesChoice::E24, 3) << QStringList{"4,7 Kilo Ohm tek başına  tam"} << -1;
    QTest::newRow("ratio 0,66 E24")
        << divider("0,66", SeriesChoice::E24)
        << QStringList{"R1 4,7 Kilo Ohm, R2 9,1 Kilo Ohm: ≈ 0,65942  −0,088 %",
                       "R1 47 Kilo Ohm, R2 91 Kilo Ohm: ≈ 0,65942  −0,088 %",
                       "R1 470 Kilo Ohm, R2 910 Kilo Ohm: ≈ 0,65942  −0,088 %"}
        << 0;
    QTest::newRow("5 V to 3,3 V E24")
        << divider("5 V 3,3 V", SeriesChoice::E24)
        << QStringList{"R1 4,7 Kilo Ohm, R2 9,1 Kilo Ohm: ≈ 0,65942  −0,088 %"} << 0;
    QTest::newRow("ratio 0,66 E24 + E96")
        << divider("0,66", SeriesChoice::E24PlusE96)
        << QStringList{"R1 8,25 Kilo Ohm, R2 16 Kilo Ohm: ≈ 0,65979  −0,031 %"} << 0;
}

void TestCombine::examples()
{
    QFETCH(Boxes, boxes);
    QFETCH(QStringList, firstLines);
    QFETCH(int, exactCount);

    const Answer a = ask(boxes);
    QVERIFY2(a.message.isEmpty(), qPrintable(a.message));
    QCOMPARE(a.lines.size(), 10);
    for (qsizetype i = 0; i < firstLines.size(); ++i)
        QVERIFY2(a.lines[i].startsWith(firstLines[i]), qPrintable(a.lines[i]));
    const auto exact = std::ranges::count_if(a.numbers, &NumericResult::exact);
    if (exactCount < 0) {
        QVERIFY(a.numbers.front().exact);
    } else {
        QCOMPARE(int(exact), exactCount);
    }
    // Exact ones first.
    for (std::size_t i = 0; i < std::size_t(exact); ++i)
        QVERIFY(a.numbers[i].exact);
}

void TestCombine::reach_data()
{
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<QString>("message");   // empty where answered
    QTest::addColumn<QString>("firstLine"); // its start, where answered

    const auto net = [](const char *target, int parts, const char *low, const char *high) {
        Boxes b = boxesFor(QString::fromUtf8(target), SeriesChoice::E24, parts, false);
        b.low = QString::fromUtf8(low);
        b.high = QString::fromUtf8(high);
        return b;
    };
    const auto divider = [](const char *ratio) {
        return boxesFor(QString::fromUtf8(ratio), SeriesChoice::E24, 2, true);
    };
    const QString defaultReach = QStringLiteral(
        "1 Ohm – 10 Mega Ohm aralığının parçalarıyla yapılamaz: en çok 2 parça 0,5 Ohm ile "
        "20 Mega Ohm arasını verir.");
    QTest::newRow("below the smallest over two")
        << net("0,049", 2, "1", "10M") << QStringLiteral("Hedef (0,049 Ohm) ") + defaultReach
        << QString();
    QTest::newRow("above the largest times two")
        << net("999G", 2, "1", "10M") << QStringLiteral("Hedef (999000 Mega Ohm) ") + defaultReach
        << QString();
    QTest::newRow("just above") << net("20000001", 2, "1", "10M")
                                << QStringLiteral("Hedef (20,000001 Mega Ohm) ") + defaultReach
                                << QString();
    QTest::newRow("smallest over two, reached")
        << net("0,5", 2, "1", "10M") << QString() << QStringLiteral("1 Ohm ∥ 1 Ohm = 0,5 Ohm  tam");
    QTest::newRow("largest times two, reached")
        << net("20M", 2, "1", "10M") << QString()
        << QStringLiteral("10 Mega Ohm + 10 Mega Ohm = 20 Mega Ohm  tam");
    QTest::newRow("three parts, a third not written out")
        << net("3", 3, "10", "100K")
        << QStringLiteral("Hedef (3 Ohm) 10 Ohm – 100 Kilo Ohm aralığının parçalarıyla yapılamaz: "
                          "en çok 3 parça 3,3333 Ohm ile 300 Kilo Ohm arasını verir.")
        << QString();
    QTest::newRow("one part") << net("11", 1, "1", "10")
                              << QStringLiteral("Hedef (11 Ohm) 1 Ohm – 10 Ohm aralığının "
                                                "parçalarıyla yapılamaz: en çok 1 parça 1 Ohm ile "
                                                "10 Ohm arasını verir.")
                              << QString();
    const QString ratioReach = QStringLiteral("Bu oran 1000 Ohm – 1000 Kilo Ohm aralığının "
                                              "parçalarıyla yapılamaz: iki parça 0,000999 ile "
                                              "0,99901 arasını verir.");
    QTest::newRow("ratio below") << divider("0,0000001") << ratioReach << QString();
    QTest::newRow("ratio above") << divider("0,9995") << ratioReach << QString();
    QTest::newRow("ratio at the low end")
        << divider("1 1001") << QString()
        << QStringLiteral("R1 1000 Kilo Ohm, R2 1000 Ohm: ≈ 0,000999  tam");
    QTest::newRow("ratio at the high end")
        << divider("1000 1001") << QString()
        << QStringLiteral("R1 1000 Ohm, R2 1000 Kilo Ohm: ≈ 0,999  tam");

    // Left-out parts may leave only what is far from the target: the error
    // shows its digits rather than −100,00 %.
    Boxes lone = boxesFor(QStringLiteral("50K"), SeriesChoice::E6, 1, false,
                          QStringLiteral("1,5 2,2 3,3 4,7 6,8 10 15 22 33 47 68 100 150 220 330 "
                                         "470 680 1K 1K5 2K2 3K3 4K7 6K8 10K 15K 22K 33K 47K 68K"));
    lone.low = QStringLiteral("1");
    lone.high = QStringLiteral("68K");
    QTest::newRow("−99,998 %, not −100,00 %")
        << lone << QString() << QStringLiteral("1 Ohm tek başına  −99,998 %");
}

void TestCombine::reach()
{
    QFETCH(Boxes, boxes);
    QFETCH(QString, message);
    QFETCH(QString, firstLine);
    const Answer a = ask(boxes);
    QCOMPARE(a.message, message);
    if (message.isEmpty()) {
        QVERIFY(!a.lines.isEmpty());
        QVERIFY2(a.lines.front().startsWith(firstLine), qPrintable(a.lines.front()));
    } else {
        QVERIFY(a.lines.isEmpty());
    }
}

void TestCombine::tieOrder()
{
    // 3,2 kΩ is 1 kΩ + 2,2 kΩ in E24 values and 1,05 kΩ + 2,15 kΩ in E96-only
    // ones: the E24 pair comes first however near its largest part lies.
    const Answer a = ask(boxesFor(QStringLiteral("3K2"), SeriesChoice::E24PlusE96, 2, false));
    const auto at = [&a](const QString &network) {
        for (qsizetype i = 0; i < a.lines.size(); ++i)
            if (a.lines[i].startsWith(network + QStringLiteral(" = ")))
                return i;
        return qsizetype(-1);
    };
    const qsizetype coarse = at(QStringLiteral("1000 Ohm + 2,2 Kilo Ohm"));
    const qsizetype fine = at(QStringLiteral("1,05 Kilo Ohm + 2,15 Kilo Ohm"));
    QVERIFY(coarse >= 0);
    QVERIFY(fine < 0 || coarse < fine);
    // Among equal errors fewer parts win: a standard value alone, then the
    // exact pairs (2 kΩ ∥ 2 kΩ, 180 Ω + 820 Ω), then exact triples.
    const Answer b = ask(boxesFor(QStringLiteral("1K"), SeriesChoice::E24, 3, false));
    QVERIFY(b.lines.front().startsWith(QStringLiteral("1000 Ohm tek başına  tam")));
    QVERIFY(b.numbers[1].exact && b.numbers[1].parts.size() == 2);
    for (std::size_t i = 1; i < b.numbers.size(); ++i)
        if (b.numbers[i].exact)
            QVERIFY(b.numbers[i - 1].exact &&
                    b.numbers[i - 1].parts.size() <= b.numbers[i].parts.size());
}

void TestCombine::unionNeverWorse()
{
    // The union's best is at least as near as either series' best, for
    // networks of each size and for dividers, compared exactly.
    const ExactValue low{"1", 1}, high{"1", 5};
    const PartSet e24 = partsOf(SeriesChoice::E24, low, high);
    const PartSet e96 = partsOf(SeriesChoice::E96, low, high);
    const PartSet both = partsOf(SeriesChoice::E24PlusE96, low, high);
    const PairTables t24(e24), t96(e96), tBoth(both);
    // |error| · target as a fraction in the finest units (10^-2 ohm).
    const auto gap = [](const PartSet &set, const Network &n, Int target) {
        Int scale = 1;
        for (int i = -2; i < set.unitPower; ++i)
            scale *= 10;
        return std::pair{absolute(Int(n.numerator) * scale - target * Int(n.denominator)),
                         Int(n.denominator)};
    };
    const auto notWorse = [](std::pair<Int, Int> x, std::pair<Int, Int> y) {
        return x.first * y.second <= y.first * x.second;
    };
    Sequence random{7};
    for (int i = 0; i < 40; ++i) {
        const Int target = 1000 + Int(random.next(9000000)); // 10 Ω to 90 kΩ in 10^-2 Ω
        const ExactValue t = inOhms(target, -2);
        for (const int parts : {1, 2, 3}) {
            const auto b = bestNetworks(both, &tBoth, t, parts, {}, 1);
            const auto x = bestNetworks(e24, &t24, t, parts, {}, 1);
            const auto y = bestNetworks(e96, &t96, t, parts, {}, 1);
            QVERIFY(notWorse(gap(both, b[0], target), gap(e24, x[0], target)));
            QVERIFY(notWorse(gap(both, b[0], target), gap(e96, y[0], target)));
        }
        const Ratio r{1 + random.next(999), 1000};
        const auto dividerGap = [r](const PartSet &set, const Divider &d) {
            const Int r1 = set.parts[d.r1].units, r2 = set.parts[d.r2].units;
            return std::pair{absolute(r2 * Int(r.denominator) - Int(r.numerator) * (r1 + r2)),
                             r1 + r2};
        };
        const auto db = bestDividers(both, r, {}, 1), dx = bestDividers(e24, r, {}, 1),
                   dy = bestDividers(e96, r, {}, 1);
        QVERIFY(notWorse(dividerGap(both, db[0]), dividerGap(e24, dx[0])));
        QVERIFY(notWorse(dividerGap(both, db[0]), dividerGap(e96, dy[0])));
    }
}

void TestCombine::errorText()
{
    // Every error shown: a sign, two decimals or more, at least two
    // significant digits, never all zeros; "tam" only for exact ones.
    const QRegularExpression shape(QStringLiteral("  ([+−])(\\d+),(\\d+) %  |  tam  "));
    for (const SeriesChoice s : seriesChoices)
        for (const char *target : {"957", "333", "1K", "12K3", "5", "99K9"}) {
            Boxes boxes = boxesFor(QString::fromLatin1(target), s, 2, false);
            boxes.low = QStringLiteral("10");
            boxes.high = QStringLiteral("100K");
            const Answer a = ask(boxes);
            QCOMPARE(a.lines.size(), 10);
            for (std::size_t i = 0; i < a.numbers.size(); ++i) {
                const QString &line = a.lines[qsizetype(i)];
                const auto m = shape.match(line);
                QVERIFY2(m.hasMatch(), qPrintable(line));
                QCOMPARE(m.captured(0) == QStringLiteral("  tam  "), a.numbers[i].exact);
                if (a.numbers[i].exact)
                    continue;
                QCOMPARE(m.captured(1) == QStringLiteral("−"), a.numbers[i].errorPercent < 0);
                QString digits = m.captured(2) + m.captured(3);
                digits.remove(QRegularExpression(QStringLiteral("^0+")));
                QVERIFY2(m.captured(3).size() >= 2 && digits.size() >= 2, qPrintable(line));
            }
        }
}

void TestCombine::sameUnderEveryLocale()
{
    for (const bool divider : {false, true}) {
        Boxes tr = boxesFor(divider ? QStringLiteral("0,4") : QStringLiteral("12,34K"),
                            SeriesChoice::E192, 3, divider, QStringLiteral("12K4; 12,1 kΩ"));
        tr.low = QStringLiteral("1K");
        tr.high = QStringLiteral("100K");
        Boxes en = tr;
        en.target.replace(u',', u'.');
        en.leftOut.replace(u',', u'.');
        const Answer a = ask(tr, QLocale(QLocale::Turkish));
        const Answer b = ask(en, QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(a.lines.size(), 10);
        QCOMPARE(a.lines.size(), b.lines.size());
        for (qsizetype i = 0; i < a.lines.size(); ++i) {
            QString converted = a.lines[i];
            converted.replace(QRegularExpression(QStringLiteral("(\\d),(\\d)")),
                              QStringLiteral("\\1.\\2"));
            QCOMPARE(b.lines[i], converted);
            QCOMPARE(b.numbers[std::size_t(i)].parts, a.numbers[std::size_t(i)].parts);
            QCOMPARE(b.numbers[std::size_t(i)].value, a.numbers[std::size_t(i)].value);
        }
    }
}

void TestCombine::readRatio_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<quint64>("numerator"); // 0: refused
    QTest::addColumn<quint64>("denominator");

    QTest::newRow("number") << "0,66" << QChar(u',') << quint64(33) << quint64(50);
    QTest::newRow("point") << "0.66" << QChar(u'.') << quint64(33) << quint64(50);
    QTest::newRow("voltages") << "5 V 3,3 V" << QChar(u',') << quint64(33) << quint64(50);
    QTest::newRow("joined units") << "5V; 3,3V" << QChar(u',') << quint64(33) << quint64(50);
    QTest::newRow("other order") << "3,3 V 5 V" << QChar(u',') << quint64(33) << quint64(50);
    QTest::newRow("bare voltages") << "12 1,8" << QChar(u',') << quint64(3) << quint64(20);
    QTest::newRow("other mark") << "0.66" << QChar(u',') << quint64(0) << quint64(0);
    QTest::newRow("one") << "1" << QChar(u',') << quint64(0) << quint64(0);
    QTest::newRow("zero") << "0" << QChar(u',') << quint64(0) << quint64(0);
    QTest::newRow("equal voltages") << "5 V 5 V" << QChar(u',') << quint64(0) << quint64(0);
    QTest::newRow("three numbers") << "5 3 1" << QChar(u',') << quint64(0) << quint64(0);
    QTest::newRow("word") << "yarım" << QChar(u',') << quint64(0) << quint64(0);
}

void TestCombine::readRatio()
{
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    QFETCH(quint64, numerator);
    QFETCH(quint64, denominator);

    // The ratio as a divider's boxes ask it.
    const auto read = readQuestion(boxesFor(text, SeriesChoice::E24, 2, true), separator);
    if (numerator == 0) {
        QVERIFY(std::holds_alternative<QString>(read));
        return;
    }
    QVERIFY(std::holds_alternative<Question>(read));
    QCOMPARE(std::get<Question>(read).ratio, (Ratio{numerator, denominator}));
}

void TestCombine::readBoxes_data()
{
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<QString>("message"); // the start of the refusal; empty: read
    QTest::addColumn<int>("leftOut");

    const Boxes plain = boxesFor(QStringLiteral("4K7"), SeriesChoice::E24, 2, false);
    Boxes b = plain;
    QTest::newRow("defaults") << b << QString() << 0;
    b.leftOut = QStringLiteral("4,7 kΩ; 10K  2M2 R47");
    QTest::newRow("left out, unit apart") << b << QString() << 4;
    b.leftOut = QStringLiteral("4,7 x");
    QTest::newRow("left out, unreadable") << b << QStringLiteral("Dışarıda bırakılacak") << 0;
    b = plain;
    b.target = QStringLiteral("0");
    QTest::newRow("zero target") << b << QStringLiteral("Hedef sıfırdan") << 0;
    b.target = QString();
    QTest::newRow("empty target") << b << QStringLiteral("Hedef: ") << 0;
    b = plain;
    b.low = QStringLiteral("4,7.1");
    QTest::newRow("unreadable low") << b << QStringLiteral("Alt sınır: ") << 0;
}

void TestCombine::readBoxes()
{
    QFETCH(Boxes, boxes);
    QFETCH(QString, message);
    QFETCH(int, leftOut);

    const auto read = readQuestion(boxes, u',');
    if (!message.isEmpty()) {
        QVERIFY(std::holds_alternative<QString>(read));
        QVERIFY2(std::get<QString>(read).startsWith(message), qPrintable(std::get<QString>(read)));
        return;
    }
    QVERIFY(std::holds_alternative<Question>(read));
    const Question &q = std::get<Question>(read);
    QCOMPARE(int(q.leftOut.size()), leftOut);
    QCOMPARE(q.low, (ExactValue{"1", 0}));
    QCOMPARE(q.high, (ExactValue{"1", 7}));
}

QTEST_GUILESS_MAIN(TestCombine)
#include "tst_combine.moc"
