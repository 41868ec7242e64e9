#include "silencewatch.h"

#include "wallclock.h"

SilenceWatch::SilenceWatch(const WallClock& clock) : m_clock(clock) {}

void SilenceWatch::begin()
{
    m_alwaysSilent = true;
    m_lastSilent = false;
    m_silenceStart = QDateTime();
}

bool SilenceWatch::takeBlock(bool silent)
{
    m_lastSilent = silent;
    if (m_alwaysSilent && !silent) {
        m_alwaysSilent = false;
        return true;
    }
    return false;
}

bool SilenceWatch::check()
{
    if (!m_lastSilent) {
        m_silenceStart = QDateTime();
        return false;
    }
    const QDateTime now = m_clock.now();
    if (!m_silenceStart.isValid()) {
        m_silenceStart = now;
        m_split = SilenceRules::readSplitSettings();
        return false;
    }
    if (!SilenceRules::silenceSplits(m_split, m_silenceStart.msecsTo(now)))
        return false;
    m_silenceStart = now;
    m_split = SilenceRules::readSplitSettings();
    return true;
}
