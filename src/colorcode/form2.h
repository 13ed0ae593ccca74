#pragma once

#include "colorcode/valueentry.h"
#include "forms/form.h"

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class WrappedLabel;

// The value-entry window: a typed value with unit and tolerance becomes the
// band choice of the window that owns it, told by valueChosen.
class Form2 : public Form<Form2, QDialog>
{
    Q_OBJECT
public:
    explicit Form2(QWidget *owner);

    QLineEdit *Text1;
    QPushButton *Command1;
    QGroupBox *Frame1;
    QGroupBox *Frame2;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QRadioButton *Option3;
    QRadioButton *Option4;
    QRadioButton *Option5;
    QRadioButton *Option6;
    QGroupBox *Frame3;     // the finer tolerances
    QGroupBox *Frame4;     // the temperature coefficient, six bands
    WrappedLabel *Label1;  // how the value will be shown, and its series
    QPushButton *Command2; // the nearest standard value below
    QPushButton *Command3; // and above
    QPushButton *Command4; // a combination of standard parts

    void setVisible(bool visible) override;

    // Shows the coefficient options with six bands only.
    void setBandCount(int bandCount);

signals:
    // Tamam with a value the band count shows exactly: its value bands, the
    // tolerance and coefficient entries chosen, and the note on what was cut
    // of the typed digits (empty when nothing was). The window hides after.
    void valueChosen(const colorcode::BandIndices &bands, int toleranceEntry, int coefficientEntry,
                     const QString &cutNote);
    // "Birleşim bul" for the typed value, at the chosen tolerance.
    void combinationWanted(const colorcode::ExactValue &value, std::int32_t toleranceHundredths);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Command1_Click();
    void Command4_Click();
    // Puts a suggested standard value in the box.
    void takeSuggestion(QPushButton *button);
    // Says, while the user types, how the value will be shown and which
    // standard values are nearest.
    void updatePreview();
    // Grows the window for every line of the hint, the suggestions below it.
    void fitHint();
    colorcode::Unit chosenUnit() const;
    // The chosen entries, as indices into the tolerance and coefficient tables.
    int chosenTolerance() const;
    int chosenCoefficient() const;

    bool m_placed = false;
    int m_bandCount = 4;
};
