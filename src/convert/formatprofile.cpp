#include "formatprofile.h"

#include "plistvalue.h"
#include "qualitypreset.h"

namespace {

const QString kAuto = QStringLiteral("Auto");

FormatParameter readParameter(const boost::any& value)
{
    FormatParameter p;
    const PlistDict* d = PlistValue::dict(value);
    if (!d) {
        // A bare value is the same for every preset.
        p.low = p.defaultValue = p.high = PlistValue::text(&value);
        return p;
    }
    p.low = PlistValue::text(PlistValue::find(d, "low"));
    p.defaultValue = PlistValue::text(PlistValue::find(d, "default"));
    p.high = PlistValue::text(PlistValue::find(d, "high"));
    p.values = PlistValue::texts(PlistValue::find(d, "values"));
    return p;
}

QMap<QString, FormatParameter> readParameters(const boost::any* params)
{
    QMap<QString, FormatParameter> out;
    const PlistDict* d = params ? PlistValue::dict(*params) : nullptr;
    if (!d)
        return out;
    for (const auto& [key, value] : *d) {
        if (key == "filter")
            continue;
        QString name = QString::fromStdString(key);
        if (name == QLatin1String("channel"))
            name = QStringLiteral("channels");
        out.insert(name, readParameter(value));
    }
    return out;
}

// "filter" of "audioparams": codec name -> parameter name -> the values allowed.
QMap<QString, QMap<QString, QStringList>> readFilter(const boost::any* audioParams)
{
    QMap<QString, QMap<QString, QStringList>> out;
    const PlistDict* audio = audioParams ? PlistValue::dict(*audioParams) : nullptr;
    const boost::any* filterValue = PlistValue::find(audio, "filter");
    const PlistDict* filter = filterValue ? PlistValue::dict(*filterValue) : nullptr;
    if (!filter)
        return out;
    for (const auto& [codec, rules] : *filter) {
        const PlistDict* r = PlistValue::dict(rules);
        if (!r)
            continue;
        QMap<QString, QStringList>& byParameter = out[QString::fromStdString(codec)];
        for (const auto& [parameter, values] : *r) {
            QString name = QString::fromStdString(parameter);
            if (name == QLatin1String("channel"))
                name = QStringLiteral("channels");
            byParameter.insert(name, PlistValue::texts(&values));
        }
    }
    return out;
}

// A custom value replaces the preset's when it is set and allowed; a preset value that the
// codec's filter rules out (the codec was chosen by hand) gives way to the first allowed one.
QString choose(const QString& preset, const QString& custom, const QStringList& allowed)
{
    if (!custom.isEmpty() && (allowed.isEmpty() || allowed.contains(custom)))
        return custom;
    if (allowed.isEmpty() || allowed.contains(preset))
        return preset;
    return allowed.first();
}

}  // namespace

FormatProfile FormatProfile::fromPlist(const QString& category, const PlistDict& profile)
{
    FormatProfile p;
    p.m_category = category;
    if (const boost::any* base = PlistValue::find(&profile, "baseinfo")) {
        if (const PlistDict* d = PlistValue::dict(*base)) {
            for (const auto& [key, value] : *d) {
                if (key == "auto") {
                    const bool* flag = boost::any_cast<bool>(&value);
                    p.m_auto = flag && *flag;
                } else {
                    p.m_baseInfo.insert(QString::fromStdString(key), PlistValue::text(&value));
                }
            }
        }
    }
    if (const boost::any* supports = PlistValue::find(&profile, "supports")) {
        const PlistDict* d = PlistValue::dict(*supports);
        p.m_audioCodecs = PlistValue::texts(PlistValue::find(d, "audio"));
        p.m_videoCodecs = PlistValue::texts(PlistValue::find(d, "video"));
    }
    const boost::any* audio = PlistValue::find(&profile, "audioparams");
    p.m_audio = readParameters(audio);
    p.m_video = readParameters(PlistValue::find(&profile, "videoparams"));
    p.m_filter = readFilter(audio);
    return p;
}

QStringList FormatProfile::allowedAudioValues(const QString& codec, const QString& parameter) const
{
    return m_filter.value(codec).value(parameter);
}

QStringList FormatProfile::offeredAudioValues(const QString& codec, const QString& parameter) const
{
    const QStringList allowed = allowedAudioValues(codec, parameter);
    QStringList out;
    for (const QString& value : audioParameter(parameter).values) {
        if (allowed.isEmpty() || allowed.contains(value))
            out.append(value);
    }
    return out;
}

CustomFormatSettings FormatProfile::fields(int level, const CustomFormatSettings* custom) const
{
    auto audioValue = [&](const char* name) {
        return m_auto ? kAuto : audioParameter(QLatin1String(name)).valueForLevel(level);
    };
    auto videoValue = [&](const char* name) {
        return m_auto ? kAuto : videoParameter(QLatin1String(name)).valueForLevel(level);
    };
    const bool customized = level == QualityPreset::kCustomized && custom != nullptr;

    CustomFormatSettings f;
    f.onlyAudio = !hasVideo() || (customized && custom->onlyAudio);

    QString codec = audioValue("audioencoders");
    if (codec == kAuto && !m_audioCodecs.isEmpty())
        codec = m_audioCodecs.first();
    if (customized && m_audioCodecs.contains(custom->audioEncoder))
        codec = custom->audioEncoder;
    f.audioEncoder = codec;
    const QString none;
    f.audioBitRate = choose(audioValue("audiobitrate"), customized ? custom->audioBitRate : none,
                            allowedAudioValues(codec, QStringLiteral("audiobitrate")));
    f.audioSampleRate =
        choose(audioValue("samplerate"), customized ? custom->audioSampleRate : none,
               allowedAudioValues(codec, QStringLiteral("samplerate")));
    f.audioChannels = choose(audioValue("channels"), customized ? custom->audioChannels : none,
                             allowedAudioValues(codec, QStringLiteral("channels")));

    if (hasVideo()) {
        QString videoCodec = videoValue("videoencoders");
        if (videoCodec == kAuto && !m_videoCodecs.isEmpty())
            videoCodec = m_videoCodecs.first();
        if (customized && m_videoCodecs.contains(custom->videoEncoder))
            videoCodec = custom->videoEncoder;
        f.videoEncoder = videoCodec;
        f.videoResolution = videoValue("resolution");
        f.videoFrameRate = videoValue("framerate");
        f.videoBitRate = videoValue("videobitrate");
        if (customized) {
            f.videoResolution = choose(f.videoResolution, custom->videoResolution, {});
            f.videoFrameRate = choose(f.videoFrameRate, custom->videoFrameRate, {});
            f.videoBitRate = choose(f.videoBitRate, custom->videoBitRate, {});
            f.videoQuality = custom->videoQuality;
        }
    }
    return f;
}
