#include "qnxcheckbox.h"

#include <QMouseEvent>
#include <QPainter>

#include "nxskin.h"

QNxCheckBox::QNxCheckBox(QWidget* parent) : QNxCheckBox(QString(), parent) {}

QNxCheckBox::QNxCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent)
{
    setFont(NxSkin::font(12));
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    m_draw.setTextColor(QNxBaseButtonDraw::Pressed, NxSkin::text());
    setIndicatorImage(QStringLiteral("/image/common/checkbox.png"));
}

bool QNxCheckBox::setIndicatorImage(const QString& path)
{
    const bool ok = m_draw.setImage(path);
    updateGeometry();
    update();
    return ok;
}

void QNxCheckBox::setTextColor(int state, const QColor& color)
{
    m_draw.setTextColor(state, color);
    update();
}

QSize QNxCheckBox::sizeHint() const
{
    const QSize indicator = m_draw.hasImage() ? m_draw.frameSize() : QSize(16, 16);
    const QFontMetrics fm(font());
    const int textWidth = text().isEmpty() ? 0 : m_spacing + fm.horizontalAdvance(text()) + 2;
    return QSize(indicator.width() + textWidth, qMax(indicator.height(), fm.height()) + 4);
}

bool QNxCheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

void QNxCheckBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QSize indicator = m_draw.hasImage() ? m_draw.frameSize() : QSize(16, 16);
    const QRect box(0, (height() - indicator.height()) / 2, indicator.width(), indicator.height());
    const bool marked = checkState() != Qt::Unchecked;
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

void QNxCheckBox::setState(int state)
{
    if (!isEnabled())
        state = QNxBaseButtonDraw::Disabled;
    if (state != m_state) {
        m_state = state;
        update();
    }
}

void QNxCheckBox::enterEvent(QEvent* event)
{
    QCheckBox::enterEvent(event);
    setState(QNxBaseButtonDraw::Hover);
}

void QNxCheckBox::leaveEvent(QEvent* event)
{
    QCheckBox::leaveEvent(event);
    setState(QNxBaseButtonDraw::Normal);
}

void QNxCheckBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setState(QNxBaseButtonDraw::Pressed);
    QCheckBox::mousePressEvent(event);
}

void QNxCheckBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setState(rect().contains(event->pos()) ? QNxBaseButtonDraw::Hover
                                               : QNxBaseButtonDraw::Normal);
    QCheckBox::mouseReleaseEvent(event);
}

void QNxCheckBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        m_state = isEnabled() ? QNxBaseButtonDraw::Normal : QNxBaseButtonDraw::Disabled;
        update();
    }
    QCheckBox::changeEvent(event);
}
