#include "colorcode/bandpainting.h"
#include "colorcode/form2.h"
#include "englishwindow.h"
#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form1.h"
#include "testhelpers.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include <memory>
#include <optional>

namespace
{

// The main window's band lists, left to right.
QList<int> chosenLists(const Form1 &form)
{
    QList<int> chosen;
    for (const QComboBox *list : form.bandLists())
        chosen << list->currentIndex();
    return chosen;
}

// Opens the value-entry window the way the user does.
Form2 &openEntry()
{
    QTest::mouseClick(Form1::instance().Command2, Qt::LeftButton);
    Form2 *entry = Form2::existing();
    Q_ASSERT(entry);
    return *entry;
}

QRadioButton *unitOption(Form2 &entry, const QString &unit)
{
    if (unit == u"Kohm")
        return entry.Option2;
    if (unit == u"Mohm")
        return entry.Option3;
    return entry.Option1;
}

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void designState_data();
    void designState();
    void opensWithoutBlocking();
    void contextMenuInTurkish();
    void tamam_data();
    void tamam();
    void enterPressesTamam();
    void standardValues();
    void hintFollowsAndShowsWhole();
    void rejectedValueChangesNothing_data();
    void rejectedValueChangesNothing();
    void groupsAreIndependent();
    void optionKeys_data();
    void optionKeys();
    void hidingKeepsTextAndOptions();
    void closingDiscards();
};

void TestForm2::initTestCase()
{
    prepareApplication();
    Form1::instance().show();
    QVERIFY(QTest::qWaitForWindowExposed(&Form1::instance()));
}

void TestForm2::designState_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("title");
    // Heard for the value box, the unit and tolerance frames, Ohm, the
    // second tolerance, the button, the coefficient frame; then the hint for
    // 4,8K at ± 5 %.
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("hint");
    QTest::newRow("Turkish") << false << "Değer Giriniz"
                             << QStringList{"Değer", "Birim", "Tolerans",          "Ohm",
                                            "% 10",  "Tamam", "Sıcaklık katsayısı"}
                             << "4,8 Kilo Ohm olarak gösterilir\nE24 değil; en yakın:";
    QTest::newRow("English")
        << true << "Enter a Value"
        << QStringList{"Value", "Unit", "Tolerance", "Ohm", "10 %", "OK", "Temperature coefficient"}
        << "Shown as 4,8 Kilo Ohm\nNot E24; nearest:";
}

