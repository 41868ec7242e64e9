#pragma once
// QNxBaseSortModel: the sort and search base of the lists' proxy models.
//
// Sorting (generic rule): the sort-role data of both rows compared as strings in plain
// code-unit order (case-sensitive). Subclasses override lessThan for special columns and call
// this one for the rest.
// Search: setSearchText() turns the text into a case-insensitive regular expression matched
// against every column; a row is shown when any column matches, and a text that is not a valid
// expression hides every row. Dynamic sorting and filtering are on.
//
// GUI thread only.

#include <QSortFilterProxyModel>

class IBaseChunk;

class QNxBaseSortModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit QNxBaseSortModel(QObject* parent = nullptr);

    void setSearchText(const QString& text);
    QString searchText() const { return m_searchText; }
    // The item behind a proxy index (null when the source model answers no ListRoles::kItem).
    IBaseChunk* itemAt(const QModelIndex& proxyIndex) const;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString m_searchText;
};
