#include "playlistmenu.h"

#include "qlibrarychunk.h"

namespace PlayListMenu {

QVector<Item> entriesFor(std::optional<int> listType, int recordingCount, bool busy)
{
    const bool onRow = listType.has_value();
    const int type = listType.value_or(QLibraryChunk::UserPlayList);
    const bool canPlay = onRow && recordingCount > 0 && !busy;
    if (type == QLibraryChunk::FixedList)
        return {{Entry::Play, canPlay}};
    if (type != QLibraryChunk::UserPlayList)
        return {};
    return {{Entry::Play, canPlay},
            {Entry::Rename, onRow && !busy},
            {Entry::AddNew, true},
            {Entry::Delete, onRow && !busy},
            {Entry::DeleteAll, !busy}};
}

}  // namespace PlayListMenu
