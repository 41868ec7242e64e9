#pragma once
// Plain descriptions of interleaved PCM and the small objects behind frame, stream and
// encode-parameter handles.

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "brisca/brisca.h"
#include "effectchain.h"
#include "handletable.h"

namespace brisca {

struct AudioFormat {
    int sampleFormat = 1;  // AVSampleFormat numbering; 1 = signed 16-bit
    int rateHz = 44100;
    int channels = 2;
    uint64_t channelMask = 0;  // 0 = default layout for the channel count

    bool valid() const;
    int bytesPerSample() const;  // one sample of one channel
    bool planar() const;
    int blockAlign() const { return bytesPerSample() * channels; }
    bool operator==(const AudioFormat& o) const
    {
        return sampleFormat == o.sampleFormat && rateHz == o.rateHz && channels == o.channels &&
               channelMask == o.channelMask;
    }
    bool operator!=(const AudioFormat& o) const { return !(*this == o); }
};

// A frame handle: a format and a borrowed pointer to interleaved samples.
struct FrameObject : HandleObject {
    AudioFormat format;
    const void* data = nullptr;
    int32_t samples = 0;  // per channel
    int64_t timestampUs = 0;

    // Bytes the samples take; 0 when the frame is not usable.
    size_t byteCount() const;
};

// One owned block of samples on its way to a recorder.
struct AudioBlock {
    AudioFormat format;
    int64_t timestampUs = 0;
    int32_t samples = 0;
    std::vector<uint8_t> bytes;

    static AudioBlock copyOf(const FrameObject& frame);
};

// A raw-audio stream description ("AFRM"): a queue of pushed blocks that a recorder takes as
// its second input.
struct StreamObject : HandleObject {
    std::mutex mutex;
    AudioFormat format;
    std::string codecTag;
    int bitsPerSample = 16;
    BriscaStreamDataCallback callback = nullptr;
    void* callbackUser = nullptr;
    std::deque<AudioBlock> queue;
    int64_t queuedBytes = 0;

    void push(AudioBlock block);
    // Takes every queued block, oldest first.
    std::deque<AudioBlock> takeAll();
};

struct EncodeParamsObject : HandleObject {
    int videoCodec = -1;
    int audioCodec = 0;
    int rateHz = 44100;
    int channels = 2;
    int64_t bitRate = 0;  // bit/s; 0 = the encoder's default
    std::string encoderName;
    bool secondInput = false;
    std::shared_ptr<StreamObject> secondStream;
    // Conversion only: effects, tags for the target ("" removes a key), stream copy
    // (BRISCA_COPY_*) and the loudness target (0 = off).
    EffectSettings effects;
    std::map<std::string, std::string> metadata;
    int copyMode = 0;
    double loudnessTargetLufs = 0;
};

}  // namespace brisca
