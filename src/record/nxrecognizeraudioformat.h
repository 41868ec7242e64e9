#pragma once
// The format of the raw frames fed to NxAudioRecognizer, passed by value: sample format in
// the engine's numbering (0 = 8-bit, 1 = 16-bit, 2 = 32-bit integer, 3 = 32-bit float,
// 4 = 64-bit float), rate, channel count and channel mask (0 = the default layout).

#include <QMetaType>

#include <cstdint>

struct NxRecognizerAudioFormat {
    int32_t sampleFormat = 0;
    int32_t sampleRate = 0;
    int32_t channels = 0;
    int32_t channelLayout = 0;

    // Bits of one sample: 8, 16, 32, 32 or 64 for the formats 0 to 4; 0 for any other value.
    static int32_t bitsPerSample(int32_t sampleFormat);
};

Q_DECLARE_METATYPE(NxRecognizerAudioFormat)
