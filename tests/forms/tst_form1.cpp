#include "colorcode/doubtwindow.h"
#include "colorcode/form2.h"
#include "combine/combinewindow.h"
#include "englishwindow.h"
#include "forms/application.h"
#include "forms/bandvalues.h"
#include "forms/controls.h"
#include "forms/form1.h"
#include "photo/photowindow.h"
#include "smd/smdwindow.h"
#include "testhelpers.h"

#include "../photo/paintedpart.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>
#include <optional>

namespace
{

// Chooses the bands left to right; their number sets the band count.
void chooseBands(Form1 &form, const QList<int> &choice)
{
    form.Combo7->setCurrentIndex(int(choice.size()) - 4);
    const std::vector<QComboBox *> lists = form.bandLists();
    QCOMPARE(lists.size(), std::size_t(choice.size()));
    for (std::size_t i = 0; i < lists.size(); ++i)
        lists[i]->setCurrentIndex(choice[qsizetype(i)]);
}

void choose(Form1 &form, int first, int second, int multiplier, int tolerance)
{
    form.Combo1->setCurrentIndex(first);
    form.Combo2->setCurrentIndex(second);
    form.Combo3->setCurrentIndex(multiplier);
    form.Combo4->setCurrentIndex(tolerance);
}

// The colours as they must reach the screen, in red, green, blue; the
// multiplier list goes on with gold and silver.
const QColor screenColour[13] = {{0, 0, 0},       {128, 64, 0},    {255, 0, 0},   {255, 128, 0},
                                 {255, 255, 0},   {0, 255, 0},     {0, 0, 255},   {128, 0, 128},
                                 {128, 128, 128}, {255, 255, 255}, {192, 192, 0}, {224, 224, 224},
                                 {255, 105, 180}};

// The band shapes of each band count, left to right.
std::vector<Shape *> drawnBands(Form1 &form, int bandCount)
{
    auto &b = form.Shape2;
    if (bandCount == 4)
        return {b[0], b[1], b[2], b[3]};
    if (bandCount == 5)
        return {b[0], b[1], b[4], b[2], b[3]};
    return {b[0], b[1], b[4], b[2], b[3], b[5]};
}

QColor colourAt(const QImage &image, QPoint point)
{
    // The grab is in device pixels; the geometry in the window's own.
    return image.pixelColor((QPointF(point) * image.devicePixelRatio()).toPoint());
}

QColor centreColour(QWidget *window, QWidget *part)
{
    return colourAt(window->grab().toImage(), part->geometry().center());
}

// A dark theme's colours, as KDE's Breeze Dark or Adwaita dark give them.
QPalette darkPalette()
{
    QPalette dark;
    for (auto role : {QPalette::Window, QPalette::Button})
        dark.setColor(role, QColor(0x31, 0x36, 0x3b));
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, QColor(0xfc, 0xfc, 0xfc));
    dark.setColor(QPalette::Base, QColor(0x1b, 0x1e, 0x20));
    return dark;
}

// A window of a class that does not begin with "Q", as a theme may bring.
class ThemeWindow : public QWidget
{
    Q_OBJECT
};

} // namespace

// The main window a row looks at: the program's own in Turkish, or one
// built under the English texts, which stay installed while it lives.
struct RowForm {
    std::optional<EnglishTexts> texts;
    std::unique_ptr<Form1> own;

    bool make(bool english)
    {
        if (!english)
            return true;
        if (!texts.emplace().loaded())
            return false;
        own = std::make_unique<Form1>();
        return true;
    }
    Form1 &form() { return own ? *own : Form1::instance(); }
};

class TestForm1 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void startUp();
    void captionsShownWhole_data();
    void captionsShownWhole();
    void drawingHoldsTogether_data();
    void drawingHoldsTogether();
    void accessibleNames();
    void bandsStandOut_data();
    void bandsStandOut();
    void hesapla_data();
    void hesapla();
    void enterPressesHesapla_data();
    void enterPressesHesapla();
    void enterOnAnotherButton();
    void openListTakesEnter_data();
    void openListTakesEnter();
    void renksizThenAltin();
    void unchosenListChangesNothing_data();
    void unchosenListChangesNothing();
    void bandCountSwitch_data();
    void bandCountSwitch();
    void switchBackBringsValue();
    void userSizeKept();
    void tools();
    void photoDoubtHandedOn_data();
    void photoDoubtHandedOn();
    void bandValues_data();
    void bandValues();
    void closingEndsProgram();
};

void TestForm1::initTestCase()
{
    prepareApplication();
    // The tests' own settings (see tests/CMakeLists.txt), as a first run
    // finds them.
    QSettings(QStringLiteral("Tavlora"), QStringLiteral("Tavlora")).clear();
}

void TestForm1::init()
{
    Form1::instance().Combo7->setCurrentIndex(0);
}

void TestForm1::startUp()
{
    Form1 &form = Form1::instance();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QCOMPARE(form.windowTitle(), QStringLiteral("Tavlora"));
    QCOMPARE(form.size(), QSize(386, 165));
    for (QComboBox *list : {form.Combo1, form.Combo2, form.Combo3, form.Combo4})
        QCOMPARE(list->currentIndex(), -1);
    QVERIFY(form.Text1->text().isEmpty());
    QVERIFY(form.Text1->isReadOnly());
    for (Shape *band : form.Shape2)
        QVERIFY(!band->isVisible());
    // The multiplier list carries powers of ten, from Siyah's 0 up to
    // Beyaz's 9, then Altın's -1 and Gümüş's -2.
    QCOMPARE(form.Combo1->count(), 10);
    QCOMPARE(form.Combo3->count(), 13);
    QCOMPARE(form.Combo3->itemText(9), QStringLiteral("Beyaz"));
    QCOMPARE(form.Combo3->itemData(9).toInt(), 9);
    QCOMPARE(form.Combo3->itemText(10), QStringLiteral("Altın"));
    QCOMPARE(form.Combo3->itemData(10).toInt(), -1);
    QCOMPARE(form.Combo3->itemText(11), QStringLiteral("Gümüş"));
    QCOMPARE(form.Combo3->itemData(11).toInt(), -2);
    QCOMPARE(form.Combo3->itemText(12), QStringLiteral("Pembe"));
    QCOMPARE(form.Combo3->itemData(12).toInt(), -3);
    // Tolerances in hundredths of a percent; the coefficient in ppm/K.
    QCOMPARE(form.Combo4->count(), 11);
    QCOMPARE(form.Combo4->itemData(2).toInt(), 2000);
    QCOMPARE(form.Combo4->itemText(10), QStringLiteral("Gri"));
    QCOMPARE(form.Combo4->itemData(10).toInt(), 1);
    QCOMPARE(form.Combo6->itemData(3).toInt(), 15);
    // Four bands at start: the third digit and the coefficient are hidden.
    QCOMPARE(form.Combo7->currentText(), QStringLiteral("4 bant"));
    QCOMPARE(form.bandCount(), 4);
    QVERIFY(!form.Combo5->isVisible() && !form.Combo6->isVisible());

    // Resizing moves nothing.
    const QRect before = form.Command3->geometry();
    form.resize(700, 400);
    QCOMPARE(form.Command3->geometry(), before);
    form.resize(386, 165);
}