void TestForm2::designState()
{
    QFETCH(bool, english);
    QFETCH(QString, title);
    QFETCH(QStringList, names);
    QFETCH(QString, hint);
    // The English window is one of its own, beside the program's.
    QVERIFY(english || !Form2::existing());
    // The window keeps its face when a platform theme sets the application's.
    ThemeFont themeFont;
    std::optional<EnglishTexts> texts;
    std::unique_ptr<Form2> own;
    if (english) {
        QVERIFY(texts.emplace().loaded());
        own = std::make_unique<Form2>(&Form1::instance());
        own->setBandCount(Form1::instance().bandCount());
        QObject::connect(&Form1::instance(), &Form1::bandCountChanged, own.get(),
                         &Form2::setBandCount);
        own->show();
    }
    Form2 &entry = own ? *own : openEntry();
    QCOMPARE(entry.Option5->font().family(), QStringLiteral("Liberation Sans Narrow"));
    QCOMPARE(entry.Option5->font().pointSize(), 8);
    QCOMPARE(entry.windowTitle(), title);
    QCOMPARE(entry.size(), QSize(378, 247));
    QCOMPARE(entry.minimumSize(), entry.maximumSize());
    QVERIFY(!(entry.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(entry.Text1->text().isEmpty());
    QCOMPARE(entry.Text1->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    QCOMPARE(entry.Text1->maxLength(), 64);
    QVERIFY(entry.Option1->isChecked());
    QVERIFY(entry.Option4->isChecked());
    QVERIFY(entry.Command1->isDefault());

    const QList<QRadioButton *> options = entry.findChildren<QRadioButton *>();
    QCOMPARE(options.size(), 23);
    for (QRadioButton *option : options)
        QVERIFY2(captionFits(option, option->text()), qPrintable(option->text()));
    // The coefficient shows with six bands only.
    QVERIFY(!entry.Frame4->isVisible());
    Form1::instance().Combo7->setCurrentIndex(2);
    QVERIFY(entry.Frame4->isVisible());
    Form1::instance().Combo7->setCurrentIndex(0);
    QVERIFY(!entry.Frame4->isVisible());
    QVERIFY(captionFits(entry.Command1, entry.Command1->text()));
    QVERIFY(captionFits(entry.Command4, entry.Command4->text()));

    const QList<QPair<QWidget *, QString>> heard{
        {entry.Text1, names[0]},
        {entry.Frame1, names[1]},
        {entry.Frame2, names[2]},
        {entry.Option1, names[3]},
        {entry.Option5, names[4]},
        {entry.Command1, names[5]},
        {entry.findChild<QRadioButton *>("Option9"), inUserFormat(english ? "0,5 %" : "% 0,5")},
        {entry.findChild<QRadioButton *>("Option16"), "100 ppm/K"}};
    for (const auto &[widget, name] : heard)
        QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), name);
    QCOMPARE(QAccessible::queryAccessibleInterface(&entry)->role(), QAccessible::Dialog);
    // Each option is heard with its group, labelled by the frame it lies in
    // or over.
    const QList<QPair<QRadioButton *, QString>> groups{
        {entry.Option1, names[1]},
        {entry.Option2, names[1]},
        {entry.Option3, names[1]},
        {entry.Option4, names[2]},
        {entry.Option5, names[2]},
        {entry.Option6, names[2]},
        {entry.findChild<QRadioButton *>("Option14"), names[2]},
        {entry.findChild<QRadioButton *>("Option16"), names[6]}};
    for (const auto &[option, group] : groups) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(option);
        QCOMPARE(iface->role(), QAccessible::RadioButton);
        QCOMPARE(iface->state().checked, option->isChecked());
        const auto labels = iface->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->text(QAccessible::Name), group);
    }

    // A value that is not standard: how it is shown, and its neighbours.
    entry.Text1->setText(inUserFormat("4,8K"));
    QCOMPARE(entry.Label1->text(), inUserFormat(hint));
    QVERIFY(entry.Command4->isVisible());
    if (english) {
        QCOMPARE(entry.Command4->text(), QStringLiteral("Find combination"));
        QCOMPARE(withTurkishLetters(windowTexts(&entry)), QStringList());
    }
    entry.Text1->clear();
    entry.hide();
}

void TestForm2::opensWithoutBlocking()
{
    Form1 &main = Form1::instance();
    Form2 &entry = openEntry();
    QVERIFY(entry.isVisible());
    QVERIFY(!entry.isModal());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(main.isVisible());
    QVERIFY(main.isEnabled());
    QCOMPARE(entry.focusWidget(), entry.Text1);
    // Beside the main window on its screen, covering nothing of it.
    QVERIFY(QTest::qWaitForWindowExposed(&entry));
    QCOMPARE(entry.screen(), main.screen());
    QVERIFY2(!entry.frameGeometry().intersects(main.frameGeometry()),
             qPrintable(QStringLiteral("%1,%2 %3x%4")
                            .arg(entry.frameGeometry().x())
                            .arg(entry.frameGeometry().y())
                            .arg(entry.frameGeometry().width())
                            .arg(entry.frameGeometry().height())));
    QVERIFY(main.screen()->availableGeometry().contains(entry.frameGeometry()));

    // The main window still calculates while the entry window is open.
    main.Combo1->setCurrentIndex(2);
    main.Combo2->setCurrentIndex(2);
    main.Combo3->setCurrentIndex(0);
    main.Combo4->setCurrentIndex(0);
    QTest::mouseClick(main.Command1, Qt::LeftButton);
    QCOMPARE(main.Text1->text(), QStringLiteral("22 Ohm  ± % 5"));
    QVERIFY(entry.isVisible());
    entry.hide();
}

