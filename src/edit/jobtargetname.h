#pragma once
// The file a conversion job writes: the requested name with a marker and a three-digit number
// before its extension ("song.mp3" -> "song_Trim_001.mp3") in the output folder, taking the
// first number whose file does not exist yet, so a job never overwrites anything.
//
// A name that already carries the marker and a number at the end of its base starts again from
// the base before them: cutting "song_Trim_001.mp3" gives "song_Trim_002.mp3", not
// "song_Trim_001_Trim_001.mp3". A marker elsewhere in the name is kept as part of the base.
// Any thread (it only looks at the file system).

#include <QString>

struct JobTarget {
    QString fileName;  // "song_Trim_002.mp3"
    QString path;      // the output folder + fileName
    bool isEmpty() const { return fileName.isEmpty(); }
};

namespace JobTargetName {

inline const QString kTrimMarker = QStringLiteral("_Trim");
inline const QString kEditMarker = QStringLiteral("_Edit");
// Numbers run from 1 to this; when every one is taken there is no target.
constexpr int kMaxNumber = 99999;

// The base of a requested name: the part before its extension (after the last '.'; a name
// that starts with its only '.' has no extension) with a trailing marker and number removed.
QString baseOf(const QString& requestedName, const QString& marker, QString* extension);

// The first free target in `folder` (with or without a trailing '/'); empty when the requested
// name is empty or every number is taken.
JobTarget freeTarget(const QString& folder, const QString& requestedName, const QString& marker);

}  // namespace JobTargetName
