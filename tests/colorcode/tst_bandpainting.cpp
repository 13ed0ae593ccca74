#include "colorcode/bandpainting.h"
#include "colorcode/bandselection.h"

#include <QTest>

using namespace colorcode;

namespace
{

using Shapes = QList<BandShape>;

// A selection from list indices left to right; their number is the count.
BandSelection selectionOf(const QList<int> &indices)
{
    BandSelection selection = BandSelection::empty(int(indices.size()));
    for (qsizetype i = 0; i < indices.size(); ++i)
        selection.entries[std::size_t(i)] = indices[i];
    return selection;
}

QList<int> indicesOf(const BandSelection &selection)
{
    QList<int> indices;
    for (std::size_t i = 0; i < selection.roles().size(); ++i)
        indices << selection.entries[i];
    return indices;
}

Shapes painted(const QList<int> &indices)
{
    const std::vector<BandShape> shapes = bandShapes(selectionOf(indices));
    return Shapes(shapes.begin(), shapes.end());
}

const QLocale turkish(QLocale::Turkish, QLocale::Turkey);

} // namespace

Q_DECLARE_METATYPE(colorcode::BandShape)
Q_DECLARE_METATYPE(colorcode::LabelPlace)

class TestBandPainting : public QObject
{
    Q_OBJECT
private slots:
    void paint_data();
    void paint();
    void everyColourIndex();
    void labelPlaces_data();
    void labelPlaces();
    void switching_data();
    void switching();
    void droppedComesBack();
};

void TestBandPainting::paint_data()
{
    QTest::addColumn<QList<int>>("choice");
    QTest::addColumn<Shapes>("expected");
    QTest::addColumn<QString>("description");
    // What the labels on the drawing say, under a Turkish locale.
    QTest::addColumn<QStringList>("meanings");

    QTest::newRow("brown black red gold")
        << QList<int>{1, 0, 2, 0}
        << Shapes{{true, 0x00004080}, {true, 0}, {true, 0x000000FF}, {true, 0x0000C0C0}}
        << "Kahverengi, Siyah, Kırmızı, Altın" << QStringList{"1", "0", "×100", "± % 5"};
    QTest::newRow("silver")
        << QList<int>{4, 7, 3, 1}
        << Shapes{{true, 0x0000FFFF}, {true, 0x00800080}, {true, 0x000080FF}, {true, 0x00E0E0E0}}
        << "Sarı, Mor, Turuncu, Gümüş" << QStringList{"4", "7", "×1000", "± % 10"};
    QTest::newRow("gold multiplier")
        << QList<int>{4, 7, 10, 0}
        << Shapes{{true, 0x0000FFFF}, {true, 0x00800080}, {true, 0x0000C0C0}, {true, 0x0000C0C0}}
        << "Sarı, Mor, Altın, Altın" << QStringList{"4", "7", "×0,1", "± % 5"};
    QTest::newRow("renksiz hides its band, still named")
        << QList<int>{9, 8, 6, 2}
        << Shapes{{true, 0x00FFFFFF}, {true, 0x00808080}, {true, 0x00FF0000}, {false, 0}}
        << "Beyaz, Gri, Mavi, Renksiz" << QStringList{"9", "8", "×1000000", ""};
    // Nothing is drawn that is not chosen: one unchosen list hides all.
    QTest::newRow("nothing chosen")
        << QList<int>{-1, -1, -1, -1} << Shapes(4) << "Renk seçilmedi" << QStringList{};
    QTest::newRow("only second chosen")
        << QList<int>{-1, 5, -1, -1} << Shapes(4) << "Renk seçilmedi" << QStringList{};
    QTest::newRow("index beyond the list")
        << QList<int>{4, 7, 13, 0} << Shapes(4) << "Renk seçilmedi" << QStringList{};
    QTest::newRow("pembe multiplier, gri tolerance")
        << QList<int>{4, 7, 12, 10}
        << Shapes{{true, 0x0000FFFF}, {true, 0x00800080}, {true, pembePaint}, {true, 0x00808080}}
        << "Sarı, Mor, Pembe, Gri" << QStringList{"4", "7", "×0,001", "± % 0,01"};
    // Five bands: the third digit before the multiplier.
    QTest::newRow("five: 10 kilo, 1 %")
        << QList<int>{1, 0, 0, 2, 3}
        << Shapes{{true, 0x00004080}, {true, 0}, {true, 0}, {true, 0x000000FF}, {true, 0x00004080}}
        << "Kahverengi, Siyah, Siyah, Kırmızı, Kahverengi"
        << QStringList{"1", "0", "0", "×100", "± % 1"};
    // Six bands: the coefficient last, its colour and number from its table.
    QTest::newRow("six: 19,2 kilo, 1 %, 10 ppm/K")
        << QList<int>{1, 9, 2, 1, 3, 6}
        << Shapes{{true, 0x00004080}, {true, 0x00FFFFFF}, {true, 0x000000FF},
                  {true, 0x00004080}, {true, 0x00004080}, {true, 0x00FF0000}}
        << "Kahverengi, Beyaz, Kırmızı, Kahverengi, Kahverengi, Mavi 10 ppm/K"
        << QStringList{"1", "9", "2", "×10", "± % 1", "10 ppm/K"};
    QTest::newRow("six: no coefficient yet draws nothing")
        << QList<int>{4, 7, 0, 1, 0, -1} << Shapes(6) << "Renk seçilmedi" << QStringList{};
}

