#pragma once
// Capture endpoint on the PulseAudio (or PipeWire-Pulse) sound server. System audio is the
// monitor of the default sink ("@DEFAULT_MONITOR@"), the microphone the default source
// ("@DEFAULT_SOURCE@"). It runs its own plain mainloop, iterated without blocking by the calls
// of the capture thread, so no second thread and no lock is involved.
//
// The stream asks for ~10 ms fragments (the capture threads poll every 10 ms) and keeps at most
// one second in the server's buffer; older data is lost when the reader falls further behind.
// The stream stays on the device it was opened on; when that device goes away (unplugged,
// module unloaded) or the server does, the next call fails. The microphone is never a monitor:
// when the server's default source is the monitor of an output, open() fails and says so.
//
// Capture times come from the stream's timing information (the server's latency, interpolated
// by libpulse between updates), so they do not depend on when the thread happened to read.

#include "captureendpoint.h"
#include "pulseclient.h"

#include <memory>

struct pa_context;
struct pa_mainloop;
struct pa_stream;
struct pa_source_info;

class PulseCaptureEndpoint : public CaptureEndpoint {
public:
    PulseCaptureEndpoint();
    ~PulseCaptureEndpoint() override;

    bool open(int mode, CaptureFormat* format) override;
    int64_t readableBytes() override;
    bool peek(const void** data, int64_t* frames) override;
    bool drop() override;
    void refreshTiming() override;
    bool captureTimeUs(int64_t* us) override;
    void close() override;
    QString errorString() const override;

    // Whether a source of `mode` can be recorded now: the server answers and, for the
    // microphone, the default source exists and is not the monitor of a sink (the server falls
    // back to a monitor when no input device is left). Blocks for at most a few seconds.
    static bool sourceAvailable(int mode, QString* reason = nullptr);

private:
    using Deleters = PulseDeleters;

    struct SourceInfo;
    static void onSourceInfo(pa_context* context, const pa_source_info* info, int eol, void* user);

    bool connectContext(int64_t deadlineUs);
    bool querySource(int mode, SourceInfo* info, int64_t deadlineUs);
    bool connectStream(int mode, const SourceInfo& info, int64_t deadlineUs);
    // Runs the main loop until done() holds; false at the deadline (session clock), when the
    // capture is cancelled or when the loop fails.
    bool iterateUntil(const std::function<bool()>& done, int64_t deadlineUs);
    void dispatchPending();
    bool checkAlive();
    bool fail(const QString& message);

    std::unique_ptr<pa_mainloop, Deleters> m_loop;
    std::unique_ptr<pa_context, Deleters> m_context;
    std::unique_ptr<pa_stream, Deleters> m_stream;
    QString m_error;
    int m_blockAlign = 4;
    bool m_peeked = false;
    bool m_dead = false;
    bool m_timingFresh = false;  // timing information came after the last refreshTiming()
};
