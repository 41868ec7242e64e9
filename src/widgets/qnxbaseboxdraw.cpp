#include "qnxbaseboxdraw.h"

#include <QPainter>

QNxBaseBoxDraw::QNxBaseBoxDraw(const QColor& fill, const QColor& border, qreal radius)
    : m_fill(fill), m_border(border), m_radius(radius)
{
}

void QNxBaseBoxDraw::draw(QPainter& painter, const QRectF& rect) const
{
    if (rect.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, m_radius > 0);
    QRectF box = rect;
    if (m_border.isValid()) {
        painter.setPen(QPen(m_border, 1));
        box.adjust(0.5, 0.5, -0.5, -0.5);
    } else {
        painter.setPen(Qt::NoPen);
    }
    painter.setBrush(m_fill.isValid() ? QBrush(m_fill) : QBrush(Qt::NoBrush));
    if (m_radius > 0)
        painter.drawRoundedRect(box, m_radius, m_radius);
    else
        painter.drawRect(box);
    painter.restore();
}
