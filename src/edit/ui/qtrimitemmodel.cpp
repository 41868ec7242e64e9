#include "qtrimitemmodel.h"

#include <algorithm>

QTrimItemModel::QTrimItemModel(QObject* parent) : QBaseDetailsModel(ColumnCount, parent)
{
    setHeaderTexts({tr("File Name"), tr("Start Time"), tr("End Time"), tr("Duration"), QString()});
}

QTrimItemModel::~QTrimItemModel()
{
    // The base keeps raw pointers to the clips: let it forget them before they go.
    clear();
}

int QTrimItemModel::addClip(const QString& filePath, const QString& startText,
                            const QString& endText, const QString& durationText)
{
    auto clip = std::make_unique<QTrimItemChunk>();
    clip->setFilePath(filePath.toStdString());
    clip->setFileName(filePath.mid(filePath.lastIndexOf(QLatin1Char('/')) + 1).toStdString());
    clip->setStartTimeText(startText.toStdString());
    clip->setEndTimeText(endText.toStdString());
    clip->setDurationText(durationText.toStdString());
    QTrimItemChunk* row = clip.get();
    m_clips.push_back(std::move(clip));
    appendItem(row);
    return rowCount() - 1;
}

void QTrimItemModel::removeClip(int row)
{
    QTrimItemChunk* clip = clipAt(row);
    if (!clip)
        return;
    removeItem(row);
    m_clips.erase(std::find_if(m_clips.begin(), m_clips.end(),
                               [clip](const auto& owned) { return owned.get() == clip; }));
}

void QTrimItemModel::clearClips()
{
    clear();
    m_clips.clear();
}

QTrimItemChunk* QTrimItemModel::clipAt(int row) const
{
    return static_cast<QTrimItemChunk*>(itemAt(row));
}

QVariant QTrimItemModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::TextAlignmentRole && index.column() != FileNameColumn)
        return int(Qt::AlignCenter);
    if (role == Qt::ToolTipRole && index.column() == FileNameColumn) {
        const QTrimItemChunk* clip = clipAt(index.row());
        return clip ? QString::fromStdString(clip->filePath()) : QVariant();
    }
    return QBaseDetailsModel::data(index, role);
}

QVariant QTrimItemModel::displayText(const IBaseChunk* item, int column) const
{
    const auto* clip = static_cast<const QTrimItemChunk*>(item);
    switch (column) {
        case FileNameColumn:
            return QString::fromStdString(clip->fileName());
        case StartTimeColumn:
            return QString::fromStdString(clip->startTimeText());
        case EndTimeColumn:
            return QString::fromStdString(clip->endTimeText());
        case DurationColumn:
            return QString::fromStdString(clip->durationText());
        default:
            return QVariant();
    }
}
