// Effects and conversion options of encode parameters.

#include <cmath>

#include "apiutil.h"
#include "audioformat.h"

using namespace brisca;

namespace {

template <class F>
int32_t withParams(int32_t handle, F f)
{
    std::shared_ptr<EncodeParamsObject> p = lookupHandle<EncodeParamsObject>(handle, "params");
    return p ? f(*p) : 0;
}

int32_t setLevel(int32_t handle, int EffectSettings::*level, int32_t percent, int32_t maximum)
{
    return withParams(handle, [&](EncodeParamsObject& p) {
        if (percent < 0 || percent > maximum)
            return fail("effect level must be 0 to " + std::to_string(maximum));
        p.effects.*level = percent;
        return 1;
    });
}

}  // namespace

namespace brisca {

// Shared with the player's equalizer call.
bool readBands(const double* frequenciesHz, const double* gainsDb, int32_t count,
               std::vector<EqualizerBand>* bands)
{
    if (count < 0 || count > 10 || (count > 0 && (!frequenciesHz || !gainsDb))) {
        setLastError("an equalizer has 0 to 10 bands");
        return false;
    }
    bands->clear();
    for (int32_t i = 0; i < count; ++i) {
        if (!(frequenciesHz[i] > 0) || !std::isfinite(gainsDb[i])) {
            setLastError("equalizer band " + std::to_string(i) + " is invalid");
            return false;
        }
        bands->push_back({frequenciesHz[i], gainsDb[i]});
    }
    return true;
}

}  // namespace brisca

extern "C" {

int32_t SetAudioEffectLevelA(int32_t params, int32_t percent)
{
    return setLevel(params, &EffectSettings::levelA, percent, 400);
}

int32_t SetAudioEffectLevelB(int32_t params, int32_t percent)
{
    return setLevel(params, &EffectSettings::levelB, percent, 300);
}

int32_t SetAudioEffectLevelC(int32_t params, int32_t percent)
{
    return setLevel(params, &EffectSettings::levelC, percent, 300);
}

int32_t SetEncodeEqualizer(int32_t params, const double* frequenciesHz, const double* gainsDb,
                           int32_t count)
{
    return withParams(params, [&](EncodeParamsObject& p) {
        return int32_t(readBands(frequenciesHz, gainsDb, count, &p.effects.bands));
    });
}

int32_t SetEncodeMetadata(int32_t params, const char* key, const char* value)
{
    return withParams(params, [&](EncodeParamsObject& p) {
        if (!key || !*key)
            return fail("a tag needs a key");
        p.metadata[key] = value ? value : "";
        return 1;
    });
}

int32_t SetEncodeStreamCopy(int32_t params, int32_t mode)
{
    return withParams(params, [&](EncodeParamsObject& p) {
        if (mode < BRISCA_COPY_NEVER || mode > BRISCA_COPY_AUTO)
            return fail("unknown stream copy mode " + std::to_string(mode));
        p.copyMode = mode;
        return 1;
    });
}

int32_t SetEncodeLoudness(int32_t params, double targetLufs)
{
    return withParams(params, [&](EncodeParamsObject& p) {
        if (!std::isfinite(targetLufs) || targetLufs < -70 || targetLufs > 0)
            return fail("loudness target must be -70 to 0 LUFS (0 = off)");
        p.loudnessTargetLufs = targetLufs;
        return 1;
    });
}

}  // extern "C"
