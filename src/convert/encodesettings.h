#pragma once
// The encoder parameters of one recording or conversion, as handed to the media engine.
// Filled from the current format descriptor (or, on the command line, from an extension).

#include <QString>

struct FormatDescriptor;

// The sample rate the engine records at when the settings leave it at 0.
constexpr int kDefaultSampleRateHz = 44100;

struct EncodeSettings {
    QString formatKey;       // container key of the format catalogue ("MP3", "OGG", "M4A", ...)
    int videoCodec = -1;     // FFmpeg codec id; -1 = audio only
    int audioCodec = 0;      // FFmpeg codec id (0x15001 MP3, 0x15002 AAC, ...)
    bool rawStream = false;  // "AVI", "mpegts", "MPEG1VIDEO"
    int width = 0;
    int height = 0;
    int videoBitRateKbps = 0;
    int frameRateNum = 0;
    int frameRateDen = 0;
    int frameRateHundredths = 0;
    int quality = 0;
    int channels = 0;          // 0 = the engine's default (2)
    int sampleRateHz = 0;      // 0 = the engine's default (44100)
    int audioBitRateKbps = 0;  // 0 = the encoder's default
};

// Vorbis at low sample rates cannot reach high bit rates: an "OGG" output below 32000 Hz is
// capped at 160 kbit/s. Every other combination keeps its bit rate.
int clampAudioBitRateKbps(const QString& formatKey, int sampleRateHz, int bitRateKbps);

// Lays chosen audio values over encode settings (values <= 0 keep what is there) and then
// applies clampAudioBitRateKbps to the result with the rate that will be used (0 means
// kDefaultSampleRateHz), so that the cap follows the final rate and bit rate whichever of them
// was chosen.
void overrideAudioSettings(EncodeSettings* settings, int sampleRateHz, int channels,
                           int bitRateKbps);

// The encode settings of a recording or conversion from the chosen format: container key,
// codecs (video -1 when audio only), the raw-stream flag ("AVI", "mpegts", "MPEG1VIDEO"),
// picture size (0 replaced by the recording area's, both 0 when audio only), frame rate,
// quality, channels, sample rate and the audio bit rate through clampAudioBitRateKbps.
EncodeSettings encodeSettingsFromDescriptor(const FormatDescriptor& descriptor, int areaWidth,
                                            int areaHeight);
