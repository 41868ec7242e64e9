#include "audiolevelmeter.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// One level of the block; memcpy keeps the read free of alignment and aliasing assumptions
// and compiles to a plain load.
inline uint32_t levelAt(const unsigned char* levels, int64_t i)
{
    uint16_t v = 0;
    std::memcpy(&v, levels + i * 2, sizeof v);
    return v;
}

}  // namespace

AudioLevelMeter::AudioLevelMeter(const AudioDisplayStyle& style) : m_style(style.normalized()) {}

void AudioLevelMeter::resize(int width, int height)
{
    const AudioDisplayStyle& s = m_style;
    m_barCount = std::max(0, (width + s.barGap + 1) / (s.barWidth + s.barGap));
    m_cellCount = std::max(0, (height + s.cellGap + 1) / (s.cellHeight + s.cellGap));
    m_values.assign(size_t(m_barCount), 0);
    const size_t peakBars = s.peaks ? size_t(m_barCount) : 0;
    m_peaks.assign(peakBars, 0);
    m_fallCounters.assign(peakBars, 0);
}

int AudioLevelMeter::heightOfCells(int cells) const
{
    return cells > 0 ? cells * (m_style.cellHeight + m_style.cellGap) - m_style.cellGap : 0;
}

bool AudioLevelMeter::takeBlock(const unsigned char* block, int sps)
{
    if (!block) {
        m_hasData = false;
        std::fill(m_peaks.begin(), m_peaks.end(), 0);
        std::fill(m_fallCounters.begin(), m_fallCounters.end(), 0);
        return true;
    }
    uint32_t bytes = 0;
    std::memcpy(&bytes, block + kByteCountOffset, sizeof bytes);
    int64_t count = bytes / 2;
    if (sps >= kMaxLevelsPerBlock)
        count = count * kMaxLevelsPerBlock / sps;
    const unsigned char* levels = block + kLevelsOffset;
    averageBars(levels, int(count));
    const bool silent = isSilent(levels, int(count));
    if (m_style.peaks)
        dropPeaks();
    m_hasData = true;
    return silent;
}

void AudioLevelMeter::averageBars(const unsigned char* levels, int count)
{
    const int bars = m_barCount;
    for (int b = 0; b < bars; ++b) {
        const int64_t from = int64_t(b) * count / bars;
        const int64_t to = std::min<int64_t>(int64_t(b + 1) * count / bars, count);
        uint64_t average = 0;
        if (from < to) {
            uint64_t sum = 0;
            for (int64_t i = from; i < to; ++i)
                sum += levelAt(levels, i);
            average = sum / uint64_t(to - from);
        } else if (from < count) {
            average = levelAt(levels, from);  // more bars than levels: the bar repeats its level
        }
        m_values[size_t(b)] = m_cellCount > 0 ? int((average * uint64_t(m_cellCount)) >> 16) : 0;
    }
}

bool AudioLevelMeter::isSilent(const unsigned char* levels, int count) const
{
    if (m_style.kind == AudioDisplayStyle::Line) {
        const int first = count > 0 ? int(levelAt(levels, 0)) : 0;
        for (int i = 1; i < count; ++i) {
            if (std::abs(int(levelAt(levels, i)) - first) > kLineSilenceTolerance)
                return false;
        }
        return true;
    }
    return std::none_of(m_values.begin(), m_values.end(), [](int v) { return v >= 1; });
}

void AudioLevelMeter::dropPeaks()
{
    for (size_t b = 0; b < m_peaks.size(); ++b) {
        int& peak = m_peaks[b];
        int& counter = m_fallCounters[b];
        if (peak > 0) {
            if (m_style.peakGravity) {
                ++counter;
                peak = std::max(0, peak - counter * counter / 8);
            } else {
                --peak;
            }
        }
        const int height = heightOfCells(m_values[b]);
        if (height > peak) {
            peak = height;
            counter = 0;
        }
    }
}
