#pragma once
// Small helpers for driving the engine's C interface from tests.

#include <brisca/brisca.h>

#include <QString>

#include <cmath>
#include <cstdint>
#include <vector>

namespace enginetest {

// Interleaved s16 sine, `channels` identical channels.
inline std::vector<int16_t> sine(double freqHz, double amplitude, int rateHz, int channels,
                                 int frames, int64_t firstFrame = 0)
{
    std::vector<int16_t> out(size_t(frames) * channels);
    for (int i = 0; i < frames; ++i) {
        const double t = double(firstFrame + i) / rateHz;
        const auto v = int16_t(std::lround(amplitude * 32767.0 * std::sin(2 * M_PI * freqHz * t)));
        for (int c = 0; c < channels; ++c)
            out[size_t(i) * channels + c] = v;
    }
    return out;
}

struct Params {
    const char* key = "WAV";
    int codec = 0x10000;  // pcm_s16le
    int rateHz = 44100;
    int channels = 2;
    int bitRate = 0;
    int32_t stream = 0;                 // second input
    const char* encoderName = nullptr;  // FFmpeg's encoder, when the codec has several
};

// Opens a recorder on path; 0 on failure.
inline int32_t openRecorder(const QString& path, const Params& p)
{
    const int32_t params = CreateEncodeParams();
    SetVideoCodec(params, -1);
    SetAudioCodec(params, p.codec);
    SetAudioSampleRate(params, p.rateHz);
    SetAudioChannels(params, p.channels);
    if (p.bitRate)
        SetAudioBitRate(params, p.bitRate);
    if (p.encoderName)
        SetAudioEncoderName(params, p.encoderName);
    if (p.stream) {
        SetEncodeAudioEnabled(params, 1);
        SetEncodeAudioDevice(params, p.stream);
    }
    const int32_t rec = CreateRecorder(-1);
    const bool ok = OpenRecorder(rec, path.toUtf8().constData(), p.key, params) != 0;
    ReleaseEncodeParams(params);
    if (!ok) {
        DestroyRecorder(rec);
        return 0;
    }
    return rec;
}

// Sends s16 interleaved samples as one frame.
inline bool writeS16(int32_t target, const std::vector<int16_t>& samples, int rateHz, int channels,
                     int64_t timestampUs, bool toStream = false)
{
    const int32_t frame = CreateFrame();
    SetFrameSampleFormat(frame, 1);
    SetFrameSampleRate(frame, rateHz);
    SetFrameChannels(frame, channels);
    SetFrameSamples(frame, samples.data(), int32_t(samples.size() / size_t(channels)));
    SetFrameTimestamp(frame, timestampUs);
    const bool ok =
        toStream ? PushStreamFrame(target, frame) != 0 : WriteAudioFrame(target, frame) != 0;
    ReleaseFrame(frame);
    return ok;
}

// Sends `seconds` of a tone in blocks of `blockFrames`, stamped by position.
inline bool writeTone(int32_t target, double freqHz, double amplitude, double seconds,
                      int rateHz = 44100, int channels = 2, int blockFrames = 441,
                      int64_t startUs = 0, bool toStream = false)
{
    const int total = int(seconds * rateHz);
    for (int done = 0; done < total; done += blockFrames) {
        const int n = std::min(blockFrames, total - done);
        const int64_t ts = startUs + int64_t(done) * 1000000 / rateHz;
        if (!writeS16(target, sine(freqHz, amplitude, rateHz, channels, n, done), rateHz, channels,
                      ts, toStream))
            return false;
    }
    return true;
}

// Stops (unless stopped already), closes and destroys the recorder; true when it ended well.
inline bool finishRecorder(int32_t rec)
{
    const int state = GetRecorderState(rec);
    const bool ok = state == BRISCA_RECORDER_STOPPED ||
                    (state == BRISCA_RECORDER_WRITING && StopRecorder(rec) != 0);
    CloseRecorder(rec);
    DestroyRecorder(rec);
    return ok;
}

}  // namespace enginetest
