#pragma once
// The output format a file name's extension stands for when no catalogue profile is chosen:
// the container key and codec the engine writes for it ("mp3" -> MP3/MP3, "m4a" -> M4A/AAC,
// ...). For the command line's record and convert.

#include <QString>

struct EncodeSettings;

// Fills formatKey, audioCodec and (Opus: 48000) sampleRateHz; false for an unknown extension.
bool encodeSettingsForExtension(const QString& extension, EncodeSettings* settings);
// ".mp3 .m4a ..." for messages.
QString knownExtensions();
