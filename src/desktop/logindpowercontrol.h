#pragma once
// Sleep and power-off through the login manager: org.freedesktop.login1.Manager.Suspend and
// .PowerOff with interactive = false, so a policy that wants a password refuses at once
// instead of waiting for an agent. The bus connection is given, so tests can point it at a
// private bus with a stand-in manager.

#include "powercontrol.h"

#include <QDBusConnection>

class LogindPowerControl : public PowerControl {
public:
    explicit LogindPowerControl(const QDBusConnection& bus);

    bool suspend() override;
    bool powerOff() override;
    QString errorString() const override { return m_error; }

private:
    bool call(const QString& method);

    QDBusConnection m_bus;
    QString m_error;
};
