#include "qaudiofilemodel.h"

#include <QPixmap>

#include "audiofilecolumns.h"
#include "nxskin.h"
#include "qaudiofilechunk.h"

namespace {

QString stateIcon(int32_t state)
{
    switch (state) {
        case QAudioFileChunk::Recording:
            return QStringLiteral("/image/FileList/icon_recording.png");
        case QAudioFileChunk::Playing:
            return QStringLiteral("/image/FileList/icon_playing.png");
        case QAudioFileChunk::FileMissing:
            return QStringLiteral("/image/FileList/icon_nofile.png");
        default:
            return QString();
    }
}

}  // namespace

QAudioFileModel::QAudioFileModel(QObject* parent) : QBaseDetailsModel(ColumnCount, parent)
{
    setHeaderTexts({QString(), tr("File Name"), tr("Format"), tr("Artist"), tr("Album"),
                    tr("Duration"), tr("Created Time"), QString(), QString()});
    setEditableColumns(1u << NameColumn);
}

QAudioFileChunk* QAudioFileModel::fileAt(int row) const
{
    // The list fills the model with recordings only (see the class comment).
    return static_cast<QAudioFileChunk*>(itemAt(row));
}

QString QAudioFileModel::title(const QAudioFileChunk* item)
{
    return AudioFileColumns::text(*item, AudioFileColumns::Name);
}

QVariant QAudioFileModel::data(const QModelIndex& index, int role) const
{
    const QAudioFileChunk* item = index.isValid() ? fileAt(index.row()) : nullptr;
    if (!item)
        return QBaseDetailsModel::data(index, role);
    switch (role) {
        case Qt::DecorationRole: {
            if (index.column() != StateColumn)
                return QVariant();
            const QString icon = stateIcon(item->rowState());
            return icon.isEmpty() ? QVariant() : QVariant(NxSkin::pixmap(icon));
        }
        case Qt::TextAlignmentRole:
            if (index.column() == FormatColumn)
                return int(Qt::AlignCenter);
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        case Qt::CheckStateRole:
            return QVariant();
        case Qt::AccessibleTextRole:
            return title(item);
        case Qt::ToolTipRole:
            return index.column() == NameColumn ? QString::fromStdString(item->filePath())
                                                : QVariant();
        default:
            return QBaseDetailsModel::data(index, role);
    }
}

QVariant QAudioFileModel::displayText(const IBaseChunk* chunk, int column) const
{
    if (!chunk || column == StateColumn || column >= PlayButtonsColumn)
        return QVariant();
    return AudioFileColumns::text(*static_cast<const QAudioFileChunk*>(chunk), column);
}
