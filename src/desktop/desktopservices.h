#pragma once
// Where the program finds the services of the desktop it runs on. Each service is a small
// interface in this folder with a D-Bus implementation and a null one; the functions here pick
// the D-Bus one when its bus and service are there, and the null one otherwise, so a machine
// without a session or system bus (a container, a minimal window manager) runs the same code.
// GUI thread only.

#include <memory>

#include "sleepinhibitor.h"

namespace DesktopServices {

// The name the program gives itself towards desktop services.
inline constexpr const char* kApplicationName = "Quillon Audio Recorder";

// The login manager's sleep lock on the system bus, or a null inhibitor when there is no
// system bus.
std::unique_ptr<SleepInhibitor> createSleepInhibitor();

}  // namespace DesktopServices
