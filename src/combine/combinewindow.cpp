#include "combine/combinewindow.h"

#include "colorcode/entrypreview.h"
#include "forms/accessibility.h"
#include "forms/conversions.h"
#include "forms/designer.h"
#include "numbers/exactnumber.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <variant>

using namespace combine;

namespace
{

// The window: its rows change with the answer, so it is laid out by Qt's
// layouts; the first client size in twips.
constexpr designer::Window windowDesign{QT_TRANSLATE_NOOP("CombineWindow", "Direnç Birleştir"),
                                        9900, 5400, designer::Placement::BesideOwner};

// The labelled controls, row by row: label caption, accessible name, grid
// row and column (a label takes one column, its control the next). The
// words are translated where the window is built.
struct Field {
    const char *caption;
    const char *accessibleName;
    int row, column;
};
constexpr Field targetField{QT_TRANSLATE_NOOP("CombineWindow", "&Hedef:"),
                            QT_TRANSLATE_NOOP("CombineWindow", "Hedef"), 0, 0};
constexpr Field seriesField{QT_TRANSLATE_NOOP("CombineWindow", "&Seri:"),
                            QT_TRANSLATE_NOOP("CombineWindow", "Seri"), 1, 0};
constexpr Field partsField{QT_TRANSLATE_NOOP("CombineWindow", "En çok &parça:"),
                           QT_TRANSLATE_NOOP("CombineWindow", "En çok parça"), 1, 2};
constexpr Field lowField{QT_TRANSLATE_NOOP("CombineWindow", "&Alt sınır:"),
                         QT_TRANSLATE_NOOP("CombineWindow", "Alt sınır"), 2, 0};
constexpr Field highField{QT_TRANSLATE_NOOP("CombineWindow", "Üs&t sınır:"),
                          QT_TRANSLATE_NOOP("CombineWindow", "Üst sınır"), 2, 2};
constexpr Field leftOutField{QT_TRANSLATE_NOOP("CombineWindow", "Dışarıda &bırak:"),
                             QT_TRANSLATE_NOOP("CombineWindow", "Dışarıda bırak"), 3, 0};
constexpr const char *ratioCaption = QT_TRANSLATE_NOOP("CombineWindow", "&Oran (bölücü)");
constexpr const char *resultsCaption = QT_TRANSLATE_NOOP("CombineWindow", "So&nuçlar:");

// Up to this many pairs (E48 over the default range) the tables are built
// at once, in a few tens of milliseconds; larger ones off the window's
// thread, the window saying "Hesaplanıyor…" meanwhile.
constexpr std::size_t pairsBuiltAtOnce = 50000;
// The table sets kept for switching back and forth between series.
constexpr std::size_t keptTables = 4;
// A range being typed pauses this long before its tables are built.
constexpr int buildDelayMs = 150;

template <typename T>
T *addField(QGridLayout *grid, QWidget *parent, const Field &field, T *control)
{
    auto *label = new QLabel(QCoreApplication::translate("CombineWindow", field.caption), parent);
    label->setBuddy(control);
    control->setAccessibleName(QCoreApplication::translate("CombineWindow", field.accessibleName));
    grid->addWidget(label, field.row, field.column);
    grid->addWidget(control, field.row, field.column + 1);
    return control;
}

} // namespace

