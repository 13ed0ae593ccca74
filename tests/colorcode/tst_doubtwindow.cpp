#include "colorcode/bandselection.h"
#include "colorcode/doubtwindow.h"
#include "englishwindow.h"
#include "forms/application.h"
#include "forms/controls.h"
#include "testhelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <optional>

using colorcode::Colour;
using C = colorcode::Colour;
using Colours = QList<colorcode::Colour>;

Q_DECLARE_METATYPE(colorcode::Colour)
Q_DECLARE_METATYPE(std::vector<colorcode::Colour>)

namespace
{

void type(QLineEdit *box, const QString &text)
{
    box->clear();
    QTest::keyClicks(box, text);
}

colorcode::BandSelection bandsOf(const Colours &colours)
{
    const std::vector<Colour> list(colours.begin(), colours.end());
    return colorcode::BandSelection::fromColours(list).value();
}

} // namespace

class TestDoubtWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void wiring_data();
    void wiring();
    void announcedOnce();

private:
    QWidget m_owner;
    DoubtWindow *m_window = nullptr;
};

void TestDoubtWindow::initTestCase()
{
    prepareApplication();
    qRegisterMetaType<std::vector<colorcode::Colour>>();
    m_owner.show();
    m_window = new DoubtWindow(&m_owner);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Renkten Emin Değilim"));
    QVERIFY(!m_window->isModal());
    QCOMPARE(m_window->doubtBoxes[2]->accessibleName(), QStringLiteral("Emin değilim: 3. bant"));
    QCOMPARE(m_window->measuredBox->accessibleName(), QStringLiteral("Ölçülen değer"));
    QCOMPARE(m_window->meterErrorBox->text(), QStringLiteral("2"));
}

void TestDoubtWindow::wiring_data()
{
    QTest::addColumn<Colours>("bands");
    QTest::addColumn<int>("ticked");       // the band whose box Space ticks; -1 none
    QTest::addColumn<QString>("measured"); // written for a decimal comma
    QTest::addColumn<QString>("meterError");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<int>("count");
    QTest::addColumn<Colours>("used"); // what Kullan hands over: the first reading
    QTest::addColumn<bool>("english");

    const Colours part{C::Kahverengi, C::Siyah, C::Kirmizi, C::Altin};
    QTest::newRow("third band ticked") << part << 2 << ""
                                       << "2"
                                       << "3 okuma, 3'ü standart" << 3 << part << false;
    QTest::newRow("third band, 1,02k typed")
        << part << 2 << "1,02k"
        << "2"
        << "3 okumadan 1'i ölçümle uyuşuyor" << 3 << part << false;
    QTest::newRow("third band, 102 typed: 100 Ohm first")
        << part << 2 << "102"
        << "2"
        << "3 okumadan 1'i ölçümle uyuşuyor" << 3
        << Colours{C::Kahverengi, C::Siyah, C::Kahverengi, C::Altin} << false;
    QTest::newRow("third band, 9K9 typed: 10 kOhm first")
        << part << 2 << "9K9"
        << "2"
        << "3 okumadan 1'i ölçümle uyuşuyor" << 3
        << Colours{C::Kahverengi, C::Siyah, C::Turuncu, C::Altin} << false;
    QTest::newRow("nothing ticked, 1,1k: none agrees")
        << part << -1 << "1,1k"
        << "2"
        << "1 okumanın hiçbiri ölçümle uyuşmuyor; en yakını: Kahverengi Siyah Kırmızı Altın, "
           "1000 Ohm"
        << 1 << part << false;
    QTest::newRow("a wider meter error: it agrees")
        << part << -1 << "1,1k"
        << "5"
        << "1 okumadan 1'i ölçümle uyuşuyor" << 1 << part << false;
    QTest::newRow("no number typed") << part << 2 << "1x"
                                     << "2"
                                     << "Değer bir sayı olmalıdır (örnek: 47; 4,7; 4K7). 3 okuma, "
                                        "3'ü standart"
                                     << 3 << part << false;
    QTest::newRow("five bands, first ticked")
        << Colours{C::Sari, C::Mor, C::Siyah, C::Kahverengi, C::Kahverengi} << 0 << "4,7k"
        << "2"
        << "3 okumadan 1'i ölçümle uyuşuyor" << 3
        << Colours{C::Sari, C::Mor, C::Siyah, C::Kahverengi, C::Kahverengi} << false;
    QTest::newRow("English: third band ticked") << part << 2 << ""
                                                << "2"
                                                << "3 readings, 3 standard" << 3 << part << true;
    QTest::newRow("English: third band, 1,02k typed")
        << part << 2 << "1,02k"
        << "2"
        << "1 of 3 readings match the measurement" << 3 << part << true;
    QTest::newRow("English: nothing ticked, 1,1k: none agrees")
        << part << -1 << "1,1k"
        << "2"
        << "The 1 reading does not match the measurement; nearest: Brown Black Red Gold, 1000 Ohm"
        << 1 << part << true;
    QTest::newRow("English: no number typed")
        << part << 2 << "1x"
        << "2"
        << "The value must be a number (e.g. 47; 4,7; 4K7). 3 readings, 3 standard" << 3 << part
        << true;
}

