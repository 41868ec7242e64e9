#include "qnxstylebutton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionViewItem>

QNxStyleButton::QNxStyleButton(const QString& imagePath, QObject* parent) : QObject(parent)
{
    if (!imagePath.isEmpty())
        setImage(imagePath);
}

bool QNxStyleButton::setImage(const QString& path)
{
    return m_draw.setImage(path);
}

void QNxStyleButton::setPlacement(Qt::Alignment alignment, int offset)
{
    m_alignment = alignment;
    m_offset = offset;
}

QRect QNxStyleButton::buttonRect(const QRect& cell) const
{
    const QSize s = size();
    int x = cell.left() + m_offset;
    if (m_alignment & Qt::AlignRight)
        x = cell.right() + 1 - m_offset - s.width();
    else if (m_alignment & Qt::AlignHCenter)
        x = cell.left() + (cell.width() - s.width()) / 2 + m_offset;
    return QRect(x, cell.top() + (cell.height() - s.height()) / 2, s.width(), s.height());
}

static bool sameRow(const QPersistentModelIndex& a, const QModelIndex& b)
{
    return a.isValid() && b.isValid() && a.row() == b.row() && a.parent() == b.parent();
}

int QNxStyleButton::stateFor(const QModelIndex& index) const
{
    if (!m_enabled)
        return QNxBaseButtonDraw::Disabled;
    if (sameRow(m_pressed, index) && sameRow(m_hover, index))
        return QNxBaseButtonDraw::Pressed;
    if (sameRow(m_hover, index))
        return QNxBaseButtonDraw::Hover;
    return QNxBaseButtonDraw::Normal;
}

void QNxStyleButton::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const
{
    if (!m_visible || !m_draw.hasImage())
        return;
    m_draw.paint(*painter, buttonRect(option.rect), stateFor(index), false);
}

bool QNxStyleButton::handleEvent(QEvent* event, const QStyleOptionViewItem& option,
                                 const QModelIndex& index)
{
    if (!m_visible || !m_enabled || !m_draw.hasImage())
        return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress &&
        type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
        return false;
    const auto* me = static_cast<QMouseEvent*>(event);
    const bool inside = buttonRect(option.rect).contains(me->pos());
    m_hover = inside ? QPersistentModelIndex(index) : QPersistentModelIndex();
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (inside && me->button() == Qt::LeftButton) {
                m_pressed = index;
                return true;
            }
            return false;
        case QEvent::MouseButtonRelease: {
            const bool click =
                inside && me->button() == Qt::LeftButton && sameRow(m_pressed, index);
            const bool wasPressed = m_pressed.isValid();
            m_pressed = QPersistentModelIndex();
            if (click) {
                emit emitClickIndex(index);
                return true;
            }
            return wasPressed && inside;
        }
        default:
            return false;
    }
}

void QNxStyleButton::clearState()
{
    m_hover = QPersistentModelIndex();
    m_pressed = QPersistentModelIndex();
}
