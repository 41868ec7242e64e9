#include "qnxmenustyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

#include "nxskin.h"

namespace {
constexpr int kIconColumn = 30;
// The text starts this far from the row's left edge; sizes and drawing both use it.
constexpr int kTextLeft = kIconColumn + 4;
constexpr int kTextRight = 24;
const QColor kMenuBackground(28, 30, 37);
}  // namespace

QNxMenuStyle::QNxMenuStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int QNxMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const
{
    switch (metric) {
        case PM_MenuPanelWidth:
            return 1;
        case PM_MenuHMargin:
            return 0;
        case PM_MenuVMargin:
            return 4;
        case PM_SmallIconSize:
            return 16;
        case PM_SubMenuOverlap:
            return 0;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize QNxMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                     const QSize& size, const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type != CT_MenuItem || !item)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    if (item->menuItemType == QStyleOptionMenuItem::Separator)
        return QSize(size.width(), kSeparatorHeight);
    QString label = item->text;
    const int tab = label.indexOf(QLatin1Char('\t'));
    const QFontMetrics fm(item->font);
    int width = kTextLeft + fm.horizontalAdvance(label.left(tab).remove(QLatin1Char('&')));
    if (tab >= 0)
        width += 24 + fm.horizontalAdvance(label.mid(tab + 1));
    return QSize(qMax(width + kTextRight, 140), kRowHeight);
}

void QNxMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const
{
    if (element == PE_PanelMenu || element == PE_FrameMenu) {
        painter->save();
        if (element == PE_PanelMenu)
            painter->fillRect(option->rect, kMenuBackground);
        painter->setPen(NxSkin::border());
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void QNxMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuEmptyArea) {
        painter->fillRect(option->rect, kMenuBackground);
        return;
    }
    if (element != CE_MenuItem || !item) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    painter->save();
    const QRect row = item->rect;
    painter->fillRect(row, kMenuBackground);
    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        painter->fillRect(QRect(row.left() + 10, row.center().y(), row.width() - 20, 1),
                          NxSkin::border());
        painter->restore();
        return;
    }
    const bool enabled = item->state & State_Enabled;
    const bool selected = enabled && (item->state & State_Selected);
    if (selected)
        painter->fillRect(row.adjusted(1, 0, -1, 0), NxSkin::selection());
    const QColor textColor = !enabled   ? NxSkin::textDisabled()
                             : selected ? NxSkin::textBright()
                                        : NxSkin::text();
    const QRect iconRect(row.left() + (kIconColumn - 16) / 2 + 2,
                         row.top() + (row.height() - 16) / 2, 16, 16);
    if (item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked) {
        painter->drawPixmap(iconRect,
                            NxSkin::pixmap(QStringLiteral("/image/common/menu_check.png")));
    } else if (!item->icon.isNull()) {
        const QIcon::Mode mode = enabled ? QIcon::Normal : QIcon::Disabled;
        painter->drawPixmap(iconRect, item->icon.pixmap(QSize(16, 16), mode));
    }
    QString label = item->text;
    QString shortcut;
    const int tab = label.indexOf(QLatin1Char('\t'));
    if (tab >= 0) {
        shortcut = label.mid(tab + 1);
        label = label.left(tab);
    }
    painter->setFont(item->font);
    painter->setPen(textColor);
    const QRect textRect = row.adjusted(kTextLeft, 0, -kTextRight, 0);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextHideMnemonic, label);
    if (!shortcut.isEmpty()) {
        painter->setPen(enabled ? NxSkin::textDim() : NxSkin::textDisabled());
        painter->drawText(textRect, Qt::AlignRight | Qt::AlignVCenter, shortcut);
    }
    if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
        const int cx = row.right() - 12;
        const int cy = row.center().y();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(textColor, 1.5));
        painter->drawPolyline(
            QPolygonF({QPointF(cx - 2, cy - 4), QPointF(cx + 2, cy), QPointF(cx - 2, cy + 4)}));
    }
    painter->restore();
}
