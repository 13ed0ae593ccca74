#include "forms/bandvalues.h"

#include "colorcode/bandpainting.h"

#include <QEvent>
#include <QPainter>

namespace
{

// The gap between labels in a row, and above and below the row.
constexpr int labelGap = 10;

} // namespace

BandValues::BandValues(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

int BandValues::rowHeight() const
{
    // A leader as long as a line is high, the line of text, a gap.
    return 2 * fontMetrics().height() + labelGap;
}

void BandValues::setBands(const std::vector<Band> &bands, int bodyBottom)
{
    m_bands = bands;
    m_bodyBottom = bodyBottom;
    place();
    update();
}

void BandValues::place()
{
    std::vector<int> centres, widths;
    std::vector<std::size_t> labelled;
    int bandWidth = 0;
    for (std::size_t i = 0; i < m_bands.size(); ++i) {
        if (m_bands[i].text.isEmpty())
            continue;
        labelled.push_back(i);
        centres.push_back(m_bands[i].rect.center().x());
        widths.push_back(fontMetrics().horizontalAdvance(m_bands[i].text));
        bandWidth = m_bands[i].rect.width();
    }
    const std::vector<colorcode::LabelPlace> places = colorcode::placeBandLabels(
        centres, bandWidth, widths, labelGap, labelGap, width() - labelGap);
    m_labels.assign(m_bands.size(), QRect());
    m_onBand.assign(m_bands.size(), false);
    const int height = fontMetrics().height();
    for (std::size_t k = 0; k < places.size(); ++k) {
        const std::size_t i = labelled[k];
        const QRect &band = m_bands[i].rect;
        m_onBand[i] = places[k].onBand;
        const int top = places[k].onBand ? band.center().y() - height / 2 : m_bodyBottom + height;
        m_labels[i] = QRect(places[k].left, top, widths[k], height);
    }
}

QColor BandValues::textOn(colorcode::ColourValue paint)
{
    // Black on light bands, white on dark ones, by the paint's luminance.
    const int luma = (299 * colorcode::redOf(paint) + 587 * colorcode::greenOf(paint) +
                      114 * colorcode::blueOf(paint)) /
                     1000;
    return luma >= 128 ? QColor(Qt::black) : QColor(Qt::white);
}

void BandValues::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    const QColor text = palette().color(QPalette::WindowText);
    for (std::size_t i = 0; i < m_bands.size(); ++i) {
        const QRect &label = m_labels[i];
        if (label.isNull())
            continue;
        if (m_onBand[i]) {
            painter.setPen(textOn(m_bands[i].paint));
            painter.drawText(label, Qt::AlignCenter, m_bands[i].text);
            continue;
        }
        // From the band's foot to the label's top.
        painter.setPen(QPen(text, 1));
        painter.setRenderHint(QPainter::Antialiasing, true);
        const QRect &band = m_bands[i].rect;
        painter.drawLine(QPointF(band.center().x() + 0.5, m_bodyBottom + 1.5),
                         QPointF(label.center().x() + 0.5, label.top() - 1.5));
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawText(label, Qt::AlignCenter, m_bands[i].text);
    }
}

void BandValues::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        place();
        update();
    }
    QWidget::changeEvent(event);
}
