#include "colorcode/form2.h"
#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form1.h"
#include "testhelpers.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace
{

void choose(Form1 &form, int first, int second, int multiplier, int tolerance)
{
    form.Combo1->setCurrentIndex(first);
    form.Combo2->setCurrentIndex(second);
    form.Combo3->setCurrentIndex(multiplier);
    form.Combo4->setCurrentIndex(tolerance);
}

// The colours as they must reach the screen, in red, green, blue; the
// multiplier list goes on with gold and silver.
const QColor screenColour[12] = {{0, 0, 0},       {128, 64, 0},    {255, 0, 0},   {255, 128, 0},
                                 {255, 255, 0},   {0, 255, 0},     {0, 0, 255},   {128, 0, 128},
                                 {128, 128, 128}, {255, 255, 255}, {192, 192, 0}, {224, 224, 224}};

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

class TestForm1 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void startUp();
    void captionsShownWhole();
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
    void closingEndsProgram();
};

void TestForm1::initTestCase()
{
    prepareApplication();
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
    QCOMPARE(form.Combo3->count(), 12);
    QCOMPARE(form.Combo3->itemText(9), QStringLiteral("Beyaz"));
    QCOMPARE(form.Combo3->itemData(9).toInt(), 9);
    QCOMPARE(form.Combo3->itemText(10), QStringLiteral("Altın"));
    QCOMPARE(form.Combo3->itemData(10).toInt(), -1);
    QCOMPARE(form.Combo3->itemText(11), QStringLiteral("Gümüş"));
    QCOMPARE(form.Combo3->itemData(11).toInt(), -2);
    QCOMPARE(form.Combo4->itemData(2).toInt(), 20);

    // Resizing moves nothing.
    const QRect before = form.Command3->geometry();
    form.resize(700, 400);
    QCOMPARE(form.Command3->geometry(), before);
    form.resize(386, 165);
}

void TestForm1::captionsShownWhole()
{
    // The window keeps its face when a platform theme sets the application's.
    ThemeFont themeFont;
    Form1 &form = Form1::instance();
    for (QWidget *control :
         std::initializer_list<QWidget *>{form.Combo1, form.Command2, form.Text1}) {
        QCOMPARE(control->font().family(), QStringLiteral("Liberation Sans Narrow"));
        QCOMPARE(control->font().pointSize(), 8);
    }
    for (QComboBox *list : {form.Combo1, form.Combo2, form.Combo3, form.Combo4})
        for (int i = 0; i < list->count(); ++i)
            QVERIFY2(captionFits(list, list->itemText(i)), qPrintable(list->itemText(i)));
    for (QPushButton *button : {form.Command1, form.Command2, form.Command3})
        QVERIFY2(captionFits(button, button->text()), qPrintable(button->text()));
    QVERIFY(captionFits(form.Text1, QStringLiteral("10000 Mega Ohm  ± % 20")));
}

void TestForm1::drawingHoldsTogether()
{
    Form1 &form = Form1::instance();
    const QRect body = form.findChild<Shape *>(QStringLiteral("Shape1"))->geometry();
    int previousRight = body.left();
    for (Shape *band : form.Shape2) {
        const QRect r = band->geometry();
        QVERIFY(body.contains(r));
        QVERIFY(r.left() > previousRight);
        previousRight = r.right();
    }
    // The leads touch the body at its mid-height.
    const QRect left = form.findChild<QWidget *>(QStringLiteral("Line1"))->geometry();
    const QRect right = form.findChild<QWidget *>(QStringLiteral("Line2"))->geometry();
    QVERIFY(left.right() >= body.left() && left.right() <= body.left() + 2);
    QVERIFY(right.left() <= body.right() && right.left() >= body.right() - 2);
    QVERIFY(qAbs(left.top() - body.center().y()) <= 2);
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

    QTest::newRow("4,7 kilo") << QList<int>{4, 7, 2, 0} << "4,7 Kilo Ohm  ± % 5"
                              << "Sarı, Mor, Kırmızı, Altın";
    QTest::newRow("1000 kilo") << QList<int>{1, 0, 5, 1} << "1000 Kilo Ohm  ± % 10"
                               << "Kahverengi, Siyah, Yeşil, Gümüş";
    QTest::newRow("10 mega renksiz") << QList<int>{1, 0, 6, 2} << "10 Mega Ohm  ± % 20"
                                     << "Kahverengi, Siyah, Mavi, Renksiz";
    QTest::newRow("10000 mega") << QList<int>{1, 0, 9, 0} << "10000 Mega Ohm  ± % 5"
                                << "Kahverengi, Siyah, Beyaz, Altın";
    QTest::newRow("4,7 gold") << QList<int>{4, 7, 10, 0} << "4,7 Ohm  ± % 5"
                              << "Sarı, Mor, Altın, Altın";
    QTest::newRow("0,47 silver") << QList<int>{4, 7, 11, 1} << "0,47 Ohm  ± % 10"
                                 << "Sarı, Mor, Gümüş, Gümüş";
    QTest::newRow("0,01 silver") << QList<int>{0, 1, 11, 0} << "0,01 Ohm  ± % 5"
                                 << "Siyah, Kahverengi, Gümüş, Altın";
}

