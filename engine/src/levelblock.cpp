#include "levelblock.h"

#include <cstdlib>
#include <cstring>

#include "brisca/brisca.h"

namespace brisca {

uint8_t* allocLevelBlock(int rateHz, int channels, int64_t firstUs, size_t count)
{
    const uint32_t bytes = uint32_t(count * 2);
    auto* block = static_cast<uint8_t*>(std::calloc(1, BRISCA_LEVEL_HEADER_BYTES + bytes));
    if (!block)
        return nullptr;
    const uint32_t magic = 0x4C564C42;  // "BLVL" read as little-endian bytes
    const uint32_t rate = uint32_t(rateHz), channelCount = uint32_t(channels);
    std::memcpy(block + 0, &magic, 4);
    std::memcpy(block + 4, &rate, 4);
    std::memcpy(block + 8, &channelCount, 4);
    std::memcpy(block + 16, &firstUs, 8);
    std::memcpy(block + 24, &bytes, 4);
    std::memcpy(block + 40, &bytes, 4);
    return block;
}

}  // namespace brisca
