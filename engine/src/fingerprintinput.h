#pragma once
// The sound the fingerprinter takes (signed 16-bit mono at Fingerprinter::kRateHz), made from
// what the engine has:
// - FingerprintInput converts pushed PCM blocks of any format (rate, channels, sample format,
//   interleaved or planar), rebuilding its converter when the blocks' format changes;
// - FingerprintFileInput decodes a file's best audio stream and converts it the same way.
// It resamples with libswresample directly: a filter graph would load libavfilter, which costs
// a short command more than the fingerprinting itself. Not thread-safe; one owner each.

#include <cstdint>
#include <string>
#include <vector>

#include "audioformat.h"
#include "decoder.h"
#include "demuxer.h"
#include "ffmpegutil.h"

namespace brisca {

class FingerprintInput {
public:
    // The converted samples; empty (with *error set) when the format is unusable.
    const std::vector<int16_t>& convert(const AudioBlock& block, std::string* error);
    const std::vector<int16_t>& convert(const AVFrame* frame, std::string* error);

private:
    const std::vector<int16_t>& convert(const AudioFormat& format, const uint8_t* const* planes,
                                        int samples, std::string* error);
    bool configure(const AudioFormat& format, std::string* error);

    SwrPtr m_swr;
    AudioFormat m_format;
    std::vector<int16_t> m_out;
};

class FingerprintFileInput {
public:
    bool open(const std::string& path, std::string* error);
    // 1: *samples holds the next converted piece (maybe empty); 0: the end; -1: error.
    int next(const std::vector<int16_t>** samples, std::string* error);
    int64_t durationUs() const { return m_demuxer.durationUs(); }

private:
    Demuxer m_demuxer;
    Decoder m_decoder;
    FingerprintInput m_input;
    PacketPtr m_packet;
    FramePtr m_frame;
    int m_stream = -1;
    bool m_draining = false;
};

}  // namespace brisca