void TestForm1::captionsShownWhole_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("widestResult");
    QTest::newRow("Turkish") << false << "10000 Mega Ohm  ± % 20";
    QTest::newRow("English") << true << "10000 Mega Ohm  ± 20 %";
}

void TestForm1::captionsShownWhole()
{
    QFETCH(bool, english);
    QFETCH(QString, widestResult);
    // The window keeps its face when a platform theme sets the application's.
    ThemeFont themeFont;
    RowForm row;
    QVERIFY(row.make(english));
    Form1 &form = row.form();
    for (QWidget *control :
         std::initializer_list<QWidget *>{form.Combo1, form.Command2, form.Text1}) {
        QCOMPARE(control->font().family(), QStringLiteral("Liberation Sans Narrow"));
        QCOMPARE(control->font().pointSize(), 8);
    }
    for (QComboBox *list :
         {form.Combo1, form.Combo2, form.Combo3, form.Combo4, form.Combo6, form.Combo7})
        for (int i = 0; i < list->count(); ++i)
            QVERIFY2(captionFits(list, list->itemText(i)), qPrintable(list->itemText(i)));
    for (QPushButton *button :
         {form.Command1, form.Command2, form.Command3, form.Command4, form.Command5})
        QVERIFY2(captionFits(button, button->text()), qPrintable(button->text()));
    QVERIFY(captionFits(form.Text1, widestResult));
    if (!english)
        return;
    // Nothing left in Turkish: captions, lists, menu, accessible names, the
    // drawing's description.
    QCOMPARE(withTurkishLetters(windowTexts(&form)), QStringList());
    QCOMPARE(form.Command1->text(), QStringLiteral("Calculate"));
    QCOMPARE(form.Combo7->currentText(), QStringLiteral("4 bands"));
    QCOMPARE(form.Combo3->itemText(12), QStringLiteral("Pink"));
    QCOMPARE(form.Combo4->itemText(2), QStringLiteral("None"));
    QCOMPARE(form.Shape1->accessibleDescription(), QStringLiteral("No colour chosen"));
}

void TestForm1::drawingHoldsTogether_data()
{
    QTest::addColumn<int>("bandCount");
    QTest::newRow("four") << 4;
    QTest::newRow("five") << 5;
    QTest::newRow("six") << 6;
}

void TestForm1::drawingHoldsTogether()
{
    QFETCH(int, bandCount);
    Form1 &form = Form1::instance();
    form.show();
    form.Combo7->setCurrentIndex(bandCount - 4);
    const QRect body = form.findChild<Shape *>(QStringLiteral("Shape1"))->geometry();
    int previousRight = body.left();
    QList<int> gaps;
    for (Shape *band : drawnBands(form, bandCount)) {
        const QRect r = band->geometry();
        QVERIFY(body.contains(r));
        QVERIFY(r.left() > previousRight);
        gaps << r.left() - previousRight;
        previousRight = r.right();
    }
    // Four bands stand evenly; with more the tolerance band stands apart.
    const int valueGap = gaps[1];
    const int toleranceGap = gaps[bandCount == 4 ? 3 : 4];
    QVERIFY(bandCount == 4 ? toleranceGap == valueGap : toleranceGap > valueGap);
    // The leads touch the body at its mid-height.
    const QRect left = form.findChild<QWidget *>(QStringLiteral("Line1"))->geometry();
    const QRect right = form.findChild<QWidget *>(QStringLiteral("Line2"))->geometry();
    QVERIFY(left.right() >= body.left() && left.right() <= body.left() + 2);
    QVERIFY(right.left() <= body.right() && right.left() >= body.right() - 2);
    QVERIFY(qAbs(left.top() - body.center().y()) <= 2);
    // The lists stand in one row, in band order, inside the window; the
    // hidden ones are no band of this count.
    int listRight = 0;
    for (QComboBox *list : form.bandLists()) {
        QVERIFY(list->isVisible());
        QVERIFY(list->geometry().left() > listRight);
        listRight = list->geometry().right();
    }
    QVERIFY(listRight < form.width());
    QCOMPARE(form.Combo5->isVisible(), bandCount > 4);
    QCOMPARE(form.Combo6->isVisible(), bandCount == 6);
    for (QWidget *control : std::initializer_list<QWidget *>{form.Command3, form.Combo7})
        QVERIFY(form.rect().contains(control->geometry()));
}

