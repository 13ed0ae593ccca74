#include "forms/form1.h"

#include "colorcode/bandpainting.h"
#include "colorcode/bandtables.h"
#include "colorcode/form2.h"
#include "colorcode/resistance.h"
#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/conversions.h"
#include "forms/form1design.h"
#include "forms/form3.h"
#include "forms/messages.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using designer::control;

namespace
{

void fillDigitList(QComboBox *list)
{
    for (const colorcode::ColourEntry &entry : colorcode::colourList)
        list->addItem(QString::fromUtf8(entry.text), colorcode::digitItemData);
    list->setCurrentIndex(-1);
}

void fillMultiplierList(QComboBox *list)
{
    for (const colorcode::ColourEntry &entry : colorcode::multiplierList)
        list->addItem(QString::fromUtf8(entry.text), entry.powerOfTen);
    list->setCurrentIndex(-1);
}

void fillToleranceList(QComboBox *list)
{
    for (const colorcode::ToleranceEntry &entry : colorcode::toleranceList)
        list->addItem(QString::fromUtf8(entry.text), entry.percent);
    list->setCurrentIndex(-1);
}

std::int32_t chosenItemData(const QComboBox *list)
{
    return list->itemData(list->currentIndex()).toInt();
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
    Text1 = control<QLineEdit>(this, "Text1");
    Command1 = control<QPushButton>(this, "Command1");
    Command2 = control<QPushButton>(this, "Command2");
    Command3 = control<QPushButton>(this, "Command3");
    Shape1 = control<Shape>(this, "Shape1");
    for (std::size_t i = 0; i < Shape2.size(); ++i)
        Shape2[i] = control<Shape>(this, QStringLiteral("Shape2(%1)").arg(i));

    fillDigitList(Combo1);
    fillDigitList(Combo2);
    fillMultiplierList(Combo3);
    fillToleranceList(Combo4);

    // GNOME's and GTK's platform themes make a closed list open on Enter;
    // here Enter belongs to "Hesapla". Alt+Down and F4 still open a list, and
    // Enter inside an open one goes to its popup, never to the list itself.
    for (QComboBox *list : {Combo1, Combo2, Combo3, Combo4})
        list->installEventFilter(this);

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);

    Form_Load();
}

void Form1::Form_Load()
{
    // The resistor first shows as an empty body with its leads.
    Shape2[3]->setVisible(false);
    Shape2[0]->setVisible(false);
    Shape2[1]->setVisible(false);
    Shape2[2]->setVisible(false);
    Shape1->setAccessibleDescription(colorcode::describeBands({}, {}));
}

void Form1::direnchesapla()
{
    // A value needs a colour in every band; without one there is nothing
    // sound to compute, so nothing is changed.
    const colorcode::BandChoice choice{Combo1->currentIndex(), Combo2->currentIndex(),
                                       Combo3->currentIndex(), Combo4->currentIndex()};
    if (!choice.complete()) {
        showWarning(this, QStringLiteral("Tavlora"),
                    QStringLiteral("Lütfen dört bandın her biri için bir renk seçiniz."));
        return;
    }

    const auto result =
        colorcode::calculateResistance(choice.first, choice.second, chosenItemData(Combo3),
                                       chosenItemData(Combo4), conversions::numberLocale());
    if (!result)
        return;
    m_deger = result->deger;
    m_sonuc = result->sonuc;
    Text1->setText(m_sonuc);
    // Heard where the user is, without going to the result box; from the
    // value-entry window, once the user is back here.
    announce(this, resultAnnouncement());
    direncrekhesapla();
}

QString Form1::resultAnnouncement() const
{
    QStringList colours;
    for (const QComboBox *list : {Combo1, Combo2, Combo3, Combo4})
        colours << list->currentText();
    return colours.join(QStringLiteral(", ")) + QStringLiteral(". ") + m_sonuc;
}

void Form1::direncrekhesapla()
{
    colorcode::BandShapes bands;
    for (std::size_t i = 0; i < bands.size(); ++i)
        bands[i] = {Shape2[i]->isVisibleTo(this), Shape2[i]->fillColor()};

    colorcode::paintBands(bands, {Combo1->currentIndex(), Combo2->currentIndex(),
                                  Combo3->currentIndex(), Combo4->currentIndex()});
    Shape1->setAccessibleDescription(
        colorcode::describeBands(bands, {Combo1->currentText(), Combo2->currentText(),
                                         Combo3->currentText(), Combo4->currentText()}));

    // Tolerance band first, as the bands have always been shown.
    for (std::size_t i : {3u, 0u, 1u, 2u}) {
        Shape2[i]->setFillColor(bands[i].fill);
        Shape2[i]->setVisible(bands[i].visible);
    }
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
