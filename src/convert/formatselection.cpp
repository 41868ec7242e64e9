#include "formatselection.h"

#include "parserxml.h"
#include "qualitypreset.h"

#include <QDebug>

#include <mutex>

namespace {

const QString kFormatSet = QStringLiteral("FormatSet");
const QString kAudioCategories = QStringLiteral("Audio_Categories");
const QString kAudioId = QStringLiteral("Audio_Id");
const QString kVideoCategories = QStringLiteral("Video_Categories");
const QString kVideoId = QStringLiteral("Video_Id");
const QString kQualityValue = QStringLiteral("QUALITY_VALUE");
const QString kVideoQuality = QStringLiteral("Video_Quality");

const QString kDefaultAudioCategory = QStringLiteral("General Audio");
const QString kDefaultAudioId = QStringLiteral("5000");
const QString kDefaultVideoCategory = QStringLiteral("General Video");
const QString kDefaultVideoId = QStringLiteral("4000");

std::mutex g_currentMutex;
FormatSelection::CurrentFormat g_currentAudio;
FormatSelection::CurrentFormat g_currentVideo;

// setFormatAttribute only writes into an existing FORMAT_ element; a profile the user never
// customised has none yet. Saving its (possibly empty) custom values back creates it without
// changing what is stored.
void ensureFormatElement(const QString& id)
{
    ParserXML::saveCustomFormat(id, ParserXML::loadCustomFormat(id));
}

bool setFormatAttributeCreating(const QString& id, const QString& attribute, const QString& value)
{
    ensureFormatElement(id);
    return ParserXML::setFormatAttribute(id, attribute, value);
}

// setSettingValue only writes into an element that exists: reading the key first creates it.
bool storeSetting(const QString& attribute, const QString& value, const QString& defaultValue)
{
    ParserXML::getSettingValue(kFormatSet, attribute, defaultValue);
    return ParserXML::setSettingValue(kFormatSet, attribute, value);
}

const FormatCatalogue* shippedCatalogue(QString* error)
{
    try {
        return &FormatCatalogue::instance();
    } catch (const std::runtime_error& e) {
        if (error)
            *error = QStringLiteral("format catalogue %1: %2")
                         .arg(FormatCatalogue::defaultPath(), QString::fromStdString(e.what()));
        return nullptr;
    }
}

}  // namespace