void TestForm1::hesapla()
{
    QFETCH(QList<int>, choice);
    QFETCH(QString, text);
    QFETCH(QString, bands);
    Form1 &form = Form1::instance();
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    choose(form, choice[0], choice[1], choice[2], choice[3]);

    AnnouncementSpy spy;
    QTest::mouseClick(form.Command1, Qt::LeftButton);

    QCOMPARE(form.Text1->text(), inUserFormat(text));
    // Heard once: the bands, then the value.
    QCOMPARE(spy.heard, QStringList{bands + QStringLiteral(". ") + form.Text1->text()});
    QCOMPARE(QAccessible::queryAccessibleInterface(form.Shape1)->text(QAccessible::Description),
             bands);
    QCOMPARE(form.sonuc(), form.Text1->text());
    QCOMPARE(form.deger(), form.sonuc()
                               .section(u' ', 0, 0)
                               .replace(QLocale::system().decimalPoint(), QStringLiteral("."))
                               .toDouble());

    // The bands reach the screen in their exact colours.
    for (std::size_t i = 0; i < 3; ++i) {
        QVERIFY(form.Shape2[i]->isVisible());
        QCOMPARE(centreColour(&form, form.Shape2[i]), screenColour[choice[int(i)]]);
    }
    QCOMPARE(form.Shape2[3]->isVisible(), choice[3] != 2);
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
    QCOMPARE(spy.heard, QStringList{QStringLiteral("Kırmızı, Kırmızı, Turuncu, Gümüş. ") +
                                    form.Text1->text()});
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
    QTest::addColumn<int>("unchosen");
    QTest::newRow("first digit") << 0;
    QTest::newRow("second digit") << 1;
    QTest::newRow("multiplier") << 2;
    QTest::newRow("tolerance") << 3;
}

void TestForm1::unchosenListChangesNothing()
{
    QFETCH(int, unchosen);
    Form1 &form = Form1::instance();
    choose(form, 4, 7, 2, 0);
    form.direnchesapla();
    const QString text = form.Text1->text();
    const double deger = form.deger();
    std::array<colorcode::ColourValue, 4> fills;
    for (std::size_t i = 0; i < 4; ++i)
        fills[i] = form.Shape2[i]->fillColor();

    // Other colours chosen, then one list emptied.
    choose(form, 1, 1, 6, 2);
    QComboBox *lists[] = {form.Combo1, form.Combo2, form.Combo3, form.Combo4};
    lists[unchosen]->setCurrentIndex(-1);

    SeenMessage seen;
    answerNextMessage(seen);
    QTest::mouseClick(form.Command1, Qt::LeftButton);

    QVERIFY(seen.shown);
    QCOMPARE(seen.caption, QStringLiteral("Tavlora"));
    QCOMPARE(seen.text, QStringLiteral("Lütfen dört bandın her biri için bir renk seçiniz."));
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("Tamam")});
    QCOMPARE(form.Text1->text(), text);
    QCOMPARE(form.sonuc(), text);
    QCOMPARE(form.deger(), deger);
    for (std::size_t i = 0; i < 4; ++i) {
        QCOMPARE(form.Shape2[i]->fillColor(), fills[i]);
        QVERIFY(form.Shape2[i]->isVisible());
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
