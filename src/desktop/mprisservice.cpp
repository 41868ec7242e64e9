#include "mprisservice.h"

#include "mprisplayeradaptor.h"
#include "mprisrootadaptor.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

MprisService::MprisService(const QDBusConnection& bus, MediaPlayerControl& control,
                           Identity identity, Window window, QObject* parent)
    : QObject(parent),
      m_bus(bus),
      m_control(control),
      m_identity(std::move(identity)),
      m_window(std::move(window))
{
    // Adaptors are children of the exported object and must exist before it is registered.
    new MprisRootAdaptor(this);
    new MprisPlayerAdaptor(this);
    if (!m_bus.isConnected()) {
        m_error = QStringLiteral("MPRIS: not connected to the session bus");
        return;
    }
    if (!m_bus.registerObject(QString::fromLatin1(kObjectPath), this,
                              QDBusConnection::ExportAdaptors)) {
        m_error = QStringLiteral("MPRIS: cannot register %1: %2")
                      .arg(QString::fromLatin1(kObjectPath), m_bus.lastError().message());
        return;
    }
    if (!m_bus.registerService(QString::fromLatin1(kServiceName))) {
        m_error = QStringLiteral("MPRIS: cannot own %1: %2")
                      .arg(QString::fromLatin1(kServiceName), m_bus.lastError().message());
        m_bus.unregisterObject(QString::fromLatin1(kObjectPath));
        return;
    }
    m_published = true;
}

MprisService::~MprisService()
{
    if (!m_published)
        return;
    m_bus.unregisterService(QString::fromLatin1(kServiceName));
    m_bus.unregisterObject(QString::fromLatin1(kObjectPath));
}

void MprisService::announce(const QString& interface, const QVariantMap& changed)
{
    if (!m_published || changed.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        QString::fromLatin1(kObjectPath), QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    signal << interface << changed << QStringList();
    m_bus.send(signal);
}

void MprisService::refuseCall(const QString& message)
{
    if (calledFromDBus())
        sendErrorReply(QDBusError::NotSupported, message);
}
