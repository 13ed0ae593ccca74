#include "colorcode/form2.h"

#include "colorcode/bandtables.h"
#include "colorcode/entrypreview.h"
#include "colorcode/form2design.h"
#include "colorcode/resistance.h"
#include "colorcode/standardvaluetext.h"
#include "colorcode/valueentry.h"
#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/conversions.h"
#include "forms/messages.h"
#include "forms/twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <variant>

using designer::control;

namespace
{
// The letter code a suggestion button puts in the box.
const char suggestionProperty[] = "tavloraBoxText";
} // namespace

// A dialog of its owner, kept out of the task bar, and gone with it when the
// program ends.
Form2::Form2(QWidget *owner)
    : Form(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                      Qt::MSWindowsFixedSizeDialogHint)
{
    designer::applyWindow(this, form2design::window);
    setFixedSize(size());
    designer::buildControls(this, form2design::controls);

    Text1 = control<QLineEdit>(this, "Text1");
    Command1 = control<QPushButton>(this, "Command1");
    Frame1 = control<QGroupBox>(this, "Frame1");
    Frame2 = control<QGroupBox>(this, "Frame2");
    Option1 = control<QRadioButton>(this, "Option1");
    Option2 = control<QRadioButton>(this, "Option2");
    Option3 = control<QRadioButton>(this, "Option3");
    Option4 = control<QRadioButton>(this, "Option4");
    Option5 = control<QRadioButton>(this, "Option5");
    Option6 = control<QRadioButton>(this, "Option6");
    Frame3 = control<QGroupBox>(this, "Frame3");
    Frame4 = control<QGroupBox>(this, "Frame4");
    Label1 = control<WrappedLabel>(this, "Label1");
    Command2 = control<QPushButton>(this, "Command2");
    Command3 = control<QPushButton>(this, "Command3");
    Command4 = control<QPushButton>(this, "Command4");
    // Read with the keyboard after the options, before the suggestions.
    Label1->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    QWidget::setTabOrder(Option6, Label1);
    QWidget::setTabOrder(Label1, Command2);

    // Captioned like the design's "% 5", with the user's separator.
    const QLocale locale = conversions::numberLocale();
    for (const form2design::OptionEntry &o : form2design::toleranceOptions) {
        auto *option = control<QRadioButton>(this, QString::fromLatin1(o.option));
        if (option->text().isEmpty())
            option->setText(tr("% %1").arg(colorcode::percentText(
                colorcode::toleranceList[std::size_t(o.index)].number, locale)));
    }
    for (const form2design::OptionEntry &o : form2design::coefficientOptions)
        control<QRadioButton>(this, QString::fromLatin1(o.option))
            ->setText(QString::number(colorcode::coefficientList[std::size_t(o.index)].number) +
                      QStringLiteral(" ppm/K"));

    // A longer paste is cut to this length and then refused as too long,
    // never read as the different value its first characters spell.
    Text1->setMaxLength(colorcode::maxTypedLength);

    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command4, &QPushButton::clicked, this, &Form2::Command4_Click);
    for (QPushButton *button : {Command2, Command3})
        connect(button, &QPushButton::clicked, this, [this, button] { takeSuggestion(button); });
    connect(Text1, &QLineEdit::textChanged, this, &Form2::updatePreview);
    for (QRadioButton *option : findChildren<QRadioButton *>())
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                updatePreview();
        });
}

void Form2::setBandCount(int bandCount)
{
    m_bandCount = bandCount;
    updatePreview();
    Frame4->setVisible(colorcode::hasRole(bandCount, colorcode::Role::Coefficient));
}

colorcode::Unit Form2::chosenUnit() const
{
    if (Option2->isChecked())
        return colorcode::Unit::Kohm;
    if (Option3->isChecked())
        return colorcode::Unit::Mohm;
    return colorcode::Unit::Ohm;
}

