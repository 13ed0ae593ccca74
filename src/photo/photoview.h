#pragma once

// The photo with the body's two ends on it: zoomed with the wheel or + and
// -, panned by dragging it, the ends moved by dragging them or, with the
// keyboard, by Tab to an end and the arrow keys (Shift: ten steps). Enter
// or letting go of an end asks for a new reading.

#include "photo/bodyfinder.h"

#include <QImage>
#include <QWidget>

#include <optional>
#include <vector>

namespace photo
{

class PhotoView : public QWidget
{
    Q_OBJECT
public:
    explicit PhotoView(QWidget *parent = nullptr);

    void setImage(const QImage &image);
    const QImage &image() const { return m_image; }

    // In the image's pixels.
    void setEnds(const std::optional<Ends> &ends);
    const std::optional<Ends> &ends() const { return m_ends; }

    // Where the bands of the chosen reading lie, 0 to 1 from the first end,
    // with the colours sampled there; a doubtful one carries a question mark.
    struct Mark {
        double position;
        QColor colour;
        bool doubtful = false;
    };
    void setMarks(std::vector<Mark> marks);
    const std::vector<Mark> &marks() const { return m_marks; }
    // The mark drawn as the one whose band is being chosen; -1 for none.
    void setCurrentMark(int index);
    int currentMark() const { return m_currentMark; }
    // Where a mark is drawn, in the view's pixels.
    QPointF markPosition(int index) const;

    // The end the keyboard moves: 0, 1, or -1 for none.
    int currentEnd() const { return m_current; }
    void fitToView();
    double zoom() const { return m_zoom; }

signals:
    // The user has put the ends where the reading should look.
    void endsChosen();
    // A band was clicked, on the photo or on its mark: its index.
    void markClicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QPointF toScreen(const Point &p) const;
    Point toImage(const QPointF &p) const;
    Point &endAt(int index);
    int endUnder(const QPointF &screen) const;
    int markUnder(const QPointF &screen) const;
    void zoomAround(const QPointF &screen, double factor);
    void describe();
    void sayCurrentEnd(bool selected);

    QImage m_image;
    std::optional<Ends> m_ends;
    std::vector<Mark> m_marks;
    double m_zoom = 1;
    QPointF m_offset; // screen position of the image's top left
    bool m_fitted = true;
    int m_current = -1;
    int m_currentMark = -1;
    int m_dragged = -1;
    bool m_panning = false;
    QPointF m_lastMouse;
};

} // namespace photo
