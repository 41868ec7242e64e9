#include "streamcopy.h"

#include <algorithm>
#include <deque>

extern "C" {
#include <libavutil/intreadwrite.h>
}

#include "demuxer.h"
#include "mp3frame.h"
#include "muxer.h"

namespace brisca {

namespace {

enum class CopyKind { Mp3, Mov, Independent };

constexpr size_t kHistory = 64;
constexpr int64_t kLeadUs = 1000000;  // read this far before the start for carried frames

struct Held {
    PacketPtr packet;
    int64_t start = 0;  // stream time base
    int64_t duration = 0;
};

bool isMovFamily(const std::string& name)
{
    return name == "mp4" || name == "ipod" || name == "mov";
}

CopyKind kindOf(AVCodecID codec, const std::string& muxerName)
{
    if (codec == AV_CODEC_ID_MP3)
        return CopyKind::Mp3;
    return isMovFamily(muxerName) ? CopyKind::Mov : CopyKind::Independent;
}

// Frames before `index` whose main data the frame at `index` reads (bit reservoir).
size_t reservoirFrames(const std::deque<Held>& held, size_t index)
{
    Mp3FrameInfo info;
    const AVPacket* p = held[index].packet.get();
    if (!parseMp3Frame(p->data, size_t(p->size), &info))
        return 0;
    int needed = info.mainDataBegin;
    size_t frames = 0;
    for (size_t i = index; i > 0 && needed > 0; --i) {
        Mp3FrameInfo before;
        const AVPacket* q = held[i - 1].packet.get();
        if (!parseMp3Frame(q->data, size_t(q->size), &before))
            break;
        needed -= before.mainDataSize;
        ++frames;
    }
    return frames;
}

// Index of the first packet to write, before `first` (the one holding the start).
size_t firstWritten(const std::deque<Held>& held, size_t first, CopyKind kind, AVCodecID codec)
{
    if (kind == CopyKind::Mp3) {
        // The frame before the first kept one warms the decoder's overlap up; it and the
        // first kept one need their reservoirs.
        size_t earliest = first - reservoirFrames(held, first);
        if (first > 0)
            earliest = std::min(earliest, first - 1 - reservoirFrames(held, first - 1));
        return earliest;
    }
    if (kind == CopyKind::Mov && codec == AV_CODEC_ID_AAC && first > 0)
        return first - 1;
    return first;
}

// STREAMINFO with a new total sample count and no MD5 (which no longer matches).
std::string flacStreamInfo(const AVCodecParameters* par, int64_t samples)
{
    if (par->extradata_size < 34)
        return {};
    std::string info(reinterpret_cast<const char*>(par->extradata), 34);
    auto* b = reinterpret_cast<uint8_t*>(info.data());
    b[13] = uint8_t((b[13] & 0xF0) | ((samples >> 32) & 0x0F));
    b[14] = uint8_t(samples >> 24);
    b[15] = uint8_t(samples >> 16);
    b[16] = uint8_t(samples >> 8);
    b[17] = uint8_t(samples);
    std::fill(b + 18, b + 34, 0);
    return info;
}

class Copier {
public:
    Copier(Demuxer& demuxer, const CopyRange& range, Muxer& muxer)
        : m_demuxer(demuxer),
          m_range(range),
          m_muxer(muxer),
          m_in(demuxer.format()->streams[range.stream]),
          m_kind(kindOf(m_in->codecpar->codec_id, muxer.format()->name))
    {
    }

    // Reads up to the packet that holds the start; false at an error or when it lies past
    // the end of the file.
    bool findStart(std::string* error);
    bool writeHeader(const std::map<std::string, std::string>& tags, std::string* error);
    bool copy(const std::function<void(int64_t)>& progressUs, const std::atomic<bool>& cancel,
              std::string* error);

private:
    int read(Held* held, std::string* error);
    bool emit(Held& held, bool last, std::string* error);
    void markSkips(AVPacket* packet, const Held& held, bool last);
    int64_t samples(int64_t ticks) const
    {
        return av_rescale_q(ticks, m_in->time_base, AVRational{1, m_in->codecpar->sample_rate});
    }

