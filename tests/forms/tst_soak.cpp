// A long run of random user actions from a fixed seed, over all three
// windows. After every action the program must still stand, the main
// window's lists, result text and bands must agree with what was last
// calculated, and no window may be lost or left over.
//
// Built again as bench_soak_memory (TAVLORA_SOAK_MEMORY), which also reports
// resident memory: it must stay flat, within 2 MiB, once the first thousand
// actions have warmed every cache. That depends on the allocator and the
// libraries as much as on the program, so it is a measurement, not a test.
//
// TAVLORA_SOAK_ACTIONS sets the number of actions (default 10000).

#include "colorcode/bandselection.h"
#include "colorcode/bandtables.h"
#include "colorcode/form2.h"
#include "colorcode/resistance.h"
#include "colorcode/standardvaluetext.h"
#include "colorcode/valueentry.h"
#include "forms/application.h"
#include "forms/controls.h"
#include "forms/conversions.h"
#include "forms/form1.h"
#include "forms/form1design.h"
#include "forms/form3.h"
#include "testhelpers.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#ifdef TAVLORA_SOAK_MEMORY
#include <QFile>
#include <malloc.h>
#endif

#include <array>
#include <map>
#include <optional>
#include <random>
#include <variant>

namespace
{

using colorcode::BandSelection;

// What the windows must show, worked out alongside the program.
struct Model {
    BandSelection lists;                  // what the band lists hold, with their count
    BandSelection shown;                  // the selection of the last calculation or switch
    QString line;                         // the standard-value line as spoken
    std::optional<BandSelection> dropped; // what the last switch could not take along
    bool aboutShown = false;
    bool aboutExists = false;
    bool entryShown = false;
    bool entryExists = false;
    // The value-entry window's own state, while it exists.
    QString typed;
    int unit = 0;      // Option1..3
    int tolerance = 0; // Option4..6

    void entryBuilt()
    {
        if (!entryExists) {
            entryExists = true;
            typed.clear();
            unit = 0;
            tolerance = 0;
        }
    }
};

#ifdef TAVLORA_SOAK_MEMORY
long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}
#endif

int soakActions()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("TAVLORA_SOAK_ACTIONS", &ok);
    return ok && n > 0 ? n : 10000;
}

#ifdef TAVLORA_SOAK_MEMORY
bool underAddressSanitizer()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#else
    return false;
#endif
}
#endif

// Typing as a keyboard does: each character a key press and release that
// carries the character as its text.
void typeCharacters(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &release);
    }
}

QtMessageHandler previousHandler = nullptr;

// The offscreen platform says, every time, that it cannot raise a window or
// pass on size hints; that is the platform, not the program.
void dropPlatformNotices(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && (message == u"This plugin does not support raise()" ||
                                 message == u"This plugin does not support propagateSizeHints()"))
        return;
    previousHandler(type, context, message);
}

const QString turkishLetters = QStringLiteral("ıİğĞüÜşŞöÖçÇ");
const QString controlCharacters = QStringLiteral("\t\r\n\x1b\x01\x7f") + QChar(0) + QChar(0x200E);

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void randomActions();

private:
    enum Action {
        SwitchCount,
        ChooseList,
        ListKey,
        Hesapla,
        Enter,
        OpenEntry,
        TypeKeys,
        PasteText,
        ChooseUnit,
        ChooseTolerance,
        Tamam,
        EnterInEntry,
        EscapeEntry,
        CloseEntry,
        Hakkinda,
        Kapat,
        CloseAbout,
    };
    static const char *actionName(Action a);

    int pick(int n) { return int(m_random() % unsigned(n)); }
    std::vector<Action> possibleActions() const;
    void perform(Action action);
    void expectWarning(bool shown, const QString &caption, const QString &text);
    void check();
    void calculated(const QString &cutNote);
#ifdef TAVLORA_SOAK_MEMORY
    long settledResidentKiB(long &asRead);
#endif
    QString randomTyping();
    QString randomPaste();

    std::mt19937 m_random{20240917};
    Model m_model;
    SeenMessage m_seen;
    std::map<QString, int> m_counts;
    int m_warnings = 0;
    int m_calculations = 0;
};

