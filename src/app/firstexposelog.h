#pragma once
// Logs the moment a window is first on screen, as "window exposed at N ms since the epoch", so
// start-up time can be measured from outside against the moment the program was launched
// (bench/gui.sh). GUI thread only.

#include <functional>

class QWidget;

namespace FirstExposeLog {

// Creates the native window of `window` if needed and watches it; `then` runs once after the
// line is logged.
void watch(QWidget* window, std::function<void()> then = {});

}  // namespace FirstExposeLog