void TestForm1::bandCountSwitch_data()
{
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<QList<int>>("after");
    QTest::addColumn<QString>("text");
    // What the standard-value line says, and what is heard.
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("heard");

    QTest::newRow("nothing chosen stays so")
        << QList<int>{-1, -1, -1, 0} << 5 << QList<int>{-1, -1, -1, -1, 0} << ""
        << "" << QStringList{};
    QTest::newRow("4 -> 5 keeps 4,7 kilo")
        << QList<int>{4, 7, 2, 0} << 5 << QList<int>{4, 7, 0, 1, 0} << "4,7 Kilo Ohm  ± % 5"
        << "E24 standart değeri" << QStringList{};
    QTest::newRow("5 -> 4 keeps 55 ohm")
        << QList<int>{0, 5, 5, 0, 3} << 4 << QList<int>{5, 5, 0, 3} << "55 Ohm  ± % 1"
        << "E96/E24 değil; en yakın: 51 Ohm (−7,27 %), 56 Ohm (+1,82 %). "
           "Ters yönden: 1000 Kilo Ohm ± % 0,5"
        << QStringList{};
    // A value four bands cannot show is said to be dropped, once.
    QTest::newRow("5 -> 4 cannot show 4,99 kilo")
        << QList<int>{4, 9, 9, 1, 3} << 4 << QList<int>{-1, -1, -1, 3} << ""
        << "4 bantta gösterilemez: 4,99 Kilo Ohm ± % 1; 5 bant gerekir"
        << QStringList{"4 bantta gösterilemez: 4,99 Kilo Ohm ± % 1; 5 bant gerekir"};
    // No band is drawn while the new coefficient is unchosen.
    QTest::newRow("5 -> 6 keeps the lists, draws nothing")
        << QList<int>{4, 7, 0, 1, 0} << 6 << QList<int>{4, 7, 0, 1, 0, -1} << ""
        << "" << QStringList{};
    QTest::newRow("6 -> 5 recalculates")
        << QList<int>{1, 9, 2, 2, 3, 6} << 5 << QList<int>{1, 9, 2, 2, 3} << "19,2 Kilo Ohm  ± % 1"
        << "E96/E24 değil; en yakın: 19,1 Kilo Ohm (−0,52 %), 19,6 Kilo Ohm (+2,08 %)"
        << QStringList{};
}

void TestForm1::bandCountSwitch()
{
    QFETCH(QList<int>, before);
    QFETCH(int, bandCount);
    QFETCH(QList<int>, after);
    QFETCH(QString, text);
    QFETCH(QString, line);
    QFETCH(QStringList, heard);
    Form1 &form = Form1::instance();
    form.show();
    QApplication::setActiveWindow(&form);
    // A calculation first, so that no value dropped by an earlier switch
    // waits to come back.
    chooseBands(form, {1, 0, 2, 0});
    form.direnchesapla();
    chooseBands(form, before);
    if (!before.contains(-1))
        form.direnchesapla();
    QSignalSpy switched(&form, &Form1::bandCountChanged);
    AnnouncementSpy spy;

    form.Combo7->setCurrentIndex(bandCount - 4);

    QCOMPARE(switched.count(), 1);
    QCOMPARE(form.bandCount(), bandCount);
    QList<int> chosen;
    for (const QComboBox *list : form.bandLists())
        chosen << list->currentIndex();
    QCOMPARE(chosen, after);
    QCOMPARE(form.Text1->text(), inUserFormat(text));
    QCOMPARE(form.sonuc(), form.Text1->text());
    QCOMPARE(form.standardLine(), inUserFormat(line));
    QTRY_COMPARE(spy.heard.size(), heard.size());
    for (qsizetype i = 0; i < heard.size(); ++i)
        QCOMPARE(spy.heard[i], inUserFormat(heard[i]));
    // The drawing shows the bands of the new count in their colours when
    // there is a result, and no band at all when there is none.
    const std::vector<Shape *> bands = drawnBands(form, bandCount);
    const std::size_t tolerance = bandCount == 4 ? 3 : 4;
    QStringList names;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        QCOMPARE(bands[i]->isVisible(),
                 !text.isEmpty() && (i != tolerance || after[qsizetype(i)] != 2));
        if (!text.isEmpty())
            names << form.bandLists()[i]->currentText();
    }
    for (Shape *band : form.Shape2)
        if (std::ranges::find(bands, band) == bands.end())
            QVERIFY(!band->isVisible());
    const QString description =
        form.findChild<Shape *>(QStringLiteral("Shape1"))->accessibleDescription();
    QCOMPARE(description, text.isEmpty() ? QStringLiteral("Renk seçilmedi") : names.join(", "));
}

void TestForm1::switchBackBringsValue()
{
    Form1 &form = Form1::instance();
    form.show();
    chooseBands(form, {4, 9, 9, 1, 3});
    form.direnchesapla();
    form.Combo7->setCurrentIndex(0);
    QVERIFY(form.Text1->text().isEmpty());
    form.Combo7->setCurrentIndex(1);
    QCOMPARE(form.Text1->text(), inUserFormat("4,99 Kilo Ohm  ± % 1"));
    QCOMPARE(form.standardLine(), QStringLiteral("E96 standart değeri"));
}

