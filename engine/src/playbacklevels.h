#pragma once
// PlaybackLevels: the levels of the sound a player has sent to its output, kept by position
// for a few seconds, so that a level block can show what is heard now rather than what was
// decoded a buffer ahead. The player's thread feeds it; any thread takes blocks.

#include <cstdint>
#include <mutex>
#include <vector>

namespace brisca {

class PlaybackLevels {
public:
    // Forgets everything; the next level fed is that of sample `position`.
    void reset(int rateHz, int channels, int64_t position);
    // Float interleaved frames as they go to the output, starting at sample `position`.
    void feed(const float* samples, int64_t count, int64_t position);
    // A block (levelblock.h) of the `length` samples that end at sample `heard`; null when
    // nothing new was heard since the last block or nothing of that span is known.
    uint8_t* take(int64_t heard, int64_t length);

private:
    static constexpr size_t kRingSize = 1 << 18;  // ~6 s at 44.1 kHz

    std::mutex m_mutex;
    std::vector<uint16_t> m_ring = std::vector<uint16_t>(kRingSize);
    int m_rate = 44100;
    int m_channels = 2;
    int64_t m_first = 0;  // oldest sample held
    int64_t m_end = 0;    // one past the newest
    int64_t m_lastTaken = -1;
};

}  // namespace brisca
