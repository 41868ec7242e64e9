#pragma once
// Where an identified recording is filed: the sub-folder of its folder that the preference
// "Archive output tracks by" names (the artist, or the artist and then the album), with names
// the file system takes, and the move of the file into it. QtCore only; any thread.

#include <QString>

#include "preferencevalues.h"

namespace RecordingArchive {

// `name` as one folder name: no '/' or '\', no control characters, no leading dots, spaces
// trimmed and collapsed, at most kMaxNameBytes of UTF-8; `fallback` when nothing is left.
QString safeFolderName(const QString& name, const QString& fallback);
constexpr int kMaxNameBytes = 200;

// The folder below `base` for the artist and album; empty for ArchiveBy::None.
QString folderFor(const QString& base, PreferenceValues::ArchiveBy by, const QString& artist,
                  const QString& album);

// Moves `file` into `folder` (created as needed) under its own name, numbered "name(n).ext"
// when the name is taken there. On failure the file stays where it is; *error says why.
bool moveInto(const QString& file, const QString& folder, QString* movedTo, QString* error);

}  // namespace RecordingArchive
