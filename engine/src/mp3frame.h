#pragma once
// What the lossless cut needs to know about an MPEG audio layer III frame: how far back its
// main data begins (the bit reservoir) and how much main data the frame itself carries.

#include <cstddef>
#include <cstdint>

namespace brisca {

struct Mp3FrameInfo {
    int mainDataBegin = 0;  // bytes of main data that lie in earlier frames
    int mainDataSize = 0;   // bytes of main data in this frame
};

// False when data does not start with a layer III frame header and its side information.
bool parseMp3Frame(const uint8_t* data, size_t size, Mp3FrameInfo* info);

}  // namespace brisca
