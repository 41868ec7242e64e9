#pragma once
// RequestPacer: keeps requests to a web service under its rate limit: no more than `count`
// requests reach the service within any window of `windowMs`. One shared pacer covers every
// request the process makes to the identification services (they ask for 3 per second).
//
// A request counts from its start until `windowMs` after its reply came back (finished()).
// Counting from the start alone would not do: a request the network or the scheduler holds up
// may reach the service late, in the same second as the ones started after it. The reply
// proves the request has arrived, so a request started a window after it cannot arrive
// within the same window.
//
// Never sleeps: tryTake() answers at once, and a caller that has to wait arms a timer and asks
// again. Thread-safe. Times come from a monotonic clock.

#include <QElapsedTimer>
#include <QMutex>

#include <vector>

class RequestPacer {
public:
    using Ticket = quint64;

    RequestPacer(int count, qint64 windowMs);

    // The pacer of the identification services: 3 requests per second.
    static RequestPacer& shared();

    // 0: a request may start now; it counts until finished(*ticket) plus the window.
    // Otherwise the milliseconds to wait before asking again.
    qint64 tryTake(Ticket* ticket);
    // The request's reply is complete, or the request was given up. Once per ticket is enough;
    // more calls change nothing.
    void finished(Ticket ticket);

private:
    struct Counted {
        Ticket ticket;
        qint64 finishedMs;  // -1 while the request runs
    };

    const int m_count;
    const qint64 m_windowMs;
    QMutex m_mutex;
    QElapsedTimer m_clock;
    std::vector<Counted> m_counted;
    Ticket m_nextTicket = 1;
};
