#include "forms/form1.h"

#include "capacitor/capacitorwindow.h"
#include "colorcode/bandpainting.h"
#include "colorcode/bandtables.h"
#include "colorcode/colourtext.h"
#include "colorcode/doubtwindow.h"
#include "colorcode/form2.h"
#include "colorcode/readingdirection.h"
#include "colorcode/resistance.h"
#include "colorcode/standardvaluetext.h"
#include "colorcode/standardverdict.h"
#include "colorcode/valueentry.h"
#include "combine/combinewindow.h"
#include "forms/accessibility.h"
#include "forms/bandvalues.h"
#include "forms/controls.h"
#include "forms/conversions.h"
#include "forms/form1design.h"
#include "forms/form3.h"
#include "forms/messages.h"
#include "forms/twips.h"
#include "inductor/inductorwindow.h"
#include "photo/photowindow.h"
#include "smd/smdwindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>

#include <algorithm>
#include <functional>
#include <span>
#include <variant>

using designer::control;

namespace
{

void fillList(QComboBox *list, std::span<const colorcode::BandEntry> entries)
{
    for (const colorcode::BandEntry &entry : entries)
        list->addItem(colorcode::colourText(entry.colour), entry.number);
    list->setCurrentIndex(-1);
}

void fillBandCountList(QComboBox *list)
{
    for (const colorcode::BandRoles &entry : colorcode::bandRoleTable)
        list->addItem(Form1::tr("%1 bant").arg(entry.bandCount), entry.bandCount);
    list->setCurrentIndex(0);
}

// The program's settings, where every run finds them.
QSettings &settings()
{
    static QSettings stored(QStringLiteral("Tavlora"), QStringLiteral("Tavlora"));
    return stored;
}

std::size_t countIndex(int bandCount)
{
    return std::size_t(bandCount - colorcode::minBandCount);
}

const form1design::BandLayout &layoutFor(int bandCount)
{
    return form1design::bandLayouts[countIndex(bandCount)];
}

} // namespace

Form1::Form1()
{
    designer::applyWindow(this, form1design::window);
    designer::buildControls(this, form1design::controls);

    Combo1 = control<QComboBox>(this, "Combo1");
    Combo2 = control<QComboBox>(this, "Combo2");
    Combo3 = control<QComboBox>(this, "Combo3");
    Combo4 = control<QComboBox>(this, "Combo4");
    Combo5 = control<QComboBox>(this, "Combo5");
    Combo6 = control<QComboBox>(this, "Combo6");
    Combo7 = control<QComboBox>(this, "Combo7");
    Text1 = control<QLineEdit>(this, "Text1");
    Command1 = control<QPushButton>(this, "Command1");
    Command2 = control<QPushButton>(this, "Command2");
    Command3 = control<QPushButton>(this, "Command3");
    Command4 = control<QPushButton>(this, "Command4");
    Command5 = control<QPushButton>(this, "Command5");
    Shape1 = control<Shape>(this, "Shape1");
    Label1 = control<WrappedLabel>(this, "Label1");
    Label1->setFocusPolicy(Qt::NoFocus);
    for (std::size_t i = 0; i < Shape2.size(); ++i)
        Shape2[i] = control<Shape>(this, QStringLiteral("Shape2(%1)").arg(i));

    // Which list shows which role: the one place that knows.
    using colorcode::Role;
    m_roleLists[std::size_t(Role::Digit)] = {Combo1, Combo2, Combo5};
    m_roleLists[std::size_t(Role::Multiplier)] = {Combo3};
    m_roleLists[std::size_t(Role::Tolerance)] = {Combo4};
    m_roleLists[std::size_t(Role::Coefficient)] = {Combo6};
    for (std::size_t role = 0; role < m_roleLists.size(); ++role)
        for (QComboBox *list : m_roleLists[role])
            fillList(list, colorcode::entriesOf(Role(role)));
    fillBandCountList(Combo7);

    // The new lists take their place in the row's tab order while shown;
    // hidden, Tab passes them by.
    QWidget::setTabOrder(Combo2, Combo5);
    QWidget::setTabOrder(Combo5, Combo3);
    QWidget::setTabOrder(Combo4, Combo6);
    QWidget::setTabOrder(Combo6, Text1);
    QWidget::setTabOrder(Combo7, Command4);
    QWidget::setTabOrder(Command4, Command5);
    QWidget::setTabOrder(Command5, Label1);

    // The tools: a menu under "Araçlar", each also reached by its shortcut
    // from anywhere in this window. The menu is built when first opened:
    // start-up pays only for the shortcuts.
    const std::pair<const char *, std::function<void()>> entries[] = {
        {QT_TR_NOOP("SMD Kodu"), [this] { showTool(&smdWindow()); }},
        {QT_TR_NOOP("Direnç Birleştir"), [this] { showTool(&combineWindow()); }},
        {QT_TR_NOOP("Fotoğraftan Oku"), [this] { showTool(&photoWindow()); }},
        {QT_TR_NOOP("Renkten Emin Değilim"),
         [this] {
             // With the lists as they are now, chosen or not.
             doubtWindow().setBands(selection());
             showTool(&doubtWindow());
         }},
        {QT_TR_NOOP("Kondansatör Kodu"),
         [this, tool = QPointer<CapacitorWindow>()]() mutable {
             showTool(tool ? tool : (tool = new CapacitorWindow(this)));
         }},
        {QT_TR_NOOP("Bobin Renk Kodu"),
         [this, tool = QPointer<InductorWindow>()]() mutable {
             showTool(tool ? tool : (tool = new InductorWindow(this)));
         }},
    };
    int number = 1;
    for (const auto &[caption, open] : entries) {
        auto *action = new QAction(tr(caption), this);
        action->setShortcut(QKeySequence(QStringLiteral("Ctrl+%1").arg(number++)));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, open);
        addAction(action);
    }
    // Below the tools, apart from them: a choice of how the drawing looks.
    auto *separator = new QAction(this);
    separator->setSeparator(true);
    addAction(separator);
    m_valuesAction = new QAction(tr("Bantlarda değerleri göster"), this);
    m_valuesAction->setCheckable(true);
    addAction(m_valuesAction);
    connect(m_valuesAction, &QAction::toggled, this, [this](bool shown) {
        setBandValuesShown(shown);
        settings().setValue(QStringLiteral("bandValues"), shown);
    });
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    Command5->setVisible(false);

    // GNOME's and GTK's platform themes make a closed list open on Enter;
    // here Enter belongs to "Hesapla". Alt+Down and F4 still open a list, and
    // Enter inside an open one goes to its popup, never to the list itself.
    for (QComboBox *list : {Combo1, Combo2, Combo3, Combo4, Combo5, Combo6, Combo7})
        list->installEventFilter(this);

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Combo7, &QComboBox::currentIndexChanged, this, &Form1::Combo7_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);

    Form_Load();
    if (settings().value(QStringLiteral("bandValues"), false).toBool())
        m_valuesAction->setChecked(true);
}