void TestForm1::tools()
{
    Form1 &form = Form1::instance();
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    // After the band count in the Tab order: the tools, then the way to a
    // combination, over no control of the row and inside the window.
    QCOMPARE(form.Combo7->nextInFocusChain(), form.Command4);
    QCOMPARE(form.Command4->text(), QStringLiteral("Araçlar"));
    QVERIFY(!form.Command4->geometry().intersects(form.Text1->geometry()));
    QVERIFY(!form.Command4->geometry().intersects(form.Combo4->geometry()));
    QVERIFY(form.rect().contains(form.Command4->geometry()));
    const QStringList captions{"SMD Kodu",         "Direnç Birleştir",
                               "Fotoğraftan Oku",  "Renkten Emin Değilim",
                               "Kondansatör Kodu", "Bobin Renk Kodu"};
    const QList<QAction *> entries = form.actions();
    // The tools, then apart from them the choice of values on the bands.
    QCOMPARE(entries.size(), captions.size() + 2);
    for (qsizetype i = 0; i < captions.size(); ++i) {
        QCOMPARE(entries[i]->text(), captions[i]);
        QCOMPARE(entries[i]->shortcut(), QKeySequence(QStringLiteral("Ctrl+%1").arg(i + 1)));
    }
    QVERIFY(entries[captions.size()]->isSeparator());
    QCOMPARE(entries.last()->text(), QStringLiteral("Bantlarda değerleri göster"));
    QVERIFY(entries.last()->isCheckable());
    QVERIFY(!entries.last()->isChecked());
    // The menu holds them, once opened.
    QTimer::singleShot(0, [&form] { form.Command4->menu()->hide(); });
    form.Command4->click();
    QCOMPARE(form.Command4->menu()->actions(), entries);
    // The shortcuts work from the main window.
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_1, Qt::ControlModifier);
    QVERIFY(form.smdWindow().isVisible());
    form.smdWindow().hide();
    // The capacitor and inductor tools open a window of their name, once.
    for (const qsizetype i : {captions.size() - 2, captions.size() - 1}) {
        for (int twice = 0; twice < 2; ++twice)
            entries[i]->trigger();
        QWidget *shown = nullptr;
        QTRY_VERIFY((shown = QApplication::activeWindow()) && shown != &form);
        QCOMPARE(shown->windowTitle(), captions[i]);
        const QList<QDialog *> dialogs = form.findChildren<QDialog *>();
        QCOMPARE(std::count_if(dialogs.begin(), dialogs.end(),
                               [&](const QDialog *d) { return d->windowTitle() == captions[i]; }),
                 1);
        shown->hide();
    }

    // "Birleşim bul" shows only for a value that is not standard, and opens
    // the combinations for it.
    chooseBands(form, {4, 7, 2, 0});
    form.direnchesapla();
    QVERIFY(!form.Command5->isVisible());
    chooseBands(form, {4, 8, 2, 0});
    form.direnchesapla();
    QVERIFY(form.Command5->isVisible());
    QVERIFY(!form.Command5->geometry().intersects(form.Command1->geometry()));
    form.Command5->click();
    QVERIFY(form.combineWindow().isVisible());
    form.combineWindow().hide();

    // Bands read elsewhere come in with their own count, and are calculated.
    using C = colorcode::Colour;
    form.useBands({C::Sari, C::Mor, C::Siyah, C::Kahverengi, C::Kahverengi});
    QCOMPARE(form.bandCount(), 5);
    QCOMPARE(form.Text1->text(), inUserFormat("4,7 Kilo Ohm  ± % 1"));

    // "Renkten Emin Değilim" opens with the lists' bands; Kullan brings the
    // chosen reading back and calculates it.
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_4, Qt::ControlModifier);
    DoubtWindow &doubt = form.doubtWindow();
    QVERIFY(doubt.isVisible());
    QVERIFY(doubt.bandLists[4]->isVisibleTo(&doubt));
    QVERIFY(!doubt.bandLists[5]->isVisibleTo(&doubt));
    QCOMPARE(doubt.bandLists[0]->currentText(), QStringLiteral("Sarı"));
    QCOMPARE(doubt.bandLists[3]->currentText(), QStringLiteral("Kahverengi"));
    doubt.doubtBoxes[3]->setChecked(true);
    QCOMPARE(doubt.readingList->count(), 3);
    doubt.readingList->setCurrentRow(1);
    doubt.useButton->click();
    QVERIFY(!doubt.isVisible());
    QCOMPARE(form.Text1->text(), inUserFormat("47 Kilo Ohm  ± % 1"));
    QCOMPARE(form.Combo3->currentText(), QStringLiteral("Kırmızı"));
}

Q_DECLARE_METATYPE(paintedpart::Part)

void TestForm1::photoDoubtHandedOn_data()
{
    QTest::addColumn<paintedpart::Part>("part");
    QTest::addColumn<int>("band");            // chosen anew in the photo window; -1 none
    QTest::addColumn<QString>("alternative"); // the colour chosen there
    QTest::addColumn<QStringList>("colours");
    QTest::addColumn<QList<bool>>("ticked");
    QTest::addColumn<int>("readings"); // what the ticked bands allow

    using C = colorcode::Colour;
    const photo::Ends ends{{150, 210}, {320, 150}};
    const std::vector<C> k1{C::Kahverengi, C::Siyah, C::Kirmizi, C::Altin};
    const std::vector<C> k47{C::Sari, C::Mor, C::Kirmizi, C::Altin};
    // A first band between Kahverengi and Kırmızı, read as Kahverengi and in
    // doubt: Kahverengi is confused with Kırmızı and Yeşil, three readings.
    const paintedpart::Part brownRed{k1, paintedpart::beige, ends, 48, 0, {{0, {140, 44, 32}}}};
    QTest::newRow("as read") << brownRed << -1 << QString()
                             << QStringList{u"Kahverengi"_qs, u"Siyah"_qs, u"Kırmızı"_qs,
                                            u"Altın"_qs}
                             << QList<bool>{true, false, false, false} << 3;
    // Its second likeliest colour chosen: Kırmızı, confused with Kahverengi
    // and Turuncu.
    QTest::newRow("other colour chosen")
        << brownRed << 0 << u"Kırmızı"_qs
        << QStringList{u"Kırmızı"_qs, u"Siyah"_qs, u"Kırmızı"_qs, u"Altın"_qs}
        << QList<bool>{true, false, false, false} << 3;
    // A plain multiplier changed to Kahverengi: in doubt from then on.
    QTest::newRow("plain band changed")
        << paintedpart::Part{k47, paintedpart::beige, ends, 48} << 2 << u"Kahverengi"_qs
        << QStringList{u"Sarı"_qs, u"Mor"_qs, u"Kahverengi"_qs, u"Altın"_qs}
        << QList<bool>{false, false, true, false} << 3;
}

