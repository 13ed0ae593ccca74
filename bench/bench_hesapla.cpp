// Cost of a press of "Hesapla" in the main window, on the offscreen platform:
// compute, write the result text, and repaint the window with its bands.

#include "colorcode/bandtables.h"
#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form1.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace
{

void choose(Form1 &form, int index)
{
    // Walks all 3600 choices: tolerance fastest, first digit slowest.
    form.Combo4->setCurrentIndex(index % 3);
    form.Combo3->setCurrentIndex(index / 3 % 12);
    form.Combo2->setCurrentIndex(index / 36 % 10);
    form.Combo1->setCurrentIndex(index / 360 % 10);
}

} // namespace

class BenchHesapla : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void press_data();
    void press();
    void cleanupTestCase();
};

void BenchHesapla::initTestCase()
{
    prepareApplication();
    Form1 &form = Form1::instance();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
}

void BenchHesapla::press_data()
{
    QTest::addColumn<bool>("changeColours");
    QTest::newRow("same colours") << false;
    QTest::newRow("other colours each time") << true;
}

void BenchHesapla::press()
{
    QFETCH(bool, changeColours);
    Form1 &form = Form1::instance();
    choose(form, 1234);
    int next = 0;
    QBENCHMARK
    {
        if (changeColours)
            choose(form, next = (next + 1) % 3600);
        form.Command1->click();
        form.repaint();
    }
    QVERIFY(!form.Text1->text().isEmpty());
    QVERIFY(form.Shape2[0]->isVisible());
}

void BenchHesapla::cleanupTestCase()
{
    Form1::destroyInstance();
}

QTEST_MAIN(BenchHesapla)
#include "bench_hesapla.moc"
