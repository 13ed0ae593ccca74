#pragma once

// The two controls Qt has no widget for: the shape and the line. Both are
// plain drawings that take no focus and no input.

#include "colorcode/bandtables.h"

#include <QColor>
#include <QLabel>
#include <QWidget>

QColor toQColor(colorcode::ColourValue value);

class Shape : public QWidget
{
    Q_OBJECT
public:
    enum class Outline { Rectangle, RoundedRectangle };
    // The outline follows the window's text colour, or stays black where the
    // shape lies on a face of its own, as the bands on the resistor body do.
    enum class Pen { WindowText, Black };

    Shape(Outline outline, bool solidFill, Pen pen = Pen::WindowText, QWidget *parent = nullptr);

    colorcode::ColourValue fillColor() const { return m_fill; }
    void setFillColor(colorcode::ColourValue value);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Outline m_outline;
    bool m_solidFill;
    Pen m_pen;
    colorcode::ColourValue m_fill = 0x00FFFFFF;
};

// A straight line; the widget spans its bounding box plus one pixel.
class Line : public QWidget
{
    Q_OBJECT
public:
    Line(QPoint from, QPoint to, QWidget *parent = nullptr);

    void setEnds(QPoint from, QPoint to);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_from;
    QPoint m_to;
};

// A left-aligned label that wraps its text at word boundaries, where a line
// break, or a run of two or more spaces, ends a line. The about text uses such runs to
// start new lines, and in a narrow face a run alone is not always wide
// enough to push the next word over.
class WrappedLabel : public QLabel
{
    Q_OBJECT
public:
    explicit WrappedLabel(const QString &text, QWidget *parent = nullptr);

    // The lines as shown at the current width.
    QStringList lines() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