void TestForm1::photoDoubtHandedOn()
{
    QFETCH(paintedpart::Part, part);
    QFETCH(int, band);
    QFETCH(QString, alternative);
    QFETCH(QStringList, colours);
    QFETCH(QList<bool>, ticked);
    QFETCH(int, readings);

    Form1 &form = Form1::instance();
    form.show();
    photo::PhotoWindow &window = form.photoWindow();
    const photo::RgbImage painted = paintedpart::paint(part);
    QSignalSpy shown(&window, &photo::PhotoWindow::readingShown);
    window.openImage(QImage(painted.rgb.data(), painted.width, painted.height, painted.width * 3,
                            QImage::Format_RGB888)
                         .copy());
    QVERIFY(shown.wait(10000));
    QVERIFY(window.proposals()->count() >= 1);
    if (band >= 0) {
        QComboBox *list = window.bandList(band);
        const int entry = list->findText(alternative, Qt::MatchStartsWith);
        QVERIFY(entry >= 0);
        list->setCurrentIndex(entry);
    }

    QVERIFY(window.unsureButton()->isEnabled());
    window.unsureButton()->click();
    DoubtWindow &doubt = form.doubtWindow();
    QVERIFY(doubt.isVisible());
    for (int k = 0; k < colorcode::maxBandCount; ++k) {
        QCOMPARE(doubt.bandLists[std::size_t(k)]->isVisibleTo(&doubt), k < colours.size());
        if (k >= colours.size())
            continue;
        QCOMPARE(doubt.bandLists[std::size_t(k)]->currentText(), colours[k]);
        QCOMPARE(doubt.doubtBoxes[std::size_t(k)]->isChecked(), ticked[k]);
    }
    QCOMPARE(doubt.readingList->count(), readings);
    doubt.hide();
    window.hide();
}

void TestForm1::bandValues_data()
{
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<QList<int>>("choice");
    QTest::addColumn<int>("labels");

    QTest::newRow("four bands") << 4 << QList<int>{1, 0, 2, 0} << 4;
    QTest::newRow("Renksiz: no band, no label") << 4 << QList<int>{4, 7, 2, 2} << 3;
    QTest::newRow("the longest multiplier") << 4 << QList<int>{9, 9, 9, 1} << 4;
    QTest::newRow("five bands") << 5 << QList<int>{4, 7, 0, 1, 3} << 5;
    QTest::newRow("six bands") << 6 << QList<int>{1, 9, 2, 11, 9, 0} << 6;
}

void TestForm1::bandValues()
{
    QFETCH(int, bandCount);
    QFETCH(QList<int>, choice);
    QFETCH(int, labels);

    Form1 &form = Form1::instance();
    form.Combo7->setCurrentIndex(bandCount - colorcode::minBandCount);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // Off whatever an earlier row left, at the size the program asks for.
    const auto off = qScopeGuard([&form] { form.setBandValuesShown(false); });
    form.setBandValuesShown(false);
    form.resize(1, 1);
    chooseBands(form, choice);
    form.direnchesapla();
    const QRect before = form.geometry();
    const QImage drawn = form.grab().toImage();

    QAction *item = form.actions().last();
    item->trigger();
    QVERIFY(form.bandValuesShown());
    QVERIFY(QSettings(QStringLiteral("Tavlora"), QStringLiteral("Tavlora"))
                .value(QStringLiteral("bandValues"))
                .toBool());
    // The window grows downward only.
    QCOMPARE(form.geometry().topLeft(), before.topLeft());
    QCOMPARE(form.width(), before.width());
    QVERIFY(form.height() > before.height());

    const BandValues *values = form.bandValues();
    const std::vector<QRect> &rects = values->labelRects();
    const QRect window(QPoint(), form.size());
    int shown = 0;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        if (rects[i].isNull())
            continue;
        ++shown;
        const QRect onForm = rects[i].translated(values->pos());
        QVERIFY2(window.contains(onForm), qPrintable(QString::number(i)));
        // Below the body, or on a band, never over another label or a
        // control.
        QVERIFY(values->onBand()[i] || onForm.top() > form.Shape1->geometry().bottom());
        for (std::size_t j = i + 1; j < rects.size(); ++j)
            QVERIFY(!rects[i].intersects(rects[j]));
        for (QWidget *control :
             {static_cast<QWidget *>(form.Command3), static_cast<QWidget *>(form.Label1)})
            QVERIFY(!onForm.intersects(control->geometry()));
    }
    QCOMPARE(shown, labels);

    // Off: the drawing as it was, pixel for pixel.
    item->trigger();
    QVERIFY(!form.bandValuesShown());
    QCOMPARE(form.geometry(), before);
    QCOMPARE(form.grab().toImage(), drawn);
    QVERIFY(!QSettings(QStringLiteral("Tavlora"), QStringLiteral("Tavlora"))
                 .value(QStringLiteral("bandValues"))
                 .toBool());
}

void TestForm1::userSizeKept()
{
    Form1 &form = Form1::instance();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QSize design = form.size();
    // The user makes the window larger: calculations and switches keep it.
    const QSize user = design + QSize(120, 80);
    form.resize(user);
    chooseBands(form, {4, 7, 2, 0});
    form.direnchesapla();
    QCOMPARE(form.size(), user);
    form.Combo7->setCurrentIndex(2);
    QCOMPARE(form.size().height(), user.height());
    QVERIFY(form.size().width() >= user.width());
    form.Combo7->setCurrentIndex(0);
    QCOMPARE(form.size(), user);
    form.resize(design);
}

void TestForm1::bandsStandOut_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("theme's palette") << false;
    QTest::newRow("dark palette") << true;
}

void TestForm1::bandsStandOut()
{
    QFETCH(bool, dark);
    Form1 &form = Form1::instance();
    if (dark)
        form.setPalette(darkPalette());
    choose(form, 0, 1, 2, 0); // Siyah first
    form.direnchesapla();

    const QImage image = form.grab().toImage();
    const QRect body = form.findChild<Shape *>(QStringLiteral("Shape1"))->geometry();
    const QRect firstBand = form.Shape2[0]->geometry();
    const QColor face = colourAt(image, {(body.left() + firstBand.left()) / 2, body.center().y()});
    const QColor siyah = colourAt(image, firstBand.center());
    // Below the leads, left of the buttons: nothing but the window.
    const QColor window = colourAt(image, {20, body.bottom()});
    const QRect lead = form.findChild<QWidget *>(QStringLiteral("Line1"))->geometry();
    const QColor leadColour = colourAt(image, {lead.center().x(), lead.top()});
    const QColor outline = colourAt(image, {(body.left() + firstBand.left()) / 2, body.top()});
    form.setPalette(QPalette());

    QCOMPARE(siyah, QColor(Qt::black));
    QVERIFY2(contrastRatio(siyah, face) >= 4.5, qPrintable(face.name()));
    // Leads and outline stay visible against the window.
    QVERIFY2(contrastRatio(leadColour, window) >= 3,
             qPrintable(leadColour.name() + " on " + window.name()));
    QVERIFY2(contrastRatio(outline, window) >= 3,
             qPrintable(outline.name() + " on " + window.name()));
}

