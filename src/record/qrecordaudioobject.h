#pragma once
// One capture source of the recording session (system audio or the microphone): a worker
// thread that polls its capture endpoint every 10 ms and hands the captured blocks to the
// recorder of the media engine.
//
// Threading: constructed, configured, started and stopped on the GUI thread; none of these
// waits for the sound server (the endpoint is opened on the worker thread). run() executes on
// the worker thread. The flags shared by the two (stop, started, active, ...) are atomics
// written by one side and polled by the other; the recorder accepts frames from several
// threads, so there is no lock on the capture path. Signals are emitted on the worker thread.
//
// With a sink the captured blocks go through the pending queue to that recorder; without one
// (the microphone when it is mixed into system audio) they are pushed into a raw-audio stream
// description, which the recorder reads as its second input. Which recorder or stream that is
// follows the source's CaptureRoute: a cut of the recording hands the source over to the next
// file at a point of the session clock without stopping it.
//
// Blocks are stamped by CaptureTimeline: by the time the source captured them, and silence
// covers the time it captured nothing, up to the moment the recording is stopped.

#include "captureendpoint.h"
#include "captureroute.h"
#include "capturetimeline.h"
#include "nxrecognizeraudiotaginfo.h"
#include "qutilthread.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVector>

#include <atomic>
#include <memory>
#include <mutex>

class QAudioFrameBuffer;
class RecordingRecognition;

class QRecordAudioObject : public QObject, public QUtilThread {
    Q_OBJECT
public:
    // mode: CaptureEndpoint::SystemAudio or CaptureEndpoint::Microphone.
    explicit QRecordAudioObject(int mode, QObject* parent = nullptr);
    ~QRecordAudioObject() override;

    int mode() const { return m_mode; }
    // The endpoint made at each thread start; the sound server's when none is set. Only while
    // stopped.
    void setEndpointFactory(CaptureEndpointFactory factory);
    // System audio only: records what this application plays rather than everything (the
    // sound server's endpoint; no effect with a factory set); empty = everything. Only while
    // stopped.
    void setApplication(const QString& application) { m_application = application; }

    // The file the next capture writes to: its recorder (or stream), its start on the session
    // clock (the frames' timestamps count from it), its path and the session's number for it
    // (the tags recognized in it go out with both). Only while stopped.
    void setOutput(const CaptureRoute::Target& first) { m_route.reset(first); }
    // While capturing, from the owning thread: the blocks from `atUs` (session clock) on go to
    // `next`, those before it still to the file written now. Returns at once; false when too
    // many earlier hand-overs are still pending (nothing changes then).
    bool handOverAt(int64_t atUs, const CaptureRoute::Target& next)
    {
        return m_route.handOverAt(atUs, next);
    }
    bool canHandOver() const
    {
        return m_route.scheduled() - m_route.handedOver() < uint64_t(CaptureRoute::kMaxPending);
    }
    // Whether the source is done with the first `count` hand-overs since setOutput(): it has
    // sent everything before their points, or its thread has ended.
    bool hasHandedOver(uint64_t count) const
    {
        return m_route.handedOver() >= count || (!m_starting && !m_capturing);
    }
    // True while the music of a recording that ended is still being identified.
    bool recognitionPending() const;

    // Starts the capture thread, which opens the endpoint; returns at once. The outcome comes
    // as emitStarted() (isCapturing() is then true) or as emitAudioRecordFail() with
    // lastError() saying why, both from the worker thread.
    void startCapture();
    // Stops the thread and waits for it to end. What was captured up to `stopAtUs` (session
    // clock; 0 = no end time) is sent, and silence covers the rest of the time up to it.
    void stopCapture(int64_t stopAtUs = 0);
    // True while the endpoint is being opened.
    bool isStarting() const { return m_starting; }
    // True from a successful start until the thread ends (stopped or failed).
    bool isCapturing() const { return m_capturing; }
    // True once the endpoint of the last startCapture() was opened, also after the thread ended.
    bool hasOpened() const { return m_opened; }

    // Frames are kept only while active.
    void setActive(bool active) { m_active = active; }

