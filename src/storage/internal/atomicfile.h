#pragma once
// The file operations behind every settings write: replacing a file atomically, removing the
// temporary files of writers that were killed, and keeping damaged files aside.
// Callers hold the file's XmlFileLock. Internal to the storage module.

#include <QByteArray>
#include <QString>

namespace XmlStore {

// Replaces filePath with bytes: they go to a temporary file "<name>.saving-XXXXXX" in the same
// folder, which is flushed to disk and renamed over the target; then the folder is synced so
// that the rename survives a power cut too. A crash at any point leaves the old or the new
// content under the name, never a mix. An existing file's permissions are kept. False (the
// target untouched, the temporary file removed) on failure, with the reason in *error.
bool replaceFileAtomically(const QString& filePath, const QByteArray& bytes, QString* error);

// Removes the temporary files replaceFileAtomically leaves when its process dies mid-write.
void removeStaleTemporaries(const QString& filePath);

// Moves a file that does not parse out of the way as "<name>.corrupt-<yyyyMMdd-HHmmss>" (with
// "-2", "-3", ... when that name is taken), so that every damaged version stays available for
// recovery by hand. Returns the new path, or empty when the file could not be moved.
QString setAsideDamagedFile(const QString& filePath);

}  // namespace XmlStore
