#include "qnxlistview.h"

#include <QMouseEvent>
#include <QPainter>

#include "nxskin.h"
#include "qdelegatestylewidget.h"
#include "qnxcontrolstyledelegate.h"
#include "qnxscrollbar.h"
#include "qnxviewmodeldrawattribute.h"

QNxListView::QNxListView(QWidget* parent) : QListView(parent)
{
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(true);
    setFont(NxSkin::font(12));
    setVerticalScrollBar(new QNxScrollBar(Qt::Vertical, this));
    setHorizontalScrollBar(new QNxScrollBar(Qt::Horizontal, this));
    setStyleSheet(QStringLiteral("QListView{border:none;background:rgb(19, 20, 25);}"));
    m_delegateStyle = new QDelegateStyleWidget(this);
    setProperty("nxHoverRow", -1);
}

bool QNxListView::setEmptyImage(const QString& path)
{
    const bool ok = m_empty.setImage(path);
    viewport()->update();
    return ok;
}

void QNxListView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QListView::currentChanged(current, previous);
    emit emitCurrentChanged(current);
}

void QNxListView::setHoverRow(int row)
{
    if (QNxViewModelDrawAttribute* attribute = QNxViewModelDrawAttribute::of(model()))
        attribute->setHoverRow(row);
    if (row == m_hoverRow)
        return;
    m_hoverRow = row;
    setProperty("nxHoverRow", row);
    viewport()->update();
    emit emitHoverRowChanged(row);
}

void QNxListView::mouseMoveEvent(QMouseEvent* event)
{
    setHoverRow(indexAt(event->pos()).row());
    QListView::mouseMoveEvent(event);
}

void QNxListView::leaveEvent(QEvent* event)
{
    setHoverRow(-1);
    if (auto* control = qobject_cast<QNxControlStyleDelegate*>(itemDelegate()))
        control->clearButtonStates();
    QListView::leaveEvent(event);
}

void QNxListView::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
    if (m_empty.hasImage() && (!model() || model()->rowCount(rootIndex()) == 0)) {
        QPainter painter(viewport());
        const QSize s = m_empty.frameSize();
        m_empty.draw(painter,
                     QRect((viewport()->width() - s.width()) / 2,
                           (viewport()->height() - s.height()) / 2, s.width(), s.height()));
    }
}
