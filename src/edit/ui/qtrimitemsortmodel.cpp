#include "qtrimitemsortmodel.h"

#include "qtrimitemmodel.h"
#include "trimtime.h"

QTrimItemSortModel::QTrimItemSortModel(QObject* parent) : QNxBaseSortModel(parent) {}

QTrimItemChunk* QTrimItemSortModel::clipAt(const QModelIndex& proxyIndex) const
{
    return static_cast<QTrimItemChunk*>(itemAt(proxyIndex));
}

bool QTrimItemSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const int column = left.column();
    if (column < QTrimItemModel::StartTimeColumn || column > QTrimItemModel::DurationColumn)
        return QNxBaseSortModel::lessThan(left, right);
    uint64_t a = 0, b = 0;
    if (!parseTrimTime(left.data().toString(), &a) || !parseTrimTime(right.data().toString(), &b))
        return QNxBaseSortModel::lessThan(left, right);
    return a < b;
}
