#include "trackboundary.h"

#include <algorithm>
#include <vector>

#include "audiosource.h"
#include "encodehelpers.h"
#include "levelblock.h"
#include "spliceoutput.h"

namespace brisca {

namespace {

constexpr int kChunksPerSecond = 100;  // levels are judged per 10 ms

// The loudest level of each 10 ms of the file, and the file's sample count.
bool chunkLevels(const std::string& path, std::vector<uint16_t>* levels, int64_t* samples,
                 int* rateHz, std::string* error)
{
    AudioSource source;
    if (!source.open(path, -1, error) ||
        !source.setChain(EffectSettings(), "aformat=sample_fmts=flt", 0, error))
        return false;
    FramePtr frame(av_frame_alloc());
    *samples = 0;
    int chunk = 0;
    int r;
    while ((r = source.next(frame.get(), error)) == 1) {
        const int channels = frame->ch_layout.nb_channels;
        chunk = std::max(1, frame->sample_rate / kChunksPerSecond);
        *rateHz = frame->sample_rate;
        const auto* data = reinterpret_cast<const float*>(frame->data[0]);
        for (int i = 0; i < frame->nb_samples; ++i, ++*samples) {
            const size_t at = size_t(*samples / chunk);
            if (at >= levels->size())
                levels->push_back(0);
            (*levels)[at] = std::max((*levels)[at], levelOf(data + i * channels, channels));
        }
        av_frame_unref(frame.get());
    }
    if (r == 0 && *samples == 0)
        *error = "'" + path + "' holds no sound";
    return r == 0 && *samples > 0;
}

// The middle of the last quiet run of at least minChunks that overlaps [lo, hi], clipped to
// it; -1 when there is none.
int64_t lastQuietMiddle(const std::vector<uint16_t>& levels, int64_t lo, int64_t hi,
                        int64_t minChunks)
{
    int64_t found = -1;
    int64_t runStart = -1;
    const int64_t end = int64_t(levels.size());
    for (int64_t i = 0; i <= end; ++i) {
        const bool quiet = i < end && levels[size_t(i)] < kSilenceLevel;
        if (quiet && runStart < 0)
            runStart = i;
        if (quiet || runStart < 0)
            continue;
        if (i - runStart >= minChunks && i > lo && runStart <= hi) {
            const int64_t a = std::max(runStart, lo);
            const int64_t b = std::min(i, hi);
            found = (a + b) / 2;
        }
        runStart = -1;
    }
    return found;
}

EncodeParamsObject paramsOf(AudioSource& source)
{
    const AVCodecParameters* p = source.demuxer().format()->streams[source.streamIndex()]->codecpar;
    EncodeParamsObject params;
    params.audioCodec = p->codec_id;
    params.rateHz = p->sample_rate;
    params.channels = p->ch_layout.nb_channels;
    params.bitRate = p->bit_rate;
    return params;
}

// Sends the decoded sound of `source` to `out`; the first `headSamples` go to `head` instead
// when one is given.
bool pour(AudioSource& source, SpliceOutput* head, int64_t headSamples, SpliceOutput& out,
          std::string* error)
{
    if (!source.setChain(EffectSettings(), out.formatFilter(), 0, error))
        return false;
    FramePtr frame(av_frame_alloc());
    int64_t done = 0;
    int r;
    while ((r = source.next(frame.get(), error)) == 1) {
        const int n = frame->nb_samples;
        const int toHead = head ? int(std::clamp<int64_t>(headSamples - done, 0, n)) : 0;
        const bool ok = (!head || head->write(frame.get(), 0, toHead, error)) &&
                        out.write(frame.get(), toHead, n - toHead, error);
        av_frame_unref(frame.get());
        if (!ok)
            return false;
        done += n;
    }
    return r == 0;
}

}  // namespace

bool findTrackBoundary(const std::string& path, int64_t tailUs, int64_t searchUs,
                       TrackBoundary* boundary, std::string* error)
{
    std::vector<uint16_t> levels;
    if (!chunkLevels(path, &levels, &boundary->totalSamples, &boundary->rateHz, error))
        return false;
    const int64_t rate = boundary->rateHz;
    const int64_t chunk = std::max<int64_t>(1, rate / kChunksPerSecond);
    const int64_t nominal = std::clamp<int64_t>(boundary->totalSamples - tailUs * rate / 1000000, 0,
                                                boundary->totalSamples);
    const int64_t lo = (nominal - searchUs * rate / 1000000) / chunk;
    const int64_t hi = (nominal + kBoundarySlackUs * rate / 1000000) / chunk;
    const int64_t quiet =
        lastQuietMiddle(levels, lo, hi, kBoundarySilenceUs * kChunksPerSecond / 1000000);
    boundary->boundarySample =
        quiet < 0 ? nominal : std::min(quiet * chunk, boundary->totalSamples);
    return true;
}

bool moveTrackBoundary(const std::string& first, const std::string& second, int64_t tailUs,
                       int64_t searchUs, int64_t* movedUs, std::string* error)
{
    *movedUs = 0;
    TrackBoundary boundary;
    if (!findTrackBoundary(first, tailUs, searchUs, &boundary, error))
        return false;
    if (boundary.boundarySample >= boundary.totalSamples)
        return true;
    AudioSource head, tail;
    if (!head.open(first, -1, error) || !tail.open(second, -1, error))
        return false;
    const EncodeParamsObject params = paramsOf(head);
    SpliceOutput firstOut, secondOut;
    if (!firstOut.open(first, params, carriedTags(head.demuxer().format(), head.streamIndex()),
                       error) ||
        !secondOut.open(second, params, carriedTags(tail.demuxer().format(), tail.streamIndex()),
                        error))
        return false;
    if (!pour(head, &firstOut, boundary.boundarySample, secondOut, error) ||
        !pour(tail, nullptr, 0, secondOut, error) || !firstOut.finish(error) ||
        !secondOut.finish(error))
        return false;
    // The second first: a crash between the renames doubles the moved sound, never loses it.
    if (!secondOut.commit(error) || !firstOut.commit(error))
        return false;
    *movedUs = (boundary.totalSamples - boundary.boundarySample) * 1000000 / boundary.rateHz;
    return true;
}

}  // namespace brisca
