#include "trimmarks.h"

#include <algorithm>

void TrimMarks::reset(uint64_t durationUs)
{
    m_durationUs = durationUs;
    clear();
}

void TrimMarks::clear()
{
    m_startUs = 0;
    m_endUs = 0;
}

uint64_t TrimMarks::segmentUs() const
{
    const uint64_t end = shownEndUs();
    return end > m_startUs ? end - m_startUs : 0;
}

void TrimMarks::setStart(uint64_t us)
{
    m_startUs = std::min(us, shownEndUs());
}

void TrimMarks::setEnd(uint64_t us)
{
    if (us < m_startUs)
        m_endUs = m_startUs;
    else if (us >= m_durationUs)
        m_endUs = 0;
    else
        m_endUs = us;
}

void TrimMarks::setRange(uint64_t startUs, uint64_t endUs)
{
    m_startUs = 0;
    setEnd(endUs);
    setStart(startUs);
}

uint64_t TrimMarks::atFraction(double fraction) const
{
    return uint64_t(double(m_durationUs) * std::clamp(fraction, 0.0, 1.0));
}

double TrimMarks::percentOf(uint64_t us) const
{
    return m_durationUs ? double(us) * 100.0 / double(m_durationUs) : 0.0;
}
