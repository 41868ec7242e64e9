#include "mp3frame.h"

namespace brisca {

bool parseMp3Frame(const uint8_t* data, size_t size, Mp3FrameInfo* info)
{
    if (size < 6 || data[0] != 0xFF || (data[1] & 0xE0) != 0xE0)
        return false;
    const int version = (data[1] >> 3) & 3;  // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
    const int layer = (data[1] >> 1) & 3;    // 1 = layer III
    if (version == 1 || layer != 1)
        return false;
    const bool crc = (data[1] & 1) == 0;
    const bool mono = ((data[3] >> 6) & 3) == 3;
    const bool mpeg1 = version == 3;
    const size_t sideInfo = mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    const size_t headerBytes = 4 + (crc ? 2 : 0);
    if (size < headerBytes + sideInfo)
        return false;
    const uint8_t* side = data + headerBytes;
    info->mainDataBegin = mpeg1 ? (side[0] << 1) | (side[1] >> 7) : side[0];
    info->mainDataSize = int(size - headerBytes - sideInfo);
    return true;
}

}  // namespace brisca
