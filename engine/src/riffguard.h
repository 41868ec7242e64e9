#pragma once
// A check of WAV (RIFF) headers before libavformat reads them. Its WAV reader allocates what an
// entry of the INFO list claims before reading it, so a damaged header whose entry claims 2 GB
// in a 100-byte file costs 2 GB of memory for nothing. Such a file is refused up front.

#include <string>

namespace brisca {

// False, with *why, when the file is a RIFF file whose INFO list claims far more bytes than
// the file holds. Any other file (not RIFF, unreadable, sound) passes: libavformat judges it.
bool riffInfoFits(const std::string& path, std::string* why);

}  // namespace brisca
