#pragma once

#include "qnxbasestyledelegate.h"

// Draws the items of an icon list as tiles: the decoration image centred at the top, the
// name below it (two lines at most, elided), a rounded hover background, and an accent
// frame with a light tint on the selected tile. Used by the format icon list and the
// sound-effect presets. GUI thread only.
class QBaseIconListDelegate : public QNxBaseStyleDelegate {
    Q_OBJECT
public:
    explicit QBaseIconListDelegate(QObject* parent = nullptr);

    void setTileSize(const QSize& size) { m_tile = size; }
    QSize tileSize() const { return m_tile; }
    void setIconSize(const QSize& size) { m_icon = size; }
    QSize iconSize() const { return m_icon; }
    // The rectangle of the icon inside a tile at `tile`.
    QRect iconRect(const QRect& tile) const;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void paintBackground(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const override;
    void paintContent(QPainter* painter, const QStyleOptionViewItem& option,
                      const QModelIndex& index) const override;

private:
    QSize m_tile{96, 96};
    QSize m_icon{48, 48};
};
