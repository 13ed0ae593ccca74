#include "photo/photoview.h"

#include "forms/accessibility.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace photo
{

namespace
{
constexpr double handleRadius = 7;
constexpr double smallestZoom = 0.02, largestZoom = 16;

// Where an end is, in the picture's pixels, as a screen reader hears it.
QString where(const Point &p)
{
    return QStringLiteral("x %1, y %2").arg(std::lround(p.x)).arg(std::lround(p.y));
}
} // namespace

PhotoView::PhotoView(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(320, 200);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(tr("Fotoğraf ve gövdenin uçları"));
    describe();
}

void PhotoView::setImage(const QImage &image)
{
    m_image = image;
    m_ends.reset();
    m_marks.clear();
    m_current = -1;
    m_currentMark = -1;
    fitToView();
    describe();
}

void PhotoView::setEnds(const std::optional<Ends> &ends)
{
    m_ends = ends;
    describe();
    update();
}

void PhotoView::setMarks(std::vector<Mark> marks)
{
    m_marks = std::move(marks);
    if (m_currentMark >= int(m_marks.size()))
        m_currentMark = -1;
    update();
}

void PhotoView::setCurrentMark(int index)
{
    m_currentMark = index >= 0 && index < int(m_marks.size()) ? index : -1;
    update();
}

QPointF PhotoView::markPosition(int index) const
{
    if (!m_ends || index < 0 || index >= int(m_marks.size()))
        return {};
    const QPointF a = toScreen(m_ends->first), b = toScreen(m_ends->second);
    return a + (b - a) * m_marks[std::size_t(index)].position;
}

void PhotoView::fitToView()
{
    m_fitted = true;
    if (m_image.isNull() || width() <= 0 || height() <= 0) {
        update();
        return;
    }
    m_zoom = std::min(double(width()) / m_image.width(), double(height()) / m_image.height());
    m_offset = {(width() - m_image.width() * m_zoom) / 2,
                (height() - m_image.height() * m_zoom) / 2};
    update();
}

QPointF PhotoView::toScreen(const Point &p) const
{
    return m_offset + QPointF(p.x, p.y) * m_zoom;
}

Point PhotoView::toImage(const QPointF &p) const
{
    const QPointF q = (p - m_offset) / m_zoom;
    return {std::clamp(q.x(), 0.0, double(m_image.width())),
            std::clamp(q.y(), 0.0, double(m_image.height()))};
}

Point &PhotoView::endAt(int index)
{
    return index == 0 ? m_ends->first : m_ends->second;
}

int PhotoView::endUnder(const QPointF &screen) const
{
    if (!m_ends)
        return -1;
    for (int i = 0; i < 2; ++i) {
        const QPointF at = toScreen(i == 0 ? m_ends->first : m_ends->second);
        if (std::hypot(at.x() - screen.x(), at.y() - screen.y()) <= handleRadius + 3)
            return i;
    }
    return -1;
}

int PhotoView::markUnder(const QPointF &screen) const
{
    if (!m_ends || m_marks.empty())
        return -1;
    const QPointF a = toScreen(m_ends->first), b = toScreen(m_ends->second);
    const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
    if (length < 1)
        return -1;
    // Along the line and across it: a band is hit anywhere across the body,
    // and up to halfway to its neighbours along it.
    const QPointF u = (b - a) / length, r = screen - a;
    const double along = r.x() * u.x() + r.y() * u.y();
    const double across = std::abs(r.x() * u.y() - r.y() * u.x());
    constexpr double bodyReach = 24, leastReach = 6;
    if (across > bodyReach)
        return -1;
    int best = -1;
    double bestDistance = 0;
    for (std::size_t i = 0; i < m_marks.size(); ++i) {
        const double at = m_marks[i].position * length;
        double reach = bodyReach;
        for (std::size_t j = 0; j < m_marks.size(); ++j)
            if (j != i)
                reach = std::min(reach, std::abs(m_marks[j].position * length - at) / 2);
        const double distance = std::abs(along - at);
        if (distance <= std::max(reach, leastReach) && (best < 0 || distance < bestDistance)) {
            best = int(i);
            bestDistance = distance;
        }
    }
    return best;
}

void PhotoView::zoomAround(const QPointF &screen, double factor)
{
    if (m_image.isNull())
        return;
    const double zoom = std::clamp(m_zoom * factor, smallestZoom, largestZoom);
    const QPointF anchor = (screen - m_offset) / m_zoom;
    m_zoom = zoom;
    m_offset = screen - anchor * m_zoom;
    m_fitted = false;
    update();
}

void PhotoView::describe()
{
    // What a screen reader says of the view: which end the arrow keys move
    // and where it is.
    if (m_image.isNull()) {
        setAccessibleDescription(tr("Fotoğraf yok."));
        return;
    }
    if (!m_ends) {
        setAccessibleDescription(tr("Gövde bulunamadı."));
        return;
    }
    QString text =
        tr("Birinci uç %1; ikinci uç %2.").arg(where(m_ends->first), where(m_ends->second));
    if (m_current >= 0)
        text = (m_current == 0 ? tr("Birinci uç seçili. %1 Ok tuşları taşır, Enter yeniden okur.")
                               : tr("İkinci uç seçili. %1 Ok tuşları taşır, Enter yeniden okur."))
                   .arg(text);
    setAccessibleDescription(text);
}

void PhotoView::sayCurrentEnd(bool selected)
{
    // A screen reader does not speak a new description of the control it is
    // on: the end Tab selects, and where an arrow moved it, are said.
    if (!m_ends || m_current < 0)
        return;
    const QString at = where(endAt(m_current));
    announce(window(), !selected        ? at
                       : m_current == 0 ? tr("Birinci uç seçili: %1.").arg(at)
                                        : tr("İkinci uç seçili: %1.").arg(at));
}

void PhotoView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // A dark surround, as photo viewers have: it neither glares nor takes
    // the photo's light colours for its own.
    p.fillRect(rect(), QColor(48, 48, 48));
    if (m_image.isNull()) {
        p.setPen(Qt::white);
        p.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                   tr("Fotoğrafı açın, buraya sürükleyip bırakın ya da Ctrl+V ile yapıştırın."));
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform, m_zoom < 2);
    p.drawImage(QRectF(m_offset, QSizeF(m_image.size()) * m_zoom), m_image);
    if (!m_ends)
        return;
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF a = toScreen(m_ends->first), b = toScreen(m_ends->second);
    // The line in two contrasting strokes: visible on light and dark photos.
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(a, b);
    p.setPen(QPen(Qt::white, 1, Qt::DashLine));
    p.drawLine(a, b);
    for (std::size_t i = 0; i < m_marks.size(); ++i) {
        const Mark &m = m_marks[i];
        const QPointF at = a + (b - a) * m.position;
        if (int(i) == m_currentMark) {
            // The band being chosen: a ring around its mark.
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(Qt::black, 4));
            p.drawRect(QRectF(at - QPointF(8, 8), QSizeF(16, 16)));
            p.setPen(QPen(palette().color(QPalette::Highlight), 2));
            p.drawRect(QRectF(at - QPointF(8, 8), QSizeF(16, 16)));
        }
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(m.colour.isValid() ? m.colour : QColor(Qt::transparent));
        p.drawRect(QRectF(at - QPointF(4, 4), QSizeF(8, 8)));
        if (m.doubtful) {
            // Not by colour alone: a question mark on a dark tag above it.
            const QRectF tag(at + QPointF(-6, -26), QSizeF(12, 15));
            p.setPen(QPen(Qt::white, 1));
            p.setBrush(QColor(0, 0, 0, 200));
            p.drawRoundedRect(tag, 3, 3);
            p.drawText(tag, Qt::AlignCenter, QStringLiteral("?"));
        }
    }
    for (int i = 0; i < 2; ++i) {
        const QPointF at = i == 0 ? a : b;
        const bool current = i == m_current && hasFocus();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, current ? 5 : 4));
        p.drawEllipse(at, handleRadius, handleRadius);
        p.setPen(QPen(current ? palette().color(QPalette::Highlight) : QColor(Qt::yellow),
                      current ? 3 : 2));
        p.drawEllipse(at, handleRadius, handleRadius);
        p.setPen(Qt::white);
        p.drawText(QRectF(at + QPointF(handleRadius, -handleRadius * 2.5), QSizeF(20, 16)),
                   QString::number(i + 1));
    }
}