const char *TestSoak::actionName(Action a)
{
    static const char *const names[] = {
        "switch band count",    "choose in a list", "key in a list", "Hesapla",
        "Enter in main window", "open value entry", "type",          "paste",
        "choose unit",          "choose tolerance", "Tamam",         "Enter in entry",
        "Escape in entry",      "close entry",      "HAKKINDA",      "KAPAT",
        "close about",
    };
    return names[a];
}

void TestSoak::initTestCase()
{
    previousHandler = qInstallMessageHandler(dropPlatformNotices);
    prepareApplication();
    Form1 &main = Form1::instance();
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
}

std::vector<TestSoak::Action> TestSoak::possibleActions() const
{
    // Only what a user can reach: the controls of the windows on screen.
    std::vector<Action> actions;
    if (!m_model.aboutShown)
        actions.insert(actions.end(),
                       {SwitchCount, ChooseList, ChooseList, ChooseList, ChooseList, ListKey,
                        ListKey, Hesapla, Hesapla, Enter, OpenEntry, Hakkinda});
    if (m_model.entryShown)
        actions.insert(actions.end(), {TypeKeys, TypeKeys, TypeKeys, PasteText, PasteText,
                                       ChooseUnit, ChooseUnit, ChooseTolerance, ChooseTolerance,
                                       Tamam, Tamam, EnterInEntry, EscapeEntry, CloseEntry});
    if (m_model.aboutShown)
        actions.insert(actions.end(), {Kapat, CloseAbout});
    return actions;
}

QString TestSoak::randomTyping()
{
    QString text;
    const int length = pick(12);
    for (int i = 0; i < length; ++i) {
        switch (pick(10)) {
        case 0:
            text += turkishLetters.at(pick(int(turkishLetters.size())));
            break;
        case 1:
            text += controlCharacters.at(pick(int(controlCharacters.size())));
            break;
        case 2:
            text += QStringLiteral(" ,.-+kKmMΩRGr").at(pick(13));
            break;
        default:
            text += QChar(u'0' + pick(10));
        }
    }
    return text;
}

QString TestSoak::randomPaste()
{
    switch (pick(6)) {
    case 0: // very long, digits only
        return QString(1000 + pick(40000), QChar(u'1' + pick(9)));
    case 1: { // very long, mixed
        QString text;
        for (int i = 0, n = 500 + pick(5000); i < n; ++i)
            text += i % 7 ? QChar(u'0' + pick(10)) : turkishLetters.at(pick(12));
        return text;
    }
    case 2: // control characters around digits
        return controlCharacters.at(pick(int(controlCharacters.size()))) + QStringLiteral("47") +
               controlCharacters.at(pick(int(controlCharacters.size())));
    case 3: // a plain value with spaces and leading zeros
        return QString(pick(3), u' ') + QString(pick(3), u'0') + QString::number(pick(100000)) +
               QString(pick(3), u' ');
    case 4: // characters outside the basic plane
        return QStringLiteral("4\U0001F600"
                              "7");
    default:
        return QString();
    }
}

void TestSoak::expectWarning(bool shown, const QString &caption, const QString &text)
{
    // Lets the answering timer run even when no box came up.
    QCoreApplication::processEvents();
    QCOMPARE(m_seen.shown, shown);
    if (shown) {
        ++m_warnings;
        QCOMPARE(m_seen.caption, caption);
        QCOMPARE(m_seen.text, text);
        QCOMPARE(m_seen.buttons, QStringList{QStringLiteral("Tamam")});
    }
}

