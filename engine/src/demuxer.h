#pragma once
// Demuxer: the engine's one wrapper of libavformat's input side. Opens a file, finds its
// streams, reads packets and seeks. Used by media information, the player and the converter,
// each from one thread at a time (the object is not thread-safe); abort() alone may be called
// from any thread, to make a blocking open or read return early.

#include <atomic>
#include <cstdint>
#include <string>

#include "ffmpegutil.h"

namespace brisca {

class Demuxer {
public:
    Demuxer();
    ~Demuxer();
    Demuxer(const Demuxer&) = delete;
    Demuxer& operator=(const Demuxer&) = delete;

    // Opens path and reads the stream information. On failure *error says why, with the path.
    bool open(const std::string& path, std::string* error);
    void close();
    bool isOpen() const { return m_format != nullptr; }
    AVFormatContext* format() const { return m_format.get(); }

    // Index of the best audio stream, -1 when the file has none.
    int bestAudioStream() const;
    // The audioIndex-th audio stream (0-based among audio streams), -1 when there is none.
    int audioStream(int audioIndex) const;
    int countStreams(AVMediaType type) const;
    // Index of the first video stream that is not an attached picture, -1 when none.
    int pictureStream() const;
    // Index of the first attached picture (cover art), -1 when none.
    int attachedPictureStream() const;

    // Duration of the file in microseconds, 0 when unknown.
    int64_t durationUs() const;

    // Reads the next packet of any stream. Returns 1 on a packet, 0 at the end of the file and
    // -1 on a read error (*error then says what failed).
    int read(AVPacket* packet, std::string* error);
    // Seeks so that the next packets of `stream` start at or before `timestamp` (in the
    // stream's time base).
    bool seek(int stream, int64_t timestamp, std::string* error);

    // Makes a blocking open or read give up (an interrupted read returns -1). Sticky until
    // clearAbort().
    void abort() { m_abort = true; }
    void clearAbort() { m_abort = false; }

private:
    static int interruptCallback(void* self);

    InputFormatPtr m_format;
    std::string m_path;
    std::atomic<bool> m_abort{false};
};

// Microseconds <-> a stream's time base.
int64_t toUs(int64_t timestamp, AVRational timeBase);
int64_t fromUs(int64_t us, AVRational timeBase);

}  // namespace brisca
