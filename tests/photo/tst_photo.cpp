// The colour arithmetic, and reading resistors the test paints itself: a
// known part on a background, then a colour cast, blur, noise and JPEG loss,
// each of which a real photo brings.

#include "colorcode/bandtables.h"
#include "paintedpart.h"
#include "photo/bandprofile.h"
#include "photo/colourscience.h"
#include "photo/photoloader.h"
#include "photo/photoreading.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>

using colorcode::Colour;
using namespace photo;
using namespace paintedpart;

Q_DECLARE_METATYPE(photo::Lab)
Q_DECLARE_METATYPE(std::vector<colorcode::Colour>)
Q_DECLARE_METATYPE(photo::Ends)
Q_DECLARE_METATYPE(paintedpart::Surface)
Q_DECLARE_METATYPE(paintedpart::Paint)

namespace
{

// The light's colour: each channel of linear light scaled.
void cast(RgbImage &image, double r, double g, double b)
{
    for (std::size_t i = 0; i < image.rgb.size(); i += 3) {
        image.rgb[i] = byteFromLinear(linearFromByte(image.rgb[i]) * r);
        image.rgb[i + 1] = byteFromLinear(linearFromByte(image.rgb[i + 1]) * g);
        image.rgb[i + 2] = byteFromLinear(linearFromByte(image.rgb[i + 2]) * b);
    }
}

// A 5 × 5 box blur, as an out-of-focus lens spreads a band's edge.
void blur(RgbImage &image)
{
    const RgbImage source = image;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            for (int k = 0; k < 3; ++k) {
                int sum = 0, n = 0;
                for (int dy = -2; dy <= 2; ++dy)
                    for (int dx = -2; dx <= 2; ++dx) {
                        const int sx = std::clamp(x + dx, 0, image.width - 1);
                        const int sy = std::clamp(y + dy, 0, image.height - 1);
                        sum += source.pixel(sx, sy)[k];
                        ++n;
                    }
                image.pixel(x, y)[k] = std::uint8_t((sum + n / 2) / n);
            }
}

// Sensor noise: up to ±12 per byte, the same on every run.
void noise(RgbImage &image)
{
    std::uint32_t state = 12345;
    for (std::uint8_t &v : image.rgb) {
        state = state * 1664525u + 1013904223u;
        const int n = int((state >> 24) % 25) - 12;
        v = std::uint8_t(std::clamp(int(v) + n, 0, 255));
    }
}

// Through JPEG at the quality phones use for small files.
RgbImage jpeg(const RgbImage &image)
{
    QImage q(image.rgb.data(), image.width, image.height, image.width * 3, QImage::Format_RGB888);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    q.save(&buffer, "JPEG", 60);
    QImage back;
    back.loadFromData(bytes, "JPEG");
    return rgbFromImage(back);
}

enum Harm : unsigned {
    None = 0,
    Warm = 1, // a lamp's orange light
    Blue = 2, // shade or a cold LED
    Dark = 4, // a third of the light
    Blurred = 8,
    Noisy = 16,
    Jpeg = 32,
    Thin = 64,      // bands a third as wide: blurred, their middles show lacquer too
    Thinner = 128,  // a quarter as wide
    Glare = 256,    // the first band is a cap's glare: lighter than the lacquer, its hue
    Dim = 512,      // a tenth of the light: a dim room, no flash
    CapLine = 1024, // a shaded line where a power part's cap steps down, before the first band
    Glossy = 2048,  // Altın bands glossy: lighter and yellower, as under a lamp
};

RgbImage harmed(RgbImage image, unsigned harm)
{
    if (harm & Warm)
        cast(image, 1.15, 0.9, 0.55);
    if (harm & Blue)
        cast(image, 0.7, 0.9, 1.15);
    if (harm & Dark)
        cast(image, 0.33, 0.33, 0.33);
    if (harm & Dim)
        cast(image, 0.1, 0.1, 0.1);
    if (harm & Blurred)
        blur(image);
    if (harm & Noisy)
        noise(image);
    if (harm & Jpeg)
        image = jpeg(image);
    return image;
}

double distance(const Point &p, const Point &q)
{
    return std::hypot(p.x - q.x, p.y - q.y);
}

} // namespace

class TestPhoto : public QObject
{
    Q_OBJECT

private slots:
    void srgbToLab_data();
    void srgbToLab();
    void labRoundTrip();
    void deltaE2000_data();
    void deltaE2000();
    void clustering();
    void densestColourIgnoresOutliers();
    void faintBandWithEndsTooFar_data();
    void faintBandWithEndsTooFar();
    void paintedPart_data();
    void paintedPart();
    void anyLacquer_data();
    void anyLacquer();
    void givenEndsReplaceFoundOnes();
    void givenEndsOffTheImage_data();
    void givenEndsOffTheImage();
    void rotatedLargeFile();
    void openFile_data();
    void openFile();
    void emptyImageReadsNothing();
    void bodyOnADesk_data();
    void bodyOnADesk();
    void bodyAcrossAStretchLikeTheSurface_data();
    void bodyAcrossAStretchLikeTheSurface();
    void closeUpWithThickLeads_data();
    void closeUpWithThickLeads();
    void tooSmallReadsNothing_data();
    void tooSmallReadsNothing();
    void centredOnBands_data();
    void centredOnBands();
};

void TestPhoto::srgbToLab_data()
{
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::addColumn<Lab>("expected");
    QTest::newRow("white") << 255 << 255 << 255 << Lab{100, 0, 0};
    QTest::newRow("black") << 0 << 0 << 0 << Lab{0, 0, 0};
    QTest::newRow("red") << 255 << 0 << 0 << Lab{53.24, 80.09, 67.20};
    QTest::newRow("green") << 0 << 255 << 0 << Lab{87.73, -86.18, 83.18};
    QTest::newRow("blue") << 0 << 0 << 255 << Lab{32.30, 79.19, -107.86};
    QTest::newRow("mid grey") << 128 << 128 << 128 << Lab{53.59, 0, 0};
}