void TestDoubtWindow::wiring()
{
    QFETCH(Colours, bands);
    QFETCH(int, ticked);
    QFETCH(QString, measured);
    QFETCH(QString, meterError);
    QFETCH(QString, summary);
    QFETCH(int, count);
    QFETCH(Colours, used);
    QFETCH(bool, english);
    // The test's window is the active one again after an English one.
    const auto backToTest = qScopeGuard([this, english] {
        if (english)
            m_window->activateWindow();
    });
    std::optional<EnglishTexts> texts;
    std::unique_ptr<DoubtWindow> own;
    if (english) {
        QVERIFY(texts.emplace().loaded());
        own = std::make_unique<DoubtWindow>(&m_owner);
        own->show();
    }
    DoubtWindow *window = own ? own.get() : m_window;

    window->setBands(bandsOf(bands));
    for (int band = 0; band < colorcode::maxBandCount; ++band)
        QCOMPARE(window->bandLists[std::size_t(band)]->isVisibleTo(window), band < bands.size());
    if (!english)
        QCOMPARE(
            window->bandLists[0]->currentText(),
            QString::fromUtf8(
                colorcode::colourList[std::size_t(window->bandLists[0]->currentIndex())].text));
    if (ticked >= 0) {
        QCheckBox *box = window->doubtBoxes[std::size_t(ticked)];
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(box->isChecked());
    }
    type(window->meterErrorBox, inUserFormat(meterError));
    type(window->measuredBox, inUserFormat(measured));
    QCOMPARE(window->summary->text(), inUserFormat(summary));
    QCOMPARE(window->readingList->count(), count);
    QSignalSpy spy(window, &DoubtWindow::useReading);
    window->useButton->click();
    QCOMPARE(spy.size(), 1);
    const auto colours = spy.first().first().value<std::vector<Colour>>();
    QCOMPARE(Colours(colours.begin(), colours.end()), used);
    if (english) {
        QCOMPARE(window->windowTitle(), QStringLiteral("Unsure of a Colour"));
        QCOMPARE(window->doubtBoxes[2]->accessibleName(), QStringLiteral("Not sure: Band 3"));
        for (QWidget *control : window->findChildren<QWidget *>())
            if (auto *button = qobject_cast<QAbstractButton *>(control))
                QVERIFY2(captionFits(button, button->text()), qPrintable(button->text()));
        QCOMPARE(withTurkishLetters(windowTexts(window)), QStringList());
    }
}

void TestDoubtWindow::announcedOnce()
{
    m_window->setBands(bandsOf({C::Kahverengi, C::Siyah, C::Kirmizi, C::Altin}));
    m_window->doubtBoxes[2]->setChecked(true);
    type(m_window->measuredBox, QString());
    QTest::qWait(ToolWindow::typingPauseMs + 200);
    AnnouncementSpy spy;
    type(m_window->measuredBox, inUserFormat(QStringLiteral("1,02k")));
    QVERIFY(spy.heard.isEmpty());
    QTRY_COMPARE(spy.heard.size(), 1);
    QCOMPARE(spy.heard.first(),
             QStringLiteral("3 okuma; ölçümle uyuşan: Kahverengi Siyah Kırmızı Altın, 1000 Ohm"));
    // Only there: no row of the list, which has no focus, is made current
    // for a screen reader to read besides.
    QCOMPARE(m_window->readingList->currentRow(), -1);
    // The pause says nothing more; Enter asks to hear it again.
    QTest::qWait(ToolWindow::typingPauseMs + 200);
    QCOMPARE(spy.heard.size(), 1);
    QTest::keyClick(m_window->measuredBox, Qt::Key_Return);
    QCOMPARE(spy.heard.size(), 2);
    QCOMPARE(spy.heard.last(), spy.heard.first());
    // Another reading agreeing is another list, said once.
    type(m_window->measuredBox, QStringLiteral("102"));
    QTRY_COMPARE(spy.heard.size(), 3);
    QCOMPARE(spy.heard.last(),
             QStringLiteral("3 okuma; ölçümle uyuşan: Kahverengi Siyah Kahverengi Altın, 100 Ohm"));
}

QTEST_MAIN(TestDoubtWindow)
#include "tst_doubtwindow.moc"
