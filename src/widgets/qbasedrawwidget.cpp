#include "qbasedrawwidget.h"

#include <QPainter>

#include "nxskin.h"

QBaseDrawWidget::QBaseDrawWidget(QWidget* parent)
    : QWidget(parent), m_background(NxSkin::panel(), QColor(), 0)
{
    setFont(NxSkin::font(12));
}

void QBaseDrawWidget::drawContent(QPainter&, const QRect&) {}

void QBaseDrawWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_background.draw(painter, rect());
    drawContent(painter, rect());
}

void QBaseDrawWidget::enterEvent(QEvent* event)
{
    m_hovered = true;
    update();
    QWidget::enterEvent(event);
}

void QBaseDrawWidget::leaveEvent(QEvent* event)
{
    m_hovered = false;
    update();
    QWidget::leaveEvent(event);
}