void TestPhoto::srgbToLab()
{
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    QFETCH(Lab, expected);
    const Lab lab = labFromSrgb(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b));
    QVERIFY2(std::abs(lab.L - expected.L) < 0.01, qPrintable(QString::number(lab.L)));
    QVERIFY2(std::abs(lab.a - expected.a) < 0.01, qPrintable(QString::number(lab.a)));
    QVERIFY2(std::abs(lab.b - expected.b) < 0.01, qPrintable(QString::number(lab.b)));
}

void TestPhoto::labRoundTrip()
{
    // Every 17th level of each channel back to the same bytes.
    for (int r = 0; r < 256; r += 17)
        for (int g = 0; g < 256; g += 17)
            for (int b = 0; b < 256; b += 17) {
                const auto back =
                    srgbFromLab(labFromSrgb(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)));
                QCOMPARE(int(back[0]), r);
                QCOMPARE(int(back[1]), g);
                QCOMPARE(int(back[2]), b);
            }
}

void TestPhoto::deltaE2000_data()
{
    QTest::addColumn<Lab>("x");
    QTest::addColumn<Lab>("y");
    QTest::addColumn<double>("expected");
    // Pairs with published CIEDE2000 distances: a blue hue step, a grey to
    // a faint colour, and a large step across hues.
    QTest::newRow("blue hue") << Lab{50, 2.6772, -79.7751} << Lab{50, 0, -82.7485} << 2.0425;
    QTest::newRow("blue hue 2") << Lab{50, 2.8361, -74.0200} << Lab{50, 0, -82.7485} << 3.4412;
    QTest::newRow("grey") << Lab{50, 0, 0} << Lab{50, -1, 2} << 2.3669;
    QTest::newRow("large") << Lab{50, 2.5, 0} << Lab{73, 25, -18} << 27.1492;
}

void TestPhoto::deltaE2000()
{
    QFETCH(Lab, x);
    QFETCH(Lab, y);
    QFETCH(double, expected);
    QVERIFY2(std::abs(photo::deltaE2000(x, y) - expected) < 0.0001,
             qPrintable(QString::number(photo::deltaE2000(x, y), 'f', 5)));
    // Symmetric.
    QVERIFY(std::abs(photo::deltaE2000(y, x) - expected) < 0.0001);
}

void TestPhoto::clustering()
{
    // Two clouds of colours: the centres land on their means, each colour
    // with its own cloud.
    std::vector<Lab> colours;
    for (int i = 0; i < 30; ++i)
        colours.push_back({70.0 + (i % 5) - 2, 5.0 + (i % 3) - 1, 25});
    for (int i = 0; i < 10; ++i)
        colours.push_back({40.0 + (i % 3) - 1, 55, 30.0 + (i % 5) - 2});
    const Clustering c = clusterColours(colours, 2);
    QCOMPARE(c.centres.size(), std::size_t(2));
    const int big = c.labels[0], small = c.labels[30];
    QVERIFY(big != small);
    QCOMPARE(c.sizes[std::size_t(big)], 30);
    QCOMPARE(c.sizes[std::size_t(small)], 10);
    QVERIFY(deltaE76(c.centres[std::size_t(big)], {70, 5, 25}) < 0.5);
    QVERIFY(deltaE76(c.centres[std::size_t(small)], {40, 55, 30}) < 0.5);
    for (std::size_t i = 0; i < colours.size(); ++i)
        QCOMPARE(c.labels[i], i < 30 ? big : small);
}

void TestPhoto::densestColourIgnoresOutliers()
{
    std::vector<Lab> colours(20, Lab{72, 6, 24});
    colours.insert(colours.end(), 12, Lab{30, 40, 20});
    colours.push_back({100, 0, 0});
    const Lab d = densestColour(colours, 5);
    QVERIFY(deltaE76(d, {72, 6, 24}) < 1e-9);
}

void TestPhoto::faintBandWithEndsTooFar_data()
{
    QTest::addColumn<int>("past"); // samples beyond the body's end, of 100
    QTest::addColumn<Lab>("beyond");

    const Lab shadow{58, 4, 18}, darkLead{35, 2, 5};
    QTest::newRow("ends at the body") << 0 << shadow;
    QTest::newRow("a third beyond, a lead's shadow") << 35 << shadow;
    QTest::newRow("a third beyond, a dark lead") << 35 << darkLead;
}

// A profile along a beige body whose second end was taken on along a lead:
// Kırmızı, Siyah and two faint Altın bands (ΔE 12 from the lacquer), then
// the lead. Every band is found where it lies.
void TestPhoto::faintBandWithEndsTooFar()
{
    QFETCH(int, past);
    QFETCH(Lab, beyond);

    const Lab lacquer = bodyColour(BodyKind::Beige), red{45, 45, 25}, black{30, 0, 2},
              faintGold{64, 10, 32};
    struct Painted {
        int from, to;
        Lab colour;
    };
    const int body = 100 - past;
    const auto at = [body](double share) { return int(std::lround(share * body)); };
    const std::vector<Painted> bands{{at(0.15), at(0.22), red},
                                     {at(0.31), at(0.38), black},
                                     {at(0.46), at(0.53), faintGold},
                                     {at(0.74), at(0.81), faintGold}};
    Profile profile;
    for (int i = 0; i < 100; ++i) {
        Lab c = i >= body ? beyond : lacquer;
        for (const Painted &b : bands)
            if (i >= b.from && i < b.to)
                c = b.colour;
        // The lacquer's grain: a little either way.
        c.L += (i % 3 - 1) * 0.8;
        profile.corrected.push_back(c);
        profile.raw.push_back(linearFromLab(c));
    }
    const std::vector<Band> found = findBands(profile);
    QCOMPARE(found.size(), bands.size());
    for (std::size_t k = 0; k < bands.size(); ++k) {
        const double painted = (bands[k].from + bands[k].to) / 200.0;
        QVERIFY2(std::abs((found[k].start + found[k].end) / 2 - painted) < 0.02,
                 qPrintable(QString::number(k)));
    }
}

