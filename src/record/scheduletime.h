#pragma once
// Times of day of the one-shot schedule: unsigned microseconds since midnight, stored as
// decimal strings in the settings, shown as "hh:mm:ss".

#include <QDateTime>
#include <QString>
#include <QTime>

#include <cstdint>

namespace ScheduleTime {

inline constexpr uint64_t kUsPerSecond = 1000000;
inline constexpr uint64_t kUsPerDay = 86400 * kUsPerSecond;

// hh:mm:ss of a time of day (seconds = us / 1000000; whole days are dropped).
QTime timeOfDay(uint64_t us);
// Microseconds since midnight of a time, whole seconds.
uint64_t microseconds(const QTime& time);
// "hh:mm:ss" split at ':' into microseconds since midnight; parts that are not numbers count 0.
uint64_t parseText(const QString& text);

// The moment a schedule starting at `startUs` fires: today at that time of day, or tomorrow
// when that time of day is already past.
QDateTime target(const QDateTime& now, uint64_t startUs);

// How long a scheduled recording runs: (end - start) over midnight, so an end earlier than the
// start means the next day. 0 when start and end are equal (no limit).
uint64_t spanUs(uint64_t startUs, uint64_t endUs);
// Whether a recording of `recordedUs` has run past the span (never when the span is 0).
bool spanExceeded(uint64_t startUs, uint64_t endUs, uint64_t recordedUs);

// The countdown tip: "%1s later, Quillon will start recording." with the seconds left.
QString countdownText(qint64 secondsLeft);

}  // namespace ScheduleTime
