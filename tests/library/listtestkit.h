#pragma once
// Shared by the tests that drive the recordings list widget.

#include <QAbstractItemModel>

#include "qaudiofilemodel.h"
#include "qaudiofiletableview.h"
#include "qfilelistwgt.h"

namespace librarytest {

// The File Name cell of the row shown with this name; invalid when none.
inline QModelIndex rowNamed(QFileListWgt& list, const QString& name)
{
    QAbstractItemModel* model = list.view()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, QAudioFileModel::NameColumn);
        if (index.data().toString() == name)
            return index;
    }
    return QModelIndex();
}

}  // namespace librarytest
