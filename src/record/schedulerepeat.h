#pragma once
// When a schedule comes back: once (the first moment at its time of day), every day, on
// weekdays (Monday to Friday) or on chosen days of the week. Stored in the settings as a word
// ("once", "daily", "weekdays", "days") and the chosen days as ISO day numbers ("1,3,5";
// Monday = 1, Sunday = 7).

#include <QDateTime>
#include <QString>

#include <cstdint>

struct ScheduleRepeat {
    enum class Mode { Once, Daily, Weekdays, Days };

    Mode mode = Mode::Once;
    // Chosen days for Mode::Days: bit (day - 1) for ISO day `day`.
    uint8_t days = 0;

    bool repeats() const { return mode != Mode::Once; }
    // Whether a start on ISO day of the week `day` (1..7) belongs to the schedule (always for
    // Once: its one start may fall on any day).
    bool fallsOn(int day) const;
    // A repeating schedule without any day never starts.
    bool isEmpty() const { return mode == Mode::Days && (days & 0x7f) == 0; }

    QString modeText() const;
    QString daysText() const;
    // Unknown words read as Once; day numbers outside 1..7 are ignored.
    static ScheduleRepeat fromText(const QString& mode, const QString& days);

    bool operator==(const ScheduleRepeat& other) const
    {
        return mode == other.mode && (mode != Mode::Days || days == other.days);
    }
};

namespace ScheduleTime {

// The first start at time of day `startUs` that is not before `notBefore` and falls on a day of
// the schedule; invalid when no day qualifies.
QDateTime nextStart(const QDateTime& notBefore, uint64_t startUs, const ScheduleRepeat& repeat);

}  // namespace ScheduleTime
