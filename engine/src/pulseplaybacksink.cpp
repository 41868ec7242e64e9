#include "pulseplaybacksink.h"

#include <pulse/pulseaudio.h>

namespace brisca {

namespace {

// Holds the threaded mainloop's lock for a scope.
class LoopLock {
public:
    explicit LoopLock(pa_threaded_mainloop* loop) : m_loop(loop)
    {
        if (m_loop)
            pa_threaded_mainloop_lock(m_loop);
    }
    ~LoopLock()
    {
        if (m_loop)
            pa_threaded_mainloop_unlock(m_loop);
    }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

private:
    pa_threaded_mainloop* m_loop;
};

}  // namespace

PulsePlaybackSink::PulsePlaybackSink() = default;

PulsePlaybackSink::~PulsePlaybackSink()
{
    close();
}

void PulsePlaybackSink::wake()
{
    {
        std::lock_guard<std::mutex> lock(m_wakeMutex);
        m_woken = true;
    }
    m_wakeChanged.notify_all();
}

void PulsePlaybackSink::onContextState(pa_context*, void* self)
{
    auto* sink = static_cast<PulsePlaybackSink*>(self);
    pa_threaded_mainloop_signal(sink->m_loop, 0);
    sink->wake();
}

void PulsePlaybackSink::onStreamEvent(pa_stream*, void* self)
{
    auto* sink = static_cast<PulsePlaybackSink*>(self);
    pa_threaded_mainloop_signal(sink->m_loop, 0);
    sink->wake();
}

void PulsePlaybackSink::onStreamRequest(pa_stream* stream, size_t, void* self)
{
    onStreamEvent(stream, self);
}

std::string PulsePlaybackSink::serverError() const
{
    return m_context ? pa_strerror(pa_context_errno(m_context)) : "no connection";
}

bool PulsePlaybackSink::waitFor(bool (*ready)(PulsePlaybackSink*), std::string* error)
{
    for (;;) {
        const pa_context_state_t cs = pa_context_get_state(m_context);
        const pa_stream_state_t ss = m_stream ? pa_stream_get_state(m_stream) : PA_STREAM_READY;
        if (!PA_CONTEXT_IS_GOOD(cs) || ss == PA_STREAM_FAILED || ss == PA_STREAM_TERMINATED) {
            *error = "sound server: " + serverError();
            return false;
        }
        if (ready(this))
            return true;
        pa_threaded_mainloop_wait(m_loop);
    }
}

bool PulsePlaybackSink::connect(std::string* error)
{
    m_loop = pa_threaded_mainloop_new();
    if (!m_loop) {
        *error = "out of memory";
        return false;
    }
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "Quillon player");
    if (!m_context) {
        *error = "out of memory";
        return false;
    }
    pa_context_set_state_callback(m_context, &PulsePlaybackSink::onContextState, this);
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        *error = "cannot connect to the sound server: " + serverError();
        return false;
    }
    if (pa_threaded_mainloop_start(m_loop) < 0) {
        *error = "cannot start the sound server connection";
        return false;
    }
    LoopLock lock(m_loop);
    if (!waitFor(
            [](PulsePlaybackSink* s) {
                return pa_context_get_state(s->m_context) == PA_CONTEXT_READY;
            },
            error)) {
        *error = "cannot connect to the sound server: " + serverError();
        return false;
    }
    return true;
}

bool PulsePlaybackSink::createStream(int rateHz, int channels, std::string* error)
{
    LoopLock lock(m_loop);
    pa_sample_spec spec{PA_SAMPLE_FLOAT32LE, uint32_t(rateHz), uint8_t(channels)};
    pa_channel_map map;
    pa_channel_map_init_extend(&map, uint8_t(channels), PA_CHANNEL_MAP_DEFAULT);
    m_stream = pa_stream_new(m_context, "Playback", &spec, &map);
    if (!m_stream) {
        *error = "sound server: " + serverError();
        return false;
    }
    pa_stream_set_state_callback(m_stream, &PulsePlaybackSink::onStreamEvent, this);
    pa_stream_set_write_callback(m_stream, &PulsePlaybackSink::onStreamRequest, this);
    pa_buffer_attr attr;
    attr.maxlength = uint32_t(-1);
    attr.tlength = uint32_t(pa_usec_to_bytes(kBufferMs * 1000, &spec));
    attr.prebuf = uint32_t(-1);
    attr.minreq = uint32_t(-1);
    attr.fragsize = uint32_t(-1);
    const auto flags = pa_stream_flags_t(PA_STREAM_INTERPOLATE_TIMING |
                                         PA_STREAM_AUTO_TIMING_UPDATE | PA_STREAM_START_CORKED);
    if (pa_stream_connect_playback(m_stream, nullptr, &attr, flags, nullptr, nullptr) < 0) {
        *error = "sound server: " + serverError();
        return false;
    }
    return waitFor(
        [](PulsePlaybackSink* s) { return pa_stream_get_state(s->m_stream) == PA_STREAM_READY; },
        error);
}