void TestForm2::contextMenuInTurkish()
{
    // Qt's own texts speak Turkish, as the program's captions do.
    Form2 &entry = openEntry();
    std::unique_ptr<QMenu> menu(entry.Text1->createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions())
        if (!action->isSeparator())
            texts << action->text().section(u'\t', 0, 0);
    QCOMPARE(texts, (QStringList{"&Geri al", "&Yinele", "Ke&s", "&Kopyala", "Ya&pıştır", "Sil",
                                 "Tümünü Seç"}));
    entry.hide();
}

void TestForm2::tamam_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QList<int>>("lists");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<QString>("tolerance");
    // The standard-value line heard after the value, worked out by hand.
    QTest::addColumn<QString>("line");

    QTest::newRow("47 ohm") << "47"
                            << "Ohm" << QList<int>{4, 7, 0, 0} << "47 Ohm  ± % 5" << 4 << "Option4"
                            << "E24 standart değeri";
    QTest::newRow("470 ohm") << "470"
                             << "Ohm" << QList<int>{4, 7, 1, 0} << "470 Ohm  ± % 5" << 4
                             << "Option4"
                             << "E24 standart değeri";
    QTest::newRow("4700 ohm") << "4700"
                              << "Ohm" << QList<int>{4, 7, 2, 0} << "4,7 Kilo Ohm  ± % 5" << 4
                              << "Option4"
                              << "E24 standart değeri";
    QTest::newRow("5 ohm") << "5"
                           << "Ohm" << QList<int>{0, 5, 0, 0} << "5 Ohm  ± % 5" << 4 << "Option4"
                           << "E24 değil; en yakın: 4,7 Ohm (−6,00 %), 5,1 Ohm (+2,00 %)";
    QTest::newRow("4 kohm")
        << "4"
        << "Kohm" << QList<int>{0, 4, 3, 0} << "4 Kilo Ohm  ± % 5" << 4 << "Option4"
        << "E24 değil; en yakın: 3,9 Kilo Ohm (−2,50 %), 4,3 Kilo Ohm (+7,50 %)";
    QTest::newRow("47 kohm, % 10")
        << "47"
        << "Kohm" << QList<int>{4, 7, 3, 1} << "47 Kilo Ohm  ± % 10" << 4 << "Option5"
        << "E12 standart değeri";
    QTest::newRow("1 mohm") << "1"
                            << "Mohm" << QList<int>{0, 1, 6, 0} << "1000 Kilo Ohm  ± % 5" << 4
                            << "Option4"
                            << "E24 standart değeri";
    QTest::newRow("22 mohm, % 20")
        << "22"
        << "Mohm" << QList<int>{2, 2, 6, 2} << "22 Mega Ohm  ± % 20" << 4 << "Option6"
        << "E6 standart değeri";
    QTest::newRow("cut, not rounded")
        << "4782"
        << "Ohm" << QList<int>{4, 7, 2, 0} << "4,7 Kilo Ohm  ± % 5" << 4 << "Option4"
        << "Yazılan 4,782 Kilo Ohm; gösterilen 4,7 Kilo Ohm. E24 standart değeri";
    QTest::newRow("largest") << " 99000 "
                             << "Mohm" << QList<int>{9, 9, 9, 0} << "99000 Mega Ohm  ± % 5" << 4
                             << "Option4"
                             << "E24 değil; en yakın: 91000 Mega Ohm (−8,08 %)";
    // The user's decimal separator, the letter code, gold (10) and silver (11).
    QTest::newRow("4,7 with Kohm")
        << "4,7"
        << "Kohm" << QList<int>{4, 7, 2, 0} << "4,7 Kilo Ohm  ± % 5" << 4 << "Option4"
        << "E24 standart değeri";
    QTest::newRow("4,7 ohm") << "4,7"
                             << "Ohm" << QList<int>{4, 7, 10, 0} << "4,7 Ohm  ± % 5" << 4
                             << "Option4"
                             << "E24 standart değeri";
    QTest::newRow("R47") << "R47"
                         << "Mohm" << QList<int>{4, 7, 11, 0} << "0,47 Ohm  ± % 5" << 4 << "Option4"
                         << "E24 standart değeri";
    QTest::newRow("4,7 kohm") << "4,7 kohm"
                              << "Ohm" << QList<int>{4, 7, 2, 0} << "4,7 Kilo Ohm  ± % 5" << 4
                              << "Option4"
                              << "E24 standart değeri";
    QTest::newRow("2M2") << "2M2"
                         << "Ohm" << QList<int>{2, 2, 5, 0} << "2,2 Mega Ohm  ± % 5" << 4
                         << "Option4"
                         << "E24 standart değeri";
    QTest::newRow("0,015 pembe") << "0,015"
                                 << "Ohm" << QList<int>{1, 5, 12, 0} << "0,015 Ohm  ± % 5" << 4
                                 << "Option4"
                                 << "E24 standart değeri";
    QTest::newRow("0,0015 cut to Siyah, Kahverengi, Pembe")
        << "0,0015"
        << "Ohm" << QList<int>{0, 1, 12, 0} << "0,001 Ohm  ± % 5" << 4 << "Option4"
        << "Yazılan 0,0015 Ohm; gösterilen 0,001 Ohm. E24 standart değeri";
    // Five and six bands, and the finer tolerances and coefficients.
    QTest::newRow("five: 4,99K ± 1 %")
        << "4,99K"
        << "Ohm" << QList<int>{4, 9, 9, 1, 3} << "4,99 Kilo Ohm  ± % 1" << 5 << "Option8"
        << "E96 standart değeri";
    QTest::newRow("five: 4K7 padded with Siyah")
        << "4K7"
        << "Ohm" << QList<int>{4, 7, 0, 1, 4} << "4,7 Kilo Ohm  ± % 2" << 5 << "Option7"
        << "E24 standart değeri";
    QTest::newRow("five: 47 ohm, ± 0,05 %")
        << "47"
        << "Ohm" << QList<int>{4, 7, 0, 10, 5} << "47 Ohm  ± % 0,05" << 5 << "Option12"
        << "E192 standart değeri";
    QTest::newRow("five: 0,047 behind Siyah")
        << "0,047"
        << "Ohm" << QList<int>{0, 4, 7, 12, 1} << "0,047 Ohm  ± % 10" << 5 << "Option5"
        << "E12 standart değeri";
    QTest::newRow("six: 19K2 100 ppm/K")
        << "19K2"
        << "Ohm" << QList<int>{1, 9, 2, 2, 10, 1} << "19,2 Kilo Ohm  ± % 0,01  100 ppm/K" << 6
        << "Option14"
        << "E192/E24 değil; en yakın: 19,1 Kilo Ohm (−0,52 %), 19,3 Kilo Ohm (+0,52 %)";
}

