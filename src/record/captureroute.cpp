#include "captureroute.h"

void CaptureRoute::reset(const Target& first)
{
    m_current = first;
    for (HandOver& slot : m_pending)
        slot = HandOver();
    m_scheduled.store(0, std::memory_order_release);
    m_taken.store(0, std::memory_order_release);
}

bool CaptureRoute::handOverAt(int64_t atUs, const Target& next)
{
    const uint64_t scheduled = m_scheduled.load(std::memory_order_relaxed);
    if (scheduled - m_taken.load(std::memory_order_acquire) >= uint64_t(kMaxPending))
        return false;
    m_pending[scheduled % kMaxPending] = {atUs, next};
    m_scheduled.store(scheduled + 1, std::memory_order_release);
    return true;
}

int64_t CaptureRoute::nextPointUs() const
{
    const uint64_t taken = m_taken.load(std::memory_order_relaxed);
    if (m_scheduled.load(std::memory_order_acquire) == taken)
        return INT64_MAX;
    return m_pending[taken % kMaxPending].atUs;
}

void CaptureRoute::advance()
{
    const uint64_t taken = m_taken.load(std::memory_order_relaxed);
    if (m_scheduled.load(std::memory_order_acquire) == taken)
        return;
    m_current = m_pending[taken % kMaxPending].target;
    m_taken.store(taken + 1, std::memory_order_release);
}
