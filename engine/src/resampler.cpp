#include "resampler.h"

namespace brisca {

AVChannelLayout channelLayoutOf(int channels, uint64_t mask)
{
    AVChannelLayout layout{};
    if (mask && __builtin_popcountll(mask) == channels &&
        av_channel_layout_from_mask(&layout, mask) == 0)
        return layout;
    av_channel_layout_default(&layout, channels);
    return layout;
}

SwrPtr openResampler(const AudioFormat& in, int outChannels, AVSampleFormat outFormat,
                     int outRateHz, const std::function<int(SwrContext*)>& tune, std::string* error)
{
    AVChannelLayout inLayout = channelLayoutOf(in.channels, in.channelMask);
    AVChannelLayout outLayout = channelLayoutOf(outChannels, 0);
    SwrContext* swr = nullptr;
    int rc =
        swr_alloc_set_opts2(&swr, &outLayout, outFormat, outRateHz, &inLayout,
                            static_cast<AVSampleFormat>(in.sampleFormat), in.rateHz, 0, nullptr);
    av_channel_layout_uninit(&inLayout);
    av_channel_layout_uninit(&outLayout);
    if (rc >= 0 && tune)
        rc = tune(swr);
    if (rc >= 0)
        rc = swr_init(swr);
    if (rc < 0) {
        swr_free(&swr);
        *error = "cannot convert audio of " + std::to_string(in.rateHz) + " Hz, " +
                 std::to_string(in.channels) + " channels: " + errorText(rc);
        return nullptr;
    }
    return SwrPtr(swr);
}

void planesOf(const AudioBlock& block, const uint8_t* planes[64])
{
    const bool planar = block.format.valid() && block.format.planar();
    const size_t planeBytes =
        size_t(block.samples) * size_t(std::max(block.format.bytesPerSample(), 0));
    for (int c = 0; c < (planar ? std::min(block.format.channels, 64) : 1); ++c)
        planes[c] = block.bytes.data() + c * planeBytes;
}

}  // namespace brisca
