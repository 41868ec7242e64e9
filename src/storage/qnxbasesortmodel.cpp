#include "qnxbasesortmodel.h"

#include <QRegExp>

#include "listroles.h"

QNxBaseSortModel::QNxBaseSortModel(QObject* parent) : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(true);
    setFilterKeyColumn(-1);
    setFilterCaseSensitivity(Qt::CaseInsensitive);
}

void QNxBaseSortModel::setSearchText(const QString& text)
{
    m_searchText = text;
    setFilterRegExp(QRegExp(text, Qt::CaseInsensitive, QRegExp::RegExp));
}

IBaseChunk* QNxBaseSortModel::itemAt(const QModelIndex& proxyIndex) const
{
    if (!proxyIndex.isValid())
        return nullptr;
    return proxyIndex.data(ListRoles::kItem).value<IBaseChunk*>();
}

bool QNxBaseSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    // Plain code-unit order, case-sensitive, of the sort-role data as text.
    return left.data(sortRole()).toString() < right.data(sortRole()).toString();
}

bool QNxBaseSortModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const QRegExp expression = filterRegExp();
    if (expression.pattern().isEmpty())
        return true;
    // QSortFilterProxyModel would treat an invalid expression as "no match" anyway; saying so
    // here keeps the rule explicit: a broken search hides everything.
    if (!expression.isValid())
        return false;
    return QSortFilterProxyModel::filterAcceptsRow(sourceRow, sourceParent);
}