void TestPhoto::paintedPart_data()
{
    QTest::addColumn<std::vector<Colour>>("bands");
    QTest::addColumn<bool>("blueBody");
    QTest::addColumn<bool>("turned"); // the tolerance band at the left
    QTest::addColumn<unsigned>("harm");
    QTest::addColumn<QString>("ohms");

    using enum colorcode::Colour;
    const std::vector<Colour> k47{Sari, Mor, Kirmizi, Altin};
    const std::vector<Colour> r100{Kahverengi, Siyah, Kahverengi, Altin};
    const std::vector<Colour> k56{Yesil, Mavi, Turuncu, Altin};
    const std::vector<Colour> r33{Turuncu, Turuncu, Siyah, Gumus};
    const std::vector<Colour> k47One{Sari, Mor, Siyah, Kahverengi, Kahverengi};
    const std::vector<Colour> k187{Kahverengi, Gri, Mor, Kirmizi, Kahverengi};

    QTest::newRow("4k7 clean") << k47 << false << false << unsigned(None) << "47e2";
    QTest::newRow("4k7 turned") << k47 << false << true << unsigned(None) << "47e2";
    QTest::newRow("4k7 warm light") << k47 << false << false << unsigned(Warm) << "47e2";
    QTest::newRow("4k7 everything")
        << k47 << false << true << unsigned(Warm | Blurred | Noisy | Jpeg) << "47e2";
    QTest::newRow("100 clean") << r100 << false << false << unsigned(None) << "1e2";
    QTest::newRow("100 cold dark") << r100 << false << true << unsigned(Blue | Dark) << "1e2";
    QTest::newRow("100 dim") << r100 << false << false << unsigned(Dim | Noisy | Jpeg) << "1e2";
    QTest::newRow("56k dim warm") << k56 << false << true << unsigned(Dim | Warm | Jpeg) << "56e3";
    QTest::newRow("100 blurred jpeg")
        << r100 << false << false << unsigned(Blurred | Jpeg) << "1e2";
    QTest::newRow("56k noisy") << k56 << false << false << unsigned(Noisy) << "56e3";
    QTest::newRow("4k7 thin blurred")
        << k47 << false << false << unsigned(Thin | Blurred) << "47e2";
    QTest::newRow("100 thin blurred") << r100 << false << true << unsigned(Thin | Blurred) << "1e2";
    QTest::newRow("56k thin blurred jpeg")
        << k56 << false << false << unsigned(Thin | Blurred | Jpeg) << "56e3";
    QTest::newRow("33 thin blurred") << r33 << false << false << unsigned(Thin | Blurred) << "33e0";
    QTest::newRow("4k7 beside a cap's glare")
        << std::vector<Colour>{Beyaz, Sari, Mor, Kirmizi, Altin} << false << false
        << unsigned(Glare) << "47e2";
    QTest::newRow("33 thinner blurred")
        << r33 << false << false << unsigned(Thinner | Blurred) << "33e0";
    QTest::newRow("4k7 1% blue body thin blurred")
        << k47One << true << false << unsigned(Thin | Blurred) << "47e2";
    QTest::newRow("56k everything")
        << k56 << false << true << unsigned(Blue | Blurred | Noisy | Jpeg) << "56e3";
    QTest::newRow("33 silver") << r33 << false << false << unsigned(Jpeg) << "33e0";
    QTest::newRow("4k7 1% blue body") << k47One << true << false << unsigned(None) << "47e2";
    QTest::newRow("4k7 1% blue body warm jpeg")
        << k47One << true << true << unsigned(Warm | Jpeg) << "47e2";
    QTest::newRow("18k7 1% blue body")
        << k187 << true << false << unsigned(Blurred | Noisy) << "187e2";
    // Beyond what parts are made in, yet plainly painted: still first.
    QTest::newRow("220M plainly painted") << std::vector<Colour>{Kirmizi, Kirmizi, Mor, Altin}
                                          << false << false << unsigned(Jpeg) << "22e7";
    // No tolerance band: read as the fewest bands with Renksiz.
    QTest::newRow("4k7 without a tolerance band")
        << std::vector<Colour>{Sari, Mor, Kirmizi, Renksiz} << false << false << unsigned(None)
        << "47e2";
    // The shaded line where a power part's cap steps down is no band,
    // though as plain as a faint one.
    const std::vector<Colour> r2{Kirmizi, Siyah, Altin, Altin};
    QTest::newRow("2 beside a cap's step") << r2 << false << false << unsigned(CapLine) << "2e0";
    QTest::newRow("2 beside a cap's step jpeg")
        << r2 << false << false << unsigned(CapLine | Jpeg) << "2e0";
    QTest::newRow("2 beside a cap's step turned blurred")
        << r2 << false << true << unsigned(CapLine | Blurred | Jpeg) << "2e0";
    QTest::newRow("4k7 beside a cap's step")
        << k47 << false << false << unsigned(CapLine | Jpeg) << "47e2";
    QTest::newRow("100 beside a cap's step")
        << r100 << false << false << unsigned(CapLine | Jpeg) << "1e2";
    QTest::newRow("220 beside a cap's step dim")
        << std::vector<Colour>{Kirmizi, Kirmizi, Kahverengi, Altin} << false << false
        << unsigned(CapLine | Dim | Jpeg) << "22e1";
    // Gold lit by a lamp is lighter and yellower, yet still far duller than
    // Beyaz or Sarı: it stays Altın.
    const std::vector<Colour> k1{Kahverengi, Siyah, Kirmizi, Altin};
    QTest::newRow("1k glossy") << k1 << false << false << unsigned(Glossy | Jpeg) << "1e3";
    QTest::newRow("4k7 glossy warm")
        << k47 << false << false << unsigned(Glossy | Warm | Jpeg) << "47e2";
    QTest::newRow("2 glossy") << r2 << false << false << unsigned(Glossy | Jpeg) << "2e0";
    QTest::newRow("2 glossy thin")
        << r2 << false << true << unsigned(Glossy | Thin | Blurred | Jpeg) << "2e0";
    // Nor read backwards into a ± 20 % value when it is a ± 5 % one: read
    // from its other end, 270 Kilo Ohm is 4,7 Kilo Ohm.
    QTest::newRow("270k without a tolerance band")
        << std::vector<Colour>{Kirmizi, Mor, Sari, Renksiz} << false << false << unsigned(None)
        << "27e4";
}

