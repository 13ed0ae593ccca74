#include "colorcode/bandselection.h"
#include "colorcode/colourdoubt.h"
#include "colorcode/valueentry.h"

#include <QTest>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <tuple>
#include <vector>

using namespace colorcode;

Q_DECLARE_METATYPE(colorcode::Colour)

namespace
{

using C = Colour;
using Colours = QList<Colour>;

const QLocale turkish(QLocale::Turkish, QLocale::Turkey);

// "91e2" is 9,1 kΩ.
ExactValue exact(const QString &text)
{
    const QStringList parts = text.split(u'e');
    return normalised({parts[0].toStdString(), parts.size() > 1 ? parts[1].toInt() : 0});
}

BandSelection selectionOf(const Colours &colours)
{
    const std::vector<Colour> list(colours.begin(), colours.end());
    const std::optional<BandSelection> selection = BandSelection::fromColours(list);
    return selection ? *selection : BandSelection::empty(int(colours.size()));
}

DoubtfulBands onlyBand(int band)
{
    DoubtfulBands doubtful{};
    doubtful[std::size_t(band)] = true;
    return doubtful;
}

// The oracle: the colour code and the confusions typed again, values as
// whole milliohms, agreement in 64-bit integers.
const std::map<Colour, int> digitOf{
    {C::Siyah, 0}, {C::Kahverengi, 1}, {C::Kirmizi, 2}, {C::Turuncu, 3}, {C::Sari, 4},
    {C::Yesil, 5}, {C::Mavi, 6},       {C::Mor, 7},     {C::Gri, 8},     {C::Beyaz, 9}};
// Powers of ten as milliohm factors.
const std::map<Colour, std::int64_t> milliohmFactorOf{
    {C::Siyah, 1000LL},       {C::Kahverengi, 10000LL},
    {C::Kirmizi, 100000LL},   {C::Turuncu, 1000000LL},
    {C::Sari, 10000000LL},    {C::Yesil, 100000000LL},
    {C::Mavi, 1000000000LL},  {C::Mor, 10000000000LL},
    {C::Gri, 100000000000LL}, {C::Beyaz, 1000000000000LL},
    {C::Altin, 100LL},        {C::Gumus, 10LL},
    {C::Pembe, 1LL}};
const std::map<Colour, int> toleranceOf{{C::Altin, 500},      {C::Gumus, 1000},  {C::Renksiz, 2000},
                                        {C::Kahverengi, 100}, {C::Kirmizi, 200}, {C::Turuncu, 5},
                                        {C::Sari, 2},         {C::Yesil, 50},    {C::Mavi, 25},
                                        {C::Mor, 10},         {C::Gri, 1}};
const std::multimap<Colour, Colour> confusions{
    {C::Kahverengi, C::Kirmizi}, {C::Kirmizi, C::Kahverengi}, {C::Kirmizi, C::Turuncu},
    {C::Turuncu, C::Kirmizi},    {C::Turuncu, C::Sari},       {C::Sari, C::Turuncu},
    {C::Turuncu, C::Altin},      {C::Altin, C::Turuncu},      {C::Sari, C::Yesil},
    {C::Yesil, C::Sari},         {C::Kahverengi, C::Yesil},   {C::Yesil, C::Kahverengi},
    {C::Mavi, C::Mor},           {C::Mor, C::Mavi},           {C::Gri, C::Gumus},
    {C::Gumus, C::Gri},          {C::Gri, C::Beyaz},          {C::Beyaz, C::Gri},
    {C::Gumus, C::Beyaz},        {C::Beyaz, C::Gumus},        {C::Sari, C::Altin},
    {C::Altin, C::Sari}};
const std::set<int> e24{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                        33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

struct OracleReading {
    std::int64_t milliohms;
    int tolerance;
    bool agrees;
    bool standard;
    auto operator<=>(const OracleReading &) const = default;
};

bool oracleAgrees(std::int64_t value, int tolerance, std::int64_t measured, int error)
{
    const std::int64_t difference = measured > value ? measured - value : value - measured;
    return difference * 10000 <= value * (tolerance + error);
}

// Four bands: digit, digit, multiplier, tolerance; one of them in doubt.
std::vector<OracleReading> oracleReadings(const std::array<Colour, 4> &bands, int doubtful,
                                          std::int64_t measured, int error)
{
    std::vector<std::array<Colour, 4>> all{bands};
    const auto [from, to] = confusions.equal_range(bands[std::size_t(doubtful)]);
    for (auto it = from; it != to; ++it) {
        const bool fits = doubtful < 2    ? digitOf.count(it->second) > 0
                          : doubtful == 2 ? milliohmFactorOf.count(it->second) > 0
                                          : toleranceOf.count(it->second) > 0;
        if (!fits)
            continue;
        std::array<Colour, 4> other = bands;
        other[std::size_t(doubtful)] = it->second;
        all.push_back(other);
    }
    std::vector<OracleReading> readings;
    for (const auto &b : all) {
        const int significand = digitOf.at(b[0]) * 10 + digitOf.at(b[1]);
        const std::int64_t value = significand * milliohmFactorOf.at(b[2]);
        const int tolerance = toleranceOf.at(b[3]);
        readings.push_back({value, tolerance, oracleAgrees(value, tolerance, measured, error),
                            e24.count(significand) > 0});
    }
    std::sort(readings.begin(), readings.end());
    return readings;
}

std::int64_t milliohmsOf(const ExactValue &value)
{
    std::int64_t m = value.digits.empty() ? 0 : std::stoll(value.digits);
    for (int p = value.powerOfTen + 3; p > 0; --p)
        m *= 10;
    for (int p = value.powerOfTen + 3; p < 0; ++p)
        m /= 10;
    return m;
}

} // namespace

class TestColourDoubt : public QObject
{
    Q_OBJECT
private slots:
    void confusedColours_data();
    void confusedColours();
    void choicesByPlace_data();
    void choicesByPlace();
    void agreement_data();
    void agreement();
    void meterError_data();
    void meterError();
    void possessive_data();
    void possessive();
    void words_data();
    void words();
    void everyFourBandE24Value();
};

void TestColourDoubt::confusedColours_data()
{
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<Colours>("expected");
    QTest::newRow("Kahverengi") << C::Kahverengi << Colours{C::Kirmizi, C::Yesil};
    QTest::newRow("Kırmızı") << C::Kirmizi << Colours{C::Kahverengi, C::Turuncu};
    QTest::newRow("Turuncu") << C::Turuncu << Colours{C::Kirmizi, C::Sari, C::Altin};
    QTest::newRow("Sarı") << C::Sari << Colours{C::Turuncu, C::Yesil, C::Altin};
    QTest::newRow("Yeşil") << C::Yesil << Colours{C::Sari, C::Kahverengi};
    QTest::newRow("Mor") << C::Mor << Colours{C::Mavi};
    QTest::newRow("Gri") << C::Gri << Colours{C::Gumus, C::Beyaz};
    QTest::newRow("Gümüş") << C::Gumus << Colours{C::Gri, C::Beyaz};
    QTest::newRow("Altın") << C::Altin << Colours{C::Turuncu, C::Sari};
    QTest::newRow("Siyah") << C::Siyah << Colours{};
    QTest::newRow("Pembe") << C::Pembe << Colours{};
}

void TestColourDoubt::confusedColours()
{
    QFETCH(Colour, colour);
    QFETCH(Colours, expected);
    const std::vector<Colour> got = confusedWith(colour);
    std::set<Colour> a(got.begin(), got.end()), b(expected.begin(), expected.end());
    QCOMPARE(got.size(), a.size()); // no colour twice
    QVERIFY(a == b);
}

void TestColourDoubt::choicesByPlace_data()
{
    QTest::addColumn<Colours>("bands");
    QTest::addColumn<int>("band");
    QTest::addColumn<bool>("doubtful");
    QTest::addColumn<Colours>("expected"); // own colour first

    const Colours part{C::Turuncu, C::Turuncu, C::Turuncu, C::Altin};
    QTest::newRow("sure") << part << 0 << false << Colours{C::Turuncu};
    QTest::newRow("digit: no Altın")
        << part << 0 << true << Colours{C::Turuncu, C::Kirmizi, C::Sari};
    QTest::newRow("multiplier: Altın too")
        << part << 2 << true << Colours{C::Turuncu, C::Kirmizi, C::Sari, C::Altin};
    QTest::newRow("tolerance Altın") << part << 3 << true << Colours{C::Altin, C::Turuncu, C::Sari};
    const Colours grey{C::Gri, C::Gri, C::Gri, C::Gri};
    QTest::newRow("digit Gri: no Gümüş") << grey << 1 << true << Colours{C::Gri, C::Beyaz};
    QTest::newRow("multiplier Gri") << grey << 2 << true << Colours{C::Gri, C::Gumus, C::Beyaz};
    QTest::newRow("tolerance Gri: Gümüş, no Beyaz")
        << grey << 3 << true << Colours{C::Gri, C::Gumus};
    const Colours six{C::Kahverengi, C::Siyah, C::Siyah, C::Kahverengi, C::Yesil, C::Mavi};
    QTest::newRow("coefficient Mavi") << six << 5 << true << Colours{C::Mavi, C::Mor};
    QTest::newRow("tolerance Yeşil")
        << six << 4 << true << Colours{C::Yesil, C::Sari, C::Kahverengi};
    QTest::newRow("no such band") << six << 6 << true << Colours{};
}

void TestColourDoubt::choicesByPlace()
{
    QFETCH(Colours, bands);
    QFETCH(int, band);
    QFETCH(bool, doubtful);
    QFETCH(Colours, expected);
    const std::vector<Colour> got = bandChoices(selectionOf(bands), band, doubtful);
    QCOMPARE(Colours(got.begin(), got.end()).value(0), expected.value(0));
    std::set<Colour> a(got.begin(), got.end()), b(expected.begin(), expected.end());
    QCOMPARE(got.size(), std::size_t(expected.size()));
    QVERIFY(a == b);
}

void TestColourDoubt::agreement_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<QString>("measured");
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("expected");

