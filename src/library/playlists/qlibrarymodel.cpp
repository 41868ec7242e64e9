#include "qlibrarymodel.h"

#include "nxskin.h"
#include "qlibrarychunk.h"

namespace {

constexpr int kHeaderPixelSize = 16;
constexpr int kRowPixelSize = 12;

}  // namespace

QLibraryModel::QLibraryModel(QObject* parent) : QBaseDetailsModel(1, parent) {}

QLibraryChunk* QLibraryModel::chunkAt(int row) const
{
    return static_cast<QLibraryChunk*>(itemAt(row));
}

QVariant QLibraryModel::data(const QModelIndex& index, int role) const
{
    const QLibraryChunk* chunk = chunkAt(index.row());
    if (!chunk)
        return QVariant();
    const bool header = chunk->listType() & QLibraryChunk::HeaderBit;
    switch (role) {
        case Qt::DecorationRole: {
            const std::string& icon =
                chunk->isPlaying() ? chunk->playingIconPath() : chunk->iconPath();
            return icon.empty() ? QVariant() : NxSkin::pixmap(QString::fromStdString(icon));
        }
        case Qt::FontRole:
            return NxSkin::font(header ? kHeaderPixelSize : kRowPixelSize, header);
        case Qt::ForegroundRole:
            return header ? QVariant(NxSkin::textDim()) : QVariant();
        case Qt::ToolTipRole:
            if (chunk->listType() == QLibraryChunk::UserPlayList)
                return QString::fromStdString(chunk->name());
            return QVariant();
        case Qt::AccessibleTextRole:
            return QString::fromStdString(chunk->name());
        case Qt::EditRole:
            return QString::fromStdString(chunk->name());
        default:
            return QBaseDetailsModel::data(index, role);
    }
}

Qt::ItemFlags QLibraryModel::flags(const QModelIndex& index) const
{
    const QLibraryChunk* chunk = chunkAt(index.row());
    if (!chunk)
        return Qt::ItemIsDropEnabled;
    switch (chunk->listType()) {
        case QLibraryChunk::FixedList:
            return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        case QLibraryChunk::UserPlayList:
            return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable |
                   Qt::ItemIsDropEnabled;
        default:
            return Qt::ItemIsEnabled;
    }
}