void TestBandPainting::paint()
{
    QFETCH(QList<int>, choice);
    QFETCH(Shapes, expected);
    QFETCH(QString, description);
    QFETCH(QStringList, meanings);

    QVERIFY(painted(choice) == expected);
    const std::vector<QString> said = bandMeanings(selectionOf(choice), turkish);
    QCOMPARE(QStringList(said.begin(), said.end()), meanings);
    QCOMPARE(describeBands(selectionOf(choice)), description);
    QCOMPARE(selectionOf(choice).complete(),
             !choice.contains(-1) && description != "Renk seçilmedi");
}

void TestBandPainting::everyColourIndex()
{
    // Each band in its own role's paint, by index alone.
    for (int i = 0; i < 10; ++i) {
        const Shapes bands = painted({i, 9 - i, i, 0});
        QCOMPARE(bands[0].fill, colourList[std::size_t(i)].paint);
        QCOMPARE(bands[1].fill, colourList[std::size_t(9 - i)].paint);
        QCOMPARE(bands[2].fill, colourList[std::size_t(i)].paint);
    }
    // Every tolerance and coefficient in its colour: the colour's own paint.
    for (int t = 0; t < int(toleranceList.size()); ++t)
        for (int c = 0; c < int(coefficientList.size()); ++c) {
            const Shapes bands = painted({0, 0, 0, 12, t, c});
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

using Places = QList<LabelPlace>;

void TestBandPainting::labelPlaces_data()
{
    QTest::addColumn<QList<int>>("centres");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<int>("to"); // the row runs from 10 to here; bands 9 wide, gap 4
    QTest::addColumn<Places>("expected");

    QTest::newRow("one fits on its band")
        << QList<int>{100} << QList<int>{5} << 300 << Places{{true, 98}};
    QTest::newRow("one too wide: under its band")
        << QList<int>{100} << QList<int>{30} << 300 << Places{{false, 85}};
    QTest::newRow("crowded: each after the one before")
        << QList<int>{100, 116, 132} << QList<int>{30, 30, 30} << 300
        << Places{{false, 85}, {false, 119}, {false, 153}};
    QTest::newRow("digits on, the rest below")
        << QList<int>{100, 116, 132, 148} << QList<int>{5, 5, 28, 36} << 300
        << Places{{true, 98}, {true, 114}, {false, 118}, {false, 150}};
    QTest::newRow("back from the right edge")
        << QList<int>{270, 286} << QList<int>{30, 30} << 300 << Places{{false, 236}, {false, 270}};
    QTest::newRow("on from the left edge")
        << QList<int>{12, 28} << QList<int>{30, 30} << 300 << Places{{false, 10}, {false, 44}};
    QTest::newRow("too wide for the row: from the left")
        << QList<int>{50, 66} << QList<int>{60, 60} << 100 << Places{{false, 10}, {false, 74}};
}

void TestBandPainting::labelPlaces()
{
    QFETCH(QList<int>, centres);
    QFETCH(QList<int>, widths);
    QFETCH(int, to);
    QFETCH(Places, expected);
    const std::vector<int> c(centres.begin(), centres.end()), w(widths.begin(), widths.end());
    const std::vector<LabelPlace> got = placeBandLabels(c, 9, w, 4, 10, to);
    QCOMPARE(Places(got.begin(), got.end()), expected);
}

void TestBandPainting::switching_data()
{
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<QList<int>>("after");
    QTest::addColumn<QString>("dropped");

    QTest::newRow("4 -> 5 keeps 4,7 kilo")
        << QList<int>{4, 7, 2, 0} << 5 << QList<int>{4, 7, 0, 1, 0} << "";
    QTest::newRow("5 -> 4 keeps 55 ohm")
        << QList<int>{0, 5, 5, 0, 3} << 4 << QList<int>{5, 5, 0, 3} << "";
    QTest::newRow("4 -> 5 from Altın")
        << QList<int>{4, 7, 10, 1} << 5 << QList<int>{4, 7, 0, 11, 1} << "";
    QTest::newRow("4 -> 6 from Pembe, coefficient unchosen")
        << QList<int>{4, 7, 12, 0} << 6 << QList<int>{0, 4, 7, 12, 0, -1} << "";
    QTest::newRow("5 -> 4 cannot show 4,99 kilo")
        << QList<int>{4, 9, 9, 1, 3} << 4 << QList<int>{-1, -1, -1, 3}
        << "4 bantta gösterilemez: 4,99 Kilo Ohm ± % 1; 5 bant gerekir";
    QTest::newRow("5 -> 4 cannot show 100 giga")
        << QList<int>{1, 0, 0, 9, 3} << 4 << QList<int>{-1, -1, -1, 3}
        << "4 bantta gösterilemez: 100000 Mega Ohm ± % 1; 5 bant gerekir";
    QTest::newRow("6 -> 4 drops, tolerance unchosen")
        << QList<int>{4, 9, 9, 1, -1, 1} << 4 << QList<int>{-1, -1, -1, -1}
        << "4 bantta gösterilemez: 4,99 Kilo Ohm; 5 bant gerekir";
    QTest::newRow("5 -> 6 keeps the lists")
        << QList<int>{4, 9, 9, 1, 3} << 6 << QList<int>{4, 9, 9, 1, 3, -1} << "";
    QTest::newRow("6 -> 5 drops the coefficient")
        << QList<int>{1, 9, 2, 2, 3, 6} << 5 << QList<int>{1, 9, 2, 2, 3} << "";
    QTest::newRow("6 -> 4 keeps 10 kilo")
        << QList<int>{1, 0, 0, 2, 4, 1} << 4 << QList<int>{1, 0, 3, 4} << "";
    QTest::newRow("nothing chosen stays so")
        << QList<int>{-1, -1, -1, 0} << 5 << QList<int>{-1, -1, -1, -1, 0} << "";
    QTest::newRow("part of the value chosen: nothing to drop")
        << QList<int>{4, -1, 9, 1, 3} << 4 << QList<int>{-1, -1, -1, 3} << "";
    QTest::newRow("not a band count: unchanged")
        << QList<int>{4, 7, 2, 0} << 7 << QList<int>{4, 7, 2, 0} << "";
}

void TestBandPainting::switching()
{
    QFETCH(QList<int>, before);
    QFETCH(int, bandCount);
    QFETCH(QList<int>, after);
    QFETCH(QString, dropped);

    const BandSwitch change = switchBandCount(selectionOf(before), bandCount);
    QCOMPARE(indicesOf(change.selection), after);
    QCOMPARE(change.dropped.has_value(), !dropped.isEmpty());
    if (change.dropped) {
        QCOMPARE(*change.dropped, selectionOf(before));
        QCOMPARE(droppedNote(*change.dropped, bandCount, turkish), dropped);
    }
}

void TestBandPainting::droppedComesBack()
{
    // 4,99 kΩ ± 1 % 100 ppm/K on six bands, dropped by four: going back to
    // a count that shows it brings it back, the tolerance as it is now.
    const BandSelection six = selectionOf({4, 9, 9, 1, 3, 1});
    const BandSwitch toFour = switchBandCount(six, 4);
    QVERIFY(toFour.dropped);
    BandSelection four = toFour.selection;
    four.entries[3] = 0;
    QCOMPARE(indicesOf(switchBandCount(four, 6, toFour.dropped).selection),
             (QList<int>{4, 9, 9, 1, 0, 1}));
    QCOMPARE(indicesOf(switchBandCount(four, 5, toFour.dropped).selection),
             (QList<int>{4, 9, 9, 1, 0}));
    // A value chosen since wins over the remembered one.
    four.entries[0] = 2;
    QCOMPARE(indicesOf(switchBandCount(four, 5, toFour.dropped).selection),
             (QList<int>{-1, -1, -1, -1, 0}));
}

QTEST_APPLESS_MAIN(TestBandPainting)
#include "tst_bandpainting.moc"
