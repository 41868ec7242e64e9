#pragma once
// QLibraryTableView: the playlist panel's table ("m_tbViewLibrary"): one column, no header, no
// sorting, a context menu on request, and drops of recordings dragged from the recordings list
// ("image/audio_file") onto a row that accepts drops (a user playlist). GUI thread only.

#include <QStringList>

#include "qnxtableview.h"

class QLibraryTableView : public QNxTableView {
    Q_OBJECT
public:
    explicit QLibraryTableView(QWidget* parent = nullptr);

signals:
    // Recordings (their file paths) were dropped on the row of `index` (an index of the view's
    // model).
    void emitDropAudioFiles(const QModelIndex& index, const QStringList& filePaths);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The row index under `pos` when it takes the recordings in `mime`, else invalid.
    QModelIndex dropTarget(const QMimeData* mime, const QPoint& pos) const;
};
