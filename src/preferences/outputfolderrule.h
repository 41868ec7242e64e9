#pragma once
// The rules an output folder must meet before it is taken: a full path, a folder (created with
// its parents when missing), and one in which a file can be created. Files are only ever added
// to the folder; the probe file is removed again. Any thread.

#include <QString>

namespace OutputFolderRule {

// The folder as the settings keep it: '/' separators, cleaned, with a trailing '/'. A leading
// "~/" stands for the home folder.
QString normalized(const QString& folder);

// Why `folder` cannot take the output files, for the user; empty when it can. A missing folder
// is created (with its parents) first.
QString problem(const QString& folder);

// Whether a file can be created in `folder`: creates "Quillon Audio Recorder.txt" (or, when
// that name is taken, "Quillon Audio Recorder1.txt", "...2.txt", ...) and removes it again.
bool canCreateFileIn(const QString& folder);

}  // namespace OutputFolderRule
