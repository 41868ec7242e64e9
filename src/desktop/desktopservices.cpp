#include "desktopservices.h"

#include "freedesktopnotifier.h"
#include "logindpowercontrol.h"
#include "logindsleepinhibitor.h"
#include "mprisservice.h"
#include "nulldesktopnotifier.h"
#include "nullpowercontrol.h"
#include "nullremoteplayerservice.h"
#include "nullsleepinhibitor.h"

#include <QDBusConnection>
#include <QDBusError>

namespace DesktopServices {

namespace {

QString noBus(const char* which, const QDBusConnection& bus)
{
    return QStringLiteral("no %1 bus: %2").arg(QLatin1String(which), bus.lastError().message());
}

}  // namespace

std::unique_ptr<SleepInhibitor> createSleepInhibitor()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return std::make_unique<NullSleepInhibitor>(noBus("system", bus));
    return std::make_unique<LogindSleepInhibitor>(bus, QString::fromLatin1(kApplicationName));
}

std::unique_ptr<PowerControl> createPowerControl()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return std::make_unique<NullPowerControl>(noBus("system", bus));
    return std::make_unique<LogindPowerControl>(bus);
}

std::unique_ptr<DesktopNotifier> createNotifier()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::make_unique<NullDesktopNotifier>(noBus("session", bus));
    return std::make_unique<FreedesktopNotifier>(bus, QString::fromLatin1(kApplicationName),
                                                 QString::fromLatin1(kDesktopEntry));
}

std::unique_ptr<RemotePlayerService> publishPlayer(MediaPlayerControl& control,
                                                   std::function<void()> raise,
                                                   std::function<void()> quit)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::make_unique<NullRemotePlayerService>(noBus("session", bus));
    return std::make_unique<MprisService>(
        bus, control,
        MprisService::Identity{QString::fromLatin1(kApplicationName),
                               QString::fromLatin1(kDesktopEntry)},
        MprisService::Window{std::move(raise), std::move(quit)});
}

}  // namespace DesktopServices
