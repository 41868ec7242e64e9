#include "spliceoutput.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "encodehelpers.h"

namespace brisca {

SpliceOutput::~SpliceOutput()
{
    m_muxer.close();
    if (!m_temporary.empty())
        std::remove(m_temporary.c_str());
}

bool SpliceOutput::open(const std::string& target, const EncodeParamsObject& params,
                        const std::map<std::string, std::string>& tags, std::string* error)
{
    const AVOutputFormat* format = av_guess_format(nullptr, target.c_str(), nullptr);
    if (!format) {
        *error = "'" + target + "': no container for this file name";
        return false;
    }
    m_target = target;
    m_temporary = temporaryBeside(target);
    if (!m_encoder.open(params, format, error) || !m_muxer.create(m_temporary, format, error) ||
        !m_muxer.addStream(m_encoder.context(), error) || !m_muxer.writeHeader(tags, error))
        return false;
    const AVCodecContext* c = m_encoder.context();
    const int chunk = m_encoder.frameSize() > 0 ? m_encoder.frameSize() : 4096;
    m_fifo.reset(av_audio_fifo_alloc(c->sample_fmt, c->ch_layout.nb_channels, chunk * 2));
    if (!m_fifo) {
        *error = "out of memory";
        return false;
    }
    return true;
}

bool SpliceOutput::write(const AVFrame* frame, int offset, int count, std::string* error)
{
    if (count <= 0)
        return true;
    const auto format = static_cast<AVSampleFormat>(frame->format);
    const int planes = av_sample_fmt_is_planar(format) ? frame->ch_layout.nb_channels : 1;
    const int step = av_get_bytes_per_sample(format) *
                     (av_sample_fmt_is_planar(format) ? 1 : frame->ch_layout.nb_channels);
    void* data[AV_NUM_DATA_POINTERS] = {};
    for (int p = 0; p < planes && p < AV_NUM_DATA_POINTERS; ++p)
        data[p] = frame->extended_data[p] + int64_t(offset) * step;
    if (av_audio_fifo_write(m_fifo.get(), data, count) != count) {
        *error = "out of memory";
        return false;
    }
    m_samples += count;
    return encodeFromFifo(false, error);
}

// Sends whole encoder frames out of the FIFO; with `all` also the short rest.
bool SpliceOutput::encodeFromFifo(bool all, std::string* error)
{
    const AVCodecContext* c = m_encoder.context();
    const int frameSize = m_encoder.frameSize() > 0 ? m_encoder.frameSize() : 4096;
    FramePtr frame(av_frame_alloc());
    while (av_audio_fifo_size(m_fifo.get()) >= frameSize ||
           (all && av_audio_fifo_size(m_fifo.get()) > 0)) {
        frame->format = c->sample_fmt;
        frame->sample_rate = c->sample_rate;
        av_channel_layout_copy(&frame->ch_layout, &c->ch_layout);
        frame->nb_samples = std::min(frameSize, av_audio_fifo_size(m_fifo.get()));
        if (av_frame_get_buffer(frame.get(), 0) < 0) {
            *error = "out of memory";
            return false;
        }
        av_audio_fifo_read(m_fifo.get(), reinterpret_cast<void**>(frame->extended_data),
                           frame->nb_samples);
        if (!encodeFrame(frame.get(), error))
            return false;
        av_frame_unref(frame.get());
    }
    return true;
}

bool SpliceOutput::encodeFrame(AVFrame* frame, std::string* error)
{
    frame->pts = m_pts;
    m_pts += std::max(frame->nb_samples, m_encoder.frameSize());
    return sendPadded(m_encoder, frame, error) && writeEncodedPackets(m_encoder, m_muxer, error);
}

bool SpliceOutput::finish(std::string* error)
{
    if (!encodeFromFifo(true, error) || !m_encoder.send(nullptr, error) ||
        !writeEncodedPackets(m_encoder, m_muxer, error) || !m_muxer.finish(error))
        return false;
    m_muxer.close();
    m_finished = syncFile(m_temporary, error);
    return m_finished;
}

bool SpliceOutput::commit(std::string* error)
{
    if (!m_finished) {
        *error = "'" + m_target + "' was not written completely";
        return false;
    }
    if (std::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        *error = "rename to '" + m_target + "': " + std::strerror(errno);
        return false;
    }
    m_temporary.clear();
    return true;
}

}  // namespace brisca
