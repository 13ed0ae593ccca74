#include "photo/photowindow.h"

#include "colorcode/colourtext.h"

#include "colorcode/bandselection.h"
#include "colorcode/resistance.h"
#include "colorcode/standardvaluetext.h"
#include "colorcode/standardverdict.h"
#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/conversions.h"
#include "forms/designer.h"
#include "photo/photoview.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace photo
{

using colorcode::Colour;

namespace
{

constexpr int swatchesRole = Qt::UserRole;     // QVariantList of QColor, invalid for Renksiz
constexpr int doubtfulRole = Qt::UserRole + 1; // QVariantList of bool
// A band list's own model: each entry's colour, as int, where addItem puts it.
constexpr int colourRole = Qt::UserRole;

// The result text the main window would show for these bands.
QString resultText(const Reading &reading)
{
    const std::vector<Colour> colours = reading.colours();
    if (const auto selection = colorcode::BandSelection::fromColours(colours))
        if (const auto result = selection->result(conversions::numberLocale()))
            return result->sonuc.trimmed();
    return colorcode::valueText(reading.value.value, conversions::numberLocale());
}

// A proposal in the list: a swatch of the colour sampled for each band
// (an empty frame for no band, a question mark on a doubtful one), then its
// text, which is what a screen reader reads.
class ProposalDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static constexpr int swatch = 14, gap = 3;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const int count = int(index.data(swatchesRole).toList().size());
        // As wide as the swatches: the row takes the list's width and a long
        // text ends in an ellipsis there, whole in its tip, rather than under
        // a scroll bar that would hide the third proposal.
        size.setWidth(count * (swatch + gap) + 2 * gap);
        size.setHeight(std::max(size.height(), swatch + 2 * gap));
        return size;
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const QVariantList colours = index.data(swatchesRole).toList();
        const QVariantList doubtful = index.data(doubtfulRole).toList();
        const int room = int(colours.size()) * (swatch + gap) + 2 * gap;
        // The row's background and selection across its width, then the text
        // after the swatches.
        QStyleOptionViewItem row = option;
        initStyleOption(&row, index);
        const QString text = row.text;
        row.text.clear();
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &row, painter, widget);
        const QRect textRect = option.rect.adjusted(room, 0, -gap, 0);
        painter->save();
        painter->setPen(option.palette.color(
            option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(row.font);
        painter->drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft,
                          row.fontMetrics.elidedText(text, Qt::ElideRight, textRect.width()));
        painter->restore();

        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        const int top = option.rect.top() + (option.rect.height() - swatch) / 2;
        for (qsizetype i = 0; i < colours.size(); ++i) {
            const QRect box(option.rect.left() + gap + int(i) * (swatch + gap), top, swatch,
                            swatch);
            const QColor colour = colours[i].value<QColor>();
            if (colour.isValid()) {
                painter->fillRect(box, colour);
                painter->setPen(option.palette.color(QPalette::Text));
                painter->drawRect(box.adjusted(0, 0, -1, -1));
            } else {
                painter->setPen(QPen(option.palette.color(QPalette::Text), 1, Qt::DotLine));
                painter->drawRect(box.adjusted(0, 0, -1, -1));
            }
            if (i < doubtful.size() && doubtful[i].toBool()) {
                const bool light = colour.isValid() && colour.lightness() > 128;
                painter->setPen(light ? Qt::black : Qt::white);
                painter->drawText(box, Qt::AlignCenter, QStringLiteral("?"));
            }
        }
        painter->restore();
    }
};

// A band's colour as the main window paints it; none for Renksiz.
QColor paintOf(Colour colour)
{
    for (const colorcode::BandEntry &entry : colorcode::multiplierList)
        if (entry.colour == colour)
            return toQColor(entry.paint);
    return {};
}

QIcon swatchOf(Colour colour)
{
    constexpr int side = 14;
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QColor paint = paintOf(colour);
    // A grey edge: seen around black on a dark theme and white on a light one.
    if (paint.isValid()) {
        painter.fillRect(0, 0, side, side, paint);
        painter.setPen(QColor(128, 128, 128));
    } else {
        painter.setPen(QPen(QColor(128, 128, 128), 1, Qt::DotLine));
    }
    painter.drawRect(0, 0, side - 1, side - 1);
    return QIcon(pixmap);
}

