#include "filemanagerlocation.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QUrl>

namespace FileManagerLocation {

namespace {

constexpr int kCallTimeoutMs = 5000;

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

bool serviceReachable(const QDBusConnection& bus)
{
    QDBusConnectionInterface* names = bus.interface();
    if (!names)
        return false;
    const QString service = QString::fromLatin1(kService);
    if (names->isServiceRegistered(service))
        return true;
    return names->activatableServiceNames().value().contains(service);
}

}  // namespace

bool showItem(const QString& filePath, const QDBusConnection& bus, QString* error)
{
    if (!bus.isConnected())
        return fail(error, QStringLiteral("ShowItems: not connected to the session bus"));
    if (!serviceReachable(bus))
        return fail(
            error,
            QStringLiteral("ShowItems: no file manager owns %1").arg(QLatin1String(kService)));
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(kService), QString::fromLatin1(kPath), QString::fromLatin1(kInterface),
        QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(filePath).toString(QUrl::FullyEncoded)} << QString();
    const QDBusMessage reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage)
        return fail(error, QStringLiteral("ShowItems: %1").arg(reply.errorMessage()));
    return true;
}

}  // namespace FileManagerLocation
