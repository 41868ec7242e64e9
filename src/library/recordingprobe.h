#pragma once
// What the recordings list reads from a recording file through the media engine: its length,
// its container and its audio codec. Any thread (each call has its own engine handle).

#include <QString>

#include <cstdint>

namespace RecordingProbe {

struct Facts {
    bool opened = false;      // the engine opened the file as media
    uint64_t durationUs = 0;  // 0 when unknown
    QString container;        // "major_brand" of MP4-family files, else the demuxer's name
    QString codec;            // the first audio stream's codec name ("mp3", "aac", ...)
    QString error;            // why the file did not open
};

Facts probe(const QString& path);

}  // namespace RecordingProbe
