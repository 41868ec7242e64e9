#pragma once
// A recorder: takes audio blocks from capture threads, places them on the output timeline,
// mixes the optional second input (a raw-audio stream) and encodes the result on its own thread.
//
// write() copies a block into a bounded queue and returns at once, so capture threads never
// wait on the encoder. The recorder's thread wakes at least every 20 ms, takes the queue and
// the stream's blocks, and hands everything that all inputs have covered to the output. A
// stalled input is padded with silence once it lags more than kMaxInputLagUs behind the other.
// State, duration and the level block may be read from any thread.

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "audioformat.h"
#include "audiooutput.h"
#include "inputtimeline.h"
#include "levelmeter.h"

namespace brisca {

class Recorder : public HandleObject {
public:
    static constexpr int64_t kMaxInputLagUs = 2000000;
    static constexpr size_t kMaxQueuedBytes = 64u << 20;

    ~Recorder() override;

    bool open(const std::string& path, const std::string& formatKey,
              const EncodeParamsObject& params, std::string* error);
    bool start(std::string* error);
    bool stop(std::string* error);
    bool close();
    bool write(const FrameObject& frame, std::string* error);

    int state() const { return m_state.load(); }
    int64_t durationUs() const { return m_durationUs.load(); }
    const char* errorText();
    LevelMeter& levels() { return m_levels; }

private:
    void run();
    void process(std::deque<AudioBlock>& blocks, int input);
    void mix(bool final);
    void finalize();
    void failWith(const std::string& message);

    std::mutex m_mutex;  // guards m_queue, m_queuedBytes, m_stopRequested, m_error
    std::condition_variable m_wake;
    std::deque<AudioBlock> m_queue;
    size_t m_queuedBytes = 0;
    bool m_stopRequested = false;
    std::string m_error;
    std::string m_errorCopy;  // what errorText() hands out

    std::thread m_thread;
    std::atomic<int> m_state{BRISCA_RECORDER_IDLE};
    std::atomic<int64_t> m_durationUs{0};

    // Owned by the recorder's thread while it runs.
    std::unique_ptr<AudioOutput> m_output;
    std::vector<std::unique_ptr<InputTimeline>> m_inputs;  // [0] frames, [1] the stream
    std::shared_ptr<StreamObject> m_stream;
    std::vector<float> m_mixBuffer;
    int64_t m_mixed = 0;
    LevelMeter m_levels;
};

}  // namespace brisca
