// The photo window's wiring: a painted part read after opening, pasting
// and moving an end with the keyboard, the best proposal heard once, and
// "Kullan" handing on its colours; a band's colour chosen among its
// alternatives, and the bands in doubt handed on.

#include "englishwindow.h"
#include "forms/application.h"
#include "paintedpart.h"
#include "photo/photoloader.h"
#include "photo/photoview.h"
#include "photo/photowindow.h"
#include "testhelpers.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace paintedpart;
using photo::PhotoWindow;

Q_DECLARE_METATYPE(std::vector<colorcode::Colour>)
Q_DECLARE_METATYPE(colorcode::DoubtfulBands)
Q_DECLARE_METATYPE(colorcode::Colour)
Q_DECLARE_METATYPE(paintedpart::Part)

namespace
{

const std::vector<Colour> k47{Colour::Sari, Colour::Mor, Colour::Kirmizi, Colour::Altin};

QImage paintedImage(const Part &part = {k47, beige, {{150, 210}, {320, 150}}, 48})
{
    const RgbImage image = paint(part);
    return QImage(image.rgb.data(), image.width, image.height, image.width * 3,
                  QImage::Format_RGB888)
        .copy();
}

bool waitForReading(PhotoWindow &window)
{
    QSignalSpy shown(&window, &PhotoWindow::readingShown);
    return shown.wait(10000) && !window.isBusy();
}

} // namespace

class TestPhotoWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }
    void readsAnOpenedPhoto();
    void pasteAndKeyboard();
    void unreadableFile();
    void tooSmallSaidOnce();
    void bandChoices_data();
    void bandChoices();
    void inEnglish();
};

void TestPhotoWindow::readsAnOpenedPhoto()
{
    QWidget owner;
    auto *window = new PhotoWindow(&owner);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(window->isWindow());
    QCOMPARE(window->parent(), &owner);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("direnç.png"));
    QVERIFY(paintedImage().save(path));
    AnnouncementSpy heard;
    window->openFile(path);
    QVERIFY(waitForReading(*window));

    QListWidget *list = window->proposals();
    QVERIFY(list->count() >= 1 && list->count() <= 3);
    const QString best = list->item(0)->text();
    const QString reading = inUserFormat(
        u"1. 4 bant: Sarı, Mor, Kırmızı, Altın → 4,7 Kilo Ohm  ± % 5 — E24 standart değeri"_qs);
    QVERIFY2(best.startsWith(reading), qPrintable(best));
    // Then how often such a reading was right, in percent.
    const QString confidence = best.mid(reading.size());
    QVERIFY2(QRegularExpression(u"^  \\(güven % [1-9][0-9]?\\)$"_qs).match(confidence).hasMatch(),
             qPrintable(confidence));
    // A screen reader reads each proposal as the text shown.
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(list);
    QVERIFY(iface && iface->childCount() >= 1);
    QCOMPARE(iface->child(0)->text(QAccessible::Name), best);
    QCOMPARE(heard.heard, QStringList{best});
    QVERIFY(window->view()->ends().has_value());

    // The same ends read again: the same best reading, not heard again.
    window->readAgain();
    QVERIFY(waitForReading(*window));
    QCOMPARE(list->item(0)->text(), best);
    QCOMPARE(heard.heard.size(), 1);

    QSignalSpy used(window, &PhotoWindow::useReading);
    QVERIFY(window->useButton()->isEnabled());
    QTest::mouseClick(window->useButton(), Qt::LeftButton);
    QCOMPARE(used.size(), 1);
    QCOMPARE(used.first().first().value<std::vector<Colour>>(), k47);
}

