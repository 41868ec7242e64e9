#pragma once
// One profile of the format catalogue, read from its property-list dictionary: base
// information, the codecs it supports, its audio and video parameters and the per-codec value
// filters. Plain value type; knows nothing of the settings files.

#include "formatparameter.h"
#include "plist.h"

#include "customformatsettings.h"

#include <QMap>
#include <QString>
#include <QStringList>

class FormatProfile {
public:
    FormatProfile() = default;
    static FormatProfile fromPlist(const QString& category, const PlistDict& profile);

    bool isValid() const { return !id().isEmpty(); }
    QString category() const { return m_category; }
    QString id() const { return baseInfo(QStringLiteral("id")); }
    QString title() const { return baseInfo(QStringLiteral("title")); }
    QString icon() const { return baseInfo(QStringLiteral("icon")); }
    QString extension() const { return baseInfo(QStringLiteral("ext")); }
    QString formatKey() const { return baseInfo(QStringLiteral("format")); }
    // A text of "baseinfo"; empty when missing.
    QString baseInfo(const QString& key) const { return m_baseInfo.value(key); }
    // "auto" in "baseinfo": every parameter is left to the encoder.
    bool isAuto() const { return m_auto; }
    bool hasVideo() const { return !m_video.isEmpty(); }

    // Codec names ("supports"), keys of the catalogue's "Codecs" table.
    QStringList audioCodecs() const { return m_audioCodecs; }
    QStringList videoCodecs() const { return m_videoCodecs; }

    // "audioencoders", "audiobitrate", "samplerate", "channels" ("channel" is read as
    // "channels"); video: "videoencoders", "fourcc", "resolution", "framerate", "videobitrate".
    FormatParameter audioParameter(const QString& name) const { return m_audio.value(name); }
    FormatParameter videoParameter(const QString& name) const { return m_video.value(name); }
    // The only values an audio parameter may take with a codec; empty: no restriction.
    QStringList allowedAudioValues(const QString& codec, const QString& parameter) const;
    // The values offered for an audio parameter with a codec: "values" narrowed by the filter.
    QStringList offeredAudioValues(const QString& codec, const QString& parameter) const;

    // The field values of a quality level (QualityPreset): "high", "low" or, for Customized,
    // "default" with the non-empty custom values laid over it. A custom codec the profile does
    // not support, or a custom value the codec's filter rules out, is replaced by the level's
    // own value. onlyAudio is true for a profile without video; videoQuality is left empty.
    CustomFormatSettings fields(int level, const CustomFormatSettings* custom = nullptr) const;

private:
    QString m_category;
    QMap<QString, QString> m_baseInfo;
    bool m_auto = false;
    QStringList m_audioCodecs;
    QStringList m_videoCodecs;
    QMap<QString, FormatParameter> m_audio;
    QMap<QString, FormatParameter> m_video;
    QMap<QString, QMap<QString, QStringList>> m_filter;  // codec -> parameter -> values
};
