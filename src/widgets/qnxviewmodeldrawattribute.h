#pragma once

class QAbstractItemModel;

// Per-view drawing attributes that a list model mixes in (multiple inheritance) so that its
// delegates and views agree on them: the row under the pointer, the pressed row, the row
// height and whether row buttons show on the hovered row only. Rows are those of the view's
// model. Not thread-safe; GUI thread only.
class QNxViewModelDrawAttribute {
public:
    virtual ~QNxViewModelDrawAttribute() = default;

    void setHoverRow(int row) { m_hoverRow = row; }
    int hoverRow() const { return m_hoverRow; }
    void setPressedRow(int row) { m_pressedRow = row; }
    int pressedRow() const { return m_pressedRow; }
    void setRowHeight(int pixels) { m_rowHeight = pixels; }
    int rowHeight() const { return m_rowHeight; }
    void setButtonsOnHoverOnly(bool hoverOnly) { m_buttonsOnHoverOnly = hoverOnly; }
    bool buttonsOnHoverOnly() const { return m_buttonsOnHoverOnly; }

    // The attributes of `model`, or of the first source model behind proxies that has them;
    // null when none does.
    static QNxViewModelDrawAttribute* of(const QAbstractItemModel* model);

private:
    int m_hoverRow = -1;
    int m_pressedRow = -1;
    int m_rowHeight = 26;
    bool m_buttonsOnHoverOnly = true;
};
