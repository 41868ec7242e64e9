#pragma once
// The recording side of the main window, without widgets: it owns the recording session
// (created on the first start, kept until the controller goes), names each new file in the
// output folder, holds the sleep lock while a run of recordings lasts, applies the split rules
// to pieces ended at a silence, and hands every finished file to the recordings sink.
//
// A "run" is what the user sees as one recording: from Start to Stop, through any number of
// cuts and splits (each a new file). The window drives it with startFile / cutFile / stopFile /
// splitAtSilence / endRun and shows what these report. GUI thread only.
//
// Cuts and splits keep capture running (QRecordObject::cut), so no sound is lost between two
// files. The sink hears of the next file at once (recordingStarted) and of the one that ended
// when the session has finished it, a moment later (recordingFinished); files are finished and
// handed over in the order they were recorded.
//
// Music identified in a recording is passed to the sink; once that file is finished its tags
// are written into it and it is filed into the archive folder ("Archive output tracks by").
//
// A finished file the local catalogue could not name is asked about online when the user has
// switched that on (OnlineRecordingIdentification), and a match is delivered the same way.
// Every result carries the path and the session's piece number of the file it was found in; a
// result for a piece that was discarded, or for a path a later piece took over, is dropped.
//
// Splitting at a new track (when the preferences ask for it): the session reports every track it
// identifies (with where in the file's sound it began). A different track cuts the file at once
// and goes on in a new one, and the sound between the track's beginning and the cut is moved to
// the new file once that one is finished (TrackBoundaryMover, on its own thread). A file waits
// for the moves at its ends before it is handed to the sink, tagged and archived, so the list and
// the history see its final length.

#include <QHash>
#include <QMap>
#include <QObject>
#include <QString>

#include <cstdint>

#include "irecordingsink.h"
#include "nxrecognizeraudiotaginfo.h"
#include "trackchange.h"

class OnlineRecordingIdentification;
class QRecordObject;
class SleepInhibitor;
class TrackBoundaryMover;
class WallClock;

class RecorderController : public QObject {
    Q_OBJECT
public:
    enum class SplitOutcome {
        NotRecording,  // nothing to split
        Kept,          // the piece was finished and listed; a new file records
        Discarded,     // the piece was thrown away; its path records again
        Failed,        // the next piece could not start: the run ended (see lastError)
    };

    RecorderController(const WallClock& clock, SleepInhibitor* inhibitor,
                       QObject* parent = nullptr);
    ~RecorderController() override;

    // Where finished recordings go; null (the default) lists nothing.
    void setSink(IRecordingSink* sink) { m_sink = sink; }
    // The session, or null before the first start.
    QRecordObject* session() const { return m_session; }
    bool isRecording() const;
    QString currentPath() const { return m_path; }
    // Why the last start failed or the last recording ended by itself.
    QString lastError() const { return m_lastError; }
    bool sleepInhibited() const;

    // Starts a new file in the output folder (the sleep lock is taken with the first file of a
    // run). False: nothing records, lastError() says why.
    bool startFile();
    // Finishes the current file and hands it to the sink; nothing when none records.
    void stopFile();
    // Ends the current file and goes on in a new one in the output folder without a gap; the
    // ended file reaches the sink once the session has finished it. False: the new file could
    // not be started, the run ended (the current file finished and handed over) and
    // lastError() says why; also false when nothing records.
    bool cutFile();
    // Ends the current piece at a silence and goes on (see SplitOutcome).
    SplitOutcome splitAtSilence();
    // The run is over: the sleep lock is released.
    void endRun();
    // The recording that runs now made its first loud block.
    void recordingBecameLoud();
    // Blocks until the track boundaries being moved are in place and their files handed over.
    void finishBoundaryMoves();
    // Files finished but not yet handed over: waiting for the sound at their ends to move.
    int filesAwaitingBoundaries() const { return int(m_waiting.size()); }
    // Finished recordings waiting for, or being asked about at, the online service.
    int onlineLookupsPending() const;

signals:
    // Session reports, passed on.
    void emitRecordTime(uint64_t time);
    void emitAudioData(unsigned char* data, int sps);
    // The recording ended by itself (disk full, sound server gone); what was written is kept
    // and listed. The reason is also in lastError(). Connect it queued: it can come from inside
    // a call that stops the session.
    void recordingEndedByFailure(const QString& reason);
    // The recording failed before it wrote a file (the sound server was gone): nothing is kept.
    // Connect it queued, like recordingEndedByFailure.
    void recordingFailedToStart(const QString& reason);
    // A new track began: the recording goes on in a new file at currentPath().
    void splitAtNewTrack(const QString& newPath);

private:
    // A file cut off that the session has not finished yet.
    struct CutOffFile {
        QString path;
        bool silentThroughout = true;
        bool unrecognized = false;  // its recognition ended without a match meanwhile
        int64_t trackStartUs = -1;  // cut at a new track: where in the file the track began
    };
    // A finished file waiting for the track boundaries at its ends to move.
    struct Waiting {
        FinishedRecording done;
        int64_t movedUs = 0;  // sound it gained (or, negative, lost) by the moves so far
    };

