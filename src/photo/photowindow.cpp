#include "photo/photowindow.h"

#include "colorcode/bandselection.h"
#include "colorcode/resistance.h"
#include "forms/accessibility.h"
#include "forms/conversions.h"
#include "forms/designer.h"
#include "photo/photoview.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
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
        size.rwidth() += count * (swatch + gap) + 2 * gap;
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

bool isPhotoFile(const QString &path)
{
    const QString lower = path.toLower();
    return lower.endsWith(u".jpg") || lower.endsWith(u".jpeg") || lower.endsWith(u".png");
}

} // namespace

PhotoWindow::PhotoWindow(QWidget *owner) : ToolWindow(owner, Size::Resizable)
{
    setWindowTitle(QStringLiteral("Fotoğraftan Oku"));
    setFont(designer::windowFont());
    setAcceptDrops(true);

    m_open = new QPushButton(QStringLiteral("Aç…"), this);
    m_open->setAccessibleName(QStringLiteral("Fotoğraf aç"));
    m_paste = new QPushButton(QStringLiteral("Yapıştır"), this);
    m_paste->setAccessibleName(QStringLiteral("Panodaki resmi yapıştır"));
    m_paste->setToolTip(QStringLiteral("Ctrl+V"));
    m_read = new QPushButton(QStringLiteral("Yeniden oku"), this);
    m_read->setAccessibleName(QStringLiteral("Uçların arasını yeniden oku"));
    m_read->setEnabled(false);
    m_view = new PhotoView(this);
    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    auto *listLabel = new QLabel(QStringLiteral("&Okumalar (en olası ilk sırada):"), this);
    m_list = new QListWidget(this);
    m_list->setAccessibleName(QStringLiteral("Okumalar"));
    m_list->setItemDelegate(new ProposalDelegate(m_list));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    listLabel->setBuddy(m_list);
    m_use = new QPushButton(QStringLiteral("Kullan"), this);
    m_use->setAccessibleName(QStringLiteral("Seçili okumayı ana pencerede kullan"));
    m_use->setEnabled(false);
    for (QPushButton *button : {m_open, m_paste, m_read, m_use})
        button->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_open);
    buttons->addWidget(m_paste);
    buttons->addWidget(m_read);
    buttons->addStretch();
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_use);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_status);
    layout->addWidget(listLabel);
    layout->addWidget(m_list);
    layout->addLayout(bottom);
    // Three proposals without scrolling.
    m_list->setMinimumHeight(m_list->fontMetrics().height() * 3 + 4 * ProposalDelegate::swatch);
    m_list->setMaximumHeight(m_list->minimumHeight() + 8);

    setTabOrder(m_open, m_paste);
    setTabOrder(m_paste, m_read);
    setTabOrder(m_read, m_view);
    setTabOrder(m_view, m_list);
    setTabOrder(m_list, m_use);

    connect(m_open, &QPushButton::clicked, this, &PhotoWindow::chooseFile);
    connect(m_paste, &QPushButton::clicked, this, &PhotoWindow::paste);
    connect(new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this,
            &PhotoWindow::paste);
    connect(m_read, &QPushButton::clicked, this, &PhotoWindow::readAgain);
    connect(m_view, &PhotoView::endsChosen, this, &PhotoWindow::readAgain);
    connect(m_list, &QListWidget::currentRowChanged, this, &PhotoWindow::proposalChosen);
    connect(m_list, &QListWidget::itemActivated, this, &PhotoWindow::use);
    connect(m_use, &QPushButton::clicked, this, &PhotoWindow::use);

    m_status->setText(QStringLiteral("Bir direnç fotoğrafı açın (JPEG ya da PNG)."));
    resize(620, 600);
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
    m_status->setText(QStringLiteral("Okunuyor…"));
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
        text = QStringLiteral("Direncin gövdesi bulunamadı. Uçları fareyle ya da Sekme ve ok "
                              "tuşlarıyla gövdenin iki ucuna taşıyıp Enter'a basın.");
    else if (m_reading.tooSmall)
        text = tooSmallText(int(std::lround(m_reading.length / m_scale)));
    else if (m_reading.readings.empty())
        text = QStringLiteral("Bantlar okunamadı. Uçları gövdenin iki ucuna taşıyıp Enter'a "
                              "basın.");
    else
        text = QStringLiteral("%1 okuma önerildi.").arg(m_reading.readings.size());
    m_status->setText(text);
    if (!m_reading.readings.empty())
        m_list->setCurrentRow(0);
    else
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
        QString name = QString::fromUtf8(colorcode::colourName(b.colour));
        if (b.doubtful)
            name += QStringLiteral(" (şüpheli)");
        names << name;
    }
    QString text = QStringLiteral("%1. %2 bant: %3 → %4")
                       .arg(number)
                       .arg(reading.bandCount)
                       .arg(names.join(QStringLiteral(", ")), resultText(reading));
    if (reading.confidence)
        text += QStringLiteral("  (güven % %1)")
                    .arg(conversions::numberLocale().toString(*reading.confidence));
    return text;
}

void PhotoWindow::proposalChosen()
{
    const int row = m_list->currentRow();
    const bool chosen = row >= 0 && std::size_t(row) < m_reading.readings.size();
    m_use->setEnabled(chosen);
    std::vector<PhotoView::Mark> marks;
    if (chosen)
        for (const ReadBand &b : m_reading.readings[std::size_t(row)].bands) {
            marks.push_back(
                {b.position, b.seen ? QColor(b.sampled[0], b.sampled[1], b.sampled[2]) : QColor()});
        }
    m_view->setMarks(std::move(marks));
}

void PhotoWindow::use()
{
    const int row = m_list->currentRow();
    if (row < 0 || std::size_t(row) >= m_reading.readings.size())
        return;
    emit useReading(m_reading.readings[std::size_t(row)].colours());
}

void PhotoWindow::chooseFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Fotoğraf aç"), QString(),
        QStringLiteral("Fotoğraflar (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)"));
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
    const QString text = QStringLiteral("Panoda resim yok.");
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
