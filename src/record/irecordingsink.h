#pragma once
// IRecordingSink: where the main window hands the recordings it makes. The recordings list
// implements it; until the list exists the window runs without a sink (nothing is listed).
//
// Contract for implementers:
// - Every call comes on the GUI thread, from the main window, in this order per file:
//     recordingStarted(path)
//     recordingIsSilent(false)          at most once, on the first loud level block
//     recordingFinished(recording)      or recordingDiscarded(path) or recordingFailed(path)
//   At a cut or a split the next file's recordingStarted comes at once, and the ended file's
//   recordingFinished a moment later (once the sound captured before the cut is in it); files
//   finish in the order they were started. recordingIsSilent is about the newest file.
// - recordingStarted: the session is writing a new file at `path` (it may not have any audio
//   yet). The list shows it as the row being recorded.
// - recordingIsSilent(false): the recording that runs now is no longer silent throughout. A
//   recording starts as silent (recordingStarted implies true); the flag is also carried in
//   FinishedRecording, so a sink may ignore this call.
// - recordingFinished: the file is closed, playable and already entered into "History.xml";
//   `recording.record` is what the history holds for it. It comes for every file that was
//   written: a stop by the user, a cut, a split at silence that keeps the piece, the end of a
//   schedule, and a recording cut short by a failure (then `failure` says why). On a normal
//   stop the list applies the delete rules (too short, silent throughout) to it; the window has
//   already applied them to pieces split at silence, which it discards itself.
// - recordingDiscarded: the piece at `path` was thrown away by the split rules; the next piece
//   is recorded to the same path at once and replaces it, without another recordingStarted.
//   The row being recorded stays.
// - recordingFailed: the recording at `path` failed before its file was written (the sound
//   server was gone, the device could not be opened); there is no file and no history entry, and
//   the row being recorded goes. `reason` says why.
// - recordingIdentified: the music of the recording at `path` was identified, while it records
//   (its row gets the tags and keeps them when it finishes) or after recordingFinished (the
//   finished row and its history record get them). Empty texts leave a field alone.
// - recordingRewritten: a finished, listed recording's file was rewritten in place (the
//   identified tags were written into it): its size changed, the row and the history record
//   take the new one.
// - recordingMoved: a finished, listed recording's file was moved to `newPath` (filed into the
//   archive folder); the history record already points there.
// - Implementations must not call back into the window or the session from these calls.

#include "historyrecord.h"

#include <QString>

#include <cstdint>

struct FinishedRecording {
    HistoryRecord record;          // as stored in the history (path, size, duration, format, ...)
    uint64_t durationUs = 0;       // the recorder's duration of the file
    bool silentThroughout = true;  // no loud level block from start to end
    QString failure;               // why a failure (full disk, lost server) ended it; else empty
};

class IRecordingSink {
public:
    virtual ~IRecordingSink() = default;

    virtual void recordingStarted(const QString& path) = 0;
    virtual void recordingIsSilent(bool silent) = 0;
    virtual void recordingFinished(const FinishedRecording& recording) = 0;
    virtual void recordingDiscarded(const QString& path) = 0;
    virtual void recordingFailed(const QString& path, const QString& reason) = 0;
    virtual void recordingIdentified(const QString& path, const QString& title,
                                     const QString& artist, const QString& album,
                                     const QString& genre) = 0;
    virtual void recordingRewritten(const QString& path) = 0;
    virtual void recordingMoved(const QString& oldPath, const QString& newPath) = 0;
};
