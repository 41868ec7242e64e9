#include "cutsettings.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>

#include <brisca/brisca.h>

#include "encodesettings.h"
#include "extensionformat.h"
#include "nxinfoclass.h"
#include "outputsettings.h"

namespace {

// Codecs whose files keep their bit rate in a cut; the others are lossless or have none.
bool keepsBitRate(const QString& formatKey)
{
    static const QStringList kLossy{QStringLiteral("MP3"), QStringLiteral("M4A"),
                                    QStringLiteral("OGG"), QStringLiteral("OPUS"),
                                    QStringLiteral("WMA"), QStringLiteral("AC3")};
    return kLossy.contains(formatKey);
}

bool firstAudioStream(int32_t info, BriscaStreamInfo* audio)
{
    for (int32_t i = 0; i < GetMediaStreamCount(info); ++i) {
        if (GetMediaStreamInfo(info, i, audio) && audio->kind == 1 && !audio->attachedPicture)
            return true;
    }
    return false;
}

}  // namespace

namespace CutSettings {

bool fill(const QString& sourcePath, const VEEditConfig& config, bool lossless,
          OutputSettings* settings, QString* error)
{
    EncodeSettings e;
    const QString extension = QFileInfo(sourcePath).suffix();
    if (!encodeSettingsForExtension(extension, &e)) {
        *error = QStringLiteral("files of type '%1' cannot be cut (known: %2)")
                     .arg(extension, knownExtensions());
        return false;
    }
    NxInfoClass info;
    BriscaStreamInfo audio{};
    if (!info.OpenMediaInfo(sourcePath.toUtf8())) {
        *error = QStringLiteral("%1: %2").arg(sourcePath, info.lastError());
        return false;
    }
    if (!firstAudioStream(info.handle(), &audio)) {
        *error = QStringLiteral("%1: no sound in the file").arg(sourcePath);
        return false;
    }
    const int kbps = keepsBitRate(e.formatKey) ? int(audio.bitRate / 1000) : 0;
    // A codec with a fixed rate (Opus) keeps it; the others take the source's.
    overrideAudioSettings(&e, e.sampleRateHz > 0 ? 0 : audio.rateHz, std::min(audio.channels, 2),
                          kbps);

    *settings = OutputSettings();
    settings->setEncodeSettings(e);
    settings->cutStartUs = int64_t(config.trimStartUs);
    if (config.trimEndUs != 0 && config.trimEndUs > config.trimStartUs)
        settings->cutLengthUs = int64_t(config.trimEndUs - config.trimStartUs);
    settings->editConfig = config;
    settings->levelA = config.levelA;
    settings->levelB = config.levelB;
    settings->levelC = config.levelC;
    settings->eqFrequencies = config.eqFrequencies;
    settings->eqGains = config.eqGains;
    settings->setTags(config.tags);
    settings->audioOnly = true;
    // Effects need the decoded sound; a copy is only asked for when there are none.
    settings->streamCopy =
        lossless && config.effectsNeutral() ? BRISCA_COPY_AUTO : BRISCA_COPY_NEVER;
    return true;
}

}  // namespace CutSettings
