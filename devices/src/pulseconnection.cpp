#include "pulseconnection.h"

#include <pulse/timeval.h>

#include <algorithm>

namespace olmet {

namespace {

pa_time_event* newTimer(pa_threaded_mainloop* loop, std::chrono::milliseconds delay,
                        pa_time_event_cb_t callback, void* userdata)
{
    // On the wall clock: the public API has no monotonic time events without a context.
    timeval when{};
    pa_gettimeofday(&when);
    pa_timeval_add(&when, pa_usec_t(delay.count()) * 1000);
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop);
    return api->time_new(api, &when, callback, userdata);
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

PulseConnection::PulseConnection(ReadyHandler onReady, LostHandler onLost)
    : m_onReady(std::move(onReady)), m_onLost(std::move(onLost))
{
    m_loop = pa_threaded_mainloop_new();
    if (m_loop && pa_threaded_mainloop_start(m_loop) < 0) {
        pa_threaded_mainloop_free(m_loop);
        m_loop = nullptr;
    }
    if (!m_loop)
        m_attempted = true;
}

PulseConnection::~PulseConnection()
{
    if (!m_loop)
        return;
    {
        Lock lock(*this);
        cancelTimer(&m_retryTimer);
        cancelTimer(&m_connectTimer);
        dropContext();
    }
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
}

void PulseConnection::start()
{
    if (!m_loop)
        return;
    Lock lock(*this);
    connectNow();
}

pa_context* PulseConnection::readyContext() const
{
    return m_ready ? m_context : nullptr;
}

void PulseConnection::cancelTimer(pa_time_event** event)
{
    if (!*event)
        return;
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(m_loop);
    api->time_free(*event);
    *event = nullptr;
}

void PulseConnection::dropContext()
{
    if (!m_context)
        return;
    // Detach first: a deliberate disconnect is not a lost server.
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
    m_ready = false;
}

void PulseConnection::connectNow()
{
    dropContext();
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "Quillon Audio Recorder");
    if (!m_context) {
        scheduleRetry();
        return;
    }
    pa_context_set_state_callback(m_context, &PulseConnection::onStateChanged, this);
    // No autospawn: the recorder must not start a sound server of its own.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        m_attempted = true;
        scheduleRetry();
        return;
    }
    armConnectTimeout();
}

// A server that accepts the connection but never answers (stopped, hung) is given up on after
// kConnectTimeout, and tried again later.
void PulseConnection::armConnectTimeout()
{
    cancelTimer(&m_connectTimer);
    m_connectTimer = newTimer(m_loop, kConnectTimeout, &PulseConnection::onConnectTimeout, this);
}

void PulseConnection::scheduleRetry()
{
    cancelTimer(&m_connectTimer);
    if (m_retryTimer)
        return;
    m_retryTimer = newTimer(m_loop, m_backoff, &PulseConnection::onRetry, this);
    m_backoff = std::min(m_backoff * 2, kMaxRetry);
}

void PulseConnection::onRetry(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* self)
{
    auto* connection = static_cast<PulseConnection*>(self);
    connection->cancelTimer(&connection->m_retryTimer);
    connection->connectNow();
}

void PulseConnection::onConnectTimeout(pa_mainloop_api*, pa_time_event*, const struct timeval*,
                                       void* self)
{
    auto* connection = static_cast<PulseConnection*>(self);
    connection->cancelTimer(&connection->m_connectTimer);
    connection->dropContext();
    connection->m_attempted = true;
    connection->scheduleRetry();
}

void PulseConnection::onStateChanged(pa_context* context, void* self)
{
    auto* connection = static_cast<PulseConnection*>(self);
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY) {
        connection->cancelTimer(&connection->m_connectTimer);
        connection->m_ready = true;
        connection->m_backoff = kFirstRetry;
        connection->m_attempted = true;
        if (connection->m_onReady)
            connection->m_onReady(context);
    } else if (!PA_CONTEXT_IS_GOOD(state)) {
        const bool wasReady = connection->m_ready;
        connection->m_ready = false;
        connection->m_attempted = true;
        if (wasReady && connection->m_onLost)
            connection->m_onLost();
        // The context is dropped when the retry comes, not inside its own callback.
        connection->scheduleRetry();
    }
}

}  // namespace olmet
