#pragma once

#include "forms/toolwindow.h"

#include <QLocale>

class QLineEdit;
class WrappedLabel;

// The capacitor marking window: a marking typed becomes every value it can
// mean, the likelier first, with why; a value typed becomes every marking
// that writes it. Non-modal, owned by the window that opens it.
class CapacitorWindow : public ToolWindow
{
    Q_OBJECT
public:
    explicit CapacitorWindow(QWidget *owner);

    QLineEdit *codeBox;        // "Kondansatör kodu"
    WrappedLabel *codeResult;  // what the marking reads as, or why it is none
    QLineEdit *valueBox;       // "Değer"
    WrappedLabel *valueResult; // the value's markings

private:
    void codeEdited();
    void valueEdited();

    QLocale m_locale;
};
