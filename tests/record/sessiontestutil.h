#pragma once
// Helpers of the recording-session tests: recording for a while with the session clock read
// around start() and stop(), and reading samples of decoded s16 stereo.

#include "qrecordareainfo.h"
#include "qrecordobject.h"
#include "sessionclock.h"

#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <QtTest>

namespace sessiontest {

inline EncodeSettings settingsFor(const QString& key, int codec)
{
    EncodeSettings s;
    s.formatKey = key;
    s.audioCodec = codec;
    return s;
}

// Selects the sources and takes them for valid.
inline void useSources(int sources)
{
    QRecordAreaInfo::instance().setSelectedSources(sources);
    QRecordAreaInfo::instance().setValidSources(sources);
}

// Session-clock readings around start() and stop(): the recording's own start and stop lie
// between them, whatever the scheduling.
struct Span {
    int64_t beforeStart = 0, afterStart = 0, beforeStop = 0, afterStop = 0;

    // Bounds of the file's length in frames, widened by `slackUs`.
    qint64 minFrames(int rate, int64_t slackUs = 0) const
    {
        return (beforeStop - afterStart - slackUs) * rate / 1000000 - 2;
    }
    qint64 maxFrames(int rate, int64_t slackUs = 0) const
    {
        return (afterStop - beforeStart + slackUs) * rate / 1000000 + 2;
    }
    // Bounds of the file position of a moment on the session clock, in frames.
    qint64 earliestFrame(int64_t atUs, int rate) const
    {
        return (atUs - afterStart) * rate / 1000000 - 1;
    }
    qint64 latestFrame(int64_t atUs, int rate) const
    {
        return (atUs - beforeStart) * rate / 1000000 + 1;
    }
};

inline bool startRecording(QRecordObject& session, const QString& path, Span* span)
{
    span->beforeStart = sessionClockUs();
    const bool started = session.start(path);
    span->afterStart = sessionClockUs();
    return started;
}

inline void stopRecording(QRecordObject& session, Span* span)
{
    span->beforeStop = sessionClockUs();
    session.stop();
    span->afterStop = sessionClockUs();
}

// Starts the session and waits until all `sources` capture: what plays before a stream is
// open is not there to be recorded, and a busy machine opens the streams late.
inline bool startCapturing(QRecordObject& session, const QString& path, int sources,
                           Span* span = nullptr)
{
    Span s;
    if (!startRecording(session, path, span ? span : &s)) {
        qWarning("start: %s", qPrintable(session.lastError()));
        return false;
    }
    return QTest::qWaitFor([&] { return session.capturingSources() == sources; }, 10000);
}

// Records for `ms` milliseconds of wall clock.
inline bool recordFor(QRecordObject& session, const QString& path, int ms, Span* span = nullptr)
{
    Span s;
    if (!startRecording(session, path, &s))
        return false;
    QTest::qWait(ms);
    stopRecording(session, &s);
    if (span)
        *span = s;
    return true;
}

// One sample of interleaved s16 stereo.
inline qint16 sampleAt(const QByteArray& s16, qsizetype frame, int channel = 0)
{
    return qFromLittleEndian<qint16>(s16.constData() + (frame * 2 + channel) * 2);
}

}  // namespace sessiontest
