#include "recorder.h"

#include <algorithm>
#include <chrono>
#include <climits>

namespace brisca {

Recorder::~Recorder()
{
    close();
}

bool Recorder::open(const std::string& path, const std::string& formatKey,
                    const EncodeParamsObject& params, std::string* error)
{
    if (m_state.load() != BRISCA_RECORDER_IDLE) {
        *error = "the recorder is already open";
        return false;
    }
    if (params.videoCodec != -1 && params.videoCodec != 0) {
        *error = "the recorder writes audio only (video codec must be -1)";
        return false;
    }
    auto output = std::make_unique<AudioOutput>();
    if (!output->open(path, formatKey, params, error))
        return false;
    m_output = std::move(output);
    const int rate = m_output->rateHz(), channels = m_output->channels();
    m_inputs.clear();
    m_inputs.push_back(std::make_unique<InputTimeline>(rate, channels));
    m_stream = params.secondInput ? params.secondStream : nullptr;
    if (m_stream) {
        m_stream->takeAll();  // what was pushed before this recording belongs to none
        m_inputs.push_back(std::make_unique<InputTimeline>(rate, channels));
    }
    m_levels.reset(rate, channels);
    m_mixed = 0;
    m_arrivals.reset();
    m_durationUs = 0;
    m_droppedUs[0] = m_droppedUs[1] = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.clear();
        m_queuedBytes = 0;
        m_stopRequested = false;
        m_error.clear();
    }
    m_state = BRISCA_RECORDER_OPENED;
    return true;
}

bool Recorder::start(std::string* error)
{
    if (m_state.load() != BRISCA_RECORDER_OPENED) {
        *error = "the recorder is not open";
        return false;
    }
    m_state = BRISCA_RECORDER_WRITING;
    m_thread = std::thread(&Recorder::run, this);
    return true;
}

bool Recorder::write(const FrameObject& frame, std::string* error)
{
    const int s = m_state.load();
    if (s != BRISCA_RECORDER_OPENED && s != BRISCA_RECORDER_WRITING) {
        *error = s == BRISCA_RECORDER_FAILED ? "the recorder failed" : "the recorder is not open";
        return false;
    }
    if (frame.byteCount() == 0) {
        *error = "the frame has no samples or an invalid format";
        return false;
    }
    AudioBlock block = AudioBlock::copyOf(frame);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_queuedBytes + block.bytes.size() > kMaxQueuedBytes) {
            *error = "the encoder is too far behind; block dropped";
            return false;
        }
        m_queuedBytes += block.bytes.size();
        m_queue.push_back(std::move(block));
    }
    // No wake-up: the recorder's thread takes the queue on its next round, within kRoundMs.
    // Waking it for every block would multiply its rounds for nothing.
    return true;
}

void Recorder::run()
{
    for (;;) {
        std::deque<AudioBlock> blocks;
        bool stopping;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            // One round every kRoundMs, whatever came meanwhile: blocks are taken in batches.
            m_wake.wait_for(lock, std::chrono::milliseconds(kRoundMs),
                            [this] { return m_stopRequested; });
            blocks.swap(m_queue);
            m_queuedBytes = 0;
            stopping = m_stopRequested;
        }
        process(blocks, 0);
        if (m_stream) {
            std::deque<AudioBlock> streamed = m_stream->takeAll();
            process(streamed, 1);
        }
        if (m_state.load() == BRISCA_RECORDER_WRITING)
            mix(false);
        if (stopping)
            break;
    }
    finalize();
}

void Recorder::process(std::deque<AudioBlock>& blocks, int input)
{
    if (m_state.load() != BRISCA_RECORDER_WRITING)
        return;  // after a failure the data has nowhere to go
    BriscaStreamDataCallback callback = nullptr;
    void* user = nullptr;
    if (input == 1) {
        std::lock_guard<std::mutex> lock(m_stream->mutex);
        callback = m_stream->callback;
        user = m_stream->callbackUser;
    }
    for (const AudioBlock& block : blocks) {
        if (callback)
            callback(user, block.bytes.data(), int32_t(block.bytes.size()));
        std::string error;
        if (!m_inputs[size_t(input)]->place(block, &error)) {
            failWith(error);
            return;
        }
    }
}

