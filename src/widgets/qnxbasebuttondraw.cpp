#include "qnxbasebuttondraw.h"

#include <QPainter>

#include "nxskin.h"

QNxBaseButtonDraw::QNxBaseButtonDraw()
{
    m_textColors[Normal] = NxSkin::text();
    m_textColors[Hover] = NxSkin::textBright();
    m_textColors[Pressed] = NxSkin::textBright();
    m_textColors[Disabled] = NxSkin::textDisabled();
}

bool QNxBaseButtonDraw::setImage(const QString& path)
{
    const QPixmap pix = NxSkin::pixmap(path);
    if (pix.isNull())
        return false;
    m_image = pix;
    return true;
}

void QNxBaseButtonDraw::setPixmap(const QPixmap& pixmap)
{
    m_image = pixmap;
}

QSize QNxBaseButtonDraw::frameSize() const
{
    if (m_image.isNull())
        return QSize();
    return QSize(m_image.width() / kFrameCount, m_image.height());
}

QRect QNxBaseButtonDraw::frameRect(const QSize& imageSize, int frame)
{
    const int width = imageSize.width() / kFrameCount;
    return QRect(frame * width, 0, width, imageSize.height());
}

void QNxBaseButtonDraw::setTextColor(int state, const QColor& color)
{
    if (state >= 0 && state < kFrameCount)
        m_textColors[state] = color;
}

QColor QNxBaseButtonDraw::textColor(int state) const
{
    if (state >= 0 && state < kFrameCount)
        return m_textColors[state];
    return m_textColors[Normal];
}

int QNxBaseButtonDraw::frameFor(int state, bool checked)
{
    return checked ? int(Pressed) : state;
}

QColor QNxBaseButtonDraw::paint(QPainter& painter, const QRect& target, int state,
                                bool checked) const
{
    const int frame = frameFor(state, checked);
    if (m_image.isNull())
        return textColor(frame);
    if (frame < 0 || frame >= kFrameCount) {
        painter.drawPixmap(target.topLeft(), m_image);
        return textColor(Normal);
    }
    painter.drawPixmap(target, m_image, frameRect(m_image.size(), frame));
    return textColor(frame);
}
