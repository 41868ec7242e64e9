#pragma once

#include <QColor>

class QPainter;
class QRectF;

// Draws a rounded box: fill, optional one-pixel border, corner radius. The common background
// of panels, pop-ups and list rows. A value type; GUI thread only.
class QNxBaseBoxDraw {
public:
    QNxBaseBoxDraw() = default;
    QNxBaseBoxDraw(const QColor& fill, const QColor& border, qreal radius);

    void setFill(const QColor& fill) { m_fill = fill; }
    void setBorder(const QColor& border) { m_border = border; }
    void setRadius(qreal radius) { m_radius = radius; }
    QColor fill() const { return m_fill; }
    QColor border() const { return m_border; }
    qreal radius() const { return m_radius; }

    // The border lies inside `rect`; an invalid colour draws no fill or no border.
    void draw(QPainter& painter, const QRectF& rect) const;

private:
    QColor m_fill;
    QColor m_border;
    qreal m_radius = 0;
};