    Demuxer& m_demuxer;
    CopyRange m_range;
    Muxer& m_muxer;
    AVStream* m_in;
    CopyKind m_kind;
    std::deque<Held> m_held;
    size_t m_first = 0;    // index in m_held of the packet holding the start
    size_t m_written = 0;  // index in m_held of the first packet written
    int64_t m_startPts = 0;
    int64_t m_endPts = INT64_MAX;
    int64_t m_shift = 0;  // subtracted from every timestamp
    int64_t m_nextPts = 0;
    int64_t m_copiedSamples = 0;
};

int Copier::read(Held* held, std::string* error)
{
    held->packet.reset(av_packet_alloc());
    for (;;) {
        const int got = m_demuxer.read(held->packet.get(), error);
        if (got <= 0)
            return got;
        AVPacket* p = held->packet.get();
        if (p->stream_index != m_range.stream) {
            av_packet_unref(p);
            continue;
        }
        held->start = p->pts != AV_NOPTS_VALUE ? p->pts : m_nextPts;
        held->duration = p->duration > 0 ? p->duration
                                         : av_rescale_q(m_in->codecpar->frame_size,
                                                        AVRational{1, m_in->codecpar->sample_rate},
                                                        m_in->time_base);
        m_nextPts = held->start + held->duration;
        return 1;
    }
}

bool Copier::findStart(std::string* error)
{
    const AVRational tb = m_in->time_base;
    m_startPts = m_range.originPts + fromUs(m_range.startUs, tb);
    if (m_range.endUs > 0)
        m_endPts = m_range.originPts + fromUs(m_range.endUs, tb);
    // MP3's seek refuses a place before the stream's first packet (a cut within the lead of
    // the start asks for one) instead of starting there: then seek to that first packet.
    const int64_t target = m_startPts - fromUs(kLeadUs, tb);
    const int64_t streamStart = m_in->start_time != AV_NOPTS_VALUE ? m_in->start_time : 0;
    if (!m_demuxer.seek(m_range.stream, target, error) &&
        (target >= streamStart || !m_demuxer.seek(m_range.stream, streamStart, error)))
        return false;
    for (;;) {
        Held held;
        const int got = read(&held, error);
        if (got < 0)
            return false;
        if (got == 0) {
            *error = "the cut starts after the end of the file";
            return false;
        }
        const bool holdsStart = held.start + held.duration > m_startPts;
        m_held.push_back(std::move(held));
        if (holdsStart)
            break;
        if (m_held.size() > kHistory)
            m_held.pop_front();
    }
    m_first = m_held.size() - 1;
    const Held& first = m_held[m_first];
    if (m_kind == CopyKind::Independent && (m_startPts - first.start) * 2 > first.duration) {
        // Nearer to the next boundary: start there.
        Held next;
        const int got = read(&next, error);
        if (got <= 0) {
            if (got == 0)
                *error = "the cut starts after the end of the file";
            return false;
        }
        m_held.push_back(std::move(next));
        ++m_first;
    }
    m_written = firstWritten(m_held, m_first, m_kind, m_in->codecpar->codec_id);
    return true;
}

bool Copier::writeHeader(const std::map<std::string, std::string>& tags, std::string* error)
{
    AVStream* out = m_muxer.addStream(m_in->codecpar, error);
    if (!out)
        return false;
    const int64_t firstStart = m_held[m_written].start;
    switch (m_kind) {
        case CopyKind::Mov:
            m_shift = m_startPts;  // what lies before the start gets negative times: edit list
            break;
        case CopyKind::Mp3:
        case CopyKind::Independent:
            m_shift = firstStart;
            break;
    }
    return m_muxer.writeHeader(tags, error);
}

// The MP3 muxer turns these into the LAME header's delay and padding: decoders skip the
// carried frames and the lead-in before the start, and the overshoot past the end.
void Copier::markSkips(AVPacket* packet, const Held& held, bool last)
{
    const uint32_t skipStart =
        m_copiedSamples == 0 ? uint32_t(std::max<int64_t>(0, samples(m_startPts - held.start))) : 0;
    const uint32_t discardEnd =
        last && m_endPts != INT64_MAX
            ? uint32_t(std::max<int64_t>(0, samples(held.start + held.duration - m_endPts)))
            : 0;
    uint8_t* side = av_packet_new_side_data(packet, AV_PKT_DATA_SKIP_SAMPLES, 10);
    if (!side)
        return;
    AV_WL32(side, skipStart);
    AV_WL32(side + 4, discardEnd);
    side[8] = side[9] = 0;
}

bool Copier::emit(Held& held, bool last, std::string* error)
{
    AVPacket* p = held.packet.get();
    const AVRational outTb = m_muxer.stream()->time_base;
    p->pts = p->dts = av_rescale_q(held.start - m_shift, m_in->time_base, outTb);
    p->duration = av_rescale_q(held.duration, m_in->time_base, outTb);
    p->pos = -1;
    if (m_kind == CopyKind::Mp3 && (m_copiedSamples == 0 || last))
        markSkips(p, held, last);
    m_copiedSamples += samples(held.duration);
    if (last && m_in->codecpar->codec_id == AV_CODEC_ID_FLAC) {
        const std::string info = flacStreamInfo(m_in->codecpar, m_copiedSamples);
        if (!info.empty()) {
            uint8_t* side = av_packet_new_side_data(p, AV_PKT_DATA_NEW_EXTRADATA, info.size());
            if (side)
                std::copy(info.begin(), info.end(), side);
        }
    }
    return m_muxer.write(p, error);
}

bool Copier::copy(const std::function<void(int64_t)>& progressUs, const std::atomic<bool>& cancel,
                  std::string* error)
{
    std::deque<Held> queue;
    for (size_t i = m_written; i < m_held.size(); ++i)
        queue.push_back(std::move(m_held[i]));
    m_held.clear();
    bool ended = false;
    // One packet of look-ahead: the last one written may need FLAC's new STREAMINFO.
    while (!queue.empty()) {
        if (cancel.load()) {
            *error = "cancelled";
            return false;
        }
        if (queue.size() < 2 && !ended) {
            Held next;
            const int got = read(&next, error);
            if (got < 0)
                return false;
            // MP3 keeps every frame the end touches (the padding trims it); the others end
            // on the nearest boundary.
            const int64_t cut =
                m_kind == CopyKind::Mp3 ? next.start : next.start + next.duration / 2;
            if (got == 0 || cut >= m_endPts)
                ended = true;
            else
                queue.push_back(std::move(next));
            continue;
        }
        Held held = std::move(queue.front());
        queue.pop_front();
        if (!emit(held, queue.empty() && ended, error))
            return false;
        progressUs(toUs(held.start + held.duration - m_startPts, m_in->time_base));
    }
    return m_muxer.finish(error);
}

}  // namespace

std::string copyRefusal(const Demuxer& demuxer, int stream, const std::string& muxerName)
{
    const AVCodecParameters* par = demuxer.format()->streams[stream]->codecpar;
    const AVCodecID id = par->codec_id;
    const bool pcm = id >= AV_CODEC_ID_FIRST_AUDIO && id < AV_CODEC_ID_ADPCM_IMA_QT;
    if (id != AV_CODEC_ID_MP3 && id != AV_CODEC_ID_AAC && id != AV_CODEC_ID_ALAC &&
        id != AV_CODEC_ID_FLAC && !pcm)
        return std::string("frames of ") + avcodec_get_name(id) + " cannot be cut losslessly";
    if (id == AV_CODEC_ID_AAC && isMovFamily(muxerName) &&
        std::string(demuxer.format()->iformat->name) == "aac")
        return "raw AAC (ADTS) frames cannot be copied into MP4";
    const AVOutputFormat* muxer = av_guess_format(muxerName.c_str(), nullptr, nullptr);
    if (!muxer || avformat_query_codec(muxer, id, FF_COMPLIANCE_NORMAL) == 0)
        return std::string("container '") + muxerName + "' cannot hold " + avcodec_get_name(id);
    return {};
}

bool copyStreamRange(Demuxer& demuxer, const CopyRange& range, Muxer& muxer,
                     const std::map<std::string, std::string>& tags,
                     const std::function<void(int64_t)>& progressUs,
                     const std::atomic<bool>& cancel, std::string* error)
{
    Copier copier(demuxer, range, muxer);
    return copier.findStart(error) && copier.writeHeader(tags, error) &&
           copier.copy(progressUs, cancel, error);
}

}  // namespace brisca
