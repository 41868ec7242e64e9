#include "qbaseiconlistdelegate.h"

#include <QPainter>
#include <QTextLayout>

#include "nxskin.h"
#include "qnxbaseboxdraw.h"

namespace {
constexpr int kTopPadding = 10;
constexpr int kGap = 6;
}  // namespace

QBaseIconListDelegate::QBaseIconListDelegate(QObject* parent) : QNxBaseStyleDelegate(parent) {}

QRect QBaseIconListDelegate::iconRect(const QRect& tile) const
{
    return QRect(tile.left() + (tile.width() - m_icon.width()) / 2, tile.top() + kTopPadding,
                 m_icon.width(), m_icon.height());
}

QSize QBaseIconListDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    return m_tile;
}

void QBaseIconListDelegate::paintBackground(QPainter* painter, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const
{
    const QRectF tile = QRectF(option.rect).adjusted(2, 2, -2, -2);
    if (option.state & QStyle::State_Selected) {
        QColor tint = NxSkin::accent();
        tint.setAlpha(40);
        QNxBaseBoxDraw(tint, NxSkin::accent(), 6).draw(*painter, tile);
    } else if (isHoverRow(option, index) || (option.state & QStyle::State_MouseOver)) {
        QNxBaseBoxDraw(NxSkin::surfaceHover(), QColor(), 6).draw(*painter, tile);
    }
}

void QBaseIconListDelegate::paintContent(QPainter* painter, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    const QRect icon = iconRect(option.rect);
    const QVariant decoration = index.data(Qt::DecorationRole);
    QPixmap pix;
    if (decoration.canConvert<QPixmap>())
        pix = decoration.value<QPixmap>();
    else if (decoration.canConvert<QImage>())
        pix = QPixmap::fromImage(decoration.value<QImage>());
    else if (decoration.canConvert<QIcon>())
        pix = decoration.value<QIcon>().pixmap(m_icon);
    if (!pix.isNull()) {
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        const QSize fitted = pix.size().scaled(m_icon, Qt::KeepAspectRatio);
        painter->drawPixmap(QRect(icon.left() + (icon.width() - fitted.width()) / 2,
                                  icon.top() + (icon.height() - fitted.height()) / 2,
                                  fitted.width(), fitted.height()),
                            pix);
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return;
    painter->setFont(NxSkin::font(m_fontPixelSize));
    painter->setPen((option.state & QStyle::State_Selected) ? NxSkin::textBright()
                                                            : textColorFor(option));
    const QRect textArea(option.rect.left() + 4, icon.bottom() + kGap, option.rect.width() - 8,
                         option.rect.bottom() - icon.bottom() - kGap);
    const QFontMetrics fm = painter->fontMetrics();
    // Two centred lines at most; the second is elided.
    QTextLayout layout(text, painter->font());
    layout.beginLayout();
    QStringList lines;
    while (lines.size() < 2) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(textArea.width());
        lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
        if (lines.size() == 2)
            lines[1] = fm.elidedText(text.mid(line.textStart()).trimmed(), Qt::ElideRight,
                                     textArea.width());
    }
    layout.endLayout();
    int y = textArea.top();
    for (const QString& line : qAsConst(lines)) {
        painter->drawText(QRect(textArea.left(), y, textArea.width(), fm.height()),
                          Qt::AlignHCenter | Qt::AlignTop, line);
        y += fm.height();
    }
}