    QTest::newRow("1 k, 1020") << "1e3" << 500 << "102e1" << 200 << true;
    QTest::newRow("100, 1020") << "1e2" << 500 << "102e1" << 200 << false;
    QTest::newRow("10 k, 1020") << "1e4" << 500 << "102e1" << 200 << false;
    QTest::newRow("on the edge above") << "1e3" << 500 << "107e1" << 200 << true;
    QTest::newRow("just beyond") << "1e3" << 500 << "1070000001e-6" << 200 << false;
    QTest::newRow("on the edge below") << "1e3" << 500 << "93e1" << 200 << true;
    QTest::newRow("just below the edge")
        << "1e3" << 500 << "929999999999999999e-15" << 200 << false;
    QTest::newRow("long digits inside")
        << "1e3" << 500 << "106999999999999999999999999999e-26" << 200 << true;
    QTest::newRow("0,1 ohm at 7 %") << "1e-1" << 500 << "107e-3" << 200 << true;
    QTest::newRow("91 M at 7 %") << "91e6" << 500 << "9737e4" << 200 << true;
    QTest::newRow("91 M beyond") << "91e6" << 500 << "97370001" << 200 << false;
    QTest::newRow("no meter error") << "47e2" << 100 << "4747" << 0 << true;
    QTest::newRow("no meter error, beyond") << "47e2" << 100 << "4748" << 0 << false;
    QTest::newRow("0,05 % part") << "1e4" << 5 << "10025" << 20 << true;
    QTest::newRow("zero-ohm link, zero") << "" << 500 << "" << 200 << true;
    QTest::newRow("zero-ohm link, 1 milliohm") << "" << 500 << "1e-3" << 200 << false;
    QTest::newRow("measured zero") << "1e3" << 500 << "" << 200 << false;
}

