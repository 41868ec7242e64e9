#pragma once
// Telling the user about something that happened while they were elsewhere (a recording that
// stopped by itself, a finished conversion), through the desktop's notification bubbles.
//
// Contract:
// - GUI thread only; notify() never blocks: the message is sent and the answer is not awaited.
// - notify() returns false when no notification can be sent at all (no bus); errorString()
//   says why, for the log. A notification server that refuses is only logged.
// - Whether to notify (for example not while the window has the focus) is the caller's choice.
//
// Implementations: FreedesktopNotifier (org.freedesktop.Notifications on the session bus) and
// NullDesktopNotifier (no session bus, tests).

#include <QString>

class DesktopNotifier {
public:
    virtual ~DesktopNotifier() = default;

    // A bubble with a one-line `summary` and a longer `body` (plain text).
    virtual bool notify(const QString& summary, const QString& body) = 0;
    virtual QString errorString() const = 0;
};