// A band's colour list: closed, it shows the colour's name, with a question
// mark when the band is in doubt; open, each colour with how likely it is.
class BandList : public QComboBox
{
public:
    using QComboBox::QComboBox;

    bool doubtful() const { return m_doubtful; }
    void setDoubtful(bool doubtful)
    {
        m_doubtful = doubtful;
        setAccessibleDescription(
            doubtful ? QCoreApplication::translate("photo::PhotoWindow", "emin değil") : QString());
        update();
        if (parentWidget())
            parentWidget()->update();
    }

    QString shownText() const
    {
        const QVariant colour = currentData(colourRole);
        if (!colour.isValid())
            return {};
        QString text = colorcode::colourText(Colour(colour.toInt()));
        return m_doubtful ? text + QStringLiteral(" ?") : text;
    }

    // Room for the longest name with its question mark, not for the
    // likelihoods the open list adds.
    QSize sizeHint() const override
    {
        QStyleOptionComboBox option;
        initStyleOption(&option);
        int widest = 0;
        for (const colorcode::BandEntry &entry : colorcode::multiplierList)
            widest =
                std::max(widest, fontMetrics().horizontalAdvance(
                                     colorcode::colourText(entry.colour) + QStringLiteral(" ?")));
        const QSize text(widest + iconSize().width() + 8,
                         std::max(fontMetrics().height(), iconSize().height()));
        return style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, this);
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        option.currentText = shownText();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    }

private:
    bool m_doubtful = false;
};

// A band's place and its list, framed with a dashed line while in doubt.
class BandCell : public QWidget
{
public:
    BandCell(int band, QWidget *parent) : QWidget(parent)
    {
        const QString place =
            QCoreApplication::translate("photo::PhotoWindow", "%1. bant").arg(band + 1);
        list = new BandList(this);
        list->setAccessibleName(place);
        auto *label = new QLabel(place, this);
        label->setBuddy(list);
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(5, 3, 5, 5);
        layout->setSpacing(2);
        layout->addWidget(label);
        layout->addWidget(list);
    }

    BandList *list;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!list->doubtful())
            return;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DashLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
};

bool isEnter(const QKeyEvent *event)
{
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
           !(event->modifiers() & ~Qt::KeypadModifier);
}

bool isPhotoFile(const QString &path)
{
    const QString lower = path.toLower();
    return lower.endsWith(u".jpg") || lower.endsWith(u".jpeg") || lower.endsWith(u".png");
}

} // namespace

