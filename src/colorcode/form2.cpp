#include "colorcode/form2.h"

#include "colorcode/form2design.h"
#include "colorcode/valueentry.h"
#include "forms/conversions.h"
#include "forms/form1.h"
#include "forms/messages.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using designer::control;

// Owned by the main window: a dialog of it, kept out of the task bar, and
// gone with it when the program ends.
Form2::Form2()
    : Form(&Form1::instance(), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                   Qt::MSWindowsFixedSizeDialogHint)
{
    designer::applyWindow(this, form2design::window);
    setFixedSize(size());
    designer::buildControls(this, form2design::controls);

    Text1 = control<QLineEdit>(this, "Text1");
    Command1 = control<QPushButton>(this, "Command1");
    Frame1 = control<QGroupBox>(this, "Frame1");
    Frame2 = control<QGroupBox>(this, "Frame2");
    Option1 = control<QRadioButton>(this, "Option1");
    Option2 = control<QRadioButton>(this, "Option2");
    Option3 = control<QRadioButton>(this, "Option3");
    Option4 = control<QRadioButton>(this, "Option4");
    Option5 = control<QRadioButton>(this, "Option5");
    Option6 = control<QRadioButton>(this, "Option6");

    // A longer paste is cut to this length and then refused as too long,
    // never read as the different value its first characters spell.
    Text1->setMaxLength(colorcode::maxTypedLength);

    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
}

void Form2::setVisible(bool visible)
{
    // Opened the first time beside the main window, so that it covers
    // neither the lists it sets nor the result; afterwards it stays where
    // the user left it. Placed before the window system sees it, so that
    // the position counts the frame.
    if (visible && !m_placed) {
        designer::placeBesideOwner(this);
        m_placed = true;
    }
    Form::setVisible(visible);
}

void Form2::showEvent(QShowEvent *event)
{
    Form::showEvent(event);
    Text1->setFocus();
}

void Form2::Command1_Click()
{
    using colorcode::Unit;
    Unit unit = Unit::Ohm;
    if (Option2->isChecked())
        unit = Unit::Kohm;
    if (Option3->isChecked())
        unit = Unit::Mohm;

    // Checked whole before anything on the main window changes, with the
    // decimal separator the main window shows.
    const QChar separator = conversions::numberLocale().decimalPoint().at(0);
    const colorcode::ValueReading reading =
        colorcode::readTypedValue(Text1->text(), unit, separator);
    if (!reading.bands) {
        showWarning(this, windowTitle(), colorcode::valueErrorMessage(*reading.error, separator));
        Text1->selectAll();
        Text1->setFocus();
        return;
    }

    Form1 &main = Form1::instance();
    if (Option4->isChecked())
        main.Combo4->setCurrentIndex(0);
    if (Option5->isChecked())
        main.Combo4->setCurrentIndex(1);
    if (Option6->isChecked())
        main.Combo4->setCurrentIndex(2);
    main.Combo1->setCurrentIndex(reading.bands->first);
    main.Combo2->setCurrentIndex(reading.bands->second);
    main.Combo3->setCurrentIndex(reading.bands->multiplier);

    main.direncrekhesapla();
    // Its announcement is the only one: heard on the main window as soon as
    // the user is back there.
    main.direnchesapla();
    hide();
}
