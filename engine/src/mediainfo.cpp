#include "mediainfo.h"

#include <algorithm>
#include <cctype>
#include <cstring>

extern "C" {
#include <libavutil/channel_layout.h>
}

#include "demuxer.h"

namespace brisca {

namespace {

std::string lowerCase(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

BriscaStreamInfo describe(const AVStream* s)
{
    BriscaStreamInfo info{};
    const AVCodecParameters* p = s->codecpar;
    info.kind = p->codec_type;
    info.codecId = p->codec_id;
    std::snprintf(info.codecName, sizeof info.codecName, "%s", avcodec_get_name(p->codec_id));
    info.rateHz = p->sample_rate;
    info.channels = p->ch_layout.nb_channels;
    info.channelMask = p->ch_layout.order == AV_CHANNEL_ORDER_NATIVE ? p->ch_layout.u.mask : 0;
    info.bitRate = p->bit_rate;
    info.durationUs = s->duration > 0 ? toUs(s->duration, s->time_base) : 0;
    info.width = p->width;
    info.height = p->height;
    info.attachedPicture = (s->disposition & AV_DISPOSITION_ATTACHED_PIC) ? 1 : 0;
    return info;
}

}  // namespace

void MediaInfo::addTag(const char* key, const char* value)
{
    const std::string lower = lowerCase(key);
    if (m_entries.count(lower))
        return;  // format tags come first and win over stream tags
    auto entry = std::make_unique<BriscaEntry>();
    entry->bytes = value ? value : "";
    m_entries.emplace(lower, std::move(entry));
    m_keys.emplace_back(key);
}

bool MediaInfo::open(const std::string& path, std::string* error)
{
    close();
    Demuxer demuxer;
    if (!demuxer.open(path, error))
        return false;
    if (demuxer.format()->nb_streams == 0) {
        *error = "open '" + path + "': the file holds no audio or picture stream";
        return false;
    }
    m_path = path;
    m_durationUs = demuxer.durationUs();
    m_bitRate = std::max<int64_t>(0, demuxer.format()->bit_rate);
    readStreams(demuxer);
    readTags(demuxer);
    readChapters(demuxer);
    m_open = true;
    return true;
}

void MediaInfo::readStreams(const Demuxer& demuxer)
{
    const AVFormatContext* f = demuxer.format();
    for (unsigned i = 0; i < f->nb_streams; ++i) {
        const AVStream* s = f->streams[i];
        m_streams.push_back(describe(s));
        if (s->codecpar->codec_type == AVMEDIA_TYPE_SUBTITLE) {
            const AVDictionaryEntry* lang = av_dict_get(s->metadata, "language", nullptr, 0);
            m_subtitleLanguages.emplace_back(lang ? lang->value : "");
        }
    }
    m_audioTracks = demuxer.countStreams(AVMEDIA_TYPE_AUDIO);
    m_hasVideo = demuxer.pictureStream() >= 0;
}

void MediaInfo::readTags(const Demuxer& demuxer)
{
    const AVFormatContext* f = demuxer.format();
    const AVDictionaryEntry* tag = nullptr;
    while ((tag = av_dict_get(f->metadata, "", tag, AV_DICT_IGNORE_SUFFIX)))
        addTag(tag->key, tag->value);
    // Ogg and some others keep the tags on the audio stream.
    const int audio = demuxer.bestAudioStream();
    if (audio >= 0) {
        while ((tag = av_dict_get(f->streams[audio]->metadata, "", tag, AV_DICT_IGNORE_SUFFIX)))
            addTag(tag->key, tag->value);
    }
    auto special = [this](const char* key, std::string bytes) {
        auto entry = std::make_unique<BriscaEntry>();
        entry->bytes = std::move(bytes);
        m_entries[key] = std::move(entry);
    };
    special("ffmpeg_format", f->iformat->name);
    const int cover = demuxer.attachedPictureStream();
    if (cover >= 0) {
        const AVPacket& pic = f->streams[cover]->attached_pic;
        special("cover_image",
                std::string(reinterpret_cast<const char*>(pic.data), size_t(pic.size)));
    }
}

void MediaInfo::readChapters(const Demuxer& demuxer)
{
    const AVFormatContext* f = demuxer.format();
    std::vector<int64_t> ends;
    for (unsigned i = 0; i < f->nb_chapters; ++i) {
        const AVChapter* c = f->chapters[i];
        ChapterInfo chapter;
        chapter.startUs = std::max<int64_t>(0, toUs(c->start, c->time_base));
        const AVDictionaryEntry* title = av_dict_get(c->metadata, "title", nullptr, 0);
        chapter.title = title ? title->value : "";
        m_chapters.push_back(chapter);
        ends.push_back(c->end == AV_NOPTS_VALUE ? -1 : toUs(c->end, c->time_base));
    }
    settleChapterDurations(&m_chapters, ends, m_durationUs);
}

void MediaInfo::settleChapterDurations(std::vector<ChapterInfo>* chapters,
                                       const std::vector<int64_t>& endsUs, int64_t fileUs)
{
    for (size_t i = 0; i < chapters->size(); ++i) {
        ChapterInfo& c = (*chapters)[i];
        int64_t end = endsUs[i];
        if (end <= c.startUs)
            end = i + 1 < chapters->size() ? (*chapters)[i + 1].startUs : fileUs;
        if (fileUs > 0)
            end = std::min(end, fileUs);
        c.durationUs = std::max<int64_t>(0, end - c.startUs);
    }
}

void MediaInfo::close()
{
    m_open = false;
    m_path.clear();
    m_durationUs = m_bitRate = 0;
    m_audioTracks = 0;
    m_hasVideo = false;
    m_streams.clear();
    m_subtitleLanguages.clear();
    m_entries.clear();
    m_keys.clear();
    m_chapters.clear();
}

const BriscaEntry* MediaInfo::entry(const std::string& key) const
{
    auto it = m_entries.find(lowerCase(key));
    return it == m_entries.end() ? nullptr : it->second.get();
}

const char* MediaInfo::keyAt(size_t index) const
{
    return index < m_keys.size() ? m_keys[index].c_str() : nullptr;
}

}  // namespace brisca
