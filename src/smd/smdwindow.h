#pragma once

#include <QDialog>
#include <QLocale>
#include <QTimer>

class QLineEdit;
class WrappedLabel;

// The SMD marking window: a code typed becomes its value, how it was read,
// its tolerance and standard value; a value typed becomes every marking it
// has. Non-modal, owned by the window that opens it.
class SmdWindow : public QDialog
{
    Q_OBJECT
public:
    explicit SmdWindow(QWidget *owner);

    QLineEdit *codeBox;        // "SMD kodu"
    WrappedLabel *codeResult;  // what the code reads as, or why it is no code
    QLineEdit *valueBox;       // "Değer"
    WrappedLabel *valueResult; // the value's markings

    void setVisible(bool visible) override;

private:
    void showCode();
    void showValue();
    // Says a result once: when typing pauses, or at once on Enter.
    void announceResult(QTimer &timer, const WrappedLabel *result);

    QLocale m_locale;
    QTimer m_codeTimer;
    QTimer m_valueTimer;
    bool m_placed = false;
};
