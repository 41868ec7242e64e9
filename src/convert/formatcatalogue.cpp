#include "formatcatalogue.h"

#include "parserxml.h"
#include "plistdocument.h"
#include "plistvalue.h"
#include "qualitypreset.h"

#include <QRegularExpression>

#include <memory>
#include <mutex>

namespace {

// Leading decimal number of a field text ("128", "128 kbps"); "Auto" and other text give 0.
int leadingNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*(\\d+)"));
    const QRegularExpressionMatch m = number.match(text);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// "1280x720" -> 1280, 720; "Original", "Auto" and anything unreadable -> 0, 0.
void parseResolution(const QString& text, int* width, int* height)
{
    static const QRegularExpression size(QStringLiteral("^\\s*(\\d+)\\s*[xX*]\\s*(\\d+)"));
    const QRegularExpressionMatch m = size.match(text);
    *width = m.hasMatch() ? m.captured(1).toInt() : 0;
    *height = m.hasMatch() ? m.captured(2).toInt() : 0;
}

// "30" -> 30/1, "29.97" -> 30000/1001 style fractions; "Auto" -> 0/1.
void parseFrameRate(const QString& text, int* num, int* den)
{
    bool ok = false;
    const double fps = text.trimmed().split(QLatin1Char(' ')).value(0).toDouble(&ok);
    if (!ok || fps <= 0 || fps > 1000) {
        *num = 0;
        *den = 1;
    } else if (fps == static_cast<int>(fps)) {
        *num = static_cast<int>(fps);
        *den = 1;
    } else {
        *num = static_cast<int>(fps * 1001.0 + 0.5);
        *den = 1001;
    }
}

}  // namespace

FormatCatalogue::FormatCatalogue(const PlistDict& root)
{
    for (const auto& [key, value] : root) {
        const QString name = QString::fromStdString(key);
        if (key == "Codecs") {
            const PlistDict* codecs = PlistValue::dict(value);
            if (!codecs)
                continue;
            for (const auto& [codecName, entry] : *codecs) {
                const PlistDict* d = PlistValue::dict(entry);
                FormatCodec c;
                c.name = QString::fromStdString(codecName);
                const boost::any* idValue = PlistValue::find(d, "id");
                const int64_t* id = idValue ? boost::any_cast<int64_t>(idValue) : nullptr;
                c.id = id ? static_cast<int>(*id) : 0;
                c.type = PlistValue::text(PlistValue::find(d, "type"));
                c.encoder = PlistValue::text(PlistValue::find(d, "encoder"));
                c.title = PlistValue::text(PlistValue::find(d, "title"));
                m_codecs.insert(c.name, c);
            }
        } else if (const PlistArray* items = PlistValue::array(value)) {
            QVector<FormatProfile>& list = m_profiles[name];
            for (const boost::any& item : *items) {
                if (const PlistDict* d = PlistValue::dict(item))
                    list.append(FormatProfile::fromPlist(name, *d));
            }
        }
    }
}

QString FormatCatalogue::defaultPath()
{
    return ParserXML::resourceFolder() + QStringLiteral("/profile/profiles_win.plist");
}

const FormatCatalogue& FormatCatalogue::instance()
{
    static std::mutex mutex;
    static std::unique_ptr<const FormatCatalogue> catalogue;
    const std::lock_guard<std::mutex> lock(mutex);
    if (!catalogue) {
        const PlistDocument& doc = PlistDocument::instance(defaultPath().toStdString());
        catalogue = std::make_unique<const FormatCatalogue>(doc.root());
    }
    return *catalogue;
}

QStringList FormatCatalogue::categories() const
{
    return m_profiles.keys();
}

QVector<FormatProfile> FormatCatalogue::profiles(const QString& category) const
{
    return m_profiles.value(category);
}

FormatProfile FormatCatalogue::profile(const QString& category, const QString& id) const
{
    const auto it = m_profiles.constFind(category);
    if (it == m_profiles.constEnd())
        return {};
    for (const FormatProfile& p : *it) {
        if (p.id() == id)
            return p;
    }
    return {};
}

FormatProfile FormatCatalogue::findProfile(const QString& id) const
{
    for (auto it = m_profiles.constBegin(); it != m_profiles.constEnd(); ++it) {
        for (const FormatProfile& p : *it) {
            if (p.id() == id)
                return p;
        }
    }
    return {};
}

QString FormatCatalogue::profileText(const QString& category, const QString& id,
                                     const QString& key) const
{
    return profile(category, id).baseInfo(key);
}

FormatCodec FormatCatalogue::codec(const QString& name) const
{
    return m_codecs.value(name);
}

bool FormatCatalogue::describe(const FormatProfile& profile, const CustomFormatSettings& fields,
                               FormatDescriptor* out, QString* error) const
{
    const FormatCodec audio = codec(fields.audioEncoder);
    if (!audio.isValid()) {
        if (error)
            *error = QStringLiteral("profile %1: unknown audio codec \"%2\"")
                         .arg(profile.id(), fields.audioEncoder);
        return false;
    }
    FormatDescriptor d;
    d.audioOnly = fields.onlyAudio;
    d.formatKey = profile.formatKey();
    d.extension = profile.extension();
    d.profileTextA = profile.title();
    d.audioCodec = audio.id;
    d.channels = leadingNumber(fields.audioChannels);
    d.sampleRateHz = leadingNumber(fields.audioSampleRate);
    d.audioBitRateKbps = leadingNumber(fields.audioBitRate);
    d.quality = leadingNumber(fields.videoQuality);
    if (profile.hasVideo()) {
        const FormatCodec video = codec(fields.videoEncoder);
        if (!video.isValid() && !fields.onlyAudio) {
            if (error)
                *error = QStringLiteral("profile %1: unknown video codec \"%2\"")
                             .arg(profile.id(), fields.videoEncoder);
            return false;
        }
        d.videoCodec = video.isValid() ? video.id : -1;
        d.profileTextB = profile.videoParameter(QStringLiteral("fourcc"))
                             .valueForLevel(QualityPreset::kCustomized);
        parseResolution(fields.videoResolution, &d.width, &d.height);
        parseFrameRate(fields.videoFrameRate, &d.frameRateNum, &d.frameRateDen);
        d.videoBitRateKbps = leadingNumber(fields.videoBitRate);
    }
    *out = d;
    return true;
}
