#include "requestpacer.h"

#include <QMutexLocker>

#include <algorithm>

namespace {
constexpr int kServiceRequestsPerWindow = 3;
constexpr qint64 kServiceWindowMs = 1000;
// How soon to ask again while every counted request still runs (no time is known yet).
constexpr qint64 kRunningRetryMs = 50;
}  // namespace

RequestPacer::RequestPacer(int count, qint64 windowMs) : m_count(count), m_windowMs(windowMs)
{
    m_clock.start();
}

RequestPacer& RequestPacer::shared()
{
    static RequestPacer pacer(kServiceRequestsPerWindow, kServiceWindowMs);
    return pacer;
}

qint64 RequestPacer::tryTake(Ticket* ticket)
{
    QMutexLocker lock(&m_mutex);
    const qint64 now = m_clock.elapsed();
    m_counted.erase(std::remove_if(m_counted.begin(), m_counted.end(),
                                   [&](const Counted& c) {
                                       return c.finishedMs >= 0 && c.finishedMs + m_windowMs <= now;
                                   }),
                    m_counted.end());
    if (int(m_counted.size()) < m_count) {
        *ticket = m_nextTicket++;
        m_counted.push_back({*ticket, -1});
        return 0;
    }
    // The first finished request to leave the window frees a place.
    qint64 wait = -1;
    for (const Counted& c : m_counted) {
        if (c.finishedMs < 0)
            continue;
        const qint64 left = c.finishedMs + m_windowMs - now;
        wait = wait < 0 ? left : std::min(wait, left);
    }
    return wait < 0 ? kRunningRetryMs : std::max<qint64>(wait, 1);
}

void RequestPacer::finished(Ticket ticket)
{
    QMutexLocker lock(&m_mutex);
    for (Counted& c : m_counted) {
        if (c.ticket == ticket && c.finishedMs < 0)
            c.finishedMs = m_clock.elapsed();
    }
}
