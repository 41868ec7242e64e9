#pragma once
// Putting the machine to sleep or switching it off, when the user asked for it to happen once
// every conversion job has finished.
//
// Contract:
// - GUI thread only; a call returns within the D-Bus call's time-out (a few seconds at most).
// - suspend() and powerOff() ask without interaction: where the system would have to ask the
//   user for a password first, the call fails instead of waiting for one.
// - true means the request was accepted; the machine goes down shortly after, so callers must
//   have stored everything before they ask. false leaves the machine running, with the reason
//   in errorString() for the log and the user.
//
// Implementations: LogindPowerControl (the login manager on the system bus) and
// NullPowerControl (no system bus; every request fails with the reason).

#include <QString>

class PowerControl {
public:
    virtual ~PowerControl() = default;

    virtual bool suspend() = 0;
    virtual bool powerOff() = 0;
    virtual QString errorString() const = 0;
};
