#include "requestpacer.h"

#include <QMutexLocker>

namespace {
constexpr int kServiceRequestsPerWindow = 3;
// 3 per 1.2 s: the margin keeps a request that reaches the service late from sharing a second
// with the three after it.
constexpr qint64 kServiceWindowMs = 1200;
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

qint64 RequestPacer::tryTake()
{
    QMutexLocker lock(&m_mutex);
    const qint64 now = m_clock.elapsed();
    if (int(m_started.size()) >= m_count) {
        const qint64 freeAt = m_started.front() + m_windowMs;
        if (now < freeAt)
            return freeAt - now;
        m_started.pop_front();
    }
    m_started.push_back(now);
    return 0;
}
