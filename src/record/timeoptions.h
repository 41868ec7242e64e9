#pragma once
// The stored time options of a recording: the stop-after length (kept and mirrored, not acted
// on by recording) and the one-shot schedule (start and end times of day). The schedule dialog
// edits them through these functions; each writes the settings file and the run-time copy in
// QRecordAreaInfo at once, so what the dialog shows is what is stored.
//
// Settings: "RECORD_TIME_INFO" / "Bool_Stop_After_Time", "Stop_time_lenght" (microseconds);
// "RECORD_SCHEDULE_INFO" / "Bool_Schedule", "Schedule_Start_Time", "Schedule_End_Time"
// (microseconds since midnight), "Schedule_Repeat", "Schedule_Days" (see ScheduleRepeat).
// GUI thread only.

#include "schedulerepeat.h"

#include <QString>

#include <cstdint>

namespace TimeOptions {

struct State {
    bool stopAfter = false;
    uint64_t stopAfterUs = 0;
    bool schedule = false;
    uint64_t startUs = 0;
    uint64_t endUs = 0;
    ScheduleRepeat repeat;
};

// What the dialog shows when it opens. The schedule box is ticked only when it was stored
// ticked, the stop-after option is off and start and end differ; otherwise it is stored off.
// The run-time copy gets start and end, and its schedule flag is cleared.
State load();

// Ticking one option unticks the other (stored and in the run-time copy).
void setStopAfter(bool on);
void setSchedule(bool on);

// A stop-after field as typed: empty reads as 0, a value above `limit` becomes the limit.
int clampField(const QString& text, int limit);
inline constexpr int kMaxHours = 99;
inline constexpr int kMaxMinutes = 59;
inline constexpr int kMaxSeconds = 59;
// Stores the stop-after length of hours, minutes and seconds when it changed.
void setStopAfterLength(int hours, int minutes, int seconds);

// Stores one end of the schedule (microseconds since midnight).
void setScheduleStart(uint64_t us);
void setScheduleEnd(uint64_t us);
// OK in the dialog: stores both times; the run-time schedule flag is set when the schedule box
// is ticked and the times differ, cleared otherwise. Returns that flag.
// The repeat choice is stored and copied too.
bool confirmSchedule(bool scheduleTicked, uint64_t startUs, uint64_t endUs,
                     const ScheduleRepeat& repeat = {});

// The first opening of the dialog after start-up: a one-time schedule does not survive a
// restart; a repeating one does.
void resetStored();
// At start-up: a stored repeating schedule that is switched on comes back into the run-time
// copy (times, repeat, schedule flag). True when there is one to arm.
bool restoreRepeating();
// After a recording and on cancel: the schedule is off, stored and at run time.
void switchScheduleOff();

}  // namespace TimeOptions