void TestForm2::tamam()
{
    QFETCH(QString, typed);
    QFETCH(QString, unit);
    QFETCH(QList<int>, lists);
    QFETCH(QString, text);
    QFETCH(int, bandCount);
    QFETCH(QString, tolerance);
    QFETCH(QString, line);

    Form1 &main = Form1::instance();
    main.Combo7->setCurrentIndex(bandCount - 4);
    Form2 &entry = openEntry();
    entry.Text1->clear();
    QTest::keyClicks(entry.Text1, inUserFormat(typed));
    unitOption(entry, unit)->click();
    entry.findChild<QRadioButton *>(tolerance)->click();

    // With the main window already active the outcome is heard at once:
    // still once only.
    QApplication::setActiveWindow(&main);
    QCOMPARE(QApplication::activeWindow(), &main);
    AnnouncementSpy spy;
    QTest::mouseClick(entry.Command1, Qt::LeftButton);

    QCOMPARE(chosenLists(main), lists);
    QCOMPARE(main.Text1->text(), inUserFormat(text));
    // The lists' entries, by the tables: digits, multiplier, tolerance and,
    // with six bands, the coefficient.
    const qsizetype multiplier = lists.size() == 4 ? 2 : 3;
    QStringList bands;
    for (qsizetype i = 0; i < lists.size(); ++i) {
        const std::size_t at = std::size_t(lists[i]);
        const char *name = i < multiplier        ? colorcode::colourList[at].text
                           : i == multiplier     ? colorcode::multiplierList[at].text
                           : i == multiplier + 1 ? colorcode::toleranceList[at].text
                                                 : colorcode::coefficientList[at].text;
        bands << QString::fromUtf8(name);
    }
    QCOMPARE(main.Combo1->currentText(), bands[0]);
    QCOMPARE(main.Combo3->currentText(), bands[multiplier]);
    for (std::size_t i = 0; i < std::size_t(bandCount); ++i)
        QCOMPARE(main.Shape2[i]->isVisible(),
                 i != 3 || lists[multiplier + 1] != colorcode::renksizIndex);
    QCOMPARE(main.Shape2[2]->fillColor(),
             colorcode::multiplierList[std::size_t(lists[multiplier])].paint);
    QCOMPARE(spy.heard,
             QStringList{bands.join(QStringLiteral(", ")) + QStringLiteral(". ") +
                         inUserFormat(text) + QStringLiteral(". ") + inUserFormat(line)});
    QVERIFY(!entry.isVisible());
    QVERIFY(Form2::existing() == &entry);
    main.Combo7->setCurrentIndex(0);
}

