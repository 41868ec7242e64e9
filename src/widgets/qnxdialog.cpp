#include "qnxdialog.h"

#include <QMouseEvent>
#include <QPainter>

#include "nxskin.h"
#include "qnxbasebutton.h"

namespace {
constexpr int kTitleMargin = 14;
constexpr int kCloseMargin = 4;
}  // namespace

QNxDialog::QNxDialog(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(windowFlags() | Qt::Dialog | Qt::FramelessWindowHint);
    setFont(NxSkin::font(12));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, NxSkin::panel());
    pal.setColor(QPalette::WindowText, NxSkin::text());
    pal.setColor(QPalette::Text, NxSkin::text());
    setPalette(pal);
    m_btnClose = new QNxBaseButton(QStringLiteral("/image/btn_close.png"), this);
    m_btnClose->setToolTip(tr("Close"));
    m_btnClose->setFocusPolicy(Qt::NoFocus);
    connect(m_btnClose, &QAbstractButton::clicked, this, &QNxDialog::OnBtnClose);
    setContentsMargins(1, m_titleBarHeight, 1, 1);
}

void QNxDialog::setTitle(const QString& title)
{
    setWindowTitle(title);
    update();
}

void QNxDialog::setTitleBarHeight(int pixels)
{
    m_titleBarHeight = qMax(0, pixels);
    setContentsMargins(1, m_titleBarHeight, 1, 1);
    placeCloseButton();
    update();
}

QRect QNxDialog::titleBarRect() const
{
    return QRect(0, 0, width(), m_titleBarHeight);
}

bool QNxDialog::setCloseButtonImage(const QString& path)
{
    const bool ok = m_btnClose->setImage(path);
    placeCloseButton();
    return ok;
}

void QNxDialog::OnBtnClose()
{
    reject();
}

int QNxDialog::titleTextLeft() const
{
    return kTitleMargin;
}

void QNxDialog::placeCloseButton()
{
    const QSize size = m_btnClose->size();
    m_btnClose->move(width() - size.width() - kCloseMargin - 1,
                     qMax(0, (m_titleBarHeight - size.height()) / 2));
    m_btnClose->setVisible(m_titleBarHeight >= size.height() / 2);
}

void QNxDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), NxSkin::panel());
    if (m_titleBarHeight > 0) {
        painter.fillRect(titleBarRect(), QColor(24, 25, 31));
        painter.fillRect(QRect(0, m_titleBarHeight - 1, width(), 1), QColor(38, 40, 50));
        QFont f = NxSkin::font(13, true);
        painter.setFont(f);
        painter.setPen(NxSkin::text());
        const int left = titleTextLeft();
        const QRect textArea(left, 0, m_btnClose->x() - left - 8, m_titleBarHeight);
        painter.drawText(
            textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
            painter.fontMetrics().elidedText(windowTitle(), Qt::ElideRight, textArea.width()));
    }
    painter.setPen(QColor(44, 47, 58));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void QNxDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    placeCloseButton();
}

void QNxDialog::mousePressEvent(QMouseEvent* event)
{
    if (m_draggable && event->button() == Qt::LeftButton && titleBarRect().contains(event->pos())) {
        m_dragging = true;
        m_dragOffset = event->globalPos() - frameGeometry().topLeft();
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void QNxDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging) {
        move(event->globalPos() - m_dragOffset);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void QNxDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_dragging && event->button() == Qt::LeftButton) {
        m_dragging = false;
        event->accept();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

void QNxDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowTitleChange)
        update();
    else if (event->type() == QEvent::LanguageChange)
        m_btnClose->setToolTip(tr("Close"));
    QDialog::changeEvent(event);
}
