#pragma once
// The player on the session bus as an MPRIS media player ("org.mpris.MediaPlayer2.quillon",
// object /org/mpris/MediaPlayer2 with the interfaces org.mpris.MediaPlayer2 and
// org.mpris.MediaPlayer2.Player), so media keys, the desktop's sound menu and playerctl play,
// pause, stop, go to the next and previous recording, seek, and show the recording's title.
//
// Changes of the player are announced with org.freedesktop.DBus.Properties.PropertiesChanged
// (the position only through Seeked, as MPRIS asks). Raise and Quit are handed to the given
// functions; without them the service says it can neither raise nor quit.
//
// The bus connection is given, so tests can point it at a private bus. The control must
// outlive the service. GUI thread only.

#include "remoteplayerservice.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QVariantMap>

#include <functional>

class MediaPlayerControl;

// QDBusContext is a public base: D-Bus finds it through the meta-object of the registered
// object, which sees public bases only (adaptors get no context of their own).
class MprisService : public QObject, public QDBusContext, public RemotePlayerService {
    Q_OBJECT
public:
    static constexpr const char* kServiceName = "org.mpris.MediaPlayer2.quillon";
    static constexpr const char* kObjectPath = "/org/mpris/MediaPlayer2";

    struct Window {
        std::function<void()> raise;
        std::function<void()> quit;
    };

    // How the player names itself: the program's name and its desktop entry (the .desktop
    // file without the suffix, also the icon's name).
    struct Identity {
        QString name;
        QString desktopEntry;
    };

    // Registers the service; see isPublished() and errorString() for the outcome.
    MprisService(const QDBusConnection& bus, MediaPlayerControl& control, Identity identity,
                 Window window, QObject* parent = nullptr);
    ~MprisService() override;

    bool isPublished() const override { return m_published; }
    QString errorString() const override { return m_error; }

    MediaPlayerControl& control() const { return m_control; }
    const Window& window() const { return m_window; }
    const Identity& identity() const { return m_identity; }

    // Sends PropertiesChanged for `interface` with the changed values.
    void announce(const QString& interface, const QVariantMap& changed);
    // Answers the D-Bus call being handled with the error NotSupported.
    void refuseCall(const QString& message);

private:
    QDBusConnection m_bus;
    MediaPlayerControl& m_control;
    Identity m_identity;
    Window m_window;
    bool m_published = false;
    QString m_error;
};
