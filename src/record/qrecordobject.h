#pragma once
// The recording session: turns the sources selected in QRecordAreaInfo into one output file.
// Owns one capture source per input (system audio, microphone), one recorder of the media
// engine, and the timers that report the recorded duration (100 ms) and the latest level block
// (50 ms). Every recording, cut and split is a start()/stop() pair on one session object.
//
// Threading: lives on the GUI thread; start(), stop() and the timers run there, and none of
// them waits for the sound server: the sources open their endpoints on their own threads and
// report back by signal. The sources' threads send frames to the recorder directly; stop()
// joins them before it stops the recorder.

#include "captureendpoint.h"
#include "encodesettings.h"
#include "nxrecognizeraudiotaginfo.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <cstdint>

class QRecordAudioObject;

class QRecordObject : public QObject {
    Q_OBJECT
public:
    explicit QRecordObject(QObject* parent = nullptr);
    ~QRecordObject() override;

    // Container, codec and audio parameters of every following start(). Until this is called,
    // each start() takes them from the current format descriptor.
    void setEncodeSettings(const EncodeSettings& settings)
    {
        m_settings = settings;
        m_explicitSettings = true;
    }
    const EncodeSettings& encodeSettings() const { return m_settings; }

    // Begins a new file at `path`. False means nothing is being recorded; lastError() says why.
    // True means the file is open and the sources are starting: if none of them can be opened
    // (no sound server, no device), the recording ends again within CaptureEndpoint's open
    // time-out with emitAudioRecordFail(), isRecording() false, lastError() saying why, and no
    // file left behind.
    bool start(const QString& path);
    // Ends capture and finishes the file; safe to call when nothing runs. The file lasts until
    // this moment.
    void stop();

    bool isRecording() const { return m_recording; }
    QString outputPath() const { return m_path; }
    // Counts the files started (1 for the first); the recognition results of a file carry it.
    quint64 piece() const { return m_piece; }
    // Duration of the current (or the last) recording, in microseconds.
    uint64_t lastRecordedDurationUs() const { return m_lastDurationUs; }
    // Why the last start failed, a source was lost or dropped audio, or the file could not be
    // written.
    QString lastError() const { return m_lastError; }
    // Sources whose capture thread is running now.
    int capturingSources() const;

    QRecordAudioObject* systemSource() const { return m_system; }
    QRecordAudioObject* microphoneSource() const { return m_microphone; }

signals:
    void emitRecordTime(uint64_t);
    // The latest level block of the recorder and its length in 16-bit values; the pointer is
    // valid only while the signal is delivered. Sent every 50 ms while a recording runs, if a
    // receiver was connected when it started.
    void emitAudioData(unsigned char* data, int sps);
    void emitFinishRecordFile(QString path);
    void emitAudioRecordFail();
    // A track identified in the recording at `path` (the file of `piece`), beginning startUs
    // into its sound.
    void emitRecognizedTrack(const NxRecognizerAudioTagInfo& info, qint64 startUs,
                             const QString& path, quint64 piece);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    int32_t makeEncodeParams(bool mixing) const;
    bool openOutput(const QString& path);
    void startSources(bool useSystem, bool useMic, bool mixing);
    void stopSources(int64_t stopAtUs = 0);
    void killTimers();
    void onSourceFailed(QRecordAudioObject* source);
    void onSourceStarted();
    void decideStart();
    void warn(const QString& message);
    void abandonFailedStart(const QString& reason);
    void onRecorderFailed();
    void checkDroppedAudio();
    void finish();
    void takeSettingsFromCurrentFormat();

    EncodeSettings m_settings;
    int32_t m_recorder = 0;
    QRecordAudioObject* m_system = nullptr;
    QRecordAudioObject* m_microphone = nullptr;
    QString m_path;
    quint64 m_piece = 0;
    QString m_lastError;
    uint64_t m_lastDurationUs = 0;
    int64_t m_startClockUs = 0;       // session clock at the start of the file
    int64_t m_droppedUs[2] = {0, 0};  // reported so far, per recorder input
    bool m_mixing = false;
    // Sources of the current recording that could not be opened, with the reason.
    struct OpenFailure {
        const QRecordAudioObject* source;
        QString reason;
    };
    QVector<OpenFailure> m_openFailures;
    int m_recordTimer = 0;
    int m_audioDataTimer = 0;
    bool m_explicitSettings = false;
    bool m_recording = false;
    bool m_stopping = false;
};
