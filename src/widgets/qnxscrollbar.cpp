#include "qnxscrollbar.h"

#include "qnxscrollbarstyle.h"

QNxScrollBar::QNxScrollBar(QWidget* parent) : QNxScrollBar(Qt::Vertical, parent) {}

QNxScrollBar::QNxScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent), m_style(new QNxScrollBarStyle)
{
    setStyle(m_style);
    setAttribute(Qt::WA_Hover);
    setContextMenuPolicy(Qt::NoContextMenu);
}

QNxScrollBar::~QNxScrollBar()
{
    // The style must outlive the widget's use of it; QWidget does not own it.
    setStyle(nullptr);
    delete m_style;
}

QSize QNxScrollBar::sizeHint() const
{
    return orientation() == Qt::Vertical ? QSize(QNxScrollBarStyle::kExtent, 60)
                                         : QSize(60, QNxScrollBarStyle::kExtent);
}
