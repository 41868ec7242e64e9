#pragma once
// What the PulseAudio capture endpoints share: owning handles of the client objects, a
// blocking run of a private main loop, the connection to the server and the capture time of a
// record stream's data.

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

struct pa_context;
struct pa_mainloop;
struct pa_stream;

struct PulseDeleters {
    void operator()(pa_mainloop* loop) const;
    void operator()(pa_context* context) const;
    // Disconnecting also cancels the stream's pending operations: no callback comes after.
    void operator()(pa_stream* stream) const;
};
using PulseLoopPtr = std::unique_ptr<pa_mainloop, PulseDeleters>;
using PulseContextPtr = std::unique_ptr<pa_context, PulseDeleters>;

// Runs `loop` until done() holds; false at the deadline (session clock), when cancelled()
// holds or when the loop fails.
bool pulseIterateUntil(pa_mainloop* loop, const std::function<bool()>& done, int64_t deadlineUs,
                       const std::function<bool()>& cancelled);

// Creates a main loop and a context and connects to the running server (never starting one:
// without a server a recording must fail at once). Empty on success, else why it failed.
QString pulseConnect(PulseLoopPtr* loop, PulseContextPtr* context, int64_t deadlineUs,
                     const std::function<bool()>& cancelled);

// When the next frame to read from `stream` was captured, on the session clock, from the
// stream's last timing snapshot. False when the stream has no usable snapshot.
bool pulseNextFrameTimeUs(pa_stream* stream, int64_t* us);
