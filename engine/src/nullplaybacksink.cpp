#include "nullplaybacksink.h"

#include <algorithm>
#include <thread>

namespace brisca {

bool NullPlaybackSink::open(int rateHz, int channels, std::string* error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (rateHz <= 0 || channels <= 0) {
        *error = "invalid output format";
        return false;
    }
    m_rate = rateHz;
    m_queued = m_written = 0;
    m_paused = m_failed = false;
    m_last = Clock::now();
    m_carry = 0;
    return true;
}

void NullPlaybackSink::close() {}

void NullPlaybackSink::advance()
{
    const Clock::time_point now = Clock::now();
    if (!m_paused) {
        m_carry += std::chrono::duration<double>(now - m_last).count() * m_rate;
        const auto played = std::min<int64_t>(int64_t(m_carry), m_queued);
        m_queued -= played;
        m_carry = m_queued > 0 ? m_carry - double(played) : 0;
    }
    m_last = now;
}

int64_t NullPlaybackSink::writableFrames()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    advance();
    return m_failed ? 0 : std::max<int64_t>(0, m_rate * kBufferMs / 1000 - m_queued);
}

void NullPlaybackSink::waitWritable(std::chrono::milliseconds timeout)
{
    const auto end = Clock::now() + timeout;
    while (Clock::now() < end && writableFrames() == 0 && !failed(nullptr))
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

bool NullPlaybackSink::write(const float*, int64_t frames, std::string* error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    advance();
    if (m_faults.failAfterFrames >= 0 && m_written + frames > m_faults.failAfterFrames)
        m_failed = true;
    if (m_failed) {
        *error = "the output device went away";
        return false;
    }
    m_queued += frames;
    m_written += frames;
    return true;
}

int64_t NullPlaybackSink::queuedFrames()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    advance();
    return m_queued + (m_queued > 0 ? m_faults.extraLatencyFrames : 0);
}

void NullPlaybackSink::flush()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_queued = 0;
    m_carry = 0;
}

void NullPlaybackSink::setPaused(bool paused)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    advance();
    m_paused = paused;
}

void NullPlaybackSink::setVolume(int percent)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_volume = percent;
}

bool NullPlaybackSink::failed(std::string* error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_failed && error)
        *error = "the output device went away";
    return m_failed;
}

int NullPlaybackSink::volume()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_volume;
}

int64_t NullPlaybackSink::writtenFrames()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_written;
}

}  // namespace brisca
