#pragma once
// The countdown of an armed schedule: when it is to start the recording, and when and with
// which text the countdown tip shows. The main window arms it when the user confirms a
// schedule, calls tick() from a 300 ms timer and acts on the answer.
//
// Time comes from an injected WallClock, so what a tick decides depends on the clock's reading,
// not on how late the timer fired. GUI thread only.

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
        bool startNow = false;  // the start time is reached: start recording
    };

    explicit ScheduleCountdown(const WallClock& clock);

    // Arms the schedule for the next moment at time of day `startUs`; the tip is allowed.
    void arm(uint64_t startUs);
    // Forgets the schedule (started, cancelled or reset).
    void disarm();
    // One countdown step. After a tick that says startNow the countdown is disarmed.
    Tick tick();
    // The user closed the tip: it stays closed for this schedule.
    void closeTip() { m_tipAllowed = false; }

    bool isArmed() const { return m_armed; }
    bool tipAllowed() const { return m_tipAllowed; }
    QDateTime target() const { return m_target; }

private:
    const WallClock& m_clock;
    QDateTime m_target;
    bool m_armed = false;
    bool m_tipAllowed = false;
};