PhotoWindow::PhotoWindow(QWidget *owner) : ToolWindow(owner, Size::Resizable)
{
    setWindowTitle(tr("Fotoğraftan Oku"));
    setFont(designer::windowFont());
    setAcceptDrops(true);

    m_open = new QPushButton(tr("Aç…"), this);
    m_open->setAccessibleName(tr("Fotoğraf aç"));
    m_paste = new QPushButton(tr("Yapıştır"), this);
    m_paste->setAccessibleName(tr("Panodaki resmi yapıştır"));
    m_paste->setToolTip(QStringLiteral("Ctrl+V"));
    m_read = new QPushButton(tr("Yeniden oku"), this);
    m_read->setAccessibleName(tr("Uçların arasını yeniden oku"));
    m_read->setEnabled(false);
    m_view = new PhotoView(this);
    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    auto *listLabel = new QLabel(tr("&Okumalar (en olası ilk sırada):"), this);
    m_list = new QListWidget(this);
    m_list->setAccessibleName(tr("Okumalar"));
    m_list->setItemDelegate(new ProposalDelegate(m_list));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    listLabel->setBuddy(m_list);
    m_bands = new QWidget(this);
    auto *bandGrid = new QGridLayout(m_bands);
    bandGrid->setContentsMargins(0, 0, 0, 0);
    bandGrid->setSpacing(2);
    for (std::size_t band = 0; band < m_bandLists.size(); ++band) {
        auto *cell = new BandCell(int(band), m_bands);
        m_bandLists[band] = cell->list;
        cell->list->installEventFilter(this);
        connect(cell->list, &QComboBox::currentIndexChanged, this,
                [this, band] { bandChosen(int(band)); });
    }
    m_bands->hide();
    m_unsure = new QPushButton(tr("Emin değilim"), this);
    m_unsure->setAccessibleDescription(
        tr("Şüpheli bantların olabileceği renkleri Renkten Emin Değilim "
           "penceresinde açar"));
    m_unsure->setEnabled(false);
    m_use = new QPushButton(tr("Kullan"), this);
    m_use->setAccessibleName(tr("Seçili okumayı ana pencerede kullan"));
    m_use->setEnabled(false);
    for (QPushButton *button : {m_open, m_paste, m_read, m_unsure, m_use})
        button->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_open);
    buttons->addWidget(m_paste);
    buttons->addWidget(m_read);
    buttons->addStretch();
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_unsure);
    bottom->addWidget(m_use);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_status);
    layout->addWidget(listLabel);
    layout->addWidget(m_list);
    layout->addWidget(m_bands);
    layout->addLayout(bottom);
    // Three proposals without scrolling.
    m_list->setMinimumHeight(m_list->fontMetrics().height() * 3 + 4 * ProposalDelegate::swatch);
    m_list->setMaximumHeight(m_list->minimumHeight() + 8);

    setTabOrder(m_open, m_paste);
    setTabOrder(m_paste, m_read);
    setTabOrder(m_read, m_view);
    setTabOrder(m_view, m_list);
    QWidget *previous = m_list;
    for (QComboBox *list : m_bandLists) {
        setTabOrder(previous, list);
        previous = list;
    }
    setTabOrder(previous, m_unsure);
    setTabOrder(m_unsure, m_use);

    connect(m_open, &QPushButton::clicked, this, &PhotoWindow::chooseFile);
    connect(m_paste, &QPushButton::clicked, this, &PhotoWindow::paste);
    connect(new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this,
            &PhotoWindow::paste);
    connect(m_read, &QPushButton::clicked, this, &PhotoWindow::readAgain);
    connect(m_view, &PhotoView::endsChosen, this, &PhotoWindow::readAgain);
    connect(m_list, &QListWidget::currentRowChanged, this, &PhotoWindow::proposalChosen);
    connect(m_list, &QListWidget::itemActivated, this, &PhotoWindow::use);
    connect(m_use, &QPushButton::clicked, this, &PhotoWindow::use);
    connect(m_unsure, &QPushButton::clicked, this, &PhotoWindow::unsureClicked);
    connect(m_view, &PhotoView::markClicked, this, &PhotoWindow::markClicked);
    // The band whose list has the focus is marked on the photo; its open
    // list (a window of its own) keeps it marked.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        const auto found = std::find(m_bandLists.begin(), m_bandLists.end(), now);
        if (found != m_bandLists.end())
            m_view->setCurrentMark(int(found - m_bandLists.begin()));
        else if (now && now->window() == this)
            m_view->setCurrentMark(-1);
    });

    m_status->setText(tr("Bir direnç fotoğrafı açın (JPEG ya da PNG)."));
    resize(660, 680);
}

PhotoWindow::~PhotoWindow()
{
    // A reading still under way finishes first: it holds the photo.
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
}

bool PhotoWindow::isBusy() const
{
    return m_worker != nullptr;
}

void PhotoWindow::openFile(const QString &path)
{
    start({[path] { return loadPhoto(path); }, std::nullopt});
}

void PhotoWindow::openImage(const QImage &image)
{
    start({[image] { return photoFromImage(image); }, std::nullopt});
}

void PhotoWindow::readAgain()
{
    if (m_image && m_view->ends())
        start({{}, m_view->ends()});
}

