#include "logindpowercontrol.h"

#include <QDBusMessage>
#include <QDBusReply>

#include "logindsleepinhibitor.h"

namespace {
// The login manager answers at once (the machine goes down after the reply); a bus that hangs
// must not freeze the window for long.
constexpr int kCallTimeoutMs = 5000;
}  // namespace

LogindPowerControl::LogindPowerControl(const QDBusConnection& bus) : m_bus(bus) {}

bool LogindPowerControl::suspend()
{
    return call(QStringLiteral("Suspend"));
}

bool LogindPowerControl::powerOff()
{
    return call(QStringLiteral("PowerOff"));
}

bool LogindPowerControl::call(const QString& method)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        QString::fromLatin1(LogindSleepInhibitor::kService),
        QString::fromLatin1(LogindSleepInhibitor::kPath),
        QString::fromLatin1(LogindSleepInhibitor::kInterface), method);
    message << false;  // interactive: never wait for a password prompt
    const QDBusReply<void> reply = m_bus.call(message, QDBus::Block, kCallTimeoutMs);
    if (!reply.isValid()) {
        m_error = QStringLiteral("logind %1: %2").arg(method, reply.error().message());
        return false;
    }
    m_error.clear();
    return true;
}
