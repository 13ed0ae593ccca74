#include "forms/form1.h"

#include "colorcode/bandpainting.h"
#include "colorcode/bandtables.h"
#include "colorcode/form2.h"
#include "colorcode/readingdirection.h"
#include "colorcode/resistance.h"
#include "colorcode/standardvaluetext.h"
#include "colorcode/valueentry.h"
#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/conversions.h"
#include "forms/form1design.h"
#include "forms/form3.h"
#include "forms/messages.h"
#include "forms/twips.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <span>
#include <variant>

using designer::control;

namespace
{

void fillList(QComboBox *list, std::span<const colorcode::BandEntry> entries)
{
    for (const colorcode::BandEntry &entry : entries)
        list->addItem(QString::fromUtf8(entry.text), entry.number);
    list->setCurrentIndex(-1);
}

// The digit lists carry no numbers of their own: the digit is the index.
void fillDigitList(QComboBox *list)
{
    for (const colorcode::BandEntry &entry : colorcode::colourList)
        list->addItem(QString::fromUtf8(entry.text), colorcode::digitItemData);
    list->setCurrentIndex(-1);
}

void fillBandCountList(QComboBox *list)
{
    for (int count = colorcode::minBandCount; count <= colorcode::maxBandCount; ++count)
        list->addItem(QStringLiteral("%1 bant").arg(count), count);
    list->setCurrentIndex(0);
}

std::int32_t chosenItemData(const QComboBox *list)
{
    return list->itemData(list->currentIndex()).toInt();
}

QString countWord(int bandCount)
{
    switch (bandCount) {
    case 5:
        return QStringLiteral("beş");
    case 6:
        return QStringLiteral("altı");
    default:
        return QStringLiteral("dört");
    }
}

const form1design::BandLayout &layoutFor(int bandCount)
{
    return form1design::bandLayouts[std::size_t(bandCount - colorcode::minBandCount)];
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
    Shape1 = control<Shape>(this, "Shape1");
    Label1 = control<WrappedLabel>(this, "Label1");
    Label1->setFocusPolicy(Qt::NoFocus);
    for (std::size_t i = 0; i < Shape2.size(); ++i)
        Shape2[i] = control<Shape>(this, QStringLiteral("Shape2(%1)").arg(i));

    fillDigitList(Combo1);
    fillDigitList(Combo2);
    fillDigitList(Combo5);
    fillList(Combo3, colorcode::multiplierList);
    fillList(Combo4, colorcode::toleranceList);
    fillList(Combo6, colorcode::coefficientList);
    fillBandCountList(Combo7);

    // The new lists take their place in the row's tab order while shown;
    // hidden, Tab passes them by.
    QWidget::setTabOrder(Combo2, Combo5);
    QWidget::setTabOrder(Combo5, Combo3);
    QWidget::setTabOrder(Combo4, Combo6);
    QWidget::setTabOrder(Combo6, Text1);
    QWidget::setTabOrder(Combo7, Label1);

    // GNOME's and GTK's platform themes make a closed list open on Enter;
    // here Enter belongs to "Hesapla". Alt+Down and F4 still open a list, and
    // Enter inside an open one goes to its popup, never to the list itself.
    for (QComboBox *list : {Combo1, Combo2, Combo3, Combo4, Combo5, Combo6, Combo7})
        list->installEventFilter(this);

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Combo7, &QComboBox::currentIndexChanged, this, &Form1::Combo7_Click);

    Form_Load();
}

void Form1::Form_Load()
{
    Combo5->setVisible(false);
    Combo6->setVisible(false);
    // The resistor first shows as an empty body with its leads.
    Shape2[3]->setVisible(false);
    Shape2[0]->setVisible(false);
    Shape2[1]->setVisible(false);
    Shape2[2]->setVisible(false);
    Shape2[4]->setVisible(false);
    Shape2[5]->setVisible(false);
    Shape1->setAccessibleDescription(colorcode::describeBands({}, {}));
}

std::vector<QComboBox *> Form1::valueLists() const
{
    if (m_bandCount == 4)
        return {Combo1, Combo2, Combo3};
    return {Combo1, Combo2, Combo5, Combo3};
}

