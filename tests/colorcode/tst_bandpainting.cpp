#include "colorcode/bandpainting.h"

#include <QTest>

using namespace colorcode;

namespace
{

// The bands as the main window shows them at start: hidden, design fills.
BandShapes startBands()
{
    return {{{false, 0x00FFFFFF}, {false, 0x00000000}, {false, 0x00000000}, {false, 0x00E0E0E0}}};
}

} // namespace

Q_DECLARE_METATYPE(colorcode::BandChoice)
Q_DECLARE_METATYPE(colorcode::BandShapes)

class TestBandPainting : public QObject
{
    Q_OBJECT
private slots:
    void paint_data();
    void paint();
    void renksizThenAltin();
    void everyColourIndex();
};

void TestBandPainting::paint_data()
{
    QTest::addColumn<BandChoice>("choice");
    QTest::addColumn<BandShapes>("expected");

    QTest::newRow("brown black red gold")
        << BandChoice{1, 0, 2, 0}
        << BandShapes{{{true, 0x00004080}, {true, 0}, {true, 0x000000FF}, {true, 0x0000C0C0}}};
    QTest::newRow("silver") << BandChoice{4, 7, 3, 1}
                            << BandShapes{{{true, 0x0000FFFF},
                                           {true, 0x00800080},
                                           {true, 0x000080FF},
                                           {true, 0x00E0E0E0}}};
    QTest::newRow("gold multiplier")
        << BandChoice{4, 7, 10, 0}
        << BandShapes{
               {{true, 0x0000FFFF}, {true, 0x00800080}, {true, 0x0000C0C0}, {true, 0x0000C0C0}}};
    QTest::newRow("silver multiplier")
        << BandChoice{4, 7, 11, 1}
        << BandShapes{
               {{true, 0x0000FFFF}, {true, 0x00800080}, {true, 0x00E0E0E0}, {true, 0x00E0E0E0}}};
    QTest::newRow("renksiz hides, keeps fill")
        << BandChoice{9, 8, 6, 2}
        << BandShapes{
               {{true, 0x00FFFFFF}, {true, 0x00808080}, {true, 0x00FF0000}, {false, 0x00E0E0E0}}};
    // Unchosen lists leave their band in the colour it had: the design fill.
    QTest::newRow("nothing chosen")
        << BandChoice{-1, -1, -1, -1}
        << BandShapes{{{true, 0x00FFFFFF}, {true, 0}, {true, 0}, {true, 0x00E0E0E0}}};
    QTest::newRow("only second chosen")
        << BandChoice{-1, 5, -1, -1}
        << BandShapes{{{true, 0x00FFFFFF}, {true, 0x0000FF00}, {true, 0}, {true, 0x00E0E0E0}}};
}

void TestBandPainting::paint()
{
    QFETCH(BandChoice, choice);
    QFETCH(BandShapes, expected);

    BandShapes bands = startBands();
    paintBands(bands, choice);
    QVERIFY(bands == expected);

    // Painting again changes nothing.
    paintBands(bands, choice);
    QVERIFY(bands == expected);
}

void TestBandPainting::renksizThenAltin()
{
    BandShapes bands = startBands();
    paintBands(bands, {1, 0, 2, 2});
    QVERIFY(!bands[3].visible);
    paintBands(bands, {1, 0, 2, 0});
    QVERIFY(bands[3].visible);
    QCOMPARE(bands[3].fill, altinPaint);
}

void TestBandPainting::everyColourIndex()
{
    // Each list paints its own band, by index alone, the same in all three.
    for (int i = 0; i < 10; ++i) {
        BandShapes bands = startBands();
        paintBands(bands, {i, 9 - i, i, 0});
        QCOMPARE(bands[0].fill, colourList[std::size_t(i)].paint);
        QCOMPARE(bands[1].fill, colourList[std::size_t(9 - i)].paint);
        QCOMPARE(bands[2].fill, colourList[std::size_t(i)].paint);
    }
}

QTEST_APPLESS_MAIN(TestBandPainting)
#include "tst_bandpainting.moc"
