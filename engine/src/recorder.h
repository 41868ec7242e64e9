#pragma once
// A recorder: takes audio blocks from capture threads, places them on the output timeline,
// mixes the optional second input (a raw-audio stream) and encodes the result on its own thread.
//
// write() copies a block into a bounded queue and returns at once, so capture threads never
// wait on the encoder. The recorder's thread wakes every kRoundMs, takes the queue and
// the stream's blocks, places them by their timestamps and hands everything that all inputs
// have covered to the output. An input that lags behind holds the file back for at most
// kMaxInputLatencyUs of wall-clock time; after that it counts as silent where it has not
// delivered, and its samples for that stretch are dropped (and counted) if they still come.
// State, duration, dropped audio and the level block may be read from any thread.

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "arrivalclock.h"
#include "audioformat.h"
#include "audiooutput.h"
#include "inputtimeline.h"
#include "levelmeter.h"

namespace brisca {

class Recorder : public HandleObject {
public:
    static constexpr int64_t kMaxInputLatencyUs = 3000000;
    static constexpr size_t kMaxQueuedBytes = 64u << 20;
    // How often the recorder's thread takes what came: often enough for a level block of about
    // 50 ms and a duration shown ten times a second, seldom enough to cost little.
    static constexpr int kRoundMs = 40;

    ~Recorder() override;

    bool open(const std::string& path, const std::string& formatKey,
              const EncodeParamsObject& params, std::string* error);
    bool start(std::string* error);
    bool stop(std::string* error);
    bool close();
    bool write(const FrameObject& frame, std::string* error);

    int state() const { return m_state.load(); }
    int64_t durationUs() const { return m_durationUs.load(); }
    // Microseconds of audio of an input (0 = frames, 1 = the stream) that were dropped because
    // they came too late for their place in the file or overlapped earlier ones.
    int64_t droppedUs(int input) const;
    const char* errorText();
    LevelMeter& levels() { return m_levels; }

private:
    void run();
    void process(std::deque<AudioBlock>& blocks, int input);
    void mix(bool final);
    void mixRange(int64_t limit);
    void updateDropped();
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
    std::atomic<int64_t> m_droppedUs[2] = {{0}, {0}};

    // Owned by the recorder's thread while it runs.
    std::unique_ptr<AudioOutput> m_output;
    std::vector<std::unique_ptr<InputTimeline>> m_inputs;  // [0] frames, [1] the stream
    std::shared_ptr<StreamObject> m_stream;
    std::vector<float> m_mixBuffer;
    int64_t m_mixed = 0;
    ArrivalClock m_arrivals{kMaxInputLatencyUs};
    LevelMeter m_levels;
};

}  // namespace brisca
