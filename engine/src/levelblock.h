#pragma once
// Writes a level block in the layout documented with GetRecorderLevelBlock (recorder and
// players share it). The block is malloc'ed; free it with std::free.

#include <cstddef>
#include <cstdint>

namespace brisca {

// levels(i) gives the i-th of count levels.
template <class Levels>
uint8_t* makeLevelBlock(int rateHz, int channels, int64_t firstUs, size_t count, Levels levels);

uint8_t* allocLevelBlock(int rateHz, int channels, int64_t firstUs, size_t count);

template <class Levels>
uint8_t* makeLevelBlock(int rateHz, int channels, int64_t firstUs, size_t count, Levels levels)
{
    uint8_t* block = allocLevelBlock(rateHz, channels, firstUs, count);
    if (!block)
        return nullptr;
    auto* out = reinterpret_cast<uint16_t*>(block + 44);
    for (size_t i = 0; i < count; ++i)
        out[i] = levels(i);
    return block;
}

// The level of one interleaved float frame: |mean of the channels|, scaled to 0..65535.
inline uint16_t levelOf(const float* frame, int channels)
{
    float sum = 0.0f;
    for (int c = 0; c < channels; ++c)
        sum += frame[c];
    const float level = (sum < 0 ? -sum : sum) / float(channels) * 65535.0f;
    return uint16_t(level >= 65535.0f ? 65535.0f : level);
}

}  // namespace brisca
