#pragma once

#include "inductor/inductorbands.h"

#include "forms/toolwindow.h"

#include <QLocale>

#include <array>
#include <vector>

class QComboBox;
class QLineEdit;
class WrappedLabel;

// The inductor colour-code window: the bands chosen, first to last, become
// every value they can mean, the likelier first, with why; a value typed
// becomes its bands. Non-modal, owned by the window that opens it.
class InductorWindow : public ToolWindow
{
    Q_OBJECT
public:
    explicit InductorWindow(QWidget *owner);

    std::array<QComboBox *, 5> bandLists;
    QComboBox *bandCountList; // four bands, or the five of the military form
    WrappedLabel *bandResult;
    QLineEdit *valueBox; // "Değer"
    WrappedLabel *valueResult;

private:
    void bandCountChosen();
    void bandChosen();
    void valueEdited();

    QLocale m_locale;
};
