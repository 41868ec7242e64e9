#pragma once
// Time stamps of one capture source, in microseconds of the session clock.
//
// Continuous data is stamped by stream position: anchor + frames since the anchor / rate, so
// packets that follow each other in the stream follow each other in the file exactly, whatever
// the polling jitter and however late a burst is read. The anchor is when the source captured
// the first frame, as the source's timing information tells (the server's latency included),
// not when the packet arrived: arrival lags capture by the server's buffering and the thread's
// polling, differently in every run, which would shift two sources against each other.
//
// Whenever data comes after nothing came for a while (the first data, a device waking from
// suspend, a thread that was not scheduled) its capture time is asked again (confirm()). If it
// continues the stream within kReanchorUs, the stream goes on; otherwise data was lost or the
// device paused, and a new segment starts at the capture time.
//
// The time in which nothing was captured is covered by silence, so the recording follows the
// wall clock. Silence gives way to audio: it is handed out only kSilenceHoldUs behind the clock
// (as long as the capture stream buffers at most), so that audio captured meanwhile and
// delivered late still finds its place free, and audio is never placed over silence already
// handed out (it then starts right after it instead).
//
// Used by one capture thread; no lock.

#include <cstdint>

class CaptureTimeline {
public:
    static constexpr int64_t kReanchorUs = 20000;
    static constexpr int64_t kSilenceHoldUs = 1000000;

    explicit CaptureTimeline(int rateHz = 44100) { begin(rateHz, 0); }

    // A recording that starts at `startUs` on the session clock; nothing is handed out yet, and
    // the next frames need their capture time.
    void begin(int rateHz, int64_t startUs);

    // The frames that come next need their capture time before they can be stamped.
    void expectDiscontinuity() { m_needsTime = true; }
    bool needsTime() const { return m_needsTime; }
    // The capture time of the next frame to stamp. Returns the silence (in frames, starting at
    // *silenceFromUs) to hand out before that frame, so that nothing is left uncovered.
    int64_t confirm(int64_t captureUs, int64_t* silenceFromUs);
    // Timestamp of the next `frames` frames of the stream (not while needsTime()).
    int64_t stamp(int64_t frames);

    // Silence that covers the time up to `untilUs`: its length in frames (0 when nothing is
    // missing) and its start in *fromUs. Meant for untilUs = now - kSilenceHoldUs while nothing
    // comes, and for the end of the recording.
    int64_t silenceUntil(int64_t untilUs, int64_t* fromUs);
    // End of what was handed out (stamped or silence); the start before anything was.
    int64_t coveredUs() const;

private:
    int64_t usOf(int64_t frames) const { return frames * 1000000 / m_rateHz; }

    int m_rateHz = 44100;
    int64_t m_startUs = 0;
    bool m_needsTime = true;
    bool m_handedOut = false;
    // The stream segment: its anchor and the frames stamped since.
    bool m_anchored = false;
    int64_t m_anchorUs = 0;
    int64_t m_frames = 0;
    // The run of silence handed out after the segment, if any.
    bool m_inSilence = false;
    int64_t m_silenceFromUs = 0;
    int64_t m_silenceFrames = 0;
};
