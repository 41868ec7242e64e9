#include "listentry.h"

#include "qlibrarychunk.h"

namespace {
constexpr int kLatestFixedIndex = 2;
}  // namespace

ListEntry ListEntry::fromLibraryChunk(const QLibraryChunk* chunk)
{
    if (!chunk)
        return all();
    if (chunk->listType() == QLibraryChunk::UserPlayList)
        return playListNamed(QString::fromStdString(chunk->name()));
    if (chunk->listType() == QLibraryChunk::FixedList &&
        chunk->getInt(IBaseChunk::kFixedIndexKey) == kLatestFixedIndex)
        return latest();
    return all();
}
