#pragma once
// The sound effects of the player and the converter, and the filter description that applies
// them. Plain values; no FFmpeg types.
//
// Levels are percentages, 100 = unchanged:
//   A  volume: gain A/100 (0..400).
//   B  stereo width: 0 = mono, 100 = unchanged, up to 300 (side signal times B/100).
//   C  treble: a shelf above 3 kHz of (C - 100) / 10 dB (0..300 -> -10..+20 dB).
// Equalizer: up to ten peaking bands at the given centres, gains in dB (-20..+20); a band's
// width reaches halfway to its neighbours. A flat equalizer (no bands, or all gains 0) adds
// nothing.
//
// Whenever something can raise the level (A > 100, B > 100, C > 100, a positive band, a
// positive loudness gain), a look-ahead limiter closes the chain so that peaks stay below
// kLimitDbfs; a plain chain of boosting filters would clip.

#include <string>
#include <vector>

namespace brisca {

struct EqualizerBand {
    double frequencyHz = 0;
    double gainDb = 0;
};

struct EffectSettings {
    static constexpr double kLimitDbfs = -1.0;

    int levelA = 100;
    int levelB = 100;
    int levelC = 100;
    std::vector<EqualizerBand> bands;
    double extraGainDb = 0;  // loudness normalisation

    // True when the chain changes nothing (the converter may then copy frames).
    bool neutral() const;
    bool canRaiseLevel() const;
    // The filters for a stream of rateHz, without the final format conversion; "" when neutral.
    std::string filterDescription(int rateHz) const;
};

}  // namespace brisca
