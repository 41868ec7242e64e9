#pragma once
// What the context menu of the playlist panel offers for the row under the pointer, decided
// without a window: the two fixed entries can only be played; a user playlist (or no row at
// all) gets the playlist menu; headers and the spacer get no menu. Nothing that plays, renames
// or deletes is enabled while the panel is busy (a recording runs).

#include <QVector>

#include <optional>

namespace PlayListMenu {

enum class Entry { Play, Rename, AddNew, Delete, DeleteAll };

struct Item {
    Entry entry;
    bool enabled;
    bool operator==(const Item& o) const { return entry == o.entry && enabled == o.enabled; }
};

// listType: the QLibraryChunk list type of the row, or none for a click beside every row.
// recordingCount: the recordings of that row. Empty: no menu.
QVector<Item> entriesFor(std::optional<int> listType, int recordingCount, bool busy);

}  // namespace PlayListMenu
