// Media information's C functions: thin checks around brisca::MediaInfo.

#include <cstdlib>
#include <cstring>

#include "apiutil.h"
#include "framegrab.h"
#include "mediainfo.h"

using namespace brisca;

namespace {

// Runs f on the open media information behind handle, under its lock; `none` when the
// handle is dead or nothing is open.
template <class R, class F>
R withInfo(int32_t handle, R none, F f)
{
    std::shared_ptr<MediaInfo> info = lookupHandle<MediaInfo>(handle, "media information");
    if (!info)
        return none;
    std::lock_guard<std::mutex> lock(info->mutex);
    if (!info->isOpen()) {
        setLastError("no media file is open");
        return none;
    }
    return f(*info);
}

const ChapterInfo* chapterAt(const MediaInfo& info, int32_t index)
{
    if (index < 0 || size_t(index) >= info.chapters().size()) {
        setLastError("no chapter " + std::to_string(index));
        return nullptr;
    }
    return &info.chapters()[size_t(index)];
}

}  // namespace

extern "C" {

int32_t CreateMediaInfo(int32_t mode)
{
    if (mode != -1)
        return fail("unknown media information mode " + std::to_string(mode));
    return HandleTable::instance().add(std::make_shared<MediaInfo>());
}

int32_t DestroyMediaInfo(int32_t info)
{
    return releaseHandle<MediaInfo>(info, "media information");
}

int32_t OpenMediaInfo(int32_t handle, const char* path)
{
    std::shared_ptr<MediaInfo> info = lookupHandle<MediaInfo>(handle, "media information");
    if (!info)
        return 0;
    if (!path || !*path)
        return fail("no path");
    std::lock_guard<std::mutex> lock(info->mutex);
    std::string error;
    return info->open(path, &error) ? 1 : fail(error);
}

int32_t OpenMediaInfoDisc(int32_t handle, const char* path)
{
    if (!lookupHandle<MediaInfo>(handle, "media information"))
        return 0;
    return fail(std::string("open '") + (path ? path : "") + "': disc sources are not supported");
}

int32_t SelectDiscTitle(int32_t handle, int32_t title)
{
    return withInfo(handle, 0,
                    [&](MediaInfo&) { return title == 0 ? 1 : fail("a file has only title 0"); });
}

int32_t CloseMediaInfo(int32_t handle)
{
    std::shared_ptr<MediaInfo> info = lookupHandle<MediaInfo>(handle, "media information");
    if (!info)
        return 0;
    std::lock_guard<std::mutex> lock(info->mutex);
    info->close();
    return 1;
}

int64_t GetMediaDuration(int32_t handle)
{
    return withInfo<int64_t>(handle, 0, [](MediaInfo& i) { return i.durationUs(); });
}

int64_t GetMediaBitRate(int32_t handle)
{
    return withInfo<int64_t>(handle, 0, [](MediaInfo& i) { return i.bitRate(); });
}

int32_t GetMediaStreamCount(int32_t handle)
{
    return withInfo(handle, 0, [](MediaInfo& i) { return int32_t(i.streams().size()); });
}

int32_t GetMediaStreamInfo(int32_t handle, int32_t index, BriscaStreamInfo* out)
{
    return withInfo(handle, 0, [&](MediaInfo& i) {
        if (!out || index < 0 || size_t(index) >= i.streams().size())
            return fail("no stream " + std::to_string(index));
        *out = i.streams()[size_t(index)];
        return 1;
    });
}

int32_t GetMediaInfoValueA(int32_t handle)
{
    return withInfo(handle, -1, [](MediaInfo& i) { return i.audioTrackCount() > 0 ? 0 : -1; });
}

int32_t GetMediaInfoValueB(int32_t handle)
{
    return withInfo(handle, -1,
                    [](MediaInfo& i) { return i.subtitleLanguages().empty() ? -1 : 0; });
}

int32_t HasVideoStream(int32_t handle)
{
    return withInfo(handle, 0, [](MediaInfo& i) { return int32_t(i.hasVideo()); });
}

int32_t IsAudioTrackIndexValid(int32_t handle, int32_t index)
{
    return withInfo(handle, 0, [&](MediaInfo& i) {
        return int32_t(i.audioTrackCount() > 0 && index >= -1 && index < i.audioTrackCount());
    });
}

int32_t IsSubtitleIndexValid(int32_t handle, int32_t index)
{
    return withInfo(handle, 0, [&](MediaInfo& i) {
        const int n = int(i.subtitleLanguages().size());
        return int32_t(n > 0 && index >= -1 && index < n);
    });
}

const char* GetSubtitleInfoValue(int32_t handle, int32_t index)
{
    return withInfo<const char*>(handle, nullptr, [&](MediaInfo& i) -> const char* {
        const auto& languages = i.subtitleLanguages();
        if (languages.empty() || index < -1 || index >= int(languages.size()))
            return nullptr;
        return languages[size_t(index < 0 ? 0 : index)].c_str();
    });
}

const BriscaEntry* GetMetadataEntry(int32_t handle, const char* key)
{
    return withInfo<const BriscaEntry*>(handle, nullptr,
                                        [&](MediaInfo& i) { return key ? i.entry(key) : nullptr; });
}

const uint8_t* GetEntryData(const BriscaEntry* entry)
{
    return entry ? reinterpret_cast<const uint8_t*>(entry->bytes.c_str()) : nullptr;
}

int32_t GetEntrySize(const BriscaEntry* entry)
{
    return entry ? int32_t(entry->bytes.size()) : 0;
}

const char* GetMetadataKeyAt(int32_t handle, int32_t index)
{
    return withInfo<const char*>(handle, nullptr, [&](MediaInfo& i) {
        return index < 0 ? nullptr : i.keyAt(size_t(index));
    });
}

const uint8_t* ExtractVideoFrame(int32_t handle, int64_t positionUs, int32_t width, int32_t height,
                                 int32_t* outWidth, int32_t* outHeight, int32_t* outSize)
{
    return withInfo<const uint8_t*>(handle, nullptr, [&](MediaInfo& i) -> const uint8_t* {
        GrabbedFrame frame;
        std::string error;
        if (!grabFrameAsBmp(i.path(), positionUs, width, height, &frame, &error)) {
            setLastError(error);
            return nullptr;
        }
        auto* copy = static_cast<uint8_t*>(std::malloc(frame.bmp.size()));
        if (!copy) {
            setLastError("out of memory");
            return nullptr;
        }
        std::memcpy(copy, frame.bmp.data(), frame.bmp.size());
        if (outWidth)
            *outWidth = frame.width;
        if (outHeight)
            *outHeight = frame.height;
        if (outSize)
            *outSize = int32_t(frame.bmp.size());
        return copy;
    });
}

void ReleaseVideoFrame(int32_t /*info*/, const uint8_t* bmp)
{
    std::free(const_cast<uint8_t*>(bmp));
}

int32_t GetChapterCount(int32_t handle)
{
    return withInfo(handle, 0, [](MediaInfo& i) { return int32_t(i.chapters().size()); });
}

int64_t GetChapterStart(int32_t handle, int32_t index)
{
    return withInfo<int64_t>(handle, 0, [&](MediaInfo& i) -> int64_t {
        const ChapterInfo* c = chapterAt(i, index);
        return c ? c->startUs : 0;
    });
}

int64_t GetChapterDuration(int32_t handle, int32_t index)
{
    return withInfo<int64_t>(handle, 0, [&](MediaInfo& i) -> int64_t {
        const ChapterInfo* c = chapterAt(i, index);
        return c ? c->durationUs : 0;
    });
}

const char* GetChapterValue(int32_t handle, int32_t index)
{
    return withInfo<const char*>(handle, nullptr, [&](MediaInfo& i) -> const char* {
        const ChapterInfo* c = chapterAt(i, index);
        return c ? c->title.c_str() : nullptr;
    });
}

}  // extern "C"
