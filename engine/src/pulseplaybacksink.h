#pragma once
// PulsePlaybackSink: plays a player's sound on the PulseAudio server's default sink (the same
// code serves PipeWire through its PulseAudio server). A threaded mainloop runs the
// connection; every call takes the mainloop's lock for the few calls it makes.
//
// The stream keeps about a second in the server's buffer: few wake-ups, and no gap when the
// machine is busy. That costs nothing in responsiveness, because pause corks the stream, and
// seek and stop flush it. Positions come from the server's latency report.

#include <condition_variable>
#include <memory>
#include <mutex>

#include "playbacksink.h"

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;
struct pa_operation;

namespace brisca {

class PulsePlaybackSink : public PlaybackSink {
public:
    static constexpr int kBufferMs = 1000;

    PulsePlaybackSink();
    ~PulsePlaybackSink() override;

    bool open(int rateHz, int channels, std::string* error) override;
    void close() override;
    int64_t writableFrames() override;
    void waitWritable(std::chrono::milliseconds timeout) override;
    bool write(const float* samples, int64_t frames, std::string* error) override;
    int64_t queuedFrames() override;
    void flush() override;
    void setPaused(bool paused) override;
    void setVolume(int percent) override;
    bool failed(std::string* error) override;
    void endOfStream() override;

private:
    static void onContextState(pa_context* context, void* self);
    static void onStreamEvent(pa_stream* stream, void* self);
    static void onStreamRequest(pa_stream* stream, size_t bytes, void* self);
    static void onDrained(pa_stream* stream, int success, void* self);
    void cancelDrain();
    bool connect(std::string* error);
    bool createStream(int rateHz, int channels, std::string* error);
    bool waitFor(bool (*ready)(PulsePlaybackSink*), std::string* error);
    std::string serverError() const;
    void wake();
    void applyVolume();

    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    int m_frameBytes = 8;
    int m_rate = 44100;
    int m_channels = 2;
    int m_volume = 100;
    pa_operation* m_drain = nullptr;  // the pending drain after endOfStream()
    bool m_drained = false;
    int64_t m_writtenSinceFlush = 0;

    std::mutex m_wakeMutex;
    std::condition_variable m_wakeChanged;
    bool m_woken = false;
};

}  // namespace brisca
