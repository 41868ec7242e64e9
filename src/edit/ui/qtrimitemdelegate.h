#pragma once
// QTrimItemDelegate: draws the Trim tab's clip rows and the delete button of every row (in
// the last column, tool tip "Delete"); a click on it sends emitClickIndex with the row's index
// (of the model the view shows). GUI thread only.

#include "qnxcontrolstyledelegate.h"

class QNxStyleButton;

class QTrimItemDelegate : public QNxControlStyleDelegate {
    Q_OBJECT
public:
    explicit QTrimItemDelegate(QObject* parent = nullptr);

    QNxStyleButton* deleteButton() const { return m_delete; }

signals:
    void emitClickIndex(const QModelIndex& index);

private:
    QNxStyleButton* m_delete = nullptr;
};