void TestPhoto::paintedPart()
{
    QFETCH(std::vector<Colour>, bands);
    QFETCH(bool, blueBody);
    QFETCH(bool, turned);
    QFETCH(unsigned, harm);
    QFETCH(QString, ohms);

    // Leaning, off the middle, about a third of the frame long.
    Part part{bands, blueBody ? lightBlue : beige, {{150, 210}, {320, 150}}, 48};
    if (turned)
        std::swap(part.ends.first, part.ends.second);
    if (harm & Thin)
        part.bandHalf /= 3;
    if (harm & Thinner)
        part.bandHalf /= 4;
    if (harm & Glare)
        part.repainted.push_back({0, Paint{250, 232, 205}});
    if (harm & Glossy)
        for (std::size_t k = 0; k < bands.size(); ++k)
            if (bands[k] == Colour::Altin)
                part.repainted.push_back({k, Paint{220, 190, 110}});
    if (harm & CapLine) {
        part.lineAt = 0.115;
        part.lineHalf = 0.012;
        part.line = {Paint::value_type(part.body[0] * 7 / 10),
                     Paint::value_type(part.body[1] * 7 / 10),
                     Paint::value_type(part.body[2] * 7 / 10)};
    }
    const RgbImage image = harmed(paint(part), harm);

    const PhotoReading reading = readPhoto(image);
    QVERIFY(reading.ends);
    // The ends found lie near the tips of the drawn body (its rounded ends
    // reach half its thickness past the axis' ends), whichever way round.
    const double axis = distance(part.ends.first, part.ends.second);
    const double ux = (part.ends.second.x - part.ends.first.x) / axis;
    const double uy = (part.ends.second.y - part.ends.first.y) / axis;
    const double r = part.thickness / 2, length = axis + part.thickness;
    const Point tip1{part.ends.first.x - r * ux, part.ends.first.y - r * uy};
    const Point tip2{part.ends.second.x + r * ux, part.ends.second.y + r * uy};
    const double off = std::min(
        std::max(distance(reading.ends->first, tip1), distance(reading.ends->second, tip2)),
        std::max(distance(reading.ends->first, tip2), distance(reading.ends->second, tip1)));
    QVERIFY2(off < length * 0.08, qPrintable(QString::number(off)));

    QVERIFY(!reading.readings.empty());
    const Reading &best = reading.readings.front();
    const QString value = QString::fromStdString(best.value.value.digits) + u'e' +
                          QString::number(best.value.value.powerOfTen);
    if (value != ohms)
        for (const Reading &r : reading.readings) {
            QStringList names;
            for (const ReadBand &b : r.bands)
                names << QString::number(int(b.colour)) + u'@' +
                             QString::number(b.position, 'f', 2);
            qWarning() << names.join(u' ');
        }
    QCOMPARE(value, ohms);
    // The glare is no band.
    std::vector<Colour> painted = bands;
    if (harm & Glare)
        painted.erase(painted.begin());
    QCOMPARE(best.colours(), painted);
    QCOMPARE(best.bandCount, int(painted.size()));
    QVERIFY(reading.readings.size() <= 3);
    // Each proposal says how often such a reading was right: never sure
    // either way, and the three together at most every time.
    int together = 0;
    for (const Reading &r : reading.readings) {
        QVERIFY(r.confidence);
        QVERIFY(*r.confidence >= 0 && *r.confidence < 100);
        together += *r.confidence;
    }
    QVERIFY(*best.confidence > 0);
    // Painted plainly, each band's likeliest alternative is its paint.
    if (harm == None)
        for (std::size_t k = 0; k < bands.size(); ++k) {
            QVERIFY(!best.bands[k].alternatives.empty());
            QCOMPARE(best.bands[k].alternatives.front().first, bands[k]);
        }
    QVERIFY2(together <= 100, qPrintable(QString::number(together)));
    // Each proposal has a value of its own.
    for (std::size_t i = 0; i < reading.readings.size(); ++i)
        for (std::size_t j = i + 1; j < reading.readings.size(); ++j)
            QVERIFY(!(reading.readings[i].value.value == reading.readings[j].value.value));
}

