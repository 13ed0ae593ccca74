#include "capacitor/capacitorwindow.h"

#include "capacitor/capacitordesign.h"
#include "capacitor/capacitortext.h"
#include "capacitor/quantity.h"
#include "colorcode/valueentry.h"
#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/conversions.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include <variant>

using designer::control;

CapacitorWindow::CapacitorWindow(QWidget *owner)
    : ToolWindow(owner, Size::Fixed), m_locale(conversions::numberLocale())
{
    designer::applyWindow(this, capacitordesign::window);
    setFixedSize(size());
    designer::buildControls(this, capacitordesign::controls);

    codeBox = control<QLineEdit>(this, QStringLiteral("Text1"));
    codeResult = control<WrappedLabel>(this, QStringLiteral("Label2"));
    valueBox = control<QLineEdit>(this, QStringLiteral("Text2"));
    valueResult = control<WrappedLabel>(this, QStringLiteral("Label4"));

    codeBox->setPlaceholderText(QStringLiteral("104, 4n7, 2A474J, S3"));
    valueBox->setPlaceholderText(QStringLiteral("4") + m_locale.decimalPoint() +
                                 QStringLiteral("7n, 100nF, 0") + m_locale.decimalPoint() +
                                 QStringLiteral("1µ"));
    for (QLineEdit *box : {codeBox, valueBox})
        box->setMaxLength(colorcode::maxTypedLength);
    for (WrappedLabel *result : {codeResult, valueResult})
        setUpResult(result);
    QWidget::setTabOrder(codeBox, codeResult);
    QWidget::setTabOrder(codeResult, valueBox);
    QWidget::setTabOrder(valueBox, valueResult);

    connect(codeBox, &QLineEdit::textChanged, this, &CapacitorWindow::codeEdited);
    connect(valueBox, &QLineEdit::textChanged, this, &CapacitorWindow::valueEdited);
    // Said once typing pauses, or at once on Enter.
    for (QLineEdit *box : {codeBox, valueBox})
        connect(box, &QLineEdit::returnPressed, this, &CapacitorWindow::announceNow);
}

void CapacitorWindow::codeEdited()
{
    const QString text = codeBox->text();
    showResult(codeResult, text.trimmed().isEmpty()
                               ? QStringList()
                               : capacitor::decodeLines(capacitor::readMarking(text), m_locale));
    announceWhenTypingPauses([this] { return spoken(codeResult); });
}

void CapacitorWindow::valueEdited()
{
    const QString text = valueBox->text();
    QStringList lines;
    if (!text.trimmed().isEmpty()) {
        const auto typed = quantity::readQuantity(text, quantity::Kind::Capacitance,
                                                  m_locale.decimalPoint().at(0));
        if (const auto *value = std::get_if<colorcode::ExactValue>(&typed))
            lines = capacitor::encodeLines(*value, m_locale);
        else
            lines << std::get<QString>(typed);
    }
    showResult(valueResult, lines);
    announceWhenTypingPauses([this] { return spoken(valueResult); });
}
