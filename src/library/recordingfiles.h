#pragma once
// What the recordings list does to recording files on disk: renaming without overwriting,
// deleting to the desktop's trash, and tidying the folders a deleted file leaves empty.

#include <QString>

namespace RecordingFiles {

// Whether a new name is refused before the file system is asked: empty, ".", "..", or
// holding one of / : * " < > | ? or a backslash.
bool isRefusedName(const QString& name);

// The path a file renamed to `name` takes in `folder`: folder/name.extension, or, while that
// exists, folder/name(1).extension, name(2), ... An empty extension adds no dot.
QString freeRenamePath(const QString& folder, const QString& name, const QString& extension);

// Renames the file; false (and the file untouched) when the name is refused or the file system
// will not take it. *newPath receives the path it got.
bool renameRecording(const QString& path, const QString& name, QString* newPath);

// Moves the file to the desktop's trash and removes the folders it leaves empty, up to (not
// including) `keepFolder`. False when the file stays where it is (*error says why).
bool deleteRecording(const QString& path, const QString& keepFolder, QString* error);

// Starting at `folder`, removes each folder that is empty and lies inside `keepFolder`, going
// up to its parent, and stops at the first one that is not empty. Folders compare after '\'
// becomes '/' and '//' becomes '/', case-insensitively. Nothing outside keepFolder (or with an
// empty keepFolder) is touched.
void tidyFolders(const QString& folder, const QString& keepFolder);

}  // namespace RecordingFiles
