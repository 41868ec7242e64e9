#include "qvesliderctrlbtn.h"

#include <QMouseEvent>

QVESliderCtrlBtn::QVESliderCtrlBtn(const QString& imagePath, QWidget* parent)
    : QNxBaseButton(imagePath, parent)
{
    setFocusPolicy(Qt::NoFocus);
    setHoverCursor(Qt::SizeHorCursor);
}

void QVESliderCtrlBtn::mousePressEvent(QMouseEvent* event)
{
    QNxBaseButton::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    m_grab = event->pos() - rect().center();
    emit mouseDown(event);
    emit mouseDownY(event);
}

void QVESliderCtrlBtn::mouseMoveEvent(QMouseEvent* event)
{
    QNxBaseButton::mouseMoveEvent(event);
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint centre = mapToParent(event->pos() - m_grab);
    emit mouseMove(event, centre.x());
    emit mouseMoveY(event, centre.y());
}

void QVESliderCtrlBtn::mouseReleaseEvent(QMouseEvent* event)
{
    QNxBaseButton::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    emit mouseUp(event);
    emit mouseUpY(event);
}
