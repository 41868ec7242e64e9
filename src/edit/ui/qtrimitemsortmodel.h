#pragma once
// QTrimItemSortModel: sorting of the Trim tab's clip list. The time columns sort by the time
// their texts stand for (so a clip of 100 hours sorts after one of 99); the file name by the
// generic text rule. GUI thread only.

#include "qnxbasesortmodel.h"

class QTrimItemChunk;

class QTrimItemSortModel : public QNxBaseSortModel {
    Q_OBJECT
public:
    explicit QTrimItemSortModel(QObject* parent = nullptr);

    // The clip behind a row of this model; null for an invalid index.
    QTrimItemChunk* clipAt(const QModelIndex& proxyIndex) const;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};
