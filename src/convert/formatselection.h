#pragma once
// The chosen output formats: loading a catalogue profile into the process-wide audio and video
// descriptors at its stored quality preset, confirming a new choice and resetting to the
// defaults. The choice lives in the settings files (group "FormatSet" of the settings file;
// "QUALITY_VALUE", "Video_Quality" and the custom values per profile id in the format file),
// read and written through ParserXML.
//
// Threading: GUI thread (or a single command-line thread); the settings files are not meant to
// be written from two threads at once.

#include "customformatsettings.h"
#include "encodesettings.h"
#include "formatcatalogue.h"
#include "formatdescriptor.h"

#include <QString>

namespace FormatSelection {

// The profile last loaded into a descriptor.
struct CurrentFormat {
    QString category;
    QString id;
    QString title;
};

// Quality level (QualityPreset) of a profile from its stored "QUALITY_VALUE".
int storedQualityLevel(const QString& id);
// The level a profile is loaded at: the stored one, except that "Customized" without stored
// custom values falls back to "High Quality" (what recordings then use, and what the format
// dialog must show).
int qualityLevelInEffect(const QString& id);

// Loads a profile at a quality level into a descriptor. For Customized the stored custom values
// of the profile are laid over its defaults; with none stored, High Quality is used. The
// field values (for the settings panel) go to fields when given. For a video profile below
// Customized the quality is the profile's "Video_Quality". False when the profile is missing
// or names an unknown codec; the descriptor is then unchanged.
bool loadProfileAtLevel(const FormatCatalogue& catalogue, const QString& category,
                        const QString& id, int level, FormatDescriptor* descriptor,
                        CustomFormatSettings* fields = nullptr, QString* error = nullptr);
// The same at the profile's stored level; remembers the profile as the current format of the
// descriptor's kind (video when descriptor is FormatDescriptor::video()).
bool loadProfile(const FormatCatalogue& catalogue, const QString& category, const QString& id,
                 FormatDescriptor* descriptor, CustomFormatSettings* fields = nullptr);
// Loads the saved video and audio choices ("FormatSet", with their defaults) into the two
// process-wide descriptors. False when either profile cannot be loaded.
bool loadSavedFormats(const FormatCatalogue& catalogue);

// Stores a choice made in the format dialog: the quality combo index as the profile's
// "QUALITY_VALUE", the custom values when given (Customized), the category and id under
// "FormatSet" (video keys when video is set), then reloads both descriptors. False when a
// value could not be stored or a descriptor not loaded.
bool confirm(const FormatCatalogue& catalogue, bool video, const QString& category,
             const QString& id, int comboIndex, const CustomFormatSettings* custom = nullptr);
// Back to "General Video" 4000 and "General Audio" 5000, both at "Small Size", reloading
// after each.
bool resetToDefaults(const FormatCatalogue& catalogue);

CurrentFormat currentFormat(bool video);

// Encode settings of a catalogue profile, found by id in any category, at a quality level
// (QualityPreset), without touching the process-wide descriptors or the saved choice. Audio
// only: the picture size stays 0. False with a reason when the catalogue cannot be read or the
// profile does not exist.
bool encodeSettingsForProfile(const QString& id, int qualityLevel, EncodeSettings* out,
                              QString* error);
// Encode settings for an output file extension ("mp3", "opus", ...) as the command line uses
// them: container key and audio codec of the catalogue's first audio profile with that
// extension; the sample rate only where the codec cannot take the engine's default (Opus);
// everything else left to the encoder. False with a reason naming the known extensions.
bool encodeSettingsForExtension(const QString& extension, EncodeSettings* out, QString* error);

}  // namespace FormatSelection