bool PulsePlaybackSink::open(int rateHz, int channels, std::string* error)
{
    close();
    m_rate = rateHz;
    m_channels = channels;
    m_frameBytes = channels * 4;
    if (!connect(error) || !createStream(rateHz, channels, error)) {
        close();
        return false;
    }
    LoopLock lock(m_loop);
    applyVolume();
    return true;
}

void PulsePlaybackSink::close()
{
    if (m_loop)
        pa_threaded_mainloop_stop(m_loop);
    cancelDrain();
    if (m_stream) {
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
    }
    if (m_context) {
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
    if (m_loop) {
        pa_threaded_mainloop_free(m_loop);
        m_loop = nullptr;
    }
}

int64_t PulsePlaybackSink::writableFrames()
{
    LoopLock lock(m_loop);
    if (!m_stream || pa_stream_get_state(m_stream) != PA_STREAM_READY)
        return 0;
    const size_t bytes = pa_stream_writable_size(m_stream);
    return bytes == size_t(-1) ? 0 : int64_t(bytes) / m_frameBytes;
}

void PulsePlaybackSink::waitWritable(std::chrono::milliseconds timeout)
{
    {
        std::lock_guard<std::mutex> lock(m_wakeMutex);
        m_woken = false;
    }
    if (writableFrames() > 0 || failed(nullptr))
        return;
    std::unique_lock<std::mutex> lock(m_wakeMutex);
    m_wakeChanged.wait_for(lock, timeout, [this] { return m_woken; });
}

bool PulsePlaybackSink::write(const float* samples, int64_t frames, std::string* error)
{
    LoopLock lock(m_loop);
    if (!m_stream || pa_stream_get_state(m_stream) != PA_STREAM_READY) {
        *error = "sound server: the playback stream was lost";
        return false;
    }
    if (pa_stream_write(m_stream, samples, size_t(frames) * size_t(m_frameBytes), nullptr, 0,
                        PA_SEEK_RELATIVE) < 0) {
        *error = "sound server: " + serverError();
        return false;
    }
    m_writtenSinceFlush += frames;
    return true;
}

int64_t PulsePlaybackSink::queuedFrames()
{
    LoopLock lock(m_loop);
    pa_usec_t latency = 0;
    int negative = 0;
    if (m_drained || !m_stream)
        return 0;
    // Before the server's first timing report the latency is unknown: nothing was heard yet.
    if (pa_stream_get_latency(m_stream, &latency, &negative) < 0)
        return m_writtenSinceFlush;
    return negative ? 0 : int64_t(latency) * m_rate / 1000000;
}

void PulsePlaybackSink::flush()
{
    LoopLock lock(m_loop);
    cancelDrain();
    m_writtenSinceFlush = 0;
    if (m_stream) {
        if (pa_operation* op = pa_stream_flush(m_stream, nullptr, nullptr))
            pa_operation_unref(op);
    }
}

// Draining also starts a stream still below its start threshold, and tells when the server
// has played everything: the latency report alone never reaches zero (the device's own
// latency stays in it).
void PulsePlaybackSink::endOfStream()
{
    LoopLock lock(m_loop);
    cancelDrain();
    if (m_stream)
        m_drain = pa_stream_drain(m_stream, &PulsePlaybackSink::onDrained, this);
}

void PulsePlaybackSink::onDrained(pa_stream* stream, int success, void* self)
{
    auto* sink = static_cast<PulsePlaybackSink*>(self);
    if (success)
        sink->m_drained = true;
    onStreamEvent(stream, self);
}

// Caller holds the mainloop lock.
void PulsePlaybackSink::cancelDrain()
{
    if (m_drain) {
        pa_operation_cancel(m_drain);
        pa_operation_unref(m_drain);
        m_drain = nullptr;
    }
    m_drained = false;
}

void PulsePlaybackSink::setPaused(bool paused)
{
    LoopLock lock(m_loop);
    if (m_stream) {
        if (pa_operation* op = pa_stream_cork(m_stream, paused ? 1 : 0, nullptr, nullptr))
            pa_operation_unref(op);
    }
}

void PulsePlaybackSink::setVolume(int percent)
{
    LoopLock lock(m_loop);
    m_volume = percent;
    applyVolume();
}

// Caller holds the mainloop lock (or the loop is not running yet).
void PulsePlaybackSink::applyVolume()
{
    if (!m_stream || pa_stream_get_state(m_stream) != PA_STREAM_READY)
        return;
    pa_cvolume volume;
    pa_cvolume_set(&volume, uint8_t(m_channels),
                   pa_volume_t(uint64_t(PA_VOLUME_NORM) * uint64_t(m_volume) / 100));
    if (pa_operation* op = pa_context_set_sink_input_volume(
            m_context, pa_stream_get_index(m_stream), &volume, nullptr, nullptr))
        pa_operation_unref(op);
}

bool PulsePlaybackSink::failed(std::string* error)
{
    LoopLock lock(m_loop);
    const bool bad = !m_context || !PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context)) ||
                     !m_stream || !PA_STREAM_IS_GOOD(pa_stream_get_state(m_stream));
    if (bad && error)
        *error = "sound server: " + serverError();
    return bad;
}

}  // namespace brisca
