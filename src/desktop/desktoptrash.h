#pragma once
// Deleting a file to the desktop's trash (the freedesktop.org trash: the file moves to
// $XDG_DATA_HOME/Trash/files, or the trash folder of its own file system, with a .trashinfo
// entry that remembers where it came from), so that a mistaken delete can be undone from the
// file manager. Any thread.

#include <QString>

namespace DesktopTrash {

// Moves the file to the trash: Qt's implementation of the trash first, `gio trash` where that
// fails (a file system without a trash folder Qt can make). False when the file stays where
// it is; *error (optional) says why.
bool moveToTrash(const QString& path, QString* error = nullptr);

}  // namespace DesktopTrash
