#pragma once
// NxAudioRecognizer: identifies the music in a stream of audio frames, a file or an engine
// track, through the media engine's recognizer, and copies the result out as
// NxRecognizerAudioTagInfo. It only feeds audio and polls: the engine listens on its own
// thread, so feeding never waits for identification.
//
// Threading: used by one thread at a time (the recording session's capture thread, or the
// GUI thread of the tag editor, each with its own instance). The invokable methods may also
// be reached through queued calls.
//
// Feeding stops for good (until the next release) once a result was seen (isDone) or once
// the engine's queue holds more than kQueueLimitBytes not yet consumed (isFull): a recording
// whose music was not identified by then gets no tags.
//
// Continuous recognition (setContinuous, for a recording that may hold several tracks) does not
// stop at a result: every identified track waits for takeRecognizedTrack(), with where it
// begins, and feeding goes on until the release.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstdint>

#include "nxrecognizeraudioformat.h"
#include "nxrecognizeraudiotaginfo.h"

class NxAudioRecognizer : public QObject {
    Q_OBJECT
public:
    static constexpr int64_t kQueueLimitBytes = 0x8000000;  // 128 MiB

    explicit NxAudioRecognizer(QObject* parent = nullptr);
    ~NxAudioRecognizer() override;

    Q_INVOKABLE void CreateAudioRecognizer(NxRecognizerAudioFormat audioFormat);
    // recognizerTrack: an engine media-information handle with a file open.
    Q_INVOKABLE void CreateAudioRecognizer(int32_t recognizerTrack);
    Q_INVOKABLE void CreateAudioRecognizerFromFilepath(const QString& filepath);
    Q_INVOKABLE void StopRecognizer();
    // The fed stream has ended: the engine looks up what it holds once more and then ends
    // with a result or without one (hasEndedWithoutMatch). Returns at once.
    Q_INVOKABLE void EndAudioStream();
    // frame: an engine frame handle holding captured samples (0 is ignored).
    Q_INVOKABLE void RecognizerAudioFrane(int32_t frame);
    // Interleaved samples in the format the recognizer was opened with.
    Q_INVOKABLE void RecognizerAudioFrane(const QByteArray& samples);
    Q_INVOKABLE void ReleaseAudioRecognizer();

    // Continuous recognition for the following CreateAudioRecognizer(format) calls.
    void setContinuous(bool continuous) { m_continuous = continuous; }
    bool isContinuous() const { return m_continuous; }
    // Continuous recognition: makes the next identified track the result (tagInfo(),
    // confidence()) and sets *startUs to where it begins, in microseconds of sound from the
    // first frame fed (negative: before it). False when none waits.
    bool takeRecognizedTrack(int64_t* startUs);

    // The engine reports a result ready.
    bool isRecognized() const;
    // The engine has stopped listening without a result (a file that ended, a stop); the
    // reason says why when something failed.
    bool hasEndedWithoutMatch() const;
    QString failureReason() const;
    // The result; empty fields when nothing was recognized.
    NxRecognizerAudioTagInfo tagInfo();
    double confidence() const;
    int64_t offsetUs() const;

    bool isOpen() const { return m_isOpen; }
    bool isDone() const { return m_isDone; }
    bool isFull() const { return m_isFull; }
    NxRecognizerAudioFormat audioFormat() const { return m_format; }

private:
    bool createStream(const NxRecognizerAudioFormat& format);
    void openAndStart(int32_t stream);

    int32_t m_recognizer = 0;
    int32_t m_stream = 0;
    int32_t m_frame = 0;  // for samples given as bytes
    bool m_ownsStream = false;
    bool m_isOpen = false;
    bool m_isDone = false;
    bool m_isFull = false;
    bool m_continuous = false;
    NxRecognizerAudioFormat m_format;
    NxRecognizerAudioTagInfo m_tagInfo;
};
