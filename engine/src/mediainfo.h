#pragma once
// MediaInfo: what the C functions of media information answer about one file: streams, tags,
// cover art, chapters and picture grabs. Everything is read at open(); the answers are plain
// copies, so lookups never touch FFmpeg again. One caller thread at a time (the C layer
// serialises calls on one handle with m_mutex).

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "brisca/brisca.h"
#include "handletable.h"

struct BriscaEntry {
    std::string bytes;  // kept NUL-terminated by std::string for text values
};

namespace brisca {

class Demuxer;

struct ChapterInfo {
    int64_t startUs = 0;
    int64_t durationUs = 0;
    std::string title;
};

class MediaInfo : public HandleObject {
public:
    std::mutex mutex;  // held by the C functions around every call on one handle

    bool open(const std::string& path, std::string* error);
    void close();
    bool isOpen() const { return m_open; }

    int64_t durationUs() const { return m_durationUs; }
    int64_t bitRate() const { return m_bitRate; }
    const std::vector<BriscaStreamInfo>& streams() const { return m_streams; }
    const std::vector<std::string>& subtitleLanguages() const { return m_subtitleLanguages; }
    int audioTrackCount() const { return m_audioTracks; }
    bool hasVideo() const { return m_hasVideo; }
    const BriscaEntry* entry(const std::string& key) const;
    const char* keyAt(size_t index) const;
    const std::vector<ChapterInfo>& chapters() const { return m_chapters; }
    const std::string& path() const { return m_path; }

    // Chapter durations: to the end mark, else to the next start (or the end of the file),
    // never past the end of the file.
    static void settleChapterDurations(std::vector<ChapterInfo>* chapters,
                                       const std::vector<int64_t>& endsUs, int64_t fileUs);

private:
    void readStreams(const Demuxer& demuxer);
    void readTags(const Demuxer& demuxer);
    void readChapters(const Demuxer& demuxer);
    void addTag(const char* key, const char* value);

    bool m_open = false;
    std::string m_path;
    int64_t m_durationUs = 0;
    int64_t m_bitRate = 0;
    int m_audioTracks = 0;
    bool m_hasVideo = false;
    std::vector<BriscaStreamInfo> m_streams;
    std::vector<std::string> m_subtitleLanguages;
    std::map<std::string, std::unique_ptr<BriscaEntry>> m_entries;  // lower-case keys
    std::vector<std::string> m_keys;                                // tag keys as found
    std::vector<ChapterInfo> m_chapters;
};

}  // namespace brisca
