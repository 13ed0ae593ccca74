#include "capacitor/capacitordesign.h"
#include "capacitor/capacitorwindow.h"
#include "englishwindow.h"
#include "forms/application.h"
#include "forms/controls.h"
#include "testhelpers.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
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
    void inEnglish_data();
    void inEnglish();

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

void TestCapacitorWindow::inEnglish_data()
{
    QTest::addColumn<bool>("code");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shows");
    QTest::newRow("104") << true << "104"
                         << QStringList{"100 nF  Same value: 100000 pF = 100 nF = 0,1 µF  "
                                        "3-digit code: 10 × 10⁴ pF  Tolerance: not in the code"};
    QTest::newRow("2A474J") << true << "2A474J"
                            << QStringList{"470 nF", "Tolerance: ± 5 %", "Voltage: 100 V"};
    QTest::newRow("asymmetric") << true << "104Z" << QStringList{"Tolerance: + 80 % / − 20 %"};
    QTest::newRow("S3") << true << "S3" << QStringList{"4,7 nF", "EIA-198: S = 4,7"};
    QTest::newRow("b3 both tables") << true << "b3" << QStringList{"Other reading: 3 nF (b = 3,0"};
    QTest::newRow("9 with why") << true << "479" << QStringList{"9 = × 0,1: with some makers"};
    QTest::newRow("unknown code") << true << "XYZ"
                                  << QStringList{"“XYZ” is not a known capacitor code"};
    // The longest answers: every note and other reading in English too.
    for (const char *code : {"107C", "1R5C", "1N104K", "R5", "3N102K", "104B", "109"})
        QTest::newRow(code) << true << code << QStringList();
    QTest::newRow("4,7n") << false << "4,7n"
                          << QStringList{"4,7 nF  3-digit: 472  R decimal: — (below 10 pF only)  "
                                         "letter code: 4n7  EIA-198: S3  E series: E6, E12, E24, "
                                         "E192"};
    QTest::newRow("no unit") << false << "100"
                             << QStringList{"unit needed: p, n, µ (u) or m; for example 4,7n, "
                                            "100nF"};
    QTest::newRow("capital M") << false << "4M7" << QStringList{"a capital M reads as mega"};
    for (const char *value : {"9p", "3n", "0,1p", "47m", "4,75n"})
        QTest::newRow(value) << false << value << QStringList();
}

// Built while the English texts are installed, the window speaks English
// throughout, its captions whole.
void TestCapacitorWindow::inEnglish()
{
    QFETCH(bool, code);
    QFETCH(QString, typed);
    QFETCH(QStringList, shows);
    const EnglishTexts english;
    QVERIFY(english.loaded());
    CapacitorWindow window(&m_owner);
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("Capacitor Code"));
    QCOMPARE(boxNamed(window, QStringLiteral("Capacitor code")), window.codeBox);
    QCOMPARE(boxNamed(window, QStringLiteral("Value")), window.valueBox);
    for (const designer::Control &c : capacitordesign::controls)
        if (*c.caption) {
            auto *label = window.findChild<QLabel *>(QString::fromLatin1(c.name));
            QVERIFY2(label && captionFits(label, label->text()), c.name);
        }

    QLineEdit *box = code ? window.codeBox : window.valueBox;
    WrappedLabel *result = code ? window.codeResult : window.valueResult;
    type(box, inUserFormat(typed));
    const QString shown = result->text();
    QVERIFY(!shown.isEmpty());
    for (const QString &part : shows)
        QVERIFY2(shown.contains(inUserFormat(part)), qPrintable(shown));
    const QStringList turkish = withTurkishLetters(windowTexts(&window));
    QVERIFY2(turkish.isEmpty(), qPrintable(turkish.join(u" | ")));
    QVERIFY2(fits(result), qPrintable(shown));
}

QTEST_MAIN(TestCapacitorWindow)
#include "tst_capacitorwindow.moc"
