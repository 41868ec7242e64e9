#pragma once
// QAudioEffectManager: the sound-effect presets of the Effect tab, read from a folder of
// preset folders, each described by a "config.xml" (root attributes APPMinVersion, Version,
// Thumbnail and Name; an "EQ" child with a "Rate" element and points with "hz" and "db"
// attributes; for picture presets a "FrameInfo" child). The folder is walked recursively in
// sorted path order, so the numbered preset folders keep their order. A file that does not
// parse, or whose numbers are not numbers, is left out with a warning in the log.
//
// One process-wide manager (instance()) reads the resource folder's "AudioEffects" once, on
// first use; tests build their own on any folder. GUI thread (no locking).

#include <QObject>
#include <QString>
#include <QVector>

#include "audioeffectpreset.h"

class QAudioEffectManager : public QObject {
    Q_OBJECT
public:
    // The name of the custom slot, the preset that moving an equalizer slider switches to.
    static constexpr const char* kCustomName = "Customed";

    explicit QAudioEffectManager(QObject* parent = nullptr);
    // Loads the presets under folder at once.
    explicit QAudioEffectManager(const QString& folder, QObject* parent = nullptr);

    // The process-wide manager, loaded from defaultFolder() when first asked for.
    static QAudioEffectManager* instance();
    // The "AudioEffects" folder of the resource folder.
    static QString defaultFolder();

    // Replaces the presets with those found under folder; returns how many were loaded. A
    // missing folder gives none.
    int load(const QString& folder);
    int count() const { return m_presets.size(); }
    // Null when index is out of range.
    const AudioEffectPreset* preset(int index) const;
    // The index of the preset named kCustomName, -1 when there is none.
    int customIndex() const;
    // The preset folders, in load order.
    const QStringList& folders() const { return m_folders; }

    // Parses one config.xml into preset (which gets its folder and thumbnail path). False,
    // with *error set, when the file cannot be read or is not a valid preset.
    static bool parsePreset(const QString& configPath, AudioEffectPreset* preset, QString* error);

private:
    QVector<AudioEffectPreset> m_presets;
    QStringList m_folders;
};
