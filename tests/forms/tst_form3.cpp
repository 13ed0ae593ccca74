#include "colorcode/form2.h"
#include "englishwindow.h"
#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form1.h"
#include "forms/form3.h"
#include "testhelpers.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>
#include <optional>

namespace
{

// One letter per window, main, value entry, about: S shown, H hidden,
// - not in existence.
template <typename F> QChar stateOf(F *form)
{
    if (!form)
        return u'-';
    return form->isVisible() ? u'S' : u'H';
}

QString windowStates()
{
    Form1 *main = Form1::existing();
    return QString() + stateOf(main) + stateOf(Form2::existing()) + stateOf(Form3::existing());
}

void step(const QString &action)
{
    Form1 &main = Form1::instance();
    if (action == u"entry")
        QTest::mouseClick(main.Command2, Qt::LeftButton);
    else if (action == u"hakkinda")
        QTest::mouseClick(main.Command3, Qt::LeftButton);
    else if (action == u"kapat")
        QTest::mouseClick(Form3::existing()->Command1, Qt::LeftButton);
    else if (action == u"close about")
        Form3::existing()->close();
    else if (action == u"close entry")
        Form2::existing()->close();
    else
        QFAIL(qPrintable(QStringLiteral("unknown step ") + action));
}

} // namespace

class TestForm3 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void navigation_data();
    void navigation();
    void mainWindowKeepsItsState();
    void closedAboutIsBuiltAnew();
    void aboutWindow_data();
    void aboutWindow();
    void aboutTextPieces();
    void aboutLinesStartWithPieces_data();
    void aboutLinesStartWithPieces();
};

void TestForm3::initTestCase()
{
    prepareApplication();
}

void TestForm3::init()
{
    // Every case starts as the program does: only the main window.
    Form3::destroyInstance();
    Form2::destroyInstance();
    Form1::instance().show();
    QCOMPARE(windowStates(), QStringLiteral("S--"));
}

void TestForm3::navigation_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("states");

    QTest::newRow("first HAKKINDA builds no entry window to hide")
        << QStringList{"hakkinda", "kapat"} << QStringList{"H-S", "S-H"};
    QTest::newRow("HAKKINDA with the entry window open hides both")
        << QStringList{"entry", "hakkinda", "kapat"} << QStringList{"SS-", "HHS", "SHH"};
    QTest::newRow("the entry window shows again only when asked")
        << QStringList{"entry", "hakkinda", "kapat", "entry"}
        << QStringList{"SS-", "HHS", "SHH", "SSH"};
    QTest::newRow("entry closed by frame, then HAKKINDA")
        << QStringList{"entry", "close entry", "hakkinda", "kapat"}
        << QStringList{"SS-", "S--", "H-S", "S-H"};
    QTest::newRow("closing the about window leads back")
        << QStringList{"entry", "hakkinda", "close about"} << QStringList{"SS-", "HHS", "SH-"};
    QTest::newRow("about again after closing it")
        << QStringList{"hakkinda", "close about", "hakkinda", "kapat"}
        << QStringList{"H-S", "S--", "H-S", "S-H"};
}

void TestForm3::navigation()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, states);
    for (qsizetype i = 0; i < steps.size(); ++i) {
        step(steps[i]);
        QVERIFY2(
            windowStates() == states[i],
            qPrintable(
                QStringLiteral("after %1: %2, want %3").arg(steps[i], windowStates(), states[i])));
    }
}

void TestForm3::mainWindowKeepsItsState()
{
    Form1 &main = Form1::instance();
    main.Combo1->setCurrentIndex(4);
    main.Combo2->setCurrentIndex(7);
    main.Combo3->setCurrentIndex(2);
    main.Combo4->setCurrentIndex(2);
    main.direnchesapla();
    const QString text = main.Text1->text();

    step(QStringLiteral("hakkinda"));
    step(QStringLiteral("kapat"));

    QCOMPARE(main.Combo1->currentIndex(), 4);
    QCOMPARE(main.Combo4->currentIndex(), 2);
    QCOMPARE(main.Text1->text(), text);
    QVERIFY(main.Shape2[0]->isVisible());
    QVERIFY(!main.Shape2[3]->isVisible());
    QCOMPARE(main.Shape2[1]->fillColor(), colorcode::colourList[7].paint);
}

void TestForm3::closedAboutIsBuiltAnew()
{
    step(QStringLiteral("hakkinda"));
    QPointer<Form3> first = Form3::existing();
    step(QStringLiteral("close about"));
    QVERIFY(!Form3::existing());
    QTRY_VERIFY(first.isNull());
    step(QStringLiteral("hakkinda"));
    QVERIFY(Form3::existing());
    QVERIFY(Form3::existing()->isVisible());
}

void TestForm3::aboutWindow_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");  // heard as the window opens
    QTest::addColumn<QString>("first"); // the text's first words
    QTest::addColumn<QString>("third"); // a piece that begins a line
    QTest::addColumn<QString>("last");  // the last piece
    QTest::newRow("Turkish") << false << "KAPAT"
                             << "Hakkında"
                             << "BU PROĞRAM"
                             << "HER TÜRLÜ"
                             << "GÜLE GÜLE KULLANIN...";
    QTest::newRow("English") << true << "CLOSE"
                             << "About"
                             << "THIS PROGRAM WAS WRITTEN BY"
                             << "WE WRITE"
                             << "ENJOY USING IT...";
}

