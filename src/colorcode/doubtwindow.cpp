#include "colorcode/doubtwindow.h"

#include "colorcode/colourtext.h"
#include "colorcode/valueentry.h"
#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/conversions.h"
#include "forms/designer.h"
#include "numbers/exactnumber.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <variant>

namespace
{

// The window's caption and first size, in twips; the layout grows it where
// its font needs more.
constexpr designer::Window design{QT_TRANSLATE_NOOP("DoubtWindow", "Renkten Emin Değilim"), 7200,
                                  5400, designer::Placement::BesideOwner};

} // namespace

DoubtWindow::DoubtWindow(QWidget *owner)
    : ToolWindow(owner, Size::Resizable), m_locale(conversions::numberLocale())
{
    designer::applyWindow(this, design);
    auto *grid = new QGridLayout(this);

    // A row a band: its place, its colour list and whether it is in doubt.
    for (int band = 0; band < colorcode::maxBandCount; ++band) {
        const QString place = tr("%1. bant").arg(band + 1);
        auto *label = new QLabel(tr("%1:").arg(place), this);
        auto *list = new QComboBox(this);
        list->setAccessibleName(place);
        label->setBuddy(list);
        auto *box = new QCheckBox(tr("Emin değilim"), this);
        box->setAccessibleName(tr("Emin değilim: %1").arg(place));
        grid->addWidget(label, band, 0);
        grid->addWidget(list, band, 1);
        grid->addWidget(box, band, 2);
        m_bandLabels[std::size_t(band)] = label;
        bandLists[std::size_t(band)] = list;
        doubtBoxes[std::size_t(band)] = box;
        connect(list, &QComboBox::currentIndexChanged, this, &DoubtWindow::showReadings);
        connect(box, &QCheckBox::toggled, this, &DoubtWindow::showReadings);
        announceChoiceChanges(list);
    }
    int row = colorcode::maxBandCount;

    auto *measuredLabel = new QLabel(tr("Ölçülen değer:"), this);
    measuredBox = new QLineEdit(this);
    measuredBox->setAccessibleName(tr("Ölçülen değer"));
    measuredBox->setMaxLength(colorcode::maxTypedLength);
    measuredBox->setPlaceholderText(QStringLiteral("4K7, 1") + m_locale.decimalPoint() +
                                    QStringLiteral("02k, 1020"));
    measuredLabel->setBuddy(measuredBox);
    grid->addWidget(measuredLabel, row, 0);
    grid->addWidget(measuredBox, row++, 1, 1, 2);

    auto *errorLabel = new QLabel(tr("Ölçüm hatası (%):"), this);
    meterErrorBox = new QLineEdit(
        numbers::text(numbers::fromUnits(colorcode::defaultMeterErrorHundredths, 2), m_locale),
        this);
    meterErrorBox->setAccessibleName(tr("Ölçüm hatası"));
    meterErrorBox->setMaxLength(8);
    errorLabel->setBuddy(meterErrorBox);
    grid->addWidget(errorLabel, row, 0);
    grid->addWidget(meterErrorBox, row++, 1, 1, 2);

    summary = new WrappedLabel(QString(), this);
    summary->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    grid->addWidget(summary, row++, 0, 1, 3);

    readingList = new QListWidget(this);
    readingList->setAccessibleName(tr("Okumalar"));
    // Wide enough for a long line of six bands, whole.
    const QString longLine =
        tr("Kahverengi Kahverengi Kahverengi Kahverengi Kahverengi Kahverengi  "
           "100 Kilo Ohm  ± % 0,05  100 ppm/K — E96/E24 değil — ölçümle uyuşmuyor",
           "a long line of the list, in the widest colour names, for its width");
    readingList->setMinimumSize(readingList->fontMetrics().horizontalAdvance(longLine) + 24,
                                readingList->fontMetrics().lineSpacing() * 8);
    grid->addWidget(readingList, row++, 0, 1, 3);

    useButton = new QPushButton(tr("Kullan"), this);
    useButton->setAutoDefault(false);
    grid->addWidget(useButton, row++, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);

    connect(measuredBox, &QLineEdit::textChanged, this, &DoubtWindow::showReadings);
    connect(meterErrorBox, &QLineEdit::textChanged, this, &DoubtWindow::showReadings);
    for (QLineEdit *box : {measuredBox, meterErrorBox})
        connect(box, &QLineEdit::returnPressed, this, &DoubtWindow::announceNow);
    connect(useButton, &QPushButton::clicked, this, &DoubtWindow::useClicked);
    connect(readingList, &QListWidget::itemActivated, this, &DoubtWindow::useClicked);

    setBands(colorcode::BandSelection::empty(colorcode::minBandCount));
    // The layout's size, before the first placement beside the owner.
    adjustSize();
}

