#pragma once
// QLibraryChunk: one row of the playlist panel (a fixed entry, a header or a user playlist).
// It owns the items of its entry: they are deleted when removed, cleared or when the chunk is
// destroyed. Not copyable.

#include <string>
#include <vector>

#include "ibasechunk.h"

class QLibraryChunk : public IBaseChunk {
public:
    // Values of listType used by the playlist panel.
    enum ListType : int32_t {
        FixedList = 1,  // "All Recordings", "Latest Recordings"
        UserPlayList = 2,
        Spacer = 4,
        HeaderBit = 8,  // set on the two section headers
        LibraryHeader = 9,
        PlayListHeader = 10,
    };

    explicit QLibraryChunk(bool withMutex = false) : IBaseChunk(withMutex) {}
    QLibraryChunk(const QLibraryChunk&) = delete;
    QLibraryChunk& operator=(const QLibraryChunk&) = delete;
    ~QLibraryChunk() override;

    // Takes ownership of item.
    void appendChild(IBaseChunk* item);
    // Removes and deletes the child at index (ignored when out of range).
    void removeChild(int index);
    // Removes the child at index without deleting it; the caller owns it. Null when out of range.
    IBaseChunk* takeChild(int index);
    // Deletes every child.
    void clearChildren();
    const std::vector<IBaseChunk*>& children() const { return m_children; }
    int childCount() const { return static_cast<int>(m_children.size()); }

    void setListType(int32_t type) { m_listType = type; }
    int32_t listType() const { return m_listType; }
    void setPlaying(bool playing) { m_playing = playing; }
    bool isPlaying() const { return m_playing; }
    void setIconPath(std::string v) { m_iconPath = std::move(v); }
    std::string iconPath() const { return m_iconPath; }
    void setPlayingIconPath(std::string v) { m_playingIconPath = std::move(v); }
    std::string playingIconPath() const { return m_playingIconPath; }

private:
    std::vector<IBaseChunk*> m_children;
    int32_t m_listType = UserPlayList;
    bool m_playing = false;
    std::string m_iconPath;
    std::string m_playingIconPath;
};
