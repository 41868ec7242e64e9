#include "levelmeter.h"

#include <algorithm>
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
    const size_t size = m_ring.size();
    if (size == 0 || count <= 0)
        return;
    // Only the newest `size` samples can stay in the ring.
    const size_t skip = size_t(count) > size ? size_t(count) - size : 0;
    size_t at = (m_next + m_filled) % size;
    for (size_t i = skip; i < size_t(count); ++i) {
        m_ring[at] = levelOf(samples + i * size_t(m_channels), m_channels);
        if (++at == size)
            at = 0;
    }
    const size_t added = size_t(count) - skip;
    m_filled = std::min(size, m_filled + added);
    m_next = (at + size - m_filled) % size;
    m_endPosition = position + count;
    m_fresh = true;
}

uint8_t* LevelMeter::takeBlock()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_fresh || m_filled == 0)
        return nullptr;
    m_fresh = false;
    const int64_t firstUs = (m_endPosition - int64_t(m_filled)) * 1000000 / m_rate;
    uint8_t* block = allocLevelBlock(m_rate, m_channels, firstUs, m_filled);
    if (!block)
        return nullptr;
    // The ring from its oldest level on, in at most two runs.
    uint8_t* levels = block + BRISCA_LEVEL_HEADER_BYTES;
    const size_t first = std::min(m_filled, m_ring.size() - m_next);
    std::memcpy(levels, m_ring.data() + m_next, first * 2);
    std::memcpy(levels + first * 2, m_ring.data(), (m_filled - first) * 2);
    return block;
}

void LevelMeter::releaseBlock(const uint8_t* block)
{
    std::free(const_cast<uint8_t*>(block));
}

}  // namespace brisca