void PhotoWindow::start(Job job)
{
    if (m_worker) {
        // The latest wish waits; a new photo supersedes a reading of the
        // old one.
        if (job.load || !m_waiting || !m_waiting->load)
            m_waiting = std::move(job);
        return;
    }
    auto outcome = std::make_shared<Outcome>();
    m_outcome = outcome;
    std::shared_ptr<const RgbImage> image = m_image;
    m_worker = QThread::create([job = std::move(job), image, outcome] {
        if (job.load) {
            outcome->loaded = job.load();
            if (!outcome->loaded->error.isEmpty())
                return;
            outcome->reading = readPhoto(outcome->loaded->image, job.ends);
        } else if (image) {
            outcome->reading = readPhoto(*image, job.ends);
        }
    });
    connect(m_worker, &QThread::finished, this, &PhotoWindow::finished);
    m_status->setText(tr("Okunuyor…"));
    m_worker->start();
}

void PhotoWindow::finished()
{
    m_worker->wait();
    m_worker->deleteLater();
    m_worker = nullptr;
    const std::shared_ptr<Outcome> outcome = std::move(m_outcome);
    std::optional<Job> next = std::move(m_waiting);
    m_waiting.reset();
    if (!(next && next->load))
        present(*outcome);
    if (next)
        start(std::move(*next));
}

void PhotoWindow::present(const Outcome &outcome)
{
    if (outcome.loaded) {
        if (!outcome.loaded->error.isEmpty()) {
            m_status->setText(outcome.loaded->error);
            announce(this, outcome.loaded->error);
            emit readingShown();
            return;
        }
        m_image = std::make_shared<const RgbImage>(outcome.loaded->image);
        m_scale = outcome.loaded->scale();
        m_view->setImage(outcome.loaded->shown);
    }
    m_reading = outcome.reading;
    m_choices.clear();
    for (const Reading &r : m_reading.readings)
        m_choices.push_back(r.colours());
    std::optional<Ends> ends = m_reading.ends;
    if (!ends && m_image) {
        // Somewhere to start from: a line across the middle, for the user
        // to put on the body.
        const double w = m_image->width, h = m_image->height;
        ends = Ends{{w / 3, h / 2}, {w * 2 / 3, h / 2}};
    }
    m_view->setEnds(ends);
    m_read->setEnabled(bool(ends));

    m_list->clear();
    for (std::size_t i = 0; i < m_reading.readings.size(); ++i) {
        const Reading &r = m_reading.readings[i];
        auto *item = new QListWidgetItem(proposalText(int(i) + 1, r), m_list);
        item->setToolTip(item->text());
        QVariantList colours, doubtful;
        for (const ReadBand &b : r.bands) {
            colours << (b.seen ? QColor(b.sampled[0], b.sampled[1], b.sampled[2]) : QColor());
            doubtful << b.doubtful;
        }
        item->setData(swatchesRole, colours);
        item->setData(doubtfulRole, doubtful);
    }
    QString text;
    if (!m_reading.ends)
        text = tr("Direncin gövdesi bulunamadı. Uçları fareyle ya da Sekme ve ok "
                  "tuşlarıyla gövdenin iki ucuna taşıyıp Enter'a basın.");
    else if (m_reading.tooSmall)
        text = tooSmallText(int(std::lround(m_reading.length / m_scale)));
    else if (m_reading.readings.empty())
        text = tr("Bantlar okunamadı. Uçları gövdenin iki ucuna taşıyıp Enter'a basın.");
    else
        text = tr("%n okuma önerildi.", nullptr, int(m_reading.readings.size()));
    m_status->setText(text);
    // The first proposal is the chosen one until the user picks another. It
    // is made current only where the user is: Orca reads a row made current
    // in a list without the focus, besides the announcement below.
    if (!m_reading.readings.empty()) {
        if (m_list->hasFocus())
            m_list->setCurrentRow(0);
        else
            m_list->item(0)->setSelected(true);
    }
    proposalChosen();

    // Heard once: the best reading, or why there is none; not again while
    // it stays the same.
    const QString heard = m_reading.readings.empty() ? text : m_list->item(0)->text();
    announceResult(heard);
    emit readingShown();
}

