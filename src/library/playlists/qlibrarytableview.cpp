#include "qlibrarytableview.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>

#include "audiofilemime.h"

QLibraryTableView::QLibraryTableView(QWidget* parent) : QNxTableView(parent)
{
    setObjectName(QStringLiteral("m_tbViewLibrary"));
    horizontalHeader()->setVisible(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setAcceptDrops(true);
    // Drag events go to the viewport, which takes them only when it accepts drops itself.
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setDropIndicatorShown(false);
    setSortingEnabled(false);
}

QModelIndex QLibraryTableView::dropTarget(const QMimeData* mime, const QPoint& pos) const
{
    if (!mime || !mime->hasFormat(QLatin1String(AudioFileMime::kType)))
        return QModelIndex();
    const QModelIndex index = indexAt(pos);
    return index.flags() & Qt::ItemIsDropEnabled ? index : QModelIndex();
}

void QLibraryTableView::dragEnterEvent(QDragEnterEvent* event)
{
    // Accept the drag as a whole; each position is judged in dragMoveEvent.
    if (event->mimeData()->hasFormat(QLatin1String(AudioFileMime::kType)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void QLibraryTableView::dragMoveEvent(QDragMoveEvent* event)
{
    if (dropTarget(event->mimeData(), event->pos()).isValid())
        event->acceptProposedAction();
    else
        event->ignore();
}

void QLibraryTableView::dropEvent(QDropEvent* event)
{
    const QModelIndex target = dropTarget(event->mimeData(), event->pos());
    if (!target.isValid()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit emitDropAudioFiles(
        target,
        AudioFileMime::decode(event->mimeData()->data(QLatin1String(AudioFileMime::kType))));
}
