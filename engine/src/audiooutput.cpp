#include "audiooutput.h"

#include <algorithm>
#include <cctype>
#include <cstring>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

#include "encoder.h"
#include "headerpatcher.h"

namespace brisca {

namespace {

std::string upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
    return s;
}

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

}  // namespace

const AVOutputFormat* muxerForKey(const std::string& key)
{
    static const struct {
        const char* key;
        const char* muxer;
    } kMuxers[] = {
        {"MP3", "mp3"},   {"M4A", "ipod"}, {"MP4", "mp4"}, {"OGG", "ogg"}, {"OPUS", "opus"},
        {"FLAC", "flac"}, {"WAV", "wav"},  {"WMA", "asf"}, {"AC3", "ac3"}, {"AIFF", "aiff"},
    };
    const std::string k = upper(key);
    for (const auto& m : kMuxers) {
        if (k == m.key)
            return av_guess_format(m.muxer, nullptr, nullptr);
    }
    return key.empty() ? nullptr : av_guess_format(lower(key).c_str(), nullptr, nullptr);
}

AudioOutput::AudioOutput() = default;

AudioOutput::~AudioOutput()
{
    close();
}

int AudioOutput::rateHz() const
{
    return m_codec ? m_codec->sample_rate : 0;
}

int AudioOutput::channels() const
{
    return m_codec ? m_codec->ch_layout.nb_channels : 0;
}

bool AudioOutput::openEncoder(const AVOutputFormat* format, const EncodeParamsObject& params,
                              std::string* error)
{
    Encoder encoder;
    if (!encoder.open(params, format, error))
        return false;
    m_frameSize = encoder.frameSize() > 0 ? encoder.frameSize() : 1024;
    m_codec = encoder.takeContext();
    return true;
}

bool AudioOutput::open(const std::string& path, const std::string& formatKey,
                       const EncodeParamsObject& params, std::string* error)
{
    close();
    m_path = path;
    const AVOutputFormat* muxer = muxerForKey(formatKey);
    if (!muxer) {
        *error = "unknown container '" + formatKey + "'";
        return false;
    }
    if (avformat_alloc_output_context2(&m_format, muxer, nullptr, path.c_str()) < 0) {
        *error = "out of memory";
        return false;
    }
    if (!openEncoder(muxer, params, error)) {
        close();
        return false;
    }
    m_stream = avformat_new_stream(m_format, nullptr);
    if (!m_stream || avcodec_parameters_from_context(m_stream->codecpar, m_codec.get()) < 0) {
        *error = "out of memory";
        close();
        return false;
    }
    m_stream->time_base = m_codec->time_base;

    int rc = avio_open(&m_format->pb, path.c_str(), AVIO_FLAG_WRITE);
    if (rc < 0) {
        *error = "open '" + path + "': " + errorText(rc);
        close();
        return false;
    }
    AVDictionary* options = nullptr;
    const std::string name = muxer->name;
    if (name == "mp4" || name == "ipod" || name == "mov") {
        // Fragments of half a second: a killed process leaves every finished fragment
        // playable, and loses at most the one being filled.
        av_dict_set(&options, "movflags", "+empty_moov+default_base_moof", 0);
        av_dict_set(&options, "frag_duration", "500000", 0);
    } else if (name == "ogg" || name == "opus") {
        // The muxer holds a page back until the next is complete: short pages keep that
        // unwritten tail near half a second.
        av_dict_set(&options, "page_duration", "250000", 0);
    } else if (name == "wav") {
        av_dict_set(&options, "rf64", "auto", 0);  // reserve room for a ds64 chunk past 4 GiB
    }
    rc = avformat_write_header(m_format, &options);
    av_dict_free(&options);
    if (rc < 0) {
        *error = "write header of '" + path + "': " + errorText(rc);
        close();
        return false;
    }
    m_headerWritten = true;
    avio_flush(m_format->pb);
    if (name == "wav" || name == "aiff")
        m_patcher = HeaderPatcher::create(
            path, name,
            m_codec->ch_layout.nb_channels * av_get_bytes_per_sample(m_codec->sample_fmt));

    AVChannelLayout layout{};
    av_channel_layout_copy(&layout, &m_codec->ch_layout);
    SwrContext* swr = nullptr;
    rc = swr_alloc_set_opts2(&swr, &layout, m_codec->sample_fmt, m_codec->sample_rate, &layout,
                             AV_SAMPLE_FMT_FLT, m_codec->sample_rate, 0, nullptr);
    av_channel_layout_uninit(&layout);
    if (rc >= 0)
        rc = swr_init(swr);
    m_swr.reset(swr);
    m_fifo.reset(
        av_audio_fifo_alloc(m_codec->sample_fmt, m_codec->ch_layout.nb_channels, m_frameSize * 4));
    m_frame.reset(av_frame_alloc());
    m_packet.reset(av_packet_alloc());
    if (rc < 0 || !m_fifo || !m_frame || !m_packet) {
        *error = "cannot set up the encoder's input: " + errorText(rc);
        close();
        return false;
    }
    m_frame->format = m_codec->sample_fmt;
    m_frame->sample_rate = m_codec->sample_rate;
    av_channel_layout_copy(&m_frame->ch_layout, &m_codec->ch_layout);
    m_frame->nb_samples = m_frameSize;
    if (av_frame_get_buffer(m_frame.get(), 0) < 0) {
        *error = "out of memory";
        close();
        return false;
    }
    m_nextPts = 0;
    m_lastFlushPts = 0;
    return true;
}

