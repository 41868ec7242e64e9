#pragma once
// TrimMarks: the start and end marks of the Trim tab and the rules that keep them sane.
// Microseconds from the start of the file. An end of 0 means "up to the end of the file";
// start 0 and end 0 means nothing is marked (a cut is possible only with a mark). The start
// never passes the end: a start typed after the end becomes the end, an end typed before the
// start becomes the start, and an end at or beyond the duration becomes 0 (the whole rest).
// A plain value; no Qt.

#include <cstdint>

class TrimMarks {
public:
    // A new file: its duration, and no marks.
    void reset(uint64_t durationUs);
    void clear();

    uint64_t durationUs() const { return m_durationUs; }
    uint64_t startUs() const { return m_startUs; }
    // 0 = up to the end of the file.
    uint64_t endUs() const { return m_endUs; }
    // The end as the editors show it: the duration when no end is set.
    uint64_t shownEndUs() const { return m_endUs ? m_endUs : m_durationUs; }
    // Length of the marked segment.
    uint64_t segmentUs() const;
    // A cut needs a start or an end.
    bool hasMarks() const { return m_startUs != 0 || m_endUs != 0; }

    // The start at `us`, not beyond the end (nor the duration when no end is set).
    void setStart(uint64_t us);
    // The end at `us`: the start when before it, 0 when at or beyond the duration.
    void setEnd(uint64_t us);
    // Both marks as a clip row holds them (texts read back); same rules, end first.
    void setRange(uint64_t startUs, uint64_t endUs);

    // `fraction` (0..1) of the duration, truncated.
    uint64_t atFraction(double fraction) const;
    // Percent (0..100) of the duration that `us` is; 0 without a duration.
    double percentOf(uint64_t us) const;

private:
    uint64_t m_durationUs = 0;
    uint64_t m_startUs = 0;
    uint64_t m_endUs = 0;
};
