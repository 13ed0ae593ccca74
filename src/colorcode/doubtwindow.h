#pragma once

#include "colorcode/bandselection.h"
#include "colorcode/colourdoubt.h"

#include "forms/toolwindow.h"

#include <QLocale>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class WrappedLabel;

// "Renkten Emin Değilim": bands whose colour the user is not sure of, every
// reading they allow, and which of them a value measured on the part agrees
// with. Non-modal, owned by the window that opens it.
class DoubtWindow : public ToolWindow
{
    Q_OBJECT
public:
    explicit DoubtWindow(QWidget *owner);

    // Shows the bands of a selection, complete or not, with the bands marked
    // doubtful ticked; the measured value stays as typed.
    void setBands(const colorcode::BandSelection &bands,
                  const colorcode::DoubtfulBands &doubtful = {});

    // The readings listed, in the list's order.
    const std::vector<colorcode::DoubtReading> &readings() const { return m_readings; }

    std::array<QComboBox *, colorcode::maxBandCount> bandLists{};
    std::array<QCheckBox *, colorcode::maxBandCount> doubtBoxes{}; // "Emin değilim"
    QLineEdit *measuredBox;                                        // "Ölçülen değer"
    QLineEdit *meterErrorBox;                                      // "Ölçüm hatası", percent
    WrappedLabel *summary; // how many readings agree, or why none is judged
    QListWidget *readingList;
    QPushButton *useButton; // "Kullan"

signals:
    // The colours of the chosen reading, left to right.
    void useReading(const std::vector<colorcode::Colour> &colours);

private:
    // Reads the controls, lists the readings and says how many agree.
    void showReadings();
    void useClicked();
    colorcode::BandSelection chosenBands() const;

    QLocale m_locale;
    int m_bandCount = colorcode::minBandCount;
    std::array<QLabel *, colorcode::maxBandCount> m_bandLabels{};
    std::vector<colorcode::DoubtReading> m_readings;
    // What a screen reader is told of the list as it stands.
    QString m_toAnnounce;
};
