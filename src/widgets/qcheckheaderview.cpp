#include "qcheckheaderview.h"

#include <QMouseEvent>
#include <QPainter>

#include "nxskin.h"

namespace {
constexpr int kPadding = 8;
}  // namespace

QCheckHeaderView::QCheckHeaderView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
    setFont(NxSkin::font(12));
    m_background.setImage(QStringLiteral("/image/FileList/header_bg.png"));
    m_selected.setImage(QStringLiteral("/image/FileList/header_select_bg.png"));
    m_separator.setImage(QStringLiteral("/image/FileList/header_slip.png"));
    m_sortArrow = NxSkin::pixmap(QStringLiteral("/image/FileList/order_flag_up.png"));
    m_checkBox.setImage(QStringLiteral("/image/common/checkbox.png"));
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHighlightSections(false);
    setSectionsClickable(true);
}

void QCheckHeaderView::setCheckColumn(int section)
{
    m_checkColumn = section;
    viewport()->update();
}

void QCheckHeaderView::setChecked(bool checked)
{
    if (m_checked == checked)
        return;
    m_checked = checked;
    viewport()->update();
}

QRect QCheckHeaderView::checkBoxRect(const QRect& section) const
{
    const QSize s = m_checkBox.hasImage() ? m_checkBox.frameSize() : QSize(16, 16);
    return QRect(section.left() + kPadding, section.top() + (section.height() - s.height()) / 2,
                 s.width(), s.height());
}

void QCheckHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    painter->save();
    const bool pressed = logicalIndex == m_pressedSection;
    if (pressed && m_selected.hasImage())
        m_selected.draw(*painter, rect);
    else if (m_background.hasImage())
        m_background.draw(*painter, rect);
    else
        painter->fillRect(rect, QColor(31, 33, 41));
    if (m_separator.hasImage() && visualIndex(logicalIndex) < count() - 1) {
        const QSize s = m_separator.frameSize();
        m_separator.draw(*painter,
                         QRect(rect.right() + 1 - s.width(), rect.top(), s.width(), rect.height()));
    }
    QRect textRect = rect.adjusted(kPadding, 0, -kPadding, 0);
    if (logicalIndex == m_checkColumn) {
        const QRect box = checkBoxRect(rect);
        m_checkBox.paint(*painter, box,
                         isEnabled() ? QNxBaseButtonDraw::Normal : QNxBaseButtonDraw::Disabled,
                         m_checked);
        textRect.setLeft(box.right() + 7);
    }
    const QString text =
        model() ? model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString()
                : QString();
    const QFontMetrics fm(font());
    const bool sorted =
        isSortIndicatorShown() && sortIndicatorSection() == logicalIndex && !m_sortArrow.isNull();
    const int arrowSpace = sorted ? m_sortArrow.width() + 6 : 0;
    Qt::Alignment alignment = defaultAlignment();
    if (model()) {
        const QVariant align =
            model()->headerData(logicalIndex, orientation(), Qt::TextAlignmentRole);
        if (align.isValid())
            alignment = Qt::Alignment(align.toInt());
    }
    const QString shown = fm.elidedText(text, Qt::ElideRight, textRect.width() - arrowSpace);
    painter->setFont(font());
    painter->setPen(pressed ? NxSkin::textBright() : NxSkin::textDim());
    painter->drawText(textRect.adjusted(0, 0, -arrowSpace, 0), int(alignment) | Qt::TextSingleLine,
                      shown);
    if (sorted) {
        const QRect drawn = fm.boundingRect(textRect.adjusted(0, 0, -arrowSpace, 0),
                                            int(alignment) | Qt::TextSingleLine, shown);
        const int x = qMin(drawn.right() + 7, textRect.right() - m_sortArrow.width());
        const int y = rect.top() + (rect.height() - m_sortArrow.height()) / 2;
        if (sortIndicatorOrder() == Qt::AscendingOrder) {
            painter->drawPixmap(x, y, m_sortArrow);
        } else {
            painter->drawPixmap(x, y, m_sortArrow.transformed(QTransform().scale(1, -1)));
        }
    }
    painter->restore();
}

void QCheckHeaderView::mousePressEvent(QMouseEvent* event)
{
    const int section = logicalIndexAt(event->pos());
    if (event->button() == Qt::LeftButton && section >= 0 && section == m_checkColumn) {
        const QRect rect(sectionViewportPosition(section), 0, sectionSize(section), height());
        if (checkBoxRect(rect).adjusted(-3, -3, 3, 3).contains(event->pos())) {
            m_checked = !m_checked;
            viewport()->update();
            emit emitCheckStateChanged(m_checked);
            return;
        }
    }
    if (event->button() == Qt::LeftButton)
        m_pressedSection = section;
    QHeaderView::mousePressEvent(event);
}

void QCheckHeaderView::mouseReleaseEvent(QMouseEvent* event)
{
    m_pressedSection = -1;
    viewport()->update();
    QHeaderView::mouseReleaseEvent(event);
}

QSize QCheckHeaderView::sectionSizeFromContents(int logicalIndex) const
{
    QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    if (logicalIndex == m_checkColumn)
        size.rwidth() += 24;
    if (!m_sortArrow.isNull())
        size.rwidth() += m_sortArrow.width() + 6;
    return size;
}
