#include "player.h"

#include <algorithm>
#include <cstring>

extern "C" {
#include <libavutil/channel_layout.h>
}

namespace brisca {

namespace {

constexpr auto kWaitSlice = std::chrono::milliseconds(20);
constexpr int kMaxOutputChannels = 8;

}  // namespace

Player::Player(SinkFactory sinkFactory)
    : m_sinkFactory(std::move(sinkFactory)), m_frame(av_frame_alloc())
{
    m_thread = std::thread(&Player::run, this);
}

Player::~Player()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_all();
    m_thread.join();
    close();
}

bool Player::open(const std::string& path, int audioTrack, std::string* error)
{
    close();
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_source.open(path, audioTrack, error))
        return false;
    m_hasPicture = m_source.demuxer().pictureStream() >= 0;
    m_rate = m_source.sourceRateHz();
    std::string layout;
    m_channels = m_source.sourceChannels();
    if (m_channels > kMaxOutputChannels) {
        m_channels = 2;
        layout = ":channel_layouts=stereo";
    }
    const std::string format =
        "aformat=sample_fmts=flt:sample_rates=" + std::to_string(m_rate) + layout;
    m_sink = m_sinkFactory(error);
    if (!m_sink || !m_sink->open(m_rate, m_channels, error) ||
        !m_source.setChain(m_effects, format, 0, error)) {
        m_sink.reset();
        m_source.close();
        return false;
    }
    m_sink->setPaused(true);
    m_watch.remember(path);
    m_state = BRISCA_PLAYER_STOPPED;
    m_error.clear();
    return seekLocked(0, true, error);
}

void Player::close()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    // Only dropped: the thread may still be waiting on it without the lock, and the last
    // owner's destructor closes it.
    m_sink.reset();
    m_source.close();
    m_pending.clear();
    m_state = BRISCA_PLAYER_CLOSED;
    m_baseUs = m_written = m_lastPosition = 0;
    m_stepPaused = false;
}

int Player::state()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state;
}

std::string Player::errorText()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_error;
}

bool Player::hasPicture()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state != BRISCA_PLAYER_CLOSED && m_hasPicture;
}

bool Player::hasSound()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state != BRISCA_PLAYER_CLOSED;  // open() refuses files without sound
}

bool Player::requireOpen(std::string* error)
{
    if (m_state == BRISCA_PLAYER_CLOSED) {
        *error = "no media is open";
        return false;
    }
    if (m_state == BRISCA_PLAYER_FAILED) {
        *error = m_error;
        return false;
    }
    return true;
}

bool Player::play(std::string* error)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!requireOpen(error))
        return false;
    if (m_state == BRISCA_PLAYER_FINISHED && !seekLocked(0, true, error))
        return false;
    m_stepPaused = false;
    m_state = BRISCA_PLAYER_PLAYING;
    m_sink->setPaused(false);
    lock.unlock();
    m_wake.notify_all();
    return true;
}

bool Player::pause(std::string* error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!requireOpen(error))
        return false;
    if (m_state == BRISCA_PLAYER_PLAYING) {
        m_sink->setPaused(true);
        m_state = BRISCA_PLAYER_PAUSED;
    }
    return true;
}

bool Player::stop(std::string* error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!requireOpen(error))
        return false;
    m_sink->setPaused(true);
    m_state = BRISCA_PLAYER_STOPPED;
    m_stepPaused = false;
    return seekLocked(0, true, error);
}

bool Player::seek(int64_t positionUs, std::string* error)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!requireOpen(error))
        return false;
    positionUs = std::clamp<int64_t>(positionUs, 0, std::max<int64_t>(0, m_source.durationUs()));
    if (m_state == BRISCA_PLAYER_FINISHED)
        m_state = BRISCA_PLAYER_STOPPED;
    if (m_asyncToleranceUs >= 0) {
        // Scrubbing: the thread serves only the latest target.
        m_pendingSeekUs = positionUs;
        m_baseUs = m_lastPosition = positionUs;
        lock.unlock();
        m_wake.notify_all();
        return true;
    }
    return seekLocked(positionUs, true, error);
}