namespace FormatSelection {

int storedQualityLevel(const QString& id)
{
    return QualityPreset::levelFromStoredValue(ParserXML::getFormatAttribute(id, kQualityValue));
}

int qualityLevelInEffect(const QString& id)
{
    const int level = storedQualityLevel(id);
    if (level == QualityPreset::kCustomized && ParserXML::loadCustomFormat(id).isEmpty())
        return QualityPreset::kHighQuality;
    return level;
}

bool loadProfileAtLevel(const FormatCatalogue& catalogue, const QString& category,
                        const QString& id, int level, FormatDescriptor* descriptor,
                        CustomFormatSettings* fields, QString* error)
{
    const FormatProfile profile = catalogue.profile(category, id);
    if (!profile.isValid()) {
        if (error)
            *error = QStringLiteral("no format profile %1 in \"%2\"").arg(id, category);
        return false;
    }
    CustomFormatSettings custom;
    if (level == QualityPreset::kCustomized) {
        custom = ParserXML::loadCustomFormat(id);
        if (custom.isEmpty())
            level = QualityPreset::kHighQuality;
    }
    CustomFormatSettings values =
        profile.fields(level, level == QualityPreset::kCustomized ? &custom : nullptr);
    if (profile.hasVideo() && level != QualityPreset::kCustomized)
        values.videoQuality = ParserXML::getFormatAttribute(id, kVideoQuality, QStringLiteral("0"));
    FormatDescriptor loaded;
    if (!catalogue.describe(profile, values, &loaded, error))
        return false;
    *descriptor = loaded;
    if (fields)
        *fields = values;
    return true;
}

bool loadProfile(const FormatCatalogue& catalogue, const QString& category, const QString& id,
                 FormatDescriptor* descriptor, CustomFormatSettings* fields)
{
    QString error;
    if (!loadProfileAtLevel(catalogue, category, id, storedQualityLevel(id), descriptor, fields,
                            &error)) {
        qDebug() << "format profile not loaded:" << error;
        return false;
    }
    const QString title = catalogue.profileText(category, id, QStringLiteral("title"));
    qDebug() << title;
    const std::lock_guard<std::mutex> lock(g_currentMutex);
    CurrentFormat& current =
        descriptor == FormatDescriptor::video() ? g_currentVideo : g_currentAudio;
    current = {category, id, title};
    return true;
}

bool loadSavedFormats(const FormatCatalogue& catalogue)
{
    const QString videoCategory =
        ParserXML::getSettingValue(kFormatSet, kVideoCategories, kDefaultVideoCategory);
    const QString videoId = ParserXML::getSettingValue(kFormatSet, kVideoId, kDefaultVideoId);
    const QString audioCategory =
        ParserXML::getSettingValue(kFormatSet, kAudioCategories, kDefaultAudioCategory);
    const QString audioId = ParserXML::getSettingValue(kFormatSet, kAudioId, kDefaultAudioId);
    const bool videoLoaded =
        loadProfile(catalogue, videoCategory, videoId, FormatDescriptor::video());
    const bool audioLoaded =
        loadProfile(catalogue, audioCategory, audioId, FormatDescriptor::audio());
    return videoLoaded && audioLoaded;
}

bool confirm(const FormatCatalogue& catalogue, bool video, const QString& category,
             const QString& id, int comboIndex, const CustomFormatSettings* custom)
{
    bool stored = !custom || ParserXML::saveCustomFormat(id, *custom);
    stored = setFormatAttributeCreating(id, kQualityValue, QString::number(comboIndex)) && stored;
    if (video) {
        stored = storeSetting(kVideoCategories, category, kDefaultVideoCategory) && stored;
        stored = storeSetting(kVideoId, id, kDefaultVideoId) && stored;
    } else {
        stored = storeSetting(kAudioCategories, category, kDefaultAudioCategory) && stored;
        stored = storeSetting(kAudioId, id, kDefaultAudioId) && stored;
    }
    return loadSavedFormats(catalogue) && stored;
}

bool resetToDefaults(const FormatCatalogue& catalogue)
{
    const QString smallSize = QString::number(QualityPreset::kSmallSizeIndex);
    storeSetting(kVideoCategories, kDefaultVideoCategory, kDefaultVideoCategory);
    storeSetting(kVideoId, kDefaultVideoId, kDefaultVideoId);
    setFormatAttributeCreating(kDefaultVideoId, kQualityValue, smallSize);
    setFormatAttributeCreating(kDefaultVideoId, kVideoQuality, QStringLiteral("0"));
    const bool videoLoaded = loadSavedFormats(catalogue);

    storeSetting(kAudioCategories, kDefaultAudioCategory, kDefaultAudioCategory);
    storeSetting(kAudioId, kDefaultAudioId, kDefaultAudioId);
    setFormatAttributeCreating(kDefaultAudioId, kQualityValue, smallSize);
    setFormatAttributeCreating(kDefaultVideoId, kVideoQuality, QStringLiteral("0"));
    return loadSavedFormats(catalogue) && videoLoaded;
}

CurrentFormat currentFormat(bool video)
{
    const std::lock_guard<std::mutex> lock(g_currentMutex);
    return video ? g_currentVideo : g_currentAudio;
}

bool encodeSettingsForProfile(const QString& id, int qualityLevel, EncodeSettings* out,
                              QString* error)
{
    const FormatCatalogue* catalogue = shippedCatalogue(error);
    if (!catalogue)
        return false;
    const FormatProfile profile = catalogue->findProfile(id);
    if (!profile.isValid()) {
        if (error)
            *error = QStringLiteral("no format profile with id %1").arg(id);
        return false;
    }
    FormatDescriptor descriptor;
    if (!loadProfileAtLevel(*catalogue, profile.category(), id, qualityLevel, &descriptor, nullptr,
                            error))
        return false;
    *out = encodeSettingsFromDescriptor(descriptor, 0, 0);
    return true;
}

bool encodeSettingsForExtension(const QString& extension, EncodeSettings* out, QString* error)
{
    const FormatCatalogue* catalogue = shippedCatalogue(error);
    if (!catalogue)
        return false;
    QStringList known;
    for (const QString& category : catalogue->categories()) {
        for (const FormatProfile& profile : catalogue->profiles(category)) {
            if (profile.hasVideo())
                continue;
            if (profile.extension() != extension) {
                if (!known.contains(QLatin1Char('.') + profile.extension()))
                    known << QLatin1Char('.') + profile.extension();
                continue;
            }
            const CustomFormatSettings fields = profile.fields(QualityPreset::kHighQuality);
            const FormatCodec codec = catalogue->codec(fields.audioEncoder);
            if (!codec.isValid())
                continue;
            EncodeSettings settings;
            settings.formatKey = profile.formatKey();
            settings.audioCodec = codec.id;
            // The engine records at 44100 Hz unless told otherwise; a codec whose rates rule
            // that out gets the profile's own rate.
            const QStringList rates =
                profile.allowedAudioValues(codec.name, QStringLiteral("samplerate"));
            if (!rates.isEmpty() && !rates.contains(QStringLiteral("44100")))
                settings.sampleRateHz = fields.audioSampleRate.toInt();
            *out = settings;
            return true;
        }
    }
    if (error)
        *error = QStringLiteral("unknown extension '.%1' (use %2)").arg(extension, known.join(' '));
    return false;
}

}  // namespace FormatSelection
