#include "qnxtableview.h"

#include <QHeaderView>

#include "qcheckheaderview.h"

QNxTableView::QNxTableView(QWidget* parent) : QNxItemViewBase<QTableView>(parent, "QTableView")
{
    setShowGrid(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setFocusPolicy(Qt::NoFocus);
    // Columns share the width (the last one stretches); texts elide instead of scrolling.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_header = new QCheckHeaderView(Qt::Horizontal, this);
    setHorizontalHeader(m_header);
    m_header->setFixedHeight(kHeaderHeight);
    m_header->setMinimumSectionSize(30);
    m_header->setStretchLastSection(true);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
}
