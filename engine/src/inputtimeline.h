#pragma once
// One input of a recorder: converts blocks of any PCM format to float interleaved at the
// output rate and channel count, and places them on the output timeline by timestamp.
//
// Timestamps carry the capture thread's jitter (it polls every 10 ms), so small deviations are
// ignored and the samples are simply appended. Only a deviation above kToleranceUs counts: a
// block that starts later than the input's end leaves a gap that is filled with silence (this
// is how the once-a-second silent blocks of an idle loopback source keep the file as long as
// the wall clock); a block that starts earlier overlaps what was placed and loses its overlap.
// Used by the recorder's thread only.

#include <cstdint>
#include <vector>

#include "audioformat.h"
#include "ffmpegutil.h"

namespace brisca {

class InputTimeline {
public:
    static constexpr int64_t kToleranceUs = 250000;

    InputTimeline(int outRateHz, int outChannels);

    // Converts and places one block. Returns false (with the reason in error) when the block's
    // format cannot be converted.
    bool place(const AudioBlock& block, std::string* error);
    // Pushes out what the resampler still holds (end of input).
    void flush();
    // Appends silence up to the given output position (used to keep a stalled input in step).
    void padTo(int64_t position);

    // Output positions (samples per channel): [start, end) is buffered.
    int64_t start() const { return m_start; }
    int64_t end() const { return m_start + int64_t(m_samples.size()) / m_channels; }
    bool started() const { return m_started; }
    // Buffered samples from start(), interleaved.
    const float* data() const { return m_samples.data(); }
    // Drops buffered samples before position.
    void consumeTo(int64_t position);

private:
    bool configure(const AudioFormat& format, std::string* error);
    void append(const float* samples, int count);

    int m_rate;
    int m_channels;
    AudioFormat m_inFormat;
    SwrPtr m_swr;
    std::vector<float> m_converted;
    std::vector<float> m_samples;  // interleaved, starting at m_start
    int64_t m_start = 0;
    bool m_started = false;
};

}  // namespace brisca
