#pragma once
// Recovers the recordings a crash cut off: every file the journal still names is repaired when
// its container needs it and entered into the history, so that the list shows it like any
// finished recording. The journal is emptied afterwards, so each file is reported once.
// Runs at start, before the history is loaded. GUI thread.

#include <QStringList>

class RecordingJournal;

namespace RecordingRecovery {

struct Result {
    QStringList recovered;  // files entered into the history (or already there)
    QStringList problems;   // "<path>: <why>" for files whose repair failed (they are listed)
};

Result recover(RecordingJournal& journal);

}  // namespace RecordingRecovery
