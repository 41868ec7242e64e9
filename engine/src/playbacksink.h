#pragma once
// PlaybackSink: where a player's sound goes. One implementation plays on the PulseAudio
// server (PulsePlaybackSink), one discards the sound at the pace of a clock and can misbehave
// on request (NullPlaybackSink, for tests).
//
// Contract: the player calls open, write, writableFrames, queuedFrames, flush, setPaused and
// endOfStream under its lock, one thread at a time; its thread calls waitWritable without the
// lock, holding its own reference; setVolume may come from any thread. Implementations close
// themselves when destroyed, so a player drops its output instead of closing it while its
// thread may still wait on it. Samples are float32 interleaved at the rate and channel count given to open.
// Nothing blocks for longer than waitWritable's time-out; a sink that has failed (server
// gone, device removed) reports it from write and failed() and never recovers by itself.

#include <chrono>
#include <cstdint>
#include <string>

namespace brisca {

class PlaybackSink {
public:
    virtual ~PlaybackSink() = default;

    virtual bool open(int rateHz, int channels, std::string* error) = 0;
    virtual void close() = 0;
    // Frames that write() takes now without waiting.
    virtual int64_t writableFrames() = 0;
    // Waits until writableFrames() > 0, the sink failed, or the time-out passed.
    virtual void waitWritable(std::chrono::milliseconds timeout) = 0;
    // Takes at most writableFrames() frames; false when the sink failed.
    virtual bool write(const float* samples, int64_t frames, std::string* error) = 0;
    // Frames written but not heard yet (the buffer plus the device's latency).
    virtual int64_t queuedFrames() = 0;
    // Drops everything not yet heard.
    virtual void flush() = 0;
    // Holds (true) or resumes (false) the sound; held frames stay queued.
    virtual void setPaused(bool paused) = 0;
    // The stream's volume on the output, percent 0..100.
    virtual void setVolume(int percent) = 0;
    virtual bool failed(std::string* error) = 0;
    // No more frames come until the next flush: play what is buffered even if it is below
    // the output's start threshold.
    virtual void endOfStream() {}
};

}  // namespace brisca
