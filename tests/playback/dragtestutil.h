#pragma once
// Dropping recordings dragged from the recordings list onto a point of a view's viewport, as
// the window system would deliver the drag.

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include "audiofilemime.h"

namespace DragTest {

// Enters, moves to `at` and drops; true when the move was accepted (the row takes the drop).
inline bool dropRecordings(QWidget* viewport, const QPoint& at, const QStringList& paths)
{
    QMimeData data;
    data.setData(QLatin1String(AudioFileMime::kType), AudioFileMime::encode(paths));
    // Qt sends moves and the drop only to a widget that took the drag on entering.
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    return move.isAccepted();
}

}  // namespace DragTest
