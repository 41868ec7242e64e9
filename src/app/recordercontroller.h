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
// A finished file the local catalogue could not name is asked about online when the user has
// switched that on (OnlineRecordingIdentification), and a match is delivered the same way.
// Every result carries the path and the session's piece number of the file it was found in; a
// result for a piece that was discarded, or for a path a later piece took over, is dropped.

#include <QHash>
#include <QObject>
#include <QString>

#include <cstdint>

#include "irecordingsink.h"
#include "nxrecognizeraudiotaginfo.h"

class OnlineRecordingIdentification;
class QRecordObject;
class SleepInhibitor;
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

private:
    // A file cut off that the session has not finished yet.
    struct CutOffFile {
        QString path;
        bool silentThroughout = true;
        bool unrecognized = false;  // its recognition ended without a match meanwhile
    };

    void ensureSession();
    bool startAt(const QString& path);
    QString nextPath();
    bool cutTo(const QString& path);
    void onFileFinished(const QString& path);
    void handOver(const QString& failure = QString());
    void deliver(const QString& path, quint64 piece, uint64_t durationUs, bool silent,
                 const QString& failure);
    void onSessionFailed();
    void onRecognized(const NxRecognizerAudioTagInfo& info, const QString& path, quint64 piece);
    void onUnrecognized(const QString& path, quint64 piece);
    // True when the file at `path` was finished by `piece` and is still there.
    bool isFinishedPiece(const QString& path, quint64 piece) const;
    // The sink gets the tags; a finished file gets them at once, the running one when it ends.
    void applyIdentification(const NxRecognizerAudioTagInfo& info, const QString& path,
                             bool running);
    // The identified recording's file is finished: its tags go into the file, and the file into
    // the archive folder the preferences ask for.
    void fileIdentified(const QString& path);

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
};