void TestPhotoWindow::pasteAndKeyboard()
{
    QWidget owner;
    auto *window = new PhotoWindow(&owner);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QGuiApplication::clipboard()->setImage(paintedImage());
    QTest::keyClick(window, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(waitForReading(*window));
    QVERIFY(window->proposals()->count() >= 1);

    // Tab onto the view selects the first end, Tab again the second; an
    // arrow moves it one pixel, Enter reads again.
    photo::PhotoView *view = window->view();
    window->openButton()->setFocus();
    QTest::keyClick(window->openButton(), Qt::Key_Tab);        // Yapıştır
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // Yeniden oku
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), view);
    QCOMPARE(view->currentEnd(), 0);
    // A screen reader is told which end Tab selected and where an arrow
    // took it: it does not speak the view's new description.
    AnnouncementSpy heard;
    QTest::keyClick(view, Qt::Key_Tab);
    QCOMPARE(view->currentEnd(), 1);
    QCOMPARE(QApplication::focusWidget(), view);
    const photo::Point before = view->ends()->second;
    const auto at = [](double x, double y) {
        return u"x %1, y %2"_qs.arg(std::lround(x)).arg(std::lround(y));
    };
    QCOMPARE(heard.heard.value(0), u"İkinci uç seçili: "_qs + at(before.x, before.y) + u"."_qs);
    QTest::keyClick(view, Qt::Key_Left);
    QCOMPARE(view->ends()->second.x, before.x - 1);
    QCOMPARE(view->ends()->second.y, before.y);
    QCOMPARE(heard.heard.value(1), at(before.x - 1, before.y));
    QTest::keyClick(view, Qt::Key_Backtab);
    QCOMPARE(view->currentEnd(), 0);
    const photo::Point first = view->ends()->first;
    QCOMPARE(heard.heard.value(2), u"Birinci uç seçili: "_qs + at(first.x, first.y) + u"."_qs);
    QTest::keyClick(view, Qt::Key_Tab);
    QCOMPARE(view->currentEnd(), 1);
    QVERIFY(view->accessibleDescription().startsWith(u"İkinci uç seçili."_qs));
    QSignalSpy shown(window, &PhotoWindow::readingShown);
    QTest::keyClick(view, Qt::Key_Return);
    QVERIFY(shown.wait(10000));
    QCOMPARE(window->reading().ends->second.x, before.x - 1);
    QVERIFY(window->reading().endsGiven);
    QVERIFY(window->proposals()->item(0)->text().contains(inUserFormat(u"4,7 Kilo Ohm"_qs)));
    // Tab leaves the view after the second end.
    QTest::keyClick(view, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window->proposals());
}

void TestPhotoWindow::unreadableFile()
{
    QWidget owner;
    PhotoWindow window(&owner);
    AnnouncementSpy heard;
    window.openFile(QStringLiteral("/nonexistent/direnç.jpg"));
    QVERIFY(waitForReading(window));
    QVERIFY(window.status()->text().startsWith(u"Fotoğraf açılamadı"_qs));
    QCOMPARE(window.proposals()->count(), 0);
    QVERIFY(!window.useButton()->isEnabled());
}

void TestPhotoWindow::tooSmallSaidOnce()
{
    QWidget owner;
    PhotoWindow window(&owner);
    AnnouncementSpy heard;
    QGuiApplication::clipboard()->setImage(paintedImage());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(waitForReading(window));
    QVERIFY(window.proposals()->count() >= 1);

    // Ends 24 × 32 pixels apart: a body 40 pixels long.
    window.view()->setEnds(photo::Ends{{150, 210}, {174, 178}});
    window.readAgain();
    QVERIFY(waitForReading(window));
    const QString said = u"Direnç fotoğrafta çok küçük (40 piksel): yaklaşarak yeniden çekin"_qs;
    QCOMPARE(window.status()->text(), said);
    QCOMPARE(window.proposals()->count(), 0);
    QVERIFY(!window.useButton()->isEnabled());
    QCOMPARE(heard.heard.size(), 2);
    QCOMPARE(heard.heard.back(), said);
    // Read again as it is: not said again.
    window.readAgain();
    QVERIFY(waitForReading(window));
    QCOMPARE(heard.heard.size(), 2);
}

using Doubts = colorcode::DoubtfulBands;

