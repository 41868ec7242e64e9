#pragma once
// AudioEffectPreset: one sound-effect preset as described by its folder's "config.xml": a
// name, a thumbnail, the equalizer curve and its rate. Picture presets also list frames;
// sound presets have none. A plain value.

#include <QMap>
#include <QString>
#include <QVector>

struct AudioEffectFrame {
    QString fileName;
    int height = 0;
    int width = 0;
    int type = 0;
};

struct AudioEffectPreset {
    int appMinVersion = 0;
    int version = 0;
    QString thumbnail;  // the preview image: the folder joined with the "Thumbnail" file name
    QString name;
    QString folder;  // the folder of the preset's config.xml, '/' separators
    int rate = 0;    // the "Value" of the "Rate" element
    // Equalizer curve: gain (dB) by centre frequency (Hz), ascending. Empty = flat.
    QMap<double, double> curve;
    QString frameName;
    QVector<AudioEffectFrame> frames;
};
