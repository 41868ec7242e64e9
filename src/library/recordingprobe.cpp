#include "recordingprobe.h"

#include <brisca/brisca.h>

namespace RecordingProbe {

namespace {

QString entryText(int32_t info, const char* key)
{
    const BriscaEntry* entry = GetMetadataEntry(info, key);
    if (!entry)
        return QString();
    return QString::fromUtf8(reinterpret_cast<const char*>(GetEntryData(entry)),
                             GetEntrySize(entry));
}

QString firstAudioCodec(int32_t info)
{
    const int32_t count = GetMediaStreamCount(info);
    for (int32_t i = 0; i < count; ++i) {
        BriscaStreamInfo stream{};
        if (GetMediaStreamInfo(info, i, &stream) && stream.kind == 1 && !stream.attachedPicture)
            return QString::fromUtf8(stream.codecName);
    }
    return QString();
}

}  // namespace

Facts probe(const QString& path)
{
    Facts facts;
    const int32_t info = CreateMediaInfo(-1);
    if (!info) {
        facts.error = QString::fromUtf8(BriscaLastError());
        return facts;
    }
    if (OpenMediaInfo(info, path.toUtf8().constData())) {
        facts.opened = true;
        const int64_t duration = GetMediaDuration(info);
        facts.durationUs = duration > 0 ? static_cast<uint64_t>(duration) : 0;
        facts.container = entryText(info, "major_brand").trimmed();
        if (facts.container.isEmpty())
            facts.container = entryText(info, "ffmpeg_format");
        facts.codec = firstAudioCodec(info);
        CloseMediaInfo(info);
    } else {
        facts.error = QString::fromUtf8(BriscaLastError());
    }
    DestroyMediaInfo(info);
    return facts;
}

}  // namespace RecordingProbe
