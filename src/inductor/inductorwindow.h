#pragma once

#include "inductor/inductorbands.h"

#include <QDialog>
#include <QLocale>
#include <QTimer>

#include <array>
#include <vector>

class QComboBox;
class QLineEdit;
class WrappedLabel;

// The inductor colour-code window: the bands chosen, first to last, become
// every value they can mean, the likelier first, with why; a value typed
// becomes its bands. Non-modal, owned by the window that opens it.
class InductorWindow : public QDialog
{
    Q_OBJECT
public:
    explicit InductorWindow(QWidget *owner);

    std::array<QComboBox *, 5> bandLists;
    QComboBox *bandCountList; // four bands, or the five of the military form
    WrappedLabel *bandResult;
    QLineEdit *valueBox; // "Değer"
    WrappedLabel *valueResult;

    void setVisible(bool visible) override;

private:
    void bandCountChosen();
    void bandChosen();
    void valueEdited();
    void announceResult(QTimer &timer, const WrappedLabel *result);

    QLocale m_locale;
    QTimer m_bandTimer;
    QTimer m_valueTimer;
    bool m_placed = false;
};