void TestPhoto::anyLacquer_data()
{
    QTest::addColumn<std::vector<Colour>>("bands");
    QTest::addColumn<Paint>("body");
    QTest::addColumn<unsigned>("harm");
    QTest::addColumn<QString>("ohms");

    using enum colorcode::Colour;
    const std::vector<Colour> r220{Kirmizi, Kirmizi, Kahverengi, Altin};
    const std::vector<Colour> k1{Kahverengi, Siyah, Kirmizi, Altin};
    const std::vector<Colour> k47One{Sari, Mor, Siyah, Kahverengi, Kahverengi};
    // A power part's blue-grey lacquer: corrected as if it were beige or
    // light blue, Kırmızı bands would turn Kahverengi or Mor.
    QTest::newRow("220 blue-grey") << r220 << blueGrey << unsigned(None) << "22e1";
    QTest::newRow("220 blue-grey warm dark jpeg")
        << r220 << blueGrey << unsigned(Warm | Dark | Jpeg) << "22e1";
    QTest::newRow("1k blue-grey cold blurred jpeg")
        << k1 << blueGrey << unsigned(Blue | Blurred | Jpeg) << "1e3";
    QTest::newRow("220 beige cold dark") << r220 << beige << unsigned(Blue | Dark) << "22e1";
    QTest::newRow("4k7 1% light blue warm")
        << k47One << lightBlue << unsigned(Warm | Jpeg) << "47e2";
    // A vivid blue body: read against a beige lacquer it would need a cast
    // no light gives, and that reading must not be shut out for its own.
    const Paint skyBlue{85, 140, 220};
    QTest::newRow("180k sky blue thin blurred jpeg")
        << std::vector<Colour>{Kahverengi, Gri, Sari, Altin} << skyBlue
        << unsigned(Thin | Blurred | Jpeg) << "18e4";
    QTest::newRow("330k sky blue thin warm dark")
        << std::vector<Colour>{Turuncu, Turuncu, Sari, Altin} << skyBlue
        << unsigned(Thin | Blurred | Warm | Dark | Jpeg) << "33e4";
    QTest::newRow("1k light blue thinner blurred")
        << k1 << lightBlue << unsigned(Thinner | Blurred | Jpeg) << "1e3";
    QTest::newRow("220 sky blue dim warm")
        << r220 << skyBlue << unsigned(Dim | Warm | Jpeg) << "22e1";
    // A metal film part with two digits is mostly ± 1 %: its Kahverengi
    // tolerance band is not taken for Altın.
    const std::vector<Colour> k180One{Kahverengi, Gri, Sari, Kahverengi};
    QTest::newRow("180k 1% light blue") << k180One << lightBlue << unsigned(None) << "18e4";
    QTest::newRow("180k 1% sky blue blurred jpeg")
        << k180One << skyBlue << unsigned(Blurred | Jpeg) << "18e4";
    QTest::newRow("180k 1% light blue dim warm")
        << k180One << lightBlue << unsigned(Dim | Warm | Jpeg) << "18e4";
}

// The bands read against the lacquer they are painted on, whatever its kind
// and the light; the ends given, as the user marks them.
void TestPhoto::anyLacquer()
{
    QFETCH(std::vector<Colour>, bands);
    QFETCH(Paint, body);
    QFETCH(unsigned, harm);
    QFETCH(QString, ohms);
    Part part{bands, body, {{120, 230}, {330, 160}}, 50};
    if (harm & Thin)
        part.bandHalf /= 3;
    if (harm & Thinner)
        part.bandHalf /= 4;
    const PhotoReading reading = readPhoto(harmed(paint(part), harm), part.ends);
    QVERIFY(!reading.readings.empty());
    const colorcode::ExactValue &value = reading.readings.front().value.value;
    QCOMPARE(QString::fromStdString(value.digits) + u'e' + QString::number(value.powerOfTen), ohms);
    QCOMPARE(reading.readings.front().colours(), bands);
}

void TestPhoto::givenEndsReplaceFoundOnes()
{
    using enum colorcode::Colour;
    const Part part{{Kirmizi, Kirmizi, Turuncu, Altin}, beige, {{100, 250}, {300, 170}}, 52};
    const RgbImage image = harmed(paint(part), Blurred);
    // Marked from the tolerance end: the reading follows the bands, not the
    // order of the ends.
    const Ends given{part.ends.second, part.ends.first};
    const PhotoReading reading = readPhoto(image, given);
    QVERIFY(reading.endsGiven);
    QCOMPARE(*reading.ends, given);
    QVERIFY(!reading.readings.empty());
    QCOMPARE(reading.readings.front().value.value, (colorcode::ExactValue{"22", 3}));
    QVERIFY(reading.readings.front().fromSecondEnd);
}

void TestPhoto::givenEndsOffTheImage_data()
{
    QTest::addColumn<Ends>("ends");
    QTest::addColumn<bool>("read"); // false: refused, nothing read

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    // The painted image is 480 × 360.
    QTest::newRow("the marked body") << Ends{{150, 210}, {320, 150}} << true;
    QTest::newRow("corner to corner, edges included") << Ends{{0, 0}, {480, 360}} << true;
    QTest::newRow("a pixel past the right edge") << Ends{{150, 210}, {481, 150}} << false;
    QTest::newRow("far right") << Ends{{0, 0}, {5000, 0}} << false;
    QTest::newRow("very far right") << Ends{{0, 0}, {100000, 0}} << false;
    QTest::newRow("far below") << Ends{{100, 100}, {100, 1e9}} << false;
    QTest::newRow("above the top") << Ends{{150, -1}, {320, 150}} << false;
    QTest::newRow("left of the left edge") << Ends{{-0.5, 210}, {320, 150}} << false;
    QTest::newRow("not a number") << Ends{{nan, 210}, {320, 150}} << false;
    QTest::newRow("infinite") << Ends{{150, 210}, {infinity, 150}} << false;
}

void TestPhoto::givenEndsOffTheImage()
{
    QFETCH(Ends, ends);
    QFETCH(bool, read);

    using enum colorcode::Colour;
    const Part part{{Kirmizi, Kirmizi, Turuncu, Altin}, beige, {{150, 210}, {320, 150}}, 48};
    const RgbImage image = paint(part);
    QCOMPARE(inside(image.width, image.height, ends), read);
    // Ends off the image are refused before any work, so they cannot make
    // it grow with their distance.
    const PhotoReading reading = readPhoto(image, ends);
    QCOMPARE(reading.ends.has_value(), read);
    if (!read) {
        QVERIFY(reading.readings.empty());
        QCOMPARE(bodyBetween(image, ends, Lab{}).thickness, 0.0);
    } else {
        QCOMPARE(*reading.ends, ends);
    }
}

void TestPhoto::emptyImageReadsNothing()
{
    const PhotoReading nothing = readPhoto(RgbImage{});
    QVERIFY(!nothing.ends);
    QVERIFY(nothing.readings.empty());
    // A plain table: no body, no reading.
    const RgbImage plain = makeImage(320, 240, 200);
    QVERIFY(readPhoto(plain).readings.empty());
}

