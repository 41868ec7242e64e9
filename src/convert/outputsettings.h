#pragma once
// OutputSettings: everything a conversion needs, handed to IAVConverter::StartConvert by
// whoever starts the work (the conversion job, `quillon convert`). A plain record; the
// converter keeps its own copy for the duration of a job.
//
// Units: bit rates in kbit/s, rates in Hz, times in microseconds; 0 means "the default"
// where noted. Texts are UTF-8.

#include <cstdint>
#include <string>

#include "veeditconfig.h"

struct EncodeSettings;

struct OutputSettings {
    std::string formatKey;  // container key of the format catalogue ("MP3", "M4A", ...)

    // Picture fields: kept for profiles with pictures; sound-only conversions ignore them.
    int32_t videoCodec = -1;
    int32_t width = 0;
    int32_t height = 0;
    int32_t frameRateHundredths = 0;  // 0 = use the pair below
    int32_t frameRateNum = 0;
    int32_t frameRateDen = 0;
    int32_t videoBitRateKbps = 0;
    int32_t videoQuality = -1;  // -1 = use the bit rate

    int32_t audioCodec = 0;        // FFmpeg codec id (0x15001 MP3, 0x15002 AAC, ...)
    int32_t sampleRateHz = 0;      // 0 = 44100
    int32_t channels = 0;          // 0 = 2
    int32_t audioBitRateKbps = 0;  // 0 = the encoder's default
    int32_t rawStream = 0;

    int64_t cutStartUs = 0;
    int64_t cutLengthUs = 0;  // 0 = up to the end

    // Tags written into the finished file (empty = not written).
    std::string title, artist, albumArtist, composer, album, genre, track, year, date, grouping,
        comment, disc, copyright;
    std::string coverPath;  // a picture file for the cover; empty = tags.coverBytes, if any
    int32_t coverFlag = 0;

    VEEditConfig editConfig;
    // Effects applied while converting (percent, 100 = unchanged; bands as in VEEditConfig).
    int32_t levelA = 100;
    int32_t levelB = 100;
    int32_t levelC = 100;
    QVector<double> eqFrequencies;
    QVector<double> eqGains;
    VEAudioTagInfo tags;

    bool discSource = false;
    bool audioOnly = true;

    // Beyond the original record:
    // copy compressed frames instead of encoding: 0 never, 1 required (fail otherwise),
    // 2 when possible (the engine's BRISCA_COPY_* values).
    int32_t streamCopy = 0;
    double loudnessLufs = 0;  // EBU R128 target, 0 = off

    // The container, codecs and rates of encode settings (a format profile's).
    void setEncodeSettings(const EncodeSettings& settings);
    // The tag texts and cover of a tag set.
    void setTags(const VEAudioTagInfo& tagSet);
    // The tag set that is written into the finished file: the tag texts, and the cover read
    // from coverPath (or tags' cover when coverPath is empty).
    VEAudioTagInfo tagsToWrite() const;
};

// Applies the settings to new engine encode parameters; returns the handle (0 on failure,
// with *error set). The caller releases it with ReleaseEncodeParams.
int32_t createEncodeParams(const OutputSettings& settings, std::string* error);
