#pragma once
// The user's rules for silence and short pieces, read from the settings file at the moment
// they are applied (the preferences dialog may change them while a recording runs):
// - split: end the file when silence has lasted longer than a threshold and go on in a new one;
// - delete: throw a finished piece away when it is not longer than a limit, or when it was
//   silent from beginning to end.
// Missing settings read as "N" / "0" / empty: nothing is split or deleted.

#include <QString>

namespace SilenceRules {

struct SplitSettings {
    bool splitAtSilence = false;  // "Split_Recording" / "Split_According_To_Silence"
    qint64 thresholdMs = 0;       // "Split_Recording" / "Silence_More_Than"
};

struct DeleteSettings {
    bool deleteShort = false;   // "Delete_Recorded_File" / "Delete_According_To_Duration"
    qint64 limitSeconds = 0;    // "Delete_Recorded_File" / "Duration_Less_Than"
    bool deleteSilent = false;  // "Delete_Recorded_File" / "Delete_According_To_Silence"
};

SplitSettings readSplitSettings();
DeleteSettings readDeleteSettings();

// Whether a silence that has lasted `elapsedMs` splits the file: the rule is on, the threshold
// is above 0 and the silence is longer than the threshold.
bool silenceSplits(const SplitSettings& settings, qint64 elapsedMs);

// Seconds of a duration text "hh:mm:ss" (h * 3600 + m * 60 + s; parts that are not numbers
// count 0).
qint64 durationTextSeconds(const QString& durationText);

// A piece is too short when the rule is on, the limit is above 0 and the piece is not longer
// than the limit (a piece of exactly the limit is too short).
bool isTooShort(const DeleteSettings& settings, const QString& durationText);

// Whether a finished piece is thrown away: too short, or silent throughout while the silence
// rule is on.
bool discardsPiece(const DeleteSettings& settings, const QString& durationText,
                   bool silentThroughout);

}  // namespace SilenceRules
