#pragma once
// QLibraryModel: the rows of the playlist panel, one QLibraryChunk each (not owned: the panel
// owns them). One column: the row's name, with the row's icon (the playing icon while the row
// is played), Tahoma 16 px for the section headers and 12 px for the rest, the name as tool
// tip of user playlists. Only the fixed entries and user playlists can be selected; only user
// playlists can be renamed and accept dropped recordings. GUI thread only.

#include "qbasedetailsmodel.h"

class QLibraryChunk;

class QLibraryModel : public QBaseDetailsModel {
    Q_OBJECT
public:
    explicit QLibraryModel(QObject* parent = nullptr);

    QLibraryChunk* chunkAt(int row) const;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
};
