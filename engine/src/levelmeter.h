#pragma once
// The recorder's latest level block: the last ~50 ms of encoded audio as unsigned 16-bit levels
// of the mono mix, in the layout documented with GetRecorderLevelBlock. The recorder's thread
// feeds it; any thread takes a copy.

#include <cstdint>
#include <mutex>
#include <vector>

namespace brisca {

class LevelMeter {
public:
    void reset(int rateHz, int channels);
    // Float interleaved samples as they go to the encoder; position = index of the first one.
    void feed(const float* samples, int count, int64_t position);
    // A malloc'ed block (free with releaseBlock), or null when nothing new came since the last.
    uint8_t* takeBlock();
    static void releaseBlock(const uint8_t* block);

private:
    std::mutex m_mutex;
    std::vector<uint16_t> m_ring;
    size_t m_next = 0;    // ring index of the oldest level
    size_t m_filled = 0;  // levels in the ring
    int m_rate = 44100;
    int m_channels = 2;
    int64_t m_endPosition = 0;
    bool m_fresh = false;
};

}  // namespace brisca
