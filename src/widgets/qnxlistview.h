#pragma once

#include <QListView>

#include "qnxitemviewbase.h"

// The skinned list view (see QNxItemViewBase): emitCurrentChanged when the current item
// changes, emitHoverRowChanged when the pointer moves to another row. GUI thread only.
class QNxListView : public QNxItemViewBase<QListView> {
    Q_OBJECT
public:
    explicit QNxListView(QWidget* parent = nullptr);

signals:
    void emitCurrentChanged(const QModelIndex& index);
    void emitHoverRowChanged(int row);

protected:
    void hoverRowChanged(int row) override { emit emitHoverRowChanged(row); }
    void currentIndexChanged(const QModelIndex& index) override { emit emitCurrentChanged(index); }
};
