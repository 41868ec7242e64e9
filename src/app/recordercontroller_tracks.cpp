// Splitting a recording where a new track begins, and handing the files of such a split over
// once the sound at their ends has moved to the right file.

#include "recordercontroller.h"

#include <QCoreApplication>
#include <QDebug>

#include "qrecordobject.h"
#include "trackboundarymover.h"

void RecorderController::onTrackIdentified(const NxRecognizerAudioTagInfo& info, qint64 startUs,
                                           const QString& path, quint64 piece)
{
    // A report that was under way while the file it belongs to was finished comes too late.
    if (!m_splitAtTracks || !isRecording() || piece != m_session->piece())
        return;
    switch (m_trackChange.take(info, startUs)) {
        case TrackChange::Verdict::Ignore:
            return;
        case TrackChange::Verdict::NameFile:
            applyIdentification(info, path, true);
            return;
        case TrackChange::Verdict::Split:
            splitAtTrack(info, startUs);
            return;
    }
}

// Cuts the file now; the sound since the track began (tailUs of it) moves to the next file
// once that one is finished.
void RecorderController::splitAtTrack(const NxRecognizerAudioTagInfo& info, int64_t startUs)
{
    m_session->stop();
    // The recognizer places the sound as the recorder does: its positions are the file's.
    const int64_t tailUs = int64_t(m_session->lastRecordedDurationUs()) - startUs;
    const bool movable = tailUs > 0 && uint64_t(tailUs) < m_session->lastRecordedDurationUs();
    m_cutTailUs = movable ? tailUs : -1;
    qInfo().noquote() << "a new track began" << startUs / 1e6 << "s into" << m_path << "of"
                      << m_session->lastRecordedDurationUs() / 1e6 << "s: the file ends here";
    handOver();
    m_cutTailUs = -1;
    if (!startFile()) {
        releaseHeldFile();
        emit recordingEndedByFailure(m_lastError);
        return;
    }
    // The new file begins inside the track: it began tailUs before the file's stream.
    m_trackChange.beginFileWith(info, movable ? -tailUs : 0);
    applyIdentification(info, m_path, true);
    emit splitAtNewTrack(m_path);
}

void RecorderController::deliver(const QString& path, const FinishedRecording& done)
{
    const bool hold = m_cutTailUs >= 0;
    if (m_heldPath.isEmpty() && !hold) {
        finish(path, done);
        return;
    }
    m_waiting.insert(path, done);
    if (!m_heldPath.isEmpty())
        m_mover->enqueue(m_heldPath, path, m_heldTailUs);
    m_heldPath = hold ? path : QString();
    m_heldTailUs = m_cutTailUs;
}

void RecorderController::onBoundaryMoved(const QString& first, const QString& second,
                                         const QString& error)
{
    if (!error.isEmpty())
        qWarning().noquote() << "the beginning of a new track stays at the end of" << first << ":"
                             << error;
    handOverWaiting(first);
    if (second != m_heldPath)
        handOverWaiting(second);
}

void RecorderController::handOverWaiting(const QString& path)
{
    auto it = m_waiting.find(path);
    if (it == m_waiting.end())
        return;
    const FinishedRecording done = it.value();
    m_waiting.erase(it);
    // The sink reads the file's new length and size from the file itself.
    finish(path, done);
}

void RecorderController::finish(const QString& path, const FinishedRecording& done)
{
    if (m_sink)
        m_sink->recordingFinished(done);
    if (m_identified.contains(path))
        fileIdentified(path);
}

void RecorderController::releaseHeldFile()
{
    const QString held = m_heldPath;
    m_heldPath.clear();
    handOverWaiting(held);
}

void RecorderController::finishBoundaryMoves()
{
    m_mover->waitForAll();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    releaseHeldFile();
}
