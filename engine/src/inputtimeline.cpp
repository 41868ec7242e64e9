#include "inputtimeline.h"

#include <algorithm>
#include <cstdlib>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

namespace brisca {

namespace {

AVChannelLayout layoutOf(int channels, uint64_t mask)
{
    AVChannelLayout layout{};
    if (mask && __builtin_popcountll(mask) == channels &&
        av_channel_layout_from_mask(&layout, mask) == 0)
        return layout;
    av_channel_layout_default(&layout, channels);
    return layout;
}

// Output position of a timestamp, rounded down (also for negative stamps).
int64_t positionOf(int64_t timestampUs, int rateHz)
{
    const int64_t scaled = timestampUs * rateHz;
    return scaled >= 0 ? scaled / 1000000 : -((-scaled + 999999) / 1000000);
}

}  // namespace

InputTimeline::InputTimeline(int outRateHz, int outChannels)
    : m_rate(outRateHz), m_channels(outChannels)
{
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
                                 static_cast<AVSampleFormat>(format.sampleFormat), format.rateHz, 0,
                                 nullptr);
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

int InputTimeline::convert(const AudioBlock& block, std::string* error)
{
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
    if (produced < 0)
        *error = "audio conversion failed: " + errorText(produced);
    return produced;
}

bool InputTimeline::place(const AudioBlock& block, std::string* error)
{
    if (!block.format.valid() || block.samples <= 0)
        return true;  // nothing to place
    if (!configure(block.format, error))
        return false;

    int64_t position = positionOf(block.timestampUs, m_rate);
    if (m_started) {
        const int64_t tolerance = kToleranceUs * m_rate / 1000000;
        if (std::abs(position - m_frontier) <= tolerance) {
            position = m_frontier;
        } else {
            // A jump: what the resampler still holds belongs before it, at the old frontier.
            flush();
            swr_init(m_swr.get());
        }
    }
    m_started = true;
    const int produced = convert(block, error);
    if (produced < 0)
        return false;
    placeAt(position, m_converted.data(), produced);
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
        placeAt(m_frontier, m_converted.data(), produced);
}

void InputTimeline::padTo(int64_t position)
{
    m_started = true;
    if (position <= m_frontier)
        return;
    const std::vector<float> silence(size_t(position - m_frontier) * m_channels, 0.0f);
    placeAt(m_frontier, silence.data(), position - m_frontier);
}

void InputTimeline::placeAt(int64_t position, const float* samples, int64_t count)
{
    if (count <= 0)
        return;
    const int64_t end = position + count;
    // Samples before the recording's start were never part of it: not counted as dropped.
    const int64_t from = std::max<int64_t>(position, 0);
    const int64_t keepFrom = std::min(end, std::max({from, m_frontier, m_start}));
    m_dropped += keepFrom - from;
    m_frontier = std::max(m_frontier, end);
    if (keepFrom >= end)
        return;
    const int64_t bufEnd = bufferedEnd();
    if (keepFrom > bufEnd)
        m_samples.resize(m_samples.size() + size_t(keepFrom - bufEnd) * m_channels, 0.0f);
    const float* first = samples + (keepFrom - position) * m_channels;
    m_samples.insert(m_samples.end(), first, samples + count * m_channels);
}

void InputTimeline::addTo(float* mix, int64_t from, int64_t count) const
{
    const int64_t begin = std::max(from, m_start);
    const int64_t end = std::min(from + count, bufferedEnd());
    if (begin >= end)
        return;
    const float* src = m_samples.data() + m_consumed + (begin - m_start) * m_channels;
    float* dst = mix + (begin - from) * m_channels;
    const int64_t n = (end - begin) * m_channels;
    for (int64_t i = 0; i < n; ++i)
        dst[i] += src[i];
}

const float* InputTimeline::samplesAt(int64_t from, int64_t count) const
{
    if (from < m_start || from + count > bufferedEnd())
        return nullptr;
    return m_samples.data() + m_consumed + (from - m_start) * m_channels;
}

void InputTimeline::consumeTo(int64_t position)
{
    if (position <= m_start)
        return;
    const int64_t n = std::min(position, bufferedEnd()) - m_start;
    m_consumed += size_t(n) * size_t(m_channels);
    m_start = position;
    if (m_consumed == m_samples.size()) {
        m_samples.clear();
        m_consumed = 0;
    } else if (m_consumed > m_samples.size() / 2) {
        m_samples.erase(m_samples.begin(), m_samples.begin() + std::ptrdiff_t(m_consumed));
        m_consumed = 0;
    }
}

}  // namespace brisca
