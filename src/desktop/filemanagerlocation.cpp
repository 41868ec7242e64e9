#include "filemanagerlocation.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QTimer>
#include <QUrl>

namespace FileManagerLocation {

namespace {

// A file manager started by D-Bus activation gets this long to answer.
constexpr int kCallTimeoutMs = 10000;

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

// Reports through the event loop, like an answer from the bus would.
void reportLater(QObject* context, std::function<void(bool, const QString&)> done,
                 const QString& error)
{
    QTimer::singleShot(0, context, [done = std::move(done), error] { done(false, error); });
}

}  // namespace

void showItem(const QString& filePath, const QDBusConnection& bus, QObject* context,
              std::function<void(bool ok, const QString& error)> done)
{
    if (!bus.isConnected())
        return reportLater(context, std::move(done),
                           QStringLiteral("ShowItems: not connected to the session bus"));
    if (!serviceReachable(bus))
        return reportLater(
            context, std::move(done),
            QStringLiteral("ShowItems: no file manager offers %1").arg(QLatin1String(kService)));
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(kService), QString::fromLatin1(kPath), QString::fromLatin1(kInterface),
        QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(filePath).toString(QUrl::FullyEncoded)} << QString();
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kCallTimeoutMs), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [done = std::move(done)](QDBusPendingCallWatcher* finished) {
                         const QDBusPendingReply<> reply = *finished;
                         finished->deleteLater();
                         if (reply.isError())
                             done(false,
                                  QStringLiteral("ShowItems: %1").arg(reply.error().message()));
                         else
                             done(true, QString());
                     });
}

}  // namespace FileManagerLocation