bool Player::beginAsyncSeek(int64_t toleranceUs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_asyncToleranceUs = std::max<int64_t>(0, toleranceUs);
    return m_state != BRISCA_PLAYER_CLOSED;
}

bool Player::endAsyncSeek(std::string* error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const int64_t target = m_pendingSeekUs >= 0 ? m_pendingSeekUs : -1;
    m_asyncToleranceUs = -1;
    m_pendingSeekUs = -1;
    if (!requireOpen(error))
        return false;
    return target < 0 || seekLocked(target, true, error);
}

bool Player::step(int direction, std::string* error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!requireOpen(error))
        return false;
    if (m_state == BRISCA_PLAYER_PLAYING || m_state == BRISCA_PLAYER_FINISHED) {
        m_sink->setPaused(true);
        m_state = BRISCA_PLAYER_PAUSED;
    }
    m_stepPaused = true;
    const int64_t target = positionLocked() + (direction < 0 ? -kStepUs : kStepUs);
    return seekLocked(std::clamp<int64_t>(target, 0, m_source.durationUs()), true, error);
}

bool Player::stepPaused()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_stepPaused;
}

int64_t Player::framePosition()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state == BRISCA_PLAYER_CLOSED ? 0 : positionLocked();
}

bool Player::showCurrentFrame()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state != BRISCA_PLAYER_CLOSED;  // no picture output: the position is the frame
}

int64_t Player::durationUs()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state == BRISCA_PLAYER_CLOSED ? 0 : m_source.durationUs();
}

int64_t Player::positionUs()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state == BRISCA_PLAYER_CLOSED ? 0 : positionLocked();
}

int64_t Player::positionLocked()
{
    if (m_state == BRISCA_PLAYER_FINISHED || m_pendingSeekUs >= 0)
        return m_lastPosition;
    const int64_t heard = std::max<int64_t>(0, m_written - m_sink->queuedFrames());
    m_lastPosition = std::max(m_lastPosition, m_baseUs + heard * 1000000 / m_rate);
    return m_lastPosition;
}

bool Player::seekLocked(int64_t positionUs, bool exact, std::string* error)
{
    m_sink->flush();
    m_pending.clear();
    m_pendingOffset = 0;
    m_sourceEnded = false;
    m_written = 0;
    if (!m_source.seek(positionUs, exact, error)) {
        failLocked(*error);
        return false;
    }
    m_baseUs = m_lastPosition = positionUs;
    m_baseSample = positionUs * m_rate / 1000000;
    m_levels.reset(m_rate, m_channels, m_baseSample);
    m_wake.notify_all();
    return true;
}

bool Player::setEffectLevel(int EffectSettings::*level, int percent, std::string* error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_effects.*level = percent;
    return applyEffectsLocked(error);
}

bool Player::setEqualizer(std::vector<EqualizerBand> bands, std::string* error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_effects.bands = std::move(bands);
    return applyEffectsLocked(error);
}

// New effects are heard at once: the chain restarts at the heard position.
bool Player::applyEffectsLocked(std::string* error)
{
    if (m_state == BRISCA_PLAYER_CLOSED || m_state == BRISCA_PLAYER_FAILED)
        return true;  // kept for the next open
    const int64_t heard = positionLocked();
    const std::string format =
        "aformat=sample_fmts=flt:sample_rates=" + std::to_string(m_rate) +
        (m_channels != m_source.sourceChannels() ? std::string(":channel_layouts=stereo")
                                                 : std::string());
    if (!m_source.setChain(m_effects, format, 0, error))
        return false;
    return m_state == BRISCA_PLAYER_FINISHED || seekLocked(heard, true, error);
}

void Player::setEndPosition(int64_t endUs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_endSample = endUs > 0 ? endUs * m_rate / 1000000 : 0;
    // Moving the end back past what was sent already: what was sent beyond it is dropped.
    if (m_endSample > 0 && m_state != BRISCA_PLAYER_CLOSED &&
        m_baseSample + m_written > m_endSample) {
        std::string error;
        seekLocked(positionLocked(), true, &error);
    }
    m_wake.notify_all();
}

void Player::setRendererVolume(int percent)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_sink)
        m_sink->setVolume(std::clamp(percent, 0, 100));
}

