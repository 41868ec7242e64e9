#include "qnxbaserectimagedraw.h"

#include <qdrawutil.h>
#include <QPainter>

#include "nxskin.h"

QNxBaseRectImageDraw::QNxBaseRectImageDraw(const QString& path, const QMargins& fixed, int frames)
{
    setImage(path, fixed, frames);
}

bool QNxBaseRectImageDraw::setImage(const QString& path, const QMargins& fixed, int frames)
{
    const QPixmap pix = NxSkin::pixmap(path);
    if (pix.isNull())
        return false;
    m_image = pix;
    m_fixed = fixed;
    m_frames = qMax(1, frames);
    return true;
}

QSize QNxBaseRectImageDraw::frameSize() const
{
    return QSize(m_image.width() / m_frames, m_image.height());
}

void QNxBaseRectImageDraw::draw(QPainter& painter, const QRect& target, int frame) const
{
    if (m_image.isNull() || target.isEmpty())
        return;
    const QSize size = frameSize();
    const QRect source(qBound(0, frame, m_frames - 1) * size.width(), 0, size.width(),
                       size.height());
    if (m_fixed.isNull()) {
        painter.drawPixmap(target, m_image, source);
        return;
    }
    // A target smaller than the fixed borders squeezes the borders instead of overlapping.
    QMargins margins = m_fixed;
    if (target.width() < margins.left() + margins.right()) {
        margins.setLeft(target.width() / 2);
        margins.setRight(target.width() - target.width() / 2);
    }
    if (target.height() < margins.top() + margins.bottom()) {
        margins.setTop(target.height() / 2);
        margins.setBottom(target.height() - target.height() / 2);
    }
    qDrawBorderPixmap(&painter, target, margins, m_image, source, m_fixed);
}
