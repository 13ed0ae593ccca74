#include "smd/smdwindow.h"

#include "colorcode/resistance.h"
#include "colorcode/valueentry.h"
#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/conversions.h"
#include "smd/smddesign.h"
#include "smd/smdmarking.h"
#include "smd/smdtext.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <variant>

using designer::control;

SmdWindow::SmdWindow(QWidget *owner)
    : ToolWindow(owner, Size::Fixed), m_locale(conversions::numberLocale())
{
    designer::applyWindow(this, smddesign::window);
    setFixedSize(size());
    designer::buildControls(this, smddesign::controls);

    codeBox = control<QLineEdit>(this, QStringLiteral("Text1"));
    codeResult = control<WrappedLabel>(this, QStringLiteral("Label2"));
    valueBox = control<QLineEdit>(this, QStringLiteral("Text2"));
    valueResult = control<WrappedLabel>(this, QStringLiteral("Label4"));

    codeBox->setPlaceholderText(QStringLiteral("472, 4R7, 01C"));
    valueBox->setPlaceholderText(QStringLiteral("4K7, 4") + m_locale.decimalPoint() +
                                 QStringLiteral("7 kΩ"));
    for (QLineEdit *box : {codeBox, valueBox})
        box->setMaxLength(colorcode::maxTypedLength);
    // The results are read with the keyboard after their boxes.
    for (WrappedLabel *result : {codeResult, valueResult})
        setUpResult(result);
    QWidget::setTabOrder(codeBox, codeResult);
    QWidget::setTabOrder(codeResult, valueBox);
    QWidget::setTabOrder(valueBox, valueResult);

    connect(codeBox, &QLineEdit::textChanged, this, &SmdWindow::showCode);
    connect(valueBox, &QLineEdit::textChanged, this, &SmdWindow::showValue);
    // Said once typing pauses, or at once on Enter.
    for (QLineEdit *box : {codeBox, valueBox})
        connect(box, &QLineEdit::returnPressed, this, &SmdWindow::announceNow);
}

void SmdWindow::showCode()
{
    const QString text = codeBox->text();
    showResult(codeResult, text.trimmed().isEmpty()
                               ? QStringList()
                               : smd::decodeLines(smd::readMarking(text), m_locale, true));
    announceWhenTypingPauses([this] { return spoken(codeResult); });
}

void SmdWindow::showValue()
{
    const QString text = valueBox->text();
    QStringList lines;
    if (!text.trimmed().isEmpty()) {
        const QChar separator = m_locale.decimalPoint().at(0);
        const auto typed = colorcode::readTypedNumber(text, colorcode::Unit::Ohm, separator);
        if (const auto *value = std::get_if<colorcode::ExactValue>(&typed))
            lines = QStringList{colorcode::valueText(*value, m_locale)} +
                    smd::encodeLines(smd::markingsFor(*value), m_locale);
        else
            // Six bands: the limits of the widest band count, which a
            // number read alone never reaches.
            lines << colorcode::valueErrorMessage(std::get<colorcode::ValueError>(typed), separator,
                                                  6);
    }
    showResult(valueResult, lines);
    announceWhenTypingPauses([this] { return spoken(valueResult); });
}
