#include "desktopservices.h"

#include "logindsleepinhibitor.h"
#include "nullsleepinhibitor.h"

#include <QDBusConnection>
#include <QDBusError>

namespace DesktopServices {

std::unique_ptr<SleepInhibitor> createSleepInhibitor()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        return std::make_unique<NullSleepInhibitor>(
            QStringLiteral("no system bus: %1").arg(bus.lastError().message()));
    }
    return std::make_unique<LogindSleepInhibitor>(bus, QString::fromLatin1(kApplicationName));
}

}  // namespace DesktopServices