std::vector<QComboBox *> Form1::bandLists() const
{
    std::vector<QComboBox *> lists = valueLists();
    lists.push_back(Combo4);
    if (m_bandCount == 6)
        lists.push_back(Combo6);
    return lists;
}

QString Form1::resultAnnouncement() const
{
    QStringList colours;
    for (const QComboBox *list : bandLists())
        colours << list->currentText();
    QString said = colours.join(QStringLiteral(", ")) + QStringLiteral(". ") + m_sonuc;
    if (!m_standardLine.isEmpty())
        said += QStringLiteral(". ") + m_standardLine;
    return said;
}

void Form1::direnchesapla()
{
    // A value needs a colour in every band; without one there is nothing
    // sound to compute, so nothing is changed.
    if (!allChosen()) {
        showWarning(this, QStringLiteral("Tavlora"),
                    QStringLiteral("Lütfen ") + countWord(m_bandCount) +
                        QStringLiteral(" bandın her biri için bir renk seçiniz."));
        return;
    }
    showResult();
    // Heard where the user is, without going to the result box; from the
    // value-entry window, once the user is back here.
    announce(this, resultAnnouncement());
    direncrekhesapla();
}

// Writes the value of complete lists to the result box; empties it when a
// list has no choice.
void Form1::showResult()
{
    const std::optional<colorcode::BandIndices> value = chosenValueBands();
    std::optional<std::int32_t> coefficient;
    if (m_bandCount == 6 && Combo6->currentIndex() >= 0)
        coefficient = chosenItemData(Combo6);
    const auto result = allChosen()
                            ? colorcode::calculateResistance(value->digits, chosenItemData(Combo3),
                                                             chosenItemData(Combo4), coefficient,
                                                             conversions::numberLocale())
                            : std::nullopt;
    m_deger = result ? result->deger : 0;
    m_sonuc = result ? result->sonuc : QString();
    Text1->setText(m_sonuc);

    QString line;
    if (result) {
        const std::optional<int> coefficientIndex =
            m_bandCount == 6 ? std::optional<int>(Combo6->currentIndex()) : std::nullopt;
        const auto colours = colorcode::bandColours(value->digits, Combo3->currentIndex(),
                                                    Combo4->currentIndex(), coefficientIndex);
        line = colorcode::standardValueLine(colours, conversions::numberLocale());
        if (!m_cutNote.isEmpty())
            line = line.isEmpty() ? m_cutNote : m_cutNote + QStringLiteral(". ") + line;
    }
    m_cutNote.clear();
    showStandardLine(line);
}

// The line as the label shows it: each value with its error on a line of
// its own where the width allows (a run of spaces ends a line), a percentage
// never parted from its sign.
static QString displayedLine(QString line)
{
    line.replace(QStringLiteral("), "), QStringLiteral(")  "));
    line.replace(QStringLiteral("en yakın: "), QStringLiteral("en yakın:  "));
    line.replace(QStringLiteral(". Ters yönden"), QStringLiteral(".  Ters yönden"));
    line.replace(QStringLiteral(" %)"), QStringLiteral("\u00A0%)"));
    return line;
}

