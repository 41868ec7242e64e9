#pragma once
// AudioSource: one audio stream of a file, decoded and sent through the effect chain, with
// sample-exact positions. The player and the converter read their sound through it.
//
// Positions count samples of the decoded stream from its first audible sample (encoder
// priming that the file marks for skipping, as LAME headers and MP4 edit lists do, is not
// counted). seek() lands on the exact sample: it seeks to the packet before the target and
// decodes and drops up to it. Frames out of next() carry pts = the output samples delivered
// before them since the last seek. Not thread-safe.

#include <cstdint>
#include <string>

#include "decoder.h"
#include "demuxer.h"
#include "effectchain.h"
#include "filtergraph.h"

namespace brisca {

class AudioSource {
public:
    // audioTrack: index among the audio streams, -1 for the best one.
    bool open(const std::string& path, int audioTrack, std::string* error);
    void close();
    bool isOpen() const { return m_stream >= 0; }

    // The chain: effects, then outputFilter ("aformat=..."), frames of frameSize samples
    // (0 = as they come). Takes effect from the current position on.
    bool setChain(const EffectSettings& effects, const std::string& outputFilter, int frameSize,
                  std::string* error);

    // exact = false stops at the packet boundary at or before the target (scrubbing).
    bool seek(int64_t positionUs, bool exact, std::string* error);
    // 1: a filtered frame; 0: the end of the stream (everything delivered); -1: error.
    int next(AVFrame* frame, std::string* error);

    int64_t durationUs() const { return m_durationUs; }
    int sourceRateHz() const { return m_decoder.context()->sample_rate; }
    int sourceChannels() const { return m_decoder.context()->ch_layout.nb_channels; }
    int outputRateHz() const { return m_graph.rateHz(); }
    int outputChannels() const { return m_graph.channels(); }
    // Position (microseconds) of the next sample next() will deliver.
    int64_t positionUs() const;
    Demuxer& demuxer() { return m_demuxer; }
    int streamIndex() const { return m_stream; }
    // Stream timestamp (stream time base) of the first audible sample.
    int64_t originPts() const { return m_originPts; }
    // Makes a blocking read give up (any thread).
    void abort() { m_demuxer.abort(); }

private:
    bool findOrigin(std::string* error);
    int decodeMore(std::string* error);
    bool feed(AVFrame* decoded, std::string* error);
    bool rebuildChain(std::string* error);

    Demuxer m_demuxer;
    Decoder m_decoder;
    FilterGraph m_graph;
    PacketPtr m_packet;
    FramePtr m_decoded;
    int m_stream = -1;
    int64_t m_durationUs = 0;
    int64_t m_originPts = 0;   // stream time base
    int64_t m_dropUntil = 0;   // source samples before this are dropped (exact seek)
    int64_t m_chainStart = 0;  // source sample at which the chain was (re)started
    int64_t m_delivered = 0;   // output samples delivered since m_chainStart
    bool m_inputEnded = false;
    bool m_graphEnded = false;
    EffectSettings m_effects;
    std::string m_outputFilter;
    int m_frameSize = 0;
};

}  // namespace brisca
