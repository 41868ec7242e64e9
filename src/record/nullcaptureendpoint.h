#pragma once
// A capture endpoint without a device, driven by a script: it produces a sine tone (or silence)
// paced by the session clock, like a real device would, and can misbehave on request so that
// tests can run the capture threads and the session against a faulty source.
//
// The scripted device captures frame k at
//     epoch + startDelayMs + k / rate   (+ pauseMs once k >= pauseAfterFrames)
// where epoch is the moment of open(), or a moment on the session clock the script fixes (so
// that two devices capture the same instant at the same frame).
// and hands it out latencyMs later. So it can: refuse to open, deliver nothing at all (an idle
// loopback device), start late (the monitor of a sink that rendered ahead), deliver each frame
// well after capturing it, pause (a suspended sink: nothing is captured meanwhile), stall (the
// frames are captured but handed out only later, in one burst), lose frames (a hole: a null
// fragment with a length), or fail after a number of frames. Its timing answers tell the true
// capture times, optionally only after some polls, or never.
//
// Used on the capture thread only, like every endpoint.

#include "captureendpoint.h"

#include <QByteArray>

#include <cstdint>

class NullCaptureEndpoint : public CaptureEndpoint {
public:
    struct Script {
        CaptureFormat format;           // s16 only is generated; the default is s16/44100/2
        QString openError;              // not empty: open() fails with this text
        int openDelayMs = 0;            // open() takes this long (a hung server), unless cancelled
        double toneHz = 1000.0;         // 0 = digital silence
        double amplitude = 0.5;         // of full scale
        bool deliverNothing = false;    // never any packet (the filler must keep time)
        int64_t epochUs = 0;            // session clock of the epoch; 0 = the time of open()
        int startDelayMs = 0;           // the first frame is captured this long after the epoch
        int latencyMs = 0;              // each frame is handed out this long after capture
        int64_t pauseAfterFrames = -1;  // after this many frames, nothing is captured...
        int pauseMs = 0;                // ...for this long
        int64_t stallAfterFrames = -1;  // after this many frames, deliver nothing for stallMs...
        int stallMs = 0;                // ...then everything captured meanwhile at once
        int64_t holeAfterFrames = -1;   // after this many frames, holeFrames are lost...
        int holeFrames = 0;             // ...and handed out as a hole
        int64_t failAfterFrames = -1;   // after this many frames, readableBytes() fails
        int packetFrames = 441;         // frames per fragment handed out by peek()
        bool reportsTiming = true;      // false: captureTimeUs() never answers
        int timingAnswerPolls = 0;      // captureTimeUs() answers after this many calls
    };

    explicit NullCaptureEndpoint(const Script& script);

    bool open(int mode, CaptureFormat* format) override;
    int64_t readableBytes() override;
    bool peek(const void** data, int64_t* frames) override;
    bool drop() override;
    void refreshTiming() override;
    bool captureTimeUs(int64_t* us) override;
    void close() override;
    QString errorString() const override;

    // The sample the scripted tone has at frame `index` (the same in every channel).
    static int16_t toneSample(const Script& script, int64_t index);

private:
    int64_t captureTimeOf(int64_t frame) const;   // session clock
    int64_t capturedFrames(int64_t nowUs) const;  // frames handed out or ready to be
    int64_t availableFrames() const;
    bool inHole() const;

    Script m_script;
    bool m_open = false;
    bool m_dead = false;
    QString m_error;
    int64_t m_epochUs = 0;
    int64_t m_delivered = 0;  // frames handed out and dropped (holes included)
    int64_t m_stallUntilUs = 0;
    int m_timingPolls = -1;  // calls of captureTimeUs() since refreshTiming(); -1 = not asked
    QByteArray m_packet;
    int64_t m_packetFrames = 0;
};
