#include "forms/application.h"
#include "forms/form1.h"
#include "forms/form1design.h"
#include "forms/twips.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cmath>

// The main window's drawing on a scaled screen: the test runs under a
// QT_SCALE_FACTOR from its environment, and reads the window as the screen
// shows it, in device pixels.
class TestHighDpi : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void drawingPart_data();
    void drawingPart();

private:
    QImage m_screen;
};

void TestHighDpi::initTestCase()
{
    prepareApplication();
    Form1 &form = Form1::instance();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // Sarı, Mor, Kırmızı, Altın.
    form.Combo1->setCurrentIndex(4);
    form.Combo2->setCurrentIndex(7);
    form.Combo3->setCurrentIndex(2);
    form.Combo4->setCurrentIndex(0);
    QTest::mouseClick(form.Command1, Qt::LeftButton);

    m_screen = form.grab().toImage();
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    QVERIFY2(scale > 1, "QT_SCALE_FACTOR is not set above 1");
    QCOMPARE(m_screen.devicePixelRatio(), scale);
}

void TestHighDpi::drawingPart_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<QColor>("colour");

    // The leads are one design pixel high: their middle row must show at
    // any scale, not fall beside the widget.
    QTest::newRow("left lead") << "Line1" << QColor(Qt::black);
    QTest::newRow("right lead") << "Line2" << QColor(Qt::black);
    QTest::newRow("yellow band") << "Shape2(0)" << QColor(255, 255, 0);
    QTest::newRow("violet band") << "Shape2(1)" << QColor(128, 0, 128);
    QTest::newRow("red band") << "Shape2(2)" << QColor(255, 0, 0);
    QTest::newRow("gold band") << "Shape2(3)" << QColor(192, 192, 0);
}

void TestHighDpi::drawingPart()
{
    QFETCH(QString, part);
    QFETCH(QColor, colour);
    Form1 &form = Form1::instance();
    const auto *widget = form.findChild<QWidget *>(part);
    QVERIFY(widget);
    QVERIFY(widget->isVisible());

    // The centre of the part's middle pixel by the design (a line's design
    // height is 0), in screen pixels.
    const auto design = std::ranges::find_if(
        form1design::controls, [&](const designer::Control &c) { return part == c.name; });
    QVERIFY(design != form1design::controls.end());
    const QRect r = twips::toPixels(design->left, design->top, design->width, design->height);
    const QPointF middle(r.left() + r.width() / 2 + 0.5, r.top() + r.height() / 2 + 0.5);
    const qreal scale = m_screen.devicePixelRatio();
    const QPoint pixel(int(std::floor(middle.x() * scale)), int(std::floor(middle.y() * scale)));
    if (part.startsWith(u"Line"))
        colour = form.palette().color(QPalette::WindowText);
    QCOMPARE(m_screen.pixelColor(pixel), colour);
}

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
