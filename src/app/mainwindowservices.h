#pragma once
// What the main window takes from its surroundings. main() passes the defaults; tests pass a
// clock they drive, a sleep inhibitor, a notifier, a tray that exists or not, the device plugin
// of the build tree and a recordings sink.

#include <functional>
#include <memory>

#include <QString>

#include "desktopnotifier.h"
#include "sleepinhibitor.h"
#include "wallclock.h"

class IRecordingSink;
class MediaPlayerControl;
class RemotePlayerService;

struct MainWindowServices {
    // "Now" for the schedule and the silence watch.
    const WallClock* clock = &WallClock::system();
    // Held while a recording runs; null: the desktop's (logind, or none without a system bus).
    std::unique_ptr<SleepInhibitor> sleepInhibitor;
    // Tells a user who is elsewhere that a recording stopped by itself; null: the desktop's
    // notification bubbles (or none without a session bus).
    std::unique_ptr<DesktopNotifier> notifier;
    // Where finished recordings go; null until the recordings list exists.
    IRecordingSink* recordingSink = nullptr;
    // The sound-device plugin; empty: the one beside the executable.
    QString devicePluginPath;
    // Whether a tray exists; empty: ask Qt.
    std::function<bool()> trayAvailable;
    // Publishes the play bar to the desktop's media keys and sound menu; empty: MPRIS on the
    // session bus (nothing without one).
    std::function<std::unique_ptr<RemotePlayerService>(MediaPlayerControl&)> publishPlayer;
};