void TestForm3::aboutWindow()
{
    QFETCH(bool, english);
    QFETCH(QString, button);
    QFETCH(QString, name);
    QFETCH(QString, first);
    QFETCH(QString, third);
    QFETCH(QString, last);
    std::optional<EnglishTexts> texts;
    std::unique_ptr<Form3> own;
    if (english) {
        QVERIFY(texts.emplace().loaded());
        own = std::make_unique<Form3>();
    }
    Form3 &about = own ? *own : Form3::instance();
    QCOMPARE(about.windowTitle(), QStringLiteral("Form3"));
    QCOMPARE(about.size(), QSize(258, 190));
    QVERIFY(about.minimumSize() != about.maximumSize());
    QCOMPARE(about.Command1->text(), button);
    QVERIFY(captionFits(about.Command1, button));
    // The button lies over the label and is drawn above it.
    QVERIFY(about.Label1->geometry().contains(about.Command1->geometry()));
    QCOMPARE(about.childAt(about.Command1->geometry().center()), about.Command1);
    // A screen reader hears "Hakkında" as the window opens, and reads the
    // label, a piece a line, with it.
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&about);
    QCOMPARE(window->role(), QAccessible::Dialog);
    QCOMPARE(window->text(QAccessible::Name), name);
    QAccessibleInterface *label = QAccessible::queryAccessibleInterface(about.Label1);
    QVERIFY(label->text(QAccessible::Name).startsWith(first));
    QVERIFY(label->text(QAccessible::Name).contains(".\n" + third));
    QVERIFY(label->text(QAccessible::Name).endsWith("\n" + last));
    if (!english)
        return;
    // The authors' names stay as they are written; nothing else is Turkish.
    QStringList shown = windowTexts(&about);
    for (QString &text : shown)
        text.remove(QStringLiteral("KEMAL DİRENÇ")).remove(QStringLiteral("AYLİN KONDANSATÖR"));
    QCOMPARE(withTurkishLetters(shown), QStringList());
    QVERIFY(
        about.Label1->text().contains(QStringLiteral(" BY KEMAL DİRENÇ AND AYLİN KONDANSATÖR ")));
}

void TestForm3::aboutTextPieces()
{
    const QString text = Form3::instance().Label1->text();
    QVERIFY(!text.contains(u'\n'));

    QList<int> runs;
    static const QRegularExpression spaceRun(QStringLiteral(" {2,}"));
    for (auto it = spaceRun.globalMatch(text); it.hasNext();)
        runs << int(it.next().capturedLength());
    QCOMPARE(runs, (QList<int>{56, 48, 25, 99, 103, 127}));

    const QStringList pieces = text.split(spaceRun);
    QCOMPARE(pieces.size(), 7);
    QVERIFY(pieces[0].startsWith(QStringLiteral("BU PROĞRAM ")));
    QVERIFY(pieces[0].contains(QStringLiteral(" VE ")));
    QVERIFY(pieces[0].endsWith(QStringLiteral(" TARAFINDAN YAZILMIŞ OLUP . TAMAMEN ÜCRETSİZDİR.")));
    QCOMPARE(pieces[1], QStringLiteral("TÜM ELEKTRONİKÇİLER İÇİN LAZIM OLACAK BİR PROĞRAMDIR."));
    QCOMPARE(pieces[2], QStringLiteral("HER TÜRLÜ PROĞRAM YAZILIR."));
    QCOMPARE(pieces[3], QStringLiteral("BİZE ULAŞMAK İÇİN :"));
    QCOMPARE(pieces[6], QStringLiteral("GÜLE GÜLE KULLANIN..."));
    static const QRegularExpression address(QStringLiteral("^[a-z.]+@example\\.org$"));
    QVERIFY(address.match(pieces[4]).hasMatch());
    QVERIFY(address.match(pieces[5]).hasMatch());
    // Upper-case Turkish: dotted capital İ, never a plain I for a dotted i.
    const QLocale turkish(QLocale::Turkish);
    QCOMPARE(pieces[0], turkish.toUpper(pieces[0]));
}

void TestForm3::aboutLinesStartWithPieces_data()
{
    QTest::addColumn<bool>("english");
    QTest::newRow("Turkish") << false;
    QTest::newRow("English") << true;
}

void TestForm3::aboutLinesStartWithPieces()
{
    QFETCH(bool, english);
    std::optional<EnglishTexts> texts;
    std::unique_ptr<Form3> own;
    if (english) {
        QVERIFY(texts.emplace().loaded());
        own = std::make_unique<Form3>();
    }
    Form3 &about = own ? *own : Form3::instance();
    about.show();
    auto *label = qobject_cast<WrappedLabel *>(about.Label1);
    QVERIFY(label);
    const QStringList lines = label->lines();
    static const QRegularExpression spaceRun(QStringLiteral(" {2,}"));
    const QStringList pieces = label->text().split(spaceRun);

    // Each piece begins a line of its own; the lines hold the pieces' words
    // in order, and none is wider than the label.
    qsizetype line = 0;
    for (const QString &piece : pieces) {
        while (line < lines.size() && !piece.startsWith(lines[line]))
            ++line;
        QVERIFY2(line < lines.size(), qPrintable(piece));
        QCOMPARE(lines[line].section(u' ', 0, 0), piece.section(u' ', 0, 0));
    }
    QCOMPARE(lines.join(u' ').simplified(), label->text().simplified());
    for (const QString &l : lines)
        QVERIFY2(label->fontMetrics().horizontalAdvance(l) <= label->contentsRect().width(),
                 qPrintable(l));
    QVERIFY(lines.size() * label->fontMetrics().lineSpacing() <= about.Command1->y());
}

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
