#pragma once
// A picture of a media file as a BMP file in memory: a frame of its picture stream, or its
// decoded cover art. Uses the engine's demuxer, decoder and filter graph, and libavcodec's
// BMP encoder.

#include <cstdint>
#include <string>
#include <vector>

namespace brisca {

struct GrabbedFrame {
    std::vector<uint8_t> bmp;
    int width = 0;
    int height = 0;
};

// width/height 0 keep the picture's own size. False (with *error) when the file has no
// picture or it does not decode.
bool grabFrameAsBmp(const std::string& path, int64_t positionUs, int width, int height,
                    GrabbedFrame* out, std::string* error);

}  // namespace brisca
