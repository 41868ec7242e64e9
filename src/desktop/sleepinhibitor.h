#pragma once
// Keeping the machine awake while something must not be interrupted (a recording).
//
// Contract:
// - GUI thread only; calls return at once or within the D-Bus call's time-out (a few seconds
//   at most), never block on the user.
// - acquire() takes the lock; a second acquire() while held does nothing and returns true.
//   release() gives it back; safe to call when nothing is held.
// - A failure to acquire is not an error for the caller: the recording goes on and the machine
//   may sleep. errorString() says why, for the log.
// - Destruction releases what is held.
//
// Implementations: LogindSleepInhibitor (the login manager on the system bus) and
// NullSleepInhibitor (no system bus, tests).

#include <QString>

class SleepInhibitor {
public:
    virtual ~SleepInhibitor() = default;

    // Asks the system not to sleep; `why` is shown to the user by tools that list inhibitors.
    virtual bool acquire(const QString& why) = 0;
    virtual void release() = 0;
    virtual bool isHeld() const = 0;
    virtual QString errorString() const = 0;
};