void TestForm2::enterPressesTamam()
{
    Form1 &main = Form1::instance();
    Form2 &entry = openEntry();
    entry.Text1->setText(QStringLiteral("33"));
    entry.Option1->click();
    entry.Option6->click();
    QApplication::setActiveWindow(&entry);
    QCOMPARE(QApplication::activeWindow(), &entry);
    entry.Text1->setFocus();
    AnnouncementSpy spy;
    QTest::keyClick(entry.Text1, Qt::Key_Return);
    QCOMPARE(main.Text1->text(), QStringLiteral("33 Ohm  ± % 20"));
    QVERIFY(!main.Shape2[3]->isVisible());
    QVERIFY(!entry.isVisible());
    // The outcome waits for the main window, where the user lands, then
    // is heard once: the four colours and the value.
    QVERIFY(spy.heard.isEmpty());
    QApplication::setActiveWindow(&main);
    QTRY_COMPARE(spy.heard,
                 QStringList{QStringLiteral(
                     "Turuncu, Turuncu, Siyah, Renksiz. 33 Ohm  ± % 20. E6 standart değeri")});
}

void TestForm2::standardValues()
{
    // While typing: how the value will be shown and the nearest standard
    // values of the tolerance's set, one action each to take.
    Form1 &main = Form1::instance();
    main.Combo7->setCurrentIndex(1);
    Form2 &entry = openEntry();
    QApplication::setActiveWindow(&entry);
    entry.Option1->click();
    entry.findChild<QRadioButton *>("Option8")->click(); // % 1
    entry.Text1->setText(inUserFormat("4,8K"));
    QCOMPARE(entry.Label1->text(),
             inUserFormat("4,8 Kilo Ohm olarak gösterilir\nE96/E24 değil; en yakın:"));
    QVERIFY(entry.Command2->isVisible() && entry.Command3->isVisible());
    QCOMPARE(entry.Command2->text(), inUserFormat("4,75 Kilo Ohm (−1,04 %)"));
    QCOMPARE(entry.Command3->text(), inUserFormat("4,87 Kilo Ohm (+1,46 %)"));

    AnnouncementSpy spy;
    entry.Command2->setFocus();
    QTest::keyClick(entry.Command2, Qt::Key_Space);
    QCOMPARE(entry.Text1->text(), QStringLiteral("4K75"));
    QCOMPARE(spy.heard.size(), 1);
    QVERIFY(spy.heard.first().startsWith(inUserFormat("4K75: 4,75 Kilo Ohm olarak gösterilir")));
    QVERIFY(!entry.Command2->isVisible()); // a standard value has no neighbours to offer
    QTest::mouseClick(entry.Command1, Qt::LeftButton);
    QCOMPARE(main.Text1->text(), inUserFormat("4,75 Kilo Ohm  ± % 1"));
    QCOMPARE(main.standardLine(), QStringLiteral("E96 standart değeri"));

    // A value the bands cut is named on the main window, once.
    main.Combo7->setCurrentIndex(0);
    openEntry();
    entry.Option2->click();
    entry.Option4->click();
    entry.Text1->setText(inUserFormat("4,75"));
    QCOMPARE(entry.Label1->text().section(u' ', 0, 6),
             inUserFormat("4 bantta 4,7 Kilo Ohm olarak gösterilir;"));
    QTest::mouseClick(entry.Command1, Qt::LeftButton);
    QCOMPARE(main.Text1->text(), inUserFormat("4,7 Kilo Ohm  ± % 5"));
    QCOMPARE(main.standardLine(),
             inUserFormat("Yazılan 4,75 Kilo Ohm; gösterilen 4,7 Kilo Ohm. E24 standart değeri"));
    main.direnchesapla();
    QCOMPARE(main.standardLine(), QStringLiteral("E24 standart değeri"));
    entry.Text1->clear();
}

