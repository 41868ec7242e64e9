#pragma once
// A capture endpoint without a device, driven by a script: it produces a sine tone (or silence)
// paced by the steady clock, like a real device would, and can misbehave on request so that
// tests can run the capture threads and the session against a faulty source:
// refuse to open, deliver nothing at all (an idle loopback device), stop delivering for a while
// and then hand over the backlog in one burst, or fail after a number of frames.

#include "captureendpoint.h"

#include <QByteArray>

#include <cstdint>

class NullCaptureEndpoint : public CaptureEndpoint {
public:
    struct Script {
        CaptureFormat format;          // s16 only is generated; the default is s16/44100/2
        QString openError;             // not empty: open() fails with this text
        double toneHz = 1000.0;        // 0 = digital silence
        double amplitude = 0.5;        // of full scale
        bool deliverNothing = false;   // never any packet (the watchdog must keep time)
        int64_t stallAfterFrames = -1; // after this many frames, deliver nothing for stallMs...
        int stallMs = 0;               // ...then everything captured meanwhile at once
        int64_t failAfterFrames = -1;  // after this many frames, readableBytes() fails
        int packetFrames = 441;        // frames per fragment handed out by peek()
    };

    explicit NullCaptureEndpoint(const Script& script);

    bool open(int mode, CaptureFormat* format) override;
    int64_t readableBytes() override;
    bool peek(const void** data, int64_t* frames) override;
    bool drop() override;
    void close() override;
    QString errorString() const override;

private:
    int64_t capturedFrames() const;  // frames the "device" has produced so far
    int64_t availableFrames() const;

    Script m_script;
    bool m_open = false;
    bool m_dead = false;
    QString m_error;
    int64_t m_openedUs = 0;
    int64_t m_delivered = 0;   // frames handed out and dropped
    int64_t m_stallUntilUs = 0;
    QByteArray m_packet;
    int64_t m_packetFrames = 0;
};
