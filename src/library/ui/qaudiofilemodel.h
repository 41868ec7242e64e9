#pragma once
// QAudioFileModel: the rows of the recordings list, one QAudioFileChunk each and nothing else
// (not owned: the RecordingLibrary owns them). Nine columns: the row-state icon, file name (without
// its extension, editable for renaming), format (upper case, centred), artist, album, duration,
// created time and two columns of row buttons. Each row's accessible text is its title.
// GUI thread only.

#include "audiofilecolumns.h"
#include "qbasedetailsmodel.h"

class QAudioFileChunk;

class QAudioFileModel : public QBaseDetailsModel {
    Q_OBJECT
public:
    enum Column {
        StateColumn = AudioFileColumns::State,
        NameColumn = AudioFileColumns::Name,
        FormatColumn = AudioFileColumns::Format,
        ArtistColumn = AudioFileColumns::Artist,
        AlbumColumn = AudioFileColumns::Album,
        DurationColumn = AudioFileColumns::Duration,
        CreatedColumn = AudioFileColumns::Created,
        PlayButtonsColumn = AudioFileColumns::PlayButtons,
        DeleteButtonColumn = AudioFileColumns::DeleteButton,
        ColumnCount = AudioFileColumns::Count,
    };

    explicit QAudioFileModel(QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QAudioFileChunk* fileAt(int row) const;
    // The row's title: the file name without its extension.
    static QString title(const QAudioFileChunk* item);

protected:
    QVariant displayText(const IBaseChunk* item, int column) const override;
};
