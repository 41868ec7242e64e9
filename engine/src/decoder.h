#pragma once
// Decoder: the engine's one wrapper of libavcodec's decoding side, for one stream of a
// Demuxer (audio or picture). Packets go in with send(), frames come out of receive(); at the
// end of the stream drain() lets the codec hand out what it still holds. Not thread-safe.

#include <string>

#include "ffmpegutil.h"

namespace brisca {

class Decoder {
public:
    // Opens a decoder for the stream. On failure *error names the codec.
    bool open(const AVStream* stream, std::string* error);
    void close() { m_codec.reset(); }
    AVCodecContext* context() const { return m_codec.get(); }

    // Hands a packet to the codec. False on a decoding error that ends the stream; damaged
    // packets that the codec skips are not errors.
    bool send(const AVPacket* packet, std::string* error);
    // Signals the end of the stream; receive() then returns what remains.
    bool drain(std::string* error);
    // 1: a frame was received; 0: the codec needs more input (or is drained); -1: error.
    int receive(AVFrame* frame, std::string* error);
    // Drops everything buffered (after a seek).
    void flush();

private:
    CodecContextPtr m_codec;
};

}  // namespace brisca
