#pragma once

#include <QHeaderView>

#include "qnxbasebuttondraw.h"
#include "qnxbaserectimagedraw.h"

// The skinned header of the table views, optionally with a check box in one section (to
// check or clear every row). Sections are drawn on "/image/FileList/header_bg.png" (the
// pressed section on "header_select_bg.png"), separated by "header_slip.png", with the sort
// arrow "order_flag_up.png" (turned over for descending order) after the title. GUI thread
// only.
class QCheckHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit QCheckHeaderView(Qt::Orientation orientation = Qt::Horizontal,
                              QWidget* parent = nullptr);

    // The section that shows the check box; -1 (the default) for none.
    void setCheckColumn(int section);
    int checkColumn() const { return m_checkColumn; }
    bool isChecked() const { return m_checked; }
    // Sets the box without sending emitCheckStateChanged.
    void setChecked(bool checked);
    QRect checkBoxRect(const QRect& section) const;

signals:
    void emitCheckStateChanged(bool checked);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    QSize sectionSizeFromContents(int logicalIndex) const override;

private:
    QNxBaseRectImageDraw m_background;
    QNxBaseRectImageDraw m_selected;
    QNxBaseRectImageDraw m_separator;
    QPixmap m_sortArrow;
    QNxBaseButtonDraw m_checkBox;
    int m_checkColumn = -1;
    int m_pressedSection = -1;
    bool m_checked = false;
};
