#pragma once
// Small pieces the engine's file writers share (the converter, the track-boundary move).

#include <map>
#include <string>

#include "encoder.h"
#include "ffmpegutil.h"
#include "muxer.h"

namespace brisca {

// A hidden file beside `target`, with its extension (some muxers check it), for writing the
// target completely before it is renamed into place.
std::string temporaryBeside(const std::string& target);
// The tags of a file worth carrying into a new one: the stream's, then the container's,
// without those that describe the old file only (encoder, creation time, brands).
std::map<std::string, std::string> carriedTags(const AVFormatContext* format, int stream);
// A frame of exactly `size` samples: `frame` followed by silence; null when out of memory.
FramePtr paddedTo(const AVFrame* frame, int size);
// Sends a frame (pts set) to the encoder, padded first when it is short and the encoder takes
// whole frames only.
bool sendPadded(Encoder& encoder, AVFrame* frame, std::string* error);
// Writes every packet the encoder has ready.
bool writeEncodedPackets(Encoder& encoder, Muxer& muxer, std::string* error);
// Flushes a written file to the disk, so a rename over an original never leaves it empty
// after a crash.
bool syncFile(const std::string& path, std::string* error);

}  // namespace brisca
