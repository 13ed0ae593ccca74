#include "inductor/inductorwindow.h"

#include "capacitor/quantity.h"
#include "colorcode/colourtext.h"
#include "colorcode/valueentry.h"
#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/conversions.h"
#include "inductor/inductordesign.h"
#include "inductor/inductortext.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include <variant>

using designer::control;
using inductor::Colour;
using inductor::Role;

namespace
{

// The colours a band of a role can be, in the main window's order.
std::vector<Colour> coloursFor(Role role)
{
    std::vector<Colour> colours;
    if (role == Role::Marker)
        return {Colour::Gumus};
    for (const inductor::ColourRow &row : inductor::colourRows) {
        const bool fits = role == Role::Digit       ? row.digit.has_value()
                          : role == Role::Tolerance ? row.toleranceHundredths.has_value()
                                                    : true;
        if (fits)
            colours.push_back(row.colour);
    }
    if (role == Role::Tolerance)
        colours.push_back(Colour::Renksiz);
    return colours;
}

} // namespace

InductorWindow::InductorWindow(QWidget *owner)
    : ToolWindow(owner, Size::Fixed), m_locale(conversions::numberLocale())
{
    designer::applyWindow(this, inductordesign::window);
    setFixedSize(size());
    designer::buildControls(this, inductordesign::controls);

    for (std::size_t i = 0; i < bandLists.size(); ++i)
        bandLists[i] = control<QComboBox>(this, QStringLiteral("Combo%1").arg(i + 1));
    bandCountList = control<QComboBox>(this, QStringLiteral("Combo6"));
    bandResult = control<WrappedLabel>(this, QStringLiteral("Label2"));
    valueBox = control<QLineEdit>(this, QStringLiteral("Text1"));
    valueResult = control<WrappedLabel>(this, QStringLiteral("Label4"));

    for (const inductor::BandCount &count : inductor::bandCounts)
        if (count.count >= 4)
            bandCountList->addItem(count.count == 5 ? tr("5 bant (askeri)")
                                                    : tr("%1 bant").arg(count.count),
                                   count.count);
    bandCountList->setCurrentIndex(0);
    valueBox->setPlaceholderText(QStringLiteral("270u, 2") + m_locale.decimalPoint() +
                                 QStringLiteral("2µH"));
    valueBox->setMaxLength(colorcode::maxTypedLength);
    for (WrappedLabel *result : {bandResult, valueResult})
        setUpResult(result);
    QWidget::setTabOrder(bandCountList, bandResult);
    QWidget::setTabOrder(bandResult, valueBox);
    QWidget::setTabOrder(valueBox, valueResult);

    bandCountChosen();
    for (QComboBox *list : bandLists)
        connect(list, &QComboBox::currentIndexChanged, this, &InductorWindow::bandChosen);
    connect(bandCountList, &QComboBox::currentIndexChanged, this, &InductorWindow::bandCountChosen);
    connect(valueBox, &QLineEdit::textChanged, this, &InductorWindow::valueEdited);
    connect(valueBox, &QLineEdit::returnPressed, this, &InductorWindow::announceNow);
}

void InductorWindow::bandCountChosen()
{
    const int count = bandCountList->currentData().toInt();
    for (const inductor::BandCount &entry : inductor::bandCounts) {
        if (entry.count != count)
            continue;
        for (std::size_t i = 0; i < bandLists.size(); ++i) {
            QComboBox *list = bandLists[i];
            const QSignalBlocker quiet(list);
            list->clear();
            list->setVisible(int(i) < count);
            if (int(i) >= count)
                continue;
            for (const Colour colour : coloursFor(entry.roles[i]))
                list->addItem(colorcode::colourText(colour), int(colour));
            list->setCurrentIndex(entry.roles[i] == Role::Marker ? 0 : -1);
        }
    }
    bandChosen();
}

void InductorWindow::bandChosen()
{
    const int count = bandCountList->currentData().toInt();
    std::vector<Colour> colours;
    for (int i = 0; i < count; ++i) {
        const QComboBox *list = bandLists[std::size_t(i)];
        if (list->currentIndex() < 0) {
            showResult(bandResult, {});
            return;
        }
        colours.push_back(Colour(list->currentData().toInt()));
    }
    showResult(bandResult, inductor::decodeLines(inductor::readBands(colours), m_locale));
    announceWhenTypingPauses([this] { return spoken(bandResult); });
}

void InductorWindow::valueEdited()
{
    const QString text = valueBox->text();
    QStringList lines;
    if (!text.trimmed().isEmpty()) {
        const auto typed =
            quantity::readQuantity(text, quantity::Kind::Inductance, m_locale.decimalPoint().at(0));
        if (const auto *value = std::get_if<colorcode::ExactValue>(&typed))
            lines = inductor::encodeLines(*value, m_locale);
        else
            lines << std::get<QString>(typed);
    }
    showResult(valueResult, lines);
    announceWhenTypingPauses([this] { return spoken(valueResult); });
}
