#pragma once
// The recorder's level blocks: unsigned 16-bit levels of the mono mix of the encoded audio, in
// the layout documented with GetRecorderLevelBlock. The recorder's thread feeds it; any thread
// takes a copy. A block covers everything encoded since the previous one and at least the
// newest ~50 ms: while one input lags, the file is written in bursts of up to a few seconds,
// and a reader that saw only the newest 50 ms of each burst would miss the sound in between
// (and take a recording with music in it for silent throughout).

#include <cstdint>
#include <mutex>
#include <vector>

namespace brisca {

class LevelMeter {
public:
    // Most levels in one block; a longer backlog is condensed (the loudest of each group).
    static constexpr size_t kMaxBlockLevels = 16000;

    void reset(int rateHz, int channels);
    // Float interleaved samples as they go to the encoder; position = index of the first one.
    void feed(const float* samples, int count, int64_t position);
    // A malloc'ed block (free with releaseBlock), or null when nothing new came since the last.
    uint8_t* takeBlock();
    static void releaseBlock(const uint8_t* block);

private:
    std::mutex m_mutex;
    std::vector<uint16_t> m_levels;  // the newest levels, oldest first
    size_t m_unseen = 0;             // how many of them came after the last block
    size_t m_window = 2205;          // ~50 ms: the least a block shows
    size_t m_keep = 0;               // the most levels held while nobody takes a block
    int m_rate = 44100;
    int m_channels = 2;
    int64_t m_endPosition = 0;
};

}  // namespace brisca
