#pragma once
// Player: plays one file through its effect chain to a PlaybackSink on its own thread.
//
// Threading: the public functions may be called from any thread; they take m_mutex, which the
// player's thread holds only while it decodes and writes one frame. The thread sleeps while
// nothing is to be done (stopped, paused, finished, output full).
//
// Position = the position of the last seek + the frames written since - the frames the
// output has not played yet. Pausing corks the output, so the position stands still; seeking
// and stopping flush it, so the new sound is heard at once. Changing an effect re-seeks to the
// heard position for the same reason.

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "audiosource.h"
#include "brisca/brisca.h"
#include "filewatch.h"
#include "handletable.h"
#include "playbacklevels.h"
#include "playbacksink.h"

namespace brisca {

class Player : public HandleObject {
public:
    // Makes the output for each opened file; null with *error set when there is none.
    using SinkFactory = std::function<std::unique_ptr<PlaybackSink>(std::string* error)>;
    static constexpr int64_t kStepUs = 40000;

    explicit Player(SinkFactory sinkFactory);
    ~Player() override;

    bool open(const std::string& path, int audioTrack, std::string* error);
    void close();
    int state();
    std::string errorText();
    bool hasPicture();
    bool hasSound();

    bool play(std::string* error);
    bool pause(std::string* error);
    bool stop(std::string* error);
    bool seek(int64_t positionUs, std::string* error);
    bool beginAsyncSeek(int64_t toleranceUs);
    bool endAsyncSeek(std::string* error);
    bool step(int direction, std::string* error);
    bool stepPaused();
    int64_t framePosition();
    bool showCurrentFrame();

    int64_t durationUs();
    int64_t positionUs();
    // 0 = the end of the file.
    void setEndPosition(int64_t endUs);

    bool setEffectLevel(int EffectSettings::*level, int percent, std::string* error);
    bool setEqualizer(std::vector<EqualizerBand> bands, std::string* error);
    void setRendererVolume(int percent);
    void setLevelData(bool enabled);
    void setUpdateInterval(int64_t intervalUs);
    uint8_t* takeLevels();

private:
    void run();
    // Called with m_mutex held.
    bool writeSome(std::unique_lock<std::mutex>& lock);
    bool pullFrame();
    void endOfSound();
    void waitForDrain(std::unique_lock<std::mutex>& lock);
    bool seekLocked(int64_t positionUs, bool exact, std::string* error);
    bool applyEffectsLocked(std::string* error);
    int64_t positionLocked();
    void failLocked(const std::string& message);
    bool requireOpen(std::string* error);

    SinkFactory m_sinkFactory;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::thread m_thread;
    bool m_quit = false;

    // Shared so that the thread can wait on it without the lock while close() drops it.
    std::shared_ptr<PlaybackSink> m_sink;
    AudioSource m_source;
    FileWatch m_watch;
    PlaybackLevels m_levels;
    EffectSettings m_effects;
    FramePtr m_frame;
    std::vector<float> m_pending;  // decoded frames not yet taken by the output
    size_t m_pendingOffset = 0;    // frames of m_pending already written
    int m_rate = 44100;
    int m_channels = 2;
    bool m_hasPicture = false;

    int m_state = BRISCA_PLAYER_CLOSED;
    std::string m_error;
    int64_t m_baseUs = 0;        // position of the last seek
    int64_t m_baseSample = 0;    // the same in output samples
    int64_t m_written = 0;       // frames written since the last seek
    int64_t m_lastPosition = 0;  // positions never run backwards between seeks
    bool m_sourceEnded = false;
    bool m_levelsOn = false;
    int64_t m_intervalUs = 50000;
    int64_t m_endSample = 0;          // 0 = the end of the file
    int64_t m_asyncToleranceUs = -1;  // >= 0 while scrubbing
    int64_t m_pendingSeekUs = -1;
    bool m_stepPaused = false;
};

}  // namespace brisca
