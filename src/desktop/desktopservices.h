#pragma once
// Where the program finds the services of the desktop it runs on. Each service is a small
// interface in this folder with a D-Bus implementation and a null one; the functions here pick
// the D-Bus one when its bus and service are there, and the null one otherwise, so a machine
// without a session or system bus (a container, a minimal window manager) runs the same code.
// GUI thread only.

#include <functional>
#include <memory>

#include "desktopnotifier.h"
#include "powercontrol.h"
#include "remoteplayerservice.h"
#include "sleepinhibitor.h"

class MediaPlayerControl;

namespace DesktopServices {

// The name the program gives itself towards desktop services.
inline constexpr const char* kApplicationName = "Quillon Audio Recorder";
// The program's id: its .desktop file without the suffix, its AppStream id and its icon name.
inline constexpr const char* kDesktopEntry = "com.quillonfennick.AudioRecorder";

// The login manager's sleep lock on the system bus, or a null inhibitor when there is no
// system bus.
std::unique_ptr<SleepInhibitor> createSleepInhibitor();

// Sleep and power-off through the login manager on the system bus, or a null control (which
// refuses, saying why) when there is no system bus.
std::unique_ptr<PowerControl> createPowerControl();

// Notification bubbles on the session bus, or the null notifier when there is no session bus.
std::unique_ptr<DesktopNotifier> createNotifier();

// Publishes `control` as the MPRIS player on the session bus (the null service without one).
// `raise` brings the window up when the desktop asks; `quit` ends the program. The control must
// outlive the returned service.
std::unique_ptr<RemotePlayerService> publishPlayer(MediaPlayerControl& control,
                                                   std::function<void()> raise,
                                                   std::function<void()> quit);

}  // namespace DesktopServices
