// Splitting a recording where a new track begins, and handing the files of such a split over
// once the sound at their ends has moved to the right file.

#include "recordercontroller.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>

#include <algorithm>

#include "historywriter.h"
#include "parserxml.h"
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

// Cuts the file now, without a gap; the sound since the track began moves to the next file once
// both are finished.
void RecorderController::splitAtTrack(const NxRecognizerAudioTagInfo& info, int64_t startUs)
{
    const quint64 piece = m_session->piece();
    // The recognizer places the sound as the recorder does: its positions are the file's.
    const int64_t tailUs = int64_t(m_session->currentLengthUs()) - startUs;
    qInfo().noquote() << "a new track began" << startUs / 1e6 << "s into" << m_path << "of"
                      << m_session->currentLengthUs() / 1e6 << "s: the file ends here";
    if (!cutFile()) {
        releaseHeldFile();
        emit recordingEndedByFailure(m_lastError);
        return;
    }
    m_cutOff[piece].trackStartUs = startUs;
    // The new file begins inside the track: it began tailUs before the file's first sample.
    m_trackChange.beginFileWith(info, startUs > 0 ? -tailUs : 0);
    applyIdentification(info, m_path, true);
    emit splitAtNewTrack(m_path);
}

int64_t RecorderController::trackTailOf(const CutOffFile& file, uint64_t durationUs)
{
    const int64_t tailUs = int64_t(durationUs) - file.trackStartUs;
    return file.trackStartUs > 0 && tailUs > 0 ? tailUs : -1;
}

void RecorderController::handOverOrHold(const QString& path, const FinishedRecording& done,
                                        int64_t trackTailUs)
{
    const bool hold = trackTailUs >= 0;
    if (m_heldPath.isEmpty() && !hold) {
        finish(path, done);
        return;
    }
    m_waiting.insert(path, {done, 0});
    if (!m_heldPath.isEmpty())
        m_mover->enqueue(m_heldPath, path, m_heldTailUs);
    m_heldPath = hold ? path : QString();
    m_heldTailUs = trackTailUs;
}

void RecorderController::onBoundaryMoved(const QString& first, const QString& second,
                                         qint64 movedUs, const QString& error)
{
    if (!error.isEmpty())
        qWarning().noquote() << "the beginning of a new track stays at the end of" << first << ":"
                             << error;
    for (const auto& [path, gainedUs] : {qMakePair(first, -movedUs), qMakePair(second, movedUs)}) {
        auto it = m_waiting.find(path);
        if (it != m_waiting.end())
            it->movedUs += gainedUs;
    }
    handOverWaiting(first);
    if (second != m_heldPath)
        handOverWaiting(second);
}

void RecorderController::handOverWaiting(const QString& path)
{
    auto it = m_waiting.find(path);
    if (it == m_waiting.end())
        return;
    FinishedRecording done = it->done;
    const int64_t movedUs = it->movedUs;
    m_waiting.erase(it);
    if (movedUs != 0) {
        // The file's length and size changed since the session entered it into the history.
        done.durationUs = uint64_t(std::max<int64_t>(0, int64_t(done.durationUs) + movedUs));
        done.record.duration = recordingDurationText(done.durationUs);
        done.record.size = recordingSizeText(QFileInfo(path).size());
        ParserXML::addOrUpdateHistory(done.record);
    }
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
