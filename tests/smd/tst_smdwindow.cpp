#include "englishwindow.h"
#include "forms/application.h"
#include "forms/controls.h"
#include "smd/smddesign.h"
#include "smd/smdwindow.h"
#include "testhelpers.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>

#include <algorithm>

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

// A result label's lines, as the window shows them one below the other.
QStringList linesOf(const WrappedLabel *label)
{
    return label->text().split(QStringLiteral("  "));
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
    void english_data();
    void english();
    void englishWindow();

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

void TestSmdWindow::english_data()
{
    QTest::addColumn<bool>("code"); // typed into the code box, else the value box
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("lines"); // shown in this order, among others

    QTest::newRow("472") << true << "472"
                         << QStringList{"4,7 Kilo Ohm", "3-digit code: 47 × 10²",
                                        "Tolerance: not in the code; standard value judged at "
                                        "± 5 %"};
    QTest::newRow("100 counts zeros")
        << true << "100"
        << QStringList{"10 Ohm", "3-digit code: 10 × 10⁰; the last digit is the number of zeros"};
    QTest::newRow("01C") << true << "01C"
                         << QStringList{"10 Kilo Ohm", "EIA-96: 01 = 100, C = × 100",
                                        "Tolerance: ± 1 % (EIA-96 code)"};
    QTest::newRow("bar inside") << true << "1_0"
                                << QStringList{"an underline does not change the value; use R "
                                               "for a decimal point: 1R0"};
    QTest::newRow("bar after R")
        << true << "4R7_"
        << QStringList{"the bar goes only under a 3-digit code (± 1 %); “4R7” is not 3 digits"};
    QTest::newRow("K inside") << true << "4K7"
                              << QStringList{"K, M and G belong to values written out (4K7), not "
                                             "to SMD codes; a decimal point is written only as R"};
    QTest::newRow("value 4K7") << false << "4K7"
                               << QStringList{"4,7 Kilo Ohm", "3-digit: 472", "4-digit: 4701",
                                              "EIA-96: — (not in E96)", "472, underlined: ± 1 %"};
    QTest::newRow("value 1,2345k")
        << false << "1,2345k"
        << QStringList{"3-digit: — (a 3-digit code holds two significant digits)",
                       "4-digit: — (a 4-digit code holds three significant digits)",
                       "EIA-96: — (not in E96)"};
}

void TestSmdWindow::english()
{
    QFETCH(bool, code);
    QFETCH(QString, typed);
    QFETCH(QStringList, lines);

    EnglishTexts english;
    QVERIFY(english.loaded());
    QWidget owner;
    SmdWindow window(&owner);
    QLineEdit *box = code ? window.codeBox : window.valueBox;
    WrappedLabel *result = code ? window.codeResult : window.valueResult;
    type(box, inUserFormat(typed));
    const QStringList shown = linesOf(result);
    qsizetype from = 0;
    for (const QString &line : lines) {
        from = shown.indexOf(inUserFormat(line), from);
        QVERIFY2(from >= 0, qPrintable(line + QStringLiteral(" not in: ") + shown.join(u'|')));
    }
    // The value's markings are this window's own words from end to end.
    if (!code)
        QVERIFY2(withTurkishLetters({result->text()}).isEmpty(), qPrintable(result->text()));
}

void TestSmdWindow::englishWindow()
{
    EnglishTexts english;
    QVERIFY(english.loaded());
    QWidget owner;
    SmdWindow window(&owner);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("SMD Code"));
    QCOMPARE(boxNamed(window, QStringLiteral("SMD code")), window.codeBox);
    QCOMPARE(boxNamed(window, QStringLiteral("Value")), window.valueBox);
    for (const QWidget *widget : window.findChildren<QWidget *>())
        QVERIFY2(withTurkishLetters({widget->accessibleName()}).isEmpty(),
                 qPrintable(widget->accessibleName()));
    // The captions whole, each on its one line.
    for (const char *name : {"Label1", "Label3"}) {
        auto *label = designer::control<WrappedLabel>(&window, QString::fromUtf8(name));
        QVERIFY2(withTurkishLetters({label->text()}).isEmpty(), qPrintable(label->text()));
        QVERIFY2(captionFits(label, label->text()), qPrintable(label->text()));
        QCOMPARE(label->lines().size(), 1);
    }
    // The longest answers, in their longer English words, still fit.
    for (const char *code :
         {"10R", "75E", "018_", "01H", "97R", "_121", "47K", "12_345", "1_0", "0_"}) {
        type(window.codeBox, QString::fromUtf8(code));
        QVERIFY2(fits(window.codeResult), code);
    }
    for (const char *value : {"33G", "0", "100G", "0,047", "1,2345k", "120"}) {
        type(window.valueBox, inUserFormat(QString::fromUtf8(value)));
        QVERIFY2(fits(window.valueResult), value);
    }
}

QTEST_MAIN(TestSmdWindow)
#include "tst_smdwindow.moc"
