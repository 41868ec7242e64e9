#pragma once
// The recording session: turns the sources selected in QRecordAreaInfo into output files.
// Owns one capture source per input (system audio, microphone), one recorder of the media
// engine per file being written, and the timers that report the recorded duration (100 ms) and
// the latest level block (50 ms). A recording is a start()/stop() pair; cut() ends its file and
// goes on in the next one without stopping capture, so no sound is lost between the two.
//
// Threading: lives on the GUI thread; start(), cut(), stop() and the timers run there, and none
// of them waits for the sound server or a capture thread: the sources open their endpoints on
// their own threads and report back by signal. The sources' threads send frames to the
// recorders directly; stop() joins them before it stops the recorder.

#include "captureendpoint.h"
#include "captureroute.h"
#include "encodesettings.h"
#include "nxrecognizeraudiotaginfo.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <cstdint>
#include <deque>
#include <vector>

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
    // this moment. Files cut off before and not finished yet are finished first, in order.
    void stop();

    enum class CutMode {
        Keep,     // the file that ends is finished and listed as after stop()
        Discard,  // the file that ends is thrown away: no history entry, no finish signal
    };
    // Ends the current file at this moment (session clock) and goes on at once in a new file at
    // `nextPath`, with the same encode settings and sources; capture never stops. Every sample
    // captured before the cut is in the old file, every one from it on in the new one.
    //
    // True: the new file records; outputPath() is nextPath and piece() one more than the old
    // file's (recognition results of each file carry its own number). The display's time
    // (emitRecordTime) starts again at 0. With Keep, the old file is finished once every
    // source has delivered past the cut (within about a second; at once when stop() comes
    // first): then it enters the history and emitFinishRecordFile(oldPath) goes out, with
    // lastFinished() describing it, before any later file's. With Discard the old file is
    // gone at once and nextPath may be its path.
    // False: the new file could not be opened (lastError() says why); the recording has ended
    // as by stop(), the old file kept and finished. Also false when nothing records.
    bool cut(const QString& nextPath, CutMode mode = CutMode::Keep);
    // What the current file holds if it ends now: the session clock since it began.
    uint64_t currentLengthUs() const;

    // The file of the last emitFinishRecordFile(): valid while that signal is delivered and
    // until the next one.
    struct FinishedFile {
        QString path;
        quint64 piece = 0;
        uint64_t durationUs = 0;
        QString error;  // why the file ends early (it could not be written further); else empty
    };
    const FinishedFile& lastFinished() const { return m_finished; }

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
    // One file being written: the engine's recorder, and the raw-audio stream that carries the
    // mixed-in microphone to it.
    struct Output {
        int32_t recorder = 0;
        int32_t stream = 0;
        QString path;
        quint64 piece = 0;
        uint64_t handOvers = 0;         // cut-off file: the sources' hand-overs that end it
        int64_t droppedUs[2] = {0, 0};  // reported so far, per recorder input
        bool discard = false;
    };

    static Output makeOutput();
    static void destroyOutput(Output& output);
    Output takeSpareOutput();
    int32_t makeEncodeParams(int32_t micStream) const;
    bool openOutput(Output& output, const QString& path);
    CaptureRoute::Target targetFor(const QRecordAudioObject* source, const Output& output,
                                   int64_t startUs) const;
    bool roomForCut();
    bool moveAside(QString* aside);
    void scheduleHandOver(int64_t atUs, const Output& next);
    void finishCutFiles(bool all);
    void finishCutFile(Output& output);
    void enterFinished(const FinishedFile& file);
    void startSources(bool useSystem, bool useMic, bool mixing);
    void stopSources(int64_t stopAtUs = 0);
    void killTimers();
    void onSourceFailed(QRecordAudioObject* source);
    void onSourceStarted();
    void decideStart();
    void warn(const QString& message);
    void abandonFailedStart(const QString& reason);
    void onRecorderFailed();
    void checkDroppedAudio(Output& output);
    void finish(const QString& error = QString());
    void takeSettingsFromCurrentFormat();

    EncodeSettings m_settings;
    Output m_out;                 // the file written now
    std::deque<Output> m_ending;  // cut off, waiting for the sources to move on; oldest first
    std::vector<Output> m_spare;  // closed, ready for the next cut
    uint64_t m_handOvers = 0;     // cuts since start()
    FinishedFile m_finished;
    bool m_usesSystem = false;
    bool m_usesMic = false;
    QRecordAudioObject* m_system = nullptr;
    QRecordAudioObject* m_microphone = nullptr;
    QString m_path;
    quint64 m_piece = 0;
    QString m_lastError;
    uint64_t m_lastDurationUs = 0;
    int64_t m_startClockUs = 0;  // session clock at the start of the file
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
