#pragma once
// Encoder: the converter's wrapper of libavcodec's encoding side. Opens the encoder asked for
// by the encode parameters, fitted to what it supports (codecchoice.h), and tells the filter
// chain which format, rate, layout and frame size to deliver. Not thread-safe.

#include <string>

#include "audioformat.h"
#include "ffmpegutil.h"

namespace brisca {

class Encoder {
public:
    // Opens the encoder for a stream of `muxer`. *error names codec and settings on failure.
    bool open(const EncodeParamsObject& params, const AVOutputFormat* muxer, std::string* error);
    AVCodecContext* context() const { return m_codec.get(); }
    // Hands the opened codec over (the recorder's output keeps it).
    CodecContextPtr takeContext() { return std::move(m_codec); }

    // The filter that converts any audio into what the encoder takes.
    std::string formatFilter() const;
    // Samples per frame the encoder needs, 0 when any count will do.
    int frameSize() const;

    // Null marks the end of the stream.
    bool send(const AVFrame* frame, std::string* error);
    // 1: a packet was received; 0: none ready (or drained); -1: error.
    int receive(AVPacket* packet, std::string* error);

private:
    CodecContextPtr m_codec;
};

// The encoder the parameters name: the encoder name first, else the codec id, else the
// container's default audio codec.
const AVCodec* encoderFor(const EncodeParamsObject& params, const AVOutputFormat* muxer);

}  // namespace brisca
