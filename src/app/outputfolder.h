#pragma once
// The folder new recordings are written to, and the names they get.
//
// One folder per process. At start it is the stored setting "OutPut_path" / "path_value",
// read with the default <documents folder>/Converted/ (the XDG documents folder); the
// preferences dialog changes it through set(). Names are "REC_" + the local date-time
// "yyyyMMddhhmmsszzz" + "." + the format's extension; a name that is taken gets "(1)", "(2)",
// ... before the extension, so a recording never overwrites a file. GUI thread only.

#include <QDateTime>
#include <QString>

namespace OutputFolder {

// <documents folder>/Converted/ with '/' separators (created when missing).
QString defaultFolder();
// Reads the stored folder (default above) and makes it current through set().
void initFromSettings();
// The current folder (as stored; may end with '/').
QString current();
// Makes `path` the current folder: the file-system root stays the root, the folder is created
// when missing, and the path is stored. The path is used even when it cannot be created (the
// next recording then fails with a message); false and `error` say so.
bool set(const QString& path, QString* error = nullptr);

// Why a recording cannot be written into `folder` (it cannot be created, is not a folder or is
// not writable); empty when it can.
QString unwritableReason(const QString& folder);

// A path for a new recording in `folder` that names no existing file.
QString newRecordingPath(const QString& folder, const QString& extension, const QDateTime& now);
// folder/name.extension, or, when that exists, the first free folder/name(n).extension.
QString freePath(const QString& folder, const QString& name, const QString& extension);

}  // namespace OutputFolder
