#pragma once
// NullPlaybackSink: plays nothing, but takes frames at the pace of the steady clock with a
// fixed buffer, as a sound server would. Tests use its faults to run the player against a
// misbehaving output: a failure after N frames, a latency that does not match the buffer.
// Thread-safety as PlaybackSink (its own mutex makes the clock reads safe from any thread).

#include <mutex>

#include "playbacksink.h"

namespace brisca {

struct NullSinkFaults {
    int64_t failAfterFrames = -1;    // write fails once this many frames were written
    int64_t extraLatencyFrames = 0;  // added to queuedFrames(), as a slow device would
};

class NullPlaybackSink : public PlaybackSink {
public:
    static constexpr int64_t kBufferMs = 200;

    NullPlaybackSink() = default;
    explicit NullPlaybackSink(NullSinkFaults faults) : m_faults(faults) {}

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

    int volume();
    int64_t writtenFrames();

private:
    using Clock = std::chrono::steady_clock;
    // Moves the play head to now; caller holds m_mutex.
    void advance();

    std::mutex m_mutex;
    NullSinkFaults m_faults;
    int m_rate = 44100;
    int64_t m_queued = 0;
    int64_t m_written = 0;
    bool m_paused = false;
    bool m_failed = false;
    int m_volume = 100;
    Clock::time_point m_last;
    double m_carry = 0;  // fraction of a frame played but not yet counted
};

}  // namespace brisca
