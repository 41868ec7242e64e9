#include "qbasedetailsmodel.h"

#include <QBrush>

#include <algorithm>

QBaseDetailsModel::QBaseDetailsModel(int columnCount, QObject* parent)
    : QAbstractItemModel(parent), m_columnCount(columnCount)
{
    qRegisterMetaType<IBaseChunk*>("IBaseChunk*");
}

QModelIndex QBaseDetailsModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || column < 0 || row >= rowCount() || column >= m_columnCount)
        return QModelIndex();
    return createIndex(row, column, m_items[static_cast<size_t>(row)]);
}

QModelIndex QBaseDetailsModel::parent(const QModelIndex&) const
{
    return QModelIndex();
}

int QBaseDetailsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_items.size());
}

int QBaseDetailsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columnCount;
}

QVariant QBaseDetailsModel::data(const QModelIndex& index, int role) const
{
    const IBaseChunk* item = itemAt(index);
    if (!item || index.column() >= m_columnCount)
        return QVariant();
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
            return displayText(item, column);
        case Qt::BackgroundRole:
            if (item->marked())
                return QBrush(m_markedColor);
            if (index.row() == m_hoverRow)
                return QBrush(m_hoverColor);
            return QBrush(index.row() % 2 == 0 ? m_evenColor : m_oddColor);
        case Qt::CheckStateRole:
            if (column != m_checkColumn)
                return QVariant();
            return item->checkState() == Qt::Checked ? Qt::Checked : Qt::Unchecked;
        case Qt::EditRole:
            return isColumnEditable(column);
        case Qt::FontRole:
            return m_font;
        case ItemRole:
            return QVariant::fromValue(const_cast<IBaseChunk*>(item));
        case MarkedRole:
            return item->marked();
        default:
            return QVariant();
    }
}

bool QBaseDetailsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    IBaseChunk* item = itemAt(index);
    if (!item)
        return false;
    if (role == Qt::CheckStateRole && index.column() == m_checkColumn) {
        item->setCheckState(value.toInt() == Qt::Checked ? Qt::Checked : Qt::Unchecked);
        emit dataChanged(index, index, {Qt::CheckStateRole});
        return true;
    }
    if (role == MarkedRole) {
        item->setMarked(value.toBool());
        refreshRow(index.row());
        return true;
    }
    return false;
}

Qt::ItemFlags QBaseDetailsModel::flags(const QModelIndex& index) const
{
    if (!itemAt(index))
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == m_checkColumn)
        result |= Qt::ItemIsUserCheckable;
    if (isColumnEditable(index.column()))
        result |= Qt::ItemIsEditable;
    return result;
}

QVariant QBaseDetailsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_headers.size())
        return m_headers.at(section);
    return QVariant();
}

void QBaseDetailsModel::setItems(const std::vector<IBaseChunk*>& items)
{
    beginResetModel();
    m_items = items;
    m_hoverRow = -1;
    endResetModel();
}

void QBaseDetailsModel::appendItem(IBaseChunk* item)
{
    if (!item)
        return;
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    m_items.push_back(item);
    endInsertRows();
}

void QBaseDetailsModel::removeItem(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_items.erase(m_items.begin() + row);
    if (m_hoverRow == row)
        m_hoverRow = -1;
    else if (m_hoverRow > row)
        --m_hoverRow;
    endRemoveRows();
}

void QBaseDetailsModel::clear()
{
    setItems({});
}

IBaseChunk* QBaseDetailsModel::itemAt(int row) const
{
    if (row < 0 || row >= rowCount())
        return nullptr;
    return m_items[static_cast<size_t>(row)];
}

int QBaseDetailsModel::rowOf(const IBaseChunk* item) const
{
    const auto it = std::find(m_items.begin(), m_items.end(), item);
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

void QBaseDetailsModel::refreshRow(int row)
{
    if (row < 0 || row >= rowCount() || m_columnCount == 0)
        return;
    emit dataChanged(index(row, 0), index(row, m_columnCount - 1));
}

void QBaseDetailsModel::setHoverRow(int row)
{
    if (row == m_hoverRow)
        return;
    const int previous = m_hoverRow;
    m_hoverRow = row;
    refreshRow(previous);
    refreshRow(row);
}

bool QBaseDetailsModel::isColumnEditable(int column) const
{
    if (column < 0)
        return false;
    if (column >= 32)
        return true;
    return (m_editableColumns >> column) & 1u;
}

void QBaseDetailsModel::setColors(const QColor& even, const QColor& odd, const QColor& hover,
                                  const QColor& marked)
{
    m_evenColor = even;
    m_oddColor = odd;
    m_hoverColor = hover;
    m_markedColor = marked;
}

QVariant QBaseDetailsModel::displayText(const IBaseChunk* item, int column) const
{
    if (column == 0)
        return QString::fromStdString(item->name());
    return QVariant();
}