void TestPhoto::bodyOnADesk_data()
{
    QTest::addColumn<Surface>("surface");
    QTest::addColumn<Ends>("ends"); // of the body's axis, on a 640 × 480 photo
    QTest::addColumn<double>("thickness");
    QTest::addColumn<double>("leadLength");
    QTest::addColumn<bool>("second"); // a smaller part beside it
    QTest::addColumn<std::vector<Colour>>("bands");

    using enum Surface;
    using enum colorcode::Colour;
    const std::vector<Colour> k47{Sari, Mor, Kirmizi, Altin};
    QTest::newRow("on the table, leads to the edges")
        << Table << Ends{{280, 260}, {350, 225}} << 22.0 << 0.0 << false << k47;
    QTest::newRow("small on wood, turned")
        << Wood << Ends{{300, 290}, {350, 250}} << 18.0 << 90.0 << false << k47;
    QTest::newRow("small on wood, steep, off the middle")
        << Wood << Ends{{420, 330}, {440, 270}} << 18.0 << 80.0 << false << k47;
    QTest::newRow("on wood beside the lamp's glare")
        << Wood << Ends{{230, 200}, {290, 180}} << 20.0 << 120.0 << false << k47;
    QTest::newRow("on wood with a smaller part")
        << Wood << Ends{{280, 250}, {350, 230}} << 22.0 << 90.0 << true << k47;
    QTest::newRow("on paper near the desk's edge")
        << PaperOnWood << Ends{{200, 230}, {260, 215}} << 20.0 << 80.0 << false << k47;
    QTest::newRow("across the paper's edge")
        << PaperOnWood << Ends{{320, 300}, {390, 285}} << 22.0 << 90.0 << false << k47;
    // The strip of desk covers too little of any tile to count as what the
    // part lies on, and the body's end lies on it.
    QTest::newRow("across the paper's edge onto a strip of desk")
        << PaperOverWood << Ends{{300, 300}, {265, 440}} << 40.0 << 40.0 << false << k47;
    QTest::newRow("small, across the paper's edge onto a strip of desk")
        << PaperOverWood << Ends{{420, 385}, {405, 450}} << 22.0 << 30.0 << false << k47;
    // Close-ups: the body fills tiles of the frame that the surface fills
    // elsewhere; what it lies on is what reaches the frame's edge.
    QTest::newRow("close-up on the table")
        << Table << Ends{{120, 250}, {520, 225}} << 130.0 << 0.0 << false << k47;
    QTest::newRow("close-up on wood, leaning")
        << Wood << Ends{{150, 350}, {490, 140}} << 120.0 << 0.0 << false << k47;
    QTest::newRow("close-up on paper, five bands")
        << PaperOnWood << Ends{{130, 200}, {500, 260}} << 110.0 << 0.0 << false
        << std::vector<Colour>{Kahverengi, Siyah, Siyah, Kahverengi, Kahverengi};
    QTest::newRow("on grid paper")
        << GridPaper << Ends{{280, 260}, {350, 225}} << 22.0 << 90.0 << false << k47;
    QTest::newRow("small on grid paper, a smaller part beside it")
        << GridPaper << Ends{{300, 290}, {350, 250}} << 18.0 << 80.0 << true << k47;
    QTest::newRow("close-up on grid paper")
        << GridPaper << Ends{{130, 300}, {500, 170}} << 120.0 << 0.0 << false << k47;
    // A white band at the middle looks like the paper all across the body.
    QTest::newRow("on paper, a white band in the middle")
        << PaperOnWood << Ends{{150, 200}, {200, 190}} << 14.0 << 60.0 << false
        << std::vector<Colour>{Kahverengi, Siyah, Beyaz, Altin};
}

void TestPhoto::bodyOnADesk()
{
    QFETCH(Surface, surface);
    QFETCH(Ends, ends);
    QFETCH(double, thickness);
    QFETCH(double, leadLength);
    QFETCH(bool, second);
    QFETCH(std::vector<Colour>, bands);

    using enum colorcode::Colour;
    std::vector<Part> parts{{bands, beige, ends, thickness, leadLength}};
    if (second)
        parts.push_back({{Kahverengi, Siyah, Turuncu, Altin},
                         lightBlue,
                         {{470, 390}, {510, 380}},
                         thickness * 0.6,
                         leadLength * 0.6});
    const RgbImage image = jpeg(paint(parts, surface, 640, 480));

    const std::optional<Body> body = findBody(image);
    QVERIFY(body);
    // The found body's middle lies on the drawn body (its rounded ends
    // included), and it is no mere band of it.
    const Point middle{(body->ends.first.x + body->ends.second.x) / 2,
                       (body->ends.first.y + body->ends.second.y) / 2};
    const double length = distance(ends.first, ends.second);
    const double ux = (ends.second.x - ends.first.x) / length;
    const double uy = (ends.second.y - ends.first.y) / length;
    const double rx = middle.x - ends.first.x, ry = middle.y - ends.first.y;
    const double along = rx * ux + ry * uy, across = -rx * uy + ry * ux;
    const QString where = QString::number(middle.x) + u',' + QString::number(middle.y);
    QVERIFY2(along > -thickness / 2 && along < length + thickness / 2, qPrintable(where));
    QVERIFY2(std::abs(across) < thickness / 2, qPrintable(where));
    QVERIFY2(distance(body->ends.first, body->ends.second) > length / 2, qPrintable(where));
}

void TestPhoto::bodyAcrossAStretchLikeTheSurface_data()
{
    QTest::addColumn<Surface>("surface");
    QTest::addColumn<double>("at");   // the stretch's middle, a share of the body's length
    QTest::addColumn<double>("half"); // half its width, a share of the body's length

    using enum Surface;
    // The body is 150 pixels long, 40 thick: the widest stretch is 0,6 of
    // its thickness, a lead's gap is longer.
    QTest::newRow("narrow, in the middle") << Table << 0.5 << 0.03;
    QTest::newRow("wide, in the middle") << Table << 0.5 << 0.08;
    QTest::newRow("wide, off the middle") << Table << 0.4 << 0.08;
    QTest::newRow("narrower, on wood") << Wood << 0.5 << 0.05;
}

