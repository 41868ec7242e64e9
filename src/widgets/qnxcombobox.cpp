#include "qnxcombobox.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QPainter>

#include "nxskin.h"
#include "qnxbaseboxdraw.h"
#include "qnxcomboboxitem.h"
#include "qnxscrollbar.h"

namespace {
constexpr int kArrowRight = 8;
constexpr int kTextLeft = 10;
}  // namespace

QNxComboBox::QNxComboBox(QWidget* parent) : QComboBox(parent)
{
    setFont(NxSkin::font(12));
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    m_arrow.setImage(QStringLiteral("/image/common/combo_arrow.png"));
    m_delegate = new QNxComboBoxItem(this);
    setItemDelegate(m_delegate);
    view()->setVerticalScrollBar(new QNxScrollBar(Qt::Vertical, view()));
    view()->setFont(NxSkin::font(12));
    // The pop-up frame and list are separate windows; a style sheet reaches them.
    setStyleSheet(QStringLiteral(
        "QComboBox QAbstractItemView { background: rgb(28, 30, 37); border: 1px solid "
        "rgb(54, 57, 70); outline: 0; padding: 2px 0px; selection-background-color: "
        "rgb(30, 58, 78); }"));
}

void QNxComboBox::showPopup()
{
    m_delegate->setCurrentRow(currentIndex());
    m_popupOpen = true;
    setState(QNxBaseButtonDraw::Pressed);
    QComboBox::showPopup();
}

void QNxComboBox::hidePopup()
{
    QComboBox::hidePopup();
    m_popupOpen = false;
    setState(underMouse() ? QNxBaseButtonDraw::Hover : QNxBaseButtonDraw::Normal);
}

QSize QNxComboBox::sizeHint() const
{
    const QFontMetrics fm(font());
    int widest = 60;
    for (int i = 0; i < count(); ++i)
        widest = qMax(widest, fm.horizontalAdvance(itemText(i)));
    const int arrow = m_arrow.hasImage() ? m_arrow.frameSize().width() : 12;
    return QSize(qMin(widest, 260) + kTextLeft + arrow + kArrowRight + 10, 30);
}

QSize QNxComboBox::minimumSizeHint() const
{
    return QSize(60, 26);
}

QString QNxComboBox::displayText() const
{
    return currentIndex() < 0 ? placeholderText() : currentText();
}

void QNxComboBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QColor border = NxSkin::border();
    QColor fill = NxSkin::surface();
    if (m_state == QNxBaseButtonDraw::Hover || hasFocus())
        border = NxSkin::accent();
    if (m_state == QNxBaseButtonDraw::Pressed)
        border = NxSkin::accentPressed();
    if (m_state == QNxBaseButtonDraw::Disabled) {
        border = QColor(37, 39, 47);
        fill = QColor(26, 27, 33);
    }
    QNxBaseBoxDraw(fill, border, 4).draw(painter, rect());

    const QSize arrow = m_arrow.hasImage() ? m_arrow.frameSize() : QSize();
    const QRect arrowRect(width() - arrow.width() - kArrowRight, (height() - arrow.height()) / 2,
                          arrow.width(), arrow.height());
    m_arrow.paint(painter, arrowRect, m_state, false);

    painter.setFont(font());
    painter.setPen(m_state == QNxBaseButtonDraw::Disabled ? NxSkin::textDisabled()
                                                          : NxSkin::text());
    const QRect textRect(kTextLeft, 0, arrowRect.left() - kTextLeft - 6, height());
    painter.drawText(
        textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        painter.fontMetrics().elidedText(displayText(), Qt::ElideRight, textRect.width()));
}

void QNxComboBox::setState(int state)
{
    if (!isEnabled())
        state = QNxBaseButtonDraw::Disabled;
    if (state != m_state) {
        m_state = state;
        update();
    }
}

void QNxComboBox::enterEvent(QEvent* event)
{
    QComboBox::enterEvent(event);
    if (!m_popupOpen)
        setState(QNxBaseButtonDraw::Hover);
}

void QNxComboBox::leaveEvent(QEvent* event)
{
    QComboBox::leaveEvent(event);
    if (!m_popupOpen)
        setState(QNxBaseButtonDraw::Normal);
}

void QNxComboBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        m_state = isEnabled() ? QNxBaseButtonDraw::Normal : QNxBaseButtonDraw::Disabled;
        update();
    }
    QComboBox::changeEvent(event);
}