void TestSoak::perform(Action action)
{
    Form1 &main = Form1::instance();
    const std::vector<QComboBox *> lists = main.bandLists();
    const QLocale locale = conversions::numberLocale();
    m_seen = SeenMessage();
    switch (action) {
    case SwitchCount: {
        const int index = pick(main.Combo7->count());
        const int to = colorcode::bandRoleTable[std::size_t(index)].bandCount;
        main.Combo7->setCurrentIndex(index);
        if (to == m_model.lists.bandCount)
            break;
        const colorcode::BandSwitch change =
            colorcode::switchBandCount(m_model.lists, to, m_model.dropped);
        m_model.lists = m_model.shown = change.selection;
        m_model.line = QString();
        if (const auto verdict = colorcode::standardVerdict(change.selection))
            m_model.line = colorcode::verdictSpeech(*verdict, locale);
        if (change.dropped) {
            m_model.dropped = change.dropped;
            m_model.line = colorcode::droppedNote(*change.dropped, to, locale);
        } else if (change.selection.complete()) {
            m_model.dropped.reset();
        }
        break;
    }
    case ChooseList: {
        const std::size_t which = std::size_t(pick(int(lists.size())));
        const int index = pick(lists[which]->count());
        lists[which]->setCurrentIndex(index);
        m_model.lists.entries[which] = index;
        break;
    }
    case ListKey: {
        const std::size_t which = std::size_t(pick(int(lists.size())));
        int &index = m_model.lists.entries[which];
        const int last = lists[which]->count() - 1;
        switch (pick(4)) {
        case 0:
            QTest::keyClick(lists[which], Qt::Key_Down);
            index = qMin(index + 1, last);
            break;
        case 1:
            QTest::keyClick(lists[which], Qt::Key_Up);
            index = index > 0 ? index - 1 : index;
            break;
        case 2:
            QTest::keyClick(lists[which], Qt::Key_Home);
            index = 0;
            break;
        default:
            QTest::keyClick(lists[which], Qt::Key_End);
            index = last;
        }
        break;
    }
    case Hesapla:
    case Enter: {
        answerNextMessage(m_seen);
        if (action == Hesapla) {
            QTest::mouseClick(main.Command1, Qt::LeftButton);
        } else {
            QWidget *targets[] = {main.Combo1, main.Combo2, main.Combo3, main.Combo4, main.Text1};
            QWidget *target = targets[pick(5)];
            if (pick(2))
                QTest::keyClick(target, Qt::Key_Return);
            else
                QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
        }
        const bool complete = m_model.lists.complete();
        if (complete)
            calculated(QString());
        static const char *const words[] = {"dört", "beş", "altı"};
        expectWarning(!complete, QStringLiteral("Tavlora"),
                      QStringLiteral("Lütfen %1 bandın her biri için bir renk seçiniz.")
                          .arg(QString::fromUtf8(words[m_model.lists.bandCount - 4])));
        break;
    }
    case OpenEntry:
        QTest::mouseClick(main.Command2, Qt::LeftButton);
        m_model.entryBuilt();
        m_model.entryShown = true;
        break;
    case TypeKeys: {
        Form2 &entry = *Form2::existing();
        const QString text = randomTyping();
        entry.Text1->selectAll();
        QTest::keyClick(entry.Text1, Qt::Key_Backspace);
        typeCharacters(entry.Text1, text);
        // A text box takes printable and formatting characters from the
        // keyboard; control characters do nothing.
        m_model.typed.clear();
        for (QChar c : text)
            if (c.isPrint() || c.category() == QChar::Other_Format)
                m_model.typed += c;
        break;
    }
    case PasteText: {
        Form2 &entry = *Form2::existing();
        const QString text = randomPaste();
        entry.Text1->setText(text);
        m_model.typed = text.left(entry.Text1->maxLength());
        break;
    }
    case ChooseUnit: {
        Form2 &entry = *Form2::existing();
        m_model.unit = pick(3);
        QRadioButton *units[] = {entry.Option1, entry.Option2, entry.Option3};
        QTest::mouseClick(units[m_model.unit], Qt::LeftButton);
        break;
    }
    case ChooseTolerance: {
        Form2 &entry = *Form2::existing();
        m_model.tolerance = pick(3);
        QRadioButton *tolerances[] = {entry.Option4, entry.Option5, entry.Option6};
        QTest::mouseClick(tolerances[m_model.tolerance], Qt::LeftButton);
        break;
    }
    case Tamam:
    case EnterInEntry: {
        Form2 &entry = *Form2::existing();
        answerNextMessage(m_seen);
        if (action == Tamam)
            QTest::mouseClick(entry.Command1, Qt::LeftButton);
        else
            QTest::keyClick(entry.Text1, Qt::Key_Return);
        static const colorcode::Unit units[] = {colorcode::Unit::Ohm, colorcode::Unit::Kohm,
                                                colorcode::Unit::Mohm};
        const QChar separator = locale.decimalPoint().at(0);
        const int count = m_model.lists.bandCount;
        const auto typed =
            colorcode::readTypedNumber(m_model.typed, units[m_model.unit], separator);
        const colorcode::BandsOrError reading =
            colorcode::readTypedValue(m_model.typed, units[m_model.unit], separator, count);
        const auto *bands = std::get_if<colorcode::BandIndices>(&reading);
        const auto *error = std::get_if<colorcode::ValueError>(&reading);
        if (bands) {
            m_model.lists.setValueBands(*bands);
            m_model.lists.setEntry(colorcode::Role::Tolerance, 0, m_model.tolerance);
            // The coefficient option the window starts with: 100 ppm/K.
            m_model.lists.setEntry(colorcode::Role::Coefficient, 0, 1);
            m_model.entryShown = false;
            calculated(colorcode::cutNote(std::get<colorcode::ExactValue>(typed),
                                          colorcode::valueOf(*bands), locale));
        }
        expectWarning(!bands, QStringLiteral("Değer Giriniz"),
                      error ? colorcode::valueErrorMessage(*error, separator, count) : QString());
        break;
    }
    case EscapeEntry:
        QTest::keyClick(Form2::existing(), Qt::Key_Escape);
        m_model.entryShown = false;
        break;
    case CloseEntry:
        Form2::existing()->close();
        m_model.entryShown = false;
        m_model.entryExists = false;
        break;
    case Hakkinda:
        QTest::mouseClick(main.Command3, Qt::LeftButton);
        m_model.entryShown = false;
        m_model.aboutShown = true;
        m_model.aboutExists = true;
        break;
    case Kapat:
        QTest::mouseClick(Form3::existing()->Command1, Qt::LeftButton);
        m_model.aboutShown = false;
        break;
    case CloseAbout:
        Form3::existing()->close();
        m_model.aboutShown = false;
        m_model.aboutExists = false;
        break;
    }
    // Windows closed by their frame are deleted once control is back here.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestSoak::check()
{
    // The program stands, and every window is where it should be.
    Form1 *main = Form1::existing();
    QVERIFY(main);
    QCOMPARE(main->isVisible(), !m_model.aboutShown);
    Form2 *entry = Form2::existing();
    Form3 *about = Form3::existing();
    QCOMPARE(entry != nullptr, m_model.entryExists);
    QCOMPARE(about != nullptr, m_model.aboutExists);
    QCOMPARE(entry && entry->isVisible(), m_model.entryShown);
    QCOMPARE(about && about->isVisible(), m_model.aboutShown);
    QVERIFY(!QApplication::activeModalWidget());

    // Windows closed by their frame are gone, not piling up.
    int entries = 0;
    int abouts = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        entries += qobject_cast<Form2 *>(window) != nullptr;
        abouts += qobject_cast<Form3 *>(window) != nullptr;
    }
    QVERIFY(entries <= 1 && abouts <= 1);

    // The value-entry window keeps what was typed and chosen while it lives.
    if (entry) {
        QCOMPARE(entry->Text1->text(), m_model.typed);
        QRadioButton *units[] = {entry->Option1, entry->Option2, entry->Option3};
        QRadioButton *tolerances[] = {entry->Option4, entry->Option5, entry->Option6};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(units[i]->isChecked(), i == m_model.unit);
            QCOMPARE(tolerances[i]->isChecked(), i == m_model.tolerance);
        }
    }

    // The lists hold what was chosen; result, line, drawing and its
    // description all show the selection of the last calculation or switch.
    QCOMPARE(main->bandCount(), m_model.lists.bandCount);
    QCOMPARE(main->selection(), m_model.lists);
    const BandSelection &shown = m_model.shown;
    QCOMPARE(main->shownSelection(), shown);
    const auto expected = shown.result(conversions::numberLocale());
    QCOMPARE(main->Text1->text(), expected ? expected->sonuc : QString());
    QCOMPARE(main->sonuc(), main->Text1->text());
    QCOMPARE(main->deger(), expected ? expected->deger : 0.0);
    QCOMPARE(main->standardLine(), m_model.line);

    const auto &layout = form1design::bandLayouts[std::size_t(shown.bandCount - 4)];
    std::vector<const Shape *> drawn;
    QStringList names;
    for (std::size_t band = 0; band < shown.roles().size(); ++band) {
        const Shape *shape = main->findChild<Shape *>(QString::fromLatin1(layout.bands[band].name));
        drawn.push_back(shape);
        const auto entries = colorcode::entriesOf(shown.roles()[band]);
        if (!shown.complete()) {
            QVERIFY(!shape->isVisibleTo(main));
            continue;
        }
        const colorcode::BandEntry &entry = entries[std::size_t(shown.entries[band])];
        QCOMPARE(shape->isVisibleTo(main), entry.colour != colorcode::Colour::Renksiz);
        QCOMPARE(shape->fillColor(), entry.paint);
        names << QString::fromUtf8(entry.text) +
                     (shown.roles()[band] == colorcode::Role::Coefficient
                          ? QStringLiteral(" %1 ppm/K").arg(entry.number)
                          : QString());
    }
    for (const Shape *band : main->Shape2)
        if (std::find(drawn.begin(), drawn.end(), band) == drawn.end())
            QVERIFY(!band->isVisibleTo(main));
    const QString description =
        main->findChild<Shape *>(QStringLiteral("Shape1"))->accessibleDescription();
    QCOMPARE(description,
             names.isEmpty() ? QStringLiteral("Renk seçilmedi") : names.join(QStringLiteral(", ")));
}