void PhotoView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_fitted)
        fitToView();
}

void PhotoView::wheelEvent(QWheelEvent *event)
{
    zoomAround(event->position(), std::pow(1.0015, event->angleDelta().y()));
    event->accept();
}

void PhotoView::mousePressEvent(QMouseEvent *event)
{
    m_lastMouse = event->position();
    if (event->button() == Qt::LeftButton && (m_dragged = endUnder(event->position())) >= 0) {
        m_current = m_dragged;
        describe();
        update();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        if (const int mark = markUnder(event->position()); mark >= 0) {
            emit markClicked(mark);
            return;
        }
    }
    if (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton)
        m_panning = !m_image.isNull();
}

void PhotoView::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF delta = event->position() - m_lastMouse;
    m_lastMouse = event->position();
    if (m_dragged >= 0 && m_ends) {
        endAt(m_dragged) = toImage(event->position());
        update();
    } else if (m_panning) {
        m_offset += delta;
        m_fitted = false;
        update();
    } else {
        setCursor(endUnder(event->position()) >= 0 ? Qt::SizeAllCursor : Qt::ArrowCursor);
    }
}

void PhotoView::mouseReleaseEvent(QMouseEvent *)
{
    const bool moved = m_dragged >= 0;
    m_dragged = -1;
    m_panning = false;
    if (moved) {
        describe();
        emit endsChosen();
    }
}

void PhotoView::keyPressEvent(QKeyEvent *event)
{
    const double step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    QPointF move;
    switch (event->key()) {
    case Qt::Key_Left:
        move = {-step, 0};
        break;
    case Qt::Key_Right:
        move = {step, 0};
        break;
    case Qt::Key_Up:
        move = {0, -step};
        break;
    case Qt::Key_Down:
        move = {0, step};
        break;
    case Qt::Key_Plus:
        zoomAround(rect().center(), 1.25);
        return;
    case Qt::Key_Minus:
        zoomAround(rect().center(), 0.8);
        return;
    case Qt::Key_0:
        fitToView();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_ends) {
            emit endsChosen();
            return;
        }
        break;
    default:
        break;
    }
    if (!move.isNull() && m_ends && m_current >= 0) {
        // One step is one pixel of the picture, at any zoom.
        Point &end = endAt(m_current);
        end = {std::clamp(end.x + move.x(), 0.0, double(m_image.width())),
               std::clamp(end.y + move.y(), 0.0, double(m_image.height()))};
        describe();
        sayCurrentEnd(false);
        update();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PhotoView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (m_ends)
        m_current = event->reason() == Qt::BacktabFocusReason ? 1 : 0;
    describe();
    update();
}

void PhotoView::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

bool PhotoView::focusNextPrevChild(bool next)
{
    // Tab steps from the first end to the second, Shift+Tab back, before
    // leaving the view.
    if (hasFocus() && m_ends && ((next && m_current == 0) || (!next && m_current == 1))) {
        m_current = next ? 1 : 0;
        describe();
        sayCurrentEnd(true);
        update();
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

} // namespace photo
