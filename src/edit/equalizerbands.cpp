#include "equalizerbands.h"

#include <QtGlobal>

#include <cmath>

namespace EqualizerBands {

int sliderValueForGain(double gainDb)
{
    const int value = kSliderCentre + int(std::lround(gainDb));
    return qBound(kSliderMinimum, value, kSliderMaximum);
}

Bands fromCurve(const QMap<double, double>& curve)
{
    Bands bands;
    for (auto it = curve.cbegin(); it != curve.cend() && bands.gainsDb.size() < kCount; ++it) {
        bands.frequenciesHz.append(it.key());
        bands.gainsDb.append(qBound(-kMaxGainDb, it.value(), kMaxGainDb));
    }
    return bands;
}

Bands fromGains(const QVector<double>& gainsDb)
{
    Bands bands;
    for (int i = 0; i < kCount && i < gainsDb.size(); ++i) {
        bands.frequenciesHz.append(kFrequenciesHz[i]);
        bands.gainsDb.append(qBound(-kMaxGainDb, gainsDb[i], kMaxGainDb));
    }
    return bands;
}

}  // namespace EqualizerBands
