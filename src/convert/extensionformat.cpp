#include "extensionformat.h"

#include <QStringList>

#include "encodesettings.h"

namespace {

struct ContainerChoice {
    const char* extension;
    const char* formatKey;
    int codecId;  // FFmpeg AVCodecID
    int rateHz;   // 0 = the source's
};

const ContainerChoice kContainers[] = {
    {"mp3", "MP3", 0x15001, 0},       {"m4a", "M4A", 0x15002, 0},   {"ogg", "OGG", 0x15005, 0},
    {"opus", "OPUS", 0x1503C, 48000}, {"flac", "FLAC", 0x1500C, 0}, {"wav", "WAV", 0x10000, 0},
    {"wma", "WMA", 0x15008, 0},       {"ac3", "AC3", 0x15003, 0},   {"aiff", "AIFF", 0x10001, 0},
};

}  // namespace

bool encodeSettingsForExtension(const QString& extension, EncodeSettings* settings)
{
    const QString wanted = extension.toLower();
    for (const ContainerChoice& c : kContainers) {
        if (wanted != QLatin1String(c.extension))
            continue;
        settings->formatKey = QLatin1String(c.formatKey);
        settings->audioCodec = c.codecId;
        settings->sampleRateHz = c.rateHz;
        return true;
    }
    return false;
}

QString knownExtensions()
{
    QStringList all;
    for (const ContainerChoice& c : kContainers)
        all << QLatin1Char('.') + QLatin1String(c.extension);
    return all.join(QLatin1Char(' '));
}
