#include "encodesettings.h"

#include "formatdescriptor.h"

int clampAudioBitRateKbps(const QString& formatKey, int sampleRateHz, int bitRateKbps)
{
    if (formatKey == QLatin1String("OGG") && sampleRateHz < 32000 && bitRateKbps > 160)
        return 160;
    return bitRateKbps;
}

void overrideAudioSettings(EncodeSettings* settings, int sampleRateHz, int channels,
                           int bitRateKbps)
{
    if (sampleRateHz > 0)
        settings->sampleRateHz = sampleRateHz;
    if (channels > 0)
        settings->channels = channels;
    if (bitRateKbps > 0)
        settings->audioBitRateKbps = bitRateKbps;
    const int rateHz = settings->sampleRateHz > 0 ? settings->sampleRateHz : kDefaultSampleRateHz;
    settings->audioBitRateKbps =
        clampAudioBitRateKbps(settings->formatKey, rateHz, settings->audioBitRateKbps);
}

EncodeSettings encodeSettingsFromDescriptor(const FormatDescriptor& descriptor, int areaWidth,
                                            int areaHeight)
{
    EncodeSettings s;
    s.formatKey = descriptor.formatKey;
    s.videoCodec = descriptor.audioOnly ? -1 : descriptor.videoCodec;
    s.audioCodec = descriptor.audioCodec;
    s.rawStream = descriptor.formatKey == QLatin1String("AVI") ||
                  descriptor.formatKey == QLatin1String("mpegts") ||
                  descriptor.formatKey == QLatin1String("MPEG1VIDEO");
    if (!descriptor.audioOnly) {
        s.width = descriptor.width != 0 ? descriptor.width : areaWidth;
        s.height = descriptor.height != 0 ? descriptor.height : areaHeight;
    }
    s.videoBitRateKbps = descriptor.videoBitRateKbps;
    s.frameRateNum = descriptor.frameRateNum;
    s.frameRateDen = descriptor.frameRateDen;
    s.frameRateHundredths = 0;
    s.quality = descriptor.quality;
    s.channels = descriptor.channels;
    s.sampleRateHz = descriptor.sampleRateHz;
    s.audioBitRateKbps = clampAudioBitRateKbps(descriptor.formatKey, descriptor.sampleRateHz,
                                               descriptor.audioBitRateKbps);
    return s;
}
