// Cost of the combination search: the first answer for a series and range,
// tables included, then each later answer; and the search against a brute
// force over every network, which must give the same best answer.
//
// ctest runs this once, briefly, on small cases. The figures that matter
// need TAVLORA_BENCH_FULL=1: E192 with three parts over 1 Ohm to 10 Mega Ohm
// (table and later answers; some 905 000 pairs per table) and the brute
// force over E96 with three parts across three decades (some 32 million
// networks per target). Figures are printed, never judged.

#include "bruteforce.h"
#include "combine/combination.h"
#include "combine/combinationtext.h"

#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <optional>

using namespace combine;
using colorcode::ExactValue;

namespace
{

bool full()
{
    return qEnvironmentVariableIntValue("TAVLORA_BENCH_FULL") == 1;
}

double milliseconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// "mean 0.6 ms, median 0.5 ms, 95 % within 1.1 ms, longest 2.3 ms": the
// longest alone mostly tells when another process had the processor.
QByteArray spread(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    double total = 0;
    for (const double t : times)
        total += t;
    return QStringLiteral("mean %1 ms, median %2 ms, 95 % within %3 ms, longest %4 ms")
        .arg(total / double(times.size()), 0, 'f', 3)
        .arg(times[times.size() / 2], 0, 'f', 3)
        .arg(times[times.size() * 95 / 100], 0, 'f', 3)
        .arg(times.back(), 0, 'f', 3)
        .toUtf8();
}

PartSet partsOf(SeriesChoice series, const ExactValue &low, const ExactValue &high)
{
    return std::get<PartSet>(partsInRange(series, low, high));
}

// Targets spread over the range: a repeatable walk of 3 to 4 significant
// digits times powers of ten.
std::vector<ExactValue> targets(int count, int lowPower, int highPower)
{
    std::vector<ExactValue> result;
    std::uint64_t state = 12345;
    for (int i = 0; i < count; ++i) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        const int digits = 1000 + int((state >> 33) % 9000);
        const int power = lowPower - 3 + int((state >> 20) % std::uint64_t(highPower - lowPower));
        result.push_back(colorcode::normalised(ExactValue{std::to_string(digits), power}));
    }
    return result;
}

} // namespace

class BenchCombine : public QObject
{
    Q_OBJECT
private slots:
    void firstAndLaterAnswers();
    void answer_data();
    void answer();
    void againstBruteForce();
};

void BenchCombine::firstAndLaterAnswers()
{
    // The window's case: a series and range chosen, then typing.
    const SeriesChoice series = full() ? SeriesChoice::E192 : SeriesChoice::E24;
    const ExactValue low{"1", 0}, high{"1", 7};
    const ExactValue first{"47", 2};

    QElapsedTimer timer;
    timer.start();
    const PartSet set = partsOf(series, low, high);
    const double partsTime = milliseconds(timer);
    const PairTables tables(set);
    const double tablesTime = milliseconds(timer) - partsTime;
    const auto firstBest = bestNetworks(set, &tables, first, 3, {});
    const double firstTime = milliseconds(timer);
    QCOMPARE(firstBest.size(), std::size_t(10));
    qInfo("%s, 3 parts, 1 Ohm to 10 Mega Ohm: %zu parts, %zu pairs per table",
          qPrintable(seriesChoiceName(series)), set.parts.size(), pairCount(set));
    qInfo("first answer %.1f ms (parts %.2f ms, tables %.1f ms, search %.2f ms); goal 500 ms",
          firstTime, partsTime, tablesTime, firstTime - partsTime - tablesTime);

    const std::vector<ExactValue> later = targets(full() ? 500 : 50, 0, 7);
    std::vector<double> times;
    for (const ExactValue &t : later) {
        timer.restart();
        const auto best = bestNetworks(set, &tables, t, 3, {});
        times.push_back(milliseconds(timer));
        QCOMPARE(best.size(), std::size_t(10));
    }
    qInfo("later answers (search only), %zu targets: %s; goal 5 ms", later.size(),
          spread(times).constData());

    // With every line and number written, as the window shows them.
    Question q;
    q.series = series;
    q.low = low;
    q.high = high;
    q.maxParts = 3;
    times.clear();
    for (const ExactValue &t : later) {
        q.target = t;
        timer.restart();
        const Answer a = combine::answer(q, set, &tables, QLocale(QLocale::Turkish));
        times.push_back(milliseconds(timer));
        QCOMPARE(a.lines.size(), 10);
    }
    qInfo("later answers with text, %zu targets: %s", later.size(), spread(times).constData());
}

