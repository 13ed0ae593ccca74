#pragma once

#include "forms/toolwindow.h"

#include <QLocale>

class QLineEdit;
class WrappedLabel;

// The SMD marking window: a code typed becomes its value, how it was read,
// its tolerance and standard value; a value typed becomes every marking it
// has. Non-modal, owned by the window that opens it.
class SmdWindow : public ToolWindow
{
    Q_OBJECT
public:
    explicit SmdWindow(QWidget *owner);

    QLineEdit *codeBox;        // "SMD kodu"
    WrappedLabel *codeResult;  // what the code reads as, or why it is no code
    QLineEdit *valueBox;       // "Değer"
    WrappedLabel *valueResult; // the value's markings

private:
    void showCode();
    void showValue();

    QLocale m_locale;
};
