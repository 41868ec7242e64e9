#pragma once
// The lossless cut: copies the compressed frames of a range of one audio stream into a new
// container without decoding them.
//
// How each kind of stream lands on the range:
//   MP3   the cut starts on the frame that holds the start; the frames whose bit reservoir
//         and overlap the first kept frames need are carried before it, and the LAME header's
//         encoder delay tells decoders to skip the carried frames and the part of the first
//         frame before the start. The end lands on the nearest frame boundary.
//   AAC, ALAC in MP4/M4A   one frame (AAC: for its overlap) is carried before the frame that
//         holds the start; the packets are shifted so the start is at time 0 and the MP4 edit
//         list hides what lies before it. The end lands on the nearest frame boundary.
//   FLAC, PCM and the rest   frames are independent: start and end land on the nearest
//         frame boundary; FLAC's STREAMINFO gets the new sample count.
// Not thread-safe; cancel is polled between packets.

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace brisca {

class Demuxer;
class Muxer;

struct CopyRange {
    int stream = -1;
    int64_t originPts = 0;  // stream timestamp of the first audible sample
    int64_t startUs = 0;
    int64_t endUs = 0;  // 0 = to the end
};

// Why a copy of the demuxer's stream into the muxer format is impossible; "" when possible.
std::string copyRefusal(const Demuxer& demuxer, int stream, const std::string& muxerName);

// Copies the range into muxer (created, without streams) and finishes it. progressUs receives
// the output time written so far.
bool copyStreamRange(Demuxer& demuxer, const CopyRange& range, Muxer& muxer,
                     const std::map<std::string, std::string>& tags,
                     const std::function<void(int64_t)>& progressUs,
                     const std::atomic<bool>& cancel, std::string* error);

}  // namespace brisca
