#include "qnxradiobutton.h"

#include <QMouseEvent>
#include <QPainter>

#include "nxskin.h"

QNxRadioButton::QNxRadioButton(QWidget* parent) : QNxRadioButton(QString(), parent) {}

QNxRadioButton::QNxRadioButton(const QString& text, QWidget* parent) : QRadioButton(text, parent)
{
    setFont(NxSkin::font(12));
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    m_draw.setTextColor(QNxBaseButtonDraw::Pressed, NxSkin::text());
    setIndicatorImage(QStringLiteral("/image/common/radio.png"));
}

bool QNxRadioButton::setIndicatorImage(const QString& path)
{
    const bool ok = m_draw.setImage(path);
    updateGeometry();
    update();
    return ok;
}

void QNxRadioButton::setTextColor(int state, const QColor& color)
{
    m_draw.setTextColor(state, color);
    update();
}

QSize QNxRadioButton::sizeHint() const
{
    const QSize indicator = m_draw.hasImage() ? m_draw.frameSize() : QSize(16, 16);
    const QFontMetrics fm(font());
    const int textWidth = text().isEmpty() ? 0 : m_spacing + fm.horizontalAdvance(text()) + 2;
    return QSize(indicator.width() + textWidth, qMax(indicator.height(), fm.height()) + 4);
}

bool QNxRadioButton::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

void QNxRadioButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QSize indicator = m_draw.hasImage() ? m_draw.frameSize() : QSize(16, 16);
    const QRect box(0, (height() - indicator.height()) / 2, indicator.width(), indicator.height());
    const bool marked = isChecked();
    QColor color = m_draw.paint(painter, box, m_state, marked);
    if (m_state == QNxBaseButtonDraw::Disabled)
        color = m_draw.textColor(QNxBaseButtonDraw::Disabled);
    else if (marked && m_state == QNxBaseButtonDraw::Hover)
        color = m_draw.textColor(QNxBaseButtonDraw::Hover);
    if (text().isEmpty())
        return;
    painter.setFont(font());
    painter.setPen(color);
    const QRect area(box.right() + 1 + m_spacing, 0, width() - box.width() - m_spacing, height());
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
}

void QNxRadioButton::setState(int state)
{
    if (!isEnabled())
        state = QNxBaseButtonDraw::Disabled;
    if (state != m_state) {
        m_state = state;
        update();
    }
}

void QNxRadioButton::enterEvent(QEvent* event)
{
    QRadioButton::enterEvent(event);
    setState(QNxBaseButtonDraw::Hover);
}

void QNxRadioButton::leaveEvent(QEvent* event)
{
    QRadioButton::leaveEvent(event);
    setState(QNxBaseButtonDraw::Normal);
}

void QNxRadioButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setState(QNxBaseButtonDraw::Pressed);
    QRadioButton::mousePressEvent(event);
}

void QNxRadioButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setState(rect().contains(event->pos()) ? QNxBaseButtonDraw::Hover
                                               : QNxBaseButtonDraw::Normal);
    QRadioButton::mouseReleaseEvent(event);
}

void QNxRadioButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        m_state = isEnabled() ? QNxBaseButtonDraw::Normal : QNxBaseButtonDraw::Disabled;
        update();
    }
    QRadioButton::changeEvent(event);
}
