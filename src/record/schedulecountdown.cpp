#include "schedulecountdown.h"

#include "scheduletime.h"
#include "wallclock.h"

ScheduleCountdown::ScheduleCountdown(const WallClock& clock) : m_clock(clock) {}

void ScheduleCountdown::arm(uint64_t startUs, uint64_t endUs, const ScheduleRepeat& repeat)
{
    m_repeat = repeat;
    m_startUs = startUs;
    m_spanUs = ScheduleTime::spanUs(startUs, endUs);
    m_running = false;
    m_armed = true;
    advance(m_clock.now());
}

void ScheduleCountdown::advance(const QDateTime& notBefore)
{
    m_target = ScheduleTime::nextStart(notBefore, m_startUs, m_repeat);
    m_end = m_target.addMSecs(qint64(m_spanUs / 1000));
    m_tipAllowed = true;
    m_waiting = false;
    if (!m_target.isValid())
        disarm();
}

void ScheduleCountdown::disarm()
{
    m_armed = false;
    m_tipAllowed = false;
    m_running = false;
    m_waiting = false;
}

ScheduleCountdown::Tick ScheduleCountdown::tick(bool recording)
{
    Tick result;
    if (!m_armed)
        return result;
    const QDateTime now = m_clock.now();
    if (m_repeat.repeats())
        return tickRepeating(now, recording);
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

ScheduleCountdown::Tick ScheduleCountdown::tickRepeating(const QDateTime& now, bool recording)
{
    Tick result;
    if (m_running) {
        result.stopNow = now >= m_end;
        return result;
    }
    const qint64 secondsLeft = now.secsTo(m_target);
    if (secondsLeft >= 0 && secondsLeft <= kTipSeconds && m_tipAllowed && !m_waiting) {
        result.showTip = true;
        result.tipText = ScheduleTime::countdownText(secondsLeft);
    }
    if (now.msecsTo(m_target) >= 1)
        return result;
    result.showTip = false;
    if (now >= m_end) {
        // Nothing of this start's span is left to record.
        result.skipped = true;
        advance(now);
    } else if (recording) {
        result.waitStarted = !m_waiting;
        m_waiting = true;
    } else {
        m_waiting = false;
        m_running = true;
        result.startNow = true;
    }
    return result;
}

void ScheduleCountdown::recordingEnded()
{
    if (!m_armed || !m_running)
        return;
    m_running = false;
    // Past this start, even when the recording ended before its time came round again.
    const QDateTime now = m_clock.now();
    advance(now > m_target ? now : m_target.addMSecs(1));
}
