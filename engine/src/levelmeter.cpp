#include "levelmeter.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "brisca/brisca.h"

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
        float sum = 0.0f;
        for (int c = 0; c < m_channels; ++c)
            sum += samples[size_t(i) * m_channels + c];
        const float level = std::fabs(sum / float(m_channels)) * 65535.0f;
        m_ring[(m_next + m_filled) % m_ring.size()] =
            uint16_t(level >= 65535.0f ? 65535.0f : level);
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
    const uint32_t bytes = uint32_t(m_filled * 2);
    auto* block = static_cast<uint8_t*>(std::calloc(1, BRISCA_LEVEL_HEADER_BYTES + bytes));
    if (!block)
        return nullptr;
    const uint32_t magic = 0x4C564C42;  // "BLVL" read as little-endian bytes
    const uint32_t rate = uint32_t(m_rate), channels = uint32_t(m_channels);
    const int64_t firstUs = (m_endPosition - int64_t(m_filled)) * 1000000 / m_rate;
    std::memcpy(block + 0, &magic, 4);
    std::memcpy(block + 4, &rate, 4);
    std::memcpy(block + 8, &channels, 4);
    std::memcpy(block + 16, &firstUs, 8);
    std::memcpy(block + 24, &bytes, 4);
    std::memcpy(block + 40, &bytes, 4);
    auto* levels = reinterpret_cast<uint16_t*>(block + BRISCA_LEVEL_HEADER_BYTES);
    for (size_t i = 0; i < m_filled; ++i)
        levels[i] = m_ring[(m_next + i) % m_ring.size()];
    return block;
}

void LevelMeter::releaseBlock(const uint8_t* block) { std::free(const_cast<uint8_t*>(block)); }

}  // namespace brisca
