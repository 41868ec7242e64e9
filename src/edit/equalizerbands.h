#pragma once
// EqualizerBands: how the Effect tab's ten sliders map to equalizer bands. A slider runs from
// 0 to 20 and its centre means 0 dB (gain = value - 10, so -10 .. +10 dB). A preset's curve
// moves the slider at each point's position in the curve (ascending frequency), at most ten.
// Plain functions on values; any thread.

#include <QMap>
#include <QVector>

namespace EqualizerBands {

constexpr int kCount = 10;
constexpr int kSliderMinimum = 0;
constexpr int kSliderMaximum = 20;
constexpr int kSliderCentre = 10;
constexpr double kMaxGainDb = 10.0;
// The centre frequencies of the ten sliders, left to right.
constexpr double kFrequenciesHz[kCount] = {60,   170,  310,   600,   1000,
                                           3000, 6000, 12000, 14000, 16000};

struct Bands {
    QVector<double> frequenciesHz;
    QVector<double> gainsDb;
    bool isEmpty() const { return gainsDb.isEmpty(); }
};

// gain = value - centre.
inline double gainForSliderValue(int value)
{
    return value - kSliderCentre;
}
// The slider value of a gain, rounded and kept inside the slider's range.
int sliderValueForGain(double gainDb);
// The first kCount points of a curve, gains kept within +-kMaxGainDb. Empty for no points.
Bands fromCurve(const QMap<double, double>& curve);
// The ten slider frequencies with the given gains (at most kCount are taken).
Bands fromGains(const QVector<double>& gainsDb);

}  // namespace EqualizerBands
