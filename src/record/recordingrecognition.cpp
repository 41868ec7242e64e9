#include "recordingrecognition.h"

#include "nxaudiorecognizer.h"
#include "trackchange.h"

#include <QThread>
#include <QTimer>

namespace {

// How often a recognizer of an ended recording is asked whether the engine has answered.
constexpr int kFinishingPollMs = 200;

}  // namespace

RecordingRecognition::RecordingRecognition(QObject* parent)
    : QObject(parent), m_pollTimer(new QTimer(this))
{
    qRegisterMetaType<NxRecognizerAudioTagInfo>("NxRecognizerAudioTagInfo");
    m_pollTimer->setInterval(kFinishingPollMs);
    connect(m_pollTimer, &QTimer::timeout, this, &RecordingRecognition::pollFinishing);
}

RecordingRecognition::~RecordingRecognition() = default;

void RecordingRecognition::prepare(const QString& path, quint64 piece)
{
    if (!m_recognizer) {
        m_recognizer = std::make_unique<NxAudioRecognizer>();
        // At a cut the capture thread makes it; it is released and polled on this one.
        if (m_recognizer->thread() != thread())
            m_recognizer->moveToThread(thread());
    }
    // Only a recording that may be split at tracks listens on after its first result.
    m_recognizer->setContinuous(m_continuous);
    m_path = path;
    m_piece = piece;
    m_listening = false;
    m_reported = false;
}

void RecordingRecognition::begin(const NxRecognizerAudioFormat& format)
{
    m_reported = false;
    m_listening = true;
    if (m_recognizer)
        m_recognizer->CreateAudioRecognizer(format);
}

void RecordingRecognition::feed(int32_t frame)
{
    if (!m_recognizer || (m_reported && !m_recognizer->isContinuous()))
        return;
    m_recognizer->RecognizerAudioFrane(frame);
    if (m_recognizer->isContinuous()) {
        takeTracks();
    } else if (m_recognizer->isDone()) {
        m_reported = true;
        report(*m_recognizer, m_path, m_piece);
    }
}

void RecordingRecognition::takeTracks()
{
    int64_t startUs = 0;
    while (m_recognizer->takeRecognizedTrack(&startUs)) {
        const NxRecognizerAudioTagInfo info = m_recognizer->tagInfo();
        if (info.isEmpty())
            continue;
        if (!m_reported) {
            m_reported = true;
            emit recognized(info, m_path, m_piece);
        }
        emit trackRecognized(info, startUs, m_path, m_piece);
    }
}

void RecordingRecognition::end()
{
    const bool listened = m_listening;
    m_listening = false;
    if (!m_recognizer || !m_recognizer->isOpen() || m_reported) {
        if (m_recognizer)
            m_recognizer->ReleaseAudioRecognizer();
        // A recognizer that could not open for the sound heard nothing it could name.
        if (listened && !m_reported)
            emit unrecognized(m_path, m_piece);
        return;
    }
    if (m_recognizer->isRecognized()) {
        m_reported = true;
        report(*m_recognizer, m_path, m_piece);
        m_recognizer->ReleaseAudioRecognizer();
        return;
    }
    m_recognizer->EndAudioStream();
    {
        std::lock_guard<std::mutex> lock(m_finishingMutex);
        m_finishing.push_back({std::move(m_recognizer), m_path, m_piece});
    }
    QMetaObject::invokeMethod(m_pollTimer, qOverload<>(&QTimer::start), Qt::QueuedConnection);
}

bool RecordingRecognition::recognitionPending() const
{
    std::lock_guard<std::mutex> lock(m_finishingMutex);
    return !m_finishing.empty();
}

void RecordingRecognition::report(NxAudioRecognizer& recognizer, const QString& path, quint64 piece)
{
    recognizer.StopRecognizer();
    // A continuous recognizer queues its results: the first one names the recording.
    if (recognizer.isContinuous())
        recognizer.takeRecognizedTrack(nullptr);
    const NxRecognizerAudioTagInfo info = recognizer.tagInfo();
    if (info.isEmpty())
        emit unrecognized(path, piece);
    else
        emit recognized(info, path, piece);
}

void RecordingRecognition::pollFinishing()
{
    std::vector<Finishing> answered;
    {
        std::lock_guard<std::mutex> lock(m_finishingMutex);
        auto it = m_finishing.begin();
        while (it != m_finishing.end()) {
            if (it->recognizer->isRecognized() || it->recognizer->hasEndedWithoutMatch()) {
                answered.push_back(std::move(*it));
                it = m_finishing.erase(it);
            } else {
                ++it;
            }
        }
        if (m_finishing.empty())
            m_pollTimer->stop();
    }
    // Reported outside the lock: a receiver may ask recognitionPending().
    for (Finishing& done : answered) {
        if (done.recognizer->isRecognized())
            report(*done.recognizer, done.path, done.piece);
        else
            emit unrecognized(done.path, done.piece);
    }
}
