#include "qnxtableview.h"

#include <QMouseEvent>
#include <QPainter>

#include "nxskin.h"
#include "qcheckheaderview.h"
#include "qdelegatestylewidget.h"
#include "qnxcontrolstyledelegate.h"
#include "qnxscrollbar.h"
#include "qnxviewmodeldrawattribute.h"

QNxTableView::QNxTableView(QWidget* parent) : QTableView(parent)
{
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(true);
    setFont(NxSkin::font(12));
    setShowGrid(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setFocusPolicy(Qt::NoFocus);
    setVerticalScrollBar(new QNxScrollBar(Qt::Vertical, this));
    setHorizontalScrollBar(new QNxScrollBar(Qt::Horizontal, this));
    // Columns share the width (the last one stretches); texts elide instead of scrolling.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setStyleSheet(QStringLiteral("QTableView{border:none;background:rgb(19, 20, 25);}"));

    m_header = new QCheckHeaderView(Qt::Horizontal, this);
    setHorizontalHeader(m_header);
    m_header->setFixedHeight(kHeaderHeight);
    m_header->setMinimumSectionSize(30);
    m_header->setStretchLastSection(true);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setMinimumSectionSize(kRowHeight);

    m_delegateStyle = new QDelegateStyleWidget(this);
    setProperty("nxHoverRow", -1);
}

bool QNxTableView::setEmptyImage(const QString& path)
{
    const bool ok = m_empty.setImage(path);
    viewport()->update();
    return ok;
}

void QNxTableView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    emit emitCurrentChanged(current);
}

void QNxTableView::setHoverRow(int row)
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

void QNxTableView::mouseMoveEvent(QMouseEvent* event)
{
    setHoverRow(indexAt(event->pos()).row());
    QTableView::mouseMoveEvent(event);
}

void QNxTableView::leaveEvent(QEvent* event)
{
    setHoverRow(-1);
    if (auto* control = qobject_cast<QNxControlStyleDelegate*>(itemDelegate()))
        control->clearButtonStates();
    QTableView::leaveEvent(event);
}

void QNxTableView::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    if (m_empty.hasImage() && (!model() || model()->rowCount(rootIndex()) == 0)) {
        QPainter painter(viewport());
        const QSize s = m_empty.frameSize();
        m_empty.draw(painter,
                     QRect((viewport()->width() - s.width()) / 2,
                           (viewport()->height() - s.height()) / 2, s.width(), s.height()));
    }
}
