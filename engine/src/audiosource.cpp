#include "audiosource.h"

#include <algorithm>

namespace brisca {

namespace {

// Pre-roll before an exact seek target: MP3's bit reservoir and every MDCT codec's overlap
// need the frames before the target to decode it right.
constexpr int64_t kPreRollUs = 200000;

// A frame with the first `skip` samples of `in` removed.
FramePtr dropFront(const AVFrame* in, int skip)
{
    FramePtr out(av_frame_alloc());
    out->format = in->format;
    out->sample_rate = in->sample_rate;
    av_channel_layout_copy(&out->ch_layout, &in->ch_layout);
    out->nb_samples = in->nb_samples - skip;
    if (av_frame_get_buffer(out.get(), 0) < 0)
        return nullptr;
    av_samples_copy(out->extended_data, in->extended_data, 0, skip, out->nb_samples,
                    in->ch_layout.nb_channels, static_cast<AVSampleFormat>(in->format));
    out->pts = in->pts;
    return out;
}

}  // namespace

bool AudioSource::open(const std::string& path, int audioTrack, std::string* error)
{
    close();
    if (!m_demuxer.open(path, error))
        return false;
    m_stream = m_demuxer.audioStream(audioTrack);
    if (m_stream < 0) {
        *error = "'" + path + "' has no sound" +
                 (audioTrack > 0 ? " track " + std::to_string(audioTrack) : std::string());
        close();
        return false;
    }
    AVFormatContext* f = m_demuxer.format();
    for (unsigned i = 0; i < f->nb_streams; ++i)
        f->streams[i]->discard = int(i) == m_stream ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    const AVStream* s = f->streams[m_stream];
    m_durationUs = m_demuxer.durationUs();
    m_packet.reset(av_packet_alloc());
    m_decoded.reset(av_frame_alloc());
    if (!m_decoder.open(s, error) || !findOrigin(error) || !seek(0, true, error)) {
        close();
        return false;
    }
    return true;
}

void AudioSource::close()
{
    m_graph.close();
    m_decoder.close();
    m_demuxer.close();
    m_stream = -1;
    m_durationUs = 0;
}

// Decodes the first frame: its timestamp is where audible sound starts.
bool AudioSource::findOrigin(std::string* error)
{
    const AVStream* s = m_demuxer.format()->streams[m_stream];
    m_originPts = s->start_time == AV_NOPTS_VALUE ? 0 : s->start_time;
    for (int packets = 0; packets < 500; ++packets) {
        const int got = m_demuxer.read(m_packet.get(), error);
        if (got < 0)
            return false;
        if (got == 0)
            m_decoder.drain(error);
        else if (m_packet->stream_index == m_stream && !m_decoder.send(m_packet.get(), error))
            return false;
        av_packet_unref(m_packet.get());
        const int r = m_decoder.receive(m_decoded.get(), error);
        if (r < 0)
            return false;
        if (r == 1) {
            if (m_decoded->best_effort_timestamp != AV_NOPTS_VALUE)
                m_originPts = m_decoded->best_effort_timestamp;
            av_frame_unref(m_decoded.get());
            return true;
        }
        if (got == 0)
            break;
    }
    *error = "the sound of this file does not decode";
    return false;
}

bool AudioSource::setChain(const EffectSettings& effects, const std::string& outputFilter,
                           int frameSize, std::string* error)
{
    m_effects = effects;
    m_outputFilter = outputFilter;
    m_frameSize = frameSize;
    return seek(positionUs(), true, error);
}

bool AudioSource::rebuildChain(std::string* error)
{
    std::string description = m_effects.filterDescription(sourceRateHz());
    if (!m_outputFilter.empty())
        description += (description.empty() ? "" : ",") + m_outputFilter;
    m_delivered = 0;
    m_graphEnded = false;
    return m_graph.openAudio(m_decoder.context(), description, m_frameSize, error);
}

int64_t AudioSource::positionUs() const
{
    const int rate = sourceRateHz();
    const int outRate = m_graph.isOpen() ? m_graph.rateHz() : rate;
    return m_chainStart * 1000000 / rate + m_delivered * 1000000 / outRate;
}

bool AudioSource::seek(int64_t positionUs, bool exact, std::string* error)
{
    const AVStream* s = m_demuxer.format()->streams[m_stream];
    const int rate = sourceRateHz();
    const int64_t targetSample = positionUs * rate / 1000000;
    const int64_t seekUs = exact ? std::max<int64_t>(0, positionUs - kPreRollUs) : positionUs;
    if (!m_demuxer.seek(m_stream, m_originPts + fromUs(seekUs, s->time_base), error))
        return false;
    m_decoder.flush();
    m_graph.close();
    m_dropUntil = exact ? targetSample : -1;
    m_chainStart = exact ? targetSample : 0;
    m_delivered = 0;
    m_inputEnded = false;
    m_graphEnded = false;
    return true;
}

// Drops what lies before the seek target and pushes the rest into the chain.
bool AudioSource::feed(AVFrame* decoded, std::string* error)
{
    const AVStream* s = m_demuxer.format()->streams[m_stream];
    const int rate = sourceRateHz();
    int64_t first = decoded->best_effort_timestamp == AV_NOPTS_VALUE
                        ? m_chainStart
                        : av_rescale_q(decoded->best_effort_timestamp - m_originPts, s->time_base,
                                       AVRational{1, rate});
    if (m_dropUntil < 0) {  // a scrubbing seek starts where the first frame is
        m_dropUntil = std::max<int64_t>(0, first);
        m_chainStart = m_dropUntil;
    }
    FramePtr trimmed;
    AVFrame* frame = decoded;
    if (first + decoded->nb_samples <= m_dropUntil)
        return true;
    if (first < m_dropUntil) {
        trimmed = dropFront(decoded, int(m_dropUntil - first));
        if (!trimmed) {
            *error = "out of memory";
            return false;
        }
        frame = trimmed.get();
        first = m_dropUntil;
    }
    if (!m_graph.isOpen()) {
        m_chainStart = first;
        if (!rebuildChain(error))
            return false;
    }
    frame->pts = first - m_chainStart;
    return m_graph.push(frame, error);
}

int AudioSource::decodeMore(std::string* error)
{
    const int got = m_demuxer.read(m_packet.get(), error);
    if (got < 0)
        return -1;
    if (got == 0) {
        if (!m_decoder.drain(error))
            return -1;
    } else {
        const bool ours = m_packet->stream_index == m_stream;
        const bool sent = !ours || m_decoder.send(m_packet.get(), error);
        av_packet_unref(m_packet.get());
        if (!sent)
            return -1;
        if (!ours)
            return 1;
    }
    for (;;) {
        const int r = m_decoder.receive(m_decoded.get(), error);
        if (r < 0)
            return -1;
        if (r == 0)
            break;
        const bool fed = feed(m_decoded.get(), error);
        av_frame_unref(m_decoded.get());
        if (!fed)
            return -1;
    }
    if (got == 0) {
        m_inputEnded = true;
        if (m_graph.isOpen() && !m_graph.push(nullptr, error))
            return -1;
    }
    return 1;
}

int AudioSource::next(AVFrame* frame, std::string* error)
{
    for (;;) {
        if (m_graph.isOpen() && !m_graphEnded) {
            const int r = m_graph.pull(frame, error);
            if (r < 0)
                return -1;
            if (r == 1) {
                frame->pts = m_delivered;
                m_delivered += frame->nb_samples;
                return 1;
            }
            if (r == 2)
                m_graphEnded = true;
        }
        if (m_inputEnded)
            return 0;
        if (decodeMore(error) < 0)
            return -1;
    }
}

}  // namespace brisca
