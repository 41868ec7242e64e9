#pragma once

#include <QListView>

#include "qnxbaserectimagedraw.h"

class QDelegateStyleWidget;

// The skinned list view: no frame, panel background, skinned scroll bars, pointer tracking
// (the hovered row is kept as the view's "nxHoverRow" property and in the model's
// QNxViewModelDrawAttribute, for delegates), an optional image drawn centred while the list
// is empty, and emitCurrentChanged when the current item changes. GUI thread only.
class QNxListView : public QListView {
    Q_OBJECT
public:
    explicit QNxListView(QWidget* parent = nullptr);

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

    QDelegateStyleWidget* m_delegateStyle = nullptr;
    QNxBaseRectImageDraw m_empty;
    int m_hoverRow = -1;
};