void Form1::Form_Load()
{
    Combo5->setVisible(false);
    Combo6->setVisible(false);
    // The resistor first shows as an empty body with its leads.
    for (Shape *band : Shape2)
        band->setVisible(false);
    m_shown = colorcode::BandSelection::empty(m_bandCount);
    drawBands(m_shown);
    m_requested = size();
}

QComboBox *Form1::listFor(colorcode::Role role, int k) const
{
    const std::vector<QComboBox *> &lists = m_roleLists[std::size_t(role)];
    return k >= 0 && std::size_t(k) < lists.size() ? lists[std::size_t(k)] : nullptr;
}

std::vector<QComboBox *> Form1::bandLists() const
{
    std::array<int, colorcode::roleCount> seen{};
    std::vector<QComboBox *> lists;
    for (const colorcode::Role role : colorcode::rolesOf(m_bandCount))
        lists.push_back(listFor(role, seen[std::size_t(role)]++));
    return lists;
}

colorcode::BandSelection Form1::selection() const
{
    colorcode::BandSelection selection = colorcode::BandSelection::empty(m_bandCount);
    const std::vector<QComboBox *> lists = bandLists();
    for (std::size_t band = 0; band < lists.size(); ++band)
        selection.entries[band] = lists[band]->currentIndex();
    return selection;
}

void Form1::setLists(const colorcode::BandSelection &selection)
{
    if (selection.bandCount != m_bandCount)
        return;
    const std::vector<QComboBox *> lists = bandLists();
    for (std::size_t band = 0; band < lists.size(); ++band)
        lists[band]->setCurrentIndex(selection.entries[band]);
}

QString Form1::resultAnnouncement() const
{
    const std::vector<QString> names = m_shown.colourTexts();
    QString said = QStringList(names.begin(), names.end()).join(QStringLiteral(", ")) +
                   QStringLiteral(". ") + m_sonuc;
    if (!m_standardLine.isEmpty())
        said += QStringLiteral(". ") + m_standardLine;
    return said;
}