    QString lastError() const;

signals:
    void emitVolume(int nValue);
    // The music of the recording at `recordingPath` was identified (at most once per
    // recording; only a source with a sink listens). From the worker thread, or from the
    // owning thread when the result came after the capture ended.
    void emitRecognizedAudioTagInfo(NxRecognizerAudioTagInfo info, QString recordingPath,
                                    quint64 piece);
    // The recording this source listened to ended without identified music; threads as above.
    void emitRecordingUnrecognized(QString recordingPath, quint64 piece);
    // A track identified in the recording at `recordingPath`, beginning startUs into the sound
    // the recognizer was fed (every track, not only the first). From the worker thread.
    void emitRecognizedTrack(NxRecognizerAudioTagInfo info, qint64 startUs, QString recordingPath,
                             quint64 piece);
    // The endpoint is open and capturing.
    void emitStarted();
    // The endpoint could not be opened or went away (the thread ends), or captured audio could
    // not be handed on (the thread goes on); lastError() says which.
    void emitAudioRecordFail();

public slots:
    // Stored only; nothing applies it to the captured sound.
    void setVolume(float volume) { m_volume = volume; }

protected:
    void run() override;

private:
    // A fragment read while its capture time is not known yet; empty bytes = a hole.
    struct HeldPacket {
        QByteArray bytes;
        int64_t frames;
    };

    bool capture();
    bool setUp(CaptureEndpoint* endpoint);
    bool poll(CaptureEndpoint& endpoint);
    bool readAll(CaptureEndpoint& endpoint, int64_t readable, bool toEnd = false);
    void discardAll(CaptureEndpoint& endpoint, int64_t readable);
    void takePacket(const void* data, int64_t frames);
    // Whether the timing answers seen after waitedUs are enough to place held data.
    bool timingSettled(int64_t waitedUs) const;
    void resolveTiming(CaptureEndpoint& endpoint, bool final);
    void finishCapture(CaptureEndpoint& endpoint, bool ok);
    void sendStamped(const void* data, int64_t frames, int64_t timestampUs);
    void sendSilence(int64_t fromUs, int64_t frames);
    void sendBlock(const void* data, uint32_t bytes, int64_t timestampUs);
    void writeFrame(const void* data, int64_t frames, int64_t timestampUs);
    void writeTo(const CaptureRoute::Target& target, const void* data, int64_t frames,
                 int64_t relativeUs);
    void handOver();
    int64_t framesUntil(int64_t us) const;
    int64_t positionOf(int64_t us) const;
    void flushQueue(int keep);
    void reportDropped(const QString& reason);
    void setError(const QString& error);

    const int m_mode;
    CaptureEndpointFactory m_factory;
    QString m_application;
    RecordingRecognition* m_recognition = nullptr;
    CaptureRoute m_route;

    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_starting{false};
    std::atomic<bool> m_active{false};
    std::atomic<bool> m_capturing{false};
    std::atomic<bool> m_opened{false};
    std::atomic<int64_t> m_stopAtUs{0};
    std::atomic<float> m_volume{1.0f};

    // Worker-thread state.
    int32_t m_frame = 0;
    CaptureFormat m_format;
    CaptureTimeline m_timeline;
    std::unique_ptr<QAudioFrameBuffer> m_queue;
    QVector<HeldPacket> m_held;
    int64_t m_heldFrames = 0;
    int64_t m_timingAskedUs = 0;
    int64_t m_earliestCaptureUs = 0;  // of the first held frame, over the answers so far
    int m_timingAnswers = 0;
    int64_t m_lastDataUs = 0;
    // Position in the current file of the next frame written to it, once known: from the
    // first block's timestamp, or 0 after a cut for a source that wrote to the old file.
    int64_t m_filePos = 0;
    bool m_filePosKnown = false;
    bool m_targetWritten = false;  // a block went to the current file
    bool m_began = false;
    bool m_dataThisPoll = false;
    bool m_writeFailing = false;

    mutable std::mutex m_errorMutex;
    QString m_error;
};