// A stretch of the body that looks like the surface splits the patch found
// in two; the body is still found whole.
void TestPhoto::bodyAcrossAStretchLikeTheSurface()
{
    QFETCH(Surface, surface);
    QFETCH(double, at);
    QFETCH(double, half);

    using enum colorcode::Colour;
    Part part{{Kahverengi, Siyah, Kirmizi, Altin}, beige, {{240, 260}, {390, 220}}, 40, 120};
    part.likeSurfaceAt = at;
    part.likeSurfaceHalf = half;
    const std::optional<Body> body = findBody(jpeg(paint({part}, surface, 640, 480)));
    QVERIFY(body);
    const double found = distance(body->ends.first, body->ends.second);
    QVERIFY2(found > distance(part.ends.first, part.ends.second) * 0.9,
             qPrintable(QString::number(found)));
}

void TestPhoto::closeUpWithThickLeads_data()
{
    QTest::addColumn<Surface>("surface");
    QTest::addColumn<Ends>("ends"); // on a 640 × 480 photo
    QTest::addColumn<double>("leadHalf");

    using enum Surface;
    // A photo enlarged from a small part: its leads as thick as a band is
    // wide, out to the frame's edges.
    QTest::newRow("leaning") << Table << Ends{{200, 330}, {440, 150}} << 20.0;
    QTest::newRow("level, on grid paper") << GridPaper << Ends{{170, 250}, {470, 240}} << 24.0;
    QTest::newRow("thin leads") << Table << Ends{{200, 330}, {440, 150}} << 1.6;
}

void TestPhoto::closeUpWithThickLeads()
{
    QFETCH(Surface, surface);
    QFETCH(Ends, ends);
    QFETCH(double, leadHalf);

    using enum colorcode::Colour;
    Part part{{Kahverengi, Siyah, Kirmizi, Altin}, beige, ends, 110};
    part.leadHalf = leadHalf;
    part.lead = {90, 90, 95}; // with its shadow
    const std::optional<Body> body = findBody(jpeg(paint({part}, surface, 640, 480)));
    QVERIFY(body);
    const double found = distance(body->ends.first, body->ends.second);
    const double drawn = distance(ends.first, ends.second) + part.thickness;
    QVERIFY2(found > 0.8 * drawn && found < 1.2 * drawn, qPrintable(QString::number(found)));
}

void TestPhoto::tooSmallReadsNothing_data()
{
    QTest::addColumn<Ends>("ends");
    QTest::addColumn<double>("length"); // of the body, by hand
    QTest::addColumn<bool>("tooSmall");

    // The painted 2,2 kΩ part below lies from (100, 250) to (300, 170).
    QTest::newRow("the whole body") << Ends{{100, 250}, {300, 170}} << 215.41 << false;
    QTest::newRow("a quarter of it, as if photographed from afar")
        << Ends{{100, 250}, {150, 230}} << 53.85 << true;
    QTest::newRow("a few pixels") << Ends{{100, 250}, {103, 246}} << 5.0 << true;
    QTest::newRow("both ends on one point") << Ends{{120, 242}, {120, 242}} << 0.0 << true;
}

void TestPhoto::tooSmallReadsNothing()
{
    QFETCH(Ends, ends);
    QFETCH(double, length);
    QFETCH(bool, tooSmall);

    using enum colorcode::Colour;
    const Part part{{Kirmizi, Kirmizi, Turuncu, Altin}, beige, {{100, 250}, {300, 170}}, 52};
    const PhotoReading reading = readPhoto(paint(part), ends);
    QCOMPARE(reading.tooSmall, tooSmall);
    QVERIFY(std::abs(reading.length - length) < 0.01);
    // Too small: nothing proposed at all, rather than readings of a blur.
    QCOMPARE(reading.readings.empty(), tooSmall);

    // The same part painted a fifth of its size, found by itself: too small.
    const Part far{part.bands, beige, {{100, 120}, {140, 104}}, 11};
    const PhotoReading farReading = readPhoto(paint(far));
    if (farReading.ends) {
        QVERIFY(farReading.tooSmall);
        QVERIFY(farReading.readings.empty());
    }
}

void TestPhoto::rotatedLargeFile()
{
    // A phone's photo: large, stored on its side with the camera's rotation
    // noted. It opens upright and smaller; positions in and out are the
    // photo's own pixels.
    using enum colorcode::Colour;
    const Part part{{Kahverengi, Siyah, Turuncu, Altin}, beige, {{150, 210}, {320, 150}}, 48};
    const RgbImage painted = paint(part);
    const QImage upright = QImage(painted.rgb.data(), painted.width, painted.height,
                                  painted.width * 3, QImage::Format_RGB888)
                               .scaled(painted.width * 8, painted.height * 8);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("telefon.jpg"));
    QImageWriter writer(path);
    // Stored turned a quarter the other way, to be turned back on opening.
    writer.setTransformation(QImageIOHandler::TransformationRotate90);
    QVERIFY(writer.write(upright.transformed(QTransform().rotate(-90))));

    const LoadedPhoto loaded = loadPhoto(path);
    QVERIFY2(loaded.error.isEmpty(), qPrintable(loaded.error));
    QCOMPARE(loaded.fullSize, upright.size());
    QCOMPARE(std::max(loaded.image.width, loaded.image.height), readingLongSide);
    QCOMPARE(loaded.image.width > loaded.image.height, true);

    const FileReading found = readPhotoFile(path);
    QVERIFY(found.error.isEmpty());
    QVERIFY(!found.readings.empty());
    QCOMPARE(found.readings.front().ohms, (colorcode::ExactValue{"1", 4}));
    QCOMPARE(found.readings.front().bands, part.bands);
    QVERIFY(found.ends);
    // The ends found, in the photo's pixels: near the drawn body's middle.
    const Point middle{(found.ends->first.x + found.ends->second.x) / 2,
                       (found.ends->first.y + found.ends->second.y) / 2};
    QVERIFY(distance(middle, {235 * 8, 180 * 8}) < 40);

    // Given ends come back as given.
    const Ends marked{{150 * 8 - 150, 210 * 8 + 50}, {320 * 8 + 150, 150 * 8 - 50}};
    const FileReading given = readPhotoFile(path, marked);
    QVERIFY(given.ends);
    QVERIFY(distance(given.ends->first, marked.first) < 1e-6);
    QVERIFY(distance(given.ends->second, marked.second) < 1e-6);
    QVERIFY(!given.readings.empty());
    QCOMPARE(given.readings.front().ohms, (colorcode::ExactValue{"1", 4}));
}