void TestForm2::hintFollowsAndShowsWhole()
{
    Form1 &main = Form1::instance();
    main.Combo7->setCurrentIndex(0);
    Form2 &entry = openEntry();
    entry.Option1->click();
    entry.Option4->click();
    entry.Text1->setText(inUserFormat("3,45K"));
    // Every line of the hint shows, the suggestions below it and inside.
    const QStringList hint{inUserFormat("4 bantta 3,4 Kilo Ohm olarak gösterilir; 5 bant gerekir"),
                           QStringLiteral("E24 değil; en yakın:")};
    QCOMPARE(entry.Label1->text(), hint.join(u'\n'));
    const int shown = int(entry.Label1->lines().size()) * entry.Label1->fontMetrics().lineSpacing();
    QVERIFY(entry.Label1->height() >= shown);
    QVERIFY(entry.Command2->isVisible());
    QVERIFY(entry.Command2->geometry().top() >= entry.Label1->geometry().top() + shown);
    QVERIFY(entry.rect().contains(entry.Command3->geometry()));
    // What a screen reader reads is what it says, and Tab reaches it.
    QCOMPARE(entry.Label1->accessibleName(), QString());
    QCOMPARE(entry.Label1->focusPolicy(), Qt::StrongFocus);

    // The hint follows the band count and the tolerance as they change.
    main.Combo7->setCurrentIndex(1);
    QCOMPARE(entry.Label1->text().section(u'\n', 0, 0),
             inUserFormat("3,45 Kilo Ohm olarak gösterilir"));
    entry.findChild<QRadioButton *>("Option8")->click(); // % 1
    QCOMPARE(entry.Label1->text().section(u'\n', 1), QStringLiteral("E96/E24 değil; en yakın:"));
    // The coefficient is offered, and shown, with six bands only.
    QVERIFY(!entry.Frame4->isVisible());
    main.Combo7->setCurrentIndex(2);
    QVERIFY(entry.Frame4->isVisible());
    QTest::mouseClick(entry.Command1, Qt::LeftButton);
    QVERIFY(main.Text1->text().endsWith(QStringLiteral("100 ppm/K")));
    main.Combo7->setCurrentIndex(1);
    main.direnchesapla();
    QVERIFY(!main.Text1->text().contains(QStringLiteral("ppm/K")));
    main.Combo7->setCurrentIndex(0);
    entry.Option4->click();
    entry.Text1->clear();
}

