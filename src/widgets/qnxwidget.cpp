#include "qnxwidget.h"

#include <QPainter>
#include <QStyleOption>

#include "nxskin.h"

QNxWidget::QNxWidget(QWidget* parent) : QWidget(parent), m_box(NxSkin::panel(), QColor(), 0)
{
    setFont(NxSkin::font(12));
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, NxSkin::text());
    pal.setColor(QPalette::Text, NxSkin::text());
    setPalette(pal);
}

void QNxWidget::setBackgroundColor(const QColor& color)
{
    m_box.setFill(color);
    update();
}

void QNxWidget::setBorderColor(const QColor& color)
{
    m_box.setBorder(color);
    update();
}

void QNxWidget::setRadius(qreal radius)
{
    m_box.setRadius(radius);
    update();
}

bool QNxWidget::setBackgroundImage(const QString& path)
{
    const bool ok = m_image.setImage(path);
    update();
    return ok;
}

void QNxWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_box.draw(painter, rect());
    m_image.draw(painter, rect());
    // Style sheets set on the widget still apply on top of the skin.
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
