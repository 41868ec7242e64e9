#pragma once
// Notification bubbles through org.freedesktop.Notifications.Notify on the session bus: the
// program's name and icon, the desktop entry as a hint (so the desktop can group and raise the
// program), the server's default time-out. The bus connection is given, so tests can point it
// at a private bus.

#include "desktopnotifier.h"

#include <QDBusConnection>
#include <QObject>

class FreedesktopNotifier : public QObject, public DesktopNotifier {
    Q_OBJECT
public:
    static constexpr const char* kService = "org.freedesktop.Notifications";
    static constexpr const char* kPath = "/org/freedesktop/Notifications";
    static constexpr const char* kInterface = "org.freedesktop.Notifications";

    // `applicationName` is shown by the server; `desktopEntry` names the .desktop file (without
    // the suffix) and the icon of the theme.
    FreedesktopNotifier(const QDBusConnection& bus, const QString& applicationName,
                        const QString& desktopEntry, QObject* parent = nullptr);

    bool notify(const QString& summary, const QString& body) override;
    QString errorString() const override { return m_error; }

private:
    QDBusConnection m_bus;
    QString m_applicationName;
    QString m_desktopEntry;
    QString m_error;
};
