// The combination window's wiring: typing answers at once, the divider
// mode's own boxes, large tables built without blocking, what is heard.

#include "combine/combinewindow.h"
#include "forms/application.h"
#include "testhelpers.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

class TestCombineWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void designState();
    void typing_data();
    void typing();
    void dividerMode();
    void largeTablesWithoutBlocking();
    void announcements();
    void showFor();

private:
    void type(QLineEdit *box, const QString &text)
    {
        box->clear();
        QTest::keyClicks(box, inUserFormat(text));
    }
    QString firstLine() const
    {
        return m_window->resultList->count() ? m_window->resultList->item(0)->text() : QString();
    }

    QWidget m_owner;
    CombineWindow *m_window = nullptr;
};

void TestCombineWindow::initTestCase()
{
    prepareApplication();
    m_owner.resize(400, 300);
    m_owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_owner));
    m_window = new CombineWindow(&m_owner);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestCombineWindow::designState()
{
    CombineWindow &w = *m_window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Direnç Birleştir"));
    QVERIFY(w.isWindow());
    QCOMPARE(w.parentWidget(), &m_owner);
    QVERIFY(!w.isModal());
    const QList<QPair<QWidget *, QString>> names{
        {w.targetBox, "Hedef"},  {w.seriesList, "Seri"},    {w.partsList, "En çok parça"},
        {w.lowBox, "Alt sınır"}, {w.highBox, "Üst sınır"},  {w.leftOutBox, "Dışarıda bırak"},
        {w.ratioBox, "Oran"},    {w.resultList, "Sonuçlar"}};
    for (const auto &[widget, name] : names)
        QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), name);
    // The status line is heard by what it shows.
    QVERIFY(w.statusLabel->accessibleName().isEmpty());
    QStringList series;
    for (int i = 0; i < w.seriesList->count(); ++i)
        series << w.seriesList->itemText(i);
    QCOMPARE(series, (QStringList{"E6", "E12", "E24", "E48", "E96", "E192", "E24 + E96"}));
    QCOMPARE(w.seriesList->currentText(), QStringLiteral("E24"));
    QCOMPARE(w.partsList->currentText(), QStringLiteral("2"));
    QCOMPARE(w.lowBox->text(), QStringLiteral("1 Ω"));
    QCOMPARE(w.highBox->text(), QStringLiteral("10 MΩ"));
    QVERIFY(!w.ratioBox->isChecked());
}

void TestCombineWindow::typing_data()
{
    QTest::addColumn<QString>("series");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("leftOut");
    QTest::addColumn<QString>("first"); // the start of the first line
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("status");

    QTest::newRow("9 kΩ E6") << "E6"
                             << "9K"
                             << ""
                             << "2,2 Kilo Ohm + 6,8 Kilo Ohm = 9 Kilo Ohm  tam" << 10
                             << "Aralıkta 43 E6 değeri.";
    QTest::newRow("333 Ω E12") << "E12"
                               << "333"
                               << ""
                               << "560 Ohm ∥ 820 Ohm ≈ 332,75 Ohm  −0,074 %" << 10
                               << "Aralıkta 85 E12 değeri.";
    QTest::newRow("itself left out")
        << "E24"
        << "4,7k"
        << "4K7"
        << "" << 10 << "Hedefin kendisi (4,7 Kilo Ohm) dışarıda bırakıldı.";
    QTest::newRow("refused") << "E24"
                             << "4,7x"
                             << ""
                             << "" << 0 << "Hedef: Değer bir sayı olmalıdır";
}

void TestCombineWindow::typing()
{
    QFETCH(QString, series);
    QFETCH(QString, target);
    QFETCH(QString, leftOut);
    QFETCH(QString, first);
    QFETCH(int, count);
    QFETCH(QString, status);

    m_window->seriesList->setCurrentText(series);
    type(m_window->leftOutBox, leftOut);
    type(m_window->targetBox, target);
    // Answered as typed, nothing pending.
    QVERIFY(!m_window->isBuilding());
    QCOMPARE(m_window->resultList->count(), count);
    if (!first.isEmpty())
        QVERIFY2(firstLine().startsWith(inUserFormat(first)), qPrintable(firstLine()));
    QVERIFY2(m_window->statusLabel->text().startsWith(inUserFormat(status)),
             qPrintable(m_window->statusLabel->text()));
    m_window->leftOutBox->clear();
}

