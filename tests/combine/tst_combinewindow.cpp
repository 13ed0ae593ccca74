// The combination window's wiring: typing answers at once, the divider
// mode's own boxes, large tables built without blocking, what is heard.

#include "combine/combinationtext.h"
#include "combine/combinewindow.h"
#include "englishwindow.h"
#include "forms/application.h"
#include "testhelpers.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(colorcode::ExactValue)
Q_DECLARE_METATYPE(combine::SeriesChoice)

namespace
{

} // namespace

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
    void showFor_data();
    void showFor();
    void english_data();
    void english();
    void englishWindow();
    void jsonNetworkStaysTurkish();

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

void TestCombineWindow::showFor_data()
{
    QTest::addColumn<colorcode::ExactValue>("target");
    QTest::addColumn<combine::SeriesChoice>("series");
    QTest::addColumn<QString>("targetText");
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    QTest::addColumn<QString>("firstLine");

    // A decade either side: 2 kΩ and 10 kΩ fall out of 164 kΩ's range.
    QTest::newRow("164 kΩ E96") << colorcode::ExactValue{"164", 3} << combine::SeriesChoice::E96
                                << "164K"
                                << "16K4"
                                << "1M64"
                                << "21 Kilo Ohm + 143 Kilo Ohm = 164 Kilo Ohm  tam";
    // Sarı Beyaz Pembe Altın: below 1 Ω, where the default range cannot
    // reach; of the exact pairs from 4,9 mΩ up, the one whose largest part
    // is nearest.
    QTest::newRow("0,049 Ω E24") << colorcode::ExactValue{"49", -3} << combine::SeriesChoice::E24
                                 << "R049"
                                 << "R0049"
                                 << "R49"
                                 << "0,01 Ohm + 0,039 Ohm = 0,049 Ohm  tam";
}

void TestCombineWindow::showFor()
{
    QFETCH(colorcode::ExactValue, target);
    QFETCH(combine::SeriesChoice, series);
    QFETCH(QString, targetText);
    QFETCH(QString, low);
    QFETCH(QString, high);
    QFETCH(QString, firstLine);
    CombineWindow &w = *m_window;
    w.ratioBox->setChecked(true);
    w.hide();
    w.showFor(target, series);
    QVERIFY(w.isVisible());
    QVERIFY(!w.ratioBox->isChecked());
    QCOMPARE(w.targetBox->text(), targetText);
    QCOMPARE(w.lowBox->text(), low);
    QCOMPARE(w.highBox->text(), high);
    QCOMPARE(w.seriesList->currentText(), combine::seriesChoiceName(series));
    QTRY_COMPARE(w.resultList->count(), 10);
    QVERIFY2(this->firstLine().startsWith(inUserFormat(firstLine)), qPrintable(this->firstLine()));
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(!w.isVisible());
}

void TestCombineWindow::english_data()
{
    QTest::addColumn<bool>("divider");
    QTest::addColumn<int>("parts");
    QTest::addColumn<QString>("series");
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("first"); // the first line whole; empty: none
    QTest::addColumn<QString>("status");

    QTest::newRow("9 kΩ E6") << false << 2 << "E6"
                             << "1 Ω"
                             << "9K"
                             << "2,2 Kilo Ohm + 6,8 Kilo Ohm = 9 Kilo Ohm  exact  (± 20 %: 7,2 "
                                "Kilo Ohm – 10,8 Kilo Ohm)"
                             << "43 E6 values in the range.";
    // 24 values a decade over seven decades, and 10 MΩ.
    QTest::newRow("9,1 kΩ alone") << false << 1 << "E24"
                                  << "1 Ω"
                                  << "9K1"
                                  << "9,1 Kilo Ohm alone  exact  (± 5 %: 8,645 Kilo Ohm – 9,555 "
                                     "Kilo Ohm)"
                                  << "169 E24 values in the range.";
    QTest::newRow("one part short")
        << false << 1 << "E24"
        << "1 Ω"
        << "100M"
        << ""
        << "The target (100 Mega Ohm) cannot be made with parts from 1 Ohm – 10 Mega Ohm: at "
           "most 1 part gives 1 Ohm to 10 Mega Ohm.";
    QTest::newRow("two parts short")
        << false << 2 << "E24"
        << "1 Ω"
        << "100M"
        << ""
        << "The target (100 Mega Ohm) cannot be made with parts from 1 Ohm – 10 Mega Ohm: at "
           "most 2 parts give 0,5 Ohm to 20 Mega Ohm.";
    QTest::newRow("range from zero") << false << 2 << "E24"
                                     << "0"
                                     << "9K"
                                     << ""
                                     << "The lower limit must be above zero.";
    QTest::newRow("ratio above one")
        << true << 2 << "E24"
        << "1 kΩ"
        << "2"
        << ""
        << "The ratio must be a number between 0 and 1 or two voltages (for example: 0,66; 5 V "
           "3,3 V).";
    QTest::newRow("ratio beyond the range")
        << true << 2 << "E24"
        << "1 kΩ"
        << "0,0001"
        << ""
        << "This ratio cannot be made with parts from 1000 Ohm – 1000 Kilo Ohm: two parts give "
           "0,000999 to 0,99901.";
}

