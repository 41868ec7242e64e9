#include "fingerprintinput.h"

extern "C" {
#include <libavutil/opt.h>
}

#include "fingerprinter.h"
#include "resampler.h"

namespace brisca {

bool FingerprintInput::configure(const AudioFormat& format, std::string* error)
{
    if (m_swr && format == m_format)
        return true;
    // The resampling of Chromaprint's own tool (fpcalc): a short filter, all that a
    // fingerprint of 11 kHz sound needs, and cheaper than libswresample's default.
    auto likeFpcalc = [](SwrContext* swr) {
        av_opt_set_int(swr, "filter_size", 16, 0);
        av_opt_set_int(swr, "phase_shift", 8, 0);
        av_opt_set_int(swr, "linear_interp", 1, 0);
        return av_opt_set_double(swr, "cutoff", 0.8, 0);
    };
    m_swr = openResampler(format, 1, AV_SAMPLE_FMT_S16, Fingerprinter::kRateHz, likeFpcalc, error);
    if (!m_swr)
        return false;
    m_format = format;
    return true;
}

const std::vector<int16_t>& FingerprintInput::convert(const AudioBlock& block, std::string* error)
{
    const uint8_t* planes[64] = {};
    planesOf(block, planes);
    return convert(block.format, planes, block.samples, error);
}

const std::vector<int16_t>& FingerprintInput::convert(const AVFrame* frame, std::string* error)
{
    AudioFormat format;
    format.sampleFormat = frame->format;
    format.rateHz = frame->sample_rate;
    format.channels = frame->ch_layout.nb_channels;
    format.channelMask =
        frame->ch_layout.order == AV_CHANNEL_ORDER_NATIVE ? frame->ch_layout.u.mask : 0;
    return convert(format, frame->extended_data, frame->nb_samples, error);
}

const std::vector<int16_t>& FingerprintInput::convert(const AudioFormat& format,
                                                      const uint8_t* const* planes, int samples,
                                                      std::string* error)
{
    m_out.clear();
    if (!format.valid() || samples <= 0 || !configure(format, error))
        return m_out;
    const int capacity = swr_get_out_samples(m_swr.get(), samples);
    m_out.resize(size_t(std::max(capacity, 0)));
    uint8_t* out = reinterpret_cast<uint8_t*>(m_out.data());
    int produced =
        swr_convert(m_swr.get(), &out, capacity, const_cast<const uint8_t**>(planes), samples);
    if (produced < 0) {
        *error = "audio conversion failed: " + errorText(produced);
        produced = 0;
    }
    m_out.resize(size_t(produced));
    return m_out;
}

bool FingerprintFileInput::open(const std::string& path, std::string* error)
{
    if (!m_demuxer.open(path, error))
        return false;
    m_stream = m_demuxer.bestAudioStream();
    if (m_stream < 0) {
        *error = "'" + path + "' has no sound";
        return false;
    }
    AVFormatContext* f = m_demuxer.format();
    for (unsigned i = 0; i < f->nb_streams; ++i)
        f->streams[i]->discard = int(i) == m_stream ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    m_packet.reset(av_packet_alloc());
    m_frame.reset(av_frame_alloc());
    return m_decoder.open(f->streams[m_stream], error);
}

int FingerprintFileInput::next(const std::vector<int16_t>** samples, std::string* error)
{
    for (;;) {
        const int got = m_decoder.receive(m_frame.get(), error);
        if (got < 0)
            return -1;
        if (got == 1) {
            *samples = &m_input.convert(m_frame.get(), error);
            av_frame_unref(m_frame.get());
            return 1;
        }
        if (m_draining)
            return 0;
        const int read = m_demuxer.read(m_packet.get(), error);
        if (read < 0)
            return -1;
        if (read == 0) {
            m_draining = true;
            if (!m_decoder.drain(error))
                return -1;
            continue;
        }
        const bool ours = m_packet->stream_index == m_stream;
        const bool sent = !ours || m_decoder.send(m_packet.get(), error);
        av_packet_unref(m_packet.get());
        if (!sent)
            return -1;
    }
}

}  // namespace brisca
