#pragma once
// Muxer: the converter's wrapper of libavformat's output side. One audio stream, taken either
// from an encoder or copied from a source stream, written to a file. Not thread-safe.

#include <map>
#include <string>

#include "ffmpegutil.h"

namespace brisca {

class Muxer {
public:
    Muxer();
    ~Muxer();
    Muxer(const Muxer&) = delete;
    Muxer& operator=(const Muxer&) = delete;

    bool create(const std::string& path, const AVOutputFormat* format, std::string* error);
    // The stream for encoded packets, or for copied ones (parameters copied from the source).
    AVStream* addStream(const AVCodecContext* encoder, std::string* error);
    AVStream* addStream(const AVCodecParameters* source, std::string* error);
    // Opens the file and writes the header with the given tags.
    bool writeHeader(const std::map<std::string, std::string>& tags, std::string* error);
    // Writes a packet with timestamps in the stream's time base (av_interleaved_write_frame).
    bool write(AVPacket* packet, std::string* error);
    bool finish(std::string* error);
    // Closes the file (without a trailer when finish was not called).
    void close();

    AVStream* stream() const { return m_stream; }
    const AVOutputFormat* format() const { return m_format ? m_format->oformat : nullptr; }

private:
    bool checkIo(std::string* error);

    std::string m_path;
    AVFormatContext* m_format = nullptr;
    AVStream* m_stream = nullptr;
    bool m_headerWritten = false;
};

}  // namespace brisca
