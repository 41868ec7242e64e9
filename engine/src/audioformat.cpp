#include "audioformat.h"

extern "C" {
#include <libavutil/samplefmt.h>
}

#include <cstring>

namespace brisca {

bool AudioFormat::valid() const
{
    return sampleFormat >= AV_SAMPLE_FMT_U8 && sampleFormat < AV_SAMPLE_FMT_NB &&
           sampleFormat != AV_SAMPLE_FMT_NONE && rateHz > 0 && rateHz <= 768000 &&
           channels > 0 && channels <= 64;
}

int AudioFormat::bytesPerSample() const
{
    return av_get_bytes_per_sample(static_cast<AVSampleFormat>(sampleFormat));
}

bool AudioFormat::planar() const
{
    return av_sample_fmt_is_planar(static_cast<AVSampleFormat>(sampleFormat)) != 0;
}

size_t FrameObject::byteCount() const
{
    if (!format.valid() || !data || samples <= 0)
        return 0;
    return size_t(samples) * size_t(format.blockAlign());
}

AudioBlock AudioBlock::copyOf(const FrameObject& frame)
{
    AudioBlock block;
    block.format = frame.format;
    block.timestampUs = frame.timestampUs;
    block.samples = frame.samples;
    const size_t n = frame.byteCount();
    block.bytes.resize(n);
    if (n)
        std::memcpy(block.bytes.data(), frame.data, n);
    return block;
}

void StreamObject::push(AudioBlock block)
{
    std::lock_guard<std::mutex> lock(mutex);
    queuedBytes += int64_t(block.bytes.size());
    queue.push_back(std::move(block));
}

std::deque<AudioBlock> StreamObject::takeAll()
{
    std::lock_guard<std::mutex> lock(mutex);
    std::deque<AudioBlock> all;
    all.swap(queue);
    queuedBytes = 0;
    return all;
}

}  // namespace brisca
