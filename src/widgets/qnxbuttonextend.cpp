#include "qnxbuttonextend.h"

#include <QPainter>

#include "nxskin.h"
#include "qnxbaseboxdraw.h"

QNxButtonExtend::QNxButtonExtend(QWidget* parent) : QNxBaseButton(parent)
{
    m_background[QNxBaseButtonDraw::Normal] = QColor(Qt::transparent);
    m_background[QNxBaseButtonDraw::Hover] = NxSkin::surfaceHover();
    m_background[QNxBaseButtonDraw::Pressed] = NxSkin::selection();
    m_background[QNxBaseButtonDraw::Disabled] = QColor(Qt::transparent);
}

bool QNxButtonExtend::setIconImage(const QString& path, int frames)
{
    const QPixmap pix = NxSkin::pixmap(path);
    if (pix.isNull())
        return false;
    m_icon = pix;
    m_iconFrames = frames == QNxBaseButtonDraw::kFrameCount ? frames : 1;
    updateGeometry();
    update();
    return true;
}

void QNxButtonExtend::setBackgroundColor(int state, const QColor& color)
{
    if (state >= 0 && state < QNxBaseButtonDraw::kFrameCount)
        m_background[state] = color;
    update();
}

void QNxButtonExtend::setIconSpacing(int pixels)
{
    m_spacing = pixels;
    updateGeometry();
}

void QNxButtonExtend::setContentMargin(int pixels)
{
    m_margin = pixels;
    updateGeometry();
}

QSize QNxButtonExtend::sizeHint() const
{
    if (m_draw.hasImage())
        return QNxBaseButton::sizeHint();
    const QFontMetrics fm(font());
    const int iconWidth = m_icon.isNull() ? 0 : m_icon.width() / m_iconFrames + m_spacing;
    return QSize(2 * m_margin + iconWidth + fm.horizontalAdvance(text()),
                 qMax(fm.height(), m_icon.height()) + 10);
}

void QNxButtonExtend::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const bool checked = isCheckable() && isChecked();
    const int frame = QNxBaseButtonDraw::frameFor(state(), checked);
    QColor color;
    if (m_draw.hasImage()) {
        color = m_draw.paint(painter, rect(), state(), checked);
    } else {
        QNxBaseBoxDraw(m_background[qBound(0, frame, 3)], QColor(), 4).draw(painter, rect());
        color = m_draw.textColor(frame);
    }
    int x = m_margin;
    if (!m_icon.isNull()) {
        const int w = m_icon.width() / m_iconFrames;
        const QRect source(m_iconFrames > 1 ? frame * w : 0, 0, w, m_icon.height());
        painter.drawPixmap(QPoint(x, (height() - m_icon.height()) / 2), m_icon, source);
        x += w + m_spacing;
    }
    painter.setFont(font());
    painter.setPen(color);
    const QRect area(x, 0, width() - x - m_margin, height());
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
}
