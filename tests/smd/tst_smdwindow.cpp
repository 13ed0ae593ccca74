#include "forms/application.h"
#include "forms/controls.h"
#include "smd/smddesign.h"
#include "smd/smdwindow.h"
#include "testhelpers.h"

#include <QAccessible>
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

// Whether every line the label wraps its text into lies inside it.
bool fits(const WrappedLabel *label)
{
    return label->lines().size() * label->fontMetrics().lineSpacing() <=
           label->contentsRect().height();
}

} // namespace

class TestSmdWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void codeToValue();
    void valueToCodes();
    void announcedOnce();
    void longestAnswersFit();

private:
    QWidget m_owner;
    SmdWindow *m_window = nullptr;
};

void TestSmdWindow::initTestCase()
{
    prepareApplication();
    m_owner.show();
    m_window = new SmdWindow(&m_owner);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("SMD Kodu"));
    QVERIFY(!m_window->isModal());
    QCOMPARE(boxNamed(*m_window, QStringLiteral("SMD kodu")), m_window->codeBox);
    QCOMPARE(boxNamed(*m_window, QStringLiteral("Değer")), m_window->valueBox);
}

void TestSmdWindow::codeToValue()
{
    type(m_window->codeBox, QStringLiteral("10r"));
    const QString shown = m_window->codeResult->text();
    QVERIFY2(shown.startsWith(inUserFormat(QStringLiteral("1,24 Ohm  "))), qPrintable(shown));
    QVERIFY(shown.contains(QStringLiteral("İkinci okuma: 10 Ohm")));
    // A screen reader reads what the label shows.
    QCOMPARE(QAccessible::queryAccessibleInterface(m_window->codeResult)->text(QAccessible::Name),
             shown);

    type(m_window->codeBox, QStringLiteral("1_0"));
    QCOMPARE(m_window->codeResult->text(),
             QStringLiteral("alt çizgi değeri değiştirmez; ondalık için R kullanın: 1R0"));
    m_window->codeBox->clear();
    QVERIFY(m_window->codeResult->text().isEmpty());
}

void TestSmdWindow::valueToCodes()
{
    type(m_window->valueBox, QStringLiteral("4K7"));
    QCOMPARE(m_window->valueResult->text(),
             inUserFormat(QStringLiteral("4,7 Kilo Ohm  3 haneli: 472  4 haneli: 4701  EIA-96: — "
                                         "(E96'da yok)  472, altı çizili: ± % 1")));
    // The value box's own grammar, with the user's separator.
    type(m_window->valueBox, QStringLiteral("49") + QLocale::system().decimalPoint() + u'9');
    QVERIFY(m_window->valueResult->text().contains(QStringLiteral("EIA-96: 68X")));
}

void TestSmdWindow::announcedOnce()
{
    // What the earlier typing has still to say is said first.
    QTest::qWait(ToolWindow::typingPauseMs + 100);
    AnnouncementSpy spy;
    type(m_window->codeBox, QStringLiteral("472"));
    QVERIFY(spy.heard.isEmpty());
    QTRY_COMPARE(spy.heard.size(), 1);
    QVERIFY(spy.heard.first().startsWith(inUserFormat(QStringLiteral("4,7 Kilo Ohm. "))));
    QTest::qWait(ToolWindow::typingPauseMs + 100);
    QCOMPARE(spy.heard.size(), 1);

    // Enter says it at once, and the pause then adds nothing.
    type(m_window->valueBox, QStringLiteral("10k"));
    QTest::keyClick(m_window->valueBox, Qt::Key_Return);
    QCOMPARE(spy.heard.size(), 2);
    QVERIFY(spy.heard.last().contains(QStringLiteral("EIA-96: 01C")));
    QTest::qWait(ToolWindow::typingPauseMs + 100);
    QCOMPARE(spy.heard.size(), 2);

    // A screen reader hears the window as a window: as a dialog, Orca would
    // read its result labels again before each announcement.
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_window);
    QVERIFY(window);
    QCOMPARE(window->role(), QAccessible::Window);
}

void TestSmdWindow::longestAnswersFit()
{
    for (const char *code : {"10R", "75E", "018_", "01H", "97R", "_121", "47K", "12_345"}) {
        type(m_window->codeBox, QString::fromUtf8(code));
        QVERIFY2(fits(m_window->codeResult), code);
    }
    for (const char *value : {"33G", "0", "100G", "0,047", "1,2345k", "120"}) {
        type(m_window->valueBox, inUserFormat(QString::fromUtf8(value)));
        QVERIFY2(fits(m_window->valueResult), value);
    }
}

QTEST_MAIN(TestSmdWindow)
#include "tst_smdwindow.moc"
