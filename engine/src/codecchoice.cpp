#include "codecchoice.h"

#include <cstdlib>
#include <initializer_list>

extern "C" {
#include <libavutil/channel_layout.h>
}

namespace brisca {

int chooseRate(const AVCodec* codec, int wanted)
{
    if (!codec->supported_samplerates)
        return wanted;
    int best = 0;
    for (const int* r = codec->supported_samplerates; *r; ++r) {
        if (*r == wanted)
            return wanted;
        // Nearest rate, the higher one on a tie.
        if (!best || std::abs(*r - wanted) < std::abs(best - wanted) ||
            (std::abs(*r - wanted) == std::abs(best - wanted) && *r > best))
            best = *r;
    }
    return best;
}

AVSampleFormat chooseSampleFormat(const AVCodec* codec)
{
    if (!codec->sample_fmts)
        return AV_SAMPLE_FMT_FLTP;
    // Float keeps the mix's precision; otherwise 16-bit keeps lossless files compact.
    for (AVSampleFormat preferred : {AV_SAMPLE_FMT_FLTP, AV_SAMPLE_FMT_FLT, AV_SAMPLE_FMT_S16,
                                     AV_SAMPLE_FMT_S16P, AV_SAMPLE_FMT_S32, AV_SAMPLE_FMT_S32P}) {
        for (const AVSampleFormat* f = codec->sample_fmts; *f != AV_SAMPLE_FMT_NONE; ++f) {
            if (*f == preferred)
                return preferred;
        }
    }
    return codec->sample_fmts[0];
}

bool chooseLayout(const AVCodec* codec, int channels, AVChannelLayout* out)
{
    av_channel_layout_default(out, channels);
    if (!codec->ch_layouts)
        return true;
    const AVChannelLayout* sameCount = nullptr;
    for (const AVChannelLayout* l = codec->ch_layouts; l->nb_channels; ++l) {
        if (av_channel_layout_compare(l, out) == 0)
            return true;
        if (!sameCount && l->nb_channels == channels)
            sameCount = l;
    }
    if (!sameCount)
        return false;
    av_channel_layout_uninit(out);
    return av_channel_layout_copy(out, sameCount) == 0;
}

}  // namespace brisca