void Form2::updatePreview()
{
    const colorcode::EntryPreview preview =
        colorcode::entryPreview(Text1->text(), chosenUnit(), m_bandCount,
                                colorcode::toleranceList[std::size_t(chosenTolerance())].number,
                                conversions::numberLocale());
    Command4->setVisible(preview.verdict && !preview.verdict->standard());
    const QString text = preview.lines().join(u'\n');
    Label1->setText(text);
    Label1->setFocusPolicy(text.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
    fitHint();
    const std::pair<QPushButton *, const std::optional<colorcode::Suggestion> &> buttons[] = {
        {Command2, preview.below}, {Command3, preview.above}};
    for (const auto &[button, suggestion] : buttons) {
        button->setVisible(suggestion.has_value());
        button->setText(suggestion ? suggestion->text : QString());
        button->setProperty(suggestionProperty, suggestion ? suggestion->boxText : QString());
    }
}

void Form2::fitHint()
{
    // The hint shows every line it has: the suggestions and the window move
    // down by what it needs beyond its design height.
    const int designHeight = twips::toPixels(form2design::hintHeight);
    const int needed = int(Label1->lines().size()) * Label1->fontMetrics().lineSpacing();
    const int extra = std::max(0, needed - designHeight);
    Label1->resize(Label1->width(), designHeight + extra);
    for (const form2design::Placed &p : form2design::belowHint)
        designer::placeControl(this, QString::fromLatin1(p.name), p.left, p.top, p.width, p.height);
    for (QPushButton *button : {Command2, Command3, Command4})
        button->move(button->x(), button->y() + extra);
    const QSize designed =
        twips::toPixels(form2design::window.clientWidth, form2design::window.clientHeight);
    setFixedSize(designed.width(), designed.height() + extra);
}

void Form2::Command4_Click()
{
    const QChar separator = conversions::numberLocale().decimalPoint().at(0);
    const auto typed = colorcode::readTypedNumber(Text1->text(), chosenUnit(), separator);
    if (const auto *value = std::get_if<colorcode::ExactValue>(&typed))
        emit combinationWanted(*value,
                               colorcode::toleranceList[std::size_t(chosenTolerance())].number);
}

void Form2::takeSuggestion(QPushButton *button)
{
    const QString boxText = button->property(suggestionProperty).toString();
    if (boxText.isEmpty())
        return;
    Text1->setText(boxText);
    // Heard at once: what is in the box now, and how it will be shown.
    announce(this, boxText + QStringLiteral(": ") + Label1->text());
    Text1->setFocus();
}

int Form2::chosenTolerance() const
{
    for (const form2design::OptionEntry &o : form2design::toleranceOptions)
        if (control<QRadioButton>(this, QString::fromLatin1(o.option))->isChecked())
            return o.index;
    return colorcode::altinToleranceIndex;
}

int Form2::chosenCoefficient() const
{
    for (const form2design::OptionEntry &o : form2design::coefficientOptions)
        if (control<QRadioButton>(this, QString::fromLatin1(o.option))->isChecked())
            return o.index;
    return 1;
}

void Form2::setVisible(bool visible)
{
    // Opened the first time beside the main window, so that it covers
    // neither the lists it sets nor the result; afterwards it stays where
    // the user left it. Placed before the window system sees it, so that
    // the position counts the frame.
    if (visible && !m_placed) {
        designer::placeBesideOwner(this);
        m_placed = true;
    }
    Form::setVisible(visible);
}

void Form2::showEvent(QShowEvent *event)
{
    Form::showEvent(event);
    Text1->setFocus();
}

void Form2::Command1_Click()
{
    const colorcode::Unit unit = chosenUnit();

    // Checked whole before anything on the main window changes, with the
    // decimal separator the main window shows and its band count.
    const int bandCount = m_bandCount;
    const QChar separator = conversions::numberLocale().decimalPoint().at(0);
    // Read once: the number as typed, then its bands, so that what the bands
    // cut can be told.
    const auto typed = colorcode::readTypedNumber(Text1->text(), unit, separator);
    const auto *number = std::get_if<colorcode::ExactValue>(&typed);
    const colorcode::BandsOrError reading =
        number ? colorcode::bandsFor(*number, bandCount)
               : colorcode::BandsOrError(std::get<colorcode::ValueError>(typed));
    if (const auto *error = std::get_if<colorcode::ValueError>(&reading)) {
        showWarning(this, windowTitle(),
                    colorcode::valueErrorMessage(*error, separator, bandCount));
        Text1->selectAll();
        Text1->setFocus();
        return;
    }
    const auto &bands = std::get<colorcode::BandIndices>(reading);

    // The owner sets its lists and calculates; its announcement is the only
    // one, heard there as soon as the user is back.
    emit valueChosen(
        bands, chosenTolerance(), chosenCoefficient(),
        colorcode::cutNote(*number, colorcode::valueOf(bands), conversions::numberLocale()));
    hide();
}
