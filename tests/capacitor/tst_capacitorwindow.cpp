#include "capacitor/capacitordesign.h"
#include "capacitor/capacitorwindow.h"
#include "forms/application.h"
#include "forms/controls.h"
#include "testhelpers.h"

#include <QLineEdit>
#include <QTest>

namespace
{

QLineEdit *boxNamed(const QWidget &window, const QString &name)
{
    for (QLineEdit *box : window.findChildren<QLineEdit *>())
        if (box->accessibleName() == name)
            return box;
    return nullptr;
}

void type(QLineEdit *box, const QString &text)
{
    box->clear();
    QTest::keyClicks(box, text);
}

bool fits(const WrappedLabel *label)
{
    return label->lines().size() * label->fontMetrics().lineSpacing() <=
           label->contentsRect().height();
}

} // namespace

class TestCapacitorWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void codeToValue_data();
    void codeToValue();
    void valueToCodes();
    void announcedOnce();
    void longestAnswersFit();

private:
    QWidget m_owner;
    CapacitorWindow *m_window = nullptr;
};

void TestCapacitorWindow::initTestCase()
{
    prepareApplication();
    m_owner.show();
    m_window = new CapacitorWindow(&m_owner);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Kondansatör Kodu"));
    QVERIFY(!m_window->isModal());
    QCOMPARE(boxNamed(*m_window, QStringLiteral("Kondansatör kodu")), m_window->codeBox);
    QCOMPARE(boxNamed(*m_window, QStringLiteral("Değer")), m_window->valueBox);
}

void TestCapacitorWindow::codeToValue_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("shows");
    QTest::newRow("104") << "104" << QStringList{"100 nF  Aynı değer: 100000 pF = 100 nF = 0,1 µF"};
    QTest::newRow("2A474J") << "2A474J"
                            << QStringList{"470 nF", "Tolerans: ± % 5", "Gerilim: 100 V"};
    QTest::newRow("S3") << "S3" << QStringList{"4,7 nF", "EIA-198: S = 4,7"};
    QTest::newRow("b3 both tables") << "b3" << QStringList{"3,5 nF", "Başka okuma: 3 nF (b = 3,0"};
    QTest::newRow("9 with why") << "479" << QStringList{"9 = × 0,1: bazı üreticilerde"};
}

void TestCapacitorWindow::codeToValue()
{
    QFETCH(QString, code);
    QFETCH(QStringList, shows);
    type(m_window->codeBox, code);
    const QString shown = m_window->codeResult->text();
    for (const QString &part : shows)
        QVERIFY2(shown.contains(inUserFormat(part)), qPrintable(shown));
    // A screen reader reads what the label shows.
    QCOMPARE(QAccessible::queryAccessibleInterface(m_window->codeResult)->text(QAccessible::Name),
             shown);
    m_window->codeBox->clear();
    QVERIFY(m_window->codeResult->text().isEmpty());
}

void TestCapacitorWindow::valueToCodes()
{
    type(m_window->valueBox, inUserFormat(QStringLiteral("4,7n")));
    QCOMPARE(m_window->valueResult->text(),
             inUserFormat(QStringLiteral("4,7 nF  3 haneli: 472  R ondalık: — (yalnız 10 pF "
                                         "altında)  harf kodu: 4n7  EIA-198: S3  E-serisi: E6, "
                                         "E12, E24, E192")));
    type(m_window->valueBox, QStringLiteral("100"));
    QVERIFY(m_window->valueResult->text().startsWith(QStringLiteral("birim gerekli")));
}

void TestCapacitorWindow::announcedOnce()
{
    QTest::qWait(ToolWindow::typingPauseMs + 100);
    AnnouncementSpy spy;
    type(m_window->codeBox, QStringLiteral("104"));
    QVERIFY(spy.heard.isEmpty());
    QTRY_COMPARE(spy.heard.size(), 1);
    QVERIFY(spy.heard.first().startsWith(QStringLiteral("100 nF. ")));
    QTest::qWait(ToolWindow::typingPauseMs + 100);
    QCOMPARE(spy.heard.size(), 1);

    type(m_window->valueBox, QStringLiteral("100nF"));
    QTest::keyClick(m_window->valueBox, Qt::Key_Return);
    QCOMPARE(spy.heard.size(), 2);
    QVERIFY(spy.heard.last().contains(QStringLiteral("3 haneli: 104")));
    QTest::qWait(ToolWindow::typingPauseMs + 100);
    QCOMPARE(spy.heard.size(), 2);
}

void TestCapacitorWindow::longestAnswersFit()
{
    for (const char *code : {"107C", "1R5C", "1N104K", "R5", "3N102K", "104B", "109"}) {
        type(m_window->codeBox, QString::fromUtf8(code));
        QVERIFY2(fits(m_window->codeResult), code);
    }
    for (const char *value : {"9p", "3n", "0,1p", "47m", "4,75n"}) {
        type(m_window->valueBox, inUserFormat(QString::fromUtf8(value)));
        QVERIFY2(fits(m_window->valueResult), value);
    }
}

QTEST_MAIN(TestCapacitorWindow)
#include "tst_capacitorwindow.moc"
