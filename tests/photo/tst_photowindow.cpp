// The photo window's wiring: a painted part read after opening, pasting
// and moving an end with the keyboard, the best proposal heard once, and
// "Kullan" handing on its colours.

#include "forms/application.h"
#include "paintedpart.h"
#include "photo/photoloader.h"
#include "photo/photoview.h"
#include "photo/photowindow.h"
#include "testhelpers.h"

#include <QAccessible>
#include <QClipboard>
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

namespace
{

const std::vector<Colour> k47{Colour::Sari, Colour::Mor, Colour::Kirmizi, Colour::Altin};

QImage paintedImage()
{
    const RgbImage image = paint({k47, beige, {{150, 210}, {320, 150}}, 48});
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
    const QString reading =
        inUserFormat(u"1. 4 bant: Sarı, Mor, Kırmızı, Altın → 4,7 Kilo Ohm  ± % 5"_qs);
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
    QTest::keyClick(view, Qt::Key_Tab);
    QCOMPARE(view->currentEnd(), 1);
    QCOMPARE(QApplication::focusWidget(), view);
    const photo::Point before = view->ends()->second;
    QTest::keyClick(view, Qt::Key_Left);
    QCOMPARE(view->ends()->second.x, before.x - 1);
    QCOMPARE(view->ends()->second.y, before.y);
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

QTEST_MAIN(TestPhotoWindow)
#include "tst_photowindow.moc"