CombineWindow::CombineWindow(QWidget *owner) : ToolWindow(owner, Size::Resizable)
{
    designer::applyWindow(this, windowDesign);
    setWindowTitle(QCoreApplication::translate("CombineWindow", windowDesign.caption));

    auto *grid = new QGridLayout;
    targetBox = addField(grid, this, targetField, new QLineEdit(this));
    targetBox->setMaxLength(colorcode::maxTypedLength);
    ratioBox = new QCheckBox(QCoreApplication::translate("CombineWindow", ratioCaption), this);
    ratioBox->setAccessibleName(tr("Oran"));
    grid->addWidget(ratioBox, targetField.row, 2, 1, 2);
    seriesList = addField(grid, this, seriesField, new QComboBox(this));
    for (const SeriesChoice s : seriesChoices)
        seriesList->addItem(seriesChoiceName(s));
    seriesList->setCurrentIndex(
        int(std::ranges::find(seriesChoices, SeriesChoice::E24) - seriesChoices.begin()));
    partsList = addField(grid, this, partsField, new QComboBox(this));
    partsList->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    partsList->setCurrentIndex(1);
    for (QComboBox *list : {seriesList, partsList})
        announceChoiceChanges(list);
    lowBox = addField(grid, this, lowField, new QLineEdit(defaultLowText(false), this));
    highBox = addField(grid, this, highField, new QLineEdit(defaultHighText(false), this));
    leftOutBox = addField(grid, this, leftOutField, new QLineEdit(this));
    grid->removeWidget(leftOutBox);
    grid->addWidget(leftOutBox, leftOutField.row, leftOutField.column + 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    statusLabel = new QLabel(this);
    statusLabel->setWordWrap(true);
    statusLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *resultsLabel =
        new QLabel(QCoreApplication::translate("CombineWindow", resultsCaption), this);
    resultList = new QListWidget(this);
    resultList->setAccessibleName(tr("Sonuçlar"));
    resultsLabel->setBuddy(resultList);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(statusLabel);
    layout->addWidget(resultsLabel);
    layout->addWidget(resultList, 1);

    // The other mode's first boxes.
    m_otherLow = defaultLowText(true);
    m_otherHigh = defaultHighText(true);
    showMode(false);

    m_buildDelay.setSingleShot(true);
    m_buildDelay.setInterval(buildDelayMs);
    connect(&m_buildDelay, &QTimer::timeout, this, &CombineWindow::startBuilding);

    const auto edited = [this] {
        recompute();
        announceWhenTypingPauses([this] { return summaryOnceBuilt(); });
    };
    for (QLineEdit *box : {targetBox, lowBox, highBox, leftOutBox}) {
        connect(box, &QLineEdit::textChanged, this, edited);
        connect(box, &QLineEdit::returnPressed, this, &CombineWindow::announceNow);
    }
    for (QComboBox *list : {seriesList, partsList})
        connect(list, &QComboBox::currentIndexChanged, this, edited);
    connect(ratioBox, &QCheckBox::toggled, this, [this, edited](bool divider) {
        switchMode(divider);
        edited();
    });
    recompute();
}

CombineWindow::~CombineWindow()
{
    // A build under way finishes first: it works on data of its own, and its
    // answer, posted to this window, goes with it.
    if (m_worker.joinable())
        m_worker.join();
}

void CombineWindow::showFor(const colorcode::ExactValue &target, SeriesChoice series)
{
    ratioBox->setChecked(false);
    {
        const QSignalBlocker blockTarget(targetBox), blockSeries(seriesList), blockLow(lowBox),
            blockHigh(highBox);
        targetBox->setText(colorcode::boxTextOf(target));
        // The parts near the value: a decade either side of it.
        lowBox->setText(colorcode::boxTextOf(numbers::shifted(target, -1)));
        highBox->setText(colorcode::boxTextOf(numbers::shifted(target, 1)));
        seriesList->setCurrentIndex(
            int(std::ranges::find(seriesChoices, series) - seriesChoices.begin()));
    }
    recompute();
    announceWhenTypingPauses([this] { return summaryOnceBuilt(); });
    show();
    raise();
    activateWindow();
    targetBox->setFocus();
}

Boxes CombineWindow::boxes() const
{
    Boxes b;
    b.target = targetBox->text();
    b.low = lowBox->text();
    b.high = highBox->text();
    b.leftOut = leftOutBox->text();
    b.series = seriesChoices[std::size_t(std::max(0, seriesList->currentIndex()))];
    b.maxParts = partsList->currentIndex() + 1;
    b.divider = ratioBox->isChecked();
    return b;
}

void CombineWindow::switchMode(bool divider)
{
    // Each mode keeps its own target and range.
    const QSignalBlocker blockTarget(targetBox), blockLow(lowBox), blockHigh(highBox);
    const QString target = targetBox->text(), low = lowBox->text(), high = highBox->text();
    targetBox->setText(m_otherTarget);
    lowBox->setText(m_otherLow);
    highBox->setText(m_otherHigh);
    m_otherTarget = target;
    m_otherLow = low;
    m_otherHigh = high;
    showMode(divider);
}

void CombineWindow::showMode(bool divider)
{
    partsList->setEnabled(!divider);
    const QString mark = conversions::numberLocale().decimalPoint();
    targetBox->setPlaceholderText(
        divider ? tr("%1 ya da %2")
                      .arg(QStringLiteral("0") + mark + QStringLiteral("66"),
                           QStringLiteral("5 V 3") + mark + QStringLiteral("3 V"))
                : QStringLiteral("9K; 4") + mark + QStringLiteral("7 kΩ"));
}

std::shared_ptr<const CombineWindow::Built> CombineWindow::cached(const TableKey &key) const
{
    for (const auto &[k, built] : m_cache)
        if (k == key)
            return built;
    return nullptr;
}

void CombineWindow::remember(const TableKey &key, std::shared_ptr<const Built> built)
{
    std::erase_if(m_cache, [&key](const auto &entry) { return entry.first == key; });
    m_cache.insert(m_cache.begin(), {key, std::move(built)});
    if (m_cache.size() > keptTables)
        m_cache.pop_back();
}

void CombineWindow::recompute()
{
    m_wanted.reset();
    const QLocale locale = conversions::numberLocale();
    const auto read = readQuestion(boxes(), locale.decimalPoint().at(0));
    if (const auto *message = std::get_if<QString>(&read)) {
        showAnswer({*message}, {});
        return;
    }
    const Question &q = std::get<Question>(read);
    const TableKey key{q.series, q.low, q.high};
    std::shared_ptr<const Built> built = needsPairTables(q) ? cached(key) : nullptr;
    std::optional<PartSet> set;
    if (!built) {
        auto made = partsInRange(q.series, q.low, q.high);
        if (const auto *error = std::get_if<RangeError>(&made)) {
            showAnswer({rangeErrorMessage(*error, q.series)}, {});
            return;
        }
        set = std::move(std::get<PartSet>(made));
        if (needsPairTables(q)) {
            if (pairCount(*set) > pairsBuiltAtOnce) {
                m_wanted = key;
                showAnswer({tr("Hesaplanıyor…")}, {});
                if (!isBuilding())
                    m_buildDelay.start();
                return;
            }
            PairTables tables(*set);
            built = std::make_shared<const Built>(Built{std::move(*set), std::move(tables)});
            remember(key, built);
        }
    }
    const PartSet &parts = built ? built->set : *set;
    const Answer a = answer(q, parts, built ? &built->tables : nullptr, locale);
    QStringList notes = a.notes;
    if (!a.message.isEmpty())
        notes.prepend(a.message);
    showAnswer(notes, a.lines,
               tr("Aralıkta %n %1 değeri.", nullptr, int(parts.parts.size()))
                   .arg(seriesChoiceName(q.series)));
}

void CombineWindow::startBuilding()
{
    if (isBuilding() || !m_wanted)
        return;
    auto made = partsInRange(m_wanted->series, m_wanted->low, m_wanted->high);
    if (!std::holds_alternative<PartSet>(made))
        return;
    if (m_worker.joinable())
        m_worker.join();
    m_building = m_wanted;
    m_worker = std::thread([this, key = *m_wanted, set = std::get<PartSet>(std::move(made))]() {
        PairTables tables(set);
        auto built = std::make_shared<const Built>(Built{set, std::move(tables)});
        QMetaObject::invokeMethod(
            this, [this, key, built] { tablesBuilt(key, built); }, Qt::QueuedConnection);
    });
}

void CombineWindow::tablesBuilt(const TableKey &key, std::shared_ptr<const Built> built)
{
    m_worker.join();
    m_building.reset();
    remember(key, std::move(built));
    // The boxes may have moved on meanwhile: answer what they ask now,
    // which may start the next build.
    recompute();
    if (m_wanted && !isBuilding())
        startBuilding();
}

void CombineWindow::showAnswer(const QStringList &notes, const QStringList &lines,
                               const QString &otherwise)
{
    m_notes = notes.join(QStringLiteral("  "));
    statusLabel->setText(m_notes.isEmpty() ? otherwise : m_notes);
    resultList->clear();
    // No row is made current here: Orca would read it out of the list that
    // has no focus, besides the summary. Tab into the list starts at the top.
    resultList->addItems(lines);
    if (m_announceWhenDone && !m_wanted && !isBuilding()) {
        m_announceWhenDone = false;
        announceResult(summary());
    }
}

QString CombineWindow::summary() const
{
    QString text = m_notes;
    if (resultList->count() > 0)
        text += (text.isEmpty() ? QString() : QStringLiteral(" ")) +
                tr("En iyi: %1").arg(resultList->item(0)->text());
    return text;
}

QString CombineWindow::summaryOnceBuilt()
{
    if (!isBuilding() && !m_wanted)
        return summary();
    m_announceWhenDone = true;
    return {};
}
