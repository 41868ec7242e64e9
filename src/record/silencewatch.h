#pragma once
// The silence watch of a running recording. The recording display feeds it the verdict of the
// level display's silence test for every level block (about every 50 ms) and calls check()
// from a 200 ms timer; check() says when the file is to be split because the silence has
// lasted longer than the user's threshold. A silence that goes on splits again each time
// another threshold has passed. It also tells when the first loud block of a recording came,
// which the delete rules need.
//
// The split settings are read when a silence starts being timed and again after each split,
// not at every check: each read of the settings file rewrites it, which five times a second
// through a long silence would cost the GUI thread and the disk for nothing.
//
// Time comes from an injected WallClock, so the verdict depends on the clock's readings, not
// on when the timer happened to fire. GUI thread only.

#include <QDateTime>

#include "silencerules.h"

class WallClock;

class SilenceWatch {
public:
    explicit SilenceWatch(const WallClock& clock);

    // A recording starts: it is silent throughout so far, and no silence is being timed.
    void begin();
    // The next piece of a recording split at a silence: silent throughout again, while the
    // silence that split it stays timed from the split.
    void beginPiece() { m_alwaysSilent = true; }
    // The verdict for the latest level block. True exactly once per recording: for its first
    // loud block, when "silent throughout" becomes false.
    bool takeBlock(bool silent);
    // The periodic check. True when the file is to be split now (the silence is then timed
    // again from now).
    bool check();

    bool lastBlockSilent() const { return m_lastSilent; }
    bool silentThroughout() const { return m_alwaysSilent; }
    // When the silence being timed began; invalid while none is.
    QDateTime silenceStart() const { return m_silenceStart; }

private:
    const WallClock& m_clock;
    QDateTime m_silenceStart;
    SilenceRules::SplitSettings m_split;
    bool m_lastSilent = false;
    bool m_alwaysSilent = true;
};
