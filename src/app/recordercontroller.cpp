#include "recordercontroller.h"

#include "audiotagwriter.h"
#include "formatdescriptor.h"
#include "historywriter.h"
#include "onlinerecordingidentification.h"
#include "outputfolder.h"
#include "parserxml.h"
#include "qrecordaudioobject.h"
#include "qrecordobject.h"
#include "recordingarchive.h"
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
    : QObject(parent),
      m_clock(clock),
      m_inhibitor(inhibitor),
      m_online(new OnlineRecordingIdentification(this)),
      m_mover(new TrackBoundaryMover(this))
{
    connect(m_online, &OnlineRecordingIdentification::identified, this,
            [this](const NxRecognizerAudioTagInfo& info, const QString& path, quint64 piece) {
                if (isFinishedPiece(path, piece))
                    applyIdentification(info, path, false);
                else
                    qInfo().noquote()
                        << "online match dropped: the recording of" << path << "was replaced";
            });
    connect(
        m_mover, &TrackBoundaryMover::moved, this,
        [this](const QString& first, const QString& second, qint64 movedUs, const QString& error) {
            onBoundaryMoved(first, second, movedUs, error);
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

int RecorderController::onlineLookupsPending() const
{
    return m_online->pending();
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
            &RecorderController::onFileFinished);
    connect(m_session, &QRecordObject::emitAudioRecordFail, this,
            &RecorderController::onSessionFailed);
    // Queued when the tags come from a capture thread.
    for (QRecordAudioObject* source : {m_session->systemSource(), m_session->microphoneSource()}) {
        connect(source, &QRecordAudioObject::emitRecognizedAudioTagInfo, this,
                &RecorderController::onRecognized);
        connect(source, &QRecordAudioObject::emitRecordingUnrecognized, this,
                &RecorderController::onUnrecognized);
    }
    connect(m_session, &QRecordObject::emitRecognizedTrack, this,
            &RecorderController::onTrackIdentified);
}

// A new file's path in the output folder; empty (with lastError()) when it cannot be written.
QString RecorderController::nextPath()
{
    const QString folder = OutputFolder::current();
    const QString reason = OutputFolder::unwritableReason(folder);
    if (!reason.isEmpty()) {
        m_lastError = reason;
        return QString();
    }
    return OutputFolder::newRecordingPath(folder, currentExtension(), m_clock.now());
}

bool RecorderController::startFile()
{
    const QString path = nextPath();
    return !path.isEmpty() && startAt(path);
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
    m_finishedPieces.remove(path);  // a file that was here is gone: its results are stale
    m_lastError.clear();
    m_silentThroughout = true;
    m_awaitingFile = true;
    m_splitAtTracks = TrackChange::enabled();
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

bool RecorderController::cutFile()
{
    if (!isRecording())
        return false;
    const QString path = nextPath();
    if (path.isEmpty()) {
        const QString reason = m_lastError;
        stopFile();
        m_lastError = reason;
        return false;
    }
    return cutTo(path);
}

// The session goes on in `path`; the file that ended is handed over when it is finished.
bool RecorderController::cutTo(const QString& path)
{
    const quint64 piece = m_session->piece();
    CutOffFile ended;
    ended.path = m_path;
    ended.silentThroughout = m_silentThroughout;
    if (!m_session->cut(path)) {
        // The session stopped: the file that was to end is finished as at a stop.
        m_lastError = m_session->lastError();
        handOver();
        return false;
    }
    m_cutOff.insert(piece, ended);
    m_path = path;
    m_finishedPieces.remove(path);
    m_silentThroughout = true;
    m_awaitingFile = true;
    m_trackChange.beginFile();
    if (m_sink)
        m_sink->recordingStarted(path);
    return true;
}

// A file cut off earlier is handed over at once; the one that ends the run (a stop, a failure)
// is handed over by the caller that stopped the session, which knows why it ended.
void RecorderController::onFileFinished(const QString& path)
{
    const QRecordObject::FinishedFile& file = m_session->lastFinished();
    const auto it = m_cutOff.constFind(file.piece);
    if (it == m_cutOff.constEnd()) {
        m_finishedPath = path;
        return;
    }
    const CutOffFile ended = it.value();
    m_cutOff.erase(it);
    deliver(path, file.piece, file.durationUs, ended.silentThroughout, file.error,
            trackTailOf(ended, file.durationUs));
    if (ended.unrecognized)
        onUnrecognized(path, file.piece);
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
    const QString path = m_finishedPath;
    m_finishedPath.clear();
    const QRecordObject::FinishedFile& file = m_session->lastFinished();
    deliver(path, file.piece, file.durationUs, m_silentThroughout, failure);
}

void RecorderController::deliver(const QString& path, quint64 piece, uint64_t durationUs,
                                 bool silent, const QString& failure, int64_t trackTailUs)
{
    FinishedRecording done;
    const std::optional<HistoryRecord> stored = ParserXML::findHistory(path);
    done.durationUs = durationUs;
    done.record =
        stored ? *stored
               : finishedRecordingRecord(path, durationUs, m_session->encodeSettings().formatKey,
                                         QFileInfo(path).suffix(), 0, 0);
    done.silentThroughout = silent;
    done.failure = failure;
    m_finishedPieces.insert(path, piece);
    handOverOrHold(path, done, trackTailUs);
}

RecorderController::SplitOutcome RecorderController::splitAtSilence()
{
    if (!isRecording())
        return SplitOutcome::NotRecording;
    const QString duration = recordingDurationText(m_session->currentLengthUs());
    const bool discard = SilenceRules::discardsPiece(SilenceRules::readDeleteSettings(), duration,
                                                     m_silentThroughout);
    if (!discard)
        return cutFile() ? SplitOutcome::Kept : SplitOutcome::Failed;
    // The next piece is written over this one; the flags carry on.
    const QString path = m_path;
    if (!m_session->cut(path, QRecordObject::CutMode::Discard)) {
        // The piece stays on disk and in the history: it is listed rather than lost.
        m_lastError = m_session->lastError();
        handOver();
        return SplitOutcome::Failed;
    }
    m_identified.remove(path);
    m_finishedPieces.remove(path);
    m_trackChange.beginFile();
    if (m_sink)
        m_sink->recordingDiscarded(path);
    return SplitOutcome::Discarded;
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

void RecorderController::onRecognized(const NxRecognizerAudioTagInfo& info, const QString& path,
                                      quint64 piece)
{
    // A file cut off and not finished yet gets its tags when it is, as the running one does.
    const bool running = (isRecording() && piece == m_session->piece()) || m_cutOff.contains(piece);
    // While splitting at tracks, the file being recorded is named by the tracks it holds
    // (onTrackIdentified): its recognizer's first result may be the next track.
    if (m_splitAtTracks && isRecording() && piece == m_session->piece())
        return;
    if (running || isFinishedPiece(path, piece))
        applyIdentification(info, path, running);
    else
        qInfo().noquote() << "identified music dropped: the recording of" << path
                          << "was discarded or replaced";
}

void RecorderController::onUnrecognized(const QString& path, quint64 piece)
{
    const auto cutOff = m_cutOff.find(piece);
    if (cutOff != m_cutOff.end()) {
        cutOff->unrecognized = true;  // asked about once the file is finished
        return;
    }
    if (isFinishedPiece(path, piece) && m_online->enqueue(path, piece))
        qInfo().noquote() << "not in the catalogue, asking online:" << path;
}

bool RecorderController::isFinishedPiece(const QString& path, quint64 piece) const
{
    const auto it = m_finishedPieces.constFind(path);
    return it != m_finishedPieces.constEnd() && it.value() == piece && QFileInfo::exists(path);
}

void RecorderController::applyIdentification(const NxRecognizerAudioTagInfo& info,
                                             const QString& path, bool running)
{
    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    qInfo().noquote() << "identified" << path << "as" << text(info.artist) << "-"
                      << text(info.title);
    if (m_sink)
        m_sink->recordingIdentified(path, text(info.title), text(info.artist), text(info.album),
                                    text(info.genre));
    m_identified.insert(path, info);
    // Tags of a recording that was already finished and listed apply at once; a file that
    // waits for a track boundary gets them when it is handed over.
    if (!running && !m_waiting.contains(path))
        fileIdentified(path);
}

void RecorderController::fileIdentified(const QString& path)
{
    const NxRecognizerAudioTagInfo info = m_identified.take(path);
    // Dropped by the delete rules, or the start failed: there is nothing to file.
    if (!QFileInfo::exists(path))
        return;
    QString error;
    // The writer replaces the file only with a complete, checked copy.
    if (!writeAudioTags(path, info.toAudioTags(), &error))
        qWarning().noquote() << "the identified tags stay out of" << path << "-" << error;
    else if (m_sink)
        m_sink->recordingRewritten(path);  // the tags changed its size
    const QString folder = RecordingArchive::folderFor(
        QFileInfo(path).absolutePath(), PreferenceValues::loadArchiveBy(),
        QString::fromStdString(info.artist), QString::fromStdString(info.album));
    if (folder.isEmpty())
        return;
    QString moved;
    if (!RecordingArchive::moveInto(path, folder, &moved, &error)) {
        qWarning().noquote() << "the recording stays where it is, not archived:" << error;
        return;
    }
    ParserXML::renameHistory(path, moved);
    m_finishedPieces.insert(moved, m_finishedPieces.take(path));
    if (m_sink)
        m_sink->recordingMoved(path, moved);
}
