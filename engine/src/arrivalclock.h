#pragma once
// When output positions became available: the recorder notes, each time it looks, how far the
// leading input reaches and when it saw that. A position that has been available for longer than
// the allowed latency may be written even though a lagging input has not covered it yet; the
// lagging input then counts as silent there, and its samples for that stretch, should they still
// come, are dropped (never moved).
//
// Only the waiting is measured by the clock; where samples land is decided by their timestamps
// alone. Times are passed in by the caller, so the class itself does not depend on the clock.
// Used by the recorder's thread only.

#include <cstdint>
#include <deque>

namespace brisca {

class ArrivalClock {
public:
    explicit ArrivalClock(int64_t maxLatencyUs) : m_maxLatencyUs(maxLatencyUs) {}

    void reset()
    {
        m_seen.clear();
        m_aged = 0;
    }

    // The leading input reaches `position` at time `nowUs`.
    void note(int64_t position, int64_t nowUs)
    {
        if (m_seen.empty() ? position > m_aged : position > m_seen.back().position)
            m_seen.push_back({nowUs, position});
    }

    // The furthest position that has been available for at least the allowed latency at `nowUs`.
    int64_t agedPosition(int64_t nowUs)
    {
        while (!m_seen.empty() && nowUs - m_seen.front().atUs >= m_maxLatencyUs) {
            m_aged = m_seen.front().position;
            m_seen.pop_front();
        }
        return m_aged;
    }

private:
    struct Seen {
        int64_t atUs;
        int64_t position;
    };

    int64_t m_maxLatencyUs;
    std::deque<Seen> m_seen;  // ascending in time and position
    int64_t m_aged = 0;
};

}  // namespace brisca
