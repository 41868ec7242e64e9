#include "levelmeter.h"

#include <algorithm>
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
    m_window = size_t(m_rate / 20);
    // A little more than the longest burst the recorder writes (its input latency bound).
    m_keep = size_t(m_rate) * 4;
    m_levels.clear();
    m_levels.reserve(m_window * 4);
    m_unseen = 0;
    m_endPosition = 0;
}

void LevelMeter::feed(const float* samples, int count, int64_t position)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (count <= 0)
        return;
    for (int i = 0; i < count; ++i)
        m_levels.push_back(levelOf(samples + size_t(i) * size_t(m_channels), m_channels));
    m_unseen += size_t(count);
    // Trimmed in steps of m_keep, so that the front is moved seldom.
    if (m_levels.size() > 2 * m_keep) {
        m_levels.erase(m_levels.begin(), m_levels.end() - std::ptrdiff_t(m_keep));
        m_unseen = std::min(m_unseen, m_keep);
    }
    m_endPosition = position + count;
}

uint8_t* LevelMeter::takeBlock()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_unseen == 0)
        return nullptr;
    const size_t count = std::min(m_levels.size(), std::max(m_unseen, m_window));
    const uint16_t* first = m_levels.data() + (m_levels.size() - count);
    const int64_t firstUs = (m_endPosition - int64_t(count)) * 1000000 / m_rate;
    // A backlog longer than a block is condensed to groups of `step` levels, each its loudest.
    const size_t step = (count + kMaxBlockLevels - 1) / kMaxBlockLevels;
    const size_t out = (count + step - 1) / step;
    uint8_t* block = makeLevelBlock(m_rate / int(step), m_channels, firstUs, out, [&](size_t i) {
        const uint16_t* group = first + i * step;
        return *std::max_element(group, group + std::min(step, count - i * step));
    });
    m_unseen = 0;
    // Only the newest window stays for the next block.
    if (m_levels.size() > m_window)
        m_levels.erase(m_levels.begin(), m_levels.end() - std::ptrdiff_t(m_window));
    return block;
}

void LevelMeter::releaseBlock(const uint8_t* block)
{
    std::free(const_cast<uint8_t*>(block));
}

}  // namespace brisca
