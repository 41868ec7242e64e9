#include "qeffectdelegate.h"

#include <QPainter>

#include "nxskin.h"

QEffectDelegate::QEffectDelegate(QObject* parent) : QBaseIconListDelegate(parent)
{
    setTileSize(QSize(kTileWidth, kTileHeight));
    setIconSize(QSize(kThumbWidth, kThumbHeight));
}

void QEffectDelegate::paintContent(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const
{
    QBaseIconListDelegate::paintContent(painter, option, index);
    if (!(option.state & QStyle::State_Selected))
        return;
    const QPixmap mask = NxSkin::pixmap(QStringLiteral("/image/EditDlg/mask.png"));
    if (!mask.isNull())
        painter->drawPixmap(iconRect(option.rect), mask);
}