void BenchCombine::answer_data()
{
    QTest::addColumn<int>("maxParts");
    QTest::addColumn<bool>("divider");
    QTest::newRow("one part") << 1 << false;
    QTest::newRow("two parts") << 2 << false;
    QTest::newRow("three parts") << 3 << false;
    QTest::newRow("divider") << 2 << true;
}

// Per call, over targets across the range, E96 over the default range; the
// tables are built before measuring.
void BenchCombine::answer()
{
    QFETCH(int, maxParts);
    QFETCH(bool, divider);
    static const PartSet set = partsOf(SeriesChoice::E96, ExactValue{"1", 0}, ExactValue{"1", 7});
    static const PairTables tables(set);
    static const PartSet dividerSet =
        partsOf(SeriesChoice::E96, ExactValue{"1", 3}, ExactValue{"1", 6});
    const std::vector<ExactValue> values = targets(64, 0, 7);
    std::size_t next = 0;
    QBENCHMARK
    {
        const ExactValue &t = values[next++ % values.size()];
        if (divider) {
            std::uint64_t digits = 0;
            for (const char c : t.digits)
                digits = digits * 10 + std::uint64_t(c - '0');
            const Ratio r{digits, std::uint64_t(10000)};
            QCOMPARE(bestDividers(dividerSet, r, {}).size(), std::size_t(10));
        } else {
            QCOMPARE(bestNetworks(set, &tables, t, maxParts, {}).size(), std::size_t(10));
        }
    }
}

void BenchCombine::againstBruteForce()
{
    // E96 over 100 Ohm to 100 kOhm in full; E24 over 100 Ohm to 10 kOhm
    // otherwise.
    const SeriesChoice series = full() ? SeriesChoice::E96 : SeriesChoice::E24;
    const int lowPower = 2, highPower = full() ? 5 : 4;
    const bruteforce::Parts oracle = bruteforce::partsOf(series, lowPower, highPower);
    QElapsedTimer timer;
    timer.start();
    const PartSet set = partsOf(series, ExactValue{"1", lowPower}, ExactValue{"1", highPower});
    const PairTables tables(set);
    const double tablesTime = milliseconds(timer);
    QCOMPARE(set.parts.size(), oracle.units.size());

    double searchTime = 0, bruteTime = 0;
    std::uint64_t networks = 0;
    bruteforce::everyNetwork(oracle, 3, {},
                             [&networks](const bruteforce::Network &) { ++networks; });
    // Whole numbers of the oracle's units across the range.
    std::vector<bruteforce::Int> sample;
    std::uint64_t state = 99;
    for (int i = 0; i < (full() ? 5 : 3); ++i) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        const auto span = std::uint64_t(oracle.units.back() - oracle.units.front());
        sample.push_back(oracle.units.front() + bruteforce::Int((state >> 20) % span));
    }
    for (const bruteforce::Int units : sample) {
        const ExactValue t = bruteforce::inOhms(units, oracle.unitPower);
        timer.restart();
        const auto found = bestNetworks(set, &tables, t, 3, {}, 1);
        searchTime += milliseconds(timer);
        timer.restart();
        const auto expected = bruteforce::best(oracle, units, 3, {}, 1);
        bruteTime += milliseconds(timer);
        QCOMPARE(found.size(), std::size_t(1));
        QCOMPARE(found[0].shape, expected[0].shape);
        for (int i = 0; i < expected[0].count; ++i)
            QCOMPARE(int(found[0].parts[std::size_t(i)]), expected[0].written[std::size_t(i)]);
    }
    const double n = double(sample.size());
    qInfo("%s, 3 parts, 10^%d to 10^%d Ohm: %zu parts, %llu networks",
          qPrintable(seriesChoiceName(series)), lowPower, highPower, set.parts.size(),
          static_cast<unsigned long long>(networks));
    qInfo("per target: brute force %.1f ms, search %.3f ms (tables once %.1f ms); "
          "brute force / search %.0f, brute force / (tables + search) %.1f",
          bruteTime / n, searchTime / n, tablesTime, bruteTime / searchTime,
          bruteTime / (tablesTime + searchTime));
}

QTEST_GUILESS_MAIN(BenchCombine)
#include "bench_combine.moc"
