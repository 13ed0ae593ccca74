#pragma once

#include "forms/form.h"

#include <QString>

#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;
class Shape;

// The main window: four band lists, the result box, the drawn resistor and
// the buttons that calculate and lead to the other windows.
class Form1 : public Form<Form1>
{
    Q_OBJECT
public:
    Form1();

    // Reads the four lists, shows the value with unit and tolerance in
    // Text1, then repaints the bands.
    void direnchesapla();
    // Shows the four bands in the colours chosen in the lists.
    void direncrekhesapla();

    // What is spoken after a calculation: the bands, then the value, as
    // the main window shows them.
    QString resultAnnouncement() const;

    double deger() const { return m_deger; }
    QString sonuc() const { return m_sonuc; }

    QComboBox *Combo1;
    QComboBox *Combo2;
    QComboBox *Combo3;
    QComboBox *Combo4;
    QLineEdit *Text1;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    Shape *Shape1;
    std::array<Shape *, 4> Shape2;

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

    double m_deger = 0;
    QString m_sonuc;
};