namespace
{

// The CRC of a PNG chunk (ISO 3309), bit by bit: small and plainly right.
std::uint32_t pngCrc(const QByteArray &bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= std::uint8_t(byte);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

void putBigEndian(QByteArray &bytes, qsizetype at, std::uint32_t value)
{
    for (int k = 0; k < 4; ++k)
        bytes[at + k] = char((value >> (24 - 8 * k)) & 0xFFu);
}

QByteArray pngOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

void TestPhoto::openFile_data()
{
    QTest::addColumn<QByteArray>("name");     // in a folder of its own
    QTest::addColumn<QByteArray>("contents"); // "" makes no file
    QTest::addColumn<QString>("error");       // "" when the photo opens

    QImage small(64, 48, QImage::Format_RGB888);
    small.fill(QColor(200, 180, 140));
    const QByteArray png = pngOf(small);
    // The header of a 10000 × 6000 photo (60 megapixels) on a small one.
    QByteArray huge = png;
    putBigEndian(huge, 16, 10000);
    putBigEndian(huge, 20, 6000);
    putBigEndian(huge, 29, pngCrc(huge.mid(12, 17)));

    QTest::newRow("a photo") << QByteArray("direnc.png") << png << QString();
    // A leading ":" names a Qt resource; the file is opened by its bytes.
    QTest::newRow("a name starting with a colon") << QByteArray(":direnc.png") << png << QString();
    QTest::newRow("a name that is not UTF-8") << QByteArray("d\xfcz.png") << png << QString();
    QTest::newRow("no such file") << QByteArray("yok.png") << QByteArray() << "dosya bulunamadı";
    QTest::newRow("text") << QByteArray("notlar.png") << QByteArray("4K7 10K\n")
                          << "fotoğraf değil";
    QTest::newRow("empty") << QByteArray("bos.jpg") << QByteArray("", 0) << "fotoğraf değil";
    QTest::newRow("cut short") << QByteArray("yarim.png") << png.left(png.size() * 2 / 3)
                               << "fotoğraf bozuk ya da eksik";
    QTest::newRow("60 megapixels")
        << QByteArray("dev.png") << huge << "fotoğraf çok büyük (10000 × 6000 piksel)";
}

void TestPhoto::openFile()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, contents);
    QFETCH(QString, error);

    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    // QTemporaryDir removes by text names too.
    const auto removed = qScopeGuard([&] { std::remove((folder + name).constData()); });
    if (!contents.isNull()) {
        // By its bytes: QFile would name it by text.
        std::FILE *file = std::fopen((folder + name).constData(), "wb");
        QVERIFY(file);
        QCOMPARE(std::fwrite(contents.constData(), 1, std::size_t(contents.size()), file),
                 std::size_t(contents.size()));
        QCOMPARE(std::fclose(file), 0);
    }
    // Both the command line's way (bytes) and the window's (a name).
    const LoadedPhoto byBytes = loadPhotoFile(folder + name);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const LoadedPhoto byName = loadPhoto(QFile::decodeName(name));
    QDir::setCurrent(previous);
    // A window holds names as text: one that is not UTF-8 it cannot hold.
    const bool named = QFile::encodeName(QFile::decodeName(name)) == name;
    for (const LoadedPhoto *loaded : {&byBytes, &byName}) {
        if (loaded == &byName && !named)
            continue;
        if (error.isEmpty()) {
            QVERIFY2(loaded->error.isEmpty(), qPrintable(loaded->error));
            QCOMPARE(loaded->fullSize, QSize(64, 48));
        } else {
            QVERIFY2(loaded->error.startsWith(QStringLiteral("Fotoğraf açılamadı: ") + error),
                     qPrintable(loaded->error));
        }
    }
}

void TestPhoto::centredOnBands_data()
{
    // How far across its axis the body handed over lies from the painted
    // one (its thickness 40), and how thick it was measured: a shadow
    // beside the part makes both larger.
    QTest::addColumn<double>("off");
    QTest::addColumn<double>("thickness");
    QTest::addColumn<bool>("moved");
    QTest::newRow("on the axis") << 0.0 << 40.0 << false;
    QTest::newRow("a little off, bands on the axis") << 8.0 << 40.0 << false;
    QTest::newRow("along the shadow below") << 28.0 << 64.0 << true;
    QTest::newRow("along the shadow above") << -30.0 << 70.0 << true;
    QTest::newRow("on the table, the part out of reach") << 120.0 << 40.0 << false;
}

void TestPhoto::centredOnBands()
{
    QFETCH(double, off);
    QFETCH(double, thickness);
    QFETCH(bool, moved);
    using enum colorcode::Colour;
    const Part part{{Sari, Mor, Kirmizi, Altin}, beige, {{110, 200}, {330, 200}}, 40};
    const RgbImage image = harmed(paint(part), Blurred | Jpeg);
    Body given;
    given.thickness = thickness;
    given.ends = {{part.ends.first.x, part.ends.first.y + off},
                  {part.ends.second.x, part.ends.second.y + off}};
    const Body body = photo::centredOnBands(image, given);
    // Only ever across the axis.
    QCOMPARE(body.ends.first.x, given.ends.first.x);
    QCOMPARE(body.ends.second.x, given.ends.second.x);
    QCOMPARE(body.ends.first.y - given.ends.first.y, body.ends.second.y - given.ends.second.y);
    if (moved)
        QVERIFY2(std::abs(body.ends.first.y - part.ends.first.y) < 6,
                 qPrintable(QString::number(body.ends.first.y)));
    else
        QCOMPARE(body.ends, given.ends);
}

QTEST_GUILESS_MAIN(TestPhoto)
#include "tst_photo.moc"