void Player::setLevelData(bool enabled)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_levelsOn = enabled;
}

void Player::setUpdateInterval(int64_t intervalUs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_intervalUs = std::clamp<int64_t>(intervalUs, 10000, 1000000);
}

uint8_t* Player::takeLevels()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_levelsOn || m_state == BRISCA_PLAYER_CLOSED)
        return nullptr;
    const int64_t heard = positionLocked() * m_rate / 1000000;
    return m_levels.take(heard, m_intervalUs * m_rate / 1000000);
}

void Player::failLocked(const std::string& message)
{
    m_error = message;
    m_state = BRISCA_PLAYER_FAILED;
    if (m_sink)
        m_sink->flush();
}

void Player::endOfSound()
{
    m_sourceEnded = true;
    m_sink->endOfStream();
}

// Takes the next frame of the chain into m_pending; false at the end or on failure.
bool Player::pullFrame()
{
    std::string error;
    const int r = m_source.next(m_frame.get(), &error);
    if (r < 0) {
        failLocked(error);
        return false;
    }
    if (r == 0) {
        const int64_t heardEnd = m_baseUs + m_written * 1000000 / m_rate;
        const std::string change = m_watch.change();
        if (!change.empty() && heardEnd + 1000000 < m_source.durationUs()) {
            failLocked(change);
            return false;
        }
        endOfSound();
        return false;
    }
    const size_t n = size_t(m_frame->nb_samples) * size_t(m_channels);
    const auto* samples = reinterpret_cast<const float*>(m_frame->data[0]);
    m_pending.assign(samples, samples + n);
    m_pendingOffset = 0;
    av_frame_unref(m_frame.get());
    return true;
}

bool Player::writeSome(std::unique_lock<std::mutex>& lock)
{
    const int64_t writable = m_sink->writableFrames();
    if (writable <= 0) {
        const std::shared_ptr<PlaybackSink> sink = m_sink;
        lock.unlock();
        sink->waitWritable(kWaitSlice);
        lock.lock();
        return true;
    }
    int64_t room = writable;
    while (room > 0 && m_state == BRISCA_PLAYER_PLAYING) {
        if (m_pendingOffset * size_t(m_channels) >= m_pending.size() && !pullFrame())
            return m_state != BRISCA_PLAYER_FAILED;
        int64_t available = int64_t(m_pending.size() / size_t(m_channels) - m_pendingOffset);
        if (m_endSample > 0)
            available = std::min(available, m_endSample - (m_baseSample + m_written));
        if (available <= 0) {
            endOfSound();
            return true;
        }
        const int64_t n = std::min(room, available);
        const float* data = m_pending.data() + m_pendingOffset * size_t(m_channels);
        std::string error;
        if (!m_sink->write(data, n, &error)) {
            failLocked(error);
            return false;
        }
        if (m_levelsOn)
            m_levels.feed(data, n, m_baseSample + m_written);
        m_written += n;
        m_pendingOffset += size_t(n);
        room -= n;
    }
    return true;
}

// At the end of the file: finished once the output has played everything.
void Player::waitForDrain(std::unique_lock<std::mutex>& lock)
{
    std::string error;
    if (m_sink->failed(&error)) {
        failLocked(error);
        return;
    }
    if (m_sink->queuedFrames() <= 0) {
        m_state = BRISCA_PLAYER_FINISHED;
        m_lastPosition = m_baseUs + m_written * 1000000 / m_rate;
        return;
    }
    m_wake.wait_for(lock, kWaitSlice);
}

void Player::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_quit) {
        if (m_pendingSeekUs >= 0 && m_state != BRISCA_PLAYER_CLOSED) {
            const int64_t target = m_pendingSeekUs;
            m_pendingSeekUs = -1;
            std::string error;
            seekLocked(target, m_asyncToleranceUs < 0, &error);
            continue;
        }
        if (m_state != BRISCA_PLAYER_PLAYING) {
            m_wake.wait(lock);
            continue;
        }
        if (m_sourceEnded)
            waitForDrain(lock);
        else
            writeSome(lock);
    }
}

}  // namespace brisca
