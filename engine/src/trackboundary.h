#pragma once
// Moving the boundary between two consecutive recordings of one run, for splitting a recording
// where a new track begins. The track is identified seconds after it began, so the recording
// is cut then, and the sound between the track's true beginning and the cut has to go from the
// end of the first file to the front of the second.
//
// The true beginning is the last silence shortly before the point the recognizer found (the
// gap between two tracks), or that point itself when there is no silence near it. Both files
// are re-encoded in the first file's format, sample-exact: every sample of the two files ends
// up in exactly one of them, in order. The originals stay until both new files are written
// and synced; the second is then renamed into place before the first, so a crash between the
// two renames can leave the moved sound in both files but never in neither.

#include <cstdint>
#include <string>

namespace brisca {

// A silence: at least this long, every 10 ms of it quieter than kSilenceLevel (about -50 dBFS
// of 65535, the level scale of the level blocks).
constexpr int64_t kBoundarySilenceUs = 100000;
constexpr int kSilenceLevel = 207;
// A silence that begins up to this long after the found point still counts: the recognizer
// places a track to within a fraction of a second.
constexpr int64_t kBoundarySlackUs = 500000;

struct TrackBoundary {
    int64_t boundarySample = 0;  // first sample of the new track in the file
    int64_t totalSamples = 0;
    int rateHz = 0;
};

// Where the new track begins in `path`, found tailUs before the file's end: the middle of the
// last silence within searchUs before that point (or kBoundarySlackUs after it), else the
// point itself. Decodes the whole file.
bool findTrackBoundary(const std::string& path, int64_t tailUs, int64_t searchUs,
                       TrackBoundary* boundary, std::string* error);

// Moves the sound of `first` from its track boundary (findTrackBoundary) on to the front of
// `second`. *movedUs receives how much was moved (0: nothing to move, both files untouched).
bool moveTrackBoundary(const std::string& first, const std::string& second, int64_t tailUs,
                       int64_t searchUs, int64_t* movedUs, std::string* error);

}  // namespace brisca