void TestCombineWindow::english()
{
    QFETCH(bool, divider);
    QFETCH(int, parts);
    QFETCH(QString, series);
    QFETCH(QString, low);
    QFETCH(QString, target);
    QFETCH(QString, first);
    QFETCH(QString, status);

    EnglishTexts english;
    QVERIFY(english.loaded());
    QWidget owner;
    CombineWindow w(&owner);
    w.ratioBox->setChecked(divider);
    w.partsList->setCurrentIndex(parts - 1);
    w.seriesList->setCurrentText(series);
    w.lowBox->setText(inUserFormat(low));
    type(w.targetBox, target);
    QCOMPARE(w.resultList->count(), first.isEmpty() ? 0 : 10);
    if (!first.isEmpty())
        QCOMPARE(w.resultList->item(0)->text(), inUserFormat(first));
    QCOMPARE(w.statusLabel->text(), inUserFormat(status));
}

void TestCombineWindow::englishWindow()
{
    EnglishTexts english;
    QVERIFY(english.loaded());
    QWidget owner;
    CombineWindow w(&owner);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("Combine Resistors"));
    const QList<QPair<QWidget *, QString>> names{
        {w.targetBox, "Target"},   {w.seriesList, "Series"},   {w.partsList, "Maximum parts"},
        {w.lowBox, "Lower limit"}, {w.highBox, "Upper limit"}, {w.leftOutBox, "Leave out"},
        {w.ratioBox, "Ratio"},     {w.resultList, "Results"}};
    for (const auto &[widget, name] : names)
        QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), name);
    // Every caption whole and English, and its mnemonic its own.
    const auto shown = [](QString caption) { return caption.remove(u'&'); };
    QStringList captions{w.ratioBox->text()};
    QVERIFY(w.ratioBox->width() >= w.ratioBox->sizeHint().width());
    for (QLabel *label : w.findChildren<QLabel *>()) {
        if (label == w.statusLabel)
            continue;
        captions << label->text();
        QVERIFY2(captionFits(label, shown(label->text())), qPrintable(label->text()));
    }
    QSet<QChar> mnemonics;
    for (const QString &caption : captions) {
        QVERIFY2(withTurkishLetters({caption}).isEmpty(), qPrintable(caption));
        const qsizetype amp = caption.indexOf(u'&');
        QVERIFY2(amp >= 0 && amp + 1 < caption.size(), qPrintable(caption));
        const QChar key = caption.at(amp + 1).toLower();
        QVERIFY2(!mnemonics.contains(key), qPrintable(caption));
        mnemonics.insert(key);
    }
    QCOMPARE(mnemonics.size(), 8);
    w.ratioBox->setChecked(true);
    QCOMPARE(w.targetBox->placeholderText(), inUserFormat(QStringLiteral("0,66 or 5 V 3,3 V")));
}

// The JSON keeps its network text in Turkish in every language; the line
// shown says it in English.
void TestCombineWindow::jsonNetworkStaysTurkish()
{
    EnglishTexts english;
    QVERIFY(english.loaded());
    combine::Boxes boxes;
    boxes.target = QStringLiteral("9K1");
    boxes.low = QStringLiteral("1K");
    boxes.high = QStringLiteral("10K");
    boxes.maxParts = 1;
    const QChar mark = QLocale::system().decimalPoint().at(0);
    const auto read = combine::readQuestion(boxes, mark);
    QVERIFY(std::holds_alternative<combine::Question>(read));
    const auto &question = std::get<combine::Question>(read);
    const auto set = combine::partsInRange(question.series, question.low, question.high);
    QVERIFY(std::holds_alternative<combine::PartSet>(set));
    const combine::Answer answer =
        combine::answer(question, std::get<combine::PartSet>(set), nullptr, QLocale::system());
    QVERIFY(!answer.numbers.empty());
    QCOMPARE(answer.numbers.front().network,
             inUserFormat(QStringLiteral("9,1 Kilo Ohm tek başına")));
    QVERIFY2(
        answer.lines.front().startsWith(inUserFormat(QStringLiteral("9,1 Kilo Ohm alone  exact"))),
        qPrintable(answer.lines.front()));
}

QTEST_MAIN(TestCombineWindow)
#include "tst_combinewindow.moc"
