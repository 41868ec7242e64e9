#pragma once
// One entry of the catalogue's "Codecs" table. Plain value type.

#include <QString>

struct FormatCodec {
    QString name;     // key in the table ("MP3", "AAC", ...)
    int id = 0;       // FFmpeg codec id; 0 when the codec is unknown
    QString type;     // "audio" or "video"
    QString encoder;  // FFmpeg encoder name ("libmp3lame", "aac", ...)
    QString title;    // display name

    bool isValid() const { return id != 0; }
};
