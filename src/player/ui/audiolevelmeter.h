#pragma once
// The arithmetic of a level display, without a widget: how many bars and cells fit, how a
// level block becomes the lit cells of every bar, whether the block is silent, and how the
// peak markers fall. QAudioDataWidget draws what this computes.
//
// Level block (from the media engine): a 32-bit little-endian byte count at offset 40 and
// unsigned 16-bit levels from offset 44.
//
// Per block the work is integer-only and allocation-free; the arrays are reallocated only when
// the size changes. Not thread-safe; one meter per display.

#include "audiodisplaystyle.h"

#include <cstdint>
#include <vector>

class AudioLevelMeter {
public:
    static constexpr int kByteCountOffset = 40;
    static constexpr int kLevelsOffset = 44;
    // Levels beyond this many per block are not looked at when the block is long.
    static constexpr int kMaxLevelsPerBlock = 16000;
    // In line style a block is loud when a level differs from the first by more than this.
    static constexpr int kLineSilenceTolerance = 10;

    explicit AudioLevelMeter(const AudioDisplayStyle& style);

    const AudioDisplayStyle& style() const { return m_style; }

    // Bars and cells for a display of this size; values, peaks and counters start at 0.
    void resize(int width, int height);
    int barCount() const { return m_barCount; }
    int cellCount() const { return m_cellCount; }

    // Takes one block; true when it is silent. A null block clears the display (peaks too) and
    // counts as silent.
    bool takeBlock(const unsigned char* block, int sps);
    // Whether a block was taken since the last paint (the widget clears it after painting).
    bool hasData() const { return m_hasData; }
    void clearHasData() { m_hasData = false; }

    // Lit cells per bar.
    const std::vector<int>& values() const { return m_values; }
    // Peak heights in pixels per bar (empty without peak markers).
    const std::vector<int>& peaks() const { return m_peaks; }
    // Height in pixels of `cells` lit cells: cells * (cell height + cell gap) - cell gap.
    int heightOfCells(int cells) const;

private:
    void averageBars(const unsigned char* levels, int count);
    bool isSilent(const unsigned char* levels, int count) const;
    void dropPeaks();

    AudioDisplayStyle m_style;
    int m_barCount = 0;
    int m_cellCount = 0;
    bool m_hasData = false;
    std::vector<int> m_values;
    std::vector<int> m_peaks;
    std::vector<int> m_fallCounters;
};
