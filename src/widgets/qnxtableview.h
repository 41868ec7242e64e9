#pragma once

#include <QTableView>

#include "qnxbaserectimagedraw.h"

class QCheckHeaderView;
class QDelegateStyleWidget;

// The skinned table view: the skinned header (QCheckHeaderView, 26 pixels), 26-pixel rows,
// no grid or frame, whole-row selection, skinned scroll bars (no horizontal one: the last
// section stretches and texts elide),
// pointer tracking (the hovered row is the view's "nxHoverRow" property and goes into the
// model's QNxViewModelDrawAttribute) and an image drawn centred while the table is empty.
// GUI thread only.
class QNxTableView : public QTableView {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 26;
    static constexpr int kHeaderHeight = 26;

    explicit QNxTableView(QWidget* parent = nullptr);

    QCheckHeaderView* checkHeader() const { return m_header; }
    int hoverRow() const { return m_hoverRow; }
    bool setEmptyImage(const QString& path);
    QDelegateStyleWidget* delegateStyle() const { return m_delegateStyle; }

signals:
    void emitCurrentChanged(const QModelIndex& index);
    void emitHoverRowChanged(int row);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setHoverRow(int row);

    QCheckHeaderView* m_header = nullptr;
    QDelegateStyleWidget* m_delegateStyle = nullptr;
    QNxBaseRectImageDraw m_empty;
    int m_hoverRow = -1;
};
