#pragma once
// QTrimItemModel: the clip list of the Trim tab, one QTrimItemChunk per clip cut from the file
// being edited. Unlike the other lists it owns its rows: a clip exists only in this list.
// Columns: file name, start, end and duration texts ("hh:mm:ss.zzz") and the delete button's.
// GUI thread only.

#include <memory>
#include <vector>

#include "qbasedetailsmodel.h"
#include "qtrimitemchunk.h"

class QTrimItemModel : public QBaseDetailsModel {
    Q_OBJECT
public:
    enum Column {
        FileNameColumn = 0,
        StartTimeColumn,
        EndTimeColumn,
        DurationColumn,
        DeleteColumn,
        ColumnCount
    };

    explicit QTrimItemModel(QObject* parent = nullptr);
    ~QTrimItemModel() override;

    // Adds a row for the clip at `filePath` ("/" separators); the name is the part after the
    // last "/". Returns its row.
    int addClip(const QString& filePath, const QString& startText, const QString& endText,
                const QString& durationText);
    // Removes and frees the row's clip.
    void removeClip(int row);
    // Removes and frees every clip.
    void clearClips();
    // Null when row is out of range.
    QTrimItemChunk* clipAt(int row) const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

protected:
    QVariant displayText(const IBaseChunk* item, int column) const override;

private:
    std::vector<std::unique_ptr<QTrimItemChunk>> m_clips;
};
