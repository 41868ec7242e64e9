#pragma once
// The output file of a recorder: one audio encoder and one muxer. Takes float interleaved
// samples at the encoder's rate and channel count, converts them to the encoder's sample
// format, cuts them into the encoder's frame size and writes the packets.
//
// Files stay playable if the process dies: the muxer's buffer is flushed twice a second,
// M4A/MP4 is written as fragments of about a second, and WAV/AIFF headers are kept in step with
// the data written (HeaderPatcher). Used by the recorder's thread only (open/close by the
// caller while that thread is not running).

#include <cstdint>
#include <memory>
#include <string>

#include "audioformat.h"
#include "ffmpegutil.h"

namespace brisca {

class HeaderPatcher;

class AudioOutput {
public:
    AudioOutput();
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // Opens path for the container key with the given parameters and writes the header.
    bool open(const std::string& path, const std::string& formatKey,
              const EncodeParamsObject& params, std::string* error);
    // Encodes count samples per channel (float interleaved at rateHz()/channels()).
    bool write(const float* samples, int count, std::string* error);
    // Encodes what is buffered, drains the encoder and writes the trailer.
    bool finish(std::string* error);
    // Releases the file (without a trailer when finish was not called).
    void close();

    int rateHz() const;
    int channels() const;

private:
    bool openEncoder(const AVOutputFormat* format, const EncodeParamsObject& params,
                     std::string* error);
    bool encodeFifo(bool final, std::string* error);
    bool sendFrame(AVFrame* frame, std::string* error);
    bool checkIo(std::string* error);
    void flushToDisk();

    std::string m_path;
    AVFormatContext* m_format = nullptr;
    AVStream* m_stream = nullptr;
    CodecContextPtr m_codec;
    SwrPtr m_swr;
    AudioFifoPtr m_fifo;
    FramePtr m_frame;
    PacketPtr m_packet;
    std::unique_ptr<HeaderPatcher> m_patcher;
    uint8_t** m_converted = nullptr;  // samples in the encoder's format, reused
    int m_convertedCapacity = 0;
    int64_t m_nextPts = 0;
    int64_t m_lastFlushPts = 0;
    int m_frameSize = 1024;
    bool m_headerWritten = false;
};

// Maps a container key of the format catalogue to an FFmpeg muxer ("M4A" -> "ipod", ...).
const AVOutputFormat* muxerForKey(const std::string& key);

}  // namespace brisca
