#pragma once
// FilterGraph: the engine's one wrapper of libavfilter. A linear chain from one buffer source
// to one buffer sink, described by an FFmpeg filter description ("volume=0.5,aformat=..."):
// the effect chain of the player and the converter, and the picture conversion of frame
// grabs. Not thread-safe.

#include <cstdint>
#include <string>

#include "ffmpegutil.h"

namespace brisca {

class FilterGraph {
public:
    // Audio: frames pushed must have the decoder's format (sample format, rate, layout).
    // frameSize > 0 makes the sink hand out frames of exactly that many samples (the last may
    // be shorter), as fixed-frame encoders need.
    bool openAudio(const AVCodecContext* decoder, const std::string& description, int frameSize,
                   std::string* error);
    // Video: frames of the decoder's size and pixel format.
    bool openVideo(const AVCodecContext* decoder, AVRational timeBase,
                   const std::string& description, std::string* error);
    void close();
    bool isOpen() const { return m_graph != nullptr; }

    // Pushes a frame (its data is taken over; the frame is left blank); null marks the end.
    bool push(AVFrame* frame, std::string* error);
    // 1: a frame was taken; 0: more input is needed; -1: error; 2: the end was reached.
    int pull(AVFrame* frame, std::string* error);

    // The sink's output format.
    int rateHz() const;
    int channels() const;

private:
    bool link(const char* sourceName, const std::string& sourceArgs, const char* sinkName,
              const std::string& description, std::string* error);

    FilterGraphPtr m_graph;
    AVFilterContext* m_source = nullptr;
    AVFilterContext* m_sink = nullptr;
};

}  // namespace brisca
