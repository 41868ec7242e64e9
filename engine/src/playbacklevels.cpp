#include "playbacklevels.h"

#include <algorithm>

#include "levelblock.h"

namespace brisca {

void PlaybackLevels::reset(int rateHz, int channels, int64_t position)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_rate = rateHz > 0 ? rateHz : 44100;
    m_channels = channels > 0 ? channels : 1;
    m_first = m_end = position;
    m_lastTaken = -1;
}

void PlaybackLevels::feed(const float* samples, int64_t count, int64_t position)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (position != m_end)
        m_first = position;  // a gap: what came before does not join up
    for (int64_t i = 0; i < count; ++i)
        m_ring[size_t(position + i) % kRingSize] = levelOf(samples + i * m_channels, m_channels);
    m_end = position + count;
    m_first = std::max(m_first, m_end - int64_t(kRingSize));
}

uint8_t* PlaybackLevels::take(int64_t heard, int64_t length)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    heard = std::min(heard, m_end);
    const int64_t from = std::max(m_first, heard - length);
    if (heard <= from || heard == m_lastTaken)
        return nullptr;
    m_lastTaken = heard;
    return makeLevelBlock(m_rate, m_channels, from * 1000000 / m_rate, size_t(heard - from),
                          [&](size_t i) { return m_ring[size_t(from + int64_t(i)) % kRingSize]; });
}

}  // namespace brisca
