#pragma once
// Repairs a recording that was cut off before its container was finished. The recorder writes
// files that stay playable when the process dies, but some containers only learn their length
// at the end: fragmented MP4/M4A has no overall duration or index, FLAC's STREAMINFO lacks the
// sample count, WMA's header lacks its packet count and play time. The engine copies the
// compressed frames into a fresh file of the same container (no re-encoding), which writes
// those headers. WAV and AIFF (their sizes are kept up to date while recording), Ogg, Opus,
// raw AC3 and MP3 (recorded at a constant rate: the length follows from the size) need
// nothing. Blocks until the copy is done; any thread.

#include <QString>

namespace RecordingRepair {

// Whether a file of this extension needs the copy.
bool needsRepair(const QString& extension);

// Copies the frames into a new file beside the original and puts it in the original's place.
// False (and the original untouched) when the copy fails; *error (optional) says why.
bool repair(const QString& path, QString* error = nullptr);

}  // namespace RecordingRepair