void TestForm1::accessibleNames()
{
    Form1 &form = Form1::instance();
    form.Combo1->setCurrentIndex(1);
    const QList<QPair<QWidget *, QString>> expected{
        {form.Combo1, "Birinci bant"},
        {form.Combo2, "İkinci bant"},
        {form.Combo3, "Çarpan"},
        {form.Combo4, "Tolerans"},
        {form.Text1, "Sonuç"},
        {form.Command1, "Hesapla"},
        {form.Command2, "Değer Vererek Renk Kodlarını Bul"},
        {form.Command3, "HAKKINDA"}};
    for (const auto &[widget, name] : expected) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), name);
        QVERIFY(widget->focusPolicy() & Qt::TabFocus);
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(&form)->role(), QAccessible::Window);
    // A window the program did not make, such as a platform theme's, is left
    // to Qt, whatever its class is called.
    ThemeWindow themeWindow;
    QVERIFY(QAccessible::queryAccessibleInterface(&themeWindow)->role() != QAccessible::Window);
    // The drawing is a picture that says which bands it shows: none yet.
    QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(form.Shape1);
    QCOMPARE(picture->role(), QAccessible::Graphic);
    QCOMPARE(picture->text(QAccessible::Name), QStringLiteral("Direnç"));
    QCOMPARE(picture->text(QAccessible::Description), QStringLiteral("Renk seçilmedi"));
    // A list speaks its name, and its chosen entry as its value.
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(form.Combo1);
    QCOMPARE(list->role(), QAccessible::ComboBox);
    QCOMPARE(list->text(QAccessible::Value), QStringLiteral("Kahverengi"));
    QVERIFY(list->textInterface());
    QCOMPARE(list->textInterface()->text(0, list->textInterface()->characterCount()),
             QStringLiteral("Kahverengi"));
    // An arrow in the closed list is heard; a first letter Orca speaks itself.
    // A held arrow is heard at each step with that step's entry, even when
    // the keys come faster than the program turns to other work, and read
    // late by the screen reader.
    form.show();
    QApplication::setActiveWindow(&form);
    form.Combo1->setFocus();
    AnnouncementSpy spy;
    QTest::keyClick(form.Combo1, Qt::Key_Down);
    QTest::keyClick(form.Combo1, Qt::Key_Down);
    QCoreApplication::processEvents();
    QTest::keyClick(form.Combo1, Qt::Key_S);
    QCoreApplication::processEvents();
    QCOMPARE(spy.heard, (QStringList{QStringLiteral("Kırmızı"), QStringLiteral("Turuncu")}));
    QCOMPARE(spy.readLate(), spy.heard);
    QCOMPARE(form.Combo1->currentText(), QStringLiteral("Sarı"));
    form.Combo1->setCurrentIndex(-1);
}

void TestForm1::hesapla_data()
{
    QTest::addColumn<QList<int>>("choice");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("english");

    QTest::newRow("4,7 kilo") << QList<int>{4, 7, 2, 0} << "4,7 Kilo Ohm  ± % 5"
                              << "Sarı, Mor, Kırmızı, Altın"
                              << "E24 standart değeri" << false;
    QTest::newRow("1000 kilo") << QList<int>{1, 0, 5, 1} << "1000 Kilo Ohm  ± % 10"
                               << "Kahverengi, Siyah, Yeşil, Gümüş"
                               << "E12 standart değeri" << false;
    QTest::newRow("10 mega renksiz") << QList<int>{1, 0, 6, 2} << "10 Mega Ohm  ± % 20"
                                     << "Kahverengi, Siyah, Mavi, Renksiz"
                                     << "E6 standart değeri" << false;
    QTest::newRow("10000 mega") << QList<int>{1, 0, 9, 0} << "10000 Mega Ohm  ± % 5"
                                << "Kahverengi, Siyah, Beyaz, Altın"
                                << "E24 standart değeri" << false;
    QTest::newRow("4,7 gold") << QList<int>{4, 7, 10, 0} << "4,7 Ohm  ± % 5"
                              << "Sarı, Mor, Altın, Altın"
                              << "E24 standart değeri" << false;
    QTest::newRow("0,47 silver") << QList<int>{4, 7, 11, 1} << "0,47 Ohm  ± % 10"
                                 << "Sarı, Mor, Gümüş, Gümüş"
                                 << "E12 standart değeri" << false;
    QTest::newRow("0,01 silver") << QList<int>{0, 1, 11, 0} << "0,01 Ohm  ± % 5"
                                 << "Siyah, Kahverengi, Gümüş, Altın"
                                 << "E24 standart değeri" << false;
    QTest::newRow("4,8 kilo, not standard")
        << QList<int>{4, 8, 2, 0} << "4,8 Kilo Ohm  ± % 5"
        << "Sarı, Gri, Kırmızı, Altın"
        << "E24 değil; en yakın: 4,7 Kilo Ohm (−2,08 %), 5,1 Kilo Ohm (+6,25 %)" << false;
    QTest::newRow("0,047 pembe, ± 2 %") << QList<int>{4, 7, 12, 4} << "0,047 Ohm  ± % 2"
                                        << "Sarı, Mor, Pembe, Kırmızı"
                                        << "E24 standart değeri" << false;
    QTest::newRow("five: 10 kilo ± 1 %") << QList<int>{1, 0, 0, 2, 3} << "10 Kilo Ohm  ± % 1"
                                         << "Kahverengi, Siyah, Siyah, Kırmızı, Kahverengi"
                                         << "E96 standart değeri" << false;
    QTest::newRow("five: 0,123 ± 0,5 %") << QList<int>{1, 2, 3, 12, 7} << "0,123 Ohm  ± % 0,5"
                                         << "Kahverengi, Kırmızı, Turuncu, Pembe, Yeşil"
                                         << "E192 standart değeri" << false;
    QTest::newRow("five: read from the other end")
        << QList<int>{1, 1, 9, 9, 6} << "119000 Mega Ohm  ± % 0,02"
        << "Kahverengi, Kahverengi, Beyaz, Beyaz, Sarı"
        << "E192/E24 değil; en yakın: 118000 Mega Ohm (−0,84 %), 120000 Mega Ohm (+0,84 %). "
           "Ters yönden: 4,99 Kilo Ohm ± % 1"
        << false;
    QTest::newRow("six: 19,2 kilo 10 ppm/K")
        << QList<int>{1, 9, 2, 2, 3, 6} << "19,2 Kilo Ohm  ± % 1  10 ppm/K"
        << "Kahverengi, Beyaz, Kırmızı, Kırmızı, Kahverengi, Mavi 10 ppm/K"
        << "E96/E24 değil; en yakın: 19,1 Kilo Ohm (−0,52 %), 19,6 Kilo Ohm (+2,08 %)" << false;

    // The same in English, read from the same lists.
    QTest::newRow("English: 4,8 kilo, not standard")
        << QList<int>{4, 8, 2, 0} << "4,8 Kilo Ohm  ± 5 %"
        << "Yellow, Grey, Red, Gold"
        << "Not E24; nearest: 4,7 Kilo Ohm (−2,08 %), 5,1 Kilo Ohm (+6,25 %)" << true;
    QTest::newRow("English: five, read from the other end")
        << QList<int>{1, 1, 9, 9, 6} << "119000 Mega Ohm  ± 0,02 %"
        << "Brown, Brown, White, White, Yellow"
        << "Not E192/E24; nearest: 118000 Mega Ohm (−0,84 %), 120000 Mega Ohm (+0,84 %). "
           "Read reversed: 4,99 Kilo Ohm ± 1 %"
        << true;
    QTest::newRow("English: six, 19,2 kilo 10 ppm/K")
        << QList<int>{1, 9, 2, 2, 3, 6} << "19,2 Kilo Ohm  ± 1 %  10 ppm/K"
        << "Brown, White, Red, Red, Brown, Blue 10 ppm/K"
        << "Not E96/E24; nearest: 19,1 Kilo Ohm (−0,52 %), 19,6 Kilo Ohm (+2,08 %)" << true;
}

