#include "forms/controls.h"

#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>

QColor toQColor(colorcode::ColourValue value)
{
    return QColor(colorcode::redOf(value), colorcode::greenOf(value), colorcode::blueOf(value));
}

Shape::Shape(Outline outline, bool solidFill, Pen pen, QWidget *parent)
    : QWidget(parent), m_outline(outline), m_solidFill(solidFill), m_pen(pen)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::setFillColor(colorcode::ColourValue value)
{
    if (m_fill == value)
        return;
    m_fill = value;
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // A one-pixel outline drawn inside the widget, like the design's shapes.
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor pen =
        m_pen == Pen::Black ? QColor(Qt::black) : palette().color(QPalette::WindowText);
    painter.setPen(QPen(pen, 1));
    painter.setBrush(m_solidFill ? QBrush(toQColor(m_fill)) : Qt::NoBrush);
    if (m_outline == Outline::RoundedRectangle) {
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal radius = qMin(box.width(), box.height()) / 4;
        painter.drawRoundedRect(box, radius, radius);
    } else {
        painter.drawRect(box);
    }
}

Line::Line(QPoint from, QPoint to, QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setEnds(from, to);
}

void Line::setEnds(QPoint from, QPoint to)
{
    m_from = from;
    m_to = to;
    setGeometry(QRect(from, to).normalized().adjusted(0, 0, 1, 1));
    update();
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    // Through the middle of the design's pixels, as the shapes draw: on the
    // pixels' top edge, half the pen fell outside the one-pixel-high widget
    // and at a scale factor of 1.5 nothing showed.
    const QPointF middle(0.5, 0.5);
    painter.drawLine(QPointF(m_from - pos()) + middle, QPointF(m_to - pos()) + middle);
}

WrappedLabel::WrappedLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

QStringList WrappedLabel::lines() const
{
    // An empty label, as the main window's standard-value line is at
    // start, costs no regular expression engine.
    if (text().isEmpty())
        return {};
    static const QRegularExpression spaceRun(QStringLiteral(" {2,}|\n"));
    QStringList result;
    const qreal width = contentsRect().width();
    for (const QString &piece : text().split(spaceRun, Qt::SkipEmptyParts)) {
        QTextLayout layout(piece, font());
        QTextOption option(alignment());
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            result << piece.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
    }
    return result;
}

void WrappedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QFontMetrics metrics = fontMetrics();
    const QRect area = contentsRect();
    int baseline = area.top() + metrics.ascent();
    for (const QString &line : lines()) {
        painter.drawText(area.left(), baseline, line);
        baseline += metrics.lineSpacing();
    }
}