QString PhotoWindow::proposalText(int number, const Reading &reading)
{
    QStringList names;
    for (const ReadBand &b : reading.bands) {
        QString name = colorcode::colourText(b.colour);
        if (b.doubtful)
            name = tr("%1 (şüpheli)").arg(name);
        names << name;
    }
    QString text = tr("%1. %2 bant: %3 → %4")
                       .arg(number)
                       .arg(reading.bandCount)
                       .arg(names.join(QStringLiteral(", ")), resultText(reading));
    if (const auto verdict = colorcode::standardVerdict(reading.colours()))
        text += QStringLiteral(" \u2014 ") + colorcode::verdictHeadline(*verdict);
    if (reading.confidence)
        text += tr("  (güven % %1)").arg(conversions::numberLocale().toString(*reading.confidence));
    return text;
}

int PhotoWindow::chosenRow() const
{
    // No current row yet: the first proposal.
    const int row = std::max(m_list->currentRow(), 0);
    return std::size_t(row) < m_reading.readings.size() && std::size_t(row) < m_choices.size() ? row
                                                                                               : -1;
}

std::optional<Reading> PhotoWindow::chosenReading() const
{
    const int row = chosenRow();
    if (row < 0)
        return std::nullopt;
    Reading reading = m_reading.readings[std::size_t(row)];
    const std::vector<Colour> &chosen = m_choices[std::size_t(row)];
    bool changed = false;
    for (std::size_t k = 0; k < reading.bands.size() && k < chosen.size(); ++k)
        if (reading.bands[k].colour != chosen[k]) {
            reading.bands[k].colour = chosen[k];
            reading.bands[k].doubtful = true;
            changed = true;
        }
    if (changed) {
        // Only colours whose bands read are ever chosen (bandChosen).
        if (const auto value = colorcode::readBands(reading.colours()))
            reading.value = *value;
        // What was measured holds for the photo's own reading, not another.
        reading.confidence.reset();
    }
    return reading;
}

void PhotoWindow::proposalChosen()
{
    showBands();
}

void PhotoWindow::showBands()
{
    const std::optional<Reading> chosen = chosenReading();
    const int row = chosenRow();
    m_use->setEnabled(bool(chosen));
    m_unsure->setEnabled(chosen && std::any_of(chosen->bands.begin(), chosen->bands.end(),
                                               [](const ReadBand &b) { return b.doubtful; }));
    std::vector<PhotoView::Mark> marks;
    if (chosen)
        for (const ReadBand &b : chosen->bands)
            marks.push_back({b.position,
                             b.seen ? QColor(b.sampled[0], b.sampled[1], b.sampled[2]) : QColor(),
                             b.doubtful});
    m_view->setMarks(std::move(marks));

    const std::size_t count = chosen ? std::min(chosen->bands.size(), m_bandLists.size()) : 0;
    m_bands->setVisible(count > 0);
    // Four bands or fewer on one row, more on two: the window stays narrow.
    auto *grid = static_cast<QGridLayout *>(m_bands->layout());
    const std::size_t columns = count <= 4 ? std::max<std::size_t>(count, 1) : (count + 1) / 2;
    for (std::size_t k = 0; k < m_bandLists.size(); ++k) {
        auto *list = static_cast<BandList *>(m_bandLists[k]);
        QWidget *cell = list->parentWidget();
        grid->removeWidget(cell);
        if (k >= count) {
            cell->hide();
            continue;
        }
        grid->addWidget(cell, int(k / columns), int(k % columns));
        const ReadBand &read = m_reading.readings[std::size_t(row)].bands[k];
        const Colour colour = chosen->bands[k].colour;
        const QSignalBlocker quiet(list);
        list->clear();
        std::vector<std::pair<Colour, double>> alternatives = read.alternatives;
        if (std::none_of(alternatives.begin(), alternatives.end(),
                         [colour](const auto &a) { return a.first == colour; }))
            alternatives.emplace_back(colour, -1.0);
        for (const auto &[alternative, probability] : alternatives) {
            QString text = colorcode::colourText(alternative);
            if (probability >= 0)
                text += tr("  % %1").arg(
                    conversions::numberLocale().toString(int(std::lround(probability * 100))));
            list->addItem(swatchOf(alternative), text, int(alternative));
            if (alternative == colour)
                list->setCurrentIndex(list->count() - 1);
        }
        list->setDoubtful(chosen->bands[k].doubtful);
        cell->show();
    }
}

