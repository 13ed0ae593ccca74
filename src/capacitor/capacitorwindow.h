#pragma once

#include <QDialog>
#include <QLocale>
#include <QTimer>

class QLineEdit;
class WrappedLabel;

// The capacitor marking window: a marking typed becomes every value it can
// mean, the likelier first, with why; a value typed becomes every marking
// that writes it. Non-modal, owned by the window that opens it.
class CapacitorWindow : public QDialog
{
    Q_OBJECT
public:
    explicit CapacitorWindow(QWidget *owner);

    QLineEdit *codeBox;        // "Kondansatör kodu"
    WrappedLabel *codeResult;  // what the marking reads as, or why it is none
    QLineEdit *valueBox;       // "Değer"
    WrappedLabel *valueResult; // the value's markings

    void setVisible(bool visible) override;

private:
    void codeEdited();
    void valueEdited();
    // Says a result once: when typing pauses, or at once on Enter.
    void announceResult(QTimer &timer, const WrappedLabel *result);

    QLocale m_locale;
    QTimer m_codeTimer;
    QTimer m_valueTimer;
    bool m_placed = false;
};
