#pragma once

#include "colorcode/bandtables.h"

#include <QRect>
#include <QString>
#include <QWidget>

#include <vector>

// What each band of the drawn resistor means, written on the band where it
// fits and below the body otherwise, a short line leading from the label
// to its band. Lies over the drawing; takes no clicks and no focus.
class BandValues : public QWidget
{
    Q_OBJECT
public:
    explicit BandValues(QWidget *parent);

    struct Band {
        QRect rect; // the band, in this widget's coordinates
        colorcode::ColourValue paint = 0;
        QString text; // empty: no label
    };

    // The labels for bands below the bottom edge of `body` (in this
    // widget's coordinates).
    void setBands(const std::vector<Band> &bands, int bodyBottom);

    // The height the row of labels below the body takes, leader included.
    int rowHeight() const;

    // Where each label is drawn, in the order of the bands given; empty
    // rectangles for bands without one.
    const std::vector<QRect> &labelRects() const { return m_labels; }
    // Whether each label is drawn on its band.
    const std::vector<bool> &onBand() const { return m_onBand; }
    // The text colour of a label drawn on a band of this paint.
    static QColor textOn(colorcode::ColourValue paint);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void place();

    std::vector<Band> m_bands;
    int m_bodyBottom = 0;
    std::vector<QRect> m_labels;
    std::vector<bool> m_onBand;
};
