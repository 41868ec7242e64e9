#include "logindsleepinhibitor.h"

#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusUnixFileDescriptor>

#include <unistd.h>

namespace {
// The login manager answers at once; a bus that hangs must not freeze the window for long.
constexpr int kCallTimeoutMs = 3000;
}  // namespace

LogindSleepInhibitor::LogindSleepInhibitor(const QDBusConnection& bus, const QString& who)
    : m_bus(bus), m_who(who)
{
}

LogindSleepInhibitor::~LogindSleepInhibitor()
{
    release();
}

bool LogindSleepInhibitor::acquire(const QString& why)
{
    if (m_fd >= 0)
        return true;
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                       QString::fromLatin1(kInterface), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep") << m_who << why << QStringLiteral("block");
    const QDBusReply<QDBusUnixFileDescriptor> reply =
        m_bus.call(call, QDBus::Block, kCallTimeoutMs);
    if (!reply.isValid()) {
        m_error = QStringLiteral("logind Inhibit: %1").arg(reply.error().message());
        return false;
    }
    // The reply's descriptor is closed with the reply object; keep a duplicate of our own.
    m_fd = ::dup(reply.value().fileDescriptor());
    if (m_fd < 0) {
        m_error = QStringLiteral("logind Inhibit: the reply carried no file descriptor");
        return false;
    }
    m_error.clear();
    return true;
}

void LogindSleepInhibitor::release()
{
    if (m_fd < 0)
        return;
    ::close(m_fd);
    m_fd = -1;
}
