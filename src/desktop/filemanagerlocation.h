#pragma once
// "Open File Location": asks the desktop's file manager to open the folder of a file with the
// file selected, through org.freedesktop.FileManager1.ShowItems on the session bus. The call
// does not block: `done` says whether the file manager took it, so that the caller can open
// the folder itself instead (no session bus, no file manager that implements the interface).
// GUI thread.

#include <QDBusConnection>
#include <QString>

#include <functional>

class QObject;

namespace FileManagerLocation {

inline constexpr const char* kService = "org.freedesktop.FileManager1";
inline constexpr const char* kPath = "/org/freedesktop/FileManager1";
inline constexpr const char* kInterface = "org.freedesktop.FileManager1";

// Sends ShowItems([file URI], "") and calls done(ok, error) once, from the event loop, when the
// answer comes (or at once when the bus is not there or nobody offers the service). `context`
// bounds the call's life: done is not called after it is gone.
void showItem(const QString& filePath, const QDBusConnection& bus, QObject* context,
              std::function<void(bool ok, const QString& error)> done);

}  // namespace FileManagerLocation