// Writes what every input has covered; a lagging input holds the file back only until the
// leading one's samples have waited kMaxInputLatencyUs. At the end everything placed is written.
void Recorder::mix(bool final)
{
    int64_t minFrontier = INT64_MAX, maxFrontier = 0;
    for (const auto& in : m_inputs) {
        minFrontier = std::min(minFrontier, in->frontier());
        maxFrontier = std::max(maxFrontier, in->frontier());
    }
    int64_t limit = maxFrontier;
    if (!final) {
        const int64_t nowUs = std::chrono::duration_cast<std::chrono::microseconds>(
                                  std::chrono::steady_clock::now().time_since_epoch())
                                  .count();
        m_arrivals.note(maxFrontier, nowUs);
        limit = std::min(maxFrontier, std::max(minFrontier, m_arrivals.agedPosition(nowUs)));
    }
    mixRange(limit);
    updateDropped();
}

void Recorder::mixRange(int64_t limit)
{
    const int rate = m_output->rateHz(), channels = m_output->channels();
    const int64_t chunk = 4096;
    while (m_mixed < limit && m_state.load() == BRISCA_RECORDER_WRITING) {
        const int n = int(std::min(chunk, limit - m_mixed));
        const float* mixed = m_inputs.size() == 1 ? m_inputs[0]->samplesAt(m_mixed, n) : nullptr;
        if (!mixed) {
            m_mixBuffer.assign(size_t(n) * channels, 0.0f);
            for (const auto& in : m_inputs)
                in->addTo(m_mixBuffer.data(), m_mixed, n);
            if (m_inputs.size() > 1) {
                for (float& v : m_mixBuffer)
                    v = std::clamp(v, -1.0f, 1.0f);
            }
            mixed = m_mixBuffer.data();
        }
        std::string error;
        if (!m_output->write(mixed, n, &error)) {
            failWith(error);
            return;
        }
        m_levels.feed(mixed, n, m_mixed);
        m_mixed += n;
        m_durationUs = m_mixed * 1000000 / rate;
        for (const auto& in : m_inputs)
            in->consumeTo(m_mixed);
    }
}

void Recorder::updateDropped()
{
    const int rate = m_output->rateHz();
    for (size_t i = 0; i < m_inputs.size() && i < 2; ++i)
        m_droppedUs[i] = m_inputs[i]->droppedSamples() * 1000000 / rate;
}

int64_t Recorder::droppedUs(int input) const
{
    return input == 0 || input == 1 ? m_droppedUs[input].load() : 0;
}

void Recorder::finalize()
{
    if (m_state.load() != BRISCA_RECORDER_WRITING)
        return;
    for (const auto& in : m_inputs)
        in->flush();
    // A recording stopped before any audio arrived still becomes a valid, playable file:
    // some containers (MP3, Ogg) hold no stream at all without a single packet.
    if (m_inputs[0]->frontier() == 0 && (m_inputs.size() < 2 || m_inputs[1]->frontier() == 0))
        m_inputs[0]->padTo(m_output->rateHz() / 50);
    mix(true);
    if (m_state.load() != BRISCA_RECORDER_WRITING)
        return;
    std::string error;
    if (!m_output->finish(&error))
        failWith(error);
}

void Recorder::failWith(const std::string& message)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_error = message;
    }
    m_state = BRISCA_RECORDER_FAILED;
}

bool Recorder::stop(std::string* error)
{
    const int s = m_state.load();
    if (s == BRISCA_RECORDER_OPENED) {
        m_state = BRISCA_RECORDER_WRITING;  // nothing was started: finish an empty file here
        finalize();
    } else if (s == BRISCA_RECORDER_WRITING ||
               (s == BRISCA_RECORDER_FAILED && m_thread.joinable())) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stopRequested = true;
        }
        m_wake.notify_one();
        if (m_thread.joinable())
            m_thread.join();
    } else if (s != BRISCA_RECORDER_FAILED) {
        *error = "the recorder is not recording";
        return false;
    }
    if (m_state.load() == BRISCA_RECORDER_FAILED) {
        *error = errorText();
        return false;
    }
    m_state = BRISCA_RECORDER_STOPPED;
    return true;
}

bool Recorder::close()
{
    const int s = m_state.load();
    if (s == BRISCA_RECORDER_IDLE)
        return true;
    if (s == BRISCA_RECORDER_WRITING || s == BRISCA_RECORDER_OPENED || m_thread.joinable()) {
        std::string ignored;
        stop(&ignored);
    }
    if (m_output)
        m_output->close();
    m_output.reset();
    m_inputs.clear();
    m_stream.reset();
    m_state = BRISCA_RECORDER_IDLE;
    return true;
}

const char* Recorder::errorText()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_errorCopy = m_error;
    return m_errorCopy.c_str();
}

}  // namespace brisca
