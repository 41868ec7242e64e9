#pragma once
// The local date-time that the silence watch and the schedule measure against. Injectable, so
// tests decide what "now" is instead of depending on how late a timer fires.

#include <QDateTime>

class WallClock {
public:
    virtual ~WallClock() = default;
    // The current local date-time (millisecond resolution).
    virtual QDateTime now() const = 0;

    // The system's clock; lives for the whole process.
    static const WallClock& system();
};