void TestCombineWindow::dividerMode()
{
    CombineWindow &w = *m_window;
    w.seriesList->setCurrentText(QStringLiteral("E24"));
    type(w.targetBox, QStringLiteral("9K"));
    type(w.lowBox, QStringLiteral("10"));
    QTest::mouseClick(w.ratioBox, Qt::LeftButton, {}, QPoint(5, w.ratioBox->height() / 2));
    QVERIFY(w.ratioBox->isChecked());
    // Its own range and target; the parts list says nothing then.
    QCOMPARE(w.lowBox->text(), QStringLiteral("1 kΩ"));
    QCOMPARE(w.highBox->text(), QStringLiteral("1 MΩ"));
    QVERIFY(w.targetBox->text().isEmpty());
    QVERIFY(!w.partsList->isEnabled());
    type(w.targetBox, QStringLiteral("0,66"));
    QVERIFY2(firstLine().startsWith(inUserFormat(
                 QStringLiteral("R1 4,7 Kilo Ohm, R2 9,1 Kilo Ohm: ≈ 0,65942  −0,088 %"))),
             qPrintable(firstLine()));
    type(w.targetBox, QStringLiteral("5 V 3,3 V"));
    QVERIFY(
        firstLine().startsWith(inUserFormat(QStringLiteral("R1 4,7 Kilo Ohm, R2 9,1 Kilo Ohm"))));
    // Back: the networks' boxes as they were.
    w.ratioBox->click();
    QCOMPARE(w.targetBox->text(), QStringLiteral("9K"));
    QCOMPARE(w.lowBox->text(), QStringLiteral("10"));
    QVERIFY(w.partsList->isEnabled());
    w.lowBox->setText(QStringLiteral("1 Ω"));
}

void TestCombineWindow::largeTablesWithoutBlocking()
{
    CombineWindow &w = *m_window;
    type(w.targetBox, QStringLiteral("4,7k"));
    w.partsList->setCurrentIndex(2);
    w.seriesList->setCurrentText(QStringLiteral("E192"));
    // E192 over seven decades: built off the window's thread.
    QCOMPARE(w.statusLabel->text(), QStringLiteral("Hesaplanıyor…"));
    QCOMPARE(w.resultList->count(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(w.resultList->count() == 10, 10000);
    QVERIFY(!w.isBuilding());
    QVERIFY2(firstLine().startsWith(inUserFormat(QStringLiteral("4,7 Kilo Ohm tek başına  tam"))),
             qPrintable(firstLine()));
    // Later answers come at once from the tables kept.
    type(w.targetBox, QStringLiteral("957"));
    QCOMPARE(w.resultList->count(), 10);
    QVERIFY(w.resultList->item(0)->text().contains(QStringLiteral("= 957 Ohm  tam")));
    w.seriesList->setCurrentText(QStringLiteral("E24"));
    w.seriesList->setCurrentText(QStringLiteral("E192"));
    QCOMPARE(w.resultList->count(), 10);
    w.partsList->setCurrentIndex(1);
}

void TestCombineWindow::announcements()
{
    CombineWindow &w = *m_window;
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.seriesList->setCurrentText(QStringLiteral("E6"));
    AnnouncementSpy spy;
    type(w.targetBox, QStringLiteral("9K"));
    // Heard once typing pauses, the best line first.
    QTRY_COMPARE(spy.heard.size(), 1);
    QCOMPARE(spy.heard.front(), QStringLiteral("En iyi: ") + firstLine());
    // Only there: no row of the list, which has no focus, is made current
    // for a screen reader to read besides.
    QCOMPARE(w.resultList->currentRow(), -1);
    QTest::qWait(700);
    QCOMPARE(spy.heard.size(), 1);
    // At once on Enter.
    QTest::keyClick(w.targetBox, Qt::Key_Return);
    QCOMPARE(spy.heard.size(), 2);
    QCOMPARE(spy.heard.back(), QStringLiteral("En iyi: ") + firstLine());
}

void TestCombineWindow::showFor()
{
    CombineWindow &w = *m_window;
    w.ratioBox->setChecked(true);
    w.hide();
    w.showFor(colorcode::ExactValue{"164", 3}, combine::SeriesChoice::E96);
    QVERIFY(w.isVisible());
    QVERIFY(!w.ratioBox->isChecked());
    QCOMPARE(w.targetBox->text(), QStringLiteral("164K"));
    QCOMPARE(w.seriesList->currentText(), QStringLiteral("E96"));
    QTRY_COMPARE(w.resultList->count(), 10);
    QVERIFY2(firstLine().startsWith(
                 inUserFormat(QStringLiteral("2 Kilo Ohm + 162 Kilo Ohm = 164 Kilo Ohm  tam"))),
             qPrintable(firstLine()));
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(!w.isVisible());
}

QTEST_MAIN(TestCombineWindow)
#include "tst_combinewindow.moc"
