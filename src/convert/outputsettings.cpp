#include "outputsettings.h"

#include <QFile>
#include <QLoggingCategory>

#include <brisca/brisca.h>

#include "encodesettings.h"

Q_LOGGING_CATEGORY(lcConvert, "quillon.convert", QtWarningMsg)

namespace {

struct TagKey {
    const char* key;
    std::string OutputSettings::*text;
    std::string VEAudioTagInfo::*tag;
};

const TagKey kTagKeys[] = {
    {"title", &OutputSettings::title, &VEAudioTagInfo::title},
    {"artist", &OutputSettings::artist, &VEAudioTagInfo::artist},
    {"album_artist", &OutputSettings::albumArtist, &VEAudioTagInfo::albumArtist},
    {"composer", &OutputSettings::composer, &VEAudioTagInfo::composer},
    {"album", &OutputSettings::album, &VEAudioTagInfo::album},
    {"genre", &OutputSettings::genre, &VEAudioTagInfo::genre},
    {"track", &OutputSettings::track, &VEAudioTagInfo::track},
    {"year", &OutputSettings::year, &VEAudioTagInfo::year},
    {"date", &OutputSettings::date, &VEAudioTagInfo::date},
    {"grouping", &OutputSettings::grouping, &VEAudioTagInfo::grouping},
    {"comment", &OutputSettings::comment, &VEAudioTagInfo::comment},
    {"disc", &OutputSettings::disc, &VEAudioTagInfo::disc},
    {"copyright", &OutputSettings::copyright, &VEAudioTagInfo::copyright},
};

bool applyAudio(int32_t params, const OutputSettings& s)
{
    bool ok = SetAudioCodec(params, s.audioCodec) != 0;
    if (s.audioCodec == 0x15002)
        ok = ok && SetAudioEncoderName(params, "aac") != 0;
    ok = ok && SetAudioChannels(params, s.channels) != 0 &&
         SetAudioSampleRate(params, s.sampleRateHz) != 0;
    if (s.audioBitRateKbps > 0)
        ok = ok && SetAudioBitRate(params, s.audioBitRateKbps * 1000) != 0;
    return ok;
}

bool applyEffects(int32_t params, const OutputSettings& s)
{
    const int bands = std::min(s.eqFrequencies.size(), s.eqGains.size());
    return SetAudioEffectLevelA(params, s.levelA) != 0 &&
           SetAudioEffectLevelB(params, s.levelB) != 0 &&
           SetAudioEffectLevelC(params, s.levelC) != 0 &&
           SetEncodeEqualizer(params, s.eqFrequencies.constData(), s.eqGains.constData(), bands) !=
               0;
}

}  // namespace

void OutputSettings::setEncodeSettings(const EncodeSettings& e)
{
    formatKey = e.formatKey.toStdString();
    videoCodec = e.videoCodec;
    width = e.width;
    height = e.height;
    frameRateHundredths = e.frameRateHundredths;
    frameRateNum = e.frameRateNum;
    frameRateDen = e.frameRateDen;
    videoBitRateKbps = e.videoBitRateKbps;
    audioCodec = e.audioCodec;
    sampleRateHz = e.sampleRateHz;
    channels = e.channels;
    audioBitRateKbps = e.audioBitRateKbps;
    rawStream = e.rawStream ? 1 : 0;
}

void OutputSettings::setTags(const VEAudioTagInfo& tagSet)
{
    for (const TagKey& k : kTagKeys)
        this->*(k.text) = tagSet.*(k.tag);
    tags = tagSet;
}

VEAudioTagInfo OutputSettings::tagsToWrite() const
{
    VEAudioTagInfo out = tags;
    for (const TagKey& k : kTagKeys)
        out.*(k.tag) = this->*(k.text);
    if (!coverPath.empty()) {
        QFile cover(QString::fromStdString(coverPath));
        if (cover.open(QIODevice::ReadOnly)) {
            out.coverBytes = cover.readAll().toStdString();
            out.coverSize = int32_t(out.coverBytes.size());
        }
    }
    return out;
}

int32_t createEncodeParams(const OutputSettings& s, std::string* error)
{
    const int32_t params = CreateEncodeParams();
    // The video fields matter only for profiles with pictures, which the engine does not
    // encode; the audio fields always apply.
    bool ok = params != 0 && SetVideoCodec(params, s.audioOnly ? -1 : s.videoCodec) != 0 &&
              applyAudio(params, s) && applyEffects(params, s) &&
              SetEncodeStreamCopy(params, s.streamCopy) != 0 &&
              SetEncodeLoudness(params, s.loudnessLufs) != 0;
    // Every tag key is set, empty ones too: the target carries exactly these texts.
    for (const TagKey& k : kTagKeys)
        ok = ok && SetEncodeMetadata(params, k.key, (s.*(k.text)).c_str()) != 0;
    if (!ok) {
        *error = BriscaLastError();
        ReleaseEncodeParams(params);
        return 0;
    }
    qCDebug(lcConvert, "video: 0x%0x, %u*%u, %u fps, %u kbps %u\nAudio: 0x%0x, %u Hz, %u bps, %u",
            unsigned(s.videoCodec), unsigned(s.width), unsigned(s.height),
            unsigned(s.frameRateHundredths), unsigned(s.videoBitRateKbps), unsigned(s.videoQuality),
            unsigned(s.audioCodec), unsigned(s.sampleRateHz), unsigned(s.audioBitRateKbps),
            unsigned(s.channels));
    return params;
}