void TestForm2::rejectedValueChangesNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("message");

    // The user's decimal separator and the other mark.
    const QString d = QLocale::system().decimalPoint();
    const QString other = d == u"," ? QStringLiteral(".") : QStringLiteral(",");
    const QString empty = QStringLiteral("Lütfen bir değer giriniz.");
    const QString number = "Değer bir sayı olmalıdır (örnek: 47; 4" + d + "7; 4K7).";
    const QString large = QStringLiteral("Değer çok büyük: en fazla 99000 Mega Ohm girilebilir.");
    QTest::newRow("empty") << ""
                           << "Ohm" << empty;
    QTest::newRow("other decimal mark")
        << "47" + other + "5"
        << "Ohm"
        << "Ondalık ayırıcı olarak \"" + d + "\" kullanınız (örnek: 4" + d + "7).";
    QTest::newRow("letters after digits") << "47xy"
                                          << "Ohm" << number;
    QTest::newRow("lower-case m") << "4m7"
                                  << "Ohm"
                                  << "Küçük \"m\" belirsiz: mega için \"M\" yazınız.";
    QTest::newRow("too large") << "100000"
                               << "Mohm" << large;
    QTest::newRow("too small") << "0" + d + "0009"
                               << "Ohm"
                               << "Değer çok küçük: sıfırdan büyük en küçük değer 0" + d +
                                      "001 Ohm.";
    QTest::newRow("as long as the box holds")
        << QString(64, u'1') << "Kohm"
        << "Değer çok uzun: en fazla 64 karakter girilebilir.";
}

void TestForm2::rejectedValueChangesNothing()
{
    QFETCH(QString, typed);
    QFETCH(QString, unit);
    QFETCH(QString, message);

    Form1 &main = Form1::instance();
    main.Combo1->setCurrentIndex(1);
    main.Combo2->setCurrentIndex(0);
    main.Combo3->setCurrentIndex(2);
    main.Combo4->setCurrentIndex(0);
    main.direnchesapla();
    const QList<int> lists = chosenLists(main);
    const QString text = main.Text1->text();
    std::array<colorcode::BandShape, 4> bands;
    for (std::size_t i = 0; i < 4; ++i)
        bands[i] = {main.Shape2[i]->isVisible(), main.Shape2[i]->fillColor()};

    Form2 &entry = openEntry();
    entry.Text1->setText(typed);
    unitOption(entry, unit)->click();
    entry.Option5->click(); // a tolerance that would change the fourth list

    SeenMessage seen;
    answerNextMessage(seen);
    QTest::mouseClick(entry.Command1, Qt::LeftButton);

    QVERIFY(seen.shown);
    QCOMPARE(seen.caption, QStringLiteral("Değer Giriniz"));
    QCOMPARE(seen.text, message);
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("Tamam")});

    QCOMPARE(chosenLists(main), lists);
    QCOMPARE(main.Text1->text(), text);
    for (std::size_t i = 0; i < 4; ++i)
        QVERIFY((colorcode::BandShape{main.Shape2[i]->isVisible(), main.Shape2[i]->fillColor()}) ==
                bands[i]);

    // The entry stays open with the text selected for correction.
    QVERIFY(entry.isVisible());
    QCOMPARE(entry.Text1->text(), typed);
    QCOMPARE(entry.Text1->selectedText(), typed);
    QVERIFY(unitOption(entry, unit)->isChecked());
    entry.hide();
}

void TestForm2::groupsAreIndependent()
{
    Form2 &entry = openEntry();
    entry.Option2->click();
    entry.Option6->click();
    QVERIFY(entry.Option2->isChecked());
    QVERIFY(entry.Option6->isChecked());
    QVERIFY(!entry.Option1->isChecked() && !entry.Option3->isChecked());
    QVERIFY(!entry.Option4->isChecked() && !entry.Option5->isChecked());

    entry.Option3->click();
    QVERIFY(entry.Option6->isChecked());
    QVERIFY(!entry.Option2->isChecked());
    entry.hide();
}

