#pragma once
// The model of the format dialog's icon list: the tiles (QFormatType) of one category, narrowed
// by the search text. Display is the profile's title, decoration its tile picture. The item
// data carries the category under the role name "Categories" and the profile id under "Id".
// GUI thread only.

#include "qformattype.h"
#include "qnxviewmodeldrawattribute.h"

#include <QAbstractListModel>
#include <QVector>

class QIconListModel : public QAbstractListModel, public QNxViewModelDrawAttribute {
    Q_OBJECT
public:
    enum Role {
        CategoryRole = Qt::UserRole + 1,  // "Categories"
        IdRole,                           // "Id"
        ExtensionRole,                    // "Extension"
    };

    explicit QIconListModel(QObject* parent = nullptr);

    // Replaces every tile; the search text is kept and applied.
    void setFormats(const QVector<QFormatType>& formats);
    void setSearchText(const QString& text);
    QString searchText() const { return m_search; }

    // The shown tiles.
    const QVector<QFormatType>& shown() const { return m_shown; }
    // Row of the shown tile with that profile id; -1 when it is not shown.
    int rowOfId(const QString& id) const;
    QFormatType formatAt(int row) const { return m_shown.value(row); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    void refilter();

    QVector<QFormatType> m_all;
    QVector<QFormatType> m_shown;
    QString m_search;
};
