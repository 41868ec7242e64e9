#pragma once

#include <QObject>
#include <QPersistentModelIndex>

#include "qnxbasebuttondraw.h"

class QEvent;
class QPainter;
class QStyleOptionViewItem;

// An image button drawn inside a list row by a delegate (it is not a widget). It follows the
// button states per row: hover while the pointer is over it in that row, pressed while held.
// The delegate paints it with paint() and feeds it the view's mouse events with
// handleEvent(); a click (press and release on it in the same row) sends emitClickIndex with
// the row's index. GUI thread only.
class QNxStyleButton : public QObject {
    Q_OBJECT
public:
    explicit QNxStyleButton(const QString& imagePath = QString(), QObject* parent = nullptr);

    bool setImage(const QString& path);
    QSize size() const { return m_draw.frameSize(); }
    void setToolTip(const QString& tip) { m_toolTip = tip; }
    QString toolTip() const { return m_toolTip; }
    // Where the button sits in its cell: `offset` pixels from the edge named by `alignment`
    // (Qt::AlignLeft or Qt::AlignRight; Qt::AlignHCenter centres it), centred vertically.
    void setPlacement(Qt::Alignment alignment, int offset);
    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool isEnabled() const { return m_enabled; }
    void setVisible(bool visible) { m_visible = visible; }
    bool isVisible() const { return m_visible; }

    QRect buttonRect(const QRect& cell) const;
    // The state the button shows in the row of `index`.
    int stateFor(const QModelIndex& index) const;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const;
    // Handles a mouse event of the view for the cell of `index`; true when it was consumed.
    bool handleEvent(QEvent* event, const QStyleOptionViewItem& option, const QModelIndex& index);
    // Forgets the hover and pressed rows (the pointer left the view).
    void clearState();

signals:
    void emitClickIndex(const QModelIndex& index);

private:
    QNxBaseButtonDraw m_draw;
    QString m_toolTip;
    Qt::Alignment m_alignment = Qt::AlignRight;
    int m_offset = 8;
    bool m_enabled = true;
    bool m_visible = true;
    QPersistentModelIndex m_hover;
    QPersistentModelIndex m_pressed;
};
