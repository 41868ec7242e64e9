#pragma once
// Rewrites a file's container around the same compressed audio: every packet of the best
// audio stream is copied, without decoding, into a new file of the container the target's
// extension names, with the file's tags. The new file gets what a writer puts in at the end:
// overall duration and index (MP4/M4A), sample count (FLAC STREAMINFO), frame count (MP3
// Xing header), packet count and play time (ASF/WMA). Made for recordings whose writer was
// killed before it finished. Not thread-safe per call; calls on different files may overlap.

#include <string>

namespace brisca {

// False (target removed) when the source does not open, has no audio, or a write fails;
// *error says why.
bool rewriteContainer(const std::string& source, const std::string& target, std::string* error);

}  // namespace brisca
