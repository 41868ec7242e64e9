#pragma once
// TrackChange: which tracks identified in a running recording end its file. The first track
// identified in a file names the file; a different track identified later means a new track
// began, and the file is split where it began. With "when a new track begins or replays" the
// same track begun again (a second play, found well after the first one began) splits too.
//
// Tracks are told apart by their title, artist and album: two catalogue entries that agree on
// all three are the same music. Positions are microseconds of the recognizer's stream (the
// sound of the current file from its start). Plain logic; one per recording run.

#include <cstdint>
#include <string>

#include "nxrecognizeraudiotaginfo.h"

class TrackChange {
public:
    // The choices of "Split_Recording" / "Split_According_To_Track", by index.
    enum class Mode { NewTrack = 0, NewTrackOrReplay = 1 };
    enum class Verdict {
        Ignore,    // the file's own track again
        NameFile,  // the first track of the file: it gets this track's tags
        Split,     // a new track began: the file ends where it began
    };
    // A track found this long after the file's own track began is a second play of it.
    static constexpr int64_t kReplayUs = 5000000;

    // "Split_Recording" / "Split_At_New_Track": "Y" splits recordings at tracks (default "N").
    static bool enabled();
    static Mode readMode();

    explicit TrackChange(Mode mode = Mode::NewTrack) : m_mode(mode) {}
    Mode mode() const { return m_mode; }

    // A file begins with no track known.
    void beginFile() { m_known = false; }
    // A file begins inside a track that a split carried into it; the track began startUs into
    // the file's stream (negative: before the file).
    void beginFileWith(const NxRecognizerAudioTagInfo& track, int64_t startUs);
    // A track identified in the running file, beginning startUs into its stream.
    Verdict take(const NxRecognizerAudioTagInfo& track, int64_t startUs);

private:
    static std::string keyOf(const NxRecognizerAudioTagInfo& track);

    Mode m_mode;
    bool m_known = false;
    std::string m_key;
    int64_t m_startUs = 0;
};
