#include "effectchain.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace brisca {

namespace {

std::string number(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", v);
    return text;
}

bool flat(const std::vector<EqualizerBand>& bands)
{
    return std::all_of(bands.begin(), bands.end(),
                       [](const EqualizerBand& b) { return std::fabs(b.gainDb) < 0.01; });
}

// Peaking bands; each reaches halfway (in octaves) to its neighbours, 0.3 to 2 octaves wide.
std::string equalizer(std::vector<EqualizerBand> bands, int rateHz)
{
    std::sort(bands.begin(), bands.end(), [](const EqualizerBand& a, const EqualizerBand& b) {
        return a.frequencyHz < b.frequencyHz;
    });
    std::string out;
    for (size_t i = 0; i < bands.size(); ++i) {
        const EqualizerBand& b = bands[i];
        if (std::fabs(b.gainDb) < 0.01 || b.frequencyHz <= 0 || b.frequencyHz >= rateHz * 0.45)
            continue;
        const double below = i > 0 ? bands[i - 1].frequencyHz : b.frequencyHz / 2;
        const double above = i + 1 < bands.size() ? bands[i + 1].frequencyHz : b.frequencyHz * 2;
        const double octaves =
            std::clamp(std::log2(std::max(above, b.frequencyHz * 1.01) /
                                 std::max(std::min(below, b.frequencyHz / 1.01), 1.0)) /
                           2,
                       0.3, 2.0);
        out += "equalizer=f=" + number(b.frequencyHz) + ":t=o:w=" + number(octaves) +
               ":g=" + number(std::clamp(b.gainDb, -20.0, 20.0)) + ",";
    }
    return out;
}

}  // namespace

bool EffectSettings::neutral() const
{
    return levelA == 100 && levelB == 100 && levelC == 100 && flat(bands) &&
           std::fabs(extraGainDb) < 0.01;
}

bool EffectSettings::canRaiseLevel() const
{
    const bool boostBand = std::any_of(bands.begin(), bands.end(),
                                       [](const EqualizerBand& b) { return b.gainDb >= 0.01; });
    return levelA > 100 || levelB > 100 || levelC > 100 || boostBand || extraGainDb >= 0.01;
}

std::string EffectSettings::filterDescription(int rateHz) const
{
    if (neutral())
        return {};
    std::string out;
    const double gainDb = extraGainDb;
    if (levelA != 100 || std::fabs(gainDb) >= 0.01) {
        const double gain = std::clamp(levelA, 0, 400) / 100.0 * std::pow(10.0, gainDb / 20);
        out += "volume=" + number(gain) + ":precision=float,";
    }
    if (levelB != 100)
        out += "extrastereo=m=" + number(std::clamp(levelB, 0, 300) / 100.0) + ":c=0,";
    if (levelC != 100)
        out += "treble=g=" + number((std::clamp(levelC, 0, 300) - 100) / 10.0) + ":f=3000,";
    out += equalizer(bands, rateHz);
    if (canRaiseLevel()) {
        out += "alimiter=limit=" + number(std::pow(10.0, kLimitDbfs / 20)) +
               ":level=0:latency=1:attack=5:release=50,";
    }
    if (!out.empty())
        out.pop_back();
    return out;
}

}  // namespace brisca
