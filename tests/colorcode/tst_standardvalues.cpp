#include "cli/answers.h"
#include "colorcode/bandselection.h"
#include "colorcode/bandtables.h"
#include "colorcode/entrypreview.h"
#include "colorcode/readingdirection.h"
#include "colorcode/resistance.h"
#include "colorcode/standardvalues.h"
#include "colorcode/standardvaluetext.h"
#include "colorcode/valueentry.h"

#include <QTest>

#include <cstdint>
#include <map>
#include <numeric>
#include <set>
#include <vector>

using namespace colorcode;

Q_DECLARE_METATYPE(colorcode::Series)
Q_DECLARE_METATYPE(colorcode::Colour)
Q_DECLARE_METATYPE(colorcode::Unit)
Q_DECLARE_METATYPE(colorcode::ValueError)

namespace
{

const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
const QLocale english(QLocale::English, QLocale::UnitedStates);

// "91e2" is 9,1 kΩ; "" is no value.
ExactValue exact(const QString &text)
{
    const QStringList parts = text.split(u'e');
    return normalised({parts[0].toStdString(), parts.size() > 1 ? parts[1].toInt() : 0});
}

QString textOf(const std::optional<Neighbour> &neighbour)
{
    if (!neighbour)
        return {};
    return QString::fromStdString(neighbour->value.digits) + u'e' +
           QString::number(neighbour->value.powerOfTen);
}

// The preferred values as the reference lists them, and their sums.
const QList<int> e6{10, 15, 22, 33, 47, 68};
const QList<int> e12{10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
const QList<int> e24{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                     33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
const QList<int> e48{100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                     178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                     316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                     562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
const QList<int> e96{100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137,
                     140, 143, 147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191,
                     196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255, 261, 267,
                     274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374,
                     383, 392, 402, 412, 422, 432, 442, 453, 464, 475, 487, 499, 511, 523,
                     536, 549, 562, 576, 590, 604, 619, 634, 649, 665, 681, 698, 715, 732,
                     750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
const QList<int> e192{
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123,
    124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152,
    154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189,
    191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234,
    237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
    294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448,
    453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690,
    698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

// An oracle of its own for every band choice: values as whole milliohms,
// the standard values as sets of them, the colours' meanings written out.
using Milliohms = std::uint64_t;

std::uint64_t tenTo(int exponent)
{
    std::uint64_t p = 1;
    while (exponent-- > 0)
        p *= 10;
    return p;
}

// 0,001 Ω to 999 GΩ, the values the bands can show at all.
constexpr Milliohms largestMilliohms = 999 * 1000000000000ULL;

// The tolerance's series' entries times every power of ten from 1 mΩ up,
// with those of E24 for ± 2 % and finer when asked. Those between whole
// milliohms the bands cannot show anyway.
std::set<Milliohms> standardSet(std::int32_t toleranceHundredths, bool withE24)
{
    const QList<int> &series = toleranceHundredths >= 2000   ? e6
                               : toleranceHundredths >= 1000 ? e12
                               : toleranceHundredths >= 500  ? e24
                               : toleranceHundredths >= 200  ? e48
                               : toleranceHundredths >= 100  ? e96
                                                             : e192;
    std::set<Milliohms> values;
    for (const QList<int> *list : {&series, withE24 && toleranceHundredths <= 200 ? &e24 : &series})
        for (const int entry : *list) {
            Milliohms v = Milliohms(entry);
            while (v % 10 == 0)
                v /= 10;
            for (; v <= largestMilliohms * 10; v *= 10)
                values.insert(v);
        }
    return values;
}

// Some whole number below 10^digits times 10^m, m from -3 to 9.
bool shows(Milliohms v, int digits)
{
    for (int m = -3; m <= 9; ++m) {
        const std::uint64_t unit = tenTo(m + 3);
        if (v % unit == 0 && v / unit < tenTo(digits))
            return true;
    }
    return false;
}

// (to - from) / from in hundredths of a percent, half away from zero.
std::int32_t oracleError(Milliohms from, Milliohms to)
{
    __extension__ using Wide = unsigned __int128;
    const Wide distance = to > from ? to - from : from - to;
    const auto magnitude = std::int32_t((distance * 20000 + from) / (Wide(from) * 2));
    return to > from ? magnitude : -magnitude;
}

// "4700", "0.123": the JSON number of a value.
std::string decimalOf(Milliohms v)
{
    std::string fraction = std::to_string(1000 + v % 1000).substr(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    return std::to_string(v / 1000) + (fraction.empty() ? "" : "." + fraction);
}

ExactValue exactOf(Milliohms v)
{
    return normalised({std::to_string(v), -3});
}

struct OracleReading {
    Milliohms value;
    std::int32_t tolerance;
};

// The reading of bands in the given order, following the colour code's
// table; nothing where a colour has no meaning in its place.
std::optional<OracleReading> oracleRead(const std::vector<Colour> &bands, bool siyahFirst)
{
    const std::map<Colour, int> digit{
        {Colour::Siyah, 0}, {Colour::Kahverengi, 1}, {Colour::Kirmizi, 2}, {Colour::Turuncu, 3},
        {Colour::Sari, 4},  {Colour::Yesil, 5},      {Colour::Mavi, 6},    {Colour::Mor, 7},
        {Colour::Gri, 8},   {Colour::Beyaz, 9}};
    const std::map<Colour, int> tolerance{
        {Colour::Kahverengi, 100}, {Colour::Kirmizi, 200}, {Colour::Turuncu, 5},
        {Colour::Sari, 2},         {Colour::Yesil, 50},    {Colour::Mavi, 25},
        {Colour::Mor, 10},         {Colour::Gri, 1},       {Colour::Altin, 500},
        {Colour::Gumus, 1000},     {Colour::Renksiz, 2000}};
    const std::size_t digits = bands.size() - 2;
    if (!siyahFirst && bands[0] == Colour::Siyah)
        return std::nullopt;
    Milliohms significand = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        if (!digit.count(bands[i]))
            return std::nullopt;
        significand = significand * 10 + Milliohms(digit.at(bands[i]));
    }
    const Colour multiplier = bands[digits];
    int power = 0;
    if (digit.count(multiplier))
        power = digit.at(multiplier);
    else if (multiplier == Colour::Altin)
        power = -1;
    else if (multiplier == Colour::Gumus)
        power = -2;
    else if (multiplier == Colour::Pembe)
        power = -3;
    else
        return std::nullopt;
    if (!tolerance.count(bands[digits + 1]))
        return std::nullopt;
    return OracleReading{significand * tenTo(power + 3), tolerance.at(bands[digits + 1])};
}

} // namespace

class TestStandardValues : public QObject
{
    Q_OBJECT
private slots:
    void tables_data();
    void tables();
    void seriesOfTolerance();
    void nearest_data();
    void nearest();
    void direction_data();
    void direction();
    void everyChoice_data();
    void everyChoice();
    void entry_data();
    void entry();
    void boxTextReadsBack();
};

void TestStandardValues::tables_data()
{
    QTest::addColumn<Series>("series");
    QTest::addColumn<QList<int>>("entries");
    QTest::addColumn<int>("sum");
    // Each coarser series is every 2nd or 4th entry of E24 or E192.
    QTest::addColumn<QList<int>>("finer");
    QTest::addColumn<int>("step");

    QTest::newRow("E6") << Series::E6 << e6 << 195 << e24 << 4;
    QTest::newRow("E12") << Series::E12 << e12 << 429 << e24 << 2;
    QTest::newRow("E24") << Series::E24 << e24 << 901 << e24 << 1;
    QTest::newRow("E48") << Series::E48 << e48 << 18313 << e192 << 4;
    QTest::newRow("E96") << Series::E96 << e96 << 37070 << e192 << 2;
    QTest::newRow("E192") << Series::E192 << e192 << 74599 << e192 << 1;
}

void TestStandardValues::tables()
{
    QFETCH(Series, series);
    QFETCH(QList<int>, entries);
    QFETCH(int, sum);
    QFETCH(QList<int>, finer);
    QFETCH(int, step);

    const std::span<const std::int16_t> table = seriesTable(series);
    QCOMPARE(QList<int>(table.begin(), table.end()), entries);
    QCOMPARE(std::accumulate(entries.begin(), entries.end(), 0), sum);
    QCOMPARE(entries.size() * step, finer.size());
    for (qsizetype i = 0; i < entries.size(); ++i)
        QCOMPARE(entries[i], finer[i * step]);
}

void TestStandardValues::seriesOfTolerance()
{
    // Every tolerance of the list, coarsest first.
    const std::map<std::int32_t, QString> expected{
        {2000, "E6"},     {1000, "E12"},    {500, "E24"},     {200, "E48/E24"},
        {100, "E96/E24"}, {50, "E192/E24"}, {25, "E192/E24"}, {10, "E192/E24"},
        {5, "E192/E24"},  {2, "E192/E24"},  {1, "E192/E24"}};
    for (const BandEntry &entry : toleranceList)
        QCOMPARE(seriesName(seriesFor(entry.number)), expected.at(entry.number));
}

void TestStandardValues::nearest_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<bool>("standard");
    QTest::addColumn<QString>("below");
    QTest::addColumn<int>("belowError");
    QTest::addColumn<QString>("above");
    QTest::addColumn<int>("aboveError");

    QTest::newRow("9,5 kΩ E24") << "95e2" << 500 << 4 << false << "91e2" << -421 << "1e4" << 526;
    QTest::newRow("9,6 kΩ: next decade")
        << "96e2" << 500 << 4 << false << "91e2" << -521 << "1e4" << 417;
    QTest::newRow("10 490 Ω") << "1049e1" << 500 << 4 << false << "1e4" << -467 << "11e3" << 486;
    QTest::newRow("9,55 kΩ: tie") << "955e1" << 500 << 4 << false << "91e2" << -471 << "1e4" << 471;
    QTest::newRow("4,8 kΩ E24") << "48e2" << 500 << 4 << false << "47e2" << -208 << "51e2" << 625;
    QTest::newRow("4,8 kΩ ± 1 %") << "48e2" << 100 << 5 << false << "475e1" << -104 << "487e1"
                                  << 146;
    QTest::newRow("4,99 kΩ ± 1 %: E96")
        << "499e1" << 100 << 5 << true << "487e1" << -240 << "51e2" << 220;
    QTest::newRow("4,7 kΩ ± 1 %: E24 too")
        << "47e2" << 100 << 5 << true << "464e1" << -128 << "475e1" << 106;
    QTest::newRow("10 kΩ: previous decade")
        << "1e4" << 500 << 4 << true << "91e2" << -900 << "11e3" << 1000;
    QTest::newRow("1,25 kΩ ± 1 %, five bands")
        << "125e1" << 100 << 5 << false << "124e1" << -80 << "127e1" << 160;
    QTest::newRow("1,25 kΩ ± 1 %, four bands: two digits")
        << "125e1" << 100 << 4 << false << "12e2" << -400 << "13e2" << 400;
    QTest::newRow("0,0105 Ω: E96, but three digits from 0,1 Ω up only")
        << "105e-4" << 100 << 5 << true << "1e-2" << -476 << "11e-3" << 476;
    // 3,125 % and -3,125 %.
    QTest::newRow("32 Ω: half up") << "32" << 500 << 4 << false << "3e1" << -625 << "33" << 313;
    QTest::newRow("64 Ω: half down") << "64" << 500 << 4 << false << "62" << -313 << "68" << 625;
    // Just above 32 Ω the error is just below 3,125 %; a double loses that.
    QTest::newRow("32 Ω and 10^-50")
        << "32" + QString(49, u'0') + "1e-50" << 500 << 4 << false << "3e1" << -625 << "33" << 312;
    QTest::newRow("4,7 kΩ and 10^-50: strictly above")
        << "47" + QString(51, u'0') + "1e-50" << 500 << 4 << false << "47e2" << 0 << "51e2" << 851;
    QTest::newRow("smallest") << "1e-3" << 500 << 4 << true << "" << 0 << "2e-3" << 10000;
    QTest::newRow("below the range") << "5e-4" << 500 << 4 << false << "" << 0 << "1e-3" << 10000;
    QTest::newRow("95 GΩ, four bands") << "95e9" << 500 << 4 << false << "91e9" << -421 << "" << 0;
    QTest::newRow("95 GΩ, five bands")
        << "95e9" << 500 << 5 << false << "91e9" << -421 << "1e11" << 526;
    QTest::newRow("largest, four bands")
        << "99e9" << 500 << 4 << false << "91e9" << -808 << "" << 0;
    QTest::newRow("largest, six bands")
        << "999e9" << 50 << 6 << false << "988e9" << -110 << "" << 0;
    QTest::newRow("above the range") << "5e12" << 2000 << 6 << false << "68e10" << -8640 << "" << 0;
    QTest::newRow("zero") << "0" << 500 << 4 << false << "" << 0 << "" << 0;
}

void TestStandardValues::nearest()
{
    QFETCH(QString, value);
    QFETCH(int, tolerance);
    QFETCH(int, bandCount);
    QFETCH(bool, standard);
    QFETCH(QString, below);
    QFETCH(int, belowError);
    QFETCH(QString, above);
    QFETCH(int, aboveError);

    const ExactValue v = exact(value);
    QCOMPARE(isStandard(v, seriesFor(tolerance)), standard);
    const Nearest nearest = nearestStandard(v, seriesFor(tolerance), bandCount);
    QCOMPARE(textOf(nearest.below), below.isEmpty() ? QString() : textOf(Neighbour{exact(below)}));
    QCOMPARE(textOf(nearest.above), above.isEmpty() ? QString() : textOf(Neighbour{exact(above)}));
    if (nearest.below)
        QCOMPARE(nearest.below->errorHundredths, belowError);
    if (nearest.above)
        QCOMPARE(nearest.above->errorHundredths, aboveError);
}

void TestStandardValues::direction_data()
{
    QTest::addColumn<QList<Colour>>("bands");
    QTest::addColumn<QString>("line");

    using C = Colour;
    QTest::newRow("not standard, with the other end")
        << QList<C>{C::Kahverengi, C::Kahverengi, C::Beyaz, C::Beyaz, C::Sari}
        << "E192/E24 değil; en yakın: 118000 Mega Ohm (−0,84 %), 120000 Mega Ohm (+0,84 %). "
           "Ters yönden: 4,99 Kilo Ohm ± % 1";
    QTest::newRow("Altın is no first digit")
        << QList<C>{C::Sari, C::Sari, C::Kirmizi, C::Altin}
        << "E24 değil; en yakın: 4,3 Kilo Ohm (−2,27 %), 4,7 Kilo Ohm (+6,82 %)";
    // From the other end 120 Ω ± 1 %, standard too.
    QTest::newRow("standard: no other end")
        << QList<C>{C::Kahverengi, C::Siyah, C::Siyah, C::Kirmizi, C::Kahverengi}
        << "E96 standart değeri";
    QTest::newRow("± 1 % in an E24 value")
        << QList<C>{C::Sari, C::Mor, C::Kirmizi, C::Kahverengi} << "E24 standart değeri";
    QTest::newRow("six bands from the other end")
        << QList<C>{C::Kahverengi, C::Kahverengi, C::Kahverengi, C::Siyah, C::Kirmizi, C::Mavi}
        << "E48/E24 değil; en yakın: 110 Ohm (−0,90 %), 115 Ohm (+3,60 %). "
           "Ters yönden: 6,2 Kilo Ohm ± % 1";
    // From the other end 2,2 kΩ ± 1 %, but Siyah stands first there.
    QTest::newRow("six bands, Siyah is no first digit")
        << QList<C>{C::Mavi, C::Kahverengi, C::Kirmizi, C::Kirmizi, C::Kirmizi, C::Siyah}
        << "E48/E24 değil; en yakın: 59 Kilo Ohm (−3,59 %), 61,9 Kilo Ohm (+1,14 %)";
    // From the other end 1,2 kΩ ± 1 %, but Beyaz is no coefficient.
    QTest::newRow("six bands, Beyaz is no coefficient")
        << QList<C>{C::Beyaz, C::Kahverengi, C::Kahverengi, C::Siyah, C::Kirmizi, C::Kahverengi}
        << "E48/E24 değil; en yakın: 910 Ohm (−0,11 %), 953 Ohm (+4,61 %)";
    // From the other end 11 GΩ ± 0,02 %: no real part, so no hint.
    QTest::newRow("no hint above 100 mega")
        << QList<C>{C::Sari, C::Gri, C::Siyah, C::Kahverengi, C::Kahverengi}
        << "E96/E24 değil; en yakın: 4,75 Kilo Ohm (−1,04 %), 4,87 Kilo Ohm (+1,46 %)";
    QTest::newRow("hint of 100 mega itself")
        << QList<C>{C::Kahverengi, C::Mor, C::Siyah, C::Kahverengi}
        << "E96/E24 değil; en yakın: 16 Ohm (−5,88 %), 18 Ohm (+5,88 %). "
           "Ters yönden: 100 Mega Ohm ± % 1";
    QTest::newRow("one neighbour") << QList<C>{C::Beyaz, C::Sari, C::Beyaz, C::Altin}
                                   << "E24 değil; en yakın: 91000 Mega Ohm (−3,19 %)";
    QTest::newRow("zero-ohm link") << QList<C>{C::Siyah, C::Siyah, C::Siyah, C::Altin} << "";
    QTest::newRow("not a band count") << QList<C>{C::Sari, C::Mor, C::Kirmizi} << "";
}

void TestStandardValues::direction()
{
    QFETCH(QList<Colour>, bands);
    QFETCH(QString, line);
    QCOMPARE(standardValueLine(std::span(bands.constData(), std::size_t(bands.size())), turkish),
             line);
}

void TestStandardValues::everyChoice_data()
{
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<QLocale>("locale");
    for (const int bandCount : {4, 5})
        for (const QLocale &locale : {turkish, english})
            QTest::addRow("%d bands, %s", bandCount, qPrintable(locale.name()))
                << bandCount << locale;
}

void TestStandardValues::everyChoice()
{
    QFETCH(int, bandCount);
    QFETCH(QLocale, locale);

    std::map<std::int32_t, std::set<Milliohms>> standard, ownSeries;
    for (const BandEntry &t : toleranceList) {
        standard[t.number] = standardSet(t.number, true);
        ownSeries[t.number] = standardSet(t.number, false);
    }
    const auto percent = [&locale](std::int32_t e) {
        return QString(e < 0 ? u'\u2212' : u'+') + QString::number(std::abs(e) / 100) +
               locale.decimalPoint() + QString::number(std::abs(e) % 100).rightJustified(2, u'0') +
               " %";
    };

    const int digitCount = bandCount - 2;
    int hints = 0;
    std::vector<int> digitIndices(static_cast<std::size_t>(digitCount));
    for (int digits = 0; digits < int(tenTo(digitCount)); ++digits)
        for (int mi = 0; mi < int(multiplierList.size()); ++mi)
            for (int ti = 0; ti < int(toleranceList.size()); ++ti) {
                const BandEntry &m = multiplierList[std::size_t(mi)];
                const BandEntry &t = toleranceList[std::size_t(ti)];
                std::vector<Colour> colours;
                for (int i = 0; i < digitCount; ++i) {
                    digitIndices[std::size_t(i)] = digits / int(tenTo(digitCount - 1 - i)) % 10;
                    colours.push_back(colourList[std::size_t(digitIndices[std::size_t(i)])].colour);
                }
                colours.push_back(m.colour);
                colours.push_back(t.colour);
                BandSelection selection = BandSelection::empty(bandCount);
                selection.setValueBands({digitIndices, mi});
                selection.setEntry(Role::Tolerance, 0, ti);
                const std::vector<Colour> bands = selection.colours();
                QVERIFY(bands == colours);

                const OracleReading forward = *oracleRead(bands, true);
                QString expected;
                const std::set<Milliohms> &set = standard[t.number];
                const QString name = seriesName(seriesFor(t.number));
                if (forward.value == 0) {
                } else if (set.count(forward.value)) {
                    expected = (ownSeries[t.number].count(forward.value)
                                    ? seriesName(seriesFor(t.number).series)
                                    : QStringLiteral("E24")) +
                               " standart değeri";
                } else {
                    expected = name + " değil";
                    auto above = set.upper_bound(forward.value);
                    while (above != set.end() && !shows(*above, digitCount))
                        ++above;
                    auto below = set.lower_bound(forward.value);
                    while (below != set.begin() && !shows(*std::prev(below), digitCount))
                        --below;
                    QStringList neighbours;
                    if (below != set.begin())
                        neighbours << valueText(exactOf(*std::prev(below)), locale) + " (" +
                                          percent(oracleError(forward.value, *std::prev(below))) +
                                          ")";
                    if (above != set.end())
                        neighbours << valueText(exactOf(*above), locale) + " (" +
                                          percent(oracleError(forward.value, *above)) + ")";
                    if (!neighbours.isEmpty())
                        expected += "; en yakın: " + neighbours.join(", ");
                    const std::optional<OracleReading> reverse =
                        oracleRead({bands.rbegin(), bands.rend()}, false);
                    // A reading from the other end above 100 MΩ is no real part's.
                    if (reverse && standard[reverse->tolerance].count(reverse->value) &&
                        reverse->value <= 100000000000ULL) {
                        expected += ". Ters yönden: " + valueText(exactOf(reverse->value), locale) +
                                    " ± % " + percentText(reverse->tolerance, locale);
                        ++hints;
                    }
                }
                const QString line = standardValueLine(bands, locale);
                if (line != expected)
                    QCOMPARE(line, expected);

                // The command line gives the window's text, and the value
                // exactly in its JSON.
                QStringList window{selection.result(locale)->sonuc};
                if (!expected.isEmpty())
                    window << expected;
                const QStringList said = cli::bandLines(selection, locale);
                if (said != window)
                    QCOMPARE(said, window);
                if (locale != turkish) // the numbers are the same under every locale
                    continue;
                const std::string ohms = "\"ohms\":" + decimalOf(forward.value) + ",";
                const std::string json = cli::bandJson(selection, locale).text();
                if (json.find(ohms) == std::string::npos)
                    QCOMPARE(QString::fromStdString(json), QString::fromStdString(ohms));
            }
    QVERIFY(hints > 0);

    // A list without a choice: no colours, so no line.
    BandSelection unchosen = BandSelection::empty(bandCount);
    unchosen.setValueBands({digitIndices, 0});
    QVERIFY(unchosen.colours().empty());
    unchosen.setEntry(Role::Tolerance, 0, int(toleranceList.size()));
    QVERIFY(unchosen.colours().empty());
}

void TestStandardValues::entry_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Unit>("unit");
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<int>("tolerance");
    // The line, or the error whose refusal message it must be.
    QTest::addColumn<QString>("line");
    QTest::addColumn<std::optional<ValueError>>("error");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("seriesLine");
    // Each suggestion as its text and what it puts in the box.
    QTest::addColumn<QStringList>("below");
    QTest::addColumn<QStringList>("above");

    const std::optional<ValueError> none;
    QTest::newRow("4,8K ± 1 %, five bands")
        << turkish << "4,8K" << Unit::Ohm << 5 << 100 << "4,8 Kilo Ohm olarak gösterilir" << none
        << ""
        << "E96/E24 değil; en yakın:" << QStringList{"4,75 Kilo Ohm (−1,04 %)", "4K75"}
        << QStringList{"4,87 Kilo Ohm (+1,46 %)", "4K87"};
    QTest::newRow("English") << english << "4.8K" << Unit::Ohm << 5 << 100
                             << "4.8 Kilo Ohm olarak gösterilir" << none << ""
                             << "E96/E24 değil; en yakın:"
                             << QStringList{"4.75 Kilo Ohm (−1.04 %)", "4K75"}
                             << QStringList{"4.87 Kilo Ohm (+1.46 %)", "4K87"};
    // The suggestions are those of the typed value, not of the cut one.
    QTest::newRow("cut, five bands would not")
        << turkish << "4,75" << Unit::Kohm << 4 << 500
        << "4 bantta 4,7 Kilo Ohm olarak gösterilir; 5 bant gerekir" << none
        << "Yazılan 4,75 Kilo Ohm; gösterilen 4,7 Kilo Ohm"
        << "E24 değil; en yakın:" << QStringList{"4,7 Kilo Ohm (−1,05 %)", "4K7"}
        << QStringList{"5,1 Kilo Ohm (+7,37 %)", "5K1"};
    QTest::newRow("cut by every band count")
        << turkish << "4,7512" << Unit::Kohm << 5 << 500
        << "5 bantta 4,75 Kilo Ohm olarak gösterilir; bantlar bu değeri tam gösteremez" << none
        << "Yazılan 4,7512 Kilo Ohm; gösterilen 4,75 Kilo Ohm"
        << "E24 değil; en yakın:" << QStringList{"4,7 Kilo Ohm (−1,08 %)", "4K7"}
        << QStringList{"5,1 Kilo Ohm (+7,34 %)", "5K1"};
    QTest::newRow("just above a standard value")
        << turkish << "4,700001" << Unit::Kohm << 5 << 500
        << "5 bantta 4,7 Kilo Ohm olarak gösterilir; bantlar bu değeri tam gösteremez" << none
        << "Yazılan 4,700001 Kilo Ohm; gösterilen 4,7 Kilo Ohm"
        << "E24 değil; en yakın:" << QStringList{"4,7 Kilo Ohm (−0,00 %)", "4K7"}
        << QStringList{"5,1 Kilo Ohm (+8,51 %)", "5K1"};
    QTest::newRow("standard, cut on four bands")
        << turkish << "4K99" << Unit::Mohm << 4 << 100
        << "4 bantta 4,9 Kilo Ohm olarak gösterilir; 5 bant gerekir" << none
        << "Yazılan 4,99 Kilo Ohm; gösterilen 4,9 Kilo Ohm"
        << "E96 standart değeri" << QStringList{} << QStringList{};
    QTest::newRow("too large, the largest shown below")
        << turkish << "140G" << Unit::Mohm << 4 << 500 << "" << std::optional(ValueError::TooLarge)
        << ""
        << "E24 değil; en yakın:" << QStringList{"91000 Mega Ohm (−35,00 %)", "91G"}
        << QStringList{};
    QTest::newRow("too small, the smallest shown above")
        << turkish << "0,0005" << Unit::Ohm << 4 << 500 << "" << std::optional(ValueError::TooSmall)
        << ""
        << "E24 değil; en yakın:" << QStringList{} << QStringList{"0,001 Ohm (+100,00 %)", "R001"};
    // A standard value beyond the bands says so, with the nearest they show.
    QTest::newRow("standard, too large for four bands")
        << turkish << "150G" << Unit::Ohm << 4 << 500 << "" << std::optional(ValueError::TooLarge)
        << ""
        << "E24 değeri; 4 bant gösteremez; en yakın:"
        << QStringList{"91000 Mega Ohm (−39,33 %)", "91G"} << QStringList{};
    QTest::newRow("standard, and five bands show it")
        << turkish << "150G" << Unit::Ohm << 5 << 500 << "150000 Mega Ohm olarak gösterilir" << none
        << ""
        << "E24 standart değeri" << QStringList{} << QStringList{};
    // 1000 % and more is said as such, never as a capped number.
    QTest::newRow("far below the smallest")
        << turkish << "0,000000000017" << Unit::Ohm << 4 << 500 << ""
        << std::optional(ValueError::TooSmall) << ""
        << "E24 değil; en yakın:" << QStringList{} << QStringList{"0,001 Ohm (> +1000 %)", "R001"};
    QTest::newRow("refused") << turkish << "4.7" << Unit::Kohm << 4 << 500 << ""
                             << std::optional(ValueError::WrongSeparator) << ""
                             << "" << QStringList{} << QStringList{};
    QTest::newRow("empty") << turkish << " " << Unit::Kohm << 4 << 500 << "" << none << ""
                           << "" << QStringList{} << QStringList{};
    QTest::newRow("zero") << turkish << "00" << Unit::Kohm << 6 << 500 << "0 Ohm olarak gösterilir"
                          << none << ""
                          << "" << QStringList{} << QStringList{};
}

void TestStandardValues::entry()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, typed);
    QFETCH(Unit, unit);
    QFETCH(int, bandCount);
    QFETCH(int, tolerance);
    QFETCH(QString, line);
    QFETCH(std::optional<ValueError>, error);
    QFETCH(QString, note);
    QFETCH(QString, seriesLine);
    QFETCH(QStringList, below);
    QFETCH(QStringList, above);

    const EntryPreview preview = entryPreview(typed, unit, bandCount, tolerance, locale);
    const QChar separator = locale.decimalPoint().at(0);
    QCOMPARE(preview.line, error ? valueErrorMessage(*error, separator, bandCount) : line);
    QCOMPARE(preview.seriesLine, seriesLine);
    const auto texts = [](const std::optional<Suggestion> &s) {
        return s ? QStringList{s->text, s->boxText} : QStringList{};
    };
    QCOMPARE(texts(preview.below), below);
    QCOMPARE(texts(preview.above), above);

    // After "Tamam", the note on what was cut.
    const auto number = readTypedNumber(typed, unit, separator);
    if (const auto *value = std::get_if<ExactValue>(&number)) {
        const BandsOrError bands = bandsFor(*value, bandCount);
        if (const auto *shown = std::get_if<BandIndices>(&bands))
            QCOMPARE(cutNote(*value, colorcode::valueOf(*shown), locale), note);
    }
}

void TestStandardValues::boxTextReadsBack()
{
    // Every value a band count shows of every series, and the ends of the
    // range: the box reads what the buttons put in it as that value.
    std::vector<ExactValue> values{{}, {"1", -3}, {"99", 9}, {"999", 9}, {"1", 3}, {"1", 6}};
    for (const std::int16_t s : e192Table)
        for (int power = -5; power <= 9; ++power)
            values.push_back(normalised({std::to_string(s), power}));
    for (const ExactValue &value : values)
        for (const Unit unit : {Unit::Ohm, Unit::Kohm, Unit::Mohm}) {
            const QString text = boxTextOf(value);
            const auto read = readTypedNumber(text, unit, u',');
            QVERIFY2(std::holds_alternative<ExactValue>(read), qPrintable(text));
            QVERIFY2(normalised(std::get<ExactValue>(read)) == value, qPrintable(text));
        }
}

QTEST_APPLESS_MAIN(TestStandardValues)
#include "tst_standardvalues.moc"
