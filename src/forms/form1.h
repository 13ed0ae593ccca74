#pragma once

#include "colorcode/valueentry.h"
#include "forms/form.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class Shape;
class WrappedLabel;

// The main window: the band lists, the result box, the drawn resistor and
// the buttons that calculate and lead to the other windows. Four bands at
// start; the band count adds a third digit list (five) and the coefficient
// list (six).
class Form1 : public Form<Form1>
{
    Q_OBJECT
public:
    Form1();

    // Reads the lists, shows the value with unit and tolerance in Text1,
    // then repaints the bands.
    void direnchesapla();
    // Shows the bands in the colours chosen in the lists.
    void direncrekhesapla();

    double deger() const { return m_deger; }
    QString sonuc() const { return m_sonuc; }

    // 4, 5 or 6, as chosen in Combo7.
    int bandCount() const { return m_bandCount; }
    // The band lists of the current count, left to right.
    std::vector<QComboBox *> bandLists() const;
    // The digit lists and the multiplier list of the current count, in order.
    std::vector<QComboBox *> valueLists() const;

    // What a screen reader is told after a calculation: the bands, the
    // result, then the standard-value line.
    QString resultAnnouncement() const;

    // Whether the value is a standard one, and which are nearest; empty
    // before a calculation and for 0 Ohm.
    QString standardLine() const { return m_standardLine; }

    // Said once, in the standard-value line of the next calculation: the
    // value-entry window tells what it cut from a typed value.
    void setCutNote(const QString &note) { m_cutNote = note; }

    QComboBox *Combo1;
    QComboBox *Combo2;
    QComboBox *Combo3;
    QComboBox *Combo4;
    QComboBox *Combo5; // third digit, five and six bands
    QComboBox *Combo6; // temperature coefficient, six bands
    QComboBox *Combo7; // band count
    QLineEdit *Text1;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    Shape *Shape1;
    WrappedLabel *Label1; // standard values
    // First, second digit, multiplier, tolerance, third digit, coefficient.
    std::array<Shape *, 6> Shape2;

signals:
    void bandCountChanged(int bandCount);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Combo7_Click();

    void applyBandLayout(int bandCount);
    std::optional<colorcode::BandIndices> chosenValueBands() const;
    // Whether every list of the current band count has a choice.
    bool allChosen() const;
    void showResult();
    void showStandardLine(const QString &text);

    double m_deger = 0;
    QString m_sonuc;
    QString m_cutNote;
    QString m_standardLine;
    int m_bandCount = 4;
};
