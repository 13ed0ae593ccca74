#include "englishwindow.h"
#include "forms/application.h"
#include "forms/controls.h"
#include "inductor/inductordesign.h"
#include "inductor/inductortext.h"
#include "inductor/inductorwindow.h"
#include "testhelpers.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
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
    void inEnglish_data();
    void inEnglish();
    void refusedInEnglish_data();
    void refusedInEnglish();

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
    // The example keeps its digit after the decimal mark.
    m_window->valueBox->clear();
    QTest::keyClicks(m_window->valueBox, QStringLiteral("100"));
    QCOMPARE(m_window->valueResult->text(),
             inUserFormat(QStringLiteral("birim gerekli: n, µ (u) ya da m; örnek: 2,2µH, 270u")));
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

void TestInductorWindow::inEnglish_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("bands");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("starts");
    QTest::newRow("270 µH") << 4 << QStringList{"Red", "Violet", "Brown", "Gold"} << QString()
                            << "270 µH  Tolerance: ± 5 %  4 bands: 27 × Brown";
    QTest::newRow("no tolerance band") << 4 << QStringList{"Orange", "Orange", "Black", "None"}
                                       << QString() << "33 µH  Tolerance: ± 20 %";
    QTest::newRow("one table's multiplier")
        << 4 << QStringList{"Brown", "Black", "Violet", "Silver"} << QString()
        << "100000 mH  Tolerance: ± 10 %  4 bands: 10 × Violet  Violet as a multiplier in one "
           "table only";
    QTest::newRow("military 2,2 µH")
        << 5 << QStringList{"Silver", "Red", "Gold", "Red", "Silver"} << QString()
        << "2,2 µH  Tolerance: ± 10 %  military 5 bands: 2,2";
    QTest::newRow("270u") << 4 << QStringList() << "270u"
                          << "270 µH  4 bands: Red Violet Brown + tolerance band  Military 5 "
                             "bands: Silver Red Violet Brown + tolerance band  Tolerance band: "
                             "Brown ± 1 %";
    QTest::newRow("three digits") << 4 << QStringList() << "4,75u"
                                  << "4,75 µH  4 bands: — (two significant digits only)";
    QTest::newRow("no unit") << 4 << QStringList() << "100"
                             << "unit needed: n, µ (u) or m; for example 2,2µH, 270u";
}

// Built while the English texts are installed, the window speaks English
// throughout, its captions whole.
void TestInductorWindow::inEnglish()
{
    QFETCH(int, count);
    QFETCH(QStringList, bands);
    QFETCH(QString, typed);
    QFETCH(QString, starts);
    const EnglishTexts english;
    QVERIFY(english.loaded());
    InductorWindow window(&m_owner);
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("Inductor Colour Code"));
    QCOMPARE(window.bandLists[4]->accessibleName(), QStringLiteral("Fifth band"));
    QCOMPARE(window.bandCountList->itemText(1), QStringLiteral("5 bands (military)"));
    for (const designer::Control &c : inductordesign::controls)
        if (*c.caption) {
            auto *label = window.findChild<QLabel *>(QString::fromLatin1(c.name));
            QVERIFY2(label && captionFits(label, label->text()), c.name);
        }

    window.bandCountList->setCurrentIndex(window.bandCountList->findData(count));
    for (QComboBox *list : {window.bandCountList, window.bandLists[0], window.bandLists[2],
                            window.bandLists[count - 1]})
        for (int i = 0; i < list->count(); ++i)
            QVERIFY2(captionFits(list, list->itemText(i)), qPrintable(list->itemText(i)));
    for (int i = 0; i < bands.size(); ++i)
        choose(window.bandLists[std::size_t(i)], bands[i]);
    if (!typed.isEmpty())
        QTest::keyClicks(window.valueBox, inUserFormat(typed));
    WrappedLabel *result = typed.isEmpty() ? window.bandResult : window.valueResult;
    QVERIFY2(result->text().startsWith(inUserFormat(starts)), qPrintable(result->text()));
    const QStringList turkish = withTurkishLetters(windowTexts(&window));
    QVERIFY2(turkish.isEmpty(), qPrintable(turkish.join(u" | ")));
    QVERIFY2(fits(result), qPrintable(result->text()));
}

// Bands the lists never offer reach the rules from the command line.
void TestInductorWindow::refusedInEnglish_data()
{
    QTest::addColumn<QList<int>>("colours");
    QTest::addColumn<QString>("says");
    using inductor::Colour;
    QTest::newRow("green tolerance")
        << QList<int>{int(Colour::Kirmizi), int(Colour::Mor), int(Colour::Kahverengi),
                      int(Colour::Yesil)}
        << "band 4: Green is no tolerance colour on an inductor (Brown, Red, Orange, Yellow, "
           "Gold, Silver, Black)";
    QTest::newRow("gold digit") << QList<int>{int(Colour::Altin), int(Colour::Mor),
                                              int(Colour::Kahverengi)}
                                << "band 1: Gold cannot be a digit";
    QTest::newRow("military red first")
        << QList<int>{int(Colour::Kirmizi), int(Colour::Kirmizi), int(Colour::Altin),
                      int(Colour::Kirmizi), int(Colour::Gumus)}
        << "in the 5-band military form band 1 is a double-width Silver; given Red";
    QTest::newRow("two bands") << QList<int>{int(Colour::Kirmizi), int(Colour::Mor)}
                               << "an inductor has 3, 4 or 5 bands; given 2";
}

void TestInductorWindow::refusedInEnglish()
{
    QFETCH(QList<int>, colours);
    QFETCH(QString, says);
    const EnglishTexts english;
    std::vector<inductor::Colour> bands;
    for (const int c : colours)
        bands.push_back(inductor::Colour(c));
    const QStringList lines = inductor::decodeLines(inductor::readBands(bands), QLocale::system());
    QCOMPARE(lines, QStringList{says});
}

QTEST_MAIN(TestInductorWindow)
#include "tst_inductorwindow.moc"
