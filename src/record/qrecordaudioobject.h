#pragma once
// One capture source of the recording session (system audio or the microphone): a worker
// thread that polls its capture endpoint every 10 ms and hands the captured blocks to the
// recorder of the media engine.
//
// Threading: constructed, configured, started and stopped on the GUI thread. run() executes on
// the worker thread. The flags shared by the two (stop, started, active, ...) are atomics
// written by one side and polled by the other; the recorder accepts frames from several
// threads, so there is no lock on the capture path. Signals are emitted on the worker thread.
//
// With a sink the captured blocks go through the pending queue to that recorder; without one
// (the microphone when it is mixed into system audio) they are pushed into the source's
// raw-audio stream description, which the recorder reads as its second input.

#include "capturetimeline.h"
#include "captureendpoint.h"
#include "qutilthread.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <mutex>

class QAudioFrameBuffer;

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

    // Recorder handle that receives this source's frames; 0 = none (frames go to stream()).
    void setSink(int32_t recorder) { m_sink = recorder; }
    int32_t sink() const { return m_sink; }

    // Starts the capture thread and waits until its setup is over. False when the endpoint
    // could not be opened (lastError() says why); the thread has then ended.
    bool startCapture();
    // Stops the thread, sends what is still queued, and waits for it to end.
    void stopCapture();
    // True from a successful startCapture() until the thread ends (stopped or failed).
    bool isCapturing() const { return m_capturing; }

    // Frames are kept only while active; timestamps count from startTimeUs (session clock).
    void setStartTimeUs(int64_t us) { m_startUs = us; }
    void setActive(bool active) { m_active = active; }

    // The raw-audio stream description with the endpoint's format, rebuilt at each start.
    int32_t stream() const { return m_stream; }
    QString lastError() const;

signals:
    void emitVolume(int nValue);
    void emitAudioRecordFail();

public slots:
    void resetRecorder();
    // Stored only; nothing applies it to the captured sound.
    void setVolume(float volume) { m_volume = volume; }

protected:
    void run() override;

private:
    bool capture();
    bool setUp(CaptureEndpoint* endpoint);
    void rebuildStream(const CaptureFormat& format);
    void takePacket(const void* data, int64_t frames);
    void addSilence(int64_t nowUs);
    void sendBlock(const void* data, uint32_t bytes, int64_t timestampUs);
    void flushQueue();
    void setError(const QString& error);

    const int m_mode;
    CaptureEndpointFactory m_factory;

    std::atomic<int32_t> m_sink{0};
    std::atomic<int32_t> m_stream{0};
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_started{false};
    std::atomic<bool> m_setUpOk{false};
    std::atomic<bool> m_active{false};
    std::atomic<bool> m_capturing{false};
    std::atomic<int64_t> m_startUs{0};
    std::atomic<float> m_volume{1.0f};

    // Worker-thread state.
    int32_t m_frame = 0;
    CaptureFormat m_format;
    CaptureTimeline m_timeline;
    std::unique_ptr<QAudioFrameBuffer> m_queue;

    mutable std::mutex m_errorMutex;
    QString m_error;
};
