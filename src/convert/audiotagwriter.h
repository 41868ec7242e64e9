#pragma once
// Writes a VEAudioTagInfo into a file with our tag writer (src/tags), the way media
// information and the converter both need it:
//   slots 0 title, 1 artist, 2 album, 3 genre, 4 year, 5 track, 6 comment, 7 copyright,
//   10 album artist, 11 composer, 12 grouping, 13 disc; 9 the cover (front cover);
//   never 8 (the date is not written back).
// An empty text is skipped, so clearing a field never removes it from the file. A text that
// is not valid UTF-8 is read in the locale's code page instead.

#include <QString>

#include <string>

#include "veaudiotaginfo.h"

// False when the file cannot be opened for writing or the save fails; *error says why.
bool writeAudioTags(const QString& path, const VEAudioTagInfo& tags, QString* error = nullptr);

// The UTF-8 check the tag texts go through: one-, two- and three-byte sequences only; a
// four-byte lead, a stray continuation byte or a cut-off sequence makes the text invalid.
bool isTagUtf8(const std::string& text);
