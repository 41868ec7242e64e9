#include "qnxviewmodeldrawattribute.h"

#include <QAbstractProxyModel>

QNxViewModelDrawAttribute* QNxViewModelDrawAttribute::of(const QAbstractItemModel* model)
{
    while (model) {
        auto* attribute =
            dynamic_cast<QNxViewModelDrawAttribute*>(const_cast<QAbstractItemModel*>(model));
        if (attribute)
            return attribute;
        const auto* proxy = qobject_cast<const QAbstractProxyModel*>(model);
        model = proxy ? proxy->sourceModel() : nullptr;
    }
    return nullptr;
}