void TestPhotoWindow::bandChoices_data()
{
    QTest::addColumn<Part>("part");
    QTest::addColumn<Doubts>("readDoubtful"); // as the photo leaves them
    QTest::addColumn<int>("band");            // the band whose colour is chosen
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<QString>("text"); // the first proposal then
    QTest::addColumn<std::vector<Colour>>("used");
    QTest::addColumn<Doubts>("handedOn");

    const Ends ends{{150, 210}, {320, 150}};
    using C = Colour;
    // Between Kırmızı and Turuncu, and between Kahverengi and Kırmızı.
    const Paint redOrange{210, 72, 30}, brownRed{140, 44, 32};
    QTest::newRow("multiplier between red and orange")
        << Part{k47, beige, ends, 48, 0, {{2, redOrange}}} << Doubts{false, false, true} << 2
        << C::Kirmizi
        << u"1. 4 bant: Sarı, Mor, Kırmızı (şüpheli), Altın → 4,7 Kilo Ohm  ± % 5 — E24 "
           "standart değeri"_qs
        << k47 << Doubts{false, false, true};
    QTest::newRow("first digit between brown and red")
        << Part{{C::Kahverengi, C::Siyah, C::Kirmizi, C::Altin},
                beige,
                ends,
                48,
                0,
                {{0, brownRed}}}
        << Doubts{true} << 0 << C::Kirmizi
        << u"1. 4 bant: Kırmızı (şüpheli), Siyah, Kırmızı, Altın → 2 Kilo Ohm  ± % 5 — E24 "
           "standart değeri"_qs
        << std::vector<C>{C::Kirmizi, C::Siyah, C::Kirmizi, C::Altin} << Doubts{true};
    // A band read plainly and changed by the user is in doubt from then on.
    QTest::newRow("plain multiplier changed")
        << Part{k47, beige, ends, 48} << Doubts{} << 2 << C::Kahverengi
        << u"1. 4 bant: Sarı, Mor, Kahverengi (şüpheli), Altın → 470 Ohm  ± % 5 — E24 "
           "standart değeri"_qs
        << std::vector<C>{C::Sari, C::Mor, C::Kahverengi, C::Altin} << Doubts{false, false, true};
    QTest::newRow("five bands, multiplier between brown and black")
        << Part{{C::Kahverengi, C::Siyah, C::Siyah, C::Kahverengi, C::Kahverengi},
                beige,
                ends,
                48,
                0,
                {{3, Paint{90, 50, 35}}}}
        << Doubts{false, false, false, true} << 3 << C::Siyah
        << u"1. 5 bant: Kahverengi, Siyah, Siyah, Siyah (şüpheli), Kahverengi → 100 Ohm  ± % 1 — "
           "E96 standart değeri"_qs
        << std::vector<C>{C::Kahverengi, C::Siyah, C::Siyah, C::Siyah, C::Kahverengi}
        << Doubts{false, false, false, true};
}