void Form1::direnchesapla()
{
    // A value needs a colour in every band; without one there is nothing
    // sound to compute, so nothing is changed.
    const colorcode::BandSelection chosen = selection();
    if (!chosen.complete()) {
        showWarning(this, QStringLiteral("Tavlora"),
                    tr("Lütfen %1 bandın her biri için bir renk seçiniz.")
                        .arg(tr(form1design::bandCountWords[countIndex(m_bandCount)])));
        return;
    }
    m_dropped.reset();
    showResult(chosen);
    // Heard where the user is, without going to the result box; from the
    // value-entry window, once the user is back there.
    announce(this, resultAnnouncement());
    direncrekhesapla();
}

void Form1::direncrekhesapla()
{
    drawBands(selection());
}

void Form1::showSelection(const colorcode::BandSelection &selection)
{
    showResult(selection);
    drawBands(selection);
}

// Writes the value of a complete selection to the result box and its
// standard-value line; empties both for an incomplete one.
void Form1::showResult(const colorcode::BandSelection &selection)
{
    m_shown = selection;
    const QLocale locale = conversions::numberLocale();
    const std::optional<colorcode::Resistance> result = selection.result(locale);
    m_deger = result ? result->deger : 0;
    m_sonuc = result ? result->sonuc : QString();
    Text1->setText(m_sonuc);

    QStringList lines;
    QString spoken;
    bool standard = true;
    if (result) {
        if (const auto verdict = colorcode::standardVerdict(selection)) {
            lines = colorcode::verdictLines(*verdict, locale);
            spoken = colorcode::verdictSpeech(*verdict, locale);
            standard = verdict->standard();
        }
        if (!m_cutNote.isEmpty()) {
            lines.prepend(m_cutNote);
            spoken = spoken.isEmpty() ? m_cutNote : m_cutNote + QStringLiteral(". ") + spoken;
        }
    }
    m_cutNote.clear();
    Command5->setVisible(!standard);
    showStandardLine(lines, spoken);
}

