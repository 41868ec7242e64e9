#pragma once
// QEffectDelegate: draws a preset of the Effect tab's list as a tile: its thumbnail with its
// name below, and the selection mask "/image/EditDlg/mask.png" laid over the thumbnail of the
// selected preset. GUI thread only.

#include "qbaseiconlistdelegate.h"

class QEffectDelegate : public QBaseIconListDelegate {
    Q_OBJECT
public:
    // A tile and its thumbnail, in pixels (the thumbnails and the mask share one size).
    static constexpr int kTileWidth = 112;
    static constexpr int kTileHeight = 104;
    static constexpr int kThumbWidth = 96;
    static constexpr int kThumbHeight = 72;

    explicit QEffectDelegate(QObject* parent = nullptr);

protected:
    void paintContent(QPainter* painter, const QStyleOptionViewItem& option,
                      const QModelIndex& index) const override;
};
