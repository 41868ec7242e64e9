#include "recordercontroller.h"

#include "formatdescriptor.h"
#include "historywriter.h"
#include "outputfolder.h"
#include "parserxml.h"
#include "qrecordobject.h"
#include "silencerules.h"
#include "sleepinhibitor.h"
#include "trackboundarymover.h"
#include "wallclock.h"

#include <QDebug>
#include <QFileInfo>

namespace {

const QString kInhibitReason = QStringLiteral("Recording audio");

QString currentExtension()
{
    const FormatDescriptor* format = FormatDescriptor::current();
    return format && !format->extension.isEmpty() ? format->extension : QStringLiteral("mp3");
}

}  // namespace

RecorderController::RecorderController(const WallClock& clock, SleepInhibitor* inhibitor,
                                       QObject* parent)
    : QObject(parent), m_clock(clock), m_inhibitor(inhibitor), m_mover(new TrackBoundaryMover(this))
{
    connect(
        m_mover, &TrackBoundaryMover::moved, this,
        [this](const QString& first, const QString& second, qint64, const QString& error) {
            onBoundaryMoved(first, second, error);
        },
        Qt::QueuedConnection);
}

RecorderController::~RecorderController()
{
    stopFile();
    finishBoundaryMoves();
    endRun();
}

bool RecorderController::isRecording() const
{
    return m_session && m_session->isRecording();
}

bool RecorderController::sleepInhibited() const
{
    return m_inhibitor && m_inhibitor->isHeld();
}

void RecorderController::ensureSession()
{
    if (m_session)
        return;
    m_session = new QRecordObject(this);
    connect(m_session, &QRecordObject::emitRecordTime, this, &RecorderController::emitRecordTime);
    connect(m_session, &QRecordObject::emitAudioData, this, &RecorderController::emitAudioData);
    connect(m_session, &QRecordObject::emitFinishRecordFile, this,
            [this](const QString& path) { m_finishedPath = path; });
    connect(m_session, &QRecordObject::emitAudioRecordFail, this,
            &RecorderController::onSessionFailed);
    connect(m_session, &QRecordObject::emitRecognizedTrack, this,
            &RecorderController::onTrackIdentified);
}

bool RecorderController::startFile()
{
    const QString folder = OutputFolder::current();
    const QString reason = OutputFolder::unwritableReason(folder);
    if (!reason.isEmpty()) {
        m_lastError = reason;
        return false;
    }
    return startAt(OutputFolder::newRecordingPath(folder, currentExtension(), m_clock.now()));
}

bool RecorderController::startAt(const QString& path)
{
    ensureSession();
    m_finishedPath.clear();
    if (!m_session->start(path)) {
        m_lastError = m_session->lastError();
        return false;
    }
    m_path = path;
    m_lastError.clear();
    m_silentThroughout = true;
    m_awaitingFile = true;
    m_trackChange = TrackChange(TrackChange::readMode());
    if (m_inhibitor && !m_inhibitor->isHeld() && !m_inhibitor->acquire(kInhibitReason))
        qInfo().noquote() << "the machine may sleep while recording:" << m_inhibitor->errorString();
    if (m_sink)
        m_sink->recordingStarted(path);
    return true;
}

void RecorderController::stopFile()
{
    if (!m_session)
        return;
    m_session->stop();
    handOver();
}

// The finished file, as the history holds it, goes to the sink once.
void RecorderController::handOver(const QString& failure)
{
    if (m_finishedPath.isEmpty()) {
        // A session that failed before writing a file leaves nothing to list.
        if (m_awaitingFile && m_session && !m_session->isRecording() && m_sink)
            m_sink->recordingFailed(m_path, failure.isEmpty() ? m_lastError : failure);
        if (!isRecording())
            releaseHeldFile();  // no next file will take its tail
        m_awaitingFile = m_awaitingFile && m_session && m_session->isRecording();
        return;
    }
    m_awaitingFile = false;
    FinishedRecording done;
    const std::optional<HistoryRecord> stored = ParserXML::findHistory(m_finishedPath);
    done.durationUs = m_session->lastRecordedDurationUs();
    done.record = stored ? *stored
                         : finishedRecordingRecord(m_finishedPath, done.durationUs,
                                                   m_session->encodeSettings().formatKey,
                                                   QFileInfo(m_finishedPath).suffix(), 0, 0);
    done.silentThroughout = m_silentThroughout;
    done.failure = failure;
    const QString path = m_finishedPath;
    m_finishedPath.clear();
    deliver(path, done);
}

RecorderController::SplitOutcome RecorderController::splitAtSilence()
{
    if (!isRecording())
        return SplitOutcome::NotRecording;
    m_session->stop();
    const QString duration = recordingDurationText(m_session->lastRecordedDurationUs());
    const bool discard = SilenceRules::discardsPiece(SilenceRules::readDeleteSettings(), duration,
                                                     m_silentThroughout);
    if (discard) {
        // The next piece is written over this one; the flags carry on.
        const QString path = m_path;
        const bool silent = m_silentThroughout;
        m_finishedPath.clear();
        if (m_session->start(path)) {
            m_silentThroughout = silent;
            if (m_sink)
                m_sink->recordingDiscarded(path);
            return SplitOutcome::Discarded;
        }
        // The piece stays on disk and in the history: it is listed rather than lost.
        m_finishedPath = path;
        m_lastError = m_session->lastError();
        handOver();
        return SplitOutcome::Failed;
    }
    handOver();
    return startFile() ? SplitOutcome::Kept : SplitOutcome::Failed;
}

void RecorderController::endRun()
{
    if (m_inhibitor)
        m_inhibitor->release();
}

void RecorderController::recordingBecameLoud()
{
    m_silentThroughout = false;
    if (m_sink)
        m_sink->recordingIsSilent(false);
}

void RecorderController::onSessionFailed()
{
    // Stopping a failed session can report the failure again; one report is enough.
    if (!m_session || m_handlingFailure)
        return;
    if (m_session->isRecording()) {
        // One source is lost; while another still captures, the recording goes on.
        if (m_session->capturingSources() > 0) {
            qWarning().noquote() << "recording goes on without a lost source:"
                                 << m_session->lastError();
            return;
        }
        m_handlingFailure = true;
        m_session->stop();
        m_handlingFailure = false;
    }
    m_lastError = m_session->lastError();
    if (m_finishedPath.isEmpty()) {
        if (!m_awaitingFile)
            return;  // the file was already handed over
        handOver(m_lastError);
        emit recordingFailedToStart(m_lastError);
        return;
    }
    handOver(m_lastError);
    emit recordingEndedByFailure(m_lastError);
}
