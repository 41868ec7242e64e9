#pragma once
// VEEditConfig: the choices of the edit dialog that a cut carries to the converter: the trim
// range, the sound effects (three levels and the equalizer) and the edited tags. Picture
// editing members of the original type have no meaning for sound files and are left out.
// A plain value, registered as a meta type for queued signals.

#include <QMetaType>
#include <QVector>

#include <cstdint>

#include "veaudiotaginfo.h"

struct VEEditConfig {
    uint64_t trimStartUs = 0;  // both 0: no cut range
    uint64_t trimEndUs = 0;
    // Effect levels in percent, 100 = unchanged: A volume, B stereo width, C treble.
    int32_t levelA = 100;
    int32_t levelB = 100;
    int32_t levelC = 100;
    // Equalizer: centre frequencies (Hz) and gains (dB), as many of each; empty = flat.
    QVector<double> eqFrequencies;
    QVector<double> eqGains;
    int32_t effectIndex = -1;  // the selected preset, -1 when none
    int32_t effectRate = 0;    // the preset's "Rate"
    VEAudioTagInfo tags;

    // True when no level differs from 100 and no band has a gain.
    bool effectsNeutral() const;
};

Q_DECLARE_METATYPE(VEEditConfig)
