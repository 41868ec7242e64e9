#pragma once
// Which entry of the playlist panel the recordings list shows: every recording, the latest
// ones (marked new in the history), or one user playlist by name.

#include <QString>

class QLibraryChunk;

struct ListEntry {
    enum class Kind { All, Latest, PlayList };

    Kind kind = Kind::All;
    QString playList;  // the playlist's name, for Kind::PlayList

    static ListEntry all() { return {Kind::All, QString()}; }
    static ListEntry latest() { return {Kind::Latest, QString()}; }
    static ListEntry playListNamed(const QString& name) { return {Kind::PlayList, name}; }
    // The entry a row of the playlist panel stands for: a user playlist by its name, the fixed
    // row at position 2 ("LIB_KEY_FIXED_INDEX") is the latest recordings, any other row all.
    static ListEntry fromLibraryChunk(const QLibraryChunk* chunk);

    bool operator==(const ListEntry& o) const { return kind == o.kind && playList == o.playList; }
};
