#include "qiconlistmodel.h"

QIconListModel::QIconListModel(QObject* parent) : QAbstractListModel(parent) {}

void QIconListModel::setFormats(const QVector<QFormatType>& formats)
{
    m_all = formats;
    refilter();
}

void QIconListModel::setSearchText(const QString& text)
{
    if (text == m_search)
        return;
    m_search = text;
    refilter();
}

void QIconListModel::refilter()
{
    beginResetModel();
    m_shown.clear();
    for (const QFormatType& format : qAsConst(m_all)) {
        if (format.matches(m_search))
            m_shown.append(format);
    }
    setHoverRow(-1);
    setPressedRow(-1);
    endResetModel();
}

int QIconListModel::rowOfId(const QString& id) const
{
    for (int row = 0; row < m_shown.size(); ++row) {
        if (m_shown.at(row).id() == id)
            return row;
    }
    return -1;
}

int QIconListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shown.size();
}

QVariant QIconListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_shown.size())
        return QVariant();
    const QFormatType& format = m_shown.at(index.row());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return format.title();
        case Qt::DecorationRole:
            return format.pixmap();
        case CategoryRole:
            return format.category();
        case IdRole:
            return format.id();
        case ExtensionRole:
            return format.extension();
        default:
            return QVariant();
    }
}

QHash<int, QByteArray> QIconListModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(CategoryRole, QByteArrayLiteral("Categories"));
    names.insert(IdRole, QByteArrayLiteral("Id"));
    names.insert(ExtensionRole, QByteArrayLiteral("Extension"));
    return names;
}
