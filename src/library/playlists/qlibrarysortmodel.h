#pragma once
// QLibrarySortModel: the proxy between the playlist panel's rows and its view. The panel's
// rows keep their order (fixed entries, then playlists in creation order), so the proxy sorts
// by source row only; it exists so that the panel's view is built like every other list.
// GUI thread only.

#include "qnxbasesortmodel.h"

class QLibrarySortModel : public QNxBaseSortModel {
    Q_OBJECT
public:
    using QNxBaseSortModel::QNxBaseSortModel;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override
    {
        return left.row() < right.row();
    }
};
