#include "pulseconnection.h"

#include <pulse/rtclock.h>
#include <pulse/timeval.h>

namespace olmet {

namespace {

struct TimerState {
    pa_threaded_mainloop* loop;
    bool expired;
};

void onTimer(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* userdata)
{
    auto* state = static_cast<TimerState*>(userdata);
    state->expired = true;
    pa_threaded_mainloop_signal(state->loop, 0);
}

}  // namespace

PulseConnection::Lock::Lock(PulseConnection& connection) : m_loop(connection.m_loop)
{
    if (m_loop)
        pa_threaded_mainloop_lock(m_loop);
}

PulseConnection::Lock::~Lock()
{
    if (m_loop)
        pa_threaded_mainloop_unlock(m_loop);
}

PulseConnection::PulseConnection(std::chrono::milliseconds timeout, EventHandler onEvent,
                                 LostHandler onLost)
    : m_timeout(timeout), m_onEvent(std::move(onEvent)), m_onLost(std::move(onLost))
{
    m_loop = pa_threaded_mainloop_new();
    if (m_loop && pa_threaded_mainloop_start(m_loop) < 0) {
        pa_threaded_mainloop_free(m_loop);
        m_loop = nullptr;
    }
}

PulseConnection::~PulseConnection()
{
    if (!m_loop)
        return;
    {
        Lock lock(*this);
        dropContext();
    }
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
}

void PulseConnection::dropContext()
{
    if (!m_context)
        return;
    // Detach first: a deliberate disconnect is not a lost server.
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
    m_wasReady = false;
}

bool PulseConnection::connect(pa_subscription_mask_t events)
{
    if (!m_loop)
        return false;
    dropContext();
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "Quillon Audio Recorder");
    if (!m_context)
        return false;
    pa_context_set_state_callback(m_context, &PulseConnection::onStateChanged, this);
    pa_context_set_subscribe_callback(m_context, &PulseConnection::onEvent, this);
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        dropContext();
        return false;
    }
    const bool settled = waitUntil([this] {
        const pa_context_state_t state = pa_context_get_state(m_context);
        return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
    });
    if (!settled || !isReady()) {
        dropContext();
        return false;
    }
    m_wasReady = true;
    if (!wait(pa_context_subscribe(m_context, events, nullptr, nullptr))) {
        dropContext();
        return false;
    }
    return true;
}

bool PulseConnection::isReady() const
{
    return m_context && pa_context_get_state(m_context) == PA_CONTEXT_READY;
}

bool PulseConnection::wait(pa_operation* op)
{
    if (!op)
        return false;
    pa_operation_set_state_callback(op, &PulseConnection::onOperationState, this);
    const bool done =
        waitUntil([op] { return pa_operation_get_state(op) != PA_OPERATION_RUNNING; });
    const bool ok = done && pa_operation_get_state(op) == PA_OPERATION_DONE;
    if (!done) {
        // The server did not answer in time: give up on it rather than stall every later call.
        pa_operation_cancel(op);
        const bool wasReady = m_wasReady;
        dropContext();
        if (wasReady && m_onLost)
            m_onLost();
    }
    pa_operation_set_state_callback(op, nullptr, nullptr);
    pa_operation_unref(op);
    return ok;
}

bool PulseConnection::waitUntil(const std::function<bool()>& done)
{
    if (done())
        return true;
    TimerState timer{m_loop, false};
    const auto usec = std::chrono::duration_cast<std::chrono::microseconds>(m_timeout).count();
    pa_time_event* event =
        pa_context_rttime_new(m_context, pa_rtclock_now() + pa_usec_t(usec), &onTimer, &timer);
    if (!event)
        return false;
    while (!done() && !timer.expired)
        pa_threaded_mainloop_wait(m_loop);
    pa_threaded_mainloop_get_api(m_loop)->time_free(event);
    return done();
}

void PulseConnection::onStateChanged(pa_context* context, void* self)
{
    auto* connection = static_cast<PulseConnection*>(self);
    const pa_context_state_t state = pa_context_get_state(context);
    if (!PA_CONTEXT_IS_GOOD(state) && connection->m_wasReady) {
        connection->m_wasReady = false;
        if (connection->m_onLost)
            connection->m_onLost();
    }
    pa_threaded_mainloop_signal(connection->m_loop, 0);
}

void PulseConnection::onEvent(pa_context*, pa_subscription_event_type_t type, uint32_t index,
                              void* self)
{
    auto* connection = static_cast<PulseConnection*>(self);
    if (connection->m_onEvent)
        connection->m_onEvent(type, index);
}

void PulseConnection::onOperationState(pa_operation*, void* self)
{
    pa_threaded_mainloop_signal(static_cast<PulseConnection*>(self)->m_loop, 0);
}

}  // namespace olmet