void TestPhotoWindow::bandChoices()
{
    QFETCH(Part, part);
    QFETCH(Doubts, readDoubtful);
    QFETCH(int, band);
    QFETCH(Colour, colour);
    QFETCH(QString, text);
    QFETCH(std::vector<Colour>, used);
    QFETCH(Doubts, handedOn);

    QWidget owner;
    auto *window = new PhotoWindow(&owner);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->openImage(paintedImage(part));
    QVERIFY(waitForReading(*window));
    QVERIFY(window->proposals()->count() >= 1);
    // The first proposal is chosen, shown selected but not made current:
    // Orca would read a row made current in the unfocused list.
    QCOMPARE(window->proposals()->currentRow(), -1);
    QVERIFY(window->proposals()->item(0)->isSelected());

    // One list a band, in band order; the doubtful ones marked by a question
    // mark and in words, each offering colours with their likelihoods.
    const auto bandCount = part.bands.size();
    const QRegularExpression offered(u"^\\S+  % [0-9]{1,3}$"_qs);
    for (int k = 0; k < colorcode::maxBandCount; ++k) {
        QComboBox *list = window->bandList(k);
        QCOMPARE(list->isVisibleTo(window), std::size_t(k) < bandCount);
        if (std::size_t(k) >= bandCount)
            continue;
        QCOMPARE(list->accessibleName(), QStringLiteral("%1. bant").arg(k + 1));
        QCOMPARE(list->accessibleDescription(),
                 readDoubtful[std::size_t(k)] ? u"emin değil"_qs : QString());
        // The colour read: the one painted, unless painted between two.
        const bool repainted =
            std::any_of(part.repainted.begin(), part.repainted.end(),
                        [k](const auto &r) { return r.first == std::size_t(k); });
        const Colour read = repainted ? window->reading().readings[0].bands[std::size_t(k)].colour
                                      : part.bands[std::size_t(k)];
        QVERIFY2(list->currentText().startsWith(QString::fromUtf8(colorcode::colourName(read))),
                 qPrintable(list->currentText()));
        QVERIFY(list->count() >= 2);
        for (int i = 0; i < list->count(); ++i)
            QVERIFY2(offered.match(list->itemText(i)).hasMatch(), qPrintable(list->itemText(i)));
        QCOMPARE(window->view()->marks()[std::size_t(k)].doubtful, readDoubtful[std::size_t(k)]);
    }
    QCOMPARE(window->unsureButton()->isEnabled(),
             std::any_of(readDoubtful.begin(), readDoubtful.end(), [](bool d) { return d; }));

    // Clicking the band on the photo brings its list; the arrows choose.
    photo::PhotoView *view = window->view();
    QTest::mouseClick(view, Qt::LeftButton, {}, view->markPosition(band).toPoint());
    QComboBox *list = window->bandList(band);
    QCOMPARE(QApplication::focusWidget(), list);
    QCOMPARE(view->currentMark(), band);
    const int target =
        list->findText(QString::fromUtf8(colorcode::colourName(colour)), Qt::MatchStartsWith);
    QVERIFY(target >= 0);
    AnnouncementSpy heard;
    while (list->currentIndex() != target)
        QTest::keyClick(list, list->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);

    // The proposal follows, without the confidence measured for the photo's
    // own reading; heard once.
    QCOMPARE(window->proposals()->item(0)->text(), inUserFormat(text));
    QCOMPARE(heard.heard.size(), 1);
    QVERIFY2(
        heard.heard.first().startsWith(
            QStringLiteral("%1. bant: %2  % ").arg(band + 1).arg(colorcode::colourName(colour))),
        qPrintable(heard.heard.first()));
    QVERIFY(heard.heard.first().endsWith(inUserFormat(text)));
    QCOMPARE(list->accessibleDescription(), u"emin değil"_qs);

    // "Emin değilim" hands on the colours and the bands in doubt.
    QSignalSpy unsure(window, &PhotoWindow::unsure);
    QVERIFY(window->unsureButton()->isEnabled());
    window->unsureButton()->click();
    QCOMPARE(unsure.size(), 1);
    QCOMPARE(unsure.first().at(0).value<std::vector<Colour>>(), used);
    QCOMPARE(unsure.first().at(1).value<Doubts>(), handedOn);

    // Enter in a band's list uses the reading, as chosen.
    QSignalSpy usedSpy(window, &PhotoWindow::useReading);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(usedSpy.size(), 1);
    QCOMPARE(usedSpy.first().first().value<std::vector<Colour>>(), used);
    QVERIFY(!list->view()->isVisible());
    // Leaving the bands unmarks the band on the photo.
    window->useButton()->setFocus();
    QCOMPARE(view->currentMark(), -1);
}

QTEST_MAIN(TestPhotoWindow)
#include "tst_photowindow.moc"

void TestPhotoWindow::inEnglish()
{
    EnglishTexts english;
    QVERIFY(english.loaded());
    QWidget owner;
    PhotoWindow window(&owner);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.windowTitle(), u"Read from a Photo"_qs);
    QCOMPARE(window.useButton()->text(), u"Use"_qs);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("part.png"));
    QVERIFY(paintedImage().save(path));
    AnnouncementSpy heard;
    window.openFile(path);
    QVERIFY(waitForReading(window));
    const QString best = window.proposals()->item(0)->text();
    QVERIFY2(best.startsWith(u"1. 4 bands: Yellow, Violet, Red, Gold \u2192 "_qs),
             qPrintable(best));
    QVERIFY2(QRegularExpression(u"  \\(confidence [1-9][0-9]? %\\)$"_qs).match(best).hasMatch(),
             qPrintable(best));
    QVERIFY2(QRegularExpression(u"^[1-3] readings? proposed\\.$"_qs)
                 .match(window.status()->text())
                 .hasMatch(),
             qPrintable(window.status()->text()));
    QCOMPARE(heard.heard, QStringList{best});
    const QStringList turkish = withTurkishLetters(windowTexts(&window));
    QVERIFY2(turkish.isEmpty(), qPrintable(turkish.join(u" | ")));

    window.view()->setEnds(photo::Ends{{150, 210}, {174, 178}});
    window.readAgain();
    QVERIFY(waitForReading(window));
    QCOMPARE(window.status()->text(),
             u"The resistor is too small in the photo (40 pixels): take it again from closer"_qs);
}
