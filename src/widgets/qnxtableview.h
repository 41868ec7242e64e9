#pragma once

#include <QTableView>

#include "qnxitemviewbase.h"

class QCheckHeaderView;

// The skinned table view (see QNxItemViewBase): the skinned header (QCheckHeaderView, 26
// pixels), 26-pixel rows, no grid, whole-row selection, no horizontal scroll bar (the last
// section stretches and texts elide). emitCurrentChanged when the current item changes,
// emitHoverRowChanged when the pointer moves to another row. GUI thread only.
class QNxTableView : public QNxItemViewBase<QTableView> {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 26;
    static constexpr int kHeaderHeight = 26;

    explicit QNxTableView(QWidget* parent = nullptr);

    QCheckHeaderView* checkHeader() const { return m_header; }

signals:
    void emitCurrentChanged(const QModelIndex& index);
    void emitHoverRowChanged(int row);

protected:
    void hoverRowChanged(int row) override { emit emitHoverRowChanged(row); }
    void currentIndexChanged(const QModelIndex& index) override { emit emitCurrentChanged(index); }

private:
    QCheckHeaderView* m_header = nullptr;
};
