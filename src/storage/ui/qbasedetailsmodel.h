#pragma once
// QBaseDetailsModel: the flat table model shared by the lists. Rows are IBaseChunk pointers
// (not owned: the items belong to whoever filled the model and must outlive their rows).
//
// Data roles answered here: background (marked row, row under the mouse, alternating rows),
// check state of the one check column (from IBaseChunk::checkState, 2 = checked), edit role
// (a bool: whether the column is editable, from a 32-bit column mask; columns 32 and beyond
// are always editable), font, ItemRole (the item pointer, for the delegates' per-view drawing
// state) and MarkedRole. Display texts come from displayText(), which subclasses override.
//
// Lives in quillon_storage_ui: its colours and fonts need QtGui, which the command-line tool
// must not link. GUI thread only.

#include <QAbstractItemModel>
#include <QColor>
#include <QFont>

#include <vector>

#include "ibasechunk.h"
#include "listroles.h"

class QBaseDetailsModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Roles {
        ItemRole = ListRoles::kItem,      // QVariant of IBaseChunk*: the item's drawing state
        MarkedRole = ListRoles::kMarked,  // bool: IBaseChunk::marked
    };

    explicit QBaseDetailsModel(int columnCount, QObject* parent = nullptr);

    QModelIndex index(int row, int column,
                      const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Replaces every row.
    void setItems(const std::vector<IBaseChunk*>& items);
    const std::vector<IBaseChunk*>& items() const { return m_items; }
    void appendItem(IBaseChunk* item);
    // Removes the row (the item is not deleted).
    void removeItem(int row);
    void clear();
    // Null when row is out of range.
    IBaseChunk* itemAt(int row) const;
    IBaseChunk* itemAt(const QModelIndex& index) const { return itemAt(index.row()); }
    int rowOf(const IBaseChunk* item) const;
    // Tells the views that the row's data changed.
    void refreshRow(int row);

    void setHeaderTexts(const QStringList& texts) { m_headers = texts; }
    // The row under the mouse (-1 none); repaints the rows involved.
    void setHoverRow(int row);
    int hoverRow() const { return m_hoverRow; }
    // The column that shows a check box, -1 for none.
    void setCheckColumn(int column) { m_checkColumn = column; }
    int checkColumn() const { return m_checkColumn; }
    // Bit n set = column n is editable (n < 32).
    void setEditableColumns(quint32 mask) { m_editableColumns = mask; }
    bool isColumnEditable(int column) const;
    void setFont(const QFont& font) { m_font = font; }
    QFont font() const { return m_font; }
    void setColors(const QColor& even, const QColor& odd, const QColor& hover,
                   const QColor& marked);

protected:
    // The display text of item in column; the base shows the name in column 0.
    virtual QVariant displayText(const IBaseChunk* item, int column) const;

private:
    std::vector<IBaseChunk*> m_items;
    QStringList m_headers;
    int m_columnCount;
    int m_hoverRow = -1;
    int m_checkColumn = -1;
    quint32 m_editableColumns = 0;
    QFont m_font;
    QColor m_evenColor{19, 20, 25};
    QColor m_oddColor{24, 25, 31};
    QColor m_hoverColor{38, 40, 48};
    QColor m_markedColor{45, 60, 90};
};
