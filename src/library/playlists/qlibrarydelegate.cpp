#include "qlibrarydelegate.h"

#include <QPainter>

#include "nxskin.h"
#include "qnxlineedit.h"

QLibraryDelegate::QLibraryDelegate(QObject* parent) : QNxBaseStyleDelegate(parent)
{
    setTextPadding(12);
}

void QLibraryDelegate::paintBackground(QPainter* painter, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const
{
    // Headers and the spacer cannot be chosen: no hover shade on them.
    if (!(index.flags() & Qt::ItemIsSelectable)) {
        painter->fillRect(option.rect, NxSkin::panel());
        return;
    }
    QNxBaseStyleDelegate::paintBackground(painter, option, index);
}

QWidget* QLibraryDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex&) const
{
    auto* editor = new QNxLineEdit(parent);
    editor->setAccessibleName(tr("Playlist name"));
    return editor;
}

void QLibraryDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* line = static_cast<QNxLineEdit*>(editor);
    line->setText(index.data(Qt::EditRole).toString());
    line->selectAll();
}

void QLibraryDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                    const QModelIndex& index) const
{
    emit emitChangeName(index, static_cast<QNxLineEdit*>(editor)->text());
}
