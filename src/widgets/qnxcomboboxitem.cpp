#include "qnxcomboboxitem.h"

#include <QPainter>

#include "nxskin.h"
#include "qnxbasebuttondraw.h"

QNxComboBoxItem::QNxComboBoxItem(QObject* parent) : QStyledItemDelegate(parent) {}

void QNxComboBoxItem::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const
{
    painter->save();
    const bool enabled =
        (option.state & QStyle::State_Enabled) && (index.flags() & Qt::ItemIsEnabled);
    const bool hot = enabled && (option.state & (QStyle::State_MouseOver | QStyle::State_Selected));
    painter->fillRect(option.rect, hot ? NxSkin::selection() : QColor(28, 30, 37));
    int left = option.rect.left() + 10;
    const QVariant check = index.data(Qt::CheckStateRole);
    if ((index.flags() & Qt::ItemIsUserCheckable) && check.isValid()) {
        QNxBaseButtonDraw box;
        if (box.setImage(QStringLiteral("/image/common/checkbox.png"))) {
            const QSize s = box.frameSize();
            const QRect target(left, option.rect.top() + (option.rect.height() - s.height()) / 2,
                               s.width(), s.height());
            box.paint(*painter, target,
                      enabled ? (hot ? QNxBaseButtonDraw::Hover : QNxBaseButtonDraw::Normal)
                              : QNxBaseButtonDraw::Disabled,
                      check.toInt() != Qt::Unchecked);
            left += s.width() + 8;
        }
    }
    const QVariant decoration = index.data(Qt::DecorationRole);
    if (decoration.canConvert<QIcon>() && !decoration.value<QIcon>().isNull()) {
        const QRect iconRect(left, option.rect.top() + (option.rect.height() - 16) / 2, 16, 16);
        decoration.value<QIcon>().paint(painter, iconRect);
        left += 22;
    }
    QColor color = NxSkin::text();
    if (!enabled)
        color = NxSkin::textDisabled();
    else if (hot)
        color = NxSkin::textBright();
    else if (index.row() == m_currentRow)
        color = NxSkin::accent();
    painter->setPen(color);
    painter->setFont(option.font);
    const QRect textRect(left, option.rect.top(), option.rect.right() - left - 8,
                         option.rect.height());
    const QString text = index.data(Qt::DisplayRole).toString();
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                      painter->fontMetrics().elidedText(text, Qt::ElideRight, textRect.width()));
    painter->restore();
}

QSize QNxComboBoxItem::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(kRowHeight);
    size.setWidth(size.width() + 36);
    return size;
}
