#include "forms/application.h"
#include "forms/controls.h"
#include "inductor/inductordesign.h"
#include "inductor/inductorwindow.h"
#include "testhelpers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace
{

void choose(QComboBox *list, const QString &text)
{
    const int index = list->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    list->setCurrentIndex(index);
}

bool fits(const WrappedLabel *label)
{
    return label->lines().size() * label->fontMetrics().lineSpacing() <=
           label->contentsRect().height();
}

} // namespace

class TestInductorWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void bandsToValue_data();
    void bandsToValue();
    void listsFollowTheBandCount();
    void valueToBands();
    void announcedOnce();

private:
    QWidget m_owner;
    InductorWindow *m_window = nullptr;
};

void TestInductorWindow::initTestCase()
{
    prepareApplication();
    m_owner.show();
    m_window = new InductorWindow(&m_owner);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Bobin Renk Kodu"));
    QVERIFY(!m_window->isModal());
    QCOMPARE(m_window->bandLists[0]->accessibleName(), QStringLiteral("Birinci bant"));
}

void TestInductorWindow::bandsToValue_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("bands");
    QTest::addColumn<QString>("starts");
    QTest::newRow("270 µH") << 4 << QStringList{"Kırmızı", "Mor", "Kahverengi", "Altın"}
                            << "270 µH  Tolerans: ± % 5";
    QTest::newRow("no tolerance band")
        << 4 << QStringList{"Turuncu", "Turuncu", "Siyah", "Renksiz"} << "33 µH  Tolerans: ± % 20";
    QTest::newRow("military 2,2 µH")
        << 5 << QStringList{"Gümüş", "Kırmızı", "Altın", "Kırmızı", "Gümüş"}
        << "2,2 µH  Tolerans: ± % 10";
}

void TestInductorWindow::bandsToValue()
{
    QFETCH(int, count);
    QFETCH(QStringList, bands);
    QFETCH(QString, starts);
    m_window->bandCountList->setCurrentIndex(m_window->bandCountList->findData(count));
    for (int i = 0; i < bands.size(); ++i)
        choose(m_window->bandLists[std::size_t(i)], bands[i]);
    const QString shown = m_window->bandResult->text();
    QVERIFY2(shown.startsWith(inUserFormat(starts)), qPrintable(shown));
    QVERIFY(fits(m_window->bandResult));
}

void TestInductorWindow::listsFollowTheBandCount()
{
    m_window->bandCountList->setCurrentIndex(m_window->bandCountList->findData(4));
    QVERIFY(m_window->bandLists[4]->isHidden());
    // Digits only in the first two; no Altın there.
    QCOMPARE(m_window->bandLists[0]->findText(QStringLiteral("Altın")), -1);
    QVERIFY(m_window->bandLists[2]->findText(QStringLiteral("Gümüş")) >= 0);
    QCOMPARE(m_window->bandLists[3]->findText(QStringLiteral("Yeşil")), -1);
    m_window->bandCountList->setCurrentIndex(m_window->bandCountList->findData(5));
    QVERIFY(!m_window->bandLists[4]->isHidden());
    // A new count starts with no bands chosen, and says nothing.
    QCOMPARE(m_window->bandLists[1]->currentIndex(), -1);
    QVERIFY(m_window->bandResult->text().isEmpty());
    QCOMPARE(m_window->bandLists[0]->count(), 1);
    QCOMPARE(m_window->bandLists[0]->currentText(), QStringLiteral("Gümüş"));
}

void TestInductorWindow::valueToBands()
{
    m_window->valueBox->clear();
    QTest::keyClicks(m_window->valueBox, QStringLiteral("270u"));
    QVERIFY(m_window->valueResult->text().startsWith(
        QStringLiteral("270 µH  4 bant: Kırmızı Mor Kahverengi + tolerans bandı")));
    QVERIFY(fits(m_window->valueResult));
}

void TestInductorWindow::announcedOnce()
{
    m_window->bandCountList->setCurrentIndex(m_window->bandCountList->findData(4));
    QTest::qWait(ToolWindow::typingPauseMs + 100);
    AnnouncementSpy spy;
    const QStringList bands{"Yeşil", "Mavi", "Kahverengi", "Altın"};
    for (int i = 0; i < bands.size(); ++i)
        choose(m_window->bandLists[std::size_t(i)], bands[i]);
    QVERIFY(spy.heard.isEmpty());
    QTRY_COMPARE(spy.heard.size(), 1);
    QVERIFY2(spy.heard.first().startsWith(QStringLiteral("560 µH. ")),
             qPrintable(spy.heard.first()));
    QTest::qWait(ToolWindow::typingPauseMs + 100);
    QCOMPARE(spy.heard.size(), 1);
}

QTEST_MAIN(TestInductorWindow)
#include "tst_inductorwindow.moc"
