#pragma once
// FingerprintInput: converts pushed PCM blocks of any format (rate, channels, sample format,
// interleaved or planar) into the signed 16-bit mono audio at Fingerprinter::kRateHz that
// the fingerprinter takes. The converter is rebuilt when the blocks' format changes. Not
// thread-safe; one owner.

#include <cstdint>
#include <string>
#include <vector>

#include "audioformat.h"
#include "ffmpegutil.h"

namespace brisca {

class FingerprintInput {
public:
    // The converted samples of one block; empty (with *error set) when its format is unusable.
    const std::vector<int16_t>& convert(const AudioBlock& block, std::string* error);

private:
    bool configure(const AudioFormat& format, std::string* error);

    SwrPtr m_swr;
    AudioFormat m_format;
    std::vector<int16_t> m_out;
};

}  // namespace brisca