void TestForm1::hesapla()
{
    QFETCH(QList<int>, choice);
    QFETCH(QString, text);
    QFETCH(QString, bands);
    QFETCH(QString, line);
    QFETCH(bool, english);
    // The program's window is the active one again after an English one.
    const auto backToProgram = qScopeGuard([english] {
        if (english) {
            Form1::instance().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&Form1::instance()));
        }
    });
    RowForm row;
    QVERIFY(row.make(english));
    Form1 &form = row.form();
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    chooseBands(form, choice);

    AnnouncementSpy spy;
    QTest::mouseClick(form.Command1, Qt::LeftButton);

    QCOMPARE(form.Text1->text(), inUserFormat(text));
    QStringList colours;
    for (const QComboBox *list : form.bandLists())
        colours << list->currentText();
    // One announcement: the bands, the value, then the standard-value line.
    QCOMPARE(form.standardLine(), inUserFormat(line));
    QCOMPARE(spy.heard, QStringList{colours.join(", ") + ". " + form.Text1->text() + ". " +
                                    form.standardLine()});
    QCOMPARE(QAccessible::queryAccessibleInterface(form.Shape1)->text(QAccessible::Description),
             bands);
    QCOMPARE(form.sonuc(), form.Text1->text());
    QCOMPARE(form.deger(), form.sonuc()
                               .section(u' ', 0, 0)
                               .replace(QLocale::system().decimalPoint(), QStringLiteral("."))
                               .toDouble());

    // The value bands reach the screen in their exact colours.
    const std::vector<Shape *> drawn = drawnBands(form, int(choice.size()));
    const std::size_t tolerance = choice.size() == 4 ? 3 : 4;
    for (std::size_t i = 0; i < tolerance; ++i) {
        QVERIFY(drawn[i]->isVisible());
        QCOMPARE(centreColour(&form, drawn[i]), screenColour[choice[int(i)]]);
    }
    QCOMPARE(drawn[tolerance]->isVisible(), choice[int(tolerance)] != 2);
    if (english)
        QCOMPARE(withTurkishLetters(windowTexts(&form)), QStringList());
}

void TestForm1::enterPressesHesapla_data()
{
    QTest::addColumn<QString>("focus");
    QTest::newRow("first list") << "Combo1";
    QTest::newRow("tolerance list") << "Combo4";
    QTest::newRow("result box") << "Text1";
    QTest::newRow("Hesapla itself") << "Command1";
}

void TestForm1::enterPressesHesapla()
{
    QFETCH(QString, focus);
    Form1 &form = Form1::instance();
    form.activateWindow();
    choose(form, 2, 2, 3, 1);
    form.Text1->clear();
    QWidget *target = form.findChild<QWidget *>(focus);
    target->setFocus();

    AnnouncementSpy spy;
    QTest::keyClick(target, Qt::Key_Return);
    QCOMPARE(form.Text1->text(), QStringLiteral("22 Kilo Ohm  ± % 10"));
    // Heard where the user is: the focus stays there.
    QCOMPARE(spy.heard, QStringList{"Kırmızı, Kırmızı, Turuncu, Gümüş. " + form.Text1->text() +
                                    ". E12 standart değeri"});
    QCOMPARE(QApplication::focusWidget(), target);

    form.Text1->clear();
    QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(form.Text1->text(), QStringLiteral("22 Kilo Ohm  ± % 10"));
}

