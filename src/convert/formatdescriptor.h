#pragma once
// The chosen output format as numbers the encoder understands. Two exist for the process
// lifetime, one for audio and one for video output; "current" points at one of them (the main
// window sets it to the audio descriptor at start-up) and is what recordings and conversions
// take their encoder parameters from.
//
// Threading: the descriptors are loaded and changed on the GUI thread; the current pointer may
// be read from any thread.

#include <QString>

struct FormatDescriptor {
    bool audioOnly = true;  // no picture stream (video codec -1, size 0)
    int quality = 0;        // video quality, handed on to the encode settings
    QString formatKey;      // container key of the media engine ("MP3", "OGG", "MP4", ...)
    QString extension;      // output file extension, without the dot
    QString profileTextA;   // the profile's title (not used by the encode path)
    int videoCodec = -1;    // FFmpeg codec id
    int width = 0;          // 0: the size of the recording area
    int height = 0;
    int frameRateNum = 0;  // 0: the source's rate
    int frameRateDen = 1;
    int videoBitRateKbps = 0;
    QString profileTextB;      // the video fourcc (not used by the encode path)
    int audioCodec = 0;        // FFmpeg codec id (0x15002 AAC)
    int channels = 0;          // 0: the encoder decides
    int sampleRateHz = 0;      // 0: the encoder decides
    int audioBitRateKbps = 0;  // 0: the encoder decides

    // The process-wide audio and video descriptors (never null).
    static FormatDescriptor* audio();
    static FormatDescriptor* video();
    // The descriptor new recordings and conversions use; the audio one until set otherwise.
    static FormatDescriptor* current();
    static void setCurrent(FormatDescriptor* descriptor);

    bool operator==(const FormatDescriptor& o) const;
    bool operator!=(const FormatDescriptor& o) const { return !(*this == o); }
};
