#pragma once

// The two controls Qt has no widget for: the shape and the line. Both are
// plain drawings that take no focus and no input.

#include "colorcode/bandtables.h"

#include <QColor>
#include <QWidget>

QColor toQColor(colorcode::ColourValue value);

class Shape : public QWidget
{
    Q_OBJECT
public:
    enum class Outline { Rectangle, RoundedRectangle };

    Shape(Outline outline, bool solidFill, QWidget *parent = nullptr);

    colorcode::ColourValue fillColor() const { return m_fill; }
    void setFillColor(colorcode::ColourValue value);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Outline m_outline;
    bool m_solidFill;
    colorcode::ColourValue m_fill = 0x00FFFFFF;
};

// A straight line; the widget spans its bounding box plus one pixel.
class Line : public QWidget
{
    Q_OBJECT
public:
    Line(QPoint from, QPoint to, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_from;
    QPoint m_to;
};