void TestForm1::enterOnAnotherButton()
{
    // Enter on a focused button presses that button, not "Hesapla".
    Form1 &form = Form1::instance();
    choose(form, 3, 3, 0, 0);
    form.Text1->setText(QStringLiteral("before"));
    QSignalSpy hesapla(form.Command1, &QPushButton::clicked);
    QSignalSpy about(form.Command3, &QPushButton::clicked);
    form.Command3->setFocus();
    QTest::keyClick(form.Command3, Qt::Key_Return);
    QCOMPARE(about.count(), 1);
    QCOMPARE(hesapla.count(), 0);
    QCOMPARE(form.Text1->text(), QStringLiteral("before"));
    // HAKKINDA has put the about window in the main window's place.
    QVERIFY(!form.isVisible());
    form.show();
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window != &form)
            window->hide();
}

void TestForm1::openListTakesEnter_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Alt+Down") << int(Qt::Key_Down) << Qt::KeyboardModifiers(Qt::AltModifier);
    QTest::newRow("F4") << int(Qt::Key_F4) << Qt::KeyboardModifiers();
}

void TestForm1::openListTakesEnter()
{
    // A list still opens from the keyboard, and Enter in the open list
    // chooses the entry and closes it, without calculating.
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    Form1 &form = Form1::instance();
    form.activateWindow();
    choose(form, 2, 2, 3, 1);
    form.Text1->clear();
    form.Combo2->setFocus();

    QTest::keyClick(form.Combo2, Qt::Key(key), modifiers);
    QWidget *popup = form.Combo2->view()->window();
    QTRY_VERIFY(popup->isVisible());
    QTest::keyClick(form.Combo2->view(), Qt::Key_Down);
    QTest::keyClick(form.Combo2->view(), Qt::Key_Return);

    QTRY_VERIFY(!popup->isVisible());
    QCOMPARE(form.Combo2->currentIndex(), 3);
    QVERIFY(form.Text1->text().isEmpty());
}

void TestForm1::renksizThenAltin()
{
    Form1 &form = Form1::instance();
    choose(form, 1, 0, 2, 2);
    form.direnchesapla();
    QVERIFY(!form.Shape2[3]->isVisible());
    for (std::size_t i = 0; i < 3; ++i)
        QVERIFY(form.Shape2[i]->isVisible());

    form.Combo4->setCurrentIndex(0);
    form.direnchesapla();
    QVERIFY(form.Shape2[3]->isVisible());
    QCOMPARE(centreColour(&form, form.Shape2[3]), QColor(192, 192, 0));

    form.Combo4->setCurrentIndex(1);
    form.direnchesapla();
    QCOMPARE(centreColour(&form, form.Shape2[3]), QColor(224, 224, 224));
}

void TestForm1::unchosenListChangesNothing_data()
{
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<int>("unchosen");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("english");
    const QString four = QStringLiteral("Lütfen dört bandın her biri için bir renk seçiniz.");
    QTest::newRow("first digit") << 4 << 0 << four << "Tamam" << false;
    QTest::newRow("second digit") << 4 << 1 << four << "Tamam" << false;
    QTest::newRow("multiplier") << 4 << 2 << four << "Tamam" << false;
    QTest::newRow("tolerance") << 4 << 3 << four << "Tamam" << false;
    QTest::newRow("five: third digit")
        << 5 << 2 << "Lütfen beş bandın her biri için bir renk seçiniz."
        << "Tamam" << false;
    QTest::newRow("six: coefficient")
        << 6 << 5 << "Lütfen altı bandın her biri için bir renk seçiniz."
        << "Tamam" << false;
    QTest::newRow("English: tolerance")
        << 4 << 3 << "Please choose a colour for each of the four bands."
        << "OK" << true;
    QTest::newRow("English: six, coefficient")
        << 6 << 5 << "Please choose a colour for each of the six bands."
        << "OK" << true;
}

void TestForm1::unchosenListChangesNothing()
{
    QFETCH(int, bandCount);
    QFETCH(int, unchosen);
    QFETCH(QString, warning);
    QFETCH(QString, button);
    QFETCH(bool, english);
    RowForm row;
    QVERIFY(row.make(english));
    Form1 &form = row.form();
    if (english)
        form.show();
    const QList<int> first = bandCount == 4 ? QList<int>{4, 7, 2, 0} : QList<int>{4, 7, 0, 2, 0, 1};
    const QList<int> other = bandCount == 4 ? QList<int>{1, 1, 6, 2} : QList<int>{1, 1, 6, 6, 2, 3};
    chooseBands(form, first.first(bandCount));
    form.direnchesapla();
    const QString text = form.Text1->text();
    const double deger = form.deger();
    const std::vector<Shape *> bands = drawnBands(form, bandCount);
    std::vector<colorcode::ColourValue> fills;
    for (const Shape *band : bands)
        fills.push_back(band->fillColor());

    // Other colours chosen, then one list emptied.
    chooseBands(form, other.first(bandCount));
    form.bandLists()[std::size_t(unchosen)]->setCurrentIndex(-1);

    SeenMessage seen;
    answerNextMessage(seen);
    QTest::mouseClick(form.Command1, Qt::LeftButton);

    QVERIFY(seen.shown);
    QCOMPARE(seen.caption, QStringLiteral("Tavlora"));
    QCOMPARE(seen.text, warning);
    QCOMPARE(seen.buttons, QStringList{button});
    QCOMPARE(form.Text1->text(), text);
    QCOMPARE(form.sonuc(), text);
    QCOMPARE(form.deger(), deger);
    for (std::size_t i = 0; i < bands.size(); ++i) {
        QCOMPARE(bands[i]->fillColor(), fills[i]);
        QVERIFY(bands[i]->isVisible());
    }
    QVERIFY(form.isVisible());
}

void TestForm1::closingEndsProgram()
{
    Form1 &form = Form1::instance();
    form.show();
    QTest::mouseClick(form.Command2, Qt::LeftButton);
    QPointer<Form2> entry = Form2::existing();
    QVERIFY(entry && entry->isVisible());

    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    guard.start(5000);
    QTimer::singleShot(0, &form, [&form] { form.close(); });

    QCOMPARE(QApplication::exec(), 0);
    guard.stop();
    QVERIFY(!form.isVisible());
    QVERIFY(entry && !entry->isVisible());
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