void TestColourDoubt::agreement()
{
    QFETCH(QString, value);
    QFETCH(int, tolerance);
    QFETCH(QString, measured);
    QFETCH(int, error);
    QFETCH(bool, expected);
    QCOMPARE(agrees(exact(value), tolerance, Measurement{exact(measured), error}), expected);
}

void TestColourDoubt::meterError_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<int>("expected"); // -1 refused

    QTest::newRow("2") << "2" << QChar(u',') << 200;
    QTest::newRow("0,5") << "0,5" << QChar(u',') << 50;
    QTest::newRow("0.5 under a point") << "0.5" << QChar(u'.') << 50;
    QTest::newRow("0.5 under a comma") << "0.5" << QChar(u',') << -1;
    QTest::newRow("1,25") << " 1,25 " << QChar(u',') << 125;
    QTest::newRow("three decimals") << "1,234" << QChar(u',') << -1;
    QTest::newRow("100") << "100" << QChar(u',') << 10000;
    QTest::newRow("above 100") << "100,01" << QChar(u',') << -1;
    QTest::newRow("0") << "0" << QChar(u',') << 0;
    QTest::newRow("empty") << "" << QChar(u',') << -1;
    QTest::newRow("negative") << "-1" << QChar(u',') << -1;
    QTest::newRow("mark first") << ",5" << QChar(u',') << -1;
    QTest::newRow("mark last") << "5," << QChar(u',') << -1;
    QTest::newRow("percent sign") << "2 %" << QChar(u',') << -1;
    QTest::newRow("long") << "000000002" << QChar(u',') << -1;
}

