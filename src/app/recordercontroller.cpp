#include "recordercontroller.h"

#include "audiotagwriter.h"
#include "formatdescriptor.h"
#include "historywriter.h"
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
    // Queued when the tags come from a capture thread.
    for (QRecordAudioObject* source : {m_session->systemSource(), m_session->microphoneSource()})
        connect(source, &QRecordAudioObject::emitRecognizedAudioTagInfo, this,
                &RecorderController::onRecognized);
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
        m_identified.remove(path);
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

void RecorderController::onRecognized(const NxRecognizerAudioTagInfo& info, const QString& path)
{
    // While splitting at tracks, the running file is named by the tracks it holds
    // (onTrackIdentified): its recognizer's first result may be the next track.
    if (m_splitAtTracks && isRecording() && path == m_path)
        return;
    nameRecording(info, path);
}

void RecorderController::nameRecording(const NxRecognizerAudioTagInfo& info, const QString& path)
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
    const bool running = isRecording() && path == m_path;
    if (!running && !m_waiting.contains(path))
        fileIdentified(path);
}

namespace {

VEAudioTagInfo fileTags(const NxRecognizerAudioTagInfo& info)
{
    VEAudioTagInfo tags;
    tags.title = info.title;
    tags.artist = info.artist;
    tags.albumArtist = info.albumArtist;
    tags.composer = info.composer;
    tags.album = info.album;
    tags.genre = info.genre;
    tags.track = info.track;
    tags.year = info.year;
    tags.date = info.date;
    tags.grouping = info.grouping;
    tags.comment = info.comment;
    tags.disc = info.disc;
    tags.copyright = info.copyright;
    tags.coverBytes = info.cover;
    tags.coverSize = info.coverSize;
    return tags;
}

}  // namespace

void RecorderController::fileIdentified(const QString& path)
{
    const NxRecognizerAudioTagInfo info = m_identified.take(path);
    // Dropped by the delete rules, or the start failed: there is nothing to file.
    if (!QFileInfo::exists(path))
        return;
    QString error;
    // The writer replaces the file only with a complete, checked copy.
    if (!writeAudioTags(path, fileTags(info), &error))
        qWarning().noquote() << "the identified tags stay out of" << path << "-" << error;
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
    if (m_sink)
        m_sink->recordingMoved(path, moved);
}
