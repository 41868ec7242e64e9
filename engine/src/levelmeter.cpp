#include "levelmeter.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "brisca/brisca.h"
#include "levelblock.h"

namespace brisca {

void LevelMeter::reset(int rateHz, int channels)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_rate = rateHz > 0 ? rateHz : 44100;
    m_channels = channels > 0 ? channels : 1;
    m_ring.assign(size_t(m_rate / 20), 0);
    m_next = m_filled = 0;
    m_endPosition = 0;
    m_fresh = false;
}

void LevelMeter::feed(const float* samples, int count, int64_t position)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_ring.empty())
        return;
    for (int i = 0; i < count; ++i) {
        m_ring[(m_next + m_filled) % m_ring.size()] =
            levelOf(samples + size_t(i) * m_channels, m_channels);
        if (m_filled < m_ring.size())
            ++m_filled;
        else
            m_next = (m_next + 1) % m_ring.size();
    }
    m_endPosition = position + count;
    m_fresh = count > 0 || m_fresh;
}

uint8_t* LevelMeter::takeBlock()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_fresh || m_filled == 0)
        return nullptr;
    m_fresh = false;
    const int64_t firstUs = (m_endPosition - int64_t(m_filled)) * 1000000 / m_rate;
    return makeLevelBlock(m_rate, m_channels, firstUs, m_filled,
                          [this](size_t i) { return m_ring[(m_next + i) % m_ring.size()]; });
}

void LevelMeter::releaseBlock(const uint8_t* block)
{
    std::free(const_cast<uint8_t*>(block));
}

}  // namespace brisca