void TestColourDoubt::meterError()
{
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    QFETCH(int, expected);
    const std::optional<std::int32_t> got = readMeterError(text, separator);
    QCOMPARE(got ? int(*got) : -1, expected);
}

void TestColourDoubt::possessive_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");
    // As read aloud: the ending follows the last word's vowels.
    const QList<std::pair<int, QString>> rows{
        {0, "0'ı"},       {1, "1'i"},    {2, "2'si"},    {3, "3'ü"},       {4, "4'ü"},
        {5, "5'i"},       {6, "6'sı"},   {7, "7'si"},    {8, "8'i"},       {9, "9'u"},
        {10, "10'u"},     {20, "20'si"}, {30, "30'u"},   {40, "40'ı"},     {50, "50'si"},
        {60, "60'ı"},     {70, "70'i"},  {80, "80'i"},   {90, "90'ı"},     {100, "100'ü"},
        {21, "21'i"},     {46, "46'sı"}, {300, "300'ü"}, {1000, "1000'i"}, {4096, "4096'sı"},
        {2000, "2000'i"}, {110, "110'u"}};
    for (const auto &[number, text] : rows)
        QTest::newRow(qPrintable(text)) << number << text;
}

void TestColourDoubt::possessive()
{
    QFETCH(int, number);
    QFETCH(QString, expected);
    QCOMPARE(numberWithPossessive(number), expected);
}

