#include "inputtimeline.h"

#include "resampler.h"

#include <algorithm>
#include <cstdlib>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

namespace brisca {

namespace {

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
    // A mono microphone goes to every channel at full level, not 3 dB down.
    auto fullLevelMono = [&](SwrContext* swr) {
        if (format.channels != 1 || m_channels == 1)
            return 0;
        std::vector<double> matrix(size_t(m_channels), 1.0);
        return swr_set_matrix(swr, matrix.data(), 1);
    };
    m_swr = openResampler(format, m_channels, AV_SAMPLE_FMT_FLT, m_rate, fullLevelMono, error);
    if (!m_swr)
        return false;
    m_inFormat = format;
    return true;
}

int InputTimeline::convert(const AudioBlock& block, std::string* error)
{
    const uint8_t* planes[64] = {};
    planesOf(block, planes);
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
