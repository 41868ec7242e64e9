#pragma once
// One connection to the PulseAudio server (or PipeWire's PulseAudio server) with its own event
// thread: a pa_threaded_mainloop and one pa_context on it.
//
// Threading: callers take the mainloop lock with PulseConnection::Lock around every call except
// the constructor and destructor, exactly once: the lock is recursive, but waiting releases
// only one level of it, so a nested lock would keep the event thread out forever. Callbacks (event
// handler, lost handler) run on the mainloop thread with the lock held; they must not block and
// must not call back into this object.
//
// Every wait is bounded by the time-out given at construction. An operation that outlives it
// is cancelled and the connection is dropped, so a hung server costs one time-out, not one per
// call.

#include <pulse/context.h>
#include <pulse/operation.h>
#include <pulse/subscribe.h>
#include <pulse/thread-mainloop.h>

#include <chrono>
#include <cstdint>
#include <functional>

namespace olmet {

class PulseConnection {
public:
    // Called for every subscribed server event (facility and kind in `type`, object index).
    using EventHandler = std::function<void(pa_subscription_event_type_t type, uint32_t index)>;
    // Called once when a connection that was ready goes away (server gone, time-out).
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

    PulseConnection(std::chrono::milliseconds timeout, EventHandler onEvent, LostHandler onLost);
    ~PulseConnection();
    PulseConnection(const PulseConnection&) = delete;
    PulseConnection& operator=(const PulseConnection&) = delete;

    // Drops any previous context, connects a new one (never spawning a server) and subscribes
    // to `events`. Returns true when the context is ready.
    bool connect(pa_subscription_mask_t events);
    bool isReady() const;
    // The context for issuing operations; null before the first connect.
    pa_context* context() const { return m_context; }
    // Waits until `op` is done, then releases it. Returns false for a null op, a cancelled op
    // (connection lost) or a time-out (then the connection is dropped as well).
    bool wait(pa_operation* op);

private:
    // Waits on the mainloop until done() holds or the time-out passes; returns done().
    bool waitUntil(const std::function<bool()>& done);
    void dropContext();

    static void onStateChanged(pa_context* context, void* self);
    static void onEvent(pa_context* context, pa_subscription_event_type_t type, uint32_t index,
                        void* self);
    static void onOperationState(pa_operation* op, void* self);

    std::chrono::milliseconds m_timeout;
    EventHandler m_onEvent;
    LostHandler m_onLost;
    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    bool m_wasReady = false;
};

}  // namespace olmet