void TestColourDoubt::words_data()
{
    QTest::addColumn<Colours>("bands");
    QTest::addColumn<int>("doubtful");     // the band, -1 none
    QTest::addColumn<QString>("measured"); // as typed under a Turkish locale; empty none
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("announcement");
    QTest::addColumn<QString>("first");

    const Colours part{C::Kahverengi, C::Siyah, C::Kirmizi, C::Altin};
    QTest::newRow("third band, 1,02k")
        << part << 2 << "1,02k"
        << "3 okumadan 1'i ölçümle uyuşuyor"
        << "3 okuma; ölçümle uyuşan: Kahverengi Siyah Kırmızı Altın, 1000 Ohm"
        << "Kahverengi Siyah Kırmızı Altın  1000 Ohm  \u00B1 % 5 \u2014 E24 standart değeri "
           "\u2014 ölçümle uyuşuyor";
    QTest::newRow("third band, 102 ohm: the 100 ohm reading")
        << part << 2 << "102"
        << "3 okumadan 1'i ölçümle uyuşuyor"
        << "3 okuma; ölçümle uyuşan: Kahverengi Siyah Kahverengi Altın, 100 Ohm"
        << "Kahverengi Siyah Kahverengi Altın  100 Ohm  \u00B1 % 5 \u2014 E24 standart değeri "
           "\u2014 ölçümle uyuşuyor";
    QTest::newRow("third band, 5k: none, 1 k nearest")
        << part << 2 << "5K"
        << "3 okumanın hiçbiri ölçümle uyuşmuyor; en yakını: Kahverengi "
           "Siyah Kırmızı Altın, 1000 Ohm"
        << "3 okuma; ölçümle uyuşan yok; en yakını: Kahverengi Siyah Kırmızı Altın, 1000 Ohm"
        << "Kahverengi Siyah Kırmızı Altın  1000 Ohm  \u00B1 % 5 \u2014 E24 standart değeri "
           "\u2014 ölçümle uyuşmuyor";
    QTest::newRow("third band, nothing measured")
        << part << 2 << ""
        << "3 okuma, 3'ü standart"
        << "3 okuma, 3'ü standart"
        << "Kahverengi Siyah Kırmızı Altın  1000 Ohm  \u00B1 % 5 \u2014 E24 standart değeri";
    // Kırmızı Turuncu: 2 × 3 readings; 23 and 33 and others not standard.
    QTest::newRow("first band, 1,15k: only 1,1 k agrees")
        << Colours{C::Kahverengi, C::Kahverengi, C::Kirmizi, C::Altin} << 0 << "1,15k"
        << "3 okumadan 1'i ölçümle uyuşuyor"
        << "3 okuma; ölçümle uyuşan: Kahverengi Kahverengi Kırmızı Altın, 1,1 Kilo Ohm"
        << "Kahverengi Kahverengi Kırmızı Altın  1,1 Kilo Ohm  \u00B1 % 5 \u2014 E24 standart "
           "değeri \u2014 ölçümle uyuşuyor";
    QTest::newRow("sure of every band")
        << part << -1 << "1k"
        << "1 okumadan 1'i ölçümle uyuşuyor"
        << "1 okuma; ölçümle uyuşan: Kahverengi Siyah Kırmızı Altın, 1000 Ohm"
        << "Kahverengi Siyah Kırmızı Altın  1000 Ohm  \u00B1 % 5 \u2014 E24 standart değeri "
           "\u2014 ölçümle uyuşuyor";
    QTest::newRow("tolerance Altın: three tolerances, all agree")
        << part << 3 << "1000"
        << "3 okumadan 3'ü ölçümle uyuşuyor"
        << "3 okuma; ölçümle uyuşan: Kahverengi Siyah Kırmızı Altın, 1000 Ohm; Kahverengi "
           "Siyah Kırmızı Turuncu, 1000 Ohm; Kahverengi Siyah Kırmızı Sarı, 1000 Ohm"
        << "Kahverengi Siyah Kırmızı Altın  1000 Ohm  \u00B1 % 5 \u2014 E24 standart değeri "
           "\u2014 ölçümle uyuşuyor";
}

void TestColourDoubt::words()
{
    QFETCH(Colours, bands);
    QFETCH(int, doubtful);
    QFETCH(QString, measured);
    QFETCH(QString, summary);
    QFETCH(QString, announcement);
    QFETCH(QString, first);

    std::optional<Measurement> measurement;
    if (!measured.isEmpty()) {
        const auto typed = readTypedNumber(measured, Unit::Ohm, u',');
        QVERIFY(std::holds_alternative<ExactValue>(typed));
        measurement = Measurement{std::get<ExactValue>(typed), defaultMeterErrorHundredths};
    }
    const std::vector<DoubtReading> readings = doubtReadings(
        selectionOf(bands), doubtful < 0 ? DoubtfulBands{} : onlyBand(doubtful), measurement);
    QVERIFY(!readings.empty());
    QCOMPARE(doubtSummary(readings, turkish), summary);
    QCOMPARE(doubtAnnouncement(readings, turkish), announcement);
    QCOMPARE(readingItemText(readings.front(), turkish), first);
}

