#pragma once
// QVideoEditingSettings: the edit dialog's choices for the file being edited. The Trim, Effect
// and Tag tabs each write their part of one VEEditConfig here; a cut sends a copy of it to the
// converter. With a player attached, every new configuration is applied to it at once (the cut
// range and the sound effects), so what the user hears is what a cut produces.
//
// GUI thread only.

#include <QObject>

#include <cstdint>

#include "veeditconfig.h"

class NxPlayerManager;

class QVideoEditingSettings : public QObject {
    Q_OBJECT
public:
    explicit QVideoEditingSettings(QObject* parent = nullptr);

    const VEEditConfig& config() const { return m_config; }
    // Stores config and applies its range and effects to the attached player.
    void setConfig(const VEEditConfig& config);
    // Replaces only the tag set (no effect on the player).
    void setTags(const VEAudioTagInfo& tags);
    bool flag() const { return m_flag; }
    void setFlag(bool flag) { m_flag = flag; }

    // Follows the player's range changes and applies configurations to it; null detaches.
    void attachPlayer(NxPlayerManager* player);
    NxPlayerManager* player() const { return m_player; }

public slots:
    // The player's range changed: remember it without applying it back.
    void trimTimeChange(uint64_t startTime, uint64_t endTime);
    // A file was opened in the player: it starts without effects, so apply them again.
    void playerChange();

private:
    void applyToPlayer(bool rangeChanged);

    VEEditConfig m_config;
    bool m_flag = false;
    NxPlayerManager* m_player = nullptr;
};
