#pragma once
// The countdown of an armed schedule: when it is to start the recording, and when and with
// which text the countdown tip shows. The main window arms it when the user confirms a
// schedule, calls tick() from a 300 ms timer and acts on the answer.
//
// A schedule that repeats stays armed: after the recording it started has ended
// (recordingEnded()) it counts down to its next start. Its recording ends at the schedule's end
// time on the clock (stopNow), also when it started late. A start that comes while another
// recording runs waits until that one ends (waitStarted, once per start) and is skipped when the
// end time has passed meanwhile (skipped); so is a start the clock jumped over.
//
// Time comes from an injected WallClock, so what a tick decides depends on the clock's reading,
// not on how late the timer fired. GUI thread only.

#include "schedulerepeat.h"

#include <QDateTime>
#include <QString>

#include <cstdint>

class WallClock;

class ScheduleCountdown {
public:
    // The tip appears this many seconds before the start.
    static constexpr qint64 kTipSeconds = 60;

    struct Tick {
        bool showTip = false;  // show (or update) the tip with tipText
        QString tipText;
        bool startNow = false;     // the start time is reached: start recording
        bool stopNow = false;      // a repeating schedule's recording reached its end time
        bool waitStarted = false;  // the start came while a recording runs: it waits
        bool skipped = false;      // a start passed without a recording; the next one is armed
    };

    explicit ScheduleCountdown(const WallClock& clock);

    // Arms the schedule for the next moment at time of day `startUs` (on a day of `repeat`);
    // the tip is allowed. A repeating schedule also needs its end `endUs` (time of day).
    void arm(uint64_t startUs, uint64_t endUs = 0, const ScheduleRepeat& repeat = {});
    // Forgets the schedule (started, cancelled or reset).
    void disarm();
    // One countdown step; `recording`: a recording runs now. After a tick that says startNow a
    // one-time countdown is disarmed.
    Tick tick(bool recording = false);
    // A recording has ended. If this schedule started it and repeats, the countdown goes on to
    // the next start.
    void recordingEnded();
    // The user closed the tip: it stays closed for this start.
    void closeTip() { m_tipAllowed = false; }

    bool isArmed() const { return m_armed; }
    bool repeats() const { return m_armed && m_repeat.repeats(); }
    // A recording this repeating schedule started runs.
    bool isRunning() const { return m_running; }
    bool tipAllowed() const { return m_tipAllowed; }
    // The next start (the current one while its recording runs or waits) and its end.
    QDateTime target() const { return m_target; }
    QDateTime end() const { return m_end; }

private:
    Tick tickRepeating(const QDateTime& now, bool recording);
    // Arms the first start not before `notBefore`.
    void advance(const QDateTime& notBefore);

    const WallClock& m_clock;
    QDateTime m_target;
    QDateTime m_end;
    ScheduleRepeat m_repeat;
    uint64_t m_startUs = 0;
    uint64_t m_spanUs = 0;
    bool m_armed = false;
    bool m_tipAllowed = false;
    bool m_running = false;
    bool m_waiting = false;
};
