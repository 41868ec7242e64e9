#pragma once
// One connection to the PulseAudio server (or PipeWire's PulseAudio server) with its own event
// thread: a pa_threaded_mainloop and one pa_context on it, kept up by the connection itself. It
// connects in the background; when an attempt fails, does not complete within kConnectTimeout,
// or a ready connection is lost, it tries again after a back-off (kFirstRetry, doubling up to
// kMaxRetry). No call waits for the server.
//
// Threading: the handlers run on the mainloop thread with the mainloop lock held; they must not
// block and must not take Lock. Other threads take Lock around every call that touches the
// context (issuing operations), exactly once: the lock is recursive, but nesting it is not
// needed and waiting inside it would keep the event thread out.

#include <pulse/context.h>
#include <pulse/thread-mainloop.h>

#include <atomic>
#include <chrono>
#include <functional>

namespace olmet {

class PulseConnection {
public:
    static constexpr std::chrono::milliseconds kConnectTimeout{2000};
    static constexpr std::chrono::milliseconds kFirstRetry{100};
    static constexpr std::chrono::milliseconds kMaxRetry{800};

    // Called when a connection becomes ready: subscribe and ask for the state here.
    using ReadyHandler = std::function<void(pa_context* context)>;
    // Called when a connection that was ready is gone (server gone or stopped answering).
    using LostHandler = std::function<void()>;

    class Lock {
    public:
        explicit Lock(PulseConnection& connection);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        pa_threaded_mainloop* m_loop;
    };

    PulseConnection(ReadyHandler onReady, LostHandler onLost);
    ~PulseConnection();
    PulseConnection(const PulseConnection&) = delete;
    PulseConnection& operator=(const PulseConnection&) = delete;

    // Starts connecting, and reconnecting whenever needed, on the event thread.
    void start();
    // The context while it is ready, else null. Lock held (or on the event thread).
    pa_context* readyContext() const;
    // True once an attempt to connect has ended, well or badly; true while connected. Any
    // thread.
    bool attempted() const { return m_attempted; }
    bool isReady() const { return m_ready; }

private:
    void connectNow();
    void dropContext();
    void scheduleRetry();
    void armConnectTimeout();
    void cancelTimer(pa_time_event** event);

    static void onStateChanged(pa_context* context, void* self);
    static void onRetry(pa_mainloop_api* api, pa_time_event* event, const struct timeval* tv,
                        void* self);
    static void onConnectTimeout(pa_mainloop_api* api, pa_time_event* event,
                                 const struct timeval* tv, void* self);

    ReadyHandler m_onReady;
    LostHandler m_onLost;
    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_time_event* m_retryTimer = nullptr;
    pa_time_event* m_connectTimer = nullptr;
    std::chrono::milliseconds m_backoff = kFirstRetry;
    std::atomic<bool> m_ready{false};
    std::atomic<bool> m_attempted{false};
};

}  // namespace olmet
