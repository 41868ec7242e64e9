#pragma once
// The login manager's sleep lock: org.freedesktop.login1.Manager.Inhibit with what "sleep" and
// mode "block" returns a file descriptor; the machine does not suspend while any process holds
// it open. Releasing closes the descriptor. The bus connection is given, so tests can point it
// at a private bus.

#include "sleepinhibitor.h"

#include <QDBusConnection>

class LogindSleepInhibitor : public SleepInhibitor {
public:
    static constexpr const char* kService = "org.freedesktop.login1";
    static constexpr const char* kPath = "/org/freedesktop/login1";
    static constexpr const char* kInterface = "org.freedesktop.login1.Manager";

    // `who` names the program in the inhibitor list (e.g. "Quillon Audio Recorder").
    LogindSleepInhibitor(const QDBusConnection& bus, const QString& who);
    ~LogindSleepInhibitor() override;

    bool acquire(const QString& why) override;
    void release() override;
    bool isHeld() const override { return m_fd >= 0; }
    QString errorString() const override { return m_error; }

    // The held descriptor, -1 when none.
    int fileDescriptor() const { return m_fd; }

private:
    QDBusConnection m_bus;
    QString m_who;
    QString m_error;
    int m_fd = -1;
};
