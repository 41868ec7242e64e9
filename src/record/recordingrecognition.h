#pragma once
// RecordingRecognition: the track recognition of one capture source. Every block the source
// hands to its recorder is fed to an NxAudioRecognizer; once the engine reports a result, the
// tags go out once per recording with the path of the file they belong to and the piece
// (QRecordObject::piece()) that wrote it: a piece discarded at a split is written over at the
// same path, so the path alone cannot tell a late result of the old piece from the new one's.
// A recording that was listened to and ended without tags is reported once as unrecognized().
//
// Threading: prepare() and recognitionPending() on the owning (GUI) thread, while the capture
// thread is not running; begin(), feed() and end() on the capture thread, which also calls
// end(), prepare() and begin() in turn when a cut hands it over to the next file. recognized() is
// emitted on the capture thread for a result found while capturing, and on the owning thread
// for one that came after the capture ended.
//
// Feeding never waits: the engine listens on its own thread. When the capture ends before a
// result, the recognizer is told that the stream ended (it looks the tail up once more) and is
// kept aside until the engine answers, so a cut that starts the next file at once loses
// nothing; the next recording gets a fresh recognizer.
//
// The recognition is continuous: after the first result (which names the recording) the
// recognizer keeps listening, and every track it identifies goes out with trackRecognized(),
// with where it began in the recording's sound, so that the session can split the recording
// where a new track begins.

#include <QObject>
#include <QString>

#include <memory>
#include <mutex>
#include <vector>

#include "nxrecognizeraudioformat.h"
#include "nxrecognizeraudiotaginfo.h"

class NxAudioRecognizer;
class QTimer;

class RecordingRecognition : public QObject {
    Q_OBJECT
public:
    explicit RecordingRecognition(QObject* parent = nullptr);
    ~RecordingRecognition() override;

    // A recording of `path` (the session's piece number `piece`) is about to start: makes the
    // recognizer when there is none.
    void prepare(const QString& path, quint64 piece = 0);
    // Whether the recordings from the next prepare() on listen on after their first result
    // (splitting at tracks). Owning thread, while the capture thread is not running.
    void setContinuous(bool continuous) { m_continuous = continuous; }
    // Capture started with `format`: opens the recognizer for it.
    void begin(const NxRecognizerAudioFormat& format);
    // One block (an engine frame) that went to the recorder.
    void feed(int32_t frame);
    // Capture ended: reports a result that is ready, or lets the engine finish on its own.
    void end();
    // True while a recognizer of an ended recording still listens.
    bool recognitionPending() const;

signals:
    void recognized(NxRecognizerAudioTagInfo info, QString recordingPath, quint64 piece);
    // The recording was listened to and its recognition ended without tags.
    void unrecognized(QString recordingPath, quint64 piece);
    // A track identified while capturing; it began startUs into the recording's sound.
    void trackRecognized(NxRecognizerAudioTagInfo info, qint64 startUs, QString recordingPath,
                         quint64 piece);

private:
    struct Finishing {
        std::unique_ptr<NxAudioRecognizer> recognizer;
        QString path;
        quint64 piece = 0;
    };

    // Stops the recognizer and sends its tags, or unrecognized() when the match carries no
    // title, artist or album.
    void report(NxAudioRecognizer& recognizer, const QString& path, quint64 piece);
    void pollFinishing();
    // Sends the tracks identified since the last call.
    void takeTracks();

    std::unique_ptr<NxAudioRecognizer> m_recognizer;
    QString m_path;
    quint64 m_piece = 0;
    bool m_listening = false;  // begin() opened the recognizer for this recording
    bool m_reported = false;
    bool m_continuous = false;
    QTimer* m_pollTimer = nullptr;
    mutable std::mutex m_finishingMutex;
    std::vector<Finishing> m_finishing;
};
