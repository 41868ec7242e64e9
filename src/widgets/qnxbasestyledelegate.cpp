#include "qnxbasestyledelegate.h"

#include <QAbstractItemView>
#include <QPainter>

#include "nxskin.h"
#include "qdelegatestylewidget.h"
#include "qnxviewmodeldrawattribute.h"

QNxBaseStyleDelegate::QNxBaseStyleDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

bool QNxBaseStyleDelegate::isHoverRow(const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (const QVariant hover = option.widget ? option.widget->property("nxHoverRow") : QVariant();
        hover.isValid())
        return hover.toInt() == index.row();
    if (const QNxViewModelDrawAttribute* attribute = QNxViewModelDrawAttribute::of(index.model()))
        return attribute->hoverRow() == index.row();
    return option.state & QStyle::State_MouseOver;
}

QColor QNxBaseStyleDelegate::backgroundFor(const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const
{
    if (option.state & QStyle::State_Selected)
        return m_style ? m_style->selectedColor() : NxSkin::selection();
    if (isHoverRow(option, index))
        return m_style ? m_style->hoverColor() : NxSkin::rowHover();
    if (m_alternating && index.row() % 2 == 1)
        return m_style ? m_style->alternateColor() : QColor(23, 24, 30);
    return m_style ? m_style->backgroundColor() : NxSkin::panel();
}

QColor QNxBaseStyleDelegate::textColorFor(const QStyleOptionViewItem& option) const
{
    if (!(option.state & QStyle::State_Enabled))
        return m_style ? m_style->disabledTextColor() : NxSkin::textDisabled();
    if (option.state & QStyle::State_Selected)
        return m_style ? m_style->selectedTextColor() : NxSkin::textBright();
    return m_style ? m_style->textColor() : NxSkin::text();
}

void QNxBaseStyleDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const
{
    painter->save();
    paintBackground(painter, option, index);
    paintContent(painter, option, index);
    painter->restore();
}

void QNxBaseStyleDelegate::paintBackground(QPainter* painter, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const
{
    painter->fillRect(option.rect, backgroundFor(option, index));
}

void QNxBaseStyleDelegate::paintContent(QPainter* painter, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    QRect area = option.rect.adjusted(m_padding, 0, -m_padding, 0);
    const QVariant decoration = index.data(Qt::DecorationRole);
    QPixmap icon;
    if (decoration.canConvert<QPixmap>())
        icon = decoration.value<QPixmap>();
    else if (decoration.canConvert<QIcon>())
        icon = decoration.value<QIcon>().pixmap(16, 16);
    if (!icon.isNull()) {
        const QSize s = icon.size().boundedTo(QSize(area.height(), area.height()));
        painter->drawPixmap(QRect(area.left(), area.top() + (area.height() - s.height()) / 2,
                                  s.width(), s.height()),
                            icon);
        area.setLeft(area.left() + s.width() + 6);
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return;
    QFont f = NxSkin::font(m_fontPixelSize);
    if (const QVariant custom = index.data(Qt::FontRole); custom.canConvert<QFont>()) {
        f = custom.value<QFont>();
        if (f.pixelSize() <= 0)
            f.setPixelSize(m_fontPixelSize);
    }
    painter->setFont(f);
    QColor color = textColorFor(option);
    if (const QVariant custom = index.data(Qt::ForegroundRole);
        custom.canConvert<QBrush>() && !(option.state & QStyle::State_Selected))
        color = custom.value<QBrush>().color();
    painter->setPen(color);
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    if (const QVariant align = index.data(Qt::TextAlignmentRole); align.isValid())
        alignment = Qt::Alignment(align.toInt());
    painter->drawText(area, int(alignment) | Qt::TextSingleLine,
                      painter->fontMetrics().elidedText(text, Qt::ElideRight, area.width()));
}

QSize QNxBaseStyleDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    int height = 26;
    if (const QNxViewModelDrawAttribute* attribute = QNxViewModelDrawAttribute::of(index.model()))
        height = attribute->rowHeight();
    size.setHeight(height);
    return size;
}
