#pragma once

#include <QStyledItemDelegate>

// Draws the rows of a skinned combo box's pop-up list: 28-pixel rows, the hovered row in the
// selection colour, the current entry's text in the accent colour, check boxes for checkable
// rows. GUI thread only.
class QNxComboBoxItem : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 28;

    explicit QNxComboBoxItem(QObject* parent = nullptr);

    // The row shown as current (drawn in the accent colour); -1 for none.
    void setCurrentRow(int row) { m_currentRow = row; }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int m_currentRow = -1;
};
