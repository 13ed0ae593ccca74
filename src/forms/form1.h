#pragma once

#include "colorcode/bandselection.h"
#include "colorcode/valueentry.h"
#include "forms/form.h"

#include <QPointer>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

class BandValues;
class CombineWindow;
class DoubtWindow;
class Form2;
class QAction;
class QComboBox;
class SmdWindow;
class QLineEdit;
class QPushButton;
class Shape;
class WrappedLabel;
namespace photo
{
class PhotoWindow;
}

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
    // the standard-value line, then repaints the bands.
    void direnchesapla();
    // Shows the bands chosen in the lists; none while a list is unchosen.
    void direncrekhesapla();

    double deger() const { return m_deger; }
    QString sonuc() const { return m_sonuc; }

    // 4, 5 or 6, as chosen in Combo7.
    int bandCount() const { return m_bandCount; }
    // The band lists of the current count, left to right.
    std::vector<QComboBox *> bandLists() const;
    // The list of the k-th band playing a role in the current count.
    QComboBox *listFor(colorcode::Role role, int k = 0) const;

    // What the lists hold now, read in one go.
    colorcode::BandSelection selection() const;
    // Sets the lists of the selection's band count (which must be the
    // current one) to its entries.
    void setLists(const colorcode::BandSelection &selection);
    // What the result, the line, the drawing and its description show: the
    // selection of the last calculation or band switch.
    const colorcode::BandSelection &shownSelection() const { return m_shown; }

    // What a screen reader is told after a calculation: the bands, the
    // result, then the standard-value line.
    QString resultAnnouncement() const;

    // Whether the value is a standard one, and which are nearest, as one
    // sentence; after a switch that dropped a value, what was dropped.
    // Empty before a calculation and for 0 Ohm.
    QString standardLine() const { return m_standardLine; }

    // Said once, in the standard-value line of the next calculation: the
    // value-entry window tells what it cut from a typed value.
    void setCutNote(const QString &note) { m_cutNote = note; }

    // The tool windows, each built the first time it is asked for.
    SmdWindow &smdWindow();
    // The value-entry window, made and connected on first use.
    Form2 &valueEntry();
    CombineWindow &combineWindow();
    photo::PhotoWindow &photoWindow();
    DoubtWindow &doubtWindow();
    // Opens "Direnç Birleştir" for a value, in the series of a tolerance.
    void findCombination(const colorcode::ExactValue &value, std::int32_t toleranceHundredths);
    // Puts bands read elsewhere (a photo) into the lists, switching the band
    // count to theirs, and calculates.
    void useBands(const std::vector<colorcode::Colour> &colours);

    // "Bantlarda değerleri göster": what each band means, written on the
    // drawing; the window grows downward for it. Remembered between runs.
    bool bandValuesShown() const;
    void setBandValuesShown(bool shown);
    // The labels, once they have been shown.
    BandValues *bandValues() const { return m_values; }

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
    QPushButton *Command4; // the tools menu
    QPushButton *Command5; // a combination for a value that is not standard
    Shape *Shape1;
    WrappedLabel *Label1; // standard values
    // First, second digit, multiplier, tolerance, third digit, coefficient.
    std::array<Shape *, 6> Shape2;

signals:
    void bandCountChanged(int bandCount);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Combo7_Click();
    void Command4_Click();
    void Command5_Click();
    // Tamam on the value-entry window: its value bands, tolerance and
    // coefficient go into the lists, then the result is calculated and said.
    void useEnteredValue(const colorcode::BandIndices &bands, int toleranceEntry,
                         int coefficientEntry, const QString &cutNote);
    // Shows a tool window beside this one, raised and active.
    void showTool(QWidget *tool);

    void applyBandLayout(int bandCount);
    // Result, line, drawing and description for a selection; all empty
    // when it is incomplete.
    void showSelection(const colorcode::BandSelection &selection);
    void showResult(const colorcode::BandSelection &selection);
    void drawBands(const colorcode::BandSelection &selection);
    void showStandardLine(const QStringList &lines, const QString &spoken);
    // The layout's size, grown for the line, never below the user's size.
    void fitWindow();
    void updateBandValues();

    double m_deger = 0;
    QString m_sonuc;
    QString m_cutNote;
    QString m_standardLine;
    int m_bandCount = colorcode::minBandCount;
    colorcode::BandSelection m_shown;
    // The value the last switch could not take along, until the next
    // calculation; a switch back brings it back.
    std::optional<colorcode::BandSelection> m_dropped;
    // The lists of each role, digits left to right.
    std::array<std::vector<QComboBox *>, colorcode::roleCount> m_roleLists;
    int m_lineExtra = 0; // pixels the standard-value line grows the window by
    QSize m_requested;   // the size the program last asked for
    QSize m_userSize;    // the size the user last gave the window
    QPointer<SmdWindow> m_smd;
    QPointer<CombineWindow> m_combine;
    QPointer<photo::PhotoWindow> m_photo;
    QPointer<DoubtWindow> m_doubt;
    QAction *m_valuesAction = nullptr;
    BandValues *m_values = nullptr;
};
