#pragma once
// SpliceOutput: one file being written from decoded sound that arrives in pieces of any size
// (the end of one recording, then the whole of the next). An audio FIFO re-chunks the pieces
// to the encoder's frame size, so every sample handed in is encoded exactly once, in order;
// only the last frame is padded, for encoders that take whole frames only.
//
// The file is written to a hidden temporary file beside the target and synced; commit()
// renames it over the target, and until then (or when the output is dropped unfinished) the
// target is untouched. Not thread-safe.

#include <map>
#include <string>

#include "encoder.h"
#include "ffmpegutil.h"
#include "muxer.h"

namespace brisca {

class SpliceOutput {
public:
    ~SpliceOutput();

    // Opens the encoder of `params` for the container the target's extension names.
    bool open(const std::string& target, const EncodeParamsObject& params,
              const std::map<std::string, std::string>& tags, std::string* error);
    // The filter that turns decoded sound into what write() takes.
    std::string formatFilter() const { return m_encoder.formatFilter(); }
    // Encodes samples [offset, offset + count) of a frame in the encoder's format.
    bool write(const AVFrame* frame, int offset, int count, std::string* error);
    // Encodes what is left, ends the file and syncs it to the disk.
    bool finish(std::string* error);
    // Renames the finished file over the target.
    bool commit(std::string* error);
    int64_t samplesWritten() const { return m_samples; }

private:
    bool encodeFrame(AVFrame* frame, std::string* error);
    bool encodeFromFifo(bool all, std::string* error);

    std::string m_target, m_temporary;
    Encoder m_encoder;
    Muxer m_muxer;
    AudioFifoPtr m_fifo;
    int64_t m_samples = 0;  // handed in so far
    int64_t m_pts = 0;      // samples sent to the encoder so far
    bool m_finished = false;
};

}  // namespace brisca
