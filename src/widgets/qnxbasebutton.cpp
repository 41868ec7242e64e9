#include "qnxbasebutton.h"

#include <QMouseEvent>
#include <QPainter>

#include "nxskin.h"

QNxBaseButton::QNxBaseButton(QWidget* parent) : QAbstractButton(parent)
{
    setFont(NxSkin::font(12));
    setMouseTracking(true);
}

QNxBaseButton::QNxBaseButton(const QString& imagePath, QWidget* parent) : QNxBaseButton(parent)
{
    setImage(imagePath);
}

bool QNxBaseButton::setImage(const QString& path)
{
    // Callers refresh icons from periodic state (the volume icon follows the inputs panel);
    // the same image again must not lay the window out anew.
    if (!path.isEmpty() && path == m_imagePath)
        return true;
    if (!m_draw.setImage(path))
        return false;
    m_imagePath = path;
    resize(m_draw.frameSize());
    updateGeometry();
    update();
    return true;
}

void QNxBaseButton::setTextColor(int state, const QColor& color)
{
    m_draw.setTextColor(state, color);
    update();
}

void QNxBaseButton::setTextColors(const QColor& normal, const QColor& hover, const QColor& pressed,
                                  const QColor& disabled)
{
    m_draw.setTextColor(QNxBaseButtonDraw::Normal, normal);
    m_draw.setTextColor(QNxBaseButtonDraw::Hover, hover);
    m_draw.setTextColor(QNxBaseButtonDraw::Pressed, pressed);
    m_draw.setTextColor(QNxBaseButtonDraw::Disabled, disabled);
    update();
}

void QNxBaseButton::setTextMargins(const QMargins& margins)
{
    m_textMargins = margins;
    update();
}

void QNxBaseButton::setTextAlignment(Qt::Alignment alignment)
{
    m_textAlignment = alignment;
    update();
}

void QNxBaseButton::setFontPixelSize(int pixelSize)
{
    QFont f = font();
    f.setPixelSize(pixelSize);
    setFont(f);
}

void QNxBaseButton::setHoverCursor(Qt::CursorShape shape)
{
    m_hoverCursor = shape;
}

QSize QNxBaseButton::sizeHint() const
{
    if (m_draw.hasImage())
        return m_draw.frameSize();
    const QFontMetrics fm(font());
    return QSize(fm.horizontalAdvance(text()) + 24 + m_textMargins.left() + m_textMargins.right(),
                 qMax(fm.height() + 10, 24));
}

void QNxBaseButton::setState(int state)
{
    if (!isEnabled())
        state = QNxBaseButtonDraw::Disabled;
    if (state == m_state)
        return;
    m_state = state;
    update();
    emit emitStateChanged(state);
}

QRect QNxBaseButton::textRect() const
{
    return rect().marginsRemoved(m_textMargins);
}

void QNxBaseButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QColor color = m_draw.paint(painter, rect(), m_state, isCheckable() && isChecked());
    paintText(painter, color);
}

void QNxBaseButton::paintText(QPainter& painter, const QColor& color)
{
    if (text().isEmpty())
        return;
    painter.setFont(font());
    painter.setPen(color);
    const QRect area = textRect();
    const QString shown = painter.fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    painter.drawText(area, int(m_textAlignment) | Qt::TextSingleLine, shown);
}

void QNxBaseButton::enterEvent(QEvent* event)
{
    QAbstractButton::enterEvent(event);
    if (isEnabled()) {
        setCursor(m_hoverCursor);
        setState(QNxBaseButtonDraw::Hover);
    }
}

void QNxBaseButton::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    unsetCursor();
    if (isEnabled())
        setState(QNxBaseButtonDraw::Normal);
}

void QNxBaseButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setState(QNxBaseButtonDraw::Pressed);
    QAbstractButton::mousePressEvent(event);
}

void QNxBaseButton::mouseReleaseEvent(QMouseEvent* event)
{
    // The state is settled before the click is delivered, so a slot that disables or hides
    // the button is not undone afterwards.
    if (event->button() == Qt::LeftButton) {
        setState(rect().contains(event->pos()) ? QNxBaseButtonDraw::Hover
                                               : QNxBaseButtonDraw::Normal);
    }
    QAbstractButton::mouseReleaseEvent(event);
}

void QNxBaseButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        m_state = isEnabled() ? QNxBaseButtonDraw::Normal : QNxBaseButtonDraw::Disabled;
        update();
        emit emitStateChanged(m_state);
    }
    QAbstractButton::changeEvent(event);
}