// Every four-band E24 part from 10 Ω to 91 MΩ with an Altın band, each band
// in turn in doubt, its nominal value measured with a ± 2 % meter: the
// standard readings that agree have one value, the part's. The readings
// themselves are checked against the oracle.
void TestColourDoubt::everyFourBandE24Value()
{
    const std::array<Colour, 10> digitColours{C::Siyah, C::Kahverengi, C::Kirmizi, C::Turuncu,
                                              C::Sari,  C::Yesil,      C::Mavi,    C::Mor,
                                              C::Gri,   C::Beyaz};
    int parts = 0, cases = 0, readingsChecked = 0, anotherStandard = 0;
    for (int power = 0; power <= 6; ++power) {
        for (const int significand : e24) {
            const std::array<Colour, 4> bands{digitColours[std::size_t(significand / 10)],
                                              digitColours[std::size_t(significand % 10)],
                                              digitColours[std::size_t(power)], C::Altin};
            const BandSelection selection = selectionOf(Colours(bands.begin(), bands.end()));
            const std::int64_t nominal = significand * milliohmFactorOf.at(bands[2]);
            ExactValue measuredValue{std::to_string(significand), power};
            ++parts;
            bool givesAnother = false;
            for (int band = 0; band < 4; ++band) {
                ++cases;
                const std::vector<DoubtReading> readings =
                    doubtReadings(selection, onlyBand(band), Measurement{measuredValue, 200});
                std::vector<OracleReading> got;
                std::set<std::int64_t> agreeingStandard;
                for (const DoubtReading &r : readings) {
                    const std::int64_t m = milliohmsOf(r.reading.value);
                    got.push_back(
                        {m, int(r.reading.toleranceHundredths), r.agrees.value(), r.standard()});
                    if (r.agrees.value() && r.standard())
                        agreeingStandard.insert(m);
                    if (r.standard() && m != nominal)
                        givesAnother = true;
                }
                std::sort(got.begin(), got.end());
                const std::vector<OracleReading> expected =
                    oracleReadings(bands, band, nominal, 200);
                readingsChecked += int(got.size());
                if (got != expected)
                    QFAIL(qPrintable(QStringLiteral("%1 Ω × 10^%2, band %3: readings differ")
                                         .arg(significand)
                                         .arg(power)
                                         .arg(band + 1)));
                if (agreeingStandard != std::set<std::int64_t>{nominal})
                    QFAIL(
                        qPrintable(QStringLiteral("%1 Ω × 10^%2, band %3: %4 standard values agree")
                                       .arg(significand)
                                       .arg(power)
                                       .arg(band + 1)
                                       .arg(agreeingStandard.size())));
                // Agreeing first, then standard first.
                for (std::size_t i = 1; i < readings.size(); ++i) {
                    const auto rank = [](const DoubtReading &r) {
                        return std::pair(!r.agrees.value(), !r.standard());
                    };
                    QVERIFY(rank(readings[i - 1]) <= rank(readings[i]));
                }
            }
            anotherStandard += givesAnother ? 1 : 0;
        }
    }
    QCOMPARE(parts, 168);
    QCOMPARE(cases, 672);
    // Why the meter is needed: most parts read as another standard value
    // through one confused band.
    QCOMPARE(anotherStandard, 157);
    qInfo("%d parts, %d doubtful bands, %d readings checked", parts, cases, readingsChecked);
}

QTEST_APPLESS_MAIN(TestColourDoubt)
#include "tst_colourdoubt.moc"
