#include "forms/placement.h"

#include <QTest>

// Where the value-entry window first opens beside the main window.
class TestPlacement : public QObject
{
    Q_OBJECT
private slots:
    void besideOwner_data();
    void besideOwner();
};

void TestPlacement::besideOwner_data()
{
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QPoint>("expected");

    // The window is 240 × 180 with its frame, 8 pixels apart from the owner.
    const QRect screen(0, 0, 1280, 1024);
    QTest::newRow("right") << QRect(100, 100, 400, 200) << screen << QPoint(508, 100);
    QTest::newRow("left: no room right") << QRect(900, 100, 300, 200) << screen << QPoint(652, 100);
    QTest::newRow("below: no room beside")
        << QRect(100, 100, 1100, 200) << screen << QPoint(100, 308);
    QTest::newRow("above: no room beside or below")
        << QRect(100, 700, 1100, 300) << screen << QPoint(100, 512);
    QTest::newRow("centred: no room anywhere")
        << QRect(50, 50, 1180, 924) << screen << QPoint(519, 421);
    QTest::newRow("right, held inside the screen at its foot")
        << QRect(100, 900, 400, 100) << screen << QPoint(508, 844);
    QTest::newRow("left, held inside the screen at its top")
        << QRect(900, -50, 300, 200) << screen << QPoint(652, 0);
    QTest::newRow("on the second screen, beside the owner there")
        << QRect(1380, 100, 400, 200) << QRect(1280, 0, 1920, 1080) << QPoint(1788, 100);
    QTest::newRow("second screen's left edge is not room")
        << QRect(1290, 850, 1800, 200) << QRect(1280, 0, 1920, 1080) << QPoint(1290, 662);
    QTest::newRow("touching the area's edge fits")
        << QRect(0, 0, 1032, 200) << screen << QPoint(1040, 0);
}

void TestPlacement::besideOwner()
{
    QFETCH(QRect, owner);
    QFETCH(QRect, area);
    QFETCH(QPoint, expected);
    const QSize size(240, 180);

    const QPoint at = placement::besideOwner(owner, size, area, 8);

    QCOMPARE(at, expected);
    const QRect placed(at, size);
    QVERIFY(area.contains(placed));
    if (at != area.center() - QPoint(size.width() / 2, size.height() / 2))
        QVERIFY(!placed.intersects(owner.adjusted(-7, -7, 7, 7)));
}

QTEST_APPLESS_MAIN(TestPlacement)
#include "tst_placement.moc"
