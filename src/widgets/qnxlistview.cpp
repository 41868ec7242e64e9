#include "qnxlistview.h"

QNxListView::QNxListView(QWidget* parent) : QNxItemViewBase<QListView>(parent, "QListView") {}
