#include "inputtimeline.h"

#include <algorithm>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

namespace brisca {

InputTimeline::InputTimeline(int outRateHz, int outChannels)
    : m_rate(outRateHz), m_channels(outChannels)
{
}

static AVChannelLayout layoutOf(int channels, uint64_t mask)
{
    AVChannelLayout layout{};
    if (mask && __builtin_popcountll(mask) == channels &&
        av_channel_layout_from_mask(&layout, mask) == 0)
        return layout;
    av_channel_layout_default(&layout, channels);
    return layout;
}

bool InputTimeline::configure(const AudioFormat& format, std::string* error)
{
    if (m_swr && format == m_inFormat)
        return true;
    if (m_swr)
        flush();  // keep what the old resampler holds before switching formats
    AVChannelLayout inLayout = layoutOf(format.channels, format.channelMask);
    AVChannelLayout outLayout = layoutOf(m_channels, 0);
    SwrContext* swr = nullptr;
    int rc = swr_alloc_set_opts2(&swr, &outLayout, AV_SAMPLE_FMT_FLT, m_rate, &inLayout,
                                 static_cast<AVSampleFormat>(format.sampleFormat), format.rateHz,
                                 0, nullptr);
    av_channel_layout_uninit(&inLayout);
    av_channel_layout_uninit(&outLayout);
    // A mono microphone goes to every channel at full level, not 3 dB down.
    if (rc >= 0 && format.channels == 1 && m_channels > 1) {
        std::vector<double> matrix(size_t(m_channels), 1.0);
        rc = swr_set_matrix(swr, matrix.data(), 1);
    }
    if (rc >= 0)
        rc = swr_init(swr);
    if (rc < 0) {
        swr_free(&swr);
        m_swr.reset();
        *error = "cannot convert audio of " + std::to_string(format.rateHz) + " Hz, " +
                 std::to_string(format.channels) + " channels: " + errorText(rc);
        return false;
    }
    m_swr.reset(swr);
    m_inFormat = format;
    return true;
}

bool InputTimeline::place(const AudioBlock& block, std::string* error)
{
    if (!block.format.valid() || block.samples <= 0)
        return true;  // nothing to place
    if (!configure(block.format, error))
        return false;

    const int64_t position = block.timestampUs * m_rate / 1000000;
    if (!m_started) {
        // The first block opens the input; a late first block leaves silence before it.
        m_started = true;
        m_start = 0;
        if (position * 1000000 / m_rate > kToleranceUs)
            padTo(position);
    } else if ((position - end()) * 1000000 / m_rate > kToleranceUs) {
        padTo(position);
    }
    int64_t trim = 0;
    if ((end() - position) * 1000000 / m_rate > kToleranceUs)
        trim = end() - position;

    const uint8_t* planes[64] = {};
    const size_t planeBytes = size_t(block.samples) * block.format.bytesPerSample();
    if (block.format.planar()) {
        for (int c = 0; c < block.format.channels; ++c)
            planes[c] = block.bytes.data() + c * planeBytes;
    } else {
        planes[0] = block.bytes.data();
    }
    const int capacity = swr_get_out_samples(m_swr.get(), block.samples);
    m_converted.resize(size_t(std::max(capacity, 0)) * m_channels);
    uint8_t* out = reinterpret_cast<uint8_t*>(m_converted.data());
    const int produced = swr_convert(m_swr.get(), &out, capacity, planes, block.samples);
    if (produced < 0) {
        *error = "audio conversion failed: " + errorText(produced);
        return false;
    }
    const int skip = int(std::min<int64_t>(trim, produced));
    append(m_converted.data() + size_t(skip) * m_channels, produced - skip);
    return true;
}

void InputTimeline::flush()
{
    if (!m_swr)
        return;
    const int capacity = swr_get_out_samples(m_swr.get(), 0);
    if (capacity <= 0)
        return;
    m_converted.resize(size_t(capacity) * m_channels);
    uint8_t* out = reinterpret_cast<uint8_t*>(m_converted.data());
    const int produced = swr_convert(m_swr.get(), &out, capacity, nullptr, 0);
    if (produced > 0)
        append(m_converted.data(), produced);
}

void InputTimeline::padTo(int64_t position)
{
    m_started = true;
    if (position > end())
        m_samples.resize(m_samples.size() + size_t(position - end()) * m_channels, 0.0f);
}

void InputTimeline::append(const float* samples, int count)
{
    if (count > 0)
        m_samples.insert(m_samples.end(), samples, samples + size_t(count) * m_channels);
}

void InputTimeline::consumeTo(int64_t position)
{
    const int64_t n = std::min(position, end()) - m_start;
    if (n <= 0)
        return;
    m_samples.erase(m_samples.begin(), m_samples.begin() + n * m_channels);
    m_start += n;
}

}  // namespace brisca