    void ensureSession();
    bool startAt(const QString& path);
    QString nextPath();
    bool cutTo(const QString& path);
    void onFileFinished(const QString& path);
    void handOver(const QString& failure = QString());
    // trackTailUs: the file was cut this long after a new track began (-1: not at a track).
    void deliver(const QString& path, quint64 piece, uint64_t durationUs, bool silent,
                 const QString& failure, int64_t trackTailUs = -1);
    void onSessionFailed();
    void onRecognized(const NxRecognizerAudioTagInfo& info, const QString& path, quint64 piece);
    void onUnrecognized(const QString& path, quint64 piece);
    // True when the file at `path` was finished by `piece` and is still there.
    bool isFinishedPiece(const QString& path, quint64 piece) const;
    // The sink gets the tags; a finished file gets them at once (or once the track boundaries at
    // its ends have moved), the running one when it ends.
    void applyIdentification(const NxRecognizerAudioTagInfo& info, const QString& path,
                             bool running);
    // The identified recording's file is finished: its tags go into the file, and the file into
    // the archive folder the preferences ask for.
    void fileIdentified(const QString& path);
    void onTrackIdentified(const NxRecognizerAudioTagInfo& info, qint64 startUs,
                           const QString& path, quint64 piece);
    void splitAtTrack(const NxRecognizerAudioTagInfo& info, int64_t startUs);
    // How long before its end a file cut at a new track holds that track; -1 when it was not
    // cut at one, or the whole file would move.
    static int64_t trackTailOf(const CutOffFile& file, uint64_t durationUs);
    // Hands a finished file to the sink, or keeps it until the boundaries at its ends moved.
    void handOverOrHold(const QString& path, const FinishedRecording& done, int64_t trackTailUs);
    // The file is final: the sink gets it, and an identified one its tags and folder.
    void finish(const QString& path, const FinishedRecording& done);
    void onBoundaryMoved(const QString& first, const QString& second, qint64 movedUs,
                         const QString& error);
    void handOverWaiting(const QString& path);
    // The held file's successor wrote nothing: it is handed over as it is.
    void releaseHeldFile();

    const WallClock& m_clock;
    SleepInhibitor* m_inhibitor = nullptr;
    IRecordingSink* m_sink = nullptr;
    QRecordObject* m_session = nullptr;
    QString m_path;
    QString m_finishedPath;
    QString m_lastError;
    bool m_silentThroughout = true;
    bool m_handlingFailure = false;
    bool m_awaitingFile = false;  // started, not yet handed to the sink
    // Tags of recordings identified while they recorded, until their files are finished.
    QHash<QString, NxRecognizerAudioTagInfo> m_identified;
    // The piece that finished the file at each path (a later piece at the same path replaces it).
    QHash<QString, quint64> m_finishedPieces;
    // Files cut off and still being finished by the session, by piece.
    QHash<quint64, CutOffFile> m_cutOff;
    OnlineRecordingIdentification* m_online = nullptr;

    // Off: recordings are never split at a track (the session's recognizer stops at its first
    // result).
    bool m_splitAtTracks = false;
    TrackChange m_trackChange;
    TrackBoundaryMover* m_mover = nullptr;
    // The last finished file whose end waits for the next file: its tail moves there.
    QString m_heldPath;
    int64_t m_heldTailUs = 0;
    QMap<QString, Waiting> m_waiting;  // finished, not yet handed to the sink
};
