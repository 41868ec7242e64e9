#pragma once
// One input of a recorder: converts blocks of any PCM format to float interleaved at the
// output rate and channel count, and places them on the output timeline by timestamp.
//
// Where a block lands depends on its timestamp and on the input's own earlier blocks only,
// never on when it arrived. Timestamps may carry some jitter (a caller that stamps blocks with
// the time it read them), so a block that starts within kToleranceUs of the end of the input's
// previous block simply follows it. Beyond that, a block that starts later leaves a gap that
// is silence, and a block that starts earlier loses the part that overlaps what the input
// already placed. The first block lands at its own timestamp.
//
// The mixer consumes the timeline from the front. It may move past an input that lags behind
// (see ArrivalClock); that input counts as silent there, and samples that come later for a place
// the mixer has passed are dropped, not moved. Dropped samples are counted.
// Used by the recorder's thread only.

#include <cstdint>
#include <string>
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
    // Places silence from the input's frontier up to `position`, as if it had been captured.
    void padTo(int64_t position);

    // Output position (samples per channel) after the last sample placed; 0 before the first.
    int64_t frontier() const { return m_frontier; }
    // Adds the input's samples over [from, from + count) to `mix` (interleaved). Positions the
    // input has not covered add nothing.
    void addTo(float* mix, int64_t from, int64_t count) const;
    // The buffered samples over [from, from + count) when the input covers all of them, else
    // null. Valid until the timeline changes.
    const float* samplesAt(int64_t from, int64_t count) const;
    // Everything before `position` has been written: releases it. Samples that come for it
    // later are dropped.
    void consumeTo(int64_t position);
    // Samples (per channel) dropped because they came after the mixer had passed their place
    // or overlapped samples placed before.
    int64_t droppedSamples() const { return m_dropped; }

private:
    bool configure(const AudioFormat& format, std::string* error);
    // Runs the block through the resampler into m_converted; the number of output samples.
    int convert(const AudioBlock& block, std::string* error);
    // Places `count` converted samples whose first belongs at `position`.
    void placeAt(int64_t position, const float* samples, int64_t count);
    int64_t bufferedEnd() const
    {
        return m_start + int64_t(m_samples.size() - m_consumed) / m_channels;
    }

    int m_rate;
    int m_channels;
    AudioFormat m_inFormat;
    SwrPtr m_swr;
    std::vector<float> m_converted;
    // Interleaved; m_samples[m_consumed] is the sample at m_start. The consumed front is
    // released in large steps, so consuming costs no more than placing.
    std::vector<float> m_samples;
    size_t m_consumed = 0;
    int64_t m_start = 0;  // everything before was consumed by the mixer
    int64_t m_frontier = 0;
    int64_t m_dropped = 0;
    bool m_started = false;
};

}  // namespace brisca
