#pragma once
// "Open File Location": asks the desktop's file manager to open the folder of a file with the
// file selected, through org.freedesktop.FileManager1.ShowItems on the session bus. The
// caller falls back to opening the folder itself when this fails (no session bus, no file
// manager that implements the interface). GUI thread.

#include <QDBusConnection>
#include <QString>

namespace FileManagerLocation {

inline constexpr const char* kService = "org.freedesktop.FileManager1";
inline constexpr const char* kPath = "/org/freedesktop/FileManager1";
inline constexpr const char* kInterface = "org.freedesktop.FileManager1";

// Calls ShowItems([file URI], startupId) and waits for the reply (a file manager started by
// D-Bus activation gets a few seconds). False when the bus is not there, nobody owns the
// service or the call fails; *error (optional) says why.
bool showItem(const QString& filePath, const QDBusConnection& bus = QDBusConnection::sessionBus(),
              QString* error = nullptr);

}  // namespace FileManagerLocation