void Form1::showStandardLine(const QStringList &lines, const QString &spoken)
{
    m_standardLine = spoken;
    // One line of the verdict a line of the label; a long one wraps.
    Label1->setText(lines.join(u'\n'));
    // Read with the keyboard, and in the tab order, only while it says
    // something; an empty line at start builds no text control.
    const bool empty = lines.isEmpty();
    Label1->setTextInteractionFlags(
        empty ? Qt::NoTextInteraction : Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    Label1->setFocusPolicy(empty ? Qt::NoFocus : Qt::StrongFocus);
    // A long line grows the window downwards rather than being cut off.
    const int designHeight = twips::toPixels(form1design::labelHeight);
    const int needed = int(Label1->lines().size()) * Label1->fontMetrics().lineSpacing();
    m_lineExtra = std::max(0, needed - designHeight);
    Label1->resize(Label1->width(), designHeight + m_lineExtra);
    fitWindow();
}

void Form1::fitWindow()
{
    const form1design::BandLayout &layout = layoutFor(m_bandCount);
    int height = twips::toPixels(form1design::window.clientHeight) + m_lineExtra;
    // The labels' row below the body.
    if (bandValuesShown())
        height = std::max(height, Shape1->geometry().bottom() + 1 + m_values->rowHeight());
    const QSize wanted(twips::toPixels(layout.clientWidth), height);
    m_requested = wanted.expandedTo(m_userSize);
    if (size() != m_requested)
        resize(m_requested);
}

void Form1::resizeEvent(QResizeEvent *event)
{
    // Only a size the program did not ask for is the user's.
    if (event->size() != m_requested)
        m_userSize = event->size();
    Form::resizeEvent(event);
    updateBandValues();
}

bool Form1::bandValuesShown() const
{
    return m_values && !m_values->isHidden();
}

void Form1::setBandValuesShown(bool shown)
{
    if (shown == bandValuesShown())
        return;
    if (!m_values)
        m_values = new BandValues(this);
    m_values->setVisible(shown);
    if (m_valuesAction->isChecked() != shown)
        m_valuesAction->setChecked(shown);
    fitWindow();
    updateBandValues();
}

void Form1::updateBandValues()
{
    if (!bandValuesShown())
        return;
    // Right of the standard-value line, from the top of the body down.
    const QPoint origin(Label1->geometry().right() + 1, Shape1->y());
    m_values->setGeometry(QRect(origin, QPoint(width() - 1, height() - 1)));
    m_values->raise();
    const std::vector<QString> meanings =
        colorcode::bandMeanings(m_shown, conversions::numberLocale());
    std::vector<BandValues::Band> bands;
    std::size_t next = 0;
    for (const form1design::PlacedBand &placed : layoutFor(m_bandCount).bands) {
        if (!placed.name)
            continue;
        const Shape *shape = control<Shape>(this, QString::fromLatin1(placed.name));
        const QString text = next < meanings.size() ? meanings[next] : QString();
        ++next;
        if (shape->isVisibleTo(this))
            bands.push_back({shape->geometry().translated(-origin), shape->fillColor(), text});
    }
    m_values->setBands(bands, Shape1->geometry().bottom() + 1 - origin.y());
}

void Form1::drawBands(const colorcode::BandSelection &selection)
{
    m_shown = selection;
    const form1design::BandLayout &layout = layoutFor(m_bandCount);
    const std::vector<colorcode::BandShape> bands = colorcode::bandShapes(selection);
    std::size_t next = 0;
    for (const form1design::PlacedBand &placed : layout.bands) {
        if (!placed.name)
            continue;
        Shape *shape = control<Shape>(this, QString::fromLatin1(placed.name));
        const colorcode::BandShape band =
            next < bands.size() ? bands[next] : colorcode::BandShape{};
        ++next;
        shape->setFillColor(band.fill);
        shape->setVisible(band.visible);
    }
    Shape1->setAccessibleDescription(colorcode::describeBands(selection));
    updateBandValues();
}

void Form1::Combo7_Click()
{
    const int to = Combo7->itemData(Combo7->currentIndex()).toInt();
    if (to == m_bandCount || !colorcode::isBandCount(to))
        return;
    const colorcode::BandSwitch change = colorcode::switchBandCount(selection(), to, m_dropped);
    m_bandCount = to;
    setLists(change.selection);
    applyBandLayout(to);

    // All four follow the new count: recalculated when it is complete,
    // empty when it is not, so nothing shows that is not chosen.
    showSelection(change.selection);
    if (change.dropped) {
        m_dropped = change.dropped;
        Command5->setVisible(false);
        const QString note =
            colorcode::droppedNote(*change.dropped, to, conversions::numberLocale());
        // The tolerance stays whole when the line wraps.
        showStandardLine({colorcode::droppedNote(*change.dropped, to, conversions::numberLocale(),
                                                 QChar(0x00A0))},
                         note);
        announce(this, note);
    } else if (change.selection.complete()) {
        m_dropped.reset();
    }
    emit bandCountChanged(to);
}

void Form1::applyBandLayout(int bandCount)
{
    const form1design::BandLayout &layout = layoutFor(bandCount);
    for (const form1design::Placed &p : layout.placed)
        designer::placeControl(this, QString::fromLatin1(p.name), p.left, p.top, p.width, p.height);
    std::vector<Shape *> shown;
    for (const form1design::PlacedBand &band : layout.bands) {
        if (!band.name)
            continue;
        designer::placeControl(this, QString::fromLatin1(band.name), band.left,
                               form1design::bandTop, form1design::bandWidth,
                               form1design::bandHeight);
        shown.push_back(control<Shape>(this, QString::fromLatin1(band.name)));
    }
    // Bands of another count go; those of this one show once drawn.
    for (Shape *band : Shape2)
        if (std::ranges::find(shown, band) == shown.end())
            band->setVisible(false);
    // The lists of this count show; the others go.
    const std::vector<QComboBox *> lists = bandLists();
    for (const std::vector<QComboBox *> &roleLists : m_roleLists)
        for (QComboBox *list : roleLists)
            list->setVisible(std::ranges::find(lists, list) != lists.end());
    fitWindow();
}

SmdWindow &Form1::smdWindow()
{
    if (!m_smd)
        m_smd = new SmdWindow(this);
    return *m_smd;
}

CombineWindow &Form1::combineWindow()
{
    if (!m_combine)
        m_combine = new CombineWindow(this);
    return *m_combine;
}

photo::PhotoWindow &Form1::photoWindow()
{
    if (!m_photo) {
        m_photo = new photo::PhotoWindow(this);
        // The photo window steps aside, so that the bands it gave are seen
        // and heard here.
        connect(m_photo, &photo::PhotoWindow::useReading, this,
                [this](const std::vector<colorcode::Colour> &colours) {
                    m_photo->hide();
                    useBands(colours);
                });
        // Bands the photo left in doubt are looked at closer where a meter
        // reading can settle them; the photo stays open to come back to.
        connect(m_photo, &photo::PhotoWindow::unsure, this,
                [this](const std::vector<colorcode::Colour> &colours,
                       const colorcode::DoubtfulBands &doubtful) {
                    const auto bands = colorcode::BandSelection::fromColours(colours);
                    if (!bands)
                        return;
                    doubtWindow().setBands(*bands, doubtful);
                    showTool(&doubtWindow());
                });
    }
    return *m_photo;
}

DoubtWindow &Form1::doubtWindow()
{
    if (!m_doubt) {
        m_doubt = new DoubtWindow(this);
        // As the photo window: the reading is seen and heard here.
        connect(m_doubt, &DoubtWindow::useReading, this,
                [this](const std::vector<colorcode::Colour> &colours) {
                    m_doubt->hide();
                    useBands(colours);
                });
    }
    return *m_doubt;
}

void Form1::showTool(QWidget *tool)
{
    tool->show();
    tool->raise();
    tool->activateWindow();
}

void Form1::findCombination(const colorcode::ExactValue &value, std::int32_t toleranceHundredths)
{
    // The series the tolerance's parts are made in, as the standard-value
    // line counts them.
    const combine::SeriesChoice series =
        combine::choiceFor(colorcode::seriesFor(toleranceHundredths));
    CombineWindow &tool = combineWindow();
    tool.showFor(value, series);
    showTool(&tool);
}

void Form1::Command4_Click()
{
    // From now on the button opens the menu itself.
    auto *tools = new QMenu(Command4);
    tools->addActions(actions());
    Command4->setMenu(tools);
    Command4->showMenu();
}

void Form1::Command5_Click()
{
    if (const std::optional<colorcode::BandReading> reading = m_shown.reading())
        findCombination(reading->value, reading->toleranceHundredths);
}

void Form1::useBands(const std::vector<colorcode::Colour> &colours)
{
    const std::optional<colorcode::BandSelection> chosen =
        colorcode::BandSelection::fromColours(colours);
    if (!chosen)
        return;
    Combo7->setCurrentIndex(int(countIndex(chosen->bandCount)));
    setLists(*chosen);
    raise();
    activateWindow();
    direnchesapla();
}

void Form1::Command1_Click()
{
    direnchesapla();
}

void Form1::Command2_Click()
{
    // Not modal: both windows stay usable.
    Form2 &entry = valueEntry();
    entry.show();
    entry.raise();
    entry.activateWindow();
}

Form2 &Form1::valueEntry()
{
    if (Form2 *entry = Form2::existing())
        return *entry;
    Form2 &entry = Form2::instance(this);
    entry.setBandCount(bandCount());
    connect(this, &Form1::bandCountChanged, &entry, &Form2::setBandCount);
    connect(&entry, &Form2::valueChosen, this, &Form1::useEnteredValue);
    connect(&entry, &Form2::combinationWanted, this, &Form1::findCombination);
    return entry;
}

void Form1::useEnteredValue(const colorcode::BandIndices &bands, int toleranceEntry,
                            int coefficientEntry, const QString &cutNote)
{
    colorcode::BandSelection chosen = selection();
    chosen.setValueBands(bands);
    chosen.setEntry(colorcode::Role::Tolerance, 0, toleranceEntry);
    chosen.setEntry(colorcode::Role::Coefficient, 0, coefficientEntry);
    setLists(chosen);
    // No digit is dropped without a word: the line says what was cut.
    setCutNote(cutNote);
    direncrekhesapla();
    // Its announcement is the only one: heard here as soon as the user is
    // back from the value-entry window.
    direnchesapla();
}

void Form1::Command3_Click()
{
    // The about window takes the main window's place until KAPAT.
    hide();
    // Hidden only if it was ever opened: no window is built just to hide it.
    if (Form2 *entry = Form2::existing())
        entry->hide();
    Form3 &about = Form3::instance();
    about.show();
    about.raise();
    about.activateWindow();
}

namespace
{

bool isEnter(const QKeyEvent *event)
{
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
           !(event->modifiers() & ~Qt::KeypadModifier);
}

} // namespace

void Form1::keyPressEvent(QKeyEvent *event)
{
    // Enter presses "Hesapla" wherever the focus is, unless a button has it:
    // a focused button presses itself before the key gets here.
    if (isEnter(event)) {
        Command1->click();
        return;
    }
    Form::keyPressEvent(event);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent *>(event))) {
        Command1->click();
        return true;
    }
    return Form::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent *event)
{
    // The close is never cancelled: closing the main window ends the program.
    event->accept();
    Form_Unload();
}

void Form1::Form_Unload()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window != this)
            window->hide();
    hide();
    QCoreApplication::exit(0);
}
