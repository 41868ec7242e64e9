#include "qnxscrollbarstyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionSlider>

#include "nxskin.h"

QNxScrollBarStyle::QNxScrollBarStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

int QNxScrollBarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                   const QWidget* widget) const
{
    switch (metric) {
        case PM_ScrollBarExtent:
            return kExtent;
        case PM_ScrollBarSliderMin:
            return kMinimumHandle;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QRect QNxScrollBarStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                        SubControl sub, const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar)
        return QProxyStyle::subControlRect(control, option, sub, widget);
    const bool horizontal = bar->orientation == Qt::Horizontal;
    const QRect all = bar->rect;
    const int length = horizontal ? all.width() : all.height();
    const int range = bar->maximum - bar->minimum;
    int handle = length;
    if (range > 0) {
        handle = int(qint64(bar->pageStep) * length / (qint64(range) + bar->pageStep));
        handle = qBound(qMin(kMinimumHandle, length), handle, length);
    }
    const int start = sliderPositionFromValue(bar->minimum, bar->maximum, bar->sliderPosition,
                                              length - handle, bar->upsideDown);
    auto along = [&](int from, int size) {
        return horizontal ? QRect(all.x() + from, all.y(), size, all.height())
                          : QRect(all.x(), all.y() + from, all.width(), size);
    };
    switch (sub) {
        case SC_ScrollBarSlider:
            return along(start, handle);
        case SC_ScrollBarSubPage:
            return along(0, start);
        case SC_ScrollBarAddPage:
            return along(start + handle, length - start - handle);
        case SC_ScrollBarGroove:
            return all;
        case SC_ScrollBarAddLine:
        case SC_ScrollBarSubLine:
        case SC_ScrollBarFirst:
        case SC_ScrollBarLast:
            return QRect();
        default:
            return QProxyStyle::subControlRect(control, option, sub, widget);
    }
}

void QNxScrollBarStyle::drawComplexControl(ComplexControl control,
                                           const QStyleOptionComplex* option, QPainter* painter,
                                           const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    painter->save();
    painter->fillRect(bar->rect, NxSkin::panel());
    if (bar->maximum > bar->minimum) {
        const QRect handle =
            subControlRect(control, option, SC_ScrollBarSlider, widget).adjusted(2, 2, -2, -2);
        QColor color(58, 61, 74);
        const bool onHandle = bar->activeSubControls & SC_ScrollBarSlider;
        if (!(bar->state & State_Enabled))
            color = QColor(38, 40, 49);
        else if (onHandle && (bar->state & State_Sunken))
            color = NxSkin::accent();
        else if (onHandle && (bar->state & State_MouseOver))
            color = QColor(84, 88, 104);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(color);
        const qreal radius = qMin(handle.width(), handle.height()) / 2.0;
        painter->drawRoundedRect(handle, radius, radius);
    }
    painter->restore();
}

int QNxScrollBarStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                 QStyleHintReturn* returnData) const
{
    // A click on the track jumps there, like the skinned sliders.
    if (hint == SH_ScrollBar_LeftClickAbsolutePosition)
        return 1;
    if (hint == SH_ScrollBar_ContextMenu)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