// A calculation shows what the lists hold, its standard-value line led by
// what a typed value lost.
void TestSoak::calculated(const QString &cutNote)
{
    const QLocale locale = conversions::numberLocale();
    m_model.shown = m_model.lists;
    m_model.dropped.reset();
    QString line;
    if (const auto verdict = colorcode::standardVerdict(m_model.lists))
        line = colorcode::verdictSpeech(*verdict, locale);
    m_model.line = cutNote.isEmpty() ? line
                   : line.isEmpty()  ? cutNote
                                     : cutNote + QStringLiteral(". ") + line;
    ++m_calculations;
}

#ifdef TAVLORA_SOAK_MEMORY
// Resident memory in a like state at both readings: the value box emptied
// (it may hold a long text and its layout), and the heap's free
// memory handed back, so that memory in use is compared, not what the
// allocator happens to keep for later. A leak survives both.
long TestSoak::settledResidentKiB(long &asRead)
{
    asRead = residentKiB();
    if (Form2 *entry = Form2::existing()) {
        entry->Text1->setText(QString());
        m_model.typed.clear();
    }
    malloc_trim(0);
    return residentKiB();
}
#endif

void TestSoak::randomActions()
{
    const int total = soakActions();
#ifdef TAVLORA_SOAK_MEMORY
    const int warmUp = qMin(1000, total / 2);
    long rssAfterWarmUp = 0;
    long rawAfterWarmUp = 0;
#endif

    for (int i = 1; i <= total; ++i) {
        const std::vector<Action> actions = possibleActions();
        QVERIFY(!actions.empty());
        const Action action = actions[std::size_t(pick(int(actions.size())))];
        ++m_counts[QString::fromLatin1(actionName(action))];
        perform(action);
        if (!QTest::currentTestFailed())
            check();
        if (QTest::currentTestFailed()) {
            qWarning("failed at action %d: %s", i, actionName(action));
            return;
        }
#ifdef TAVLORA_SOAK_MEMORY
        if (i == warmUp)
            rssAfterWarmUp = settledResidentKiB(rawAfterWarmUp);
#endif
    }

    qInfo("%d actions, %d calculations, %d warnings answered", total, m_calculations, m_warnings);
    for (const auto &[name, count] : m_counts)
        qInfo("  %-22s %6d", qPrintable(name), count);

    // Every kind of action was taken, including the dead ends.
    QCOMPARE(int(m_counts.size()), CloseAbout + 1);
    QVERIFY(m_warnings > 0);

#ifdef TAVLORA_SOAK_MEMORY
    long rawAtEnd = 0;
    const long rssAtEnd = settledResidentKiB(rawAtEnd);
    qInfo("resident memory after %d actions: %ld KiB as read, %ld KiB settled", warmUp,
          rawAfterWarmUp, rssAfterWarmUp);
    qInfo("resident memory after %d actions: %ld KiB as read, %ld KiB settled (%+ld KiB)", total,
          rawAtEnd, rssAtEnd, rssAtEnd - rssAfterWarmUp);
    // AddressSanitizer holds freed memory back on purpose, so growth means
    // nothing there; its leak check at exit does that job instead.
    if (underAddressSanitizer())
        QSKIP("resident memory means nothing under AddressSanitizer");
    QVERIFY2(rssAtEnd - rssAfterWarmUp <= 2048, "resident memory grew by more than 2 MiB");
#endif
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
