#include "encodesettings.h"

int clampAudioBitRateKbps(const QString& formatKey, int sampleRateHz, int bitRateKbps)
{
    if (formatKey == QLatin1String("OGG") && sampleRateHz < 32000 && bitRateKbps > 160)
        return 160;
    return bitRateKbps;
}
