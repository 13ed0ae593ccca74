#include "colorcode/bandpainting.h"

#include <QTest>

using namespace colorcode;

namespace
{

using Shapes = QList<BandShape>;

// The bands as the main window shows them at start: hidden, design fills;
// the bands of five and six after them, hidden and black.
Shapes startBands(int count = 4)
{
    Shapes bands{
        {false, 0x00FFFFFF}, {false, 0x00000000}, {false, 0x00000000}, {false, 0x00E0E0E0}};
    bands.resize(count, {false, 0});
    return bands;
}

Shapes painted(Shapes bands, const BandChoice &choice)
{
    paintBands(bands, choice);
    return bands;
}

} // namespace

Q_DECLARE_METATYPE(colorcode::BandChoice)
Q_DECLARE_METATYPE(colorcode::BandShape)

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
    QTest::addColumn<Shapes>("expected");

    QTest::newRow("brown black red gold")
        << BandChoice{1, 0, 2, 0}
        << Shapes{{true, 0x00004080}, {true, 0}, {true, 0x000000FF}, {true, 0x0000C0C0}};
    QTest::newRow("silver") << BandChoice{4, 7, 3, 1}
                            << Shapes{{true, 0x0000FFFF},
                                      {true, 0x00800080},
                                      {true, 0x000080FF},
                                      {true, 0x00E0E0E0}};
    QTest::newRow("gold multiplier")
        << BandChoice{4, 7, 10, 0}
        << Shapes{{true, 0x0000FFFF}, {true, 0x00800080}, {true, 0x0000C0C0}, {true, 0x0000C0C0}};
    QTest::newRow("silver multiplier")
        << BandChoice{4, 7, 11, 1}
        << Shapes{{true, 0x0000FFFF}, {true, 0x00800080}, {true, 0x00E0E0E0}, {true, 0x00E0E0E0}};
    QTest::newRow("renksiz hides, keeps fill")
        << BandChoice{9, 8, 6, 2}
        << Shapes{{true, 0x00FFFFFF}, {true, 0x00808080}, {true, 0x00FF0000}, {false, 0x00E0E0E0}};
    // Unchosen lists leave their band in the colour it had: the design fill.
    QTest::newRow("nothing chosen")
        << BandChoice{-1, -1, -1, -1}
        << Shapes{{true, 0x00FFFFFF}, {true, 0}, {true, 0}, {true, 0x00E0E0E0}};
    QTest::newRow("only second chosen")
        << BandChoice{-1, 5, -1, -1}
        << Shapes{{true, 0x00FFFFFF}, {true, 0x0000FF00}, {true, 0}, {true, 0x00E0E0E0}};

    // Pembe and the tolerances beyond Renksiz, from their tables.
    QTest::newRow("pembe multiplier, gri tolerance")
        << BandChoice{4, 7, 12, 10}
        << Shapes{{true, 0x0000FFFF}, {true, 0x00800080}, {true, pembePaint}, {true, 0x00808080}};
    // Five bands: the third digit before the multiplier.
    QTest::newRow("five: 10 kilo, 1 %")
        << BandChoice{.first = 1,
                      .second = 0,
                      .multiplier = 2,
                      .tolerance = 3,
                      .third = 0,
                      .bandCount = 5}
        << Shapes{{true, 0x00004080}, {true, 0}, {true, 0}, {true, 0x000000FF}, {true, 0x00004080}};
    // Six bands: the coefficient last, its colour from its own table.
    QTest::newRow("six: 19,2 kilo, 1 %, 10 ppm/K")
        << BandChoice{1, 9, 1, 3, 2, 6, 6}
        << Shapes{{true, 0x00004080}, {true, 0x00FFFFFF}, {true, 0x000000FF},
                  {true, 0x00004080}, {true, 0x00004080}, {true, 0x00FF0000}};
    QTest::newRow("six: renksiz, no coefficient yet")
        << BandChoice{1, 0, 0, 2, 0, -1, 6}
        << Shapes{{true, 0x00004080}, {true, 0}, {true, 0}, {true, 0}, {false, 0}, {true, 0}};
    // Shapes for another band count are left alone.
    QTest::newRow("five bands for four shapes") << BandChoice{1, 0, 2, 3, 0, -1, 5} << startBands();
}

void TestBandPainting::paint()
{
    QFETCH(BandChoice, choice);
    QFETCH(Shapes, expected);

    const Shapes bands = painted(startBands(int(expected.size())), choice);
    QVERIFY(bands == expected);
    // Painting again changes nothing.
    QVERIFY(painted(bands, choice) == expected);
    QCOMPARE(choice.complete(), choice.first >= 0 && choice.second >= 0 && choice.multiplier >= 0 &&
                                    choice.tolerance >= 0 &&
                                    (choice.bandCount < 6 || choice.coefficient >= 0));
}

void TestBandPainting::renksizThenAltin()
{
    Shapes bands = painted(startBands(), {1, 0, 2, 2});
    QVERIFY(!bands[3].visible);
    bands = painted(bands, {1, 0, 2, 0});
    QVERIFY(bands[3].visible);
    QCOMPARE(bands[3].fill, altinPaint);
}

void TestBandPainting::everyColourIndex()
{
    // Each list paints its own band, by index alone, the same in all three.
    for (int i = 0; i < 10; ++i) {
        const Shapes bands = painted(startBands(), {i, 9 - i, i, 0});
        QCOMPARE(bands[0].fill, colourList[std::size_t(i)].paint);
        QCOMPARE(bands[1].fill, colourList[std::size_t(9 - i)].paint);
        QCOMPARE(bands[2].fill, colourList[std::size_t(i)].paint);
    }
    // Every tolerance and coefficient in its colour: the colour's own paint.
    for (int t = 0; t < int(toleranceList.size()); ++t)
        for (int c = 0; c < int(coefficientList.size()); ++c) {
            const Shapes bands = painted(startBands(6), {0, 0, 12, t, 0, c, 6});
            const BandEntry &tolerance = toleranceList[std::size_t(t)];
            QCOMPARE(bands[3].fill, pembePaint);
            QCOMPARE(bands[4].visible, tolerance.colour != Colour::Renksiz);
            if (tolerance.colour != Colour::Renksiz)
                QCOMPARE(bands[4].fill, tolerance.colour <= Colour::Beyaz
                                            ? colourList[std::size_t(tolerance.colour)].paint
                                            : tolerance.paint);
            QCOMPARE(bands[5].fill, colourList[std::size_t(c)].paint);
        }
}

QTEST_APPLESS_MAIN(TestBandPainting)
#include "tst_bandpainting.moc"
