#pragma once
// RequestPacer: keeps requests to a web service under its rate limit: at most `count` requests
// start within any window of `windowMs`. One shared pacer covers every request the process
// makes to the identification services (they ask for no more than 3 per second).
//
// Never sleeps: tryTake() answers at once, and a caller that has to wait arms a timer and asks
// again. Thread-safe. Times come from a monotonic clock.

#include <QElapsedTimer>
#include <QMutex>

#include <deque>

class RequestPacer {
public:
    RequestPacer(int count, qint64 windowMs);

    // The pacer of the identification services: 3 requests per second, with a margin so that
    // a request the network delays a little cannot crowd the next window.
    static RequestPacer& shared();

    // 0: a request may start now (and is counted); otherwise the milliseconds to wait before
    // asking again.
    qint64 tryTake();

private:
    const int m_count;
    const qint64 m_windowMs;
    QMutex m_mutex;
    QElapsedTimer m_clock;
    std::deque<qint64> m_started;  // the latest m_count start times, oldest first
};
