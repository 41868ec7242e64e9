#include "schedulecountdown.h"

#include "scheduletime.h"
#include "wallclock.h"

ScheduleCountdown::ScheduleCountdown(const WallClock& clock) : m_clock(clock) {}

void ScheduleCountdown::arm(uint64_t startUs)
{
    m_target = ScheduleTime::target(m_clock.now(), startUs);
    m_armed = true;
    m_tipAllowed = true;
}

void ScheduleCountdown::disarm()
{
    m_armed = false;
    m_tipAllowed = false;
}

ScheduleCountdown::Tick ScheduleCountdown::tick()
{
    Tick result;
    if (!m_armed)
        return result;
    const QDateTime now = m_clock.now();
    const qint64 secondsLeft = now.secsTo(m_target);
    if (secondsLeft <= kTipSeconds && m_tipAllowed) {
        result.showTip = true;
        result.tipText = ScheduleTime::countdownText(secondsLeft);
    }
    if (now.msecsTo(m_target) < 1) {
        result.startNow = true;
        result.showTip = false;
        disarm();
    }
    return result;
}
