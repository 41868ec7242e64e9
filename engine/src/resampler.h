#pragma once
// The one place that builds libswresample converters for blocks of the engine's PCM formats,
// used by the recorder's input timelines and by the fingerprint input.

#include <cstdint>
#include <functional>
#include <string>

#include "audioformat.h"
#include "ffmpegutil.h"

namespace brisca {

// The layout of a channel count and WAVE mask; the default layout when the mask does not fit.
AVChannelLayout channelLayoutOf(int channels, uint64_t mask);

// A converter from `in` to outChannels (default layout) of outFormat at outRateHz. tune
// (optional) sets options before the converter starts and returns a negative AVERROR to
// refuse. Null with *error set when the formats cannot be converted.
SwrPtr openResampler(const AudioFormat& in, int outChannels, AVSampleFormat outFormat,
                     int outRateHz, const std::function<int(SwrContext*)>& tune,
                     std::string* error);

// The plane pointers of a block's bytes: one per channel for planar formats, else one.
void planesOf(const AudioBlock& block, const uint8_t* planes[64]);

}  // namespace brisca
