#pragma once
// The capture-endpoint interface: one sound source read by polling, as the capture threads use
// it. Implementations: PulseCaptureEndpoint (the sound server) and NullCaptureEndpoint (a
// scripted device for tests, with fault injection).
//
// Contract:
// - An endpoint is created, used and destroyed on one thread (the capture thread). It is never
//   shared; nothing in it needs a lock.
// - open() once; on success the other calls may be made until close() (or destruction, which
//   closes). After a failed call the endpoint is dead: every later call fails again.
// - Polling order: readableBytes(); while it is > 0: peek(), use the data, drop(). peek() hands
//   out the endpoint's own memory, valid until drop().
// - Units: bytes for readableBytes(), frames (one sample of every channel) for peek(),
//   microseconds of the session clock (sessionClockUs()) for captureTimeUs().
// - Calls never block for long: at most a few milliseconds, except open(), which may wait up to
//   kOpenTimeoutMs for a server that is starting or hung, but fails at once when there is none.

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

// What the endpoint delivers: interleaved frames in the media engine's numbering.
struct CaptureFormat {
    int sampleFormat = 1;  // 0 = u8, 1 = s16, 2 = s32, 3 = float, 4 = double
    int rateHz = 44100;
    int channels = 2;
    uint64_t channelMask = 0;  // WAVE channel bits; 0 = the default layout for the count
    int blockAlign = 4;        // bytes per frame
    int bitsPerSample = 16;
};

class CaptureEndpoint {
public:
    enum Mode {
        SystemAudio = 1,  // what the computer plays: the monitor of the default sink
        Microphone = 2,   // the default source
    };

    // The longest open() may take, whatever the sound server does.
    static constexpr int kOpenTimeoutMs = 2500;

    virtual ~CaptureEndpoint() = default;

    // Connects to the source of `mode` and starts capturing. False with errorString() set when
    // the source (or the sound server) is not there.
    virtual bool open(int mode, CaptureFormat* format) = 0;
    // Bytes captured and not yet taken; 0 when nothing is waiting; -1 when the source failed
    // or went away (device unplugged or unloaded, server gone).
    virtual int64_t readableBytes() = 0;
    // The next captured fragment: *data and *frames. A null *data with *frames > 0 is a hole:
    // that many frames were lost and stand for silence of their length. *frames may be 0
    // (nothing captured). drop() must still be called after a successful peek. False on failure.
    virtual bool peek(const void** data, int64_t* frames) = 0;
    // Releases the fragment of the last peek(). False on failure.
    virtual bool drop() = 0;
    // Asks for up-to-date timing information; returns at once. captureTimeUs() answers from it
    // once it has come.
    virtual void refreshTiming() = 0;
    // When the first frame of the next peek() was captured (for the monitor of an output: when
    // the output produced it), from timing information that came after the last
    // refreshTiming(). False while that information has not come, or when the source cannot
    // tell. An answer may be late by up to one of the server's blocks, never early: the earliest
    // of several answers is the best.
    virtual bool captureTimeUs(int64_t* us) = 0;
    // Stops capturing and disconnects. Safe to call more than once.
    virtual void close() = 0;
    // Why the last call failed, for logs and the command line ("" when nothing failed).
    virtual QString errorString() const = 0;

    // A flag another thread raises to make a slow open() give up at once (the capture is being
    // stopped). Read on the endpoint's thread; null = never.
    void setCancelFlag(const std::atomic<bool>* flag) { m_cancel = flag; }

protected:
    bool cancelled() const { return m_cancel && m_cancel->load(); }

private:
    const std::atomic<bool>* m_cancel = nullptr;
};

// Makes the endpoint a capture thread uses; called on that thread at each thread start.
using CaptureEndpointFactory = std::function<std::unique_ptr<CaptureEndpoint>()>;