void PhotoWindow::bandChosen(int band)
{
    const int row = chosenRow();
    auto *list = static_cast<BandList *>(m_bandLists[std::size_t(band)]);
    const QVariant data = list->currentData(colourRole);
    if (row < 0 || !data.isValid())
        return;
    std::vector<Colour> &chosen = m_choices[std::size_t(row)];
    if (std::size_t(band) >= chosen.size())
        return;
    std::vector<Colour> colours = chosen;
    colours[std::size_t(band)] = Colour(data.toInt());
    if (!colorcode::readBands(colours)) {
        // A colour its place allows that still reads nothing: kept as it was.
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(list->findData(int(chosen[std::size_t(band)]), colourRole));
        return;
    }
    chosen = colours;
    const std::optional<Reading> reading = chosenReading();
    QListWidgetItem *item = m_list->item(row);
    item->setText(proposalText(row + 1, *reading));
    item->setToolTip(item->text());
    QVariantList doubtful;
    for (const ReadBand &b : reading->bands)
        doubtful << b.doubtful;
    item->setData(doubtfulRole, doubtful);
    showBands();
    // Heard once: the band's new colour, then the reading it makes.
    announceResult(tr("%1. bant: %2. %3").arg(band + 1).arg(list->currentText(), item->text()));
}

void PhotoWindow::markClicked(int band)
{
    if (band >= 0 && std::size_t(band) < m_bandLists.size() &&
        m_bandLists[std::size_t(band)]->isVisibleTo(this))
        m_bandLists[std::size_t(band)]->setFocus(Qt::MouseFocusReason);
}

bool PhotoWindow::eventFilter(QObject *watched, QEvent *event)
{
    const auto found = std::find(m_bandLists.begin(), m_bandLists.end(), watched);
    if (found != m_bandLists.end()) {
        switch (event->type()) {
        case QEvent::KeyPress:
            // Enter uses the reading, as in the proposals' list; GTK's
            // platform theme would open the list instead.
            if (isEnter(static_cast<QKeyEvent *>(event))) {
                if (m_use->isEnabled())
                    m_use->click();
                return true;
            }
            break;
        default:
            break;
        }
    }
    return ToolWindow::eventFilter(watched, event);
}

void PhotoWindow::use()
{
    if (const std::optional<Reading> reading = chosenReading())
        emit useReading(reading->colours());
}

void PhotoWindow::unsureClicked()
{
    const std::optional<Reading> reading = chosenReading();
    if (!reading)
        return;
    colorcode::DoubtfulBands doubtful{};
    for (std::size_t k = 0; k < reading->bands.size() && k < doubtful.size(); ++k)
        doubtful[k] = reading->bands[k].doubtful;
    emit unsure(reading->colours(), doubtful);
}

void PhotoWindow::chooseFile()
{
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Fotoğraf aç"), QString(),
                                     tr("Fotoğraflar (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)"));
    if (!path.isEmpty())
        openFile(path);
}

void PhotoWindow::paste()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (data && data->hasImage()) {
        openImage(qvariant_cast<QImage>(data->imageData()));
        return;
    }
    if (data && data->hasUrls())
        for (const QUrl &url : data->urls())
            if (url.isLocalFile() && isPhotoFile(url.toLocalFile())) {
                openFile(url.toLocalFile());
                return;
            }
    const QString text = tr("Panoda resim yok.");
    m_status->setText(text);
    announce(this, text);
}

void PhotoWindow::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *data = event->mimeData();
    bool usable = data->hasImage();
    for (const QUrl &url : data->urls())
        usable = usable || (url.isLocalFile() && isPhotoFile(url.toLocalFile()));
    if (usable)
        event->acceptProposedAction();
}

void PhotoWindow::dropEvent(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    for (const QUrl &url : data->urls())
        if (url.isLocalFile() && isPhotoFile(url.toLocalFile())) {
            openFile(url.toLocalFile());
            event->acceptProposedAction();
            return;
        }
    if (data->hasImage()) {
        openImage(qvariant_cast<QImage>(data->imageData()));
        event->acceptProposedAction();
    }
}

} // namespace photo
