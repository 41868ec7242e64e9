#include "freedesktopnotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {
// -1: the server's own default, which follows the user's desktop settings.
constexpr int kServerDefaultTimeout = -1;
}  // namespace

FreedesktopNotifier::FreedesktopNotifier(const QDBusConnection& bus, const QString& applicationName,
                                         const QString& desktopEntry, QObject* parent)
    : QObject(parent), m_bus(bus), m_applicationName(applicationName), m_desktopEntry(desktopEntry)
{
}

bool FreedesktopNotifier::notify(const QString& summary, const QString& body)
{
    if (!m_bus.isConnected()) {
        m_error = QStringLiteral("Notify: not connected to the session bus");
        return false;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                       QString::fromLatin1(kInterface), QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), m_desktopEntry}};
    call << m_applicationName << quint32(0) << m_desktopEntry << summary << body << QStringList()
         << hints << qint32(kServerDefaultTimeout);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* done) {
                const QDBusPendingReply<quint32> reply = *done;
                if (reply.isError()) {
                    m_error = QStringLiteral("Notify: %1").arg(reply.error().message());
                    qWarning("desktop notification not shown: %s", qPrintable(m_error));
                }
                done->deleteLater();
            });
    return true;
}