void Form1::showStandardLine(const QString &text)
{
    m_standardLine = text;
    Label1->setText(displayedLine(text));
    // Read with the keyboard, and in the tab order, only while it says
    // something; an empty line at start builds no text control.
    Label1->setTextInteractionFlags(text.isEmpty()
                                        ? Qt::NoTextInteraction
                                        : Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    Label1->setFocusPolicy(text.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
    // A long line grows the window downwards rather than being cut off.
    const form1design::BandLayout &layout = layoutFor(m_bandCount);
    const int designHeight = twips::toPixels(form1design::labelHeight);
    const int needed = int(Label1->lines().size()) * Label1->fontMetrics().lineSpacing();
    const int extra = std::max(0, needed - designHeight);
    Label1->resize(Label1->width(), designHeight + extra);
    resize(twips::toPixels(layout.clientWidth),
           twips::toPixels(form1design::window.clientHeight) + extra);
}

void Form1::direncrekhesapla()
{
    const form1design::BandLayout &layout = layoutFor(m_bandCount);
    std::vector<Shape *> shapes;
    for (const form1design::PlacedBand &band : layout.bands)
        if (band.name)
            shapes.push_back(control<Shape>(this, QString::fromLatin1(band.name)));

    std::vector<colorcode::BandShape> bands;
    for (const Shape *shape : shapes)
        bands.push_back({shape->isVisibleTo(this), shape->fillColor()});
    colorcode::BandChoice choice{Combo1->currentIndex(), Combo2->currentIndex(),
                                 Combo3->currentIndex(), Combo4->currentIndex()};
    choice.third = Combo5->currentIndex();
    choice.coefficient = Combo6->currentIndex();
    choice.bandCount = m_bandCount;
    colorcode::paintBands(bands, choice);

    QStringList entries;
    for (const QComboBox *list : bandLists())
        entries << list->currentText();
    if (m_bandCount == 6 && Combo6->currentIndex() >= 0)
        entries.back() += QStringLiteral(" ") + conversions::integerToText(chosenItemData(Combo6)) +
                          QStringLiteral(" ppm/K");
    const std::vector<QString> names(entries.begin(), entries.end());
    Shape1->setAccessibleDescription(colorcode::describeBands(bands, names));

    // Tolerance band first, as the bands have always been shown.
    const std::size_t tolerance = std::size_t(valueLists().size());
    shapes[tolerance]->setFillColor(bands[tolerance].fill);
    shapes[tolerance]->setVisible(bands[tolerance].visible);
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        shapes[i]->setFillColor(bands[i].fill);
        shapes[i]->setVisible(bands[i].visible);
    }
}

bool Form1::allChosen() const
{
    return std::ranges::none_of(bandLists(),
                                [](const QComboBox *list) { return list->currentIndex() < 0; });
}

// The chosen value lists; nothing while one is unchosen.
std::optional<colorcode::BandIndices> Form1::chosenValueBands() const
{
    colorcode::BandIndices bands;
    for (const QComboBox *list : valueLists()) {
        if (list->currentIndex() < 0)
            return std::nullopt;
        if (list != Combo3)
            bands.digits.push_back(list->currentIndex());
    }
    bands.multiplier = Combo3->currentIndex();
    return bands;
}

void Form1::Combo7_Click()
{
    const int from = m_bandCount;
    const int to = chosenItemData(Combo7);
    if (to == from || to < colorcode::minBandCount || to > colorcode::maxBandCount)
        return;
    const bool wasDrawn = Shape2[0]->isVisibleTo(this);

    // Between four bands and more the value is kept where the new count shows
    // it exactly, in the bands the value box gives it; otherwise the value
    // lists start anew. Between five and six they stay as they are.
    if ((from == 4) != (to == 4)) {
        const std::optional<colorcode::BandIndices> before = chosenValueBands();
        const std::optional<colorcode::BandIndices> bands =
            before ? colorcode::sameValueBands(*before, to) : std::nullopt;
        m_bandCount = to;
        const auto lists = valueLists();
        for (std::size_t i = 0; i + 1 < lists.size(); ++i)
            lists[i]->setCurrentIndex(bands ? bands->digits[i] : -1);
        Combo3->setCurrentIndex(bands ? bands->multiplier : -1);
    }
    // A list new to the count starts unchosen.
    if (to == 6)
        Combo6->setCurrentIndex(-1);
    m_bandCount = to;

    applyBandLayout(to);
    showResult();
    if (wasDrawn)
        direncrekhesapla();
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
    Combo5->setVisible(bandCount >= 5);
    Combo6->setVisible(bandCount == 6);
    designer::resizeWindow(this, layout.clientWidth, form1design::window.clientHeight);
    showStandardLine(m_standardLine);
}

void Form1::Command1_Click()
{
    direnchesapla();
}

void Form1::Command2_Click()
{
    // Not modal: both windows stay usable.
    Form2 &entry = Form2::instance();
    entry.show();
    entry.raise();
    entry.activateWindow();
}

void Form1::Command3_Click()
{
    // The about window takes the main window's place until KAPAT.
    hide();
    Form2::instance().hide();
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
