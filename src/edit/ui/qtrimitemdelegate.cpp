#include "qtrimitemdelegate.h"

#include "qnxstylebutton.h"
#include "qtrimitemmodel.h"

QTrimItemDelegate::QTrimItemDelegate(QObject* parent) : QNxControlStyleDelegate(parent)
{
    m_delete = addButton(QTrimItemModel::DeleteColumn,
                         new QNxStyleButton(QStringLiteral("/image/FileList/btn_delete.png")));
    m_delete->setToolTip(tr("Delete"));
    m_delete->setPlacement(Qt::AlignHCenter, 0);
    // A clip list is short: every row shows its button, not only the hovered one.
    setButtonsOnHoverOnly(false);
    connect(m_delete, &QNxStyleButton::emitClickIndex, this, &QTrimItemDelegate::emitClickIndex);
}
