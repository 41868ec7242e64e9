#pragma once
// Time stamps of one capture source on the session clock.
//
// The recorder places frames on the output timeline by their timestamps and fills gaps (and
// trims overlaps) of more than about a quarter of a second. Stamping each packet with the time
// it was read would invent a gap whenever the capture thread is merely late: after a stall the
// endpoint hands over its backlog in one burst, all of it "read now" although it was captured
// earlier. So continuous data is stamped by stream position: anchor + frames so far / rate,
// where the anchor is the session time of the first packet. Only when the wall clock runs ahead
// of the stream position by more than kReanchorUs has data really been lost (the endpoint's
// one-second buffer overflowed, or the device paused), and the stream is re-anchored to the wall
// clock so the recording keeps following it.
//
// The watchdog's silent blocks stand for time in which the endpoint had nothing at all (the
// capture thread makes one only when no packet is waiting), so the packet after one is fresh
// audio and is anchored anew at the wall clock, like a first packet. Continuing the stream
// position from the silent block instead would stamp a device that starts delivering late (a
// monitor whose sink had rendered ahead, a device waking from suspend) up to a second early,
// and the file would fall behind the wall clock for good.
//
// Used by one capture thread; no lock.

#include <cstdint>

class CaptureTimeline {
public:
    static constexpr int64_t kReanchorUs = 1000000;
    // Silent blocks are stamped this far behind "now", so a packet arriving right after one
    // does not overlap it.
    static constexpr int64_t kSilenceLagUs = 100000;

    explicit CaptureTimeline(int rateHz = 44100);
    void reset(int rateHz);

    // Timestamp of a captured packet of `frames` frames read at `elapsedUs` (session clock now
    // minus the recording's start).
    int64_t stampPacket(int64_t elapsedUs, int64_t frames);
    // Timestamp of the watchdog's silent block made at `elapsedUs`: elapsedUs - kSilenceLagUs
    // (0 early on). The next packet is anchored at its own arrival.
    int64_t stampSilence(int64_t elapsedUs);

private:
    int64_t positionUs() const;

    int m_rateHz = 44100;
    bool m_anchored = false;
    int64_t m_anchorUs = 0;
    int64_t m_frames = 0;  // frames since the anchor
};
