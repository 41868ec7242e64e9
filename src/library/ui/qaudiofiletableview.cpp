#include "qaudiofiletableview.h"

#include <QDrag>
#include <QMimeData>

#include "audiofilemime.h"
#include "listroles.h"
#include "qaudiofilechunk.h"

QAudioFileTableView::QAudioFileTableView(QWidget* parent) : QNxTableView(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAccessibleName(tr("Recordings"));
}

QStringList QAudioFileTableView::selectedPaths() const
{
    QStringList paths;
    QModelIndexList rows = selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& row : rows) {
        const auto* item =
            dynamic_cast<const QAudioFileChunk*>(row.data(ListRoles::kItem).value<IBaseChunk*>());
        if (item)
            paths.append(QString::fromStdString(item->filePath()));
    }
    return paths;
}

void QAudioFileTableView::startDrag(Qt::DropActions)
{
    const QStringList paths = selectedPaths();
    if (paths.isEmpty())
        return;
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(AudioFileMime::kType), AudioFileMime::encode(paths));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction);
}