bool AudioOutput::write(const float* samples, int count, std::string* error)
{
    if (!m_codec || count <= 0)
        return m_codec != nullptr;
    const uint8_t* in[1] = {reinterpret_cast<const uint8_t*>(samples)};
    // The conversion buffer is kept from one call to the next.
    if (count > m_convertedCapacity) {
        if (m_converted)
            av_freep(&m_converted[0]);
        av_freep(&m_converted);
        int lineSize = 0;
        m_convertedCapacity = 0;
        if (av_samples_alloc_array_and_samples(&m_converted, &lineSize,
                                               m_codec->ch_layout.nb_channels, count,
                                               m_codec->sample_fmt, 0) < 0) {
            *error = "out of memory";
            return false;
        }
        m_convertedCapacity = count;
    }
    const int produced = swr_convert(m_swr.get(), m_converted, count, in, count);
    bool ok = produced >= 0;
    if (ok && produced > 0)
        ok = av_audio_fifo_write(m_fifo.get(), reinterpret_cast<void**>(m_converted), produced) ==
             produced;
    if (!ok) {
        *error = "cannot queue samples for the encoder";
        return false;
    }
    if (!encodeFifo(false, error))
        return false;
    // A quarter of a second at most waits in memory: what a killed process loses.
    if (m_nextPts - m_lastFlushPts >= m_codec->sample_rate / 4) {
        m_lastFlushPts = m_nextPts;
        flushToDisk();
        return checkIo(error);
    }
    return true;
}

bool AudioOutput::encodeFifo(bool final, std::string* error)
{
    const AVCodec* codec = m_codec->codec;
    const bool shortLast =
        codec->capabilities & (AV_CODEC_CAP_SMALL_LAST_FRAME | AV_CODEC_CAP_VARIABLE_FRAME_SIZE);
    for (;;) {
        const int available = av_audio_fifo_size(m_fifo.get());
        if (available == 0 || (available < m_frameSize && !final))
            return true;
        if (av_frame_make_writable(m_frame.get()) < 0) {
            *error = "out of memory";
            return false;
        }
        const int n = std::min(available, m_frameSize);
        av_audio_fifo_read(m_fifo.get(), reinterpret_cast<void**>(m_frame->data), n);
        m_frame->nb_samples = n;
        if (n < m_frameSize && !shortLast) {
            // The encoder takes only whole frames: pad the last one with silence.
            av_samples_set_silence(m_frame->data, n, m_frameSize - n,
                                   m_codec->ch_layout.nb_channels, m_codec->sample_fmt);
            m_frame->nb_samples = m_frameSize;
        }
        m_frame->pts = m_nextPts;
        m_nextPts += m_frame->nb_samples;
        const bool ok = sendFrame(m_frame.get(), error);
        m_frame->nb_samples = m_frameSize;
        if (!ok)
            return false;
    }
}

bool AudioOutput::sendFrame(AVFrame* frame, std::string* error)
{
    int rc = avcodec_send_frame(m_codec.get(), frame);
    if (rc < 0 && rc != AVERROR_EOF) {
        *error = std::string("encode: ") + errorText(rc);
        return false;
    }
    for (;;) {
        rc = avcodec_receive_packet(m_codec.get(), m_packet.get());
        if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF)
            return true;
        if (rc < 0) {
            *error = std::string("encode: ") + errorText(rc);
            return false;
        }
        av_packet_rescale_ts(m_packet.get(), m_codec->time_base, m_stream->time_base);
        m_packet->stream_index = m_stream->index;
        rc = av_interleaved_write_frame(m_format, m_packet.get());
        if (rc < 0) {
            *error = "write '" + m_path + "': " + errorText(rc);
            return false;
        }
        if (!checkIo(error))
            return false;
    }
}

bool AudioOutput::checkIo(std::string* error)
{
    if (m_format && m_format->pb && m_format->pb->error < 0) {
        *error = "write '" + m_path + "': " + errorText(m_format->pb->error);
        return false;
    }
    return true;
}

void AudioOutput::flushToDisk()
{
    avio_flush(m_format->pb);
    if (m_patcher)
        m_patcher->patch();
}

bool AudioOutput::finish(std::string* error)
{
    if (!m_codec || !m_headerWritten)
        return false;
    if (!encodeFifo(true, error) || !sendFrame(nullptr, error))
        return false;
    const int rc = av_write_trailer(m_format);
    m_headerWritten = false;  // the trailer fixed the header; no more patching
    m_patcher.reset();
    if (rc < 0) {
        *error = "write '" + m_path + "': " + errorText(rc);
        return false;
    }
    avio_flush(m_format->pb);
    return checkIo(error);
}

void AudioOutput::close()
{
    if (m_format) {
        if (m_format->pb) {
            avio_flush(m_format->pb);
            avio_closep(&m_format->pb);
        }
        avformat_free_context(m_format);
        m_format = nullptr;
    }
    if (m_patcher) {
        m_patcher->patch();  // no trailer was written: make the header match what is on disk
        m_patcher.reset();
    }
    m_stream = nullptr;
    if (m_converted)
        av_freep(&m_converted[0]);
    av_freep(&m_converted);
    m_convertedCapacity = 0;
    m_codec.reset();
    m_swr.reset();
    m_fifo.reset();
    m_frame.reset();
    m_packet.reset();
    m_headerWritten = false;
}

}  // namespace brisca
