#include "containerrewrite.h"

#include <cstdio>
#include <map>

#include "demuxer.h"
#include "muxer.h"
#include "streamcopy.h"

namespace brisca {

namespace {

std::map<std::string, std::string> fileTags(const AVFormatContext* format, int stream)
{
    std::map<std::string, std::string> tags;
    for (const AVDictionary* d : {format->streams[stream]->metadata, format->metadata}) {
        const AVDictionaryEntry* e = nullptr;
        while ((e = av_dict_get(d, "", e, AV_DICT_IGNORE_SUFFIX)))
            tags[e->key] = e->value;
    }
    return tags;
}

// The whole stream through the lossless cut's copier, which also knows what each codec needs
// at the ends (FLAC's sample count, MP3's LAME header, MP4's edit list).
bool copyAll(Demuxer& demuxer, int stream, Muxer& muxer, std::string* error)
{
    const AVStream* in = demuxer.format()->streams[stream];
    CopyRange range;
    range.stream = stream;
    range.originPts = in->start_time == AV_NOPTS_VALUE ? 0 : in->start_time;
    const std::atomic<bool> cancel{false};
    return copyStreamRange(
        demuxer, range, muxer, fileTags(demuxer.format(), stream), [](int64_t) {}, cancel, error);
}

}  // namespace

bool rewriteContainer(const std::string& source, const std::string& target, std::string* error)
{
    Demuxer demuxer;
    if (!demuxer.open(source, error))
        return false;
    const int stream = demuxer.bestAudioStream();
    if (stream < 0) {
        *error = "'" + source + "' has no audio stream";
        return false;
    }
    const AVOutputFormat* format = av_guess_format(nullptr, target.c_str(), nullptr);
    if (!format) {
        *error = "no container for '" + target + "'";
        return false;
    }
    bool ok = false;
    {
        Muxer muxer;
        ok = muxer.create(target, format, error) && copyAll(demuxer, stream, muxer, error);
    }
    if (!ok)
        std::remove(target.c_str());
    return ok;
}

}  // namespace brisca