void DoubtWindow::setBands(const colorcode::BandSelection &bands,
                           const colorcode::DoubtfulBands &doubtful)
{
    const std::span<const colorcode::Role> roles = bands.roles();
    if (roles.empty())
        return;
    m_bandCount = bands.bandCount;
    for (std::size_t band = 0; band < bandLists.size(); ++band) {
        QComboBox *list = bandLists[band];
        const bool shown = band < roles.size();
        const QSignalBlocker quietList(list);
        const QSignalBlocker quietBox(doubtBoxes[band]);
        list->clear();
        if (shown) {
            // The plain colour names, as the main window's lists hold them.
            for (const colorcode::BandEntry &entry : colorcode::entriesOf(roles[band]))
                list->addItem(colorcode::colourText(entry.colour));
            list->setCurrentIndex(bands.entries[band]);
        }
        doubtBoxes[band]->setChecked(shown && doubtful[band]);
        for (QWidget *w : {static_cast<QWidget *>(m_bandLabels[band]), static_cast<QWidget *>(list),
                           static_cast<QWidget *>(doubtBoxes[band])})
            w->setVisible(shown);
    }
    showReadings();
}

colorcode::BandSelection DoubtWindow::chosenBands() const
{
    colorcode::BandSelection bands = colorcode::BandSelection::empty(m_bandCount);
    for (int band = 0; band < m_bandCount; ++band)
        bands.entries[std::size_t(band)] = bandLists[std::size_t(band)]->currentIndex();
    return bands;
}

void DoubtWindow::showReadings()
{
    const colorcode::BandSelection bands = chosenBands();
    colorcode::DoubtfulBands doubtful{};
    for (std::size_t band = 0; band < doubtful.size(); ++band)
        doubtful[band] = int(band) < m_bandCount && doubtBoxes[band]->isChecked();

    // A measurement is judged only when both boxes read; else why not.
    const QChar separator = m_locale.decimalPoint().at(0);
    std::optional<colorcode::Measurement> measured;
    QString problem;
    if (!measuredBox->text().trimmed().isEmpty()) {
        const auto typed =
            colorcode::readTypedNumber(measuredBox->text(), colorcode::Unit::Ohm, separator);
        const auto error = colorcode::readMeterError(meterErrorBox->text(), separator);
        if (const auto *refused = std::get_if<colorcode::ValueError>(&typed))
            problem = colorcode::valueErrorMessage(*refused, separator, colorcode::maxBandCount);
        else if (!error)
            problem = tr("Ölçüm hatası 0 ile 100 arasında bir yüzde olmalıdır.");
        else
            measured = colorcode::Measurement{std::get<colorcode::ExactValue>(typed), *error};
    }

    m_readings = colorcode::doubtReadings(bands, doubtful, measured);
    readingList->clear();
    for (const colorcode::DoubtReading &reading : m_readings)
        readingList->addItem(colorcode::readingItemText(reading, m_locale));
    // Made current only where the user is: Orca reads a row made current in
    // a list without the focus, besides the announcement below. Kullan
    // takes the first reading until a row is chosen.
    if (!m_readings.empty() && readingList->hasFocus())
        readingList->setCurrentRow(0);
    useButton->setEnabled(!m_readings.empty());

    QString said;
    if (m_readings.empty())
        said = tr("Her bant için bir renk seçiniz.");
    else
        said = colorcode::doubtSummary(m_readings, m_locale);
    if (!problem.isEmpty())
        said = problem + u' ' + said;
    summary->setText(said);

    m_toAnnounce = m_readings.empty() ? said : colorcode::doubtAnnouncement(m_readings, m_locale);
    if (!problem.isEmpty())
        m_toAnnounce = problem + u' ' + m_toAnnounce;
    // Each change of the list said once, when typing pauses.
    announceWhenTypingPauses([this] { return m_toAnnounce; });
}

void DoubtWindow::useClicked()
{
    const int row = std::max(readingList->currentRow(), 0);
    if (std::size_t(row) >= m_readings.size())
        return;
    emit useReading(m_readings[std::size_t(row)].selection.colours());
}
