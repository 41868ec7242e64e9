#pragma once
// The columns of the recordings list and the text each shows for a recording: shared by the
// table model (display) and the sort model (search and sort), which reads them straight from
// the item rather than through the model's data, because a search walks every row.

#include <QString>

class QAudioFileChunk;

namespace AudioFileColumns {

enum Column {
    State = 0,   // the row-state icon, no text
    Name = 1,    // the file name without its extension
    Format = 2,  // the extension in upper case
    Artist = 3,
    Album = 4,
    Duration = 5,  // "hh:mm:ss"
    Created = 6,   // "dd-MM-yyyy hh:mm"
    PlayButtons = 7,
    DeleteButton = 8,
    Count = 9,
};

// The display text of the column; empty for the icon and button columns.
QString text(const QAudioFileChunk& item, int column);

}  // namespace AudioFileColumns
