// Encode parameters, frames and raw-audio stream descriptions.

#include <cstring>

#include "apiutil.h"
#include "audioformat.h"

using namespace brisca;

namespace {

// Applies f to the object behind handle; 0 when the handle is not of type T.
template <class T, class F>
int32_t with(int32_t handle, const char* what, F f)
{
    std::shared_ptr<T> object = lookupHandle<T>(handle, what);
    if (!object)
        return 0;
    return f(*object);
}

int32_t positive(int32_t value, const char* what)
{
    return value > 0 ? 1 : fail(std::string(what) + " must be positive");
}

template <class F>
int32_t withStream(int32_t stream, F f)
{
    return with<StreamObject>(stream, "stream", [&](StreamObject& s) {
        std::lock_guard<std::mutex> lock(s.mutex);
        return f(s);
    });
}

}  // namespace

extern "C" {

int32_t CreateEncodeParams(void)
{
    return HandleTable::instance().add(std::make_shared<EncodeParamsObject>());
}

int32_t ReleaseEncodeParams(int32_t params)
{
    return releaseHandle<EncodeParamsObject>(params, "params");
}

int32_t SetAudioCodec(int32_t params, int32_t codecId)
{
    return with<EncodeParamsObject>(params, "params", [&](EncodeParamsObject& p) {
        p.audioCodec = codecId;
        return 1;
    });
}

int32_t SetAudioSampleRate(int32_t params, int32_t rateHz)
{
    return with<EncodeParamsObject>(params, "params", [&](EncodeParamsObject& p) {
        if (rateHz < 0)
            return fail("sample rate must not be negative");
        p.rateHz = rateHz == 0 ? 44100 : rateHz;
        return 1;
    });
}

int32_t SetAudioChannels(int32_t params, int32_t channels)
{
    return with<EncodeParamsObject>(params, "params", [&](EncodeParamsObject& p) {
        if (channels < 0 || channels > 8)
            return fail("channel count must be 0 to 8");
        p.channels = channels == 0 ? 2 : channels;
        return 1;
    });
}

int32_t SetAudioBitRate(int32_t params, int32_t bitsPerSecond)
{
    return with<EncodeParamsObject>(params, "params", [&](EncodeParamsObject& p) {
        if (bitsPerSecond < 0)
            return fail("bit rate must not be negative");
        p.bitRate = bitsPerSecond;
        return 1;
    });
}

int32_t SetAudioEncoderName(int32_t params, const char* name)
{
    return with<EncodeParamsObject>(params, "params", [&](EncodeParamsObject& p) {
        p.encoderName = name ? name : "";
        return 1;
    });
}

int32_t SetVideoCodec(int32_t params, int32_t codecId)
{
    return with<EncodeParamsObject>(params, "params", [&](EncodeParamsObject& p) {
        p.videoCodec = codecId;
        return 1;
    });
}

int32_t SetEncodeAudioEnabled(int32_t params, int32_t enabled)
{
    return with<EncodeParamsObject>(params, "params", [&](EncodeParamsObject& p) {
        p.secondInput = enabled != 0;
        return 1;
    });
}

int32_t SetEncodeAudioDevice(int32_t params, int32_t stream)
{
    std::shared_ptr<StreamObject> s = lookupHandle<StreamObject>(stream, "stream");
    if (!s)
        return 0;
    return with<EncodeParamsObject>(params, "params", [&](EncodeParamsObject& p) {
        p.secondStream = s;
        return 1;
    });
}

int32_t CreateFrame(void)
{
    return HandleTable::instance().add(std::make_shared<FrameObject>());
}

int32_t ReleaseFrame(int32_t frame)
{
    return releaseHandle<FrameObject>(frame, "frame");
}

int32_t SetFrameSampleFormat(int32_t frame, int32_t sampleFormat)
{
    return with<FrameObject>(frame, "frame", [&](FrameObject& f) {
        AudioFormat probe = f.format;
        probe.sampleFormat = sampleFormat;
        if (!probe.valid())
            return fail("unknown sample format " + std::to_string(sampleFormat));
        f.format.sampleFormat = sampleFormat;
        return 1;
    });
}

int32_t SetFrameSampleRate(int32_t frame, int32_t rateHz)
{
    return with<FrameObject>(frame, "frame", [&](FrameObject& f) {
        if (!positive(rateHz, "sample rate"))
            return 0;
        f.format.rateHz = rateHz;
        return 1;
    });
}

int32_t SetFrameChannels(int32_t frame, int32_t channels)
{
    return with<FrameObject>(frame, "frame", [&](FrameObject& f) {
        if (channels <= 0 || channels > 64)
            return fail("channel count must be 1 to 64");
        f.format.channels = channels;
        return 1;
    });
}

int32_t SetFrameChannelLayout(int32_t frame, uint64_t channelMask)
{
    return with<FrameObject>(frame, "frame", [&](FrameObject& f) {
        f.format.channelMask = channelMask;
        return 1;
    });
}

int32_t SetFrameSamples(int32_t frame, const void* data, int32_t samplesPerChannel)
{
    return with<FrameObject>(frame, "frame", [&](FrameObject& f) {
        if (samplesPerChannel < 0 || (samplesPerChannel > 0 && !data))
            return fail("invalid samples");
        f.data = data;
        f.samples = samplesPerChannel;
        return 1;
    });
}

int32_t SetFrameTimestamp(int32_t frame, int64_t timestampUs)
{
    return with<FrameObject>(frame, "frame", [&](FrameObject& f) {
        f.timestampUs = timestampUs < 0 ? 0 : timestampUs;
        return 1;
    });
}

int32_t CreateStreamDesc(int32_t kind)
{
    if (kind != 2)
        return fail("only audio stream descriptions (kind 2) are supported");
    return HandleTable::instance().add(std::make_shared<StreamObject>());
}

int32_t ReleaseStreamDesc(int32_t stream)
{
    return releaseHandle<StreamObject>(stream, "stream");
}

int32_t SetStreamCodecTag(int32_t stream, const char* fourcc)
{
    return withStream(stream, [&](StreamObject& s) {
        if (!fourcc || std::strlen(fourcc) != 4)
            return fail("a codec tag has four characters");
        s.codecTag = fourcc;
        return 1;
    });
}

int32_t SetStreamSampleRate(int32_t stream, int32_t rateHz)
{
    return withStream(stream, [&](StreamObject& s) {
        if (!positive(rateHz, "sample rate"))
            return 0;
        s.format.rateHz = rateHz;
        return 1;
    });
}

int32_t SetStreamChannels(int32_t stream, int32_t channels)
{
    return withStream(stream, [&](StreamObject& s) {
        if (channels <= 0 || channels > 64)
            return fail("channel count must be 1 to 64");
        s.format.channels = channels;
        return 1;
    });
}

int32_t SetStreamChannelLayout(int32_t stream, uint64_t channelMask)
{
    return withStream(stream, [&](StreamObject& s) {
        s.format.channelMask = channelMask;
        return 1;
    });
}

int32_t SetStreamSampleFormat(int32_t stream, int32_t sampleFormat)
{
    return withStream(stream, [&](StreamObject& s) {
        AudioFormat probe = s.format;
        probe.sampleFormat = sampleFormat;
        if (!probe.valid())
            return fail("unknown sample format " + std::to_string(sampleFormat));
        s.format.sampleFormat = sampleFormat;
        return 1;
    });
}

int32_t SetStreamBitsPerSample(int32_t stream, int32_t bits)
{
    return withStream(stream, [&](StreamObject& s) {
        if (bits != 8 && bits != 16 && bits != 24 && bits != 32 && bits != 64)
            return fail("bits per sample must be 8, 16, 24, 32 or 64");
        s.bitsPerSample = bits;
        return 1;
    });
}

int32_t SetStreamDataCallback(int32_t stream, BriscaStreamDataCallback callback, void* user)
{
    return withStream(stream, [&](StreamObject& s) {
        s.callback = callback;
        s.callbackUser = user;
        return 1;
    });
}

int32_t PushStreamFrame(int32_t stream, int32_t frame)
{
    std::shared_ptr<FrameObject> f = lookupHandle<FrameObject>(frame, "frame");
    std::shared_ptr<StreamObject> s = lookupHandle<StreamObject>(stream, "stream");
    if (!f || !s)
        return 0;
    if (f->byteCount() == 0)
        return fail("the frame has no samples or an invalid format");
    s->push(AudioBlock::copyOf(*f));
    return 1;
}

int64_t GetStreamQueuedBytes(int32_t stream)
{
    std::shared_ptr<StreamObject> s = lookupHandle<StreamObject>(stream, "stream");
    if (!s)
        return -1;
    std::lock_guard<std::mutex> lock(s->mutex);
    return s->queuedBytes;
}

}  // extern "C"
