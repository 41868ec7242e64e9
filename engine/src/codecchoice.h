#pragma once
// How an encoder is fitted to what it can do: the nearest sample rate it supports, the sample
// format that keeps the most precision, a channel layout of the asked-for channel count.
// Shared by the recorder's output and the converter's encoder.

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace brisca {

// The supported rate nearest to wanted (the higher one on a tie).
int chooseRate(const AVCodec* codec, int wanted);
// Float when the codec takes it, else 16-bit, else 32-bit, else its first format.
AVSampleFormat chooseSampleFormat(const AVCodec* codec);
// A layout of `channels` channels the codec supports; false when it has none.
bool chooseLayout(const AVCodec* codec, int channels, AVChannelLayout* out);

}  // namespace brisca