void TestForm2::optionKeys_data()
{
    // From "Tamam", with "Ohm" and "% 10" chosen.
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QStringList>("chosen");
    const int tab = Qt::Key_Tab;
    QTest::newRow("tab lands on the chosen unit")
        << QList<int>{tab} << "Option1" << QStringList{"Option1", "Option5"};
    QTest::newRow("then on the chosen tolerance")
        << QList<int>{tab, tab} << "Option5" << QStringList{"Option1", "Option5"};
    QTest::newRow("then leaves the groups")
        << QList<int>{tab, tab, tab} << "Text1" << QStringList{"Option1", "Option5"};
    QTest::newRow("down chooses") << QList<int>{tab, Qt::Key_Down} << "Option2"
                                  << QStringList{"Option2", "Option5"};
    QTest::newRow("down goes round") << QList<int>{tab, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}
                                     << "Option1" << QStringList{"Option1", "Option5"};
    QTest::newRow("up goes round")
        << QList<int>{tab, Qt::Key_Up} << "Option3" << QStringList{"Option3", "Option5"};
    QTest::newRow("right in the tolerances")
        << QList<int>{tab, tab, Qt::Key_Right} << "Option6" << QStringList{"Option1", "Option6"};
    QTest::newRow("left in the tolerances")
        << QList<int>{tab, tab, Qt::Key_Left} << "Option4" << QStringList{"Option1", "Option4"};
    QTest::newRow("tab after moving")
        << QList<int>{tab, Qt::Key_Down, tab} << "Option5" << QStringList{"Option2", "Option5"};
}

void TestForm2::optionKeys()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, focus);
    QFETCH(QStringList, chosen);
    Form2 &entry = openEntry();
    QApplication::setActiveWindow(&entry);
    // With nothing typed the preview says nothing and takes no Tab.
    entry.Text1->clear();
    entry.Option1->click();
    entry.Option5->click();
    entry.Command1->setFocus();

    for (int key : keys) {
        QVERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    }

    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QStringList nowChosen;
    for (QRadioButton *option : entry.findChildren<QRadioButton *>())
        if (option->isChecked() && option->isVisibleTo(&entry))
            nowChosen << option->objectName();
    nowChosen.sort();
    QCOMPARE(nowChosen, chosen);
    entry.Option4->click();
    entry.hide();
}

void TestForm2::hidingKeepsTextAndOptions()
{
    Form2 &entry = openEntry();
    // Where the user has moved it, it opens again.
    entry.move(entry.pos() + QPoint(-10, 12));
    const QPoint left = entry.pos();
    entry.Text1->setText(QStringLiteral("68"));
    entry.Option3->click();
    entry.Option5->click();
    entry.hide();

    Form2 &again = openEntry();
    QCOMPARE(&again, &entry);
    QCOMPARE(again.pos(), left);
    QCOMPARE(again.Text1->text(), QStringLiteral("68"));
    QVERIFY(again.Option3->isChecked());
    QVERIFY(again.Option5->isChecked());
    again.hide();
}

void TestForm2::closingDiscards()
{
    Form2 &entry = openEntry();
    entry.Text1->setText(QStringLiteral("12"));
    entry.Option2->click();
    entry.Option6->click();
    QPointer<Form2> closed(&entry);

    QVERIFY(entry.close());
    QVERIFY(!Form2::existing());
    QVERIFY(Form1::instance().isVisible());

    // The next reference builds it anew, in its design state.
    Form2 &fresh = openEntry();
    QVERIFY(&fresh != closed.data());
    QVERIFY(fresh.Text1->text().isEmpty());
    QVERIFY(fresh.Option1->isChecked());
    QVERIFY(fresh.Option4->isChecked());

    QTRY_VERIFY(closed.isNull());
    fresh.hide();
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
